#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QRect>
#include <QTest>
#include <string>
#include <utility>
#include <vector>

#include "pair_setup.h"
#include "support/window_test.h"
#include "ui/output/output_window.h"
#include "ui/output/output_window_description.h"

namespace korvanta::testing {
namespace {

QRect At(QWidget& window, const char* name) {
    return Control<QWidget>(window, name).geometry();
}

QRect At(QWidget& window, const std::string& name) {
    return At(window, name.c_str());
}

// The rules of the table are numbered down the window after the two column rules: Line3 stands above
// the first row.
std::string RuleAbove(int row) {
    return "Line" + std::to_string(row + 3);
}

std::string Name(QWidget* widget) {
    return widget != nullptr ? widget->objectName().toStdString() : std::string("(none)");
}

class OutputWindowForm : public WindowTest, public ::testing::WithParamInterface<PairKind> {};

// Each row's caption and cells lie between the rule above the row and the next one down (the frame
// under the last row), the caption in the first column, the pinion and gear cells in theirs, and the
// headings over the cells' columns in the row above the first.
TEST_P(OutputWindowForm, EveryRowStandsBetweenItsRulesWithItsCaptionAndCellsInTheirColumns) {
    OutputWindow& window = Windows().Output(GetParam());
    const OutputWindowDescription& description = DescriptionOf(GetParam());
    const QRect frame = At(window, "Shape1");
    const std::vector<int> columnEdges = {frame.left(), At(window, "Line1").x(), At(window, "Line2").x(),
                                          frame.right()};
    auto expectInColumn = [&](const QRect& control, std::size_t column, const char* name) {
        EXPECT_GT(control.left(), columnEdges[column]) << name;
        EXPECT_LT(control.right(), columnEdges[column + 1]) << name;
    };
    for (int row = 0; row < kOutputRowCount; ++row) {
        const OutputRowNames& names = description.rows[row];
        const int above = At(window, RuleAbove(row)).y();
        const int below = row + 1 < kOutputRowCount ? At(window, RuleAbove(row + 1)).y() : frame.bottom();
        for (const char* name : {names.caption, names.pinion, names.gear}) {
            EXPECT_GT(At(window, name).top(), above) << name;
            EXPECT_LT(At(window, name).bottom(), below) << name;
        }
        expectInColumn(At(window, names.caption), 0, names.caption);
        expectInColumn(At(window, names.pinion), 1, names.pinion);
        expectInColumn(At(window, names.gear), 2, names.gear);
    }
    for (const auto& [heading, column] : {std::pair{"Label3", 1u}, std::pair{"Label4", 2u}}) {
        expectInColumn(At(window, heading), column, heading);
        EXPECT_GT(At(window, heading).top(), frame.top()) << heading;
        EXPECT_LT(At(window, heading).top(), At(window, RuleAbove(0)).y()) << heading;
    }
    EXPECT_EQ(window.findChildren<QLineEdit*>().size(), 2 * kOutputRowCount);
}

// Tab goes through the pinion and gear cells row by row, then the note button and the buttons below
// the table left to right, and comes back to the first cell.
TEST_P(OutputWindowForm, TabTakesTheCellsRowByRowThenTheButtons) {
    CalculatePair(GetParam() == PairKind::External,
                  GetParam() == PairKind::External ? kExternalSpurPair : kInternalSpurPair);
    OutputWindow& window = Windows().Output(GetParam());
    ASSERT_TRUE(ShowActive(window));
    std::vector<std::string> expected;
    for (const OutputRowNames& names : DescriptionOf(GetParam()).rows) {
        expected.push_back(names.pinion);
        expected.push_back(names.gear);
    }
    for (const char* button : {"Command4", "CommandClose", "Command2", "Command3", "Command1"}) {
        expected.push_back(button);
    }
    expected.push_back(expected.front());

    Control<QWidget>(window, expected.front().c_str()).setFocus(Qt::TabFocusReason);
    std::vector<std::string> visited = {Name(QApplication::focusWidget())};
    for (std::size_t step = 1; step < expected.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(Name(QApplication::focusWidget()));
    }
    EXPECT_EQ(visited, expected);
}

INSTANTIATE_TEST_SUITE_P(Kinds, OutputWindowForm, ::testing::Values(PairKind::External, PairKind::Internal),
                         [](const ::testing::TestParamInfo<PairKind>& kind) {
                             return kind.param == PairKind::External ? std::string("External")
                                                                     : std::string("Internal");
                         });

struct Placed {
    const char* name;
    QRect external;
    QRect internal;
};

class OutputWindowPlaces : public WindowTest {};

// Where the windows have always put their controls; the printed page is the window's picture, so
// these are the places on paper too.
TEST_F(OutputWindowPlaces, ControlsKeepTheirPlacesInBothWindows) {
    const Placed kPlaces[] = {
        {"Label3", {300, 15, 121, 17}, {290, 15, 121, 17}},
        {"Label4", {440, 15, 121, 17}, {430, 15, 121, 17}},
        {"LabelUnit", {45, 15, 230, 17}, {45, 15, 230, 17}},
        {"LabelNT", {45, 35, 226, 17}, {45, 40, 221, 17}},
        {"TextNT1", {295, 34, 121, 20}, {290, 39, 121, 20}},
        {"TextNT2", {435, 34, 121, 20}, {430, 39, 121, 20}},
        {"LabelTIF_1", {45, 360, 198, 17}, {45, 365, 221, 17}},
        {"Text_12", {435, 484, 121, 20}, {430, 414, 121, 20}},
        {"Text_10", {435, 459, 121, 20}, {430, 489, 121, 20}},
        {"Command4", {244, 357, 37, 21}, {241, 363, 37, 21}},
        {"CommandClose", {55, 525, 91, 26}, {50, 525, 91, 26}},
        {"Command2", {165, 525, 86, 26}, {160, 525, 86, 26}},
        {"Command3", {270, 525, 91, 26}, {265, 525, 91, 26}},
        {"Command1", {380, 525, 171, 26}, {375, 525, 171, 26}},
        {"Shape1", {30, 10, 537, 497}, {30, 10, 533, 502}},
        {"Line1", {285, 10, 1, 497}, {280, 10, 1, 502}},
        {"Line2", {425, 10, 1, 497}, {420, 10, 1, 502}},
        {"Line3", {30, 30, 537, 1}, {30, 35, 533, 1}},
        {"Line21", {30, 480, 537, 1}, {30, 485, 533, 1}},
    };
    for (const PairKind kind : {PairKind::External, PairKind::Internal}) {
        const bool external = kind == PairKind::External;
        OutputWindow& window = Windows().Output(kind);
        EXPECT_EQ(window.objectName(), external ? "FormSAP" : "FormSAP2");
        EXPECT_EQ(window.size(), external ? QSize(600, 567) : QSize(593, 567));
        for (const Placed& placed : kPlaces) {
            EXPECT_EQ(At(window, placed.name), external ? placed.external : placed.internal)
                << window.objectName().toStdString() << " " << placed.name;
        }
    }
}

} // namespace
} // namespace korvanta::testing
