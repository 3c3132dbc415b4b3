#!/usr/bin/env bash
# Installs the build into a scratch prefix and packages it as a .deb, and
# checks both file lists, the desktop entry, the package's dependencies, that
# the installed program finds its data from another working directory and
# never writes into it (even as root, with the install writable), and that
# lintian, appstreamcli and mandoc find nothing in the package.
# Usage: check_install.sh <build folder>
# It works in a temporary folder of its own, removed when it ends.
set -uo pipefail
build=$1
scratch=$(mktemp -d "${TMPDIR:-/tmp}/zentory_install_check.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

for tool in lintian appstreamcli mandoc desktop-file-validate convert; do
  command -v "$tool" >/dev/null || fail "$tool is missing: scripts/setup installs it (scripts/debian-packages)"
done

id=org.zentory.Zentory
sizes="16 32 48 64 128 256"
expected="games/zentory
share/applications/$id.desktop
share/doc/zentory/changelog.Debian.gz
share/doc/zentory/copyright
share/icons/hicolor/scalable/apps/zentory.svg
share/lintian/overrides/zentory
share/locale/de/LC_MESSAGES/zentory.mo
share/locale/es/LC_MESSAGES/zentory.mo
share/locale/fr/LC_MESSAGES/zentory.mo
share/man/man6/zentory.6.gz
share/metainfo/$id.metainfo.xml
share/zentory/galaxies/COLONY.gly
share/zentory/galaxies/DOOR.gly
share/zentory/galaxies/GRAVITY CENTER.gly
share/zentory/galaxies/PARA.gly
share/zentory/galaxies/ROMAN.gly
share/zentory/music.lst
share/zentory/sounds.lst"
# Every file the lists name is shipped, and the manual where there is one.
src=$(cd "$(dirname "$0")/../.." && pwd)
for size in $sizes; do expected+=$'\n'"share/icons/hicolor/${size}x${size}/apps/zentory.png"; done
for f in $(awk 'NF>=3 {print $3}' "$src/data/sounds.lst") $(grep -v '^noMusic$' "$src/data/music.lst"); do
  expected+=$'\n'"share/zentory/$f"
done
[ -f "$src/data/manual.html" ] && expected+=$'\n'"share/zentory/manual.html"
if [ -d "$src/data/manual" ]; then
  while IFS= read -r f; do expected+=$'\n'"share/zentory/manual/$f"; done \
    < <(cd "$src/data/manual" && find . -type f ! -name '.*' | sed 's|^\./||')
fi
expected=$(printf '%s\n' "$expected" | LC_ALL=C sort -u)

prefix="$scratch/prefix"
cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1 || { cat "$scratch/install.log"; fail "cmake --install"; }
got=$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$got" = "$expected" ] || { diff <(echo "$expected") <(echo "$got"); fail "installed files differ (< expected, > installed)"; }
for size in $sizes; do
  head -c 24 "$prefix/share/icons/hicolor/${size}x${size}/apps/zentory.png" | od -An -tx1 | tr -d ' \n' |
    grep -q "^89504e470d0a1a0a0000000d49484452$(printf %08x "$size")" || fail "icon ${size} is not a ${size}-pixel PNG"
done
# Painted at its own size, the 256-pixel icon has edges a pixel wide: about 6 %
# of its visible pixels are partly transparent, against 44 % in the 64-pixel
# one enlarged.
soft=$(convert "$prefix/share/icons/hicolor/256x256/apps/zentory.png" -alpha extract -depth 8 gray:- | od -An -tu1 -v |
  awk '{for (i = 1; i <= NF; i++) if ($i == 255) solid++; else if ($i > 0) soft++} END {print int(100 * soft / (solid + soft))}')
[ "$soft" -le 15 ] || fail "the 256-pixel icon is blurred ($soft % of its pixels are soft edge)"
# The SVG is the design's 64-unit square, and complete.
svg="$prefix/share/icons/hicolor/scalable/apps/zentory.svg"
grep -q '<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">' "$svg" &&
  [ "$(tail -n 1 "$svg")" = "</svg>" ] || fail "the SVG icon is not the design's 64-unit square"
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop entry"
grep -qx 'Exec=zentory' "$prefix/share/applications/$id.desktop" || fail "desktop entry runs another program"

# Started from / it must enter share/zentory (the dummy driver keeps it off
# any screen; it runs until stopped), and the lock it takes at start-up on
# the save goes to the player's folder although the install is writable here.
(cd / && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$scratch/home" exec "$prefix/games/zentory") \
  >"$scratch/run.log" 2>&1 &
pid=$!
entered=""
for _ in $(seq 100); do
  entered=$(readlink "/proc/$pid/cwd" 2>/dev/null || true)
  [ "$entered" = "$prefix/share/zentory" ] && [ -f "$scratch/home/zentory/savegame.lock" ] && break
  sleep 0.1
done
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
[ "$entered" = "$prefix/share/zentory" ] || { cat "$scratch/run.log"; fail "installed program works in '$entered', not in its data folder"; }
after=$(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
[ "$after" = "$expected" ] || { diff <(echo "$expected") <(echo "$after"); fail "the installed program wrote into its install (as $(id -un))"; }
[ -f "$scratch/home/zentory/savegame.lock" ] || { cat "$scratch/run.log"; fail "no save lock in the player's folder"; }

# The .deb: same files under /usr, with the libraries' and the data's packages.
(cd "$build" && cpack -G DEB -B "$scratch/deb" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/deb/*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no .deb made"
debfiles=$(dpkg-deb -c "$deb" | grep -v '^d' | sed -E 's/^([^ ]+ +){5}//; s|^\./usr/||' | LC_ALL=C sort)
[ "$debfiles" = "$expected" ] || { diff <(echo "$expected") <(echo "$debfiles"); fail ".deb files differ"; }
depends=$(dpkg-deb -f "$deb" Depends)
for p in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libsdl2-ttf-2.0-0 libenet7 fonts-dejavu-core timgm6mb-soundfont; do
  [[ "$depends" == *"$p"* ]] || fail ".deb does not depend on $p: $depends"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = "xdg-utils" ] || fail ".deb does not recommend xdg-utils"
version=$(dpkg-parsechangelog -l "$src/packaging/changelog" -S Version)
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the .deb is not version $version of packaging/changelog"

# Debian's checks of the package, its AppStream data and its manual page;
# any finding fails (info-level notes are printed only).
unpacked="$scratch/unpacked"
dpkg-deb -x "$deb" "$unpacked"
lintian --fail-on error,warning --display-info --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1 ||
  { cat "$scratch/lintian.log"; fail "lintian"; }
appstreamcli validate --no-net "$unpacked/usr/share/metainfo/$id.metainfo.xml" >"$scratch/appstream.log" 2>&1 ||
  { cat "$scratch/appstream.log"; fail "appstreamcli validate"; }
zcat "$unpacked/usr/share/man/man6/zentory.6.gz" >"$scratch/zentory.6"
mandoc -T lint -W warning "$scratch/zentory.6" >"$scratch/mandoc.log" 2>&1 && [ ! -s "$scratch/mandoc.log" ] ||
  { cat "$scratch/mandoc.log"; fail "mandoc -T lint"; }
notes=$(grep -c '^[IP]:' "$scratch/lintian.log")
echo "lintian: no errors or warnings ($notes notes); appstreamcli and mandoc: clean"
echo "installed $(echo "$expected" | wc -l) files; $(basename "$deb") $(stat -c %s "$deb") bytes; Depends: $depends"
