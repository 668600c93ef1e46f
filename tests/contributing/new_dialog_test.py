#!/usr/bin/env python3
"""Holds the tree to CONTRIBUTING.md's promise: a new plain dialog of the module (its template, its
id, its entry, its line in the public header and a scenario) is five files, none under platform/,
harness/ or the tests' support. It copies the tree as it stands to a scratch folder, adds an
"About" dialog there exactly as CONTRIBUTING.md says, builds that copy natively and runs all its
native tests, the new scenario among them.

usage: new_dialog_test.py SOURCE_ROOT [SCRATCH]    exit status 1 when the copy fails to build or a test fails
"""
import os
import shutil
import subprocess
import sys
import tempfile

TEMPLATE = """
IDD_ABOUT DIALOG 0, 0, 180, 62
STYLE DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU
CAPTION "About"
FONT 8, "MS Sans Serif"
BEGIN
    LTEXT           "Dialogs and resources of the engine's editor.", IDC_NONE, 10, 10, 160, 16
    DEFPUSHBUTTON   "OK", IDOK, 65, 40, 50, 14
END
"""

SCENARIO = """# The About dialog added by tests/contributing/new_dialog_test.py, as CONTRIBUTING.md says.
scenario About shows its caption and ends with 1 on OK and 0 on Escape
  call showAbout = 1
  expect text TITLE "About"
  expect missing CANCEL
  key Enter
  then call showAbout = 0
  key Escape
"""

# The five edits: file, text to find (once), text to put after it. The scenario is a new file.
EDITS = [
    ("resources/UIResource.rc", None, TEMPLATE),
    ("resources/resource_ids.h", "#define IDD_EXIT_APPLICATION 122\n", "#define IDD_ABOUT 130\n"),
    ("resources/resource_ids.h", '    DIALOG(IDD_EXIT_APPLICATION, "exit-application")',
     ' \\\n    DIALOG(IDD_ABOUT, "about")'),
    ("dialogs/plain_dialogs.cpp", None,
     "\nlong UI::showAbout(HWND owner) { return runWithoutHooks(IDD_ABOUT, owner); }\n"),
    ("include/UIResource/UIResource.h", "    static long displayMaterialProperties(HWND owner);\n",
     "\n    // \"About\": 1 on OK, 0 on Escape or the close box.\n    static long showAbout(HWND owner);\n"),
    ("tests/scenarios/about.scn", None, SCENARIO),
]
FORBIDDEN = ("platform/", "harness/", "tests/support/")


def copy_tree(root, scratch):
    """The tracked and unignored files as they stand, uncommitted edits included, never build/."""
    listed = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"], cwd=root,
                            check=True, capture_output=True).stdout.decode().split("\0")
    for name in filter(None, listed):
        source = os.path.join(root, name)
        if name.startswith("build/") or not os.path.isfile(source):
            continue
        os.makedirs(os.path.dirname(os.path.join(scratch, name)), exist_ok=True)
        shutil.copy2(source, os.path.join(scratch, name))


def add_about_dialog(scratch):
    touched = set()
    for name, anchor, text in EDITS:
        path = os.path.join(scratch, name)
        old = open(path, encoding="utf-8").read() if os.path.exists(path) else ""
        if anchor is None:
            new = old + text
        elif old.count(anchor) != 1:
            raise SystemExit(f"new_dialog_test: {name} no longer holds {anchor!r} once; update EDITS and CONTRIBUTING.md")
        else:
            new = old.replace(anchor, anchor + text)
        open(path, "w", encoding="utf-8").write(new)
        touched.add(name)
    return touched


def run(command, cwd):
    print("$ " + " ".join(command), flush=True)
    return subprocess.run(command, cwd=cwd).returncode == 0


def main():
    if len(sys.argv) not in (2, 3):
        print(__doc__, file=sys.stderr)
        return 2
    root = os.path.abspath(sys.argv[1])
    scratch = sys.argv[2] if len(sys.argv) == 3 else tempfile.mkdtemp(prefix="uiresource-new-dialog-")
    shutil.rmtree(scratch, ignore_errors=True)
    os.makedirs(scratch)
    copy_tree(root, scratch)
    touched = add_about_dialog(scratch)
    print(f"files touched ({len(touched)}): {', '.join(sorted(touched))}")
    bad = [name for name in touched if name.startswith(FORBIDDEN)]
    if len(touched) > 5 or bad:
        print(f"new_dialog_test: a new dialog needs more than five files or touches {bad}")
        return 1
    jobs = str(os.cpu_count() or 2)
    ok = run(["cmake", "--preset", "native"], scratch) and run(["cmake", "--build", "--preset", "native", "-j", jobs], scratch)
    ok = ok and run(["ctest", "--preset", "native", "-j", jobs], scratch)
    ok = ok and run(["ctest", "--preset", "native", "-R", "About\\.", "--no-tests=error"], scratch)
    print("a new dialog in five files: " + ("built, and every native test passes" if ok else "FAILED"))
    if ok and len(sys.argv) == 2:
        shutil.rmtree(scratch, ignore_errors=True)
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
