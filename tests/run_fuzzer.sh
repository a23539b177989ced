#!/usr/bin/env bash
# Run a libFuzzer target for a bounded time from its seed corpus: run_fuzzer.sh FUZZER SEEDS WORK
set -eu
fuzzer=$1 seeds=$2 work=$3
seconds=${PASTURON_FUZZ_SECONDS:-20} # a longer hunt: PASTURON_FUZZ_SECONDS=600
rm -rf "$work" && mkdir -p "$work/corpus" "$work/artifacts"
cp -r "$seeds"/. "$work/corpus/" 2>/dev/null || true
"$fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
    -artifact_prefix="$work/artifacts/" "$work/corpus" 2>"$work/log" || {
    tail -n 40 "$work/log"; exit 1; }
tail -n 3 "$work/log"
