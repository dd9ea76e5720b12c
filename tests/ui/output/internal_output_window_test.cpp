#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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
    const OutputTable expected = TableOfTheLogic(PairKind::Internal);
    OutputWindow& window = ShowOutput();
    EXPECT_EQ(window.windowTitle(), "Korvanta Output Data");
    EXPECT_EQ(CaptionText(window, "Label3"), "PINION");
    EXPECT_EQ(CaptionText(window, "Label4"), "INTERNAL GEAR");
    ExpectCaptions(window, {
                               {"LabelNT", "Number of Teeth"},
                               {"LabelDP", "Diametral Pitch"},
                               {"Label1", "Transverse Diametral Pitch"},
                               {"LabelPA", "Pressure Angle"},
                               {"Label5", "Transverse Pressure Angle"},
                               {"LabelOPA", "Operating Pressure Angle"},
                               {"LabelHA", "Helix Angle"},
                               {"LabelDB", "Base Diameter"},
                               {"LabelPD", "Pitch Diameter"},
                               {"LabelOD", "Pinion Outside Dia. / Gear Inside Dia."},
                               {"LabelCD", "Center Distance"},
                               {"LabelAMC", "Addendum Modification Coefficient (x)"},
                               {"LabelSAP_0", "Dia. to Start of Active Profile (SAP)"},
                               {"LabelTIF_1", "True Involute Form Diameter (TIF)"},
                               {"LabelOVERLAP_1", "Profile Overlap"},
                               {"Label2_0", "Roll Angle at TIF Diameter"},
                               {"Label2_2", "Roll Angle at SAP Diameter"},
                               {"Label2_3", "Roll Angle at Pitch Diameter"},
                               {"Label2_4", "Roll Angle at Outside Diameter"},
                           });
    ExpectCellsShow(window, expected);
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(InternalOutputWindowTest, HelicalPairShowsNormalCaptionsAndTransverseValues) {
    CalculatePair(false, kInsideBelowBasePair);
    const OutputTable expected = TableOfTheLogic(PairKind::Internal);
    OutputWindow& window = ShowOutput();
    EXPECT_EQ(CaptionText(window, "LabelDP"), "Normal Diametral Pitch");
    EXPECT_EQ(CaptionText(window, "LabelPA"), "Normal Pressure Angle");
    EXPECT_EQ(CaptionText(window, "LabelOPA"), "Operating Pressure Angle (Transverse)");
    EXPECT_NE(CellText(window, "TextTDP1"), "NA");
    ExpectRowShows(window, expected, OutputRow::TransverseDiametralPitch);
    ExpectRowShows(window, expected, OutputRow::TransversePressureAngle);
    ExpectRowShows(window, expected, OutputRow::OperatingPressureAngle);
    ExpectRowShows(window, expected, OutputRow::SAPDiameter);
    ExpectRowShows(window, expected, OutputRow::RollOutside);
}

TEST_F(InternalOutputWindowTest, InsideDiameterWarningFollowsTheValuesOncePerActivation) {
    CalculatePair(false, kInsideBelowBasePair);
    OutputWindow& window = ShowOutput();
    QApplication::processEvents();
    ASSERT_EQ(WarningsShown(), 1);
    EXPECT_EQ(dialogs.shown.front().icon, MessageIcon::Stop);
    EXPECT_EQ(dialogs.shown.front().title, "Korvanta");

    // The note is closed once it has taken the focus, as a user's click on it would find it.
    bool noteWasActive = false;
    QTimer::singleShot(50, [&noteWasActive] {
        FormDiameterNote* note = testing::Windows().LoadedNote(PairKind::Internal);
        noteWasActive = note != nullptr && QTest::qWaitForWindowActive(note, 2000);
        Unload(note);
    });
    window.findChild<QPushButton*>("Command4")->click();
    EXPECT_TRUE(noteWasActive);
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
    bool diagramWasActive = false;
    bool outputWasDisabled = false;
    OutputTable recalculated;
    QTimer::singleShot(50, [&] {
        DiagramWindow* diagram = testing::Windows().LoadedDiagram();
        ASSERT_NE(diagram, nullptr);
        diagramWasModal = diagram->windowModality() == Qt::ApplicationModal;
        diagramWasActive = QTest::qWaitForWindowActive(diagram, 2000);
        outputWasDisabled = !window.isEnabled();
        testing::State().CD = 2.05;
        recalculated = TableOfTheLogic(PairKind::Internal);
        diagram->findChild<QPushButton*>("cmdclose")->click();
    });
    window.findChild<QPushButton*>("Command1")->click();
    EXPECT_TRUE(diagramWasModal);
    EXPECT_TRUE(diagramWasActive);
    EXPECT_TRUE(outputWasDisabled);
    EXPECT_TRUE(window.isEnabled());
    ASSERT_TRUE(Activate(window));
    EXPECT_FALSE(input.isEnabled());
    ExpectCellsShow(window, recalculated);
    EXPECT_NE(CellText(window, "TextProfileshift1"), "0.0000");
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
} // namespace korvanta::testing
