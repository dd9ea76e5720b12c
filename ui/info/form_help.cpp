#include "ui/info/form_help.h"

#include "ui/common/form_font.h"
#include "ui/common/shown_text.h"
#include "ui/common/window_placement.h"
#include "ui/info/info_texts.h"
#include "ui/input/input_window_pictures.h"
#include "ui_form_help.h"

namespace korvanta {

FormHelp::FormHelp(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::FormHelp>()) {
    ui->setupUi(this);
    UseFormFont(*this);
    ui->Text1->setPlainText(ShownText(info_texts::HelpStep1()));
    ui->Text2->setPlainText(ShownText(info_texts::HelpStep2()));
    ui->Text3->setPlainText(ShownText(info_texts::HelpStep3()));
    ui->Picture1->setPixmap(GearTypePicture());
    ui->Picture2->setPixmap(InputDataPicture());
    ui->Picture3->setPixmap(CalculateButtonPicture());
    setFixedSize(size());
    CentreOnScreen(*this);
    connect(ui->Cmdclose, &QPushButton::clicked, this, &FormHelp::Cmdclose_Click);
}

FormHelp::~FormHelp() = default;

void FormHelp::Cmdclose_Click() {
    Unload(this);
}

} // namespace korvanta
