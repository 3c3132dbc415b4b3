#!/usr/bin/env bash
# A game played from the keyboard alone under Xvfb, with xdotool's keys and
# the mouse never touched: the menu and the selection by Tab and Enter (the
# focus ring seen on the screenshots), the placement on the star cursor,
# "Next Turn" by N, and the computer players' turns skipped with Space to the
# human's next placement.
#   keys_x11.sh <build folder> <output folder>
# Exit status 0 passed, 1 failed, 77 skipped (no Xvfb or tools).
set -uo pipefail
build=$(realpath "$1")
out=$(realpath -m "$2")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/x_session.sh"

begin_x_test keys Xvfb openbox xdotool xwininfo xprop xwd
fail() {
  say "FAIL: $*"
  [ -n "${current:-}" ] && [ -f "$current" ] && cp "$current" "$out/last.xwd"
  exit 1
}

cp -r "$here/../../data" "$work/data"
export ZENTORY_DATA="$work/data" XDG_DATA_HOME="$work/home" SDL_AUDIODRIVER=dummy
unset SDL_VIDEODRIVER
start_x_session
(cd "$work/data" && exec "$build/zentory") >"$work/zentory.out" 2>"$work/zentory.err" &
game=$!
pids+=($game)
find_window "$game" || fail "no window appeared"
geometry
for _ in $(seq 50); do
  grab "$work/shot.xwd"
  pixel 400 300
  ((r + g + b > 0)) && break
  sleep 0.1
done

shot() { sleep "${1:-0.2}"; grab "$work/shot.xwd"; }
# The focus ring's yellow on the top edge of the button at logical x, y.
ringAt() { pixel $(($1 + 20)) $(($2 - 3)); near 255 210 0; }
choicesShown() { drawnAt 239 562 37 19; }

key Escape # the title
key Tab
shot
ringAt 64 70 || fail "no focus ring on \"Play Zentory\" after Tab"
key Return
shot 0.4
# The selection screen: Tab on until the ring is on "start".
started=0
for _ in $(seq 40); do
  key Tab
  shot 0.05
  ringAt 185 505 && { started=1; break; }
done
((started)) || fail "Tab never reached \"start\""
key Return
shot 0.5
choicesShown || fail "no placement after Enter on \"start\""

# The cursor to the human's first star, the largest step, Enter till all is placed.
key Right 7
placed=0
for _ in $(seq 40); do
  key Return
  shot 0.1
  choicesShown || { placed=1; break; }
done
((placed)) || fail "Enter on the star cursor did not end the placement"
say "placed by Enter on the star cursor"

key n
shot 0.3
choicesShown && fail "N did not hand the turn to the computer players"
skipped=$(date +%s%N)
key space
back=0
for _ in $(seq 50); do
  shot 0.1
  choicesShown && { back=1; break; }
done
((back)) || fail "Space did not bring the human's next turn"
say "Space: the human's next placement $(( ($(date +%s%N) - skipped) / 1000000 )) ms after the skip"
kill -0 "$game" 2>/dev/null || fail "the program ended"
# The game's own save says the same: the placement of the second turn.
sleep 0.3
save=$(find "$work/data" "$work/home" -name savegame 2>/dev/null | head -n 1)
[ -n "$save" ] || fail "no savegame written"
grep -qx "turn 2" "$save" && grep -qx "phase placement" "$save" || fail "the save is not at turn 2's placement: $(head -n 11 "$save" | tr '\n' ' ')"
say "PASSED"
