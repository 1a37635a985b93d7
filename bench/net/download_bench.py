#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Downloads a 50 MB body from a loopback server with HttpClient and with
curl -o, from the same URL, runs interleaved, and prints MB/s and CPU
seconds (user+sys) of each client.
Usage: download_bench.py [BUILD_DIR] [RUNS] [--https]
With --https the body comes from a TLS server in this script with a
certificate made for the run; both clients trust it through a CA file."""
import os
import socket
import ssl
import subprocess
import sys
import tempfile
import threading
import time

SIZE = 50 * 1024 * 1024
PIECE = 256 * 1024


def tls_server(folder):
    """Serves SIZE bytes over TLS on a free 127.0.0.1 port; returns the port and the CA file."""
    cert, key = os.path.join(folder, "cert.pem"), os.path.join(folder, "key.pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                    "-nodes", "-keyout", key, "-out", cert, "-days", "1", "-subj", "/CN=127.0.0.1",
                    "-addext", "subjectAltName=IP:127.0.0.1"], check=True, capture_output=True)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(cert, key)
    listener = socket.socket()
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)
    body = memoryview(b"p" * PIECE)
    header = (f"HTTP/1.0 200 OK\r\nContent-Type: application/octet-stream\r\n"
              f"Content-Length: {SIZE}\r\n\r\n").encode()

    def serve():
        while True:
            raw, _ = listener.accept()
            try:
                with context.wrap_socket(raw, server_side=True) as connection:
                    request = b""
                    while b"\r\n\r\n" not in request:
                        data = connection.recv(4096)
                        if not data:
                            break
                        request += data
                    connection.sendall(header)
                    left = SIZE
                    while left > 0:
                        piece = min(left, PIECE)
                        connection.sendall(body[:piece])
                        left -= piece
                    connection.unwrap()
            except (OSError, ssl.SSLError):
                pass

    threading.Thread(target=serve, daemon=True).start()
    return listener.getsockname()[1], cert


def run(command):
    start = time.monotonic()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.monotonic() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"failed: {' '.join(command)}")
    return elapsed, usage.ru_utime + usage.ru_stime


def main():
    args = [a for a in sys.argv[1:] if a != "--https"]
    https = "--https" in sys.argv[1:]
    build = args[0] if args else "build"
    runs = int(args[1]) if len(args) > 1 else 5
    helper = os.path.join(build, "bench", "net", "pelbix_httpbench")
    server = None
    if not https:
        server = subprocess.Popen([helper, "serve", str(SIZE)], stdout=subprocess.PIPE, text=True)
    try:
        with tempfile.TemporaryDirectory() as folder:
            if https:
                port, ca = tls_server(folder)
                url = f"https://127.0.0.1:{port}/pelbixsolo/qztsetup.exe"
                ours, theirs = [ca], ["--cacert", ca]
            else:
                port, ours, theirs = int(server.stdout.readline()), [], []
                url = f"http://127.0.0.1:{port}/pelbixsolo/qztsetup.exe"
            target = os.path.join(folder, "download.bin")
            clients = {
                "HttpClient": [helper, "get", url, target] + ours,
                "curl -o": ["curl", "-s", "-o", target] + theirs + [url],
            }
            results = {name: [] for name in clients}
            for _ in range(runs):
                for name, command in clients.items():
                    elapsed, cpu = run(command)
                    if os.path.getsize(target) != SIZE:
                        sys.exit(f"{name}: wrong size")
                    results[name].append((elapsed, cpu))
            scheme = "https" if https else "http"
            print(f"{SIZE // (1024 * 1024)} MB over {scheme} from 127.0.0.1, best of {runs} interleaved runs (median CPU)")
            summary = {}
            for name, samples in results.items():
                best = min(s[0] for s in samples)
                cpu = sorted(s[1] for s in samples)[len(samples) // 2]
                summary[name] = (SIZE / (1024 * 1024) / best, cpu)
                print(f"  {name:14s} {summary[name][0]:8.1f} MB/s  {cpu:6.3f} s CPU (user+sys)")
            ours, curl = summary["HttpClient"], summary["curl -o"]
            print(f"  throughput ratio {ours[0] / curl[0]:.2f}x curl (target >= 0.8x), "
                  f"CPU ratio {ours[1] / curl[1]:.2f}x curl (target <= 2x)")
    finally:
        if server:
            server.kill()
            server.wait()


if __name__ == "__main__":
    main()
