#pragma once

#include <QWidget>
#include <memory>

#include "ui/common/program_window.h"

namespace Ui {
class AboutWindow;
}

namespace korvanta {

struct Services;

// The program's name, version, maker and web site.
class AboutWindow : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit AboutWindow(const Services& services, QWidget* parent = nullptr);
    ~AboutWindow() override;

private:
    void closeWindow();
    void openWebSite();

    const Services& services_;
    std::unique_ptr<Ui::AboutWindow> ui;
};

} // namespace korvanta
