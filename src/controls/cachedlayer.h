#pragma once

#include <QPixmap>
#include <QWidget>

// Base of the custom-painted controls: what is costly to draw goes into a layer that is kept as a pixmap at
// the widget's size and device pixel ratio and drawn again only after InvalidateLayer() or a change of size
// or screen; what changes often (a cursor, a highlight) is painted over it each time by PaintOverlay.
class CachedLayerWidget : public QWidget {
  public:
    using QWidget::QWidget;

    // The layer is drawn again at the next paint. Does not schedule a paint by itself.
    void InvalidateLayer() { layerValid_ = false; }
    // How many times the layer has been drawn (tests and benchmarks check that repaints reuse it).
    int LayerBuilds() const { return layerBuilds_; }

  protected:
    // Draws the layer in logical coordinates over rect(); the pixmap starts transparent.
    virtual void PaintLayer(QPainter& painter) = 0;
    virtual void PaintOverlay(QPainter&) {}

    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap layer_;
    bool layerValid_ = false;
    int layerBuilds_ = 0;
};
