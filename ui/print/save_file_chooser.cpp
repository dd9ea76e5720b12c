#include "ui/print/save_file_chooser.h"

#include <QApplication>
#include <QFileDialog>

namespace korvanta {

namespace {

class FileDialogChooser : public SaveFileChooser {
public:
    QString ChooseSaveFile(const QString& caption, const QString& suggestedName,
                           const QString& filter) override {
        return QFileDialog::getSaveFileName(QApplication::activeWindow(), caption, suggestedName, filter);
    }
};

SaveFileChooser*& Installed() {
    static SaveFileChooser* chooser = nullptr;
    return chooser;
}

} // namespace

SaveFileChooser& AppSaveFileChooser() {
    static FileDialogChooser fileDialog;
    SaveFileChooser* chooser = Installed();
    return chooser ? *chooser : fileDialog;
}

void SetSaveFileChooser(SaveFileChooser* chooser) {
    Installed() = chooser;
}

} // namespace korvanta
