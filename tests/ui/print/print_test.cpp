#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "print/recording_chooser.h"
#include "print/recording_printer.h"
#include "support/recording_dialogs.h"
#include "ui/print/save_file_chooser.h"
#include "ui/print/system_page_printer.h"
#include "ui/print/window_printing.h"

namespace korvanta::testing {
namespace {

// A window with the client area of the diagram window: 749 x 582 pixels, 11235 x 8730 units.
class PlainWindow : public QWidget {
public:
    PlainWindow() {
        setFixedSize(749, 582);
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, QColor(10, 200, 30));
        setPalette(colours);
    }
};

int PdfPageCount(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QString content = QString::fromLatin1(file.readAll());
    return static_cast<int>(content.count(QRegularExpression("/Type\\s*/Page[^s]")));
}

// A folder where every write fails for want of room: a file system of 64 KiB filled to the last byte
// ("No space left on device"). Where nothing can be mounted (the tests do not run as root) the
// process's file size limit refuses the writes instead ("File too large").
class FullFolder {
public:
    FullFolder() {
        mounted_ = mount("tmpfs", QFile::encodeName(folder_.path()).constData(), "tmpfs", 0, "size=64k") == 0;
        if (mounted_) {
            QFile filler(folder_.filePath("filler"));
            filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size()) {
            }
            reason = "No space left on device";
        } else {
            getrlimit(RLIMIT_FSIZE, &saved_);
            const rlimit none{0, saved_.rlim_max};
            setrlimit(RLIMIT_FSIZE, &none);
            signal(SIGXFSZ, SIG_IGN);
            reason = "File too large";
        }
    }
    ~FullFolder() {
        if (mounted_) {
            umount(QFile::encodeName(folder_.path()).constData());
        } else {
            setrlimit(RLIMIT_FSIZE, &saved_);
        }
    }

    QString FilePath(const QString& name) const { return folder_.filePath(name); }
    // The names in the folder other than the filler.
    QStringList Files() const {
        QStringList names = QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden);
        names.removeAll("filler");
        return names;
    }

    QString reason;

private:
    QTemporaryDir folder_;
    bool mounted_ = false;
    rlimit saved_{};
};

TEST(WindowPrinting, CaptureTakesTheClientAreaAsShown) {
    PlainWindow window;
    window.show();
    const QImage picture = CaptureWindowImage(window);
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(749, 582));
    EXPECT_EQ(picture.pixelColor(100, 100), QColor(10, 200, 30));
    window.close();
}

// The page shows no focus frame or selection; the user finds the cell as it was after printing.
TEST(WindowPrinting, CaptureLeavesOutTheFocusAndTheSelectionAndGivesThemBack) {
    QWidget window;
    window.setFixedSize(300, 120);
    auto* plain = new QLineEdit(QStringLiteral("2.86290"), &window);
    plain->setGeometry(20, 20, 120, 24);
    auto* focused = new QLineEdit(QStringLiteral("2.86290"), &window);
    focused->setGeometry(160, 20, 120, 24);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    focused->setFocus();
    focused->setSelection(1, 3);
    ASSERT_TRUE(focused->hasFocus());

    const QImage picture = CaptureWindowImage(window);
    // The focused cell prints as the other one does.
    EXPECT_EQ(picture.copy(160, 20, 120, 24), picture.copy(20, 20, 120, 24));
    EXPECT_TRUE(focused->hasFocus());
    EXPECT_EQ(focused->selectionStart(), 1);
    EXPECT_EQ(focused->selectedText(), QStringLiteral(".86"));
}

TEST(WindowPrinting, PortraitPageIsLimitedByTheWidth) {
    RecordingPrinter printer;
    PlainWindow window;
    window.show();
    PrintWindowScaled(TheServices(), window, 90, 40, 30);
    ASSERT_EQ(printer.drawings.size(), 1u);
    const QRectF target = printer.drawings.front().target;
    EXPECT_EQ(target.topLeft(), QPointF(490, 2184));
    EXPECT_NEAR(target.width(), 11016.0, 0.05);
    EXPECT_NEAR(target.height(), 8559.8, 0.05);
    EXPECT_EQ(printer.printedPages, 1);
    EXPECT_EQ(printer.finishDocumentCalls, 1);
    window.close();
}

TEST(WindowPrinting, LandscapePageIsLimitedByTheHeight) {
    RecordingPrinter printer;
    printer.pageSize = QSizeF(15840, 12240);
    PlainWindow window;
    window.show();
    PrintWindowScaled(TheServices(), window, 90, 40, 30);
    ASSERT_EQ(printer.drawings.size(), 1u);
    const QRectF target = printer.drawings.front().target;
    EXPECT_EQ(target.topLeft(), QPointF(665, 367));
    EXPECT_NEAR(target.width(), 14176.9, 0.05);
    EXPECT_NEAR(target.height(), 11016.0, 0.05);
    window.close();
}

TEST(WindowPrinting, SecondEndOfDocumentMakesNoPage) {
    RecordingPrinter printer;
    PlainWindow window;
    window.show();
    PrintWindowScaled(TheServices(), window, 90, 40, 30);
    printer.FinishDocument();
    EXPECT_EQ(printer.printedPages, 1);
    EXPECT_EQ(printer.startedPages, 1);
}

TEST(WindowPrinting, PageTooLargeForThePositionsIsReportedWithoutAPage) {
    RecordingDialogs dialogs;
    RecordingPrinter printer;
    printer.pageSize = QSizeF(200000, 100);
    PlainWindow window;
    window.show();
    PrintWindowScaled(TheServices(), window, 90, 40, 30);
    EXPECT_TRUE(printer.drawings.empty());
    EXPECT_EQ(printer.printedPages, 0);
    EXPECT_EQ(printer.finishDocumentCalls, 1);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown.front().icon, MessageIcon::Stop);
    EXPECT_EQ(dialogs.shown.front().title, "Korvanta");
}

TEST(SystemPrinter, WithoutPrinterOffersAPdfFileAndNoMeansNoPage) {
    RecordingDialogs dialogs;
    dialogs.answers = {false};
    RecordingChooser chooser;
    SystemPagePrinter printer(dialogs, chooser, [] { return false; });
    EXPECT_FALSE(printer.StartPage().has_value());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    const Message& question = dialogs.shown.front();
    EXPECT_TRUE(question.question);
    EXPECT_EQ(question.title, "Korvanta");
    EXPECT_EQ(question.icon, MessageIcon::Exclamation);
    EXPECT_NE(question.text.find("No printer"), std::string::npos);
    EXPECT_NE(question.text.find("PDF"), std::string::npos);
    EXPECT_EQ(chooser.calls, 0);
    printer.FinishDocument();
}

TEST(SystemPrinter, WithoutPrinterCancellingTheFileChoiceMakesNoPage) {
    RecordingDialogs dialogs;
    RecordingChooser chooser;
    SystemPagePrinter printer(dialogs, chooser, [] { return false; });
    EXPECT_FALSE(printer.StartPage().has_value());
    EXPECT_EQ(chooser.calls, 1);
    EXPECT_EQ(chooser.lastFilter, "PDF files (*.pdf)");
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST(SystemPrinter, WithoutPrinterThePageIsSavedAsOnePdfPage) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    RecordingDialogs dialogs;
    RecordingChooser chooser;
    chooser.answer = folder.filePath("window.pdf");
    SystemPagePrinter printer(dialogs, chooser, [] { return false; });
    const Replace<PagePrinter> use(TheServices().printer, &printer);
    PlainWindow window;
    window.show();
    PrintWindowScaled(TheServices(), window, 90, 40, 30);
    printer.FinishDocument();
    window.close();
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(PdfPageCount(chooser.answer), 1);
}

TEST(SystemPrinter, PdfPageSizeIsTheWholeSheetInTwips) {
    QTemporaryDir folder;
    RecordingDialogs dialogs;
    RecordingChooser chooser;
    chooser.answer = folder.filePath("size.pdf");
    SystemPagePrinter printer(dialogs, chooser, [] { return false; });
    const std::optional<QSizeF> page = printer.StartPage();
    ASSERT_TRUE(page.has_value());
    // A4 (11906 x 16838, to whole points) or Letter (12240 x 15840), whichever the locale gives.
    EXPECT_TRUE(std::abs(page->width() - 11906) < 10 || std::abs(page->width() - 12240) < 10)
        << page->width();
    EXPECT_GT(page->height(), page->width());
    printer.FinishDocument();
}

// The stop message after the PDF question: the file named, the system's reason given.
void ExpectPdfFailure(const RecordingDialogs& dialogs, const QString& file, const QString& reason) {
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_TRUE(dialogs.shown[0].question);
    const Message& failure = dialogs.shown[1];
    EXPECT_EQ(failure.icon, MessageIcon::Stop);
    EXPECT_NE(failure.text.find("could not be saved"), std::string::npos) << failure.text;
    EXPECT_NE(failure.text.find(file.toStdString()), std::string::npos) << failure.text;
    EXPECT_NE(failure.text.find(reason.toStdString()), std::string::npos) << failure.text;
    EXPECT_EQ(failure.text.find("printer"), std::string::npos) << failure.text;
}

// Places no file can be made (the tests run as root, whom permissions do not stop; a path through a
// plain file stops anyone).
TEST(SystemPrinter, PdfThatCannotBeCreatedIsReportedWithTheFileAndTheReason) {
    QTemporaryDir folder;
    QFile plain(folder.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const std::vector<std::pair<QString, QString>> cases = {
        {folder.filePath("missing/window.pdf"), "No such file or directory"},
        {folder.filePath("plain/window.pdf"), "Not a directory"},
    };
    PlainWindow window;
    window.show();
    for (const auto& [file, reason] : cases) {
        RecordingDialogs dialogs;
        RecordingChooser chooser;
        chooser.answer = file;
        SystemPagePrinter printer(dialogs, chooser, [] { return false; });
        const Replace<PagePrinter> use(TheServices().printer, &printer);
        EXPECT_FALSE(PrintWindowScaled(TheServices(), window, 90, 40, 30));
        ExpectPdfFailure(dialogs, file, reason);
        EXPECT_FALSE(QFile::exists(file));
    }
    window.close();
}

TEST(SystemPrinter, PdfOnAFullDiskIsReportedAndLeavesNoFile) {
    FullFolder full;
    RecordingDialogs dialogs;
    RecordingChooser chooser;
    chooser.answer = full.FilePath("window.pdf");
    SystemPagePrinter printer(dialogs, chooser, [] { return false; });
    const Replace<PagePrinter> use(TheServices().printer, &printer);
    PlainWindow window;
    window.show();
    EXPECT_FALSE(PrintWindowScaled(TheServices(), window, 90, 40, 30));
    window.close();
    ExpectPdfFailure(dialogs, chooser.answer, full.reason);
    EXPECT_EQ(full.Files(), QStringList());
}

TEST(SystemPrinter, SavedPdfCountsAsAPrintedPage) {
    QTemporaryDir folder;
    RecordingDialogs dialogs;
    RecordingChooser chooser;
    chooser.answer = folder.filePath("window.pdf");
    SystemPagePrinter printer(dialogs, chooser, [] { return false; });
    const Replace<PagePrinter> use(TheServices().printer, &printer);
    PlainWindow window;
    window.show();
    EXPECT_TRUE(PrintWindowScaled(TheServices(), window, 90, 40, 30));
    EXPECT_FALSE(printer.FinishDocument());
    window.close();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList("window.pdf"));
}

} // namespace
} // namespace korvanta::testing
