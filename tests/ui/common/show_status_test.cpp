#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <ctime>
#include <gtest/gtest.h>

#include "support/window_test.h"
#include "ui/common/program_window.h"
#include "ui/common/system_services.h"
#include "ui/print/show_status.h"
#include "ui/print/status_window.h"

namespace korvanta {
namespace {

using namespace std::chrono_literals;

class ShowStatusTest : public testing::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        testing::TheServices().statusDuration = 300ms;
    }

    // Shows the status and waits, as a user would, until the caller's next step has run.
    qint64 ShowAndWait(const QString& message, QObject* owner = nullptr) {
        bool done = false;
        QElapsedTimer clock;
        clock.start();
        ShowStatus(testing::Windows(), message, owner, [&] {
            done = true;
            statusGoneWhenNextStepRan = testing::Windows().LoadedStatus() == nullptr;
        });
        EXPECT_FALSE(done) << "the next step ran before the status was over";
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, 5000));
        return clock.elapsed();
    }

    bool statusGoneWhenNextStepRan = false;
};

TEST_F(ShowStatusTest, TheProgramShowsItsStatusForThreeSecondsAfterASplashOfTwoPointTwo) {
    SystemServices system;
    EXPECT_EQ(system.services().statusDuration, 3000ms);
    EXPECT_EQ(system.services().splashDuration, 2200ms);
}

TEST_F(ShowStatusTest, CallerIsNotHeldUpAndItsNextStepFollowsTheTimeWithTheWindowGone) {
    QElapsedTimer clock;
    clock.start();
    const qint64 elapsed = ShowAndWait("Printing form, one moment please...");
    EXPECT_GE(elapsed, 300);
    EXPECT_LT(elapsed, 2000);
    EXPECT_TRUE(statusGoneWhenNextStepRan);
}

TEST_F(ShowStatusTest, MessageIsShownForTheWholeTime) {
    QStringList seen;
    for (int ms : {50, 150, 250}) {
        QTimer::singleShot(ms, [&] {
            StatusWindow* status = testing::Windows().LoadedStatus();
            seen << (status != nullptr && status->isVisible() ? status->Message() : QString("none"));
        });
    }
    ShowAndWait("Printing diagram, one moment please...");
    EXPECT_EQ(seen, QStringList(3, "Printing diagram, one moment please..."));
}

TEST_F(ShowStatusTest, WaitingDoesNotOccupyTheProcessor) {
    const std::clock_t cpuStart = std::clock();
    const double wallSeconds = ShowAndWait("Starting web browser, one moment please...") / 1000.0;
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    EXPECT_LT(cpuSeconds, wallSeconds * 0.5);
}

TEST_F(ShowStatusTest, ZeroShowsNothingAndGoesOnAtOnce) {
    testing::TheServices().statusDuration = 0ms;
    bool done = false;
    ShowStatus(testing::Windows(), "Nothing", nullptr, [&] { done = true; });
    EXPECT_TRUE(done);
    EXPECT_EQ(testing::Windows().LoadedStatus(), nullptr);
}

TEST_F(ShowStatusTest, TwoCallsShowEachTheirOwnMessage) {
    QStringList seen;
    auto look = [&] {
        if (StatusWindow* status = testing::Windows().LoadedStatus()) {
            seen << status->Message();
        }
    };
    QTimer::singleShot(150, look);
    ShowAndWait("first");
    QTimer::singleShot(150, look);
    ShowAndWait("second");
    EXPECT_EQ(seen, (QStringList{"first", "second"}));
}

TEST_F(ShowStatusTest, ANewerStatusReplacesAnOlderOneStillShown) {
    int nextSteps = 0;
    ShowStatus(testing::Windows(), "first", nullptr, [&] { ++nextSteps; });
    QTest::qWait(100);
    ShowStatus(testing::Windows(), "second", nullptr, [&] { ++nextSteps; });
    // The first one's time is over: the second stays, with its own message.
    ASSERT_TRUE(QTest::qWaitFor([&] { return nextSteps == 1; }, 2000));
    ASSERT_NE(testing::Windows().LoadedStatus(), nullptr);
    EXPECT_EQ(testing::Windows().LoadedStatus()->Message(), "second");
    ASSERT_TRUE(QTest::qWaitFor([&] { return nextSteps == 2; }, 2000));
    EXPECT_EQ(testing::Windows().LoadedStatus(), nullptr);
}

TEST_F(ShowStatusTest, TheNextStepOfAnOwnerDeletedMeanwhileDoesNotRun) {
    bool ran = false;
    auto* owner = new QObject;
    ShowStatus(testing::Windows(), "Printing form, one moment please...", owner, [&] { ran = true; });
    delete owner;
    ASSERT_TRUE(QTest::qWaitFor([] { return testing::Windows().LoadedStatus() == nullptr; }, 2000));
    QTest::qWait(50);
    EXPECT_FALSE(ran);
}

TEST_F(ShowStatusTest, ClosingTheStatusWindowEarlyKeepsTheNextStep) {
    bool ran = false;
    ShowStatus(testing::Windows(), "Printing form, one moment please...", nullptr, [&] { ran = true; });
    testing::Windows().LoadedStatus()->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return ran; }, 2000));
}

TEST_F(ShowStatusTest, StatusWindowActivatedOtherwiseShowsAnEmptyLabel) {
    StatusWindow& status = testing::Windows().Status();
    EXPECT_EQ(status.windowTitle(), "Status");
    EXPECT_EQ(status.size(), QSize(420, 119));
    EXPECT_EQ(status.palette().color(QPalette::Window), QColor(255, 224, 192));
    status.SetMessage("left over");
    ASSERT_TRUE(testing::ShowActive(status));
    EXPECT_EQ(status.Message(), "");
}

} // namespace
} // namespace korvanta
