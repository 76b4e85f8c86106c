#pragma once

#include "controls/skinnedslider.h"

// The playback position (0..1000 over the front recording): black channel, green thumb, magenta while held.
class CVideoSlider : public CSkinnedSlider {
    Q_OBJECT

  public:
    explicit CVideoSlider(QWidget* parent = nullptr);

  protected:
    void PaintChannel(QPainter& painter) override;
    bool SetsPositionOnRelease() const override { return true; }
};
