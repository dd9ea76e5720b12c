#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "ui/common/program_window.h"

namespace Ui {
class StatusWindow;
}

namespace korvanta {

// The small "Status" window that shows one line for a few seconds (see ShowStatus).
class StatusWindow : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit StatusWindow(QWidget* parent = nullptr);
    ~StatusWindow() override;

    void SetMessage(const QString& message);
    QString Message() const;

    void Activated() override;

private:
    std::unique_ptr<Ui::StatusWindow> ui;
};

} // namespace korvanta
