#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include "print/recording_printer.h"
#include "support/recording_dialogs.h"
#include "ui/print/print_from_to_size.h"
#include "ui/print/save_file_chooser.h"
#include "ui/print/system_page_printer.h"

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

class RecordingChooser : public SaveFileChooser {
public:
    RecordingChooser() { SetSaveFileChooser(this); }
    ~RecordingChooser() override { SetSaveFileChooser(nullptr); }

    QString ChooseSaveFile(const QString& caption, const QString& suggestedName,
                           const QString& filter) override {
        ++calls;
        lastCaption = caption;
        lastSuggestion = suggestedName;
        lastFilter = filter;
        return answer;
    }

    QString answer;
    int calls = 0;
    QString lastCaption;
    QString lastSuggestion;
    QString lastFilter;
};

int PdfPageCount(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString content = QString::fromLatin1(file.readAll());
    return static_cast<int>(content.count(QRegularExpression("/Type\\s*/Page[^s]")));
}

TEST(WindowPrinting, CaptureTakesTheClientAreaAsShown) {
    PlainWindow window;
    window.show();
    const QImage picture = CaptureWindowImage(window);
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(749, 582));
    EXPECT_EQ(picture.pixelColor(100, 100), QColor(10, 200, 30));
    window.close();
}

TEST(WindowPrinting, PortraitPageIsLimitedByTheWidth) {
    RecordingPrinter printer;
    PlainWindow window;
    window.show();
    PrintWindowScaled(window, 90, 40, 30);
    ASSERT_EQ(printer.drawings.size(), 1u);
    const QRectF target = printer.drawings.front().target;
    EXPECT_EQ(target.topLeft(), QPointF(490, 2184));
    EXPECT_NEAR(target.width(), 11016.0, 0.05);
    EXPECT_NEAR(target.height(), 8559.8, 0.05);
    EXPECT_EQ(printer.printedPages, 1);
    EXPECT_EQ(printer.endDocCalls, 1);
    window.close();
}

TEST(WindowPrinting, LandscapePageIsLimitedByTheHeight) {
    RecordingPrinter printer;
    printer.pageSize = QSizeF(15840, 12240);
    PlainWindow window;
    window.show();
    PrintWindowScaled(window, 90, 40, 30);
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
    PrintWindowScaled(window, 90, 40, 30);
    printer.EndDoc();
    EXPECT_EQ(printer.printedPages, 1);
    EXPECT_EQ(printer.startedPages, 1);
}

TEST(WindowPrinting, PageTooLargeForThePositionsIsReportedWithoutAPage) {
    RecordingDialogs dialogs;
    RecordingPrinter printer;
    printer.pageSize = QSizeF(200000, 100);
    PlainWindow window;
    window.show();
    PrintWindowScaled(window, 90, 40, 30);
    EXPECT_TRUE(printer.drawings.empty());
    EXPECT_EQ(printer.printedPages, 0);
    EXPECT_EQ(printer.endDocCalls, 1);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown.front().icon, MessageIcon::Stop);
    EXPECT_EQ(dialogs.shown.front().title, "Korvanta");
}

TEST(SystemPrinter, WithoutPrinterOffersAPdfFileAndNoMeansNoPage) {
    RecordingDialogs dialogs;
    dialogs.answers = {false};
    RecordingChooser chooser;
    SystemPagePrinter printer([] { return false; });
    EXPECT_FALSE(printer.StartPage().has_value());
    ASSERT_EQ(dialogs.shown.size(), 1u);
    const Message& question = dialogs.shown.front();
    EXPECT_TRUE(question.question);
    EXPECT_EQ(question.title, "Korvanta");
    EXPECT_EQ(question.icon, MessageIcon::Exclamation);
    EXPECT_NE(question.text.find("No printer"), std::string::npos);
    EXPECT_NE(question.text.find("PDF"), std::string::npos);
    EXPECT_EQ(chooser.calls, 0);
    printer.EndDoc();
}

TEST(SystemPrinter, WithoutPrinterCancellingTheFileChoiceMakesNoPage) {
    RecordingDialogs dialogs;
    RecordingChooser chooser;
    SystemPagePrinter printer([] { return false; });
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
    SystemPagePrinter printer([] { return false; });
    SetPrinter(&printer);
    PlainWindow window;
    window.show();
    PrintWindowScaled(window, 90, 40, 30);
    printer.EndDoc();
    SetPrinter(nullptr);
    window.close();
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(PdfPageCount(chooser.answer), 1);
}

TEST(SystemPrinter, PdfPageSizeIsTheWholeSheetInTwips) {
    QTemporaryDir folder;
    RecordingDialogs dialogs;
    RecordingChooser chooser;
    chooser.answer = folder.filePath("size.pdf");
    SystemPagePrinter printer([] { return false; });
    const std::optional<QSizeF> page = printer.StartPage();
    ASSERT_TRUE(page.has_value());
    // A4 (11906 x 16838, to whole points) or Letter (12240 x 15840), whichever the locale gives.
    EXPECT_TRUE(std::abs(page->width() - 11906) < 10 || std::abs(page->width() - 12240) < 10)
        << page->width();
    EXPECT_GT(page->height(), page->width());
    printer.EndDoc();
}

} // namespace
} // namespace korvanta::testing
