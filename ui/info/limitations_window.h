#pragma once

#include <QWidget>
#include <memory>

#include "ui/common/program_window.h"

namespace Ui {
class LimitationsWindow;
}

namespace korvanta {

class ProgramWindows;

// What the program does not check. The input window takes no input while this window is open.
class LimitationsWindow : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit LimitationsWindow(ProgramWindows& windows, QWidget* parent = nullptr);
    ~LimitationsWindow() override;

    void Activated() override;

private:
    void openDownloadPage();
    void closeWindow();

    ProgramWindows& windows_;
    std::unique_ptr<Ui::LimitationsWindow> ui;
};

} // namespace korvanta
