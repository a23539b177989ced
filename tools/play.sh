#!/usr/bin/env bash
# play.sh: install what is missing, build, and start the game in the build's data folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
cd build/data && exec ../pasturon "$@"
