#!/usr/bin/env bash
# display_option_e2e.sh: the game started with GLUT's -display option on a second X server
# (its $DISPLAY names another one) still hears its keys: SPACE leaves the splash screen and
# ESC ends the process with status 1. Keys are only ever sent to the window's own server.
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"

start_display
elsewhere=$DISPLAY # the server the game's $DISPLAY names; its window must not go there
start_display      # the window's server: the helpers and xdotool talk to this one
GAME_DISPLAY=$elsewhere start_game -display "$DISPLAY"
sleep 1.5
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended at start-up: $(cat "$GAME_ERR")"
[ -z "$(DISPLAY=$elsewhere xdotool search --name '^Pasturon$' 2>/dev/null)" ] ||
    fail "the window opened on \$DISPLAY, not on the -display server"

space_leaves_splash
escape_ends_game
echo "keys reach the game on the -display server"
