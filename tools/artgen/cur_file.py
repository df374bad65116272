"""Writes a Windows .cur with one uncompressed 32-bit image (BGRA plus AND
mask): the 6-byte header (reserved 0, type 2, count 1), one 16-byte
directory entry whose two planes/bit-count words hold the hot spot, then the
bitmap. The skin's loader reads exactly this layout."""

import struct

from ico_file import entry_bytes

HEADER_SIZE = 6
ENTRY_SIZE = 16


def cursor_bytes(image, hot_x, hot_y):
    w, h = image.size
    if not (0 <= hot_x < w and 0 <= hot_y < h):
        raise ValueError(f"hot spot ({hot_x}, {hot_y}) outside a {w} x {h} cursor")
    blob = entry_bytes(image)
    offset = HEADER_SIZE + ENTRY_SIZE
    header = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, hot_x, hot_y, len(blob), offset)
    return header + entry + blob


def write(path, image, hot_x, hot_y):
    with open(path, "wb") as f:
        f.write(cursor_bytes(image, hot_x, hot_y))
