#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "core/transverse_values.h"
#include "logic/session.h"

namespace korvanta {
namespace {

// A session whose windows are recorded instead of shown: each created window is shown, as the
// program shows a window when it creates it.
class SessionTest : public ::testing::Test {
protected:
    SessionTest() {
        session.SetEnableWindow([this](SessionWindow window, bool enabled) {
            calls.push_back({window, enabled});
        });
    }

    void Open(SessionWindow window) {
        session.Created(window);
        session.Shown(window, true);
        session.Activated(window);
    }

    struct Call {
        SessionWindow window;
        bool enabled;
        bool operator==(const Call&) const = default;
    };

    Session session;
    std::vector<Call> calls;
};

TEST_F(SessionTest, StartsWithTheStartUpAngleConstantsAndNoPairKind) {
    EXPECT_EQ(session.State().Pi, 3.14159265);
    EXPECT_FALSE(session.State().GearType.has_value());
    EXPECT_FALSE(session.State().DiagramMember.has_value());
}

TEST_F(SessionTest, NoWindowIsCreatedToBeDisabled) {
    session.Activated(SessionWindow::ExternalOutput);
    EXPECT_TRUE(calls.empty());
    EXPECT_FALSE(session.Exists(SessionWindow::Input));
}

TEST_F(SessionTest, HoldingWindowsDisableTheInputWindowAndGiveItBackWhenTheyClose) {
    for (SessionWindow holder :
         {SessionWindow::ExternalOutput, SessionWindow::InternalOutput, SessionWindow::Limitations}) {
        Open(SessionWindow::Input);
        Open(holder);
        EXPECT_FALSE(session.IsEnabled(SessionWindow::Input));
        session.Closing(holder);
        EXPECT_TRUE(session.IsEnabled(SessionWindow::Input));
        EXPECT_FALSE(session.Exists(holder));
    }
}

TEST_F(SessionTest, DiagramHoldsTheInputWindowAndTheOutputWindowOfThePairsKind) {
    for (PairKind kind : {PairKind::External, PairKind::Internal}) {
        session.State().GearType = kind;
        const SessionWindow output = OutputWindowOf(kind);
        Open(SessionWindow::Input);
        Open(output);
        Open(SessionWindow::Diagram);
        EXPECT_FALSE(session.IsEnabled(SessionWindow::Input));
        EXPECT_FALSE(session.IsEnabled(output));
        session.Closing(SessionWindow::Diagram);
        EXPECT_TRUE(session.IsEnabled(output));
        // The output window is still open: it takes the input window again at its next activation.
        session.Activated(output);
        EXPECT_FALSE(session.IsEnabled(SessionWindow::Input));
        session.Closing(output);
        EXPECT_TRUE(session.IsEnabled(SessionWindow::Input));
    }
}

TEST_F(SessionTest, ClosingOneHolderKeepsTheInputWindowHeldByAnotherOpenOne) {
    Open(SessionWindow::Input);
    Open(SessionWindow::ExternalOutput);
    Open(SessionWindow::Limitations);
    calls.clear();
    session.Closing(SessionWindow::Limitations);
    // Closing gives the input window back, as the window's own rule says; the output window still
    // open holds it again when it comes to the front.
    EXPECT_EQ(calls.front(), (Call{SessionWindow::Input, true}));
    session.Activated(SessionWindow::ExternalOutput);
    EXPECT_FALSE(session.IsEnabled(SessionWindow::Input));
}

TEST_F(SessionTest, InputWindowActivatedWithNoHolderOpenIsEnabledAgain) {
    Open(SessionWindow::Input);
    Open(SessionWindow::ExternalOutput);
    session.Shown(SessionWindow::ExternalOutput, false); // hidden without being closed
    session.Activated(SessionWindow::Input);
    EXPECT_TRUE(session.IsEnabled(SessionWindow::Input));
}

TEST_F(SessionTest, InputWindowActivatedBehindAnOpenHolderStaysDisabled) {
    Open(SessionWindow::Input);
    Open(SessionWindow::InternalOutput);
    session.Activated(SessionWindow::Input);
    EXPECT_FALSE(session.IsEnabled(SessionWindow::Input));
}

TEST_F(SessionTest, OutputWindowsStayDisabledWhileTheDiagramIsOpen) {
    session.State().GearType = PairKind::External;
    Open(SessionWindow::Input);
    Open(SessionWindow::ExternalOutput);
    Open(SessionWindow::Diagram);
    session.Activated(SessionWindow::Input);
    EXPECT_FALSE(session.IsEnabled(SessionWindow::ExternalOutput));
    EXPECT_FALSE(session.IsEnabled(SessionWindow::Input));
}

TEST_F(SessionTest, EnableGivesAWindowBackWhateverHoldsIt) {
    Open(SessionWindow::Input);
    Open(SessionWindow::InternalOutput);
    session.Enable(SessionWindow::Input);
    EXPECT_TRUE(session.IsEnabled(SessionWindow::Input));
    EXPECT_EQ(calls.back(), (Call{SessionWindow::Input, true}));
}

TEST_F(SessionTest, ARecreatedWindowStartsEnabled) {
    Open(SessionWindow::Input);
    Open(SessionWindow::ExternalOutput);
    session.Closing(SessionWindow::Input);
    session.Created(SessionWindow::Input);
    EXPECT_TRUE(session.IsEnabled(SessionWindow::Input));
    EXPECT_FALSE(session.IsOpen(SessionWindow::Input));
}

struct Opening {
    SessionWindow opener;
    OpenedWindow opened;
    bool modal;
};

// Help and the form-diameter note are read before going on; the diagram waits over the internal
// pair's output window only; every other window opens beside its opener.
TEST(SessionModality, SaysWhichWindowsOpenModally) {
    const Opening openings[] = {
        {SessionWindow::Input, OpenedWindow::Output, false},
        {SessionWindow::Input, OpenedWindow::Help, true},
        {SessionWindow::Input, OpenedWindow::License, false},
        {SessionWindow::Input, OpenedWindow::Limitations, false},
        {SessionWindow::Input, OpenedWindow::About, false},
        {SessionWindow::ExternalOutput, OpenedWindow::Diagram, false},
        {SessionWindow::InternalOutput, OpenedWindow::Diagram, true},
        {SessionWindow::ExternalOutput, OpenedWindow::FormDiameterNote, true},
        {SessionWindow::InternalOutput, OpenedWindow::FormDiameterNote, true},
    };
    for (const Opening& opening : openings) {
        EXPECT_EQ(Session::OpensModally(opening.opener, opening.opened), opening.modal)
            << static_cast<int>(opening.opener) << " opens " << static_cast<int>(opening.opened);
    }
}

} // namespace
} // namespace korvanta

namespace korvanta {
namespace {

TEST(SessionSolution, ServesTheViewsWhileTheEntriesAreThoseItWasCalculatedFrom) {
    Session session;
    GearPairState& state = session.State();
    state.GearType = PairKind::External;
    state.NT1 = 20;
    state.NT2 = 40;
    state.DP = 10;
    state.PA = 20;
    state.OD1 = 2.2f;
    state.OD2 = 4.2f;
    state.CD = 3;
    DeriveTransverseValues(state);
    EXPECT_EQ(session.SolutionOfEntries(), nullptr);

    session.Solved(SolvePair(state));
    ASSERT_NE(session.SolutionOfEntries(), nullptr);
    // What the diagram reads is in the state.
    EXPECT_EQ(state.SAP1, session.SolutionOfEntries()->result.SAP.pinion);

    state.OD1 = 2.3f;
    EXPECT_EQ(session.SolutionOfEntries(), nullptr);
    EXPECT_NE(session.LastSolution(), nullptr);
}

} // namespace
} // namespace korvanta
