#include "ui/common/window_placement.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace korvanta {

namespace {

// A title bar and thin borders as common window managers draw them, in device pixels: they are drawn
// by the window manager, which does not follow the program's scale factor.
const QMargins kEstimatedFrame(4, 32, 4, 8);

const QScreen* ScreenOf(const QWidget& window) {
    return window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
}

QMargins Shown(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
            frame.bottom() - client.bottom()};
}

qint64 Area(const QRect& rect) {
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

int InLogicalPixels(int devicePixels, qreal ratio) {
    return static_cast<int>(std::ceil(devicePixels / ratio));
}

// The window with its frame where move() puts it: Qt places a window by its frame's top left corner.
QRect OuterAt(const QWidget& window, const QPoint& position) {
    return {position, window.size().grownBy(FrameAllowance(window))};
}

QPoint Clamped(const QRect& frame, const QRect& area) {
    const int left = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int top = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    return {left, top};
}

} // namespace

QRect AvailableArea(const QWidget& window) {
    const QScreen* screen = ScreenOf(window);
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

QMargins FrameAllowance(const QWidget& window) {
    if (window.windowFlags() & Qt::FramelessWindowHint) {
        return {};
    }
    for (const QWidget* shown : QApplication::topLevelWidgets()) {
        if (shown != &window && shown->isVisible() && !(shown->windowFlags() & Qt::FramelessWindowHint)) {
            const QMargins margins = Shown(*shown);
            if (!margins.isNull()) {
                return margins;
            }
        }
    }
    const QScreen* screen = ScreenOf(window);
    const qreal ratio = screen != nullptr ? screen->devicePixelRatio() : 1.0;
    return {InLogicalPixels(kEstimatedFrame.left(), ratio), InLogicalPixels(kEstimatedFrame.top(), ratio),
            InLogicalPixels(kEstimatedFrame.right(), ratio),
            InLogicalPixels(kEstimatedFrame.bottom(), ratio)};
}

void CentreOnScreen(QWidget& window) {
    if (ScreenOf(window) == nullptr || window.isMinimized() || window.isMaximized()) {
        return;
    }
    const QRect available = AvailableArea(window);
    window.move(available.left() + (available.width() - window.width()) / 2,
                available.top() + (available.height() - window.height()) / 2);
    KeepOnScreen(window);
}

void KeepOnScreen(QWidget& window) {
    if (ScreenOf(window) == nullptr || window.isMinimized() || window.isMaximized()) {
        return;
    }
    window.move(Clamped(OuterAt(window, window.pos()), AvailableArea(window)));
}

void PlaceBeside(QWidget& window, const QWidget& opener) {
    if (ScreenOf(window) == nullptr) {
        return;
    }
    const QRect area = AvailableArea(window);
    const QRect besideOf = opener.frameGeometry();
    const QSize outer = OuterAt(window, {}).size();
    std::vector<QRect> fields;
    for (const QLineEdit* field : opener.findChildren<QLineEdit*>()) {
        if (field->isVisible()) {
            fields.emplace_back(field->mapToGlobal(QPoint()), field->size());
        }
    }
    // Moved inside the screen, a place covers the fewer of the opener's fields the better, then the
    // less of the opener; one with room beside the opener covers neither.
    auto covered = [&](const QRect& placed) {
        qint64 overFields = 0;
        for (const QRect& field : fields) {
            overFields += Area(placed.intersected(field));
        }
        return std::pair(overFields, Area(placed.intersected(besideOf)));
    };
    const QPoint sides[] = {
        {besideOf.right() + 1, besideOf.top()},
        {besideOf.left() - outer.width(), besideOf.top()},
        {besideOf.left(), besideOf.bottom() + 1},
        {besideOf.left(), besideOf.top() - outer.height()},
    };
    std::optional<QRect> best;
    for (const QPoint& side : sides) {
        const QRect placed(Clamped(QRect(side, outer), area), outer);
        if (!best || covered(placed) < covered(*best)) {
            best = placed;
        }
    }
    window.move(best->topLeft());
}

void SetPointSize(QWidget& widget, qreal points) {
    QFont font = widget.font();
    font.setPointSizeF(points);
    widget.setFont(font);
}

} // namespace korvanta
