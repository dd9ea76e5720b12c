#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include "core/version.h"
#include "support/window_test.h"
#include "ui/input/input_window.h"
#include "ui/input/splash_window.h"
#include "ui/input/start_up.h"

namespace korvanta {
namespace {

class StartUpTest : public testing::WindowTest {};

TEST_F(StartUpTest, TheProgramStartsWithTheAngleConstants) {
    const Session session;
    EXPECT_EQ(session.State().Pi, 3.14159265);
    EXPECT_FLOAT_EQ(session.State().DegToRad.Value(), static_cast<float>(3.14159265 / 180));
}

TEST_F(StartUpTest, SplashShowsNameVersionAndWebSiteWithoutCaption) {
    StartUp(testing::Windows());
    SplashWindow* splash = testing::Windows().LoadedSplash();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash->size(), QSize(441, 160));
    EXPECT_EQ(testing::Control<QLabel>(*splash, "lblProductName").text(), "Korvanta");
    EXPECT_EQ(testing::Control<QLabel>(*splash, "Label3").text(), "Version " + QString::fromUtf8(kVersion));
    EXPECT_EQ(testing::Control<QLabel>(*splash, "Label1").text(), "Gear Freeware from www.korvanta.example");
    testing::ExpectLabelsFit(*splash);
    const QFont name = testing::Control<QLabel>(*splash, "lblProductName").font();
    EXPECT_EQ(name.family(), "Times New Roman");
    EXPECT_EQ(name.pointSize(), 24);
    EXPECT_TRUE(name.bold());
    EXPECT_TRUE(name.italic());
}

TEST_F(StartUpTest, SplashGivesWayToTheInputWindowAfterItsTime) {
    testing::TheServices().splashDuration = std::chrono::milliseconds(400);
    QElapsedTimer clock;
    clock.start();
    StartUp(testing::Windows());
    ASSERT_TRUE(QTest::qWaitFor([] { return testing::Windows().LoadedInput() != nullptr; }, 5000));
    const qint64 elapsed = clock.elapsed();
    EXPECT_GE(elapsed, 390);
    EXPECT_LE(elapsed, 1700);
    InputWindow* input = testing::Windows().LoadedInput();
    EXPECT_TRUE(input->isVisible());
    EXPECT_EQ(testing::Windows().LoadedSplash(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(input));
    EXPECT_TRUE(testing::Control<QRadioButton>(*input, "Option1").isChecked());
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "TextNT1");
    const QRect screen = input->screen()->geometry();
    EXPECT_EQ(input->x(), (screen.width() - input->width()) / 2);
    EXPECT_EQ(input->y(), (screen.height() - input->height()) / 2);
}

TEST_F(StartUpTest, InputWindowClientAreaIsTheFormSize) {
    InputWindow& input = testing::Windows().Input();
    EXPECT_EQ(input.centralWidget()->size(), QSize(573, 434));
    EXPECT_EQ(testing::Control<QWidget>(input, "TextNT2").geometry(), QRect(385, 75, 96, 21));
    EXPECT_EQ(testing::Control<QWidget>(input, "Frame1").geometry(), QRect(385, 120, 156, 46));
    EXPECT_EQ(testing::Control<QWidget>(input, "Command2").geometry(), QRect(295, 380, 96, 26));
    EXPECT_EQ(input.windowTitle(), "Korvanta");
    testing::ExpectLabelsFit(input);
}

} // namespace
} // namespace korvanta
