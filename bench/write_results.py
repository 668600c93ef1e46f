#!/usr/bin/env python3
"""Writes the benchmark table (headless, the last release headless, Wine, ratios, target) from the
JSON reports, with the machine and the load it was measured under.

The headless rows come from several runs of each version, made alternately row by row; a row shows
the run with the median CPU time, and "this / release" the median of the ratios of the runs made
side by side (with their range), so that a change of load between runs shows as spread, not as a
change of code."""
import argparse
import json
import platform
import re
import statistics
import subprocess

UNIT_NS = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}

# Name pattern of the benchmarks a target applies to, the target in nanoseconds, and its wording.
TARGETS = [
    (r"^getResourceData", 20, "< 20 ns"),
    (r"^openAndClose/template_109$", 50e3, "< 50 µs"),
    (r"^selectLastItem/30000$", 30e6, "< 30 ms"),
    (r"^meshEditorChangeSpeedAndCancel/100000$", 100e6, "< 100 ms"),
    (r"^paintFrame/template_119$", 2e6, "≤ 2 ms"),
    (r"^inputToPaint/template_119$", 16e6, "< 16 ms"),
    (r"^presentedFrame/template_119$", 2e6, "≤ 2 ms"),
    (r"^keyToPresentedFrame/template_119$", 16e6, "≤ 16 ms"),
]


def load(path):
    with open(path, encoding="utf-8") as report:
        runs = json.load(report)["benchmarks"]
    return {run["name"]: run for run in runs if run.get("run_type", "iteration") == "iteration"}


def load_runs(paths):
    """Each row's runs, in the order of the files (one round after the other), and the row order."""
    runs, order = {}, []
    for path in paths:
        for name, run in load(path).items():
            if name not in runs:
                order.append(name)
            runs.setdefault(name, []).append(run)
    return runs, order


def failed(runs):
    return next((run for run in runs if run.get("error_occurred")), None)


def median_run(runs):
    """The run with the median CPU time (the lower of the two middle ones for an even count)."""
    ranked = sorted(runs, key=lambda run: nanoseconds(run, "cpu_time"))
    return ranked[(len(ranked) - 1) // 2]


def nanoseconds(run, field):
    return run[field] * UNIT_NS[run["time_unit"]]


def readable(ns):
    for unit, scale in (("s", 1e9), ("ms", 1e6), ("µs", 1e3)):
        if ns >= scale:
            return f"{ns / scale:.3g} {unit}"
    return f"{ns:.3g} ns"


def target_of(name):
    for pattern, limit, wording in TARGETS:
        if re.search(pattern, name):
            return limit, wording
    return None, ""


def release_columns(runs, release_runs):
    """The release's median CPU time, and this version's over the release's: the median of the
    ratios of runs made side by side (the k-th of each), with their range."""
    if not release_runs:
        return "—", ""
    if failed(release_runs):
        return failed(release_runs).get("error_message", "failed"), ""
    ratios = sorted(nanoseconds(this, "cpu_time") / nanoseconds(then, "cpu_time")
                    for this, then in zip(runs, release_runs))
    spread = f" ({ratios[0]:.2f}–{ratios[-1]:.2f})" if len(ratios) > 1 else ""
    return readable(nanoseconds(median_run(release_runs), "cpu_time")), f"{statistics.median(ratios):.2f}×{spread}"


def row(name, runs, release_runs, wine):
    if not runs or failed(runs):
        return f"| `{name}` | {failed(runs).get('error_message', 'failed') if runs else '—'} | | | | | | |"
    headless = median_run(runs)
    wall, cpu = nanoseconds(headless, "real_time"), nanoseconds(headless, "cpu_time")
    release_cpu, release_ratio = release_columns(runs, release_runs)
    wine_ns = nanoseconds(wine, "real_time") if wine and not wine.get("error_occurred") else None
    wine_text = readable(wine_ns) if wine_ns else (wine.get("error_message", "failed") if wine else "—")
    ratio = "" if not wine_ns else f"{wine_ns / wall:,.1f}×" if wine_ns < 10 * wall else f"{wine_ns / wall:,.0f}×"
    limit, wording = target_of(name)
    verdict = "" if limit is None else f"{wording}: {'met' if cpu < limit else 'missed'}"
    return (f"| `{name}` | {readable(wall)} | {readable(cpu)} | {release_cpu} | {release_ratio} | {wine_text} | "
            f"{ratio} | {verdict} |")


def command_output(command):
    try:
        return subprocess.run(command, capture_output=True, text=True, check=False).stdout.strip()
    except OSError:
        return ""


def machine():
    cpu = "unknown"
    with open("/proc/cpuinfo", encoding="utf-8") as info:
        for line in info:
            if line.startswith("model name"):
                cpu = line.split(":", 1)[1].strip()
                break
    cores = command_output(["nproc"])
    wine = command_output(["wine64", "--version"]) or command_output(["/usr/lib/wine/wine64", "--version"])
    return f"{cpu}, {cores} cores; {platform.system()} {platform.release()}; {wine or 'Wine version unknown'}"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--headless", required=True, nargs="+", help="this version's runs, round by round")
    parser.add_argument("--release", nargs="*", default=[], help="the release's runs, made beside them")
    parser.add_argument("--release-name", default="release", help="the release's version, e.g. 1.0.0")
    parser.add_argument("--release-source", default="its tag", help="what it was built from, e.g. v1.0.0 (0d0097e)")
    parser.add_argument("--wine", required=True)
    parser.add_argument("--load", required=True, help="load averages before and after the runs")
    parser.add_argument("--date", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--readme", help="also put the table into this file, between the markers")
    args = parser.parse_args()
    (headless, order), (release, _) = load_runs(args.headless), load_runs(args.release)
    wine = load(args.wine)
    rounds = max((len(runs) for runs in headless.values()), default=0)
    name = args.release_name
    compared = (f"Each headless row is the median of {rounds} runs, made row by row in turn with those of the "
                f"last release, {name} (built the same way from {args.release_source}), so that the load falls "
                f"on both alike; \"this / {name}\" is the median ratio of their CPU times run for run, with its "
                "range." if release else
                f"Each headless row is the median of {rounds} runs; the last release was not built, so "
                "there is no comparison with it.")
    lines = [
        "# Benchmark results",
        "",
        f"Measured {args.date} on {machine()}.",
        f"Load average (1, 5, 15 min) before and after: {args.load}. The machine is shared, so wall",
        "times carry the load; the targets are judged on the headless CPU time.",
        compared,
        "",
        f"| Benchmark | Headless (wall) | Headless (CPU) | {name} headless (CPU) | This / {name} | "
        "Wine, real dialog manager (wall) | Wine / headless | Target |",
        "|---|---|---|---|---|---|---|---|",
    ]
    lines += [row(name, headless[name], release.get(name), wine.get(name)) for name in order]
    lines += [row(name, None, None, run) for name, run in wine.items() if name not in headless]
    table = "\n".join(lines) + "\n"
    with open(args.out, "w", encoding="utf-8") as out:
        out.write(table)
    if args.readme:
        show_in_readme(args.readme, table)


README_BEGIN = "<!-- benchmark results: written by bench/write_results.py -->"
README_END = "<!-- end of benchmark results -->"


def show_in_readme(path, table):
    """Replaces what stands between the README's markers with the table, one heading level down."""
    with open(path, encoding="utf-8") as readme:
        text = readme.read()
    begin, end = text.find(README_BEGIN), text.find(README_END)
    if begin < 0 or end < begin:
        raise SystemExit(f"{path}: the benchmark markers are missing")
    body = table.replace("# Benchmark results", "### Latest results", 1)
    text = text[: begin + len(README_BEGIN)] + "\n" + body + text[end:]
    with open(path, "w", encoding="utf-8") as readme:
        readme.write(text)


if __name__ == "__main__":
    main()
