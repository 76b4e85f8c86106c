#pragma once

#include <QByteArray>
#include <QObject>
#include <QUrl>
#include <functional>

#include "map/tilecache.h"

class QNetworkAccessManager;
class QNetworkReply;

// Fetches map tiles the way public tile servers ask applications to (OpenStreetMap's tile usage policy):
// every request names the player and its version, a tile is kept and reused for as long as its server's
// cache headers allow (Cache-Control, Expires, Last-Modified), and a stale tile is revalidated with its
// ETag or date rather than fetched again. Only the tiles asked for are fetched; nothing is prefetched.
// When the server cannot be reached, or fails, a stored tile is shown however old it is: the map must work
// offline in the car.
class TileFetcher : public QObject {
    Q_OBJECT

  public:
    struct Result {
        bool ok = false;
        QByteArray contentType;
        QByteArray data;
        // Served from the cache without a fresh answer of the server (fresh, or stale while offline).
        bool fromCache = false;
    };
    using Done = std::function<void(const Result&)>;

    explicit TileFetcher(TileCache& cache, QObject* parent = nullptr);
    ~TileFetcher() override;

    // Calls done once with the tile, on this thread: at once when the cache holds a fresh copy, else when the
    // server has answered. When receiver is destroyed first the request is abandoned and done is not called.
    void Fetch(const QUrl& url, QObject* receiver, Done done);

    // "OrvanPlayer/<version> ..." as sent on every tile request.
    static QByteArray UserAgent();

  private:
    void Finished(QNetworkReply* reply, const QString& key, std::optional<TileCache::Entry> stored,
                  Done done);

    TileCache& cache_;
    QNetworkAccessManager* network_;
};
