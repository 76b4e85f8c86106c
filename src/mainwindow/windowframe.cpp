#include "mainwindow/windowframe.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QPixmap>
#include <QtMath>

#include "controls/outlinedtext.h"

namespace {

const QColor kBackground(5, 5, 5);
const QColor kGripLine(150, 150, 150);

// A rectangle with its corners rounded by an ellipse of 2r × 2r.
QRegion RoundedRect(int width, int height, int r) {
    const int d = 2 * r;
    QRegion region(r, 0, width - d, height);
    region += QRegion(0, r, width, height - d);
    region += QRegion(0, 0, d, d, QRegion::Ellipse);
    region += QRegion(width - d, 0, d, d, QRegion::Ellipse);
    region += QRegion(0, height - d, d, d, QRegion::Ellipse);
    region += QRegion(width - d, height - d, d, d, QRegion::Ellipse);
    return region;
}

}  // namespace

QRegion OutlineRegion(int width, int height, bool fullPane) {
    if (fullPane) return QRegion(0, 0, width, height);
    const QRegion rounded = RoundedRect(width, height, 5);
    // The top-left corner is cut further: what of the 30 × 30 square lies outside the circle inscribed in
    // (0, 0, 60, 60) goes.
    const QRegion corner = (QRegion(0, 0, 30, 30) & rounded) - QRegion(0, 0, 60, 60, QRegion::Ellipse);
    return rounded - corner;
}

void PaintWindowFace(QPainter& painter, int width, int height, bool fullPane, const QString& title) {
    painter.fillRect(0, 0, width, height, kBackground);
    painter.setPen(QPen(kGripLine, 1));
    for (int k : {25, 20, 15, 10}) painter.drawLine(width - k, height, width, height - k);
    if (fullPane) return;
    // The outlined title costs nine strokes and two fills of its path: drawn once per text and pixel ratio,
    // then copied. The window's background is opaque and plain, so the picture carries it.
    static QPixmap cache;
    static QString cachedTitle;
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (cache.isNull() || cachedTitle != title || cache.devicePixelRatio() != dpr) {
        const QRectF bounds =
            OutlinedTextPath(OutlinedTextStyle::Title, title, 8, 8, kTitleSize).boundingRect();
        // Room for the widest glow pen.
        const QSize size(qCeil(bounds.right()) + 8, qCeil(bounds.bottom()) + 8);
        cache = QPixmap(size * dpr);
        cache.setDevicePixelRatio(dpr);
        cache.fill(kBackground);
        QPainter title_painter(&cache);
        DrawOutlinedText(title_painter, OutlinedTextStyle::Title, title, 8, 8, kTitleSize);
        cachedTitle = title;
    }
    painter.drawPixmap(0, 0, cache);
}
