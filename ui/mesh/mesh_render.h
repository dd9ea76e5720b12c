#pragma once

#include <QPainter>
#include <QRectF>

#include "core/mesh_geometry.h"
#include "ui/mesh/mesh_view.h"

namespace korvanta {

// Draws the pair in mesh into `target`, the part of the plane `view` names: each member's teeth (the
// involute flanks solid, the assumed root dashed) over its body, the base, operating pitch, outside,
// SAP and TIF circles of both members, the line of action with T1, T2, A, E, P, B and D, the trouble
// in a warning colour, and the points where teeth touch with their roll angles on both members; over
// it, at the target's own size, the legend, the path length and the contact ratio, and the sentences
// of the assumed root and the trouble. Every line is at least one device pixel wide.
void RenderMeshPicture(QPainter& painter, const QRectF& target, const MeshPicture& picture,
                       const MeshView& view);

} // namespace korvanta
