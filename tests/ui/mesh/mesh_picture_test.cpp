#include <QDir>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "mesh/mesh_pairs.h"
#include "support/window_test.h"
#include "ui/mesh/mesh_render.h"

namespace korvanta::testing {
namespace {

const QSize kPictureSize(900, 700);

QImage Rendered(const MeshPicture& picture, const MeshView& view, QSize size = kPictureSize,
                double painterScale = 1.0) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.scale(painterScale, painterScale);
    RenderMeshPicture(painter, QRectF(QPointF(0, 0), QSizeF(size) / painterScale), picture, view);
    painter.end();
    return image;
}

int CountNear(const QImage& image, const QColor& colour, int tolerance = 30) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (std::abs(pixel.red() - colour.red()) < tolerance &&
                std::abs(pixel.green() - colour.green()) < tolerance &&
                std::abs(pixel.blue() - colour.blue()) < tolerance) {
                ++count;
            }
        }
    }
    return count;
}

// The pixels of two pictures of the same size that differ more than the antialiasing of a text may.
int DifferingPixels(const QImage& a, const QImage& b) {
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            if (std::abs(p.red() - q.red()) > 64 || std::abs(p.green() - q.green()) > 64 ||
                std::abs(p.blue() - q.blue()) > 64) {
                ++differing;
            }
        }
    }
    return differing;
}

struct PictureCase {
    const char* name;
    bool external;
    FieldTexts texts;
};

void PrintTo(const PictureCase& pair, std::ostream* stream) {
    *stream << pair.name;
}

class MeshPictureReference : public WindowTest, public ::testing::WithParamInterface<PictureCase> {};

// The picture of the pair at its start, contact zone in view, against the one looked at and kept with
// the tests. KORVANTA_UPDATE_REFERENCES=1 writes the pictures anew in place of comparing them.
TEST_P(MeshPictureReference, LooksAsTheReference) {
    const PairSolution solution = SolvedPair(GetParam().external, GetParam().texts);
    ASSERT_TRUE(solution.Complete());
    const MeshPicture picture = MeshOf(solution, 0.0);
    const QImage image = Rendered(picture, ContactZoneView(picture));
    const QString reference =
        QStringLiteral(KORVANTA_MESH_REFERENCES "/") + QString::fromLatin1(GetParam().name) + ".png";
    if (qEnvironmentVariableIsSet("KORVANTA_UPDATE_REFERENCES")) {
        ASSERT_TRUE(image.save(reference));
        GTEST_SKIP() << "written " << reference.toStdString();
    }
    const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(expected.size(), image.size()) << reference.toStdString();
    const int differing = DifferingPixels(image, expected);
    if (differing > image.width() * image.height() / 500) {
        const QString actual = QDir::temp().filePath(QString::fromLatin1(GetParam().name) + "-actual.png");
        image.save(actual);
        ADD_FAILURE() << differing << " pixels differ from " << reference.toStdString() << "; see "
                      << actual.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Pairs, MeshPictureReference,
                         ::testing::Values(PictureCase{"external_spur", true, kExternalSpurPair},
                                           PictureCase{"external_helical", true, kHelicalPair},
                                           PictureCase{"internal_spur", false, kInternalSpurPair}),
                         [](const ::testing::TestParamInfo<PictureCase>& pair) {
                             return std::string(pair.param.name);
                         });

class MeshPictureTest : public WindowTest {};

// The warning colour of the picture.
const QColor kTrouble(215, 0, 0);

TEST_F(MeshPictureTest, TheInterferenceOfTheInternalPairIsDrawnInTheWarningColour) {
    const MeshPicture internal = MeshOf(SolvedPair(false, kInternalSpurPair), 0.0);
    ASSERT_FALSE(internal.troubles.empty());
    EXPECT_GT(CountNear(Rendered(internal, ContactZoneView(internal)), kTrouble), 200);
    const MeshPicture external = MeshOf(SolvedPair(true, kExternalSpurPair), 0.0);
    EXPECT_TRUE(external.troubles.empty());
    EXPECT_EQ(CountNear(Rendered(external, ContactZoneView(external)), kTrouble), 0);
}

// Drawn a quarter size by the painter, a line of the picture keeps its full darkness: a pen a quarter
// pixel wide would be drawn as a faint grey.
TEST_F(MeshPictureTest, LinesStayADevicePixelWideWhenThePainterShrinksThePicture) {
    const MeshPicture picture = MeshOf(SolvedPair(true, kExternalSpurPair), 0.0);
    const QImage small = Rendered(picture, WholePairView(picture), QSize(225, 175), 0.25);
    EXPECT_GT(CountNear(small, QColor(70, 70, 70), 25), 20);
}

TEST_F(MeshPictureTest, FillsItsTargetWithWhiteAndDrawsNothingOutsideIt) {
    const MeshPicture picture = MeshOf(SolvedPair(true, kExternalSpurPair), 0.0);
    QImage image(QSize(500, 400), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    RenderMeshPicture(painter, QRectF(100, 100, 300, 200), picture, WholePairView(picture));
    painter.end();
    EXPECT_EQ(image.pixelColor(50, 50), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(450, 350), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(101, 299), QColor(Qt::white));
}

} // namespace
} // namespace korvanta::testing
