#pragma once

#include <QWidget>
#include <memory>

#include "ui/common/program_window.h"

namespace Ui {
class FormInfo2;
}

namespace korvanta {

// The note on the form diameter of an internal pair.
class FormInfo2 : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit FormInfo2(QWidget* parent = nullptr);
    ~FormInfo2() override;

private:
    void Command1_Click();

    std::unique_ptr<Ui::FormInfo2> ui;
};

} // namespace korvanta
