#pragma once

#include <QPoint>
#include <QWidget>
#include <optional>

#include "core/mesh_geometry.h"
#include "ui/mesh/mesh_view.h"

namespace korvanta {

// The mesh picture on the window: the wheel zooms about the pointer, dragging with the left button
// pans, and the window's buttons and keys zoom about the middle and go back to the whole pair.
class MeshCanvas : public QWidget {
    Q_OBJECT

public:
    explicit MeshCanvas(QWidget* parent = nullptr);

    // A new picture keeps the view; the first one shows the contact zone.
    void SetPicture(const MeshPicture& picture);
    const MeshPicture& Picture() const { return picture_; }
    const MeshView& View() const { return view_; }
    void SetView(const MeshView& view);

    void ZoomAbout(const QPointF& fixed, double factor);
    void ZoomIn();
    void ZoomOut();
    void ShowWholePair();

protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    MeshPicture picture_;
    MeshView view_;
    bool viewChosen_ = false;
    std::optional<QPointF> dragFrom_;
};

} // namespace korvanta
