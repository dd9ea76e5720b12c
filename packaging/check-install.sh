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
grep -qx 'Exec=korvanta %f' "$entry" || fail "the desktop entry does not start korvanta with the file opened"
grep -qx 'Icon=korvanta' "$entry" || fail "the desktop entry does not name the icon"
grep -qx 'MimeType=application/x-korvanta-pair;' "$entry" || fail "the desktop entry does not list the pair files"

# The media type of the pair files: declared for the shared MIME database, and, where its tools are
# at hand, recognised by the desktop from the installed tree.
mime=$prefix/share/mime/packages/korvanta-pair.xml
[[ -f $mime ]] || fail "share/mime/packages/korvanta-pair.xml is not installed"
if command -v update-mime-database >/dev/null && command -v update-desktop-database >/dev/null &&
  command -v gio >/dev/null; then
  # The scratch tree's share/ as the user's data folder, with what the triggers of shared-mime-info
  # and desktop-file-utils build there on installation; GLib then takes the type from the name and
  # offers the entry (whose program must be on the PATH) to open it.
  data=$prefix/share
  mkdir -p "$prefix/xdg-config"
  desktop() {
    env -u XDG_DATA_DIRS -u XDG_CONFIG_DIRS XDG_DATA_HOME="$data" XDG_CONFIG_HOME="$prefix/xdg-config" \
      PATH="$prefix/bin:$PATH" GIO_USE_VFS=local LC_ALL=C "$@"
  }
  desktop update-mime-database "$data/mime" 2>"$prefix/update-mime-database.log" ||
    fail "update-mime-database refuses the media type: $(cat "$prefix/update-mime-database.log")"
  [[ ! -s $prefix/update-mime-database.log ]] ||
    fail "update-mime-database warns of the media type: $(cat "$prefix/update-mime-database.log")"
  type=$data/mime/application/x-korvanta-pair.xml
  [[ -f $type ]] || fail "the MIME database does not hold application/x-korvanta-pair"
  grep -q '<sub-class-of type="application/json"/>' "$type" || fail "a pair file is not a kind of JSON"
  grep -q '<comment>Korvanta gear pair</comment>' "$type" || fail "the media type has another comment"
  grep -q '<glob pattern="\*\.korvanta"/>' "$type" || fail "the media type does not take *.korvanta"
  desktop update-desktop-database "$data/applications" || fail "update-desktop-database refuses the desktop entry"
  printf '{}\n' >"$prefix/x.korvanta"
  recognised=$(desktop gio info --attributes=standard::content-type "$prefix/x.korvanta" |
    sed -n 's/^ *standard::content-type: //p')
  [[ $recognised == application/x-korvanta-pair ]] ||
    fail "x.korvanta is recognised as \"$recognised\", not application/x-korvanta-pair"
  opener=$(desktop gio mime application/x-korvanta-pair 2>&1) || true
  grep -q '^Default application for .*: korvanta\.desktop$' <<<"$opener" ||
    fail "the desktop does not open a pair file with korvanta: $opener"
else
  echo "update-mime-database, update-desktop-database or gio is missing: x.korvanta is not tried"
fi

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
