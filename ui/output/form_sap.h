#pragma once

#include <QWidget>
#include <memory>

#include "ui/common/program_window.h"

namespace Ui {
class FormSAP;
}

namespace korvanta {

class FormSAP : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit FormSAP(QWidget* parent = nullptr);
    ~FormSAP() override;

private:
    std::unique_ptr<Ui::FormSAP> ui;
};

} // namespace korvanta
