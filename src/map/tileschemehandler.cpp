#include "map/tileschemehandler.h"

#include <QBuffer>
#include <QPointer>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

TileSchemeHandler::TileSchemeHandler(TileCache& cache, QObject* parent)
    : QWebEngineUrlSchemeHandler(parent), fetcher_(cache, this) {}

void TileSchemeHandler::Allow(const TileTemplate& tileTemplate) {
    if (!tileTemplate.IsValid()) return;
    for (const TileTemplate& known : allowed_) {
        if (known.Text() == tileTemplate.Text()) return;
    }
    allowed_.push_back(tileTemplate);
}

bool TileSchemeHandler::Allowed(const QString& url) const {
    for (const TileTemplate& known : allowed_) {
        if (known.Matches(url)) return true;
    }
    return false;
}

void TileSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
    const QString address = QUrl::fromPercentEncoding(job->requestUrl().path(QUrl::FullyEncoded).toLatin1());
    const QUrl url(address, QUrl::StrictMode);
    if (job->requestMethod() != "GET" || !url.isValid() || !Allowed(address)) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    QPointer<QWebEngineUrlRequestJob> guard(job);
    fetcher_.Fetch(url, job, [guard](const TileFetcher::Result& result) {
        if (guard.isNull()) return;
        if (!result.ok) {
            guard->fail(QWebEngineUrlRequestJob::RequestFailed);
            return;
        }
        auto* body = new QBuffer(guard.data());
        body->setData(result.data);
        body->open(QIODevice::ReadOnly);
        guard->reply(result.contentType.isEmpty() ? QByteArrayLiteral("image/png") : result.contentType,
                     body);
    });
}

void RegisterTileScheme() {
    if (IsTileSchemeRegistered()) return;
    QWebEngineUrlScheme scheme(TileSchemeHandler::kScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    // Secure, so that the pages (from qrc:, a secure scheme) may show its pictures without a mixed-content
    // warning; CORS-enabled, so that they could be read back into a canvas.
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::CorsEnabled);
    QWebEngineUrlScheme::registerScheme(scheme);
}

bool IsTileSchemeRegistered() {
    return QWebEngineUrlScheme::schemeByName(TileSchemeHandler::kScheme).name() == TileSchemeHandler::kScheme;
}
