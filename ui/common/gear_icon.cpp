#include "ui/common/gear_icon.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace korvanta {

namespace {

// A 12-tooth gear of module 1 with 20° pressure angle and standard tooth proportions.
constexpr int kTeeth = 12;
constexpr double kPressureAngle = 20.0 * std::numbers::pi / 180.0;
constexpr double kPitchRadius = kTeeth / 2.0;
constexpr double kOutsideRadius = kPitchRadius + 1.0;
constexpr double kRootRadius = kPitchRadius - 1.25;
constexpr int kFlankSteps = 8;

double Involute(double angle) {
    return std::tan(angle) - angle;
}

// Half the angular tooth thickness at radius r: half a tooth at the pitch circle, narrowing towards
// the tip along the involute.
double HalfThickness(double baseRadius, double r) {
    const double pressureAtR = std::acos(baseRadius / r);
    return std::numbers::pi / (2.0 * kTeeth) + Involute(kPressureAngle) - Involute(pressureAtR);
}

QPointF Polar(double r, double angle) {
    return {r * std::cos(angle), -r * std::sin(angle)};
}

QPainterPath GearOutline() {
    const double baseRadius = kPitchRadius * std::cos(kPressureAngle);
    const double flankStart = std::max(baseRadius, kRootRadius);
    QPainterPath path;
    for (int tooth = 0; tooth < kTeeth; ++tooth) {
        const double centre = 2.0 * std::numbers::pi * tooth / kTeeth;
        const double startHalf = HalfThickness(baseRadius, flankStart);
        const QPointF rootPoint = Polar(kRootRadius, centre - startHalf);
        if (tooth == 0) {
            path.moveTo(rootPoint);
        } else {
            path.lineTo(rootPoint);
        }
        for (int step = 0; step <= kFlankSteps; ++step) {
            const double r = flankStart + (kOutsideRadius - flankStart) * step / kFlankSteps;
            path.lineTo(Polar(r, centre - HalfThickness(baseRadius, r)));
        }
        for (int step = kFlankSteps; step >= 0; --step) {
            const double r = flankStart + (kOutsideRadius - flankStart) * step / kFlankSteps;
            path.lineTo(Polar(r, centre + HalfThickness(baseRadius, r)));
        }
        path.lineTo(Polar(kRootRadius, centre + startHalf));
        const double nextStart = 2.0 * std::numbers::pi * (tooth + 1) / kTeeth - startHalf;
        for (int step = 1; step <= 4; ++step) {
            path.lineTo(Polar(kRootRadius, centre + startHalf + (nextStart - centre - startHalf) * step / 4));
        }
    }
    path.closeSubpath();
    path.addEllipse(QPointF(0, 0), kPitchRadius * 0.3, kPitchRadius * 0.3);
    return path;
}

} // namespace

void RenderGearIcon(QPainter& painter, const QRectF& rect) {
    const double scale = std::min(rect.width(), rect.height()) / (2.0 * kOutsideRadius * 1.04);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.center());
    painter.scale(scale, scale);
    QRadialGradient steel(QPointF(-kPitchRadius * 0.4, -kPitchRadius * 0.4), kOutsideRadius * 1.6);
    steel.setColorAt(0.0, QColor(235, 240, 248));
    steel.setColorAt(0.6, QColor(120, 140, 170));
    steel.setColorAt(1.0, QColor(60, 75, 100));
    QPen outline(QColor(30, 40, 60));
    outline.setWidthF(0.12);
    painter.setPen(outline);
    painter.setBrush(steel);
    QPainterPath gear = GearOutline();
    gear.setFillRule(Qt::OddEvenFill);
    painter.drawPath(gear);
    QPen pitchCircle(QColor(30, 40, 60, 110));
    pitchCircle.setWidthF(0.06);
    pitchCircle.setStyle(Qt::DashLine);
    painter.setPen(pitchCircle);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(0, 0), kPitchRadius, kPitchRadius);
    painter.restore();
}

QPixmap GearIconPixmap(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    RenderGearIcon(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

QIcon GearIcon() {
    QIcon icon;
    for (int side : {16, 32, 48, 64}) {
        icon.addPixmap(GearIconPixmap(QSize(side, side)));
    }
    return icon;
}

} // namespace korvanta
