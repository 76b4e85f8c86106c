#include "controls/speedlabelstatic.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/outlinedtext.h"

CSpeedLabelStatic::CSpeedLabelStatic(QWidget* parent) : CachedLayerWidget(parent) {
    InstallAccessibleValueFactory();
    setAccessibleName(QStringLiteral("Speed"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    RebuildTexts();
}

bool CSpeedLabelStatic::SetSpeed(std::uint16_t speedKmh, bool valid) {
    speedKmh_ = speedKmh;
    valid_ = valid;
    RebuildTexts();
    return true;
}

void CSpeedLabelStatic::RebuildTexts() {
    unitText_ = isKmh_ ? QStringLiteral("Km/h") : QStringLiteral("MPH");
    // Miles per hour with the fraction dropped: 100 km/h is 62 MPH, 5 km/h is 3.
    const unsigned number = isKmh_ ? speedKmh_ : static_cast<unsigned>(speedKmh_ * 621371ull / 1000000ull);
    speedText_ = QStringLiteral("%1").arg(number, 3);
    InvalidateLayer();
    update();
    ValueChanged(this, AccessibleValue());
}

QString CSpeedLabelStatic::AccessibleValue() const {
    return valid_ ? speedText_.trimmed() + QLatin1Char(' ') + unitText_ : QString();
}

void CSpeedLabelStatic::PaintLayer(QPainter& painter) {
    painter.fillRect(rect(), QColor(5, 5, 5));
    if (!valid_) return;
    DrawOutlinedText(painter, OutlinedTextStyle::Orange, speedText_, 0, 10, 20);
    DrawOutlinedText(painter, OutlinedTextStyle::Orange, unitText_, 40, 18, 12);
}

void CSpeedLabelStatic::ToggleUnit() {
    isKmh_ = !isKmh_;
    RebuildTexts();
}

// A click switches the unit when it is released over the display. The second press of a double click also
// switches it, and its release once more: a double click ends on the other unit, as a single click does.
void CSpeedLabelStatic::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void CSpeedLabelStatic::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) ToggleUnit();
    event->accept();
}

void CSpeedLabelStatic::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) ToggleUnit();
    CachedLayerWidget::mouseDoubleClickEvent(event);
}
