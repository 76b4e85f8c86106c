#!/usr/bin/env bash
# Configures and builds the project into build/ (or $ORVAN_BUILD_DIR). Extra arguments go to cmake.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVAN_BUILD_DIR:-$top/build}
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j"${ORVAN_JOBS:-2}"
