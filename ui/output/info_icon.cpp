#include "ui/output/info_icon.h"

#include <QPixmap>

namespace korvanta {

void RenderInfoIcon(QPainter& painter, const QRectF& target) {
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / kInfoIconSize, target.height() / kInfoIconSize);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0, 0, 128), 1));
    painter.setBrush(QColor(0, 90, 230));
    painter.drawEllipse(QRectF(0.5, 0.5, 17, 17));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(7.6, 3.2, 2.8, 2.8));
    painter.drawRoundedRect(QRectF(7.7, 7.2, 2.6, 7.6), 0.6, 0.6);
    painter.restore();
}

QIcon InfoIcon() {
    QPixmap pixmap(kInfoIconSize, kInfoIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    RenderInfoIcon(painter, QRectF(0, 0, kInfoIconSize, kInfoIconSize));
    painter.end();
    return QIcon(pixmap);
}

} // namespace korvanta
