#include "map/tilefetcher.h"

#include <QDateTime>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <algorithm>

namespace {

constexpr int kTimeoutMs = 20000;
// With an old copy at hand a silent network is given up sooner: the map must not stay blank in the car.
constexpr int kTimeoutWithCopyMs = 5000;
// Heuristic freshness for a tile that only says when it last changed: a tenth of its age, at most a day.
constexpr qint64 kMaxHeuristicMs = 24LL * 60 * 60 * 1000;
// Nothing larger is taken for a tile.
constexpr qint64 kMaxTileBytes = 8LL * 1024 * 1024;

// An HTTP date (RFC 9110: IMF-fixdate, and the obsolete RFC 850 and asctime forms); invalid when unreadable.
QDateTime HttpDate(const QByteArray& value) {
    const QString text = QString::fromLatin1(value).trimmed();
    QDateTime date = QDateTime::fromString(text, Qt::RFC2822Date);
    if (!date.isValid()) {
        const QLocale c = QLocale::c();
        for (const char* format : {"dddd, dd-MMM-yy hh:mm:ss 'GMT'", "ddd MMM d hh:mm:ss yyyy"}) {
            date = c.toDateTime(text.simplified(), QLatin1String(format));
            if (date.isValid()) {
                if (date.date().year() < 1970) date = date.addYears(100);
                date.setTimeSpec(Qt::UTC);
                break;
            }
        }
    }
    return date;
}

struct CacheControl {
    bool noStore = false;
    bool noCache = false;
    std::optional<qint64> maxAgeS;
};

CacheControl ParseCacheControl(const QByteArray& header) {
    CacheControl cc;
    for (const QByteArray& part : header.split(',')) {
        const QByteArray directive = part.trimmed().toLower();
        if (directive == "no-store") {
            cc.noStore = true;
        } else if (directive == "no-cache" || directive.startsWith("no-cache=")) {
            cc.noCache = true;
        } else if (directive.startsWith("max-age=")) {
            bool ok = false;
            const qint64 value = directive.mid(8).replace('"', "").toLongLong(&ok);
            if (ok) cc.maxAgeS = std::max<qint64>(value, 0);
        }
    }
    return cc;
}

// Until when a reply may be reused without asking again (RFC 9111, 4.2), as a private cache.
qint64 FreshUntil(const QNetworkReply* reply, qint64 nowMs) {
    const CacheControl cc = ParseCacheControl(reply->rawHeader("Cache-Control"));
    if (cc.noCache) return 0;
    bool ageOk = false;
    const qint64 ageMs = std::max<qint64>(reply->rawHeader("Age").trimmed().toLongLong(&ageOk), 0) * 1000;
    if (cc.maxAgeS) return nowMs + *cc.maxAgeS * 1000 - (ageOk ? ageMs : 0);
    const QDateTime date = HttpDate(reply->rawHeader("Date"));
    const qint64 dateMs = date.isValid() ? date.toMSecsSinceEpoch() : nowMs;
    if (reply->hasRawHeader("Expires")) {
        // An unreadable date ("0", "-1") means already expired.
        const QDateTime expires = HttpDate(reply->rawHeader("Expires"));
        return expires.isValid() ? nowMs + (expires.toMSecsSinceEpoch() - dateMs) : 0;
    }
    const QDateTime modified = HttpDate(reply->rawHeader("Last-Modified"));
    if (modified.isValid() && modified.toMSecsSinceEpoch() < dateMs)
        return nowMs + std::min((dateMs - modified.toMSecsSinceEpoch()) / 10, kMaxHeuristicMs);
    return 0;
}

QByteArray MimeType(const QNetworkReply* reply) {
    const QByteArray type = reply->rawHeader("Content-Type");
    const qsizetype semicolon = type.indexOf(';');
    return (semicolon < 0 ? type : type.left(semicolon)).trimmed().toLower();
}

// The type of a picture, by what its server says or, where it does not say, by its first bytes; empty for
// anything else. Something else that comes with 200 (a hotel network's log-in page, a server's error text)
// must not take a stored tile's place.
QByteArray PictureType(const QByteArray& type, const QByteArray& data) {
    if (type.startsWith("image/")) return type;
    if (!type.isEmpty() && type != "application/octet-stream") return {};
    if (data.startsWith("\x89PNG\r\n\x1a\n")) return "image/png";
    if (data.startsWith("\xff\xd8\xff")) return "image/jpeg";
    if (data.startsWith("GIF8")) return "image/gif";
    if (data.startsWith("RIFF") && data.mid(8, 4) == "WEBP") return "image/webp";
    return {};
}

}  // namespace

TileFetcher::TileFetcher(TileCache& cache, QObject* parent)
    : QObject(parent), cache_(cache), network_(new QNetworkAccessManager(this)) {
    network_->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
}

TileFetcher::~TileFetcher() = default;

QByteArray TileFetcher::UserAgent() {
    return QByteArrayLiteral("OrvanPlayer/" ORVAN_VERSION " (dashcam recording player)");
}

void TileFetcher::Fetch(const QUrl& url, QObject* receiver, Done done) {
    const QString key = url.toString(QUrl::FullyEncoded);
    std::optional<TileCache::Entry> stored = cache_.Find(key);
    if (stored && QDateTime::currentMSecsSinceEpoch() < stored->freshUntilMs) {
        done(Result{true, stored->contentType, stored->data, true});
        return;
    }
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, UserAgent());
    request.setTransferTimeout(stored ? kTimeoutWithCopyMs : kTimeoutMs);
    // No cache-control of our own: with no cache of its own the manager always asks the network, and tile
    // servers ask clients not to send "no-cache".
    if (stored && !stored->etag.isEmpty()) request.setRawHeader("If-None-Match", stored->etag);
    if (stored && !stored->lastModified.isEmpty())
        request.setRawHeader("If-Modified-Since", stored->lastModified);
    QNetworkReply* reply = network_->get(request);
    QPointer<QObject> watch(receiver);
    connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
        if (received > kMaxTileBytes) reply->abort();
    });
    if (receiver != nullptr) connect(receiver, &QObject::destroyed, reply, &QNetworkReply::abort);
    connect(
        reply, &QNetworkReply::finished, this,
        [this, reply, key, stored = std::move(stored), done = std::move(done), watch, receiver]() mutable {
            reply->deleteLater();
            if (receiver != nullptr && watch.isNull()) return;
            Finished(reply, key, std::move(stored), std::move(done));
        });
}

void TileFetcher::Finished(QNetworkReply* reply, const QString& key, std::optional<TileCache::Entry> stored,
                           Done done) {
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (status == 304 && stored) {
        // Unchanged: the stored tile is good for as long as the new answer says.
        stored->freshUntilMs = FreshUntil(reply, now);
        if (reply->hasRawHeader("ETag")) stored->etag = reply->rawHeader("ETag");
        cache_.Store(key, *stored);
        done(Result{true, stored->contentType, stored->data, false});
        return;
    }
    TileCache::Entry entry;
    if (status == 200 && reply->error() == QNetworkReply::NoError) {
        entry.data = reply->readAll();
        entry.contentType = PictureType(MimeType(reply), entry.data);
    }
    if (!entry.contentType.isEmpty()) {
        entry.freshUntilMs = FreshUntil(reply, now);
        entry.etag = reply->rawHeader("ETag");
        entry.lastModified = reply->rawHeader("Last-Modified");
        if (ParseCacheControl(reply->rawHeader("Cache-Control")).noStore) {
            cache_.Remove(key);
        } else {
            cache_.Store(key, entry);
        }
        done(Result{true, entry.contentType, entry.data, false});
        return;
    }
    // The server says the tile is gone: so it is here too.
    if (status == 404 || status == 410) {
        cache_.Remove(key);
        done(Result{});
        return;
    }
    // Offline, timed out or a failing server: an old tile is better than none.
    if (stored) {
        done(Result{true, stored->contentType, stored->data, true});
        return;
    }
    done(Result{});
}
