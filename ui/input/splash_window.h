#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>

#include "ui/common/program_window.h"

namespace Ui {
class SplashWindow;
}

namespace korvanta {

class ProgramWindows;

// The window shown at start: program name, version and web site, until its timer opens the input window.
class SplashWindow : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit SplashWindow(ProgramWindows& windows, QWidget* parent = nullptr);
    ~SplashWindow() override;

private:
    void openInputWindow();

    ProgramWindows& windows_;
    std::unique_ptr<Ui::SplashWindow> ui;
    QTimer showTimer_;
};

} // namespace korvanta
