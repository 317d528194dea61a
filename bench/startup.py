#!/usr/bin/env python3
"""Start-up and idle figures of every program beside a bare Qt window built with the project.

  bench/startup.py [--runs N] [--build DIR] [--idle SECONDS]

For each program of DIR/lessons.json (the lesson list the build writes): the median time from exec to the first painted frame and the median peak
resident memory over N starts, with their ratios to the bare window's; then the CPU time each
program uses in SECONDS while nothing moves. Runs on a private Xvfb display unless DISPLAY is
set. The programs report their first frame when VEC_FIRST_FRAME is set (see kit/qt/firstframe.h).
"""
import argparse
import json
import os
import statistics
import subprocess
import sys
import tempfile
import time


def programs(build):
    """The lessons' program names in teaching order."""
    with open(os.path.join(build, "lessons.json"), encoding="utf-8") as lessons:
        return [lesson["name"] for lesson in json.load(lessons)]


def start_display():
    if os.environ.get("DISPLAY"):
        return None
    display = ":97"
    server = subprocess.Popen(["Xvfb", display, "-screen", "0", "1920x1080x24", "-nolisten", "tcp"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1.0)
    os.environ["DISPLAY"] = display
    return server


def one_start(executable):
    """Seconds to the first frame and peak resident memory in KiB of one start."""
    env = dict(os.environ, VEC_FIRST_FRAME="quit")
    with tempfile.TemporaryFile() as err:
        began = time.time()
        child = subprocess.Popen([executable], env=env, stdout=subprocess.DEVNULL, stderr=err)
        _, status, usage = os.wait4(child.pid, 0)
        child.returncode = status
        err.seek(0)
        for line in err.read().decode(errors="replace").splitlines():
            if line.startswith("first-frame "):
                return float(line.split()[1]) - began, usage.ru_maxrss
    raise RuntimeError(executable + " reported no first frame")


def idle_cpu(executable, seconds):
    """CPU seconds used in `seconds` of wall time once the window is up and settled."""
    env = dict(os.environ, VEC_FIRST_FRAME="report")
    child = subprocess.Popen([executable], env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    try:
        time.sleep(2.0)
        tick = os.sysconf("SC_CLK_TCK")

        def used():
            with open("/proc/%d/stat" % child.pid) as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
            return (int(fields[11]) + int(fields[12])) / tick

        before = used()
        time.sleep(seconds)
        return used() - before
    finally:
        child.kill()
        child.wait()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--build", default="build")
    parser.add_argument("--idle", type=float, default=5.0)
    args = parser.parse_args()
    os.environ.setdefault("XDG_RUNTIME_DIR", tempfile.mkdtemp())
    server = start_display()
    try:
        bare = os.path.join(args.build, "bench", "bare_window")
        candidates = [("bare window", bare)] + [
            (name, os.path.join(args.build, name, name)) for name in programs(args.build)]
        candidates = [(name, path) for name, path in candidates if os.access(path, os.X_OK)]
        results = {}
        # Interleaved, so that a busy moment of the machine falls on all alike.
        samples = {name: [] for name, _ in candidates}
        for _ in range(args.runs):
            for name, path in candidates:
                samples[name].append(one_start(path))
        for name, runs in samples.items():
            results[name] = (statistics.median(t for t, _ in runs),
                             statistics.median(m for _, m in runs))
        base_time, base_memory = results["bare window"]
        print("%-12s %12s %8s %14s %8s" % ("", "first frame", "ratio", "peak memory", "ratio"))
        for name, (seconds, memory) in results.items():
            print("%-12s %9.1f ms %7.2fx %10d KiB %7.2fx" % (
                name, seconds * 1000, seconds / base_time, memory, memory / base_memory))
        if args.idle > 0:
            print("\nCPU time while nothing moves, over %g s:" % args.idle)
            for name, path in candidates[1:]:
                print("%-12s %6.2f s" % (name, idle_cpu(path, args.idle)))
    finally:
        if server:
            server.kill()


if __name__ == "__main__":
    sys.exit(main())
