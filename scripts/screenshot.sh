#!/usr/bin/env bash
# Takes docs/player.png: the player as it opens, on a virtual 1280 x 760 screen (Xvfb), grabbed with
# ffmpeg's X11 capture. Build first (scripts/build.sh).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVAN_BUILD_DIR:-$top/build}
out=${1:-$top/docs/player.png}
run=$(mktemp -d)
trap 'rm -rf "$run"' EXIT
printf '[WINPOS]\nLEFT=0\nTOP=0\nRIGHT=1280\nBOTTOM=760\n' >"$run/Zov.ini"
cd "$run"
export QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu QT_LOGGING_RULES=qt.webenginecontext.info=false
export ORVAN_LIBVLC_ARGS="--aout=dummy --quiet"
xvfb-run -a -s "-screen 0 1280x760x24" bash -c '
    "$0" & player=$!
    sleep 8
    ffmpeg -loglevel error -f x11grab -video_size 1280x760 -i "$DISPLAY" -frames:v 1 -y "$1"
    kill $player' "$build/src/mainwindow/orvan-player" "$out" 2>/dev/null
echo "$out"
