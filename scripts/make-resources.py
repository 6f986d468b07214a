#!/usr/bin/env python3
"""Writes the plug-in's bundle resources: the drag cursors and the form-editor placeholder."""
import struct
import sys
import zlib
from pathlib import Path


def png_rgba(width, height, pixel):
    rows = b"".join(
        b"\x00" + b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


CLEAR = (0, 0, 0, 0)
INK = (40, 40, 40, 255)
PAPER = (250, 250, 250, 255)
ACCENT = (60, 120, 215, 255)


def card(x, y, left, top, size):
    """A small picture cell: a framed square with a coloured picture inside."""
    if not (left <= x < left + size and top <= y < top + size):
        return None
    if x in (left, left + size - 1) or y in (top, top + size - 1):
        return INK
    if left + 3 <= x < left + size - 3 and top + 3 <= y < top + size - 7:
        return ACCENT
    return PAPER


def cursor_single(x, y):
    return card(x, y, 4, 4, 20) or CLEAR


def cursor_multi(x, y):
    return card(x, y, 10, 10, 20) or card(x, y, 4, 4, 20) or CLEAR


def placeholder(x, y):
    # A 3 x 2 grid of cells on white, drawn where the area sits in the form editor.
    for column in range(3):
        for row in range(2):
            pixel = card(x, y, 4 + column * 20, 4 + row * 20, 18)
            if pixel:
                return pixel
    return PAPER


if __name__ == "__main__":
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "resources")
    out.mkdir(parents=True, exist_ok=True)
    (out / "Cell-single.png").write_bytes(png_rgba(32, 32, cursor_single))
    (out / "Cell-multi.png").write_bytes(png_rgba(32, 32, cursor_multi))
    (out / "Zorvi.png").write_bytes(png_rgba(68, 48, placeholder))
