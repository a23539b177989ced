#!/usr/bin/env bash
# session_e2e.sh: two headless peers play a 2,000-tick session through a relay that delays
# (60 ms +- 20), reorders, duplicates and drops (5 %) datagrams, while datagrams of nonsense
# hit the host, and a watcher comes a few seconds late: every confirmed trace equals pasturon-replay's on the
# keys both machines played.
source "$(dirname "$0")/net_lib.sh"
ticks=2000
python3 "$here/scripts.py" play 11 $ticks 1 host.txt
python3 "$here/scripts.py" play 12 $((ticks - 150)) 2 join.txt # ends early: holds nothing after
python3 "$here/scripts.py" merge host.txt join.txt merged.txt
"$replay" farm.map merged.txt >replay.jsonl

port=$(free_port)
start_relay "$port" 7 --delay 60 --jitter 20 --loss 0.05 --duplicate 0.03
fast=(--tick-ms 20) # the game's 51 ms ticks would make this a two-minute test
run_peer host --host "$port" farm.map host.txt --trace host.jsonl --stats "${fast[@]}"
sleep 0.3
run_peer join --join "127.0.0.1:$relay_port" "${fast[@]}" farm.map join.txt --trace join.jsonl --stats
# the short session with input delays (3 on the host, 1 on the joiner)
python3 "$here/scripts.py" play 13 300 1 host-delay.txt
python3 "$here/scripts.py" play 14 300 2 join-delay.txt
python3 "$here/scripts.py" merge host-delay.txt join-delay.txt merged-delay.txt 3 1
"$replay" farm.map merged-delay.txt >replay-delay.jsonl
port2=$(free_port)
run_peer host-delay --host "$port2" farm.map host-delay.txt --input-delay 3 --trace host-delay.jsonl "${fast[@]}"
sleep 0.3
run_peer join-delay --join "127.0.0.1:$port2" farm.map join-delay.txt --input-delay 1 --trace join-delay.jsonl "${fast[@]}"

# nonsense at the host's port while it plays: short, long, random, a forged ENet header
python3 - "$port" <<'PY'
import random, socket, sys, time
rng, s = random.Random(3), socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
for n in range(200):
    size = rng.choice([0, 1, 3, 40, 1500, 5000])
    data = bytes(rng.randrange(256) for _ in range(size))
    if n % 5 == 0 and size >= 4:
        data = bytes([0, n % 4]) + data[2:]  # names peer 0..3, from another address
    s.sendto(data, ("127.0.0.1", int(sys.argv[1])))
    time.sleep(0.01)
PY
# a watcher that comes late catches up from the first tick
run_peer watch farm.map --trace watch.jsonl --watch "127.0.0.1:$relay_port" "${fast[@]}" --stats
for name in host join watch host-delay join-delay; do expect_status "$name" 0; done
for name in host join watch; do
    cmp -s "$name.jsonl" replay.jsonl || fail "$name's trace differs from pasturon-replay's"
    grep -q "^ticks $ticks, " "$name.out" || fail "$name's stats: $(cat "$name.out")"
done
for name in host-delay join-delay; do
    cmp -s "$name.jsonl" replay-delay.jsonl || fail "$name's trace differs from pasturon-replay's"
done
dropped=$(sed 's/.*dropped \([0-9]*\).*/\1/' host.out)
[ "$dropped" -gt 0 ] || fail "the host counted no dropped datagram: $(cat host.out)"
cat host.out join.out >&2
echo "network session checks passed"
