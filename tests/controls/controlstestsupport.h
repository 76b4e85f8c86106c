#pragma once

#include <QImage>
#include <QWidget>

// The widget as it paints itself, over a transparent background, at device pixel ratio 1.
inline QImage Paint(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

inline int Brightness(QRgb p) {
    return qRed(p) + qGreen(p) + qBlue(p);
}
