#pragma once

#include <QIcon>
#include <QPainter>
#include <QRectF>

namespace korvanta {

// The information symbol of the note buttons: a white letter i on a blue disc, drawn into `target`.
void RenderInfoIcon(QPainter& painter, const QRectF& target);

// The side of the symbol on the note buttons, in pixels.
inline constexpr int kInfoIconSize = 18;

// The symbol as a kInfoIconSize pixel square icon.
QIcon InfoIcon();

} // namespace korvanta
