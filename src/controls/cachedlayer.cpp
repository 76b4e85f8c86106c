#include "controls/cachedlayer.h"

#include <QPainter>
#include <cmath>

void CachedLayerWidget::paintEvent(QPaintEvent*) {
    const qreal dpr = devicePixelRatioF();
    const QSize pixels(int(std::ceil(width() * dpr)), int(std::ceil(height() * dpr)));
    if (!layerValid_ || layer_.size() != pixels || layer_.devicePixelRatio() != dpr) {
        layer_ = QPixmap(pixels);
        layer_.setDevicePixelRatio(dpr);
        layer_.fill(Qt::transparent);
        if (!pixels.isEmpty()) {
            QPainter layerPainter(&layer_);
            PaintLayer(layerPainter);
        }
        layerValid_ = true;
        ++layerBuilds_;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, layer_);
    PaintOverlay(painter);
}
