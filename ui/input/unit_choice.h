#pragma once

#include <QString>

#include "core/length_unit.h"

namespace korvanta {

// The units the input window starts in: the user's last choice, kept in the program's settings
// (inch until a choice is made, or when the settings hold something else).
LengthUnit RememberedUnit();

// Keeps the choice for the next start; false when the settings cannot be written.
bool RememberUnit(LengthUnit unit);

// The file the choice is kept in, to name in a message.
QString UnitSettingsFile();

} // namespace korvanta
