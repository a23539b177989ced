#!/usr/bin/env bash
# failures_e2e.sh: how a network game fails, each with its status and one line, never a hang:
# bad arguments and files; refusals at the handshake (another protocol, version or map, a third
# player); a host that is not there (10 s); a machine that goes silent (5 s). The cases run at
# once, each on its own ports.
source "$(dirname "$0")/net_lib.sh"
fast=(--tick-ms 20)
printf '1 UP\n' >short.txt
python3 "$here/scripts.py" play 5 200 1 host.txt
python3 "$here/scripts.py" play 6 200 2 join.txt
printf '_ _ _1_ \n' >onecow.map
sed '1s/^_/~/' farm.map >other.map # one tile differs

# a desync: the host's rules go wrong at tick 25; both stop at the checksum of tick 30
portD=$(free_port)
run_peer desync-host --host "$portD" farm.map host.txt --nudge-at 25 "${fast[@]}"
sleep 0.3
run_peer desync-join --join "127.0.0.1:$portD" farm.map join.txt "${fast[@]}"

# one_line_exit CODE ARGS...: pasturon-peer ends at once with CODE and one line
one_line_exit() {
    local code=$1; shift
    local rc=0
    timeout 20 "$peer" "$@" >out.txt 2>err.txt || rc=$?
    [ "$rc" -eq "$code" ] || fail "status $rc, not $code, for: $* ($(cat err.txt))"
    [ "$(wc -l <err.txt)" -eq 1 ] || fail "not one line for: $*: $(cat err.txt)"
}
one_line_exit 2
one_line_exit 2 --host 1 farm.map
one_line_exit 2 --host 0 farm.map short.txt
one_line_exit 2 --host 7000 --join 127.0.0.1:7000 farm.map short.txt
one_line_exit 2 --join 127.0.0.1:x farm.map short.txt
one_line_exit 2 --host 7000 missing.map short.txt
one_line_exit 2 --host 7000 farm.map short.txt --input-delay 99
one_line_exit 2 --watch 127.0.0.1:7000 farm.map short.txt
printf '1 NOSUCHKEY\n' >bad.txt
one_line_exit 2 --host 7000 farm.map bad.txt
one_line_exit 1 --host 7000 onecow.map short.txt

# refusals: the host and the joiner both end with status 5 and one line
refusal() { # NAME JOIN-OPTIONS...
    local name=$1 port; shift
    port=$(free_port)
    run_peer "$name-host" --host "$port" farm.map host.txt "${fast[@]}"
    sleep 0.3
    run_peer "$name-join" --join "127.0.0.1:$port" "${fast[@]}" "$@"
}
refusal protocol farm.map join.txt --protocol-as 99
refusal version farm.map join.txt --version-as 0.0.1-other
refusal map other.map join.txt

# a third player is refused; the game goes on to its end
python3 "$here/scripts.py" play 8 500 1 host-long.txt # 10 s: the third comes well within it
port3=$(free_port)
run_peer third-host --host "$port3" farm.map host-long.txt "${fast[@]}"
sleep 0.3
run_peer third-join --join "127.0.0.1:$port3" farm.map join.txt "${fast[@]}"
sleep 2
run_peer third --join "127.0.0.1:$port3" farm.map join.txt "${fast[@]}"

# nobody at the port: given up after 10 s
run_peer nobody --join "127.0.0.1:$(free_port)" farm.map join.txt

# a joiner that stops answering: the host says so after 5 s
portS=$(free_port)
python3 "$here/scripts.py" play 7 100000 1 long.txt
run_peer silent-host --host "$portS" farm.map long.txt
sleep 0.3
"$peer" --join "127.0.0.1:$portS" farm.map join.txt >/dev/null 2>&1 &
silent=$!
pids+=($silent)
sleep 1.5
kill -STOP "$silent"
stopped=$SECONDS

expect_status desync-host 3 "desync at tick 30"
expect_status desync-join 3 "desync at tick 30"
for side in host join; do
    demo=pasturon-peer-desync-$side.txt
    grep -q "keys are in $demo" desync-$side.err || fail "no demo named: $(cat desync-$side.err)"
    [ "$(python3 -c "import sys; print(sum(int(l.split()[0]) for l in open(sys.argv[1]) if l[0] != '#'))" "$demo")" -ge 30 ] ||
        fail "$demo holds less than the 30 confirmed ticks"
done
expect_status protocol-host 5 "network protocol 99"
expect_status protocol-join 5 "refused by the host"
expect_status version-host 5 "version 0.0.1-other"
expect_status version-join 5 "another version of the game"
expect_status map-host 5 "map file differs"
expect_status map-join 5 "another map"
expect_status third 5 "two players"
expect_status third-join 0
expect_status third-host 0
grep -q "refused a player .*two players" third-host.err || fail "the host did not say: $(cat third-host.err)"
expect_status silent-host 4 "the other player left"
waited=$((SECONDS - stopped))
[ "$waited" -ge 4 ] && [ "$waited" -le 15 ] || fail "the silent joiner was noticed after $waited s"
kill -KILL "$silent"
expect_status nobody 4 "no host answered"
echo "network failure checks passed"
