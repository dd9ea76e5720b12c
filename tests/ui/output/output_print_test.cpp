#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "logic/print_placement.h"
#include "pair_setup.h"
#include "print/recording_chooser.h"
#include "print/recording_printer.h"
#include "support/window_test.h"
#include "ui/output/output_window.h"
#include "ui/print/system_page_printer.h"
#include "ui/print/window_background.h"

namespace korvanta::testing {
namespace {

// The colour a control shows at its top right corner, clear of its text, inside the printed picture.
QColor BackgroundInPicture(const QImage& picture, QWidget& window, const char* name) {
    auto* control = window.findChild<QWidget*>(name);
    EXPECT_NE(control, nullptr) << name;
    const QRect area = control->geometry();
    return picture.pixelColor(area.right() - 3, area.top() + 3);
}

struct PrintCase {
    const char* window;
    bool external;
};

class OutputPrintTest : public WindowTest, public ::testing::WithParamInterface<PrintCase> {
protected:
    QWidget& ShowOutput() {
        const bool external = GetParam().external;
        CalculatePair(external, external ? kExternalSpurPair : kInternalSpurPair);
        QWidget& window = external ? static_cast<QWidget&>(testing::Windows().Output(PairKind::External))
                                   : static_cast<QWidget&>(testing::Windows().Output(PairKind::Internal));
        EXPECT_TRUE(ShowActive(window));
        return window;
    }

    RecordingPrinter printer;
};

TEST_P(OutputPrintTest, PrintsOnePageScaledAndPlacedOnThePage) {
    QWidget& window = ShowOutput();
    window.findChild<QPushButton*>("Command2")->click();
    ASSERT_EQ(printer.drawings.size(), 1u);
    EXPECT_EQ(printer.printedPages, 1);
    EXPECT_EQ(printer.finishDocumentCalls, 1); // the document is finished once
    const PrintPlacement expected =
        PlaceScaled(window.width() * 15.0, window.height() * 15.0, 12240, 15840, 90, 40, 30);
    const QRectF target = printer.drawings.front().target;
    EXPECT_EQ(target.x(), expected.x);
    EXPECT_EQ(target.y(), expected.y);
    EXPECT_DOUBLE_EQ(target.width(), expected.width);
    EXPECT_DOUBLE_EQ(target.height(), expected.height);
    EXPECT_EQ(printer.drawings.front().image.deviceIndependentSize().toSize(), window.size());
}

TEST_P(OutputPrintTest, PrintoutIsWhiteWithoutTheTextButtonsExceptTheCellsThatKeepButtonFace) {
    QWidget& window = ShowOutput();
    window.findChild<QPushButton*>("Command2")->click();
    ASSERT_EQ(printer.drawings.size(), 1u);
    const QImage& picture = printer.drawings.front().image;
    const QColor white(Qt::white);
    EXPECT_EQ(picture.pixelColor(5, 5), white);
    for (const char* button : {"CommandClose", "Command1", "Command2", "Command3"}) {
        EXPECT_EQ(BackgroundInPicture(picture, window, button), white) << button;
    }
    EXPECT_NE(BackgroundInPicture(picture, window, "Command4"), white);
    for (const char* control : {"Label1", "Label3", "LabelNT", "LabelOD", "Text_1", "Text_12", "Text_14",
                                "TextCD1", "TextNT2", "TextPA1", "TextHA2"}) {
        EXPECT_EQ(BackgroundInPicture(picture, window, control), white) << control;
    }
    for (const char* control :
         {"LabelDP", "TextTDP1", "TextTPA2", "TextPD1", "TextProfileshift2", "Text_15", "Text_16"}) {
        EXPECT_EQ(BackgroundInPicture(picture, window, control), ButtonFace()) << control;
    }
}

TEST_P(OutputPrintTest, WindowLooksAsBeforeAfterPrinting) {
    QWidget& window = ShowOutput();
    window.findChild<QWidget*>("Text_12")->setFocus();
    QApplication::processEvents();
    const QImage before = window.grab().toImage();
    window.findChild<QPushButton*>("Command2")->click();
    QApplication::processEvents();
    for (const char* button : {"CommandClose", "Command1", "Command2", "Command3"}) {
        EXPECT_TRUE(window.findChild<QWidget*>(button)->isVisible()) << button;
    }
    EXPECT_EQ(QApplication::focusWidget(), window.findChild<QWidget*>("Text_12"));
    EXPECT_EQ(window.grab().toImage(), before);
}

TEST_P(OutputPrintTest, PrintingTwiceGivesTwoIdenticalPages) {
    QWidget& window = ShowOutput();
    window.findChild<QPushButton*>("Command2")->click();
    window.findChild<QPushButton*>("Command2")->click();
    ASSERT_EQ(printer.drawings.size(), 2u);
    EXPECT_EQ(printer.printedPages, 2);
    EXPECT_EQ(printer.drawings[0].target, printer.drawings[1].target);
    EXPECT_EQ(printer.drawings[0].image, printer.drawings[1].image);
}

// The text of the status window on screen, empty when none is shown.
QString StatusOnScreen() {
    QString text;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top->windowTitle() == "Status") {
            for (QLabel* label : top->findChildren<QLabel*>()) {
                text += label->text();
            }
        }
    }
    return text;
}

// The page first, then the status with the buttons still hidden; the buttons come back when it ends.
TEST_P(OutputPrintTest, StatusMessageFollowsThePrintAndTheButtonsComeBackAfterIt) {
    QWidget& window = ShowOutput();
    TheServices().statusDuration = std::chrono::milliseconds(300);
    window.findChild<QPushButton*>("Command2")->click();
    EXPECT_EQ(printer.printedPages, 1);
    EXPECT_EQ(StatusOnScreen(), "Printing form, one moment please...");
    EXPECT_FALSE(window.findChild<QWidget*>("Command2")->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.findChild<QWidget*>("Command2")->isVisible(); }, 5000));
    EXPECT_EQ(StatusOnScreen(), "");
}

struct NoPrinterCase {
    const char* name;
    bool savePdf;     // the answer to the PDF question
    const char* file; // chosen in the file dialog, in a fresh folder; empty: cancelled
    bool pageProduced;
};

// Without a printer the PDF question and the file dialog come before any status message, and the
// status is shown only when a page was actually saved.
TEST_P(OutputPrintTest, WithoutPrinterTheStatusFollowsOnlyASavedPage) {
    const NoPrinterCase cases[] = {
        {"declined", false, "", false},
        {"file dialog cancelled", true, "", false},
        {"no such folder", true, "missing/page.pdf", false},
        {"saved", true, "page.pdf", true},
    };
    QWidget& window = ShowOutput();
    TheServices().statusDuration = std::chrono::milliseconds(200);
    for (const NoPrinterCase& test : cases) {
        QTemporaryDir folder;
        dialogs.shown.clear();
        dialogs.answers = {test.savePdf};
        RecordingChooser chooser;
        chooser.answer = *test.file ? folder.filePath(test.file) : QString();
        SystemPagePrinter system(dialogs, chooser, [] { return false; });
        const Replace<PagePrinter> use(TheServices().printer, &system);
        window.findChild<QPushButton*>("Command2")->click();
        const QString statusText = StatusOnScreen();
        EXPECT_EQ(statusText.isEmpty(), !test.pageProduced) << test.name << ": " << statusText.toStdString();
        if (test.pageProduced) {
            EXPECT_EQ(statusText, "Printing form, one moment please...");
            EXPECT_EQ(dialogs.shown.size(), 1u);
            EXPECT_EQ(chooser.calls, 1);
            EXPECT_TRUE(QFile::exists(chooser.answer));
        }
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return window.findChild<QWidget*>("Command2")->isVisible(); }, 5000));
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, OutputPrintTest,
                         ::testing::Values(PrintCase{"FormSAP", true}, PrintCase{"FormSAP2", false}),
                         [](const ::testing::TestParamInfo<PrintCase>& printCase) {
                             return printCase.param.window;
                         });

} // namespace
} // namespace korvanta::testing
