#!/usr/bin/env bash
# flow_e2e.sh: the real keyboard's way through the real game under Xvfb, on a small farm: the
# splash fills the window, SPACE shows the title screen's overhead map with the cells' colours
# where they belong, SPACE / release / SPACE reaches play (the sky between the two halves), N
# brings the title back with the world rebuilt, ESC ends the process with status 1, and the
# frame-rate lines keep their format. Before that, the command line: --help needs no display,
# a bad option, argument or demo file is one line on standard error and status 2.
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"

# expect_refusal TEXT ARGS...: status 2, one line on standard error holding TEXT, no window
expect_refusal() {
    local text=$1 rc=0
    shift
    game "$@" >"$E2E_TMP/opt.out" 2>"$E2E_TMP/opt.err" || rc=$?
    [ "$rc" = 2 ] || fail "pasturon $* ended with $rc, not 2"
    [ "$(wc -l <"$E2E_TMP/opt.err")" = 1 ] || fail "pasturon $*: $(cat "$E2E_TMP/opt.err")"
    grep -qF -- "$text" "$E2E_TMP/opt.err" || fail "pasturon $*: $(cat "$E2E_TMP/opt.err")"
}
DISPLAY= "$PASTURON_BIN" --help >"$E2E_TMP/help.txt" || fail "--help ended with $?"
for option in help record play timedemo trace shot; do
    grep -q -- "--$option" "$E2E_TMP/help.txt" || fail "--help does not list --$option"
done
export DISPLAY=
expect_refusal "'--no-such-option'" --no-such-option
expect_refusal "--timedemo needs --play" --timedemo
expect_refusal "cannot write $E2E_TMP/none/demo.txt" --record "$E2E_TMP/none/demo.txt"
printf '3 UP\n1 F13\n' >"$E2E_TMP/bad.txt"
expect_refusal "$E2E_TMP/bad.txt, line 2: bad key \"F13\"" --play "$E2E_TMP/bad.txt"
printf '3 UP\n1 LEFT\n' >"$E2E_TMP/good.txt"
expect_refusal "--shot 9: the script has only 4 frames" --play "$E2E_TMP/good.txt" --shot 9:x.png
# a script the game cannot read: the replay tool's own words
"$PASTURON_BUILD/tools/replay/pasturon-replay" "$PASTURON_DATA/_maps/Map02.map" \
    "$E2E_TMP/missing.txt" 2>"$E2E_TMP/replay.err" && fail "the replay tool read a missing script"
expect_refusal "$(sed 's/^pasturon-replay: //' "$E2E_TMP/replay.err")" --play "$E2E_TMP/missing.txt"

farm=$E2E_TMP/farm
shadow_data "$farm" _maps
python3 "$PASTURON_SOURCE/tests/lib/small_farm.py" "$farm/_maps/Map02.map"
export PASTURON_DATA=$farm
start_display 1024x768
expect_refusal "'stray'" -display "$DISPLAY" stray
start_game
sleep 1.5
screenshot "$E2E_TMP/splash.png"
for xy in "5 5" "795 5" "400 300" "5 595" "795 595"; do
    near "$(pixel "$E2E_TMP/splash.png" $xy)" "153 204 255" 8 && fail "the splash leaves sky at ($xy)"
done

tap space # splash -> title
sleep 0.3
screenshot "$E2E_TMP/title.png"
# 40 x 40 map in 800 x 600: cells 20 x 15 pixels; (column c, row r) centred at
# x = 20 c + 10, y = 15 r + 7 from the top left
cell() { pixel "$E2E_TMP/title.png" $((20 * $1 + 10)) $((15 * $2 + 7)); }
near "$(cell 15 17)" "77 77 204" 4 || fail "pond cell shows $(cell 15 17)"
near "$(cell 23 18)" "26 230 26" 4 || fail "wood cell shows $(cell 23 18)"
near "$(cell 20 24)" "102 26 26" 4 || fail "fence cell shows $(cell 20 24)"
near "$(cell 20 20)" "77 153 128" 4 || fail "grass cell shows $(cell 20 20)"
near "$(cell 5 5)" "153 204 255" 4 || fail "the border is drawn: $(cell 5 5)"

tap space # the title saw SPACE up; the next press starts play
tap Left 1
screenshot "$E2E_TMP/play.png"
# the 4-pixel strip between the halves (x 398..401 in an 800-wide window) keeps the clear colour
for x in 398 399 400 401; do
    p=$(pixel "$E2E_TMP/play.png" $x 300)
    near "$p" "153 204 255" || fail "pixel ($x, 300) is $p, not the sky blue"
done

tap n # a new game: the title again, cow 1 back at home
screenshot "$E2E_TMP/title-again.png"
changed=$(compare -metric AE "$E2E_TMP/title.png" "$E2E_TMP/title-again.png" null: 2>&1 || true)
[ "$changed" = 0 ] || fail "N did not bring back the title as it was ($changed pixels differ)"

key_down Escape
wait_game
[ "$GAME_STATUS" = 1 ] || fail "ESC ended the game with status $GAME_STATUS, not 1"

# only play redraws every tick: its frame-rate lines
lines=$(grep -c . "$GAME_OUT" || true)
[ "$lines" -ge 1 ] || fail "expected frame-rate lines, got: $(cat "$GAME_OUT")"
bad=$(grep -vE '^[ 0-9]{2}[0-9]\.[0-9] fps \([0-9]+\)( \(drawn in software, behind the game: try --detail low\))?$' "$GAME_OUT" | grep -v 'SLOW!' || true)
[ -z "$bad" ] || fail "lines not in the frame-rate format: $bad"
# the count in each line matches its rate over the interval of just over a second
awk '{ n = substr($3, 2) + 0; if (n < $1 || n > $1 * 2 + 1) { print "count and rate disagree: " $0; exit 1 } }' \
    "$GAME_OUT" || fail "frame-rate line"
echo "flow ok: $(tail -1 "$GAME_OUT")"
