#!/usr/bin/env bash
# game_trace_e2e.sh: the game runs the replay tool's rules: for the replay scripts one after
# the other, then a long run of random keys (the screen keys N, SPACE and ESCAPE among them,
# which a played script must not act on), the trace of `pasturon --play SCRIPT --trace` equals
# the trace of `pasturon-replay MAP SCRIPT` byte for byte, on a small field (the farm, slow to
# draw, plays the replay scripts alone). A bad script is refused by both with the same words.
# Pictures drawn between the ticks (a smooth round) leave the trace as one picture a tick does.
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"
replay=$PASTURON_BUILD/tools/replay/pasturon-replay
seeds=$PASTURON_SOURCE/tests/rules/script_seeds

seeded=$E2E_TMP/seeds.txt
cat "$seeds/example.txt" "$seeds/keys.txt" >"$seeded"
printf '3 INSERT F12 F1\n1 INSERT F12\n1 INSERT F1\n' >>"$seeded" # no half drawn, then one
script=$E2E_TMP/script.txt
cp "$seeded" "$script"
python3 - "$script" <<'PY'
import random, sys
rng = random.Random(14)
keys = ["UP", "DOWN", "LEFT", "RIGHT", "INSERT", "DELETE", "F12", "W", "A", "S", "D", "T", "F",
        "F1", "U", "O", "I", "K", "J", "L", "N", "SPACE", "ESCAPE"]
with open(sys.argv[1], "a") as out:
    for _ in range(40):
        out.write("%d %s\n" % (rng.randint(1, 10), " ".join(rng.sample(keys, rng.randint(0, 4)))))
PY

field=$E2E_TMP/field
shadow_data "$field" _maps
printf '_ _ _ _ _ _ _ _ _ _ \n_ _ _2_ _!_ _1_ _ _ \n_ _ _ _ _ _ _ _ _ _ \n' >"$field/_maps/Map02.map"

start_display
compared=0
for run in "$field $script" "$PASTURON_DATA $seeded"; do
    read -r data script <<<"$run"
    "$replay" "$data/_maps/Map02.map" "$script" >"$E2E_TMP/replay.jsonl" ||
        fail "pasturon-replay refused the script"
    PASTURON_DATA=$data run_game --play "$script" --timedemo --trace "$E2E_TMP/game.jsonl"
    [ "$GAME_STATUS" = 0 ] || fail "--play ended with $GAME_STATUS: $(cat "$GAME_ERR")"
    cmp "$E2E_TMP/replay.jsonl" "$E2E_TMP/game.jsonl" ||
        fail "the game's trace on $data is not pasturon-replay's"
    compared=$((compared + $(wc -l <"$E2E_TMP/game.jsonl")))
done

# pictures between the ticks change no tick: a paced smooth round traces as a classic one
head -n 20 "$script" >"$E2E_TMP/short.txt"
for pace in --timedemo --timedemo-smooth; do # one picture a tick, then smooth
    PASTURON_DATA=$field run_game --play "$E2E_TMP/short.txt" $pace --trace "$E2E_TMP/$pace.jsonl"
    [ "$GAME_STATUS" = 0 ] || fail "--play $pace ended with $GAME_STATUS: $(cat "$GAME_ERR")"
done
cmp "$E2E_TMP/--timedemo.jsonl" "$E2E_TMP/--timedemo-smooth.jsonl" ||
    fail "a smooth round's trace is not the classic round's"
grep -q ' pictures in .* over .* ticks: ' "$GAME_OUT" || fail "no smooth timedemo line: $(cat "$GAME_OUT")"

"$replay" "$field/_maps/Map02.map" "$seeds/bad.txt" 2>"$E2E_TMP/replay.err" && fail "bad.txt read"
status=0
"$PASTURON_BIN" --play "$seeds/bad.txt" 2>"$E2E_TMP/game.err" || status=$?
[ "$status" = 2 ] || fail "the game ended with $status on a bad script, not 2"
[ "$(sed 's/^pasturon-replay: //' "$E2E_TMP/replay.err")" = "$(sed 's/^pasturon: //' "$E2E_TMP/game.err")" ] ||
    fail "the game and the replay tool refuse bad.txt differently: $(cat "$E2E_TMP"/*.err)"
echo "$compared trace lines the same in the game and in pasturon-replay"
