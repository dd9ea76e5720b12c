#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <string>
#include <utility>

#include "logic/diagram_boxes.h"
#include "logic/diameter_command.h"
#include "output/pair_setup.h"
#include "print/recording_chooser.h"
#include "print/recording_printer.h"
#include "support/window_test.h"
#include "ui/diagram/diagram_window.h"
#include "ui/input/input_window.h"
#include "ui/output/output_window.h"
#include "ui/print/status_window.h"
#include "ui/print/system_page_printer.h"
#include "ui/print/window_background.h"

namespace korvanta::testing {
namespace {

const char* const kAboveOutsideQuestion =
    "You entered a diameter that is larger than the outside diameter. Is this OK?";
const char* const kBelowBaseQuestion =
    "You entered a diameter that is smaller than the Base diameter. Is this OK?";

class DiagramTest : public WindowTest {
protected:
    // The pair as the output window leaves it: calculated, with the roll-angle constants in force.
    DiagramWindow& OpenDiagram(bool external) {
        CalculatePair(external, external ? kExternalSpurPair : kInternalSpurPair);
        return OpenDiagramOfThePair(external);
    }

    // The diagram of the pair calculated already, opened over its output window.
    DiagramWindow& OpenDiagramOfThePair(bool external) {
        QWidget& output = external ? static_cast<QWidget&>(testing::Windows().Output(PairKind::External))
                                   : static_cast<QWidget&>(testing::Windows().Output(PairKind::Internal));
        EXPECT_TRUE(ShowActive(output));
        DiagramWindow& diagram = testing::Windows().Diagram();
        EXPECT_TRUE(ShowActive(diagram));
        return diagram;
    }

    static QLineEdit& Box(DiagramWindow& diagram, const char* name) {
        return *diagram.findChild<QLineEdit*>(name);
    }
    static QRadioButton& Option(DiagramWindow& diagram, const char* name) {
        return *diagram.findChild<QRadioButton*>(name);
    }
    static QPushButton& Button(DiagramWindow& diagram, const char* name) {
        return *diagram.findChild<QPushButton*>(name);
    }
    static bool Label6Shown(DiagramWindow& diagram) {
        return diagram.findChild<QLabel*>("Label6")->isVisibleTo(&diagram);
    }

    // Types the diameter, leaves the box and presses Calculate.
    static void CalculateAt(DiagramWindow& diagram, const QString& diameter) {
        QLineEdit& box = Box(diagram, "TextDia");
        box.setFocus();
        box.setText(diameter);
        Button(diagram, "CmdCalc").click();
    }

    // The boxes show what the logic fills for the member in force; the root circle caption with them.
    static void ExpectBoxesShowTheLogic(DiagramWindow& diagram) {
        const GearPairState& state = testing::State();
        const DiagramBoxes boxes = FillDiagramBoxes(state, DiagramMemberOf(state));
        const std::pair<const char*, const std::string*> shown[] = {
            {"Text3", &boxes.pitchDiameter},        {"Text4", &boxes.baseDiameter},
            {"Text5", &boxes.picturePressureAngle}, {"Text6", &boxes.teeth},
            {"Text7", &boxes.transversePitch},      {"Text8", &boxes.transversePressureAngle},
            {"Text9", &boxes.helixAngle},           {"Text10", &boxes.outsideDiameter},
        };
        for (const auto& [name, text] : shown) {
            EXPECT_EQ(Box(diagram, name).text().toStdString(), *text) << name;
        }
        EXPECT_EQ(Label6Shown(diagram), boxes.rootCircleCaption);
    }

    // The sentences the logic makes for the diameter text, every question answered Yes.
    static DiameterCommandOutcome SentencesOfTheLogic(const std::string& diameter) {
        return RunDiameterCommand(testing::State(), diameter, [](const Message&) { return true; });
    }

    static void ExpectSentencesShow(DiagramWindow& diagram, const DiameterCommandOutcome& outcome) {
        ASSERT_TRUE(outcome.computed);
        EXPECT_EQ(Box(diagram, "Text1").text().toStdString(), outcome.pressureSentence);
        EXPECT_EQ(Box(diagram, "Text2").text().toStdString(), outcome.rollSentence);
    }

    static void FillSentences(DiagramWindow& diagram) {
        Box(diagram, "Text1").setText("pressure");
        Box(diagram, "Text2").setText("roll");
    }

    static bool SentencesEmpty(DiagramWindow& diagram) {
        return Box(diagram, "Text1").text().isEmpty() && Box(diagram, "Text2").text().isEmpty();
    }
};

TEST_F(DiagramTest, ExternalPairOpensOnThePinion) {
    DiagramWindow& diagram = OpenDiagram(true);
    EXPECT_EQ(diagram.windowTitle(), "Roll Angle Diagram");
    EXPECT_FALSE(diagram.findChild<QLabel*>("LabelUnit")->isVisibleTo(&diagram));
    EXPECT_EQ(testing::State().DiagramMember, Member::Pinion);
    EXPECT_TRUE(Option(diagram, "Option1").isChecked());
    EXPECT_FALSE(Option(diagram, "Option2").isChecked());
    EXPECT_FALSE(Label6Shown(diagram));
    ExpectBoxesShowTheLogic(diagram);
    EXPECT_TRUE(Box(diagram, "TextDia").text().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), &Box(diagram, "TextDia"));
}

TEST_F(DiagramTest, InternalPairOpensOnTheGearWithTheRootCircle) {
    DiagramWindow& diagram = OpenDiagram(false);
    EXPECT_EQ(testing::State().DiagramMember, Member::Gear);
    EXPECT_TRUE(Option(diagram, "Option2").isChecked());
    EXPECT_TRUE(Label6Shown(diagram));
    EXPECT_EQ(diagram.findChild<QLabel*>("Label6")->text(), "Root Circle");
    ExpectBoxesShowTheLogic(diagram);
}

TEST_F(DiagramTest, MetricPairIsShownWithItsModuleInMillimetres) {
    CalculatePair(true, kMetricSpurPair, LengthUnit::Millimetre);
    DiagramWindow& diagram = OpenDiagramOfThePair(true);
    EXPECT_EQ(diagram.windowTitle(), "Roll Angle Diagram (mm)");
    EXPECT_TRUE(diagram.findChild<QLabel*>("LabelUnit")->isVisibleTo(&diagram));
    const GearPairState& state = testing::State();
    EXPECT_EQ(diagram.findChild<QLabel*>("Label3")->text().toStdString(),
              FillDiagramBoxes(state, DiagramMemberOf(state)).pitchCaption);
    ExpectBoxesShowTheLogic(diagram);
    testing::ExpectLabelsFit(diagram);
    CalculateAt(diagram, "40.00000");
    ExpectSentencesShow(diagram, SentencesOfTheLogic("40.00000"));
}

TEST_F(DiagramTest, ActivationDisablesTheInputAndOutputWindowsAndClosingEnablesThem) {
    CalculatePair(true, kExternalSpurPair);
    InputWindow& input = testing::Windows().Input();
    ASSERT_TRUE(ShowActive(input));
    OutputWindow& output = testing::Windows().Output(PairKind::External);
    ASSERT_TRUE(ShowActive(output));
    DiagramWindow& diagram = testing::Windows().Diagram();
    ASSERT_TRUE(ShowActive(diagram));
    EXPECT_FALSE(input.isEnabled());
    EXPECT_FALSE(output.isEnabled());
    diagram.close();
    EXPECT_TRUE(input.isEnabled());
    EXPECT_TRUE(output.isEnabled());
}

TEST_F(DiagramTest, ChoosingTheGearOfAnExternalPairKeepsLabel6HiddenAndClearsTheSentences) {
    DiagramWindow& diagram = OpenDiagram(true);
    FillSentences(diagram);
    Option(diagram, "Option2").click();
    EXPECT_EQ(testing::State().DiagramMember, Member::Gear);
    EXPECT_FALSE(Label6Shown(diagram));
    ExpectBoxesShowTheLogic(diagram);
    EXPECT_TRUE(SentencesEmpty(diagram));
    EXPECT_EQ(QApplication::focusWidget(), &Box(diagram, "TextDia"));
}

TEST_F(DiagramTest, ClickingTheSelectedOptionKeepsTheSentences) {
    DiagramWindow& diagram = OpenDiagram(true);
    FillSentences(diagram);
    Option(diagram, "Option1").click();
    EXPECT_EQ(Box(diagram, "Text1").text(), "pressure");
    EXPECT_EQ(Box(diagram, "Text2").text(), "roll");
}

TEST_F(DiagramTest, ChoosingThePinionOfAnInternalPairHidesTheRootCircle) {
    DiagramWindow& diagram = OpenDiagram(false);
    FillSentences(diagram);
    Option(diagram, "Option1").click();
    EXPECT_EQ(testing::State().DiagramMember, Member::Pinion);
    EXPECT_FALSE(Label6Shown(diagram));
    ExpectBoxesShowTheLogic(diagram);
    EXPECT_TRUE(SentencesEmpty(diagram));
    Option(diagram, "Option2").click();
    EXPECT_TRUE(Label6Shown(diagram));
    ExpectBoxesShowTheLogic(diagram);
}

TEST_F(DiagramTest, AnyKeyTypedIntoTheDiameterClearsTheSentencesAndOnlyNumberKeysAreTaken) {
    DiagramWindow& diagram = OpenDiagram(true);
    QLineEdit& box = Box(diagram, "TextDia");
    box.setFocus();
    FillSentences(diagram);
    QTest::keyClick(&box, Qt::Key_X);
    EXPECT_TRUE(SentencesEmpty(diagram));
    EXPECT_TRUE(box.text().isEmpty());
    QTest::keyClicks(&box, "2.5a.1");
    EXPECT_EQ(box.text(), "2.5.1");
    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), "2.5.");
}

TEST_F(DiagramTest, APasteOfNumberKeysGoesInAndClearsTheSentences) {
    DiagramWindow& diagram = OpenDiagram(true);
    QLineEdit& box = Box(diagram, "TextDia");
    box.setFocus();
    FillSentences(diagram);
    QApplication::clipboard()->setText("12");
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box.text(), "12");
    EXPECT_TRUE(SentencesEmpty(diagram));
    QTest::keyClick(&box, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(box.text(), "1212");
    EXPECT_TRUE(dialogs.shown.empty());
}

// A paste, drop or middle-click selection the keys would not type leaves the box as it was and says
// what the box takes.
TEST_F(DiagramTest, APasteOrDropWithCharactersTheBoxRefusesChangesNothingAndSaysSo) {
    DiagramWindow& diagram = OpenDiagram(true);
    QLineEdit& box = Box(diagram, "TextDia");
    box.setFocus();
    QTest::keyClicks(&box, "2");
    const std::pair<const char*, std::string> texts[] = {
        {"4,25", "use a point"}, {"12ab", "\"a\" or \"b\""}, {"1e3", "\"e\""}};
    for (const auto& [text, refused] : texts) {
        dialogs.shown.clear();
        QApplication::clipboard()->setText(text);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(box.text(), "2") << text;
        ASSERT_EQ(dialogs.shown.size(), 1u) << text;
        EXPECT_NE(dialogs.shown[0].text.find(refused), std::string::npos) << dialogs.shown[0].text;
    }
    dialogs.shown.clear();
    DropText(box, "12ab");
    EXPECT_EQ(box.text(), "2");
    EXPECT_EQ(dialogs.shown.size(), 1u);
    dialogs.shown.clear();
    if (!MiddleClickPaste(box, "12ab")) {
        GTEST_SKIP() << "no primary selection on this platform";
    }
    EXPECT_EQ(box.text(), "2");
    EXPECT_EQ(dialogs.shown.size(), 1u);
}

TEST_F(DiagramTest, ArrowKeySelectionOfTheGearIsItsClick) {
    DiagramWindow& diagram = OpenDiagram(true);
    Option(diagram, "Option1").setFocus(Qt::TabFocusReason);
    QTest::keyClick(&Option(diagram, "Option1"), Qt::Key_Right);
    EXPECT_TRUE(Option(diagram, "Option2").isChecked());
    EXPECT_EQ(testing::State().DiagramMember, Member::Gear);
    ExpectBoxesShowTheLogic(diagram);
    EXPECT_EQ(QApplication::focusWidget(), &Box(diagram, "TextDia"));
}

TEST_F(DiagramTest, EnterInTheDiameterClearsTheSentencesAndMovesTheFocusOn) {
    DiagramWindow& diagram = OpenDiagram(true);
    QLineEdit& box = Box(diagram, "TextDia");
    box.setFocus();
    QTest::keyClicks(&box, "2");
    FillSentences(diagram);
    QTest::keyClick(&box, Qt::Key_Return);
    EXPECT_TRUE(SentencesEmpty(diagram));
    EXPECT_NE(QApplication::focusWidget(), &box);
    EXPECT_EQ(box.text(), "2.00000");
}

TEST_F(DiagramTest, ArrowKeysMoveTheFocusWithoutReachingTheBox) {
    DiagramWindow& diagram = OpenDiagram(true);
    QLineEdit& box = Box(diagram, "TextDia");
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), &Box(diagram, "Text1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), &box);
}

TEST_F(DiagramTest, LeavingTheDiameterShowsItWithFiveDecimals) {
    DiagramWindow& diagram = OpenDiagram(true);
    QLineEdit& box = Box(diagram, "TextDia");
    box.setFocus();
    QTest::keyClicks(&box, "2.1");
    Box(diagram, "Text3").setFocus();
    EXPECT_EQ(box.text(), "2.10000");
    box.setFocus();
    EXPECT_EQ(box.selectedText(), "2.10000");
    box.setText(".");
    Box(diagram, "Text3").setFocus();
    EXPECT_EQ(box.text(), ".");
}

TEST_F(DiagramTest, CalculateShowsThePressureAndRollAngleAtTheDiameter) {
    DiagramWindow& diagram = OpenDiagram(true);
    CalculateAt(diagram, "2.00000");
    ExpectSentencesShow(diagram, SentencesOfTheLogic("2.00000"));
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(QApplication::focusWidget(), &Box(diagram, "TextDia"));
}

TEST_F(DiagramTest, DiameterAboveTheOutsideDiameterAnsweredNoKeepsTheSentences) {
    DiagramWindow& diagram = OpenDiagram(true);
    FillSentences(diagram);
    dialogs.answers = {false};
    CalculateAt(diagram, "2.50000");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, kAboveOutsideQuestion);
    EXPECT_TRUE(dialogs.shown[0].question);
    EXPECT_EQ(dialogs.shown[0].title, "Korvanta");
    EXPECT_EQ(Box(diagram, "Text1").text(), "pressure");
    EXPECT_EQ(Box(diagram, "Text2").text(), "roll");
}

TEST_F(DiagramTest, DiameterAboveTheOutsideDiameterAnsweredYesIsCalculated) {
    DiagramWindow& diagram = OpenDiagram(true);
    dialogs.answers = {true};
    CalculateAt(diagram, "2.50000");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(Box(diagram, "Text1").text().startsWith("Pressure Angle at 2.50000 is "));
    EXPECT_TRUE(Box(diagram, "Text2").text().startsWith("Roll Angle to 2.50000 is "));
}

TEST_F(DiagramTest, DiameterBelowTheBaseDiameterAnsweredYesGivesZeroAngles) {
    DiagramWindow& diagram = OpenDiagram(true);
    dialogs.answers = {true};
    CalculateAt(diagram, "1.80000");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, kBelowBaseQuestion);
    ExpectSentencesShow(diagram, SentencesOfTheLogic("1.80000"));
}

TEST_F(DiagramTest, DiameterBelowTheBaseDiameterAnsweredNoComputesNothing) {
    DiagramWindow& diagram = OpenDiagram(true);
    FillSentences(diagram);
    dialogs.answers = {false};
    CalculateAt(diagram, "1.80000");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(Box(diagram, "Text1").text(), "pressure");
}

TEST_F(DiagramTest, InternalGearAsksNothingAboveItsInsideDiameter) {
    DiagramWindow& diagram = OpenDiagram(false);
    CalculateAt(diagram, "7.00000");
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(Box(diagram, "Text1").text().startsWith("Pressure Angle at 7.00000 is "));
}

TEST_F(DiagramTest, ZeroDiameterAnsweredYesIsReportedWithoutResults) {
    DiagramWindow& diagram = OpenDiagram(true);
    FillSentences(diagram);
    CalculateAt(diagram, "0.00000");
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].text, kBelowBaseQuestion);
    EXPECT_FALSE(dialogs.shown[1].question);
    EXPECT_EQ(Box(diagram, "Text1").text(), "pressure");
}

TEST_F(DiagramTest, ReleasingCCalculatesEvenInTheDiameterBox) {
    DiagramWindow& diagram = OpenDiagram(true);
    QLineEdit& box = Box(diagram, "TextDia");
    box.setFocus();
    QTest::keyClicks(&box, "2.00000");
    QTest::keyClick(&box, Qt::Key_C);
    EXPECT_EQ(box.text(), "2.00000");
    ExpectSentencesShow(diagram, SentencesOfTheLogic("2.00000"));
}

TEST_F(DiagramTest, ReleasingPPrintsOnePage) {
    RecordingPrinter printer;
    DiagramWindow& diagram = OpenDiagram(true);
    QLineEdit& box = Box(diagram, "TextDia");
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_P);
    EXPECT_EQ(printer.printedPages, 1);
    EXPECT_TRUE(box.text().isEmpty());
}

TEST_F(DiagramTest, AcceleratorsOfTheCommandLettersAreLeftToTheKeyRelease) {
    DiagramWindow& diagram = OpenDiagram(true);
    QLineEdit& box = Box(diagram, "TextDia");
    box.setFocus();
    for (Qt::Key key : {Qt::Key_C, Qt::Key_L, Qt::Key_P}) {
        QKeyEvent override(QEvent::ShortcutOverride, key, Qt::AltModifier, QString());
        override.ignore();
        QApplication::sendEvent(&box, &override);
        EXPECT_TRUE(override.isAccepted()) << key;
    }
    QKeyEvent other(QEvent::ShortcutOverride, Qt::Key_X, Qt::AltModifier, QString());
    other.ignore();
    QApplication::sendEvent(&box, &other);
    EXPECT_FALSE(other.isAccepted());
}

TEST_F(DiagramTest, ReleasingLClosesLikeTheCloseButton) {
    DiagramWindow& diagram = OpenDiagram(true);
    Option(diagram, "Option2").click();
    QLineEdit& box = Box(diagram, "TextDia");
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_L, Qt::ShiftModifier);
    QApplication::processEvents();
    EXPECT_EQ(testing::Windows().LoadedDiagram(), nullptr);
    EXPECT_FALSE(testing::State().DiagramMember.has_value());
}

TEST_F(DiagramTest, CloseButtonStartsTheNextOpeningFromTheDefaultMember) {
    DiagramWindow& diagram = OpenDiagram(true);
    Option(diagram, "Option2").click();
    Button(diagram, "cmdclose").click();
    QApplication::processEvents();
    EXPECT_FALSE(testing::State().DiagramMember.has_value());
    DiagramWindow& reopened = testing::Windows().Diagram();
    ASSERT_TRUE(ShowActive(reopened));
    EXPECT_TRUE(Option(reopened, "Option1").isChecked());
    EXPECT_EQ(testing::State().DiagramMember, Member::Pinion);
}

TEST_F(DiagramTest, ClosingByTheFrameKeepsTheMemberChosenLast) {
    DiagramWindow& diagram = OpenDiagram(true);
    CalculateAt(diagram, "2.00000");
    Option(diagram, "Option2").click();
    diagram.close();
    QApplication::processEvents();
    EXPECT_EQ(testing::State().DiagramMember, Member::Gear);
    DiagramWindow& reopened = testing::Windows().Diagram();
    ASSERT_TRUE(ShowActive(reopened));
    EXPECT_TRUE(Option(reopened, "Option2").isChecked());
    ExpectBoxesShowTheLogic(reopened);
    EXPECT_TRUE(SentencesEmpty(reopened));
    EXPECT_TRUE(Box(reopened, "TextDia").text().isEmpty());
}

TEST_F(DiagramTest, PrintHidesTheHintOnWhiteAndRestoresTheWindow) {
    RecordingPrinter printer;
    DiagramWindow& diagram = OpenDiagram(true);
    Button(diagram, "CmdPrint").click();
    ASSERT_EQ(printer.drawings.size(), 1u);
    EXPECT_EQ(printer.printedPages, 1);
    EXPECT_EQ(printer.finishDocumentCalls, 1); // the document is finished once
    const QImage& picture = printer.drawings.front().image;
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(749, 582));
    EXPECT_EQ(printer.drawings.front().target.x(), 490);
    EXPECT_EQ(printer.drawings.front().target.y(), 2184);
    EXPECT_EQ(picture.pixelColor(5, 570), QColor(Qt::white));
    const QRect hint = diagram.findChild<QLabel*>("Label1")->geometry();
    for (int x = hint.left(); x < hint.right(); x += 3) {
        ASSERT_EQ(picture.pixelColor(x, hint.center().y()), QColor(Qt::white)) << x;
    }

    for (const char* button : {"CmdCalc", "cmdclose", "CmdPrint"}) {
        EXPECT_TRUE(Button(diagram, button).isEnabled()) << button;
    }
    EXPECT_TRUE(diagram.findChild<QLabel*>("Label1")->isVisible());
    EXPECT_EQ(diagram.palette().color(QPalette::Window), ButtonFace());
    EXPECT_EQ(QApplication::focusWidget(), &Box(diagram, "TextDia"));
}

TEST_F(DiagramTest, StatusMessageFollowsThePrintWithTheButtonsDisabledUntilItEnds) {
    RecordingPrinter printer;
    DiagramWindow& diagram = OpenDiagram(true);
    TheServices().statusDuration = std::chrono::milliseconds(300);
    Button(diagram, "CmdPrint").click();
    StatusWindow* status = testing::Windows().LoadedStatus();
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->Message(), "Printing diagram, one moment please...");
    EXPECT_FALSE(Button(diagram, "CmdCalc").isEnabled());
    EXPECT_FALSE(Button(diagram, "CmdPrint").isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return Button(diagram, "CmdPrint").isEnabled(); }, 5000));
    EXPECT_EQ(testing::Windows().LoadedStatus(), nullptr);
}

// Without a printer, declining the PDF leaves no status message claiming a print, and the window is
// restored as after a print.
TEST_F(DiagramTest, DecliningThePdfShowsNoStatus) {
    RecordingChooser chooser;
    SystemPagePrinter printer(dialogs, chooser, [] { return false; });
    const Replace<PagePrinter> use(TheServices().printer, &printer);
    DiagramWindow& diagram = OpenDiagram(true);
    TheServices().statusDuration = std::chrono::milliseconds(300);
    dialogs.shown.clear();
    dialogs.answers = {false};
    Button(diagram, "CmdPrint").click();
    EXPECT_EQ(testing::Windows().LoadedStatus(), nullptr);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_TRUE(dialogs.shown.front().question);
    EXPECT_EQ(chooser.calls, 0);
    EXPECT_TRUE(Button(diagram, "CmdPrint").isEnabled());
    EXPECT_EQ(diagram.palette().color(QPalette::Window), ButtonFace());
}

} // namespace
} // namespace korvanta::testing
