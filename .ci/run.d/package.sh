#!/usr/bin/env bash
# CI: the Debian package. Builds it from the test build, checks its files
# with the desktop's own validators and lintian, unpacks it into a temporary
# root and starts the program from there on Xvfb (its engine library must be
# found in the private folder, so the window opens without the engine box).
set -euo pipefail
cd "$(dirname "$0")/../.."

cmake --build build -j2 --target package
deb=$(ls build/fretcard_*.deb | head -n 1)

root=$(mktemp -d)
trap 'chmod -R u+w "$root"; rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
# Warnings fail too, but for the ldconfig calls CPack writes because the
# engine's private library sits under /usr/lib.
lintian --fail-on error,warning --suppress-tags maintscript-calls-ldconfig "$deb"

# Installed programs live in a folder the user cannot write to: the
# snapshot and dialog folder falls back to the per-user folder.
chmod -R a-w "$root/usr/bin"
export HOME="$root/home"
mkdir -p "$HOME"
for smoke in smoke_fretcard.sh smoke_open_missing.sh; do
  xvfb-run -a -s "-screen 0 1280x1024x24" bash "tests/app/$smoke" "$root/usr/bin/fretcard"
done

# The exporter runs from the unpacked files with no display at all.
env -u DISPLAY "$root/usr/bin/fretcard-export" --text "Test" --format svg --output "$HOME/test.svg"
[ -s "$HOME/test.svg" ] || { echo "package: the installed exporter wrote nothing" >&2; exit 1; }

# Where installing system-wide is fine (a CI machine running as root),
# install and remove the package too.
if [ "$(id -u)" -eq 0 ] && ! dpkg-query -W fretcard >/dev/null 2>&1; then
  dpkg -i "$deb"
  xvfb-run -a -s "-screen 0 1280x1024x24" bash tests/app/smoke_fretcard.sh /usr/bin/fretcard
  dpkg -r fretcard
  [ ! -e /usr/bin/fretcard ] || { echo "package: /usr/bin/fretcard left after removal" >&2; exit 1; }
fi
echo "package: $deb built, validated, and started from its files"
