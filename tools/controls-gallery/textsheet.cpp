#include <QImage>
#include <QPainter>

#include "controls/outlinedtext.h"
#include "gallery.h"
#include "sections.h"

namespace {

QImage Text(OutlinedTextStyle style, const QString& text, QSize size, int x, int y, int em) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(5, 5, 5));
    QPainter painter(&image);
    DrawOutlinedText(painter, style, text, x, y, em);
    return image;
}

}  // namespace

void AddOutlinedTexts(Gallery& gallery) {
    gallery.Section(QStringLiteral("Outlined text: title, speed, counter"));
    gallery.Add(QStringLiteral("title, em 16"),
                Text(OutlinedTextStyle::Title, QStringLiteral("Orvan Player"), QSize(200, 48), 8, 8, 16));
    gallery.Add(QStringLiteral("orange, em 20"),
                Text(OutlinedTextStyle::Orange, QStringLiteral("88 Km/h"), QSize(120, 40), 0, 4, 20));
    gallery.Add(QStringLiteral("blue, em 72"),
                Text(OutlinedTextStyle::Blue, QStringLiteral("1234"), QSize(260, 110), 10, 10, 72));
}
