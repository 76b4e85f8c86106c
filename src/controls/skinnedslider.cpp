#include "controls/skinnedslider.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

CSkinnedSlider::CSkinnedSlider(QColor normalThumb, QColor pressedThumb, QWidget* parent)
    : QSlider(Qt::Horizontal, parent), normalThumb_(normalThumb), pressedThumb_(pressedThumb) {
    setTickPosition(QSlider::NoTicks);
    setFocusPolicy(Qt::StrongFocus);
}

int CSkinnedSlider::ThumbWidth() const {
    return std::clamp(height() / 2, 6, 11);
}

QRect CSkinnedSlider::ChannelRect() const {
    const int inset = ThumbWidth() / 2 + 3;
    const int mid = height() / 2;
    return QRect(QPoint(inset, mid - 2), QPoint(width() - 1 - inset, mid + 1));
}

QRect CSkinnedSlider::ThumbRect() const {
    const QRect channel = ChannelRect();
    const int span = maximum() - minimum();
    const int offset = span <= 0 ? 0 : int(qint64(value() - minimum()) * channel.width() / span);
    const int thumbWidth = ThumbWidth();
    const int thumbHeight = std::max(6, height() - 4);
    return QRect(channel.left() + offset - thumbWidth / 2, (height() - thumbHeight) / 2, thumbWidth,
                 thumbHeight);
}

int CSkinnedSlider::PositionAt(int x) const {
    const QRect channel = ChannelRect();
    const int channelWidth = channel.right() + 1 - channel.left();
    if (channelWidth <= 0) return value();
    const qint64 pos = minimum() + qint64(maximum() - minimum()) * (x - channel.left()) / channelWidth;
    return int(std::clamp<qint64>(pos, minimum(), maximum()));
}

void CSkinnedSlider::DrawSunkenEdge(QPainter& painter, const QRect& rect) {
    painter.setPen(QColor(0, 0, 0));
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(QColor(70, 78, 88));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

void CSkinnedSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintChannel(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(isSliderDown() ? pressedThumb_ : normalThumb_);
    painter.drawEllipse(QRectF(ThumbRect()));
    if (hasFocus()) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(92, 196, 255, 160), 1));
        painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

void CSkinnedSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    // Qt grabs the mouse for the widget that took the press until the release.
    setValue(PositionAt(event->position().toPoint().x()));
    dragging_ = true;
    setSliderDown(true);
    event->accept();
}

void CSkinnedSlider::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) {
        event->ignore();
        return;
    }
    setValue(PositionAt(event->position().toPoint().x()));
    emit Dragged();
}

void CSkinnedSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    if (SetsPositionOnRelease()) setValue(PositionAt(event->position().toPoint().x()));
    dragging_ = false;
    setSliderDown(false);
    emit Dragged();
}
