#!/usr/bin/env bash
# CI: the Debian package. Builds it from the test build, checks its files
# with the desktop's own validators and with lintian (pedantic; warnings
# fail too, and so does a program without hardening), checks what the
# package says of itself, unpacks it into a temporary root and starts the
# program from there on Xvfb (its engine library and font viewer must be
# found in the private folder), then, where allowed, installs and removes it.
set -euo pipefail
cd "$(dirname "$0")/../.."

fail() {
  echo "package: $*" >&2
  exit 1
}

cmake --build build -j2 --target package
deb=$(ls build/fretcard_*.deb | head -n 1)

root=$(mktemp -d)
trap 'chmod -R u+w "$root"; rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop_entry="$root/usr/share/applications/com.kerfhaven.fretcard.desktop"
metainfo="$root/usr/share/metainfo/com.kerfhaven.fretcard.metainfo.xml"
desktop-file-validate "$desktop_entry"
appstreamcli validate --no-net "$metainfo"
lintian --pedantic --fail-on error,warning,pedantic "$deb"
# Hardening as lintian reads it from every program and library: position-
# independent, relro with bindnow, and fortified libc calls.
lintian --display-info --fail-on error,warning,info \
  --tags hardening-no-pie,hardening-no-relro,hardening-no-bindnow,hardening-no-fortify-functions "$deb"

# What the package says of itself: the descriptions tell of the cut lines
# and the exporter, the changelog of what the release holds, and the
# copyright file is machine-readable.
description=$(dpkg-deb -f "$deb" Description)
for words in "cut lines" SVG DXF fretcard-export; do
  grep -qF "$words" <<<"$description" || fail "the package's description never says '$words'"
  grep -qF "$words" "$metainfo" || fail "the AppStream description never says '$words'"
done
grep -qF "<binary>fretcard-export</binary>" "$metainfo" || fail "AppStream does not provide fretcard-export"
changelog=$(zcat "$root/usr/share/doc/fretcard/changelog.gz")
for words in "Export BMP" "Export PDF" "Pattern files" "Cut Lines" "Stencil Bridges" "Fragile Spots" fretcard-export; do
  grep -qF "$words" <<<"$changelog" || fail "the changelog never mentions '$words'"
done
head -n 1 "$root/usr/share/doc/fretcard/copyright" |
  grep -qxF "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
  fail "the copyright file is not in the machine-readable format"

# Only the programs users start are on the search path.
[ -x "$root/usr/lib/fretcard/fontviewer" ] || fail "no font viewer in /usr/lib/fretcard"
[ "$(ls "$root/usr/bin")" = "$(printf 'fretcard\nfretcard-export')" ] ||
  fail "/usr/bin holds $(ls "$root/usr/bin" | tr '\n' ' ')"

# Installed programs live in a folder the user cannot write to: the
# snapshot and dialog folder falls back to the per-user folder.
chmod -R a-w "$root/usr/bin"
export HOME="$root/home"
mkdir -p "$HOME"
xvfb() { xvfb-run -a -s "-screen 0 1280x1024x24" bash "$@"; }
for smoke in smoke_fretcard.sh smoke_open_missing.sh; do
  xvfb "tests/app/$smoke" "$root/usr/bin/fretcard"
done
xvfb tests/app/smoke_font_viewer.sh "$root/usr/bin/fretcard" "$root/usr/lib/fretcard/fontviewer"

# The exporter runs from the unpacked files with no display at all.
env -u DISPLAY "$root/usr/bin/fretcard-export" --text "Test" --format svg --output "$HOME/test.svg"
[ -s "$HOME/test.svg" ] || fail "the installed exporter wrote nothing"

# Where installing system-wide is fine (a CI machine running as root),
# install and remove the package too. Root may write to /usr/bin, yet the
# program keeps its snapshot in the per-user folder.
if [ "$(id -u)" -eq 0 ] && ! dpkg-query -W fretcard >/dev/null 2>&1; then
  installed_ok=true
  dpkg -i "$deb" &&
    xvfb tests/app/smoke_fretcard.sh /usr/bin/fretcard &&
    xvfb tests/app/smoke_font_viewer.sh /usr/bin/fretcard /usr/lib/fretcard/fontviewer &&
    xvfb tests/app/smoke_snapshot_folder.sh /usr/bin/fretcard \
      "${XDG_DATA_HOME:-$HOME/.local/share}/Kerfhaven Fretcard Printer" || installed_ok=false
  dpkg -r fretcard
  $installed_ok || fail "the package did not install, or the installed program failed its smoke tests"
  for left in /usr/bin/fretcard /usr/bin/xyz.bmp /usr/lib/fretcard; do
    [ ! -e "$left" ] || fail "$left left after removal"
  done
fi
echo "package: $deb built, validated, and started from its files"
