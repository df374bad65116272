"""The skin's 13 mouse pointers, 32 x 32 each: gold shapes with a dark
outline and a soft shadow, so they read on the dark window and on the light
message box alike. Each has the shape of the system pointer it stands for,
placed so that the pixel under the hot spot (skin_table.CURSORS) is its tip or
centre."""

import math

import numpy as np
from PIL import ImageFont

import raster
import skin_style as st
from raster import Canvas
from skin_table import CURSOR_SIZE, CURSORS

SCALE = 8
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

# The classic arrow, tip at (0, 0).
ARROW = [(0, 0), (0, 16.5), (3.9, 12.8), (6.6, 19.2), (9.2, 18.1), (6.6, 11.9), (11.8, 11.9)]


def finish(c, m, top=st.GOLD_LIGHT, bottom=st.GOLD_DEEP):
    """Shadow, a one-pixel ink outline and the gold body."""
    st.shadow(c, raster.grow(m, st.samples(c, 1)), 1.5, 1.5, 1.0, 0.4)
    st.glyph(c, m, top, bottom, 1.0, light="#ffffff")


def arrow(c, tip_x, tip_y, mirror=False):
    # The outline grows a pixel outwards: the shape's tip sits one pixel in
    # from the hot-spot pixel, so the outline's tip covers it.
    sx = -1 if mirror else 1
    ox = tip_x if mirror else tip_x + 1
    pts = [(ox + sx * x, tip_y + 1 + y) for x, y in ARROW]
    return c.mask(lambda p: p.polygon(pts))


def double_arrow(c, cx, cy, angle, half=11.0, head=6.0, width=5.0, shaft=1.3):
    local = [(-half, 0), (-half + head, -width), (-half + head, -shaft), (half - head, -shaft),
             (half - head, -width), (half, 0), (half - head, width), (half - head, shaft),
             (-half + head, shaft), (-half + head, width)]
    a = math.radians(angle)
    pts = [(cx + x * math.cos(a) - y * math.sin(a), cy + x * math.sin(a) + y * math.cos(a))
           for x, y in local]
    return c.mask(lambda p: p.polygon(pts))


def ibeam(c, cx, cy, half=8.5):
    def draw(p):
        p.rect(cx - 0.9, cy - half + 1, cx + 0.9, cy + half - 1)
        for s in (-1, 1):
            y = cy + s * (half - 0.8)
            p.line([(cx - 3.6, y + s * 0.3), (cx - 1.2, y - s * 0.2), (cx, y - s * 1.2),
                    (cx + 1.2, y - s * 0.2), (cx + 3.6, y + s * 0.3)], 1.5)
    return c.mask(draw)


def question(c, cx, cy, size):
    font = ImageFont.truetype(FONT_BOLD, int(size * c.scale))
    left, top, right, bottom = font.getbbox("?")
    x = cx * c.scale - (right - left) / 2 - left
    y = cy * c.scale - (bottom - top) / 2 - top
    return raster.text_mask(c.width * c.scale, c.height * c.scale, x, y, "?", font)


def hourglass(c, x0, y0):
    caps = c.mask(lambda p: [p.rounded(x0, y0, x0 + 11, y0 + 2.4, 1),
                             p.rounded(x0, y0 + 13.6, x0 + 11, y0 + 16, 1)])
    glass = c.mask(lambda p: p.polygon([(x0 + 1.5, y0 + 2), (x0 + 9.5, y0 + 2), (x0 + 6.2, y0 + 8),
                                        (x0 + 9.5, y0 + 14), (x0 + 1.5, y0 + 14),
                                        (x0 + 4.8, y0 + 8)]))
    st.shadow(c, raster.grow(np.maximum(caps, glass), st.samples(c, 1)), 1.5, 1.5, 1.0, 0.4)
    c.fill(raster.grow(np.maximum(caps, glass), st.samples(c, 1)), st.INK)
    c.fill(glass, c.linear((x0, 0), (x0 + 11, 0), "#f4f8ff", "#9ab0c8"))
    sand = c.mask(lambda p: [p.polygon([(x0 + 3.2, y0 + 4.6), (x0 + 7.8, y0 + 4.6),
                                        (x0 + 5.5, y0 + 7.6)]),
                             p.polygon([(x0 + 5.5, y0 + 10), (x0 + 9, y0 + 14),
                                        (x0 + 2, y0 + 14)]),
                             p.rect(x0 + 5.2, y0 + 7.5, x0 + 5.8, y0 + 11)])
    c.fill(sand * glass, "#e08a20")
    st.glyph(c, caps, st.GOLD_LIGHT, st.GOLD_DEEP, 0, light="#ffffff")


def gauntlet(c, tip_x, tip_y):
    """A pointing gold gauntlet, index finger up, fingertip on the hot spot."""
    fx = tip_x + 0.5
    top = tip_y + 1

    def hand(p):
        p.rounded(fx - 1.9, top, fx + 1.9, top + 14, 1.9)              # index finger
        for i, (x, y) in enumerate(((fx + 1.7, top + 7.5), (fx + 5.2, top + 8.5),
                                    (fx + 8.7, top + 9.8))):
            p.rounded(x, y, x + 3.7, y + 8, 1.8)                       # folded fingers
        p.line([(fx - 6.2, top + 10.6), (fx - 2.2, top + 16.8)], 3.6)   # thumb
        p.ellipse(fx - 7.9, top + 8.8, fx - 4.3, top + 12.4)
        p.rounded(fx - 2.6, top + 11, fx + 12.4, top + 22.5, 4)         # palm
    m = c.mask(hand)
    cuff = c.mask(lambda p: p.rounded(fx - 0.8, top + 21.2, fx + 11.6, top + 26.6, 1.2))
    whole = np.maximum(m, cuff)
    st.shadow(c, raster.grow(whole, st.samples(c, 1)), 1.5, 1.5, 1.0, 0.4)
    c.fill(raster.grow(whole, st.samples(c, 1)), st.INK)
    c.fill(m, c.linear((fx - 6, top), (fx + 12, top + 22), st.GOLD_LIGHT, st.GOLD_DEEP))
    creases = c.mask(lambda p: [p.line([(fx + 1.8, top + 12), (fx + 1.8, top + 15.5)], 0.7),
                                p.line([(fx + 5.3, top + 13), (fx + 5.3, top + 16.5)], 0.7),
                                p.line([(fx + 8.8, top + 14), (fx + 8.8, top + 17.5)], 0.7),
                                p.line([(fx - 1.9, top + 5.5), (fx + 1.9, top + 5.5)], 0.6)])
    c.fill(creases * m, st.BRONZE_DARK, 0.8)
    lit = np.clip(m - raster.shift(m, st.samples(c, 0.8), st.samples(c, 0.8)), 0, 1)
    c.fill(lit, "#ffffff", 0.55)
    c.fill(cuff, c.linear((0, top + 21), (0, top + 27), "#c8321e", st.EMBER_DARK))
    c.fill(cuff * (1 - raster.shift(cuff, 0, st.samples(c, 1))), st.GOLD, 0.9)
    st.gem(c, fx + 5.4, top + 23.9, 1.2, "#fff0c0", st.GOLD_DEEP)


def picture(index):
    hx, hy = CURSORS[index].hot_x, CURSORS[index].hot_y
    cx, cy = hx + 0.5, hy + 0.5                     # centre of the hot-spot pixel
    c = Canvas(CURSOR_SIZE, CURSOR_SIZE, SCALE)
    if index in (0, 1):
        finish(c, arrow(c, hx, hy, mirror=index == 1))
    elif index in (2, 3, 6, 12):
        angle = {2: 45, 3: -45, 6: 0, 12: 90}[index]
        half = 10.5 if index in (2, 3) else 11.0
        finish(c, double_arrow(c, cx, cy, angle, half))
    elif index in (4, 10):
        finish(c, ibeam(c, cx, cy))
    elif index in (5, 11):
        finish(c, arrow(c, hx, hy))
        if index == 5:
            finish(c, question(c, hx + 16, hy + 15, 15))
        else:
            hourglass(c, hx + 12, hy + 12)
    elif index == 7:
        gauntlet(c, hx, hy)
    elif index == 8:
        finish(c, np.maximum(double_arrow(c, cx, cy, 0, 11, 5.5, 4.5),
                             double_arrow(c, cx, cy, 90, 11, 5.5, 4.5)))
    elif index == 9:
        disc = c.mask(lambda p: p.ellipse(cx - 9.5, cy - 9.5, cx + 9.5, cy + 9.5))
        finish(c, disc)
        mark = question(c, cx, cy, 16)
        c.fill(raster.grow(mark, st.samples(c, 0.5)), "#ffffff", 0.35)
        c.fill(mark, c.linear((0, cy - 7), (0, cy + 7), "#5a1008", "#1a0402"))
    return c.image()


def pictures():
    return [picture(i) for i in range(len(CURSORS))]
