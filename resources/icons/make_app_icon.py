#!/usr/bin/env python3
"""Writes the application icon, Tallyvane.ico: an invoice sheet on a blue tile, drawn at 16, 32 and 48 pixels.

Run it from any folder: python3 resources/icons/make_app_icon.py. The output is committed; the script is how it was
made and how to change it. Only the standard library is used, and the output is the same on every run.
"""

import os
import struct

SIZES = (16, 32, 48)
TILE = (0x2B, 0x57, 0x9A)   # blue
TILE_EDGE = (0x1E, 0x3F, 0x73)
SHEET = (0xFF, 0xFF, 0xFF)
LINE = (0x7A, 0x9C, 0xCF)
STAMP = (0xD8, 0x33, 0x2B)  # red seal


def inside_rounded(x, y, size, radius):
    """Whether the centre of pixel (x, y) lies on the tile: a square with rounded corners."""
    cx, cy = x + 0.5, y + 0.5
    nearest_x = min(max(cx, radius), size - radius)
    nearest_y = min(max(cy, radius), size - radius)
    return (cx - nearest_x) ** 2 + (cy - nearest_y) ** 2 <= radius ** 2


def pixel(x, y, size):
    """The (r, g, b, a) colour of a pixel of the icon of that size."""
    radius = size * 0.18
    if not inside_rounded(x, y, size, radius):
        return (0, 0, 0, 0)
    if not inside_rounded(x - 1, y - 1, size - 2, radius - 1):
        return TILE_EDGE + (255,)
    left, right = round(size * 0.25), round(size * 0.75)
    top, bottom = round(size * 0.16), round(size * 0.84)
    if not (left <= x < right and top <= y < bottom):
        return TILE + (255,)
    stamp = max(2, round(size * 0.14))
    if right - 2 - stamp <= x < right - 2 and bottom - 2 - stamp <= y < bottom - 2:
        return STAMP + (255,)
    step = max(2, round(size * 0.12))
    line_top = top + step
    if left + 2 <= x < right - 2 and y >= line_top and (y - line_top) % step == 0 and y < bottom - 2 - stamp:
        return LINE + (255,)
    return SHEET + (255,)


def icon_image(size):
    """One image of the icon: a BITMAPINFOHEADER, the 32-bit pixels bottom-up, then the 1-bit mask."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = []
    mask_rows = []
    mask_stride = ((size + 31) // 32) * 4
    for y in reversed(range(size)):
        row = bytearray()
        mask = bytearray(mask_stride)
        for x in range(size):
            r, g, b, a = pixel(x, y, size)
            row += bytes((b, g, r, a))
            if a == 0:
                mask[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
        mask_rows.append(bytes(mask))
    return header + b"".join(rows) + b"".join(mask_rows)


def icon_file():
    images = [icon_image(size) for size in SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, image in zip(SIZES, images):
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


def main():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "Tallyvane.ico")
    with open(path, "wb") as output:
        output.write(icon_file())


if __name__ == "__main__":
    main()
