#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "logic/sheet_of_pair.h"
#include "output/pair_setup.h"
#include "print/recording_chooser.h"
#include "recording_print_chooser.h"
#include "support/window_test.h"
#include "ui/input/input_window.h"
#include "ui/measure/measurements_window.h"
#include "ui/output/output_window.h"
#include "ui/program_windows.h"
#include "ui/sheet/sheet_window.h"

namespace korvanta::testing {
namespace {

QAction& ActionOf(QWidget& window, const char* name) {
    auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
    if (action == nullptr) {
        throw MissingControl(name);
    }
    return *action;
}

bool IsPdf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-";
}

// The sheet window opened from the external output window of the standard spur pair.
class SheetWindowTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        CalculatePair(true, kExternalSpurPair);
        output = &Windows().Output(PairKind::External);
        ASSERT_TRUE(ShowActive(*output));
        ActionOf(*output, "ActionSheet").trigger();
        QApplication::processEvents();
        sheet = Windows().LoadedSheet();
        ASSERT_NE(sheet, nullptr);
    }

    void Type(const char* field, const QString& text) {
        QLineEdit& edit = Control<QLineEdit>(*sheet, field);
        edit.setText(text);
    }
    void Apply() { Control<QPushButton>(*sheet, "SheetApply").click(); }

    OutputWindow* output = nullptr;
    SheetWindow* sheet = nullptr;
    QTemporaryDir folder;
    RecordingChooser chooser;
    RecordingPrintChooser printChooser;
};

TEST_F(SheetWindowTest, OpensBesideTheOutputWindowWithTheSheetOfItsPair) {
    EXPECT_EQ(sheet->objectName(), QStringLiteral("SheetWindow"));
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->Sheet().header.pairKind, "External pair");
    EXPECT_FALSE(sheet->Sheet().dataBlock.empty());
    EXPECT_FALSE(sheet->Sheet().staleNotice.has_value());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SheetWindowTest, PrintGoesThroughThePrintDialogStartingFromTheChosenPaper) {
    Control<QComboBox>(*sheet, "SheetPaper").setCurrentIndex(1);
    printChooser.file = folder.filePath(QStringLiteral("printed.pdf"));
    Control<QPushButton>(*sheet, "SheetPrint").click();
    EXPECT_EQ(printChooser.calls, 1);
    EXPECT_EQ(printChooser.offeredPaper.id(), QPageSize::Letter);
    EXPECT_TRUE(IsPdf(printChooser.file));
    EXPECT_TRUE(dialogs.shown.empty());
}

// A printer that cannot take the pages: here a file in a folder that does not exist.
TEST_F(SheetWindowTest, APrintThatFailsIsSaid) {
    printChooser.file = folder.filePath(QStringLiteral("no such folder/printed.pdf"));
    Control<QPushButton>(*sheet, "SheetPrint").click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown.front().text.find("could not be printed"), std::string::npos);
}

TEST_F(SheetWindowTest, ACancelledPrintDialogPrintsNothing) {
    Control<QPushButton>(*sheet, "SheetPrint").click();
    EXPECT_EQ(printChooser.calls, 1);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SheetWindowTest, SaveAsPdfWritesTheChosenFile) {
    chooser.answer = folder.filePath(QStringLiteral("sheet.pdf"));
    Control<QPushButton>(*sheet, "SheetSavePdf").click();
    EXPECT_EQ(chooser.calls, 1);
    EXPECT_EQ(chooser.lastSuggestion, QStringLiteral("Inspection Sheet.pdf"));
    EXPECT_EQ(chooser.lastFilter, QStringLiteral("PDF files (*.pdf)"));
    EXPECT_TRUE(IsPdf(chooser.answer));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SheetWindowTest, AFailingSaveNamesTheFileAndTheReasonAndLeavesNoFile) {
    chooser.answer = folder.filePath(QStringLiteral("no such folder/sheet.pdf"));
    Control<QPushButton>(*sheet, "SheetSavePdf").click();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    const std::string& text = dialogs.shown.front().text;
    EXPECT_NE(text.find(chooser.answer.toStdString()), std::string::npos) << text;
    EXPECT_NE(text.find("Reason: "), std::string::npos) << text;
    EXPECT_FALSE(QFile::exists(chooser.answer));
}

TEST_F(SheetWindowTest, ACancelledSaveWritesNothing) {
    Control<QPushButton>(*sheet, "SheetSavePdf").click();
    EXPECT_EQ(chooser.calls, 1);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(SheetWindowTest, TheEntriesFormUpdatesTheSessionAndTheSheet) {
    ASSERT_TRUE(sheet->Sheet().tolerances.empty());
    Type("SheetFaceWidth", QStringLiteral("1.25"));
    Control<QComboBox>(*sheet, "SheetAccuracyClass").setCurrentIndex(6);
    Control<QComboBox>(*sheet, "SheetHelixHand").setCurrentIndex(2);
    Control<QComboBox>(*sheet, "SheetReliefGiven1").setCurrentIndex(1);
    Type("SheetReliefStart1", QStringLiteral("30"));
    Type("SheetReliefLeast1", QStringLiteral("2"));
    Type("SheetReliefMost1", QStringLiteral("5"));
    Apply();
    EXPECT_TRUE(dialogs.shown.empty());
    const SheetEntries& entries = TheSession().Sheet();
    EXPECT_EQ(entries.faceWidth, 1.25);
    EXPECT_EQ(entries.accuracyClass, 6);
    EXPECT_EQ(entries.helixHand, HelixHand::Left);
    ASSERT_TRUE(entries.tipRelief.pinion.has_value());
    EXPECT_EQ(*entries.tipRelief.pinion, (TipRelief{TipRelief::StartGiven::RollAngle, 30.0, 2.0, 5.0}));
    EXPECT_FALSE(entries.tipRelief.gear.has_value());
    EXPECT_FALSE(sheet->Sheet().tolerances.empty());
    EXPECT_FALSE(sheet->Sheet().charts.pinion.upperLimit.empty());
}

TEST_F(SheetWindowTest, ARefusedEntryIsSaidAndLeavesTheSessionAsItWas) {
    Type("SheetFaceWidth", QStringLiteral("wide"));
    Apply();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown.front().text.find("face width"), std::string::npos);
    EXPECT_EQ(TheSession().Sheet(), SheetEntries{});
}

TEST_F(SheetWindowTest, TheChartScaleIsTheOneChosen) {
    EXPECT_EQ(sheet->Scale().millimetresPerDegree, std::nullopt);
    Control<QComboBox>(*sheet, "SheetChartScale").setCurrentIndex(1);
    Type("SheetDegreeScale", QStringLiteral("4"));
    Type("SheetMagnification", QStringLiteral("800"));
    EXPECT_EQ(sheet->Scale().millimetresPerDegree, 4.0);
    EXPECT_EQ(sheet->Scale().magnification, 800.0);
}

TEST_F(SheetWindowTest, SaysWhenTheEntriesHaveChangedSinceItsPairWasCalculated) {
    State().NT1 = 21.0f;
    SheetFollowEntries(Windows());
    ASSERT_TRUE(sheet->Sheet().staleNotice.has_value());
    EXPECT_EQ(*sheet->Sheet().staleNotice, kSheetEntriesChangedNotice);
}

TEST_F(SheetWindowTest, OpensFromTheMeasurementsWindow) {
    Control<QPushButton>(*sheet, "SheetClose").click();
    QApplication::processEvents();
    ASSERT_EQ(Windows().LoadedSheet(), nullptr);
    OpenMeasurements(Windows(), *output);
    MeasurementsWindow* measurements = Windows().LoadedMeasurements();
    ASSERT_NE(measurements, nullptr);
    ActionOf(*measurements, "ActionSheet").trigger();
    ASSERT_NE(Windows().LoadedSheet(), nullptr);
    EXPECT_TRUE(Windows().LoadedSheet()->isVisible());
}

TEST_F(WindowTest, TheInputWindowsInspectionMenuOpensTheSheetOfTheEnteredPair) {
    InputWindow& input = Windows().Input();
    ASSERT_TRUE(ShowActive(input));
    EnterPair(input, PairKind::External, kExternalSpurPair);
    QAction& item = ActionOf(input, "MnuSheet");
    EXPECT_EQ(item.text(), QString::fromUtf8("&Sheet…"));
    item.trigger();
    QApplication::processEvents();
    ASSERT_NE(Windows().LoadedSheet(), nullptr);
    EXPECT_EQ(Windows().LoadedOutput(PairKind::External), nullptr);
    EXPECT_EQ(Windows().LoadedSheet()->Sheet().stations.pinion.size(), 7u);
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
} // namespace korvanta::testing
