#pragma once

#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <memory>
#include <vector>

namespace korvanta::testing {

// What was drawn on a page, in the page's own coordinates (millimetres): each text where its baseline
// starts, and each straight line with its pen.
struct DrawnText {
    QString text;
    QPointF at;
};
struct DrawnLine {
    QLineF line;
    QPen pen;
};

// A paint device that keeps what is drawn on it instead of making pixels.
class RecordingPage : public QPaintDevice {
public:
    RecordingPage();
    ~RecordingPage() override;

    QPaintEngine* paintEngine() const override;

    std::vector<DrawnText> texts;
    std::vector<DrawnLine> lines;

    // The texts joined with spaces, in the order drawn.
    QString AllText() const;
    // The first text that contains `part`, or nullptr.
    const DrawnText* Find(const QString& part) const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    std::unique_ptr<QPaintEngine> engine_;
};

} // namespace korvanta::testing
