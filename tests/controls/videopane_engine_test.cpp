// The video pane with the real engine on an X display: the picture lands in the pane's own window, the scan
// counter takes its place while a folder is walked, and a double click on the video reaches the pane.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalSpy>
#include <QWindow>
#include <cstdio>
#include <memory>
#include <string>

#include "controls/videostatic.h"
#include "playback/videoplayer.h"
#include "video.h"

namespace {

void Pump(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Pixels far from the colour of the first: a pane of one colour has none.
int VariedPixels(const QImage& image) {
    const QRgb first = image.pixel(0, 0);
    int varied = 0;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4) {
            const QRgb p = image.pixel(x, y);
            varied += std::abs(qRed(p) - qRed(first)) + std::abs(qGreen(p) - qGreen(first)) +
                          std::abs(qBlue(p) - qBlue(first)) >
                      60;
        }
    return varied;
}

// Other tests show windows on the same X display, and a grab shows whatever covers ours: the window is raised
// and grabbed again a few times before a check counts as failed.
template <typename Check>
bool SeenOnTop(QWidget& window, Check check) {
    for (int attempt = 0; attempt < 5; ++attempt) {
        window.raise();
        Pump(150);
        if (check()) return true;
    }
    return false;
}

TEST(VideoPaneEngine, PlaysIntoThePaneAndGivesWayToTheCounter) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) GTEST_SKIP() << "needs an X display";
    QWidget window;
    window.setGeometry(1450, 760, 360, 280);  // away from the other tests' windows
    auto* pane = new CVideoStatic(VideoPaneSide::Front, &window);
    pane->setGeometry(20, 20, 320, 240);
    QWindow* video = pane->VideoWindow();
    window.show();
    Pump(200);

    // Long enough to be still playing while the grabs are retried.
    const std::string clip =
        "/tmp/orvan-controls-pane-" + std::to_string(QCoreApplication::applicationPid()) + ".mp4";
    fixtures::VideoOptions options;
    options.seconds = 8;
    ASSERT_TRUE(fixtures::MakeVideo(clip, options));
    const std::unique_ptr<const char, void (*)(const char*)> removeClip(
        clip.c_str(), [](const char* p) { std::remove(p); });
    VideoPlayer player;
    ASSERT_TRUE(player.IsEngineAvailable());
    player.SetWindow(video->winId());
    player.Open(clip);
    player.Play();
    QElapsedTimer timer;
    timer.start();
    while (player.GetTime() < 400 && timer.elapsed() < 8000) Pump(50);
    ASSERT_GE(player.GetTime(), 400);
    EXPECT_TRUE(SeenOnTop(window, [video] {
        return VariedPixels(video->screen()->grabWindow(video->winId()).toImage()) > 100;
    }));

    QSignalSpy doubleClicks(pane, &CVideoStatic::DoubleClicked);
    QMouseEvent click(QEvent::MouseButtonDblClick, QPointF(50, 50), QPointF(50, 50), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(video, &click);
    EXPECT_EQ(doubleClicks.count(), 1);
    player.Stop();

    pane->SetCounterMode(true);
    pane->SetCounter(77);
    EXPECT_TRUE(SeenOnTop(window, [&window, pane] {
        const QImage shown =
            window.screen()
                ->grabWindow(window.winId(), pane->x(), pane->y(), pane->width(), pane->height())
                .toImage();
        int blue = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 120; ++x) {
                const QRgb p = shown.pixel(x, y);
                blue += qBlue(p) > 150 && qBlue(p) > qRed(p) + 60;
            }
        return blue > 500;
    }));
}

}  // namespace
