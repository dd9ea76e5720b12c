#include "ui/print/window_printing.h"

#include "core/arithmetic.h"
#include "logic/print_placement.h"
#include "ui/common/dialogs.h"
#include "ui/common/screen_fit.h"
#include "ui/common/services.h"
#include "ui/print/page_printer.h"

namespace korvanta {

namespace {

Message PlacementFailure() {
    Message message;
    message.text = "The window does not fit on the printer's page and could not be printed.";
    message.icon = MessageIcon::Stop;
    return message;
}

} // namespace

QImage CaptureWindowImage(QWidget& window) {
    return WindowContent(window).grab().toImage();
}

bool PrintImageScaled(const Services& services, const QImage& picture, std::int16_t sizePercent,
                      std::int16_t leftPercent, std::int16_t topPercent) {
    PagePrinter& printer = *services.printer;
    const std::optional<QSizeF> page = printer.StartPage();
    if (!page) {
        return false;
    }
    const QSizeF pictureSize = picture.deviceIndependentSize() * kUnitsPerPixel;
    try {
        const PrintPlacement placement = PlaceScaled(pictureSize.width(), pictureSize.height(), page->width(),
                                                     page->height(), sizePercent, leftPercent, topPercent);
        printer.DrawImage(QRectF(placement.x, placement.y, placement.width, placement.height), picture);
    } catch (const ArithmeticError&) {
        services.dialogs->Show(PlacementFailure());
    }
    return printer.FinishDocument();
}

bool PrintWindowScaled(const Services& services, QWidget& window, std::int16_t sizePercent,
                       std::int16_t leftPercent, std::int16_t topPercent) {
    return PrintImageScaled(services, CaptureWindowImage(window), sizePercent, leftPercent, topPercent);
}

bool PrintWindowOnPage(const Services& services, QWidget& window) {
    return PrintWindowScaled(services, window, kWindowSizePercent, kWindowLeftPercent, kWindowTopPercent);
}

} // namespace korvanta
