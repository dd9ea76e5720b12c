#include "ui/mesh/mesh_view.h"

#include <algorithm>
#include <cmath>

namespace korvanta {

namespace {

// Room round what a view is made to show.
constexpr double kMargin = 1.08;

double TargetScale(const QRectF& target, const MeshView& view) {
    return std::min(target.width(), target.height()) / view.span;
}

} // namespace

MeshView ContactZoneView(const MeshPicture& picture) {
    MeshPoint from;
    MeshPoint to;
    for (const LinePoint& point : picture.linePoints) {
        if (point.name == "A") {
            from = point.at;
        } else if (point.name == "E") {
            to = point.at;
        }
    }
    // Wide enough for a tooth on either side of the teeth in mesh.
    const double span = 3.0 * std::max(picture.pathLength, picture.basePitch);
    return {{(from.x + to.x) / 2, (from.y + to.y) / 2}, span > 0 ? span : 1.0};
}

MeshView WholePairView(const MeshPicture& picture) {
    double left = 0;
    double right = 0;
    double bottom = 0;
    double top = 0;
    bool first = true;
    auto take = [&](double x0, double x1, double y0, double y1) {
        left = first ? x0 : std::min(left, x0);
        right = first ? x1 : std::max(right, x1);
        bottom = first ? y0 : std::min(bottom, y0);
        top = first ? y1 : std::max(top, y1);
        first = false;
    };
    for (const MeshCircle& circle : picture.circles) {
        take(circle.centre.x - circle.radius, circle.centre.x + circle.radius,
             circle.centre.y - circle.radius, circle.centre.y + circle.radius);
    }
    for (Member member : kMembers) {
        for (const ToothOutline& tooth : picture.teeth[member]) {
            for (const auto* points : {&tooth.leadingRoot, &tooth.trailingRoot}) {
                for (const MeshPoint& point : *points) {
                    take(point.x, point.x, point.y, point.y);
                }
            }
        }
    }
    if (first) {
        return {};
    }
    const double span = kMargin * std::max(right - left, top - bottom);
    return {{(left + right) / 2, (bottom + top) / 2}, span > 0 ? span : 1.0};
}

QTransform PlaneToTarget(const QRectF& target, const MeshView& view) {
    const double scale = TargetScale(target, view);
    QTransform transform;
    transform.translate(target.center().x(), target.center().y());
    transform.scale(scale, -scale);
    transform.translate(-view.centre.x, -view.centre.y);
    return transform;
}

MeshView ZoomedAbout(const MeshView& view, const QRectF& target, const QPointF& fixed, double factor) {
    const QPointF held = PlaneToTarget(target, view).inverted().map(fixed);
    MeshView zoomed{view.centre, view.span / factor};
    const double scale = TargetScale(target, zoomed);
    zoomed.centre = {held.x() - (fixed.x() - target.center().x()) / scale,
                     held.y() + (fixed.y() - target.center().y()) / scale};
    return zoomed;
}

MeshView Panned(const MeshView& view, const QRectF& target, const QPointF& by) {
    const double scale = TargetScale(target, view);
    return {{view.centre.x - by.x() / scale, view.centre.y + by.y() / scale}, view.span};
}

} // namespace korvanta
