# hud_shots.sh: helpers of the HUD's end-to-end tests: a scripted round of the real game and
# the pictures it saved. Source it after tests/lib/xvfb.sh.

# white_pixels FILE LEFT TOP WIDTH HEIGHT: pure-white pixels in the box (top-left origin).
white_pixels() {
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -fuzz 2% -fill black +opaque white \
        -format '%[fx:int(mean*w*h+0.5)]' info:
}

# play_round SCRIPT FRAME=NAME ...: the game plays SCRIPT unpaced on a display of its own (with
# PLAY_ARGS, an array, added to its options) and saves the window after each FRAME as
# $E2E_TMP/NAME.png (also copied into $PASTURON_SHOTS when that names a folder).
PLAY_ARGS=()
play_round() {
    local script=$1 spec
    shift
    local shots=()
    for spec in "$@"; do
        shots+=(--shot "${spec%%=*}:$E2E_TMP/${spec#*=}.png")
    done
    [ -n "$XVFB_PID" ] || start_display 1024x768
    run_game --play "$script" --timedemo "${shots[@]}" "${PLAY_ARGS[@]}"
    [ "$GAME_STATUS" = 0 ] || fail "the scripted round ended with $GAME_STATUS: $(cat "$GAME_ERR")"
    if [ -d "${PASTURON_SHOTS:-}" ]; then
        for spec in "$@"; do
            cp "$E2E_TMP/${spec#*=}.png" "$PASTURON_SHOTS/"
        done
    fi
}
