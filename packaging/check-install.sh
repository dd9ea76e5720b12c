#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop needs to show and start the
# program. Usage: check-install.sh <build folder> <icon size>...
set -euo pipefail

build=$1
shift
sizes=("$@")
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

for program in korvanta korvanta-calc; do
  [[ -x $prefix/bin/$program ]] || fail "bin/$program is not installed"
done

entry=$prefix/share/applications/korvanta.desktop
[[ -f $entry ]] || fail "share/applications/korvanta.desktop is not installed"
desktop-file-validate "$entry" || fail "the desktop entry is not valid"
grep -qx 'Exec=korvanta' "$entry" || fail "the desktop entry does not start korvanta"
grep -qx 'Icon=korvanta' "$entry" || fail "the desktop entry does not name the icon"

for size in "${sizes[@]}"; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/korvanta.png
  [[ -f $icon ]] || fail "icon ${size}x${size} is not installed"
  # PNG signature, then the IHDR width and height as 32-bit big-endian numbers.
  [[ $(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] || fail "$icon is not a PNG"
  width=$((16#$(od -An -tx1 -j16 -N4 "$icon" | tr -d ' \n')))
  height=$((16#$(od -An -tx1 -j20 -N4 "$icon" | tr -d ' \n')))
  [[ $width == "$size" && $height == "$size" ]] || fail "$icon is ${width}x${height}, not ${size}x${size}"
done

# The installed command runs on its own.
out=$("$prefix/bin/korvanta-calc" --nt1 20 --nt2 40 --dp 10)
grep -q 'Korvanta Output Data' <<<"$out" || fail "the installed korvanta-calc does not calculate"
echo "installed tree complete: $prefix"
