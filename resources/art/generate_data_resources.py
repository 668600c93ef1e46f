#!/usr/bin/env python3
"""Turns the text artwork beside this script into the font atlas, advance table and pointer image.

Runs with a plain python3 and its standard library only; the output depends on the artwork alone,
so every build writes the same bytes.
"""
import argparse
import os
import struct
import sys

ART_DIR = os.path.dirname(os.path.abspath(__file__))
CELL = 16
ATLAS_SIZE = 256
INK_COLUMNS = 11  # columns 0 to 10 of a cell may hold ink
INK, BACKGROUND = 255, 1  # atlas alpha values


class ArtError(Exception):
    pass


def read_art_lines(name):
    """The file's lines without comments and blank lines, each with its line number."""
    path = os.path.join(ART_DIR, name)
    with open(path, encoding='utf-8') as art:
        for number, line in enumerate(art, 1):
            line = line.rstrip('\n')
            if line.strip() and not line.startswith('#'):
                yield '%s:%d' % (name, number), line


def tga_file(width, height, pixels_bottom_up):
    """An uncompressed 32-bit TGA with 8 alpha bits, bottom row first, and the version 2.0 footer."""
    header = struct.pack('<BBBHHBHHHHBB', 0, 0, 2, 0, 0, 0, 0, 0, width, height, 32, 8)
    footer = struct.pack('<II', 0, 0) + b'TRUEVISION-XFILE.\0'
    return header + bytes(pixels_bottom_up) + footer


def parse_glyph_row(where, line, expected_row):
    """One drawn row '07 .|#..#......' as (ink left of the origin, ink of columns 0 to 10)."""
    number, _, drawing = line.partition(' ')
    if int(number) != expected_row or len(drawing) != INK_COLUMNS + 2 or drawing[1] != '|':
        raise ArtError('%s: expected row %02d as "%02d X|%s"' % (where, expected_row, expected_row,
                                                                  '.' * INK_COLUMNS))
    cells = drawing[0] + drawing[2:]
    if set(cells) - set('#.'):
        raise ArtError('%s: only "#" and "." may be drawn' % where)
    return cells[0] == '#', [ch == '#' for ch in cells[1:]]


def read_glyphs():
    """For each code 0 to 255, its 16 rows as (left-of-origin ink, list of 11 column inks)."""
    lines = list(read_art_lines('font_glyphs.txt'))
    glyphs = []
    cursor = 0
    while cursor < len(lines):
        where, header = lines[cursor]
        fields = header.split()
        if fields[0] != '==' or int(fields[1]) != len(glyphs):
            raise ArtError('%s: expected the block of code %d' % (where, len(glyphs)))
        rows = [parse_glyph_row(*lines[cursor + 1 + y], y) for y in range(CELL)]
        glyphs.append(rows)
        cursor += 1 + CELL
    if len(glyphs) != 256:
        raise ArtError('font_glyphs.txt: %d blocks, expected 256' % len(glyphs))
    if any(left for left, _ in glyphs[0]):
        raise ArtError('font_glyphs.txt: code 0 has no cell to its left to reach into')
    return glyphs


def atlas_alpha(glyphs):
    """The atlas as rows of alpha values, top row first."""
    alpha = [[BACKGROUND] * ATLAS_SIZE for _ in range(ATLAS_SIZE)]
    for code, rows in enumerate(glyphs):
        left = CELL * (code % 16)
        top = CELL * (code // 16)
        for y, (left_ink, inks) in enumerate(rows):
            for x, ink in enumerate(inks):
                if ink:
                    alpha[top + y][left + x] = INK
            if left_ink:  # drawn in the last column of the previous code's cell
                previous = code - 1
                alpha[CELL * (previous // 16) + y][CELL * (previous % 16) + CELL - 1] = INK
    return alpha


def font_atlas(glyphs):
    pixels = bytearray()
    for row in reversed(atlas_alpha(glyphs)):
        for a in row:
            pixels += bytes((255, 255, 255, a))
    return tga_file(ATLAS_SIZE, ATLAS_SIZE, pixels)


def font_advances():
    advances = []
    for where, line in read_art_lines('font_advances.txt'):
        first, _, values = line.partition(':')
        if int(first) != len(advances):
            raise ArtError('%s: expected the row starting at code %d' % (where, len(advances)))
        advances += [int(v) for v in values.split()]
    if len(advances) != 256 or not all(0 <= a <= 255 for a in advances):
        raise ArtError('font_advances.txt: expected 256 advances of 0 to 255')
    return bytes(advances)


def read_pointer():
    """The pointer's legend (character to blue, green, red) and its 32 drawn rows, top first."""
    legend, rows = {}, []
    for where, line in read_art_lines('mouse_pointer.txt'):
        if line.startswith('colour '):
            _, symbol, blue, green, red = line.split()[:5]
            legend[symbol] = (int(blue), int(green), int(red))
        else:
            if len(line) != 32 or set(line) - set(legend) - {'.'}:
                raise ArtError('%s: a row is 32 characters of "." or legend symbols' % where)
            rows.append(line)
    if len(rows) != 32:
        raise ArtError('mouse_pointer.txt: %d rows, expected 32' % len(rows))
    return legend, rows


def mouse_pointer():
    legend, rows = read_pointer()
    pixels = bytearray()
    for row in reversed(rows):
        for symbol in row:
            pixels += bytes(legend[symbol] + (255,)) if symbol != '.' else bytes(4)
    return tga_file(32, 32, pixels)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument('--out', required=True, help='directory for the generated files')
    out = parser.parse_args().out
    try:
        outputs = {'font_atlas.tga': font_atlas(read_glyphs()),
                   'font_advances.bin': font_advances(),
                   'mouse_pointer.tga': mouse_pointer()}
    except (ArtError, ValueError, IndexError) as error:
        sys.exit('generate_data_resources: %s' % error)
    os.makedirs(out, exist_ok=True)
    for name, data in outputs.items():
        with open(os.path.join(out, name), 'wb') as generated:
            generated.write(data)


if __name__ == '__main__':
    main()
