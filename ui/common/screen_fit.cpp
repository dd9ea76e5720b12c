#include "ui/common/screen_fit.h"

#include <QMainWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <vector>

#include "ui/common/window_placement.h"

namespace korvanta {

namespace {

const char* const kFitAreaName = "ScreenFitArea";

void OfferNoMaximise(QWidget& window) {
    const Qt::WindowFlags flags = window.windowFlags();
    if ((flags & Qt::FramelessWindowHint) || window.minimumSize() != window.maximumSize()) {
        return;
    }
    window.setWindowFlags((flags & ~Qt::WindowMaximizeButtonHint) | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint);
}

// How large the scroll area may be for content of `content` size in `room`: the content's own size in
// each direction it fits, the room in the other, with a scroll bar across each direction cut short.
struct Fit {
    QSize size;
    bool horizontalBar = false;
    bool verticalBar = false;
};

Fit FitInto(const QSize& content, const QSize& room, int barExtent) {
    Fit fit;
    fit.horizontalBar = content.width() > room.width();
    fit.verticalBar = content.height() > room.height();
    if (fit.verticalBar && !fit.horizontalBar) {
        fit.horizontalBar = content.width() + barExtent > room.width();
    }
    if (fit.horizontalBar && !fit.verticalBar) {
        fit.verticalBar = content.height() + barExtent > room.height();
    }
    fit.size = {fit.horizontalBar ? room.width() : content.width() + (fit.verticalBar ? barExtent : 0),
                fit.verticalBar ? room.height() : content.height() + (fit.horizontalBar ? barExtent : 0)};
    return fit;
}

QScrollArea* NewFitArea(QWidget& window, QWidget& content, const Fit& fit) {
    auto* area = new QScrollArea(&window);
    area->setObjectName(QString::fromLatin1(kFitAreaName));
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(fit.horizontalBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(fit.verticalBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    area->setWidgetResizable(false);
    // The scroll area fills the content's background from the window's palette, which printing
    // whitens.
    area->setWidget(&content);
    return area;
}

// The window's controls moved onto one content widget, in their stacking and tab order, the focus
// where it was.
QWidget& GatherContent(QWidget& window) {
    std::vector<QWidget*> tabOrder;
    for (QWidget* next = window.nextInFocusChain(); next != &window; next = next->nextInFocusChain()) {
        tabOrder.push_back(next);
    }
    QWidget* const focus = window.focusWidget();
    auto* content = new QWidget;
    content->setFixedSize(window.size());
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow()) {
            const bool hidden = child->isHidden();
            child->setParent(content);
            child->setHidden(hidden);
        }
    }
    for (std::size_t index = 1; index < tabOrder.size(); ++index) {
        if (!tabOrder[index - 1]->isWindow() && !tabOrder[index]->isWindow()) {
            QWidget::setTabOrder(tabOrder[index - 1], tabOrder[index]);
        }
    }
    if (focus != nullptr) {
        focus->setFocus();
    }
    return *content;
}

} // namespace

void FitToScreen(QWidget& window) {
    OfferNoMaximise(window);
    const QRect available = AvailableArea(window);
    if (available.isEmpty()) {
        return;
    }
    auto* mainWindow = qobject_cast<QMainWindow*>(&window);
    QWidget* const central = mainWindow != nullptr ? mainWindow->centralWidget() : nullptr;
    const QSize content = central != nullptr ? central->size() : window.size();
    // A main window's menu bar stays above the scroll area.
    const QSize around = window.size() - content;
    const QSize room = available.size().shrunkBy(FrameAllowance(window)) - around;
    if (content.width() <= room.width() && content.height() <= room.height()) {
        return;
    }
    const Fit fit = FitInto(content, room, window.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    const QPoint middle = window.geometry().center();
    const bool placed = window.testAttribute(Qt::WA_Moved);
    if (mainWindow != nullptr && central != nullptr) {
        mainWindow->takeCentralWidget();
        mainWindow->setCentralWidget(NewFitArea(window, *central, fit));
    } else {
        QScrollArea* area = NewFitArea(window, GatherContent(window), fit);
        area->setGeometry(QRect(QPoint(), fit.size));
    }
    window.setFixedSize(fit.size + around);
    if (placed) {
        window.move(middle - QPoint(window.width() / 2, window.height() / 2));
        KeepOnScreen(window);
    }
}

QWidget& WindowContent(QWidget& window) {
    auto* area =
        window.findChild<QScrollArea*>(QString::fromLatin1(kFitAreaName), Qt::FindDirectChildrenOnly);
    if (area != nullptr && area->widget() != nullptr) {
        return *area->widget();
    }
    return window;
}

} // namespace korvanta
