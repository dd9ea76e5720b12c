#include "ui/input/splash_window.h"

#include "core/version.h"
#include "ui/common/product.h"
#include "ui/common/window_placement.h"
#include "ui/input/input_window.h"
#include "ui/program_windows.h"
#include "ui_splash_window.h"

namespace korvanta {

SplashWindow::SplashWindow(ProgramWindows& windows, QWidget* parent)
    : QWidget(parent), windows_(windows), ui(std::make_unique<Ui::SplashWindow>()) {
    ui->setupUi(this);
    setWindowFlag(Qt::FramelessWindowHint);
    SetPointSize(*ui->Label3, 9.75);
    ui->Label3->setText(QStringLiteral("Version ") + QString::fromUtf8(kVersion));
    SetPointSize(*ui->Label1, 14.25);
    ui->Label1->setText(QStringLiteral("Gear Freeware from ") + product::WebSite());
    setFixedSize(size());
    CentreOnScreen(*this);
    showTimer_.setSingleShot(true);
    showTimer_.setTimerType(Qt::PreciseTimer);
    showTimer_.setInterval(windows_.services().splashDuration);
    connect(&showTimer_, &QTimer::timeout, this, &SplashWindow::openInputWindow);
    showTimer_.start();
}

SplashWindow::~SplashWindow() = default;

void SplashWindow::openInputWindow() {
    showTimer_.stop();
    ShowWindow(&windows_.Input());
    Unload(this);
    // After the splash has gone, so that a message about the file stands over the input window.
    if (const QString file = windows_.TakeStartFile(); !file.isEmpty()) {
        QTimer::singleShot(0, &windows_.Lifetime(), [&windows = windows_, file] {
            if (InputWindow* input = windows.LoadedInput()) {
                input->OpenFile(file);
            }
        });
    }
}

} // namespace korvanta
