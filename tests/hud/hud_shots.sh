# hud_shots.sh: helpers of the HUD's end-to-end tests: a round started in the real game and
# screenshots of it. Source it after tests/lib/xvfb.sh.

# start_round: a fresh display and game, through the splash and title screens into play.
start_round() {
    start_display 1024x768
    start_game
    sleep 1
    tap space # splash -> title
    sleep 0.3
    tap space # title -> play
}

# white_pixels FILE LEFT TOP WIDTH HEIGHT: pure-white pixels in the box (top-left origin).
white_pixels() {
    convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -fuzz 2% -fill black +opaque white \
        -format '%[fx:int(mean*w*h+0.5)]' info:
}
# shot NAME: a screenshot of the running game into $E2E_TMP/NAME.png, its path in $shot
# (also copied into $PASTURON_SHOTS when that names a folder, for looking at them).
shot() {
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended: $(cat "$GAME_ERR")"
    shot="$E2E_TMP/$1.png"
    screenshot "$shot"
    if [ -d "${PASTURON_SHOTS:-}" ]; then cp "$shot" "$PASTURON_SHOTS/"; fi
}
