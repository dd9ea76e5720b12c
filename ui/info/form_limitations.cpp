#include "ui/info/form_limitations.h"

#include <QCloseEvent>

#include "ui/common/browser.h"
#include "ui/common/form_font.h"
#include "ui/common/product.h"
#include "ui/common/shown_text.h"
#include "ui/common/window_placement.h"
#include "ui/info/info_texts.h"
#include "ui/input/frm_roll_angles0.h"
#include "ui/input/window_enabling.h"
#include "ui/print/show_status.h"
#include "ui_form_limitations.h"

namespace korvanta {

FormLimitations::FormLimitations(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::FormLimitations>()) {
    ui->setupUi(this);
    UseFormFont(*this);
    ui->Text1->setPlainText(ShownText(info_texts::Limitations()));
    setFixedSize(size());
    CentreOnScreen(*this);
    connect(ui->CommandWeb, &QPushButton::clicked, this, &FormLimitations::CommandWeb_Click);
    connect(ui->CommandClose, &QPushButton::clicked, this, &FormLimitations::CommandClose_Click);
}

// A window destroyed without being closed still gives the input window back.
FormLimitations::~FormLimitations() {
    EnableWindowsNoLongerHeld(this);
}

void FormLimitations::Form_Activate() {
    SetLoadedEnabled<FrmRollAngles0>(false);
    ui->CommandClose->setFocus();
}

// However the window is closed (its button, its frame, the program), the input window is enabled.
void FormLimitations::closeEvent(QCloseEvent* event) {
    SetLoadedEnabled<FrmRollAngles0>(true);
    EnableWindowsNoLongerHeld(this);
    QWidget::closeEvent(event);
}

void FormLimitations::CommandWeb_Click() {
    ShowStatus(QStringLiteral("Starting web browser, one moment please..."), 3);
    OpenWebPage(product::DownloadPage());
}

void FormLimitations::CommandClose_Click() {
    Unload(this);
}

} // namespace korvanta
