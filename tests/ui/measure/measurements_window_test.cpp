#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <ostream>

#include "core/normal_pitch.h"
#include "core/number_text.h"
#include "logic/calculate.h"
#include "logic/design_checks.h"
#include "logic/field_tooltips.h"
#include "logic/measurement_form.h"
#include "print/recording_printer.h"
#include "support/window_test.h"
#include "ui/measure/measurements_window.h"

namespace korvanta::testing {
namespace {

struct PairCase {
    const char* name;
    PairKind kind;
    FieldTexts texts;
    const char* interference;
};

const PairCase kPairs[] = {
    {"External20To40",
     PairKind::External,
     {"20", "40", "10", "20", "0", "2.2", "4.2", "3"},
     "No interference: contact starts on the involute of both members."},
    {"Internal20To60",
     PairKind::Internal,
     {"20", "60", "10", "20", "0", "2.2", "5.8", "2"},
     "Interference on the pinion: the gear's tip meets the pinion below its base circle, so the pinion's "
     "SAP shown does not lie on the involute."},
};

void PrintTo(const PairCase& pair, std::ostream* out) {
    *out << pair.name;
}

// Every label shows its whole text: on its one line, or on the lines of its height where it wraps.
void ExpectTextsFit(QWidget& window) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        const QRect needed = label->fontMetrics().boundingRect(
            QRect(0, 0, label->width(), 1000), label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
        EXPECT_LE(needed.width(), label->width()) << label->text().toStdString();
        EXPECT_LE(needed.height(), label->height()) << label->text().toStdString();
    }
}

// The cells of the window's rows, top to bottom, as their object names end.
const char* const kRowNames[kMeasurementRowCount] = {
    "CR",         "Interference", "TT",   "Pin",         "OverPins",    "PinContact",
    "PinProfile", "SpanTeeth",    "Span", "SpanContact", "SpanProfile",
};

PairSolution Calculated(const PairCase& pair) {
    GearPairState state;
    SetStartUpConstants(state);
    Single* const fields[] = {&state.NT1, &state.NT2, &state.DP,  &state.PA,
                              &state.HA,  &state.OD1, &state.OD2, &state.CD};
    for (std::size_t field = 0; field < pair.texts.size(); ++field) {
        *fields[field] = LeadingNumber(pair.texts[field]);
    }
    EXPECT_FALSE(Calculate(state, pair.kind, pair.texts).rejection.has_value());
    return SolvePair(state);
}

QString Cell(QWidget& window, const char* row, int member) {
    return Control<QLineEdit>(window, ("Text" + std::string(row) + std::to_string(member)).c_str()).text();
}

class MeasurementsWindowTest : public WindowTest, public ::testing::WithParamInterface<PairCase> {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        pair = Calculated(GetParam());
        window = &Windows().Measurements();
        window->ShowPair(pair);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window, 2000));
    }

    // Types into the field and leaves it with the key.
    void TypeAndLeave(const char* name, const QString& typed, Qt::Key leave = Qt::Key_Tab) {
        QLineEdit& field = Control<QLineEdit>(*window, name);
        field.setFocus();
        field.selectAll();
        QTest::keyClicks(&field, typed);
        QTest::keyClick(&field, leave);
        QApplication::processEvents();
    }

    MeasurementForm Form() const { return MeasurementForm(pair); }

    PairSolution pair;
    MeasurementsWindow* window = nullptr;
};

TEST_P(MeasurementsWindowTest, ShowsTheRowsTheFormMeasured) {
    EXPECT_EQ(window->windowTitle(), "Inspection Measurements");
    EXPECT_FALSE(Control<QLabel>(*window, "LabelUnit").isVisibleTo(window));
    EXPECT_EQ(window->objectName(), "FormMeasurements");
    const MeasurementForm form = Form();
    const auto rows = form.Rows();
    for (int row = 0; row < kMeasurementRowCount; ++row) {
        const std::string label = std::string("Label") + kRowNames[row];
        EXPECT_EQ(Control<QLabel>(*window, label.c_str()).text().toStdString(), rows[row].caption);
        EXPECT_EQ(Control<QLabel>(*window, label.c_str()).toolTip().toStdString(),
                  MeasurementRowTooltip(static_cast<std::size_t>(row), LengthUnit::Inch));
        EXPECT_EQ(Cell(*window, kRowNames[row], 1).toStdString(), rows[row].pinion) << kRowNames[row];
        EXPECT_EQ(Cell(*window, kRowNames[row], 2).toStdString(), rows[row].gear) << kRowNames[row];
    }
    EXPECT_EQ(Control<QLabel>(*window, "Label4").text().toStdString(), form.Columns()[1]);
    EXPECT_EQ(Control<QLabel>(*window, "LabelInterferenceWords").text(), GetParam().interference);
    EXPECT_EQ(Control<QLineEdit>(*window, "TextSpanTeeth2").isReadOnly(),
              !(GetParam().kind == PairKind::External));
    ExpectTextsFit(*window);
}

// A metric pair is measured in millimetres: the title says so, the lengths have four decimals and a
// pin diameter is typed in millimetres.
class MetricMeasurementsTest : public WindowTest {};

TEST_F(MetricMeasurementsTest, PairIsMeasuredInMillimetres) {
    GearPairState state;
    SetStartUpConstants(state);
    state.Unit = LengthUnit::Millimetre;
    const FieldTexts khk = {"12", "24", "3", "20", "0", "44.84", "79.40", "56.5"};
    state.NT1 = 12;
    state.NT2 = 24;
    StoreNormalPitch(state, 3);
    ASSERT_FALSE(Calculate(state, PairKind::External, khk).rejection.has_value());
    const PairSolution pair = SolvePair(state);
    MeasurementsWindow& window = Windows().Measurements();
    window.ShowPair(pair);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window, 2000));

    MeasurementForm expected(pair);
    EXPECT_EQ(window.windowTitle().toStdString(), expected.Title());
    EXPECT_EQ(window.windowTitle(), "Inspection Measurements (mm)");
    EXPECT_TRUE(Control<QLabel>(window, "LabelUnit").isVisibleTo(&window));
    QLineEdit& pin = Control<QLineEdit>(window, "TextPin1");
    pin.setFocus();
    pin.selectAll();
    QTest::keyClicks(&pin, "5.5");
    QTest::keyClick(&pin, Qt::Key_Tab);
    QApplication::processEvents();
    ASSERT_TRUE(expected.SetText({MeasurementEntry::PinDiameter, Member::Pinion}, "5.5"));
    ASSERT_FALSE(expected.Leave({MeasurementEntry::PinDiameter, Member::Pinion}).has_value());
    EXPECT_EQ(pin.text(), "5.5000");
    EXPECT_EQ(Cell(window, "OverPins", 1).toStdString(), expected.Texts().members.pinion.overPins);
    ExpectTextsFit(window);
}

TEST_P(MeasurementsWindowTest, LeavingAnEditedPinDiameterMeasuresAgain) {
    TypeAndLeave("TextPin1", "0.2");
    MeasurementForm expected = Form();
    ASSERT_TRUE(expected.SetText({MeasurementEntry::PinDiameter, Member::Pinion}, "0.2"));
    ASSERT_FALSE(expected.Leave({MeasurementEntry::PinDiameter, Member::Pinion}).has_value());
    EXPECT_EQ(Cell(*window, "Pin", 1), "0.20000");
    EXPECT_EQ(Cell(*window, "OverPins", 1).toStdString(), expected.Texts().members.pinion.overPins);
    EXPECT_EQ(Cell(*window, "PinContact", 1).toStdString(),
              expected.Texts().members.pinion.pinContactDiameter);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_P(MeasurementsWindowTest, EnterLeavesTheTeethSpannedForTheNextField) {
    TypeAndLeave("TextSpanTeeth1", "2", Qt::Key_Return);
    MeasurementForm expected = Form();
    ASSERT_TRUE(expected.SetText({MeasurementEntry::SpanTeeth, Member::Pinion}, "2"));
    ASSERT_FALSE(expected.Leave({MeasurementEntry::SpanTeeth, Member::Pinion}).has_value());
    EXPECT_EQ(Cell(*window, "SpanTeeth", 1), "2");
    EXPECT_EQ(Cell(*window, "Span", 1).toStdString(), expected.Texts().members.pinion.span);
    EXPECT_NE(QApplication::focusWidget(), &Control<QLineEdit>(*window, "TextSpanTeeth1"));
}

TEST_P(MeasurementsWindowTest, KeysTheFieldDoesNotTakeTypeNothing) {
    QLineEdit& pin = Control<QLineEdit>(*window, "TextPin2");
    pin.setFocus();
    pin.selectAll();
    QTest::keyClicks(&pin, "0a.-3 e");
    EXPECT_EQ(pin.text(), "0.3");
    QLineEdit& span = Control<QLineEdit>(*window, "TextSpanTeeth1");
    span.setFocus();
    span.selectAll();
    QTest::keyClicks(&span, "2.x");
    EXPECT_EQ(span.text(), "2");
}

TEST_P(MeasurementsWindowTest, APasteTheFieldsKeysWouldNotTypeChangesNothingAndSaysSo) {
    QLineEdit& pin = Control<QLineEdit>(*window, "TextPin1");
    const QString before = pin.text();
    pin.setFocus();
    pin.end(false);
    QApplication::clipboard()->setText("0,25");
    QTest::keySequence(&pin, QKeySequence::Paste);
    EXPECT_EQ(pin.text(), before);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].text.find("use a point"), std::string::npos) << dialogs.shown[0].text;
}

TEST_P(MeasurementsWindowTest, RefusedValueIsSaidAndTheFieldTakenBack) {
    const QString before = Cell(*window, "SpanTeeth", 1);
    TypeAndLeave("TextSpanTeeth1", "0");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown.front().icon, MessageIcon::Exclamation);
    EXPECT_EQ(Cell(*window, "SpanTeeth", 1), before);
    EXPECT_EQ(QApplication::focusWidget(), &Control<QLineEdit>(*window, "TextSpanTeeth1"));
}

TEST_P(MeasurementsWindowTest, PrintsOnePageWithoutItsButtons) {
    RecordingPrinter printer;
    TheServices().statusDuration = std::chrono::milliseconds(100);
    Control<QPushButton>(*window, "CommandPrint").click();
    EXPECT_EQ(printer.printedPages, 1);
    ASSERT_EQ(printer.drawings.size(), 1u);
    const QImage& picture = printer.drawings.front().image;
    const QRect close = Control<QPushButton>(*window, "CommandClose").geometry();
    EXPECT_EQ(picture.pixelColor(close.center()), QColor(Qt::white));
    EXPECT_FALSE(Control<QPushButton>(*window, "CommandClose").isVisible()); // until the status ends
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return Control<QPushButton>(*window, "CommandClose").isVisible(); }, 5000));
    EXPECT_TRUE(Control<QPushButton>(*window, "CommandPrint").isVisible());
}

TEST_P(MeasurementsWindowTest, APairWithoutDesignChecksShowsNoneAndKeepsItsSize) {
    ASSERT_TRUE(DesignChecksOf(pair).empty());
    EXPECT_FALSE(Control<QLabel>(*window, "LabelDesignChecks").isVisible());
    EXPECT_EQ(window->size(), QSize(580, 405));
    EXPECT_EQ(Control<QPushButton>(*window, "CommandClose").y(), 365);
}

class DesignChecksWindowTest : public WindowTest {};

// Short addenda: the contact ratio falls below 1, which the window says below the table, above its
// buttons, without a message box.
TEST_F(DesignChecksWindowTest, DesignChecksStandBelowTheTable) {
    const PairSolution pair = Calculated(
        {"ShortAddenda", PairKind::External, {"20", "40", "10", "20", "0", "2.1", "4.1", "3"}, ""});
    const std::vector<std::string> checks = DesignChecksOf(pair);
    ASSERT_EQ(checks.size(), 1u);
    MeasurementsWindow& window = Windows().Measurements();
    window.ShowPair(pair);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window, 2000));
    const QLabel& shown = Control<QLabel>(window, "LabelDesignChecks");
    EXPECT_TRUE(shown.isVisible());
    EXPECT_EQ(shown.text().toStdString(), checks.front());
    const QLabel& interference = Control<QLabel>(window, "LabelInterferenceWords");
    EXPECT_GE(shown.y(), interference.geometry().bottom());
    const QPushButton& close = Control<QPushButton>(window, "CommandClose");
    EXPECT_GT(close.y(), shown.geometry().bottom());
    EXPECT_LE(close.geometry().bottom(), window.height());
    EXPECT_TRUE(dialogs.shown.empty());
    ExpectTextsFit(window);

    // Measured again as a pair without checks, the window is as it always was.
    window.FollowPair(Calculated(kPairs[0]));
    EXPECT_FALSE(shown.isVisible());
    EXPECT_EQ(window.size(), QSize(580, 405));
}

INSTANTIATE_TEST_SUITE_P(Pairs, MeasurementsWindowTest, ::testing::ValuesIn(kPairs),
                         [](const ::testing::TestParamInfo<PairCase>& pairCase) {
                             return pairCase.param.name;
                         });

} // namespace
} // namespace korvanta::testing
