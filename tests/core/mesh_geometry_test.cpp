// The pair in mesh, checked against the involute geometry it must satisfy, each relation worked out from
// the outline points independently of the way they were made.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/mesh_geometry.h"
#include "core/pair_solution.h"
#include "pair_fixtures.h"

namespace korvanta {
namespace {

using std::numbers::pi;
using testing::PairEntry;

double Polar(MeshPoint p, MeshPoint centre) {
    return std::atan2(p.y - centre.y, p.x - centre.x);
}

double Radius(MeshPoint p, MeshPoint centre) {
    return std::hypot(p.x - centre.x, p.y - centre.y);
}

double AngleBetween(double a, double b) {
    return std::remainder(a - b, 2.0 * pi);
}

// The roll length to a radius, r² = r_b² + L²; a point on the base circle may lie a rounding inside it.
double RollLength(double baseRadius, double radius) {
    return std::sqrt(std::max(0.0, radius * radius - baseRadius * baseRadius));
}

double InvoluteAt(double baseRadius, double radius) {
    const double tangent = RollLength(baseRadius, radius) / baseRadius;
    return tangent - std::atan(tangent);
}

// The involute a flank's points follow: where it leaves the base circle and which way it winds
// (+1: its polar angle grows with the radius), found from its two first points.
struct FlankInvolute {
    MeshPoint centre;
    double baseRadius = 0.0;
    double start = 0.0;
    double winding = 1.0;

    double AngleAt(double radius) const { return start + winding * InvoluteAt(baseRadius, radius); }
    // Where a string unwound by `roll` leaves the base circle, and the point it reaches:
    // r_b e(β + σt) − σ L e⊥(β + σt), t = L / r_b.
    MeshPoint TangentAt(double roll) const {
        const double angle = start + winding * roll / baseRadius;
        return {centre.x + baseRadius * std::cos(angle), centre.y + baseRadius * std::sin(angle)};
    }
    MeshPoint PointAt(double roll) const {
        const double angle = start + winding * roll / baseRadius;
        const MeshPoint tangent = TangentAt(roll);
        return {tangent.x + winding * roll * std::sin(angle), tangent.y - winding * roll * std::cos(angle)};
    }
};

FlankInvolute InvoluteOf(const std::vector<MeshPoint>& flank, MeshPoint centre, double baseRadius) {
    const double r0 = Radius(flank[0], centre);
    const double r1 = Radius(flank[1], centre);
    const double turn = AngleBetween(Polar(flank[1], centre), Polar(flank[0], centre));
    FlankInvolute involute{centre, baseRadius, 0.0, (turn > 0.0) == (r1 > r0) ? 1.0 : -1.0};
    involute.start = Polar(flank[0], centre) - involute.winding * InvoluteAt(baseRadius, r0);
    return involute;
}

struct MeshCase {
    const char* name;
    PairKind kind;
    PairEntry pair;
};

class PairInMesh : public ::testing::TestWithParam<MeshCase> {
protected:
    void SetUp() override {
        solution =
            SolvePair(testing::EnteredPair(GetParam().kind, GetParam().pair), PerMember<MeasurementChoice>{});
        ASSERT_TRUE(solution.Complete());
        picture = MeshOf(solution, 0.3);
    }
    bool InternalGear(Member member) const {
        return solution.kind == PairKind::Internal && member == Member::Gear;
    }
    double BaseRadius(Member member) const { return solution.values.baseDiameter[member] / 2.0; }
    const LinePoint& Point(const std::string& name) const {
        return *std::find_if(picture.linePoints.begin(), picture.linePoints.end(),
                             [&](const LinePoint& p) { return p.name == name; });
    }
    // The arc a tooth takes up on a circle of the radius, between the involutes of its two flanks.
    double ArcAt(Member member, double radius) const {
        const ToothOutline& tooth = picture.teeth[member].front();
        const MeshPoint centre = picture.centre[member];
        return radius * std::abs(AngleBetween(
                            InvoluteOf(tooth.leadingFlank, centre, BaseRadius(member)).AngleAt(radius),
                            InvoluteOf(tooth.trailingFlank, centre, BaseRadius(member)).AngleAt(radius)));
    }
    double CircleRadius(Member member, MeshCircleKind kind) const {
        return std::find_if(picture.circles.begin(), picture.circles.end(),
                            [&](const MeshCircle& c) { return c.member == member && c.kind == kind; })
            ->radius;
    }

    PairSolution solution;
    MeshPicture picture;
};

TEST_P(PairInMesh, EveryFlankPointLiesOnItsInvoluteFromTheTIFToTheOutsideDiameter) {
    for (Member member : kMembers) {
        const double base = BaseRadius(member);
        const double form = std::max(solution.result.TIF[member] / 2.0, base);
        const double tip = std::max(solution.values.outsideDiameter[member] / 2.0, base);
        for (const ToothOutline& tooth : picture.teeth[member]) {
            const FlankInvolute leading = InvoluteOf(tooth.leadingFlank, picture.centre[member], base);
            const FlankInvolute trailing = InvoluteOf(tooth.trailingFlank, picture.centre[member], base);
            EXPECT_EQ(leading.winding, -trailing.winding);
            for (const FlankInvolute* involute : {&leading, &trailing}) {
                const auto& flank = involute == &leading ? tooth.leadingFlank : tooth.trailingFlank;
                EXPECT_NEAR(Radius(flank.front(), involute->centre), form, 1e-12);
                EXPECT_NEAR(Radius(flank.back(), involute->centre), tip, 1e-12);
                for (const MeshPoint& p : flank) {
                    const double radius = Radius(p, involute->centre);
                    EXPECT_LE(std::abs(radius - (form + tip) / 2.0), std::abs(tip - form) / 2.0 + 1e-12);
                    EXPECT_NEAR(AngleBetween(Polar(p, involute->centre), involute->AngleAt(radius)), 0.0,
                                1e-12);
                    const MeshPoint unwound = involute->PointAt(RollLength(base, radius));
                    EXPECT_NEAR(Radius(p, unwound), 0.0, 1e-12);
                }
            }
        }
    }
}

TEST_P(PairInMesh, ToothThicknessAtTheReferencePitchCircleIsTheMeasurements) {
    const double helix = solution.calculated.HA * pi / 180.0;
    for (Member member : kMembers) {
        const double teeth = solution.values.teeth[member];
        const double reference = teeth / (2.0 * solution.calculated.DP * std::cos(helix));
        // The internal gear's measurement is its space width, what the tooth leaves of the pitch.
        const double arc = ArcAt(member, reference);
        const double transverse = InternalGear(member) ? 2.0 * pi * reference / teeth - arc : arc;
        EXPECT_NEAR(transverse * std::cos(helix), solution.measurements->members[member].toothThickness,
                    1e-12);
    }
}

TEST_P(PairInMesh, TheTeethMeshWithoutBacklashAtTheEnteredCenterDistance) {
    // On the operating pitch circles, which roll on each other, the pinion's tooth fills the gear's space:
    // the two teeth take up one circular pitch between them, on an internal pair too.
    const double pinion = CircleRadius(Member::Pinion, MeshCircleKind::OperatingPitch);
    const double pitch = 2.0 * pi * pinion / solution.values.teeth.pinion;
    EXPECT_NEAR(ArcAt(Member::Pinion, pinion) +
                    ArcAt(Member::Gear, CircleRadius(Member::Gear, MeshCircleKind::OperatingPitch)),
                pitch, 1e-5 * pitch);
}

TEST_P(PairInMesh, TheBaseTangentPointsLieOnTheBaseCirclesAndTheInternalGearsBehindT1) {
    EXPECT_NEAR(Radius(Point("T1").at, picture.centre.pinion), BaseRadius(Member::Pinion), 1e-9);
    EXPECT_NEAR(Radius(Point("T2").at, picture.centre.gear), BaseRadius(Member::Gear), 1e-9);
    EXPECT_NEAR(Radius(Point("T1").at, Point("T2").at), std::abs(Point("T2").fromT1), 1e-9);
    EXPECT_EQ(Point("T2").fromT1 < 0.0, solution.kind == PairKind::Internal);
    // P on the line of centres, on the operating pitch circles.
    EXPECT_NEAR(Point("P").at.x, 0.0, 1e-7);
    EXPECT_NEAR(Radius(Point("P").at, picture.centre.pinion),
                CircleRadius(Member::Pinion, MeshCircleKind::OperatingPitch), 1e-6);
}

TEST_P(PairInMesh, ContactRunsFromTheSAPToTheTipOfEachMember) {
    const MemberMeasurements& pinion = solution.measurements->members.pinion;
    const MeshPoint a = Point("A").at;
    const MeshPoint e = Point("E").at;
    // An inside circle within the base circle lets contact start no sooner than at the base circle.
    EXPECT_NEAR(Radius(a, picture.centre.gear),
                std::max(solution.values.outsideDiameter.gear / 2.0, BaseRadius(Member::Gear)), 1e-9);
    EXPECT_NEAR(Radius(e, picture.centre.pinion), solution.values.outsideDiameter.pinion / 2.0, 1e-9);
    if (!pinion.interference) {
        EXPECT_NEAR(Radius(a, picture.centre.pinion), solution.result.SAP.pinion / 2.0, 1e-4);
    }
    EXPECT_NEAR(Radius(e, picture.centre.gear), solution.result.SAP.gear / 2.0, 1e-4);
    EXPECT_NEAR(Radius(a, e), picture.pathLength, 1e-12);
    EXPECT_NEAR(picture.basePitch, pi * solution.values.baseDiameter.pinion / solution.values.teeth.pinion,
                1e-15);
    EXPECT_NEAR(picture.pathLength / picture.basePitch, solution.measurements->contactRatio, 1e-5);
    EXPECT_EQ(picture.contactRatio, picture.pathLength / picture.basePitch);
}

TEST_P(PairInMesh, EachContactIsWhereAWorkingFlankOfBothMembersLeavesTheLine) {
    ASSERT_FALSE(picture.contacts.empty());
    const MeshPoint a = Point("A").at;
    for (const MeshContact& contact : picture.contacts) {
        EXPECT_NEAR(Radius(contact.at, a), contact.fromT1 - Point("A").fromT1, 1e-12);
        for (Member member : kMembers) {
            const double base = BaseRadius(member);
            const MeshPoint tangent = Point(member == Member::Pinion ? "T1" : "T2").at;
            const double roll = Radius(contact.at, tangent);
            EXPECT_NEAR(contact.rollAngle[member], roll / base * 180.0 / pi, 1e-9);
            // The flank through the point unwinds from the tangent point: the line generated it. The gear's
            // teeth stand 2π/N2 apart on its base circle, whose diameter comes from a pitch diameter kept as
            // a Single: its base pitch may differ from the pinion's by a few parts in 10⁸.
            const auto touching = std::count_if(
                picture.teeth[member].begin(), picture.teeth[member].end(), [&](const ToothOutline& tooth) {
                    const FlankInvolute involute =
                        InvoluteOf(tooth.leadingFlank, picture.centre[member], base);
                    return Radius(involute.PointAt(roll), contact.at) < 1e-7 &&
                           Radius(involute.TangentAt(roll), tangent) < 1e-7;
                });
            EXPECT_EQ(touching, 1) << static_cast<int>(member) << " at " << contact.fromT1;
        }
    }
    for (std::size_t i = 1; i < picture.contacts.size(); ++i) {
        EXPECT_NEAR(picture.contacts[i].fromT1 - picture.contacts[i - 1].fromT1, picture.basePitch, 1e-12);
    }
}

TEST_P(PairInMesh, TurningByOneBasePitchBringsTheContactsBackAndEachToothOntoTheNext) {
    const MeshPicture turned = MeshOf(solution, 1.3);
    ASSERT_EQ(turned.contacts.size(), picture.contacts.size());
    for (std::size_t i = 0; i < picture.contacts.size(); ++i) {
        EXPECT_NEAR(Radius(turned.contacts[i].at, picture.contacts[i].at), 0.0, 1e-12);
    }
    for (Member member : kMembers) {
        const auto& before = picture.teeth[member];
        const auto& after = turned.teeth[member];
        const std::size_t n = before.size();
        // The pinion turns clockwise on an external pair; the gear counter-clockwise on either.
        const bool forward = member == Member::Gear || solution.kind == PairKind::Internal;
        for (std::size_t k = 0; k < n; ++k) {
            const ToothOutline& next = before[forward ? (k + 1) % n : (k + n - 1) % n];
            EXPECT_NEAR(Radius(after[k].tip[2], next.tip[2]), 0.0, 1e-6);
            EXPECT_NEAR(Radius(after[k].leadingFlank[3], next.leadingFlank[3]), 0.0, 1e-6);
        }
    }
}

TEST_P(PairInMesh, InterferenceIsShownOnTheMemberTheMeasurementsFlag) {
    for (Member member : kMembers) {
        const bool shown =
            std::any_of(picture.troubles.begin(), picture.troubles.end(), [&](const MeshTrouble& t) {
                return t.member == member && t.kind == MeshTroubleKind::Interference;
            });
        EXPECT_EQ(shown, solution.measurements->members[member].interference) << static_cast<int>(member);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, PairInMesh,
    ::testing::Values(
        MeshCase{"External20To40", PairKind::External, {20, 40, 10, 20, 0, 2.2, 4.2, 3.0}},
        MeshCase{"ExchangedExternal", PairKind::External, {40, 20, 10, 20, 0, 4.2, 2.2, 3.02}},
        MeshCase{"Helical", PairKind::External, {20, 40, 10, 20, 15, 2.3, 4.4, 3.2}},
        MeshCase{"UndercutPinion", PairKind::External, {12, 40, 10, 20, 0, 1.4, 4.2, 2.6}},
        MeshCase{"Internal20To60", PairKind::Internal, {20, 60, 10, 20, 0, 2.2, 5.8, 2.0}},
        MeshCase{"InternalHelical", PairKind::Internal, {24, 70, 8, 25, 20, 3.4, 8.7, 3}},
        MeshCase{"InsideDiameterWithinBaseCircle", PairKind::Internal, {18, 50, 8, 20, 15, 2.6, 6.0, 2}}),
    [](const ::testing::TestParamInfo<MeshCase>& param) { return std::string(param.param.name); });

TEST(MeshTroubles, TheInternal20To60PairShowsThePinionInterferingFromAToT1) {
    const PairSolution solution =
        SolvePair(testing::InternalPair({20, 60, 10, 20, 0, 2.2, 5.8, 2.0}), PerMember<MeasurementChoice>{});
    const MeshPicture picture = MeshOf(solution, 0.0);
    ASSERT_EQ(picture.troubles.size(), 1u);
    const MeshTrouble& trouble = picture.troubles.front();
    EXPECT_EQ(trouble.member, Member::Pinion);
    EXPECT_EQ(trouble.from, picture.linePoints[2].at); // A
    EXPECT_EQ(trouble.to, picture.linePoints[0].at);   // T1
    EXPECT_NE(trouble.sentence.find("The pinion interferes"), std::string::npos);
    // No contact is drawn where no pinion flank exists.
    for (const MeshContact& contact : picture.contacts) {
        EXPECT_GE(contact.fromT1, 0.0);
    }
}

TEST(MeshTroubles, ASAPBelowTheTIFIsMarkedBetweenTheTwoCircles) {
    PairSolution solution =
        SolvePair(testing::ExternalPair({20, 40, 10, 20, 0, 2.2, 4.2, 3.0}), PerMember<MeasurementChoice>{});
    solution.result.TIF.pinion = solution.result.SAP.pinion + 0.01;
    const MeshPicture picture = MeshOf(solution, 0.0);
    ASSERT_EQ(picture.troubles.size(), 1u);
    const MeshTrouble& trouble = picture.troubles.front();
    EXPECT_EQ(trouble.kind, MeshTroubleKind::SAPBelowTIF);
    EXPECT_EQ(trouble.member, Member::Pinion);
    EXPECT_NEAR(Radius(trouble.from, picture.centre.pinion), solution.result.SAP.pinion / 2.0, 1e-12);
    EXPECT_NEAR(Radius(trouble.to, picture.centre.pinion), solution.result.TIF.pinion / 2.0, 1e-12);
}

} // namespace
} // namespace korvanta
