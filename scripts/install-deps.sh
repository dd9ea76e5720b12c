#!/usr/bin/env bash
# Installs the Debian packages Korvanta needs, when any is missing: `program` (default) those that
# build and run the two programs, `test` those as well that the tests, the benchmark and the Debian
# packages need. Asks sudo for the installation when not run as root.
set -euo pipefail

set_name=${1:-program}

program_packages=(
  g++ lld cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev libgl-dev qt6-qpa-plugins nlohmann-json3-dev
  fonts-liberation
)
test_packages=(
  "${program_packages[@]}"
  libgtest-dev libgmock-dev libbenchmark-dev
  desktop-file-utils shared-mime-info libglib2.0-bin dpkg-dev file lintian appstream parallel
  xvfb xauth xdotool x11-utils xclip imagemagick locales openbox poppler-utils
)

case $set_name in
program) packages=("${program_packages[@]}") ;;
test) packages=("${test_packages[@]}") ;;
*)
  echo "usage: install-deps.sh [program|test]" >&2
  exit 2
  ;;
esac

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
    command -v sudo >/dev/null || {
      echo "install-deps.sh: these packages are missing and sudo is not installed; as root run:" >&2
      echo "  apt-get install ${missing[*]}" >&2
      exit 1
    }
    run_as_root=(sudo)
  fi
  "${run_as_root[@]}" apt-get update -qq
  "${run_as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
