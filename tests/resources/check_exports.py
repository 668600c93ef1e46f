#!/usr/bin/env python3
"""Checks the export table of UIResource.dll: exactly the names in the golden list (so an entry
missing, a changed signature or a test hook in the shipped DLL all fail), and every MSVC name
reaching the same code as the MinGW name it aliases.

usage: check_exports.py OBJDUMP DLL GOLDEN ALIASES_DEF
"""
import re
import subprocess
import sys

objdump, dll, golden_path, def_path = sys.argv[1:5]
dump = subprocess.run([objdump, "-p", dll], check=True, capture_output=True, text=True).stdout
addresses = {int(i): rva for i, rva in re.findall(r"\[\s*(\d+)\] \+base\[\s*\d+\] ([0-9a-f]+) Export RVA", dump)}
table = dump.split("[Ordinal/Name Pointer] Table", 1)
if len(table) != 2:
    sys.exit(f"{dll} has no export table")
names = {name: addresses.get(int(i)) for i, name in re.findall(r"^\s*\[\s*(\d+)\] (\S+)$", table[1], re.M)}

golden = [line.strip() for line in open(golden_path) if line.strip() and not line.startswith("#")]
problems = [f"missing: {name}" for name in golden if name not in names]
problems += [f"not in {golden_path}: {name}" for name in sorted(names) if name not in golden]
for msvc, internal in re.findall(r'^\s*"([^"]+)"=(\S+)', open(def_path).read(), re.M):
    if internal in names and names.get(msvc) != names[internal]:
        problems.append(f"{msvc} does not reach {internal}")
if problems:
    sys.exit(f"{dll}: its exports differ from what hosts link against:\n  " + "\n  ".join(problems))
print(f"{dll}: {len(names)} exports, as hosts link against them")
