#pragma once

#include <QWidget>
#include <memory>

#include "ui/common/program_window.h"

namespace Ui {
class FormSAP2;
}

namespace korvanta {

class FormSAP2 : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit FormSAP2(QWidget* parent = nullptr);
    ~FormSAP2() override;

private:
    std::unique_ptr<Ui::FormSAP2> ui;
};

} // namespace korvanta
