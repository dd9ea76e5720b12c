#include "ui/measure/measurements_window.h"

#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

#include "cli/table_export.h"
#include "logic/design_checks.h"
#include "logic/field_tooltips.h"
#include "logic/key_filter.h"
#include "ui/common/dialogs.h"
#include "ui/common/form_font.h"
#include "ui/common/length_caption.h"
#include "ui/common/pair_window_opening.h"
#include "ui/common/program_window.h"
#include "ui/common/window_placement.h"
#include "ui/print/show_status.h"
#include "ui/print/window_background.h"
#include "ui/print/window_printing.h"
#include "ui/program_windows.h"
#include "ui/sheet/sheet_window.h"
#include "ui_measurements_window.h"

namespace korvanta {

namespace {

QString FromModel(const std::string& text) {
    return QString::fromStdString(text);
}

// The space between the checks and the buttons below them.
constexpr int kChecksGap = 10;

} // namespace

MeasurementsWindow::MeasurementsWindow(ProgramWindows& windows, QWidget* parent)
    : QWidget(parent, Qt::Window), windows_(windows), ui(std::make_unique<Ui::FormMeasurements>()) {
    ui->setupUi(this);
    rows_ = {{
        {ui->LabelCR, ui->TextCR1, ui->TextCR2},
        {ui->LabelInterference, ui->TextInterference1, ui->TextInterference2},
        {ui->LabelTT, ui->TextTT1, ui->TextTT2},
        {ui->LabelPin, ui->TextPin1, ui->TextPin2},
        {ui->LabelOverPins, ui->TextOverPins1, ui->TextOverPins2},
        {ui->LabelPinContact, ui->TextPinContact1, ui->TextPinContact2},
        {ui->LabelPinProfile, ui->TextPinProfile1, ui->TextPinProfile2},
        {ui->LabelSpanTeeth, ui->TextSpanTeeth1, ui->TextSpanTeeth2},
        {ui->LabelSpan, ui->TextSpan1, ui->TextSpan2},
        {ui->LabelSpanContact, ui->TextSpanContact1, ui->TextSpanContact2},
        {ui->LabelSpanProfile, ui->TextSpanProfile1, ui->TextSpanProfile2},
    }};

    QFont font(QString::fromLatin1(kFormFontFamily));
    font.setPointSizeF(kFormFontPointSize);
    font.setBold(true);
    setFont(font);
    setFixedSize(size());
    heightWithoutChecks_ = height();
    const QRect sentence = ui->LabelInterferenceWords->geometry();
    checks_ = new QLabel(this);
    checks_->setObjectName(QStringLiteral("LabelDesignChecks"));
    checks_->setWordWrap(true);
    checks_->setGeometry(sentence.x(), ui->LabelEntriesChanged->y(), sentence.width(),
                         ui->LabelUnit->height());
    checks_->hide();
    for (QWidget* below : {static_cast<QWidget*>(ui->CommandClose), static_cast<QWidget*>(ui->CommandPrint),
                           static_cast<QWidget*>(ui->LabelEntriesChanged)}) {
        belowChecks_.emplace_back(below, below->y());
    }
    CentreOnScreen(*this);
    Paint(ButtonFace());
    QPalette notice = ui->LabelEntriesChanged->palette();
    notice.setColor(QPalette::WindowText, QColor(192, 0, 0));
    ui->LabelEntriesChanged->setPalette(notice);

    for (MeasurementField field : kMeasurementFields) {
        QLineEdit& edit = Edit(field);
        edit.installEventFilter(this);
        connect(&edit, &QLineEdit::textEdited, this,
                [this, field](const QString& text) { fieldEdited(field, text); });
    }
    connect(ui->CommandClose, &QPushButton::clicked, this, &MeasurementsWindow::closeWindow);
    connect(ui->CommandPrint, &QPushButton::clicked, this, &MeasurementsWindow::print);
    tableActions_ = AddTableActions(*this);
    // The inspection sheet of the pair measured: the menu of a right click on the window or a cell.
    auto* sheetAction = new QAction(QStringLiteral("Inspection &Sheet..."), this);
    sheetAction->setObjectName(QStringLiteral("ActionSheet"));
    addAction(sheetAction);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(sheetAction, &QAction::triggered, this, [this] { OpenSheet(windows_, *this); });
    connect(tableActions_.copy, &QAction::triggered, this, &MeasurementsWindow::copyTable);
    connect(tableActions_.save, &QAction::triggered, this, &MeasurementsWindow::saveTable);
    for (QLineEdit* cell : findChildren<QLineEdit*>()) {
        cell->setContextMenuPolicy(Qt::CustomContextMenu);
        CopyWholeCellWhenNothingSelected(*cell, windows_.services());
        connect(cell, &QWidget::customContextMenuRequested, this,
                [this, cell, sheetAction](const QPoint& at) {
                    ShowCellMenu(*cell, at, tableActions_, {sheetAction});
                });
    }
}

MeasurementsWindow::~MeasurementsWindow() = default;

void MeasurementsWindow::ShowPair(const PairSolution& solution) {
    FollowPair(solution);
    ui->TextPin1->setFocus();
    show();
    raise();
    activateWindow();
}

void MeasurementsWindow::FollowPair(const PairSolution& solution) {
    form_.emplace(solution, windows_.session().MeasurementChoices());
    ShowForm();
    ShowChecks(DesignChecksOf(solution));
    FollowEntries(windows_.State());
}

void MeasurementsWindow::FollowEntries(const GearPairState& now) {
    ui->LabelEntriesChanged->setVisible(form_ && !form_->Measures(now));
}

void MeasurementsWindow::ShowForm() {
    setWindowTitle(QString::fromStdString(form_->Title()));
    ShowUnitSign(*ui->LabelUnit, form_->Unit());
    const auto columns = form_->Columns();
    ui->Label3->setText(FromModel(columns[0]));
    ui->Label4->setText(FromModel(columns[1]));
    const auto rows = form_->Rows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        rows_[row].caption->setText(FromModel(rows[row].caption));
        rows_[row].caption->setToolTip(FromModel(MeasurementRowTooltip(row, form_->Unit())));
        rows_[row].pinion->setText(FromModel(rows[row].pinion));
        rows_[row].gear->setText(FromModel(rows[row].gear));
    }
    StyleFields();
    ui->LabelInterferenceWords->setText(FromModel(form_->InterferenceSentence()));
    ui->LabelEntriesChanged->setText(FromModel(std::string(kEntriesChangedNotice)));
}

// Nothing is shown, and nothing moves, for a pair without checks.
void MeasurementsWindow::ShowChecks(const std::vector<std::string>& checks) {
    QStringList sentences;
    for (const std::string& check : checks) {
        sentences.append(FromModel(check));
    }
    checks_->setText(sentences.join(QLatin1Char('\n')));
    checks_->setVisible(!checks.empty());
    int shift = 0;
    if (!checks.empty()) {
        checks_->resize(checks_->width(), checks_->heightForWidth(checks_->width()));
        shift = checks_->height() + kChecksGap;
    }
    for (const auto& [widget, y] : belowChecks_) {
        widget->move(widget->x(), y + shift);
    }
    setFixedSize(width(), heightWithoutChecks_ + shift);
}

// The fields the user may type into are white; the internal gear has no span to choose.
void MeasurementsWindow::StyleFields() {
    for (MeasurementField field : kMeasurementFields) {
        QLineEdit& edit = Edit(field);
        const bool editable = form_->Editable(field);
        edit.setReadOnly(!editable);
        edit.setFocusPolicy(editable ? Qt::StrongFocus : Qt::NoFocus);
        SetBackground(edit, editable ? QColor(Qt::white) : ButtonFace());
    }
}

// The fields type as the input fields do: Enter moves on like Tab and its character is discarded,
// the arrows step through the tab order, and a key the field does not take types nothing.
bool MeasurementsWindow::eventFilter(QObject* watched, QEvent* event) {
    const std::optional<MeasurementField> field = FieldOf(watched);
    if (field && form_) {
        switch (event->type()) {
        case QEvent::KeyPress:
            return fieldKeyDiscarded(*field, static_cast<QKeyEvent&>(*event));
        case QEvent::FocusIn:
            Edit(*field).selectAll();
            break;
        case QEvent::FocusOut:
            fieldLeft(*field, static_cast<QFocusEvent*>(event)->reason());
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool MeasurementsWindow::fieldKeyDiscarded(MeasurementField field, const QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Up:
        focusNextPrevChild(false);
        return true;
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        focusNextPrevChild(true);
        return true;
    default:
        break;
    }
    // Shortcuts and keys that type no character are no key presses of the field; what they change
    // is filtered when the text changes.
    if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier)) {
        return false;
    }
    if (key.text().isEmpty() || key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab ||
        key.key() == Qt::Key_Delete) {
        return false;
    }
    return !form_->KeyAccepted(field, key.text().at(0).unicode());
}

// Typing, paste, drop, undo: the form keeps what the keys would type and refuses a number too large;
// the field then shows the form's text.
void MeasurementsWindow::fieldEdited(MeasurementField field, const QString& text) {
    if (!form_) {
        return;
    }
    QLineEdit& edit = Edit(field);
    // Typed keys are filtered already: refused characters came with a paste or a drop, taken back whole.
    if (const std::optional<Message> refusal =
            PasteRefusal(MeasurementForm::AllowedKeys(field), text.toStdString())) {
        edit.setText(FromModel(form_->Text(field)));
        windows_.services().dialogs->Show(*refusal);
        return;
    }
    if (!form_->SetText(field, text.toStdString())) {
        edit.setText(FromModel(form_->Text(field)));
        edit.setCursorPosition(static_cast<int>(edit.text().size()));
    }
}

// The focus leaving with the whole window (a message box, another window) is no leaving of the field.
void MeasurementsWindow::fieldLeft(MeasurementField field, Qt::FocusReason reason) {
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        return;
    }
    const std::optional<Message> refusal = form_->Leave(field);
    windows_.session().MeasurementChoices() = form_->Choices();
    ShowForm();
    SheetFollowEntries(windows_);
    if (!refusal) {
        return;
    }
    windows_.services().dialogs->Show(*refusal);
    // Back into the refused field once the focus change in progress has ended.
    QPointer<QLineEdit> edit(&Edit(field));
    QTimer::singleShot(0, this, [edit] {
        if (edit) {
            edit->setFocus(Qt::OtherFocusReason);
            edit->selectAll();
        }
    });
}

// One scaled page without the buttons, on white, as the output windows print.
void MeasurementsWindow::print() {
    ui->CommandClose->hide();
    ui->CommandPrint->hide();
    ui->TextSpanProfile2->setFocus();
    Paint(Qt::white);

    const bool pageProduced = PrintWindowOnPage(windows_.services(), *this);
    auto restore = [this] {
        ui->CommandClose->show();
        ui->CommandPrint->show();
        Paint(ButtonFace());
        if (form_) {
            StyleFields();
        }
    };
    // The status says a page is on its way only when one is.
    if (pageProduced) {
        ShowStatus(windows_, QStringLiteral("Printing form, one moment please..."), this, restore);
    } else {
        restore();
    }
}

void MeasurementsWindow::copyTable() {
    if (form_) {
        CopyTable(windows_.services(), windows_.session().Job(), CellsOf(*form_));
    }
}

// Saved only while the entries are those measured: the command calculates the pair now entered.
void MeasurementsWindow::saveTable() {
    if (!form_) {
        return;
    }
    if (!form_->Measures(windows_.State())) {
        windows_.services().dialogs->Show(ChangedEntriesRefusal());
        return;
    }
    if (const std::optional<PairFile> pair = PairShown(windows_)) {
        SaveTableAs(windows_.services(), *pair, true);
    }
}

void MeasurementsWindow::closeWindow() {
    Unload(this);
}

void MeasurementsWindow::Paint(const QColor& colour) {
    SetBackground(*this, colour);
    for (QLabel* label : findChildren<QLabel*>()) {
        SetBackground(*label, colour);
    }
    for (QLineEdit* cell : findChildren<QLineEdit*>()) {
        SetBackground(*cell, colour);
    }
}

std::optional<MeasurementField> MeasurementsWindow::FieldOf(const QObject* widget) const {
    for (MeasurementField field : kMeasurementFields) {
        if (&Edit(field) == widget) {
            return field;
        }
    }
    return std::nullopt;
}

QLineEdit& MeasurementsWindow::Edit(MeasurementField field) const {
    const bool pin = field.entry == MeasurementEntry::PinDiameter;
    if (field.member == Member::Pinion) {
        return pin ? *ui->TextPin1 : *ui->TextSpanTeeth1;
    }
    return pin ? *ui->TextPin2 : *ui->TextSpanTeeth2;
}

void OpenMeasurements(ProgramWindows& windows, const QWidget& openedFrom) {
    OpenPairWindow(windows, openedFrom, &ProgramWindows::Measurements);
}

void MeasurementsFollowPair(ProgramWindows& windows) {
    FollowPairInWindow(windows, &ProgramWindows::LoadedMeasurements);
}

void MeasurementsFollowEntries(ProgramWindows& windows) {
    if (MeasurementsWindow* open = windows.LoadedMeasurements()) {
        open->FollowEntries(windows.State());
    }
}

} // namespace korvanta
