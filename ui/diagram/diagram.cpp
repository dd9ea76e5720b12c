#include "ui/diagram/diagram.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>

#include "core/number_text.h"
#include "logic/diagram_boxes.h"
#include "logic/diameter_command.h"
#include "logic/key_filter.h"
#include "ui/common/dialogs.h"
#include "ui/common/option_arrow_keys.h"
#include "ui/common/program_state.h"
#include "ui/input/frm_roll_angles0.h"
#include "ui/input/window_enabling.h"
#include "ui/output/form_sap.h"
#include "ui/output/form_sap2.h"
#include "ui/print/page_printer.h"
#include "ui/print/print_from_to_size.h"
#include "ui/print/print_status.h"
#include "ui/print/window_background.h"
#include "ui_diagram.h"

namespace korvanta {

namespace {

constexpr int kDelete = 127;

void SetEnabled(QWidget* window, bool enabled) {
    if (window)
        window->setEnabled(enabled);
}

bool IsShortcut(const QKeyEvent& key) {
    return (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier)) != 0;
}

bool IsCommandLetter(int keyCode) {
    return keyCode == Qt::Key_C || keyCode == Qt::Key_L || keyCode == Qt::Key_P;
}

} // namespace

Diagram::Diagram(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::Diagram>()) {
    ui->setupUi(this);
    setFixedSize(size());
    QFont windowFont("MS Sans Serif");
    windowFont.setPointSizeF(8.25);
    setFont(windowFont);

    // Labels and options are opaque on the button face; printing whitens only the window behind them.
    SetBackground(*this, ButtonFace());
    for (QWidget* control : {static_cast<QWidget*>(ui->Label1), static_cast<QWidget*>(ui->Label2),
                             static_cast<QWidget*>(ui->Label3), static_cast<QWidget*>(ui->Label4),
                             static_cast<QWidget*>(ui->Label5), static_cast<QWidget*>(ui->LabelDia),
                             static_cast<QWidget*>(ui->Option1), static_cast<QWidget*>(ui->Option2)})
        SetBackground(*control, ButtonFace());
    SetBackground(*ui->Label6, Qt::white);
    for (QLineEdit* box :
         {ui->Text3, ui->Text4, ui->Text5, ui->Text6, ui->Text7, ui->Text8, ui->Text9, ui->Text10}) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Text, Qt::blue);
        box->setPalette(palette);
    }
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    installEventFilter(this);

    connect(ui->Option1, &QRadioButton::clicked, this, &Diagram::Option1_Click);
    connect(ui->Option2, &QRadioButton::clicked, this, &Diagram::Option2_Click);
    connect(ui->CmdCalc, &QPushButton::clicked, this, &Diagram::CmdCalc_Click);
    connect(ui->cmdclose, &QPushButton::clicked, this, &Diagram::cmdclose_Click);
    connect(ui->CmdPrint, &QPushButton::clicked, this, &Diagram::CmdPrint_Click);
    connect(ui->TextDia, &QLineEdit::textEdited, this, &Diagram::TextDia_Change);
    ui->TextDia->setFocus();
}

Diagram::~Diagram() = default;

void Diagram::SetOutputWindowsEnabled(bool enabled) {
    SetEnabled(LoadedInstance<FrmRollAngles0>(), enabled);
    if (ProgramState().GearType == 1)
        SetEnabled(LoadedInstance<FormSAP>(), enabled);
    else
        SetEnabled(LoadedInstance<FormSAP2>(), enabled);
}

void Diagram::FillDataBoxes() {
    const GearPairState& state = ProgramState();
    const DiagramBoxes boxes = FillDiagramBoxes(state, state.DiagramMember);
    ui->Text5->setText(QString::fromStdString(boxes.Text5));
    ui->Text3->setText(QString::fromStdString(boxes.Text3));
    ui->Text4->setText(QString::fromStdString(boxes.Text4));
    ui->Text6->setText(QString::fromStdString(boxes.Text6));
    ui->Text7->setText(QString::fromStdString(boxes.Text7));
    ui->Text8->setText(QString::fromStdString(boxes.Text8));
    ui->Text9->setText(QString::fromStdString(boxes.Text9));
    ui->Text10->setText(QString::fromStdString(boxes.Text10));
}

void Diagram::ClearSentences() {
    ui->Text1->clear();
    ui->Text2->clear();
}

void Diagram::Form_Activate() {
    SetOutputWindowsEnabled(false);
    GearPairState& state = ProgramState();
    if (state.DiagramMember == 0)
        state.DiagramMember = DefaultDiagramMember(state.GearType);
    const bool gear = state.DiagramMember == 2;
    ui->Option1->setChecked(!gear);
    ui->Option2->setChecked(gear);
    ui->Label6->setVisible(gear && state.GearType == 2);
    FillDataBoxes();
}

void Diagram::Option1_Click() {
    GearPairState& state = ProgramState();
    ui->Label6->hide();
    if (state.DiagramMember == 2)
        ClearSentences();
    state.DiagramMember = 1;
    ui->TextDia->setFocus();
    FillDataBoxes();
}

void Diagram::Option2_Click() {
    GearPairState& state = ProgramState();
    if (state.DiagramMember == 1)
        ClearSentences();
    ui->Label6->setVisible(state.GearType == 2);
    state.DiagramMember = 2;
    ui->TextDia->setFocus();
    FillDataBoxes();
}

void Diagram::TextDia_GotFocus() {
    ui->TextDia->selectAll();
}

bool Diagram::TextDia_KeyPress(int characterCode) {
    ClearSentences();
    std::string allowed(kNumberKeys);
    return FilterKey(allowed, characterCode);
}

// Every edit of the box: a typed character has passed the key filter already; of a pasted (keys,
// menu, middle button) or dropped text only what the keys would type is kept. The sentences of the
// diameter before are cleared as by a typed key.
void Diagram::TextDia_Change(const QString& text) {
    ClearSentences();
    QLineEdit& box = *ui->TextDia;
    const std::string kept = FilterText(kNumberKeys, text.toStdString());
    if (box.text().toStdString() == kept)
        return;
    const std::size_t keptBeforeCursor =
        FilterText(kNumberKeys, box.text().left(box.cursorPosition()).toStdString()).size();
    box.setText(QString::fromStdString(kept));
    box.setCursorPosition(static_cast<int>(keptBeforeCursor));
}

void Diagram::TextDia_LostFocus() {
    ui->TextDia->setText(QString::fromStdString(PatternText(ui->TextDia->text().toStdString(), 5)));
}

bool Diagram::Form_KeyDown(int keyCode) {
    switch (keyCode) {
    case Qt::Key_Up:
        focusPreviousChild();
        return true;
    case Qt::Key_Down:
        focusNextChild();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        focusNextChild();
        return false;
    default:
        return false;
    }
}

void Diagram::Form_KeyUp(int keyCode) {
    switch (keyCode) {
    case Qt::Key_C:
        ui->CmdCalc->click();
        break;
    case Qt::Key_L:
        ui->cmdclose->click();
        break;
    case Qt::Key_P:
        ui->CmdPrint->click();
        break;
    default:
        break;
    }
}

void Diagram::CmdCalc_Click() {
    const DiameterCommandOutcome outcome =
        RunDiameterCommand(ProgramState(), ui->TextDia->text().toStdString(),
                           [](const Message& question) { return AppDialogs().Ask(question); });
    if (outcome.error)
        AppDialogs().Show(*outcome.error);
    if (outcome.computed) {
        ui->Text1->setText(QString::fromStdString(outcome.pressureSentence));
        ui->Text2->setText(QString::fromStdString(outcome.rollSentence));
    }
    ui->TextDia->setFocus();
}

void Diagram::cmdclose_Click() {
    ProgramState().DiagramMember = 0;
    Unload(this);
}

void Diagram::CmdPrint_Click() {
    for (QPushButton* button : {ui->CmdCalc, ui->cmdclose, ui->CmdPrint})
        button->setEnabled(false);
    ui->Label1->hide();
    ui->TextDia->setFocus();
    SetBackground(*this, Qt::white);

    // The status only follows a page actually produced.
    const bool printed = PrintWindowScaled(*this, 90, 40, 30);
    AppPrinter().EndDoc();
    if (printed)
        ShowPrintStatus("Printing diagram, one moment please...");

    for (QPushButton* button : {ui->CmdCalc, ui->cmdclose, ui->CmdPrint})
        button->setEnabled(true);
    ui->Label1->show();
    SetBackground(*this, ButtonFace());
}

void Diagram::Form_Unload() {
    SetOutputWindowsEnabled(true);
    EnableWindowsNoLongerHeld(this);
}

void Diagram::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

bool Diagram::IsKeyTarget(QObject* watched) const {
    // A key the focused control leaves unhandled travels on to the window: it was seen already.
    return watched != this || focusWidget() == nullptr || focusWidget() == this;
}

bool Diagram::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // The letters C, L and P press their buttons when released; their Alt accelerators must not
        // press them a second time.
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsKeyTarget(watched) && IsCommandLetter(key->key())) {
            event->accept();
            return true;
        }
        break;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!IsKeyTarget(watched))
            break;
        if (Form_KeyDown(key->key()) || SelectOptionByArrow(watched, *key))
            return true;
        if (watched != ui->TextDia)
            break;
        // Delete edits the box without typing a character; a shortcut (paste, undo) clears the sentences
        // like any key, and what it changes is filtered as the text changes.
        if (!key->text().isEmpty() && key->text().at(0).unicode() != kDelete &&
            !TextDia_KeyPress(key->text().at(0).unicode()) && !IsShortcut(*key))
            return true;
        break;
    }
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsKeyTarget(watched) && !key->isAutoRepeat())
            Form_KeyUp(key->key());
        break;
    }
    case QEvent::FocusIn:
        if (watched == ui->TextDia)
            TextDia_GotFocus();
        break;
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (watched == ui->TextDia && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            TextDia_LostFocus();
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace korvanta
