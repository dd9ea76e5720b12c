#pragma once

#include <QWidget>
#include <memory>

#include "ui/common/program_window.h"

namespace Ui {
class FormLimitations;
}

namespace korvanta {

// What the program does not check. The input window takes no input while this window is open.
class FormLimitations : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit FormLimitations(QWidget* parent = nullptr);
    ~FormLimitations() override;

    void Form_Activate() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CommandWeb_Click();
    void CommandClose_Click();

    std::unique_ptr<Ui::FormLimitations> ui;
};

} // namespace korvanta
