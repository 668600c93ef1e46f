#!/usr/bin/env python3
"""Plants each fault of faults.json in a copy of the tree, one at a time, and records which native
tests catch it.

The working tree (git's tracked and unignored files, not the build folder) is copied once to a
scratch folder, built there once (Debug, no link-time optimisation), and the native tests are run
to find the baseline. Then, for each fault: its text is replaced, the tree is rebuilt, ctest runs,
the failing tests are recorded and the file is put back. A fault whose text no longer occurs
exactly once in its file is reported as stale; one that breaks the build as "did not compile".

    python3 tests/faults/run-faults.py                   # every fault; writes tests/faults/RESULTS.md
    python3 tests/faults/run-faults.py --only F03,F07    # some; prints only, unless --out is given
"""

import argparse
import datetime
import json
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_FAULTS = os.path.join(HERE, "faults.json")
DEFAULT_RESULTS = os.path.join(HERE, "RESULTS.md")
SHOWN_TEST_NAMES = 3


def repository_root():
    return subprocess.run(["git", "rev-parse", "--show-toplevel"], cwd=HERE, check=True,
                          capture_output=True, text=True).stdout.strip()


def read_text(path):
    with open(path, encoding="utf-8", newline="") as f:
        return f.read()


def write_text(path, text):
    with open(path, "w", encoding="utf-8", newline="") as f:
        f.write(text)


# ---- Faults ---------------------------------------------------------------------------------------

def load_faults(path):
    with open(path, encoding="utf-8") as f:
        faults = json.load(f)
    seen = set()
    for fault in faults:
        missing = [key for key in ("id", "file", "find", "replace", "what") if not isinstance(fault.get(key), str)]
        if missing:
            sys.exit(f"{path}: fault {fault.get('id', '?')} lacks {', '.join(missing)}")
        if fault["id"] in seen:
            sys.exit(f"{path}: fault id {fault['id']} appears twice")
        if fault["find"] == fault["replace"]:
            sys.exit(f"{path}: fault {fault['id']} replaces its text with the same text")
        seen.add(fault["id"])
    return faults


def select_faults(faults, only):
    if not only:
        return faults
    wanted = [part.strip() for part in only.split(",") if part.strip()]
    known = {fault["id"] for fault in faults}
    unknown = [fault_id for fault_id in wanted if fault_id not in known]
    if unknown:
        sys.exit(f"unknown fault ids: {', '.join(unknown)}")
    return [fault for fault in faults if fault["id"] in wanted]


# ---- Scratch tree and build -----------------------------------------------------------------------

def stage_tree(root, source):
    """Copies the working tree's files into `source`, writing only files that differ, so that a
    reused scratch folder rebuilds only what changed."""
    listed = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                            cwd=root, check=True, capture_output=True).stdout.decode().split("\0")
    copied = 0
    for relative in filter(None, listed):
        origin = os.path.join(root, relative)
        if not os.path.isfile(origin) or relative.startswith("build/"):
            continue
        target = os.path.join(source, relative)
        if os.path.isfile(target):
            with open(origin, "rb") as a, open(target, "rb") as b:
                if a.read() == b.read():
                    continue
        os.makedirs(os.path.dirname(target), exist_ok=True)
        # A fresh modification time, so that make rebuilds what the copy changed.
        shutil.copy(origin, target)
        copied += 1
    return copied


def run_logged(command, log, timeout=None):
    """Runs `command` in its own process group, output to `log`; returns (exit status, timed out)."""
    with open(log, "w") as out:
        process = subprocess.Popen(command, stdout=out, stderr=subprocess.STDOUT, start_new_session=True)
        try:
            return process.wait(timeout=timeout), False
        except subprocess.TimeoutExpired:
            os.killpg(process.pid, signal.SIGKILL)
            process.wait()
            return -1, True


def first_error(path, source):
    """The first compiler or linker error of a build log, or its last line, with paths made relative."""
    with open(path, errors="replace") as f:
        lines = [line.strip().replace(source + os.sep, "") for line in f if line.strip()]
    for line in lines:
        if "error" in line.lower():
            return line[:200]
    return lines[-1][:200] if lines else ""


def tail(path, lines=15):
    with open(path, errors="replace") as f:
        return "".join(f.readlines()[-lines:])


def configure(source, build):
    command = ["cmake", "-S", source, "-B", build,
               "-DCMAKE_BUILD_TYPE=Debug",
               "-DCMAKE_INTERPROCEDURAL_OPTIMIZATION=OFF",
               "-DUIRESOURCE_BUILD_TESTS=ON",
               "-DUIRESOURCE_BUILD_TOOLS=ON",
               "-DUIRESOURCE_BENCH=OFF",
               # Test programs load the library at run time: a changed library need not relink them.
               "-DCMAKE_LINK_DEPENDS_NO_SHARED=ON",
               # Tests are listed when ctest runs, not after each link: a faulty library that
               # crashes at load then fails a test run instead of the build.
               "-DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST"]
    log = os.path.join(build, "..", "configure.log")
    status, _ = run_logged(command, log)
    if status != 0:
        sys.exit("configuring the scratch build failed:\n" + tail(log))


def build_tree(build, jobs, log):
    status, timed_out = run_logged(["cmake", "--build", build, "-j", str(jobs)], log, timeout=3600)
    return status == 0 and not timed_out


# ---- Tests ----------------------------------------------------------------------------------------

def parse_failures(output):
    """The names of the tests in ctest's "The following tests FAILED" list, in its order."""
    failed = []
    in_list = False
    for line in output.splitlines():
        if line.startswith("The following tests FAILED"):
            in_list = True
            continue
        if in_list:
            stripped = line.strip()
            if not stripped or stripped.startswith("Errors while running CTest"):
                break
            # "  12 - suite.case (Failed)"
            number, separator, rest = stripped.partition(" - ")
            if not separator or not number.strip().isdigit():
                continue
            name, separator, status = rest.rpartition(" (")
            if not separator:
                name, status = rest, ""
            name = name.split("  # GetParam()")[0]  # value-parameterised tests name their value
            failed.append((name.strip(), status.rstrip(")")))
    return failed


def run_tests(build, jobs, per_test_timeout, deadline, log):
    """Runs the native tests; returns (failed [(name, status)], problem or None, total count)."""
    command = ["ctest", "--test-dir", build, "-j", str(jobs), "--timeout", str(per_test_timeout),
               "--no-tests=error"]
    status, timed_out = run_logged(command, log, timeout=deadline)
    output = read_text(log)
    total = 0
    for line in output.splitlines():
        # "100% tests passed, 0 tests failed out of 412"
        if "tests failed out of" in line:
            total = int(line.rsplit(" ", 1)[1])
    if timed_out:
        return [], f"the test run passed its {deadline} s limit", total
    failed = parse_failures(output)
    if status != 0 and not failed:
        # No list of failures: ctest itself failed, e.g. a test program that cannot list its tests.
        errors = [line.strip() for line in output.splitlines() if "Error" in line or "error" in line]
        return [], "ctest failed without a list of failures" + (f" ({errors[0][:120]})" if errors else ""), total
    return failed, None, total


# ---- One fault ------------------------------------------------------------------------------------

def try_fault(fault, source, build, options, baseline_failures, logs):
    path = os.path.join(source, fault["file"])
    result = {"id": fault["id"], "file": fault["file"], "what": fault["what"], "tests": [], "note": ""}
    if not os.path.isfile(path):
        result.update(outcome="stale", note="the file no longer exists")
        return result
    original = read_text(path)
    occurrences = original.count(fault["find"])
    if occurrences != 1:
        result.update(outcome="stale", note=f"its text occurs {occurrences} times")
        return result
    started = time.monotonic()
    try:
        write_text(path, original.replace(fault["find"], fault["replace"], 1))
        build_log = os.path.join(logs, f"{fault['id']}-build.log")
        if not build_tree(build, options.jobs, build_log):
            result.update(outcome="did not compile", note=first_error(build_log, source))
            return result
        test_log = os.path.join(logs, f"{fault['id']}-ctest.log")
        failed, problem, _ = run_tests(build, options.jobs, options.test_timeout, options.deadline, test_log)
        failed = [(name, status) for name, status in failed if name not in baseline_failures]
        if problem is not None:
            result.update(outcome="caught", note=problem)
        elif failed:
            result.update(outcome="caught", tests=failed)
        else:
            result.update(outcome="missed")
        return result
    finally:
        write_text(path, original)
        result["seconds"] = round(time.monotonic() - started, 1)


def describe(result):
    if result["outcome"] == "caught":
        if not result["tests"]:
            return f"caught: {result['note']}"
        names = [name + (f" ({status})" if status not in ("", "Failed") else "") for name, status in result["tests"]]
        shown = ", ".join(names[:SHOWN_TEST_NAMES])
        more = len(names) - SHOWN_TEST_NAMES
        return f"caught by: {shown}" + (f" and {more} more" if more > 0 else "")
    if result["outcome"] == "missed":
        return "MISSED"
    return result["outcome"].upper() + (f": {result['note']}" if result["note"] else "")


# ---- Report ---------------------------------------------------------------------------------------

def summary_counts(results):
    counts = {}
    for result in results:
        counts[result["outcome"]] = counts.get(result["outcome"], 0) + 1
    return counts


def markdown_cell(text):
    return text.replace("|", "\\|").replace("\n", " ")


def write_report(path, results, context):
    counts = summary_counts(results)
    lines = [
        "# Planted faults: baseline",
        "",
        "Written by `tests/faults/run-faults.py` (see README.md). Each fault is planted alone in a copy of",
        "the tree, which is rebuilt (native, Debug) before the native tests run.",
        "",
        f"- Tree: commit {context['commit']}{' with uncommitted changes' if context['dirty'] else ''}",
        f"- Run: {context['date']}, {context['tests']} native tests, {context['minutes']:.0f} minutes in all "
        f"(first build {context['first_build_seconds']:.0f} s, one pass of the tests "
        f"{context['baseline_seconds']:.0f} s)",
        f"- Faults: {len(results)}; caught {counts.get('caught', 0)}, missed {counts.get('missed', 0)}, "
        f"stale {counts.get('stale', 0)}, did not compile {counts.get('did not compile', 0)}",
        f"- Missed: {', '.join(r['id'] for r in results if r['outcome'] == 'missed') or 'none'}",
        "",
        "| Id | File | What | Result |",
        "|---|---|---|---|",
    ]
    for result in results:
        lines.append(f"| {result['id']} | `{result['file']}` | {markdown_cell(result['what'])} | "
                     f"{markdown_cell(describe(result))} |")
    write_text(path, "\n".join(lines) + "\n")


# ---- Main -----------------------------------------------------------------------------------------

def main():
    parser = argparse.ArgumentParser(description="Measure which planted faults the native tests catch.")
    parser.add_argument("--only", help="comma-separated fault ids to run, e.g. F03,F07")
    parser.add_argument("--out", help="result table to write (default: RESULTS.md beside this script when "
                                      "every fault runs; nothing with --only)")
    parser.add_argument("--faults", default=DEFAULT_FAULTS, help="fault list (default: faults.json here)")
    parser.add_argument("--scratch", help="scratch folder to use and keep; reusing one skips the full build")
    parser.add_argument("--jobs", type=int, default=2, help="parallel build and test jobs (default 2)")
    parser.add_argument("--test-timeout", type=int, default=60,
                        help="seconds for a test that sets no limit of its own (default 60)")
    parser.add_argument("--deadline", type=int, default=900,
                        help="seconds for one whole test run; past it the fault counts as caught (default 900)")
    options = parser.parse_args()

    faults = select_faults(load_faults(options.faults), options.only)
    out = options.out or (DEFAULT_RESULTS if not options.only else None)
    root = repository_root()
    # The tree as it is copied: the report names it, however the working tree moves on meanwhile.
    commit = subprocess.run(["git", "rev-parse", "--short", "HEAD"], cwd=root, capture_output=True,
                            text=True).stdout.strip()
    dirty = subprocess.run(["git", "status", "--porcelain", "--untracked-files=no"], cwd=root,
                           capture_output=True, text=True).stdout.strip() != ""
    scratch = os.path.abspath(options.scratch) if options.scratch else tempfile.mkdtemp(prefix="uiresource-faults-")
    source, build, logs = (os.path.join(scratch, name) for name in ("src", "build", "logs"))
    for folder in (source, build, logs):
        os.makedirs(folder, exist_ok=True)
    print(f"scratch folder: {scratch}", flush=True)

    started = time.monotonic()
    try:
        copied = stage_tree(root, source)
        print(f"copied {copied} changed files; configuring and building", flush=True)
        configure(source, build)
        build_log = os.path.join(logs, "baseline-build.log")
        if not build_tree(build, options.jobs, build_log):
            sys.exit("the unchanged tree does not build:\n" + tail(build_log))
        first_build = time.monotonic() - started

        baseline_started = time.monotonic()
        failed, problem, total = run_tests(build, options.jobs, options.test_timeout, options.deadline,
                                           os.path.join(logs, "baseline-ctest.log"))
        baseline_seconds = time.monotonic() - baseline_started
        if problem is not None:
            sys.exit(f"the baseline test run failed: {problem}")
        baseline_failures = {name for name, _ in failed}
        if baseline_failures:
            print(f"warning: {len(baseline_failures)} tests fail without any fault and are ignored: "
                  + ", ".join(sorted(baseline_failures)), flush=True)
        print(f"baseline: {total} tests in {baseline_seconds:.0f} s", flush=True)

        results = []
        for number, fault in enumerate(faults, 1):
            result = try_fault(fault, source, build, options, baseline_failures, logs)
            results.append(result)
            print(f"[{number}/{len(faults)}] {fault['id']} {fault['file']}: {describe(result)} "
                  f"({result.get('seconds', 0):.0f} s)", flush=True)
    finally:
        if not options.scratch:
            shutil.rmtree(scratch, ignore_errors=True)

    minutes = (time.monotonic() - started) / 60
    counts = summary_counts(results)
    print()
    print(f"{len(results)} faults: caught {counts.get('caught', 0)}, missed {counts.get('missed', 0)}, "
          f"stale {counts.get('stale', 0)}, did not compile {counts.get('did not compile', 0)}; "
          f"{minutes:.0f} minutes")
    for result in results:
        if result["outcome"] != "caught":
            print(f"  {result['id']} {result['file']}: {describe(result)} -- {result['what']}")
    if out:
        context = {"commit": commit, "dirty": dirty, "date": datetime.date.today().isoformat(), "tests": total,
                   "minutes": minutes, "first_build_seconds": first_build, "baseline_seconds": baseline_seconds}
        write_report(out, results, context)
        print(f"wrote {out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
