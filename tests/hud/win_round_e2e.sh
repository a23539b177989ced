#!/usr/bin/env bash
# win_round_e2e.sh: a whole round of the real game under Xvfb, played to a win of cow 1 on a
# small farm of hay lanes: cow 1's half (right) then shows "Duffy" and "   WINS!", cow 2's half
# (left) "Clover" and "LOSES!", with no counters; the game keeps running and ESC ends it (1).
# The route is first played headless by pasturon-replay, which must end with cow 1's win.
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"
source "$PASTURON_SOURCE/tests/hud/hud_shots.sh"

# A data folder of our own: the game's assets and the lane farm.
farm="$E2E_TMP/farm"
mkdir -p "$farm/_maps"
for entry in "$PASTURON_DATA"/*; do
    [ -e "$entry" ] && [ "$(basename "$entry")" != _maps ] && ln -s "$entry" "$farm/"
done
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
# still (it eats the bale before it), the legs must end with cow 1's win and not cow 2's.
replay="$PASTURON_BUILD/tools/replay/pasturon-replay"
{ echo 100; cat "$E2E_TMP/legs.txt"; } >"$E2E_TMP/route.txt"
"$replay" "$farm/_maps/Map02.map" "$E2E_TMP/route.txt" >"$E2E_TMP/trace.jsonl" ||
    fail "pasturon-replay failed on the lane farm"
won_at=$(python3 - "$E2E_TMP/trace.jsonl" <<'PY'
import json, sys
frames = [json.loads(line) for line in open(sys.argv[1])]
first = next((f["frame"] for f in frames if f["cows"][0]["won"]), None)
last = frames[-1]["cows"]
if first is None or not last[0]["won"] or last[1]["won"]:
    sys.exit("no win of cow 1 (cow 1 banked %d, carries %d)" %
             (last[0]["bankedHay"], last[0]["carriedHay"]))
print(first)
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
# frames_counted: play frames so far, by the frame-rate lines on standard output
frames_counted() {
    sed -n 's/.*fps (\([0-9]*\))$/\1/p' "$GAME_OUT" | awk '{ n += $1 } END { print n + 0 }'
}

start_round
sleep 0.5
shot intro
[ "$(heading "$shot" 402)" -gt 1000 ] || fail "no introduction in the right half"
[ "$(heading "$shot" 0)" -gt 1000 ] || fail "no introduction in the left half"
# the introduction lasts 100 frames: about 5 s, longer on a busy machine
for _ in $(seq 60); do
    sleep 0.5
    shot play
    [ "$(heading "$shot" 402)" -lt 100 ] && [ "$(heading "$shot" 0)" -lt 100 ] && break
done
[ "$(heading "$shot" 402)" -lt 100 ] && [ "$(heading "$shot" 0)" -lt 100 ] ||
    fail "the introduction did not end"

# The legs, each key held for its frames at 8 frames a second (the game makes 19.6 when the
# machine is idle); the last one is held on until the banners show.
mapfile -t legs <"$E2E_TMP/legs.txt"
started=$SECONDS
frames_at_start=$(frames_counted)
for i in "${!legs[@]}"; do
    read -r frames key <<<"${legs[i]}"
    key=${key,,}
    key=${key^} # xdotool's name: Left, Right, Up, Down
    key_down "$key"
    sleep "$(awk -v f="$frames" 'BEGIN { print f / 8 }')"
    if [ "$i" -eq $((${#legs[@]} - 1)) ]; then
        for _ in $(seq 20); do
            shot banners
            banners_shown "$shot" && break
            sleep 0.5
        done
    fi
    key_up "$key"
done
played=$((SECONDS - started))
played_frames=$(($(frames_counted) - frames_at_start))
banners_shown "$shot" || fail "no result banners after the route (see $(basename "$shot"))"
for half in 0 402; do
    [ "$(heading "$shot" $half)" -lt 100 ] || fail "an introduction heading beside a banner"
    [ "$(counters "$shot" $half)" -lt 50 ] || fail "counters beside a banner (half at x $half)"
done

# The round goes on: frames keep coming, cow 1 still walks, the banners stay.
frames_before=$(frames_counted)
tap Right 1
sleep 2
shot after
[ "$(frames_counted)" -gt "$frames_before" ] || fail "no frames after the win"
banners_shown "$shot" || fail "the banners went after the win"
cmp -s "$E2E_TMP/banners.png" "$shot" && fail "the picture stood still after the win"

key_down Escape
wait_game
[ "$GAME_STATUS" = 1 ] || fail "ESC ended the game with status $GAME_STATUS, not 1"
echo "won: route played in $played s, about $played_frames frames (headless win in frame $won_at)"
