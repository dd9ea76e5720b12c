#pragma once

#include <QTimer>
#include <QWidget>
#include <memory>

#include "ui/common/program_window.h"

namespace Ui {
class frmSplash;
}

namespace korvanta {

// The window shown at start: program name, version and web site, until Tmrshow opens the input window.
class frmSplash : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    static constexpr int kShowMilliseconds = 2200;

    explicit frmSplash(QWidget* parent = nullptr);
    ~frmSplash() override;

private:
    void Tmrshow_Timer();

    std::unique_ptr<Ui::frmSplash> ui;
    QTimer Tmrshow;
};

} // namespace korvanta
