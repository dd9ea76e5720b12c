#include "ui/info/form_info2.h"

#include "ui/common/form_font.h"
#include "ui/common/shown_text.h"
#include "ui/common/window_placement.h"
#include "ui/info/info_texts.h"
#include "ui_form_info2.h"

namespace korvanta {

FormInfo2::FormInfo2(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::FormInfo2>()) {
    ui->setupUi(this);
    UseFormFont(*this);
    ui->Text1->setPlainText(ShownText(info_texts::FormDiameterInternal()));
    setFixedSize(size());
    CentreOnScreen(*this);
    connect(ui->Command1, &QPushButton::clicked, this, &FormInfo2::Command1_Click);
}

FormInfo2::~FormInfo2() = default;

void FormInfo2::Command1_Click() {
    Unload(this);
}

} // namespace korvanta
