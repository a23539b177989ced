#!/usr/bin/env bash
# replay_computers.sh: ticks per second of pasturon-replay with a computer on each cow, over
# whole rounds on the farm (from the start to the win, the trace thrown away), one per seed.
#   tools/bench_bots/replay_computers.sh [BUILD_DIR] [LEVEL1] [LEVEL2] [SEEDS]
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
replay=${1:-$root/build}/tools/replay/pasturon-replay
map=$root/data/_maps/Map02.map
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '20000\n' >"$work/long.txt"
TIMEFORMAT='%R %U %S'
total_ticks=0 total_cpu=0 total_real=0
for seed in $(seq 1 "${4:-5}"); do
    args=(--computer "1:${2:-hard}" --computer "2:${3:-hard}" --seed "$seed")
    # the round's length: the first frame in which a cow has won
    ticks=$("$replay" "${args[@]}" "$map" "$work/long.txt" | grep -n -m 1 '"won":true' | cut -d: -f1)
    ticks=$((${ticks:-20001} - 1))
    printf '%d\n' "$ticks" >"$work/round.txt"
    times=$( { time "$replay" "${args[@]}" "$map" "$work/round.txt" >/dev/null; } 2>&1 )
    read -r real user sys <<<"$times"
    total_ticks=$((total_ticks + ticks))
    total_cpu=$(awk -v a="$total_cpu" -v u="$user" -v s="$sys" 'BEGIN { print a + u + s }')
    total_real=$(awk -v a="$total_real" -v r="$real" 'BEGIN { print a + r }')
done
awk -v t="$total_ticks" -v c="$total_cpu" -v r="$total_real" 'BEGIN {
    printf "pasturon-replay, two computers: %d ticks in %.2f s (%.0f ticks per second), %.2f s of CPU (%.0f ticks per CPU second)\n", t, r, t / r, c, t / c }'
