#!/usr/bin/env bash
# Builds the two Debian packages of a build folder and checks what each holds and needs, that lintian
# finds neither errors nor warnings in them and that the AppStream file is valid.
# Usage: check-packages.sh <build> <version>
set -euo pipefail

build=$(cd "$1" && pwd)
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
  fail "cpack could not build the packages: $(tail -n 20 "$work/cpack.log")"
architecture=$(dpkg --print-architecture)
calc=$work/korvanta-calc_${version}_${architecture}.deb
desktop=$work/korvanta_${version}_${architecture}.deb
[[ -f $calc && -f $desktop ]] || fail "cpack did not write both packages: $(ls "$work")"

# The files of a package, sorted, without the folders.
files() { dpkg-deb --contents "$1" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./|/|' | sort; }
expect_files() {
  local package=$1
  shift
  diff <(printf '%s\n' "$@" | sort) <(files "$package") >"$work/files.diff" ||
    fail "$(basename "$package") holds other files than expected (< missing, > unexpected):
$(cat "$work/files.diff")"
}
field() { dpkg-deb --field "$1" "$2"; }

expect_files "$calc" /usr/bin/korvanta-calc /usr/share/man/man1/korvanta-calc.1.gz \
  /usr/share/doc/korvanta-calc/copyright /usr/share/doc/korvanta-calc/changelog.gz
icons=()
for size in 16 22 24 32 48 64 128 256; do
  icons+=("/usr/share/icons/hicolor/${size}x${size}/apps/korvanta.png")
done
expect_files "$desktop" /usr/bin/korvanta /usr/share/man/man1/korvanta.1.gz \
  /usr/share/applications/korvanta.desktop /usr/share/metainfo/example.korvanta.korvanta.metainfo.xml \
  /usr/share/mime/packages/korvanta-pair.xml \
  "${icons[@]}" /usr/share/doc/korvanta/copyright /usr/share/doc/korvanta/changelog.gz

for package in "$calc" "$desktop"; do
  name=$(basename "$package")
  [[ $(field "$package" Version) == "$version" ]] || fail "$name has version $(field "$package" Version), not $version"
  description=$(field "$package" Description)
  [[ $description != *";"* ]] || fail "the description of $name holds a semicolon"
  awk 'length > 80 { exit 1 }' <<<"$description" || fail "a description line of $name is longer than 80 characters"
done

# The command alone needs the C++ runtime and no Qt, no fonts; the windows need Qt, its platform
# plugins and the fonts, and recommend xdg-utils for the web site.
calc_depends=$(field "$calc" Depends)
[[ $calc_depends == *libstdc++6* ]] || fail "korvanta-calc does not depend on the C++ runtime: $calc_depends"
[[ $calc_depends != *qt* && $calc_depends != *Qt* && $calc_depends != *fonts* ]] ||
  fail "korvanta-calc depends on Qt or fonts: $calc_depends"
desktop_depends=$(field "$desktop" Depends)
for needed in libqt6widgets6 libqt6printsupport6 libqt6svg6 qt6-qpa-plugins fonts-liberation; do
  [[ $desktop_depends == *"$needed"* ]] || fail "korvanta does not depend on $needed: $desktop_depends"
done
[[ $(field "$desktop" Recommends) == *xdg-utils* ]] || fail "korvanta does not recommend xdg-utils"

# Neither package runs scripts of its own: the triggers of shared-mime-info, desktop-file-utils and
# the hicolor icon theme update the desktop's databases for the media type, the entry and the icons.
for package in "$calc" "$desktop"; do
  scripts=$(dpkg-deb --ctrl-tarfile "$package" | tar -t | sed 's|^\./||' | grep -Ev '^(|control|md5sums)$' || true)
  [[ -z $scripts ]] || fail "$(basename "$package") carries control files beside control and md5sums: $scripts"
done

# The packaged programs answer with their version.
dpkg-deb --extract "$calc" "$work/calc-tree"
dpkg-deb --extract "$desktop" "$work/desktop-tree"
[[ $("$work/calc-tree/usr/bin/korvanta-calc" --version) == "korvanta-calc $version" ]] ||
  fail "the packaged korvanta-calc does not show version $version"
[[ $(env -u DISPLAY -u WAYLAND_DISPLAY "$work/desktop-tree/usr/bin/korvanta" --version) == "korvanta $version" ]] ||
  fail "the packaged korvanta does not show version $version"

appstreamcli validate --no-net "$work/desktop-tree/usr/share/metainfo/example.korvanta.korvanta.metainfo.xml" ||
  fail "the AppStream file is not valid"

lintian --fail-on error,warning "$calc" "$desktop" >"$work/lintian.log" 2>&1 ||
  fail "lintian reports errors or warnings: $(cat "$work/lintian.log")"
echo "lintian (no errors, no warnings):"
cat "$work/lintian.log"
echo "both packages complete: $(basename "$calc") $(basename "$desktop")"
