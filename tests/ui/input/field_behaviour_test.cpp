#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>
#include <tuple>

#include "core/basic_values.h"
#include "input_window_test.h"

namespace korvanta {
namespace {

class FieldBehaviourTest : public testing::InputWindowTest {};

TEST_F(FieldBehaviourTest, WindowOpensWithExternalSelectedAndTheCursorInThePinionTeeth) {
    EXPECT_TRUE(Control<QRadioButton>("Option1").isChecked());
    EXPECT_EQ(Focused(), &Field("TextNT1"));
    EXPECT_EQ(testing::State().GearType, PairKind::External);
}

TEST_F(FieldBehaviourTest, ActivationFillsPressureAndHelixAngleDefaults) {
    EXPECT_EQ(Field("TextPA").text(), "20.00000");
    EXPECT_EQ(Field("TextHA").text(), "0.00000");
    EXPECT_EQ(testing::State().PA, 20.0);
}

TEST_F(FieldBehaviourTest, LettersMinusAndBlanksAreRejectedInEveryField) {
    for (const char* name :
         {"TextNT1", "TextNT2", "TextDP", "TextPA", "TextHA", "TextOD1", "TextOD2", "TextCD"}) {
        const QString before = Field(name).text();
        TypeInto(name, "");
        QTest::keyClicks(&Field(name), "a- Z");
        EXPECT_EQ(Field(name).text(), before) << name;
    }
}

TEST_F(FieldBehaviourTest, DecimalPointIsRejectedInToothFieldsOnly) {
    TypeInto("TextNT1", "2.5");
    EXPECT_EQ(Field("TextNT1").text(), "25");
    TypeInto("TextDP", "2.5");
    EXPECT_EQ(Field("TextDP").text(), "2.5");
}

TEST_F(FieldBehaviourTest, BackspaceWorksInEveryField) {
    TypeInto("TextNT2", "123");
    QTest::keyClick(&Field("TextNT2"), Qt::Key_Backspace);
    EXPECT_EQ(Field("TextNT2").text(), "12");
    TypeInto("TextCD", "4.5");
    QTest::keyClick(&Field("TextCD"), Qt::Key_Backspace);
    EXPECT_EQ(Field("TextCD").text(), "4.");
}

TEST_F(FieldBehaviourTest, PressureAngleIsReshownWithFiveDecimals) {
    Enter("TextPA", "20");
    EXPECT_EQ(Field("TextPA").text(), "20.00000");
    EXPECT_EQ(testing::State().PA, 20.0);
    Enter("TextPA", "14.5");
    EXPECT_EQ(Field("TextPA").text(), "14.50000");
    EXPECT_EQ(testing::State().PA, 14.5);
}

TEST_F(FieldBehaviourTest, ZeroOrALonePointInThePitchEmptiesTheField) {
    for (const char* keys : {"0", "."}) {
        Enter("TextDP", keys);
        EXPECT_EQ(Field("TextDP").text(), "") << keys;
        EXPECT_EQ(testing::State().DP, 0.0) << keys;
    }
}

TEST_F(FieldBehaviourTest, ZeroHelixAngleStaysVisible) {
    Enter("TextHA", "0");
    EXPECT_EQ(Field("TextHA").text(), "0.00000");
}

TEST_F(FieldBehaviourTest, ZeroPinionTeethKeepTheZeroAndEstimateNothing) {
    Enter("TextDP", "10");
    Enter("TextNT2", "40");
    Enter("TextNT1", "0");
    EXPECT_EQ(Field("TextNT1").text(), "0");
    EXPECT_EQ(testing::State().NT1, 0.0);
    EXPECT_EQ(Field("TextOD1").text(), "");
    EXPECT_EQ(Field("TextCD").text(), "");
}

TEST_F(FieldBehaviourTest, TeethAndPitchGiveTheEstimates) {
    Enter("TextNT1", "20");
    Enter("TextNT2", "40");
    Enter("TextDP", "10");
    EXPECT_EQ(Field("TextDP").text(), "10.00000");
    EXPECT_EQ(Field("TextOD1").text(), "2.20000");
    EXPECT_EQ(Field("TextOD2").text(), "4.20000");
    EXPECT_EQ(Field("TextCD").text(), "3.00000");
    EXPECT_EQ(testing::State().CD, 3.0);
}

TEST_F(FieldBehaviourTest, TypedOutsideDiameterSurvivesUntilTheHelixAngleIsEdited) {
    Enter("TextNT1", "20");
    Enter("TextNT2", "40");
    Enter("TextDP", "10");
    Enter("TextOD1", "2.25");
    EXPECT_EQ(Field("TextOD1").text(), "2.25000");
    Enter("TextNT2", "40");
    EXPECT_EQ(Field("TextOD1").text(), "2.25000");
    EXPECT_FLOAT_EQ(testing::State().OD1.Value(), 2.25f);

    TypeInto("TextHA", "0");
    EXPECT_EQ(Field("TextOD1").text(), "");
    EXPECT_EQ(Field("TextOD2").text(), "");
    EXPECT_EQ(Field("TextCD").text(), "");
    PressTab("TextHA");
    EXPECT_EQ(Field("TextOD1").text(), "2.20000");
    EXPECT_EQ(Field("TextOD2").text(), "4.20000");
    EXPECT_EQ(Field("TextCD").text(), "3.00000");
}

TEST_F(FieldBehaviourTest, MorePinionThanGearTeethWarnsAndExchangesThem) {
    Enter("TextNT1", "40");
    Enter("TextNT2", "20");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0], ToothExchangeWarning());
    EXPECT_EQ(Field("TextNT1").text(), "20");
    EXPECT_EQ(Field("TextNT2").text(), "40");
    EXPECT_EQ(testing::State().NT1, 20.0);
    EXPECT_EQ(testing::State().NT2, 40.0);
}

TEST_F(FieldBehaviourTest, ExchangedTeethDiscardTheDiameters) {
    Enter("TextNT1", "20");
    Enter("TextNT2", "40");
    Enter("TextDP", "10");
    ASSERT_EQ(Field("TextOD2").text(), "4.20000");
    Enter("TextNT1", "50");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(Field("TextNT1").text(), "40");
    EXPECT_EQ(Field("TextNT2").text(), "50");
    EXPECT_EQ(Field("TextOD1").text(), "");
    EXPECT_EQ(Field("TextOD2").text(), "");
    EXPECT_EQ(Field("TextCD").text(), "");
    EXPECT_EQ(testing::State().OD2, 0.0);
}

TEST_F(FieldBehaviourTest, InternalReestimatesAndRelabels) {
    Enter("TextNT1", "20");
    Enter("TextNT2", "60");
    Enter("TextDP", "10");
    ASSERT_EQ(Field("TextOD2").text(), "6.20000");
    QTest::mouseClick(&Control<QRadioButton>("Option2"), Qt::LeftButton);
    EXPECT_EQ(testing::State().GearType, PairKind::Internal);
    EXPECT_EQ(Field("TextOD1").text(), "2.20000");
    EXPECT_EQ(Field("TextOD2").text(), "5.80000");
    EXPECT_EQ(Field("TextCD").text(), "2.00000");
    EXPECT_EQ(Control<QLabel>("LabelOD").text(), "O.D. Pinion and I.D. Gear");
    EXPECT_EQ(Focused(), &Field("TextNT1"));
    EXPECT_EQ(Field("TextNT1").selectedText(), "20");
}

TEST_F(FieldBehaviourTest, ClickingInternalAgainOnlyMovesTheFocus) {
    Enter("TextNT1", "20");
    Enter("TextNT2", "60");
    Enter("TextDP", "10");
    QTest::mouseClick(&Control<QRadioButton>("Option2"), Qt::LeftButton);
    Enter("TextOD2", "5.75");
    QTest::mouseClick(&Control<QRadioButton>("Option2"), Qt::LeftButton);
    EXPECT_EQ(Field("TextOD2").text(), "5.75000");
    EXPECT_EQ(Focused(), &Field("TextNT1"));
}

TEST_F(FieldBehaviourTest, ExternalAgainRestoresTheLabel) {
    QTest::mouseClick(&Control<QRadioButton>("Option2"), Qt::LeftButton);
    QTest::mouseClick(&Control<QRadioButton>("Option1"), Qt::LeftButton);
    EXPECT_EQ(Control<QLabel>("LabelOD").text(), "Outside Diameter");
    EXPECT_EQ(testing::State().GearType, PairKind::External);
}

TEST_F(FieldBehaviourTest, EnterMovesToTheNextFieldAndIsNotTyped) {
    TypeInto("TextNT1", "20");
    QTest::keyClick(&Field("TextNT1"), Qt::Key_Return);
    EXPECT_EQ(Focused(), &Field("TextNT2"));
    EXPECT_EQ(Field("TextNT1").text(), "20");
    EXPECT_EQ(testing::State().NT1, 20.0);
}

TEST_F(FieldBehaviourTest, ArrowsStepThroughTheTabOrder) {
    Field("TextNT1").setFocus(Qt::TabFocusReason);
    QTest::keyClick(Focused(), Qt::Key_Down);
    EXPECT_EQ(Focused(), &Field("TextNT2"));
    QTest::keyClick(Focused(), Qt::Key_Down);
    EXPECT_EQ(Focused(), &Field("TextDP"));
    QTest::keyClick(Focused(), Qt::Key_Up);
    EXPECT_EQ(Focused(), &Field("TextNT2"));
}

TEST_F(FieldBehaviourTest, ArrowsAlsoMoveFromButtonsAndOptions) {
    Control<QPushButton>("Command1").setFocus(Qt::TabFocusReason);
    QTest::keyClick(Focused(), Qt::Key_Up);
    EXPECT_EQ(Focused(), &Field("TextCD"));
    Control<QRadioButton>("Option1").setFocus(Qt::TabFocusReason);
    QTest::keyClick(Focused(), Qt::Key_Down);
    EXPECT_EQ(Focused(), &Field("TextOD2"));
    QTest::keyClick(Focused(), Qt::Key_Up);
    EXPECT_EQ(Focused(), &Control<QRadioButton>("Option1"));
}

TEST_F(FieldBehaviourTest, EnteringAFieldSelectsItsText) {
    Enter("TextNT1", "20");
    Field("TextNT2").setFocus(Qt::TabFocusReason);
    QTest::keyClick(Focused(), Qt::Key_Up);
    EXPECT_EQ(Field("TextNT1").selectedText(), "20");
}

// The field is left as it was and the one message names what it takes and what the text brought.
void ExpectRefused(const testing::RecordingDialogs& dialogs, QLineEdit& field, const QString& before,
                   const std::string& refused) {
    EXPECT_EQ(field.text(), before) << field.objectName().toStdString();
    ASSERT_EQ(dialogs.shown.size(), 1u) << field.objectName().toStdString();
    EXPECT_NE(dialogs.shown[0].text.find("takes only digits"), std::string::npos) << dialogs.shown[0].text;
    EXPECT_NE(dialogs.shown[0].text.find(refused), std::string::npos) << dialogs.shown[0].text;
}

TEST_F(FieldBehaviourTest, APasteWithCharactersTheFieldRefusesChangesNothingAndSaysSo) {
    const std::tuple<const char*, const char*, std::string> pastes[] = {{"TextOD2", "4,25", "use a point"},
                                                                        {"TextDP", "12ab", "\"a\" or \"b\""},
                                                                        {"TextCD", "1e3", "\"e\""},
                                                                        {"TextNT1", "2a.0 x", "\".\""}};
    for (const auto& [name, text, refused] : pastes) {
        Enter(name, "3");
        const QString before = Field(name).text();
        dialogs.shown.clear();
        QApplication::clipboard()->setText(text);
        Field(name).setFocus(Qt::TabFocusReason);
        Field(name).end(false);
        QTest::keySequence(&Field(name), QKeySequence::Paste);
        ExpectRefused(dialogs, Field(name), before, refused);
    }
}

TEST_F(FieldBehaviourTest, ADropWithCharactersTheFieldRefusesChangesNothingAndSaysSo) {
    testing::DropText(Field("TextOD1"), "OD 2.75 in");
    ExpectRefused(dialogs, Field("TextOD1"), "", "spaces");
    dialogs.shown.clear();
    testing::DropText(Field("TextOD1"), "4,25");
    ExpectRefused(dialogs, Field("TextOD1"), "", "use a point");
    dialogs.shown.clear();
    testing::DropText(Field("TextDP"), "12.5");
    EXPECT_EQ(Field("TextDP").text(), "12.5");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(FieldBehaviourTest, AMiddleClickPasteWithCharactersTheFieldRefusesChangesNothingAndSaysSo) {
    Field("TextDP").setFocus(Qt::TabFocusReason);
    if (!testing::MiddleClickPaste(Field("TextDP"), "12ab")) {
        GTEST_SKIP() << "no primary selection on this platform";
    }
    ExpectRefused(dialogs, Field("TextDP"), "", "\"a\" or \"b\"");
    Field("TextOD2").setFocus(Qt::TabFocusReason);
    testing::MiddleClickPaste(Field("TextOD2"), QString(45, QLatin1Char('9')));
    EXPECT_EQ(Field("TextOD2").text(), "");
}

TEST_F(FieldBehaviourTest, ArrowKeySelectionOfAnOptionIsItsClickAndDigitsGoIntoThePinionTeeth) {
    Control<QRadioButton>("Option1").setFocus(Qt::TabFocusReason);
    QTest::keyClick(Focused(), Qt::Key_Right);
    EXPECT_TRUE(Control<QRadioButton>("Option2").isChecked());
    EXPECT_EQ(testing::State().GearType, PairKind::Internal);
    EXPECT_EQ(Control<QLabel>("LabelOD").text(), "O.D. Pinion and I.D. Gear");
    EXPECT_EQ(Focused(), &Field("TextNT1"));
    QTest::keyClicks(Focused(), "25");
    EXPECT_EQ(Field("TextNT1").text(), "25");

    Control<QRadioButton>("Option2").setFocus(Qt::TabFocusReason);
    QTest::keyClick(Focused(), Qt::Key_Left);
    EXPECT_TRUE(Control<QRadioButton>("Option1").isChecked());
    EXPECT_EQ(testing::State().GearType, PairKind::External);
    EXPECT_EQ(Control<QLabel>("LabelOD").text(), "Outside Diameter");
    EXPECT_EQ(Focused(), &Field("TextNT1"));
}

TEST_F(FieldBehaviourTest, PasteOfRejectedCharactersOnlyChangesNothing) {
    Enter("TextNT1", "20");
    QApplication::clipboard()->setText("abc");
    Field("TextNT1").setFocus(Qt::TabFocusReason);
    Field("TextNT1").end(false);
    QTest::keySequence(&Field("TextNT1"), QKeySequence::Paste);
    EXPECT_EQ(Field("TextNT1").text(), "20");
}

TEST_F(FieldBehaviourTest, KeystrokeThatWouldOverflowASingleIsRefused) {
    TypeInto("TextDP", QString(45, QLatin1Char('9')));
    EXPECT_EQ(Field("TextDP").text(), QString(38, QLatin1Char('9')));
}

TEST_F(FieldBehaviourTest, PasteThatWouldOverflowASingleIsRefused) {
    Enter("TextCD", "1");
    QApplication::clipboard()->setText(QString(45, QLatin1Char('9')));
    TypeInto("TextCD", "");
    QTest::keySequence(&Field("TextCD"), QKeySequence::Paste);
    EXPECT_EQ(Field("TextCD").text(), "1.00000");
}

} // namespace
} // namespace korvanta
