#!/usr/bin/env python3
"""relay.py: a UDP relay on the loopback that makes a bad network, for the network tests and
benchmarks. Machines send to the relay's port instead of the host's; each sender gets a socket
of its own towards the host, so the host sees one address per machine. Every datagram, both
ways, is dropped (--loss), or delayed (--delay +- --jitter ms, so they overtake each other) and
sometimes sent twice (--duplicate). Seeded: the same seed makes the same choices.

usage: relay.py --target PORT --port-file FILE [--delay MS] [--jitter MS] [--loss P]
                [--duplicate P] [--seed N]
The relay writes its own port into FILE once it listens, and runs until SIGTERM, when it
prints one line of counts on standard error.
"""
import argparse
import heapq
import os
import random
import selectors
import signal
import socket
import sys
import time

MAX_SENDERS = 32  # machines the relay serves at once (bounded whatever arrives)
LOOPBACK = "127.0.0.1"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--target", type=int, required=True)
    parser.add_argument("--port-file", required=True)
    parser.add_argument("--delay", type=float, default=0.0)
    parser.add_argument("--jitter", type=float, default=0.0)
    parser.add_argument("--loss", type=float, default=0.0)
    parser.add_argument("--duplicate", type=float, default=0.0)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    counts = {"passed": 0, "dropped": 0, "duplicated": 0}
    running = [True]
    signal.signal(signal.SIGTERM, lambda *_: running.__setitem__(0, False))

    selector = selectors.DefaultSelector()
    front = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    front.bind((LOOPBACK, 0))
    selector.register(front, selectors.EVENT_READ)
    towards_host = {}  # sender's address: its socket towards the host
    sender_of = {}  # that socket: the sender's address
    queue = []  # (when, order, socket, bytes, address)
    order = 0

    def schedule(sock, data, address):
        nonlocal order
        if rng.random() < args.loss:
            counts["dropped"] += 1
            return
        copies = 2 if rng.random() < args.duplicate else 1
        counts["duplicated"] += copies - 1
        for _ in range(copies):
            delay = max(0.0, rng.uniform(args.delay - args.jitter, args.delay + args.jitter))
            order += 1
            heapq.heappush(queue, (time.monotonic() + delay / 1000, order, sock, data, address))

    with open(args.port_file + ".tmp", "w") as f:
        f.write(str(front.getsockname()[1]))
    os.replace(args.port_file + ".tmp", args.port_file)

    while running[0]:
        timeout = max(0.0, queue[0][0] - time.monotonic()) if queue else 0.2
        for key, _ in selector.select(min(timeout, 0.2)):
            sock = key.fileobj
            try:
                data, address = sock.recvfrom(65536)
            except OSError:
                continue
            if sock is front:
                up = towards_host.get(address)
                if up is None:
                    if len(towards_host) >= MAX_SENDERS:
                        continue
                    up = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
                    up.bind((LOOPBACK, 0))
                    selector.register(up, selectors.EVENT_READ)
                    towards_host[address] = up
                    sender_of[up] = address
                schedule(up, data, (LOOPBACK, args.target))
            else:
                schedule(front, data, sender_of[sock])
        now = time.monotonic()
        while queue and queue[0][0] <= now:
            _, _, sock, data, address = heapq.heappop(queue)
            try:
                sock.sendto(data, address)
                counts["passed"] += 1
            except OSError:
                pass
    print("relay: %(passed)d passed, %(dropped)d dropped, %(duplicated)d duplicated" % counts,
          file=sys.stderr)


if __name__ == "__main__":
    main()
