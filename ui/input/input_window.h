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
class InputWindow;
}

namespace korvanta {

class ProgramWindows;

// The input window: the pair is typed in here and sent to an output window by Calculate. Every
// decision about texts and values comes from the InputForm model; the window only passes events on.
class InputWindow : public QMainWindow, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit InputWindow(ProgramWindows& windows, QWidget* parent = nullptr);
    ~InputWindow() override;

    void Activated() override;
    // The field texts and the chosen kind, as the fields and the options show them.
    const InputForm& Form() const { return form_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BindModel();
    void ConnectHandlers();
    void InstallFilters();
    // The captions, the title and the sign that name the units of the pair being typed in.
    void ShowUnit();

    void calculate();
    void openMeasurements();
    void exitProgram();
    void chooseExternalPair();
    void chooseInternalPair();
    void chooseMetric(bool metric);
    void openHelp();
    void openWebSite();
    void openLicence();
    void openLimitations();
    void openAbout();

    // Window-level keys, seen before the focused control; true when the key is cancelled.
    bool windowKeyDown(QKeyEvent& key);
    // A key typed in a field; true when the key filter discards it.
    bool fieldKeyDiscarded(InputField field, QKeyEvent& key);
    void fieldEntered(InputField field);
    void fieldLeft(InputField field, Qt::FocusReason reason);
    void fieldEdited(InputField field, const QString& text);

    std::optional<InputField> FieldOf(const QObject* widget) const;
    QLineEdit& Edit(InputField field) const;

    ProgramWindows& windows_;
    std::unique_ptr<Ui::InputWindow> ui;
    InputForm form_;
    std::array<QLineEdit*, 8> edits_{};
    std::optional<InputField> focusedField_; // the field that has the window's focus
};

} // namespace korvanta
