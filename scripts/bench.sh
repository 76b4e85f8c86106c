#!/usr/bin/env bash
# Builds and runs every benchmark and prints its figures. Run on a quiet machine: the figures are wall-clock.
# Usage: scripts/bench.sh [readers|hostile|catalogue|scan|map|window|playback ...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
build=${ORVAN_BUILD_DIR:-$top/build}
which=("$@")
[ ${#which[@]} -gt 0 ] || which=(readers hostile catalogue scan map window playback)
targets=()
for w in "${which[@]}"; do
    case $w in
        readers) targets+=(readers_bench) ;;
        hostile) targets+=(hostile_bench orvan-telemetry) ;;
        catalogue) targets+=(catalogue_bench) ;;
        scan) targets+=(scan_bench orvan-telemetry) ;;
        map) targets+=(map_bench) ;;
        window) targets+=(layout_bench window_bench) ;;
        playback) targets+=(playback_bench orvan-sample-card) ;;
        *) echo "unknown benchmark: $w" >&2; exit 1 ;;
    esac
done
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"${ORVAN_JOBS:-2}" --target "${targets[@]}"
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
for w in "${which[@]}"; do
    echo "== $w"
    case $w in
        readers) "$build/bench/readers/readers_bench" ;;
        hostile) "$build/bench/readers/hostile_bench" ;;
        catalogue) "$build/bench/catalogue/catalogue_bench" ;;
        scan) "$build/bench/catalogue/scan_bench" "$build/tools/orvan-telemetry/orvan-telemetry" ;;
        map)
            QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu \
                QT_LOGGING_RULES=qt.webenginecontext.info=false XDG_RUNTIME_DIR="$runtime" \
                "$build/bench/map/map_bench" ;;
        window)
            "$build/bench/mainwindow/layout_bench"
            # Twice: the second start finds warm caches.
            for run in cold warm; do
                echo "-- $run"
                QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu QT_LOGGING_RULES=qt.webenginecontext.info=false \
                    ORVAN_LIBVLC_ARGS="--aout=dummy --quiet" XDG_RUNTIME_DIR="$runtime" \
                    xvfb-run -a -s "-screen 0 1920x1080x24" "$build/bench/mainwindow/window_bench"
            done ;;
        playback)
            "$build/tools/sample-card/orvan-sample-card" "$build/sample-card" >/dev/null
            # Real video windows: under Xvfb when there is no display.
            if [ -n "${DISPLAY:-}" ]; then
                "$build/bench/playback/playback_bench" "$build/sample-card"
            else
                xvfb-run -a -s "-screen 0 1920x1080x24" "$build/bench/playback/playback_bench" "$build/sample-card"
            fi ;;
    esac
done
