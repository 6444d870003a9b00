#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Flarewick needs.
# Idempotent: does nothing when all packages and locales are present, and
# refreshes the package lists only when something has to be installed.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config ninja-build
  libwxgtk3.2-dev libwxgtk-webview3.2-dev libgtk-3-dev
  libjsoncpp-dev libglew-dev libx11-dev libgl-dev
  libpng-dev libjpeg-dev zlib1g-dev libtinyxml2-dev libcurl4-openssl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth libgl1-mesa-dri libglx-mesa0 mesa-utils
  x11-utils x11-apps xdotool imagemagick
  desktop-file-utils appstream man-db groff-base gettext
  python3
  locales
  libegl-dev libegl-mesa0
  flatbuffers-compiler libflatbuffers-dev libfreetype-dev fonts-dejavu-core
  fonts-wqy-microhei
  libgif-dev webp python3-pil
)

missing=()
for p in "${PACKAGES[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

SUDO=""
if [[ $(id -u) -ne 0 ]]; then SUDO="sudo"; fi

if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}" </dev/null
fi

# The tests save and load plists under a comma locale as well as under C.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  echo "Generating the locale de_DE.UTF-8"
  # Listed in locale.gen too, so that a later locale-gen run keeps it.
  if ! grep -qx 'de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  fi
  $SUDO locale-gen
fi
