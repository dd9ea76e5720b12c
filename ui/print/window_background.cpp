#include "ui/print/window_background.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>

namespace korvanta {

QColor ButtonFace() {
    return QApplication::palette().color(QPalette::Button);
}

void SetBackground(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    if (qobject_cast<QLineEdit*>(&widget)) {
        palette.setColor(QPalette::Base, colour);
    } else {
        palette.setColor(QPalette::Window, colour);
        widget.setAutoFillBackground(true);
    }
    widget.setPalette(palette);
}

} // namespace korvanta
