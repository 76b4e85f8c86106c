#pragma once

#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <vector>

class CHtmlMapDlg;
class QWebEngineProfile;

// The client of the map's one browser. In Qt WebEngine the browser is the view that shows this page, and it
// counts as created once its first page load has finished: only from then on do the page's script functions
// exist for the player's calls. The page may not open windows or dialogs of its own, and its console stays
// off the terminal (a map page offline reports every tile it could not fetch).
//
// Everything here runs on the GUI thread; Qt WebEngine has no separate browser thread to hand over to.
class CCefBrowserEventHandler : public QWebEnginePage {
    Q_OBJECT

  public:
    CCefBrowserEventHandler(bool useViews, QWebEngineProfile* profile, QObject* parent = nullptr);
    ~CCefBrowserEventHandler() override;

    // The one handler of the process, or null.
    static CCefBrowserEventHandler* Instance();

    // The window told when the browser exists.
    void SetOwner(CHtmlMapDlg* owner) { owner_ = owner; }
    // The view that is to become the browser once its first page load has finished.
    void AttachBrowser(QWebEngineView* browser);
    // The browser most recently reported created; null before that.
    QWebEngineView* GetBrowser() const { return current_; }

    void OnAfterCreated(QWebEngineView* browser);
    // Called by the owner as the browser goes away; the page itself cannot close the map.
    bool DoClose(QWebEngineView* browser);
    void OnBeforeClose(QWebEngineView* browser);
    bool IsClosing() const { return closing_; }

  signals:
    // The page's console, for whoever wants to watch it; nothing is printed.
    void ConsoleMessage(int level, const QString& message, int line, const QString& source);

  protected:
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int lineNumber,
                                  const QString& sourceID) override;
    void javaScriptAlert(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& msg) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& msg, const QString& defaultValue,
                          QString* result) override;

  private:
    void OnLoadFinished(bool ok);

    CHtmlMapDlg* owner_ = nullptr;
    bool useViews_ = true;
    std::vector<QPointer<QWebEngineView>> browsers_;
    bool closing_ = false;
    QPointer<QWebEngineView> attached_;
    QPointer<QWebEngineView> current_;
};
