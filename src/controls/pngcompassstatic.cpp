#include "controls/pngcompassstatic.h"

#include <QPainter>

#include "controls/colormatrix.h"

CPngCompassStatic::CPngCompassStatic(QWidget* parent) : CachedLayerWidget(parent) {
    InstallAccessibleValueFactory();
    setAccessibleName(QStringLiteral("Compass"));
}

bool CPngCompassStatic::AddImage(int id) {
    CGdiPlusBitmapResource image;
    if (!image.Load(id)) return false;
    images_.push_back(std::move(image));
    InvalidateLayer();
    update();
    return true;
}

bool CPngCompassStatic::SetImageIndex(unsigned n) {
    if (n > images_.size()) return false;
    current_ = n;
    InvalidateLayer();
    update();
    ValueChanged(this, AccessibleValue());
    return true;
}

unsigned CPngCompassStatic::PictureForHeading(int degrees, unsigned count) {
    if (count == 0) return 0;
    // Counter-clockwise from north, as the pictures are ordered; 22 degrees still counts as north, 23 not.
    const long long h = degrees;
    const long long b = ((360 - h) % 360 + 360) % 360;
    const long long sector = b / 45 + (b % 45 > 22 ? 1 : 0);
    return static_cast<unsigned>(sector % count) + 1;
}

bool CPngCompassStatic::SetHeading(int degrees) {
    SetImageIndex(PictureForHeading(degrees, static_cast<unsigned>(images_.size())));
    return true;
}

QString CPngCompassStatic::AccessibleValue() const {
    static const char* const kPoints[] = {"N", "NW", "W", "SW", "S", "SE", "E", "NE"};
    if (current_ == 0 || current_ > 8) return {};
    return QString::fromLatin1(kPoints[current_ - 1]);
}

void CPngCompassStatic::PaintLayer(QPainter& painter) {
    if (images_.empty() || current_ > images_.size()) return;
    // Rendered at the control's own size rather than scaled down from the pictures' 48 x 48.
    const qreal dpr = devicePixelRatioF();
    const QImage picture = images_[current_ == 0 ? 0 : current_ - 1].Render(size(), dpr);
    painter.drawImage(rect(), current_ == 0 ? GreyImage(picture) : picture);
}
