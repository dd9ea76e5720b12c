#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <string>

namespace korvanta {

// Text on a page measured in millimetres. The font is sized in pixels of a hundredth of a millimetre
// and hinting is off, so that its metrics are the same on a screen, a printer and a PDF file, and keep
// their fractions on a screen's coarse pixels; the page therefore breaks alike everywhere.
class PageFont {
public:
    enum class Style { Plain, Bold, Italic };

    explicit PageFont(double points, Style style = Style::Plain);

    double Width(const QString& text) const;
    double Ascent() const;
    double LineHeight() const;
    // The height of the text broken into lines of at most `width`.
    double WrappedHeight(const QString& text, double width) const;

    // The text on its baseline; `x` is its left end, its right end or its middle by `align`.
    void Draw(QPainter& painter, QPointF at, const QString& text, Qt::Alignment align = Qt::AlignLeft) const;
    // The text broken into lines of the rectangle's width, from its top.
    void DrawWrapped(QPainter& painter, const QRectF& box, const QString& text) const;
    // The text on its baseline turned a quarter turn anticlockwise, so that it reads upwards from `at`.
    void DrawUpwards(QPainter& painter, QPointF at, const QString& text) const;

private:
    QFont font_;
};

// The family every page is written in.
inline constexpr char kPageFontFamily[] = "Liberation Sans";

QString FromModel(const std::string& text);

} // namespace korvanta
