#pragma once

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QRectF>
#include <QSize>

namespace korvanta {

// The program's picture: a spur gear with true involute flanks, centred in the rectangle.
void RenderGearIcon(QPainter& painter, const QRectF& rect);

QPixmap GearIconPixmap(QSize size);
QIcon GearIcon();

} // namespace korvanta
