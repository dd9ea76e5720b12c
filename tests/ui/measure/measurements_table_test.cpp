#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
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
#include "ui/measure/measurements_window.h"

namespace korvanta::testing {
namespace {

class MeasurementsTableTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        QWidget* output = CalculateThroughInputWindow(true, kExternalSpurPair);
        ASSERT_NE(output, nullptr);
        Control<QAction>(*output, "ActionMeasurements").trigger();
        window = Windows().LoadedMeasurements();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window, 2000));
    }

    // A pin diameter typed for the pinion and left, as the user chooses a tool.
    void TypePinionPin(const QString& diameter) {
        QLineEdit& pin = Control<QLineEdit>(*window, "TextPin1");
        pin.setFocus(Qt::TabFocusReason);
        pin.selectAll();
        QTest::keyClicks(&pin, diameter);
        QTest::keyClick(&pin, Qt::Key_Tab);
    }

    RecordingClipboard clipboard;
    RecordingChooser chooser;
    MeasurementsWindow* window = nullptr;
};

TEST_F(MeasurementsTableTest, CopyTablePutsTheMeasurementRowsAsTextAndHtml) {
    Control<QAction>(*window, "ActionCopyTable").trigger();
    ASSERT_EQ(clipboard.puts, 1);
    const std::string text = clipboard.last->text().toStdString();
    EXPECT_EQ(text.rfind("Units\tin\n\t", 0), 0u) << text;
    const std::string contactRatio = Control<QLineEdit>(*window, "TextCR2").text().toStdString();
    EXPECT_NE(text.find("\t" + contactRatio + "\n"), std::string::npos) << text;
    EXPECT_NE(clipboard.last->html().toStdString().find("<td>" + contactRatio + "</td>"), std::string::npos);
}

TEST_F(MeasurementsTableTest, SaveTableAsWritesTheMeasuredCommandOutputWithTheTypedTool) {
    TypePinionPin(QStringLiteral("0.18"));
    QTemporaryDir folder;
    chooser.answer = folder.filePath(QStringLiteral("measured.csv"));
    QLineEdit& cell = Control<QLineEdit>(*window, "TextCR1");
    cell.setFocus();
    QTest::keyClick(&cell, Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(dialogs.shown.empty()) << dialogs.shown[0].text;

    const PairFile pair = PairOfWindows(Windows().Input().Form(), TheSession());
    ASSERT_EQ(ChoicesOf(pair).pinion.pinDiameter, 0.18);
    auto inputs = cli::InputsOfPairFile(pair, true);
    const std::string expected =
        cli::ResultText(cli::RunPair(std::get<cli::PairInputs>(inputs)), cli::OutputFormat::Csv, true);
    QFile saved(chooser.answer);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().toStdString(), expected);
}

} // namespace
} // namespace korvanta::testing
