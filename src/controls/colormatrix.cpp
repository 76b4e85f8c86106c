#include "controls/colormatrix.h"

#include <algorithm>

namespace {

template <typename PixelOp>
QImage MapPixels(const QImage& source, PixelOp op) {
    if (source.isNull()) return {};
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) line[x] = op(line[x]);
    }
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(source.devicePixelRatio());
    return image;
}

}  // namespace

QImage GreyImage(const QImage& source) {
    return MapPixels(source, [](QRgb p) {
        // Integer weights 77/151/28 of 256 are 0.3/0.59/0.11 to within 0.002.
        const int grey = (qRed(p) * 77 + qGreen(p) * 151 + qBlue(p) * 28 + 128) >> 8;
        return qRgba(grey, grey, grey, qAlpha(p));
    });
}

QImage BrightImage(const QImage& source) {
    return MapPixels(source, [](QRgb p) {
        // c × 1.05 + 0.05 × 255, in 1/20 steps: (21 c + 255) / 20.
        auto bright = [](int c) { return std::min(255, (21 * c + 255 + 10) / 20); };
        return qRgba(bright(qRed(p)), bright(qGreen(p)), bright(qBlue(p)), qAlpha(p));
    });
}
