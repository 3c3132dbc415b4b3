#!/usr/bin/env bash
# A game played by clicks to its end under Xvfb, then watched again: its
# recording, opened with "replay" on the statistics and played to its end,
# must show the board the game ended with.
#   replay_x11.sh <build folder> <output folder>
# Exit status 0 passed, 1 failed (screenshots kept), 77 skipped (no Xvfb or
# tools).
set -uo pipefail
build=$(realpath "$1")
out=$(realpath -m "$2")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x_session.sh"

begin_x_test replay Xvfb openbox xdotool xwininfo xprop xwd convert compare

# The installed program; the player's files in a scratch folder.
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || fail "cmake --install"
export XDG_DATA_HOME="$work/home" SDL_AUDIODRIVER=dummy
unset SDL_VIDEODRIVER
# Two dark stars, linked, dealt one to each player: each starts with 14
# armies; on "simple" the human places 14 more first and attacks with 28, so
# the first attack nearly always ends the game (the bounded loop below plays
# on otherwise, and a game the computer wins ends as well).
A=(200 250) B=(600 250)
# The installed data folder is never written to: the player's folder is used.
mkdir -p "$XDG_DATA_HOME/zentory/galaxies"
echo "2 2 1 ${A[*]} darkStar 0 0 0 1 ${B[*]} darkStar 0 0 0 1 ${A[*]} darkStar 0 0 0 1 ${B[*]} darkStar 0 0 0 4 0 1 1 0" |
  tr ' ' '\n' >"$XDG_DATA_HOME/zentory/galaxies/AAA DUEL.gly"

start_x_session
(cd / && exec "$prefix/games/zentory") >"$work/zentory.out" 2>"$work/zentory.err" &
game=$!
pids+=($game)
find_window "$game" || fail "no window appeared"
geometry
for _ in $(seq 50); do
  shot title 0.1
  pixel 400 300
  ((r + g + b > 0)) && break
done
# A button's face, plain or under the pointer, at logical x y and x+93 y.
face() { near 61 76 119 300 || near 163 178 221 300; }
buttonAt() { pixel "$1" "$2" && face && pixel $(($1 + 93)) "$2" && face; }
okShown() { buttonAt 615 529; } # "ok" at 600,520: the game is over
boardCrop() { echo "$(($(sx 799) - $(sx 0) + 1))x$(($(sy 494) - $(sy 0) + 1))+$(sx 0)+$(sy 0)"; }
# Owner 0 (green) of a star, from the colour behind its picture's corner.
green() { pixel $(($1 - 23)) $(($2 - 22)); near 2 202 40; }

# --- menu, the duel galaxy (the first file row), "simple", start
click 400 300
shot menu
click 200 91
shot selection
click 579 42
click 105 501
shot simple
click 247 514
shot board 0.5
if green "${A[@]}"; then own=("${A[@]}") foe=("${B[@]}"); else own=("${B[@]}") foe=("${A[@]}"); fi
green "${own[@]}" || fail "neither star is green"

ended=0 humanWon=1
for turn in 1 2 3 4 5; do
  # Placement: the largest step, clicked on the own star until all is placed.
  for _ in $(seq 40); do
    grab "$work/shot.xwd"
    okShown && { ended=1 humanWon=0; break 2; } # the computer won
    drawnAt 239 562 37 19 && break
    sleep 0.5
  done
  drawnAt 239 562 37 19 || fail "no placement in turn $turn"
  for k in 6 5 4 3 2 1 0; do drawnAt $((239 + 45 * k)) 562 37 19 && break; done
  click $((239 + 45 * k + 18)) 571
  for _ in $(seq 20); do
    click "${own[@]}"
    grab "$work/shot.xwd"
    drawnAt 239 562 37 19 || break
  done
  drag "${own[@]}" "${foe[@]}"
  shot "battle-$turn"
  for k in 6 5 4 3 2 1; do drawnAt $((239 + 45 * k)) 562 37 19 && break; done
  click $((239 + 45 * k + 18)) 571
  # The conquest of the last enemy star ends the game, at once or after
  # the transfer.
  shot "after-battle-$turn" 0.4
  okShown && { ended=1; break; }
  if green "${foe[@]}"; then
    click 257 571
    shot "transferred-$turn" 0.4
    okShown && { ended=1; break; }
  fi
  say "turn $turn: the attack did not end the game"
  click 712 529
done
((ended)) || fail "the game did not end within five turns"

# The board the game ended with, behind the end message; the pointer off
# the stars so that no star's details show under the board.
xdotool mousemove "$(sx 400)" "$(sy 597)"
shot end 0.3
finalShot="$out/$(printf '%02d' "$shots")-end.png"
crop=$(boardCrop)
# The star conquered last is drawn selected in the game, a highlight of the
# game's screen that the recording does not hold: its picture (50x49, the
# dark star's) is left out of the comparison, its owner checked on its own.
((humanWon)) && taken=("${foe[@]}") || taken=("${own[@]}")
maskAt() { # file: blacks out that star's picture in a board crop
  local x0=$(($(sx $((taken[0] - 26))) - $(sx 0))) y0=$(($(sy $((taken[1] - 25))) - $(sy 0)))
  mogrify -fill black -draw "rectangle $x0,$y0 $((x0 + 52 * num / den)),$((y0 + 51 * num / den))" "$1"
}
# Past the elimination message and the win's wait (its "ok" shows when
# over) to the statistics with "replay".
for _ in $(seq 60); do
  grab "$work/shot.xwd"
  buttonAt 35 539 && break
  okShown && click 661 529
  sleep 0.3
done
shot statistics
buttonAt 35 539 || fail "no statistics with \"replay\" after the game's end"
# Paused at once, so that the viewer shows the game's start.
click 81 539
click 81 549
shot viewer
buttonAt 35 549 && buttonAt 165 549 || fail "\"replay\" did not open the viewer with \"pause\" and \"next turn\""
convert "$finalShot" -crop "$crop" +repage "$work/game.png"
maskAt "$work/game.png"
convert "$work/shot.xwd" -crop "$(boardCrop)" +repage "$work/replay.png"
maskAt "$work/replay.png"
differing=$(compare -metric AE -fuzz 3% "$work/game.png" "$work/replay.png" null: 2>&1)
say "the replay's first board against the game's last: $differing pixels differ"
[[ "$differing" =~ ^[0-9]+$ ]] && ((differing > 20)) || fail "the replay's start already shows the game's final board"
# Turn by turn ("next turn") until the board is the game's last one.
for _ in $(seq 20); do
  click 211 549
  xdotool mousemove "$(sx 400)" "$(sy 597)"
  shot replay 0.5
  convert "$work/shot.xwd" -crop "$(boardCrop)" +repage "$work/replay.png"
maskAt "$work/replay.png"
  differing=$(compare -metric AE -fuzz 3% "$work/game.png" "$work/replay.png" "$out/difference.png" 2>&1)
  [[ "$differing" =~ ^[0-9]+$ ]] && ((differing <= 20)) && break
done
say "the replay's last board against the game's: $differing pixels differ"
buttonAt 676 569 || fail "the viewer was left"
green "${taken[@]}"
[ $? -ne "$humanWon" ] || fail "the star conquered last has another owner at the replay's end"
[[ "$differing" =~ ^[0-9]+$ ]] && ((differing <= 20)) || fail "the replay did not end on the game's final board"
say "PASSED: $shots screenshots in $out"
