#!/usr/bin/env bash
# tick_pace.sh: the game's pace under load: a scripted round of TICKS play ticks (the cows walk
# the farm, tools/bench/farm_walk.txt) under Xvfb with Mesa's llvmpipe, paced as a player sees it, while BUSY other
# processes keep a core busy each. Prints the wall time from the first drawn frame to the end
# against the time the ticks are due (51 ms each), and how many frames were drawn.
#   tools/bench/tick_pace.sh [BUILD_DIR] [TICKS] [BUSY]
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
export PASTURON_SOURCE=$root
export PASTURON_BIN=$(cd "${1:-$root/build}" && pwd)/pasturon
export PASTURON_DATA=${PASTURON_DATA:-$(dirname "$PASTURON_BIN")/data}
ticks=${2:-400}
busy=${3:-1}
source "$root/tests/lib/xvfb.sh"

# the benchmark walk, cut or repeated to TICKS frames
python3 - "$root/tools/bench/farm_walk.txt" "$ticks" >"$E2E_TMP/walk.txt" <<'PY'
import sys
runs = [line.split() for line in open(sys.argv[1]) if line.strip() and not line.startswith("#")]
left, i = int(sys.argv[2]), 0
while left > 0:
    n = min(int(runs[i % len(runs)][0]), left)
    print(" ".join([str(n)] + runs[i % len(runs)][1:]))
    left, i = left - n, i + 1
PY
hogs=()
for _ in $(seq "$busy"); do
    sh -c 'while :; do :; done' &
    hogs+=($!)
done
trap 'kill "${hogs[@]}" 2>/dev/null; cleanup' EXIT
start_display 1024x768
run_game --play "$E2E_TMP/walk.txt" --shot "1:$E2E_TMP/first.png"
ended=$(date +%s.%N)
[ "$GAME_STATUS" = 0 ] || fail "the game ended with $GAME_STATUS: $(cat "$GAME_ERR")"
first=$(stat -c %.9Y "$E2E_TMP/first.png")
drawn=$(sed -n 's/.*fps (\([0-9]*\))$/\1/p' "$GAME_OUT" | awk '{ n += $1 } END { print n + 0 }')
awk -v t="$ticks" -v a="$first" -v b="$ended" -v d="$drawn" -v busy="$busy" 'BEGIN {
    due = (t - 1) * 0.051; took = b - a
    printf "%d ticks with %d busy process(es): %.2f s from frame 1 to the end, %.2f s due (%+.1f%%); about %d frames drawn\n",
        t, busy, took, due, 100 * (took - due) / due, d }'
