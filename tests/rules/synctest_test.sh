#!/usr/bin/env bash
# synctest_test.sh: pasturon-replay --synctest N rolls back N ticks at every tick and runs them
# again; its trace must be the one without the option, byte for byte: on the replay tests'
# scripts, on the farm, and on 100,000 ticks of random play (a busy field where hay is taken,
# gates break, syringes and pills are used, and the farm). A bad N is refused.
set -euo pipefail
replay=$PASTURON_BUILD/tools/replay/pasturon-replay
source_dir=$PASTURON_SOURCE
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }

# same_trace MAP SCRIPT DEPTH...: the sync test at each depth prints the plain trace
same_trace() {
    local map=$1 script=$2
    shift 2
    "$replay" "$map" "$script" >plain.jsonl || fail "pasturon-replay $map $script"
    for depth in "$@"; do
        local status=0
        "$replay" --synctest "$depth" "$map" "$script" >synced.jsonl 2>err.txt || status=$?
        [ "$status" = 0 ] || fail "--synctest $depth on $script: status $status: $(cat err.txt)"
        cmp -s plain.jsonl synced.jsonl || fail "--synctest $depth on $script: another trace"
    done
    ticks=$((ticks + $(wc -l <plain.jsonl) - 1))
}
ticks=0

# the replay tests' field and scripts
printf '_ _ _ _ _ _ _ _ _ _ \n_ _ _2_ _!_ _1_ _ _ \n_ _ _ _ _ _ _ _ _ _ \n' >field.map
printf '# cow 1 left, cow 2 jump\n1 LEFT T\n19 LEFT\n' >example.txt
printf '3 INSERT F12 F1\n1 INSERT F12\n1 INSERT F1\n' >controls.txt
for script in example.txt controls.txt "$source_dir"/tests/rules/script_seeds/{example,keys}.txt; do
    same_trace field.map "$script" 1 2 8 30
done
farm=$source_dir/data/_maps/Map02.map
same_trace "$farm" "$source_dir/tools/bench/farm_walk.txt" 1 8

# random play: 100,000 ticks
python3 "$source_dir/tests/lib/busy_field.py" map busy.map
random_ticks=0
for run in "1 12000 8" "2 12000 1" "3 12000 5" "4 12000 8" "5 12000 3" "6 10000 8"; do
    read -r seed length depth <<<"$run"
    python3 "$source_dir/tests/lib/busy_field.py" script random.txt "$seed" "$length"
    same_trace busy.map random.txt "$depth"
    random_ticks=$((random_ticks + length))
done
python3 "$source_dir/tests/lib/busy_field.py" script random.txt 7 30000
same_trace "$farm" random.txt 8
random_ticks=$((random_ticks + 30000))
[ "$random_ticks" -ge 100000 ] || fail "only $random_ticks random ticks"

# a bad depth: status 2, one line, no trace
for bad in 0 -1 x ""; do
    status=0
    "$replay" --synctest "$bad" field.map example.txt >out.txt 2>err.txt || status=$?
    [ "$status" = 2 ] && [ ! -s out.txt ] && [ "$(wc -l <err.txt)" = 1 ] ||
        fail "--synctest '$bad': status $status, $(cat err.txt)"
done
echo "sync test: $ticks ticks rolled back and run again, traces unchanged"
