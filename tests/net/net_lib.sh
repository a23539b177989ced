# net_lib.sh: what the network tests share (sourced): the programs, a work folder, free
# ports, the relay, the small farm. Everything on the loopback.
set -euo pipefail
peer=$PASTURON_BUILD/tools/peer/pasturon-peer
replay=$PASTURON_BUILD/tools/replay/pasturon-replay
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -CONT "$pid" 2>/dev/null || true; kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
cd "$work"
python3 "$PASTURON_SOURCE/tests/lib/small_farm.py" farm.map

fail() { echo "FAIL: $*" >&2; exit 1; }

# free_port: a UDP port nobody uses on the loopback now
free_port() {
    python3 -c 'import socket; s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# start_relay TARGET_PORT SEED [RELAY OPTIONS]: a relay towards the port; its port in $relay_port
start_relay() {
    local target=$1 seed=$2; shift 2
    rm -f relay.port
    python3 "$here/relay.py" --target "$target" --port-file relay.port --seed "$seed" "$@" \
        2>>relay.log &
    pids+=($!)
    for _ in $(seq 100); do [ -s relay.port ] && break; sleep 0.05; done
    [ -s relay.port ] || fail "the relay did not start"
    relay_port=$(cat relay.port)
}

# run_peer NAME ARGS...: pasturon-peer in the background, its status into NAME.rc, its
# standard error into NAME.err; its pid in $last_pid
run_peer() {
    local name=$1; shift
    ( rc=0; timeout 120 "$peer" "$@" >"$name.out" 2>"$name.err" || rc=$?; echo "$rc" >"$name.rc" ) &
    last_pid=$!
    pids+=($last_pid)
}

# expect_status NAME CODE [TEXT]: the peer NAME ended with CODE, one error line holding TEXT
expect_status() {
    local name=$1 code=$2 text=${3:-}
    wait_for "$name.rc"
    [ "$(cat "$name.rc")" = "$code" ] || fail "$name: status $(cat "$name.rc"), not $code: $(cat "$name.err")"
    if [ -n "$text" ]; then
        [ "$(wc -l <"$name.err")" -eq 1 ] || fail "$name: not one line: $(cat "$name.err")"
        grep -q "$text" "$name.err" || fail "$name: \"$text\" not in: $(cat "$name.err")"
    fi
}

# wait_for FILE: until it exists (at most two minutes)
wait_for() {
    for _ in $(seq 1200); do [ -e "$1" ] && return 0; sleep 0.1; done
    fail "$1 never came"
}
