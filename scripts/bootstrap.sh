#!/usr/bin/env bash
# Installs every Debian package the project builds, tests and runs with. Safe to run again: it
# installs only what is missing. Uses sudo only when not root.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config clang git
  # windows, dialogs, pictures, OpenGL widget, database driver
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6opengl6-dev libqt6sql6-ibase
  # OpenGL loading, maths, meshes, fonts
  libepoxy-dev libgl-dev libegl-dev libglm-dev libassimp-dev libfreetype-dev libfontconfig-dev fonts-dejavu-core
  # Firebird, embedded engine and tools
  firebird3.0-server-core firebird3.0-utils libfbclient2 firebird-dev
  # recording
  libavformat-dev libavcodec-dev libavutil-dev libswscale-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # headless GL and real windows in tests
  libegl-mesa0 libgl1-mesa-dri xvfb xauth
  # outside yardsticks, later imports and live data
  libgdal-dev libnanoflann-dev libgps-dev gpsd gpsd-clients qt6-websockets-dev
  # a comma-decimal locale, for the tests that prove number texts ignore the locale
  locales
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

if [ ${#missing[@]} -eq 0 ]; then
  echo "bootstrap: all ${#packages[@]} packages present"
else
  echo "bootstrap: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "bootstrap: generating the de_DE.UTF-8 locale"
  $sudo localedef -i de_DE -c -f UTF-8 de_DE.UTF-8
fi
