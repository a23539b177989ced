#!/usr/bin/env bash
# idle_cpu.sh: run the game under Xvfb for SECONDS on the splash screen, then as long on the
# title screen, and print its CPU use on each (percent of one core) and the frames it drew
# there (from its own frame-rate lines; both screens are drawn only when they change).
#   tools/bench/idle_cpu.sh [BUILD_DIR] [SECONDS]
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
export PASTURON_SOURCE=$root
export PASTURON_BIN=$(cd "${1:-$root/build}" && pwd)/pasturon
export PASTURON_DATA=${PASTURON_DATA:-$(dirname "$PASTURON_BIN")/data}
seconds=${2:-10}
source "$root/tests/lib/xvfb.sh"

ticks=$(getconf CLK_TCK)
cpu() { awk '{ print $14 + $15 }' "/proc/$GAME_PID/stat"; }
# measure SCREEN: CPU and frames drawn over the next $seconds
measure() {
    local before after lines_before
    before=$(cpu)
    lines_before=$(wc -l <"$GAME_OUT")
    sleep "$seconds"
    after=$(cpu)
    awk -v b="$before" -v a="$after" -v t="$ticks" -v s="$seconds" -v screen="$1" \
        'BEGIN { printf "%s screen: CPU %.1f%% of one core over %d s", screen, 100 * (a - b) / t / s, s }'
    tail -n +"$((lines_before + 1))" "$GAME_OUT" | sed -n 's/.*fps (\([0-9]*\))$/\1/p' |
        awk '{ n += $1 } END { printf ", %d frames drawn\n", n }'
}

start_display 1024x768
start_game
sleep 1
measure splash
tap space # splash -> title
sleep 1
measure title
