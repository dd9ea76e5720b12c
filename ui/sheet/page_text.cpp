#include "ui/sheet/page_text.h"

#include <QFontMetricsF>
#include <cmath>

namespace korvanta {

namespace {

constexpr double kUnitsPerMillimetre = 100.0;
constexpr double kMillimetresPerPoint = 25.4 / 72.0;
constexpr int kWrapFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

} // namespace

PageFont::PageFont(double points, Style style) : font_(QString::fromLatin1(kPageFontFamily)) {
    font_.setPixelSize(static_cast<int>(std::lround(points * kMillimetresPerPoint * kUnitsPerMillimetre)));
    font_.setHintingPreference(QFont::PreferNoHinting);
    font_.setBold(style == Style::Bold);
    font_.setItalic(style == Style::Italic);
}

double PageFont::Width(const QString& text) const {
    return QFontMetricsF(font_).horizontalAdvance(text) / kUnitsPerMillimetre;
}

double PageFont::Ascent() const {
    return QFontMetricsF(font_).ascent() / kUnitsPerMillimetre;
}

double PageFont::LineHeight() const {
    return QFontMetricsF(font_).lineSpacing() / kUnitsPerMillimetre;
}

double PageFont::WrappedHeight(const QString& text, double width) const {
    const QRectF box(0.0, 0.0, width * kUnitsPerMillimetre, 1e9);
    return QFontMetricsF(font_).boundingRect(box, kWrapFlags, text).height() / kUnitsPerMillimetre;
}

void PageFont::Draw(QPainter& painter, QPointF at, const QString& text, Qt::Alignment align) const {
    double left = at.x();
    if (align & Qt::AlignRight) {
        left -= Width(text);
    } else if (align & Qt::AlignHCenter) {
        left -= Width(text) / 2.0;
    }
    painter.save();
    painter.translate(left, at.y());
    painter.scale(1.0 / kUnitsPerMillimetre, 1.0 / kUnitsPerMillimetre);
    painter.setFont(font_);
    painter.drawText(QPointF(0.0, 0.0), text);
    painter.restore();
}

void PageFont::DrawWrapped(QPainter& painter, const QRectF& box, const QString& text) const {
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(1.0 / kUnitsPerMillimetre, 1.0 / kUnitsPerMillimetre);
    painter.setFont(font_);
    painter.drawText(QRectF(0.0, 0.0, box.width() * kUnitsPerMillimetre, box.height() * kUnitsPerMillimetre),
                     kWrapFlags, text);
    painter.restore();
}

void PageFont::DrawUpwards(QPainter& painter, QPointF at, const QString& text) const {
    painter.save();
    painter.translate(at);
    painter.rotate(-90.0);
    Draw(painter, QPointF(0.0, 0.0), text);
    painter.restore();
}

QString FromModel(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace korvanta
