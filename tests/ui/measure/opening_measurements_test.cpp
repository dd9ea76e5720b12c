#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

#include "logic/measurement_form.h"
#include "logic/output_table.h"
#include "output/pair_setup.h"
#include "support/window_test.h"
#include "ui/input/input_window.h"
#include "ui/measure/measurements_window.h"
#include "ui/output/output_window.h"
#include "ui/output/output_window_description.h"
#include "ui/program_windows.h"

namespace korvanta::testing {
namespace {

const FieldTexts& PairOf(PairKind kind) {
    return kind == PairKind::External ? kExternalSpurPair : kInternalSpurPair;
}

// The contact ratio the measurements of the entered pair give.
std::string ExpectedContactRatio(const GearPairState& entered) {
    const PairSolution solution = SolvePair(entered);
    EXPECT_TRUE(solution.Complete());
    return MeasurementForm(solution).Texts().contactRatio;
}

// The measurements window is open and shows the contact ratio.
void ExpectMeasurementsShown(const std::string& contactRatio) {
    MeasurementsWindow* measurements = Windows().LoadedMeasurements();
    ASSERT_NE(measurements, nullptr);
    EXPECT_TRUE(measurements->isVisible());
    EXPECT_FALSE(contactRatio.empty());
    EXPECT_EQ(Control<QLineEdit>(*measurements, "TextCR2").text().toStdString(), contactRatio);
}

class OutputWindowOpensMeasurements : public WindowTest, public ::testing::WithParamInterface<PairKind> {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        CalculatePair(GetParam() == PairKind::External, PairOf(GetParam()));
        entered = State();
        output = &Windows().Output(GetParam());
        ASSERT_TRUE(ShowActive(*output));
    }

    QAction& MeasurementsAction() {
        auto* action = output->findChild<QAction*>("ActionMeasurements");
        EXPECT_NE(action, nullptr);
        if (action == nullptr) {
            throw MissingControl("ActionMeasurements");
        }
        return *action;
    }

    GearPairState entered;
    OutputWindow* output = nullptr;
};

TEST_P(OutputWindowOpensMeasurements, WithCtrlM) {
    QWidget* focused = output->focusWidget() != nullptr ? output->focusWidget() : output;
    QTest::keyClick(focused, Qt::Key_M, Qt::ControlModifier);
    ExpectMeasurementsShown(ExpectedContactRatio(entered));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_P(OutputWindowOpensMeasurements, FromTheContextMenuOfTheTable) {
    QAction& action = MeasurementsAction();
    EXPECT_EQ(action.text(), "Inspection &Measurements...");
    EXPECT_TRUE(output->actions().contains(&action));
    EXPECT_EQ(output->contextMenuPolicy(), Qt::ActionsContextMenu);
    const OutputRowNames& firstRow = DescriptionOf(GetParam()).rows.front();
    EXPECT_EQ(Control<QLineEdit>(*output, firstRow.pinion).contextMenuPolicy(), Qt::CustomContextMenu);
    action.trigger();
    ExpectMeasurementsShown(ExpectedContactRatio(entered));
}

TEST_P(OutputWindowOpensMeasurements, WhichStaysUsableWhenTheOutputWindowCloses) {
    MeasurementsAction().trigger();
    Control<QPushButton>(*output, "CommandClose").click();
    QApplication::processEvents();
    EXPECT_EQ(Windows().LoadedOutput(GetParam()), nullptr);
    MeasurementsWindow* measurements = Windows().LoadedMeasurements();
    ASSERT_NE(measurements, nullptr);
    EXPECT_TRUE(measurements->isVisible());
    EXPECT_TRUE(measurements->isEnabled());
    Control<QPushButton>(*measurements, "CommandClose").click();
    QApplication::processEvents();
    EXPECT_EQ(Windows().LoadedMeasurements(), nullptr);
}

TEST_P(OutputWindowOpensMeasurements, EveryRowCaptionExplainsItself) {
    const OutputWindowDescription& description = DescriptionOf(GetParam());
    for (const OutputRowNames& row : description.rows) {
        EXPECT_FALSE(Control<QLabel>(*output, row.caption).toolTip().isEmpty()) << row.caption;
    }
    const std::size_t overlap = static_cast<std::size_t>(OutputRow::ProfileOverlap);
    EXPECT_TRUE(Control<QLabel>(*output, description.rows[overlap].caption)
                    .toolTip()
                    .contains("Inspection Measurements"));
}

INSTANTIATE_TEST_SUITE_P(Kinds, OutputWindowOpensMeasurements,
                         ::testing::Values(PairKind::External, PairKind::Internal),
                         [](const ::testing::TestParamInfo<PairKind>& kind) {
                             return kind.param == PairKind::External ? std::string("External")
                                                                     : std::string("Internal");
                         });

class InspectionMenu : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        input = &Windows().Input();
        ASSERT_TRUE(ShowActive(*input));
    }

    // Chooses the kind and types every field, leaving each with Tab.
    void Enter(PairKind kind, const FieldTexts& texts) { EnterPair(*input, kind, texts); }

    void ChooseMeasurements() {
        auto* item = input->findChild<QAction*>("MnuMeasurements");
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), QString::fromUtf8("&Measurements…"));
        item->trigger();
        QApplication::processEvents();
    }

    InputWindow* input = nullptr;
};

TEST_F(InspectionMenu, MeasuresAValidPairWithoutOpeningItsOutputWindow) {
    for (PairKind kind : {PairKind::External, PairKind::Internal}) {
        Enter(kind, PairOf(kind));
        ChooseMeasurements();
        ExpectMeasurementsShown(ExpectedContactRatio(State()));
        EXPECT_EQ(Windows().LoadedOutput(kind), nullptr);
        EXPECT_TRUE(input->isEnabled());
        EXPECT_TRUE(dialogs.shown.empty());
        Control<QPushButton>(Windows().Measurements(), "CommandClose").click();
        QApplication::processEvents();
        ASSERT_TRUE(Activate(*input));
    }
}

// The window follows the pair on screen: it says so when the entries change under it, measures the
// pair again when it is calculated again, and keeps the ball size typed for it, also when it is closed
// and opened again.
TEST_F(InspectionMenu, MeasurementsFollowThePairAndKeepTheBallSizeTypedForIt) {
    Enter(PairKind::External, kExternalSpurPair);
    ChooseMeasurements();
    MeasurementsWindow* window = Windows().LoadedMeasurements();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(Activate(*window));
    QLabel& notice = Control<QLabel>(*window, "LabelEntriesChanged");
    EXPECT_FALSE(notice.isVisible());
    QLineEdit& pin = Control<QLineEdit>(*window, "TextPin1");
    pin.setFocus(Qt::TabFocusReason);
    pin.selectAll();
    QTest::keyClicks(&pin, "0.2");
    QTest::keyClick(&pin, Qt::Key_Tab);

    // What the pair entered gives over a ball of 0.2, measured afresh.
    const auto expectedOverBalls = [] {
        PerMember<MeasurementChoice> choices{};
        choices.pinion.pinDiameter = 0.2;
        return MeasurementForm(SolvePair(State()), choices).Texts().members.pinion.overPins;
    };
    EXPECT_EQ(Control<QLineEdit>(*window, "TextOverPins1").text().toStdString(), expectedOverBalls());

    ASSERT_TRUE(Activate(*input));
    QLineEdit& od1 = Control<QLineEdit>(*input, "TextOD1");
    od1.setFocus(Qt::TabFocusReason);
    od1.selectAll();
    QTest::keyClicks(&od1, "2.25");
    QTest::keyClick(&od1, Qt::Key_Tab);
    EXPECT_TRUE(notice.isVisibleTo(window));
    EXPECT_EQ(notice.text().toStdString(), kEntriesChangedNotice);

    // Calculate opens the output window, whose calculation the measurements follow.
    Control<QPushButton>(*input, "Command1").click();
    QApplication::processEvents();
    ASSERT_NE(Windows().LoadedOutput(PairKind::External), nullptr);
    ASSERT_TRUE(Activate(*Windows().LoadedOutput(PairKind::External)));
    EXPECT_FALSE(notice.isVisibleTo(window));
    EXPECT_EQ(Control<QLineEdit>(*window, "TextOverPins1").text().toStdString(), expectedOverBalls());
    const QString typedBall = pin.text();

    Control<QPushButton>(*window, "CommandClose").click();
    QApplication::processEvents();
    OpenMeasurements(Windows(), *Windows().LoadedOutput(PairKind::External));
    ASSERT_NE(Windows().LoadedMeasurements(), nullptr);
    EXPECT_EQ(Control<QLineEdit>(*Windows().LoadedMeasurements(), "TextPin1").text(), typedBall);
    EXPECT_EQ(Control<QLineEdit>(*Windows().LoadedMeasurements(), "TextOverPins1").text().toStdString(),
              expectedOverBalls());
}

TEST_F(InspectionMenu, EmptyEntriesAreRefusedAsCalculateRefusesThem) {
    ChooseMeasurements();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    const Message refusal = dialogs.shown.front();
    const QWidget* focused = QApplication::focusWidget();
    EXPECT_EQ(Windows().LoadedMeasurements(), nullptr);
    EXPECT_EQ(Windows().LoadedOutput(PairKind::External), nullptr);

    dialogs.shown.clear();
    Control<QPushButton>(*input, "Command1").click();
    QApplication::processEvents();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown.front().text, refusal.text);
    EXPECT_EQ(dialogs.shown.front().icon, refusal.icon);
    EXPECT_EQ(QApplication::focusWidget(), focused);
    ASSERT_NE(focused, nullptr);
    EXPECT_TRUE(focused->objectName().startsWith("Text"));
}

} // namespace
} // namespace korvanta::testing
