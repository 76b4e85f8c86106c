#pragma once

#include <QFrame>
#include <QRect>
#include <QUrl>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "library/mapview.h"
#include "map/pagereplay.h"
#include "telemetry/records.h"

class CCefBrowserEventHandler;
class TileSchemeHandler;
class QWebEngineProfile;
class QWebEngineView;

// The map window: a framed child widget holding the one browser, which shows the page of the chosen map
// provider (0 Google, 1 Baidu, 2 Yandex) from the program's resources. The catalogue and the playback clock
// drive it through MapView; every call becomes one script text run in the page. Calls made before the
// browser exists (its first page has not finished loading) are dropped. What the page shows is also kept
// here, so that the page of another provider gets the same route, driven part and car: calls made while a
// page is loading are held and drawn on it once it has loaded.
//
// Each page shows the tiles of the template the settings give for its provider, in that provider's
// projection and frame, or OpenStreetMap's standard tiles when there is none; a template that cannot be
// used is refused, and the page says why. Tiles go through the player's persistent tile cache when the
// orvantile: scheme has been registered (RegisterTileScheme), and straight to the web otherwise.
class CHtmlMapDlg : public QFrame, public MapView {
    Q_OBJECT

  public:
    // The tile template of a provider (0, 1, 2); empty for OpenStreetMap's tiles.
    using TileTemplateReader = std::function<std::string(int provider)>;

    // readMapProvider gives the provider whose page the browser opens with; it is asked once, here.
    // readTileTemplate is asked on every page load; without one the player's settings are read
    // (AppSettings::ReadMapTiles).
    CHtmlMapDlg(std::function<int()> readMapProvider, TileTemplateReader readTileTemplate,
                QWidget* parent = nullptr);
    explicit CHtmlMapDlg(std::function<int()> readMapProvider, QWidget* parent = nullptr);
    ~CHtmlMapDlg() override;

    // Takes the place of parent's placeholder child whose objectName is the decimal controlId (the
    // placeholder is deleted), two pixels larger on every side so the frame lies outside the placeholder's
    // area. False, and nothing changed, when parent has no such child.
    bool CreateInPlace(int controlId, QWidget* parent);

    // Stores the provider (anything but 0, 1, 2 counts as 0) and loads its page into the browser; without a
    // browser only the provider is stored and a diagnostic line goes to standard output.
    bool SetMapProvider(int provider);
    int MapProvider() const { return provider_; }
    // The page of a provider, without the query that names its tiles.
    static QUrl PageUrl(int provider);
    // The address the browser loads for a provider now: its page with the tiles the settings name. Those
    // tiles may be fetched through the tile cache from then on.
    QUrl PageRequest(int provider);

    // MapView: each call runs its script text in the page.
    void PathDelete() override;
    void PathDrivedDelete() override;
    void PathPlot(double lat, double lon) override;
    void PathDrivedPlot(double lat, double lon) override;
    void InitMap(double lat, double lon) override;
    void MovePos(double lat, double lon, double headingDegrees) override;

    // The route of a recording just loaded, and the driven part after a seek.
    void ClearRoute();
    void DrawRoute(std::span<const GpsSample> samples);
    void DrawDrivenPath(std::span<const GpsSample> samples, double rate, std::uint32_t timeMs);

    // Hands the script to the page, or drops it while there is no browser. Always true.
    bool ExecuteScript(const std::string& script);
    // Lays the browser over the window's whole inside.
    void FitBrowserWindow(QWebEngineView* browser);
    // True while the window is hosted by a parent and alive.
    bool IsMapWindowValid() const;

    CCefBrowserEventHandler* Handler() const { return handler_.get(); }
    QWebEngineView* BrowserView() const { return view_.get(); }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Call { Route, RouteDelete, Driven, DrivenDelete, Init, Car };

    void OnInitDialog(int initialProvider);
    void WatchForRightButton(QObject* object);
    // Records a call of the page's vocabulary and runs it, or holds it while a page loads.
    void Send(Call call, std::string script);
    void LoadPage(int provider);
    void OnLoadStarted();
    void OnLoadFinished();

    int provider_ = 0;
    QRect creationRect_;
    TileTemplateReader readTileTemplate_;
    PageReplay replay_;
    bool pageLoading_ = false;
    // Declared in the order they must outlive each other: the tile handler and the profile the page, the
    // page its view.
    std::unique_ptr<TileSchemeHandler> tiles_;
    std::unique_ptr<QWebEngineProfile> profile_;
    std::unique_ptr<CCefBrowserEventHandler> handler_;
    std::unique_ptr<QWebEngineView> view_;
};
