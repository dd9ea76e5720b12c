#include "ui/print/form_status.h"

#include "ui/common/window_placement.h"
#include "ui_form_status.h"

namespace korvanta {

FormStatus::FormStatus(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::FormStatus>()) {
    ui->setupUi(this);
    SetPointSize(*ui->Label1, 9.75);
    setFixedSize(size());
    CentreOnScreen(*this);
}

FormStatus::~FormStatus() = default;

void FormStatus::SetMessage(const QString& message) {
    ui->Label1->setText(message);
}

QString FormStatus::Message() const {
    return ui->Label1->text();
}

// A status window brought up by any other means than ShowStatus shows no message.
void FormStatus::Form_Activate() {
    ui->Label1->clear();
}

} // namespace korvanta
