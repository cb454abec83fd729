#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need. Quiet and quick when
# everything is already there; uses sudo when not run as root.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  clang-14 libclang-rt-14-dev
  qt6-base-dev qt6-base-private-dev qt6-multimedia-dev qt6-svg-dev libgl1-mesa-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  espeak-ng sox
  kdegames-card-data-kf5 gnome-cards-data
  xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
