// The player's start-up as a user sees it: from the process's start to the window shown, and to the map
// page loaded; then the time of a full repaint of the window at 1920 x 1080. Run under an X display with a
// warm cache (a second run), e.g. xvfb-run -a -s "-screen 0 1920x1080x24" window_bench.

#include <time.h>
#include <unistd.h>

#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "mainwindow/zovapp.h"
#include "mainwindow/zovdlg.h"
#include "map/cefbrowsereventhandler.h"
#include "map/htmlmapdlg.h"
#include "maptestsupport.h"

namespace {

// Milliseconds since this process started, from its start time in /proc (clock ticks since boot).
double MsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    for (int i = 3; i < 22; ++i) fields >> field;
    unsigned long long startTicks = 0;
    fields >> startTicks;
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / sysconf(_SC_CLK_TCK);
}

}  // namespace

int main(int argc, char** argv) {
    CZovApp::PrepareProcess();
    CZovApp app(argc, argv);
    CZovDlg window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window was not shown (no X display?)\n");
        return 1;
    }
    const double shown = MsSinceProcessStart();
    CHtmlMapDlg* map = window.MapWindow();
    if (!maptest::WaitUntil([map] { return map->Handler()->GetBrowser() != nullptr; }, 20000)) {
        std::fprintf(stderr, "the map page did not load\n");
        return 1;
    }
    const double mapLoaded = MsSinceProcessStart();
    std::printf("process start -> window shown: %.0f ms (aim <= 1000)\n", shown);
    std::printf("process start -> map page loaded: %.0f ms (aim <= 2000)\n", mapLoaded);

    window.setGeometry(0, 0, 1920, 1080);
    QTest::qWait(200);
    std::vector<double> times;
    for (int i = 0; i < 50; ++i) {
        const auto begin = std::chrono::steady_clock::now();
        window.repaint();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::milli>(end - begin).count());
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "repaint() at 1920 x 1080, with the transfer to the X server: median %.2f ms, worst %.2f ms (aim <= "
        "8)\n",
        times[times.size() / 2], times.back());
    // Where the time goes: the window's own face, and each child drawn alone into an image.
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    auto timeIt = [&](QWidget* w, QWidget::RenderFlags flags) {
        std::vector<double> t;
        for (int i = 0; i < 10; ++i) {
            const auto begin = std::chrono::steady_clock::now();
            w->render(&image, QPoint(), QRegion(), flags);
            t.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
        }
        std::sort(t.begin(), t.end());
        return t[t.size() / 2];
    };
    std::printf("full repaint at 1920 x 1080 into an image (no X transfer): %.2f ms (aim <= 8)\n",
                timeIt(&window, QWidget::DrawWindowBackground | QWidget::DrawChildren));
    std::printf("  the window's face alone: %.2f ms\n", timeIt(&window, QWidget::DrawWindowBackground));
    for (QWidget* child : window.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!child->isVisible()) continue;
        const double ms = timeIt(child, QWidget::DrawChildren);
        if (ms > 0.5) {
            std::printf("  %s %s: %.2f ms\n", child->metaObject()->className(),
                        qPrintable(child->objectName()), ms);
        }
    }
    // The same repaint without the browser, whose picture is composed by OpenGL (in software here).
    window.MapWindow()->hide();
    times.clear();
    for (int i = 0; i < 20; ++i) {
        const auto begin = std::chrono::steady_clock::now();
        window.repaint();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("repaint() without the map: median %.2f ms\n", times[times.size() / 2]);
    return 0;
}
