#include <gtest/gtest.h>

#include <QSvgRenderer>

#include "controls/colormatrix.h"
#include "controls/pictures.h"

namespace {

int OpaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

TEST(Pictures, EveryIdRendersItsOwnDrawingAtItsSize) {
    ASSERT_GE(PictureTable().size(), 40u);
    for (const PictureEntry& entry : PictureTable()) {
        SCOPED_TRACE(entry.id);
        const QSvgRenderer file(QStringLiteral(":/orvan/pictures/") + QLatin1String(entry.file));
        ASSERT_TRUE(file.isValid());
        EXPECT_EQ(file.defaultSize(), QSize(entry.width, entry.height));

        const QImage image = RenderPicture(entry.id, 2.0);
        EXPECT_EQ(image.size(), QSize(entry.width * 2, entry.height * 2));
        EXPECT_EQ(image.devicePixelRatio(), 2.0);
        EXPECT_GT(OpaquePixels(image), image.width() * image.height() / 10);
    }
}

TEST(Pictures, CompassPointsAndButtonIdsAreTheOnesTheWindowUses) {
    for (int id : {129, 132, 133, 136, 137, 138, 139,  140, 141, 142, 143, 176, 145, 146, 147, 148,
                   151, 152, 153, 154, 156, 155, 1045, 187, 188, 150, 158, 161, 189, 196, 197, 128})
        EXPECT_NE(FindPicture(id), nullptr) << id;
    const char* points[] = {"n", "nw", "w", "sw", "s", "se", "e", "ne"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(QString::fromLatin1(FindPicture(167 + i)->file),
                  QStringLiteral("compass-%1.svg").arg(points[i]));
}

TEST(Pictures, UnknownIdsAndEmptySizesGiveNothing) {
    EXPECT_EQ(FindPicture(130), nullptr);
    EXPECT_TRUE(RenderPicture(130).isNull());
    EXPECT_TRUE(RenderPicture(129, QSize(0, 10)).isNull());
    CGdiPlusBitmapResource picture;
    EXPECT_TRUE(picture.Load(129));
    EXPECT_EQ(picture.Size(), QSize(48, 48));
    EXPECT_FALSE(picture.Load(130));
    EXPECT_TRUE(picture.IsEmpty());
    EXPECT_TRUE(picture.Render(QSize(10, 10)).isNull());
}

TEST(ColorMatrix, GreyAndBrightOnStraightColour) {
    struct Case {
        QRgb in, grey, bright;
    } cases[] = {
        {qRgba(255, 0, 0, 255), qRgba(77, 77, 77, 255), qRgba(255, 13, 13, 255)},
        {qRgba(0, 255, 0, 255), qRgba(150, 150, 150, 255), qRgba(13, 255, 13, 255)},
        {qRgba(0, 0, 255, 128), qRgba(28, 28, 28, 128), qRgba(13, 13, 255, 128)},
        {qRgba(100, 200, 240, 255), qRgba(175, 175, 175, 255), qRgba(118, 223, 255, 255)},
    };
    for (const Case& c : cases) {
        QImage image(1, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, c.in);
        image.setDevicePixelRatio(2);
        const QImage grey = GreyImage(image).convertToFormat(QImage::Format_ARGB32);
        const QImage bright = BrightImage(image).convertToFormat(QImage::Format_ARGB32);
        EXPECT_NEAR(qRed(grey.pixel(0, 0)), qRed(c.grey), 1) << std::hex << c.in;
        EXPECT_EQ(qAlpha(grey.pixel(0, 0)), qAlpha(c.grey));
        const QRgb b = bright.pixel(0, 0);
        EXPECT_NEAR(qRed(b), qRed(c.bright), 1) << std::hex << c.in;
        EXPECT_NEAR(qGreen(b), qGreen(c.bright), 1) << std::hex << c.in;
        EXPECT_NEAR(qBlue(b), qBlue(c.bright), 1) << std::hex << c.in;
        EXPECT_EQ(grey.devicePixelRatio(), 2);
    }
}

}  // namespace
