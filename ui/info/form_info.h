#pragma once

#include <QWidget>
#include <memory>

#include "ui/common/program_window.h"

namespace Ui {
class FormInfo;
}

namespace korvanta {

// The note on the form diameter of an external pair.
class FormInfo : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit FormInfo(QWidget* parent = nullptr);
    ~FormInfo() override;

private:
    void Command1_Click();

    std::unique_ptr<Ui::FormInfo> ui;
};

} // namespace korvanta
