#!/usr/bin/env bash
# net_session.sh: two headless peers on this machine play TICKS ticks of the game's 51 ms
# through the test relay at each round trip (0, 60 and 150 ms, +- 10 %) with 5 % of the
# datagrams lost both ways; prints per round trip how often a rollback happened, the deepest,
# and the bytes per second each way (ENet's payload: UDP and IP headers not counted).
#   tools/bench/net_session.sh [BUILD_DIR] [TICKS] [ROUND TRIPS...]
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
ticks=${2:-600}
shift $(( $# > 2 ? 2 : $# ))
trips=("$@")
[ ${#trips[@]} -gt 0 ] || trips=(0 60 150)
peer=$build/tools/peer/pasturon-peer
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"
python3 "$root/tests/lib/small_farm.py" farm.map
python3 "$root/tests/net/scripts.py" play 21 "$ticks" 1 host.txt
python3 "$root/tests/net/scripts.py" play 22 "$ticks" 2 join.txt
port_of() { python3 -c 'import socket; s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }

for trip in "${trips[@]}"; do
    port=$(port_of)
    rm -f relay.port
    one_way=$((trip / 2))
    python3 "$root/tests/net/relay.py" --target "$port" --port-file relay.port --seed 9 \
        --delay "$one_way" --jitter $((one_way / 10)) --loss 0.05 2>/dev/null &
    relay=$!
    while [ ! -s relay.port ]; do sleep 0.05; done
    "$peer" --host "$port" farm.map host.txt --stats >host.out &
    sleep 0.3
    "$peer" --join "127.0.0.1:$(cat relay.port)" farm.map join.txt --stats >join.out
    wait %2
    kill "$relay"
    wait "$relay" 2>/dev/null || true
    for side in host join; do
        awk -v side=$side -v trip="$trip" '{
            gsub(",", ""); n = $2; r = $4; deep = $7; sent = $21; got = $23
            printf "round trip %3d ms, %-4s: %4d ticks, %3d rollbacks (one every %.1f ticks), deepest %d, %4.0f B/s sent, %4.0f B/s received\n", trip, side, n, r, r ? n / r : 0, deep, sent, got
        }' $side.out
    done
done
