// The map window on the real Qt WebEngine with the three pages from the resources: the script calls are
// sent through CHtmlMapDlg and the page's state is read back with runJavaScript.

#include <gtest/gtest.h>

#include <QWebEngineView>
#include <QtTest/QTest>
#include <cmath>

#include "map/cefbrowsereventhandler.h"
#include "map/htmlmapdlg.h"
#include "maptestsupport.h"

using maptest::Eval;
using maptest::OpenMap;
using maptest::Points;
using maptest::State;
using maptest::Track;

namespace {

// Collects what the page writes to its console; offline, nothing of it may be an error.
struct ConsoleWatch {
    explicit ConsoleWatch(CCefBrowserEventHandler* page) {
        QObject::connect(page, &CCefBrowserEventHandler::ConsoleMessage,
                         [this](int level, const QString& message, int line, const QString& source) {
                             if (level == QWebEnginePage::ErrorMessageLevel)
                                 errors << QStringLiteral("%1:%2: %3").arg(source).arg(line).arg(message);
                         });
    }
    QStringList errors;
};

class MapPageTest : public ::testing::TestWithParam<int> {};

TEST_P(MapPageTest, PageOffersTheSixFunctionsAndStartsOnThePlainBackground) {
    auto map = OpenMap(GetParam());
    ASSERT_TRUE(map);
    EXPECT_EQ(map->Handler()->url().adjusted(QUrl::RemoveQuery), CHtmlMapDlg::PageUrl(GetParam()));
    for (const char* fn :
         {"init_map", "movpos", "path_plot", "path_delete", "pathdrived_plot", "pathdrived_delete"})
        EXPECT_EQ(Eval(map->Handler(), QStringLiteral("typeof %1").arg(fn)).toString(), "function") << fn;
    EXPECT_TRUE(
        Eval(map->Handler(), "document.querySelector('.leaflet-control-scale-line') !== null").toBool());
    // No key for the provider's tiles: OpenStreetMap's, in Web Mercator, and the line says so.
    const QVariantMap state = State(map->Handler());
    EXPECT_EQ(state["crs"].toString(), "EPSG:3857");
    EXPECT_EQ(state["tiles"].toString(), "https://tile.openstreetmap.org/{z}/{x}/{y}.png");
    EXPECT_TRUE(state["attribution"].toString().contains("OpenStreetMap standard tiles"))
        << state["attribution"].toString().toStdString();
    EXPECT_TRUE(state["attribution"].toString().contains("tiles need a key"));
}

TEST_P(MapPageTest, RouteDrivenPartAndCarFollowTheScriptSequences) {
    auto map = OpenMap(GetParam());
    ASSERT_TRUE(map);
    ConsoleWatch console(map->Handler());
    // 180 samples, every sixth without a fix: 150 usable.
    const auto samples = Track(180, [](int i) { return i % 6 == 5; });

    map->ClearRoute();
    map->DrawRoute(samples);
    map->InitMap(0, 0);
    QVariantMap state = State(map->Handler());
    const auto route = Points(state["route"]);
    ASSERT_EQ(route.size(), 150u);
    EXPECT_DOUBLE_EQ(route[0].first, 22.535390);
    EXPECT_DOUBLE_EQ(route[0].second, 114.053780);
    EXPECT_EQ(Points(state["routeLine"]), route);  // OpenStreetMap tiles take WGS-84 as it comes
    // init_map(0, 0) fitted the view to the route.
    const QVariantList bounds = state["bounds"].toList();
    ASSERT_EQ(bounds.size(), 4);
    for (const auto& [lat, lon] : route) {
        EXPECT_TRUE(lat >= bounds[0].toDouble() && lat <= bounds[2].toDouble());
        EXPECT_TRUE(lon >= bounds[1].toDouble() && lon <= bounds[3].toDouble());
    }
    EXPECT_GE(state["zoom"].toInt(), 14);

    struct Seek {
        double rate;
        std::uint32_t timeMs;
        std::size_t drawn;
    };
    // 60 s at 1 sample/s: 60 samples of which 10 without a fix; 5/s and far beyond the end: everything.
    for (const Seek& seek :
         {Seek{1, 60000, 50}, Seek{5, 60000, 150}, Seek{1, 4000000000u, 150}, Seek{0, 6999, 5}}) {
        map->DrawDrivenPath(samples, seek.rate, seek.timeMs);
        const auto driven = Points(State(map->Handler())["driven"]);
        ASSERT_EQ(driven.size(), seek.drawn) << seek.rate << " " << seek.timeMs;
        EXPECT_TRUE(std::equal(driven.begin(), driven.end(), route.begin()));
    }

    map->MovePos(22.321234, 114.032268, 270);
    state = State(map->Handler());
    const auto car = Points(QVariantList{state["car"], state["carMarker"]});
    ASSERT_EQ(car.size(), 2u);
    EXPECT_DOUBLE_EQ(car[0].first, 22.535390);
    EXPECT_DOUBLE_EQ(car[0].second, 114.053780);
    EXPECT_EQ(car[1], car[0]);

    map->ClearRoute();
    state = State(map->Handler());
    EXPECT_TRUE(state["route"].toList().isEmpty());
    EXPECT_TRUE(state["routeLine"].toList().isEmpty());
    EXPECT_TRUE(state["driven"].toList().isEmpty());
    EXPECT_TRUE(state["drivenLine"].toList().isEmpty());
    EXPECT_TRUE(console.errors.isEmpty()) << console.errors.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Providers, MapPageTest, ::testing::Values(0, 1, 2));

TEST(HtmlMapDlg, ScriptsSentBeforeTheBrowserExistsAreDropped) {
    CHtmlMapDlg map([] { return 0; });
    map.resize(400, 300);
    map.show();
    ASSERT_EQ(map.Handler()->GetBrowser(), nullptr);
    EXPECT_TRUE(map.ExecuteScript("path_plot(1.000000,2.000000)"));
    map.MovePos(22.321234, 114.032268, 0);
    ASSERT_TRUE(maptest::WaitUntil([&] { return map.Handler()->GetBrowser() != nullptr; }, 15000));
    EXPECT_EQ(map.Handler()->GetBrowser(), map.BrowserView());
    QVariantMap state = State(map.Handler());
    EXPECT_TRUE(state["route"].toList().isEmpty());
    EXPECT_TRUE(state["car"].isNull());
    // The first call after the browser exists reaches the page.
    map.MovePos(22.321234, 114.032268, 0);
    state = State(map.Handler());
    EXPECT_EQ(Points(QVariantList{state["car"]}).size(), 1u);
}

TEST(HtmlMapDlg, PopUpsLinksToNewWindowsAndDialogsOpenNothing) {
    auto map = OpenMap(0);
    ASSERT_TRUE(map);
    const QUrl page = map->Handler()->url();
    Eval(map->Handler(),
         "window.popup = window.open('https://example.org/');"
         "var a = document.createElement('a'); a.href = 'https://example.org/'; a.target = '_blank';"
         "document.body.appendChild(a); a.click(); alert('x'); confirm('y'); true");
    // Chromium hands the script a window at once and closes it when the browser refuses to make one.
    EXPECT_TRUE(maptest::WaitUntil(
        [&] { return Eval(map->Handler(), "window.popup === null || window.popup.closed").toBool(); }, 5000));
    EXPECT_EQ(map->Handler()->url(), page);
    EXPECT_EQ(QApplication::topLevelWidgets().size(), 1);
}

TEST(HtmlMapDlg, ProviderChangeLoadsTheNewPageIntoTheSameBrowser) {
    auto map = OpenMap(0);
    ASSERT_TRUE(map);
    QWebEngineView* browser = map->Handler()->GetBrowser();
    map->PathPlot(22.5, 114.0);
    struct Change {
        int provider, stored;
        const char* page;
    };
    for (const Change& c :
         {Change{1, 1, "qrc:/orvan/maps/bmap.html"}, Change{2, 2, "qrc:/orvan/maps/ymap.html"},
          Change{7, 0, "qrc:/orvan/maps/gmap.html"}}) {
        EXPECT_TRUE(map->SetMapProvider(c.provider));
        ASSERT_TRUE(maptest::WaitForLoad(map->Handler())) << c.provider;
        EXPECT_EQ(map->MapProvider(), c.stored);
        EXPECT_EQ(map->Handler()->url().adjusted(QUrl::RemoveQuery).toString(), c.page);
        EXPECT_EQ(map->Handler()->GetBrowser(), browser);
        // The route of the old page is drawn on the new one.
        EXPECT_EQ(Points(State(map->Handler())["route"]),
                  (std::vector<std::pair<double, double>>{{22.5, 114.0}}));
    }
    // An unknown provider is stored as Google's, so the car is still converted to degrees.
    map->MovePos(22.321234, 114.032268, 0);
    EXPECT_EQ(Points(QVariantList{State(map->Handler())["car"]}),
              (std::vector<std::pair<double, double>>{{22.535390, 114.053780}}));
}

// A recording loaded just after a provider change, while the new page loads, is drawn on the new page; the
// next change keeps it all: the route, the driven part, the fitted view and the car.
TEST(HtmlMapDlg, ProviderChangeKeepsTheRouteDrivenPartAndCar) {
    auto map = OpenMap(0);
    ASSERT_TRUE(map);
    const auto samples = Track(1500, [](int i) { return i % 6 == 5; });
    map->SetMapProvider(1);
    map->ClearRoute();
    map->DrawRoute(samples);
    map->InitMap(0, 0);
    map->DrawDrivenPath(samples, 1, 60000);
    map->MovePos(22.331234, 114.042268, 90);
    ASSERT_TRUE(maptest::WaitForLoad(map->Handler()));
    const QVariantMap before = State(map->Handler());
    EXPECT_EQ(before["provider"].toString(), "BaiDu Map");
    EXPECT_EQ(before["route"].toList().size(), 1250);
    EXPECT_EQ(before["driven"].toList().size(), 50);
    EXPECT_EQ(Points(QVariantList{before["car"]}),
              (std::vector<std::pair<double, double>>{{22.552057, 114.070447}}));

    map->SetMapProvider(2);
    ASSERT_TRUE(maptest::WaitForLoad(map->Handler()));
    const QVariantMap after = State(map->Handler());
    EXPECT_EQ(after["provider"].toString(), "Yandex Map");
    for (const char* key : {"route", "driven", "car", "carMarker"}) EXPECT_EQ(after[key], before[key]) << key;
    EXPECT_GE(after["zoom"].toInt(), 12);  // fitted to the route, not the start view
    // A new recording after that replaces the old route, here and on the next page.
    map->ClearRoute();
    map->PathPlot(22.5, 114.0);
    map->SetMapProvider(0);
    ASSERT_TRUE(maptest::WaitForLoad(map->Handler()));
    const QVariantMap last = State(map->Handler());
    EXPECT_EQ(Points(last["route"]), (std::vector<std::pair<double, double>>{{22.5, 114.0}}));
    EXPECT_TRUE(last["driven"].toList().isEmpty());
}

TEST(HtmlMapDlg, StartPageFollowsTheSettingAndEarlyProviderChangesAreOnlyStored) {
    struct Start {
        int setting;
        const char* page;
    };
    for (const Start& s :
         {Start{0, "gmap"}, Start{1, "bmap"}, Start{2, "ymap"}, Start{5, "ymap"}, Start{-1, "ymap"}}) {
        CHtmlMapDlg map([&] { return s.setting; });
        EXPECT_EQ(map.Handler()->requestedUrl().adjusted(QUrl::RemoveQuery).toString(),
                  QStringLiteral("qrc:/orvan/maps/%1.html").arg(s.page));
    }
    CHtmlMapDlg map([] { return 2; });
    map.SetMapProvider(1);
    EXPECT_EQ(map.MapProvider(), 1);
    ASSERT_TRUE(maptest::WaitUntil([&] { return map.Handler()->GetBrowser() != nullptr; }, 15000));
    EXPECT_EQ(map.Handler()->url().adjusted(QUrl::RemoveQuery).toString(), "qrc:/orvan/maps/ymap.html");
}

TEST(HtmlMapDlg, RightButtonNeverReachesThePage) {
    auto map = OpenMap(0);
    ASSERT_TRUE(map);
    Eval(map->Handler(),
         "window.buttons = [0, 0, 0]; document.addEventListener('mousedown', e => "
         "window.buttons[e.button]++, true);"
         "true");
    QWidget* input = map->BrowserView()->focusProxy();
    ASSERT_NE(input, nullptr);
    const QPoint middle = input->rect().center();
    QTest::mouseClick(input, Qt::RightButton, {}, middle);
    QTest::mouseClick(input, Qt::LeftButton, {}, middle);
    QTest::qWait(100);
    ASSERT_TRUE(
        maptest::WaitUntil([&] { return Eval(map->Handler(), "window.buttons[0]").toInt() == 1; }, 5000))
        << "the left click, which shows that clicks do arrive, never came";
    EXPECT_EQ(Eval(map->Handler(), "window.buttons[2]").toInt(), 0);
}

TEST(HtmlMapDlg, CreateInPlaceTakesThePlaceholdersPlace) {
    QWidget window;
    window.resize(800, 600);
    auto* placeholder = new QWidget(&window);
    placeholder->setObjectName("1004");
    placeholder->setGeometry(100, 50, 300, 200);
    QPointer<QWidget> watch = placeholder;

    CHtmlMapDlg map([] { return 0; });
    EXPECT_FALSE(map.IsMapWindowValid());
    EXPECT_FALSE(map.CreateInPlace(1005, &window));
    EXPECT_FALSE(map.IsMapWindowValid());
    ASSERT_TRUE(map.CreateInPlace(1004, &window));
    EXPECT_TRUE(watch.isNull());
    EXPECT_EQ(map.parentWidget(), &window);
    EXPECT_EQ(map.geometry(), QRect(98, 48, 304, 204));
    EXPECT_TRUE(map.IsMapWindowValid());
    window.show();
    ASSERT_TRUE(maptest::WaitUntil([&] { return map.Handler()->GetBrowser() != nullptr; }, 15000));
    // The browser fills the inside of the frame, and follows it when the window is resized.
    EXPECT_EQ(map.BrowserView()->geometry(), map.contentsRect());
    map.resize(500, 320);
    EXPECT_EQ(map.BrowserView()->geometry(), map.contentsRect());
}

}  // namespace
