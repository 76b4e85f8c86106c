#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include "controls/outlinedtext.h"

namespace {

QImage Draw(OutlinedTextStyle style, const QString& text, int x, int y, int em, QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    DrawOutlinedText(painter, style, text, x, y, em);
    return image;
}

bool Dark(QRgb p) {
    return qRed(p) + qGreen(p) + qBlue(p) < 30;
}

TEST(OutlinedText, ArialNamesResolveToAMetricCompatibleFamily) {
    InstallFontSubstitutes();
    for (auto style : {OutlinedTextStyle::Title, OutlinedTextStyle::Orange}) {
        const QString family = QFontInfo(OutlinedTextFont(style, 20)).family();
        EXPECT_TRUE(family.contains(QStringLiteral("Arial")) || family == QStringLiteral("Liberation Sans") ||
                    family == QStringLiteral("Arimo"))
            << family.toStdString();
    }
    EXPECT_GE(QFontInfo(OutlinedTextFont(OutlinedTextStyle::Title, 16)).weight(), int(QFont::Bold));
}

// The counter of the video pane: "8" at (10, 10), em 72. The glyph's stem lies inside the text box, the
// colours are the blue style's, and nothing is drawn far right of the text or above the glow.
TEST(OutlinedText, BlueCounterFillsTheGlyphAndNothingElse) {
    const QPainterPath path = OutlinedTextPath(OutlinedTextStyle::Blue, QStringLiteral("8"), 10, 10, 72);
    const QRectF box = path.boundingRect();
    EXPECT_NEAR(box.left(), 10 + 12 + 3, 4);  // a sixth of an em before the glyph, plus its side bearing
    EXPECT_GT(box.top(), 10);
    EXPECT_LT(box.bottom(), 10 + 72 + 4);

    const QImage image = Draw(OutlinedTextStyle::Blue, QStringLiteral("8"), 10, 10, 72, QSize(200, 110));
    // Inside the upper bowl's stroke: take the leftmost glyph pixel on the glyph's upper third line.
    const int y = int(box.top() + box.height() / 4);
    QRgb inside = 0;
    for (int x = int(box.left()); x < int(box.right()) && inside == 0; ++x)
        if (path.contains(QPointF(x + 2.5, y + 0.5)) && path.contains(QPointF(x + 0.5, y + 0.5)))
            inside = image.pixel(x + 1, y);
    ASSERT_NE(inside, 0u);
    EXPECT_GT(qBlue(inside), qRed(inside));  // blue fill
    EXPECT_GT(qBlue(inside), 150);
    EXPECT_TRUE(Dark(image.pixel(190, 50)));
    EXPECT_TRUE(Dark(image.pixel(int(box.center().x()), 2)));
}

// The three styles differ in their fill: orange is red-yellow, blue is blue, the title is blue-white.
TEST(OutlinedText, StylesFillWithTheirOwnColours) {
    struct Case {
        OutlinedTextStyle style;
        bool redOverBlue;
    } cases[] = {{OutlinedTextStyle::Orange, true},
                 {OutlinedTextStyle::Blue, false},
                 {OutlinedTextStyle::Title, false}};
    for (const Case& c : cases) {
        const QImage image = Draw(c.style, QStringLiteral("IIII"), 0, 0, 30, QSize(120, 40));
        long red = 0, blue = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                red += qRed(image.pixel(x, y));
                blue += qBlue(image.pixel(x, y));
            }
        EXPECT_GT(red + blue, 120 * 40 * 20) << int(c.style);
        EXPECT_EQ(red > blue, c.redOverBlue) << int(c.style);
    }
}

TEST(OutlinedText, LongTextsAreCutAt127Characters) {
    const QString longText(300, QLatin1Char('W'));
    const QRectF all = OutlinedTextPath(OutlinedTextStyle::Orange, longText, 0, 0, 10).boundingRect();
    const QRectF cut =
        OutlinedTextPath(OutlinedTextStyle::Orange, longText.left(127), 0, 0, 10).boundingRect();
    EXPECT_EQ(all, cut);
}

}  // namespace
