#pragma once

#include <QWidget>
#include <memory>

#include "ui/common/program_window.h"

namespace Ui {
class Diagram;
}

namespace korvanta {

class Diagram : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit Diagram(QWidget* parent = nullptr);
    ~Diagram() override;

private:
    std::unique_ptr<Ui::Diagram> ui;
};

} // namespace korvanta
