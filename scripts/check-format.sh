#!/usr/bin/env bash
# Fails when a tracked C++ source differs from the committed .clang-format; lists the files and the fix.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bad=()
while IFS= read -r f; do
    if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then
        bad+=("$f")
    fi
done < <(git ls-files '*.cpp' '*.h' '*.inc')
if [ ${#bad[@]} -gt 0 ]; then
    echo "Not formatted with .clang-format (run: clang-format -i FILE...):" >&2
    printf '  %s\n' "${bad[@]}" >&2
    exit 1
fi
