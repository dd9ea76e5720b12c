#pragma once

#include <QWidget>
#include <memory>

#include "ui/common/program_window.h"

namespace Ui {
class LicenseWindow;
}

namespace korvanta {

// The terms of use.
class LicenseWindow : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit LicenseWindow(QWidget* parent = nullptr);
    ~LicenseWindow() override;

private:
    void closeWindow();

    std::unique_ptr<Ui::LicenseWindow> ui;
};

} // namespace korvanta
