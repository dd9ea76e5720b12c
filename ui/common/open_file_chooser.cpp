#include "ui/common/open_file_chooser.h"

#include "ui/common/file_dialog.h"

namespace korvanta {

QString FileDialogOpenChooser::ChooseOpenFile(const QString& caption, const QString& filter) {
    return AskForFile(caption, QString(), filter, QFileDialog::AcceptOpen, QFileDialog::ExistingFile);
}

} // namespace korvanta
