#pragma once

#include <QPainter>
#include <QRectF>
#include <QWidget>

namespace korvanta {

// Size of the roll angle diagram in pixels.
inline constexpr int kDiagramPictureWidth = 688;
inline constexpr int kDiagramPictureHeight = 426;

// Draws the involute roll angle diagram scaled into `target`: the outside, pitch and base circles of
// a model gear with its centre lines, one tooth with involute flanks at the top, the roll and pressure
// angles at the centre and their captions.
void RenderDiagramPicture(QPainter& painter, const QRectF& target);

// The picture on the window.
class DiagramPicture : public QWidget {
    Q_OBJECT

public:
    explicit DiagramPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace korvanta
