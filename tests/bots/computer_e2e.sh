#!/usr/bin/env bash
# computer_e2e.sh: the computer player through pasturon-replay: with the other cow idle it wins on
# the farm and on the test maps (a maze of fences, a barn and silos in the way, a river across
# the shortest way, pens with gates, hills and walls, hay fenced in all round), on either cow;
# the same arguments give the same trace; the script's keys for its cow are ignored; a program
# steering cow 1 tick by tick through standard input loses to it; wrong arguments are refused.
set -euo pipefail
replay=$PASTURON_BUILD/tools/replay/pasturon-replay
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

fail() { echo "FAIL: $*" >&2; exit 1; }

python3 "$here/bot_maps.py" .
cp "$PASTURON_DATA/_maps/Map02.map" farm.map
printf '12000\n' >idle.txt

# won COW: did cow COW win by the last frame of the trace on standard input? (The cows' "won"
# members in their order.)
won() { [ "$(tail -n 1 | grep -o '"won":[a-z]*' | sed -n "$1p")" = '"won":true' ]; }

for map in farm maze barn river pens hills ring; do
    for cow in 1 2; do
        "$replay" --computer "$cow:hard" "$map.map" idle.txt | won "$cow" ||
            fail "hard on cow $cow did not win on $map against an idle rival"
    done
done

# the same arguments, the same trace; another seed, another round for the levels that err
"$replay" --computer 1:normal --computer 2:easy --seed 4 river.map idle.txt >a.jsonl
"$replay" --computer 2:easy --seed 4 --computer 1:normal river.map idle.txt | cmp -s - a.jsonl ||
    fail "two runs of the same round differ"
"$replay" --computer 1:normal --computer 2:easy --seed 5 river.map idle.txt | cmp -s - a.jsonl &&
    fail "another seed played the same round"

# the computer's cow ignores the script's keys for it; the other cow still obeys
printf '300 LEFT UP INSERT DELETE F12 W T\n' >keys.txt
printf '300 W T\n' >cow2keys.txt
"$replay" --computer 1:hard pens.map keys.txt >with.jsonl
"$replay" --computer 1:hard pens.map cow2keys.txt | cmp -s - with.jsonl ||
    fail "cow 1's keys in the script reached the computer's cow"
"$replay" pens.map cow2keys.txt | cmp -s - with.jsonl && fail "the computer did not move cow 1"

# standard input, a tick at a time: an outside program steers cow 1 against hard on cow 2
result=$(timeout 120 python3 "$here/greedy_walker.py" "$replay" river.map --computer 2:hard)
[ "${result%% *}" = 2 ] || fail "hard did not beat the walker on standard input: $result"

# wrong arguments: one line on standard error, status 2
for args in "--computer" "--computer 3 farm.map idle.txt" "--computer 1:expert farm.map idle.txt" \
    "--computer 1 --computer 1 farm.map idle.txt" "--seed -1 farm.map idle.txt" \
    "--seed 99999999999 farm.map idle.txt" "--robot farm.map idle.txt"; do
    rc=0
    # shellcheck disable=SC2086
    "$replay" $args >out.txt 2>err.txt || rc=$?
    [ "$rc" -eq 2 ] || fail "exit $rc, not 2, for: $args"
    [ "$(wc -l <err.txt)" -eq 1 ] && [ ! -s out.txt ] || fail "not one error line for: $args"
done
# a bad line on standard input: status 2 after the frames before it
rc=0
printf '3 UP\nnonsense\n' | "$replay" --computer 2 farm.map - >out.txt 2>err.txt || rc=$?
[ "$rc" -eq 2 ] && grep -q 'line 2' err.txt && [ "$(wc -l <out.txt)" -eq 4 ] ||
    fail "a bad standard input line: exit $rc, $(cat err.txt)"
echo "ok"
