#!/usr/bin/env bash
# key_test_e2e.sh: --version of the game and of pasturon-replay; the key test: with --key-test
# a held key of cow 1 is listed in cow 1's column (the right third of the window) and one of
# cow 2 in the left third, and gone when released; ESC ends it with status 0, and it refuses
# --play. F2 on the title screen opens it, ESC goes back to the title screen and ESC there quits.
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"

version=$(sed -n 's/^project(Pasturon VERSION \([0-9.]*\).*/\1/p' "$PASTURON_SOURCE/CMakeLists.txt")
[ "$(game --version)" = "pasturon $version" ] || fail "pasturon --version: $(game --version)"
[ "$("$PASTURON_BUILD/tools/replay/pasturon-replay" --version)" = "pasturon-replay $version" ] ||
    fail "pasturon-replay --version"

# differing A B X0 X1: pixels that differ between two screenshots in columns X0..X1-1 (the
# window is 800 x 600: three columns of 266 pixels)
differing() {
    compare -metric AE "$E2E_TMP/$1.png[$(($4 - $3))x600+$3+0]" \
        "$E2E_TMP/$2.png[$(($4 - $3))x600+$3+0]" null: 2>&1 | cut -d' ' -f1
}
# shot NAME: a screenshot into NAME.png
shot() { screenshot "$E2E_TMP/$1.png"; }
# shows_key_test NAME: shot NAME shows the key test (its background in the corners at the left:
# the window's first picture reaches the screen in bands)
shows_key_test() {
    shot "$1" && near "$(pixel "$E2E_TMP/$1.png" 5 595)" "20 25 30" 2 &&
        near "$(pixel "$E2E_TMP/$1.png" 5 5)" "20 25 30" 2
}
# lists NAME X0 X1: shot NAME has text in columns X0..X1 that the empty key test has not
lists() { shot "$1" && [ "$(differing empty "$1" "$2" "$3")" -gt 100 ]; }
# same NAME REFERENCE: shot NAME is the picture REFERENCE
same() { shot "$1" && [ "$(differing "$2" "$1" 0 800)" = 0 ]; }

start_display
status=0
game --key-test --play /dev/null 2>"$E2E_TMP/err" || status=$?
[ "$status" = 2 ] || fail "--key-test with --play ended with $status: $(cat "$E2E_TMP/err")"

start_game --key-test
within 5 shows_key_test empty || fail "--key-test does not show the key test"
key_down Right
key_down w
within 5 lists held 534 800 || fail "Right is not listed in cow 1's column"
within 5 lists held 0 266 || fail "W is not listed in cow 2's column"
[ "$(differing empty held 266 534)" = 0 ] || fail "a player's key is listed among the game's keys"
key_up Right
key_up w
within 5 same released empty || fail "released keys stay listed"
key_down Escape
wait_game
key_up Escape
[ "$GAME_STATUS" = 0 ] || fail "ESC ended --key-test with $GAME_STATUS, not 0"

start_game
tap space 1
within 5 eval 'shot title && near "$(pixel "$E2E_TMP/title.png" 5 5)" "153 204 255" 4' ||
    fail "no title screen"
key_down F2
within 5 shows_key_test keys || fail "F2 did not open the key test"
key_up F2
tap Escape 1 # the title screen does not quit on the ESC that left the key test
within 5 same back title || fail "ESC in the key test did not go back to the title screen"
escape_ends_game
echo "PASS"
