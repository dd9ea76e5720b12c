#include "ui/input/frm_roll_angles0.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "logic/key_filter.h"
#include "ui/common/browser.h"
#include "ui/common/dialogs.h"
#include "ui/common/option_arrow_keys.h"
#include "ui/common/product.h"
#include "ui/common/program_state.h"
#include "ui/common/window_placement.h"
#include "ui/info/form_help.h"
#include "ui/info/form_limitations.h"
#include "ui/info/frm_about.h"
#include "ui/info/frmlicense.h"
#include "ui/input/input_window_form.h"
#include "ui/input/window_enabling.h"
#include "ui/output/form_sap.h"
#include "ui/output/form_sap2.h"
#include "ui/print/show_status.h"
#include "ui_frm_roll_angles0.h"

namespace korvanta {

namespace {

int Index(InputField field) {
    return static_cast<int>(field);
}

QString FromModel(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

FrmRollAngles0::FrmRollAngles0(QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::FrmRollAngles0>()), form_(ProgramState()) {
    SetUpInputWindowForm(*ui, *this);
    edits_ = {ui->TextNT1, ui->TextNT2, ui->TextDP,  ui->TextPA,
              ui->TextHA,  ui->TextOD1, ui->TextOD2, ui->TextCD};
    CentreOnScreen(*this);

    BindModel();
    ConnectHandlers();
    InstallFilters();
    ui->TextNT1->setFocus();
}

FrmRollAngles0::~FrmRollAngles0() = default;

void FrmRollAngles0::BindModel() {
    InputForm::Observer observer;
    observer.textChanged = [this](InputField field, const std::string& text) {
        QLineEdit& edit = Edit(field);
        if (edit.text() != FromModel(text))
            edit.setText(FromModel(text));
    };
    observer.showMessage = [](const Message& message) { AppDialogs().Show(message); };
    observer.focusField = [this](InputField field) {
        QLineEdit& edit = Edit(field);
        edit.setFocus(Qt::OtherFocusReason);
        edit.selectAll();
    };
    observer.labelODChanged = [this](const std::string& caption) {
        ui->LabelOD->setText(FromModel(caption));
    };
    form_.SetObserver(std::move(observer));
}

void FrmRollAngles0::ConnectHandlers() {
    connect(ui->Command1, &QPushButton::clicked, this, &FrmRollAngles0::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &FrmRollAngles0::Command2_Click);
    connect(ui->Option1, &QRadioButton::clicked, this, &FrmRollAngles0::Option1_Click);
    connect(ui->Option2, &QRadioButton::clicked, this, &FrmRollAngles0::Option2_Click);
    connect(ui->mnuexit, &QAction::triggered, this, &FrmRollAngles0::mnuexit_Click);
    connect(ui->MnuContents, &QAction::triggered, this, &FrmRollAngles0::MnuContents_Click);
    connect(ui->MnuWebsite, &QAction::triggered, this, &FrmRollAngles0::MnuWebsite_Click);
    connect(ui->MnuLicence, &QAction::triggered, this, &FrmRollAngles0::MnuLicence_Click);
    connect(ui->MnuLimitations, &QAction::triggered, this, &FrmRollAngles0::MnuLimitations_Click);
    connect(ui->MnuAbout, &QAction::triggered, this, &FrmRollAngles0::MnuAbout_Click);
    for (InputField field : kInputFields) {
        connect(&Edit(field), &QLineEdit::textEdited, this,
                [this, field](const QString& text) { Field_Edited(field, text); });
    }
}

// The window previews the keys of every control that can take the focus, and watches the fields'
// focus changes.
void FrmRollAngles0::InstallFilters() {
    for (QWidget* widget : ui->centralwidget->findChildren<QWidget*>()) {
        if (widget->focusPolicy() != Qt::NoFocus)
            widget->installEventFilter(this);
    }
}

bool FrmRollAngles0::eventFilter(QObject* watched, QEvent* event) {
    const std::optional<InputField> field = FieldOf(watched);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto& key = static_cast<QKeyEvent&>(*event);
        if (Form_KeyDown(key) || SelectOptionByArrow(watched, key))
            return true;
        return field.has_value() && Field_KeyPress(*field, key);
    }
    case QEvent::FocusIn:
        if (field)
            Field_GotFocus(*field);
        break;
    case QEvent::FocusOut:
        if (field)
            Field_LostFocus(*field, static_cast<QFocusEvent*>(event)->reason());
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

// Enter moves on like Tab (its character is then discarded by the field's key filter); the up and
// down arrows step backwards and forwards through the tab order.
bool FrmRollAngles0::Form_KeyDown(QKeyEvent& key) {
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

bool FrmRollAngles0::Field_KeyPress(InputField field, QKeyEvent& key) {
    // Shortcuts (paste, undo, select all) and keys that type no character are not key presses of
    // the field; what they change is filtered when the text changes.
    if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier))
        return false;
    if (key.text().isEmpty() || key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab ||
        key.key() == Qt::Key_Delete)
        return false;
    const QLineEdit& edit = Edit(field);
    const int position = edit.hasSelectedText() ? edit.selectionStart() : edit.cursorPosition();
    const int selectionLength = edit.hasSelectedText() ? static_cast<int>(edit.selectedText().size()) : 0;
    return !form_.KeyPress(field, key.text().at(0).unicode(), position, selectionLength);
}

void FrmRollAngles0::Field_GotFocus(InputField field) {
    if (focusedField_ == field)
        return;
    focusedField_ = field;
    form_.Enter(field);
    Edit(field).selectAll();
}

// The focus leaving with the whole window (a message box, another window or program, the window
// being disabled) is no leaving of the field: it still has the window's focus.
void FrmRollAngles0::Field_LostFocus(InputField field, Qt::FocusReason reason) {
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    if (focusedField_ != field)
        return;
    focusedField_.reset();
    if (!isEnabled())
        return;
    form_.Leave(field);
}

// Typing, Backspace, Delete, paste, drop, undo: the model keeps what the field accepts and refuses a
// number too large; the field then shows the model's text.
void FrmRollAngles0::Field_Edited(InputField field, const QString& text) {
    QLineEdit& edit = Edit(field);
    const int keptBeforeCursor =
        static_cast<int>(FilterText(field, edit.text().left(edit.cursorPosition()).toStdString()).size());
    const std::string before = form_.Text(field);
    const bool accepted = form_.SetText(field, text.toStdString());
    const QString shown = FromModel(form_.Text(field));
    if (edit.text() != shown) {
        edit.setText(shown);
        edit.setCursorPosition(accepted ? keptBeforeCursor : static_cast<int>(before.size()));
    }
}

std::optional<InputField> FrmRollAngles0::FieldOf(const QObject* widget) const {
    for (InputField field : kInputFields) {
        if (edits_[Index(field)] == widget)
            return field;
    }
    return std::nullopt;
}

QLineEdit& FrmRollAngles0::Edit(InputField field) const {
    return *edits_[Index(field)];
}

// The input window coming to the front after an unusual order of activations and closes is enabled
// if no open window holds it.
void FrmRollAngles0::Form_Activate() {
    EnableWindowsNoLongerHeld();
    form_.Form_Activate();
}

void FrmRollAngles0::Command1_Click() {
    switch (form_.CmdCalculate().opens) {
    case OutputWindow::External:
        ShowWindow(&Instance<FormSAP>());
        break;
    case OutputWindow::Internal:
        ShowWindow(&Instance<FormSAP2>());
        break;
    case OutputWindow::None:
        break;
    }
}

void FrmRollAngles0::Command2_Click() {
    Unload(this);
}

void FrmRollAngles0::Option1_Click() {
    form_.Option1_Click();
}

void FrmRollAngles0::Option2_Click() {
    form_.Option2_Click();
}

void FrmRollAngles0::mnuexit_Click() {
    Unload(this);
}

void FrmRollAngles0::MnuContents_Click() {
    ShowModal(&Instance<FormHelp>());
}

void FrmRollAngles0::MnuWebsite_Click() {
    ShowStatus(QStringLiteral("Starting web browser, one moment please..."), 3);
    OpenWebPage(product::WebSite());
}

void FrmRollAngles0::MnuLicence_Click() {
    ShowWindow(&Instance<Frmlicense>());
}

void FrmRollAngles0::MnuLimitations_Click() {
    ShowWindow(&Instance<FormLimitations>());
}

void FrmRollAngles0::MnuAbout_Click() {
    ShowWindow(&Instance<frmAbout>());
}

} // namespace korvanta
