#pragma once

#include <QWidget>
#include <memory>

#include "ui/common/program_window.h"

namespace Ui {
class Frmlicense;
}

namespace korvanta {

// The terms of use.
class Frmlicense : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit Frmlicense(QWidget* parent = nullptr);
    ~Frmlicense() override;

private:
    void Command1_Click();

    std::unique_ptr<Ui::Frmlicense> ui;
};

} // namespace korvanta
