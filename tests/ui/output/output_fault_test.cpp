#include <QApplication>
#include <QPushButton>

#include "pair_setup.h"
#include "support/window_test.h"
#include "ui/diagram/diagram_window.h"
#include "ui/input/input_window.h"
#include "ui/output/output_window.h"

namespace korvanta::testing {
namespace {

// The pinion's outside diameter lies below its base circle (a pressure angle of 1 degree).
const FieldTexts kOutsideBelowBasePair = {"20", "40", "10", "1", "0", "1.95", "4.2", "3"};

class OutputFaultTest : public WindowTest {
protected:
    void ExpectOneFaultMessage() {
        std::string shown;
        for (const Message& message : dialogs.shown) {
            shown += message.text + "\n";
        }
        ASSERT_EQ(dialogs.shown.size(), 1u) << shown;
        const Message& message = dialogs.shown.front();
        EXPECT_EQ(message.icon, MessageIcon::Stop);
        EXPECT_EQ(message.title, "Korvanta");
        EXPECT_FALSE(message.question);
        EXPECT_NE(message.text.find("cannot be calculated"), std::string::npos);
        EXPECT_NE(message.text.find("Please check"), std::string::npos);
    }
};

TEST_F(OutputFaultTest, InternalPairWithoutCenterDistanceShowsOneMessageAndCloseReturnsToInput) {
    QWidget* opened = CalculateThroughInputWindow(false, {"20", "60", "10", "20", "0", "2.2", "5.8", ""});
    ASSERT_NE(opened, nullptr);
    OutputWindow& window = *testing::Windows().LoadedOutput(PairKind::Internal);
    InputWindow& input = testing::Windows().Input();
    QApplication::processEvents();
    ExpectOneFaultMessage();
    EXPECT_TRUE(window.isVisible());
    // The internal calculation fills its cells only once it is complete.
    EXPECT_EQ(CellText(window, "TextNT1"), "");
    EXPECT_EQ(CellText(window, "Text_9"), "");
    EXPECT_FALSE(input.isEnabled());

    window.findChild<QPushButton*>("CommandClose")->click();
    QApplication::processEvents();
    EXPECT_TRUE(input.isEnabled());
    EXPECT_EQ(testing::Windows().LoadedOutput(PairKind::Internal), nullptr);
}

TEST_F(OutputFaultTest, ExternalPairWithOutsideDiameterBelowBaseShowsTheCellsFilledBeforeTheFault) {
    QWidget* opened = CalculateThroughInputWindow(true, kOutsideBelowBasePair);
    ASSERT_NE(opened, nullptr);
    OutputWindow& window = *testing::Windows().LoadedOutput(PairKind::External);
    InputWindow& input = testing::Windows().Input();
    QApplication::processEvents();
    ExpectOneFaultMessage();
    const OutputTable expected = TableOfTheLogic(PairKind::External);
    ASSERT_TRUE(expected.fault.has_value());
    ExpectCellsShow(window, expected);
    EXPECT_EQ(CellText(window, "TextOD1"), "1.95000");
    EXPECT_EQ(CellText(window, "Text_11"), "");

    window.findChild<QPushButton*>("CommandClose")->click();
    QApplication::processEvents();
    EXPECT_TRUE(input.isEnabled());
    EXPECT_TRUE(input.findChild<QLineEdit*>("TextOD1")->text() == "1.95000");
}

TEST_F(OutputFaultTest, FaultInTheExchangedOrientationLeavesTheStateAsEntered) {
    CalculatePair(true, kOutsideBelowBasePair);
    GearPairState& state = testing::State();
    ExchangePinionAndGear(state);
    const OutputTable expected = TableOfTheLogic(PairKind::External);
    OutputWindow& window = testing::Windows().Output(PairKind::External);
    ASSERT_TRUE(ShowActive(window));
    QApplication::processEvents();
    ExpectOneFaultMessage();
    ExpectCellsShow(window, expected);
    EXPECT_EQ(state.NT1, Single(40.0));
    EXPECT_EQ(state.OD1, Single(4.2));
    EXPECT_EQ(state.OD2, Single(1.95));
}

TEST_F(OutputFaultTest, CellsAfterTheFaultKeepTheTextOfThePreviousActivation) {
    CalculatePair(false, kInternalSpurPair);
    const OutputTable first = TableOfTheLogic(PairKind::Internal);
    OutputWindow& window = testing::Windows().Output(PairKind::Internal);
    ASSERT_TRUE(ShowActive(window));
    ExpectCellsShow(window, first);
    ASSERT_TRUE(dialogs.shown.empty());

    testing::State().CD = 0;
    DiagramWindow& diagram = testing::Windows().Diagram();
    ASSERT_TRUE(ShowActive(diagram));
    diagram.close();
    ASSERT_TRUE(Activate(window));
    QApplication::processEvents();
    ExpectOneFaultMessage();
    ExpectCellsShow(window, first);
}

} // namespace
} // namespace korvanta::testing
