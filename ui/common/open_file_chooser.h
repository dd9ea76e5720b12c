#pragma once

#include <QString>

namespace korvanta {

// Asks the user which file to open; reached through the windows' Services.
class OpenFileChooser {
public:
    virtual ~OpenFileChooser() = default;
    // The chosen file name, or an empty text when the user cancelled.
    virtual QString ChooseOpenFile(const QString& caption, const QString& filter) = 0;
};

// The file dialog over the active window, which is held open until the dialog is answered (HoldOpen).
class FileDialogOpenChooser : public OpenFileChooser {
public:
    QString ChooseOpenFile(const QString& caption, const QString& filter) override;
};

} // namespace korvanta
