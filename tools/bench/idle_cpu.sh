#!/usr/bin/env bash
# idle_cpu.sh: run the game for 10 s on the title screen under Xvfb and print its CPU use
# (percent of one core) and its frame rate (from its own frame-rate lines).
#   tools/bench/idle_cpu.sh [BUILD_DIR] [SECONDS]
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
export PASTURON_SOURCE=$root
export PASTURON_BIN=${1:-$root/build}/pasturon
export PASTURON_DATA=${PASTURON_DATA:-${1:-$root/build}/data}
seconds=${2:-10}
source "$root/tests/lib/xvfb.sh"

start_display 1024x768
start_game
tap space # splash -> title
sleep 1
ticks=$(getconf CLK_TCK)
cpu() { awk '{ print $14 + $15 }' "/proc/$GAME_PID/stat"; }
before=$(cpu)
lines_before=$(wc -l <"$GAME_OUT")
sleep "$seconds"
after=$(cpu)
awk -v b="$before" -v a="$after" -v t="$ticks" -v s="$seconds" \
    'BEGIN { printf "CPU: %.1f%% of one core over %d s on the title screen\n", 100 * (a - b) / t / s, s }'
tail -n +"$((lines_before + 1))" "$GAME_OUT" | grep fps |
    awk '{ sum += $1; n++ } END { if (n) printf "frame rate: %.1f fps (mean of %d frame-rate lines)\n", sum / n, n }'
