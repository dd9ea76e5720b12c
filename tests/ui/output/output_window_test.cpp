#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPushButton>

#include "click_through.h"
#include "logic/output_table.h"
#include "pair_setup.h"
#include "support/window_test.h"
#include "ui/input/input_window.h"
#include "ui/output/output_window.h"
#include "ui/output/output_window_description.h"
#include "ui/program_windows.h"

namespace korvanta::testing {
namespace {

struct KindCase {
    PairKind kind;
    const FieldTexts* pair;
    FieldTexts helical;
    FieldTexts metric; // in millimetres, the pitch field a module
};

class OutputWindowShowsTheTable : public WindowTest, public ::testing::WithParamInterface<KindCase> {};

// The window on its first activation shows, cell for cell, the table the logic fills from the same
// state: its title, its headings, and every row's caption and pinion and gear cells.
void ExpectShowsTheTableOfTheLogic(PairKind kind, const FieldTexts& texts,
                                   LengthUnit unit = LengthUnit::Inch) {
    CalculatePair(kind == PairKind::External, texts, unit);
    const OutputWindowDescription& description = DescriptionOf(kind);
    OutputTable expected = description.newTable();
    FillTable(SolvePair(State()), expected);

    OutputWindow& window = Windows().Output(kind);
    ASSERT_TRUE(ShowActive(window));
    EXPECT_EQ(window.Kind(), kind);
    EXPECT_EQ(window.windowTitle().toStdString(), expected.title);
    // A metric pair's window says its units inside the window, where a printed page shows them too.
    const QLabel& sign = Control<QLabel>(window, "LabelUnit");
    EXPECT_EQ(sign.isVisibleTo(&window), unit == LengthUnit::Millimetre);
    EXPECT_EQ(CaptionText(window, "Label3").toStdString(), expected.columns[0]);
    EXPECT_EQ(CaptionText(window, "Label4").toStdString(), expected.columns[1]);
    for (std::size_t row = 0; row < expected.rows.size(); ++row) {
        const OutputRowNames& names = description.rows[row];
        EXPECT_EQ(CaptionText(window, names.caption).toStdString(), expected.rows[row].caption)
            << names.caption;
        EXPECT_EQ(CellText(window, names.pinion).toStdString(), expected.rows[row].pinion) << names.pinion;
        EXPECT_EQ(CellText(window, names.gear).toStdString(), expected.rows[row].gear) << names.gear;
    }
}

TEST_P(OutputWindowShowsTheTable, OfTheStandardSpurPair) {
    ExpectShowsTheTableOfTheLogic(GetParam().kind, *GetParam().pair);
}

TEST_P(OutputWindowShowsTheTable, OfAHelicalPair) {
    ExpectShowsTheTableOfTheLogic(GetParam().kind, GetParam().helical);
}

// The title and the pitch rows' captions of a metric pair are the table's too.
TEST_P(OutputWindowShowsTheTable, OfAMetricPair) {
    ExpectShowsTheTableOfTheLogic(GetParam().kind, GetParam().metric, LengthUnit::Millimetre);
    EXPECT_TRUE(Windows().Output(GetParam().kind).windowTitle().endsWith(" (mm)"));
}

// Closing the window, by its button or by its frame, enables the input window again and releases the
// output window.
TEST_P(OutputWindowShowsTheTable, ClosingEnablesTheInputWindowAndReleasesTheWindow) {
    const PairKind kind = GetParam().kind;
    for (const bool byButton : {true, false}) {
        CalculatePair(kind == PairKind::External, *GetParam().pair);
        InputWindow& input = Windows().Input();
        ASSERT_TRUE(ShowActive(input));
        OutputWindow& window = Windows().Output(kind);
        ASSERT_TRUE(ShowActive(window));
        EXPECT_FALSE(input.isEnabled());
        if (byButton) {
            window.findChild<QPushButton*>("CommandClose")->click();
        } else {
            window.close();
        }
        QCoreApplication::processEvents();
        EXPECT_TRUE(input.isEnabled()) << byButton;
        EXPECT_EQ(Windows().LoadedOutput(kind), nullptr) << byButton;
    }
}

TEST_P(OutputWindowShowsTheTable, MouseClicksReachTheNoteButtonAndEveryCellThroughTheTableFrame) {
    CalculatePair(GetParam().kind == PairKind::External, *GetParam().pair);
    OutputWindow& window = Windows().Output(GetParam().kind);
    ASSERT_TRUE(ShowActive(window));
    ExpectClicksReachTheNoteButtonAndEveryCell(window);
}

INSTANTIATE_TEST_SUITE_P(Kinds, OutputWindowShowsTheTable,
                         ::testing::Values(KindCase{PairKind::External,
                                                    &kExternalSpurPair,
                                                    {"20", "40", "8", "20", "15", "2.838", "5.426", "3.882"},
                                                    kMetricSpurPair},
                                           KindCase{PairKind::Internal,
                                                    &kInternalSpurPair,
                                                    {"20", "60", "8", "20", "15", "2.838", "7.515", "2.588"},
                                                    {"20", "60", "3.175", "20", "15", "72.0852", "190.881",
                                                     "65.7352"}}),
                         [](const ::testing::TestParamInfo<KindCase>& kindCase) {
                             return kindCase.param.kind == PairKind::External ? std::string("External")
                                                                              : std::string("Internal");
                         });

} // namespace
} // namespace korvanta::testing
