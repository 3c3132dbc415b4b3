#!/usr/bin/env bash
# The program under Xvfb and openbox, as a player first meets it:
# - from the start to the title the screen shows the empty desktop or the
#   program's own full-screen picture, never a decorated or empty window, and
#   the program maps one window;
# - keys tapped for 5 ms, as fast typing does, all count: a name typed into
#   the editor arrives whole and in order, each Backspace tap erases one
#   character and each Escape tap leaves the editor.
#   start_and_taps.sh <build folder> <output folder> [program]
# The program is the build's own unless given. Exit status 0 passed,
# 1 failed, 77 skipped (no Xvfb or tools).
set -uo pipefail
build=$(realpath "$1")
out=$(realpath -m "$2")
program=$(realpath "${3:-$build/zentory}")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x_session.sh"

begin_x_test start_and_taps Xvfb openbox xdotool xwininfo xprop xwd xev stdbuf
fail() {
  say "FAIL: $*"
  [ -n "${current:-}" ] && [ -f "$current" ] && cp "$current" "$out/last.xwd"
  [ -f "$work/xev.log" ] && cp "$work/xev.log" "$out/"
  exit 1
}

# A scratch copy of the data; the program saves its galaxies there.
cp -r "$here/../../data" "$work/data"
export ZENTORY_DATA="$work/data" XDG_DATA_HOME="$work/home" SDL_AUDIODRIVER=dummy
unset SDL_VIDEODRIVER

start_x_session
# Every window mapped on the desktop, as it happens.
stdbuf -oL xev -root -event substructure >"$work/xev.log" 2>&1 &
pids+=($!)
sleep 0.3

# --- start-up: the rows above and below the letterboxed 800x600 picture on
# the 1280x1024 screen hold nothing but the desktop or the picture's black
# bars; a decorated window would show its title bar there.
winX=0 winY=0 num=1280 den=800 offX=0 offY=32
bars() { # checksum of the rows outside the picture in the last screenshot
  { tail -c +$((pixelBase + 1)) "$current" | head -c $((32 * lineBytes))
    tail -c +$((pixelBase + 992 * lineBytes + 1)) "$current" | head -c $((32 * lineBytes)); } | md5sum
}
grab "$work/desktop.xwd"
desktopBars=$(bars)
(cd "$work/data" && exec "$program") >"$work/zentory.out" 2>"$work/zentory.err" &
game=$!
pids+=($game)
shots=0 titleSeen=0
declare -A seenBars=()
for _ in $(seq 600); do
  grab "$work/shot.xwd"
  shots=$((shots + 1))
  seenBars[$(bars)]=1
  pixel 400 300
  if ((r + g + b > 0)); then titleSeen=1; break; fi
done
((titleSeen)) || fail "no title within $shots screenshots"
titleBars=$(bars)
for b in "${!seenBars[@]}"; do
  [ "$b" = "$desktopBars" ] || [ "$b" = "$titleBars" ] || fail "before the title something else than the desktop and the program's full-screen picture showed at the screen's edge"
done
# Each window mapped, with its place and size when it was mapped.
declare -A place=()
mapped=()
while read -r what window where; do
  if [ "$what" = geo ]; then place[$window]=$where; else mapped+=("${place[$window]:-unknown}"); fi
done < <(awk 'BEGIN { RS = "" } { gsub(/\n/, " "); print }' "$work/xev.log" | sed -nE \
  -e 's/^(Create|Configure)Notify event.* window (0x[0-9a-f]+), \(([-0-9]+),([-0-9]+)\), width ([0-9]+), height ([0-9]+).*/geo \2 \3,\4 \5x\6/p' \
  -e 's/^MapNotify event.* window (0x[0-9a-f]+), override.*/map \1/p')
say "start-up: $shots screenshots up to the title; windows mapped, at their place then: ${mapped[*]}"
[ "${mapped[*]}" = "0,0 1280x1024" ] || fail "before the title the windows mapped were not just the one full-screen window"
grep -q '^UnmapNotify' "$work/xev.log" && fail "a window was unmapped before the title"

# --- 5 ms taps
find_window "$game" || fail "no window appeared"
geometry
((winW == 1280 && winH == 1024)) || fail "the window is ${winW}x$winH, not the full screen"
tap() { # key name, count: taps of 5 ms, 5 ms apart, in one burst
  local chain=() k
  for ((k = 0; k < $2; k++)); do chain+=(keydown "$1" sleep 0.005 keyup "$1" sleep 0.005); done
  xdotool "${chain[@]}"
}
menuShown() { grab "$work/shot.xwd"; drawnAt 64 70 272 42; }
click 400 300
sleep 0.3
menuShown || fail "no menu after the title"
click 200 141
sleep 0.3
menuShown && fail "the editor did not open"
# Two stars, linked, so that the galaxy can be saved.
click 500 300
click 650 300
click 500 300
tap BackSpace 40
xdotool type --delay 10 "Small Test Galaxyxx"
tap BackSpace 2
sleep 0.2
click 451 586
sleep 0.4
saved=$(cd "$work" && find data home -name '*.gly' -newer desktop.xwd 2>/dev/null)
say "saved: $saved"
[ "$(basename "$saved")" = "SMALL TEST GALAXY.gly" ] || fail "the typed name arrived as \"$(basename "$saved" .gly)\""
for round in 1 2 3; do
  tap Escape 1
  sleep 0.3
  menuShown || fail "Escape tap $round did not leave the editor"
  click 200 141
  sleep 0.3
  menuShown && fail "the editor did not open again"
done
say "PASSED"
