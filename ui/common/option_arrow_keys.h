#pragma once

class QKeyEvent;
class QObject;

namespace korvanta {

// The left and right arrows on an option button select the next or previous option of its group (the
// option buttons sharing its parent, wrapping round) by clicking it: a selection by arrow key runs the
// option's click handler, focus moves included, exactly as a mouse click does. True when the key
// selected an option and is used up.
bool SelectOptionByArrow(QObject* watched, const QKeyEvent& key);

} // namespace korvanta
