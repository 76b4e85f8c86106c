#include "map/htmlmapdlg.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QUrlQuery>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <cstdio>

#include "app/appsettings.h"
#include "library/route.h"
#include "map/cefbrowsereventhandler.h"
#include "map/tileschemehandler.h"
#include "map/tiletemplate.h"
#include "telemetry/position.h"

namespace {

// The placeholder the window was laid out around: 303 x 172 dialog units.
constexpr int kInitialBrowserWidth = 455;
constexpr int kInitialBrowserHeight = 280;
constexpr int kFrameWidth = 2;
constexpr char kOpenStreetMapTiles[] = "https://tile.openstreetmap.org/{z}/{x}/{y}.png";

int KnownProvider(int provider) {
    return provider == 1 || provider == 2 ? provider : 0;
}

bool IsRightButtonEvent(const QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return static_cast<const QMouseEvent*>(event)->button() == Qt::RightButton;
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
    }
}

}  // namespace

CHtmlMapDlg::CHtmlMapDlg(std::function<int()> readMapProvider, QWidget* parent)
    : CHtmlMapDlg(
          std::move(readMapProvider),
          [](int provider) { return AppSettings::Instance().ReadMapTiles(provider); }, parent) {}

CHtmlMapDlg::CHtmlMapDlg(std::function<int()> readMapProvider, TileTemplateReader readTileTemplate,
                         QWidget* parent)
    : QFrame(parent), readTileTemplate_(std::move(readTileTemplate)) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kFrameWidth);
    resize(kInitialBrowserWidth + 2 * kFrameWidth, kInitialBrowserHeight + 2 * kFrameWidth);
    OnInitDialog(readMapProvider ? readMapProvider() : 0);
}

CHtmlMapDlg::~CHtmlMapDlg() {
    QWebEngineView* browser = view_.get();
    handler_->DoClose(browser);
    view_.reset();
    handler_->OnBeforeClose(browser);
}

void CHtmlMapDlg::OnInitDialog(int initialProvider) {
    creationRect_ = QRect(contentsRect().topLeft(), QSize(kInitialBrowserWidth, kInitialBrowserHeight));

    // Off the record: cookies, history and storage stay in memory and nothing is written into the user's
    // folders; only the tiles are kept, by the player's own cache.
    profile_ = std::make_unique<QWebEngineProfile>();
    // Tile servers ask applications to name themselves.
    profile_->setHttpUserAgent(profile_->httpUserAgent() + QStringLiteral(" OrvanPlayer"));
    if (IsTileSchemeRegistered()) {
        tiles_ = std::make_unique<TileSchemeHandler>(TileCache::Shared());
        tiles_->Allow(TileTemplate(QString::fromLatin1(kOpenStreetMapTiles)));
        profile_->installUrlSchemeHandler(TileSchemeHandler::kScheme, tiles_.get());
    }

    handler_ = std::make_unique<CCefBrowserEventHandler>(true, profile_.get());
    handler_->SetOwner(this);
    connect(handler_.get(), &QWebEnginePage::loadStarted, this, &CHtmlMapDlg::OnLoadStarted);
    connect(handler_.get(), &QWebEnginePage::loadFinished, this, &CHtmlMapDlg::OnLoadFinished);
    QWebEngineSettings* settings = handler_->settings();
    // The pages come from qrc: and their tiles from the web.
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    settings->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    settings->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);

    view_ = std::make_unique<QWebEngineView>(this);
    view_->setContextMenuPolicy(Qt::NoContextMenu);
    view_->setPage(handler_.get());
    view_->setGeometry(creationRect_);
    WatchForRightButton(view_.get());
    handler_->AttachBrowser(view_.get());

    // Here any value but 0 and 1 opens the Yandex page; SetMapProvider treats unknown values as Google.
    provider_ = initialProvider == 0 || initialProvider == 1 ? initialProvider : 2;
    LoadPage(provider_);
}

QUrl CHtmlMapDlg::PageRequest(int provider) {
    QUrl url = PageUrl(provider);
    // Percent-encoded by hand: QUrlQuery leaves '+' as it is, which the page would read as a blank.
    const auto item = [](const char* key, const QString& value) {
        return QString::fromLatin1(key) + QLatin1Char('=') +
               QString::fromLatin1(QUrl::toPercentEncoding(value));
    };
    QStringList query;
    const QString text =
        readTileTemplate_ ? QString::fromStdString(readTileTemplate_(KnownProvider(provider))) : QString();
    if (!text.trimmed().isEmpty()) {
        const TileTemplate tileTemplate(text);
        if (tileTemplate.IsValid()) {
            query << item("tiles", tileTemplate.Text());
            if (tiles_ != nullptr) tiles_->Allow(tileTemplate);
        } else {
            query << item("refused", tileTemplate.Problem());
        }
    }
    if (tiles_ != nullptr) query << item("cache", QString::fromLatin1(TileSchemeHandler::kScheme));
    if (!query.isEmpty()) url.setQuery(query.join(QLatin1Char('&')), QUrl::StrictMode);
    return url;
}

void CHtmlMapDlg::LoadPage(int provider) {
    pageLoading_ = true;
    handler_->load(PageRequest(provider));
}

void CHtmlMapDlg::OnLoadStarted() {
    pageLoading_ = true;
}

// Whatever the page was showing is drawn on the new one (the first page starts empty; a provider change
// must not lose the route of the recording being played).
void CHtmlMapDlg::OnLoadFinished() {
    pageLoading_ = false;
    if (handler_->GetBrowser() == nullptr) return;
    for (const std::string& script : replay_.Scripts())
        handler_->runJavaScript(QString::fromStdString(script));
}

void CHtmlMapDlg::Send(Call call, std::string script) {
    // Before the browser exists nothing reaches a page, and nothing is kept for one.
    if (handler_ == nullptr || handler_->GetBrowser() == nullptr) return;
    if (!pageLoading_) ExecuteScript(script);
    switch (call) {
        case Call::Route:
            replay_.PathPlot(std::move(script));
            break;
        case Call::RouteDelete:
            replay_.PathDelete();
            break;
        case Call::Driven:
            replay_.PathDrivedPlot(std::move(script));
            break;
        case Call::DrivenDelete:
            replay_.PathDrivedDelete();
            break;
        case Call::Init:
            replay_.InitMap(std::move(script));
            break;
        case Call::Car:
            replay_.MovPos(std::move(script));
            break;
    }
}

QUrl CHtmlMapDlg::PageUrl(int provider) {
    switch (provider) {
        case 1:
            return QUrl(QStringLiteral("qrc:/orvan/maps/bmap.html"));
        case 2:
            return QUrl(QStringLiteral("qrc:/orvan/maps/ymap.html"));
        default:
            return QUrl(QStringLiteral("qrc:/orvan/maps/gmap.html"));
    }
}

bool CHtmlMapDlg::CreateInPlace(int controlId, QWidget* parent) {
    if (parent == nullptr) return false;
    QWidget* placeholder =
        parent->findChild<QWidget*>(QString::number(controlId), Qt::FindDirectChildrenOnly);
    if (placeholder == nullptr || placeholder == this) return false;
    const QRect place = placeholder->geometry();
    delete placeholder;
    setParent(parent);
    setGeometry(place.adjusted(-2, -2, 2, 2));
    raise();
    show();
    return true;
}

bool CHtmlMapDlg::SetMapProvider(int provider) {
    // Stored as the page it loads: the car's position is converted for every page alike, and an unknown
    // value must not leave it unconverted.
    provider_ = KnownProvider(provider);
    if (handler_ != nullptr && handler_->GetBrowser() != nullptr) {
        LoadPage(provider_);
    } else {
        std::printf("map: no browser yet, provider %d stored, its page not loaded\n", provider_);
        std::fflush(stdout);
    }
    return true;
}

void CHtmlMapDlg::PathDelete() {
    Send(Call::RouteDelete, map_script::PathDelete());
}
void CHtmlMapDlg::PathDrivedDelete() {
    Send(Call::DrivenDelete, map_script::PathDrivedDelete());
}
void CHtmlMapDlg::PathPlot(double lat, double lon) {
    Send(Call::Route, map_script::PathPlot(lat, lon));
}
void CHtmlMapDlg::PathDrivedPlot(double lat, double lon) {
    Send(Call::Driven, map_script::PathDrivedPlot(lat, lon));
}
void CHtmlMapDlg::InitMap(double lat, double lon) {
    Send(Call::Init, map_script::InitMap(lat, lon));
}

void CHtmlMapDlg::MovePos(double lat, double lon, double) {
    // The pages want degrees; the heading is not drawn.
    Send(Call::Car, map_script::MovPos(NmeaToDegrees(lat), NmeaToDegrees(lon)));
}

void CHtmlMapDlg::ClearRoute() {
    PathDrivedDelete();
    PathDelete();
}

void CHtmlMapDlg::DrawRoute(std::span<const GpsSample> samples) {
    ::DrawRoute(*this, samples);
}

void CHtmlMapDlg::DrawDrivenPath(std::span<const GpsSample> samples, double rate, std::uint32_t timeMs) {
    ::DrawDrivenPath(*this, samples, rate, timeMs);
}

bool CHtmlMapDlg::ExecuteScript(const std::string& script) {
    if (handler_ != nullptr && handler_->GetBrowser() != nullptr) {
        handler_->runJavaScript(QString::fromStdString(script));
    }
    return true;
}

void CHtmlMapDlg::FitBrowserWindow(QWebEngineView* browser) {
    if (browser == nullptr) return;
    browser->setGeometry(QRect(creationRect_.topLeft(), contentsRect().size()));
}

bool CHtmlMapDlg::IsMapWindowValid() const {
    return parentWidget() != nullptr;
}

void CHtmlMapDlg::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    if (handler_ != nullptr && handler_->GetBrowser() != nullptr) FitBrowserWindow(handler_->GetBrowser());
}

void CHtmlMapDlg::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    update();
}

void CHtmlMapDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) QFrame::mousePressEvent(event);
}

void CHtmlMapDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) QFrame::mouseReleaseEvent(event);
}

// The browser's input arrives at a render widget the view creates for each page; every widget inside the
// view is watched so that no right click reaches the page or opens the browser's own menu.
void CHtmlMapDlg::WatchForRightButton(QObject* object) {
    object->installEventFilter(this);
    for (QObject* child : object->children()) {
        if (child->isWidgetType()) WatchForRightButton(child);
    }
}

bool CHtmlMapDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType()) WatchForRightButton(child);
    }
    if (IsRightButtonEvent(event)) return true;
    return QFrame::eventFilter(watched, event);
}
