#!/usr/bin/python3
"""Compares the embedded host's last frame of a dialog (PPM) with the renderer's picture (PNG):
exits 1, naming the box where they differ, unless they are the same pixels.

Usage: compare-frame.py FRAME.ppm PICTURE.png
"""
import sys

from PIL import Image, ImageChops

frame, picture = (Image.open(path).convert("RGB") for path in sys.argv[1:3])
if frame.size != picture.size:
    sys.exit(f"the frame's dialog is {frame.size}, the renderer's picture {picture.size}")
box = ImageChops.difference(frame, picture).getbbox()
if box is not None:
    sys.exit(f"the frame differs from the renderer's picture within {box}")
print("the frame is the renderer's picture")
