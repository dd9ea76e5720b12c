#include "ui/common/window_placement.h"

#include <QGuiApplication>
#include <QScreen>

namespace korvanta {

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr || window.isMinimized() || window.isMaximized()) {
        return;
    }
    const QRect available = screen->geometry();
    window.move(available.left() + (available.width() - window.width()) / 2,
                available.top() + (available.height() - window.height()) / 2);
}

void SetPointSize(QWidget& widget, qreal points) {
    QFont font = widget.font();
    font.setPointSizeF(points);
    widget.setFont(font);
}

} // namespace korvanta
