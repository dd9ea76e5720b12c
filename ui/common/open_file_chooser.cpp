#include "ui/common/open_file_chooser.h"

#include <QApplication>
#include <QFileDialog>
#include <QPointer>

#include "ui/common/program_window.h"

namespace korvanta {

// On the heap as a child of the window it is shown over, like the message boxes.
QString FileDialogOpenChooser::ChooseOpenFile(const QString& caption, const QString& filter) {
    QWidget* over = QApplication::activeWindow();
    const HoldOpen held(over);
    QPointer<QFileDialog> dialog = new QFileDialog(over, caption, QString(), filter);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    QString chosen;
    if (dialog->exec() == QDialog::Accepted && !dialog.isNull() && !dialog->selectedFiles().isEmpty()) {
        chosen = dialog->selectedFiles().constFirst();
    }
    delete dialog.data();
    return chosen;
}

} // namespace korvanta
