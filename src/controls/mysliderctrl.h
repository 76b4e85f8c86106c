#pragma once

#include "controls/skinnedslider.h"

// The volume (0..100): only a sunken groove over the window behind it, red thumb.
class CMySliderControl : public CSkinnedSlider {
    Q_OBJECT

  public:
    explicit CMySliderControl(QWidget* parent = nullptr);

  protected:
    void PaintChannel(QPainter& painter) override;
    bool SetsPositionOnRelease() const override { return false; }
};
