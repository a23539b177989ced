# wave_recording.sh: the game's sound recorded by OpenAL Soft's wave device (mono, 16-bit),
# and figures of the recording. Source it after xvfb.sh; it exports ALSOFT_DRIVERS=wave and the
# device's settings.
export ALSOFT_DRIVERS=wave
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

# recording_stat FIELD FROM [LENGTH]: one figure of sox's stat (FIELD a regular expression
# for its name) for the recording from FROM seconds, for LENGTH seconds or to the end. The
# device never finishes its header while the game runs, so read raw samples.
recording_stat() {
    tail -c +$((HEADER_BYTES + 1)) "$RECORDING" |
        sox -t raw -r "$RATE" -e signed -b 16 -c 1 - -n trim "$2" ${3:+"$3"} stat 2>&1 |
        awk -v field="^$1:" '$0 ~ field { print $NF }'
}

# rms FROM LENGTH: RMS amplitude (0..1) of the recording from FROM seconds for LENGTH seconds.
rms() { recording_stat 'RMS +amplitude' "$1" "$2"; }

# louder_than VALUE LIMIT: true when VALUE > LIMIT.
louder_than() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# before SECONDS: the recorded time SECONDS before now (not below 0).
before() { awk -v n="$(recorded_seconds)" -v s="$1" 'BEGIN { t = n - s; printf "%.3f", t < 0 ? 0 : t }'; }

