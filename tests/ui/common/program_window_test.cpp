#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "support/window_test.h"
#include "ui/common/program_window.h"
#include "ui/info/about_window.h"
#include "ui/input/input_window.h"
#include "ui/program_windows.h"

namespace korvanta {
namespace {

using testing::Activate;
using testing::ShowActive;

class CountingWindow : public QWidget, public ProgramWindowHooks {
public:
    void Activated() override {
        ++activations;
        if (onActivate) {
            onActivate();
        }
    }
    int activations = 0;
    std::function<void()> onActivate;
};

class ProgramWindowTest : public testing::WindowTest {};

TEST_F(ProgramWindowTest, FirstShowingActivates) {
    CountingWindow window;
    ASSERT_TRUE(ShowActive(window));
    EXPECT_EQ(window.activations, 1);
}

TEST_F(ProgramWindowTest, SwitchingBetweenProgramWindowsActivatesEachTime) {
    CountingWindow first;
    CountingWindow second;
    ASSERT_TRUE(ShowActive(first));
    ASSERT_TRUE(ShowActive(second));
    ASSERT_TRUE(Activate(first));
    EXPECT_EQ(first.activations, 2);
    EXPECT_EQ(second.activations, 1);
}

TEST_F(ProgramWindowTest, AnotherKindOfWindowInBetweenDoesNotCount) {
    CountingWindow window;
    QWidget foreign;
    ASSERT_TRUE(ShowActive(window));
    ASSERT_TRUE(ShowActive(foreign));
    ASSERT_TRUE(Activate(window));
    EXPECT_EQ(window.activations, 1);
}

TEST_F(ProgramWindowTest, MessageBoxShownDuringActivationDoesNotActivateAgain) {
    CountingWindow window;
    QPointer<QMessageBox> box;
    window.onActivate = [&] {
        box = new QMessageBox(QMessageBox::Warning, "Korvanta", "Warning on every activation",
                              QMessageBox::Ok, &window);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    };
    ASSERT_TRUE(ShowActive(window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !box.isNull() && box->isVisible(); }, 2000));
    box->accept();
    ASSERT_TRUE(Activate(window));
    QTest::qWait(50);
    EXPECT_EQ(window.activations, 1);
}

TEST_F(ProgramWindowTest, WindowUnloadedInBetweenMakesTheNextActivationCount) {
    CountingWindow window;
    ASSERT_TRUE(ShowActive(window));
    auto* other = new CountingWindow();
    other->setAttribute(Qt::WA_DeleteOnClose);
    ASSERT_TRUE(ShowActive(*other));
    Unload(other);
    ASSERT_TRUE(Activate(window));
    EXPECT_EQ(window.activations, 2);
}

TEST_F(ProgramWindowTest, ResetForgetsTheLastActiveWindow) {
    CountingWindow window;
    ASSERT_TRUE(ShowActive(window));
    QWidget foreign;
    ASSERT_TRUE(ShowActive(foreign));
    ResetActivationTracking();
    ASSERT_TRUE(Activate(window));
    EXPECT_EQ(window.activations, 2);
}

// The focus forced onto a window through the window system, as a window activation event.
void ForceFocus(QWidget& window) {
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&window, &activate);
}

TEST_F(ProgramWindowTest, FocusReachingAClosedWindowIsNoActivation) {
    CountingWindow first;
    CountingWindow second;
    ASSERT_TRUE(ShowActive(first));
    ASSERT_TRUE(ShowActive(second));
    second.close();
    ForceFocus(second);
    EXPECT_EQ(second.activations, 1);
}

TEST_F(ProgramWindowTest, FocusReachingAWindowBehindAModalWindowIsNoActivation) {
    CountingWindow behind;
    CountingWindow modal;
    ASSERT_TRUE(ShowActive(behind));
    modal.setWindowModality(Qt::ApplicationModal);
    ASSERT_TRUE(ShowActive(modal));
    ForceFocus(behind);
    EXPECT_EQ(behind.activations, 1);
    modal.close();
    ASSERT_TRUE(Activate(behind));
    EXPECT_EQ(behind.activations, 2);
}

TEST_F(ProgramWindowTest, InstanceIsCreatedOnFirstUseAndKeptUntilUnloaded) {
    ProgramWindows& windows = testing::Windows();
    EXPECT_EQ(windows.LoadedAbout(), nullptr);
    AboutWindow& first = windows.About();
    EXPECT_EQ(&windows.About(), &first);
    EXPECT_EQ(windows.LoadedAbout(), &first);
    Unload(&first);
    EXPECT_EQ(windows.LoadedAbout(), nullptr);
}

TEST_F(ProgramWindowTest, UnloadedInstanceIsReplacedByAFreshWindow) {
    ProgramWindows& windows = testing::Windows();
    QPointer<AboutWindow> first = &windows.About();
    first->setObjectName("first");
    Unload(first);
    AboutWindow& second = windows.About();
    EXPECT_NE(second.objectName(), "first");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
}

TEST_F(ProgramWindowTest, WindowClosedByItsFrameCountsAsUnloaded) {
    AboutWindow& window = testing::Windows().About();
    window.show();
    window.close();
    EXPECT_EQ(testing::Windows().LoadedAbout(), nullptr);
}

TEST_F(ProgramWindowTest, ShowModalWaitsUntilTheWindowIsClosed) {
    AboutWindow& window = testing::Windows().About();
    bool modalWhileShown = false;
    QTimer::singleShot(100, [&] {
        modalWhileShown = window.isVisible() && QApplication::activeModalWidget() == &window;
        Unload(&window);
    });
    QElapsedTimer clock;
    clock.start();
    ShowModal(&window);
    EXPECT_GE(clock.elapsed(), 90);
    EXPECT_TRUE(modalWhileShown);
    EXPECT_EQ(testing::Windows().LoadedAbout(), nullptr);
}

TEST_F(ProgramWindowTest, LoadedWindowIsDisabledAndEnabledWithoutCreatingAnother) {
    Session& session = testing::TheSession();
    session.Activated(SessionWindow::ExternalOutput); // holds the input window
    EXPECT_EQ(testing::Windows().LoadedInput(), nullptr);
    InputWindow& window = testing::Windows().Input();
    session.Activated(SessionWindow::ExternalOutput);
    EXPECT_FALSE(window.isEnabled());
    session.Enable(SessionWindow::Input);
    EXPECT_TRUE(window.isEnabled());
}

} // namespace
} // namespace korvanta
