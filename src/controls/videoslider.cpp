#include "controls/videoslider.h"

#include <QPainter>

CVideoSlider::CVideoSlider(QWidget* parent)
    : CSkinnedSlider(QColor(100, 250, 100), QColor(240, 0, 180), parent) {
    setRange(0, 1000);
    setAccessibleName(QStringLiteral("Position"));
}

void CVideoSlider::PaintChannel(QPainter& painter) {
    painter.fillRect(rect(), Qt::black);
    DrawSunkenEdge(painter, rect());
    // The played part of the groove, in the skin's blue, so the position reads at a glance.
    const QRect channel = ChannelRect();
    painter.fillRect(channel, QColor(34, 40, 48));
    painter.fillRect(QRect(channel.topLeft(), QPoint(ThumbRect().center().x(), channel.bottom())),
                     QColor(26, 111, 214));
}
