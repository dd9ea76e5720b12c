#include "ui/print/save_file_chooser.h"

#include "ui/common/file_dialog.h"

namespace korvanta {

QString FileDialogChooser::ChooseSaveFile(const QString& caption, const QString& suggestedName,
                                          const QString& filter) {
    return AskForFile(caption, suggestedName, filter, QFileDialog::AcceptSave, QFileDialog::AnyFile);
}

} // namespace korvanta
