#!/usr/bin/env bash
# flow_e2e.sh: the real game under Xvfb: it starts on the splash screen, SPACE / release /
# SPACE reaches play, the sky shows between the two halves, frame-rate lines keep their
# format, and ESC ends the process with status 1. Before that, the command line: --help needs
# no display, a bad option or argument is one line on standard error and status 2.
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"

# expect_refusal ARGS...: status 2, one line on standard error naming the argument, no window
expect_refusal() {
    local rc=0
    ${PASTURON_PRELOAD:+env LD_PRELOAD="$PASTURON_PRELOAD"} "$PASTURON_BIN" "$@" \
        >"$E2E_TMP/opt.out" 2>"$E2E_TMP/opt.err" || rc=$?
    [ "$rc" = 2 ] || fail "pasturon $* ended with $rc, not 2"
    [ "$(wc -l <"$E2E_TMP/opt.err")" = 1 ] || fail "pasturon $*: $(cat "$E2E_TMP/opt.err")"
    grep -qF -- "'${!#}'" "$E2E_TMP/opt.err" || fail "pasturon $*: $(cat "$E2E_TMP/opt.err")"
}
DISPLAY= "$PASTURON_BIN" --help >"$E2E_TMP/help.txt" || fail "--help ended with $?"
grep -q -- '--help' "$E2E_TMP/help.txt" || fail "--help does not list itself"
DISPLAY= expect_refusal --no-such-option

start_display 1024x768
expect_refusal -display "$DISPLAY" stray
start_game
sleep 1.5
kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended at start-up: $(cat "$GAME_ERR")"

tap space          # splash -> title
sleep 0.3
tap space          # the title saw SPACE up; the next press starts play
sleep 1.5
screenshot "$E2E_TMP/play.png"
# the 4-pixel strip between the halves (x 398..401 in an 800-wide window) keeps the clear colour
for x in 398 399 400 401; do
    p=$(pixel "$E2E_TMP/play.png" $x 300)
    near "$p" "153 204 255" || fail "pixel ($x, 300) is $p, not the sky blue"
done

key_down Escape
wait_game
[ "$GAME_STATUS" = 1 ] || fail "ESC ended the game with status $GAME_STATUS, not 1"

lines=$(grep -c . "$GAME_OUT" || true)
[ "$lines" -ge 2 ] || fail "expected frame-rate lines, got: $(cat "$GAME_OUT")"
bad=$(grep -vE '^[ 0-9]{2}[0-9]\.[0-9] fps \([0-9]+\)$' "$GAME_OUT" | grep -v 'SLOW!' || true)
[ -z "$bad" ] || fail "lines not in the frame-rate format: $bad"
# the count in each line matches its rate over the interval of just over a second
awk '{ n = substr($3, 2) + 0; if (n < $1 || n > $1 * 2 + 1) { print "count and rate disagree: " $0; exit 1 } }' \
    "$GAME_OUT" || fail "frame-rate line"
echo "flow ok: $(tail -1 "$GAME_OUT")"
