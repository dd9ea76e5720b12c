#include <QTest>
#include <gtest/gtest.h>

#include "input_window_test.h"
#include "ui/output/output_window.h"

namespace korvanta {
namespace {

class CalculateTest : public testing::InputWindowTest {
protected:
    // 20 / 40 teeth, pitch 10, 20° pressure angle, spur: estimates 2.2, 4.2 and 3.
    void EnterPair() {
        Enter("TextNT1", "20");
        Enter("TextNT2", "40");
        Enter("TextDP", "10");
    }

    void ExpectRejected(const std::string& text, const std::string& title, const char* focus) {
        ASSERT_EQ(dialogs.shown.size(), 1u);
        EXPECT_EQ(dialogs.shown[0].text, text);
        EXPECT_EQ(dialogs.shown[0].title, title);
        EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Stop);
        EXPECT_FALSE(dialogs.shown[0].question);
        EXPECT_EQ(Focused(), &Field(focus));
        EXPECT_EQ(Field(focus).selectedText(), Field(focus).text());
        EXPECT_EQ(testing::Windows().LoadedOutput(PairKind::External), nullptr);
        EXPECT_EQ(testing::Windows().LoadedOutput(PairKind::Internal), nullptr);
    }
};

TEST_F(CalculateTest, AllEmptyAsksForThePinionTeeth) {
    ClickCalculate();
    ExpectRejected("Enter the number of teeth for Pinion", "Korvanta", "TextNT1");
}

TEST_F(CalculateTest, MissingOutsideDiameterOfTheGearIsAskedFor) {
    EnterPair();
    TypeInto("TextOD2", "");
    QTest::keyClick(&Field("TextOD2"), Qt::Key_Backspace);
    ClickCalculate();
    ExpectRejected("Enter the OD for gear 2", "Korvanta", "TextOD2");
}

TEST_F(CalculateTest, EmptyCenterDistanceIsTooSmall) {
    EnterPair();
    TypeInto("TextCD", "");
    QTest::keyClick(&Field("TextCD"), Qt::Key_Backspace);
    ClickCalculate();
    ExpectRejected("Center Distance is too small !, Please check your input data", "Brenmark", "TextCD");
}

TEST_F(CalculateTest, CenterDistanceBelowTheBaseCirclesIsTooSmall) {
    EnterPair();
    Enter("TextCD", "2.8");
    ClickCalculate();
    ExpectRejected("Center Distance is too small !, Please check your input data", "Brenmark", "TextCD");
    EXPECT_FLOAT_EQ(testing::State().CD.Value(), 2.8f);
}

TEST_F(CalculateTest, CenterDistanceBeyondTheOutsideDiametersBlamesThemAndFocusesThePinion) {
    EnterPair();
    Enter("TextCD", "3.3");
    ClickCalculate();
    ExpectRejected("Outside diameter of one or both gears is too small !, Please check your input data",
                   "Brenmark", "TextOD1");
}

TEST_F(CalculateTest, InternalPairWithEqualTeethIsRejected) {
    QTest::mouseClick(&Control<QRadioButton>("Option2"), Qt::LeftButton);
    Enter("TextNT1", "30");
    Enter("TextNT2", "30");
    Enter("TextDP", "10");
    ClickCalculate();
    ExpectRejected("Pinion must have fewer teeth than internal gear.", "Brenmark", "TextNT1");
}

TEST_F(CalculateTest, AcceptedExternalPairOpensTheExternalOutputWindow) {
    EnterPair();
    ClickCalculate();
    EXPECT_TRUE(dialogs.shown.empty());
    OutputWindow* output = testing::Windows().LoadedOutput(PairKind::External);
    ASSERT_NE(output, nullptr);
    EXPECT_TRUE(output->isVisible());
    EXPECT_FALSE(output->isModal());
    EXPECT_FLOAT_EQ(testing::State().TDP.Value(), 10.0f);
    EXPECT_NEAR(testing::State().DB1, 1.879385, 1e-6);
    EXPECT_NEAR(testing::State().DB2, 3.758771, 1e-6);
}

TEST_F(CalculateTest, AcceptedInternalPairOpensTheInternalOutputWindow) {
    QTest::mouseClick(&Control<QRadioButton>("Option2"), Qt::LeftButton);
    Enter("TextNT1", "20");
    Enter("TextNT2", "60");
    Enter("TextDP", "10");
    ClickCalculate();
    OutputWindow* output = testing::Windows().LoadedOutput(PairKind::Internal);
    ASSERT_NE(output, nullptr);
    EXPECT_TRUE(output->isVisible());
    EXPECT_EQ(testing::Windows().LoadedOutput(PairKind::External), nullptr);
}

TEST_F(CalculateTest, EnterOnCalculatePressesItAndTheFocusStaysOnTheButton) {
    EnterPair();
    QPushButton& calculate = Control<QPushButton>("Command1");
    calculate.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&calculate, Qt::Key_Return);
    OutputWindow* output = testing::Windows().LoadedOutput(PairKind::External);
    ASSERT_NE(output, nullptr);
    EXPECT_TRUE(output->isVisible());
    output->close();
    ASSERT_TRUE(testing::Activate(*window));
    EXPECT_EQ(Focused(), &calculate);
}

TEST_F(CalculateTest, EnterOnCalculateWithEmptyFieldsShowsTheFirstMessage) {
    Control<QPushButton>("Command1").setFocus(Qt::TabFocusReason);
    QTest::keyClick(&Control<QPushButton>("Command1"), Qt::Key_Enter, Qt::KeypadModifier);
    ExpectRejected("Enter the number of teeth for Pinion", "Korvanta", "TextNT1");
}

} // namespace
} // namespace korvanta
