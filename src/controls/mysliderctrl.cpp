#include "controls/mysliderctrl.h"

#include <QPainter>

CMySliderControl::CMySliderControl(QWidget* parent)
    : CSkinnedSlider(QColor(255, 0, 0), QColor(170, 0, 0), parent) {
    setRange(0, 100);
    setAccessibleName(QStringLiteral("Volume"));
}

void CMySliderControl::PaintChannel(QPainter& painter) {
    // Nothing behind the groove: the window shows through.
    QRect groove = ChannelRect().adjusted(0, -2, 0, 2);
    if (groove.height() > groove.width()) groove.adjust(-1, 0, 1, 0);
    painter.fillRect(groove.adjusted(1, 1, -1, -1), QColor(18, 21, 25));
    DrawSunkenEdge(painter, groove);
}
