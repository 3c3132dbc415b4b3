# Sourced by the X tests: an X server with a window manager, and reading the
# game's picture from screenshots. The sourcing script defines say, skip and
# fail, keeps its scratch files in $work and kills the processes in $pids.

# Starts Xvfb (1280x1024) and openbox and exports DISPLAY; skips without Xvfb.
start_x_session() {
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.err" &
  pids+=($!)
  for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || skip "Xvfb did not start: $(tail -n 3 "$work/xvfb.err")"
  export DISPLAY=":$(cat "$work/display")"
  unset WAYLAND_DISPLAY
  openbox >"$work/openbox.log" 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
  xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "openbox did not start"
}

# The visible window of process $1 in $wid, waiting up to 10 s.
find_window() {
  wid=""
  for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | head -n 1)
    [ -n "$wid" ] && return 0
    sleep 0.1
  done
  return 1
}

# Where the 800x600 picture lies in window $wid: SDL scales it by the smaller
# of the two ratios and centres it.
geometry() {
  local info
  info=$(xwininfo -id "$wid")
  winX=$(awk '/Absolute upper-left X/ {print $NF}' <<<"$info")
  winY=$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$info")
  winW=$(awk '/Width:/ {print $NF}' <<<"$info")
  winH=$(awk '/Height:/ {print $NF}' <<<"$info")
  if ((winW * 600 <= winH * 800)); then num=$winW den=800; else num=$winH den=600; fi
  offX=$(((winW - 800 * num / den) / 2))
  offY=$(((winH - 600 * num / den) / 2))
}
# Screen position of the middle of logical pixel ($1, $2).
sx() { echo $((winX + offX + (2 * $1 + 1) * num / (2 * den))); }
sy() { echo $((winY + offY + (2 * $1 + 1) * num / (2 * den))); }

# A screenshot of the whole screen into file $1 (xwd: fast to take and to
# read), which becomes $current.
grab() {
  current=$1
  # A window made or destroyed meanwhile can make one grab fail.
  local attempt
  for attempt in 1 2 3; do
    xwd -root -silent >"$current" 2>/dev/null && break
    ((attempt == 3)) && fail "xwd failed"
  done
  local h
  read -r -a h < <(od -An -tu4 --endian=big -N 80 "$current" | tr -s ' \n' ' ')
  # Header fields: size, ..., byte order (7), bits per pixel (11), bytes per
  # line (12), ..., colour map entries (19) of 12 bytes each. Pixels come
  # packed in 3 or 4 bytes, lines padded.
  pixelBase=$((h[0] + h[19] * 12))
  lineBytes=${h[12]}
  pixelBytes=$((h[11] / 8))
  ((pixelBytes == 3 || pixelBytes == 4)) || fail "xwd gave ${h[11]} bits a pixel"
  lsbFirst=$((h[7] == 0))
}
# Sets r g b of screen pixel ($1, $2) of the last screenshot.
screen_pixel() {
  local c
  read -r -a c < <(od -An -tu1 -j $((pixelBase + $2 * lineBytes + $1 * pixelBytes)) -N "$pixelBytes" "$current")
  if ((lsbFirst)); then r=${c[2]} g=${c[1]} b=${c[0]}; else r=${c[pixelBytes - 3]} g=${c[pixelBytes - 2]} b=${c[pixelBytes - 1]}; fi
}
# Sets r g b of logical pixel ($1, $2) of the last screenshot.
pixel() { screen_pixel "$(sx "$1")" "$(sy "$2")"; }
near() { # r g b within tolerance of ($1, $2, $3)
  local dr=$((r - $1)) dg=$((g - $2)) db=$((b - $3))
  ((dr * dr + dg * dg + db * db < ${4:-2700}))
}
# Whether anything but the dark board is drawn in a logical rectangle's middle row.
drawnAt() { # x y w h
  local k lit=0
  for k in 1 3 5 7; do
    pixel $(($1 + $3 * k / 8)) $(($2 + $4 / 2))
    ((r + g + b > 150)) && lit=$((lit + 1))
  done
  ((lit >= 2))
}

# Keys held for a few frames, as a player holds them (start_and_taps.sh
# checks short taps).
key() {
  local k
  for k in "$@"; do
    xdotool keydown "$k"
    sleep 0.1
    xdotool keyup "$k"
    sleep 0.05
  done
}

click() { # logical x y
  xdotool mousemove "$(sx "$1")" "$(sy "$2")"
  sleep 0.06
  xdotool mousedown 1
  sleep 0.08
  xdotool mouseup 1
  sleep 0.06
}

# The set-up of a short X test: skip (status 77) without one of the tools,
# an empty output folder $out, a scratch folder $work removed at the end with
# every process in pids, and say, which logs to the output folder.
#   begin_x_test NAME TOOL...
skip() { echo "SKIPPED: $*"; exit 77; }
begin_x_test() {
  local name=$1 tool
  shift
  for tool in "$@"; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/debian-packages lists it)"
  done
  rm -rf "$out"
  mkdir -p "$out"
  work=$(mktemp -d "${TMPDIR:-/tmp}/zentory_$name.XXXXXX")
  pids=()
  trap cleanup EXIT
}
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
say() { echo "$*" | tee -a "$out/log.txt"; }

drag() { # from x y to x y, the button held while the pointer moves in steps
  local k
  xdotool mousemove "$(sx "$1")" "$(sy "$2")"
  sleep 0.06
  xdotool mousedown 1
  for k in 1 2 3 4 5 6 7 8; do
    sleep 0.05
    xdotool mousemove "$(sx $(($1 + ($3 - $1) * k / 8)))" "$(sy $(($2 + ($4 - $2) * k / 8)))"
  done
  sleep 0.1
  xdotool mouseup 1
  sleep 0.06
}

# Places every army on the star at logical x y: the largest placement step,
# then clicks on the star until the placement buttons are gone.
place_all() { # x y
  local k
  for k in 6 5 4 3 2 1 0; do drawnAt $((239 + 45 * k)) 562 37 19 && break; done
  click $((239 + 45 * k + 18)) 571
  for _ in $(seq 20); do
    click "$1" "$2"
    grab "$work/shot.xwd"
    drawnAt 239 562 37 19 || break
  done
}

# Screenshots kept as numbered PNGs, and a failure that keeps the last one
# and the program's errors; a test with other needs defines its own.
shots=0
shot() { # name: a screenshot kept as PNG in the output folder
  sleep "${2:-0.25}"
  shots=$((shots + 1))
  grab "$work/shot.xwd"
  convert "$work/shot.xwd" "$out/$(printf '%02d' "$shots")-$1.png"
}
fail() {
  say "FAIL: $*"
  [ -f "$work/shot.xwd" ] && convert "$work/shot.xwd" "$out/last.png"
  for f in "$work"/*.err; do [ -f "$f" ] && { tail -n 20 "$f"; cp "$f" "$out/"; }; done
  exit 1
}
