#pragma once

#include "controls/cachedlayer.h"
#include "controls/videostatic.h"

// The pane behind a video pane while nothing plays: the product logo (1) or black (any other value).
class CVideoStaticBg : public CachedLayerWidget {
    Q_OBJECT

  public:
    explicit CVideoStaticBg(VideoPaneSide side, QWidget* parent = nullptr);

    void SetBgImage(int image);
    int GetBgImage() const { return bgImage_; }

  signals:
    void DoubleClicked();

  protected:
    void PaintLayer(QPainter& painter) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    int bgImage_ = 1;
};
