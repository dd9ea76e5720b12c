#include "ui/mesh/mesh_canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "ui/mesh/mesh_render.h"

namespace korvanta {

namespace {

// One step of the wheel or of a zoom button.
constexpr double kZoomStep = 1.25;
// How far a view may go from the whole pair: from four times it across the window to a two-thousandth.
constexpr double kFarthest = 4.0;
constexpr double kClosest = 1.0 / 2000.0;

} // namespace

MeshCanvas::MeshCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MeshCanvas"));
    setMinimumSize(320, 240);
    setMouseTracking(false);
    setCursor(Qt::OpenHandCursor);
}

void MeshCanvas::SetPicture(const MeshPicture& picture) {
    picture_ = picture;
    if (!viewChosen_) {
        view_ = ContactZoneView(picture_);
        viewChosen_ = true;
    }
    update();
}

void MeshCanvas::SetView(const MeshView& view) {
    view_ = view;
    viewChosen_ = true;
    update();
}

void MeshCanvas::ZoomAbout(const QPointF& fixed, double factor) {
    const double whole = WholePairView(picture_).span;
    const double span = std::clamp(view_.span / factor, whole * kClosest, whole * kFarthest);
    SetView(ZoomedAbout(view_, QRectF(rect()), fixed, view_.span / span));
}

void MeshCanvas::ZoomIn() {
    ZoomAbout(QRectF(rect()).center(), kZoomStep);
}

void MeshCanvas::ZoomOut() {
    ZoomAbout(QRectF(rect()).center(), 1.0 / kZoomStep);
}

void MeshCanvas::ShowWholePair() {
    SetView(WholePairView(picture_));
}

void MeshCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    RenderMeshPicture(painter, QRectF(rect()), picture_, view_);
}

void MeshCanvas::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps != 0) {
        ZoomAbout(event->position(), std::pow(kZoomStep, steps));
    }
    event->accept();
}

void MeshCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragFrom_ = event->position();
        setCursor(Qt::ClosedHandCursor);
    }
}

void MeshCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (dragFrom_ && (event->buttons() & Qt::LeftButton)) {
        SetView(Panned(view_, QRectF(rect()), event->position() - *dragFrom_));
        dragFrom_ = event->position();
    }
}

void MeshCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragFrom_.reset();
        setCursor(Qt::OpenHandCursor);
    }
}

} // namespace korvanta
