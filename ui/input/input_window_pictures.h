#pragma once

#include <QPixmap>

namespace korvanta {

// Pictures of parts of the input window with sample entries, rendered from its own controls.
QPixmap GearTypePicture();        // the "Gear Type" frame with its two options
QPixmap InputDataPicture();       // heading, columns, teeth, pitch and pressure angle rows, "Gear Type"
QPixmap CalculateButtonPicture(); // the "Calculate" button

} // namespace korvanta
