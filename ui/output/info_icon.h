#pragma once

#include <QIcon>
#include <QPainter>
#include <QRectF>

namespace korvanta {

// The information symbol of the note buttons: a white letter i on a blue disc, drawn into `target`.
void RenderInfoIcon(QPainter& painter, const QRectF& target);

// The symbol as an 18 x 18 pixel icon.
QIcon InfoIcon();

} // namespace korvanta
