#!/usr/bin/env bash
# key_test_e2e.sh: --version of the game and of pasturon-replay; the key test: with --key-test
# a held key of cow 1 is listed in cow 1's column (the right third of the window) and one of cow 2
# in the left third, and gone when released; ESC ends it with status 0, and it refuses --play.
# F2 on the title screen opens it, ESC goes back to the title screen and ESC there quits.
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"

version=$(sed -n 's/^project(Pasturon VERSION \([0-9.]*\).*/\1/p' "$PASTURON_SOURCE/CMakeLists.txt")
[ "$(game --version)" = "pasturon $version" ] || fail "pasturon --version: $(game --version)"
[ "$("$PASTURON_BUILD/tools/replay/pasturon-replay" --version)" = "pasturon-replay $version" ] ||
    fail "pasturon-replay --version"

# changed A.png B.png X0 X1: pixels that differ between the pictures in columns X0..X1-1 (the
# window is 800 x 600: three columns of 266 pixels)
changed() {
    compare -metric AE "$1[$(($4 - $3))x600+$3+0]" "$2[$(($4 - $3))x600+$3+0]" null: 2>&1 |
        cut -d' ' -f1
}
start_display
status=0
game --key-test --play /dev/null 2>"$E2E_TMP/err" || status=$?
[ "$status" = 2 ] || fail "--key-test with --play ended with $status: $(cat "$E2E_TMP/err")"
start_game --key-test
sleep 0.3
screenshot "$E2E_TMP/none.png"
key_down Right
key_down w
sleep 0.4
screenshot "$E2E_TMP/held.png"
key_up Right
key_up w
sleep 0.4
screenshot "$E2E_TMP/released.png"
[ "$(changed "$E2E_TMP/none.png" "$E2E_TMP/held.png" 534 800)" -gt 100 ] ||
    fail "Right is not listed in cow 1's column"
[ "$(changed "$E2E_TMP/none.png" "$E2E_TMP/held.png" 0 266)" -gt 100 ] ||
    fail "W is not listed in cow 2's column"
[ "$(changed "$E2E_TMP/none.png" "$E2E_TMP/held.png" 266 534)" = 0 ] ||
    fail "a player's key is listed among the game's keys"
[ "$(changed "$E2E_TMP/none.png" "$E2E_TMP/released.png" 0 800)" = 0 ] ||
    fail "released keys stay listed"
key_down Escape
wait_game
key_up Escape
[ "$GAME_STATUS" = 0 ] || fail "ESC ended --key-test with $GAME_STATUS, not 0"

start_game
tap space
sleep 0.3
screenshot "$E2E_TMP/title.png"
tap F2
screenshot "$E2E_TMP/keys.png"
[ "$(changed "$E2E_TMP/title.png" "$E2E_TMP/keys.png" 0 800)" -gt 100000 ] ||
    fail "F2 did not open the key test"
tap Escape
screenshot "$E2E_TMP/back.png"
[ "$(changed "$E2E_TMP/title.png" "$E2E_TMP/back.png" 0 800)" = 0 ] ||
    fail "ESC in the key test did not go back to the title screen"
escape_ends_game
echo "PASS"
