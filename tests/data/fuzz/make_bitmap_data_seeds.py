#!/usr/bin/python3
"""Writes the seeds of ui_bitmap_data_fuzz into ui_bitmap_data_fuzz/ (run from this folder with Debian's python3-pil).

The plain data of a bitmap is what a form resource stores: a 32-bit length, then the BMP file (written by Pillow).
version2-24bit.bin   a 6 x 4 24-bit bitmap compressed in 3-byte blocks (version 2), with repeat and literal runs
version1.bin         the same data in the older form: single-byte literal runs right after the header
plain.bin            the plain data without compression
"""
import io
import os
import struct

from PIL import Image


def plain_bitmap_data():
    image = Image.new("RGB", (6, 4), (255, 0, 255))
    image.paste((0, 128, 255), (1, 1, 5, 3))
    stream = io.BytesIO()
    image.save(stream, "BMP")
    data = stream.getvalue()
    return struct.pack("<I", len(data)) + data


def runs(blocks):
    """Repeat runs for equal neighbours, literal runs otherwise, at most 125 blocks each."""
    out = bytearray()
    i = 0
    while i < len(blocks):
        n = 1
        if i + 1 < len(blocks) and blocks[i] == blocks[i + 1]:
            while i + n < len(blocks) and n < 125 and blocks[i + n] == blocks[i]:
                n += 1
            out += bytes([n]) + blocks[i]
        else:
            while i + n < len(blocks) and n < 125 and blocks[i + n] != blocks[i + n - 1]:
                n += 1
            if i + n < len(blocks) and n > 1 and blocks[i + n] == blocks[i + n - 1]:
                n -= 1
            out += bytes([0x80 | n]) + b"".join(blocks[i:i + n])
        i += n
    return bytes(out)


def compressed(plain, version, block_size):
    if version == 1:
        body = runs([plain[i:i + 1] for i in range(len(plain))])
    else:
        remainder = len(plain) % block_size
        rest = plain[remainder:]
        blocks = [rest[i:i + block_size] for i in range(0, len(rest), block_size)]
        body = bytes([block_size, remainder]) + plain[:remainder] + runs(blocks)
    return struct.pack("<I", len(body)) + b"XDBM" + struct.pack("<H", version) + body


def main():
    os.makedirs("ui_bitmap_data_fuzz", exist_ok=True)
    plain = plain_bitmap_data()
    seeds = {
        "version2-24bit.bin": compressed(plain, 2, 3),
        "version1.bin": compressed(plain, 1, 1),
        "plain.bin": plain,
    }
    for name, data in seeds.items():
        with open(os.path.join("ui_bitmap_data_fuzz", name), "wb") as file:
            file.write(data)


if __name__ == "__main__":
    main()
