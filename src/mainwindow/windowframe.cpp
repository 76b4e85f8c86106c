#include "mainwindow/windowframe.h"

#include <QColor>
#include <QPainter>
#include <QPen>

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
    if (!fullPane) DrawOutlinedText(painter, OutlinedTextStyle::Title, title, 8, 8, kTitleSize);
}
