#!/usr/bin/python3
"""Runs the command lines of a transcript and compares what they print with the transcript.

A transcript is a golden file of blocks. A line "$ uiresource show 101" runs the program given after
"--" (through an emulator, if one is given there) with the arguments that follow; the lines after it,
up to the next "$" line, are what it must print: standard output, then standard error with each
line marked "! " ("!" alone for an empty one), then "[exit N]" when the exit status N is not 0. Lines beginning with "<" straight after the command line
are what it reads on standard input ("< TEXT" a line of TEXT, "<" alone an empty line). Blank lines and lines beginning with "#" that end a
block are comments on the next one. In expected lines {{REGEX}} matches what platforms print
differently.
--set NAME=VALUE replaces %NAME% in the command lines with VALUE, and VALUE in the output with %NAME%.
Line ends are compared without carriage returns. On a mismatch it prints a unified diff; --update
rewrites the transcript with what the program printed.

Usage: run_transcript.py [--set NAME=VALUE]... [--update] TRANSCRIPT -- PROGRAM...
"""
import argparse
import difflib
import re
import shlex
import subprocess
import sys


def parse_blocks(lines):
    """[(command line or None for leading comments, [lines])] in file order."""
    blocks = [(None, [])]
    for line in lines:
        if line.startswith('$ '):
            blocks.append((line, []))
        else:
            blocks[-1][1].append(line)
    return blocks


def run(command_line, given, program, settings):
    for name, value in settings.items():
        command_line = command_line.replace('%' + name + '%', value)
    args = shlex.split(command_line[2:])[1:]
    stdin = ''.join(line[2:] + '\n' for line in given).encode('utf-8')
    done = subprocess.run(program + args, input=stdin, capture_output=True, timeout=300)
    lines = []
    for stream, mark in ((done.stdout, ''), (done.stderr, '! ')):
        text = stream.decode('utf-8', 'backslashreplace').replace('\r\n', '\n')
        for name, value in sorted(settings.items(), key=lambda item: -len(item[1])):
            text = text.replace(value, '%' + name + '%')
        lines += [mark + line if line else mark.strip() for line in text.splitlines()]
    return lines + (['[exit %d]' % done.returncode] if done.returncode != 0 else [])


def matches(expected, actual):
    parts = re.split(r'\{\{(.*?)\}\}', expected)
    pattern = ''.join(part if i % 2 else re.escape(part) for i, part in enumerate(parts))
    return re.fullmatch(pattern, actual) is not None


def split_tail(lines):
    """A block's expected output, and the blank and comment lines after it (they introduce the next)."""
    end = len(lines)
    while end and (not lines[end - 1].strip() or lines[end - 1].startswith('#')):
        end -= 1
    return lines[:end], lines[end:]


def actual_block(command, lines, program, settings):
    """The block as the program printed it, keeping the expected wording of lines that match."""
    given = []
    while len(given) < len(lines) and (lines[len(given)] == '<' or lines[len(given)].startswith('< ')):
        given.append(lines[len(given)])
    wanted, tail = split_tail(lines[len(given):])
    got, _ = split_tail(run(command, given, program, settings))
    got = [wanted[i] if i < len(wanted) and matches(wanted[i], line) else line for i, line in enumerate(got)]
    return [command] + given + got + tail


def main():
    argv = sys.argv[1:]
    split = argv.index('--')
    parser = argparse.ArgumentParser()
    parser.add_argument('--set', action='append', default=[])
    parser.add_argument('--update', action='store_true')
    parser.add_argument('transcript')
    options = parser.parse_args(argv[:split])
    program = [word for word in argv[split + 1:] if word]
    settings = dict(item.split('=', 1) for item in options.set)
    with open(options.transcript, encoding='utf-8') as file:
        expected = file.read().splitlines()
    actual = []
    for command, lines in parse_blocks(expected):
        actual += lines if command is None else actual_block(command, lines, program, settings)
    if actual == expected:
        return 0
    if options.update:
        with open(options.transcript, 'w', encoding='utf-8') as file:
            file.write('\n'.join(actual) + '\n')
        print('updated', options.transcript)
        return 0
    sys.stdout.writelines(difflib.unified_diff([line + '\n' for line in expected], [line + '\n' for line in actual],
                                               options.transcript, 'what the program printed'))
    return 1


if __name__ == '__main__':
    sys.exit(main())
