#!/usr/bin/env bash
# Network play with two real windows under Xvfb: one program hosts a duel
# (its lobby, from the selection screen's "host"), the other joins it by
# typing 127.0.0.1 and a name; each plays its turn by clicks, and at the end
# of the turn cycle both boards show the same.
#   net_x11.sh <build folder> <output folder>
# Exit status 0 passed, 1 failed (screenshots kept), 77 skipped (no Xvfb or
# tools).
set -uo pipefail
build=$(realpath "$1")
out=$(realpath -m "$2")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x_session.sh"

begin_x_test net Xvfb openbox xdotool xwininfo xprop xwd convert compare

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || fail "cmake --install"
export SDL_AUDIODRIVER=dummy
unset SDL_VIDEODRIVER
# Two dark stars, linked, one for each player: a duel of two people.
A=(200 250) B=(600 250)
for who in host guest; do
  mkdir -p "$work/$who/zentory/galaxies"
  echo "2 2 1 ${A[*]} darkStar 0 0 0 1 ${B[*]} darkStar 0 0 0 1 ${A[*]} darkStar 0 0 0 1 ${B[*]} darkStar 0 0 0 4 0 1 1 0" |
    tr ' ' '\n' >"$work/$who/zentory/galaxies/AAA DUEL.gly"
done

start_x_session
# Each program with a player's folder of its own; $1 names it.
launch() {
  (cd / && XDG_DATA_HOME="$work/$1" exec "$prefix/games/zentory") >"$work/$1.out" 2>"$work/$1.err" &
  pids+=($!)
  eval "$1=$!"
}
# Brings window of program $1 to the front; its geometry becomes current.
front() {
  find_window "$1" || fail "no window of process $1"
  xdotool windowactivate --sync "$wid" 2>/dev/null || xdotool windowraise "$wid"
  sleep 0.3
  geometry
}
face() { near 61 76 119 300 || near 163 178 221 300; }
startCrop() { echo "$(($(sx 373) - $(sx 250)))x$(($(sy 539) - $(sy 520)))+$(sx 250)+$(sy 520)"; }
boardCrop() { echo "$(($(sx 799) - $(sx 0) + 1))x$(($(sy 494) - $(sy 0) + 1))+$(sx 0)+$(sy 0)"; }
green() { pixel $(($1 - 23)) $(($2 - 22)); near 2 202 40; }
# The turn of the program in front: the largest placement step, clicks on
# its star until all is placed, then "Next Turn".
play_turn() { # own star x y, name
  for _ in $(seq 40); do grab "$work/shot.xwd"; drawnAt 239 562 37 19 && break; sleep 0.25; done
  drawnAt 239 562 37 19 || fail "no placement for $3"
  place_all "$1" "$2"
  shot "$3-placed"
  click 712 529
}

# --- the host: menu, the duel (first file row), "host"
launch host
front "$host"
for _ in $(seq 50); do shot title 0.1; pixel 400 300; ((r + g + b > 0)) && break; done
click 400 300
click 200 91
shot selection
click 579 42
click 247 554
shot lobby 0.5
convert "$work/shot.xwd" -crop "$(startCrop)" +repage "$work/no-start.png"

# --- the guest: menu, "Join Game", the address, the name
launch guest
front "$guest"
for _ in $(seq 50); do shot guest-title 0.1; pixel 400 300; ((r + g + b > 0)) && break; done
click 400 300
shot guest-menu
click 200 541
shot join
xdotool type --delay 50 "127.0.0.1"
xdotool key Return
xdotool type --delay 50 "Bea"
xdotool key Return
shot guest-lobby 1

# --- the host starts; green (the host) plays its turn, then blue (the guest)
front "$host"
# "start" shows once the guest has joined.
for _ in $(seq 40); do
  grab "$work/shot.xwd"
  convert "$work/shot.xwd" -crop "$(startCrop)" +repage "$work/start.png"
  [ "$(compare -metric AE "$work/start.png" "$work/no-start.png" null: 2>&1)" != 0 ] && break
  sleep 0.25
done
shot host-lobby-full
click 260 530
shot host-board 1
if green "${A[@]}"; then hostStar=("${A[@]}") guestStar=("${B[@]}"); else hostStar=("${B[@]}") guestStar=("${A[@]}"); fi
green "${hostStar[@]}" || fail "neither star is green on the host's board"
play_turn "${hostStar[@]}" host
front "$guest"
play_turn "${guestStar[@]}" guest

# --- both at the host's next turn: the same board on both screens
crop=$(boardCrop)
for who in host guest; do
  front "${!who}"
  xdotool mousemove "$(sx 400)" "$(sy 597)"
  shot "$who-end" 2
  convert "$work/shot.xwd" -crop "$crop" +repage "$work/$who-board.png"
done
cp "$work/host-board.png" "$work/guest-board.png" "$out/"
differ=$(compare -metric AE "$work/host-board.png" "$work/guest-board.png" null: 2>&1)
[ "$differ" = 0 ] || fail "the boards differ in $differ pixels"
say "PASSED: both boards the same after a turn played by clicks on each ($shots screenshots in $out)"
