#!/usr/bin/env bash
# screens_e2e.sh: the real game under Xvfb on a small farm: the splash fills the window, the
# title screen's overhead map shows the cells' colours where they belong, play shows both
# halves with the sky strip between them, and holding F12 changes only the right half.
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"

# A data folder of our own: the built assets (when there are any) and a 40 x 40 farm with a
# pond and a wood, and nothing that spins.
farm=$E2E_TMP/farm
mkdir -p "$farm/_maps"
for entry in "$PASTURON_DATA"/*; do
    [ -e "$entry" ] && [ "$(basename "$entry")" != _maps ] && ln -s "$entry" "$farm/"
done
if [ ! -e "$farm/fonts/arial.ttf" ]; then
    rm -f "$farm/fonts"
    mkdir -p "$farm/fonts"
    cp "$PASTURON_FONT" "$farm/fonts/arial.ttf"
fi
python3 - "$farm/_maps/Map02.map" <<'PY'
import sys
rows = [["_", " "] * 40 for _ in range(40)]
def put(c, r, tile=None, obj=None):
    if tile: rows[r][2 * c] = tile
    if obj: rows[r][2 * c + 1] = obj
for r in range(16, 20):
    for c in range(14, 18):
        put(c, r, tile="~")      # the pond
    for c in range(22, 26):
        put(c, r, obj="T")       # the wood
for c in range(12, 28):
    put(c, 24, obj="#")          # a fence line
put(18, 30, obj="1")
put(22, 30, obj="2")
open(sys.argv[1], "w").write("".join("".join(r) + "\n" for r in rows))
PY
export PASTURON_DATA=$farm
# shot NAME: screenshot to $E2E_TMP/NAME.png (and to $PASTURON_SCREENSHOTS when set)
shot() {
    screenshot "$E2E_TMP/$1.png"
    if [ -n "${PASTURON_SCREENSHOTS:-}" ]; then cp "$E2E_TMP/$1.png" "$PASTURON_SCREENSHOTS/"; fi
}

start_display 1024x768
start_game
sleep 1.5
shot splash
for xy in "5 5" "795 5" "400 300" "5 595" "795 595"; do
    p=$(pixel "$E2E_TMP/splash.png" $xy)
    near "$p" "153 204 255" 8 && fail "the splash leaves sky at ($xy)"
done

tap space
sleep 0.5
shot title
# 40 x 40 map in 800 x 600: cells 20 x 15 pixels; (column c, row r) centred at
# x = 20 c + 10, y = 15 r + 7 from the top left
cell() { pixel "$E2E_TMP/title.png" $((20 * $1 + 10)) $((15 * $2 + 7)); }
near "$(cell 15 17)" "77 77 204" 4 || fail "pond cell shows $(cell 15 17)"
near "$(cell 23 18)" "26 230 26" 4 || fail "wood cell shows $(cell 23 18)"
near "$(cell 20 24)" "102 26 26" 4 || fail "fence cell shows $(cell 20 24)"
near "$(cell 20 20)" "77 153 128" 4 || fail "grass cell shows $(cell 20 20)"
near "$(cell 5 5)" "153 204 255" 4 || fail "the border is drawn: $(cell 5 5)"

lines_before_play=$(wc -l <"$GAME_OUT")
tap space
# the introduction panels last 100 play frames: wait for 120 by the frame-rate lines
frames_since_play() {
    tail -n +"$((lines_before_play + 1))" "$GAME_OUT" | sed -n 's/.*fps (\([0-9]*\))/\1/p' |
        awk '{ n += $1 } END { print n + 0 }'
}
for _ in $(seq 300); do
    [ "$(frames_since_play)" -ge 120 ] && break
    sleep 0.1
done
[ "$(frames_since_play)" -ge 120 ] || fail "play did not reach 120 frames"
crop() { convert "$1" -crop "$2" +repage "$E2E_TMP/crop-$3.png"; echo "$E2E_TMP/crop-$3.png"; }
differing() { compare -metric AE "$1" "$2" null: 2>&1 || true; }
# and until the world holds still (the HUD's hay icons turn; the world's top 400 rows are
# clear of the HUD's counters)
steady=""
for attempt in $(seq 40); do
    sleep 0.5
    screenshot "$E2E_TMP/before.png"
    sleep 0.3
    shot play
    if [ "$(differing "$(crop "$E2E_TMP/before.png" 800x400+0+0 sa)" \
        "$(crop "$E2E_TMP/play.png" 800x400+0+0 sb)")" = 0 ]; then
        steady=yes
        break
    fi
done
[ -n "$steady" ] || fail "the play screen never held still"
for x in 398 399 400 401; do
    near "$(pixel "$E2E_TMP/play.png" $x 300)" "153 204 255" || fail "no sky strip at x = $x"
done
for xy in "200 500" "600 500"; do
    near "$(pixel "$E2E_TMP/play.png" $xy)" "153 204 255" 8 && fail "no ground at ($xy)"
done

key_down F12
sleep 0.5
shot controls
key_up F12
left_before=$(crop "$E2E_TMP/play.png" 398x400+0+0 lb)
left_after=$(crop "$E2E_TMP/controls.png" 398x400+0+0 la)
right_before=$(crop "$E2E_TMP/play.png" 398x600+402+0 rb)
right_after=$(crop "$E2E_TMP/controls.png" 398x600+402+0 ra)
[ "$(differing "$left_before" "$left_after")" = 0 ] || fail "F12 changed the left half"
[ "$(differing "$right_before" "$right_after")" != 0 ] || fail "F12 left the right half as it was"

key_down Escape
wait_game
echo "screens ok"
