#!/usr/bin/env python3
"""Placeholder: writes data resources of the right sizes until the artwork lands."""
import argparse, os, struct

def tga(w, h):
    header = bytes([0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0]) + struct.pack('<HHBB', w, h, 32, 8)
    return header + bytes(w * h * 4) + bytes(8) + b'TRUEVISION-XFILE.\0'

p = argparse.ArgumentParser()
p.add_argument('--out', required=True)
a = p.parse_args()
os.makedirs(a.out, exist_ok=True)
open(os.path.join(a.out, 'font_atlas.tga'), 'wb').write(tga(256, 256))
open(os.path.join(a.out, 'font_advances.bin'), 'wb').write(bytes([8] * 256))
open(os.path.join(a.out, 'mouse_pointer.tga'), 'wb').write(tga(32, 32))
