#pragma once

#include "controls/cachedlayer.h"
#include "controls/pictures.h"

// A picture with a lit and an unlit state: in colour when lit, in grey otherwise (the GPS lamp). Without a
// picture it shows nothing.
class CPngStatic : public CachedLayerWidget {
  public:
    explicit CPngStatic(QWidget* parent = nullptr);

    // Loads the picture of a resource id; false (and no picture) when it cannot be loaded.
    bool LoadPng(int id);
    void SetLit(bool lit);
    bool IsLit() const { return lit_; }

  protected:
    void PaintLayer(QPainter& painter) override;

  private:
    CGdiPlusBitmapResource image_;
    bool lit_ = false;
};
