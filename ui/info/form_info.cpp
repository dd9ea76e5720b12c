#include "ui/info/form_info.h"

#include "ui/common/form_font.h"
#include "ui/common/shown_text.h"
#include "ui/common/window_placement.h"
#include "ui/info/info_texts.h"
#include "ui_form_info.h"

namespace korvanta {

FormInfo::FormInfo(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::FormInfo>()) {
    ui->setupUi(this);
    UseFormFont(*this);
    ui->Text1->setPlainText(ShownText(info_texts::FormDiameterExternal()));
    setFixedSize(size());
    CentreOnScreen(*this);
    connect(ui->Command1, &QPushButton::clicked, this, &FormInfo::Command1_Click);
}

FormInfo::~FormInfo() = default;

void FormInfo::Command1_Click() {
    Unload(this);
}

} // namespace korvanta
