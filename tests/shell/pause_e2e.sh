#!/usr/bin/env bash
# pause_e2e.sh: a round of the real game, recorded (--record, --trace) and played on the
# keyboard, paused by P for PAUSE_SECONDS (10 by default) while other keys are held, then by the
# window losing the focus: no tick runs while paused (the trace stops growing, the picture stays,
# the demo holds none of the keys held meanwhile and no more ticks than the time played), the
# sound stops (OpenAL Soft's wave device records silence), and the demo replays to the game's
# own trace in pasturon-replay, as the same keys played without a pause.
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"
source "$PASTURON_SOURCE/tests/lib/wave_recording.sh"

PAUSE_SECONDS=${PAUSE_SECONDS:-10}
demo=$E2E_TMP/demo.txt
trace=$E2E_TMP/live.jsonl
# The trace reaches its file in pieces of 64 KiB, about 50 ticks: over a pause of 4 s or more a
# running round would write at least one piece.
size() { stat -c %s "$trace"; }

start_display 800x600
start_game --record "$demo" --trace "$trace"
# the intro music starts when the start-up is over: from then on every key counts
heard() { louder_than "$(rms "$(before 0.3)" 0.3)" 0.005; }
within 30 heard || fail "no intro music"
tap space 1 # splash -> title (held for a second: slow builds take every key once a tick)
sleep 0.3
tap space 1 # play
started=$(date +%s.%N)
key_down Left
sleep 1
key_up Left
sound=$(rms "$(before 1)" 1)

tap p 1
paused_at=$(date +%s.%N)
key_down Right # held through the pause: no tick may see them
key_down t
size_paused=$(size)
screenshot "$E2E_TMP/paused1.png"
sleep "$PAUSE_SECONDS"
screenshot "$E2E_TMP/paused2.png"
[ "$(size)" = "$size_paused" ] || fail "ticks ran while paused (the trace grew)"
silence=$(rms "$(before 3)" 3)
key_up Right
key_up t
sleep 0.2
tap p 1
paused_for=$(echo "$(date +%s.%N) - $paused_at" | bc)
echo "the ambience: RMS $sound in play, $silence while paused"
louder_than "$sound" 0.002 || fail "no sound in play (RMS $sound)"
louder_than "$silence" 0.0002 && fail "the sound plays on while paused (RMS $silence)"
changed=$(compare -metric AE "$E2E_TMP/paused1.png" "$E2E_TMP/paused2.png" null: 2>&1 || true)
[ "${changed%% *}" = 0 ] || fail "the paused picture changed ($changed pixels)"

key_down Up # after P: recorded
sleep 1
key_up Up
# the window loses the keyboard focus (to the root window): the round pauses by itself
xdotool windowfocus "$(xwininfo -root | awk '/Window id:/ { print $4 }')"
sleep 0.3
size_unfocused=$(size)
sleep 4
[ "$(size)" = "$size_unfocused" ] || fail "ticks ran while the window had no focus"
xdotool windowfocus --sync "$GAME_WINDOW"
tap p 1
key_down Down # after P: recorded
sleep 1
key_up Down
ended=$(date +%s.%N)
key_down Escape
wait_game
key_up Escape
[ "$GAME_STATUS" = 1 ] || fail "ESC ended the game with $GAME_STATUS"

python3 - "$demo" "$(echo "($ended - $started - $paused_for) / 0.051 + 25" | bc)" <<'PY' ||
import sys
runs = [line.split() for line in open(sys.argv[1]).read().split("\n")[1:-1]]
held = {key for run in runs for key in run[1:]}
frames = sum(int(run[0]) for run in runs)
assert {"LEFT", "UP", "DOWN"} <= held, held
assert not {"RIGHT", "T"} & held, ("keys held only while paused were recorded", held)
assert frames < float(sys.argv[2]), (frames, "ticks recorded, more than the time played allows")
print(f"{frames} ticks recorded")
PY
    fail "the recording: $(cat "$demo")"
"$PASTURON_BUILD/tools/replay/pasturon-replay" "$PASTURON_DATA/_maps/Map02.map" "$demo" \
    >"$E2E_TMP/replay.jsonl" || fail "pasturon-replay refused the recording"
cmp -s "$trace" "$E2E_TMP/replay.jsonl" ||
    fail "the paused round's trace is not the trace of its keys played without a pause"
echo "PASS: paused ${paused_for%.*} s and by the focus; the same trace as without the pauses"
