// The page side of the player's map bridge. The player calls six global functions, one way, with WGS-84
// degrees, latitude first:
//   init_map(lat, lon)             fit the view to the route (or centre on lat, lon when there is none)
//   movpos(lat, lon)               put the car there and keep it in view
//   path_plot(lat, lon)            append a point to the route
//   path_delete()                  remove the route
//   pathdrived_plot(lat, lon)      append a point to the driven part
//   pathdrived_delete()            remove the driven part
// Each page passes its provider: the map's projection, the frame its tiles are drawn in and its tile grid.
// The player names the provider's tiles in the page's address when the user has set a template for them;
// otherwise (or when the player refused the template, saying why) the page shows OpenStreetMap's standard
// tiles in Web Mercator, where WGS-84 needs no conversion. Tiles the player's cache cannot give (offline, an
// area never seen) do not load, and the route, the driven part and the car stay on the plain background
// with the scale bar.
'use strict';

var OSM_TILES = 'https://tile.openstreetmap.org/{z}/{x}/{y}.png';

function orvanEscape(text) {
    return String(text).replace(/[&<>"']/g, function (c) {
        return {'&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;', "'": '&#39;'}[c];
    });
}

// provider: {name, crs, toFrame(lat, lon) -> [lat, lon], makeTileLayer(url, options), minZoom, maxZoom}
// The page's address may hold:
//   tiles=<url template>   the provider's own tiles ({x}, {y}, {z}, {s}), with attribution=<text> if given
//   refused=<reason>       the user's template was not usable: OpenStreetMap's tiles, and the reason shown
//   cache=orvantile        every tile is asked of the player's tile cache, as orvantile:<encoded address>
function orvanMapPage(provider) {
    var query = new URLSearchParams(window.location.search);
    var ownTiles = query.get('tiles');
    var own = !!ownTiles;
    var refused = own ? null : query.get('refused');
    var viaCache = query.get('cache') === 'orvantile';
    var crs = own ? provider.crs : L.CRS.EPSG3857;
    var toFrame = own ? provider.toFrame : function (lat, lon) { return [lat, lon]; };

    var map = L.map('map', {
        crs: crs,
        minZoom: own ? provider.minZoom : 1,
        maxZoom: own ? provider.maxZoom : 19,
        zoomControl: true,
        attributionControl: true,
        worldCopyJump: false
    });
    map.attributionControl.setPrefix('Leaflet');
    // At the top: in the player's small map the attribution's lines take the bottom edge.
    L.control.scale({position: 'topright'}).addTo(map);
    map.setView(provider.startView, provider.startZoom);

    var attribution = own
        ? orvanEscape(query.get('attribution') || provider.name)
        : '&copy; OpenStreetMap contributors &middot; OpenStreetMap standard tiles (' + orvanEscape(provider.name) +
              (refused ? ' tiles refused: ' + orvanEscape(refused) : ' tiles need a key') + ')';
    // Shown from the start, whether or not a tile ever arrives.
    map.attributionControl.addAttribution(attribution);
    var tileOptions = {maxZoom: map.getMaxZoom(), minZoom: map.getMinZoom()};
    var tiles = own ? provider.makeTileLayer(ownTiles, tileOptions) : L.tileLayer(OSM_TILES, tileOptions);
    if (viaCache) {
        var direct = tiles.getTileUrl;
        tiles.getTileUrl = function (coords) {
            return 'orvantile:' + encodeURIComponent(direct.call(this, coords));
        };
    }
    // Tiles are asked for only once the page has loaded, so that the player can drive the page at once even
    // where the tile server is slow to answer or unreachable.
    if (document.readyState === 'complete') {
        tiles.addTo(map);
    } else {
        window.addEventListener('load', function () { setTimeout(function () { tiles.addTo(map); }, 0); });
    }

    // What the player sent, as it sent it; the lines and the car are the same points in the tiles' frame.
    var route = [];
    var driven = [];
    var car = null;
    var routeLine = L.polyline([], {color: '#1c5bd6', weight: 4, opacity: 0.85, interactive: false}).addTo(map);
    var drivenLine = L.polyline([], {color: '#e4501b', weight: 5, opacity: 0.95, interactive: false}).addTo(map);
    var carMarker = L.circleMarker([0, 0], {
        radius: 7, color: '#ffffff', weight: 2, fillColor: '#d11f1f', fillOpacity: 1, interactive: false
    });

    function point(lat, lon) {
        var p = toFrame(Number(lat), Number(lon));
        return L.latLng(p[0], p[1]);
    }

    // Every point comes as a call of its own, and a Leaflet line redraws all its points on each addition:
    // the points of one burst of calls are added together, at most one frame later (or at once when the
    // view or a reader needs them).
    var pendingRoute = [];
    var pendingDriven = [];
    var flushTimer = null;
    function flush() {
        if (flushTimer !== null) {
            clearTimeout(flushTimer);
            flushTimer = null;
        }
        if (pendingRoute.length > 0) routeLine.setLatLngs(routeLine.getLatLngs().concat(pendingRoute));
        if (pendingDriven.length > 0) drivenLine.setLatLngs(drivenLine.getLatLngs().concat(pendingDriven));
        pendingRoute = [];
        pendingDriven = [];
    }
    function scheduleFlush() {
        if (flushTimer === null) flushTimer = setTimeout(flush, 16);
    }

    window.path_plot = function (lat, lon) {
        route.push([Number(lat), Number(lon)]);
        pendingRoute.push(point(lat, lon));
        scheduleFlush();
    };
    window.path_delete = function () {
        route = [];
        pendingRoute = [];
        routeLine.setLatLngs([]);
    };
    window.pathdrived_plot = function (lat, lon) {
        driven.push([Number(lat), Number(lon)]);
        pendingDriven.push(point(lat, lon));
        scheduleFlush();
    };
    window.pathdrived_delete = function () {
        driven = [];
        pendingDriven = [];
        drivenLine.setLatLngs([]);
    };
    window.init_map = function (lat, lon) {
        flush();
        // The window may have been resized since Leaflet last measured it (it only notices on its next frame).
        map.invalidateSize({pan: false});
        if (route.length > 0) {
            map.fitBounds(routeLine.getBounds(), {padding: [24, 24], maxZoom: 17, animate: false});
        } else if (Number(lat) !== 0 || Number(lon) !== 0) {
            map.setView(point(lat, lon), 15, {animate: false});
        }
    };
    window.movpos = function (lat, lon) {
        car = [Number(lat), Number(lon)];
        var p = point(lat, lon);
        carMarker.setLatLng(p);
        if (!map.hasLayer(carMarker)) carMarker.addTo(map);
        // Follow the car without jumping on every sample: recentre once it leaves the middle of the view.
        if (map.getZoom() < 12) {
            map.setView(p, 16, {animate: false});
        } else if (!map.getBounds().pad(-0.15).contains(p)) {
            map.panTo(p, {animate: false});
        }
    };

    // Read back by the player's tests; the player itself never asks the page anything.
    window.orvan_state = function () {
        flush();
        function pairs(line) {
            return line.getLatLngs().map(function (ll) { return [ll.lat, ll.lng]; });
        }
        return {
            provider: provider.name,
            ownTiles: own,
            crs: crs.code,
            tiles: tiles._url,
            viaCache: viaCache,
            tilesLoaded: document.querySelectorAll('.leaflet-tile-loaded').length,
            attribution: map.attributionControl._container.textContent,
            route: route,
            driven: driven,
            car: car,
            routeLine: pairs(routeLine),
            drivenLine: pairs(drivenLine),
            carMarker: map.hasLayer(carMarker) ? [carMarker.getLatLng().lat, carMarker.getLatLng().lng] : null,
            zoom: map.getZoom(),
            bounds: [map.getBounds().getSouth(), map.getBounds().getWest(),
                     map.getBounds().getNorth(), map.getBounds().getEast()]
        };
    };

    // A map has no use for the browser's own menu or for text selection.
    document.addEventListener('contextmenu', function (e) { e.preventDefault(); });
    return map;
}
