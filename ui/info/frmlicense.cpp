#include "ui/info/frmlicense.h"

#include "ui/common/form_font.h"
#include "ui/common/shown_text.h"
#include "ui/common/window_placement.h"
#include "ui/info/info_texts.h"
#include "ui_frmlicense.h"

namespace korvanta {

Frmlicense::Frmlicense(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::Frmlicense>()) {
    ui->setupUi(this);
    UseFormFont(*this);
    ui->Text1->setPlainText(ShownText(info_texts::TermsOfUse()));
    setFixedSize(size());
    CentreOnScreen(*this);
    connect(ui->Command1, &QPushButton::clicked, this, &Frmlicense::Command1_Click);
}

Frmlicense::~Frmlicense() = default;

void Frmlicense::Command1_Click() {
    Unload(this);
}

} // namespace korvanta
