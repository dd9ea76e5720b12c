#pragma once

#include <QMainWindow>
#include <memory>

#include "ui/common/program_window.h"

namespace Ui {
class FrmRollAngles0;
}

namespace korvanta {

class FrmRollAngles0 : public QMainWindow, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit FrmRollAngles0(QWidget* parent = nullptr);
    ~FrmRollAngles0() override;

private:
    std::unique_ptr<Ui::FrmRollAngles0> ui;
};

} // namespace korvanta
