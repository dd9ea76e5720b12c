#include <QAction>
#include <QElapsedTimer>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "input_window_test.h"
#include "ui/info/about_window.h"
#include "ui/info/help_window.h"
#include "ui/info/license_window.h"
#include "ui/print/status_window.h"

namespace korvanta {
namespace {

class MenusTest : public testing::InputWindowTest {};

TEST_F(MenusTest, MenuBarHasTheItemsInOrder) {
    QStringList help;
    for (QAction* action : Control<QMenu>("MnuHelp").actions()) {
        help << action->text();
    }
    EXPECT_EQ(help, (QStringList{"&How to use Korvanta", "Web site", "Licence Agreement",
                                 "Program Limitations", "&About Korvanta"}));
    EXPECT_EQ(Control<QMenu>("MnuFile").title(), "&File");
    EXPECT_EQ(Control<QAction>("mnuexit").text(), "E&xit");
}

TEST_F(MenusTest, ExitUnloadsTheInputWindow) {
    Control<QAction>("mnuexit").trigger();
    EXPECT_EQ(testing::Windows().LoadedInput(), nullptr);
}

TEST_F(MenusTest, ExitButtonUnloadsTheInputWindowAndANewOneStartsEmpty) {
    Enter("TextNT1", "20");
    QTest::mouseClick(&Control<QPushButton>("Command2"), Qt::LeftButton);
    EXPECT_EQ(testing::Windows().LoadedInput(), nullptr);
    InputWindow& fresh = testing::Windows().Input();
    EXPECT_EQ(testing::Control<QLineEdit>(fresh, "TextNT1").text(), "");
}

TEST_F(MenusTest, HelpIsModalAndClosesByItsButton) {
    bool blocked = false;
    QTimer::singleShot(200, [&] {
        HelpWindow* help = testing::Windows().LoadedHelp();
        ASSERT_NE(help, nullptr);
        blocked = QApplication::activeModalWidget() == help;
        QTest::mouseClick(&testing::Control<QPushButton>(*help, "Cmdclose"), Qt::LeftButton);
    });
    Control<QAction>("MnuContents").trigger();
    EXPECT_TRUE(blocked);
    EXPECT_EQ(testing::Windows().LoadedHelp(), nullptr);
}

TEST_F(MenusTest, LicenceAndAboutLeaveTheInputWindowUsable) {
    Control<QAction>("MnuLicence").trigger();
    Control<QAction>("MnuAbout").trigger();
    ASSERT_NE(testing::Windows().LoadedLicense(), nullptr);
    ASSERT_NE(testing::Windows().LoadedAbout(), nullptr);
    EXPECT_TRUE(testing::Windows().LoadedAbout()->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    ASSERT_TRUE(testing::Activate(*window));
    EXPECT_TRUE(window->isEnabled());
    Enter("TextNT1", "25");
    EXPECT_EQ(Field("TextNT1").text(), "25");
}

TEST_F(MenusTest, WebSiteShowsTheStatusForItsTimeThenOpensTheBrowser) {
    testing::TheServices().statusDuration = std::chrono::milliseconds(300);
    QElapsedTimer clock;
    clock.start();
    Control<QAction>("MnuWebsite").trigger();
    ASSERT_NE(testing::Windows().LoadedStatus(), nullptr);
    EXPECT_EQ(testing::Windows().LoadedStatus()->Message(), "Starting web browser, one moment please...");
    EXPECT_TRUE(browser.opened.isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !browser.opened.isEmpty(); }, 5000));
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_EQ(browser.opened, QStringList{"www.korvanta.example"});
    EXPECT_EQ(testing::Windows().LoadedStatus(), nullptr);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(MenusTest, BrowserThatCannotStartIsReportedAndTheProgramGoesOn) {
    browser.succeeds = false;
    Control<QAction>("MnuWebsite").trigger();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_NE(dialogs.shown[0].text.find("www.korvanta.example"), std::string::npos);
    EXPECT_NE(testing::Windows().LoadedInput(), nullptr);
}

} // namespace
} // namespace korvanta
