#include "map/cefbrowsereventhandler.h"

#include <QWebEngineView>
#include <algorithm>

#include "map/htmlmapdlg.h"

namespace {
CCefBrowserEventHandler* g_instance = nullptr;
}  // namespace

CCefBrowserEventHandler::CCefBrowserEventHandler(bool useViews, QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent), useViews_(useViews) {
    // A second handler would take the first one's place; the map window creates exactly one.
    if (g_instance == nullptr) g_instance = this;
    connect(this, &QWebEnginePage::loadFinished, this, &CCefBrowserEventHandler::OnLoadFinished);
}

CCefBrowserEventHandler::~CCefBrowserEventHandler() {
    if (g_instance == this) g_instance = nullptr;
}

CCefBrowserEventHandler* CCefBrowserEventHandler::Instance() {
    return g_instance;
}

void CCefBrowserEventHandler::AttachBrowser(QWebEngineView* browser) {
    attached_ = browser;
}

void CCefBrowserEventHandler::OnLoadFinished(bool) {
    // Only the first load creates the browser; later loads (a provider change) land in the same one.
    if (current_ == nullptr && attached_ != nullptr) OnAfterCreated(attached_);
}

void CCefBrowserEventHandler::OnAfterCreated(QWebEngineView* browser) {
    browsers_.emplace_back(browser);
    current_ = browser;
    if (owner_ != nullptr) owner_->FitBrowserWindow(browser);
}

bool CCefBrowserEventHandler::DoClose(QWebEngineView*) {
    if (browsers_.size() == 1) closing_ = true;
    return false;
}

void CCefBrowserEventHandler::OnBeforeClose(QWebEngineView* browser) {
    const auto it = std::find(browsers_.begin(), browsers_.end(), browser);
    if (it != browsers_.end()) browsers_.erase(it);
    // The last browser gone ends nothing else: Qt WebEngine shuts down with the application.
}

QWebEnginePage* CCefBrowserEventHandler::createWindow(WebWindowType) {
    return nullptr;
}

void CCefBrowserEventHandler::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                                       const QString& message, int lineNumber,
                                                       const QString& sourceID) {
    emit ConsoleMessage(static_cast<int>(level), message, lineNumber, sourceID);
}

void CCefBrowserEventHandler::javaScriptAlert(const QUrl&, const QString&) {}

bool CCefBrowserEventHandler::javaScriptConfirm(const QUrl&, const QString&) {
    return false;
}

bool CCefBrowserEventHandler::javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*) {
    return false;
}
