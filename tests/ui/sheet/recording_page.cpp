#include "recording_page.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QTextItem>
#include <cmath>

namespace korvanta::testing {

namespace {

class RecordingEngine : public QPaintEngine {
public:
    explicit RecordingEngine(RecordingPage& page) : QPaintEngine(AllFeatures), page_(page) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& changed) override {
        if (changed.state() & DirtyTransform) {
            transform_ = changed.transform();
        }
        if (changed.state() & DirtyPen) {
            pen_ = changed.pen();
        }
    }

    // A text of several scripts (Latin and Greek) comes in one item per script, on one baseline: they
    // are kept as the one text they were drawn as.
    void drawTextItem(const QPointF& at, const QTextItem& item) override {
        const QPointF mapped = transform_.map(at);
        if (!page_.texts.empty() && continuing_ && std::abs(page_.texts.back().at.y() - mapped.y()) < 1e-6 &&
            mapped.x() > page_.texts.back().at.x()) {
            page_.texts.back().text += item.text();
        } else {
            page_.texts.push_back({item.text(), mapped});
        }
        continuing_ = true;
    }
    void drawLines(const QLineF* lines, int count) override {
        continuing_ = false;
        for (int i = 0; i < count; ++i) {
            page_.lines.push_back({transform_.map(lines[i]), pen_});
        }
    }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        const int last = mode == PolylineMode ? count - 1 : count;
        for (int i = 0; i < last; ++i) {
            page_.lines.push_back({transform_.map(QLineF(points[i], points[(i + 1) % count])), pen_});
        }
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            const QPolygonF corners(rects[i]);
            drawPolygon(corners.constData(), 4, OddEvenMode);
        }
    }
    void drawPath(const QPainterPath&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

private:
    RecordingPage& page_;
    QTransform transform_;
    QPen pen_;
    bool continuing_ = false;
};

} // namespace

RecordingPage::RecordingPage() : engine_(std::make_unique<RecordingEngine>(*this)) {}

RecordingPage::~RecordingPage() = default;

QPaintEngine* RecordingPage::paintEngine() const {
    return engine_.get();
}

// A page of 1200 dots per inch, as the PDF files are written.
int RecordingPage::metric(PaintDeviceMetric metric) const {
    constexpr int kDotsPerInch = 1200;
    switch (metric) {
    case PdmWidth:
    case PdmHeight:
        return 20000;
    case PdmWidthMM:
    case PdmHeightMM:
        return 20000 * 254 / (10 * kDotsPerInch);
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return kDotsPerInch;
    case PdmDepth:
        return 32;
    case PdmNumColors:
        return 0x7fffffff;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    default:
        return 0;
    }
}

QString RecordingPage::AllText() const {
    QStringList all;
    for (const DrawnText& text : texts) {
        all << text.text;
    }
    return all.join(QLatin1Char(' '));
}

const DrawnText* RecordingPage::Find(const QString& part) const {
    for (const DrawnText& text : texts) {
        if (text.text.contains(part)) {
            return &text;
        }
    }
    return nullptr;
}

} // namespace korvanta::testing
