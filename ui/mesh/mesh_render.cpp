#include "ui/mesh/mesh_render.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <string_view>

#include "logic/mesh_texts.h"

namespace korvanta {

namespace {

// Picture pixels per the target's shorter side: lines, marks and texts are sized in them, so that a
// page and a file look as the window does.
constexpr double kPicturePixels = 600.0;

const QColor kBackground(Qt::white);
const QColor kInk(30, 30, 30);
const QColor kTroubleColour(215, 0, 0);
const QColor kContactColour(235, 95, 0);
const QColor kLineOfActionColour(70, 70, 70);
const QColor kPathColour(40, 150, 70);
const QColor kSingleContactColour(0, 90, 40);
const QColor kCentreLineColour(150, 150, 150);
const QColor kLeaderColour(120, 120, 120);

struct MemberColours {
    QColor outline;
    QColor fill;
};

MemberColours ColoursOf(Member member) {
    return member == Member::Pinion ? MemberColours{QColor(25, 70, 150), QColor(208, 223, 244)}
                                    : MemberColours{QColor(135, 85, 20), QColor(240, 225, 198)};
}

struct CircleStyle {
    QColor colour;
    Qt::PenStyle pattern;
};

CircleStyle StyleOf(MeshCircleKind kind) {
    switch (kind) {
    case MeshCircleKind::Base:
        return {QColor(0, 125, 125), Qt::DashDotLine};
    case MeshCircleKind::OperatingPitch:
        return {QColor(0, 0, 0), Qt::DashDotDotLine};
    case MeshCircleKind::Outside:
        return {QColor(110, 110, 110), Qt::SolidLine};
    case MeshCircleKind::SAP:
        return {QColor(175, 0, 175), Qt::DashLine};
    case MeshCircleKind::TIF:
        return {QColor(215, 120, 0), Qt::DotLine};
    }
    return {};
}

constexpr MeshCircleKind kCircleKinds[] = {MeshCircleKind::Base, MeshCircleKind::OperatingPitch,
                                           MeshCircleKind::Outside, MeshCircleKind::SAP, MeshCircleKind::TIF};

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

double Distance(const MeshPoint& a, const MeshPoint& b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

class MeshDrawing {
public:
    MeshDrawing(QPainter& painter, const QRectF& target, const MeshPicture& picture, const MeshView& view)
        : painter_(painter), target_(target), picture_(picture), toTarget_(PlaneToTarget(target, view)),
          pixel_(std::min(target.width(), target.height()) / kPicturePixels) {
        font_ = QFont(QStringLiteral("Liberation Sans"));
        font_.setStyleHint(QFont::SansSerif);
        font_.setPixelSize(std::max(1, static_cast<int>(std::lround(11.0 * pixel_))));
        t1_ = PointNamed("T1").value_or(MeshPoint{});
        t2_ = PointNamed("T2").value_or(MeshPoint{});
    }

    void Draw() {
        painter_.save();
        painter_.setClipRect(target_);
        painter_.fillRect(target_, kBackground);
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setFont(font_);
        DrawCentreLine();
        for (Member member : kMembers) {
            DrawMember(member);
        }
        for (const MeshCircle& circle : picture_.circles) {
            DrawCircle(circle);
        }
        DrawLineOfAction();
        DrawContacts();
        DrawLegend();
        DrawValues();
        DrawNotes();
        painter_.restore();
    }

private:
    QPen Pen(const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine) const {
        QPen pen(colour, std::max(1.0, width * pixel_), style, Qt::RoundCap, Qt::RoundJoin);
        pen.setCosmetic(true);
        return pen;
    }

    QPointF At(const MeshPoint& point) const { return toTarget_.map(QPointF(point.x, point.y)); }

    QPolygonF Polyline(const std::vector<MeshPoint>& points) const {
        QPolygonF line;
        line.reserve(static_cast<qsizetype>(points.size()));
        for (const MeshPoint& point : points) {
            line.append(At(point));
        }
        return line;
    }

    std::optional<MeshPoint> PointNamed(std::string_view name) const {
        for (const LinePoint& point : picture_.linePoints) {
            if (point.name == name) {
                return point.at;
            }
        }
        return std::nullopt;
    }

    double Scale() const { return std::abs(toTarget_.m11()); }

    std::optional<double> RadiusOf(Member member, MeshCircleKind kind) const {
        for (const MeshCircle& circle : picture_.circles) {
            if (circle.member == member && circle.kind == kind) {
                return circle.radius;
            }
        }
        return std::nullopt;
    }

    bool TeethPointInward(Member member) const {
        return picture_.kind == PairKind::Internal && member == Member::Gear;
    }

    // Where the assumed roots reach: the root circle, which the body fills up to.
    std::optional<double> RootRadius(Member member) const {
        std::optional<double> root;
        const MeshPoint centre = picture_.centre[member];
        for (const ToothOutline& tooth : picture_.teeth[member]) {
            for (const auto* points : {&tooth.leadingRoot, &tooth.trailingRoot, &tooth.leadingFlank}) {
                for (const MeshPoint& point : *points) {
                    const double radius = Distance(point, centre);
                    root = !root ? radius
                                 : (TeethPointInward(member) ? std::max(*root, radius)
                                                             : std::min(*root, radius));
                }
            }
        }
        return root;
    }

    void DrawCentreLine() {
        painter_.setPen(Pen(kCentreLineColour, 0.8, Qt::DashDotLine));
        painter_.drawLine(At(picture_.centre.pinion), At(picture_.centre.gear));
        for (Member member : kMembers) {
            const QPointF centre = At(picture_.centre[member]);
            const double arm = 8.0 * pixel_;
            painter_.setPen(Pen(ColoursOf(member).outline, 1.0));
            painter_.drawLine(centre - QPointF(arm, 0), centre + QPointF(arm, 0));
            painter_.drawLine(centre - QPointF(0, arm), centre + QPointF(0, arm));
        }
    }

    // The body under the teeth: a disk to the root circle, or the internal gear's ring beyond it; the
    // roots of the teeth outline it.
    void DrawBody(Member member, double root) {
        const QPointF centre = At(picture_.centre[member]);
        const double scaled = root * Scale();
        QPainterPath body;
        body.setFillRule(Qt::OddEvenFill);
        body.addEllipse(centre, scaled, scaled);
        if (TeethPointInward(member)) {
            const double depth = root - RadiusOf(member, MeshCircleKind::Outside).value_or(root);
            const double rim = (root + std::max(depth, 0.1 * root)) * Scale();
            body.addEllipse(centre, rim, rim);
        }
        const MemberColours colours = ColoursOf(member);
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(colours.fill);
        painter_.drawPath(body);
        painter_.setBrush(Qt::NoBrush);
    }

    void DrawMember(Member member) {
        if (const std::optional<double> root = RootRadius(member)) {
            DrawBody(member, *root);
        }
        const MemberColours colours = ColoursOf(member);
        for (const ToothOutline& tooth : picture_.teeth[member]) {
            QPolygonF outline = Polyline(tooth.leadingRoot);
            outline << Polyline(tooth.leadingFlank) << Polyline(tooth.tip);
            QPolygonF trailing = Polyline(tooth.trailingRoot);
            trailing << Polyline(tooth.trailingFlank);
            std::reverse(trailing.begin(), trailing.end());
            outline << trailing;
            if (!outline.boundingRect().intersects(target_)) {
                continue;
            }
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(colours.fill);
            painter_.drawPolygon(outline);
            painter_.setBrush(Qt::NoBrush);
            painter_.setPen(Pen(colours.outline, 1.6));
            painter_.drawPolyline(Polyline(tooth.leadingFlank));
            painter_.drawPolyline(Polyline(tooth.trailingFlank));
            painter_.drawPolyline(Polyline(tooth.tip));
            painter_.setPen(Pen(colours.outline, 1.0, Qt::DashLine));
            painter_.drawPolyline(Polyline(tooth.leadingRoot));
            painter_.drawPolyline(Polyline(tooth.trailingRoot));
        }
    }

    void DrawCircle(const MeshCircle& circle) {
        const CircleStyle style = StyleOf(circle.kind);
        painter_.setBrush(Qt::NoBrush);
        painter_.setPen(Pen(style.colour, 1.0, style.pattern));
        const double radius = circle.radius * Scale();
        painter_.drawEllipse(At(circle.centre), radius, radius);
    }

    // The unit vector along the line of action on the target, from T1 towards T2.
    QPointF Along() const {
        const QPointF along = At(t2_) - At(t1_);
        const double length = std::hypot(along.x(), along.y());
        return length > 0 ? along / length : QPointF(1, 0);
    }

    // The unit normal of the line of action on the target, to the side the names of its points go: up.
    QPointF LabelSide() const {
        const QPointF along = Along();
        const QPointF normal(along.y(), -along.x());
        return normal.y() > 0 ? -normal : normal;
    }

    void DrawLineOfAction() {
        const std::optional<MeshPoint> a = PointNamed("A");
        const std::optional<MeshPoint> e = PointNamed("E");
        const std::optional<MeshPoint> b = PointNamed("B");
        const std::optional<MeshPoint> d = PointNamed("D");
        // Through every point it names: an internal pair's contact may start beyond T1.
        const auto [first, last] = std::minmax_element(
            picture_.linePoints.begin(), picture_.linePoints.end(),
            [](const LinePoint& one, const LinePoint& other) { return one.fromT1 < other.fromT1; });
        if (first != picture_.linePoints.end()) {
            painter_.setPen(Pen(kLineOfActionColour, 1.2));
            painter_.drawLine(At(first->at), At(last->at));
        }
        if (a && e) {
            painter_.setPen(Pen(kPathColour, 4.0));
            painter_.drawLine(At(*a), At(*e));
        }
        if (b && d) {
            painter_.setPen(Pen(kSingleContactColour, 6.0));
            painter_.drawLine(At(*b), At(*d));
        }
        // A ring round each stretch in trouble keeps the shortest one in sight.
        for (const MeshTrouble& trouble : picture_.troubles) {
            painter_.setPen(Pen(kTroubleColour, 4.5));
            painter_.drawLine(At(trouble.from), At(trouble.to));
            painter_.setPen(Pen(kTroubleColour, 2.0));
            painter_.setBrush(Qt::NoBrush);
            const QPointF middle = (At(trouble.from) + At(trouble.to)) / 2;
            const QPointF half = (At(trouble.to) - At(trouble.from)) / 2;
            const double ring = std::hypot(half.x(), half.y()) + 9.0 * pixel_;
            painter_.drawEllipse(middle, ring, ring);
        }
        for (const LinePoint& point : picture_.linePoints) {
            painter_.setPen(Pen(kInk, 1.2));
            painter_.setBrush(kBackground);
            painter_.drawEllipse(At(point.at), 3.2 * pixel_, 3.2 * pixel_);
        }
        const QPointF side = LabelSide() * (13.0 * pixel_);
        for (const LinePoint& point : picture_.linePoints) {
            PlaceLabel(At(point.at), side, {QString::fromStdString(point.name)}, {kInk}, true);
        }
    }

    void DrawContacts() {
        for (const MeshContact& contact : picture_.contacts) {
            painter_.setPen(Pen(kInk, 1.0));
            painter_.setBrush(kContactColour);
            painter_.drawEllipse(At(contact.at), 5.0 * pixel_, 5.0 * pixel_);
        }
        const QPointF side = -LabelSide() * (34.0 * pixel_);
        for (const MeshContact& contact : picture_.contacts) {
            const PerMember<std::string> texts = RollAngleTexts(contact);
            PlaceLabel(At(contact.at), side,
                       {QString::fromStdString(texts.pinion), QString::fromStdString(texts.gear)},
                       {ColoursOf(Member::Pinion).outline, ColoursOf(Member::Gear).outline}, false);
        }
    }

    // Puts the label of the point at `anchor` where it covers no label put before: `offset` away from
    // the point, else moved along the line by its own width either way, else on the other side. A label
    // away from its point has a leader to it.
    void PlaceLabel(const QPointF& anchor, const QPointF& offset, const QStringList& lines,
                    const QList<QColor>& colours, bool bold) {
        QFont font = font_;
        font.setBold(bold);
        const QFontMetricsF metrics(font);
        double width = 0;
        for (const QString& line : lines) {
            width = std::max(width, metrics.horizontalAdvance(line));
        }
        const double padding = 2.0 * pixel_;
        const QSizeF size(width + 2 * padding,
                          metrics.height() * static_cast<double>(lines.size()) + 2 * padding);
        const QPointF step = Along() * (std::abs(Along().x()) * size.width() +
                                        std::abs(Along().y()) * size.height() + 2.0 * pixel_);
        const auto uncovered = [this](const QRectF& box) {
            return std::none_of(placed_.begin(), placed_.end(),
                                [&box](const QRectF& other) { return other.intersects(box); });
        };
        std::optional<QRectF> chosen;
        for (const QPointF& across : {offset, -offset}) {
            for (int shift : {0, 1, -1, 2, -2}) {
                QRectF box(QPointF(), size);
                box.moveCenter(anchor + across + step * shift);
                if (!chosen && uncovered(box)) {
                    chosen = box;
                }
            }
        }
        QRectF box(QPointF(), size);
        box.moveCenter(anchor + offset);
        box = chosen.value_or(box);
        placed_.push_back(box);
        if (std::hypot(offset.x(), offset.y()) > 20.0 * pixel_ || !box.contains(anchor + offset)) {
            painter_.setPen(Pen(kLeaderColour, 1.0));
            painter_.drawLine(anchor, box.center());
        }
        painter_.setFont(font);
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(QColor(255, 255, 255, 215));
        painter_.drawRoundedRect(box, padding, padding);
        const double lineHeight = metrics.height();
        for (qsizetype line = 0; line < lines.size(); ++line) {
            painter_.setPen(colours.value(line, colours.constLast()));
            painter_.drawText(QRectF(box.left() + padding,
                                     box.top() + padding + lineHeight * static_cast<double>(line), width,
                                     lineHeight),
                              Qt::AlignCenter, lines[line]);
        }
        painter_.setFont(font_);
    }

    struct LegendRow {
        QString caption;
        std::function<void(const QRectF& sample)> sample;
    };

    // A framed box of rows in a top corner of the target, each row's sample (if any) before its caption.
    void DrawBox(const std::vector<LegendRow>& rows, bool right) {
        const QFontMetricsF metrics(font_);
        const double padding = 6.0 * pixel_;
        const double sampleWidth = rows.front().sample ? 30.0 * pixel_ : 0.0;
        const double gap = rows.front().sample ? 6.0 * pixel_ : 0.0;
        const double rowHeight = metrics.height() * 1.2;
        double textWidth = 0;
        for (const LegendRow& row : rows) {
            textWidth = std::max(textWidth, metrics.horizontalAdvance(row.caption));
        }
        const QSizeF size(2 * padding + sampleWidth + gap + textWidth,
                          2 * padding + rowHeight * static_cast<double>(rows.size()));
        const double margin = 8.0 * pixel_;
        const QPointF corner(right ? target_.right() - margin - size.width() : target_.left() + margin,
                             target_.top() + margin);
        const QRectF box(corner, size);
        painter_.setPen(Pen(QColor(160, 160, 160), 1.0));
        painter_.setBrush(QColor(255, 255, 255, 230));
        painter_.drawRect(box);
        for (std::size_t index = 0; index < rows.size(); ++index) {
            const double top = box.top() + padding + rowHeight * static_cast<double>(index);
            if (rows[index].sample) {
                rows[index].sample(QRectF(box.left() + padding, top, sampleWidth, rowHeight));
            }
            painter_.setPen(kInk);
            painter_.drawText(QRectF(box.left() + padding + sampleWidth + gap, top, textWidth, rowHeight),
                              Qt::AlignLeft | Qt::AlignVCenter, rows[index].caption);
        }
    }

    std::function<void(const QRectF&)> LineSample(const QPen& pen) {
        return [this, pen](const QRectF& sample) {
            painter_.setPen(pen);
            painter_.drawLine(QPointF(sample.left(), sample.center().y()),
                              QPointF(sample.right(), sample.center().y()));
        };
    }

    std::function<void(const QRectF&)> MemberSample(Member member) {
        return [this, member](const QRectF& sample) {
            const MemberColours colours = ColoursOf(member);
            painter_.setPen(Pen(colours.outline, 1.6));
            painter_.setBrush(colours.fill);
            painter_.drawRect(sample.adjusted(0, sample.height() * 0.2, 0, -sample.height() * 0.2));
        };
    }

    void DrawLegend() {
        std::vector<LegendRow> rows = {
            {Text(kPinionCaption), MemberSample(Member::Pinion)},
            {Text(kGearCaption), MemberSample(Member::Gear)},
            {Text(kFlankCaption), LineSample(Pen(kInk, 1.6))},
            {Text(kAssumedRootLegend), LineSample(Pen(kInk, 1.0, Qt::DashLine))},
        };
        for (MeshCircleKind kind : kCircleKinds) {
            const CircleStyle style = StyleOf(kind);
            rows.push_back({QString::fromStdString(CircleCaption(kind, picture_.kind)),
                            LineSample(Pen(style.colour, 1.0, style.pattern))});
        }
        rows.push_back({Text(kLineOfActionCaption), LineSample(Pen(kLineOfActionColour, 1.2))});
        rows.push_back({Text(kPathOfContactCaption), LineSample(Pen(kPathColour, 4.0))});
        rows.push_back({Text(kSingleContactCaption), LineSample(Pen(kSingleContactColour, 6.0))});
        if (!picture_.troubles.empty()) {
            rows.push_back({Text(kTroubleCaption), LineSample(Pen(kTroubleColour, 4.5))});
        }
        DrawBox(rows, false);
    }

    void DrawValues() {
        DrawBox({{QString::fromStdString(PathLengthText(picture_.pathLength, picture_.unit)), {}},
                 {QString::fromStdString(ContactRatioText(picture_.contactRatio)), {}}},
                true);
    }

    // The sentences under the drawing, from the bottom up: the assumed root, then each trouble.
    void DrawNotes() {
        std::vector<std::pair<QString, QColor>> notes;
        for (const MeshTrouble& trouble : picture_.troubles) {
            notes.emplace_back(QString::fromStdString(trouble.sentence), kTroubleColour);
        }
        if (!picture_.rootAssumption.empty()) {
            notes.emplace_back(QString::fromStdString(AssumedRootCaption(picture_.rootAssumption)), kInk);
        }
        const double margin = 8.0 * pixel_;
        const double width = target_.width() - 2 * margin;
        double bottom = target_.bottom() - margin;
        const QFontMetricsF metrics(font_);
        for (auto note = notes.rbegin(); note != notes.rend(); ++note) {
            const QRectF needed =
                metrics.boundingRect(QRectF(0, 0, width, target_.height()), Qt::TextWordWrap, note->first);
            const QRectF place(target_.left() + margin, bottom - needed.height(), width, needed.height());
            painter_.setPen(Qt::NoPen);
            painter_.setBrush(QColor(255, 255, 255, 215));
            painter_.drawRect(
                place.adjusted(-2 * pixel_, -pixel_, 2 * pixel_ - width + needed.width(), pixel_));
            painter_.setPen(note->second);
            painter_.drawText(place, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, note->first);
            bottom = place.top() - 3.0 * pixel_;
        }
    }

    QPainter& painter_;
    QRectF target_;
    const MeshPicture& picture_;
    QTransform toTarget_;
    double pixel_;
    QFont font_;
    MeshPoint t1_;
    MeshPoint t2_;
    std::vector<QRectF> placed_; // the labels put so far
};

} // namespace

void RenderMeshPicture(QPainter& painter, const QRectF& target, const MeshPicture& picture,
                       const MeshView& view) {
    MeshDrawing(painter, target, picture, view).Draw();
}

} // namespace korvanta
