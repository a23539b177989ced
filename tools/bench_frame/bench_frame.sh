#!/usr/bin/env bash
# bench_frame.sh: time the play frame under Xvfb with Mesa's software renderer, in the data
# folder (the farm map, textures and font).
#   tools/bench_frame/bench_frame.sh [BUILD_DIR] [FRAMES] [--legacy]
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
bench=$(cd "${1:-$root/build}" && pwd)/tools/bench_frame/frame_bench
data=${PASTURON_DATA:-$(dirname "$bench")/../../data}
[ -x "$bench" ] || { echo "build frame_bench first: cmake --build build --target frame_bench" >&2; exit 2; }
cd "$data"
LIBGL_ALWAYS_SOFTWARE=1 ALSOFT_DRIVERS=null exec xvfb-run -a -s "-screen 0 1024x768x24" "$bench" "${2:-200}" ${3:+"$3"}
