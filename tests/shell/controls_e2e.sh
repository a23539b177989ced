#!/usr/bin/env bash
# controls_e2e.sh: the controls file as the real game reads it (--print-controls shows the
# bindings in force, a bad line is one line on standard error and the game still starts), and
# fullscreen: --fullscreen starts in it, F11 leaves it.
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"

export XDG_CONFIG_HOME="$E2E_TMP/config"
mkdir -p "$XDG_CONFIG_HOME/pasturon"
printf '# laptop\ncow2.jump = G\ncow1.fly = H\n' >"$XDG_CONFIG_HOME/pasturon/controls.conf"

DISPLAY= game --print-controls >"$E2E_TMP/controls.txt" 2>"$E2E_TMP/controls.err" ||
    fail "--print-controls ended with $?"
grep -qx 'cow2.jump = G' "$E2E_TMP/controls.txt" || fail "no cow2.jump = G in: $(cat "$E2E_TMP/controls.txt")"
grep -qx 'cow1.jump = Insert RightShift' "$E2E_TMP/controls.txt" || fail "cow 1's jump keys"
[ "$(wc -l <"$E2E_TMP/controls.txt")" = 14 ] || fail "not 14 bindings: $(cat "$E2E_TMP/controls.txt")"
[ "$(cat "$E2E_TMP/controls.err")" = 'controls.conf, line 3: unknown action "cow1.fly" (cow1 or cow2, then up, down, left, right, jump, butt or controls)' ] ||
    fail "the bad line's message: $(cat "$E2E_TMP/controls.err")"

start_display 1024x768
start_game --fullscreen
sleep 1
grep -qx 'controls.conf, line 3: .*' "$GAME_ERR" || fail "the game did not say which line it refused"
size() { xdotool getwindowgeometry "$GAME_WINDOW" | awk '/Geometry/ { print $2 }'; }
[ "$(size)" = 1024x768 ] || fail "--fullscreen gave a $(size) window on a 1024x768 screen"
tap F11
after=$(size)
[ "$after" != 1024x768 ] || fail "F11 did not leave fullscreen"
key_down Escape
wait_game
[ "$GAME_STATUS" = 1 ] || fail "ESC ended the game with status $GAME_STATUS"
echo "controls ok: window $after after F11"
