#pragma once

#include <QWidget>
#include <memory>

#include "ui/common/program_window.h"

namespace Ui {
class frmAbout;
}

namespace korvanta {

// The program's name, version, maker and web site.
class frmAbout : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);
    ~frmAbout() override;

private:
    void Command1_Click();
    void Command2_Click();

    std::unique_ptr<Ui::frmAbout> ui;
};

} // namespace korvanta
