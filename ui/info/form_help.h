#pragma once

#include <QWidget>
#include <memory>

#include "ui/common/program_window.h"

namespace Ui {
class FormHelp;
}

namespace korvanta {

// Getting started: the three steps of a calculation, each beside a picture of the input window.
class FormHelp : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit FormHelp(QWidget* parent = nullptr);
    ~FormHelp() override;

private:
    void Cmdclose_Click();

    std::unique_ptr<Ui::FormHelp> ui;
};

} // namespace korvanta
