// Positions reach the pages as WGS-84 degrees. Map data inside mainland China is published in the GCJ-02
// frame (Google's and Baidu's tiles), and Baidu shifts it once more into its own BD-09 frame; outside the
// mainland both providers draw WGS-84. These are the published conversion formulas, nothing more.
'use strict';

var orvanCoords = (function () {
    var KRASOVSKY_A = 6378245.0;
    var KRASOVSKY_EE = 0.00669342162296594323;
    var X_PI = Math.PI * 3000.0 / 180.0;

    // A coarse outline of mainland China as [lon, lat]; sea is included freely, since no road lies there.
    // Near a land border the outline can be a few kilometres off, where the shift itself is a few hundred metres.
    var MAINLAND = [
        [121.2, 53.6], [123.6, 53.6], [125.6, 53.1], [127.6, 50.2], [130.6, 48.9], [134.8, 48.4],
        [133.2, 45.1], [131.9, 45.3], [131.0, 44.9], [131.3, 43.0], [130.6, 42.3], [129.0, 42.1],
        [128.1, 41.4], [126.6, 41.6], [125.1, 40.4], [124.2, 39.8], [124.0, 39.5], [123.3, 38.2],
        [123.0, 37.4], [121.8, 35.5], [122.2, 33.5], [123.2, 31.5], [123.0, 29.8], [122.5, 26.0],
        [120.0, 22.0], [117.0, 22.5], [114.5, 21.8], [113.0, 21.2], [111.5, 20.8], [111.5, 19.5],
        [110.0, 17.9], [108.5, 18.6], [108.0, 21.55], [107.3, 21.7], [106.7, 22.0], [106.6, 22.9],
        [105.8, 23.1], [105.3, 23.3], [104.5, 22.8], [103.9, 22.5], [103.0, 22.6], [102.4, 22.4],
        [101.8, 22.5], [101.7, 21.2], [101.2, 21.4], [100.2, 21.5], [99.9, 22.1], [99.2, 22.1],
        [99.5, 22.9], [98.7, 23.9], [97.6, 23.9], [97.8, 25.2], [98.7, 25.9], [98.6, 27.2],
        [97.6, 28.3], [96.5, 29.0], [95.4, 29.1], [94.0, 28.5], [92.1, 27.8], [91.7, 27.9],
        [89.6, 28.2], [88.8, 27.9], [88.0, 27.9], [86.0, 28.0], [84.0, 28.7], [82.0, 30.2],
        [81.1, 30.1], [79.0, 31.2], [78.4, 32.5], [78.0, 35.5], [76.0, 36.0], [75.0, 37.0],
        [74.5, 38.5], [73.5, 39.4], [75.0, 40.3], [76.5, 40.4], [78.5, 41.4], [80.2, 42.1],
        [80.2, 42.9], [80.5, 44.8], [80.1, 45.0], [82.5, 45.2], [82.3, 46.0], [83.0, 47.2],
        [85.7, 47.1], [86.6, 48.6], [87.8, 49.2], [90.1, 47.8], [90.9, 45.9], [93.5, 44.9],
        [95.3, 44.2], [96.4, 42.7], [100.0, 42.6], [101.8, 42.5], [105.0, 41.6], [107.0, 42.0],
        [109.3, 42.4], [111.0, 43.3], [111.9, 43.7], [111.6, 44.4], [113.6, 44.8], [116.0, 45.7],
        [116.7, 46.4], [119.8, 46.6], [119.9, 47.5], [118.5, 47.9], [117.4, 47.7], [115.6, 47.9],
        [116.7, 49.8], [117.8, 49.5], [119.0, 50.3], [120.1, 51.7]
    ];
    // Inside the outline but not shifted: Hong Kong, Macau, Taiwan, Kinmen and Matsu.
    var HONG_KONG = [
        [113.82, 22.15], [113.82, 22.45], [113.95, 22.51], [114.05, 22.505], [114.10, 22.535],
        [114.20, 22.55], [114.30, 22.56], [114.42, 22.40], [114.45, 22.15]
    ];
    var EXCLUDED_BOXES = [  // [west, south, east, north]
        [113.52, 22.10, 113.61, 22.22],  // Macau
        [119.3, 21.8, 122.5, 25.35],     // Taiwan and Penghu
        [118.13, 24.37, 118.52, 24.55],  // Kinmen
        [119.85, 25.93, 120.52, 26.40]   // Matsu
    ];

    function insidePolygon(lon, lat, poly) {
        var inside = false;
        for (var i = 0, j = poly.length - 1; i < poly.length; j = i++) {
            var xi = poly[i][0], yi = poly[i][1], xj = poly[j][0], yj = poly[j][1];
            if ((yi > lat) !== (yj > lat) && lon < (xj - xi) * (lat - yi) / (yj - yi) + xi) inside = !inside;
        }
        return inside;
    }

    function inMainlandChina(lat, lon) {
        if (!insidePolygon(lon, lat, MAINLAND)) return false;
        if (insidePolygon(lon, lat, HONG_KONG)) return false;
        for (var i = 0; i < EXCLUDED_BOXES.length; ++i) {
            var b = EXCLUDED_BOXES[i];
            if (lon >= b[0] && lat >= b[1] && lon <= b[2] && lat <= b[3]) return false;
        }
        return true;
    }

    function shiftLat(x, y) {
        var r = -100.0 + 2.0 * x + 3.0 * y + 0.2 * y * y + 0.1 * x * y + 0.2 * Math.sqrt(Math.abs(x));
        r += (20.0 * Math.sin(6.0 * x * Math.PI) + 20.0 * Math.sin(2.0 * x * Math.PI)) * 2.0 / 3.0;
        r += (20.0 * Math.sin(y * Math.PI) + 40.0 * Math.sin(y / 3.0 * Math.PI)) * 2.0 / 3.0;
        r += (160.0 * Math.sin(y / 12.0 * Math.PI) + 320.0 * Math.sin(y * Math.PI / 30.0)) * 2.0 / 3.0;
        return r;
    }

    function shiftLon(x, y) {
        var r = 300.0 + x + 2.0 * y + 0.1 * x * x + 0.1 * x * y + 0.1 * Math.sqrt(Math.abs(x));
        r += (20.0 * Math.sin(6.0 * x * Math.PI) + 20.0 * Math.sin(2.0 * x * Math.PI)) * 2.0 / 3.0;
        r += (20.0 * Math.sin(x * Math.PI) + 40.0 * Math.sin(x / 3.0 * Math.PI)) * 2.0 / 3.0;
        r += (150.0 * Math.sin(x / 12.0 * Math.PI) + 300.0 * Math.sin(x / 30.0 * Math.PI)) * 2.0 / 3.0;
        return r;
    }

    // WGS-84 -> GCJ-02, the identity outside the mainland.
    function wgs84ToGcj02(lat, lon) {
        if (!inMainlandChina(lat, lon)) return [lat, lon];
        var dLat = shiftLat(lon - 105.0, lat - 35.0);
        var dLon = shiftLon(lon - 105.0, lat - 35.0);
        var radLat = lat / 180.0 * Math.PI;
        var magic = 1 - KRASOVSKY_EE * Math.sin(radLat) * Math.sin(radLat);
        var sqrtMagic = Math.sqrt(magic);
        dLat = (dLat * 180.0) / ((KRASOVSKY_A * (1 - KRASOVSKY_EE)) / (magic * sqrtMagic) * Math.PI);
        dLon = (dLon * 180.0) / (KRASOVSKY_A / sqrtMagic * Math.cos(radLat) * Math.PI);
        return [lat + dLat, lon + dLon];
    }

    // GCJ-02 -> BD-09.
    function gcj02ToBd09(lat, lon) {
        var z = Math.sqrt(lon * lon + lat * lat) + 0.00002 * Math.sin(lat * X_PI);
        var theta = Math.atan2(lat, lon) + 0.000003 * Math.cos(lon * X_PI);
        return [z * Math.sin(theta) + 0.006, z * Math.cos(theta) + 0.0065];
    }

    // WGS-84 -> BD-09 inside the mainland; Baidu draws the rest of the world in WGS-84.
    function wgs84ToBd09(lat, lon) {
        if (!inMainlandChina(lat, lon)) return [lat, lon];
        var g = wgs84ToGcj02(lat, lon);
        return gcj02ToBd09(g[0], g[1]);
    }

    return {
        inMainlandChina: inMainlandChina,
        wgs84ToGcj02: wgs84ToGcj02,
        gcj02ToBd09: gcj02ToBd09,
        wgs84ToBd09: wgs84ToBd09
    };
})();
