#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "click_through.h"
#include "pair_setup.h"
#include "support/window_test.h"
#include "ui/diagram/diagram_window.h"
#include "ui/info/form_diameter_note.h"
#include "ui/input/input_window.h"
#include "ui/output/output_window.h"

namespace korvanta::testing {
namespace {

// A helical pair whose internal gear's inside diameter lies below its base circle.
const FieldTexts kInsideBelowBasePair = {"18", "50", "8", "20", "15", "2.6", "6.0", "2"};

const char* const kInsideDiameterWarning =
    "Warning the gear inside diameter is smaller than the base diameter. Please check your input gear data";

class InternalOutputWindowTest : public WindowTest {
protected:
    OutputWindow& ShowOutput() {
        OutputWindow& window = testing::Windows().Output(PairKind::Internal);
        EXPECT_TRUE(ShowActive(window));
        return window;
    }

    int WarningsShown() const {
        int count = 0;
        for (const Message& message : dialogs.shown) {
            count += message.text == kInsideDiameterWarning ? 1 : 0;
        }
        return count;
    }
};

TEST_F(InternalOutputWindowTest, ShowsTheStandardInternalPairRowByRow) {
    CalculatePair(false, kInternalSpurPair);
    OutputWindow& window = ShowOutput();
    EXPECT_EQ(window.windowTitle(), "Korvanta Output Data");
    EXPECT_EQ(CaptionText(window, "Label3"), "PINION");
    EXPECT_EQ(CaptionText(window, "Label4"), "INTERNAL GEAR");
    ExpectRows(
        window,
        {
            {"LabelNT", "TextNT1", "TextNT2", "Number of Teeth", "20", "60"},
            {"LabelDP", "TextDP1", "TextDP2", "Diametral Pitch", "10.00000", "10.00000"},
            {"Label1", "TextTDP1", "TextTDP2", "Transverse Diametral Pitch", "NA", "NA"},
            {"LabelPA", "TextPA1", "TextPA2", "Pressure Angle", "20.00000°", "20.00000°"},
            {"Label5", "TextTPA1", "TextTPA2", "Transverse Pressure Angle", "NA", "NA"},
            {"LabelOPA", "Text_13", "Text_14", "Operating Pressure Angle", "20.0000°", "20.0000°"},
            {"LabelHA", "TextHA1", "TextHA2", "Helix Angle", "0.00000°", "0.00000°"},
            {"LabelDB", "TextDB1", "TextDB2", "Base Diameter", "1.879385", "5.638156"},
            {"LabelPD", "TextPD1", "TextPD2", "Pitch Diameter", "2.00000", "6.00000"},
            {"LabelOD", "TextOD1", "TextOD2", "Pinion Outside Dia. / Gear Inside Dia.", "2.20000", "5.80000"},
            {"LabelCD", "TextCD1", "TextCD2", "Center Distance", "2.00000", "2.00000"},
            {"LabelAMC", "TextProfileshift1", "TextProfileshift2", "Addendum Modification Coefficient (x)",
             "0.0000", "0.0000"},
            {"LabelSAP_0", "Text_1", "Text_2", "Dia. to Start of Active Profile (SAP)", "1.8794", "6.1723"},
            {"LabelTIF_1", "Text_3", "Text_4", "True Involute Form Diameter (TIF)", "1.8794", "6.1773"},
            {"LabelOVERLAP_1", "Text_15", "Text_16", "Profile Overlap", "2.0000", "2.0000"},
            {"Label2_3", "Text_7", "Text_8", "Roll Angle at Pitch Diameter", "20.854°", "20.854°"},
            {"Label2_4", "Text_9", "Text_10", "Roll Angle at Outside Diameter", "34.866°", "13.826°"},
        });
    EXPECT_EQ(CaptionText(window, "Label2_0"), "Roll Angle at TIF Diameter");
    EXPECT_EQ(CaptionText(window, "Label2_2"), "Roll Angle at SAP Diameter");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(InternalOutputWindowTest, HelicalPairShowsNormalCaptionsAndTransverseValues) {
    CalculatePair(false, kInsideBelowBasePair);
    OutputWindow& window = ShowOutput();
    EXPECT_EQ(CaptionText(window, "LabelDP"), "Normal Diametral Pitch");
    EXPECT_EQ(CaptionText(window, "LabelPA"), "Normal Pressure Angle");
    EXPECT_EQ(CaptionText(window, "LabelOPA"), "Operating Pressure Angle (Transverse)");
    EXPECT_NE(CellText(window, "TextTDP1"), "NA");
    EXPECT_EQ(CellText(window, "TextTDP2"), CellText(window, "TextTDP1"));
    EXPECT_TRUE(CellText(window, "TextTPA1").startsWith("20.64"));
    EXPECT_EQ(CellText(window, "Text_13"), "14.3542°");
    EXPECT_EQ(CellText(window, "Text_1"), "2.3947");
    EXPECT_EQ(CellText(window, "Text_2"), "6.5165");
    EXPECT_EQ(CellText(window, "Text_10"), "0.000°");
}

TEST_F(InternalOutputWindowTest, InsideDiameterWarningFollowsTheValuesOncePerActivation) {
    CalculatePair(false, kInsideBelowBasePair);
    OutputWindow& window = ShowOutput();
    QApplication::processEvents();
    ASSERT_EQ(WarningsShown(), 1);
    EXPECT_EQ(dialogs.shown.front().icon, MessageIcon::Stop);
    EXPECT_EQ(dialogs.shown.front().title, "Korvanta");

    QTimer::singleShot(50, [] { Unload(testing::Windows().LoadedNote(PairKind::Internal)); });
    window.findChild<QPushButton*>("Command4")->click();
    ASSERT_TRUE(Activate(window));
    QApplication::processEvents();
    EXPECT_EQ(WarningsShown(), 2);
}

TEST_F(InternalOutputWindowTest, DiagramOpensModallyAndTheWindowRecalculatesAfterIt) {
    QWidget* opened = CalculateThroughInputWindow(false, kInternalSpurPair);
    ASSERT_EQ(opened, testing::Windows().LoadedOutput(PairKind::Internal));
    OutputWindow& window = *testing::Windows().LoadedOutput(PairKind::Internal);
    InputWindow& input = testing::Windows().Input();
    EXPECT_FALSE(input.isEnabled());
    bool diagramWasModal = false;
    bool outputWasDisabled = false;
    QTimer::singleShot(50, [&] {
        DiagramWindow* diagram = testing::Windows().LoadedDiagram();
        diagramWasModal = diagram != nullptr && diagram->windowModality() == Qt::ApplicationModal;
        outputWasDisabled = !window.isEnabled();
        testing::State().CD = 2.05;
        diagram->findChild<QPushButton*>("cmdclose")->click();
    });
    window.findChild<QPushButton*>("Command1")->click();
    EXPECT_TRUE(diagramWasModal);
    EXPECT_TRUE(outputWasDisabled);
    EXPECT_TRUE(window.isEnabled());
    ASSERT_TRUE(Activate(window));
    EXPECT_FALSE(input.isEnabled());
    EXPECT_EQ(CellText(window, "Text_13"), "23.5412°");
    EXPECT_EQ(CellText(window, "TextProfileshift1"), "-0.2718");
    EXPECT_EQ(CellText(window, "Text_15"), "2.5000");
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(InternalOutputWindowTest, CloseEnablesTheInputWindowAndReleasesTheWindow) {
    CalculatePair(false, kInternalSpurPair);
    InputWindow& input = testing::Windows().Input();
    ASSERT_TRUE(ShowActive(input));
    OutputWindow& window = ShowOutput();
    EXPECT_FALSE(input.isEnabled());
    window.findChild<QPushButton*>("CommandClose")->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(input.isEnabled());
    EXPECT_EQ(testing::Windows().LoadedOutput(PairKind::Internal), nullptr);
}

TEST_F(InternalOutputWindowTest, ClosingByTheFrameEnablesTheInputWindow) {
    CalculatePair(false, kInternalSpurPair);
    InputWindow& input = testing::Windows().Input();
    ASSERT_TRUE(ShowActive(input));
    OutputWindow& window = ShowOutput();
    window.close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(input.isEnabled());
    EXPECT_EQ(testing::Windows().LoadedOutput(PairKind::Internal), nullptr);
}

TEST_F(InternalOutputWindowTest, MouseClicksReachTheNoteButtonAndEveryCellThroughTheTableFrame) {
    CalculatePair(false, kInternalSpurPair);
    OutputWindow& window = ShowOutput();
    ExpectClicksReachTheNoteButtonAndEveryCell(window);
}

} // namespace
} // namespace korvanta::testing
