#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/angles_at_diameter.h"
#include "core/gear_pair_state.h"
#include "logic/diameter_command.h"

namespace korvanta {
namespace {

constexpr const char* kLarger =
    "You entered a diameter that is larger than the outside diameter. Is this OK?";
constexpr const char* kSmaller = "You entered a diameter that is smaller than the Base diameter. Is this OK?";

class DiameterCommandTest : public ::testing::Test {
protected:
    DiameterCommandTest() {
        SetStartUpConstants(state);
        state.GearType = PairKind::External;
        state.DiagramMember = Member::Pinion;
        state.OD1 = 2.2;
        state.OD2 = 4.2;
        state.DB1 = 1.8793852; // 2 cos 20°
        state.DB2 = 3.7587705;
    }

    DiameterCommandOutcome Run(const std::string& text, bool answer = true) {
        return RunDiameterCommand(state, text, [this, answer](const Message& question) {
            EXPECT_EQ(question.title, "Korvanta");
            EXPECT_EQ(question.icon, MessageIcon::None);
            EXPECT_TRUE(question.question);
            questions.push_back(question.text);
            return answer;
        });
    }

    GearPairState state;
    std::vector<std::string> questions;
};

TEST_F(DiameterCommandTest, EmptyTextDoesNothing) {
    const DiameterCommandOutcome outcome = Run("");
    EXPECT_FALSE(outcome.computed);
    EXPECT_FALSE(outcome.error.has_value());
    EXPECT_TRUE(questions.empty());
}

TEST_F(DiameterCommandTest, PitchDiameterOfTheStandardPinionGivesTheAnglesAtThatDiameter) {
    const DiameterCommandOutcome outcome = Run("2.00000");
    const AnglesAt angles = AnglesAtDiameter(state, Member::Pinion, 2.0);
    EXPECT_TRUE(outcome.computed);
    EXPECT_EQ(outcome.pressureSentence, PressureAngleSentence("2.00000", angles.pressure));
    EXPECT_EQ(outcome.rollSentence, RollAngleSentence("2.00000", angles.roll));
    EXPECT_TRUE(questions.empty());
}

TEST_F(DiameterCommandTest, DiameterAboveTheOutsideDiameterAsks) {
    DiameterCommandOutcome outcome = Run("2.30000", false);
    EXPECT_EQ(questions, std::vector<std::string>{kLarger});
    EXPECT_FALSE(outcome.computed);
    EXPECT_TRUE(outcome.pressureSentence.empty());

    questions.clear();
    outcome = Run("2.30000", true);
    EXPECT_EQ(questions, std::vector<std::string>{kLarger});
    EXPECT_TRUE(outcome.computed);
    EXPECT_EQ(outcome.pressureSentence.rfind("Pressure Angle at 2.30000 is ", 0), 0U);
}

TEST_F(DiameterCommandTest, DiameterBelowTheBaseCircleAsksAndGivesZeroAngles) {
    DiameterCommandOutcome outcome = Run("1.00000", false);
    EXPECT_EQ(questions, std::vector<std::string>{kSmaller});
    EXPECT_FALSE(outcome.computed);

    outcome = Run("1.00000", true);
    EXPECT_TRUE(outcome.computed);
    EXPECT_EQ(outcome.pressureSentence, "Pressure Angle at 1.00000 is 0.0000°");
    EXPECT_EQ(outcome.rollSentence, "Roll Angle to 1.00000 is 0.000°");
}

TEST_F(DiameterCommandTest, InternalGearHasNoUpperCheck) {
    state.GearType = PairKind::Internal;
    state.DiagramMember = Member::Gear;
    state.OD2 = 5.8;
    state.DB2 = 5.6381556;
    const DiameterCommandOutcome outcome = Run("7.00000");
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(outcome.computed);
    EXPECT_EQ(outcome.rollSentence.rfind("Roll Angle to 7.00000 is ", 0), 0U);
}

TEST_F(DiameterCommandTest, ExternalGearIsCheckedAgainstItsOutsideDiameter) {
    state.DiagramMember = Member::Gear;
    Run("4.30000");
    EXPECT_EQ(questions, std::vector<std::string>{kLarger});
}

TEST_F(DiameterCommandTest, ZeroDiameterAfterYesIsAnErrorWithoutResults) {
    for (const char* text : {"0.00000", ".", "0"}) {
        questions.clear();
        const DiameterCommandOutcome outcome = Run(text, true);
        EXPECT_EQ(questions, std::vector<std::string>{kSmaller}) << text;
        EXPECT_FALSE(outcome.computed);
        ASSERT_TRUE(outcome.error.has_value());
        EXPECT_EQ(outcome.error->title, "Korvanta");
        EXPECT_FALSE(outcome.error->text.empty());
        EXPECT_TRUE(outcome.pressureSentence.empty());
        EXPECT_TRUE(outcome.rollSentence.empty());
    }
    EXPECT_FALSE(Run("0.00000", false).error.has_value());
}

TEST_F(DiameterCommandTest, TextIsInsertedAsShown) {
    const DiameterCommandOutcome outcome = Run("2.0.1");
    EXPECT_EQ(outcome.pressureSentence, "Pressure Angle at 2.0.1 is 20.0000°");
}

} // namespace
} // namespace korvanta
