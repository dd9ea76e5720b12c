#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "click_through.h"
#include "logic/print_placement.h"
#include "pair_setup.h"
#include "print/recording_printer.h"
#include "support/window_test.h"
#include "ui/diagram/diagram_window.h"
#include "ui/info/form_diameter_note.h"
#include "ui/input/input_window.h"
#include "ui/output/info_icon.h"
#include "ui/output/output_window.h"
#include "ui/print/window_background.h"

namespace korvanta::testing {
namespace {

class ExternalOutputWindowTest : public WindowTest {
protected:
    OutputWindow& ShowOutput() {
        OutputWindow& window = testing::Windows().Output(PairKind::External);
        EXPECT_TRUE(ShowActive(window));
        return window;
    }
};

TEST_F(ExternalOutputWindowTest, ShowsTheStandardSpurPairRowByRow) {
    CalculatePair(true, kExternalSpurPair);
    OutputWindow& window = ShowOutput();
    EXPECT_EQ(window.windowTitle(), "Korvanta Output Data");
    EXPECT_EQ(CaptionText(window, "Label3"), "PINION");
    EXPECT_EQ(CaptionText(window, "Label4"), "GEAR");
    ExpectRows(
        window,
        {
            {"LabelNT", "TextNT1", "TextNT2", "Number of Teeth", "20", "40"},
            {"LabelDP", "TextDP1", "TextDP2", "Normal Diametral Pitch", "10.00000", "10.00000"},
            {"Label1", "TextTDP1", "TextTDP2", "Transverse Diametral Pitch", "----------", "----------"},
            {"LabelPA", "TextPA1", "TextPA2", "Normal Pressure Angle", "20.00000°", "20.00000°"},
            {"Label5", "TextTPA1", "TextTPA2", "Transverse Pressure Angle", "----------", "----------"},
            {"Label13", "Text_13", "Text_14", "Operating Pressure Angle", "20.0000°", "20.0000°"},
            {"LabelHA", "TextHA1", "TextHA2", "Helix Angle", "0.00000°", "0.00000°"},
            {"LabelDB", "TextDB1", "TextDB2", "Base Diameter", "1.879385", "3.758771"},
            {"LabelPD", "TextPD1", "TextPD2", "Pitch Diameter", "2.00000", "4.00000"},
            {"LabelOD", "TextOD1", "TextOD2", "Outside Diameter", "2.20000", "4.20000"},
            {"LabelCD", "TextCD1", "TextCD2", "Center Distance", "3.00000", "3.00000"},
            {"LabelSAP_0", "Text_1", "Text_2", "Dia. to Start of Active Profile (SAP)", "1.8878", "3.8670"},
            {"LabelTIF_1", "Text_3", "Text_4", "True Involute Form Diameter (TIF)", "1.8828", "3.8620"},
            {"Label2_1", "Text_15", "Text_16", "Profile Overlap", "2.0000", "2.0000"},
            {"Label2_3", "Text_9", "Text_10", "Roll Angle to Pitch Diameter", "20.854°", "20.854°"},
        });
    EXPECT_EQ(CaptionText(window, "Label2_0"), "Roll Angle to TIF Diameter");
    EXPECT_EQ(CaptionText(window, "Label2_2"), "Roll Angle to SAP Diameter");
    EXPECT_EQ(CaptionText(window, "Label2_4"), "Roll Angle to Outside Diameter");
    EXPECT_EQ(CaptionText(window, "LabelAMC"), "Addendum Modification Coefficient (x)");
    EXPECT_TRUE(CellText(window, "TextProfileshift1").endsWith("0.0000"));
    for (const char* cell : {"Text_5", "Text_6", "Text_7", "Text_8", "Text_11", "Text_12"}) {
        EXPECT_TRUE(CellText(window, cell).endsWith("°")) << cell;
    }
    EXPECT_EQ(testing::State().TPA, Single(20.0));
}

TEST_F(ExternalOutputWindowTest, ProfileShiftedPairShowsItsCoefficientsAndOperatingAngle) {
    CalculatePair(true, {"20", "40", "10", "20", "0", "2.3", "4.2", "3.05"});
    OutputWindow& window = ShowOutput();
    EXPECT_EQ(CellText(window, "TextProfileshift1"), "0.5149");
    EXPECT_EQ(CellText(window, "TextProfileshift2"), "0.0149");
    EXPECT_EQ(CellText(window, "Text_13"), "22.4388°");
    EXPECT_EQ(CellText(window, "Text_14"), "22.4388°");
}

TEST_F(ExternalOutputWindowTest, HelicalPairShowsTransverseValuesAndTheTransverseCaption) {
    CalculatePair(true, {"20", "40", "10", "20", "15", "2.27055", "4.3411", "3.10583"});
    OutputWindow& window = ShowOutput();
    EXPECT_EQ(CaptionText(window, "Label13"), "Operating Pressure Angle (Transverse)");
    EXPECT_EQ(CaptionText(window, "LabelDP"), "Normal Diametral Pitch");
    EXPECT_EQ(CaptionText(window, "LabelPA"), "Normal Pressure Angle");
    EXPECT_EQ(CellText(window, "TextTDP1"), "9.65926");
    EXPECT_EQ(CellText(window, "TextTDP2"), "9.65926");
    EXPECT_EQ(CellText(window, "TextTPA1"), "20.64689");
    EXPECT_EQ(CellText(window, "TextTPA2"), CellText(window, "TextTPA1"));
    EXPECT_EQ(CellText(window, "TextHA1"), "15.00000°");
}

TEST_F(ExternalOutputWindowTest, LargerPinionOutsideDiameterIsShownAsTheGearWhileTheStateStaysAsEntered) {
    CalculatePair(true, kExternalSpurPair);
    GearPairState& state = testing::State();
    std::swap(state.NT1, state.NT2);
    std::swap(state.OD1, state.OD2);
    std::swap(state.PD1, state.PD2);
    std::swap(state.DB1, state.DB2);
    OutputWindow& window = ShowOutput();
    EXPECT_EQ(CellText(window, "TextNT1"), "20");
    EXPECT_EQ(CellText(window, "TextNT2"), "40");
    EXPECT_EQ(CellText(window, "TextOD1"), "2.20000");
    EXPECT_EQ(CellText(window, "TextPD2"), "4.00000");
    EXPECT_EQ(CellText(window, "Text_1"), "1.8878");
    EXPECT_EQ(state.NT1, Single(40.0));
    EXPECT_EQ(state.OD1, Single(4.2));
    EXPECT_EQ(state.PD1, Single(4.0));
}

TEST_F(ExternalOutputWindowTest, ActivationDisablesTheInputWindowAndCloseEnablesItAgain) {
    CalculatePair(true, kExternalSpurPair);
    InputWindow& input = testing::Windows().Input();
    ASSERT_TRUE(ShowActive(input));
    OutputWindow& window = ShowOutput();
    EXPECT_FALSE(input.isEnabled());
    window.findChild<QPushButton*>("CommandClose")->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(input.isEnabled());
    EXPECT_EQ(testing::Windows().LoadedOutput(PairKind::External), nullptr);
}

TEST_F(ExternalOutputWindowTest, ClosingByTheFrameEnablesTheInputWindowAndReleasesTheWindow) {
    CalculatePair(true, kExternalSpurPair);
    InputWindow& input = testing::Windows().Input();
    ASSERT_TRUE(ShowActive(input));
    OutputWindow& window = ShowOutput();
    EXPECT_FALSE(input.isEnabled());
    window.close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(input.isEnabled());
    EXPECT_EQ(testing::Windows().LoadedOutput(PairKind::External), nullptr);
}

TEST_F(ExternalOutputWindowTest, ReturningFromTheDiagramRecalculates) {
    CalculatePair(true, kExternalSpurPair);
    OutputWindow& window = ShowOutput();
    window.findChild<QPushButton*>("Command1")->click();
    DiagramWindow* diagram = testing::Windows().LoadedDiagram();
    ASSERT_NE(diagram, nullptr);
    EXPECT_TRUE(diagram->isVisible());
    EXPECT_FALSE(diagram->isModal());
    ASSERT_TRUE(QTest::qWaitForWindowActive(diagram, 2000));
    EXPECT_FALSE(window.isEnabled());

    testing::State().OD1 = 2.3;
    testing::State().CD = 3.05;
    diagram->close();
    EXPECT_TRUE(window.isEnabled());
    ASSERT_TRUE(Activate(window));
    EXPECT_EQ(CellText(window, "TextProfileshift1"), "0.5149");
    EXPECT_EQ(CellText(window, "Text_13"), "22.4388°");
}

TEST_F(ExternalOutputWindowTest, NoteButtonShowsTheFormDiameterNoteModallyAndRecalculatesAfterwards) {
    CalculatePair(true, kExternalSpurPair);
    OutputWindow& window = ShowOutput();
    bool noteWasModal = false;
    QTimer::singleShot(50, [&] {
        FormDiameterNote* note = testing::Windows().LoadedNote(PairKind::External);
        noteWasModal = note != nullptr && note->isVisible() && note->windowModality() == Qt::ApplicationModal;
        testing::State().OD1 = 2.3;
        testing::State().CD = 3.05;
        Unload(note);
    });
    window.findChild<QPushButton*>("Command4")->click();
    EXPECT_TRUE(noteWasModal);
    ASSERT_TRUE(Activate(window));
    EXPECT_EQ(CellText(window, "TextProfileshift1"), "0.5149");
}

TEST_F(ExternalOutputWindowTest, NoteButtonCarriesTheInformationSymbol) {
    CalculatePair(true, kExternalSpurPair);
    OutputWindow& window = ShowOutput();
    auto* note = window.findChild<QPushButton*>("Command4");
    EXPECT_TRUE(note->text().isEmpty());
    EXPECT_EQ(note->iconSize(), QSize(18, 18));
    const QImage icon = note->icon().pixmap(18, 18).toImage();
    ASSERT_EQ(icon.size(), QSize(18, 18));
    const QColor stem = icon.pixelColor(9, 11);
    const QColor disc = icon.pixelColor(4, 9);
    EXPECT_EQ(stem, QColor(Qt::white));
    EXPECT_GT(disc.blue(), 200);
    EXPECT_LT(disc.red(), 60);
}

TEST_F(ExternalOutputWindowTest, ExitProgramUnloadsTheOutputAndInputWindows) {
    CalculatePair(true, kExternalSpurPair);
    testing::Windows().Input().show();
    OutputWindow& window = ShowOutput();
    window.findChild<QPushButton*>("Command3")->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(testing::Windows().LoadedOutput(PairKind::External), nullptr);
    EXPECT_EQ(testing::Windows().LoadedInput(), nullptr);
}

TEST_F(ExternalOutputWindowTest, MouseClicksReachTheNoteButtonAndEveryCellThroughTheTableFrame) {
    CalculatePair(true, kExternalSpurPair);
    OutputWindow& window = ShowOutput();
    ExpectClicksReachTheNoteButtonAndEveryCell(window);
}

} // namespace
} // namespace korvanta::testing
