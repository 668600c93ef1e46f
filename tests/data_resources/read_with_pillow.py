#!/usr/bin/python3
"""Opens the generated atlas and pointer with Pillow's TGA reader and compares every pixel with the
text artwork, read here by a parser of its own: the build's generator and this test share nothing
but the art files.

Usage: read_with_pillow.py GENERATED_DIR ART_DIR
"""
import os
import sys
import unittest

from PIL import Image

GENERATED_DIR, ART_DIR = sys.argv[1], sys.argv[2]


def art_lines(name):
    with open(os.path.join(ART_DIR, name), encoding='utf-8') as art:
        return [line.rstrip('\n') for line in art if line.strip() and not line.startswith('#')]


def expected_atlas_ink():
    """The set of (x, y) atlas pixels, top row first, that the artwork inks."""
    ink = set()
    code = -1
    for line in art_lines('font_glyphs.txt'):
        if line.startswith('=='):
            code = int(line.split()[1])
            continue
        y, drawing = int(line[:2]), line[3:]
        cell_x, cell_y = 16 * (code % 16), 16 * (code // 16) + y
        if drawing[0] == '#':
            ink.add((16 * ((code - 1) % 16) + 15, 16 * ((code - 1) // 16) + y))
        for x, symbol in enumerate(drawing[2:]):
            if symbol == '#':
                ink.add((cell_x + x, cell_y))
    return ink


def expected_pointer():
    """The pointer's rows, top first, as lists of (red, green, blue, alpha)."""
    legend, rows = {'.': (0, 0, 0, 0)}, []
    for line in art_lines('mouse_pointer.txt'):
        if line.startswith('colour '):
            symbol, blue, green, red = line.split()[1:5]
            legend[symbol] = (int(red), int(green), int(blue), 255)
        else:
            rows.append([legend[symbol] for symbol in line])
    return rows


def open_tga(name):
    image = Image.open(os.path.join(GENERATED_DIR, name))
    image.load()
    return image


class PillowReadsOurImages(unittest.TestCase):
    def test_atlas_pixels_match_the_artwork(self):
        atlas = open_tga('font_atlas.tga')
        self.assertEqual((atlas.format, atlas.mode, atlas.size), ('TGA', 'RGBA', (256, 256)))
        ink = expected_atlas_ink()
        pixels = atlas.load()
        for y in range(256):
            for x in range(256):
                expected = (255, 255, 255, 255 if (x, y) in ink else 1)
                self.assertEqual(pixels[x, y], expected, 'atlas pixel %d,%d' % (x, y))

    def test_pointer_pixels_match_the_artwork(self):
        pointer = open_tga('mouse_pointer.tga')
        self.assertEqual((pointer.format, pointer.mode, pointer.size), ('TGA', 'RGBA', (32, 32)))
        pixels = pointer.load()
        for y, row in enumerate(expected_pointer()):
            for x, expected in enumerate(row):
                self.assertEqual(pixels[x, y], expected, 'pointer pixel %d,%d' % (x, y))

    def test_tip_is_the_top_left_pixel(self):
        self.assertEqual(open_tga('mouse_pointer.tga').getpixel((0, 0))[3], 255)


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1])
