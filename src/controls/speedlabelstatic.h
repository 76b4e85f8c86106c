#pragma once

#include <cstdint>

#include "controls/accessiblevalue.h"
#include "controls/cachedlayer.h"

// The speed at the playback position in orange outlined digits, in km/h or miles per hour. A click (press and
// release inside) switches the unit; the choice lives only as long as the window. With no fix it shows a
// blank dark field.
class CSpeedLabelStatic : public CachedLayerWidget, public AccessibleValueSource {
    Q_OBJECT

  public:
    explicit CSpeedLabelStatic(QWidget* parent = nullptr);

    // Stores the speed and whether it is valid, rebuilds the texts and repaints. Always true.
    bool SetSpeed(std::uint16_t speedKmh, bool valid);

    bool IsKmh() const { return isKmh_; }
    bool IsValid() const { return valid_; }
    // The number as drawn, right-aligned in three characters, and the unit.
    QString SpeedText() const { return speedText_; }
    QString UnitText() const { return unitText_; }
    // What the display shows, as a screen reader reads it ("62 MPH"); empty when blank.
    QString AccessibleValue() const override;

  protected:
    void PaintLayer(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void RebuildTexts();
    void ToggleUnit();

    QString speedText_ = QStringLiteral("  0");
    bool isKmh_ = true;
    bool valid_ = true;
    std::uint16_t speedKmh_ = 0;
    QString unitText_ = QStringLiteral("Km/h");
};
