#pragma once

#include <QString>
#include <string_view>

#include "core/length_unit.h"

class QLabel;

namespace korvanta {

// A caption or title of lengths in the pair's unit: a metric pair's gains " (mm)".
QString InUnit(std::string_view text, LengthUnit unit);

// Shows a caption of lengths on its label: with the unit where the label has room for it, else as
// it is (the window's title then names the unit).
void ShowLengthCaption(QLabel& label, std::string_view caption, LengthUnit unit);

// Shows the window's sign of a metric pair ("Metric: module, mm") on its label; an inch pair's window
// shows nothing there.
void ShowUnitSign(QLabel& label, LengthUnit unit);

} // namespace korvanta
