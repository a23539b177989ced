#!/usr/bin/env bash
# computer_e2e.sh: one person against the computer in the real game. A played script drives cow 1
# against the computer on cow 2 (--play --computer, no clock-timed keys): the script's keys of
# cow 2 give way to the computer's, the person's view fills the window, and the recording of the
# round replays headless in pasturon-replay, without the computer, to the game's own trace. Then
# the keyboard on the title screen: 3 names the hard level, C starts the round in one view, V
# switches to the split screen. And --computer's refusals.
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"

DISPLAY= "$PASTURON_BIN" --help | grep -q -- "--computer \[LEVEL\]" || fail "--help lacks --computer"
rc=0
DISPLAY= game --computer hrad >/dev/null 2>"$E2E_TMP/opt.err" || rc=$?
[ "$rc" = 2 ] && [ "$(wc -l <"$E2E_TMP/opt.err")" = 1 ] &&
    grep -qF "unknown level 'hrad' (easy, normal or hard)" "$E2E_TMP/opt.err" ||
    fail "--computer hrad: status $rc, $(cat "$E2E_TMP/opt.err")"

start_display 1024x768
# cow 1 walks; the script's T and W (cow 2's) are the computer's to hold now
printf '100\n40 LEFT T\n40 UP W\n20 DOWN\n' >"$E2E_TMP/script.txt"
run_game --play "$E2E_TMP/script.txt" --computer hard --timedemo --record "$E2E_TMP/demo.txt" \
    --trace "$E2E_TMP/live.jsonl" --shot "190:$E2E_TMP/one-view.png"
[ "$GAME_STATUS" = 0 ] || fail "the round ended with $GAME_STATUS: $(cat "$GAME_ERR")"
if [ -d "${PASTURON_SCREENSHOTS:-}" ]; then cp "$E2E_TMP"/one-view.png "$PASTURON_SCREENSHOTS/"; fi
"$PASTURON_BUILD/tools/replay/pasturon-replay" "$PASTURON_DATA/_maps/Map02.map" \
    "$E2E_TMP/demo.txt" >"$E2E_TMP/replay.jsonl" || fail "pasturon-replay refused the recording"
cmp -s "$E2E_TMP/live.jsonl" "$E2E_TMP/replay.jsonl" ||
    fail "the recording of the round against the computer replays to another trace"
python3 - "$E2E_TMP/demo.txt" "$E2E_TMP/live.jsonl" <<'PY' || fail "the recording: $(cat "$E2E_TMP/demo.txt")"
import json, sys
runs = [line.split() for line in open(sys.argv[1]).read().split("\n")[1:-1]]
held = [key for run in runs for key in run[1:]]
assert "LEFT" in held and "UP" in held, "cow 1's keys from the script"
# the script's T and W held for 40 frames each: the computer's own would not line up with them
assert ["40", "LEFT", "T"] not in runs and ["40", "UP", "W"] not in runs, runs
cows = [json.loads(line)["cows"][1] for line in open(sys.argv[2])]
assert (cows[0]["x"], cows[0]["y"]) != (cows[-1]["x"], cows[-1]["y"]), "the computer's cow stood still"
PY
# one view: ground where the split screen keeps its sky strip, the rival's bank in the corner
for x in 398 399 400 401; do
    near "$(pixel "$E2E_TMP/one-view.png" $x 500)" "153 204 255" 8 && fail "a sky strip at x = $x"
done

# shows FILE CONDITION...: until CONDITION holds for a fresh screenshot FILE (8 s at most)
shows() {
    local file=$1 _
    shift
    for _ in $(seq 40); do
        screenshot "$file"
        "$@" && return 0
        sleep 0.2
    done
    return 1
}
# hold KEY FILE CONDITION...: KEY held down until the screen shows CONDITION (a slow build
# draws a frame in more than a tap's time, and its ticks would miss a tap)
hold() {
    local key=$1 rc=0
    shift
    key_down "$key"
    shows "$@" || rc=1
    key_up "$key"
    sleep 0.3
    return $rc
}
differs_from() { # differs_from A B: more than 50 pixels differ
    local changed
    changed=$(compare -metric AE "$1" "$2" null: 2>&1 || true)
    [ "${changed%% *}" -gt 50 ] 2>/dev/null
}
sky_at() { near "$(pixel "$1" "$2" "$3")" "153 204 255" 8; }
start_game --computer easy
# the title leaves sky above the farm plan, where the splash fills the window
hold space "$E2E_TMP/title-easy.png" sky_at "$E2E_TMP/title-easy.png" 400 30 ||
    fail "SPACE did not leave the splash"
sleep 0.5
screenshot "$E2E_TMP/title-easy.png" # drawn whole
hold 3 "$E2E_TMP/title-hard.png" differs_from "$E2E_TMP/title-easy.png" "$E2E_TMP/title-hard.png" ||
    fail "3 did not change the title's level"
hold c "$E2E_TMP/computer.png" eval '! sky_at "$E2E_TMP/computer.png" 400 500' ||
    fail "C did not start a round in one view"
hold v "$E2E_TMP/split.png" sky_at "$E2E_TMP/split.png" 400 500 || fail "V did not show the split screen"
escape_ends_game
echo "computer round ok: $(($(wc -l <"$E2E_TMP/live.jsonl") - 1)) frames replayed"
