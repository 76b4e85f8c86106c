#pragma once

#include <QColor>
#include <QRect>
#include <QSlider>

// A horizontal slider drawn by the skin: a channel, an elliptical thumb in a normal and a pressed colour, and
// a click anywhere on it moving the thumb straight under the pointer (not a page step). While the mouse drags
// the thumb, every move and the release are reported by Dragged(); the window reads value() then.
// Keyboard steps stay QAbstractSlider's (actionTriggered).
class CSkinnedSlider : public QSlider {
    Q_OBJECT

  public:
    CSkinnedSlider(QColor normalThumb, QColor pressedThumb, QWidget* parent = nullptr);

    bool IsDragging() const { return dragging_; }
    // Where the thumb runs, in widget coordinates.
    QRect ChannelRect() const;
    QRect ThumbRect() const;
    // The position under x: range × (x − channel left) ÷ channel width, in integers, from the minimum,
    // clamped into the range; the current value when the channel has no width.
    int PositionAt(int x) const;

  signals:
    void Dragged();

  protected:
    // The channel as each slider shows it; the thumb is drawn over it.
    virtual void PaintChannel(QPainter& painter) = 0;
    // A sunken edge: dark above and left, light below and right.
    static void DrawSunkenEdge(QPainter& painter, const QRect& rect);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The position slider moves to the release point too; the volume slider keeps the last drag position.
    virtual bool SetsPositionOnRelease() const = 0;

  private:
    int ThumbWidth() const;

    QColor normalThumb_;
    QColor pressedThumb_;
    bool dragging_ = false;
};
