"""The skin's 23 built-in images (skinImages 0..22), in load order. Roles and
sizes: skin_table.SKIN_IMAGES. Pieces meant to be stretched keep their middle
columns identical, so a stretched middle is one flat colour per row."""

import math

import numpy as np
from PIL import ImageFont

import app_icon
import background
import raster
import skin_style as st
from control_images import FINE, strip
from raster import Canvas
from skin_table import (BOX_BADGE_CELLS, CAPTION_FACE_CELLS, SCROLL_THUMB_CELLS,
                        SMALL_ARROW_CELLS, SPIN_BUTTON_CELLS)

SEED = 20240917
EMBER_GLOW = "#7a2a04"


def three_slice(image, cap_left, cap_right=None):
    """Evens out the stretched middle of a horizontal 3-slice piece."""
    cap_right = cap_left if cap_right is None else cap_right
    w = image.size[0]
    return st.uniform_columns(image, cap_left, w - cap_right, w // 2)


# --- 0 and 22: the emblem banner and the crest (loaded, not drawn) -----------

def crest(c, cx, top, size):
    """A shield with a horned helm: the program's icon cut as a crest."""
    u = size / 38.0

    def s(points):
        return [(cx + (x - 18.5) * u, top + y * u) for x, y in points]
    shield = c.mask(lambda p: p.polygon(s([(2, 3), (18.5, 0), (35, 3), (35, 19), (18.5, 37),
                                           (2, 19)])))
    st.shadow(c, shield, 1.2 * u, 1.5 * u, 1.5 * u, 0.55)
    c.fill(raster.grow(shield, st.samples(c, 0.9)), st.INK)
    c.fill(shield, c.linear((cx - 16 * u, top), (cx + 16 * u, top + 37 * u), st.GOLD_LIGHT,
                            st.GOLD_DEEP))
    field = c.mask(lambda p: p.polygon(s([(5, 5.5), (18.5, 3), (32, 5.5), (32, 18.5), (18.5, 33.5),
                                          (5, 18.5)])))
    c.fill(field, c.linear((0, top + 3 * u), (0, top + 34 * u), "#9a2418", "#3a0604"))
    c.fill(field * c.mask(lambda p: p.polygon(s([(5, 5.5), (18.5, 3), (32, 5.5), (32, 11),
                                                  (5, 14)]))), "#ffffff", 0.12)
    helm = c.mask(lambda p: [p.ellipse(cx - 7 * u, top + 8 * u, cx + 7 * u, top + 22 * u),
                             p.polygon(s([(11.5, 15), (25.5, 15), (24, 27), (13, 27)]))])
    horns = c.mask(lambda p: [p.polygon(s([(12, 15), (7, 12), (5, 6), (8.5, 9.5), (13, 11)])),
                              p.polygon(s([(25, 15), (30, 12), (32, 6), (28.5, 9.5), (24, 11)]))])
    st.glyph(c, np.maximum(helm, horns), "#fff6e0", "#9a8a70", 0.6 * u)
    visor = c.mask(lambda p: [p.polygon(s([(13.5, 16.5), (23.5, 16.5), (22.5, 19), (14.5, 19)])),
                              p.rect(cx - 0.9 * u, top + 19 * u, cx + 0.9 * u, top + 26 * u)])
    c.fill(visor, st.INK)
    eyes = c.mask(lambda p: [p.ellipse(cx - 4.3 * u, top + 16.8 * u, cx - 1.3 * u, top + 18.6 * u),
                             p.ellipse(cx + 1.3 * u, top + 16.8 * u, cx + 4.3 * u, top + 18.6 * u)])
    c.add(raster.blur(eyes, 1.5 * u * c.scale), "#ff5020", 0.9, cover=0.3)
    c.fill(eyes, "#ffd040")


def emblem_banner():
    w, h = 339, 127
    rng = np.random.default_rng(SEED)
    c = Canvas(w, h, 4)
    tex = background.stone(rng, w, h) * 1.1
    stone = np.repeat(np.repeat(tex, 4, axis=0), 4, axis=1)
    outer = st.rounded(c, 0, 0, w, h, 10)
    c.fill(outer, st.INK)
    c.fill(st.rounded(c, 1, 1, w - 1, h - 1, 9), c.linear((0, 0), (w, h), st.BRONZE_LIGHT,
                                                         st.BRONZE_DARK))
    c.fill(st.rounded(c, 3, 3, w - 3, h - 3, 7), "#000000")
    face = st.rounded(c, 4, 4, w - 4, h - 4, 6)
    c.fill(face, stone)
    st.soft_glow(c, 70, 62, 70, 60, "#2a3a5a", 0.5)
    inner = np.clip(st.rounded(c, 9, 9, w - 9, h - 9, 4) - st.rounded(c, 10, 10, w - 10, h - 10, 3),
                    0, 1)
    c.fill(inner, st.GOLD, 0.75)
    for x, y in ((9.5, 9.5), (w - 9.5, 9.5), (9.5, h - 9.5), (w - 9.5, h - 9.5)):
        st.gem(c, x, y, 2.4)
    crest(c, 70, 22, 80)
    serif = ImageFont.truetype(raster.FONT_DIR + "NotoSerifCJK-Bold.ttc", 44 * 4, index=2)
    text_layer(c, "VORN", serif, 215, 50, glow=True)
    sans = raster.cjk_font(17 * 4, bold=True)
    text_layer(c, "人形怪配置器", sans, 215, 90, glow=False)
    rule = c.mask(lambda p: p.rect(140, 72, 290, 73))
    x, _ = c.grid()
    c.fill(rule * np.clip(1 - np.abs(x - 215) / 75, 0, 1) ** 0.7, st.GOLD)
    st.gem(c, 215, 72.5, 2.6)
    return c.image()


def text_layer(c, text, font, cx, cy, glow):
    """Gold lettering centred on (cx, cy), with a dark edge and a drop shadow."""
    left, top, right, bottom = font.getbbox(text)
    s = c.scale
    x = cx * s - (right - left) / 2 - left
    y = cy * s - (bottom - top) / 2 - top
    m = raster.text_mask(c.width * s, c.height * s, x, y, text, font)
    if glow:
        c.add(raster.blur(m, 6 * s), st.GLOW, 0.35)
    st.shadow(c, m, 1.5, 2, 1.5, 0.7)
    st.glyph(c, m, st.GOLD_LIGHT, st.GOLD_DEEP, 0.8, light="#ffffff")


def spare_crest():
    c = Canvas(37, 38, FINE)
    crest(c, 18.5, 0.5, 35)
    return c.image()


# --- 1: size grip ----------------------------------------------------------------

def size_grip():
    c = Canvas(17, 16, FINE)
    studs = [(14, 13), (10, 13), (6, 13), (14, 9), (10, 9), (14, 5)]
    for x, y in studs:
        m = c.mask(lambda p, x=x, y=y: p.ellipse(x - 1.6, y - 1.6, x + 1.6, y + 1.6))
        st.shadow(c, m, 0.7, 0.7, 0.5, 0.6)
        st.glyph(c, m, st.GOLD_LIGHT, st.BRONZE_DARK, 0.6)
        c.fill(c.mask(lambda p, x=x, y=y: p.ellipse(x - 1, y - 1.1, x, y - 0.1)), "#ffffff", 0.8)
    return c.image()


# --- 2: button glow ------------------------------------------------------------------

def button_glow():
    c = Canvas(29, 32, FINE)
    st.soft_glow(c, 14.5, 16, 14.5, 16, "#ff9c3a", 0.55, 1.2)
    st.soft_glow(c, 14.5, 16, 10, 11, "#ffd070", 0.6, 1.8)
    st.soft_glow(c, 14.5, 16, 5, 5.5, "#fff6d0", 0.5, 2.0)
    return c.image()


# --- 3: title cartouche --------------------------------------------------------------

def title_cartouche():
    w, h = 91, 26
    c = Canvas(w, h, FINE)
    body = [(0.5, 13), (10, 2.5), (w - 10, 2.5), (w - 0.5, 13), (w - 10, 23.5), (10, 23.5)]
    m = c.mask(lambda p: p.polygon(body))
    st.shadow(c, m, 0.8, 1.2, 1.2, 0.5)
    c.fill(m, c.linear((0, 2.5), (0, 23.5), "#1e2230", "#07080b"), 0.88)
    edge = np.clip(m - raster.shrink(m, st.samples(c, 1)), 0, 1)
    c.fill(edge, c.linear((0, 2.5), (0, 23.5), st.GOLD_LIGHT, st.BRONZE))
    inner = [(4.5, 13), (12, 5), (w - 12, 5), (w - 4.5, 13), (w - 12, 21), (12, 21)]
    mi = c.mask(lambda p: p.polygon(inner))
    c.fill(np.clip(mi - raster.shrink(mi, st.samples(c, 0.6)), 0, 1), st.GOLD, 0.45)
    for x in (6.5, w - 6.5):
        st.gem(c, x, 13, 1.6)
    return three_slice(c.image(), 14)


# --- 4: slider thumb ----------------------------------------------------------------

def slider_thumb():
    c = Canvas(19, 19, FINE)
    disc = c.mask(lambda p: p.ellipse(1.5, 1.5, 17.5, 17.5))
    st.shadow(c, disc, 0.6, 1.0, 0.9, 0.55)
    st.glyph(c, disc, st.GOLD_LIGHT, st.BRONZE_DARK, 0.8)
    well = c.mask(lambda p: p.ellipse(4.5, 4.5, 14.5, 14.5))
    c.fill(well, c.linear((0, 4.5), (0, 14.5), st.BRONZE_DARK, st.GOLD_LIGHT))
    cap = c.mask(lambda p: p.ellipse(5.5, 5.5, 13.5, 13.5))
    c.fill(cap, c.radial((8.3, 7.8), 7, "#fff6e0", st.BRONZE))
    st.gem(c, 9.5, 9.5, 1.7)
    return c.image()


# --- 5: edit field --------------------------------------------------------------------

def edit_field():
    w, h = 103, 28
    c = Canvas(w, h, FINE)
    st.plate(c, 0, 1, w, h - 1, 3, ("#e9dfc4", "#fbf7ec"), ("#6e5329", st.BRONZE_LIGHT),
             st.INK, 0, 0.4)
    return three_slice(c.image(), 6)


# --- 6: window icon -----------------------------------------------------------------

def window_icon():
    return app_icon.picture(16)


# --- 7: message-box title badges ----------------------------------------------------

def box_badge(c, n):
    cx, cy = 7, 7
    looks = {1: ("#ff7a60", "#8a0c08"), 2: ("#8ac8ff", "#124a9a"), 3: ("#ffe070", "#b06a08"),
             4: ("#8ac8ff", "#124a9a"), 5: (st.GOLD_LIGHT, st.GOLD_DEEP)}
    light, dark = looks[n]
    if n == 3:
        body = c.mask(lambda p: p.polygon([(7, 0.8), (13.4, 12.6), (0.6, 12.6)]))
    elif n == 5:
        body = st.lozenge(c, cx, cy, 6.3, 6.3)
    else:
        body = c.mask(lambda p: p.ellipse(0.7, 0.7, 13.3, 13.3))
    st.shadow(c, body, 0.4, 0.6, 0.6, 0.45)
    c.fill(raster.grow(body, st.samples(c, 0.7)), st.INK)
    c.fill(body, c.radial((cx - 2, cy - 2.5), 11, light, dark))
    ring = np.clip(body - raster.shrink(body, st.samples(c, 0.7)), 0, 1)
    c.fill(ring, st.GOLD, 0.8)
    ink = "#ffffff" if n != 3 else "#2a1404"
    if n == 1:
        mark = c.mask(lambda p: [p.line([(4.6, 4.6), (9.4, 9.4)], 1.7),
                                 p.line([(4.6, 9.4), (9.4, 4.6)], 1.7)])
    elif n == 2:
        mark = c.mask(lambda p: [p.line([(5.1, 5.4), (5.6, 3.9), (7, 3.3), (8.6, 3.9), (9, 5.2),
                                         (7, 7.2), (7, 8.4)], 1.6), p.ellipse(6.1, 9.4, 7.9, 11.2)])
    elif n == 3:
        mark = c.mask(lambda p: [p.polygon([(6.1, 4.5), (7.9, 4.5), (7.5, 8.8), (6.5, 8.8)]),
                                 p.ellipse(6.1, 9.6, 7.9, 11.4)])
    elif n == 4:
        mark = c.mask(lambda p: [p.ellipse(6.1, 2.8, 7.9, 4.6), p.rect(6.2, 5.8, 7.8, 11)])
    else:
        mark = c.mask(lambda p: p.ellipse(5.3, 5.3, 8.7, 8.7))
    c.fill(mark, ink)


# --- 8: link hover plate ---------------------------------------------------------------

def link_plate():
    w, h = 71, 28
    c = Canvas(w, h, FINE)
    x, y = c.grid()
    across = np.clip(np.minimum(x, w - x) / 12.0, 0, 1) ** 1.3
    down = np.exp(-((y - 21.5) / 6.5) ** 2)
    c.fill((across * down).astype(np.float32), st.GLOW, 0.35)
    line = c.mask(lambda p: p.rect(0, 24, w, 25))
    c.fill(line * across, st.GOLD, 0.95)
    c.fill(c.mask(lambda p: p.rect(0, 25, w, 26)) * across, "#000000", 0.4)
    return three_slice(c.image(), 12)


# --- 9: progress bar ---------------------------------------------------------------------

def progress_bar():
    w, h = 47, 16
    c = Canvas(w, h, FINE)
    st.plate(c, 0, 0, w, 8, 3, ("#07080b", "#1e2230"), ("#2c2114", st.BRONZE_LIGHT), "#000000",
             0, 0.5)
    fill = st.rounded(c, 0, 8, w, 16, 3)
    c.fill(fill, st.INK)
    body = st.rounded(c, 1, 9, w - 1, 15, 2)
    c.fill(body, c.linear((0, 9), (0, 15), "#ffe9a0", "#b06010"))
    c.fill(body * c.mask(lambda p: p.rect(0, 9, w, 10.5)), "#ffffff", 0.6)
    c.fill(body * c.mask(lambda p: p.rect(0, 13.5, w, 15)), EMBER_GLOW, 0.5)
    return three_slice(c.image(), 4)



# --- 10: small arrows -------------------------------------------------------------------

def small_arrow(c, n):
    shapes = {1: [(4.5, 1.5), (8.3, 6.5), (0.7, 6.5)],
              2: [(0.7, 2.5), (8.3, 2.5), (4.5, 7.5)],
              3: [(2.5, 0.7), (7.5, 4.5), (2.5, 8.3)]}
    m = c.mask(lambda p: p.polygon(shapes[n]))
    st.gold_glyph(c, m, 0.7)


# --- 11: caption band ----------------------------------------------------------------------

def caption_band():
    w, h = 562, 23
    c = Canvas(w, h, 4)
    x, y = c.grid()
    tail = np.clip((w - x) / 90.0, 0, 1)
    shade = c.mask(lambda p: p.rect(0, 0, w, 21))
    c.fill(shade, c.linear((0, 0), (0, 21), "#000000", "#141822"), 0.45)
    c.fill(c.mask(lambda p: p.rect(0, 0, w, 1)), "#8fb4e8", 0.12)
    lead = np.clip((x - 2) / 26.0, 0, 1)
    c.fill(c.mask(lambda p: p.rect(0, 20, w, 21)) * lead * (0.2 + 0.8 * tail), st.GOLD)
    c.fill(c.mask(lambda p: p.rect(0, 21, w, 22)) * lead, "#000000", 0.6)
    c.add(raster.blur(c.mask(lambda p: p.rect(30, 20, w - 40, 21)), 1.5 * 4) * tail, st.GLOW,
          0.25, cover=0.15)
    st.gem(c, 27.5, 20.5, 2.2)
    return c.image()


# --- 12: corner ornament ---------------------------------------------------------------------

def corner_ornament():
    w, h = 39, 34
    c = Canvas(w, h, FINE)

    def scroll(p, x0, y0, horizontal):
        """An arm along one edge ending in a small curl."""
        pts = []
        length = (w if horizontal else h) - 11
        for i in range(40):
            t = i / 39.0
            pts.append((x0 + t * length, y0) if horizontal else (x0, y0 + t * length))
        ex, ey = pts[-1]
        for i in range(1, 22):
            a = i / 21.0 * math.pi * 1.5
            r = 4.0 - 1.6 * i / 21.0
            if horizontal:
                pts.append((ex + r * math.sin(a), ey + r - r * math.cos(a)))
            else:
                pts.append((ex + r - r * math.cos(a), ey + r * math.sin(a)))
        p.line(pts, 1.8)

    outer = c.mask(lambda p: [scroll(p, 3, 3, True), scroll(p, 3, 3, False)])
    inner = c.mask(lambda p: [p.line([(8, 8), (22, 8)], 1.0), p.line([(8, 8), (8, 20)], 1.0),
                              p.ellipse(21, 6.6, 23.8, 9.4), p.ellipse(6.6, 19, 9.4, 21.8)])
    m = np.maximum(outer, inner)
    st.shadow(c, m, 0.8, 1.0, 0.8, 0.55)
    st.gold_glyph(c, m, 0.7)
    st.gem(c, 4, 4, 2.6)
    st.gem(c, 8, 8, 1.4)
    return c.image()


# --- 13: scroll thumb -----------------------------------------------------------------------

def scroll_thumb(c, n):
    rim = {1: (st.BRONZE_LIGHT, st.BRONZE_DARK), 2: ("#fff0b8", "#c08a30"),
           3: ("#6e5329", "#c9a45c")}[n]
    face = {1: ("#d8b878", "#7a5a28"), 2: ("#ffe8a8", "#b08030"), 3: ("#7a5a28", "#c9a45c")}[n]
    st.plate(c, 0, 0.5, 13, 12.5, 4, face, rim, st.INK, 0.5 if n != 3 else 0, 0.3 if n == 3 else 0)


# --- 14: message-box flourish ------------------------------------------------------------

def flourish():
    w, h = 79, 24
    c = Canvas(w, h, FINE)
    cx, cy = w / 2, h / 2
    x, _ = c.grid()
    taper = np.clip(1 - np.abs(x - cx) / (cx - 1), 0, 1) ** 0.6

    line = c.mask(lambda p: p.polygon([(1, cy), (cx, cy - 1.3), (w - 1, cy), (cx, cy + 1.3)]))
    m = line * taper
    for side in (-1, 1):
        m = np.maximum(m, st.lozenge(c, cx + side * 11.5, cy, 4.2, 2.2))
        m = np.maximum(m, c.mask(lambda p, x=cx + side * 19: p.ellipse(x - 1.3, cy - 1.3,
                                                                       x + 1.3, cy + 1.3)))
    st.shadow(c, m, 0.6, 0.9, 0.8, 0.5)
    st.gold_glyph(c, m, 0.7)
    st.gem(c, cx, cy, 4.2)
    return c.image()


# --- 15 and 16: caption-button faces --------------------------------------------------------

def caption_face(c, n):
    pressed = n == 2
    w, h = c.width, c.height
    shape = c.mask(lambda p: [p.rounded(0, -6, w, h - 0.5, 5)])
    c.fill(shape, st.INK, 0.9)
    face = c.mask(lambda p: p.rounded(1, -6, w - 1, h - 1.5, 4))
    c.fill(face, c.linear((0, 0), (0, h), *(("#3a2e1c", "#14100a") if pressed else
                                           ("#6a5230", "#2a2014"))), 0.92)
    c.fill(face * c.mask(lambda p: p.rect(0, 0, w, 1)), st.GOLD, 0.25 if pressed else 0.5)
    rim = np.clip(face - raster.shrink(face, st.samples(c, 0.8)), 0, 1) * \
        c.mask(lambda p: p.rect(0, 1, w, h))
    c.fill(rim, st.GOLD if not pressed else st.BRONZE, 0.8)
    if not pressed:
        st.soft_glow(c, w / 2, h - 4, w / 2, 9, st.GLOW, 0.3)


def close_face():
    w, h = 47, 23
    c = Canvas(w, h, FINE)
    shape = c.mask(lambda p: p.rounded(0, -6, w, h - 0.5, 5))
    c.fill(shape, st.INK, 0.9)
    face = c.mask(lambda p: p.rounded(1, -6, w - 1, h - 1.5, 4))
    c.fill(face, c.linear((0, 0), (0, h), "#c8321e", st.EMBER_DARK), 0.95)
    st.soft_glow(c, w / 2, h - 3, w / 2, 10, "#ff8a3a", 0.45)
    c.fill(face * c.mask(lambda p: p.rect(0, 0, w, 1)), "#ffd0a0", 0.5)
    rim = np.clip(face - raster.shrink(face, st.samples(c, 0.8)), 0, 1) * \
        c.mask(lambda p: p.rect(0, 1, w, h))
    c.fill(rim, st.GOLD, 0.85)
    return c.image()


# --- 17, 19: tracks; 18: spin buttons; 20: divider; 21: focus halo -----------------------

def groove(w, h, cap, r):
    c = Canvas(w, h, FINE)
    st.plate(c, 0, 0, w, h, r, ("#07080b", "#262a36"), ("#2c2114", st.BRONZE_LIGHT), "#000000",
             0, 0.6)
    return three_slice(c.image(), cap)


def spin_button(c, n):
    st.plate(c, 0, 0, 13, 13, 2, ("#6a5230", "#2a2014"), (st.BRONZE_LIGHT, st.BRONZE_DARK),
             st.INK, 0.3)
    shapes = {1: [(6.5, 3.8), (9.9, 8.2), (3.1, 8.2)],
              2: [(3.1, 4.8), (9.9, 4.8), (6.5, 9.2)],
              3: [(3.1, 5.0), (9.9, 5.0), (6.5, 9.0)]}
    m = c.mask(lambda p: p.polygon(shapes[n]))
    if n == 3:
        m = np.maximum(m, c.mask(lambda p: p.rect(3.1, 9.8, 9.9, 10.8)))
    st.glyph(c, m, st.GOLD_LIGHT, st.GOLD, 0.5)


def divider():
    w, h = 71, 13
    c = Canvas(w, h, FINE)
    cy = 6.5
    line = c.mask(lambda p: p.rect(12, 6, w - 12, 7))
    c.fill(raster.grow(line, st.samples(c, 0.8)), "#000000", 0.55)
    c.fill(line, st.GOLD)
    for side in (1, -1):          # each end stays inside its 20-pixel cap
        x0 = 1.5 if side == 1 else w - 1.5
        tip = c.mask(lambda p, x0=x0, s=side: p.polygon([(x0, cy), (x0 + s * 6, cy - 2.2),
                                                         (x0 + s * 11.5, cy),
                                                         (x0 + s * 6, cy + 2.2)]))
        st.gold_glyph(c, tip, 0.6)
        st.gem(c, x0 + side * 14.5, cy, 1.5)
    return three_slice(c.image(), 20)


def focus_halo():
    w, h = 90, 24
    c = Canvas(w, h, FINE)
    ring = np.clip(st.rounded(c, 0.5, 0.5, w - 0.5, h - 0.5, 7) -
                   st.rounded(c, 3.5, 3.5, w - 3.5, h - 3.5, 4), 0, 1)
    c.fill(raster.blur(ring, 1.2 * c.scale), st.GLOW, 0.8)
    line = np.clip(st.rounded(c, 2, 2, w - 2, h - 2, 5) - st.rounded(c, 3, 3, w - 3, h - 3, 4), 0, 1)
    c.fill(line, st.GOLD_LIGHT, 0.9)
    return three_slice(c.image(), 12)


def pictures():
    """The 23 skin images in load order."""
    return [
        emblem_banner(),
        size_grip(),
        button_glow(),
        title_cartouche(),
        slider_thumb(),
        edit_field(),
        window_icon(),
        strip((74, 14), BOX_BADGE_CELLS, box_badge),
        link_plate(),
        progress_bar(),
        strip((27, 9), SMALL_ARROW_CELLS, small_arrow),
        caption_band(),
        corner_ornament(),
        strip((41, 13), SCROLL_THUMB_CELLS, scroll_thumb),
        flourish(),
        strip((63, 23), CAPTION_FACE_CELLS, caption_face),
        close_face(),
        groove(23, 7, 8, 3),
        strip((43, 13), SPIN_BUTTON_CELLS, spin_button),
        groove(63, 13, 6, 4),
        divider(),
        focus_halo(),
        spare_crest(),
    ]
