"""Writes a Windows .ico with uncompressed 32-bit entries (BGRA plus AND
mask), which every Windows version and resource compiler reads."""

import struct

import numpy as np


def entry_bytes(image):
    w, h = image.size
    rgba = np.asarray(image.convert("RGBA"), np.uint8)
    bgra = rgba[::-1, :, [2, 1, 0, 3]]                     # bottom-up rows
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, 0, 0, 0, 0, 0)
    row_bytes = ((w + 31) // 32) * 4
    transparent = rgba[::-1, :, 3] == 0
    mask = bytearray()
    for row in transparent:
        bits = np.packbits(row.astype(np.uint8))
        mask += bits.tobytes() + bytes(row_bytes - len(bits))
    return header + bgra.tobytes() + bytes(mask)


def write(path, images):
    images = sorted(images, key=lambda im: im.size[0])
    blobs = [entry_bytes(im) for im in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for im, blob in zip(images, blobs):
        w, h = im.size
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(out + b"".join(blobs))
