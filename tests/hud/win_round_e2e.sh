#!/usr/bin/env bash
# win_round_e2e.sh: a whole round of the real game, played from a script to a win of cow 1 on
# a small farm of hay lanes: cow 1's half (right) then shows "Duffy" and "   WINS!", cow 2's
# half (left) "Clover" and "LOSES!", with no counters; the round goes on after the win. The
# route is first played headless by pasturon-replay, which must end with cow 1's win, and the
# game's own trace of it must be the replay tool's, byte for byte.
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"
source "$PASTURON_SOURCE/tests/hud/hud_shots.sh"

# A data folder of our own: the game's assets and the lane farm.
farm="$E2E_TMP/farm"
shadow_data "$farm" _maps
[ -e "$farm/fonts/arial.ttf" ] || fail "no fonts/arial.ttf in $PASTURON_DATA (build the game first)"

# Three lanes run through cow 1's home box (rows hr-2, hr and hr+1), each with eleven bales on
# either side of the box, bales in the box's own cells, and a fence at both ends; two fences
# next to the left ends stop the moves from one lane to the next. The route: right along lane
# hr and back left, down to lane hr+1, right and left, up to lane hr-2, right, and left into
# the box, where the bank passes 59. Each leg holds one arrow key and ends against a fence, so
# holding a key longer than the leg needs changes nothing; the cell before every stopping
# fence stays free of hay (a fence backs a cow out of a bale in front of it too). A leg
# crossing the box banks the load and the bales picked in the box; the next bales fill the
# load (10). Cow 2 waits in a pen of tall fence far below, out of both views (each camera
# looks toward smaller rows).
# legs.txt: one leg a line, "FRAMES KEY": FRAMES play frames cover the leg from a standstill.
python3 - "$farm/_maps/Map02.map" "$E2E_TMP/legs.txt" <<'PY'
import sys
hc, hr = 17, 6                       # cow 1's home cell (column, row)
per_side = 11                        # bales on each side of a lane, outside the home box
east, west = hc + per_side + 3, hc - per_side - 4    # the lanes' end fences (columns)
rows = [["_", " "] * (east + 2) for _ in range(44)]
def put(c, r, obj): rows[r][2 * c + 1] = obj
for r in (hr - 2, hr, hr + 1):
    put(west, r, "#")
    put(east, r, "#")
    for c in list(range(hc - 2 - per_side, hc + 2)) + list(range(hc + 2, hc + 2 + per_side)):
        put(c, r, "*")
put(west + 1, hr + 2, "#")           # stops the step down from lane hr to lane hr+1
put(west + 1, hr - 3, "#")           # stops the climb from lane hr+1 to lane hr-2
put(hc, hr, "1")
c2, r2 = hc, 40
for i in range(-2, 3):
    for c, r in ((c2 + i, r2 - 2), (c2 + i, r2 + 2), (c2 - 2, r2 + i), (c2 + 2, r2 + i)):
        put(c, r, "F")
put(c2, r2, "2")
open(sys.argv[1], "w").write("".join("".join(r) + "\n" for r in rows))
# cells walked per leg; at 0.5 cells a frame, plus the frames of speeding up from rest
lane = east - west - 2
legs = [("RIGHT", east - 1 - hc), ("LEFT", lane), ("DOWN", 1), ("RIGHT", lane), ("LEFT", lane),
        ("UP", 3), ("RIGHT", lane), ("LEFT", east - 1 - hc)]
open(sys.argv[2], "w").write("".join("%d %s\n" % (2 * cells + 8, key) for key, cells in legs))
PY
export PASTURON_DATA=$farm

# The route, headless first: after the 100 frames of the introduction, in which cow 1 stands
# still (it eats the bale before it), the legs must end with cow 1's win and not cow 2's. After
# the win cow 1 walks right for 30 frames more.
replay="$PASTURON_BUILD/tools/replay/pasturon-replay"
{ echo 100; cat "$E2E_TMP/legs.txt"; echo 30 RIGHT; } >"$E2E_TMP/route.txt"
"$replay" "$farm/_maps/Map02.map" "$E2E_TMP/route.txt" >"$E2E_TMP/trace.jsonl" ||
    fail "pasturon-replay failed on the lane farm"
read -r won_at frames < <(python3 - "$E2E_TMP/trace.jsonl" <<'PY'
import json, sys
frames = [json.loads(line) for line in open(sys.argv[1])]
first = next((f["frame"] for f in frames if f["cows"][0]["won"]), None)
last = frames[-1]["cows"]
if first is None or not last[0]["won"] or last[1]["won"] or first > len(frames) - 30:
    sys.exit("no win of cow 1 before the last 30 frames (cow 1 banked %d, carries %d)" %
             (last[0]["bankedHay"], last[0]["carriedHay"]))
print(first, len(frames) - 1)
PY
) || fail "the route does not win headless"

# The 800 x 600 window: cow 2's half in x 0..397, cow 1's in x 402..801; y grows downward.
# Boxes are given within a half (HALF is its left edge: 0 or 402).
heading() { white_pixels "$1" $(($2 + 35)) 30 343 60; }    # FILE HALF: "PLAYER:"
counters() { white_pixels "$1" $(($2 + 10)) 480 380 110; } # FILE HALF: hay, stamina
# The banners: the name at x -0.6 and the result at x 0.1 on the middle row (y 300). Only
# the upper half of the capitals (y 262..281) is read: the cows stand lower in the view.
banner_name() { white_pixels "$1" $(($2 + 15)) 262 135 20; } # "Duffy" or "Clover"
name_end() { white_pixels "$1" $(($2 + 124)) 262 24 20; }    # the "r" of "Clover" only
result_start() { white_pixels "$1" $(($2 + 228)) 262 34 20; } # "LO" of "LOSES!" only
result_end() { white_pixels "$1" $(($2 + 300)) 262 92 20; }  # "NS!" or "ES!"
# banners_shown FILE: cow 1's half (right) shows its win, cow 2's half (left) its loss.
banners_shown() {
    local win=402 lose=0
    [ "$(banner_name "$1" $win)" -gt 150 ] && [ "$(banner_name "$1" $lose)" -gt 150 ] &&
        [ "$(name_end "$1" $win)" -lt 5 ] && [ "$(name_end "$1" $lose)" -gt 20 ] &&
        [ "$(result_start "$1" $win)" -lt 10 ] && [ "$(result_start "$1" $lose)" -gt 40 ] &&
        [ "$(result_end "$1" $win)" -gt 150 ] && [ "$(result_end "$1" $lose)" -gt 150 ]
}
# intro and the frame of the win, then the end, 30 frames of walking later
PLAY_ARGS=(--trace "$E2E_TMP/game-trace.jsonl")
play_round "$E2E_TMP/route.txt" 5=intro "$won_at"=banners "$frames"=after
cmp -s "$E2E_TMP/trace.jsonl" "$E2E_TMP/game-trace.jsonl" ||
    fail "the game's trace of the route is not pasturon-replay's"

[ "$(heading "$E2E_TMP/intro.png" 402)" -gt 1000 ] || fail "no introduction in the right half"
[ "$(heading "$E2E_TMP/intro.png" 0)" -gt 1000 ] || fail "no introduction in the left half"
for shot in banners after; do
    banners_shown "$E2E_TMP/$shot.png" || fail "no result banners in frame $shot (see $shot.png)"
    for half in 0 402; do
        [ "$(heading "$E2E_TMP/$shot.png" $half)" -lt 100 ] ||
            fail "an introduction heading beside a banner"
        [ "$(counters "$E2E_TMP/$shot.png" $half)" -lt 50 ] ||
            fail "counters beside a banner (half at x $half)"
    done
done
cmp -s "$E2E_TMP/banners.png" "$E2E_TMP/after.png" && fail "the picture stood still after the win"
echo "won in frame $won_at of $frames, the same trace headless and in the game; $(tail -1 "$GAME_OUT")"
