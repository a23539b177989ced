#!/usr/bin/env bash
# timedemo.sh: the play frame as the game draws it: tools/bench/farm_walk.txt (400 frames on the
# farm, both cows walking) played in an 800 x 600 window under Xvfb with Mesa's llvmpipe;
# prints the game's timedemo line. Without MODE: --timedemo (one picture a tick, unpaced);
# MODE "smooth": --timedemo-smooth (ticks on the 51 ms clock, pictures between them as fast as
# they come). Any further arguments go to the game (e.g. --detail low).
#   tools/bench/timedemo.sh [BUILD_DIR] [SCRIPT] [MODE] [GAME OPTION]...
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
bin=$(cd "${1:-$root/build}" && pwd)/pasturon
script=$(realpath "${2:-$root/tools/bench/farm_walk.txt}")
mode=--timedemo
[ "${3:-}" = smooth ] && mode=--timedemo-smooth
shift $(($# < 3 ? $# : 3))
cd "${PASTURON_DATA:-$(dirname "$bin")/data}"
LIBGL_ALWAYS_SOFTWARE=1 ALSOFT_DRIVERS=null xvfb-run -a -s "-screen 0 1024x768x24" \
    "$bin" --play "$script" "$mode" "$@" | grep -E ' (frames|pictures) in '
