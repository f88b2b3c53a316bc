#!/usr/bin/env bash
# Installs what Pilo needs to build, run and test on Debian 12 (run as root).
# Does nothing when everything is there already.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-multimedia-dev
  qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite
  qt6-translations-l10n qt6-l10n-tools qt6-image-formats-plugins libgl-dev libx11-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-liberation fonts-dejavu-core fonts-comic-neue
  xvfb xauth x11-utils xdotool imagemagick openbox
  qt6-wayland weston libweston-10-dev dbus at-spi2-core
  desktop-file-utils appstream dpkg-dev file lintian mandoc man-db bsdextrautils locales
  poppler-utils
  qt6-speech-dev qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng
  qt6-declarative-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
