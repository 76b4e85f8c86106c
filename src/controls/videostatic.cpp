#include "controls/videostatic.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "controls/outlinedtext.h"

namespace {

// The engine's window: it takes no input of its own, so a double click on the video reaches it and is
// passed to the pane.
class VideoWindow : public QWindow {
  public:
    explicit VideoWindow(CVideoStatic& pane) : pane_(pane) {}

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) emit pane_.DoubleClicked();
    }

  private:
    CVideoStatic& pane_;
};

}  // namespace

QString VideoPaneName(VideoPaneSide side) {
    return side == VideoPaneSide::Front ? QStringLiteral("Front video") : QStringLiteral("Rear video");
}

CVideoStatic::CVideoStatic(VideoPaneSide side, QWidget* parent) : QWidget(parent) {
    setAccessibleName(VideoPaneName(side));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CVideoStatic::SetCounterMode(bool on) {
    counterMode_ = on;
    if (container_ != nullptr) container_->setVisible(!on);
    update();
}

void CVideoStatic::SetCounter(int counter) {
    counter_ = counter;
    setAccessibleDescription(QString::number(counter));
    repaint();
}

QWindow* CVideoStatic::VideoWindow() {
    if (videoWindow_ == nullptr) {
        videoWindow_ = new ::VideoWindow(*this);
        container_ = QWidget::createWindowContainer(videoWindow_, this);
        container_->setGeometry(rect());
        container_->setVisible(!counterMode_);
    }
    return videoWindow_;
}

void CVideoStatic::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(5, 5, 5));
    // The count is one line; the line feed that ends it draws nothing.
    if (counterMode_)
        DrawOutlinedText(painter, OutlinedTextStyle::Blue, QString::number(counter_), 10, 10, 72);
}

void CVideoStatic::resizeEvent(QResizeEvent*) {
    if (container_ != nullptr) container_->setGeometry(rect());
}

void CVideoStatic::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit DoubleClicked();
}
