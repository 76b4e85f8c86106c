#!/usr/bin/env bash
# Installs what is missing, builds with the install prefix /usr and makes the Debian package
# orvan-player_VERSION_ARCH.deb in build/package/ (or $ORVAN_BUILD_DIR/package/); prints its path, and only
# that, on standard output.
# Extra arguments go to cmake: with ORVAN_BUILD_DIR=build-package, -DORVAN_BUILD_TESTS=OFF
# -DORVAN_BUILD_BENCH=OFF builds the package in a folder of its own without the tests and benchmarks.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVAN_BUILD_DIR:-$top/build}
"$top/scripts/setup.sh" >&2
"$top/scripts/build.sh" -DCMAKE_INSTALL_PREFIX=/usr "$@" >&2
out="$build/package"
rm -f "$out"/orvan-player_*.deb
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out.log" 2>&1 || {
    cat "$out.log" >&2
    exit 1
}
rm -rf "$out/_CPack_Packages"
ls "$out"/orvan-player_*.deb
