#include "controls/videostaticbg.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/pictures.h"

CVideoStaticBg::CVideoStaticBg(VideoPaneSide side, QWidget* parent) : CachedLayerWidget(parent) {
    setAccessibleName(VideoPaneName(side));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CVideoStaticBg::SetBgImage(int image) {
    bgImage_ = image;
    InvalidateLayer();
    repaint();
}

void CVideoStaticBg::PaintLayer(QPainter& painter) {
    painter.fillRect(rect(), Qt::black);
    if (bgImage_ != 1) return;
    // The logo sits on black, so fitting it into the pane (rather than stretching it) looks the same at its
    // own proportions and never distorts the lettering.
    const QSize logo = QSize(733, 566).scaled(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - logo.width()) / 2, (height() - logo.height()) / 2), logo);
    painter.drawImage(target, RenderPicture(196, logo, devicePixelRatioF()));
}

void CVideoStaticBg::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit DoubleClicked();
}
