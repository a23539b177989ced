#!/usr/bin/env bash
# game_sound_e2e.sh: the real game's sound, recorded by OpenAL Soft's wave device under Xvfb:
# the intro music under the splash screen and a moo after a jump key in play; then a machine
# with no audio device, where the game says so once and runs on silent.
set -u
export ALSOFT_DRIVERS=wave
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"

RATE=44100       # samples per second of the recording (mono, 16-bit)
HEADER_BYTES=68  # the wave device's header before the samples
RECORDING="$E2E_TMP/recording.wav"
printf '[general]\nchannels=mono\nsample-type=int16\nfrequency=%d\n[wave]\nfile=%s\n' \
    "$RATE" "$RECORDING" >"$E2E_TMP/alsoft.conf"
export ALSOFT_CONF="$E2E_TMP/alsoft.conf"

# recorded_seconds: how much sound the device has written so far.
recorded_seconds() {
    local bytes
    bytes=$(stat -c %s "$RECORDING")
    awk -v b="$bytes" -v h="$HEADER_BYTES" -v r="$RATE" 'BEGIN { printf "%.3f", (b - h) / (r * 2) }'
}

# rms FROM LENGTH: RMS amplitude (0..1) of the recording from FROM seconds for LENGTH
# seconds. The device never finishes its header while the game runs, so read raw samples.
rms() {
    tail -c +$((HEADER_BYTES + 1)) "$RECORDING" |
        sox -t raw -r "$RATE" -e signed -b 16 -c 1 - -n trim "$1" "$2" stat 2>&1 |
        awk '/^RMS +amplitude/ { print $3 }'
}

# louder_than VALUE LIMIT: true when VALUE > LIMIT.
louder_than() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# before SECONDS: the recorded time SECONDS before now (not below 0).
before() { awk -v n="$(recorded_seconds)" -v s="$1" 'BEGIN { t = n - s; printf "%.3f", t < 0 ? 0 : t }'; }

# The game's own data, but with the background loops of play silenced, so that the only
# sound after a jump is the jump's moo. The intro stays the real one.
SHADOW="$E2E_TMP/data"
mkdir -p "$SHADOW/sounds"
for entry in "$PASTURON_DATA"/*; do
    [ "$(basename "$entry")" = sounds ] || ln -s "$entry" "$SHADOW/"
done
for wav in "$PASTURON_DATA"/sounds/*.wav; do
    ln -s "$wav" "$SHADOW/sounds/"
done
for quiet in MorningLQ.wav StartRound.wav; do
    rm "$SHADOW/sounds/$quiet"
    sox -n -r 22050 -b 16 -c 1 "$SHADOW/sounds/$quiet" trim 0 1 || fail "sox could not make $quiet"
done
PASTURON_DATA="$SHADOW"

start_display
start_game
sleep 2
grep -q "audio device" "$GAME_ERR" && fail "the wave device was not opened: $(cat "$GAME_ERR")"
grep -q "alSettingASource" "$GAME_OUT" && fail "the catalogue failed: $(cat "$GAME_OUT")"

# 1. the splash screen plays the intro
splash=$(rms "$(before 1)" 1)
echo "splash screen: RMS $splash"
louder_than "$splash" 0.01 || fail "the intro is not heard on the splash screen (RMS $splash)"

# 2. into play: SPACE to the title screen, SPACE again to start; the intro stops
tap space
sleep 0.5
tap space
sleep 1.5
quiet=$(rms "$(before 1)" 1)
echo "play before a jump: RMS $quiet"
louder_than "$quiet" 0.002 && fail "play is not quiet before the jump (RMS $quiet)"

# 3. cow 1 jumps: its moo follows
jumped_at=$(recorded_seconds)
tap Insert
sleep 1.5
moo=$(rms "$jumped_at" 1.2)
echo "after cow 1's jump key: RMS $moo"
louder_than "$moo" 0.01 || fail "no moo after the jump key (RMS $moo)"

key_down Escape
wait_game
key_up Escape
[ "$GAME_STATUS" = 1 ] || fail "ESC ended the game with status $GAME_STATUS"
[ -s "$GAME_ERR" ] && fail "the game with sound wrote to standard error: $(cat "$GAME_ERR")"

# 4. no audio device: one line on standard error, and the game plays on without sound
expect_only_the_no_device_line() {
    [ "$(cat "$GAME_ERR")" = "No audio device found: the game runs without sound." ] ||
        fail "unexpected standard error without a device: $(cat "$GAME_ERR")"
}
export ALSOFT_DRIVERS=no-such-backend
start_game
sleep 1
expect_only_the_no_device_line
tap space
sleep 0.5
tap space
sleep 1
tap Insert
kill -0 "$GAME_PID" 2>/dev/null || fail "the game did not keep running without a device"
key_down Escape
wait_game
key_up Escape
[ "$GAME_STATUS" = 1 ] || fail "ESC ended the silent game with status $GAME_STATUS"
expect_only_the_no_device_line
echo "PASS"
