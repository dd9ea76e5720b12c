#include "ui/diagram/diagram_picture.h"

#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "ui/common/form_font.h"

namespace korvanta {

namespace {

// The model gear: 12 teeth, 25 degree pressure angle, standard proportions, drawn with a pitch radius
// of 115 pixels around the centre (340, 230) of the picture.
constexpr double kTeeth = 12.0;
constexpr double kPressureAngle = 25.0 * std::numbers::pi / 180.0;
constexpr double kPitchRadius = 115.0;
const QPointF kCentre(340.0, 230.0);

const QColor kTitleColour(128, 0, 0);
const QColor kFormColour(0, 0, 255);
const QColor kOutsideColour(128, 0, 128);

double Involute(double angle) {
    return std::tan(angle) - angle;
}

struct GearModel {
    double module = 2.0 * kPitchRadius / kTeeth;
    double pitch = kPitchRadius;
    double base = kPitchRadius * std::cos(kPressureAngle);
    double outside = kPitchRadius + module;
    double root = kPitchRadius - 1.25 * module;
    double form = base / std::cos(15.0 * std::numbers::pi / 180.0);
    // Polar angle (counter-clockwise from the right, y up) where the right flank of the top tooth
    // leaves the base circle: the tooth's centre line minus half its thickness angle at the base.
    double flankStart = std::numbers::pi / 2 - (std::numbers::pi / (2 * kTeeth) + Involute(kPressureAngle));

    // Roll angle from the base circle to radius r: the tangent of the pressure angle there.
    double Roll(double r) const { return std::sqrt(r * r / (base * base) - 1.0); }
    // Polar angle of the right flank at radius r.
    double FlankAngle(double r) const { return flankStart + Roll(r) - std::atan(Roll(r)); }
};

const GearModel kGear;

QPointF Polar(double radius, double angle) {
    return kCentre + QPointF(radius * std::cos(angle), -radius * std::sin(angle));
}

// A flank point mirrored about the vertical centre line gives the left flank.
QPointF Mirrored(const QPointF& point) {
    return QPointF(2 * kCentre.x() - point.x(), point.y());
}

QPainterPath ToothOutline() {
    constexpr int kSteps = 24;
    QList<QPointF> rightFlank;
    rightFlank.append(Polar(kGear.root, kGear.flankStart));
    for (int step = 0; step <= kSteps; ++step) {
        const double r = kGear.base + (kGear.outside - kGear.base) * step / kSteps;
        rightFlank.append(Polar(r, kGear.FlankAngle(r)));
    }
    QPainterPath path(Mirrored(rightFlank.front()));
    for (const QPointF& point : rightFlank) {
        path.lineTo(Mirrored(point));
    }
    const double tipHalfAngle = std::numbers::pi / 2 - kGear.FlankAngle(kGear.outside);
    const QRectF outsideCircle(kCentre.x() - kGear.outside, kCentre.y() - kGear.outside, 2 * kGear.outside,
                               2 * kGear.outside);
    path.arcTo(outsideCircle, 90.0 + tipHalfAngle * 180.0 / std::numbers::pi,
               -2.0 * tipHalfAngle * 180.0 / std::numbers::pi);
    for (auto point = rightFlank.crbegin(); point != rightFlank.crend(); ++point) {
        path.lineTo(*point);
    }
    return path;
}

void DrawCircle(QPainter& painter, double radius) {
    painter.drawEllipse(kCentre, radius, radius);
}

// An arc at the centre from angle `from` to `to` (radians, counter-clockwise).
void DrawAngleArc(QPainter& painter, double radius, double from, double to) {
    const QRectF box(kCentre.x() - radius, kCentre.y() - radius, 2 * radius, 2 * radius);
    constexpr double kDegrees = 180.0 / std::numbers::pi;
    painter.drawArc(box, static_cast<int>(std::lround(from * kDegrees * 16)),
                    static_cast<int>(std::lround((to - from) * kDegrees * 16)));
}

void DrawLeader(QPainter& painter, const QPointF& from, const QPointF& to) {
    painter.drawLine(from, to);
    const QLineF shaft(to, from);
    constexpr double kArrowLength = 7.0;
    constexpr double kArrowSpread = 20.0;
    QLineF wing1 = shaft;
    wing1.setLength(kArrowLength);
    wing1.setAngle(shaft.angle() + kArrowSpread);
    QLineF wing2 = shaft;
    wing2.setLength(kArrowLength);
    wing2.setAngle(shaft.angle() - kArrowSpread);
    painter.drawPolygon(QPolygonF({to, wing1.p2(), wing2.p2()}));
}

struct Caption {
    QRectF box;
    QString text;
    QColor colour;
    QPointF leaderStart;
    QPointF leaderEnd;
};

void DrawCaption(QPainter& painter, const Caption& caption) {
    painter.setPen(caption.colour);
    painter.setBrush(caption.colour);
    painter.drawText(caption.box, Qt::AlignLeft | Qt::AlignVCenter, caption.text);
    DrawLeader(painter, caption.leaderStart, caption.leaderEnd);
}

void DrawCentreLines(QPainter& painter) {
    QPen pen(Qt::darkGray, 1, Qt::DashDotLine);
    painter.setPen(pen);
    const double reach = kGear.outside + 15.0;
    painter.drawLine(kCentre - QPointF(reach, 0), kCentre + QPointF(reach, 0));
    painter.drawLine(kCentre - QPointF(0, reach), kCentre + QPointF(0, reach));
}

void DrawConstruction(QPainter& painter, double rollOutside, double rollForm, double rollPitch) {
    const double start = kGear.flankStart;
    const double pitchPoint = kGear.FlankAngle(kGear.pitch);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(kCentre, Polar(kGear.base, start));
    painter.drawLine(kCentre, Polar(kGear.pitch, pitchPoint));
    painter.setPen(QPen(Qt::gray, 1, Qt::DashLine));
    painter.drawLine(kCentre, Polar(kGear.base, start + rollPitch));
    painter.drawLine(Polar(kGear.base, start + rollPitch), Polar(kGear.pitch, pitchPoint));
    painter.setPen(QPen(kOutsideColour, 1));
    painter.drawLine(kCentre, Polar(kGear.base, start + rollOutside));
    painter.drawLine(Polar(kGear.base, start + rollOutside),
                     Polar(kGear.outside, kGear.FlankAngle(kGear.outside)));
    painter.setPen(QPen(kFormColour, 1));
    painter.drawLine(kCentre, Polar(kGear.base, start + rollForm));
    painter.drawLine(Polar(kGear.base, start + rollForm), Polar(kGear.form, kGear.FlankAngle(kGear.form)));
}

void DrawAngleArcs(QPainter& painter, double rollOutside, double rollForm, double rollPitch) {
    const double start = kGear.flankStart;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kOutsideColour, 1.5));
    DrawAngleArc(painter, 40.0, start, start + rollOutside);
    painter.setPen(QPen(kFormColour, 1.5));
    DrawAngleArc(painter, 58.0, start, start + rollForm);
    painter.setPen(QPen(Qt::black, 1.5));
    DrawAngleArc(painter, 28.0, kGear.FlankAngle(kGear.pitch), start + rollPitch);
    DrawAngleArc(painter, 90.0, start, kGear.FlankAngle(kGear.pitch));
}

} // namespace

void RenderDiagramPicture(QPainter& painter, const QRectF& target) {
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / kDiagramPictureWidth, target.height() / kDiagramPictureHeight);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0, 0, kDiagramPictureWidth, kDiagramPictureHeight), Qt::white);

    QFont titleFont(QString::fromLatin1(kFormFontFamily));
    titleFont.setPointSizeF(12.0);
    titleFont.setBold(true);
    painter.setFont(titleFont);
    painter.setPen(kTitleColour);
    painter.drawText(QRectF(20, 10, 300, 24), Qt::AlignLeft | Qt::AlignVCenter,
                     "Involute Roll Angle Diagram");

    DrawCentreLines(painter);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    DrawCircle(painter, kGear.outside);
    DrawCircle(painter, kGear.pitch);
    DrawCircle(painter, kGear.base);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawPath(ToothOutline());

    const double rollOutside = kGear.Roll(kGear.outside);
    const double rollForm = kGear.Roll(kGear.form);
    const double rollPitch = kGear.Roll(kGear.pitch);
    DrawConstruction(painter, rollOutside, rollForm, rollPitch);
    DrawAngleArcs(painter, rollOutside, rollForm, rollPitch);

    QFont captionFont(QString::fromLatin1(kFormFontFamily));
    captionFont.setPointSizeF(8.25);
    painter.setFont(captionFont);
    const double inverseMid = (kGear.flankStart + kGear.FlankAngle(kGear.pitch)) / 2;
    const double pressureMid = (kGear.FlankAngle(kGear.pitch) + kGear.flankStart + rollPitch) / 2;
    const Caption captions[] = {
        {QRectF(190, 42, 170, 16), "Inv. Pressure Angle at P.D.", Qt::black, QPointF(290, 58),
         Polar(90.0, inverseMid)},
        {QRectF(450, 50, 116, 16), "Outside Circle", Qt::black, QPointF(452, 62), Polar(kGear.outside, 0.9)},
        {QRectF(480, 88, 120, 16), "Pitch Circle", Qt::black, QPointF(482, 100), Polar(kGear.pitch, 0.6)},
        {QRectF(500, 131, 120, 16), "Base Circle", Qt::black, QPointF(502, 143), Polar(kGear.base, 0.35)},
        {QRectF(20, 112, 180, 16), "Roll Angle to Form Diameter", kFormColour, QPointF(180, 128),
         Polar(58.0, kGear.flankStart + rollForm / 2)},
        {QRectF(20, 150, 190, 16), "Roll Angle to Outside Diameter", kOutsideColour, QPointF(200, 166),
         Polar(40.0, kGear.flankStart + rollOutside * 0.75)},
        {QRectF(505, 202, 160, 16), "Pressure Angle at P.D.", Qt::black, QPointF(503, 212),
         Polar(28.0, pressureMid)},
    };
    for (const Caption& caption : captions) {
        DrawCaption(painter, caption);
    }
    painter.restore();
}

DiagramPicture::DiagramPicture(QWidget* parent) : QWidget(parent) {}

void DiagramPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    RenderDiagramPicture(painter, QRectF(rect()));
}

} // namespace korvanta
