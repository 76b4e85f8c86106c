#pragma once

#include <vector>

#include "controls/accessiblevalue.h"
#include "controls/cachedlayer.h"
#include "controls/pictures.h"

// The heading at the playback position as one of eight compass pictures, given in the order N, NW, W, SW,
// S, SE, E, NE. Picture 0 means no heading: the first picture drawn in grey.
class CPngCompassStatic : public CachedLayerWidget, public AccessibleValueSource {
    Q_OBJECT

  public:
    explicit CPngCompassStatic(QWidget* parent = nullptr);

    // Appends the picture of a resource id; false (and nothing kept) when it cannot be loaded.
    bool AddImage(int id);
    // false and no change when n exceeds the number of pictures; else shows picture n.
    bool SetImageIndex(unsigned n);
    // Shows the point nearest to a heading in whole degrees (any integer). Always true.
    bool SetHeading(int degrees);

    unsigned ImageIndex() const { return current_; }
    int ImageCount() const { return static_cast<int>(images_.size()); }
    // The picture a heading selects among count pictures: 1 for north, counter-clockwise on.
    static unsigned PictureForHeading(int degrees, unsigned count);
    // The point shown ("N", "NE" ...); empty without a heading.
    QString AccessibleValue() const override;

  protected:
    void PaintLayer(QPainter& painter) override;

  private:
    std::vector<CGdiPlusBitmapResource> images_;
    unsigned current_ = 0;
};
