#!/usr/bin/env bash
# timedemo.sh: the play frame as the game draws it: tools/bench/farm_walk.txt (400 frames on the
# farm, both cows walking) played unpaced in an 800 x 600 window under Xvfb with Mesa's
# llvmpipe; prints the game's --timedemo line.
#   tools/bench/timedemo.sh [BUILD_DIR] [SCRIPT]
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
bin=$(cd "${1:-$root/build}" && pwd)/pasturon
script=$(realpath "${2:-$root/tools/bench/farm_walk.txt}")
cd "${PASTURON_DATA:-$(dirname "$bin")/data}"
LIBGL_ALWAYS_SOFTWARE=1 ALSOFT_DRIVERS=null xvfb-run -a -s "-screen 0 1024x768x24" \
    "$bin" --play "$script" --timedemo | grep ' frames in '
