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
#include "telemetry/records.h"

class CCefBrowserEventHandler;
class QWebEngineProfile;
class QWebEngineView;

// The map window: a framed child widget holding the one browser, which shows the page of the chosen map
// provider (0 Google, 1 Baidu, 2 Yandex) from the program's resources. The catalogue and the playback clock
// drive it through MapView; every call becomes one script text run in the page. Calls made before the
// browser exists (its first page has not finished loading) are dropped.
class CHtmlMapDlg : public QFrame, public MapView {
    Q_OBJECT

  public:
    // readMapProvider gives the provider whose page the browser opens with; it is asked once, here.
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
    static QUrl PageUrl(int provider);

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
    void OnInitDialog(int initialProvider);
    void WatchForRightButton(QObject* object);

    int provider_ = 0;
    QRect creationRect_;
    // Declared in the order they must outlive each other: the profile the page, the page its view.
    std::unique_ptr<QWebEngineProfile> profile_;
    std::unique_ptr<CCefBrowserEventHandler> handler_;
    std::unique_ptr<QWebEngineView> view_;
};
