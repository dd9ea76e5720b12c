#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "core/version.h"
#include "support/window_test.h"
#include "ui/common/program_window.h"
#include "ui/info/about_window.h"
#include "ui/info/form_diameter_note.h"
#include "ui/info/help_window.h"
#include "ui/info/info_texts.h"
#include "ui/info/license_window.h"
#include "ui/info/limitations_window.h"
#include "ui/print/status_window.h"

namespace korvanta {
namespace {

using testing::Control;

class InfoWindowsTest : public testing::WindowTest {};

QString Shown(QWidget& window, const char* name) {
    return Control<QPlainTextEdit>(window, name).toPlainText();
}

TEST_F(InfoWindowsTest, FormDiameterNoteOfAnExternalPairKeepsItsLineBreaks) {
    FormDiameterNote& info = testing::Windows().Note(PairKind::External);
    EXPECT_EQ(info.windowTitle(), "Involute Form Diameter Info");
    EXPECT_EQ(info.size(), QSize(531, 158));
    EXPECT_EQ(
        info_texts::FormDiameterExternal(),
        "The Form Diameter is equal to the SAP Diameter minus an estimated amount \r\nof form clearance. "
        "The Form Clearance allows for any radial runout that might \r\nexist in a set of mating gears due "
        "to manufacturing or mounting errors.\r\n");
    EXPECT_EQ(
        Shown(info, "Text1"),
        "The Form Diameter is equal to the SAP Diameter minus an estimated amount \nof form clearance. "
        "The Form Clearance allows for any radial runout that might \nexist in a set of mating gears due "
        "to manufacturing or mounting errors.\n");
}

TEST_F(InfoWindowsTest, FormDiameterNoteOfAnInternalPair) {
    FormDiameterNote& info = testing::Windows().Note(PairKind::Internal);
    EXPECT_EQ(info.size(), QSize(518, 159));
    EXPECT_EQ(
        Shown(info, "Text1"),
        "The Form Diameter is equal to the SAP Diameter minus an estimated amount of form clearance for "
        "the pinion and plus an estimated amount of form clearance for the gear. The Form Clearance allows "
        "for any radial runout that might exist in a set of mating gears due to manufacturing or mounting "
        "errors.\n");
}

TEST_F(InfoWindowsTest, NotesShownModallyCloseByTheirButton) {
    for (bool internal : {false, true}) {
        QWidget* note = internal ? static_cast<QWidget*>(&testing::Windows().Note(PairKind::Internal))
                                 : static_cast<QWidget*>(&testing::Windows().Note(PairKind::External));
        bool modal = false;
        QTimer::singleShot(100, [&] {
            modal = QApplication::activeModalWidget() == note;
            QTest::mouseClick(&Control<QPushButton>(*note, "Command1"), Qt::LeftButton);
        });
        ShowModal(note);
        EXPECT_TRUE(modal) << internal;
    }
    EXPECT_EQ(testing::Windows().LoadedNote(PairKind::External), nullptr);
    EXPECT_EQ(testing::Windows().LoadedNote(PairKind::Internal), nullptr);
}

TEST_F(InfoWindowsTest, HelpShowsTheThreeStepsBesidePicturesOfTheInputWindow) {
    HelpWindow& help = testing::Windows().Help();
    EXPECT_EQ(help.windowTitle(), "Getting Started");
    EXPECT_EQ(help.size(), QSize(700, 594));
    EXPECT_EQ(Shown(help, "Text3"), "3.) Click on the \"Calculate\" button using your mouse.\n");
    EXPECT_EQ(
        Shown(help, "Text2"),
        "2.) Type in the appropriate gear data for each input box. To navigate to each input box use your "
        "\nmouse or use the \"Enter\", \"Tab\" or up and down arrow keys.\n");
    EXPECT_TRUE(
        Shown(help, "Text1")
            .startsWith(
                "Using Korvanta is simple. Follow these steps to get started.\n\n1.) Select the gear type"));
    EXPECT_EQ(Control<QLabel>(help, "Picture1").pixmap().size(), QSize(156, 46));
    EXPECT_EQ(Control<QLabel>(help, "Picture3").pixmap().size(), QSize(96, 26));
    const QPixmap block = Control<QLabel>(help, "Picture2").pixmap();
    EXPECT_GT(block.width(), 400);
    EXPECT_GT(block.height(), 150);
    EXPECT_EQ(Control<QPushButton>(help, "Cmdclose").text(), "&Close Help");
}

TEST_F(InfoWindowsTest, LimitationsNameTheirThreePointsAndTheWebSite) {
    LimitationsWindow& limitations = testing::Windows().Limitations();
    EXPECT_EQ(limitations.windowTitle(), "Program Limitations");
    EXPECT_EQ(limitations.size(), QSize(569, 459));
    const QString stored = info_texts::Limitations();
    EXPECT_TRUE(
        stored.contains("The Korvanta program is fully functional but it does have a few limitations"));
    EXPECT_TRUE(stored.contains(
        "1.) This program will not tell you wether or not a set of gears will mesh properly in "
        "\r\noperation. It "
        "is up to the user to make sure that the correct data is entered for both the \r\ngear and the "
        "pinion.\r\n"));
    EXPECT_TRUE(
        stored.contains("3.) Because this program does not accept the input of cutter data it will not "
                        "give you tooth \r\ndepth or root diameters as Brenmark 2.0 will.\r\n"));
    EXPECT_TRUE(stored.contains("www.korvanta.example"));
    EXPECT_FALSE(Shown(limitations, "Text1").contains('\r'));
}

TEST_F(InfoWindowsTest, LimitationsWebSiteButtonWaitsForTheStatusThenOpensTheDownloadPage) {
    testing::TheServices().statusDuration = std::chrono::milliseconds(300);
    LimitationsWindow& limitations = testing::Windows().Limitations();
    limitations.show();
    QTest::mouseClick(&Control<QPushButton>(limitations, "CommandWeb"), Qt::LeftButton);
    EXPECT_NE(testing::Windows().LoadedStatus(), nullptr);
    EXPECT_TRUE(browser.opened.isEmpty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !browser.opened.isEmpty(); }, 5000));
    EXPECT_EQ(testing::Windows().LoadedStatus(), nullptr);
    EXPECT_EQ(browser.opened, QStringList{"www.korvanta.example/download.html"});
}

TEST_F(InfoWindowsTest, LicenceShowsTheTermsOfUse) {
    LicenseWindow& licence = testing::Windows().License();
    EXPECT_EQ(licence.windowTitle(), "License Agreement");
    EXPECT_EQ(licence.size(), QSize(661, 487));
    EXPECT_TRUE(Shown(licence, "Text1").contains("MIT License"));
    EXPECT_TRUE(Shown(licence, "Text1").contains("without warranty"));
    QTest::mouseClick(&Control<QPushButton>(licence, "Command1"), Qt::LeftButton);
    EXPECT_EQ(testing::Windows().LoadedLicense(), nullptr);
}

TEST_F(InfoWindowsTest, AboutShowsVersionContactsAndDescription) {
    AboutWindow& about = testing::Windows().About();
    EXPECT_EQ(about.windowTitle(), "About Korvanta");
    EXPECT_EQ(about.size(), QSize(452, 295));
    EXPECT_EQ(Control<QLabel>(about, "lblTitle").text(), "Korvanta Version " + QString::fromUtf8(kVersion));
    EXPECT_EQ(Control<QLabel>(about, "LabelEmail").text(), "Email: gears@korvanta.example");
    EXPECT_EQ(Control<QLabel>(about, "LabelWeb").text(), "Web: www.korvanta.example");
    EXPECT_EQ(Shown(about, "Text1"),
              "Korvanta is a free tool designed to calculate inspection data for a set of "
              "\nmating gears. It is a small part of the Brenmark 2.0 software \navailable "
              "from www.korvanta.example.\n");
    EXPECT_EQ(Control<QLabel>(about, "Picture1").pixmap().size(), QSize(32, 32));
    EXPECT_EQ(Control<QPushButton>(about, "Command2").geometry(), QRect(230, 250, 96, 26));
    testing::ExpectLabelsFit(about);
}

TEST_F(InfoWindowsTest, AboutWebSiteButtonOpensTheHomePageAtOnce) {
    AboutWindow& about = testing::Windows().About();
    about.show();
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(&Control<QPushButton>(about, "Command2"), Qt::LeftButton);
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(browser.opened, QStringList{"www.korvanta.example"});
    EXPECT_EQ(testing::Windows().LoadedStatus(), nullptr);
}

TEST_F(InfoWindowsTest, EnterOnAboutsClosePressesIt) {
    AboutWindow& about = testing::Windows().About();
    ASSERT_TRUE(testing::ShowActive(about));
    QPushButton& close = Control<QPushButton>(about, "Command1");
    close.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&close, Qt::Key_Return);
    EXPECT_EQ(testing::Windows().LoadedAbout(), nullptr);
}

// Escape closes each information window as its Close or OK button does.
TEST_F(InfoWindowsTest, EscapeClosesEveryInformationWindow) {
    const std::pair<const char*, std::function<QWidget&()>> windows[] = {
        {"help", []() -> QWidget& { return testing::Windows().Help(); }},
        {"licence", []() -> QWidget& { return testing::Windows().License(); }},
        {"limitations", []() -> QWidget& { return testing::Windows().Limitations(); }},
        {"about", []() -> QWidget& { return testing::Windows().About(); }},
        {"external note", []() -> QWidget& { return testing::Windows().Note(PairKind::External); }},
        {"internal note", []() -> QWidget& { return testing::Windows().Note(PairKind::Internal); }},
    };
    for (const auto& [name, open] : windows) {
        const QPointer<QWidget> window = &open();
        ASSERT_TRUE(testing::ShowActive(*window)) << name;
        QTest::keyClick(window->focusWidget() != nullptr ? window->focusWidget() : window.data(),
                        Qt::Key_Escape);
        QApplication::processEvents();
        EXPECT_TRUE(window.isNull() || !window->isVisible()) << name;
    }
    EXPECT_EQ(testing::Windows().LoadedHelp(), nullptr);
    EXPECT_EQ(testing::Windows().LoadedAbout(), nullptr);
}

// F1 opens the help from whichever window has the focus: here the status window, which has no menu.
TEST_F(InfoWindowsTest, F1OpensTheHelpFromAnyWindow) {
    StatusWindow& status = testing::Windows().Status();
    ASSERT_TRUE(testing::ShowActive(status));
    QTimer::singleShot(0, [] {
        HelpWindow* help = testing::Windows().LoadedHelp();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        help->close();
    });
    QTest::keyClick(&status, Qt::Key_F1);
    EXPECT_EQ(testing::Windows().LoadedHelp(), nullptr);
}

} // namespace
} // namespace korvanta
