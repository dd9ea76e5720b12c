#include "ui/info/help_window.h"

#include "ui/common/form_font.h"
#include "ui/common/shown_text.h"
#include "ui/common/window_keys.h"
#include "ui/common/window_placement.h"
#include "ui/info/info_texts.h"
#include "ui/input/input_window_pictures.h"
#include "ui_help_window.h"

namespace korvanta {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::HelpWindow>()) {
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
    connect(ui->Cmdclose, &QPushButton::clicked, this, &HelpWindow::closeWindow);
    CloseOnEscape(*this, *ui->Cmdclose);
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::closeWindow() {
    Unload(this);
}

} // namespace korvanta
