#!/usr/bin/env bash
# Network play through the real zentory-sim on 127.0.0.1. A dedicated host
# and two bots play a whole game: traces and recordings the same, each
# verifying. Then a bot that crashes mid-game (noticed by the host within
# 10 s) joins again under its name, is sent the game and finishes it in step
# with the host. Every wait is bounded.
#   sim_net_play.sh ZENTORY_SIM WORK_FOLDER
set -uo pipefail
sim=$1 work=$2
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done' EXIT
fail() { echo "FAIL: $*"; for f in *.err *.out; do echo "== $f"; tail -n 4 "$f"; done; exit 1; }
# Waits up to $1 seconds for file $2 to hold $3.
wait_for() { for _ in $(seq $(($1 * 10))); do grep -q -- "$3" "$2" 2>/dev/null && return 0; sleep 0.1; done; return 1; }
# A host on a free port, $port once it listens; its arguments: the seats.
host() {
  timeout 120 "$sim" --host 0 --seats "$1" --seed 4 --wait 60 --trace --record host.rec >host.out 2>host.err &
  pids+=($!) host=$!
  wait_for 10 host.out '^port ' || fail "the host did not open its port"
  port=$(sed -n 's/^port //p' host.out)
}
trace() { grep -v -e '^port' -e '^final' -e '^vanished' "$1"; }

host network,computer,network,computer,computer
for name in Ann Bob; do
  timeout 60 "$sim" --join "127.0.0.1:$port" --bot --name $name --trace --record $name.rec >$name.out 2>$name.err &
  pids+=($!)
done
for p in "${pids[@]:1}"; do wait "$p" || fail "a bot did not end well"; done
wait "$host" || fail "the host did not end well"
for name in Ann Bob; do
  cmp <(grep -v '^port' host.out) $name.out || fail "the host's and $name's traces differ"
  cmp <(grep -v '^started' host.rec) <(grep -v '^started' $name.rec) || fail "$name's recording differs"
  "$sim" --verify $name.rec | grep -q '^verified' || fail "$name's recording does not verify"
done

rm -f ./*.out ./*.err ./*.rec && pids=()
host network,computer,computer,computer,computer
timeout 60 "$sim" --join "127.0.0.1:$port" --bot --name Ann --vanish-at 4 --trace >gone.out 2>gone.err
[ $? -eq 3 ] || fail "the bot did not vanish at turn 4"
start=$(date +%s)
wait_for 12 host.err 'green (Ann) left the game' || fail "the host did not notice the crash"
took=$(($(date +%s) - start))
[ $took -le 10 ] || fail "the crash was noticed after $took s"
timeout 60 "$sim" --join "127.0.0.1:$port" --bot --name Ann --trace >back.out 2>back.err ||
  fail "the bot that joined again did not finish the game"
wait "$host" || fail "the host did not end well"
grep -q 'green (Ann) joined the game again' host.err || fail "no line for the player's return"
[ "$(grep '^final hash' host.out)" = "$(grep '^final hash' back.out)" ] || fail "the final states differ"
# The game before the crash and after the return is the host's.
cmp <(trace gone.out) <(trace host.out | head -n "$(trace gone.out | wc -l)") || fail "the traces before the crash differ"
cmp <(trace back.out) <(trace host.out | tail -n "$(trace back.out | wc -l)") || fail "the traces after the return differ"
"$sim" --verify host.rec | grep -q '^verified' || fail "the host's recording does not verify"
echo "ok: the crash noticed within $took s"
