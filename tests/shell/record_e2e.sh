#!/usr/bin/env bash
# record_e2e.sh: a round of the real game on the farm, played on the keyboard (xdotool) with
# --record and --trace, ended by ESC: the recording is a complete script (a first comment line
# naming the map and the date, one line per run of equal keys), and it replays to the game's
# own trace byte for byte, headless in pasturon-replay and in the game with --play; and ESC on
# the keyboard ends a played demo.
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"

demo=$E2E_TMP/demo.txt
start_display 1024x768
start_game --record "$demo" --trace "$E2E_TMP/live.jsonl"
tap space # splash -> title
sleep 0.3
tap space # play: the recording starts
key_down Left
sleep 0.8
tap t
key_down f # cow 2 lunges while cow 1 walks on
sleep 0.5
key_up f
key_up Left
sleep 0.3
key_down Escape
wait_game
key_up Escape
[ "$GAME_STATUS" = 1 ] || fail "ESC ended the recording game with $GAME_STATUS"

python3 - "$demo" <<'PY' || fail "the recording: $(cat "$demo")"
import re, sys
lines = open(sys.argv[1]).read().split("\n")
assert lines[-1] == "", "the recording ends with a line feed"
assert re.fullmatch(r"# pasturon demo of _maps/Map02\.map, recorded \d{4}-\d\d-\d\d \d\d:\d\d:\d\d [-+]\d{4}",
                    lines[0]), lines[0]
runs = [line.split() for line in lines[1:-1]]
assert all(int(run[0]) >= 1 for run in runs), runs
assert all(a[1:] != b[1:] for a, b in zip(runs, runs[1:])), "two runs with the same keys"
held = {key for run in runs for key in run[1:]}
assert {"LEFT", "T", "F"} <= held, held
assert runs[-1][1:] == ["ESCAPE"], "the last frame is the one ESC ended"
PY

replay="$PASTURON_BUILD/tools/replay/pasturon-replay"
"$replay" "$PASTURON_DATA/_maps/Map02.map" "$demo" >"$E2E_TMP/replay.jsonl" ||
    fail "pasturon-replay refused the recording"
cmp -s "$E2E_TMP/live.jsonl" "$E2E_TMP/replay.jsonl" ||
    fail "the game's trace of its own round is not pasturon-replay's trace of the recording"
run_game --play "$demo" --timedemo --trace "$E2E_TMP/played.jsonl"
[ "$GAME_STATUS" = 0 ] || fail "--play of the recording ended with $GAME_STATUS: $(cat "$GAME_ERR")"
cmp -s "$E2E_TMP/live.jsonl" "$E2E_TMP/played.jsonl" ||
    fail "the recording played back in the game gives another trace"
# ESC on the keyboard still ends a played demo, with the status ESC always gives
start_game --play "$demo"
key_down Escape
wait_game
key_up Escape
[ "$GAME_STATUS" = 1 ] || fail "ESC during --play ended the game with $GAME_STATUS, not 1"
echo "recorded $(($(wc -l <"$E2E_TMP/live.jsonl") - 1)) frames, the same trace three ways"
