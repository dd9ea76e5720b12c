#include <QAction>
#include <QCloseEvent>
#include <QMessageBox>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "input_window_test.h"
#include "output/pair_setup.h"
#include "ui/diagram/diagram_window.h"
#include "ui/info/about_window.h"
#include "ui/info/license_window.h"
#include "ui/info/limitations_window.h"
#include "ui/output/output_window.h"

namespace korvanta {
namespace {

class InputActivationTest : public testing::InputWindowTest {
protected:
    LimitationsWindow& OpenLimitations() {
        Control<QAction>("MnuLimitations").trigger();
        LimitationsWindow* limitations = testing::Windows().LoadedLimitations();
        EXPECT_NE(limitations, nullptr);
        EXPECT_TRUE(testing::Activate(*limitations));
        return *limitations;
    }

    // The output window of the standard pair of the kind, shown and active over the input window.
    static QWidget& OpenOutput(bool external) {
        testing::CalculatePair(external, external ? testing::kExternalSpurPair : testing::kInternalSpurPair);
        QWidget& output = external ? static_cast<QWidget&>(testing::Windows().Output(PairKind::External))
                                   : static_cast<QWidget&>(testing::Windows().Output(PairKind::Internal));
        EXPECT_TRUE(testing::ShowActive(output));
        return output;
    }

    static DiagramWindow& OpenDiagram() {
        DiagramWindow& diagram = testing::Windows().Diagram();
        EXPECT_TRUE(testing::ShowActive(diagram));
        return diagram;
    }

    // The focus forced onto a window through the window system, as a window activation event.
    static void ForceFocus(QWidget& target) {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&target, &activate);
    }
};

TEST_F(InputActivationTest, MessageBoxClosingIsNoNewActivation) {
    Enter("TextPA", "0");
    ASSERT_EQ(Field("TextPA").text(), "");
    auto* box = new QMessageBox(QMessageBox::Warning, "Korvanta", "A note", QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(box));
    box->accept();
    ASSERT_TRUE(testing::Activate(*window));
    EXPECT_EQ(Field("TextPA").text(), "");
    EXPECT_EQ(testing::State().PA, 0.0);
}

TEST_F(InputActivationTest, ComingBackFromAnotherProgramWindowActivatesAgain) {
    Enter("TextPA", "0");
    Control<QAction>("MnuLicence").trigger();
    LicenseWindow* licence = testing::Windows().LoadedLicense();
    ASSERT_NE(licence, nullptr);
    ASSERT_TRUE(testing::Activate(*licence));
    EXPECT_TRUE(window->isEnabled());
    ASSERT_TRUE(testing::Activate(*window));
    EXPECT_EQ(Field("TextPA").text(), "20.00000");
}

TEST_F(InputActivationTest, SwitchingToAnotherWindowDoesNotLeaveTheField) {
    Enter("TextDP", "10");
    Enter("TextNT1", "20");
    TypeInto("TextNT2", "40");
    Control<QAction>("MnuAbout").trigger();
    ASSERT_NE(testing::Windows().LoadedAbout(), nullptr);
    ASSERT_TRUE(testing::Activate(*testing::Windows().LoadedAbout()));
    ASSERT_TRUE(testing::Activate(*window));
    EXPECT_EQ(Focused(), &Field("TextNT2"));
    EXPECT_EQ(Field("TextOD1").text(), "");
    PressTab("TextNT2");
    EXPECT_EQ(Field("TextOD1").text(), "2.20000");
}

TEST_F(InputActivationTest, LimitationsKeepTheInputWindowDisabledUntilClosedByTheButton) {
    LimitationsWindow& limitations = OpenLimitations();
    EXPECT_FALSE(window->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), &testing::Control<QPushButton>(limitations, "CommandClose"));
    QTest::mouseClick(&testing::Control<QPushButton>(limitations, "CommandClose"), Qt::LeftButton);
    EXPECT_EQ(testing::Windows().LoadedLimitations(), nullptr);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(InputActivationTest, LimitationsClosedByTheFrameEnableTheInputWindow) {
    LimitationsWindow& limitations = OpenLimitations();
    ASSERT_FALSE(window->isEnabled());
    limitations.close();
    EXPECT_EQ(testing::Windows().LoadedLimitations(), nullptr);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(InputActivationTest, FieldsKeepTheirValuesWhileTheWindowIsDisabled) {
    Enter("TextDP", "10");
    Enter("TextNT1", "20");
    TypeInto("TextNT2", "40");
    LimitationsWindow& limitations = OpenLimitations();
    limitations.close();
    EXPECT_EQ(Field("TextNT2").text(), "40");
    EXPECT_EQ(Field("TextOD1").text(), "");
}

// The title bar's close button of a window held disabled, or Alt+F4 on it, is ignored like any other
// input to it: the input window behind an output window, and the output window behind its diagram.
TEST_F(InputActivationTest, AWindowHeldDisabledIgnoresTheWindowSystemsCloseRequest) {
    const auto closeFromWindowSystem = [](QWidget& target) {
        QCloseEvent close;
        QCoreApplication::sendEvent(target.windowHandle(), &close);
        QApplication::processEvents();
    };
    QWidget& output = OpenOutput(true);
    ASSERT_FALSE(window->isEnabled());
    closeFromWindowSystem(*window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_NE(testing::Windows().LoadedInput(), nullptr);

    OpenDiagram();
    ASSERT_FALSE(output.isEnabled());
    closeFromWindowSystem(output);
    EXPECT_TRUE(output.isVisible());
    EXPECT_NE(testing::Windows().LoadedOutput(PairKind::External), nullptr);

    // Once enabled again, the same request closes the window.
    testing::Windows().LoadedDiagram()->close();
    QApplication::processEvents();
    ASSERT_TRUE(output.isEnabled());
    closeFromWindowSystem(output);
    EXPECT_EQ(testing::Windows().LoadedOutput(PairKind::External), nullptr);
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(InputActivationTest, FocusReachingTheDiagramAfterItClosedLeavesNoWindowDisabled) {
    QWidget& output = OpenOutput(false);
    DiagramWindow& diagram = OpenDiagram();
    diagram.close();
    ForceFocus(diagram);
    EXPECT_TRUE(output.isEnabled());
    EXPECT_TRUE(window->isEnabled());
}

TEST_F(InputActivationTest, DiagramClosedAfterTheGearTypeChangedGivesTheOutputWindowBack) {
    QWidget& output = OpenOutput(false);
    DiagramWindow& diagram = OpenDiagram();
    ASSERT_FALSE(output.isEnabled());
    testing::State().GearType = PairKind::External;
    diagram.close();
    EXPECT_TRUE(output.isEnabled());
}

TEST_F(InputActivationTest, EveryOrderOfClosingTheOutputAndTheDiagramEndsWithTheInputWindowEnabled) {
    for (bool external : {true, false}) {
        for (bool diagramFirst : {true, false}) {
            QWidget& output = OpenOutput(external);
            DiagramWindow& diagram = OpenDiagram();
            ASSERT_FALSE(window->isEnabled());
            if (diagramFirst) {
                diagram.close();
                ASSERT_TRUE(testing::Activate(output));
                output.close();
            } else {
                output.close();
                diagram.close();
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(window->isEnabled()) << external << diagramFirst;
            ASSERT_TRUE(testing::Activate(*window));
        }
    }
}

TEST_F(InputActivationTest, InputWindowComingForwardIsEnabledWhenNoOpenWindowHoldsIt) {
    window->setEnabled(false);
    Control<QAction>("MnuAbout").trigger();
    ASSERT_TRUE(testing::Activate(*testing::Windows().LoadedAbout()));
    ASSERT_TRUE(testing::Activate(*window));
    EXPECT_TRUE(window->isEnabled());
}

} // namespace
} // namespace korvanta
