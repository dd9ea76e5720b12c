#!/usr/bin/env bash
# Installs the Debian packages that building and testing Korvanta need, when any is missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  desktop-file-utils dpkg-dev
  fonts-liberation
  xvfb xauth xdotool x11-utils imagemagick locales openbox
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  run_as_root=()
  if [[ $(id -u) -ne 0 ]]; then
    run_as_root=(sudo)
  fi
  "${run_as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${run_as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
