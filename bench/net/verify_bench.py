#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Verifies a signed 50 MB installer with pelbixsolo-sign (the game's own
verification code), interleaved with sha512sum over the same file as the
peer, and prints the best of RUNS for each.
Usage: verify_bench.py [BUILD_DIR] [RUNS]"""
import os
import subprocess
import sys
import tempfile
import time

SIZE = 50 * 1024 * 1024


def timed(command):
    start = time.monotonic()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
    return time.monotonic() - start


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    tool = os.path.join(build, "tools", "sign", "pelbixsolo-sign")
    with tempfile.TemporaryDirectory() as folder:
        keys = os.path.join(folder, "keys")
        installer = os.path.join(folder, "qztsetup.exe")
        subprocess.run([tool, "keygen", keys], check=True, stdout=subprocess.DEVNULL)
        with open(installer, "wb") as out:
            out.write(os.urandom(SIZE))
        subprocess.run([tool, "sign", os.path.join(keys, "update.key"), installer, "1.0.3"], check=True)
        verify, sha = [], []
        for _ in range(runs):
            verify.append(timed([tool, "verify", os.path.join(keys, "update.pub"), installer]))
            sha.append(timed(["sha512sum", installer]))
        print(f"50 MB, best of {runs}: pelbixsolo-sign verify {min(verify):.3f} s (target <= 0.3 s), "
              f"sha512sum {min(sha):.3f} s, ratio {min(verify) / min(sha):.2f}x")


if __name__ == "__main__":
    main()
