#!/usr/bin/env bash
# Installs every Debian package the project needs that is not installed yet. Idempotent; quick when all
# is there. Usage: scripts/setup.sh [extra-list-file...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
lists=("$here/packages.txt" "$@")
wanted=$(grep -hvE '^\s*(#|$)' "${lists[@]}" | sort -u)
missing=()
for p in $wanted; do
    if [ "$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null)" != "installed" ]; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
