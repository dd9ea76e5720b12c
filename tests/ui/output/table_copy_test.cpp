#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "logic/pair_document.h"

#include "cli/pair_file_io.h"
#include "cli/pair_output.h"
#include "cli/pair_run.h"
#include "cli/table_export.h"
#include "output/pair_setup.h"
#include "print/recording_chooser.h"
#include "support/recording_clipboard.h"
#include "support/window_test.h"

namespace korvanta::testing {
namespace {

class OutputTableCopyTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        TheSession().Job().pinionPart = "<P&1>";
        output = CalculateThroughInputWindow(true, kExternalSpurPair);
        ASSERT_NE(output, nullptr);
    }

    QLineEdit& FilledCell() {
        for (QLineEdit* cell : output->findChildren<QLineEdit*>()) {
            if (!cell->text().isEmpty()) {
                return *cell;
            }
        }
        throw MissingControl("a filled cell");
    }

    // What `korvanta-calc --pair FILE` prints for the file of the pair entered.
    static std::string CommandBytes(cli::OutputFormat format) {
        const PairFile pair = PairOfWindows(Windows().Input().Form(), TheSession());
        auto inputs = cli::InputsOfPairFile(pair, false);
        return cli::ResultText(cli::RunPair(std::get<cli::PairInputs>(inputs)), format, false);
    }

    static std::string FileBytes(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll().toStdString();
    }

    RecordingClipboard clipboard;
    RecordingChooser chooser;
    QWidget* output = nullptr;
};

TEST_F(OutputTableCopyTest, CtrlShiftCPutsTheTableAsTextAndAsHtml) {
    QLineEdit& cell = FilledCell();
    cell.setFocus();
    QTest::keyClick(&cell, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(clipboard.puts, 1);
    const std::string text = clipboard.last->text().toStdString();
    EXPECT_EQ(text.rfind("Pinion part\t<P&1>\nUnits\tin\n\t", 0), 0u) << text;
    EXPECT_NE(text.find("\t" + cell.text().toStdString()), std::string::npos);
    const std::string html = clipboard.last->html().toStdString();
    EXPECT_EQ(html.rfind("<table>", 0), 0u);
    EXPECT_NE(html.find("<td>&lt;P&amp;1&gt;</td>"), std::string::npos) << html;
    EXPECT_NE(html.find("<td>" + cell.text().toStdString() + "</td>"), std::string::npos);
}

TEST_F(OutputTableCopyTest, CtrlCInACellCopiesTheSelectionOrElseTheWholeText) {
    QLineEdit& cell = FilledCell();
    cell.setFocus();
    cell.deselect();
    QTest::keyClick(&cell, Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(clipboard.puts, 1);
    EXPECT_EQ(clipboard.last->text(), cell.text());
    cell.setSelection(0, 1);
    QTest::keyClick(&cell, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard.last->text(), cell.text().left(1));
}

TEST_F(OutputTableCopyTest, SaveTableAsWritesWhatTheCommandPrintsAsCsvOrJson) {
    QTemporaryDir folder;
    for (const auto& [name, format] :
         {std::pair{"table.csv", cli::OutputFormat::Csv}, std::pair{"table.json", cli::OutputFormat::Json}}) {
        chooser.answer = folder.filePath(QString::fromLatin1(name));
        QLineEdit& cell = FilledCell();
        cell.setFocus();
        QTest::keyClick(&cell, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(FileBytes(chooser.answer), CommandBytes(format)) << name;
    }
    EXPECT_EQ(chooser.calls, 2);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(OutputTableCopyTest, AFolderInTheWayIsReportedByNameAndNothingIsWritten) {
    QTemporaryDir folder;
    chooser.answer = folder.filePath(QStringLiteral("in-the-way.csv"));
    ASSERT_TRUE(QDir().mkdir(chooser.answer));
    Control<QAction>(*output, "ActionSaveTable").trigger();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(dialogs.shown[0].text.find("\"" + chooser.answer.toStdString() + "\""), std::string::npos)
        << dialogs.shown[0].text;
    EXPECT_TRUE(QFileInfo(chooser.answer).isDir());
}

} // namespace
} // namespace korvanta::testing
