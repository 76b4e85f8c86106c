#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test. This is what CI runs.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/check-format.sh"
"$top/scripts/check-layers.sh"
"$top/scripts/build.sh"
build=${ORVAN_BUILD_DIR:-$top/build}
# One X server for the tests that need a real window; the others choose the offscreen platform themselves.
cd "$build"
xvfb-run -a -s "-screen 0 1920x1080x24" ctest --output-on-failure -j2 --timeout 600
