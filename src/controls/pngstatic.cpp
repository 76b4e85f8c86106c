#include "controls/pngstatic.h"

#include <QPainter>

#include "controls/colormatrix.h"

CPngStatic::CPngStatic(QWidget* parent) : CachedLayerWidget(parent) {}

bool CPngStatic::LoadPng(int id) {
    const bool loaded = image_.Load(id);
    InvalidateLayer();
    update();
    return loaded;
}

void CPngStatic::SetLit(bool lit) {
    lit_ = lit;
    InvalidateLayer();
    update();
}

void CPngStatic::PaintLayer(QPainter& painter) {
    if (image_.IsEmpty()) return;
    const QImage picture = image_.Render(size(), devicePixelRatioF());
    painter.drawImage(rect(), lit_ ? picture : GreyImage(picture));
}
