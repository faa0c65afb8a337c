#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root, checks its files and starts the
# installed program on the offscreen platform.
# Usage: package_test.sh BUILD-DIR
set -euo pipefail
build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/varnel_*_amd64.deb)
echo "package: $(basename "$deb")"
[[ "$(basename "$deb")" =~ ^varnel_[0-9]+\.[0-9]+\.[0-9]+_amd64\.deb$ ]]

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 fonts-noto-cjk; do
    grep -q "$needed" <<<"$depends" || { echo "missing dependency $needed"; exit 1; }
done

# Debian's own checker finds nothing to warn about, let alone an error.
if ! lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1; then
    grep -v 'running with root privileges' "$work/lintian"
    echo "lintian found errors or warnings"
    exit 1
fi

root="$work/root"
dpkg -x "$deb" "$root"
test -x "$root/usr/bin/varnel"
desktop="$root/usr/share/applications/varnel.desktop"
desktop-file-validate "$desktop"
grep -qx 'Name=Varnel' "$desktop"
grep -q '^Name\[zh_CN\]=' "$desktop"
grep -q '^Comment=' "$desktop"
grep -qx 'Categories=Office;' "$desktop"
for size in 16 24 32 48 64 128 256; do
    test -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/varnel.png"
done
test -s "$root/usr/share/icons/hicolor/scalable/apps/varnel.svg"
grep -qx 'License: GPL-3.0-or-later' "$root/usr/share/doc/varnel/copyright"
zcat "$root/usr/share/doc/varnel/changelog.gz" | head -n 1 | grep -q "^varnel ($(dpkg-deb -f "$deb" Version))"
zcat "$root/usr/share/man/man1/varnel.1.gz" | grep -q '^\.SH KEYBOARD'

# The installed program starts and keeps running until it is ended.
QT_QPA_PLATFORM=offscreen "$root/usr/bin/varnel" 2>"$work/stderr" &
program=$!
sleep 3
if ! kill -0 "$program" 2>/dev/null; then
    wait "$program" || true
    echo "the installed program ended by itself"; cat "$work/stderr"; exit 1
fi
kill "$program"
wait "$program" 2>/dev/null || true
echo "1 passed, 0 failed"
