#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "input_window_test.h"
#include "logic/pair_document.h"
#include "output/pair_setup.h"
#include "print/recording_chooser.h"
#include "ui/common/open_file_chooser.h"
#include "ui/input/job_data_editor.h"
#include "ui/measure/measurements_window.h"
#include "ui/program_windows.h"

namespace korvanta {
namespace {

using testing::Replace;
using testing::TheServices;

class RecordingOpenChooser : public OpenFileChooser {
public:
    QString ChooseOpenFile(const QString&, const QString&) override { return answer; }
    QString answer;

private:
    Replace<OpenFileChooser> installed_{TheServices().openChooser, this};
};

class RecordingJobEditor : public JobDataEditor {
public:
    std::optional<JobData> Edit(const JobData&) override { return answer; }
    std::optional<JobData> answer;

private:
    Replace<JobDataEditor> installed_{TheServices().jobEditor, this};
};

constexpr const char* kFieldNames[] = {"TextNT1", "TextNT2", "TextDP",  "TextPA",
                                       "TextHA",  "TextOD1", "TextOD2", "TextCD"};

// As the program writes it: the entries as the fields show them once left.
PairFile InternalPair() {
    PairFile pair;
    pair.kind = PairKind::Internal;
    pair.entries = {"20", "60", "10.00000", "20.00000", "0.00000", "2.20000", "5.80000", "2.00000"};
    pair.pinDiameter = {"0.2", ""};
    pair.spanTeeth = {"3", ""};
    pair.job = JobData{"P-1", "G-2", "D-3", "B", "Ann", "two\nlines"};
    pair.sheet.faceWidth = 0.75;
    pair.sheet.accuracyClass = 8;
    pair.sheet.tipRelief.gear = TipRelief{TipRelief::StartGiven::Diameter, 2.05, 1.0, 3.0};
    return pair;
}

class PairFilesTest : public testing::InputWindowTest {
protected:
    // A pair left changed lets the test's end close the window.
    void SetUp() override {
        testing::InputWindowTest::SetUp();
        dialogs.defaultSaveAnswer = SaveAnswer::Discard;
    }

    QString Write(const QString& name, const std::string& bytes) const {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
    std::vector<QString> Texts() const {
        std::vector<QString> texts;
        for (const char* name : kFieldNames) {
            texts.push_back(Field(name).text());
        }
        return texts;
    }

    QTemporaryDir folder;
    testing::RecordingChooser saveChooser;
    RecordingOpenChooser openChooser;
    RecordingJobEditor jobEditor;
};

TEST_F(PairFilesTest, OpenedFileFillsTheFieldsAndSavesAgainByteForByte) {
    const QString path = Write("internal.korvanta", PairFileText(InternalPair()));
    ASSERT_TRUE(window->OpenFile(path));
    EXPECT_EQ(Texts(), (std::vector<QString>{"20", "60", "10.00000", "20.00000", "0.00000", "2.20000",
                                             "5.80000", "2.00000"}));
    EXPECT_TRUE(Control<QRadioButton>("Option2").isChecked());
    EXPECT_EQ(testing::TheSession().Job(), InternalPair().job);
    EXPECT_EQ(testing::TheSession().Sheet(), InternalPair().sheet);
    EXPECT_EQ(window->windowTitle(), "internal.korvanta[*] - Korvanta");
    EXPECT_FALSE(window->isWindowModified());

    const QString again = folder.filePath("again.korvanta");
    ASSERT_TRUE(window->SaveTo(again));
    EXPECT_EQ(Read(again), Read(path));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PairFilesTest, EveryBadFileIsReportedAndLeavesTheFieldsAsTheyWere) {
    Enter("TextNT1", "31");
    Enter("TextNT2", "47");
    const std::vector<QString> before = Texts();
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.korvanta"));
    std::string newerMajor = PairFileText(InternalPair());
    newerMajor.replace(newerMajor.find("\"1.1\""), 5, "\"2.0\"");
    std::string refusedEntry = PairFileText(InternalPair());
    refusedEntry.replace(refusedEntry.find("\"2.20000\""), 9, "\"2,2\"");
    const std::vector<QString> bad = {
        folder.filePath("folder.korvanta"),
        folder.filePath("missing.korvanta"),
        Write("binary.korvanta", std::string("\x00\x01\x02\xFF", 4)),
        Write("truncated.korvanta", PairFileText(InternalPair()).substr(0, 40)),
        Write("other.korvanta", "{\"format\": \"something-else\"}"),
        Write("newer.korvanta", newerMajor),
        Write("refused.korvanta", refusedEntry),
        Write("huge.korvanta", std::string(kPairFileLimit + 10, ' ')),
    };
    for (const QString& path : bad) {
        dialogs.shown.clear();
        EXPECT_FALSE(window->OpenFile(path)) << path.toStdString();
        ASSERT_EQ(dialogs.shown.size(), 1U) << path.toStdString();
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Stop);
        EXPECT_EQ(dialogs.shown[0].title, "Korvanta");
        EXPECT_NE(dialogs.shown[0].text.find(path.toStdString()), std::string::npos) << dialogs.shown[0].text;
        EXPECT_EQ(Texts(), before) << path.toStdString();
        EXPECT_EQ(window->windowTitle(), "Korvanta");
    }
    EXPECT_EQ(dialogs.saveQuestions, 0);
}

TEST_F(PairFilesTest, OpeningClosesTheWindowsOfThePreviousPair) {
    QWidget* output = testing::CalculateThroughInputWindow(true, testing::kExternalSpurPair);
    ASSERT_NE(output, nullptr);
    OpenMeasurements(testing::Windows(), *output);
    ASSERT_NE(testing::Windows().LoadedMeasurements(), nullptr);

    ASSERT_TRUE(window->OpenFile(Write("internal.korvanta", PairFileText(InternalPair()))));
    EXPECT_EQ(testing::Windows().LoadedOutput(PairKind::External), nullptr);
    EXPECT_EQ(testing::Windows().LoadedMeasurements(), nullptr);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(Field("TextNT2").text(), "60");
}

TEST_F(PairFilesTest, NewerMinorVersionOpensWithItsNoticeOnce) {
    std::string newerMinor = PairFileText(InternalPair());
    newerMinor.replace(newerMinor.find("\"1.1\""), 5, "\"1.7\"");
    ASSERT_TRUE(window->OpenFile(Write("minor.korvanta", newerMinor)));
    ASSERT_EQ(dialogs.shown.size(), 1U);
    EXPECT_EQ(Field("TextNT2").text(), "60");
}

TEST_F(PairFilesTest, ChangedPairAsksOnExitAndCancelKeepsTheWindow) {
    ASSERT_TRUE(window->OpenFile(Write("internal.korvanta", PairFileText(InternalPair()))));
    Enter("TextNT1", "21");
    EXPECT_TRUE(window->isWindowModified());
    dialogs.saveAnswers = {SaveAnswer::Cancel, SaveAnswer::Discard};
    Unload(window);
    EXPECT_EQ(dialogs.saveQuestions, 1);
    EXPECT_TRUE(window->isVisible());
    QPointer<InputWindow> input = window;
    Unload(window);
    EXPECT_EQ(dialogs.saveQuestions, 2);
    EXPECT_TRUE(input.isNull() || !input->isVisible());
}

TEST_F(PairFilesTest, SaveAnswerWritesTheChangedPairBeforeANewOne) {
    const QString path = Write("internal.korvanta", PairFileText(InternalPair()));
    ASSERT_TRUE(window->OpenFile(path));
    Enter("TextNT1", "21");
    dialogs.saveAnswers = {SaveAnswer::Save};
    Control<QAction>("MnuNew").trigger();
    EXPECT_EQ(dialogs.saveQuestions, 1);
    EXPECT_TRUE(Read(path).contains("\"21\""));
    EXPECT_EQ(ReadPairFile("internal.korvanta", Read(path).toStdString()).pair->sheet, InternalPair().sheet);
    EXPECT_EQ(Field("TextNT1").text(), "");
    EXPECT_EQ(testing::TheSession().Sheet(), SheetEntries{});
    EXPECT_EQ(window->windowTitle(), "Korvanta");
}

TEST_F(PairFilesTest, PairNeverSavedDoesNotAsk) {
    Enter("TextNT1", "31");
    Control<QAction>("MnuNew").trigger();
    Enter("TextNT1", "32");
    Unload(window);
    EXPECT_EQ(dialogs.saveQuestions, 0);
}

TEST_F(PairFilesTest, FailedSaveNamesTheFileAndKeepsThePairModified) {
    ASSERT_TRUE(window->OpenFile(Write("internal.korvanta", PairFileText(InternalPair()))));
    Enter("TextNT1", "21");
    ASSERT_TRUE(QDir(folder.path()).mkdir("in-the-way.korvanta"));
    const QString target = folder.filePath("in-the-way.korvanta");
    EXPECT_FALSE(window->SaveTo(target));
    ASSERT_EQ(dialogs.shown.size(), 1U);
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Stop);
    EXPECT_NE(dialogs.shown[0].text.find(target.toStdString()), std::string::npos);
    EXPECT_TRUE(window->isWindowModified());
}

TEST_F(PairFilesTest, SaveAsAddsTheExtensionAndTheRecentFile) {
    Enter("TextNT1", "31");
    saveChooser.answer = folder.filePath("chosen");
    Control<QAction>("MnuSaveAs").trigger();
    EXPECT_TRUE(QFile::exists(folder.filePath("chosen.korvanta")));
    EXPECT_EQ(window->windowTitle(), "chosen.korvanta[*] - Korvanta");
    const QList<QAction*> recent = Control<QMenu>("MnuRecent").actions();
    ASSERT_EQ(recent.size(), 1);
    EXPECT_TRUE(recent[0]->text().endsWith("chosen.korvanta"));
}

TEST_F(PairFilesTest, MissingRecentFileIsReportedAndDropped) {
    const QString path = Write("gone.korvanta", PairFileText(InternalPair()));
    ASSERT_TRUE(window->OpenFile(path));
    ASSERT_TRUE(QFile::remove(path));
    Control<QMenu>("MnuRecent").actions()[0]->trigger();
    ASSERT_EQ(dialogs.shown.size(), 1U);
    EXPECT_TRUE(Control<QMenu>("MnuRecent").actions().isEmpty());
}

TEST_F(PairFilesTest, EditedJobDataMarksThePairModified) {
    ASSERT_TRUE(window->OpenFile(Write("internal.korvanta", PairFileText(InternalPair()))));
    jobEditor.answer = JobData{"P-9", "", "", "", "", ""};
    Control<QAction>("MnuJobData").trigger();
    EXPECT_EQ(testing::TheSession().Job().pinionPart, "P-9");
    EXPECT_TRUE(window->isWindowModified());
}

} // namespace
} // namespace korvanta
