#pragma once

#include <QFileDialog>
#include <QString>

namespace korvanta {

// Qt's file dialog over the active window, which is held open until the dialog is answered; the file
// chosen, or an empty name when the user cancelled or the dialog went with its window.
QString AskForFile(const QString& caption, const QString& suggestedName, const QString& filter,
                   QFileDialog::AcceptMode acceptMode, QFileDialog::FileMode fileMode);

} // namespace korvanta
