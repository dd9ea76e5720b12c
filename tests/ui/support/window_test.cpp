#include "window_test.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QRadioButton>
#include <QSettings>
#include <QTest>

#include "core/gear_pair_state.h"
#include "ui/common/program_window.h"

namespace korvanta::testing {

namespace {

struct RunningSession {
    Session session;
    ProgramWindows windows{session, TheServices()};
};

std::unique_ptr<RunningSession>& Running() {
    static std::unique_ptr<RunningSession> running;
    return running;
}

} // namespace

Services& TheServices() {
    static Services services;
    return services;
}

void WindowTest::SetUp() {
    TheServices().splashDuration = kTestSplash;
    TheServices().statusDuration = kTestStatus;
    UnloadAllWindows();
    // Every test starts as a first run: no units chosen before.
    QSettings().clear();
    ResetActivationTracking();
    Running() = std::make_unique<RunningSession>();
}

void WindowTest::TearDown() {
    UnloadAllWindows();
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(window->isVisible()) << "left open: " << window->metaObject()->className();
    }
    ResetActivationTracking();
    Running().reset();
}

Session& TheSession() {
    return Running()->session;
}

ProgramWindows& Windows() {
    return Running()->windows;
}

GearPairState& State() {
    return Running()->session.State();
}

bool ShowActive(QWidget& window) {
    window.show();
    return Activate(window);
}

bool Activate(QWidget& window) {
    window.raise();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    return QTest::qWaitForWindowActive(&window, 2000);
}

void ClickThroughWindow(QWidget& target) {
    QWidget& window = *target.window();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window, 2000));
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      target.mapTo(&window, target.rect().center()));
}

bool MiddleClickPaste(QLineEdit& box, const QString& text) {
    QClipboard& clipboard = *QApplication::clipboard();
    if (!clipboard.supportsSelection()) {
        return false;
    }
    clipboard.setText(text, QClipboard::Selection);
    QTest::mouseClick(&box, Qt::MiddleButton, Qt::NoModifier, box.rect().center());
    return true;
}

void DropText(QLineEdit& box, const QString& text) {
    QMimeData dropped;
    dropped.setText(text);
    const QPoint centre = box.rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &enter);
    QDropEvent drop(QPointF(centre), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&box, &drop);
}

void ExpectLabelsFit(QWidget& window) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty()) {
            continue;
        }
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        EXPECT_LE(needed, label->width())
            << label->objectName().toStdString() << ": " << label->text().toStdString();
    }
}

void UnloadAllWindows() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() || window->testAttribute(Qt::WA_DeleteOnClose)) {
            window->close();
        }
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void EnterPair(QWidget& input, PairKind kind, const FieldTexts& texts) {
    Control<QRadioButton>(input, kind == PairKind::External ? "Option1" : "Option2").click();
    static const char* const kFields[] = {"TextNT1", "TextNT2", "TextDP",  "TextPA",
                                          "TextHA",  "TextOD1", "TextOD2", "TextCD"};
    for (std::size_t field = 0; field < texts.size(); ++field) {
        QLineEdit& box = Control<QLineEdit>(input, kFields[field]);
        box.setFocus(Qt::TabFocusReason);
        box.selectAll();
        QTest::keyClicks(&box, QString::fromStdString(texts[field]));
        QTest::keyClick(&box, Qt::Key_Tab);
    }
}

} // namespace korvanta::testing
