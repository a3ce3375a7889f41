#!/usr/bin/env bash
# Installs a built tree into a temporary prefix and checks that every file a
# desktop needs is there and passes its validator: check-install.sh BUILD_DIR.
set -euo pipefail
build=${1:?"build folder"}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.quorinlevelmaker.QuorinLevelMaker
expected=(
    bin/QuorinLevelMaker
    share/applications/$id.desktop
    share/metainfo/$id.metainfo.xml
    share/man/man1/QuorinLevelMaker.1
    share/doc/QuorinLevelMaker/licenses/dingbat-to-unicode.txt
)
for size in 16 24 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
status=0
for file in "${expected[@]}"; do
    [ -f "$prefix/$file" ] || { echo "not installed: $file" >&2; status=1; }
done
for size in 16 24 32 48 64 128 256; do
    actual=$(identify -format '%wx%h' "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" 2>/dev/null || true)
    [ "$actual" = "${size}x${size}" ] || { echo "icon ${size}x${size} is $actual" >&2; status=1; }
done
desktop-file-validate "$prefix/share/applications/$id.desktop" || status=1
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null || {
    appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" >&2; status=1; }
man --warnings -l "$prefix/share/man/man1/QuorinLevelMaker.1" >/dev/null 2>"$prefix/man-warnings" || status=1
[ -s "$prefix/man-warnings" ] && { cat "$prefix/man-warnings" >&2; status=1; }
[ $status -eq 0 ] && echo "install check passed: ${#expected[@]} files, desktop entry and metainfo valid"
exit $status
