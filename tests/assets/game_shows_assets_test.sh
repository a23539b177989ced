#!/usr/bin/env bash
# game_shows_assets_test.sh: the real game starts on the generated data folder without a
# single load failure, and its first screen is the splash picture as the file holds it.
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"

splash="$PASTURON_DATA/splashscreen.bmp"
[ -f "$splash" ] || fail "no splash picture in $PASTURON_DATA"

start_display 1024x768
start_game
sleep 2
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended during start-up: $(cat "$GAME_ERR")"
shot="$E2E_TMP/splash.png"
screenshot "$shot"

# No texture reported by the image loader, no sound entry failed.
if grep -q "Error" "$GAME_ERR"; then
    fail "load failures at start-up: $(cat "$GAME_ERR")"
fi
if grep -q "alSettingASource" "$GAME_OUT"; then
    fail "a sound failed to load: $(cat "$GAME_OUT")"
fi

# The window shows the splash at its own size: sample flat areas (they stay put if the
# capture is a pixel smaller): the sky, the sun, the barn's loft door and the white cow.
picture="$E2E_TMP/splash_file.png"
convert "$splash" "$picture"
for point in "6 6" "700 96" "125 259" "600 440"; do
    set -- $point
    want=$(pixel "$picture" "$1" "$2")
    got=$(pixel "$shot" "$1" "$2")
    near "$want" "$got" 16 || fail "splash pixel ($1, $2) is $got, the file has $want"
done
echo "PASS"
