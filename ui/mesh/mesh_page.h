#pragma once

#include <QPainter>
#include <QRectF>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "core/mesh_geometry.h"
#include "ui/mesh/mesh_view.h"

namespace korvanta {

// The mesh picture as it is printed or saved: the header lines (the job, the units, when and by what it
// was made) over the picture, as the view shows it.
struct MeshPage {
    std::vector<std::string> header;
    MeshPicture picture;
    MeshView view;
};

// Draws the page into `page`: the header in columns along the top, the picture framed below it.
void RenderMeshPage(QPainter& painter, const QRectF& page, const MeshPage& contents);

enum class MeshFileFormat { Svg, Pdf };

// The format a file name asks for by its ending (".svg" or ".pdf", in any case); none for another.
std::optional<MeshFileFormat> MeshFileFormatOf(const QString& fileName);

// Writes the page as a vector drawing with its texts as text, an A4 page across, whole or not at all:
// into a new file beside it, then renamed over it. The system's reason when it could not be written.
std::optional<QString> WriteMeshFile(const QString& fileName, MeshFileFormat format,
                                     const MeshPage& contents);

} // namespace korvanta
