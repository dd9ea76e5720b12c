#include "ui/print/save_file_chooser.h"

#include <QApplication>
#include <QFileDialog>
#include <QPointer>

#include "ui/common/program_window.h"

namespace korvanta {

// On the heap as a child of the window it is shown over, like the message boxes.
QString FileDialogChooser::ChooseSaveFile(const QString& caption, const QString& suggestedName,
                                          const QString& filter) {
    QWidget* over = QApplication::activeWindow();
    const HoldOpen held(over);
    QPointer<QFileDialog> dialog = new QFileDialog(over, caption, suggestedName, filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    QString chosen;
    if (dialog->exec() == QDialog::Accepted && !dialog.isNull() && !dialog->selectedFiles().isEmpty()) {
        chosen = dialog->selectedFiles().constFirst();
    }
    delete dialog.data();
    return chosen;
}

} // namespace korvanta
