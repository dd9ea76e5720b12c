#include "ui/info/limitations_window.h"

#include "ui/common/browser.h"
#include "ui/common/form_font.h"
#include "ui/common/product.h"
#include "ui/common/shown_text.h"
#include "ui/common/window_keys.h"
#include "ui/common/window_placement.h"
#include "ui/info/info_texts.h"
#include "ui/print/show_status.h"
#include "ui/program_windows.h"
#include "ui_limitations_window.h"

namespace korvanta {

LimitationsWindow::LimitationsWindow(ProgramWindows& windows, QWidget* parent)
    : QWidget(parent), windows_(windows), ui(std::make_unique<Ui::LimitationsWindow>()) {
    ui->setupUi(this);
    UseFormFont(*this);
    ui->Text1->setPlainText(ShownText(info_texts::Limitations()));
    setFixedSize(size());
    CentreOnScreen(*this);
    connect(ui->CommandWeb, &QPushButton::clicked, this, &LimitationsWindow::openDownloadPage);
    connect(ui->CommandClose, &QPushButton::clicked, this, &LimitationsWindow::closeWindow);
    CloseOnEscape(*this, *ui->CommandClose);
}

LimitationsWindow::~LimitationsWindow() = default;

void LimitationsWindow::Activated() {
    windows_.session().Activated(SessionWindow::Limitations);
    ui->CommandClose->setFocus();
}

void LimitationsWindow::openDownloadPage() {
    ShowStatus(windows_, QStringLiteral("Starting web browser, one moment please..."), nullptr,
               [&services = windows_.services()] { OpenWebPage(services, product::DownloadPage()); });
}

void LimitationsWindow::closeWindow() {
    Unload(this);
}

} // namespace korvanta
