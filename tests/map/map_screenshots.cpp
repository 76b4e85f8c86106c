// Writes a picture of each map page with a route, its driven part and the car: map-google.png,
// map-baidu.png and map-yandex.png in the folder given (docs/ holds the committed ones). Offline the
// pictures show the plain background; run it under Xvfb with the map tests' environment:
//   xvfb-run -a env QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu map_screenshots
//   docs

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QtTest/QTest>
#include <cstdio>

#include "map/cefbrowsereventhandler.h"
#include "map/htmlmapdlg.h"
#include "map/tileschemehandler.h"
#include "maptestsupport.h"

int main(int argc, char** argv) {
    RegisterTileScheme();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    // A curve through Shenzhen: 180 samples at 1 per second, the first ten without a fix.
    std::vector<GpsSample> samples = maptest::Track(180, [](int i) { return i < 10; });
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / 180.0;
        samples[i].latitude = 2232.1234 + 0.9 * t + 0.25 * std::sin(t * 9);
        samples[i].longitude = 11403.2268 + 1.2 * t;
    }
    const struct {
        int provider;
        const char* file;
    } pages[] = {{0, "map-google.png"}, {1, "map-baidu.png"}, {2, "map-yandex.png"}};
    for (const auto& page : pages) {
        auto map = maptest::OpenMap(page.provider);
        if (!map) {
            std::fprintf(stderr, "%s: the browser did not come up\n", page.file);
            return 1;
        }
        map->resize(720, 450);
        map->ClearRoute();
        map->DrawRoute(samples);
        map->InitMap(0, 0);
        map->DrawDrivenPath(samples, 1, 110000);
        const GpsSample& car = samples[109];
        map->MovePos(car.latitude / 100, car.longitude / 100, car.heading * 2);
        maptest::State(map->Handler());
        QTest::qWait(1500);  // let the compositor show the last frame
        const QString path = out.filePath(QString::fromLatin1(page.file));
        if (!map->grab().toImage().save(path)) {
            std::fprintf(stderr, "%s: could not write\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
