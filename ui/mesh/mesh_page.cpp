#include "ui/mesh/mesh_page.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "ui/mesh/mesh_render.h"

namespace korvanta {

namespace {

constexpr qsizetype kHeaderLinesPerColumn = 4;
// An A4 page across, in the 96 pixels per inch of a drawing program.
constexpr QSize kSvgPage(1123, 794);
constexpr int kPdfResolution = 600;

} // namespace

void RenderMeshPage(QPainter& painter, const QRectF& page, const MeshPage& contents) {
    painter.save();
    painter.fillRect(page, Qt::white);
    const double margin = std::min(page.width(), page.height()) * 0.04;
    const QRectF inner = page.adjusted(margin, margin, -margin, -margin);

    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(inner.height() / 50.0))));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font);
    const auto lines = static_cast<qsizetype>(contents.header.size());
    const qsizetype columns =
        std::max<qsizetype>(1, (lines + kHeaderLinesPerColumn - 1) / kHeaderLinesPerColumn);
    const double columnWidth = inner.width() / static_cast<double>(columns);
    const double lineHeight = metrics.height() * 1.15;
    for (qsizetype line = 0; line < lines; ++line) {
        const QRectF place(inner.left() + columnWidth * static_cast<double>(line / kHeaderLinesPerColumn),
                           inner.top() + lineHeight * static_cast<double>(line % kHeaderLinesPerColumn),
                           columnWidth - metrics.averageCharWidth(), lineHeight);
        const QString text = QString::fromStdString(contents.header[static_cast<std::size_t>(line)]);
        painter.drawText(place, Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(text, Qt::ElideRight, place.width()));
    }
    const double headerHeight =
        lineHeight * static_cast<double>(std::min(lines, kHeaderLinesPerColumn)) + lineHeight / 2;
    const QRectF picture = inner.adjusted(0, headerHeight, 0, 0);
    RenderMeshPicture(painter, picture, contents.picture, contents.view);
    QPen frame(QColor(120, 120, 120), std::max(1.0, picture.height() / 600.0));
    frame.setCosmetic(true);
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(picture);
    painter.restore();
}

std::optional<MeshFileFormat> MeshFileFormatOf(const QString& fileName) {
    if (fileName.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        return MeshFileFormat::Svg;
    }
    if (fileName.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
        return MeshFileFormat::Pdf;
    }
    return std::nullopt;
}

std::optional<QString> WriteMeshFile(const QString& fileName, MeshFileFormat format,
                                     const MeshPage& contents) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    const QString title = QStringLiteral("Korvanta mesh picture");
    bool drawn = false;
    if (format == MeshFileFormat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(kSvgPage);
        svg.setViewBox(QRect(QPoint(0, 0), kSvgPage));
        svg.setTitle(title);
        QPainter painter;
        if (painter.begin(&svg)) {
            RenderMeshPage(painter, QRectF(QPointF(0, 0), kSvgPage), contents);
            drawn = painter.end();
        }
    } else {
        QPdfWriter pdf(&file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(kPdfResolution);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Korvanta"));
        QPainter painter;
        if (painter.begin(&pdf)) {
            RenderMeshPage(painter, QRectF(0, 0, pdf.width(), pdf.height()), contents);
            drawn = painter.end();
        }
    }
    if (!drawn) {
        file.cancelWriting();
        return file.errorString().isEmpty() ? QStringLiteral("the drawing could not be made")
                                            : file.errorString();
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return std::nullopt;
}

} // namespace korvanta
