// A hovered picture button repaints from its cached renderings: target ≤ 0.2 ms for the whole repaint
// (event, paint, copy to the window's backing store).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEnterEvent>
#include <QWidget>
#include <QWindow>

#include "controls/gdipbutton.h"

namespace {

// Counts the paints, so the figure is known to include one per iteration.
class PaintCounter : public QObject {
  public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

void BM_ButtonHoverRepaint(benchmark::State& state) {
    QWidget window;
    window.resize(200, 120);
    auto* button = new CGdipButton(&window);
    button->setGeometry(10, 10, 48, 48);
    button->LoadStdImage(129);
    button->LoadAltImage(132);
    window.show();
    // Until the window is exposed, repaint() paints nothing.
    for (int i = 0; i < 1000 && !(window.windowHandle() && window.windowHandle()->isExposed()); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    button->repaint();  // the renderings are made here, once
    PaintCounter counter;
    button->installEventFilter(&counter);
    bool inside = false;
    for (auto _ : state) {
        inside = !inside;
        if (inside) {
            QEnterEvent enter(QPointF(5, 5), QPointF(15, 15), QPointF(15, 15));
            QApplication::sendEvent(button, &enter);
        } else {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(button, &leave);
        }
        button->repaint();
    }
    state.counters["paints/iteration"] = double(counter.paints) / double(state.iterations());
}
BENCHMARK(BM_ButtonHoverRepaint)->Unit(benchmark::kMicrosecond);

// The one-time cost the cache saves: the seven renderings of a 48 x 48 button with an alternate picture.
void BM_ButtonRenderings(benchmark::State& state) {
    for (auto _ : state) {
        CGdipButton button;
        button.resize(48, 48);
        button.LoadStdImage(129);
        button.LoadAltImage(132);
        benchmark::DoNotOptimize(button.RenderingPixmap(CGdipButton::StdNormal));
    }
}
BENCHMARK(BM_ButtonRenderings)->Unit(benchmark::kMicrosecond);

}  // namespace
