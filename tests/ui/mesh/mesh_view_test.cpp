#include <QRectF>
#include <gtest/gtest.h>

#include "ui/mesh/mesh_view.h"

namespace korvanta {
namespace {

// Two circles side by side and a path of contact between them, in inches.
MeshPicture TwoCircles() {
    MeshPicture picture;
    picture.centre = {{0, 0}, {0, 3}};
    picture.circles = {{Member::Pinion, MeshCircleKind::Outside, {0, 0}, 1.1},
                       {Member::Gear, MeshCircleKind::Outside, {0, 3}, 2.1}};
    picture.linePoints = {{"A", {0.2, 0.9}, 0.5}, {"E", {-0.2, 1.1}, 0.9}};
    picture.pathLength = 0.45;
    picture.basePitch = 0.295;
    return picture;
}

const QRectF kTarget(10, 20, 800, 600);

struct Zoom {
    QPointF cursor;
    double factor;
};

class ZoomAboutTheCursor : public ::testing::TestWithParam<Zoom> {};

TEST_P(ZoomAboutTheCursor, KeepsThePlanePointUnderIt) {
    const MeshView before{{0.3, 1.2}, 2.0};
    const QPointF plane = PlaneToTarget(kTarget, before).inverted().map(GetParam().cursor);
    const MeshView after = ZoomedAbout(before, kTarget, GetParam().cursor, GetParam().factor);
    const QPointF shown = PlaneToTarget(kTarget, after).map(plane);
    EXPECT_NEAR(shown.x(), GetParam().cursor.x(), 1e-9);
    EXPECT_NEAR(shown.y(), GetParam().cursor.y(), 1e-9);
    EXPECT_DOUBLE_EQ(after.span, before.span / GetParam().factor);
}

INSTANTIATE_TEST_SUITE_P(CursorsAndFactors, ZoomAboutTheCursor,
                         ::testing::Values(Zoom{{410, 320}, 2.0}, Zoom{{10, 20}, 1.25}, Zoom{{790, 600}, 0.5},
                                           Zoom{{123.5, 456.25}, 8.0}));

TEST(MeshView, ShowsThePlaneWithYUpAndTheSpanAcrossTheShorterSide) {
    const MeshView view{{1, 2}, 3.0};
    const QTransform transform = PlaneToTarget(kTarget, view);
    EXPECT_EQ(transform.map(QPointF(1, 2)), kTarget.center());
    // 600 pixels for 3 inches: 200 pixels an inch, up on the plane is up on the target.
    EXPECT_EQ(transform.map(QPointF(2, 3)), kTarget.center() + QPointF(200, -200));
}

TEST(MeshView, PanningMovesThePictureWithTheDrag) {
    const MeshView before{{1, 2}, 3.0};
    const QPointF grabbed(300, 250);
    const QPointF plane = PlaneToTarget(kTarget, before).inverted().map(grabbed);
    const MeshView after = Panned(before, kTarget, QPointF(40, -25));
    const QPointF now = PlaneToTarget(kTarget, after).map(plane);
    EXPECT_NEAR(now.x(), 340, 1e-9);
    EXPECT_NEAR(now.y(), 225, 1e-9);
}

TEST(MeshView, TheWholePairHoldsEveryCircle) {
    const MeshPicture picture = TwoCircles();
    const MeshView view = WholePairView(picture);
    const QTransform transform = PlaneToTarget(kTarget, view);
    for (const MeshCircle& circle : picture.circles) {
        for (const QPointF& extreme : {QPointF(circle.centre.x - circle.radius, circle.centre.y),
                                       QPointF(circle.centre.x + circle.radius, circle.centre.y),
                                       QPointF(circle.centre.x, circle.centre.y - circle.radius),
                                       QPointF(circle.centre.x, circle.centre.y + circle.radius)}) {
            EXPECT_TRUE(kTarget.contains(transform.map(extreme))) << extreme.x() << ", " << extreme.y();
        }
    }
    // From the pinion's bottom at -1.1 to the gear's top at 5.1: the middle at 2.0.
    EXPECT_NEAR(view.centre.y, 2.0, 1e-12);
}

TEST(MeshView, TheContactZoneViewHasThePathInTheMiddleAndATeethSpaceRoundIt) {
    const MeshView view = ContactZoneView(TwoCircles());
    EXPECT_NEAR(view.centre.x, 0.0, 1e-12);
    EXPECT_NEAR(view.centre.y, 1.0, 1e-12);
    EXPECT_GT(view.span, 2 * 0.45);
    EXPECT_LT(view.span, WholePairView(TwoCircles()).span);
}

} // namespace
} // namespace korvanta
