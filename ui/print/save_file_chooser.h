#pragma once

#include <QString>

namespace korvanta {

// Asks the user where to save a file. The program uses the file dialog; tests install a recorder.
class SaveFileChooser {
public:
    virtual ~SaveFileChooser() = default;
    // The chosen file name, or an empty text when the user cancelled.
    virtual QString ChooseSaveFile(const QString& caption, const QString& suggestedName,
                                   const QString& filter) = 0;
};

SaveFileChooser& AppSaveFileChooser();
// Replaces the chooser until called again; nullptr brings back the file dialog.
void SetSaveFileChooser(SaveFileChooser* chooser);

} // namespace korvanta
