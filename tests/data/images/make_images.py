#!/usr/bin/python3
"""Writes the image fixtures of the component framework's tests (run from this folder with Debian's python3-pil).

halves.jpg   32 x 16, the left half red, the right half blue, written by Pillow at quality 90.
strip.bmp    48 x 16, 24-bit: three 16 x 16 cells, red, green and blue, each with a one-pixel fuchsia border, written by
             Pillow (an image-list strip and a bitmap resource).
app.ico      the program icon: 16 x 16 and 32 x 32 images, 32-bit with their AND masks (a green square on a clear
             ground), built byte by byte as the .ico format lays them out.
drag.cur     a 32 x 32 cursor with its hot spot at (3, 5), laid out the same way as a .cur file.
alpha.png    4 x 3 RGBA, written by Pillow: opaque, half and quarter transparent and clear pixels (ALPHA_PIXELS), which
             the UI core's PNG tests compare with what GDI+ decodes.
"""
import struct

from PIL import Image


def write_halves_jpeg():
    image = Image.new("RGB", (32, 16), (0, 0, 255))
    image.paste((255, 0, 0), (0, 0, 16, 16))
    image.save("halves.jpg", quality=90)


def write_strip_bitmap():
    image = Image.new("RGB", (48, 16), (255, 0, 255))
    for cell, colour in enumerate([(255, 0, 0), (0, 255, 0), (0, 0, 255)]):
        image.paste(colour, (cell * 16 + 1, 1, cell * 16 + 15, 15))
    image.save("strip.bmp")


ALPHA_PIXELS = [
    [(255, 0, 0, 255), (0, 255, 0, 128), (0, 0, 255, 64), (255, 255, 255, 0)],
    [(255, 255, 255, 255), (0, 0, 0, 255), (255, 128, 0, 200), (10, 20, 30, 255)],
    [(0, 0, 0, 0), (200, 100, 50, 255), (128, 128, 128, 128), (255, 0, 255, 255)],
]


def write_alpha_png():
    image = Image.new("RGBA", (4, 3))
    image.putdata([pixel for row in ALPHA_PIXELS for pixel in row])
    image.save("alpha.png")


def icon_image(size):
    """A 32-bit DIB of twice the height (colour rows, then the AND mask), bottom-up: a green square inset by 2."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in range(size):
        mask_row = bytearray(mask_stride)
        for x in range(size):
            inside = 2 <= x < size - 2 and 2 <= y < size - 2
            colour += bytes((0, 160, 0, 255)) if inside else bytes((0, 0, 0, 0))
            if not inside:
                mask_row[x // 8] |= 0x80 >> (x % 8)
        mask += mask_row
    return header + colour + mask


def write_icon_file(name, kind, sizes, hotspot=(0, 0)):
    images = [icon_image(size) for size in sizes]
    directory = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, data in zip(sizes, images):
        planes, bits = (hotspot if kind == 2 else (1, 32))
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, planes, bits, len(data), offset)
        offset += len(data)
    with open(name, "wb") as out:
        out.write(directory + entries + b"".join(images))


if __name__ == "__main__":
    write_halves_jpeg()
    write_strip_bitmap()
    write_icon_file("app.ico", 1, [16, 32])
    write_icon_file("drag.cur", 2, [32], hotspot=(3, 5))
    write_alpha_png()
