#include <gtest/gtest.h>

#include "controls/pngstatic.h"
#include "controlstestsupport.h"

namespace {

// The GPS lamp: colour when lit, grey when not; the picture is drawn again only when that changes.
TEST(PngStatic, LampIsGreenWhenLitGreyWhenNotAndRepaintsFromItsLayer) {
    CPngStatic lamp;
    lamp.resize(29, 26);
    ASSERT_TRUE(lamp.LoadPng(150));
    EXPECT_FALSE(lamp.IsLit());
    auto greenPixels = [&lamp] {
        const QImage image = Paint(lamp);
        int green = 0, opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                opaque += qAlpha(p) > 200;
                green += qGreen(p) > qRed(p) + 40 && qGreen(p) > qBlue(p) + 20;
            }
        EXPECT_GT(opaque, 100);
        return green;
    };
    EXPECT_EQ(greenPixels(), 0);
    lamp.SetLit(true);
    EXPECT_GT(greenPixels(), 100);
    const int builds = lamp.LayerBuilds();
    Paint(lamp);
    EXPECT_EQ(lamp.LayerBuilds(), builds);
    lamp.SetLit(false);
    EXPECT_EQ(greenPixels(), 0);
    EXPECT_EQ(lamp.LayerBuilds(), builds + 1);
}

TEST(PngStatic, WithoutAPictureItShowsNothing) {
    CPngStatic blank;
    blank.resize(20, 20);
    EXPECT_FALSE(blank.LoadPng(0));
    blank.SetLit(true);
    const QImage image = Paint(blank);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) ASSERT_EQ(qAlpha(image.pixel(x, y)), 0);
}

}  // namespace
