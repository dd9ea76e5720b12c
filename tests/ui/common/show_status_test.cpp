#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <ctime>
#include <gtest/gtest.h>

#include "support/window_test.h"
#include "ui/common/program_window.h"
#include "ui/print/show_status.h"
#include "ui/print/status_window.h"

namespace korvanta {
namespace {

class ShowStatusTest : public testing::WindowTest {};

TEST_F(ShowStatusTest, CallerContinuesOnlyAfterTheTimeWithTheWindowGone) {
    QElapsedTimer clock;
    clock.start();
    ShowStatus(testing::Windows(), "Printing form, one moment please...", 1);
    EXPECT_GE(clock.elapsed(), 1000);
    EXPECT_LT(clock.elapsed(), 2500);
    EXPECT_EQ(testing::Windows().LoadedStatus(), nullptr);
}

TEST_F(ShowStatusTest, MessageIsShownForTheWholeWait) {
    QStringList seen;
    for (int ms : {100, 500, 900}) {
        QTimer::singleShot(ms, [&] {
            StatusWindow* status = testing::Windows().LoadedStatus();
            seen << (status != nullptr && status->isVisible() ? status->Message() : QString("none"));
        });
    }
    ShowStatus(testing::Windows(), "Printing diagram, one moment please...", 1);
    EXPECT_EQ(seen, QStringList(3, "Printing diagram, one moment please..."));
}

TEST_F(ShowStatusTest, WaitingDoesNotOccupyTheProcessor) {
    const std::clock_t cpuStart = std::clock();
    QElapsedTimer clock;
    clock.start();
    ShowStatus(testing::Windows(), "Starting web browser, one moment please...", 2);
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const double wallSeconds = clock.elapsed() / 1000.0;
    EXPECT_GE(wallSeconds, 2.0);
    EXPECT_LT(cpuSeconds, wallSeconds * 0.5);
}

// Counts the timer events the program's timers receive.
class TimerEventCounter : public QObject {
public:
    TimerEventCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~TimerEventCounter() override { QCoreApplication::instance()->removeEventFilter(this); }

    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Timer ? 1 : 0;
        return false;
    }

    int count = 0;
};

TEST_F(ShowStatusTest, WaitingWakesUpOnceAtTheEndNotPeriodically) {
    TimerEventCounter timers;
    ShowStatus(testing::Windows(), "Printing form, one moment please...", 1);
    EXPECT_LE(timers.count, 2);
}

TEST_F(ShowStatusTest, OtherWindowsKeepTakingEventsDuringTheWait) {
    int ticks = 0;
    QTimer other;
    QObject::connect(&other, &QTimer::timeout, [&] { ++ticks; });
    other.start(100);
    ShowStatus(testing::Windows(), "Printing form, one moment please...", 1);
    EXPECT_GE(ticks, 5);
}

TEST_F(ShowStatusTest, ZeroSecondsShowNothing) {
    bool created = false;
    QElapsedTimer clock;
    clock.start();
    ShowStatus(testing::Windows(), "Nothing", 0);
    created = testing::Windows().LoadedStatus() != nullptr;
    EXPECT_FALSE(created);
    EXPECT_LT(clock.elapsed(), 500);
}

TEST_F(ShowStatusTest, TwoCallsShowEachTheirOwnMessage) {
    QStringList seen;
    auto look = [&] {
        if (StatusWindow* status = testing::Windows().LoadedStatus()) {
            seen << status->Message();
        }
    };
    QTimer::singleShot(500, look);
    ShowStatus(testing::Windows(), "first", 1);
    QTimer::singleShot(500, look);
    ShowStatus(testing::Windows(), "second", 1);
    EXPECT_EQ(seen, (QStringList{"first", "second"}));
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
