#!/usr/bin/env bash
# Two humans at one screen, the game started from the command line: both
# place and attack by real clicks, the banner naming the next human stands
# between their turns, and the statistics name both.
#   hot_seat_x11.sh <build folder> <output folder>
# Exit status 0 passed, 1 failed (screenshots kept), 77 skipped.
set -uo pipefail
build=$(realpath "$1")
out=$(realpath -m "$2")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x_session.sh"

begin_x_test hot_seat Xvfb openbox xdotool xwininfo xprop xwd convert

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || fail "cmake --install"
export XDG_DATA_HOME="$work/home" SDL_AUDIODRIVER=dummy
unset SDL_VIDEODRIVER
# Three dark stars, each linked to the others, one dealt to each player.
S=(150 250 400 120 650 250)
{
  echo 3 3
  for copy in 1 2; do for i in 0 1 2; do echo 1 "${S[2 * i]}" "${S[2 * i + 1]}" darkStar 0 0 0; done; done
  echo 9 0 1 1 1 0 1 1 1 0
} | tr ' ' '\n' >"$work/three.gly"

start_x_session
(cd / && exec "$prefix/games/zentory" --galaxy "$work/three.gly" --seats human,human,computer --seed 11) \
  >"$work/zentory.out" 2>"$work/zentory.err" &
game=$!
pids+=($game)
find_window "$game" || fail "no window appeared"
geometry
colours=("2 202 40" "104 141 248" "128 8 98")
# The player whose colour is behind the corner of star i's picture, or -1.
owner() {
  local p
  pixel $((S[2 * $1] - 23)) $((S[2 * $1 + 1] - 22))
  for p in 0 1 2; do near ${colours[p]} && { echo $p; return; }; done
  echo -1
}
# The banner: the night over the board, a band in player $1's colour.
banner() { pixel 20 100 && near 8 10 30 300 && pixel 20 240 && near ${colours[$1]} 300; }
waitBanner() {
  for _ in $(seq 100); do
    grab "$work/shot.xwd"
    banner "$1" && return 0
    sleep 0.3
  done
  return 1
}

# One human's turn: everything placed on its star, an attack on the
# computer's star ready to lose the least offered (the star holds), "Next Turn".
humanTurn() {
  local p=$1 own=-1 foe=-1 i
  for i in 0 1 2; do
    case $(owner $i) in "$p") own=$i ;; 2) foe=$i ;; esac
  done
  ((own >= 0 && foe >= 0)) || fail "player $p's star or the computer's not found"
  place_all "${S[2 * own]}" "${S[2 * own + 1]}"
  drawnAt 239 562 37 19 && fail "player $p's placement did not end"
  drag "${S[2 * own]}" "${S[2 * own + 1]}" "${S[2 * foe]}" "${S[2 * foe + 1]}"
  shot "battle-$p"
  drawnAt $((239 + 45)) 562 37 19 || fail "no battle panel for player $p"
  click $((239 + 45 + 18)) 571
  shot "after-battle-$p" 0.4
  click $((239 + 18)) 571 # ready to lose none: the panel closes
  sleep 0.2
  grab "$work/shot.xwd"
  [ "$(owner "$foe")" = 2 ] || fail "the computer's star fell to a small attack"
  click 712 529
}

waitBanner 0 || fail "no banner for green"
shot banner-green
click 400 300
shot green-turn 0.3
humanTurn 0
waitBanner 1 || fail "no banner for blue after green's turn"
shot banner-blue
click 400 300
shot blue-turn 0.3
humanTurn 1
# The computer's turn, then green's banner of the next turn cycle.
key() { xdotool keydown "$1"; sleep 0.1; xdotool keyup "$1"; }
sleep 0.3
key space
waitBanner 0 || fail "no banner for green in the second turn cycle"
click 400 300
sleep 0.3
click 712 555 # "Stats"
shot statistics 0.4
# The names' rows: "green (human)" and "blue (human)" reach well past where
# "you" or "blue AI" end.
named() { # row colour...
  local x
  for ((x = 222; x < 246; x += 2)); do pixel $x $((46 + 27 * $1)); near ${colours[$1]} 3000 && return 0; done
  return 1
}
named 0 && named 1 || fail "the statistics do not name both humans"
named 2 && fail "the computer player is named as a human"
say "PASSED: $shots screenshots in $out"
