#!/usr/bin/env bash
# Fails when a lower layer of src/ includes a higher one (docs/architecture.md lists the layers). A file of
# src/app or src/library that includes a Qt header belongs to the GUI layer (the Qt halves of those folders).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

folder_layer() {
    case "$1" in
        fileio) echo 0 ;;
        telemetry) echo 1 ;;
        library | export) echo 2 ;;
        app) echo 3 ;;
        playback) echo 4 ;;
        mainwindow | controls | map) echo 5 ;;
        *) echo "" ;;
    esac
}

# The layer of a file under src/, or nothing for files outside the layers.
file_layer() {
    local rel=${1#src/}
    local layer
    layer=$(folder_layer "${rel%%/*}")
    if { [ "$layer" = 2 ] || [ "$layer" = 3 ]; } && [ -f "$1" ] && grep -qE '^#include <Q' "$1"; then layer=5; fi
    echo "$layer"
}

status=0
while IFS= read -r file; do
    own=$(file_layer "$file")
    [ -n "$own" ] || continue
    while IFS= read -r inc; do
        theirs=$(file_layer "src/$inc")
        [ -n "$theirs" ] || continue
        if [ "$theirs" -gt "$own" ]; then
            echo "$file (layer $own) includes \"$inc\" (layer $theirs)"
            status=1
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([a-z]*\/[^"]*\)".*/\1/p' "$file")
done < <(find src -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.inc' \) | sort)
[ $status -eq 0 ] || echo "check-layers: a lower layer includes a higher one" >&2
exit $status
