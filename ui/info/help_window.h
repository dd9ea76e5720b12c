#pragma once

#include <QWidget>
#include <memory>

#include "ui/common/program_window.h"

namespace Ui {
class HelpWindow;
}

namespace korvanta {

// Getting started: the three steps of a calculation, each beside a picture of the input window.
class HelpWindow : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);
    ~HelpWindow() override;

private:
    void closeWindow();

    std::unique_ptr<Ui::HelpWindow> ui;
};

} // namespace korvanta
