#!/usr/bin/env python3
"""Prints one Markdown table of every benchmark result in a folder.

  bench_table.py RESULTS_DIR

RESULTS_DIR holds the Google Benchmark outputs (*.bench.json, --benchmark_format=json) and the
demo probe's outputs (startup.json, idle.json, soak.json, soak-hanging.json). Each goal is checked here; a row
without a goal is a figure to read, not to judge.
"""
import json
import pathlib
import sys

UNITS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def ms(entry, key):
    return entry[key] * UNITS[entry.get("time_unit", "ns")]


def time_text(value_ms):
    if value_ms >= 1:
        return "%.1f ms" % value_ms
    if value_ms >= 0.001:
        return "%.1f µs" % (value_ms * 1e3)
    return "%.0f ns" % (value_ms * 1e6)


class Table:
    def __init__(self):
        self.rows = []

    def add(self, name, figure, goal="—", met=None):
        self.rows.append((name, figure, goal, "—" if met is None else ("yes" if met else "NO")))

    def judged(self):
        return [row for row in self.rows if row[3] != "—"]

    def print(self):
        print("| Benchmark | Figure | Goal | Met |")
        print("|---|---|---|---|")
        for row in self.rows:
            print("| %s | %s | %s | %s |" % row)
        met = sum(1 for row in self.judged() if row[3] == "yes")
        print("\nGoals met: %d of %d" % (met, len(self.judged())))


def benchmark_entries(folder):
    entries = {}
    for path in sorted(folder.glob("*.bench.json")):
        program = path.name[: -len(".bench.json")]
        for entry in json.loads(path.read_text())["benchmarks"]:
            # Of repeated runs only the median is kept, under the plain name.
            if entry.get("run_type") == "aggregate":
                if entry.get("aggregate_name") != "median":
                    continue
                entry = dict(entry, name=entry["run_name"] + " (median of %d)" %
                             entry.get("repetitions", 0))
            entries[(program, entry["name"])] = entry
    return entries


def plain_row(table, program, name, entry):
    label = "%s: %s" % (program, name.replace("/process_time", "").replace("/real_time", ""))
    if entry.get("error_occurred"):
        table.add(label, "failed: " + entry.get("error_message", "?"), met=False)
        return
    figure = time_text(ms(entry, "real_time"))
    if "curl_cpu_ms" in entry:
        figure += " wall, %s CPU in curl" % time_text(entry["curl_cpu_ms"])
    elif "Curl" in name:
        figure += " wall"  # the CPU time is curl's, in another process
    elif "/real_time" in name:
        figure += " wall, %s CPU" % time_text(ms(entry, "cpu_time"))
    if entry.get("bytes_per_second"):
        figure += ", %.0f MiB/s" % (entry["bytes_per_second"] / 2**20)
    table.add(label, figure)


def find(entries, program, name):
    """The entry of a benchmark, or the median of its repetitions."""
    for (p, n), entry in entries.items():
        if p == program and (n == name or n.startswith(name + " (median")):
            return entry
    return None


def refresh_rows(table, entries):
    full = find(entries, "om_e2e_refresh_bench", "BM_FullRefresh/process_time/real_time")
    curl = find(entries, "om_e2e_refresh_bench", "BM_CurlOneInvocation/real_time")
    if not full or full.get("error_occurred"):
        table.add("full refresh", "did not run", "", False)
        return
    table.add("full refresh: CPU time (whole process, replay server included)",
              "%.1f ms" % full["cpu_ms"], "≤ 20 ms", full["cpu_ms"] <= 20)
    table.add("full refresh: CPU time of the fetching threads alone",
              "%.1f ms" % full["client_cpu_ms"])
    if curl and not curl.get("error_occurred"):
        ratio = ms(full, "real_time") / ms(curl, "real_time")
        table.add("full refresh: wall time against curl (one invocation, five pages)",
                  "%s against %s = %.2f×" % (time_text(ms(full, "real_time")),
                                             time_text(ms(curl, "real_time")), ratio),
                  "≤ 1.2×", ratio <= 1.2)


def probe_rows(table, folder):
    startup = folder / "startup.json"
    if startup.exists():
        s = json.loads(startup.read_text())
        table.add("start-up to the first painted window (median of %d, offscreen)" %
                  len(s["runs_ms"]), "%.0f ms (runs %s)" % (
                      s["median_ms"], ", ".join("%.0f" % t for t in s["runs_ms"])),
                  "≤ 300 ms", s["median_ms"] <= 300)
    idle = folder / "idle.json"
    if idle.exists():
        i = json.loads(idle.read_text())
        table.add("idle resident memory after the first refresh",
                  "%.1f MiB, of it %.1f MiB anonymous (%d threads, %d fds)" % (
                      i["rss_kib"] / 1024, i.get("anonymous_kib", -1) / 1024, i["threads"],
                      i["fds"]))
    soak = folder / "soak.json"
    if soak.exists():
        k = json.loads(soak.read_text())
        n, early = k["refreshes"], k["early"]
        rss = k["rss_kib_at"]
        table.add("soak: resident memory growth, refresh %d to %d (every %d ms)" %
                  (early, n, k["interval_ms"]),
                  "%+.2f MiB (%.1f → %.1f MiB)" % (k["rss_growth_kib"] / 1024,
                                                   rss[str(early)] / 1024, rss[str(n)] / 1024),
                  "≤ 2 MiB", k["rss_growth_kib"] <= 2048)
        table.add("soak: most task threads at once", "%d (process at most %d threads)" %
                  (k["max_task_threads"], k["max_threads"]), "≤ 9", k["max_task_threads"] <= 9)
        fds = k["fds_at"]
        table.add("soak: open descriptors, refresh %d to %d" % (early, n),
                  "%d → %d" % (fds[str(early)], fds[str(n)]), "no growth", k["fd_growth"] <= 0)
    hanging = folder / "soak-hanging.json"
    if hanging.exists():
        k = json.loads(hanging.read_text())
        n, early, fds = k["refreshes"], k["early"], k["fds_at"]
        what = "soak, DXY page never ends (fetches give up after 500 ms)"
        table.add("%s: most task threads at once" % what, "%d (process at most %d threads)" %
                  (k["max_task_threads"], k["max_threads"]), "≤ 9", k["max_task_threads"] <= 9)
        table.add("%s: open descriptors, refresh %d to %d" % (what, early, n),
                  "%d → %d" % (fds[str(early)], fds[str(n)]), "no growth", k["fd_growth"] <= 0)
        table.add("%s: resident memory, refresh %d to %d" % (what, early, n),
                  "%+.2f MiB" % (k["rss_growth_kib"] / 1024))


def main():
    folder = pathlib.Path(sys.argv[1])
    table = Table()
    entries = benchmark_entries(folder)
    refresh_rows(table, entries)
    probe_rows(table, folder)
    for (program, name), entry in entries.items():
        plain_row(table, program, name, entry)
    table.print()


if __name__ == "__main__":
    main()
