#include "ui/diagram/diagram_window.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <string_view>

#include "core/number_text.h"
#include "logic/diagram_boxes.h"
#include "logic/diameter_command.h"
#include "logic/key_filter.h"
#include "ui/common/dialogs.h"
#include "ui/common/form_font.h"
#include "ui/common/frame_lines.h"
#include "ui/common/length_caption.h"
#include "ui/common/option_arrow_keys.h"
#include "ui/print/show_status.h"
#include "ui/print/window_background.h"
#include "ui/print/window_printing.h"
#include "ui/program_windows.h"
#include "ui_diagram_window.h"

namespace korvanta {

namespace {

constexpr int kDelete = 127;
constexpr std::string_view kTitle = "Roll Angle Diagram";

bool IsShortcut(const QKeyEvent& key) {
    return (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier)) != 0;
}

bool IsCommandLetter(int keyCode) {
    return keyCode == Qt::Key_C || keyCode == Qt::Key_L || keyCode == Qt::Key_P;
}

} // namespace

DiagramWindow::DiagramWindow(ProgramWindows& windows, QWidget* parent)
    : QWidget(parent), windows_(windows), ui(std::make_unique<Ui::DiagramWindow>()) {
    ui->setupUi(this);
    setFixedSize(size());
    UseFormFont(*this);
    DrawFrameLinesOnWholePixels(*this);

    // Labels and options are opaque on the button face; printing whitens only the window behind them.
    SetBackground(*this, ButtonFace());
    for (QWidget* control : {static_cast<QWidget*>(ui->Label1), static_cast<QWidget*>(ui->Label2),
                             static_cast<QWidget*>(ui->Label3), static_cast<QWidget*>(ui->Label4),
                             static_cast<QWidget*>(ui->Label5), static_cast<QWidget*>(ui->LabelDia),
                             static_cast<QWidget*>(ui->Option1), static_cast<QWidget*>(ui->Option2)}) {
        SetBackground(*control, ButtonFace());
    }
    SetBackground(*ui->Label6, Qt::white);
    for (QLineEdit* box :
         {ui->Text3, ui->Text4, ui->Text5, ui->Text6, ui->Text7, ui->Text8, ui->Text9, ui->Text10}) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Text, Qt::blue);
        box->setPalette(palette);
    }
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }
    installEventFilter(this);

    connect(ui->Option1, &QRadioButton::clicked, this, &DiagramWindow::choosePinion);
    connect(ui->Option2, &QRadioButton::clicked, this, &DiagramWindow::chooseGear);
    connect(ui->CmdCalc, &QPushButton::clicked, this, &DiagramWindow::calculate);
    connect(ui->cmdclose, &QPushButton::clicked, this, &DiagramWindow::closeWindow);
    connect(ui->CmdPrint, &QPushButton::clicked, this, &DiagramWindow::print);
    connect(ui->TextDia, &QLineEdit::textEdited, this, &DiagramWindow::diameterEdited);
    ui->TextDia->setFocus();
}

DiagramWindow::~DiagramWindow() = default;

void DiagramWindow::ShowMemberBoxes() {
    const GearPairState& state = windows_.State();
    setWindowTitle(InUnit(kTitle, state.Unit));
    ShowUnitSign(*ui->LabelUnit, state.Unit);
    const DiagramBoxes boxes = FillDiagramBoxes(state, DiagramMemberOf(state));
    ui->Text5->setText(QString::fromStdString(boxes.picturePressureAngle));
    ui->Text3->setText(QString::fromStdString(boxes.pitchDiameter));
    ui->Text4->setText(QString::fromStdString(boxes.baseDiameter));
    ui->Text6->setText(QString::fromStdString(boxes.teeth));
    ui->Label3->setText(QString::fromStdString(boxes.pitchCaption));
    ui->Text7->setText(QString::fromStdString(boxes.transversePitch));
    ui->Text8->setText(QString::fromStdString(boxes.transversePressureAngle));
    ui->Text9->setText(QString::fromStdString(boxes.helixAngle));
    ui->Text10->setText(QString::fromStdString(boxes.outsideDiameter));
}

void DiagramWindow::ClearSentences() {
    ui->Text1->clear();
    ui->Text2->clear();
}

void DiagramWindow::Activated() {
    windows_.session().Activated(SessionWindow::Diagram);
    GearPairState& state = windows_.State();
    if (!state.DiagramMember.has_value()) {
        state.DiagramMember = DefaultDiagramMember(KindOf(state));
    }
    const bool gear = DiagramMemberOf(state) == Member::Gear;
    ui->Option1->setChecked(!gear);
    ui->Option2->setChecked(gear);
    ui->Label6->setVisible(gear && IsInternal(state));
    ShowMemberBoxes();
}

void DiagramWindow::choosePinion() {
    GearPairState& state = windows_.State();
    ui->Label6->hide();
    if (state.DiagramMember == Member::Gear) {
        ClearSentences();
    }
    state.DiagramMember = Member::Pinion;
    ui->TextDia->setFocus();
    ShowMemberBoxes();
}

void DiagramWindow::chooseGear() {
    GearPairState& state = windows_.State();
    if (state.DiagramMember == Member::Pinion) {
        ClearSentences();
    }
    ui->Label6->setVisible(IsInternal(state));
    state.DiagramMember = Member::Gear;
    ui->TextDia->setFocus();
    ShowMemberBoxes();
}

void DiagramWindow::diameterEntered() {
    ui->TextDia->selectAll();
}

bool DiagramWindow::diameterKeyAllowed(int characterCode) {
    ClearSentences();
    std::string allowed(kNumberKeys);
    return FilterKey(allowed, characterCode);
}

// Every edit of the box: a typed character has passed the key filter already; of a pasted (keys,
// menu, middle button) or dropped text only what the keys would type is kept. The sentences of the
// diameter before are cleared as by a typed key.
void DiagramWindow::diameterEdited(const QString& text) {
    QLineEdit& box = *ui->TextDia;
    // Typed keys are filtered already: refused characters came with a paste or a drop, taken back whole.
    if (const std::optional<Message> refusal = PasteRefusal(kNumberKeys, text.toStdString())) {
        box.undo();
        windows_.services().dialogs->Show(*refusal);
        return;
    }
    ClearSentences();
}

void DiagramWindow::diameterLeft() {
    ui->TextDia->setText(QString::fromStdString(PatternText(ui->TextDia->text().toStdString(), 5)));
}

bool DiagramWindow::windowKeyDown(int keyCode) {
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

void DiagramWindow::pressCommandOfLetter(int keyCode) {
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

void DiagramWindow::calculate() {
    const DiameterCommandOutcome outcome = RunDiameterCommand(
        windows_.State(), ui->TextDia->text().toStdString(),
        [this](const Message& question) { return windows_.services().dialogs->Ask(question); });
    if (outcome.error) {
        windows_.services().dialogs->Show(*outcome.error);
    }
    if (outcome.computed) {
        ui->Text1->setText(QString::fromStdString(outcome.pressureSentence));
        ui->Text2->setText(QString::fromStdString(outcome.rollSentence));
    }
    ui->TextDia->setFocus();
}

void DiagramWindow::closeWindow() {
    windows_.State().DiagramMember.reset();
    Unload(this);
}

void DiagramWindow::print() {
    for (QPushButton* button : {ui->CmdCalc, ui->cmdclose, ui->CmdPrint}) {
        button->setEnabled(false);
    }
    ui->Label1->hide();
    ui->TextDia->setFocus();
    SetBackground(*this, Qt::white);

    const bool pageProduced = PrintWindowOnPage(windows_.services(), *this);
    auto restore = [this] {
        for (QPushButton* button : {ui->CmdCalc, ui->cmdclose, ui->CmdPrint}) {
            button->setEnabled(true);
        }
        ui->Label1->show();
        SetBackground(*this, ButtonFace());
    };
    // The status only follows a page actually produced.
    if (pageProduced) {
        ShowStatus(windows_, QStringLiteral("Printing diagram, one moment please..."), this, restore);
    } else {
        restore();
    }
}

bool DiagramWindow::IsKeyTarget(QObject* watched) const {
    // A key the focused control leaves unhandled travels on to the window: it was seen already.
    return watched != this || focusWidget() == nullptr || focusWidget() == this;
}

bool DiagramWindow::eventFilter(QObject* watched, QEvent* event) {
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
        if (!IsKeyTarget(watched)) {
            break;
        }
        if (windowKeyDown(key->key()) || SelectOptionByArrow(watched, *key)) {
            return true;
        }
        if (watched != ui->TextDia) {
            break;
        }
        // Delete edits the box without typing a character; a shortcut (paste, undo) clears the sentences
        // like any key, and what it changes is filtered as the text changes.
        if (!key->text().isEmpty() && key->text().at(0).unicode() != kDelete &&
            !diameterKeyAllowed(key->text().at(0).unicode()) && !IsShortcut(*key)) {
            return true;
        }
        break;
    }
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsKeyTarget(watched) && !key->isAutoRepeat()) {
            pressCommandOfLetter(key->key());
        }
        break;
    }
    case QEvent::FocusIn:
        if (watched == ui->TextDia) {
            diameterEntered();
        }
        break;
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (watched == ui->TextDia && reason != Qt::ActiveWindowFocusReason &&
            reason != Qt::PopupFocusReason) {
            diameterLeft();
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace korvanta
