#!/usr/bin/env python3
"""Checks the export table of UIResource.dll: exactly the names the build derived from
module/export_probe.cpp, which uses every entry of the public header as a host does (so an entry
the DLL lacks, or one it exports that no host names, such as a test hook or an entry left out of
the probe, fails), and every MSVC name reaching the same code as the MinGW name it aliases.

usage: check_exports.py OBJDUMP DLL EXPECTED ALIASES_DEF
"""
import re
import subprocess
import sys

objdump, dll, expected_path, def_path = sys.argv[1:5]
dump = subprocess.run([objdump, "-p", dll], check=True, capture_output=True, text=True).stdout
addresses = {int(i): rva for i, rva in re.findall(r"\[\s*(\d+)\] \+base\[\s*\d+\] ([0-9a-f]+) Export RVA", dump)}
table = dump.split("[Ordinal/Name Pointer] Table", 1)
if len(table) != 2:
    sys.exit(f"{dll} has no export table")
names = {name: addresses.get(int(i)) for i, name in re.findall(r"^\s*\[\s*(\d+)\] (\S+)$", table[1], re.M)}

expected = [line.strip() for line in open(expected_path) if line.strip() and not line.startswith("#")]
problems = [f"missing: {name}" for name in expected if name not in names]
problems += [f"exported, but module/export_probe.cpp names no such entry: {name}"
             for name in sorted(names) if name not in expected]
for msvc, internal in re.findall(r'^\s*"([^"]+)"=(\S+)', open(def_path).read(), re.M):
    if internal in names and names.get(msvc) != names[internal]:
        problems.append(f"{msvc} does not reach {internal}")
if problems:
    sys.exit(f"{dll}: its exports differ from what hosts link against:\n  " + "\n  ".join(problems))
print(f"{dll}: {len(names)} exports, as hosts link against them")
