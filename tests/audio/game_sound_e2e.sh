#!/usr/bin/env bash
# game_sound_e2e.sh: the real game's sound, recorded by OpenAL Soft's wave device under Xvfb:
# the intro music under the splash screen and, in a scripted round, a moo after a jump key; a
# machine with no audio device, where the game says so once and plays on silent; and a cow
# walking into water over the ambience, with every real sound, where no sample reaches -1 dBFS.
# The rounds are played from scripts at the game's own pace (a frame every 51 ms), so a frame
# number is a time: the sound is real time. One picture a tick (--classic-pace): pictures
# between ticks would keep the software renderer busy and starve the recording on a loaded
# machine.
set -u
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"
source "$PASTURON_SOURCE/tests/lib/wave_recording.sh"

# The game's own data, but with the background loops of play silenced, so that the only
# sound after a jump is the jump's moo. The intro stays the real one.
SHADOW="$E2E_TMP/data"
shadow_data "$SHADOW" sounds
for wav in "$PASTURON_DATA"/sounds/*.wav; do
    ln -s "$wav" "$SHADOW/sounds/"
done
for quiet in MorningLQ.wav StartRound.wav; do
    rm "$SHADOW/sounds/$quiet"
    sox -n -r 22050 -b 16 -c 1 "$SHADOW/sounds/$quiet" trim 0 1 || fail "sox could not make $quiet"
done
GAME_DATA=$PASTURON_DATA
PASTURON_DATA="$SHADOW"

# 1. the splash screen plays the intro
start_display
start_game
sleep 2
grep -q "audio device" "$GAME_ERR" && fail "the wave device was not opened: $(cat "$GAME_ERR")"
grep -q "alSettingASource" "$GAME_OUT" && fail "the catalogue failed: $(cat "$GAME_OUT")"
splash=$(rms "$(before 1)" 1)
echo "splash screen: RMS $splash"
louder_than "$splash" 0.01 || fail "the intro is not heard on the splash screen (RMS $splash)"
kill "$GAME_PID"
wait "$GAME_PID" 2>/dev/null
GAME_PID=""
[ -s "$GAME_ERR" ] && fail "the game with sound wrote to standard error: $(cat "$GAME_ERR")"

# 2. a round: quiet until cow 1 jumps in frame 31 (1.6 s in), then its moo
printf '30\n1 INSERT\n30\n' >"$E2E_TMP/jump.txt"
run_game --play "$E2E_TMP/jump.txt" --classic-pace
[ "$GAME_STATUS" = 0 ] || fail "the jump round ended with $GAME_STATUS: $(cat "$GAME_ERR")"
[ -s "$GAME_ERR" ] && fail "the game with sound wrote to standard error: $(cat "$GAME_ERR")"
quiet=$(rms 0 1.2)
moo=$(recording_stat 'RMS +amplitude' 1.5)
echo "play before the jump: RMS $quiet; after it: RMS $moo"
louder_than "$quiet" 0.002 && fail "play is not quiet before the jump (RMS $quiet)"
louder_than "$moo" 0.005 || fail "no moo after the jump key (RMS $moo)"

# 3. no audio device: one line on standard error, and the round plays on without sound
export ALSOFT_DRIVERS=no-such-backend
printf '3\n1 INSERT\n3\n' >"$E2E_TMP/silent.txt"
run_game --play "$E2E_TMP/silent.txt" --timedemo
[ "$GAME_STATUS" = 0 ] || fail "the silent round ended with status $GAME_STATUS"
[ "$(cat "$GAME_ERR")" = "No audio device found: the game runs without sound." ] ||
    fail "unexpected standard error without a device: $(cat "$GAME_ERR")"

# 4. the water scene with every real sound: cow 1 walks left into a pond from frame 61 (3.1 s
# in) while the ambience plays; the splash and the sonar start in one update, and the mix
# stays under -1 dBFS
export ALSOFT_DRIVERS=wave
PASTURON_DATA=$GAME_DATA
POND="$E2E_TMP/pond"
shadow_data "$POND" _maps
printf '%s\n' '~ ~ ~ ~ _ _ _ _1_ _ _ _2_ ' '~ ~ ~ ~ _ _ _ _ _ _ _ _ _ ' >"$POND/_maps/Map02.map"
PASTURON_DATA="$POND"
printf '60\n25 LEFT\n20\n' >"$E2E_TMP/pond.txt"
run_game --play "$E2E_TMP/pond.txt" --classic-pace
[ "$GAME_STATUS" = 0 ] || fail "the pond round ended with $GAME_STATUS: $(cat "$GAME_ERR")"
dry=$(recording_stat 'Maximum amplitude' 2 1) # the round's bugle call (1.4 s) is over
wet=$(recording_stat 'Maximum amplitude' 3.1)
echo "the pond: peak $dry on the bank, $wet after walking in"
louder_than "$wet" "$(awk -v d="$dry" 'BEGIN { print 2 * d }')" ||
    fail "no splash or sonar heard after walking into the water (peak $dry, then $wet)"
peak=$(recording_stat 'Maximum amplitude' 0)
echo "the pond: the whole recording peaks at $peak"
louder_than "$peak" 0.891 && fail "the mix reached $peak, past -1 dBFS (0.891)"
echo "PASS"
