#include "ui/common/frame_lines.h"

#include <QEvent>
#include <QFrame>
#include <QPainter>

namespace korvanta {

namespace {

bool IsPlainLine(const QFrame& frame) {
    const QFrame::Shape shape = frame.frameShape();
    return frame.frameShadow() == QFrame::Plain &&
           (shape == QFrame::Box || shape == QFrame::HLine || shape == QFrame::VLine);
}

void PaintStrips(QFrame& frame) {
    QPainter painter(&frame);
    const QBrush ink = frame.palette().windowText();
    const int width = frame.lineWidth();
    const QRect area = frame.rect();
    switch (frame.frameShape()) {
    case QFrame::HLine:
        painter.fillRect(QRect(0, area.height() / 2 - width / 2, area.width(), width), ink);
        break;
    case QFrame::VLine:
        painter.fillRect(QRect(area.width() / 2 - width / 2, 0, width, area.height()), ink);
        break;
    default:
        painter.fillRect(QRect(0, 0, area.width(), width), ink);
        painter.fillRect(QRect(0, area.height() - width, area.width(), width), ink);
        painter.fillRect(QRect(0, width, width, area.height() - 2 * width), ink);
        painter.fillRect(QRect(area.width() - width, width, width, area.height() - 2 * width), ink);
        break;
    }
}

class FrameLinePainter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint) {
            return false;
        }
        PaintStrips(static_cast<QFrame&>(*watched));
        return true;
    }
};

} // namespace

void DrawFrameLinesOnWholePixels(QWidget& window) {
    auto* painter = new FrameLinePainter(&window);
    for (QFrame* frame : window.findChildren<QFrame*>()) {
        if (frame->metaObject() == &QFrame::staticMetaObject && IsPlainLine(*frame)) {
            frame->installEventFilter(painter);
        }
    }
}

} // namespace korvanta
