#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Kestrel Browser needs.
# Safe to run again: packages already installed are skipped.
#   scripts/setup.sh fuzz   also installs what the fuzz targets need (clang and its libFuzzer).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libqt6sql6-sqlite qt6-declarative-dev qt6-webengine-dev qt6-webengine-dev-tools qt6-webchannel-dev libgl-dev
  libhunspell-dev hunspell-en-us hunspell-en-gb
  xvfb xauth xdotool openbox imagemagick fonts-dejavu-core
  xdg-utils libglib2.0-bin
  python3
)
if [ "${1:-}" = fuzz ]; then
  packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "setup: installing ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
