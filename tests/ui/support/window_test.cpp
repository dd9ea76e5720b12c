#include "window_test.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "core/gear_pair_state.h"
#include "ui/common/program_state.h"
#include "ui/common/program_window.h"

namespace korvanta::testing {

void WindowTest::SetUp() {
    UnloadAllWindows();
    ResetActivationTracking();
    ProgramState() = GearPairState{};
    SetStartUpConstants(ProgramState());
}

void WindowTest::TearDown() {
    UnloadAllWindows();
    for (const QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(window->isVisible()) << "left open: " << window->metaObject()->className();
    ResetActivationTracking();
    ProgramState() = GearPairState{};
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
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                      target.mapTo(&window, target.rect().center()));
}

void ExpectLabelsFit(QWidget& window) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty())
            continue;
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        EXPECT_LE(needed, label->width())
            << label->objectName().toStdString() << ": " << label->text().toStdString();
    }
}

void UnloadAllWindows() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() || window->testAttribute(Qt::WA_DeleteOnClose))
            window->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace korvanta::testing
