#pragma once

#include <QWidget>

namespace korvanta {

// Draws the window's plain boxes and rules (a QFrame of shape Box, HLine or VLine with the Plain
// shadow) as filled strips of the frame's line width along its edges, so that every one keeps at least
// one device pixel at any scale factor. Qt strokes such a line with a pen centred on the frame's edge;
// at a fractional scale factor a frame one pixel thick covers device pixels the pen misses, and the
// line vanishes. At a scale factor of 1 the strips are the very pixels Qt draws.
void DrawFrameLinesOnWholePixels(QWidget& window);

} // namespace korvanta
