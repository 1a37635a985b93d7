#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Downloads a 50 MB body from a loopback server with THttpCli::Get and with
curl -o, from the same URL, and prints MB/s and CPU seconds (user+sys) of
each client. Usage: download_bench.py [BUILD_DIR] [RUNS]"""
import os
import subprocess
import sys
import tempfile
import time

SIZE = 50 * 1024 * 1024


def run(command):
    start = time.monotonic()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.monotonic() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"failed: {' '.join(command)}")
    return elapsed, usage.ru_utime + usage.ru_stime


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    helper = os.path.join(build, "bench", "net", "pelbix_httpbench")
    server = subprocess.Popen([helper, "serve", str(SIZE)], stdout=subprocess.PIPE, text=True)
    try:
        port = int(server.stdout.readline())
        url = f"http://127.0.0.1:{port}/pelbixsolo/qztsetup.exe"
        with tempfile.TemporaryDirectory() as folder:
            target = os.path.join(folder, "download.bin")
            clients = {
                "THttpCli::Get": [helper, "get", url, target],
                "curl -o": ["curl", "-s", "-o", target, url],
            }
            results = {name: [] for name in clients}
            for _ in range(runs):
                for name, command in clients.items():
                    elapsed, cpu = run(command)
                    if os.path.getsize(target) != SIZE:
                        sys.exit(f"{name}: wrong size")
                    results[name].append((elapsed, cpu))
            print(f"{SIZE // (1024 * 1024)} MB from 127.0.0.1, best of {runs} runs (median CPU)")
            summary = {}
            for name, samples in results.items():
                best = min(s[0] for s in samples)
                cpu = sorted(s[1] for s in samples)[len(samples) // 2]
                summary[name] = (SIZE / (1024 * 1024) / best, cpu)
                print(f"  {name:14s} {summary[name][0]:8.1f} MB/s  {cpu:6.3f} s CPU (user+sys)")
            ours, curl = summary["THttpCli::Get"], summary["curl -o"]
            print(f"  throughput ratio {ours[0] / curl[0]:.2f}x curl (target >= 0.8x), "
                  f"CPU ratio {ours[1] / curl[1]:.2f}x curl (target <= 2x)")
    finally:
        server.kill()
        server.wait()


if __name__ == "__main__":
    main()
