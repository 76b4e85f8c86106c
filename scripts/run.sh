#!/usr/bin/env bash
# Installs what is missing, builds, makes the sample card and starts the player on it. The player runs in
# build/run/ (or $ORVAN_BUILD_DIR/run/), whose Zov.ini names the sample card as the last folder opened: press
# OPEN, choose Folder, then OK; or name a file or folder to open at once (bash scripts/run.sh build/sample-card).
# Works as root too. Without a display it says how to run under Xvfb.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
build=${ORVAN_BUILD_DIR:-$top/build}
card="$build/sample-card"
"$build/tools/sample-card/orvan-sample-card" "$card" >/dev/null

run="$build/run"
mkdir -p "$run"
ini="$run/Zov.ini"
if [ ! -f "$ini" ]; then
    printf '[UI]\nFolder=%s\n' "$card" >"$ini"
elif grep -qi '^Folder=' "$ini"; then
    # Only the folder is brought up to date; the rest is the user's.
    sed -i "s|^[Ff][Oo][Ll][Dd][Ee][Rr]=.*|Folder=$card|" "$ini"
else
    printf '[UI]\nFolder=%s\n' "$card" >>"$ini"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display: the player needs an X or Wayland desktop." >&2
    echo "To run it on a virtual screen:  xvfb-run -a -s '-screen 0 1920x1080x24' bash scripts/run.sh" >&2
    exit 1
fi

echo "Sample card: $card (OPEN, Folder, OK)"
# As root Qt WebEngine runs only without its sandbox; the player sets that itself as well.
[ "$(id -u)" -ne 0 ] || export QTWEBENGINE_DISABLE_SANDBOX=1
# A file or folder to open is named from where the script was started, not from the player's folder.
args=()
for a in "$@"; do
    if [ -e "$a" ]; then args+=("$(realpath "$a")"); else args+=("$a"); fi
done
cd "$run"
exec "$build/src/mainwindow/orvan-player" "${args[@]}"
