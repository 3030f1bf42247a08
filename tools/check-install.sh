#!/usr/bin/env bash
# Installs the built program into a scratch folder and checks what a desktop
# reads of it (desktop entry, AppStream metadata, help), then builds the
# Debian package and lists it. Argument: the build folder (default build).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

cmake --install "$build" --prefix "$stage/usr" >/dev/null
desktop-file-validate "$stage"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$stage"/usr/share/metainfo/*.metainfo.xml
test -x "$stage/usr/bin/tallimo"
test -f "$stage/usr/share/tallimo/aide/aide.xml"
test -f "$stage"/usr/share/icons/hicolor/scalable/apps/*.svg

rm -f "$build"/tallimo_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls "$build"/tallimo_*.deb)
contents=$(dpkg-deb -c "$package")
grep -q './usr/bin/tallimo$' <<<"$contents"
grep -q './usr/share/tallimo/aide/sommaire.html$' <<<"$contents"
grep -q './usr/share/applications/.*\.desktop$' <<<"$contents"
echo "Paquet : $package"
dpkg-deb -f "$package" Depends
