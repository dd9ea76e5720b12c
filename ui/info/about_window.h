#pragma once

#include <QWidget>
#include <memory>

#include "ui/common/program_window.h"

namespace Ui {
class AboutWindow;
}

namespace korvanta {

// The program's name, version, maker and web site.
class AboutWindow : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);
    ~AboutWindow() override;

private:
    void closeWindow();
    void openWebSite();

    std::unique_ptr<Ui::AboutWindow> ui;
};

} // namespace korvanta
