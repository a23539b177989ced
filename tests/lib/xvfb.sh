# xvfb.sh: helpers for end-to-end tests of the real game under a private Xvfb with Mesa's
# software renderer. Source it, then call start_display, start_game, keys, screenshots (or
# run_game for a played script).
# Needs PASTURON_BIN (the game) and PASTURON_DATA (its data folder) in the environment.

set -u
export LIBGL_ALWAYS_SOFTWARE=1
export ALSOFT_DRIVERS=${ALSOFT_DRIVERS:-null}
export ALSOFT_LOGLEVEL=${ALSOFT_LOGLEVEL:-0} # no "device not closed" note at exit
E2E_TMP=$(mktemp -d /tmp/pasturon-e2e.XXXXXX)
# the player's own controls.conf and settings.conf stay out of the tests (a test writes its own)
export XDG_CONFIG_HOME="$E2E_TMP/config"
XVFB_PID=""  # the last server start_display made
XVFB_PIDS=() # every server it made, stopped at exit
GAME_PID=""

cleanup() {
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null
    for pid in "${XVFB_PIDS[@]}"; do
        kill "$pid" 2>/dev/null
    done
    wait 2>/dev/null
    rm -rf "$E2E_TMP"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# start_display [WIDTHxHEIGHT]: a fresh X server, answering before we go on; exports DISPLAY.
# It does not reset when its last client leaves, so the next program never finds it resetting.
# Each call starts another server.
start_display() {
    local size=${1:-1024x768} attempt
    for attempt in 1 2 3; do
        rm -f "$E2E_TMP/display"
        Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$E2E_TMP/display" \
            2>"$E2E_TMP/xvfb.log" &
        XVFB_PID=$!
        for _ in $(seq 100); do
            [ -s "$E2E_TMP/display" ] && break
            sleep 0.1
        done
        if [ -s "$E2E_TMP/display" ]; then
            export DISPLAY=":$(cat "$E2E_TMP/display")"
            for _ in $(seq 50); do
                if xdpyinfo >/dev/null 2>&1; then
                    XVFB_PIDS+=("$XVFB_PID")
                    return 0
                fi
                sleep 0.1
            done
        fi
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=""
    done
    fail "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log")"
}

# start_game [ARGS...]: the game in its data folder (in GAME_DIR instead when that is set);
# stdout/stderr to $GAME_OUT/$GAME_ERR.
# The game's own $DISPLAY is GAME_DISPLAY when set (its window may be sent elsewhere with
# -display); the helpers look for the window on $DISPLAY. PASTURON_PRELOAD, when set, is the
# sanitizer build's library that keeps Mesa's driver loaded for the leak check.
GAME_OUT="$E2E_TMP/game.out"
GAME_ERR="$E2E_TMP/game.err"
GAME_WINDOW=""
GAME_DISPLAY=""
GAME_DIR=""
start_game() {
    (cd "${GAME_DIR:-$PASTURON_DATA}" && DISPLAY=${GAME_DISPLAY:-$DISPLAY} \
        game_exec "$@") \
        >"$GAME_OUT" 2>"$GAME_ERR" &
    GAME_PID=$!
    for _ in $(seq 300); do
        GAME_WINDOW=$(xdotool search --name '^Pasturon$' 2>/dev/null | head -1)
        [ -n "$GAME_WINDOW" ] && break
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended at start-up: $(cat "$GAME_ERR")"
        sleep 0.1
    done
    [ -n "$GAME_WINDOW" ] || fail "no game window (stderr: $(cat "$GAME_ERR"))"
    # with no window manager the window would sit at (-1, -1), one pixel off screen
    xdotool windowmove --sync "$GAME_WINDOW" 0 0 2>/dev/null || true
    xdotool windowfocus --sync "$GAME_WINDOW" 2>/dev/null || true
    xdotool mousemove --window "$GAME_WINDOW" 10 10
    sleep 0.5
}

# game_exec ARGS...: become the game (with the sanitizer build's PASTURON_PRELOAD, the library
# that keeps Mesa's driver loaded for the leak check); game ARGS...: run it in the foreground.
game_exec() { exec ${PASTURON_PRELOAD:+env LD_PRELOAD="$PASTURON_PRELOAD"} "$PASTURON_BIN" "$@"; }
game() { (game_exec "$@"); }

# run_game [ARGS...]: the game in its data folder until it ends by itself (--play); its exit
# status in GAME_STATUS, its output in $GAME_OUT and $GAME_ERR.
run_game() {
    GAME_STATUS=0
    (cd "$PASTURON_DATA" && DISPLAY=${GAME_DISPLAY:-$DISPLAY} \
        game_exec "$@") \
        >"$GAME_OUT" 2>"$GAME_ERR" || GAME_STATUS=$?
}

# wait_game [SECONDS]: wait (default 10 s) for the game to end; its exit status goes to
# GAME_STATUS ("timeout" when it did not end).
GAME_STATUS=""
wait_game() {
    local limit=$((${1:-10} * 10))
    for _ in $(seq "$limit"); do
        kill -0 "$GAME_PID" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$GAME_PID" 2>/dev/null; then
        GAME_STATUS=timeout
        return
    fi
    GAME_STATUS=0
    wait "$GAME_PID" || GAME_STATUS=$?
    GAME_PID=""
}

# space_leaves_splash: on the splash screen, SPACE shows the title screen (more than 10000
# pixels of the window change); the two pictures stay in $E2E_TMP/splash.png and title.png.
space_leaves_splash() {
    local changed
    screenshot "$E2E_TMP/splash.png"
    tap space
    sleep 0.5
    screenshot "$E2E_TMP/title.png"
    changed=$(compare -metric AE "$E2E_TMP/splash.png" "$E2E_TMP/title.png" null: 2>&1 || true)
    [ "${changed%% *}" -gt 10000 ] 2>/dev/null ||
        fail "SPACE did not leave the splash screen ($changed pixels changed)"
}

# escape_ends_game: ESC ends the game with status 1.
escape_ends_game() {
    key_down Escape
    wait_game
    key_up Escape
    [ "$GAME_STATUS" = 1 ] || fail "ESC ended the game with status $GAME_STATUS, not 1"
}

# shadow_data FOLDER ENTRY...: FOLDER holds links to the game's data but for the ENTRYs (a
# folder of each, empty, is left for the caller to fill).
shadow_data() {
    local folder=$1 entry
    shift
    mkdir -p "$folder"
    for entry in "$PASTURON_DATA"/*; do
        [[ " $* " == *" $(basename "$entry") "* ]] || ln -s "$entry" "$folder/"
    done
    for entry in "$@"; do
        mkdir -p "$folder/$entry"
    done
}

# within SECONDS COMMAND...: the command succeeds within that time (tried every 0.1 s).
within() {
    local limit=$(($1 * 10))
    shift
    for _ in $(seq "$limit"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

key_down() { xdotool keydown --delay 0 "$@"; }
key_up() { xdotool keyup --delay 0 "$@"; }
# tap KEY [SECONDS]: hold a key long enough for frames to see it (default 0.3 s).
tap() { key_down "$1"; sleep "${2:-0.3}"; key_up "$1"; sleep 0.2; }

# screenshot FILE.png: the game window as PNG.
screenshot() { import -window "$GAME_WINDOW" "$1"; }

# pixel FILE X Y: "R G B" (0..255) of one pixel, (0,0) the window's top left.
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}

# near "R G B" "R G B" [TOLERANCE]: true when every channel is within the tolerance (default 3).
near() {
    local -a a=($1) b=($2)
    local tol=${3:-3} i d
    for i in 0 1 2; do
        d=$((a[i] - b[i]))
        [ ${d#-} -le "$tol" ] || return 1
    done
}
