#include "logic/table_copy.h"

#include <gtest/gtest.h>

namespace korvanta {
namespace {

TableCells TwoRows(LengthUnit unit = LengthUnit::Inch) {
    return {
        unit, {"PINION", "GEAR"}, {{"Number of Teeth", "20", "40"}, {"Pitch Diameter", "2.0000", "4.0000"}}};
}

TEST(TableCopyText, LinesAreUnitsHeadingsThenRowsWhenNoJobDataIsTyped) {
    EXPECT_EQ(TableCopyText({}, TwoRows()), "Units\tin\n"
                                            "\tPINION\tGEAR\n"
                                            "Number of Teeth\t20\t40\n"
                                            "Pitch Diameter\t2.0000\t4.0000\n");
}

TEST(TableCopyText, OnlyTheTypedJobTextsComeFirstInTheirOrder) {
    JobData job;
    job.pinionPart = "P-100";
    job.inspector = "Ann";
    const std::string text = TableCopyText(job, TwoRows(LengthUnit::Millimetre));
    EXPECT_EQ(text.substr(0, text.find("\tPINION")), "Pinion part\tP-100\nInspector\tAnn\nUnits\tmm\n");
}

TEST(TableCopyText, TabsAndLineBreaksWithinATextBecomeOneSpaceEach) {
    JobData job;
    job.note = "first\r\nsecond\tthird\nfourth";
    const std::string text = TableCopyText(job, TwoRows());
    EXPECT_EQ(text.substr(0, text.find('\n')), "Note\tfirst second third fourth");
}

TEST(TableCopyHtml, HoldsTheSameCellsAsATable) {
    JobData job;
    job.drawing = "D-7";
    EXPECT_EQ(TableCopyHtml(job, TwoRows()),
              "<table>\n"
              "<tr><td>Drawing</td><td>D-7</td></tr>\n"
              "<tr><td>Units</td><td>in</td></tr>\n"
              "<tr><th></th><th>PINION</th><th>GEAR</th></tr>\n"
              "<tr><td>Number of Teeth</td><td>20</td><td>40</td></tr>\n"
              "<tr><td>Pitch Diameter</td><td>2.0000</td><td>4.0000</td></tr>\n"
              "</table>\n");
}

TEST(TableCopyHtml, EscapesTheUsersTextAndKeepsTheNotesLineBreaks) {
    JobData job;
    job.pinionPart = "<b>A&B</b> \"x\" 'y'";
    job.note = "one\r\ntwo\nthree";
    const std::string html = TableCopyHtml(job, TwoRows());
    EXPECT_NE(html.find("<td>&lt;b&gt;A&amp;B&lt;/b&gt; &quot;x&quot; &#39;y&#39;</td>"), std::string::npos);
    EXPECT_NE(html.find("<td>one<br>two<br>three</td>"), std::string::npos);
    EXPECT_EQ(html.find("<b>"), std::string::npos);
}

TEST(TableCells, OfAnOutputTableTakeEveryRowInOrder) {
    OutputTable table = NewExternalTable();
    table.columns = {"PINION", "GEAR"};
    table[OutputRow::Teeth] = {"Teeth", "20", "40"};
    const TableCells cells = CellsOf(table, LengthUnit::Millimetre);
    EXPECT_EQ(cells.unit, LengthUnit::Millimetre);
    ASSERT_EQ(cells.rows.size(), static_cast<std::size_t>(kOutputRowCount));
    EXPECT_EQ(cells.rows.front(), (std::array<std::string, 3>{"Teeth", "20", "40"}));
    EXPECT_EQ(cells.rows.back()[0], table[OutputRow::RollOutside].caption);
}

} // namespace
} // namespace korvanta
