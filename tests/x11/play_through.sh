#!/usr/bin/env bash
# Plays the installed program as a person would: under Xvfb with a window
# manager, real X input from xdotool and screenshots from the X server.
#   play_through.sh <build folder> <output folder> <fullscreen|window>
# fullscreen: the default desktop full screen on a 1280x1024 screen
# (letterboxed); window: the same after Alt+Enter, an 800x600 window.
# Exit status 0 passed, 1 failed, 77 skipped (no Xvfb or tools).
set -uo pipefail
build=$(realpath "$1")
out=$(realpath -m "$2")
mode=$3
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x_session.sh"
started=$(date +%s%N)

skip() { echo "SKIPPED: $*"; exit 77; }
for tool in Xvfb openbox xdotool xwininfo xprop xwd mogrify; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/debian-packages lists it)"
done

rm -rf "$out"
mkdir -p "$out/shots"
# The installed copy and the player's folder live in a temporary folder;
# only the screenshots and the log stay in the output folder.
work=$(mktemp -d "${TMPDIR:-/tmp}/zentory_play_through.XXXXXX")
log="$out/log.txt"
pids=()
immutable=""
data=""
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  [ -n "$immutable" ] && chattr -i "$immutable" 2>/dev/null
  chmod u+w "$data" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
say() { echo "[$(( ($(date +%s%N) - started) / 1000000 )) ms] $*" | tee -a "$log"; }
fail() {
  say "FAIL: $*"
  echo "screenshots and log in $out"
  [ -f "$work/zentory.err" ] && { tail -n 20 "$work/zentory.err"; cp "$work/zentory.err" "$out/"; }
  exit 1
}

# The program as installed, with its data folder made read-only where this
# user can (root cannot be kept out by permissions, but by the immutable
# flag), so that its files must go to the player's folder.
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || fail "cmake --install"
data="$prefix/share/zentory"
export XDG_DATA_HOME="$work/home"
player="$data"
if chattr +i "$data" 2>/dev/null || { [ "$(id -u)" -ne 0 ] && chmod a-w "$data"; }; then
  [ "$(id -u)" -eq 0 ] && immutable="$data"
  player="$XDG_DATA_HOME/zentory"
fi
say "data folder $data, player's files in $player"

# The built-in galaxy's stars and links, in the file format.
"$build/tools/builtin_galaxy" >"$work/tentacles.gly" || fail "builtin_galaxy"
read -r -a tokens <<<"$(tr -s ' \n' ' ' <"$work/tentacles.gly")"
starCount=${tokens[1]}
starX=(); starY=(); starW=(); starH=()
for ((i = 0; i < starCount; i++)); do
  b=$((2 + 7 * i))
  starX[i]=${tokens[b + 1]}; starY[i]=${tokens[b + 2]}
  case ${tokens[b + 3]} in
    normalStar) starW[i]=23; starH[i]=24 ;;
    goldenStar) starW[i]=33; starH[i]=32 ;;
    darkStar) starW[i]=50; starH[i]=49 ;;
  esac
done
linkBase=$((2 + 14 * starCount + 1))
linked() { [ "${tokens[linkBase + $1 * starCount + $2]}" != 0 ]; }

# --- the X server, the window manager and the program
start_x_session
say "X server $DISPLAY with openbox"

export SDL_AUDIODRIVER=dummy
unset SDL_VIDEODRIVER
(cd / && exec "$prefix/games/zentory") >"$work/zentory.out" 2>"$work/zentory.err" &
game=$!
pids+=($game)
launched=$(date +%s%N)
find_window "$game" || fail "no window appeared"

shotCount=0
# A screenshot of the whole screen from the X server (xwd: fast to take and
# to read); all are turned into PNG files at the end.
shot() {
  sleep "${2:-0.25}"
  shotCount=$((shotCount + 1))
  grab "$out/shots/$(printf '%02d' "$shotCount")-$1.xwd"
}
colours=("2 202 40" "104 141 248" "128 8 98" "212 84 28" "9 115 104" "218 253 53" "141 127 7" "244 127 243")
# Owner of star $1 from the colour behind the corner of its picture, also
# when the star is shown selected (tinted green); -1 when no player's colour
# is there.
owner() {
  local i=$1 best=-1 bestD=999999 p d cr cg cb tint
  pixel $((starX[i] - starW[i] / 2 + 2)) $((starY[i] - starH[i] / 2 + 2))
  for p in "${!colours[@]}"; do
    for tint in 0 100; do
      read -r cr cg cb <<<"${colours[p]}"
      cg=$((cg + tint > 255 ? 255 : cg + tint))
      d=$(((r - cr) * (r - cr) + (g - cg) * (g - cg) + (b - cb) * (b - cb)))
      ((d < bestD)) && { bestD=$d; best=$p; }
    done
  done
  ((bestD < 2700)) && echo "$best" || echo -1
}

# --- title
geometry
say "window $wid at $winX,$winY size ${winW}x$winH, picture scale $num/$den, offset $offX,$offY"
if [ "$mode" = fullscreen ] && { [ "$winW" -ne 1280 ] || [ "$winH" -ne 1024 ]; }; then
  fail "the full-screen window is ${winW}x$winH, not the 1280x1024 screen"
fi
for _ in $(seq 50); do
  shot title 0.05
  pixel 400 300
  ((r + g + b > 0)) && break
done
say "first title frame seen $(( ($(date +%s%N) - launched) / 1000000 )) ms after the start"
lit=0
for y in 100 200 300 400 500; do for x in 100 200 300 400 500 600 700; do pixel $x $y; ((r + g + b > 150)) && lit=$((lit + 1)); done; done
((lit >= 5)) || fail "the title picture is not shown"
if [ "$mode" = window ]; then
  key alt+Return
  sleep 0.5
  geometry
  say "after Alt+Enter: window at $winX,$winY size ${winW}x$winH"
  { [ "$winW" -eq 800 ] && [ "$winH" -eq 600 ]; } || fail "Alt+Enter did not give an 800x600 window"
fi

# --- main menu -> selection -> TENTACLES at easy -> start
click 400 300
shot menu
drawnAt 64 70 272 42 || fail "no \"Play Zentory\" button on the menu"
click 200 91
shot selection
drawnAt 30 275 192 28 || fail "no \"TENTACLES\" button on the selection screen"
click 126 289
click 105 521
shot easy
pixel 31 521
near 0 0 0 300 && fail "no arrow beside \"easy\""
click 247 514
shot board 0.5

# --- placement on the own star that has a linked enemy star
source=-1 target=-1
declare -a owners
for ((i = 0; i < starCount; i++)); do
  if [ "${tokens[2 + 7 * i]}" = 1 ]; then owners[i]=$(owner "$i"); else owners[i]=-1; fi
done
say "owners of the active stars: $(for i in "${!owners[@]}"; do [ "${owners[i]}" = -1 ] || printf '%s ' "${owners[i]}"; done)"
for ((i = 0; i < starCount && source < 0; i++)); do
  [ "${owners[i]}" = 0 ] || continue
  for ((j = 0; j < starCount; j++)); do
    if [ "${owners[j]}" -gt 0 ] && linked "$i" "$j"; then source=$i target=$j; break; fi
  done
done
((source >= 0)) || fail "no green star with a linked enemy star on the board"
say "placing on star $source, attacking star $target (player ${owners[target]})"
# The choice buttons show while there is something to place.
drawnAt 239 562 37 19 || fail "no choice buttons in the placement phase"
# The largest step first, so that one click or a few place everything.
for k in 6 5 4 3 2 1 0; do drawnAt $((239 + 45 * k)) 562 37 19 && break; done
click $((239 + 45 * k + 18)) 571
for _ in $(seq 40); do
  click "${starX[source]}" "${starY[source]}"
  shot placing 0.1
  drawnAt 239 562 37 19 || break
done
drawnAt 239 562 37 19 && fail "the placement did not end"
rm -f "$out"/shots/*-placing.xwd
shot attack
# The army counts beside the two stars, as pixels.
labels() {
  local i x y
  for i in "$source" "$target"; do
    for ((y = starY[i] - 2; y <= starY[i] + 12; y += 2)); do
      for ((x = starX[i] + starW[i] * 6 / 10; x < starX[i] + starW[i] * 6 / 10 + 24; x += 2)); do
        pixel "$x" "$y"; printf '%d,' $((r + g + b > 300))
      done
    done
  done
}
labelsBefore=$(labels)

# --- a drag attack, a loss limit, and (if won) the transfer
drag "${starX[source]}" "${starY[source]}" "${starX[target]}" "${starY[target]}"
shot battle
drawnAt 239 562 37 19 || fail "no battle panel after the drag"
# The largest loss limit offered.
for k in 6 5 4 3 2 1; do drawnAt $((239 + 45 * k)) 562 37 19 && break; done
click $((239 + 45 * k + 18)) 571
shot after-battle 0.4
if [ "$(owner "$target")" = 0 ]; then
  say "star $target conquered (loss limit button $k)"
  drawnAt 239 562 37 19 || fail "no transfer panel after the conquest"
  click $((239 + 18)) 571
  shot transferred
  [ "$(owner "$target")" = 0 ] || fail "the conquered star is not green"
else
  say "attack on star $target repelled (loss limit button $k)"
  drawnAt 239 562 37 19 && fail "a panel is still open after a repelled attack"
  [ "$(owner "$target")" = "${owners[target]}" ] || fail "the repelled star changed its owner"
  # Armies were lost on one side at least: a count beside a star changed.
  [ "$(labels)" != "$labelsBefore" ] || fail "no army count changed after the battle"
fi

# --- Next Turn, then the options at fast speed during the computer turns
click 712 529
shot computer-turn 0.3
key Escape
shot menu-from-game
click 200 241
shot options
bar() { pixel $((400 + 6 * $1 + 2)) $2; if near 0 255 0; then echo green; elif near 255 0 0; then echo red; else echo none; fi; }
[ "$(bar 2 174)" = green ] && [ "$(bar 3 174)" = red ] || fail "sound bars do not show level 3"
click 574 174
shot sound-up
[ "$(bar 3 174)" = green ] || fail "sound up did not light the fourth bar"
click 365 174
shot sound-down
[ "$(bar 3 174)" = red ] || fail "sound down did not put the fourth bar out"
click 365 251
shot music-down
[ "$(bar 2 251)" = red ] && [ "$(bar 1 251)" = green ] || fail "music down did not show level 2"
click 574 324
click 574 324
shot fast
[ "$(cat "$player/svol.lst" 2>/dev/null)" = 3 ] || fail "svol.lst in $player does not hold 3"
[ "$(cat "$player/mvol.lst" 2>/dev/null)" = 2 ] || fail "mvol.lst in $player does not hold 2"
[ -e "$data/svol.lst" ] && [ "$player" != "$data" ] && fail "svol.lst was written into the read-only data folder"
click 400 400
shot menu-again
# Resume: the computer turns go on at fast speed until the human's turn.
click 200 491
for _ in $(seq 120); do
  shot computer-turns 0.5
  drawnAt 239 562 37 19 && break
done
rm -f "$out"/shots/*-computer-turns.xwd
shot human-turn-again
drawnAt 239 562 37 19 || fail "the computer turns did not hand the next turn back within a minute"

# --- killed mid-game: the next start offers "Resume Game" and shows the same board
[ -s "$player/savegame" ] || fail "no savegame in $player during the game"
shot before-kill
beforeKill=$current
boardCrop() { # the board's 800x495 logical pixels on the screen, as geometry says now
  local x0 y0
  x0=$(sx 0) y0=$(sy 0)
  echo "$(($(sx 799) - x0 + 1))x$(($(sy 494) - y0 + 1))+$x0+$y0"
}
cropBefore=$(boardCrop)
kill -KILL "$game"
wait "$game" 2>/dev/null
(cd / && exec "$prefix/games/zentory") >>"$work/zentory.out" 2>>"$work/zentory.err" &
game=$!
pids+=($game)
find_window "$game" || fail "no window after the start that follows the kill"
for _ in $(seq 50); do
  shot title-again 0.1
  geometry
  pixel 400 300
  ((r + g + b > 0)) && break
done
if [ "$mode" = window ]; then
  key alt+Return
  sleep 0.5
  geometry
fi
click 400 300
shot menu-after-kill
drawnAt 64 470 272 42 || fail "no \"Resume Game\" on the menu after the kill"
click 200 491
shot resumed 0.5
convert "$beforeKill" -crop "$cropBefore" +repage "$work/board-before.png"
convert "$current" -crop "$(boardCrop)" +repage "$work/board-after.png"
differing=$(compare -metric AE -fuzz 3% "$work/board-before.png" "$work/board-after.png" null: 2>&1)
say "board after the kill and \"Resume Game\": $differing pixels differ"
[[ "$differing" =~ ^[0-9]+$ ]] && ((differing <= 20)) || fail "the resumed board is not the board before the kill"
drawnAt 239 562 37 19 || fail "the resumed game is not at the human's placement"

# --- the editor: two stars, linked, a name, save
key Escape
shot menu-for-editor
click 200 141
shot editor
click 500 300
click 650 300
click 500 300
shot editor-linked
linkSeen=0
for y in 299 300 301; do pixel 575 "$y"; ((r > 80 && g < 60 && b < 60)) && linkSeen=1; done
((linkSeen)) || fail "no link drawn between the two new stars"
# The name line holds the reset galaxy's name; replace it.
key BackSpace BackSpace BackSpace BackSpace BackSpace BackSpace x t e s t
click 451 586
shot editor-saved 0.4
file="$player/galaxies/XTEST.gly"
[ -f "$file" ] || fail "the editor did not save $file"
"$build/tools/zentory-sim" --max-turns 50 "$file" >"$work/sim.log" 2>&1
[ $? -ne 2 ] || fail "the game's reader refused the saved galaxy: $(cat "$work/sim.log")"
read -r -a saved <<<"$(tr -s ' \n' ' ' <"$file")"
n=${saved[1]} active=0 a=-1 c=-1
for ((i = 0; i < n; i++)); do
  ((saved[2 + 7 * i] == 1)) || continue
  active=$((active + 1))
  [ "${saved[3 + 7 * i]}" = 500 ] && a=$i
  [ "${saved[3 + 7 * i]}" = 650 ] && c=$i
done
((active == 4 && a >= 0 && c >= 0)) || fail "the saved galaxy does not hold the two new stars"
[ "${saved[2 + 14 * n + 1 + a * n + c]}" != 0 ] || fail "the saved galaxy does not link the two new stars"
say "saved $file: $active stars, the new two linked"

# --- back to the menu and quit
click 419 509
shot menu-to-quit
click 200 441
for _ in $(seq 50); do kill -0 "$game" 2>/dev/null || break; sleep 0.1; done
kill -0 "$game" 2>/dev/null && fail "\"Quit Game\" did not end the program"
wait "$game"
status=$?
[ "$status" -eq 0 ] || fail "the program exited with status $status"
(cd "$out/shots" && mogrify -format png ./*.xwd && rm -f ./*.xwd)
say "PASSED ($mode): $shotCount screenshots taken, $(ls "$out/shots" | wc -l) kept in $out/shots"
