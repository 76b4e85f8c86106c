#pragma once

#include <QWidget>

#include "library/views.h"

class QWindow;

enum class VideoPaneSide { Front, Rear };
// The accessible name of a pane: "Front video" or "Rear video".
QString VideoPaneName(VideoPaneSide side);

// A video pane. libvlc draws into its native window (VideoWindow(), a QWindow in a window container that
// fills the pane); under it the pane paints near-black, or, in counter mode, the running count of a folder
// scan in large blue outlined digits. A double click, on the pane or on the video, is reported.
//
// The scan runs inside a blocking loop, so the counter repaints at once rather than waiting for the event
// loop.
class CVideoStatic : public QWidget, public CounterPane {
    Q_OBJECT

  public:
    explicit CVideoStatic(VideoPaneSide side, QWidget* parent = nullptr);

    void SetCounterMode(bool on);
    bool IsCounterMode() const { return counterMode_; }
    void SetCounter(int counter);
    int Counter() const { return counter_; }

    // The window to hand to the video engine; made on first use. Hidden while the counter shows.
    QWindow* VideoWindow();

    void ShowCounter(bool on) override { SetCounterMode(on); }
    void SetCount(int filesSeen) override { SetCounter(filesSeen); }

  signals:
    void DoubleClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    bool counterMode_ = false;
    int counter_ = 0;
    QWindow* videoWindow_ = nullptr;
    QWidget* container_ = nullptr;
};
