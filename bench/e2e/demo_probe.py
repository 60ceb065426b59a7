#!/usr/bin/env python3
"""Measures orvanta-demo from outside, through /proc and its progress lines.

  demo_probe.py startup DEMO [--runs N]     process start to the first painted window
  demo_probe.py idle DEMO                   resident memory once the first refresh settled
  demo_probe.py soak DEMO [--refreshes N] [--interval MS] [--demo-args "OPTIONS"]
                                            memory, threads and descriptors over N refreshes

Each prints one JSON object on stdout. The demo runs offscreen with its bundled samples, served
by its own replay server on 127.0.0.1. Task threads are the demo's threads that carry the
program's own name, other than the main thread: the replay server names its threads
"om-replay" and Qt names its own.
"""
import argparse
import json
import os
import re
import statistics
import subprocess
import sys
import threading
import time

PROGRESS = re.compile(r"progress statistics=(\d+) newsAndMap=(\d+)")


def demo_environment():
    env = dict(os.environ)
    env["QT_QPA_PLATFORM"] = "offscreen"
    return env


def start_demo(demo, *options, limit_s=60.0):
    """Starts the demo; a watchdog kills it after `limit_s`, so a hung demo ends the probe
    (its output ends, and the probe reports what it missed) instead of holding it forever."""
    process = subprocess.Popen([demo, *options], stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, text=True, env=demo_environment())
    watchdog = threading.Timer(limit_s, process.kill)
    watchdog.daemon = True
    watchdog.start()
    return process


def stop_demo(process):
    if process.poll() is None:
        process.terminate()
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise RuntimeError("no VmRSS")


def anonymous_kib(pid):
    """The part of resident memory that is the process's own (heap, stacks), not mapped files."""
    try:
        with open(f"/proc/{pid}/smaps_rollup") as rollup:
            for line in rollup:
                if line.startswith("Anonymous:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return -1


def open_descriptors(pid):
    return len(os.listdir(f"/proc/{pid}/fd"))


def thread_names(pid):
    """{tid: name} of the process's threads; threads that end while being read are left out."""
    names = {}
    for tid in os.listdir(f"/proc/{pid}/task"):
        try:
            with open(f"/proc/{pid}/task/{tid}/comm") as comm:
                names[int(tid)] = comm.read().strip()
        except OSError:
            pass
    return names


def task_threads(pid, names):
    own = names.get(pid)
    return sum(1 for tid, name in names.items() if tid != pid and name == own)


def refreshes_done(line):
    match = PROGRESS.search(line)
    return min(int(match.group(1)), int(match.group(2))) if match else None


def startup(demo, runs):
    times = []
    for _ in range(runs):
        began = time.monotonic()
        process = start_demo(demo, "--quit-on-first-paint")
        painted = None
        for line in process.stdout:
            if line.startswith("first-paint"):
                painted = time.monotonic()
                break
        stop_demo(process)
        if painted is None:
            raise RuntimeError("the demo ended without painting its window")
        times.append((painted - began) * 1000.0)
    return {"runs_ms": [round(t, 1) for t in times], "median_ms": round(statistics.median(times), 1)}


def idle(demo, settle_s):
    process = start_demo(demo, "--refreshes", "1")
    try:
        for line in process.stdout:
            done = refreshes_done(line)
            if done is not None and done >= 1:
                break
        else:
            raise RuntimeError("the demo ended before its first refresh")
        time.sleep(settle_s)
        return {"rss_kib": resident_kib(process.pid), "anonymous_kib": anonymous_kib(process.pid),
                "threads": len(thread_names(process.pid)),
                "fds": open_descriptors(process.pid)}
    finally:
        stop_demo(process)


class Sampler(threading.Thread):
    """Reads the demo's threads, resident memory and descriptors every few milliseconds."""

    def __init__(self, pid, every_s):
        super().__init__(daemon=True)
        self.pid, self.every_s = pid, every_s
        self.samples = []  # (time, rss_kib, fds)
        self.max_task_threads = 0
        self.max_threads = 0
        self.stopping = threading.Event()

    def run(self):
        while not self.stopping.is_set():
            try:
                names = thread_names(self.pid)
                self.samples.append((time.monotonic(), resident_kib(self.pid),
                                     open_descriptors(self.pid)))
            except (OSError, RuntimeError):
                return
            self.max_threads = max(self.max_threads, len(names))
            self.max_task_threads = max(self.max_task_threads, task_threads(self.pid, names))
            time.sleep(self.every_s)

    def window(self, since, seconds):
        """Median resident memory and fewest descriptors over `seconds` from `since`: fetches
        in flight hold buffers and sockets for a moment, the steady state is what is compared."""
        inside = [s for s in self.samples if since <= s[0] <= since + seconds]
        return {"rss_kib": int(statistics.median(s[1] for s in inside)),
                "fds": min(s[2] for s in inside), "samples": len(inside)}


def soak(demo, refreshes, interval_ms, early, window_s, extra):
    began = time.monotonic()
    process = start_demo(demo, *extra, "--refresh-interval", str(interval_ms), "--refreshes",
                         str(refreshes), limit_s=120.0 + refreshes * interval_ms / 1000.0 * 5)
    sampler = Sampler(process.pid, 0.02)
    sampler.start()
    reached = {}
    checkpoints = sorted({early, refreshes // 4, refreshes // 2, 3 * refreshes // 4, refreshes})
    try:
        for line in process.stdout:
            done = refreshes_done(line)
            if done is None:
                continue
            for point in checkpoints:
                if done >= point:
                    reached.setdefault(point, time.monotonic())
            if done >= refreshes:
                break
        else:
            raise RuntimeError("the demo ended before %d refreshes" % refreshes)
        time.sleep(window_s)  # the demo keeps refreshing: the last window sees more of them
    finally:
        sampler.stopping.set()
        sampler.join()
        stop_demo(process)
    marks = {point: sampler.window(at, window_s) for point, at in sorted(reached.items())}
    first, last = marks[early], marks[refreshes]
    return {
        "refreshes": refreshes, "interval_ms": interval_ms,
        "seconds": round(time.monotonic() - began, 1),
        "rss_kib_at": {str(k): v["rss_kib"] for k, v in marks.items()},
        "fds_at": {str(k): v["fds"] for k, v in marks.items()},
        "rss_growth_kib": last["rss_kib"] - first["rss_kib"],
        "fd_growth": last["fds"] - first["fds"],
        "max_task_threads": sampler.max_task_threads,
        "max_threads": sampler.max_threads,
        "samples": len(sampler.samples),
        "early": early,
    }


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("what", choices=["startup", "idle", "soak"])
    parser.add_argument("demo")
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--settle", type=float, default=2.0)
    parser.add_argument("--refreshes", type=int, default=1000)
    parser.add_argument("--interval", type=int, default=100)
    parser.add_argument("--early", type=int, default=50)
    parser.add_argument("--window", type=float, default=1.0)
    parser.add_argument("--demo-args", default="", help="more options for the demo's soak run")
    a = parser.parse_args()
    if a.what == "startup":
        result = startup(a.demo, a.runs)
    elif a.what == "idle":
        result = idle(a.demo, a.settle)
    else:
        result = soak(a.demo, a.refreshes, a.interval, a.early, a.window, a.demo_args.split())
    json.dump(result, sys.stdout)
    print()


if __name__ == "__main__":
    main()
