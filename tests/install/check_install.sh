#!/usr/bin/env bash
# Installs the build into a scratch prefix and packages it as a .deb, and
# checks both file lists, the desktop entry, the package's dependencies and
# that the installed program finds its data from another working directory.
# Usage: check_install.sh <build folder>
# It works in a temporary folder of its own, removed when it ends.
set -uo pipefail
build=$1
scratch=$(mktemp -d "${TMPDIR:-/tmp}/zentory_install_check.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

expected="bin/zentory
share/applications/zentory.desktop
share/icons/hicolor/256x256/apps/zentory.png
share/icons/hicolor/48x48/apps/zentory.png
share/zentory/galaxies/COLONY.gly
share/zentory/galaxies/DOOR.gly
share/zentory/galaxies/GRAVITY CENTER.gly
share/zentory/galaxies/PARA.gly
share/zentory/galaxies/ROMAN.gly
share/zentory/music.lst
share/zentory/sounds.lst"
# Every file the lists name is shipped, and the manual where there is one.
src=$(cd "$(dirname "$0")/../.." && pwd)
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
for size in 48 256; do
  head -c 24 "$prefix/share/icons/hicolor/${size}x${size}/apps/zentory.png" | od -An -tx1 | tr -d ' \n' |
    grep -q "^89504e470d0a1a0a0000000d49484452$(printf %08x "$size")" || fail "icon ${size} is not a ${size}-pixel PNG"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/zentory.desktop" || fail "desktop entry"
fi
grep -qx 'Exec=zentory' "$prefix/share/applications/zentory.desktop" || fail "desktop entry runs another program"

# Started from / it must enter share/zentory (the dummy driver keeps it off
# any screen; it runs until stopped).
(cd / && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$scratch/home" exec "$prefix/bin/zentory") \
  >"$scratch/run.log" 2>&1 &
pid=$!
entered=""
for _ in $(seq 50); do
  entered=$(readlink "/proc/$pid/cwd" 2>/dev/null || true)
  [ "$entered" = "$prefix/share/zentory" ] && break
  sleep 0.1
done
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
[ "$entered" = "$prefix/share/zentory" ] || { cat "$scratch/run.log"; fail "installed program works in '$entered', not in its data folder"; }

# The .deb: same files under /usr, with the libraries' and the data's packages.
(cd "$build" && cpack -G DEB -B "$scratch/deb" >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$scratch"/deb/*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no .deb made"
debfiles=$(dpkg-deb -c "$deb" | grep -v '^d' | sed -E 's/^([^ ]+ +){5}//; s|^\./usr/||' | LC_ALL=C sort)
[ "$debfiles" = "$expected" ] || { diff <(echo "$expected") <(echo "$debfiles"); fail ".deb files differ"; }
depends=$(dpkg-deb -f "$deb" Depends)
for p in libsdl2-2.0-0 libsdl2-mixer-2.0-0 libsdl2-ttf-2.0-0 fonts-dejavu-core timgm6mb-soundfont; do
  [[ "$depends" == *"$p"* ]] || fail ".deb does not depend on $p: $depends"
done
echo "installed $(echo "$expected" | wc -l) files; $(basename "$deb") $(stat -c %s "$deb") bytes; Depends: $depends"
