#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "ui/diagram/diagram_picture.h"

namespace korvanta {
namespace {

QImage RenderedPicture(double scale) {
    QImage image(QSize(kDiagramPictureWidth, kDiagramPictureHeight) * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    RenderDiagramPicture(painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    painter.end();
    return image;
}

int CountNear(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) < 40 && std::abs(pixel.green() - colour.green()) < 40 &&
                std::abs(pixel.blue() - colour.blue()) < 40) {
                ++count;
            }
        }
    }
    return count;
}

TEST(DiagramPicture, FillsItsAreaWithAWhiteGround) {
    const QImage image = RenderedPicture(1.0);
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(kDiagramPictureWidth - 1, kDiagramPictureHeight - 1), QColor(Qt::white));
}

TEST(DiagramPicture, DrawsTheTitleInDarkRedAndTheRollAnglesInBlueAndPurple) {
    const QImage image = RenderedPicture(1.0);
    EXPECT_GT(CountNear(image, QColor(128, 0, 0)), 50);
    EXPECT_GT(CountNear(image, QColor(0, 0, 255)), 50);
    EXPECT_GT(CountNear(image, QColor(128, 0, 128)), 50);
}

TEST(DiagramPicture, CirclesCrossTheHorizontalCentreLineRightOfTheCentre) {
    // Outside, pitch and base circles of the model gear cross the centre line at 340 + 134.2, 115, 104.2.
    const QImage image = RenderedPicture(1.0);
    for (int x : {474, 455, 444}) {
        bool dark = false;
        for (int dx = -1; dx <= 1; ++dx) {
            dark = dark || image.pixelColor(x + dx, 230).lightness() < 160;
        }
        EXPECT_TRUE(dark) << x;
    }
    EXPECT_EQ(image.pixelColor(465, 200), QColor(Qt::white));
}

TEST(DiagramPicture, ScalesWithItsTarget) {
    const QImage single = RenderedPicture(1.0);
    const QImage doubled = RenderedPicture(2.0);
    EXPECT_EQ(doubled.pixelColor(1, 1), QColor(Qt::white));
    bool outsideCircleDoubled = false;
    for (int dx = -2; dx <= 2; ++dx) {
        outsideCircleDoubled = outsideCircleDoubled || doubled.pixelColor(948 + dx, 460).lightness() < 160;
    }
    EXPECT_TRUE(outsideCircleDoubled);
    EXPECT_GT(CountNear(doubled, QColor(128, 0, 0)), 3 * CountNear(single, QColor(128, 0, 0)));
}

} // namespace
} // namespace korvanta
