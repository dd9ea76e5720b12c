#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>

namespace korvanta {

struct Services;

// Fifteen units of 1/1440 inch per pixel at 96 dots per inch.
inline constexpr double kUnitsPerPixel = 15.0;

// The window's whole client area as the window shows it at this moment, the part a small screen
// scrolls out of sight included.
QImage CaptureWindowImage(QWidget& window);

// Prints the picture on one page of the services' printer, `sizePercent` of the page in the limiting
// direction, placed at `leftPercent` and `topPercent` of the space left over, and finishes the document.
// True when the page was produced; otherwise the user chose not to print, or the failure has been
// reported, and the program goes on.
bool PrintImageScaled(const Services& services, const QImage& picture, std::int16_t sizePercent,
                      std::int16_t leftPercent, std::int16_t topPercent);

// Where the program's windows go on the page: 90 % of it in the limiting direction, placed at 40 % of the
// horizontal and 30 % of the vertical space left over.
inline constexpr std::int16_t kWindowSizePercent = 90;
inline constexpr std::int16_t kWindowLeftPercent = 40;
inline constexpr std::int16_t kWindowTopPercent = 30;

// CaptureWindowImage, then PrintImageScaled.
bool PrintWindowScaled(const Services& services, QWidget& window, std::int16_t sizePercent,
                       std::int16_t leftPercent, std::int16_t topPercent);

// Prints the window as the print commands of the windows do, with the placement above; the document
// is finished once. True when the page was produced. The window is captured before the printer is asked
// for a page, so a window closed during the printer's questions is not read again.
bool PrintWindowOnPage(const Services& services, QWidget& window);

} // namespace korvanta
