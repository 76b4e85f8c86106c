#include "maptestsupport.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <QtTest/QTest>

#include "bytes.h"
#include "map/cefbrowsereventhandler.h"

namespace maptest {

QVariant Eval(QWebEnginePage* page, const QString& script, int timeoutMs) {
    QEventLoop loop;
    QVariant result;
    bool answered = false;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    page->runJavaScript(script, [&](const QVariant& value) {
        result = value;
        answered = true;
        loop.quit();
    });
    if (!answered) loop.exec();
    return answered ? result : QVariant();
}

QVariantMap State(QWebEnginePage* page) {
    return Eval(page, QStringLiteral("orvan_state()")).toMap();
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    if (done()) return true;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done()) loop.quit();
    });
    poll.start(2);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return done();
}

bool WaitForLoad(QWebEnginePage* page, int timeoutMs) {
    QEventLoop loop;
    bool done = false;
    const auto connection = QObject::connect(page, &QWebEnginePage::loadFinished, &loop, [&](bool) {
        done = true;
        loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    QObject::disconnect(connection);
    return done;
}

std::unique_ptr<CHtmlMapDlg> OpenMap(int provider) {
    auto map = std::make_unique<CHtmlMapDlg>([provider] { return provider; });
    map->resize(640, 420);
    map->show();
    if (!WaitUntil([&] { return map->Handler()->GetBrowser() != nullptr; })) return nullptr;
    return map;
}

std::vector<std::pair<double, double>> Points(const QVariant& list) {
    std::vector<std::pair<double, double>> points;
    for (const QVariant& p : list.toList()) {
        const QVariantList pair = p.toList();
        if (pair.size() == 2) points.emplace_back(pair[0].toDouble(), pair[1].toDouble());
    }
    return points;
}

std::vector<GpsSample> Track(int count, const std::function<bool(int)>& withoutFix) {
    std::vector<GpsSample> samples;
    for (int i = 0; i < count; ++i) {
        fixtures::Fix f;
        // About 15 m a sample to the north-east; minutes stay below 60 for a few thousand samples.
        f.lat = 2232.1234 + 0.0050 * i;
        f.lon = 11403.2268 + 0.0040 * i;
        f.speed = 50;
        f.valid = !(withoutFix && withoutFix(i));
        f.second = i % 60;
        f.minute = (i / 60) % 60;
        samples.push_back(fixtures::MakeGps(f, 2000));
    }
    return samples;
}

}  // namespace maptest
