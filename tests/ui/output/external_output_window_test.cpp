#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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
    const OutputTable expected = TableOfTheLogic(PairKind::External);
    OutputWindow& window = ShowOutput();
    EXPECT_EQ(window.windowTitle(), "Korvanta Output Data");
    EXPECT_EQ(CaptionText(window, "Label3"), "PINION");
    EXPECT_EQ(CaptionText(window, "Label4"), "GEAR");
    ExpectCaptions(window, {
                               {"LabelNT", "Number of Teeth"},
                               {"LabelDP", "Normal Diametral Pitch"},
                               {"Label1", "Transverse Diametral Pitch"},
                               {"LabelPA", "Normal Pressure Angle"},
                               {"Label5", "Transverse Pressure Angle"},
                               {"Label13", "Operating Pressure Angle"},
                               {"LabelHA", "Helix Angle"},
                               {"LabelDB", "Base Diameter"},
                               {"LabelPD", "Pitch Diameter"},
                               {"LabelOD", "Outside Diameter"},
                               {"LabelCD", "Center Distance"},
                               {"LabelAMC", "Addendum Modification Coefficient (x)"},
                               {"LabelSAP_0", "Dia. to Start of Active Profile (SAP)"},
                               {"LabelTIF_1", "True Involute Form Diameter (TIF)"},
                               {"Label2_1", "Profile Overlap"},
                               {"Label2_0", "Roll Angle to TIF Diameter"},
                               {"Label2_2", "Roll Angle to SAP Diameter"},
                               {"Label2_3", "Roll Angle to Pitch Diameter"},
                               {"Label2_4", "Roll Angle to Outside Diameter"},
                           });
    ExpectCellsShow(window, expected);
    EXPECT_EQ(testing::State().TPA, Single(20.0));
}

TEST_F(ExternalOutputWindowTest, ProfileShiftedPairShowsItsCoefficientsAndOperatingAngle) {
    CalculatePair(true, {"20", "40", "10", "20", "0", "2.3", "4.2", "3.05"});
    const OutputTable expected = TableOfTheLogic(PairKind::External);
    OutputWindow& window = ShowOutput();
    ExpectRowShows(window, expected, OutputRow::ModificationCoefficient);
    ExpectRowShows(window, expected, OutputRow::OperatingPressureAngle);
}

TEST_F(ExternalOutputWindowTest, HelicalPairShowsTransverseValuesAndTheTransverseCaption) {
    CalculatePair(true, {"20", "40", "10", "20", "15", "2.27055", "4.3411", "3.10583"});
    const OutputTable expected = TableOfTheLogic(PairKind::External);
    OutputWindow& window = ShowOutput();
    EXPECT_EQ(CaptionText(window, "Label13"), "Operating Pressure Angle (Transverse)");
    EXPECT_EQ(CaptionText(window, "LabelDP"), "Normal Diametral Pitch");
    EXPECT_EQ(CaptionText(window, "LabelPA"), "Normal Pressure Angle");
    ExpectRowShows(window, expected, OutputRow::TransverseDiametralPitch);
    ExpectRowShows(window, expected, OutputRow::TransversePressureAngle);
    ExpectRowShows(window, expected, OutputRow::HelixAngle);
}

TEST_F(ExternalOutputWindowTest, LargerPinionOutsideDiameterIsShownAsTheGearWhileTheStateStaysAsEntered) {
    CalculatePair(true, kExternalSpurPair);
    GearPairState& state = testing::State();
    ExchangePinionAndGear(state);
    const OutputTable expected = TableOfTheLogic(PairKind::External);
    OutputWindow& window = ShowOutput();
    ExpectCellsShow(window, expected);
    EXPECT_EQ(state.NT1, Single(40.0));
    EXPECT_EQ(state.OD1, Single(4.2));
    EXPECT_EQ(state.PD1, Single(4.0));
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
    const OutputTable recalculated = TableOfTheLogic(PairKind::External);
    diagram->close();
    EXPECT_TRUE(window.isEnabled());
    ASSERT_TRUE(Activate(window));
    ExpectCellsShow(window, recalculated);
    EXPECT_NE(CellText(window, "TextProfileshift1"), "0.0000");
}

TEST_F(ExternalOutputWindowTest, NoteButtonShowsTheFormDiameterNoteModallyAndRecalculatesAfterwards) {
    CalculatePair(true, kExternalSpurPair);
    OutputWindow& window = ShowOutput();
    bool noteWasModal = false;
    bool noteWasActive = false;
    OutputTable recalculated;
    QTimer::singleShot(50, [&] {
        FormDiameterNote* note = testing::Windows().LoadedNote(PairKind::External);
        noteWasModal = note != nullptr && note->isVisible() && note->windowModality() == Qt::ApplicationModal;
        noteWasActive = note != nullptr && QTest::qWaitForWindowActive(note, 2000);
        testing::State().OD1 = 2.3;
        testing::State().CD = 3.05;
        recalculated = TableOfTheLogic(PairKind::External);
        Unload(note);
    });
    window.findChild<QPushButton*>("Command4")->click();
    EXPECT_TRUE(noteWasModal);
    EXPECT_TRUE(noteWasActive);
    ASSERT_TRUE(Activate(window));
    ExpectCellsShow(window, recalculated);
    EXPECT_NE(CellText(window, "TextProfileshift1"), "0.0000");
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

} // namespace
} // namespace korvanta::testing
