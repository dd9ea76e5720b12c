#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>

#include "core/input_field.h"
#include "logic/input_form.h"
#include "ui/common/program_window.h"

class QLineEdit;

namespace Ui {
class FrmRollAngles0;
}

namespace korvanta {

// The input window: the pair is typed in here and sent to an output window by Calculate. Every
// decision about texts and values comes from the InputForm model; the window only passes events on.
class FrmRollAngles0 : public QMainWindow, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit FrmRollAngles0(QWidget* parent = nullptr);
    ~FrmRollAngles0() override;

    void Form_Activate() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BindModel();
    void ConnectHandlers();
    void InstallFilters();

    void Command1_Click();
    void Command2_Click();
    void Option1_Click();
    void Option2_Click();
    void mnuexit_Click();
    void MnuContents_Click();
    void MnuWebsite_Click();
    void MnuLicence_Click();
    void MnuLimitations_Click();
    void MnuAbout_Click();

    // Window-level keys, seen before the focused control; true when the key is cancelled.
    bool Form_KeyDown(QKeyEvent& key);
    // A key typed in a field; true when the key filter discards it.
    bool Field_KeyPress(InputField field, QKeyEvent& key);
    void Field_GotFocus(InputField field);
    void Field_LostFocus(InputField field, Qt::FocusReason reason);
    void Field_Edited(InputField field, const QString& text);

    std::optional<InputField> FieldOf(const QObject* widget) const;
    QLineEdit& Edit(InputField field) const;

    std::unique_ptr<Ui::FrmRollAngles0> ui;
    InputForm form_;
    std::array<QLineEdit*, 8> edits_{};
    std::optional<InputField> focusedField_; // the field that has the window's focus
};

} // namespace korvanta
