#!/usr/bin/env bash
# net_game_e2e.sh: the real game hosts a network round under Xvfb and a headless pasturon-peer
# joins, each driving its own cow from the same random script (the game cow 1's keys, the peer
# cow 2's): the peer's confirmed trace, the game's --trace and pasturon-replay's trace of the
# script are the same, the game's --record replays to it too, and both end with status 0 when
# the round is confirmed. Then a join with nobody there gives up with one line (status 4), and
# a join to a host of another version is refused with one line (status 5).
source "$PASTURON_SOURCE/tests/lib/xvfb.sh"
replay=$PASTURON_BUILD/tools/replay/pasturon-replay
peer=$PASTURON_BUILD/tools/peer/pasturon-peer
map=$PASTURON_DATA/_maps/Map02.map

script=$E2E_TMP/script.txt
python3 - "$script" <<'PY'
import random, sys
rng = random.Random(22)
keys = ["UP", "DOWN", "LEFT", "RIGHT", "INSERT", "DELETE", "F12", "W", "A", "S", "D", "T", "F", "F1"]
with open(sys.argv[1], "w") as out:
    for _ in range(30):
        out.write("%d %s\n" % (rng.randint(1, 8), " ".join(rng.sample(keys, rng.randint(0, 4)))))
PY
"$replay" "$map" "$script" >"$E2E_TMP/replay.jsonl" || fail "pasturon-replay refused the script"

free_port() {
    python3 -c 'import socket; s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

start_display
port=$(free_port)
start_game --host "$port" --play "$script" --record "$E2E_TMP/demo.txt" --trace "$E2E_TMP/game.jsonl"
"$peer" --join "127.0.0.1:$port" "$map" "$script" --trace "$E2E_TMP/peer.jsonl" \
    2>"$E2E_TMP/peer.err" || fail "the peer ended with $?: $(cat "$E2E_TMP/peer.err")"
wait_game 20
[ "$GAME_STATUS" = 0 ] || fail "the hosting game ended with $GAME_STATUS: $(cat "$GAME_ERR")"
cmp "$E2E_TMP/replay.jsonl" "$E2E_TMP/peer.jsonl" || fail "the peer's trace is not pasturon-replay's"
cmp "$E2E_TMP/replay.jsonl" "$E2E_TMP/game.jsonl" || fail "the game's trace is not pasturon-replay's"
"$replay" "$map" "$E2E_TMP/demo.txt" >"$E2E_TMP/demo.jsonl" || fail "the recording is refused"
cmp "$E2E_TMP/replay.jsonl" "$E2E_TMP/demo.jsonl" || fail "the game's recording replays otherwise"

port=$(free_port)
run_game --join "127.0.0.1:$port" --play "$script"
[ "$GAME_STATUS" = 4 ] || fail "a join with nobody there ended with $GAME_STATUS, not 4"
grep -qx "pasturon: no host answered at 127.0.0.1:$port within 10 s" "$GAME_ERR" ||
    fail "a join with nobody there said: $(cat "$GAME_ERR")"
port=$(free_port)
"$peer" --host "$port" "$map" "$script" --version-as 0.0.1 2>"$E2E_TMP/peer.err" &
peer_pid=$!
run_game --join "127.0.0.1:$port" --play "$script"
wait "$peer_pid"
[ "$GAME_STATUS" = 5 ] || fail "a join refused by the host ended with $GAME_STATUS, not 5"
grep -qx "pasturon: refused by the host: .*another version.*0\.0\.1.*" "$GAME_ERR" || fail "a refused join said: $(cat "$GAME_ERR")"
echo "$(wc -l <"$E2E_TMP/peer.jsonl") confirmed trace lines the same in the game, the peer and pasturon-replay"
