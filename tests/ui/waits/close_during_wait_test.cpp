// A window closed while one of its own flows waits (the print status, the printer's question, the
// file dialog, the table's context menu) is never used afterwards. Run under AddressSanitizer too.
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>

#include "output/pair_setup.h"
#include "print/recording_chooser.h"
#include "print/recording_printer.h"
#include "support/window_test.h"
#include "ui/common/dialogs.h"
#include "ui/diagram/diagram_window.h"
#include "ui/measure/measurements_window.h"
#include "ui/output/output_window.h"
#include "ui/print/save_file_chooser.h"
#include "ui/print/status_window.h"
#include "ui/print/system_page_printer.h"

namespace korvanta::testing {
namespace {

using namespace std::chrono_literals;

// The close request of the window manager (its close button, Alt+F4, the end of a desktop session),
// as Qt's window-system layer hands it to the window.
void CloseFromWindowSystem(QWidget& window) {
    QCloseEvent close;
    QCoreApplication::sendEvent(window.windowHandle(), &close);
}

// Runs `act` with the modal window once one shows: inside the wait that shows it.
void WhenModalShows(std::function<void(QWidget&)> act) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act)] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->deleteLater();
            poll->stop();
            act(*modal);
        }
    });
    poll->start(10);
}

class CloseDuringWaitTest : public WindowTest {
protected:
    OutputWindow& ShowOutput() {
        CalculatePair(true, kExternalSpurPair);
        OutputWindow& output = Windows().Output(PairKind::External);
        EXPECT_TRUE(ShowActive(output));
        return output;
    }

    // Presses the window's print button, closes the window from outside while the status shows, and
    // waits until the status is over.
    void PrintAndCloseDuringTheStatus(QWidget& window, const char* printButton) {
        TheServices().statusDuration = 400ms;
        const QPointer<QWidget> printed(&window);
        bool statusShownAtTheClose = false;
        QTimer::singleShot(100, [&] {
            StatusWindow* status = Windows().LoadedStatus();
            statusShownAtTheClose = status != nullptr && status->isVisible();
            CloseFromWindowSystem(*printed);
        });
        Control<QPushButton>(window, printButton).click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return printed.isNull(); }, 5000)) << "the window did not close";
        ASSERT_TRUE(QTest::qWaitFor([] { return Windows().LoadedStatus() == nullptr; }, 5000));
        QTest::qWait(50);
        EXPECT_TRUE(statusShownAtTheClose);
        EXPECT_EQ(printer.printedPages, 1);
    }

    RecordingPrinter printer;
};

TEST_F(CloseDuringWaitTest, OutputWindowClosedDuringItsPrintStatus) {
    PrintAndCloseDuringTheStatus(ShowOutput(), "Command2");
    EXPECT_EQ(Windows().LoadedOutput(PairKind::External), nullptr);
    // The program still answers: the output window opens again.
    EXPECT_TRUE(ShowActive(Windows().Output(PairKind::External)));
}

TEST_F(CloseDuringWaitTest, MeasurementsWindowClosedDuringItsPrintStatus) {
    CalculatePair(true, kExternalSpurPair);
    OpenMeasurements(Windows(), Windows().Input());
    ASSERT_NE(Windows().LoadedMeasurements(), nullptr);
    ASSERT_TRUE(ShowActive(*Windows().LoadedMeasurements()));
    PrintAndCloseDuringTheStatus(*Windows().LoadedMeasurements(), "CommandPrint");
    EXPECT_EQ(Windows().LoadedMeasurements(), nullptr);
}

TEST_F(CloseDuringWaitTest, DiagramClosedDuringItsPrintStatus) {
    ShowOutput();
    DiagramWindow& diagram = Windows().Diagram();
    ASSERT_TRUE(ShowActive(diagram));
    PrintAndCloseDuringTheStatus(diagram, "CmdPrint");
    EXPECT_EQ(Windows().LoadedDiagram(), nullptr);
}

TEST_F(CloseDuringWaitTest, OutputWindowClosedWhileTheCellMenuIsOpen) {
    const QPointer<OutputWindow> output(&ShowOutput());
    QLineEdit& cell = Control<QLineEdit>(*output, "Text_12");
    const QPoint at = cell.rect().center();
    QPointer<QMenu> menu;
    QTimer::singleShot(50, [&] {
        menu = cell.findChild<QMenu*>();
        ASSERT_FALSE(menu.isNull());
        EXPECT_TRUE(menu->isVisible());
        CloseFromWindowSystem(*output);
    });
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, cell.mapToGlobal(at));
    QCoreApplication::sendEvent(&cell, &rightClick);
    EXPECT_TRUE(QTest::qWaitFor([&] { return output.isNull(); }, 5000));
    EXPECT_TRUE(menu.isNull());
}

// Without a printer: the real question box or file dialog, and a close arriving while it waits. The
// window it is shown over stays open; the page is saved and the status follows, as without the close.
class CloseDuringPrinterQuestionTest : public CloseDuringWaitTest {
protected:
    void SetUp() override {
        CloseDuringWaitTest::SetUp();
        TheServices().statusDuration = 100ms;
        pdf = folder.filePath("page.pdf");
    }

    void PrintWithoutPrinter(Dialogs& questions, SaveFileChooser& files) {
        SystemPagePrinter system(questions, files, [] { return false; });
        const Replace<Dialogs> useQuestions(TheServices().dialogs, &questions);
        const Replace<PagePrinter> usePrinter(TheServices().printer, &system);
        output = &ShowOutput();
        Control<QPushButton>(*output, "Command2").click();
        ASSERT_FALSE(output.isNull()) << "closed under its own print";
        EXPECT_TRUE(output->isVisible());
        EXPECT_TRUE(QFile::exists(pdf));
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return Control<QPushButton>(*output, "Command2").isVisible(); }, 5000));
        // Once the wait is over, the window closes as usual.
        CloseFromWindowSystem(*output);
        EXPECT_TRUE(QTest::qWaitFor([&] { return output.isNull(); }, 5000));
    }

    // Both kinds of close a wait can meet: the window manager's request and close() from a timer.
    void CloseTheOutputWindowBothWays() {
        closeRefused = true;
        CloseFromWindowSystem(*output);
        closeRefused = output->isVisible() && !output->close() && output->isVisible();
    }

    QTemporaryDir folder;
    QString pdf;
    QPointer<OutputWindow> output;
    bool closeRefused = false;
};

TEST_F(CloseDuringPrinterQuestionTest, CloseDuringTheNoPrinterQuestionIsRefused) {
    MessageBoxDialogs boxes;
    RecordingChooser chooser;
    chooser.answer = pdf;
    WhenModalShows([&](QWidget& modal) {
        CloseTheOutputWindowBothWays();
        auto* box = qobject_cast<QMessageBox*>(&modal);
        ASSERT_NE(box, nullptr);
        box->button(QMessageBox::Yes)->click();
    });
    PrintWithoutPrinter(boxes, chooser);
    EXPECT_TRUE(closeRefused);
    EXPECT_EQ(chooser.calls, 1);
}

TEST_F(CloseDuringPrinterQuestionTest, CloseDuringTheFileDialogIsRefused) {
    FileDialogChooser fileDialog;
    WhenModalShows([&](QWidget& modal) {
        CloseTheOutputWindowBothWays();
        auto* dialog = qobject_cast<QFileDialog*>(&modal);
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(pdf);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    PrintWithoutPrinter(dialogs, fileDialog);
    EXPECT_TRUE(closeRefused);
}

} // namespace
} // namespace korvanta::testing
