#include "ui/print/window_printing.h"

#include <QLineEdit>
#include <QPointer>
#include <vector>

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

// A page shows the window's values, not where the user was working: the focus frame, the selection
// and the mouse's hover highlight are taken away for the picture and given back after it.
QImage CaptureWindowImage(QWidget& window) {
    const QPointer<QWidget> focused = window.focusWidget();
    QLineEdit* const edit = qobject_cast<QLineEdit*>(focused.data());
    const int selectionStart = edit != nullptr ? edit->selectionStart() : -1;
    const int selectionLength = edit != nullptr ? edit->selectionLength() : 0;
    const int cursor = edit != nullptr ? edit->cursorPosition() : 0;
    if (focused) {
        focused->clearFocus();
    }
    if (edit != nullptr) {
        edit->deselect();
    }
    std::vector<QPointer<QWidget>> hovered;
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (child->testAttribute(Qt::WA_UnderMouse)) {
            child->setAttribute(Qt::WA_UnderMouse, false);
            hovered.emplace_back(child);
        }
    }
    QImage picture = WindowContent(window).grab().toImage();
    for (const QPointer<QWidget>& child : hovered) {
        if (child) {
            child->setAttribute(Qt::WA_UnderMouse, true);
        }
    }
    if (focused) {
        focused->setFocus(Qt::OtherFocusReason);
    }
    if (edit != nullptr && focused) {
        edit->setCursorPosition(cursor);
        if (selectionStart >= 0) {
            edit->setSelection(selectionStart, selectionLength);
        }
    }
    return picture;
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
