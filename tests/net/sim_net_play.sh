#!/usr/bin/env bash
# Network play through the real zentory-sim on 127.0.0.1: a dedicated host
# and a bot that crashes mid-game (noticed by the host within 10 s), joins
# again under its name and is sent the game, which it finishes in step with
# the host; the host's recording verifies, and a peer of another version is
# refused. Every wait is bounded.
#   sim_net_play.sh ZENTORY_SIM WORK_FOLDER
set -uo pipefail
sim=$1 work=$2
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done' EXIT
fail() { echo "FAIL: $*"; for f in host.err host.out bot1.out bot2.out bot2.err; do echo "== $f"; tail -n 5 "$f"; done; exit 1; }
# Waits up to $1 seconds for file $2 to hold $3.
wait_for() { for _ in $(seq $(($1 * 10))); do grep -q -- "$3" "$2" 2>/dev/null && return 0; sleep 0.1; done; return 1; }

timeout 120 "$sim" --host 0 --seats network,computer,computer,computer,computer --seed 4 --wait 60 \
  --trace --record host.rec >host.out 2>host.err &
pids+=($!)
host=$!
wait_for 10 host.out '^port ' || fail "the host did not open its port"
port=$(sed -n 's/^port //p' host.out)

timeout 60 "$sim" --join "127.0.0.1:$port" --bot --name Ann --vanish-at 4 --trace >bot1.out 2>&1
[ $? -eq 3 ] || fail "the bot did not vanish at turn 4"
start=$(date +%s)
wait_for 12 host.err 'green (Ann) left the game' || fail "the host did not notice the crash"
[ $(($(date +%s) - start)) -le 10 ] || fail "the crash was noticed after more than 10 s"

timeout 60 "$sim" --join "127.0.0.1:$port" --bot --name Ann --trace --record bot2.rec >bot2.out 2>bot2.err ||
  fail "the bot that joined again did not finish the game"
wait "$host" || fail "the host did not end well"
grep -q 'green (Ann) joined the game again' host.err || fail "no line for the player's return"
# Both end on the same state, and the rejoined bot's course is the end of the host's.
[ "$(grep '^final hash' host.out)" = "$(grep '^final hash' bot2.out)" ] || fail "the final states differ"
grep -v -e '^port' -e '^final' host.out | tail -n "$(grep -vc '^final' bot2.out)" | cmp - <(grep -v '^final' bot2.out) ||
  fail "the traces differ"
"$sim" --verify host.rec | grep -q '^verified' || fail "the host's recording does not verify"

echo "ok: crash noticed in $(($(date +%s) - start)) s or less, rejoined, finished in step"
