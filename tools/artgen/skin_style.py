"""The skin's shared look, taken from the main window's face: bronze frames,
gold lines, parchment plates for dark text, dark slate wells and ember red
for closing. Helpers paint the recurring pieces: an outlined gold glyph, a
bevelled plate, a soft shadow."""

import numpy as np
from PIL import Image

import raster

BRONZE_LIGHT = "#d2ab62"
BRONZE = "#a07a3e"
BRONZE_DARK = "#4e3a1f"
GOLD = "#e0b35e"
GOLD_LIGHT = "#fff0c0"
GOLD_DEEP = "#b07a18"
GLOW = "#ff9c3a"
INK = "#1a1208"              # outlines: dark brown, never pure black
SLATE = "#1b1e26"
SLATE_DARK = "#0b0c10"
PARCHMENT_LIGHT = "#f6efdc"
PARCHMENT = "#e6dbbd"
PARCHMENT_DARK = "#c9b98f"
EMBER = "#b8281a"
EMBER_DARK = "#4a0804"


def samples(canvas, pixels):
    """Whole supersamples for a length in output pixels (at least 1)."""
    return max(1, int(round(pixels * canvas.scale)))


def shadow(c, mask, dx=1.0, dy=1.0, soft=1.0, opacity=0.45):
    moved = raster.shift(mask, samples(c, dx), samples(c, dy))
    c.fill(raster.blur(moved, soft * c.scale), "#000000", opacity)


def glyph(c, mask, top, bottom, outline=1.0, paint=None, ink=INK, light=None):
    """A metal glyph: ink outline `outline` pixels wide, a vertical gradient
    from `top` to `bottom` over the glyph's rows, a thin lit upper edge."""
    rows = np.nonzero(mask.max(axis=1) > 0)[0]
    y0 = rows[0] / c.scale if len(rows) else 0
    y1 = (rows[-1] + 1) / c.scale if len(rows) else c.height
    if outline > 0:
        c.fill(raster.grow(mask, samples(c, outline)), ink)
    c.fill(mask, paint if paint is not None else c.linear((0, y0), (0, y1), top, bottom))
    if light:
        lit = np.clip(mask - raster.shift(mask, 0, samples(c, 0.8)), 0, 1)
        c.fill(lit, light, 0.7)


def gold_glyph(c, mask, outline=1.0):
    glyph(c, mask, GOLD_LIGHT, GOLD_DEEP, outline, light="#ffffff")


def rounded(c, x0, y0, x1, y1, r):
    if r <= 0:
        return c.mask(lambda p: p.rect(x0, y0, x1, y1))
    return c.mask(lambda p: p.rounded(x0, y0, x1, y1, r))


def plate(c, x0, y0, x1, y1, r, face, rim=(BRONZE_LIGHT, BRONZE_DARK), ink=INK,
          highlight=0.55, inset_shadow=0.0):
    """A bevelled plate filling x0..x1, y0..y1: a 1-pixel ink outline, a
    1-pixel rim lit from above, the face (two colours, top to bottom) with a
    lit first row, or with inset_shadow a shaded one (a sunken well)."""
    outer = rounded(c, x0, y0, x1, y1, r)
    ring = rounded(c, x0 + 1, y0 + 1, x1 - 1, y1 - 1, max(r - 1, 0))
    inner = rounded(c, x0 + 2, y0 + 2, x1 - 2, y1 - 2, max(r - 2, 0))
    c.fill(outer, ink)
    c.fill(ring, c.linear((0, y0 + 1), (0, y1 - 1), rim[0], rim[1]))
    c.fill(inner, c.linear((0, y0 + 2), (0, y1 - 2), face[0], face[1]))
    if highlight:
        top = inner * (1 - raster.shift(inner, 0, samples(c, 1)))
        c.fill(top, "#ffffff", highlight)
    if inset_shadow:
        top = inner * (1 - raster.shift(inner, 0, samples(c, 2)))
        c.fill(raster.blur(top, c.scale * 0.7) * inner, "#000000", inset_shadow)
    return outer


def soft_glow(c, cx, cy, rx, ry, colour, strength, power=1.6):
    """An elliptical glow that fades to nothing at (rx, ry)."""
    x, y = c.grid()
    d = np.sqrt(((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2)
    fall = np.clip(1 - d, 0, 1) ** power
    c.fill(fall.astype(np.float32), colour, strength)


def lozenge(c, cx, cy, rx, ry):
    return c.mask(lambda p: p.polygon([(cx - rx, cy), (cx, cy - ry), (cx + rx, cy), (cx, cy + ry)]))


def gem(c, cx, cy, r, light="#ff8a70", dark="#6a0a0a"):
    """A small cut stone in a gold setting."""
    setting = lozenge(c, cx, cy, r + 1.2, r + 1.2)
    c.fill(raster.grow(setting, samples(c, 0.8)), INK)
    c.fill(setting, c.linear((cx - r, cy - r), (cx + r, cy + r), GOLD_LIGHT, GOLD_DEEP))
    stone = lozenge(c, cx, cy, r, r)
    c.fill(stone, c.radial((cx - r * 0.3, cy - r * 0.4), r * 1.4, light, dark))
    c.fill(lozenge(c, cx - r * 0.3, cy - r * 0.35, r * 0.3, r * 0.3), "#ffffff", 0.8)


def uniform_columns(image, x0, x1, source, tolerance=3):
    """Makes columns x0..x1-1 copies of column `source` (PIL RGBA image), so a
    piece stretched from any of them is one flat colour per row. Fails when
    they differ by more than rounding: a detail drawn there would be lost."""
    a = np.asarray(image).copy()
    spread = np.abs(a[:, x0:x1].astype(int) - a[:, source:source + 1].astype(int)).max()
    if spread > tolerance:
        raise ValueError(f"columns {x0}..{x1 - 1} are not alike (differ by {spread})")
    a[:, x0:x1] = a[:, source:source + 1]
    return Image.fromarray(a, "RGBA")
