#include "ui/info/license_window.h"

#include "ui/common/form_font.h"
#include "ui/common/shown_text.h"
#include "ui/common/window_keys.h"
#include "ui/common/window_placement.h"
#include "ui/info/info_texts.h"
#include "ui_license_window.h"

namespace korvanta {

LicenseWindow::LicenseWindow(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::LicenseWindow>()) {
    ui->setupUi(this);
    UseFormFont(*this);
    ui->Text1->setPlainText(ShownText(info_texts::TermsOfUse()));
    setFixedSize(size());
    CentreOnScreen(*this);
    connect(ui->Command1, &QPushButton::clicked, this, &LicenseWindow::closeWindow);
    CloseOnEscape(*this, *ui->Command1);
}

LicenseWindow::~LicenseWindow() = default;

void LicenseWindow::closeWindow() {
    Unload(this);
}

} // namespace korvanta
