#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "input_window_test.h"
#include "logic/field_tooltips.h"
#include "logic/session.h"
#include "ui/input/unit_choice.h"
#include "ui/program_windows.h"

namespace korvanta {
namespace {

// What the input window shows of its units.
struct UnitView {
    QString title;
    QString pitch;
    QString outsideDiameter;
    QString centerDistance;
    bool signShown;
    QString sign;
};

UnitView ViewOf(InputWindow& window) {
    const auto& sign = testing::Control<QLabel>(window, "LabelUnit");
    return {window.windowTitle(),
            testing::Control<QLabel>(window, "LabelDP").text(),
            testing::Control<QLabel>(window, "LabelOD").text(),
            testing::Control<QLabel>(window, "LabelCD").text(),
            sign.isVisibleTo(&window),
            sign.text()};
}

void ExpectView(InputWindow& window, const UnitView& expected) {
    const UnitView shown = ViewOf(window);
    EXPECT_EQ(shown.title, expected.title);
    EXPECT_EQ(shown.pitch, expected.pitch);
    EXPECT_EQ(shown.outsideDiameter, expected.outsideDiameter);
    EXPECT_EQ(shown.centerDistance, expected.centerDistance);
    EXPECT_EQ(shown.signShown, expected.signShown);
    if (expected.signShown) {
        EXPECT_EQ(shown.sign, expected.sign);
    }
    testing::ExpectLabelsFit(window);
}

const UnitView kInchView{"Korvanta", "Normal Diametral Pitch", "Outside Diameter", "Center Distance", false,
                         ""};
const UnitView kMetricView{
    "Korvanta (mm)",     "Normal Module", "Outside Diameter (mm)", "Center Distance (mm)", true,
    "Metric: module, mm"};

class UnitChoiceTest : public testing::InputWindowTest {
protected:
    QAction& Metric() const { return Control<QAction>("MnuMetric"); }
    // The menu item chosen as the user chooses it: its check mark toggles, then it is triggered.
    void ChooseMetric() const { Metric().trigger(); }

    void ExpectEstimates(const char* od1, const char* od2, const char* cd) const {
        EXPECT_EQ(Field("TextOD1").text(), od1);
        EXPECT_EQ(Field("TextOD2").text(), od2);
        EXPECT_EQ(Field("TextCD").text(), cd);
    }
};

TEST_F(UnitChoiceTest, TheFileMenuOffersMetricAboveExitAndTheWindowStartsInInches) {
    const QList<QAction*> file = Control<QMenu>("MnuFile").actions();
    ASSERT_GE(file.size(), 3);
    const auto last = file.size() - 1;
    EXPECT_EQ(file[last - 2], &Metric());
    EXPECT_TRUE(file[last - 1]->isSeparator());
    EXPECT_EQ(file[last]->objectName(), "mnuexit");
    EXPECT_EQ(Metric().text(), "&Metric (module, mm)");
    EXPECT_TRUE(Metric().isCheckable());
    EXPECT_FALSE(Metric().isChecked());
    ExpectView(*window, kInchView);
    EXPECT_EQ(testing::State().Unit, LengthUnit::Inch);
}

// 12 and 24 teeth, DP 3 and a typed pinion diameter of 4.7 in: in millimetres the pitch is the module
// 25.4 / 3 = 8.46667 and the pinion 4.7 × 25.4 = 119.38 mm, while the gear's outside diameter and the
// center distance, estimated, are estimated again from the module: (N + 2) × 8.46667 and
// (N1 + N2) × 8.46667 / 2 in the Single roundings of the estimate.
TEST_F(UnitChoiceTest, SwitchingRelabelsConvertsTheTypedEntriesAndEstimatesTheRestAgain) {
    Enter("TextNT1", "12");
    Enter("TextNT2", "24");
    Enter("TextDP", "3");
    Enter("TextOD1", "4.7");
    ExpectEstimates("4.70000", "8.66667", "6.00000");

    ChooseMetric();
    EXPECT_TRUE(Metric().isChecked());
    EXPECT_EQ(testing::State().Unit, LengthUnit::Millimetre);
    ExpectView(*window, kMetricView);
    EXPECT_EQ(Field("TextDP").text(), "8.46667");
    EXPECT_EQ(Field("TextNT1").text(), "12");
    ExpectEstimates("119.38000", "220.13340", "152.40010");

    ChooseMetric();
    EXPECT_FALSE(Metric().isChecked());
    EXPECT_EQ(testing::State().Unit, LengthUnit::Inch);
    ExpectView(*window, kInchView);
    EXPECT_EQ(Field("TextDP").text(), "3.00000");
    ExpectEstimates("4.70000", "8.66667", "6.00000");
    EXPECT_TRUE(dialogs.shown.empty());
}

// The menu is chosen while the caret is still in a field: the number typed there is converted.
TEST_F(UnitChoiceTest, TheValueBeingTypedIsConvertedToo) {
    Enter("TextNT1", "20");
    Enter("TextNT2", "40");
    Enter("TextDP", "10");
    TypeInto("TextCD", "3.05");
    ChooseMetric();
    EXPECT_EQ(Field("TextCD").text(), "77.47000");
    PressTab("TextCD");
    EXPECT_EQ(testing::State().CD, Single(77.47));
    ExpectEstimates("55.88000", "106.68000", "77.47000");
}

// A pinion diameter of 2E+37 in would be 5.08E+38 mm, beyond the largest number a field holds.
TEST_F(UnitChoiceTest, AnEntryThatWouldNotFitKeepsTheUnitsAndIsNamed) {
    Enter("TextNT1", "20");
    Enter("TextNT2", "40");
    Enter("TextDP", "10");
    Enter("TextOD1", "2" + QString(37, '0'));
    const QString typed = Field("TextOD1").text();

    ChooseMetric();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text,
              "The pinion's Outside Diameter would be too large a number in modules and millimetres. The "
              "units stay diametral pitch and inches: change the value first.");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(Metric().isChecked());
    EXPECT_EQ(testing::State().Unit, LengthUnit::Inch);
    ExpectView(*window, kInchView);
    EXPECT_EQ(Field("TextOD1").text(), typed);
    EXPECT_EQ(Field("TextDP").text(), "10.00000");
    EXPECT_EQ(Focused(), &Field("TextOD1"));
    EXPECT_EQ(RememberedUnit(), LengthUnit::Inch);

    // With a diameter that fits, the same choice goes through.
    Enter("TextOD1", "2.3");
    ChooseMetric();
    EXPECT_TRUE(Metric().isChecked());
    ExpectView(*window, kMetricView);
    EXPECT_EQ(Field("TextOD1").text(), "58.42000");
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(UnitChoiceTest, EveryFieldsTooltipSaysWhatItTakesInTheChosenUnit) {
    static const char* const kFields[] = {"TextNT1", "TextNT2", "TextDP",  "TextPA",
                                          "TextHA",  "TextOD1", "TextOD2", "TextCD"};
    for (LengthUnit unit : {LengthUnit::Inch, LengthUnit::Millimetre}) {
        if (unit == LengthUnit::Millimetre) {
            ChooseMetric();
        }
        for (std::size_t field = 0; field < kInputFields.size(); ++field) {
            EXPECT_EQ(testing::Control<QLineEdit>(*window, kFields[field]).toolTip().toStdString(),
                      InputFieldTooltip(kInputFields[field], unit))
                << kFields[field];
        }
    }
}

TEST_F(UnitChoiceTest, CalculateAsksForTheModuleOfAMetricPair) {
    ChooseMetric();
    Enter("TextNT1", "12");
    Enter("TextNT2", "24");
    ClickCalculate();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Enter the Normal Module");
    EXPECT_EQ(Focused(), &Field("TextDP"));
}

TEST_F(UnitChoiceTest, TheInternalPairsDiameterCaptionKeepsItsWordsAndTheTitleNamesTheUnit) {
    Control<QRadioButton>("Option2").click();
    ChooseMetric();
    const UnitView shown = ViewOf(*window);
    EXPECT_EQ(shown.title, "Korvanta (mm)");
    EXPECT_TRUE(shown.outsideDiameter.startsWith("O.D. Pinion and I.D. Gear"))
        << shown.outsideDiameter.toStdString();
    testing::ExpectLabelsFit(*window);
}

TEST_F(UnitChoiceTest, TheChoiceSurvivesARestart) {
    ChooseMetric();
    testing::UnloadAllWindows();
    {
        // The next run of the program: a session and windows of their own, reading the same settings.
        Session nextRun;
        ProgramWindows windows(nextRun, testing::TheServices());
        InputWindow& input = windows.Input();
        EXPECT_EQ(nextRun.State().Unit, LengthUnit::Millimetre);
        EXPECT_TRUE(testing::Control<QAction>(input, "MnuMetric").isChecked());
        ExpectView(input, kMetricView);
        testing::Control<QAction>(input, "MnuMetric").trigger();
    }
    Session runAfter;
    ProgramWindows windows(runAfter, testing::TheServices());
    InputWindow& input = windows.Input();
    EXPECT_EQ(runAfter.State().Unit, LengthUnit::Inch);
    ExpectView(input, kInchView);
}

TEST_F(UnitChoiceTest, SettingsThatCannotBeWrittenAreReportedAndTheChoiceHoldsForTheRun) {
    const QString settingsFolder = QFileInfo(QSettings().fileName()).dir().absolutePath();
    QDir kept(settingsFolder);
    kept.cdUp();
    // A file where the settings' folder would have to be made: nothing can be written under it.
    const QTemporaryDir blocked;
    QFile file(blocked.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, file.fileName());

    ChooseMetric();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, kept.absolutePath());

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_NE(dialogs.shown[0].text.find("could not be saved"), std::string::npos);
    EXPECT_NE(dialogs.shown[0].text.find(file.fileName().toStdString()), std::string::npos);
    ExpectView(*window, kMetricView);
    EXPECT_EQ(testing::State().Unit, LengthUnit::Millimetre);
}

} // namespace
} // namespace korvanta
