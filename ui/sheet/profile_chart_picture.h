#pragma once

#include <QPainter>
#include <QRectF>

#include "logic/inspection_sheet.h"

namespace korvanta {

// The length on paper of one unit of the chart's deviation (1 µm, or 0.0001 in for an inch pair), in
// millimetres before magnification.
double DeviationUnitMillimetres(const ProfileChart& chart);

// How many millimetres of paper a degree of roll and a unit of deviation take, for a chart drawn into
// a plot `width` by `height` millimetres: the chosen scale, or what fits where none is chosen.
struct ChartMapping {
    double millimetresPerDegree = 0.0;
    double millimetresPerDeviation = 0.0;
};
ChartMapping MappingOf(const ProfileChart& chart, const ChartScale& scale, double width, double height);

// Draws the profile chart of one member into `area` (in millimetres of the page): the roll angle in
// degrees along, the deviation across (plus, material added, upwards) with its grid, the design
// involute, each station a labelled line, the tolerance band with its tip relief, and the scale the
// chart is drawn at. A chart at a chosen scale larger than `area` is cut at its edges.
void RenderProfileChart(QPainter& painter, const QRectF& area, const ProfileChart& chart,
                        const ChartScale& scale);

} // namespace korvanta
