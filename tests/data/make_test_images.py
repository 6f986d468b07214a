#!/usr/bin/env python3
"""Writes the pictures the tests read: the same tiny 3x2 RGBA image as PNG and as TIFF (row 0:
red, green, blue; row 1: white, black, red at half opacity), and a plain blue 1400x1400 PNG
whose screen image (7.84 MB) makes a few cells outgrow the smallest cache."""
import struct
import zlib

PIXELS = [
    [(255, 0, 0, 255), (0, 255, 0, 255), (0, 0, 255, 255)],
    [(255, 255, 255, 255), (0, 0, 0, 255), (255, 0, 0, 128)],
]
WIDTH, HEIGHT = 3, 2


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png():
    raw = b"".join(b"\x00" + bytes(c for p in row for c in p) for row in PIXELS)
    header = struct.pack(">IIBBBBB", WIDTH, HEIGHT, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw))
            + chunk(b"IEND", b""))


def big_png(side=1400, rgb=(40, 120, 200)):
    raw = (b"\x00" + bytes(rgb) * side) * side
    header = struct.pack(">IIBBBBB", side, side, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def tiff():
    pixels = bytes(c for row in PIXELS for p in row for c in p)
    bits_offset = 8
    data_offset = bits_offset + 8
    ifd_offset = data_offset + len(pixels)
    entries = [
        (256, 3, 1, WIDTH),             # image width
        (257, 3, 1, HEIGHT),            # image length
        (258, 3, 4, bits_offset),       # bits per sample: 8,8,8,8
        (259, 3, 1, 1),                 # no compression
        (262, 3, 1, 2),                 # RGB
        (273, 4, 1, data_offset),       # strip offset
        (277, 3, 1, 4),                 # samples per pixel
        (278, 3, 1, HEIGHT),            # rows per strip
        (279, 4, 1, len(pixels)),       # strip byte count
        (284, 3, 1, 1),                 # contiguous
        (338, 3, 1, 2),                 # extra sample: unassociated alpha
    ]
    out = b"II*\x00" + struct.pack("<I", ifd_offset)
    out += struct.pack("<4H", 8, 8, 8, 8)
    out += pixels
    out += struct.pack("<H", len(entries))
    for tag, kind, count, value in entries:
        packed = struct.pack("<H", value) + b"\x00\x00" if kind == 3 and count == 1 else \
            struct.pack("<I", value)
        out += struct.pack("<HHI", tag, kind, count) + packed
    out += struct.pack("<I", 0)
    return out


if __name__ == "__main__":
    with open("rgb3x2.png", "wb") as f:
        f.write(png())
    with open("rgb3x2.tiff", "wb") as f:
        f.write(tiff())
    with open("blue1400.png", "wb") as f:
        f.write(big_png())
