// The input window's File menu: new, opened and saved pairs, the recent files and the job data.

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QSaveFile>
#include <QSettings>
#include <QStringList>

#include "logic/pair_document.h"
#include "ui/common/dialogs.h"
#include "ui/common/open_file_chooser.h"
#include "ui/diagram/diagram_window.h"
#include "ui/input/input_window.h"
#include "ui/input/job_data_editor.h"
#include "ui/input/unit_choice.h"
#include "ui/measure/measurements_window.h"
#include "ui/mesh/mesh_window.h"
#include "ui/output/output_window.h"
#include "ui/print/save_file_chooser.h"
#include "ui/program_windows.h"
#include "ui/sheet/sheet_window.h"
#include "ui_input_window.h"

namespace korvanta {

namespace {

const QString kRecentKey = QStringLiteral("files/recent");
const QString kPairFilter = QStringLiteral("Korvanta pairs (*.korvanta);;All files (*)");

std::vector<std::string> RecentFiles() {
    std::vector<std::string> files;
    for (const QString& file : QSettings().value(kRecentKey).toStringList()) {
        files.push_back(file.toStdString());
    }
    return files;
}

void RememberRecentFiles(const std::vector<std::string>& files) {
    QStringList list;
    for (const std::string& file : files) {
        list.append(QString::fromStdString(file));
    }
    QSettings settings;
    settings.setValue(kRecentKey, list);
}

void ShowStop(Services& services, const std::string& text) {
    services.dialogs->Show(Message{text, std::string(kMessageTitle), MessageIcon::Stop});
}

// The whole file, or the message that says why it cannot be read. A file larger than a pair file
// can be is read only so far that the check refuses it.
std::optional<QByteArray> FileBytes(const QString& fileName, std::string& error) {
    const QFileInfo info(fileName);
    const std::string name = fileName.toStdString();
    if (!info.exists()) {
        error = UnreadablePairFile(name, "there is no such file");
        return std::nullopt;
    }
    if (info.isDir()) {
        error = UnreadablePairFile(name, "it is a folder");
        return std::nullopt;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        error = UnreadablePairFile(name, file.errorString().toStdString());
        return std::nullopt;
    }
    QByteArray bytes = file.read(static_cast<qint64>(kPairFileLimit) + 1);
    if (file.error() != QFileDevice::NoError) {
        error = UnreadablePairFile(name, file.errorString().toStdString());
        return std::nullopt;
    }
    return bytes;
}

} // namespace

void InputWindow::BuildFileMenu() {
    QMenu& menu = *ui->MnuFile;
    QAction* before = ui->MnuMetric;
    const auto add = [&](const QString& text, const char* name, const QKeySequence& keys, auto handler) {
        auto* action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(keys);
        menu.insertAction(before, action);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    add(QStringLiteral("&New"), "MnuNew", QKeySequence::New, &InputWindow::newPair);
    add(QStringLiteral("&Open..."), "MnuOpen", QKeySequence::Open, &InputWindow::openPair);
    recentMenu_ = new QMenu(QStringLiteral("Open &Recent"), this);
    recentMenu_->setObjectName(QStringLiteral("MnuRecent"));
    menu.insertMenu(before, recentMenu_);
    connect(recentMenu_, &QMenu::aboutToShow, this, &InputWindow::ShowRecentFiles);
    add(QStringLiteral("&Save"), "MnuSave", QKeySequence(Qt::CTRL | Qt::Key_S), &InputWindow::savePair);
    add(QStringLiteral("Save &As..."), "MnuSaveAs", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        &InputWindow::savePairAs);
    menu.insertSeparator(before);
    add(QStringLiteral("&Job Data..."), "MnuJobData", QKeySequence(), &InputWindow::editJobData);
    menu.insertSeparator(before);
    ShowRecentFiles();
}

void InputWindow::ShowRecentFiles() {
    recentMenu_->clear();
    const std::vector<std::string> files = RecentFiles();
    for (std::size_t i = 0; i < files.size(); ++i) {
        const QString file = QString::fromStdString(files[i]);
        QAction* action = recentMenu_->addAction(QString::fromStdString(RecentFileMenuText(i, files[i])));
        connect(action, &QAction::triggered, this, [this, file] { OpenFile(file); });
    }
    recentMenu_->setEnabled(!files.empty());
}

void InputWindow::ShowDocument() {
    setWindowTitle(QString::fromStdString(document_.Title(form_->Unit())));
    setWindowModified(document_.IsModified(WindowsPair()));
}

PairFile InputWindow::WindowsPair() const {
    return PairOfWindows(*form_, windows_.session());
}

bool InputWindow::MayClose() {
    if (!leaveDecided_) {
        leaveDecided_ = MayLeavePair();
    }
    return leaveDecided_;
}

bool InputWindow::MayLeavePair() {
    if (!document_.AsksToSave(WindowsPair())) {
        return true;
    }
    const SaveAnswer answer = windows_.services().dialogs->AskToSave(SaveQuestion(*document_.FileName()));
    return LeavesPair(answer, answer == SaveAnswer::Save && savePair());
}

// The windows that show the pair now shown go with it; the diagram first, as it holds an output window.
void InputWindow::StartPair(LengthUnit unit) {
    Unload(windows_.LoadedDiagram());
    Unload(windows_.LoadedOutput(PairKind::External));
    Unload(windows_.LoadedOutput(PairKind::Internal));
    Unload(windows_.LoadedMeasurements());
    Unload(windows_.LoadedSheet());
    Unload(windows_.LoadedMesh());
    StartAfresh(windows_.State());
    windows_.session().MeasurementChoices() = {};
    windows_.session().Job() = {};
    windows_.session().Sheet() = {};
    form_.emplace(windows_.State());
    BindModel();
    focusedField_.reset();
    for (InputField field : kInputFields) {
        Edit(field).setText(QString::fromStdString(form_->Text(field)));
    }
    form_->ChooseUnit(unit);
    ShowKindChoice();
    ShowUnit();
}

// Neither option is chosen until the user (or an internal pair's file) chooses one.
void InputWindow::ShowKindChoice() {
    const std::optional<PairKind> chosen = windows_.State().GearType;
    for (QRadioButton* option : {ui->Option1, ui->Option2}) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
    if (chosen) {
        (*chosen == PairKind::Internal ? ui->Option2 : ui->Option1)->setChecked(true);
    }
}

void InputWindow::TypePair(const PairFile& pair) {
    BindModel(false);
    ApplyPair(*form_, windows_.session(), pair);
    BindModel();
    ShowKindChoice();
    ShowUnit();
    // The user goes on in the first field, entered as typing it would.
    focusedField_ = InputField::NT1;
    form_->Enter(InputField::NT1);
    Edit(InputField::NT1).setFocus(Qt::OtherFocusReason);
    Edit(InputField::NT1).selectAll();
}

void InputWindow::KeepDocument(const QString& fileName) {
    const QString absolute = QFileInfo(fileName).absoluteFilePath();
    document_.Kept(absolute.toStdString(), WindowsPair());
    RememberRecentFiles(WithRecentFile(RecentFiles(), absolute.toStdString()));
    ShowRecentFiles();
    ShowDocument();
}

void InputWindow::newPair() {
    if (!MayLeavePair()) {
        return;
    }
    StartPair(form_->Unit());
    document_.Forget();
    TypePair(WindowsPair());
    ShowDocument();
}

// The question about the changed pair comes once the file is known to be a pair (OpenFile).
void InputWindow::openPair() {
    const QString file =
        windows_.services().openChooser->ChooseOpenFile(QStringLiteral("Open Pair"), kPairFilter);
    if (!file.isEmpty()) {
        OpenFile(file);
    }
}

// The whole file is read and checked before anything of the windows changes.
bool InputWindow::OpenFile(const QString& fileName) {
    std::string error;
    const std::optional<QByteArray> bytes = FileBytes(fileName, error);
    const std::string name = fileName.toStdString();
    std::optional<PairFileReading> reading;
    if (bytes) {
        reading =
            ReadPairFile(name, std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
        error = reading->error;
    }
    if (!reading || !reading->pair) {
        if (!QFileInfo::exists(fileName)) {
            RememberRecentFiles(
                WithoutRecentFile(RecentFiles(), QFileInfo(fileName).absoluteFilePath().toStdString()));
            ShowRecentFiles();
        }
        ShowStop(windows_.services(), error);
        return false;
    }
    if (!MayLeavePair()) {
        return false;
    }
    const PairFile& pair = *reading->pair;
    StartPair(pair.unit);
    TypePair(pair);
    RememberUnit(pair.unit);
    KeepDocument(fileName);
    if (reading->notice) {
        windows_.services().dialogs->Show(
            Message{*reading->notice, std::string(kMessageTitle), MessageIcon::Exclamation});
    }
    return true;
}

bool InputWindow::savePair() {
    if (!document_.FileName()) {
        return savePairAs();
    }
    return SaveTo(QString::fromStdString(*document_.FileName()));
}

bool InputWindow::savePairAs() {
    const QString suggested =
        document_.FileName()
            ? QString::fromStdString(*document_.FileName())
            : QStringLiteral("pair") + QString::fromLatin1(kPairFileExtension.data(),
                                                           static_cast<qsizetype>(kPairFileExtension.size()));
    const QString chosen = windows_.services().fileChooser->ChooseSaveFile(QStringLiteral("Save Pair As"),
                                                                           suggested, kPairFilter);
    if (chosen.isEmpty()) {
        return false;
    }
    return SaveTo(QString::fromStdString(WithPairExtension(chosen.toStdString())));
}

// Through a temporary file that replaces the old one only when it is complete.
bool InputWindow::SaveTo(const QString& fileName) {
    const PairFile pair = WindowsPair();
    const std::string text = PairFileText(pair);
    QSaveFile file(fileName);
    bool written = file.open(QIODevice::WriteOnly);
    written = written &&
              file.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
    const QString reason = file.errorString();
    written = written && file.commit();
    if (!written) {
        file.cancelWriting();
        const QString why = file.error() != QFileDevice::NoError ? file.errorString() : reason;
        ShowStop(windows_.services(), UnwritablePairFile(fileName.toStdString(), why.toStdString()));
        ShowDocument();
        return false;
    }
    KeepDocument(fileName);
    return true;
}

void InputWindow::editJobData() {
    if (std::optional<JobData> edited = windows_.services().jobEditor->Edit(windows_.session().Job())) {
        windows_.session().Job() = std::move(*edited);
        ShowDocument();
    }
}

} // namespace korvanta
