#!/usr/bin/env bash
# volume_e2e.sh: the master volume in what OpenAL Soft's wave device records. On the splash
# screen M mutes and unmutes the intro and five presses of '-' take the volume to 50; the game
# keeps that in settings.conf (around the player's own lines, a bad one refused on standard
# error), and after a restart a scripted round peaks at half the level of the same round at
# --volume 100, and is silent at --volume 0 or when settings.conf says muted.
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"
source "$PASTURON_SOURCE/tests/lib/wave_recording.sh"

settings=$XDG_CONFIG_HOME/pasturon/settings.conf
mkdir -p "$(dirname "$settings")"
printf '# mine\nvolume = loud\n' >"$settings"
setting() { grep -x "$1 = $2" "$settings" >/dev/null; }

# 1. live keys on the splash screen, over the intro music
start_display
start_game
[ "$(cat "$GAME_ERR")" = "settings.conf, line 2: the volume is a whole number from 0 to 100" ] ||
    fail "the bad line was not refused in one line: $(cat "$GAME_ERR")"
sleep 1
full=$(rms "$(before 0.8)" 0.8)
tap m
sleep 0.5
muted=$(rms "$(before 0.4)" 0.4)
setting muted yes || fail "M is not kept: $(cat "$settings")"
tap m
sleep 0.5
unmuted=$(rms "$(before 0.4)" 0.4)
for _ in 1 2 3 4 5; do
    tap minus 0.1
done
echo "the intro: RMS $full, $muted muted, $unmuted unmuted"
louder_than "$full" 0.01 || fail "no intro heard (RMS $full)"
louder_than "$muted" 0.0002 && fail "M did not mute (RMS $muted)"
louder_than "$unmuted" 0.005 || fail "M again did not unmute (RMS $unmuted)"
setting volume 50 && setting muted no && grep -qx '# mine' "$settings" ||
    fail "settings.conf after the keys: $(cat "$settings")"
kill "$GAME_PID"
wait "$GAME_PID" 2>/dev/null
GAME_PID=""

# 2. restarts: a round of 40 ticks (its bugle call over the ambience) at each volume; peaks
# compare the same sound wherever the round started in the recording
printf '40\n' >"$E2E_TMP/round.txt"
round_peak() { # ARGS...: the round played with them (one picture a tick, which leaves the
    # recording its share of a loaded machine), the peak of its recording
    run_game --play "$E2E_TMP/round.txt" --classic-pace "$@"
    [ "$GAME_STATUS" = 0 ] || fail "the round ($*) ended with $GAME_STATUS: $(cat "$GAME_ERR")"
    recording_stat 'Maximum amplitude' 0
}
half=$(round_peak) # settings.conf: volume 50
loud=$(round_peak --volume 100)
silent=$(round_peak --volume 0)
sed -i 's/^muted = no$/muted = yes/' "$settings"
muted_round=$(round_peak)
echo "a round peaks at $loud at 100, $half at 50 (settings.conf), $silent at 0, $muted_round muted"
ratio=$(awk -v h="$half" -v l="$loud" 'BEGIN { printf "%.3f", h / l }')
awk -v r="$ratio" 'BEGIN { exit !(r > 0.45 && r < 0.55) }' ||
    fail "the round at volume 50 is not half as loud as at 100 (ratio $ratio)"
louder_than "$silent" 0.0005 && fail "--volume 0 is not silent (peak $silent)"
louder_than "$muted_round" 0.0005 && fail "muted in settings.conf is not silent ($muted_round)"
echo "PASS"
