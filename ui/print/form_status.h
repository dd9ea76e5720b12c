#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "ui/common/program_window.h"

namespace Ui {
class FormStatus;
}

namespace korvanta {

// The small "Status" window that shows one line for a few seconds (see ShowStatus).
class FormStatus : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit FormStatus(QWidget* parent = nullptr);
    ~FormStatus() override;

    void SetMessage(const QString& message);
    QString Message() const;

    void Form_Activate() override;

private:
    std::unique_ptr<Ui::FormStatus> ui;
};

} // namespace korvanta
