#!/usr/bin/env bash
# The install as a Linux desktop expects it: the tree `cmake --install` makes under a scratch DESTDIR, the
# Debian package cpack makes from the same build, the desktop entry, AppStream data and manual pages as
# their own validators see them, and the installed orvan-telemetry on a sample card.
# Usage: packaging_test.sh BUILD_DIR SCRATCH_DIR SAMPLE_CARD_TOOL
set -u
build=$1
scratch=$2
card_tool=$3
start=$SECONDS

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Every file the install holds, and nothing else: a stray install rule (a test program, a build tool) shows.
expected=$(sort <<'LIST'
usr/bin/orvan-player
usr/bin/orvan-telemetry
usr/share/applications/org.orvan.Player.desktop
usr/share/icons/hicolor/128x128/apps/org.orvan.Player.png
usr/share/icons/hicolor/256x256/apps/org.orvan.Player.png
usr/share/icons/hicolor/48x48/apps/org.orvan.Player.png
usr/share/icons/hicolor/scalable/apps/org.orvan.Player.svg
usr/share/man/man1/orvan-player.1.gz
usr/share/man/man1/orvan-telemetry.1.gz
usr/share/metainfo/org.orvan.Player.metainfo.xml
LIST
)

root=$scratch/root
rm -rf "$root" "$scratch/deb"
mkdir -p "$root"
if ! DESTDIR=$root cmake --install "$build" --prefix /usr >"$scratch/install.log" 2>&1; then
    cat "$scratch/install.log" >&2
    fail "cmake --install failed"
fi
installed=$(cd "$root" && find . -type f -printf '%P\n' | sort)
if [ "$installed" != "$expected" ]; then
    fail "the installed tree differs from the expected file list:"
    diff <(echo "$expected") <(echo "$installed") >&2
fi
for f in $expected; do
    [ -s "$root/$f" ] || fail "$f is missing or empty"
done
for program in orvan-player orvan-telemetry; do
    [ -x "$root/usr/bin/$program" ] || fail "usr/bin/$program is not executable"
done

# The PNG renderings are real images of their folder's size.
for size in 48 128 256; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/org.orvan.Player.png
    [ -f "$png" ] || continue
    file -b "$png" | grep -q "^PNG image data, $size x $size, 8-bit/color RGBA" ||
        fail "${size}x${size} icon: $(file -b "$png")"
done

# Desktop entry and AppStream data: their own validators, and the names that tie them to each other and to
# the files installed.
desktop=$root/usr/share/applications/org.orvan.Player.desktop
metainfo=$root/usr/share/metainfo/org.orvan.Player.metainfo.xml
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" >&2 || fail "desktop-file-validate"
    entry() { sed -n "s/^$1=//p" "$desktop"; }
    exec_program=$(entry Exec | cut -d' ' -f1)
    [ -x "$root/usr/bin/$exec_program" ] || fail "Exec names '$exec_program', not an installed program"
    icon=$(entry Icon)
    for file in scalable/apps/$icon.svg 48x48/apps/$icon.png 128x128/apps/$icon.png 256x256/apps/$icon.png; do
        [ -f "$root/usr/share/icons/hicolor/$file" ] || fail "Icon=$icon has no hicolor/$file"
    done
fi
# validate-tree also fails when the metadata's launchable names no installed desktop entry.
[ -f "$metainfo" ] && { appstreamcli validate-tree --no-net "$root" >&2 || fail "appstreamcli validate-tree"; }

# Manual pages: each renders at 80 columns without a warning from man or groff.
export MAN_DISABLE_SECCOMP=1  # man's sandbox is refused in some containers; the pages are our own
for page in "$root"/usr/share/man/man1/*.1.gz; do
    name=$(basename "$page")
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >"$scratch/$name.txt") || fail "man -l $name failed"
    [ -z "$warnings" ] || fail "man --warnings -l $name: $warnings"
    warnings=$(zcat "$page" | groff -ww -z -man 2>&1)
    [ -z "$warnings" ] || fail "groff -ww $name: $warnings"
    grep -q '^NAME' "$scratch/$name.txt" || fail "$name renders without a NAME section"
done

# The installed orvan-telemetry on a sample card (kept between runs: its maker reuses a complete card).
telemetry=$root/usr/bin/orvan-telemetry
card=$scratch/card
"$card_tool" "$card" 2>/dev/null || fail "the sample card could not be made"
scan=$("$telemetry" scan "$card") || fail "orvan-telemetry scan exited with $?"
grep -q '"recordings":\[{' <<<"$scan" || fail "scan of the sample card lists no recordings: ${scan:0:200}"
grep -q '"name":"[^"]*F\.mp4"' <<<"$scan" || fail "scan of the sample card lists no front MP4 recording"

# The manual names every subcommand the program knows and every field it prints.
telemetry_page=$scratch/orvan-telemetry.1.gz.txt
telemetry_roff=$(zcat "$root/usr/share/man/man1/orvan-telemetry.1.gz" 2>/dev/null)
for command in $("$telemetry" 2>&1 | sed -n 's/^.*orvan-telemetry \([a-z]*\) .*/\1/p'); do
    grep -qE "^ {7}$command( |$)" "$telemetry_page" || fail "the manual has no entry for '$command'"
done
recording=$(find "$card" -name '*F.mp4' | sort | head -n 1)
fields=$({ echo "$scan"; "$telemetry" info "$recording"; "$telemetry" track "$recording" | head -n 1; } |
    grep -oE '"[A-Za-z]+":' | tr -d '":' | sort -u)
[ -n "$fields" ] || fail "no fields printed for $recording"
for field in $fields; do
    grep -qw -- "$field" <<<"$telemetry_roff" || fail "the manual does not mention the field '$field'"
done

# The Debian package, made by cpack from the same build: its control fields, and the same files as the
# install, owned by root, programs executable and stripped.
if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" >"$scratch/cpack.log" 2>&1; then
    cat "$scratch/cpack.log" >&2
    fail "cpack -G DEB failed"
fi
deb=$(find "$scratch/deb" -maxdepth 1 -name 'orvan-player_*.deb' | head -n 1)
if [ -z "$deb" ]; then
    fail "cpack made no orvan-player_*.deb"
else
    [ "$(dpkg-deb -f "$deb" Package)" = orvan-player ] || fail "Package: $(dpkg-deb -f "$deb" Package)"
    [ "$(dpkg-deb -f "$deb" Section)" = video ] || fail "Section: $(dpkg-deb -f "$deb" Section)"
    [ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "no Maintainer"
    dpkg-deb -f "$deb" Description | grep -q . || fail "no Description"
    depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//' | sort -u)
    # Loaded at run time, so named by hand; libc6 and Qt come from dpkg-shlibdeps.
    for package in libvlc5 vlc-plugin-base vlc-plugin-video-output libvlc-bin fonts-dejavu-core \
        libgl1-mesa-dri libc6 libqt6widgets6 libqt6webenginewidgets6 libavformat59; do
        grep -qx "$package" <<<"$depends" || fail "Depends lacks $package: $(dpkg-deb -f "$deb" Depends)"
    done
    contents=$(dpkg-deb -c "$deb")
    packaged=$(awk '$1 ~ /^-/ { sub(/^\.\//, "", $6); print $6 }' <<<"$contents" | sort)
    if [ "$packaged" != "$expected" ]; then
        fail "the package's files differ from the expected file list:"
        diff <(echo "$expected") <(echo "$packaged") >&2
    fi
    awk '$2 != "root/root" { print }' <<<"$contents" | grep -q . && fail "files not owned by root: $contents"
    dpkg-deb -x "$deb" "$scratch/deb/files"
    for program in orvan-player orvan-telemetry; do
        grep -qE "^-rwxr-xr-x .* \./usr/bin/$program$" <<<"$contents" || fail "usr/bin/$program mode"
        file -b "$scratch/deb/files/usr/bin/$program" | grep -q ', stripped' ||
            fail "usr/bin/$program is not stripped in the package"
    done
fi

echo "packaging test: $((SECONDS - start)) s, $failures failure(s)"
[ "$failures" -eq 0 ]
