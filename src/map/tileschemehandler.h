#pragma once

#include <QWebEngineUrlSchemeHandler>
#include <vector>

#include "map/tilecache.h"
#include "map/tilefetcher.h"
#include "map/tiletemplate.h"

// The map pages ask for their tiles through this handler, as orvantile:<the tile's address, percent-encoded>,
// so that every tile goes through the player's own persistent cache and policy (TileFetcher) while the
// browser profile itself keeps nothing. Only addresses that one of the allowed templates expands to are
// fetched: a page cannot use the player to reach anything else.
class TileSchemeHandler : public QWebEngineUrlSchemeHandler {
    Q_OBJECT

  public:
    static constexpr char kScheme[] = "orvantile";

    explicit TileSchemeHandler(TileCache& cache, QObject* parent = nullptr);

    // Tiles of this (valid) template may be fetched from now on.
    void Allow(const TileTemplate& tileTemplate);

    void requestStarted(QWebEngineUrlRequestJob* job) override;

  private:
    bool Allowed(const QString& url) const;

    TileFetcher fetcher_;
    std::vector<TileTemplate> allowed_;
};

// Makes the orvantile: scheme known to Qt WebEngine. Call it once in main(), before the QApplication is
// created; without it the map pages load their tiles straight from the web, with no cache kept.
void RegisterTileScheme();
// True once the scheme is known to Qt WebEngine in this process.
bool IsTileSchemeRegistered();
