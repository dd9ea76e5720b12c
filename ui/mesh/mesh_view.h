#pragma once

#include <QPointF>
#include <QRectF>
#include <QTransform>

#include "core/mesh_geometry.h"

namespace korvanta {

// The part of the transverse plane a mesh picture shows: the point at the middle of the target and the
// plane length that fits across the target's shorter side, so that one view shows the same part on a
// window, a page and a file whatever their shapes.
struct MeshView {
    MeshPoint centre;
    double span = 1.0;
};

// The first view: the path of contact in the middle, with the teeth in mesh round it.
MeshView ContactZoneView(const MeshPicture& picture);
// Home: both members whole.
MeshView WholePairView(const MeshPicture& picture);

// From the plane (y up) to the target (y down).
QTransform PlaneToTarget(const QRectF& target, const MeshView& view);

// The view `factor` times closer (below 1: farther), the plane point under `fixed` staying there.
MeshView ZoomedAbout(const MeshView& view, const QRectF& target, const QPointF& fixed, double factor);
// The view moved with the target's contents by `by`, as a drag moves them.
MeshView Panned(const MeshView& view, const QRectF& target, const QPointF& by);

} // namespace korvanta
