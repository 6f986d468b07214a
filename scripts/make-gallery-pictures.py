#!/usr/bin/env python3
"""Writes the gallery's sample pictures (small PNG tiles of colour gradients and shapes) and the
plain white card its cells are drawn on."""
import math
import struct
import sys
import zlib
from pathlib import Path


def png(width, height, pixel):
    rows = b"".join(
        b"\x00" + b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def tile(hue_a, hue_b, shape):
    def pixel(x, y):
        t = (x + y) / 190.0
        base = [int(a + (b - a) * t) for a, b in zip(hue_a, hue_b)]
        dx, dy = x - 48, y - 36
        inside = {
            "disc": dx * dx + dy * dy < 22 * 22,
            "square": abs(dx) < 18 and abs(dy) < 18,
            "ring": 14 * 14 < dx * dx + dy * dy < 24 * 24,
            "wave": abs(dy - 12 * math.sin(x / 8.0)) < 5,
        }[shape]
        return [255 - c // 3 for c in base] if inside else base
    return pixel


TILES = [
    ("Sunrise", (250, 140, 40), (250, 220, 120), "disc"),
    ("Lagoon", (20, 90, 160), (90, 200, 210), "wave"),
    ("Moss", (40, 100, 50), (150, 200, 90), "square"),
    ("Dusk", (70, 40, 120), (220, 100, 140), "ring"),
    ("Slate", (60, 70, 80), (160, 170, 180), "square"),
    ("Ember", (150, 30, 20), (240, 120, 40), "ring"),
    ("Glacier", (170, 210, 240), (240, 250, 255), "wave"),
    ("Meadow", (110, 160, 40), (240, 230, 110), "disc"),
]

if __name__ == "__main__":
    out = Path(sys.argv[1] if len(sys.argv) > 1 else "examples/gallery/Pictures")
    out.mkdir(parents=True, exist_ok=True)
    for name, a, b, shape in TILES:
        (out / f"{name}.png").write_bytes(png(96, 72, tile(a, b, shape)))
    card = out.parent / "Resources" / "Card.png"
    card.parent.mkdir(parents=True, exist_ok=True)
    card.write_bytes(png(4, 4, lambda x, y: (255, 255, 255)))
