#include "ui/sheet/profile_chart_picture.h"

#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "logic/sheet_entries.h"
#include "ui/sheet/page_text.h"

namespace korvanta {

namespace {

// Room round the plot for the deviation's numbers and caption (left), the roll angles' numbers and
// caption (below) and the scale (above).
constexpr double kLeftRoom = 15.0;
constexpr double kBottomRoom = 10.0;
constexpr double kTopRoom = 5.0;
constexpr double kRightRoom = 3.0;
// The ends of the profile are kept off the frame by this share of the roll drawn.
constexpr double kRollPadding = 0.04;
// Grid lines are at least this far apart on paper.
constexpr double kLeastRollSpacing = 10.0;
constexpr double kLeastDeviationSpacing = 5.0;

const QColor kGridColour(200, 200, 200);
const QColor kStationColour(20, 60, 150);
const QColor kBandColour(180, 20, 20);

// The smallest of 1, 2 and 5 times a power of ten that is at least `least`.
double NiceStep(double least) {
    const double power = std::pow(10.0, std::floor(std::log10(least)));
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (factor * power >= least) {
            return factor * power;
        }
    }
    return 10.0 * power;
}

double NonZero(double span, double instead) {
    return span > 0.0 ? span : instead;
}

double RollPadding(const ProfileChart& chart) {
    return NonZero(chart.rollTo - chart.rollFrom, 1.0) * kRollPadding;
}

// The number of a grid line, without the noise of a step's sum.
QString GridNumber(double value, double step) {
    const int decimals = std::max(0, static_cast<int>(std::ceil(-std::log10(step) - 1e-9)));
    const double shown = std::abs(value) < step / 2.0 ? 0.0 : value;
    return QString::number(shown, 'f', decimals);
}

// Three figures, without an exponent.
QString ScaleNumber(double value) {
    const int decimals = value >= 100.0 ? 0 : value >= 10.0 ? 1 : 2;
    return QString::number(value, 'f', decimals);
}

QPen LinePen(const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, width, style);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// Where a roll angle and a deviation fall on the page.
class ChartPlace {
public:
    ChartPlace(const QRectF& plot, const ProfileChart& chart, const ChartMapping& mapping)
        : plot_(plot), mapping_(mapping), rollLeft_(chart.rollFrom - RollPadding(chart)),
          deviationMiddle_((chart.deviationFrom + chart.deviationTo) / 2.0) {}

    double X(double roll) const { return plot_.left() + (roll - rollLeft_) * mapping_.millimetresPerDegree; }
    double Y(double deviation) const {
        return plot_.center().y() - (deviation - deviationMiddle_) * mapping_.millimetresPerDeviation;
    }
    QPointF At(double roll, double deviation) const { return {X(roll), Y(deviation)}; }

    double RollAt(double x) const { return rollLeft_ + (x - plot_.left()) / mapping_.millimetresPerDegree; }
    double DeviationAt(double y) const {
        return deviationMiddle_ + (plot_.center().y() - y) / mapping_.millimetresPerDeviation;
    }

private:
    QRectF plot_;
    ChartMapping mapping_;
    double rollLeft_;
    double deviationMiddle_;
};

QRectF PlotOf(const QRectF& area) {
    return area.adjusted(kLeftRoom, kTopRoom, -kRightRoom, -kBottomRoom);
}

void DrawGrid(QPainter& painter, const QRectF& plot, const ChartPlace& place, const ChartMapping& mapping,
              const QString& deviationUnit, bool tipAtRollFrom) {
    const PageFont numbers(6.5);
    const double rollStep = NiceStep(kLeastRollSpacing / mapping.millimetresPerDegree);
    const double deviationStep = NiceStep(kLeastDeviationSpacing / mapping.millimetresPerDeviation);

    painter.setPen(LinePen(kGridColour, 0.1));
    for (double roll = std::ceil(place.RollAt(plot.left()) / rollStep) * rollStep;
         place.X(roll) <= plot.right(); roll += rollStep) {
        const double x = place.X(roll);
        painter.setPen(LinePen(kGridColour, 0.1));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(Qt::black);
        numbers.Draw(painter, QPointF(x, plot.bottom() + 3.2), GridNumber(roll, rollStep), Qt::AlignHCenter);
    }
    for (double deviation = std::ceil(place.DeviationAt(plot.bottom()) / deviationStep) * deviationStep;
         place.Y(deviation) >= plot.top(); deviation += deviationStep) {
        const double y = place.Y(deviation);
        painter.setPen(LinePen(kGridColour, 0.1));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(Qt::black);
        numbers.Draw(painter, QPointF(plot.left() - 1.2, y + numbers.Ascent() / 2.5),
                     GridNumber(deviation, deviationStep), Qt::AlignRight);
    }

    const PageFont caption(7.0);
    painter.setPen(Qt::black);
    caption.Draw(painter, QPointF(plot.center().x(), plot.bottom() + 7.5), QStringLiteral("Roll angle (°)"),
                 Qt::AlignHCenter);
    // Which end of the trace is the root and which the tip: the internal gear's tip is its inside
    // diameter, at the low roll angles.
    const PageFont ends(6.5, PageFont::Style::Italic);
    const QString root = QStringLiteral("root");
    const QString tip = QStringLiteral("tip");
    ends.Draw(painter, QPointF(plot.left(), plot.bottom() + 7.5), tipAtRollFrom ? tip : root);
    ends.Draw(painter, QPointF(plot.right(), plot.bottom() + 7.5), tipAtRollFrom ? root : tip,
              Qt::AlignRight);
    const QString across = QStringLiteral("Deviation (%1), + material").arg(deviationUnit);
    caption.DrawUpwards(
        painter, QPointF(plot.left() - kLeftRoom + 3.5, plot.center().y() + caption.Width(across) / 2.0),
        across);
}

// Each label reads upwards beside its line, on the left; where the labels before it (along the roll
// angle) are in the way, as at stations close together or at the same roll angle, next to them on the
// right.
void DrawStations(QPainter& painter, const QRectF& plot, const ChartPlace& place, const ProfileChart& chart) {
    std::vector<const ProfileChart::StationLine*> along;
    for (const ProfileChart::StationLine& station : chart.stations) {
        along.push_back(&station);
    }
    std::stable_sort(along.begin(), along.end(),
                     [](const auto* a, const auto* b) { return a->rollAngle < b->rollAngle; });
    const PageFont label(6.0);
    const double thickness = label.Ascent() + 0.4;
    double lastBaseline = -1e9;
    for (const ProfileChart::StationLine* station : along) {
        const double x = place.X(station->rollAngle);
        painter.setPen(LinePen(kStationColour, 0.2, Qt::DashLine));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        const double baseline = std::max(x - 0.6, lastBaseline + thickness);
        painter.setPen(kStationColour);
        const QString text = FromModel(station->label);
        label.DrawUpwards(painter, QPointF(baseline, plot.top() + 1.5 + label.Width(text)), text);
        lastBaseline = baseline;
    }
}

void DrawBand(QPainter& painter, const ChartPlace& place, const ProfileChart& chart) {
    for (const std::vector<ProfileChart::Point>* limit : {&chart.upperLimit, &chart.lowerLimit}) {
        QPolygonF line;
        for (const ProfileChart::Point& point : *limit) {
            line << place.At(point.rollAngle, point.deviation);
        }
        painter.setPen(LinePen(kBandColour, 0.35));
        painter.drawPolyline(line);
    }
}

void DrawScale(QPainter& painter, const QRectF& plot, const ProfileChart& chart, const ChartMapping& mapping,
               const ChartScale& scale) {
    const double unitMillimetres = DeviationUnitMillimetres(chart);
    const QString how = scale.millimetresPerDegree || scale.magnification ? QStringLiteral("Scale")
                                                                          : QStringLiteral("Fitted");
    const QString text = QStringLiteral("%1: %2 mm per degree of roll; deviation magnified %3 times")
                             .arg(how, ScaleNumber(mapping.millimetresPerDegree),
                                  ScaleNumber(mapping.millimetresPerDeviation / unitMillimetres));
    painter.setPen(Qt::black);
    PageFont(6.5, PageFont::Style::Italic)
        .Draw(painter, QPointF(plot.right(), plot.top() - 1.5), text, Qt::AlignRight);
}

} // namespace

double DeviationUnitMillimetres(const ProfileChart& chart) {
    constexpr double kMicrometre = 0.001;
    constexpr double kTenThousandthInch = 0.00254;
    return chart.deviationUnit == DeviationUnitOf(LengthUnit::Inch) ? kTenThousandthInch : kMicrometre;
}

ChartMapping MappingOf(const ProfileChart& chart, const ChartScale& scale, double width, double height) {
    const double roll = NonZero(chart.rollTo - chart.rollFrom, 1.0) + 2.0 * RollPadding(chart);
    const double deviation = NonZero(chart.deviationTo - chart.deviationFrom, 1.0);
    ChartMapping mapping{width / roll, height / deviation};
    if (scale.millimetresPerDegree) {
        mapping.millimetresPerDegree = *scale.millimetresPerDegree;
    }
    if (scale.magnification) {
        mapping.millimetresPerDeviation = *scale.magnification * DeviationUnitMillimetres(chart);
    }
    return mapping;
}

void RenderProfileChart(QPainter& painter, const QRectF& area, const ProfileChart& chart,
                        const ChartScale& scale) {
    const QRectF plot = PlotOf(area);
    const ChartMapping mapping = MappingOf(chart, scale, plot.width(), plot.height());
    const ChartPlace place(plot, chart, mapping);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(area);
    DrawGrid(painter, plot, place, mapping, FromModel(chart.deviationUnit), chart.tipAtRollFrom);
    painter.save();
    painter.setClipRect(plot);
    // The design involute: no deviation.
    painter.setPen(LinePen(Qt::black, 0.25));
    painter.drawLine(QPointF(plot.left(), place.Y(0.0)), QPointF(plot.right(), place.Y(0.0)));
    DrawBand(painter, place, chart);
    DrawStations(painter, plot, place, chart);
    painter.restore();
    painter.setPen(LinePen(Qt::black, 0.3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot);
    DrawScale(painter, plot, chart, mapping, scale);
    painter.restore();
}

} // namespace korvanta
