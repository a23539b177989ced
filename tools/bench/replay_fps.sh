#!/usr/bin/env bash
# replay_fps.sh: frames per second of pasturon-replay on a long script of random held keys
# over the farm map, its trace thrown away.
#   tools/bench/replay_fps.sh [BUILD_DIR] [FRAMES] [MAP_FILE]
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
replay=${1:-$root/build}/tools/replay/pasturon-replay
frames=${2:-500000}
map=${3:-$root/data/_maps/Map02.map}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Stretches of 1 to 40 frames, each holding a random choice of both players' keys.
python3 - "$frames" >"$work/script.txt" <<'PY'
import random, sys
random.seed(7)
keys = ["UP", "DOWN", "LEFT", "RIGHT", "INSERT", "DELETE", "W", "S", "A", "D", "T", "F"]
left = int(sys.argv[1])
while left > 0:
    n = min(left, random.randint(1, 40))
    print(n, *[k for k in keys if random.random() < 0.3])
    left -= n
PY

# wall-clock and CPU seconds: on a shared machine the CPU figure is the steadier one
TIMEFORMAT='%R %U %S'
times=$( { time "$replay" "$map" "$work/script.txt" >/dev/null; } 2>&1 )
read -r real user sys <<<"$times"
awk -v f="$frames" -v r="$real" -v c="$(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')" \
    'BEGIN { printf "pasturon-replay: %d frames in %.2f s (%.0f frames per second), %.2f s of CPU (%.0f frames per CPU second)\n", f, r, f / r, c, f / c }'
