#!/usr/bin/env bash
# test.sh: install what is missing, build, and run every test: unit and end-to-end tests in a
# warnings-as-errors build, then the unit, rendered and fuzz tests and one game under ASan + UBSan,
# then the Debian package: built, checked by lintian, installed, started, removed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh --test
jobs=$(nproc)
# phase NAME: say how long the phase before it took (the figures BENCHMARKS.md quotes)
phase_start=$SECONDS
phase() { echo "test.sh: $1 took $((SECONDS - phase_start)) s" >&2; phase_start=$SECONDS; }

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPASTURON_WERROR=ON
cmake --build build -j"$jobs"
phase "the build"
# twice as many at once as there are cores: the end-to-end tests spend much of their time
# waiting for a window or a key
(cd build && ctest --output-on-failure -j$((jobs * 2)) --timeout 600)
phase "its tests"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DPASTURON_SANITIZE=ON -DPASTURON_FUZZ=ON -DPASTURON_WERROR=ON
cmake --build build-sanitize -j"$jobs"
phase "the sanitizer build"
# everything but the end-to-end tests (rendered tests and fuzzers included), then one whole
# run of the real game through splash, title, play and ESC. (The generator's repeatability is
# checked in the first build; this build's generator already ran under the sanitizers when it
# made the data folder.)
(cd build-sanitize && export ASAN_OPTIONS=detect_leaks=1 &&
    ctest --output-on-failure -j"$jobs" --timeout 900 -LE e2e \
        -E '^AssetGenerator.WritesTheSameBytesOnEveryRun' &&
    ctest --output-on-failure --timeout 900 -R '^shell_e2e_flow$')
phase "its tests"

# the package as a player gets it (installs it on this machine for the test, then removes it)
deb=$(bash tools/package.sh build-package)
bash tests/package/package_e2e.sh "$deb"
phase "the package"
echo "test.sh: all passed in $SECONDS s" >&2
