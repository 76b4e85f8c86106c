#!/usr/bin/env bash
# Installs what is missing, builds, makes the sample card and shows what the player reads from it: the
# recordings, their groups and the file-list rows, as JSON.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
build=${ORVAN_BUILD_DIR:-$top/build}
card="$build/sample-card"
"$build/tools/sample-card/orvan-sample-card" "$card"
"$build/tools/orvan-telemetry/orvan-telemetry" scan "$card"
