#include <gtest/gtest.h>

#include "support/window_test.h"
#include "ui/common/browser.h"
#include "ui/common/gear_icon.h"
#include "ui/common/shown_text.h"

namespace korvanta {
namespace {

class PlumbingTest : public testing::WindowTest {};

TEST(ShownTextTest, CarriageReturnsBecomeLineBreaks) {
    EXPECT_EQ(ShownText(QString("a\r\nb\rc\n")), "a\nb\nc\n");
}

TEST_F(PlumbingTest, OpenWebPageUsesTheInstalledBrowser) {
    OpenWebPage(testing::TheServices(), "www.korvanta.example");
    EXPECT_EQ(browser.opened, QStringList{"www.korvanta.example"});
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(PlumbingTest, BrowserFailureIsAMessageNotAnExit) {
    browser.succeeds = false;
    OpenWebPage(testing::TheServices(), "www.korvanta.example/download.html");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].title, "Korvanta");
    EXPECT_EQ(dialogs.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_NE(dialogs.shown[0].text.find("www.korvanta.example/download.html"), std::string::npos);
}

TEST(GearIconTest, DrawsAGearWithAHoleInTheMiddle) {
    const QImage image = GearIconPixmap(QSize(64, 64)).toImage();
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(32, 32)), 0);
    EXPECT_GT(qAlpha(image.pixel(32, 14)), 200);
}

} // namespace
} // namespace korvanta
