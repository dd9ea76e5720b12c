#include "ui/input/input_window.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <string_view>

#include "logic/field_tooltips.h"
#include "logic/key_filter.h"
#include "logic/unit_texts.h"
#include "ui/common/browser.h"
#include "ui/common/dialogs.h"
#include "ui/common/length_caption.h"
#include "ui/common/option_arrow_keys.h"
#include "ui/common/product.h"
#include "ui/common/window_placement.h"
#include "ui/info/about_window.h"
#include "ui/info/help_window.h"
#include "ui/info/license_window.h"
#include "ui/info/limitations_window.h"
#include "ui/input/input_window_form.h"
#include "ui/input/unit_choice.h"
#include "ui/measure/measurements_window.h"
#include "ui/mesh/mesh_window.h"
#include "ui/output/output_window.h"
#include "ui/print/show_status.h"
#include "ui/program_windows.h"
#include "ui/sheet/sheet_window.h"
#include "ui_input_window.h"

namespace korvanta {

namespace {

int Index(InputField field) {
    return static_cast<int>(field);
}

QString FromModel(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

InputWindow::InputWindow(ProgramWindows& windows, QWidget* parent)
    : QMainWindow(parent), windows_(windows), ui(std::make_unique<Ui::InputWindow>()),
      form_(std::in_place, windows.State()) {
    SetUpInputWindowForm(*ui, *this);
    edits_ = {ui->TextNT1, ui->TextNT2, ui->TextDP,  ui->TextPA,
              ui->TextHA,  ui->TextOD1, ui->TextOD2, ui->TextCD};
    CentreOnScreen(*this);

    BindModel();
    form_->ChooseUnit(RememberedUnit());
    ShowUnit();
    BuildFileMenu();
    ConnectHandlers();
    InstallFilters();
    ui->TextNT1->setFocus();
}

InputWindow::~InputWindow() = default;

void InputWindow::BindModel(bool followFocus) {
    InputForm::Observer observer;
    observer.textChanged = [this](InputField field, const std::string& text) {
        QLineEdit& edit = Edit(field);
        if (edit.text() != FromModel(text)) {
            edit.setText(FromModel(text));
        }
        ShowDocument();
    };
    observer.showMessage = [this](const Message& message) { windows_.services().dialogs->Show(message); };
    observer.focusField = [this, followFocus](InputField field) {
        if (!followFocus) {
            return;
        }
        QLineEdit& edit = Edit(field);
        edit.setFocus(Qt::OtherFocusReason);
        edit.selectAll();
    };
    observer.labelODChanged = [this](const std::string& caption) {
        ShowLengthCaption(*ui->LabelOD, caption, form_->Unit());
    };
    form_->SetObserver(std::move(observer));
}

void InputWindow::ConnectHandlers() {
    connect(ui->Command1, &QPushButton::clicked, this, &InputWindow::calculate);
    connect(ui->MnuMeasurements, &QAction::triggered, this, &InputWindow::openMeasurements);
    connect(ui->MnuSheet, &QAction::triggered, this, &InputWindow::openSheet);
    connect(ui->MnuMesh, &QAction::triggered, this, &InputWindow::openMesh);
    connect(ui->Command2, &QPushButton::clicked, this, &InputWindow::exitProgram);
    connect(ui->Option1, &QRadioButton::clicked, this, &InputWindow::chooseExternalPair);
    connect(ui->Option2, &QRadioButton::clicked, this, &InputWindow::chooseInternalPair);
    connect(ui->MnuMetric, &QAction::triggered, this, &InputWindow::chooseMetric);
    connect(ui->mnuexit, &QAction::triggered, this, &InputWindow::exitProgram);
    connect(ui->MnuContents, &QAction::triggered, this, &InputWindow::openHelp);
    connect(ui->MnuWebsite, &QAction::triggered, this, &InputWindow::openWebSite);
    connect(ui->MnuLicence, &QAction::triggered, this, &InputWindow::openLicence);
    connect(ui->MnuLimitations, &QAction::triggered, this, &InputWindow::openLimitations);
    connect(ui->MnuAbout, &QAction::triggered, this, &InputWindow::openAbout);
    for (InputField field : kInputFields) {
        connect(&Edit(field), &QLineEdit::textEdited, this,
                [this, field](const QString& text) { fieldEdited(field, text); });
    }
}

void InputWindow::ShowUnit() {
    const LengthUnit unit = form_->Unit();
    ShowDocument();
    ui->MnuMetric->setChecked(unit == LengthUnit::Millimetre);
    ShowUnitSign(*ui->LabelUnit, unit);
    ui->LabelDP->setText(FromModel(NormalPitchCaption(unit)));
    ShowLengthCaption(*ui->LabelOD, form_->LabelODCaption(), unit);
    ShowLengthCaption(*ui->LabelCD, "Center Distance", unit);
    for (InputField field : kInputFields) {
        Edit(field).setToolTip(FromModel(InputFieldTooltip(field, unit)));
    }
}

// The window previews the keys of every control that can take the focus, and watches the fields'
// focus changes.
void InputWindow::InstallFilters() {
    for (QWidget* widget : ui->centralwidget->findChildren<QWidget*>()) {
        if (widget->focusPolicy() != Qt::NoFocus) {
            widget->installEventFilter(this);
        }
    }
}

bool InputWindow::eventFilter(QObject* watched, QEvent* event) {
    const std::optional<InputField> field = FieldOf(watched);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto& key = static_cast<QKeyEvent&>(*event);
        if (windowKeyDown(key) || SelectOptionByArrow(watched, key)) {
            return true;
        }
        return field.has_value() && fieldKeyDiscarded(*field, key);
    }
    case QEvent::FocusIn:
        if (field) {
            fieldEntered(*field);
        }
        break;
    case QEvent::FocusOut:
        if (field) {
            fieldLeft(*field, static_cast<QFocusEvent*>(event)->reason());
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

// Enter moves on like Tab (its character is then discarded by the field's key filter); the up and
// down arrows step backwards and forwards through the tab order.
bool InputWindow::windowKeyDown(QKeyEvent& key) {
    switch (key.key()) {
    case Qt::Key_Up:
        focusNextPrevChild(false);
        return true;
    case Qt::Key_Down:
        focusNextPrevChild(true);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        focusNextPrevChild(true);
        return false;
    default:
        return false;
    }
}

bool InputWindow::fieldKeyDiscarded(InputField field, QKeyEvent& key) {
    // Shortcuts (paste, undo, select all) and keys that type no character are not key presses of
    // the field; what they change is filtered when the text changes.
    if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier)) {
        return false;
    }
    if (key.text().isEmpty() || key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab ||
        key.key() == Qt::Key_Delete) {
        return false;
    }
    const QLineEdit& edit = Edit(field);
    const int position = edit.hasSelectedText() ? edit.selectionStart() : edit.cursorPosition();
    const int selectionLength = edit.hasSelectedText() ? static_cast<int>(edit.selectedText().size()) : 0;
    return !form_->KeyPress(field, key.text().at(0).unicode(), position, selectionLength);
}

void InputWindow::fieldEntered(InputField field) {
    if (focusedField_ == field) {
        return;
    }
    focusedField_ = field;
    form_->Enter(field);
    Edit(field).selectAll();
}

// The focus leaving with the whole window (a message box, another window or program, the window
// being disabled) is no leaving of the field: it still has the window's focus.
void InputWindow::fieldLeft(InputField field, Qt::FocusReason reason) {
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) {
        return;
    }
    if (focusedField_ != field) {
        return;
    }
    focusedField_.reset();
    if (!isEnabled()) {
        return;
    }
    form_->Leave(field);
    MeasurementsFollowEntries(windows_);
    SheetFollowEntries(windows_);
}

// Typing, Backspace, Delete, paste, drop, undo: the model takes the text, or refuses it (a number too
// large, or a paste with characters the keys would not type) and the field shows its text again.
void InputWindow::fieldEdited(InputField field, const QString& text) {
    if (!form_->SetText(field, text.toStdString())) {
        QLineEdit& edit = Edit(field);
        edit.setText(FromModel(form_->Text(field)));
        edit.setCursorPosition(static_cast<int>(edit.text().size()));
    }
}

std::optional<InputField> InputWindow::FieldOf(const QObject* widget) const {
    for (InputField field : kInputFields) {
        if (edits_[Index(field)] == widget) {
            return field;
        }
    }
    return std::nullopt;
}

QLineEdit& InputWindow::Edit(InputField field) const {
    return *edits_[Index(field)];
}

// The input window coming to the front after an unusual order of activations and closes is enabled
// if no open window holds it.
void InputWindow::Activated() {
    windows_.session().Activated(SessionWindow::Input);
    form_->Activated();
    ShowDocument();
}

void InputWindow::calculate() {
    if (const std::optional<PairKind> opens = form_->CalculatePair().opens) {
        OpenFrom(SessionWindow::Input, OpenedWindow::Output, &windows_.Output(*opens));
    }
}

// Calculate's checks, and the measurements of the accepted pair in place of its output window. The
// field being typed in is left first, as it is when Calculate takes the focus.
void InputWindow::openMeasurements() {
    ui->Command1->setFocus(Qt::ShortcutFocusReason);
    if (form_->CalculatePair().opens) {
        OpenMeasurements(windows_, *this);
    }
}

// Calculate's checks, then the sheet of the accepted pair, as the measurements open.
void InputWindow::openSheet() {
    ui->Command1->setFocus(Qt::ShortcutFocusReason);
    if (form_->CalculatePair().opens) {
        OpenSheet(windows_, *this);
    }
}

// Calculate's checks, then the accepted pair in mesh, as for the measurements.
void InputWindow::openMesh() {
    ui->Command1->setFocus(Qt::ShortcutFocusReason);
    if (form_->CalculatePair().opens) {
        OpenMesh(windows_, *this);
    }
}

// The window's closing asks about a changed pair of a file (MayClose).
void InputWindow::exitProgram() {
    Unload(this);
}

void InputWindow::chooseExternalPair() {
    form_->ChooseKind(PairKind::External);
    MeasurementsFollowEntries(windows_);
    SheetFollowEntries(windows_);
    ShowDocument();
}

void InputWindow::chooseInternalPair() {
    form_->ChooseKind(PairKind::Internal);
    MeasurementsFollowEntries(windows_);
    SheetFollowEntries(windows_);
    ShowDocument();
}

// Metric or inch: the entries are converted to the new units (the estimates estimated again), and the
// choice holds for the next start too. An entry that would not fit in the new units keeps the old
// ones, and the form has said why: the menu item shows them again and nothing is saved.
void InputWindow::chooseMetric(bool metric) {
    const LengthUnit unit = metric ? LengthUnit::Millimetre : LengthUnit::Inch;
    form_->ChooseUnit(unit);
    ShowUnit();
    if (form_->Unit() != unit) {
        return;
    }
    MeasurementsFollowEntries(windows_);
    SheetFollowEntries(windows_);
    if (!RememberUnit(unit)) {
        windows_.services().dialogs->Show(
            Message{"The choice of units could not be saved for the next start; it holds "
                    "until the program ends.\nFile: " +
                        UnitSettingsFile().toStdString(),
                    std::string(kMessageTitle), MessageIcon::Exclamation});
    }
}

void InputWindow::openHelp() {
    OpenFrom(SessionWindow::Input, OpenedWindow::Help, &windows_.Help());
}

void InputWindow::openWebSite() {
    ShowStatus(windows_, QStringLiteral("Starting web browser, one moment please..."), nullptr,
               [&services = windows_.services()] { OpenWebPage(services, product::WebSite()); });
}

void InputWindow::openLicence() {
    OpenFrom(SessionWindow::Input, OpenedWindow::License, &windows_.License());
}

void InputWindow::openLimitations() {
    OpenFrom(SessionWindow::Input, OpenedWindow::Limitations, &windows_.Limitations());
}

void InputWindow::openAbout() {
    OpenFrom(SessionWindow::Input, OpenedWindow::About, &windows_.About());
}

} // namespace korvanta
