#include "ui/print/status_window.h"

#include "ui/common/window_placement.h"
#include "ui_status_window.h"

namespace korvanta {

StatusWindow::StatusWindow(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::StatusWindow>()) {
    ui->setupUi(this);
    SetPointSize(*ui->Label1, 9.75);
    setFixedSize(size());
    CentreOnScreen(*this);
}

StatusWindow::~StatusWindow() = default;

void StatusWindow::SetMessage(const QString& message) {
    ui->Label1->setText(message);
}

QString StatusWindow::Message() const {
    return ui->Label1->text();
}

// A status window brought up by any other means than ShowStatus shows no message.
void StatusWindow::Activated() {
    ui->Label1->clear();
}

} // namespace korvanta
