#include "ui/output/table_actions.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSaveFile>
#include <memory>

#include "cli/table_export.h"
#include "logic/pair_document.h"
#include "ui/common/clipboard.h"
#include "ui/common/dialogs.h"
#include "ui/common/services.h"
#include "ui/input/input_window.h"
#include "ui/print/save_file_chooser.h"
#include "ui/program_windows.h"

namespace korvanta {

namespace {

QAction* WindowAction(QWidget& window, const QString& text, const char* name, const QKeySequence& keys) {
    auto* action = new QAction(text, &window);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    return action;
}

class CellCopy : public QObject {
public:
    CellCopy(QLineEdit& cell, Services& services) : QObject(&cell), cell_(cell), services_(services) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            !static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            return QObject::eventFilter(watched, event);
        }
        auto data = std::make_unique<QMimeData>();
        data->setText(cell_.hasSelectedText() ? cell_.selectedText() : cell_.text());
        services_.clipboard->Put(std::move(data));
        return true;
    }

private:
    QLineEdit& cell_;
    Services& services_;
};

void ReportUnwritable(Services& services, const QString& path, const QString& reason) {
    services.dialogs->Show({cli::UnwritableTableFile(path.toStdString(), reason.toStdString()),
                            std::string(kMessageTitle), MessageIcon::Exclamation});
}

} // namespace

TableActions AddTableActions(QWidget& window) {
    return {WindowAction(window, QStringLiteral("&Copy Table"), "ActionCopyTable",
                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)),
            WindowAction(window, QStringLiteral("Save Table &As..."), "ActionSaveTable",
                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T))};
}

void ShowCellMenu(QLineEdit& cell, const QPoint& at, const TableActions& actions,
                  const std::vector<QAction*>& more) {
    QMenu* menu = cell.createStandardContextMenu();
    menu->setParent(&cell, menu->windowFlags());
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addSeparator();
    menu->addAction(actions.copy);
    menu->addAction(actions.save);
    if (!more.empty()) {
        menu->addSeparator();
        for (QAction* action : more) {
            menu->addAction(action);
        }
    }
    menu->popup(cell.mapToGlobal(at));
}

void CopyWholeCellWhenNothingSelected(QLineEdit& cell, Services& services) {
    cell.installEventFilter(new CellCopy(cell, services));
}

void CopyTable(Services& services, const JobData& job, const TableCells& cells) {
    auto data = std::make_unique<QMimeData>();
    data->setText(QString::fromStdString(TableCopyText(job, cells)));
    data->setHtml(QString::fromStdString(TableCopyHtml(job, cells)));
    services.clipboard->Put(std::move(data));
}

// The input window lives as long as the windows that show a table in the program.
std::optional<PairFile> PairShown(ProgramWindows& windows) {
    const InputWindow* input = windows.LoadedInput();
    if (input == nullptr) {
        return std::nullopt;
    }
    return PairOfWindows(input->Form(), windows.session());
}

void SaveTableAs(Services& services, const PairFile& pair, bool measure) {
    const QString path =
        services.fileChooser->ChooseSaveFile(QStringLiteral("Save Table As"), QStringLiteral("Korvanta.csv"),
                                             QStringLiteral("CSV files (*.csv);;JSON files (*.json)"));
    if (path.isEmpty()) {
        return;
    }
    const cli::SavedTable table = SavedTableOf(pair, cli::SavedTableFormat(path.toStdString()), measure);
    if (table.error) {
        services.dialogs->Show({*table.error, std::string(kMessageTitle), MessageIcon::Exclamation});
        return;
    }
    // Written beside the chosen name and put in its place only when complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        ReportUnwritable(services, path, file.errorString());
        return;
    }
    const auto size = static_cast<qint64>(table.bytes.size());
    if (file.write(table.bytes.data(), size) != size || !file.commit()) {
        ReportUnwritable(services, path, file.errorString());
    }
}

} // namespace korvanta
