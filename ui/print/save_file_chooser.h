#pragma once

#include <QString>

namespace korvanta {

// Asks the user where to save a file; reached through the windows' Services.
class SaveFileChooser {
public:
    virtual ~SaveFileChooser() = default;
    // The chosen file name, or an empty text when the user cancelled.
    virtual QString ChooseSaveFile(const QString& caption, const QString& suggestedName,
                                   const QString& filter) = 0;
};

// The file dialog over the active window, which is held open until the dialog is answered (HoldOpen).
class FileDialogChooser : public SaveFileChooser {
public:
    QString ChooseSaveFile(const QString& caption, const QString& suggestedName,
                           const QString& filter) override;
};

} // namespace korvanta
