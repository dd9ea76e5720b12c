#include <QPageSize>
#include <QPainter>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "hand_filled_sheet.h"
#include "recording_page.h"
#include "ui/sheet/profile_chart_picture.h"
#include "ui/sheet/sheet_pages.h"

namespace korvanta::testing {
namespace {

constexpr double kMargin = 15.0; // of the sheet's pages, in millimetres

QSizeF PaperOf(QPageSize::PageSizeId id) {
    return QPageSize(id).size(QPageSize::Millimeter);
}

std::unique_ptr<RecordingPage> RecordedPage(const InspectionSheet& sheet, QPageSize::PageSizeId paper,
                                            int index, const ChartScale& scale = {}) {
    auto page = std::make_unique<RecordingPage>();
    QPainter painter(page.get());
    RenderSheetPage(painter, QRectF(QPointF(0.0, 0.0), PaperOf(paper)), sheet, index, scale);
    return page;
}

std::unique_ptr<RecordingPage> RecordedChart(const ProfileChart& chart, const QRectF& area,
                                             const ChartScale& scale) {
    auto page = std::make_unique<RecordingPage>();
    QPainter painter(page.get());
    RenderProfileChart(painter, area, chart, scale);
    return page;
}

// The places along of the chart's station lines: dashed and upright.
std::vector<double> StationLinesAlong(const RecordingPage& page) {
    std::set<double> along;
    for (const DrawnLine& drawn : page.lines) {
        if (drawn.pen.style() == Qt::DashLine && std::abs(drawn.line.dx()) < 1e-9) {
            along.insert(drawn.line.x1());
        }
    }
    return {along.begin(), along.end()};
}

// The lines drawn in the band's colour that cross the place along `x`, as the height they have there.
std::vector<double> BandHeightsAt(const RecordingPage& page, double x) {
    std::vector<double> heights;
    for (const DrawnLine& drawn : page.lines) {
        const QLineF& line = drawn.line;
        if (drawn.pen.color() == QColor(180, 20, 20) && std::min(line.x1(), line.x2()) <= x + 1e-9 &&
            std::max(line.x1(), line.x2()) > x + 1e-9) {
            heights.push_back(line.y1() + (x - line.x1()) * line.dy() / line.dx());
        }
    }
    std::sort(heights.begin(), heights.end());
    return heights;
}

class SheetOnPaperTest : public ::testing::TestWithParam<QPageSize::PageSizeId> {};

TEST_P(SheetOnPaperTest, TakesOnePageOfDataAndOneOfTolerancesAndCharts) {
    const InspectionSheet sheet = HandFilledSheet();
    ASSERT_EQ(SheetPageCount(PaperOf(GetParam()), sheet), 2);
    const QString first = RecordedPage(sheet, GetParam(), 0)->AllText();
    const QString second = RecordedPage(sheet, GetParam(), 1)->AllText();
    EXPECT_TRUE(first.contains(QStringLiteral("Gear data")));
    EXPECT_TRUE(first.contains(QStringLiteral("Designer's checks")));
    EXPECT_FALSE(first.contains(QStringLiteral("Pinion profile")));
    EXPECT_TRUE(second.contains(QStringLiteral("Tolerances")));
    EXPECT_TRUE(second.contains(QStringLiteral("Pinion profile")));
    EXPECT_TRUE(second.contains(QStringLiteral("Gear profile")));
}

TEST_P(SheetOnPaperTest, EveryPageCarriesTheHeader) {
    const InspectionSheet sheet = HandFilledSheet();
    for (int index : {0, 1}) {
        const auto page = RecordedPage(sheet, GetParam(), index);
        for (const std::string& field :
             {sheet.header.job.pinionPart, sheet.header.job.gearPart, sheet.header.job.drawing,
              sheet.header.job.inspector, sheet.header.job.note, sheet.header.date, sheet.header.program,
              sheet.header.units, sheet.header.pairKind, sheet.header.fileName}) {
            EXPECT_NE(page->Find(QString::fromStdString(field)), nullptr) << field << " on page " << index;
        }
        EXPECT_NE(page->Find(QStringLiteral("Page %1 of 2").arg(index + 1)), nullptr);
    }
}

TEST_P(SheetOnPaperTest, NothingIsWrittenInTheMargins) {
    const InspectionSheet sheet = HandFilledSheet();
    const QSizeF paper = PaperOf(GetParam());
    const QRectF body = QRectF(QPointF(0.0, 0.0), paper).adjusted(kMargin, kMargin, -kMargin, -kMargin);
    for (int index : {0, 1}) {
        const auto page = RecordedPage(sheet, GetParam(), index);
        for (const DrawnText& text : page->texts) {
            EXPECT_TRUE(body.contains(text.at)) << text.text.toStdString() << " at " << text.at.x() << ", "
                                                << text.at.y() << " on page " << index;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(A4AndLetter, SheetOnPaperTest, ::testing::Values(QPageSize::A4, QPageSize::Letter));

TEST(SheetPageTest, ThePagesHoldEveryTextOfTheTables) {
    const InspectionSheet sheet = HandFilledSheet();
    const auto page = RecordedPage(sheet, QPageSize::A4, 0);
    const auto second = RecordedPage(sheet, QPageSize::A4, 1);
    for (const auto& [rows, on] :
         {std::pair{&sheet.dataBlock, page.get()}, std::pair{&sheet.tolerances, second.get()}}) {
        for (const SheetRow& row : *rows) {
            EXPECT_NE(on->Find(QString::fromStdString(row.caption)), nullptr) << row.caption;
            for (Member member : kMembers) {
                EXPECT_NE(on->Find(QString::fromStdString(row.texts[member])), nullptr) << row.texts[member];
            }
        }
    }
    for (Member member : kMembers) {
        for (const SheetStation& station : sheet.stations[member]) {
            for (const std::string& text : {station.diameter, station.rollAngle, station.rollLength}) {
                EXPECT_NE(page->Find(QString::fromStdString(text)), nullptr) << text;
            }
        }
    }
    EXPECT_NE(second->Find(QString::fromStdString(sheet.toleranceNotes.front())), nullptr);
    EXPECT_NE(page->Find(QString::fromStdString(sheet.checks.front())), nullptr);
}

TEST(SheetPageTest, AStaleSheetSaysSoOnEveryPage) {
    InspectionSheet sheet = HandFilledSheet();
    sheet.staleNotice = "The entries have changed since this pair was calculated.";
    for (int index : {0, 1}) {
        EXPECT_NE(RecordedPage(sheet, QPageSize::A4, index)->Find(QStringLiteral("The entries have changed")),
                  nullptr);
    }
}

TEST(SheetPageTest, ASheetWithoutSingleToothContactSaysWhy) {
    InspectionSheet sheet = HandFilledSheet();
    sheet.singleContactNotice = "With a contact ratio of 2.1 there is no single tooth contact zone.";
    EXPECT_NE(RecordedPage(sheet, QPageSize::A4, 0)->Find(QStringLiteral("no single tooth contact")),
              nullptr);
}

TEST(SheetPageTest, AnInternalPairsColumnsNameTheInternalGear) {
    InspectionSheet sheet = HandFilledSheet();
    sheet.header.pairKind = "Internal pair";
    EXPECT_NE(RecordedPage(sheet, QPageSize::A4, 0)->Find(QStringLiteral("Internal gear")), nullptr);
    EXPECT_EQ(RecordedPage(HandFilledSheet(), QPageSize::A4, 0)->Find(QStringLiteral("Internal gear")),
              nullptr);
}

TEST(SheetPageTest, APageBeyondTheSheetDrawsNothing) {
    EXPECT_TRUE(RecordedPage(HandFilledSheet(), QPageSize::A4, 2)->texts.empty());
}

// 16° between the stations at 4 mm a degree: 64 mm apart on the paper.
TEST(ProfileChartTest, AtAChosenScaleTheStationsLieMillimetresPerDegreeApart) {
    const ProfileChart chart = HandFilledSheet().charts.pinion;
    const auto page = RecordedChart(chart, QRectF(10.0, 10.0, 180.0, 120.0), {4.0, std::nullopt});
    const std::vector<double> along = StationLinesAlong(*page);
    ASSERT_EQ(along.size(), 2u);
    EXPECT_NEAR(along[1] - along[0], 64.0, 1e-9);
}

// The band is 10 µm wide over the evaluation range: magnified 1000 times, 10 mm of paper.
TEST(ProfileChartTest, AtAChosenMagnificationTheBandIsItsWidthTimesTheMagnification) {
    const ProfileChart chart = HandFilledSheet().charts.pinion;
    const ChartScale scale{4.0, 1000.0};
    const auto page = RecordedChart(chart, QRectF(10.0, 10.0, 180.0, 120.0), scale);
    const double atTwentyDegrees = StationLinesAlong(*page).front() + 6.0 * 4.0;
    const std::vector<double> heights = BandHeightsAt(*page, atTwentyDegrees);
    ASSERT_EQ(heights.size(), 2u);
    EXPECT_NEAR(heights[1] - heights[0], 10.0, 1e-9);
}

// An inch pair's deviation is in 0.0001 in: 2.54 µm, so 25.4 mm of paper for the same band at ×1000.
TEST(ProfileChartTest, AnInchChartIsMagnifiedInTenThousandthsOfAnInch) {
    ProfileChart chart = HandFilledSheet().charts.pinion;
    chart.deviationUnit = "0.0001 in";
    const auto page = RecordedChart(chart, QRectF(10.0, 10.0, 180.0, 120.0), {4.0, 1000.0});
    const std::vector<double> heights = BandHeightsAt(*page, StationLinesAlong(*page).front() + 24.0);
    ASSERT_EQ(heights.size(), 2u);
    EXPECT_NEAR(heights[1] - heights[0], 25.4, 1e-9);
}

// The K: from the start of tip relief the band falls to the minus side, so that the upper line at the
// outside diameter lies below the design involute.
TEST(ProfileChartTest, TheBandAboveTheTipReliefAllowsNoPlusMaterial) {
    const ProfileChart chart = HandFilledSheet().charts.pinion;
    const QRectF area(10.0, 10.0, 180.0, 120.0);
    const ChartMapping mapping = MappingOf(chart, {}, 1.0, 1.0);
    ASSERT_GT(mapping.millimetresPerDegree, 0.0);
    const auto page = RecordedChart(chart, area, {});
    const std::vector<double> along = StationLinesAlong(*page);
    const std::vector<double> nearTip = BandHeightsAt(*page, along.back() - 0.5);
    ASSERT_EQ(nearTip.size(), 2u);
    const std::vector<double> middle = BandHeightsAt(*page, (along.front() + along.back()) / 2.0);
    ASSERT_EQ(middle.size(), 2u);
    const double designInvolute = (middle[0] + middle[1]) / 2.0;
    EXPECT_GT(nearTip[0], designInvolute); // page coordinates grow downwards: below the involute
}

TEST(ProfileChartTest, FittedTheStationsLieInsideTheChart) {
    const ProfileChart chart = HandFilledSheet().charts.gear;
    const QRectF area(10.0, 10.0, 120.0, 80.0);
    for (double x : StationLinesAlong(*RecordedChart(chart, area, {}))) {
        EXPECT_GT(x, area.left());
        EXPECT_LT(x, area.right());
    }
}

// An internal gear's stations come from the root (high roll angles) down; two share a roll angle.
TEST(ProfileChartTest, LabelsOfStationsAtOneRollAngleLieSideBySide) {
    ProfileChart chart = HandFilledSheet().charts.gear;
    chart.stations = {{"TIF Ø 6.1770 25.61°", 25.61},
                      {"SAP Ø 6.1720 25.51°", 25.51},
                      {"EAP Ø 5.8000 13.80°", 13.8},
                      {"ID Ø 5.8000 13.80°", 13.8}};
    chart.rollFrom = 13.8;
    chart.rollTo = 25.61;
    const auto page = RecordedChart(chart, QRectF(10.0, 10.0, 180.0, 100.0), {});
    std::vector<double> baselines;
    for (const char* name : {"EAP", "ID", "SAP", "TIF"}) {
        const DrawnText* label = page->Find(QString::fromLatin1(name) + QStringLiteral(" Ø"));
        ASSERT_NE(label, nullptr) << name;
        baselines.push_back(label->at.x());
    }
    for (std::size_t next = 1; next < baselines.size(); ++next) {
        EXPECT_GT(baselines[next] - baselines[next - 1], 2.0) << next; // a 6 pt label is 2.1 mm high
    }
}

TEST(ProfileChartTest, WithoutAClassOnlyTheStationsAreDrawn) {
    ProfileChart chart = HandFilledSheet().charts.gear;
    chart.upperLimit.clear();
    chart.lowerLimit.clear();
    const auto page = RecordedChart(chart, QRectF(10.0, 10.0, 120.0, 80.0), {});
    EXPECT_EQ(StationLinesAlong(*page).size(), 2u);
    EXPECT_TRUE(BandHeightsAt(*page, StationLinesAlong(*page).front() + 1.0).empty());
    EXPECT_NE(page->Find(QStringLiteral("SAP Ø 1.9400 14.13°")), nullptr);
}

} // namespace
} // namespace korvanta::testing
