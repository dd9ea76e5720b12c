#include "ui/common/file_dialog.h"

#include <QApplication>
#include <QPointer>

#include "ui/common/program_window.h"

namespace korvanta {

// On the heap as a child of the window it is shown over, like the message boxes.
QString AskForFile(const QString& caption, const QString& suggestedName, const QString& filter,
                   QFileDialog::AcceptMode acceptMode, QFileDialog::FileMode fileMode) {
    QWidget* over = QApplication::activeWindow();
    const HoldOpen held(over);
    QPointer<QFileDialog> dialog = new QFileDialog(over, caption, suggestedName, filter);
    dialog->setAcceptMode(acceptMode);
    dialog->setFileMode(fileMode);
    QString chosen;
    if (dialog->exec() == QDialog::Accepted && !dialog.isNull() && !dialog->selectedFiles().isEmpty()) {
        chosen = dialog->selectedFiles().constFirst();
    }
    delete dialog.data();
    return chosen;
}

} // namespace korvanta
