#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need.
# Only packages that are missing are installed; sudo is used when not root.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-private-dev qt6-multimedia-dev qt6-qpa-plugins
  libqt6svg6
  libgl-dev libxkbcommon-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation2 fonts-dancingscript
  poppler-utils qpdf imagemagick
  libpolyclipping-dev libdxflib-dev python3-ezdxf python3-shapely librsvg2-bin
  xvfb xauth xdotool x11-utils
  clang libclang-rt-14-dev
  librsvg2-bin dpkg-dev fakeroot file desktop-file-utils appstream lintian help2man
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
