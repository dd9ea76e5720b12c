#include "ui/info/about_window.h"

#include "core/version.h"
#include "ui/common/browser.h"
#include "ui/common/form_font.h"
#include "ui/common/gear_icon.h"
#include "ui/common/product.h"
#include "ui/common/shown_text.h"
#include "ui/common/window_keys.h"
#include "ui/common/window_placement.h"
#include "ui/info/info_texts.h"
#include "ui_about_window.h"

namespace korvanta {

AboutWindow::AboutWindow(const Services& services, QWidget* parent)
    : QWidget(parent), services_(services), ui(std::make_unique<Ui::AboutWindow>()) {
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
    connect(ui->Command1, &QPushButton::clicked, this, &AboutWindow::closeWindow);
    CloseOnEscape(*this, *ui->Command1);
    connect(ui->Command2, &QPushButton::clicked, this, &AboutWindow::openWebSite);
}

AboutWindow::~AboutWindow() = default;

void AboutWindow::closeWindow() {
    Unload(this);
}

void AboutWindow::openWebSite() {
    OpenWebPage(services_, product::WebSite());
}

} // namespace korvanta
