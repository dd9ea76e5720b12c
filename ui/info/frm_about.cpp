#include "ui/info/frm_about.h"

#include "core/version.h"
#include "ui/common/browser.h"
#include "ui/common/form_font.h"
#include "ui/common/gear_icon.h"
#include "ui/common/product.h"
#include "ui/common/shown_text.h"
#include "ui/common/window_placement.h"
#include "ui/info/info_texts.h"
#include "ui_frm_about.h"

namespace korvanta {

frmAbout::frmAbout(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::frmAbout>()) {
    ui->setupUi(this);
    UseFormFont(*this);
    ui->Picture1->setPixmap(GearIconPixmap(QSize(32, 32)));
    ui->lblTitle->setText(QStringLiteral("Korvanta Version ") + QString::fromUtf8(kVersion));
    ui->lblCopyright->setText(info_texts::AboutCopyright());
    ui->Label1->setText(info_texts::AboutLicence());
    ui->LabelEmail->setText(QStringLiteral("Email: ") + product::Email());
    ui->LabelWeb->setText(QStringLiteral("Web: ") + product::WebSite());
    ui->Text1->setPlainText(ShownText(info_texts::AboutDescription()));
    setFixedSize(size());
    CentreOnScreen(*this);
    connect(ui->Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &frmAbout::Command2_Click);
}

frmAbout::~frmAbout() = default;

void frmAbout::Command1_Click() {
    Unload(this);
}

void frmAbout::Command2_Click() {
    OpenWebPage(product::WebSite());
}

} // namespace korvanta
