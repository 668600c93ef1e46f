#!/usr/bin/env python3
"""Writes the benchmark table (headless, Wine, ratio, target) from the two JSON reports, with the
machine and the load it was measured under."""
import argparse
import json
import platform
import re
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


def row(name, headless, wine):
    if headless is None or headless.get("error_occurred"):
        return f"| `{name}` | {headless.get('error_message', 'failed') if headless else '—'} | | | | |"
    wall, cpu = nanoseconds(headless, "real_time"), nanoseconds(headless, "cpu_time")
    wine_ns = nanoseconds(wine, "real_time") if wine and not wine.get("error_occurred") else None
    wine_text = readable(wine_ns) if wine_ns else (wine.get("error_message", "failed") if wine else "—")
    ratio = "" if not wine_ns else f"{wine_ns / wall:,.1f}×" if wine_ns < 10 * wall else f"{wine_ns / wall:,.0f}×"
    limit, wording = target_of(name)
    verdict = "" if limit is None else f"{wording}: {'met' if cpu < limit else 'missed'}"
    return f"| `{name}` | {readable(wall)} | {readable(cpu)} | {wine_text} | {ratio} | {verdict} |"


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
    parser.add_argument("--headless", required=True)
    parser.add_argument("--wine", required=True)
    parser.add_argument("--load", required=True, help="load averages before and after the runs")
    parser.add_argument("--date", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--readme", help="also put the table into this file, between the markers")
    args = parser.parse_args()
    headless, wine = load(args.headless), load(args.wine)
    lines = [
        "# Benchmark results",
        "",
        f"Measured {args.date} on {machine()}.",
        f"Load average (1, 5, 15 min) before and after: {args.load}. The machine is shared, so wall",
        "times carry the load; the targets are judged on the headless CPU time.",
        "",
        "| Benchmark | Headless (wall) | Headless (CPU) | Wine, real dialog manager (wall) | Wine / headless | Target |",
        "|---|---|---|---|---|---|",
    ]
    lines += [row(name, run, wine.get(name)) for name, run in headless.items()]
    lines += [row(name, None, run) for name, run in wine.items() if name not in headless]
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
