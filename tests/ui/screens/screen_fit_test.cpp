#include <QAbstractButton>
#include <QApplication>
#include <QFrame>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

#include "output/pair_setup.h"
#include "print/recording_printer.h"
#include "screens/screen_windows.h"
#include "support/window_test.h"
#include "ui/common/screen_fit.h"
#include "ui/common/window_placement.h"
#include "ui/diagram/diagram_window.h"
#include "ui/measure/measurements_window.h"

namespace korvanta::testing {
namespace {

bool OnX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

bool RunTool(const QString& program, const QStringList& arguments, QByteArray* output = nullptr) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0) {
        return false;
    }
    if (output != nullptr) {
        *output = process.readAllStandardOutput();
    }
    return true;
}

bool UnderAWindowManager() {
    QByteArray root;
    return OnX11() && RunTool(QStringLiteral("xprop"), {"-root", "_NET_SUPPORTING_WM_CHECK"}, &root) &&
           root.contains("window id");
}

// A point of the program's global coordinates in the X server's pixels.
QPoint DevicePoint(const QWidget& window, const QPointF& global) {
    const qreal ratio = Ratio(window);
    return {static_cast<int>(global.x() * ratio), static_cast<int>(global.y() * ratio)};
}

// Takes every mouse button event that reaches a control and remembers which control the press went to,
// so that a click proves where it lands without setting off what the control does.
class ClickCatcher : public QObject {
public:
    ClickCatcher() { qApp->installEventFilter(this); }
    ~ClickCatcher() override { qApp->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr) {
            return false;
        }
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            pressed = widget;
            return true;
        case QEvent::MouseButtonRelease:
            released = widget;
            return true;
        default:
            return false;
        }
    }

    QPointer<QWidget> pressed;
    QPointer<QWidget> released;
};

class WindowOnASmallScreenTest : public WindowTest, public ::testing::WithParamInterface<ScreenWindowCase> {};

TEST_P(WindowOnASmallScreenTest, OpensInsideTheAvailableScreenArea) {
    QWidget& window = GetParam().open();
    const QRect area = window.screen()->availableGeometry();
    // A window manager frames and places the window a moment after it shows.
    QTRY_VERIFY_WITH_TIMEOUT(area.contains(window.frameGeometry()), 2000);
    EXPECT_TRUE(area.contains(window.frameGeometry()))
        << "frame " << window.frameGeometry().x() << "," << window.frameGeometry().y() << " "
        << window.frameGeometry().width() << "x" << window.frameGeometry().height() << " on " << area.width()
        << "x" << area.height();
}

// A property of the window as the X server holds it, as xprop prints it.
QByteArray WindowProperty(const QWidget& window, const char* name) {
    QByteArray printed;
    EXPECT_TRUE(RunTool(QStringLiteral("xprop"), {"-id", QString::number(window.winId()), name}, &printed));
    return printed;
}

// A size of WM_NORMAL_HINTS ("minimum", "maximum") in the X server's pixels, if the window gives one.
std::optional<QSize> SizeHint(const QByteArray& hints, const char* which) {
    const QRegularExpression line(QStringLiteral("specified %1 size: (\\d+) by (\\d+)").arg(which));
    const QRegularExpressionMatch match = line.match(QString::fromLatin1(hints));
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return QSize(match.captured(1).toInt(), match.captured(2).toInt());
}

// The maximise bits of _MOTIF_WM_HINTS: the function (0x10) and the title bar button (0x40).
bool MotifHintsOfferMaximise(const QByteArray& hints) {
    const QList<QByteArray> fields = hints.mid(hints.indexOf('=') + 1).split(',');
    const auto field = [&fields](qsizetype index) {
        return fields.value(index).trimmed().toUInt(nullptr, 16);
    };
    return (field(1) & 0x10) != 0 || (field(2) & 0x40) != 0;
}

// A window manager decides from the size hints whether a window can grow: only where the smallest size
// is the largest does it leave out maximising (Openbox lists its actions in _NET_WM_ALLOWED_ACTIONS).
TEST_P(WindowOnASmallScreenTest, OffersNoMaximise) {
    QWidget& window = GetParam().open();
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    if (!OnX11()) {
        return;
    }
    const QByteArray hints = WindowProperty(window, "WM_NORMAL_HINTS");
    const std::optional<QSize> smallest = SizeHint(hints, "minimum");
    ASSERT_TRUE(smallest.has_value()) << hints.toStdString();
    EXPECT_EQ(smallest, SizeHint(hints, "maximum")) << hints.toStdString();
    EXPECT_FALSE(MotifHintsOfferMaximise(WindowProperty(window, "_MOTIF_WM_HINTS")));
    if (UnderAWindowManager()) {
        const QByteArray actions = WindowProperty(window, "_NET_WM_ALLOWED_ACTIONS");
        EXPECT_FALSE(actions.contains("MAXIMIZE")) << actions.toStdString();
        EXPECT_TRUE(actions.contains("CLOSE")) << actions.toStdString();
    }
}

bool RealClick(const QWidget& window, const QPointF& global) {
    const QPoint at = DevicePoint(window, global);
    return RunTool(QStringLiteral("xdotool"),
                   {"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()), "click", "1"});
}

// A point of a scroll bar's groove beside its arrow at the start or the end, in global coordinates: a
// click there turns a page.
QPointF GrooveOf(const QScrollBar& bar, bool end) {
    const int extent = bar.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &bar);
    const int length = bar.orientation() == Qt::Vertical ? bar.height() : bar.width();
    const qreal along = end ? length - 1.5 * extent : 1.5 * extent;
    const QPointF local = bar.orientation() == Qt::Vertical ? QPointF(bar.width() / 2.0, along)
                                                            : QPointF(along, bar.height() / 2.0);
    return bar.mapToGlobal(local);
}

// Clicks the grooves of the window's scroll bars until the control lies wholly in sight.
void ScrollIntoSight(QWidget& window, QWidget& control) {
    auto* area = window.findChild<QScrollArea*>();
    if (area == nullptr || !area->isAncestorOf(&control)) {
        return;
    }
    const QWidget& viewport = *area->viewport();
    for (int turn = 0; turn < 60; ++turn) {
        const QRect seen(control.mapTo(&viewport, QPoint()), control.size());
        QScrollBar* bar = nullptr;
        bool forward = true;
        if (seen.bottom() > viewport.rect().bottom() || seen.top() < 0) {
            bar = area->verticalScrollBar();
            forward = seen.top() >= 0;
        } else if (seen.right() > viewport.rect().right() || seen.left() < 0) {
            bar = area->horizontalScrollBar();
            forward = seen.left() >= 0;
        } else {
            return;
        }
        const int before = bar->value();
        ASSERT_TRUE(RealClick(window, GrooveOf(*bar, forward)));
        QTRY_VERIFY_WITH_TIMEOUT(bar->value() != before, 2000);
    }
    ADD_FAILURE() << "the scroll bars did not bring " << control.objectName().toStdString() << " into sight";
}

TEST_P(WindowOnASmallScreenTest, EveryButtonTakesARealClick) {
    if (!OnX11() || QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
        GTEST_SKIP() << "needs an X server and xdotool";
    }
    QWidget& window = GetParam().open();
    const QRect screen = window.screen()->geometry();
    const QList<QAbstractButton*> buttons = window.findChildren<QAbstractButton*>();
    for (QAbstractButton* button : buttons) {
        if (!button->isVisible() || qobject_cast<QScrollBar*>(button->parentWidget()) != nullptr) {
            continue;
        }
        const std::string name = button->objectName().toStdString();
        ScrollIntoSight(window, *button);
        const QPoint centre = button->mapToGlobal(button->rect().center());
        ASSERT_TRUE(screen.contains(centre)) << name << " lies off the screen";
        ClickCatcher catcher;
        ASSERT_TRUE(RealClick(window, QPointF(centre) + QPointF(0.5, 0.5)));
        QTRY_VERIFY_WITH_TIMEOUT(!catcher.released.isNull(), 3000);
        EXPECT_EQ(catcher.pressed.data(), button)
            << name << " got no click; it went to "
            << (catcher.pressed ? catcher.pressed->objectName().toStdString() : std::string("nothing"));
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowOnASmallScreenTest, ::testing::ValuesIn(EveryWindow()), CaseName);

class ResizableWindowTest : public WindowTest {};

// Fitting leaves a window that can change its size as it was: the window manager still maximises it.
TEST_F(ResizableWindowTest, KeepsItsMaximise) {
    QWidget window;
    window.resize(320, 200);
    const Qt::WindowFlags flags = window.windowFlags();
    FitToScreen(window);
    EXPECT_EQ(window.windowFlags(), flags);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, 2000));
    if (!OnX11()) {
        return;
    }
    const QByteArray hints = WindowProperty(window, "WM_NORMAL_HINTS");
    EXPECT_FALSE(SizeHint(hints, "maximum").has_value()) << hints.toStdString();
    if (UnderAWindowManager()) {
        QTRY_VERIFY_WITH_TIMEOUT(WindowProperty(window, "_NET_WM_ALLOWED_ACTIONS").contains("MAXIMIZE_HORZ"),
                                 2000);
    }
}

// A line seen at one spot: some device pixel across it has the ink.
bool InkAcross(const QImage& picture, const QRect& band, bool across_rows, int along, const QColor& ink) {
    const int from = across_rows ? band.top() : band.left();
    const int to = across_rows ? band.bottom() : band.right();
    for (int at = from; at <= to; ++at) {
        const QPoint pixel = across_rows ? QPoint(along, at) : QPoint(at, along);
        if (picture.rect().contains(pixel) && picture.pixelColor(pixel) == ink) {
            return true;
        }
    }
    return false;
}

// Some control stacked over the frame covers the point of its parent.
bool CoveredAbove(const QWidget& frame, const QPoint& point) {
    const QObjectList& siblings = frame.parentWidget()->children();
    for (qsizetype index = siblings.indexOf(const_cast<QWidget*>(&frame)) + 1; index < siblings.size();
         ++index) {
        auto* sibling = qobject_cast<QWidget*>(siblings[index]);
        if (sibling != nullptr && sibling->isVisible() && sibling->geometry().contains(point)) {
            return true;
        }
    }
    return false;
}

// The strips a plain frame is drawn as, in its parent's coordinates.
std::vector<QRect> Strips(const QFrame& frame) {
    const QRect area = frame.geometry();
    const int width = frame.lineWidth();
    switch (frame.frameShape()) {
    case QFrame::HLine:
        return {{area.left(), area.top() + area.height() / 2 - width / 2, area.width(), width}};
    case QFrame::VLine:
        return {{area.left() + area.width() / 2 - width / 2, area.top(), width, area.height()}};
    default:
        return {{area.left(), area.top(), area.width(), width},
                {area.left(), area.bottom() + 1 - width, area.width(), width},
                {area.left(), area.top(), width, area.height()},
                {area.right() + 1 - width, area.top(), width, area.height()}};
    }
}

// Every box and rule of the window, seen every few device pixels along it where nothing covers it.
void ExpectEveryLineDrawn(QWidget& window) {
    QWidget& content = WindowContent(window);
    const QImage picture = content.grab().toImage();
    const qreal ratio = picture.devicePixelRatio();
    int lines = 0;
    for (const QFrame* frame : content.findChildren<QFrame*>()) {
        if (frame->metaObject() != &QFrame::staticMetaObject || frame->frameShadow() != QFrame::Plain ||
            frame->parentWidget() != &content) {
            continue;
        }
        const QColor ink = frame->palette().windowText().color();
        for (const QRect& strip : Strips(*frame)) {
            ++lines;
            const bool horizontal = strip.width() >= strip.height();
            const QRect band(QPoint(static_cast<int>(std::floor(strip.left() * ratio)),
                                    static_cast<int>(std::floor(strip.top() * ratio))),
                             QPoint(static_cast<int>(std::ceil((strip.right() + 1) * ratio)) - 1,
                                    static_cast<int>(std::ceil((strip.bottom() + 1) * ratio)) - 1));
            const int from = horizontal ? band.left() : band.top();
            const int to = horizontal ? band.right() : band.bottom();
            int missing = 0;
            for (int along = from + 1; along < to; along += 5) {
                const QPoint logical = horizontal ? QPoint(static_cast<int>(along / ratio), strip.top())
                                                  : QPoint(strip.left(), static_cast<int>(along / ratio));
                if (!CoveredAbove(*frame, logical) && !InkAcross(picture, band, horizontal, along, ink)) {
                    ++missing;
                }
            }
            EXPECT_EQ(missing, 0) << frame->objectName().toStdString() << " at " << strip.x() << ","
                                  << strip.y() << " " << strip.width() << "x" << strip.height()
                                  << " lacks its ink at " << missing << " places, scale " << ratio;
        }
    }
    EXPECT_GT(lines, 0);
}

class LinesTest : public WindowTest {};

TEST_F(LinesTest, EveryRuleAndTheFrameOfTheExternalTableAreDrawn) {
    CalculatePair(true, kExternalSpurPair);
    QWidget& window = Windows().Output(PairKind::External);
    ASSERT_TRUE(ShowActive(window));
    ExpectEveryLineDrawn(window);
}

TEST_F(LinesTest, EveryRuleAndTheFrameOfTheInternalTableAreDrawn) {
    CalculatePair(false, kInternalSpurPair);
    QWidget& window = Windows().Output(PairKind::Internal);
    ASSERT_TRUE(ShowActive(window));
    ExpectEveryLineDrawn(window);
}

TEST_F(LinesTest, TheFrameRoundTheDiagramIsDrawnOnEverySide) {
    CalculatePair(true, kExternalSpurPair);
    QWidget& window = Windows().Diagram();
    ASSERT_TRUE(ShowActive(window));
    ExpectEveryLineDrawn(window);
}

class PrintOnASmallScreenTest : public WindowTest {};

// The page shows the whole window, also where the screen shows only a scrolled part of it.
TEST_F(PrintOnASmallScreenTest, ThePagePrintsTheWholeOutputWindow) {
    CalculatePair(true, kExternalSpurPair);
    QWidget& window = Windows().Output(PairKind::External);
    ASSERT_TRUE(ShowActive(window));
    RecordingPrinter printer;
    Control<QPushButton>(window, "Command2").click();
    ASSERT_EQ(printer.drawings.size(), 1u);
    EXPECT_EQ(printer.drawings.front().image.deviceIndependentSize().toSize(), QSize(600, 567));
}

TEST_F(PrintOnASmallScreenTest, ThePagePrintsTheWholeMeasurementsWindow) {
    CalculatePair(true, kExternalSpurPair);
    OpenMeasurements(Windows(), Windows().Input());
    QWidget& window = Windows().Measurements();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window, 2000));
    RecordingPrinter printer;
    Control<QPushButton>(window, "CommandPrint").click();
    ASSERT_EQ(printer.drawings.size(), 1u);
    EXPECT_EQ(printer.drawings.front().image.deviceIndependentSize().toSize(), QSize(580, 405));
}

class MeasurementsPlacementTest : public WindowTest {};

// Opened from a small window in the corner of the screen, the measurements sit beside it, clear of
// it, wherever the screen has room for both.
TEST_F(MeasurementsPlacementTest, TheMeasurementsOpenBesideTheWindowTheyComeFrom) {
    CalculatePair(true, kExternalSpurPair);
    QWidget& output = Windows().Output(PairKind::External);
    ASSERT_TRUE(ShowActive(output));
    const QRect area = output.screen()->availableGeometry();
    output.move(area.topLeft());
    QTRY_COMPARE_WITH_TIMEOUT(output.frameGeometry().topLeft(), area.topLeft(), 2000);
    OpenMeasurements(Windows(), output);
    QWidget& measurements = Windows().Measurements();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&measurements, 2000));
    QTRY_VERIFY_WITH_TIMEOUT(area.contains(measurements.frameGeometry()), 2000);
    if (output.frameGeometry().width() + measurements.frameGeometry().width() <= area.width()) {
        EXPECT_FALSE(measurements.frameGeometry().intersects(output.frameGeometry()));
    }
}

} // namespace
} // namespace korvanta::testing
