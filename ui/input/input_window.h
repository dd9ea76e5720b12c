#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>

#include "core/input_field.h"
#include "logic/input_form.h"
#include "logic/pair_document.h"
#include "ui/common/program_window.h"

class QAction;
class QLineEdit;
class QMenu;

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
    // A changed pair of a file asks whether to save it first (the program ending with the window).
    bool MayClose() override;

    // Whether the pair may be left for another one or the end of the program: true when it has not
    // changed since it was opened or saved, or the user saved it or let it go.
    bool MayLeavePair();
    // Opens the pair file after the question about the changed pair; a file that cannot be read is
    // reported and the windows stay as they were. True when the file was opened.
    bool OpenFile(const QString& fileName);
    // Writes the pair to the file; a failure is reported and the pair stays modified. True when written.
    bool SaveTo(const QString& fileName);
    // The field texts and the chosen kind, as the fields and the options show them.
    const InputForm& Form() const { return *form_; }
    const PairDocument& Document() const { return document_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BindModel(bool followFocus = true);
    void ConnectHandlers();
    void InstallFilters();
    // The captions, the title and the sign that name the units of the pair being typed in.
    void ShowUnit();

    // The File menu's pair file commands and the job data, and what they show.
    void BuildFileMenu();
    void ShowRecentFiles();
    void ShowDocument(); // the title with the file's name and the modified mark
    PairFile WindowsPair() const;
    // Closes the windows of the pair shown and puts the input window back to a fresh start's pair.
    void StartPair(LengthUnit unit);
    void ShowKindChoice();
    // Types the pair into the fresh form as the user would, without moving the focus meanwhile.
    void TypePair(const PairFile& pair);
    void KeepDocument(const QString& fileName);
    void newPair();
    void openPair();
    bool savePair();
    bool savePairAs();
    void editJobData();

    void calculate();
    void openMeasurements();
    void openSheet();
    void openMesh();
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
    std::optional<InputForm> form_; // a fresh one for each new or opened pair
    PairDocument document_;
    QMenu* recentMenu_ = nullptr;
    bool leaveDecided_ = false; // the user has let the pair go for the end of the program
    std::array<QLineEdit*, 8> edits_{};
    std::optional<InputField> focusedField_; // the field that has the window's focus
};

} // namespace korvanta
