"""The skin's control images (controlImages 0..9, slot 7 empty): frame
cells, caption and check-box glyphs, option buttons, picture frames, the
button face, the tip-line band, the label bullet, link markers and the busy
emblem. Sizes and cell geometry come from skin_table."""

import math

import numpy as np
from PIL import Image

import raster
import skin_style as st
from raster import Canvas
import skin_table as t
from skin_table import (BUSY_EMBLEM_CELLS, BUTTON_FACE_CELLS, FRAME_CELLS, LINK_MARKER_CELLS,
                        OPTION_CELLS, PICTURE_FRAME_CELLS, STRIP_CELLS, cell_x)

FINE = 8                      # supersampling of small pictures


def strip(size, cells, draw_cell, scale=FINE):
    """A transparent picture of `size` with draw_cell(canvas, n) painted into
    each cell, cell by cell so nothing bleeds into a neighbour."""
    out = Image.new("RGBA", size, (0, 0, 0, 0))
    w, h, _, count = cells
    for n in range(1, count + 1):
        c = Canvas(w, h, scale)
        draw_cell(c, n)
        out.paste(c.image(), (cell_x(cells, n), 0))
    return out


# --- 0: DrawFrame cells -------------------------------------------------------

# (face top, face bottom), (rim top, rim bottom), ink, radius, highlight, inset shadow, opacity
FRAME_LOOKS = {
    t.FRAME_NORMAL: (("#f6efdc", "#d6c08c"), ("#ecd29a", "#8a6a34"), "#2a1c0c", 3, 0.6, 0, 1),
    t.FRAME_HOVER: (("#fffdf2", "#f0cc78"), ("#fff4c4", "#e0a040"), "#8a5208", 3, 0.9, 0, 1),
    t.FRAME_PRESSED: (("#cbb07a", "#eee0b8"), ("#7a5a28", "#e0c890"), "#2a1c0c", 3, 0, 0.35, 1),
    t.FRAME_FOCUSED: (("#f6efdc", "#d6c08c"), ("#ffe08a", "#d09a3a"), "#7a4a08", 3, 0.6, 0, 1),
    t.FRAME_PANEL_LIGHT: (("#f4ecd6", "#e0d2aa"), (st.BRONZE_LIGHT, st.BRONZE_DARK), "#2a1c0c", 4,
                          0.5, 0, 1),
    t.FRAME_PANEL_DARK: (("#20232c", "#0e0f14"), (st.BRONZE_LIGHT, st.BRONZE_DARK), "#000000", 4,
                         0.08, 0, 1),
    t.FRAME_FIELD: (("#efe6cf", "#fbf7ec"), ("#6e5329", "#d2ab62"), "#2a1c0c", 2, 0, 0.35, 1),
    t.FRAME_FIELD_FOCUSED: (("#f3ead4", "#fffbf0"), ("#b07a18", "#ffe08a"), "#7a4a08", 2, 0, 0.3,
                            1),
    t.FRAME_TOOLTIP: (("#2c2619", "#14110b"), (st.GOLD, "#7a5a28"), "#000000", 3, 0.12, 0, 0.93),
}


def frame_cell(c, n):
    face, rim, ink, radius, highlight, inset, opacity = FRAME_LOOKS[n]
    layer = Canvas(c.width, c.height, c.scale)
    st.plate(layer, 0, 0, c.width, c.height, radius, face, rim, ink, highlight, inset)
    if n == t.FRAME_FOCUSED:       # a second, inner gold line marks the default button
        ring = st.rounded(layer, 2, 2, c.width - 2, c.height - 2, radius - 1) - \
            st.rounded(layer, 3, 3, c.width - 3, c.height - 3, radius - 2)
        layer.fill(np.clip(ring, 0, 1), st.GOLD, 0.55)
    layer.pixels *= opacity
    c.over(layer)


def frame_cells():
    out = strip((138, 28), FRAME_CELLS, frame_cell)
    # The frame painter stretches column X+6 alone; X+5 and X+7 match it so a
    # smoothing filter that reaches into them sees the same colour.
    for n in range(1, FRAME_CELLS[3] + 1):
        x = cell_x(FRAME_CELLS, n)
        out = st.uniform_columns(out, x + 5, x + 8, x + 6)
    return out


# --- 1: caption-button and check-box glyphs -----------------------------------

def strip_cell(c, n):
    cx, cy = 10.5, 8.0
    if n == t.STRIP_CLOSE:
        m = c.mask(lambda p: [p.line([(cx - 4.2, cy - 4.2), (cx + 4.2, cy + 4.2)], 2.3),
                              p.line([(cx - 4.2, cy + 4.2), (cx + 4.2, cy - 4.2)], 2.3)])
    elif n == t.STRIP_MAXIMISE:
        m = c.mask(lambda p: [p.rect(5.5, 3, 15.5, 13), p.erase_rect(7, 5.5, 14, 11.5)])
    elif n == t.STRIP_RESTORE:
        m = c.mask(lambda p: [p.rect(8, 2.5, 16, 9.5), p.erase_rect(9.3, 4.5, 14.7, 8.2),
                              p.erase_rect(5, 5.5, 13, 13.5),
                              p.rect(5, 5.5, 13, 13.5), p.erase_rect(6.3, 7.8, 11.7, 12.2)])
    elif n == t.STRIP_MINIMISE:
        m = c.mask(lambda p: p.rect(5.5, 10.5, 15.5, 13))
    else:                         # the check box, ticked or not
        st.shadow(c, st.rounded(c, 4, 1.5, 17, 14.5, 2), 0.5, 0.8, 0.8, 0.4)
        st.plate(c, 4, 1.5, 17, 14.5, 2, ("#e8dcbc", "#fbf6e8"), ("#6e5329", st.BRONZE_LIGHT),
                 st.INK, 0, 0.35)
        if n == t.STRIP_CHECK_ON:
            tick = c.mask(lambda p: p.line([(6.9, 7.6), (9.6, 10.6), (14.6, 3.6)], 2.2))
            st.glyph(c, tick, "#d8402a", "#6a0a04", 0.6, light="#ffb0a0")
        return
    st.shadow(c, m, 0.6, 0.8, 0.7, 0.5)
    st.gold_glyph(c, m, 0.9)


# --- 2: option buttons ---------------------------------------------------------

def option_cell(c, n):
    disabled = n == t.OPTION_DISABLED
    hover = n in (t.OPTION_OFF_HOVER, t.OPTION_ON_HOVER)
    on = n in (t.OPTION_ON, t.OPTION_ON_HOVER)
    x0, y0, x1, y1 = 1, 1, 13, 13
    disc = c.mask(lambda p: p.ellipse(x0, y0, x1, y1))
    st.shadow(c, disc, 0.4, 0.7, 0.8, 0.4)
    c.fill(raster.grow(disc, st.samples(c, 0.9)), "#3a3a3a" if disabled else st.INK)
    rim = (("#d8d8d8", "#7a7a7a") if disabled else
           ("#ffe7a8", "#b08030") if hover else (st.BRONZE_LIGHT, st.BRONZE_DARK))
    c.fill(disc, c.linear((0, y0), (0, y1), rim[1], rim[0]))
    face = c.mask(lambda p: p.ellipse(x0 + 1.3, y0 + 1.3, x1 - 1.3, y1 - 1.3))
    c.fill(face, c.linear((0, y0), (0, y1), "#cfcfcf" if disabled else "#e2d6b4",
                          "#f4f4f4" if disabled else "#fffaf0"))
    shade = face * (1 - raster.shift(face, 0, st.samples(c, 1.5)))
    c.fill(raster.blur(shade, c.scale * 0.6) * face, "#000000", 0.3)
    if hover:
        st.soft_glow(c, 7, 7, 7, 7, "#ffd070", 0.35)
    if on:
        dot = c.mask(lambda p: p.ellipse(4, 4, 10, 10))
        c.fill(raster.grow(dot, st.samples(c, 0.5)), "#3a0604")
        c.fill(dot, c.radial((6, 5.6), 4.5, "#ff9a80", "#8a0c08"))
        c.fill(c.mask(lambda p: p.ellipse(5.2, 4.9, 7.0, 6.6)), "#ffffff", 0.85)
    if disabled:
        dot = c.mask(lambda p: p.ellipse(5, 5, 9, 9))
        c.fill(dot, "#9a9a9a")


# --- 3: picture and link frames -----------------------------------------------

def picture_frame_cell(c, n):
    w, h = c.width, c.height
    hover, pressed = n == 2, n == 3
    if hover:
        halo = st.rounded(c, 0, 0, w, h, 6) - st.rounded(c, 3, 3, w - 3, h - 3, 4)
        c.fill(raster.blur(np.clip(halo, 0, 1), c.scale * 0.8), st.GLOW, 0.6)
    outer = st.rounded(c, 1, 1, w - 1, h - 1, 5)
    inner = st.rounded(c, 4, 4, w - 4, h - 4, 3)
    c.fill(np.clip(outer - raster.shrink(outer, st.samples(c, 0.8)), 0, 1), st.INK)
    light, dark = (("#fff3c4", "#c08a30") if hover else
                   ("#6e5329", "#c9a45c") if pressed else (st.BRONZE_LIGHT, st.BRONZE_DARK))
    band = np.clip(raster.shrink(outer, st.samples(c, 0.8)) - inner, 0, 1)
    c.fill(band, c.linear((0, 0), (w, h), light, dark))
    groove = np.clip(st.rounded(c, 2.6, 2.6, w - 2.6, h - 2.6, 4) -
                     st.rounded(c, 3.2, 3.2, w - 3.2, h - 3.2, 4), 0, 1)
    c.fill(groove, "#000000", 0.35)
    c.fill(np.clip(inner - raster.shrink(inner, st.samples(c, 0.8)), 0, 1), "#000000", 0.7)
    if pressed:
        c.fill(np.clip(inner - raster.shift(inner, st.samples(c, 1.5), st.samples(c, 1.5)), 0, 1),
               "#000000", 0.35)
    for x, y in ((4, 4), (w - 4, 4), (4, h - 4), (w - 4, h - 4)):
        st.gem(c, x, y, 1.6, *(("#ffe0a0", "#b06010") if hover else ("#ff8a70", "#6a0a0a")))


# --- 4: face of a button with a picture ---------------------------------------

def button_face_cell(c, n):
    w, h = c.width, c.height
    if n == 1:
        st.plate(c, 0, 0, w, h, 3, ("#f3ead2", "#cfb680"), ("#ecd29a", "#8a6a34"), "#2a1c0c", 0.6)
    else:
        st.plate(c, 0, 0, w, h, 3, ("#fffaea", "#e6c67e"), ("#fff0b8", "#c08a30"), "#4a300a", 0.8)
    line = np.clip(st.rounded(c, 2, 2, w - 2, h - 2, 2) - st.rounded(c, 3, 3, w - 3, h - 3, 1), 0, 1)
    c.fill(line, st.GOLD if n == 2 else st.BRONZE, 0.45)


def button_faces():
    out = strip((146, 22), BUTTON_FACE_CELLS, button_face_cell)
    # The painter stretches the middle between 8-pixel caps: make it even.
    for n in (1, 2):
        x = cell_x(BUTTON_FACE_CELLS, n)
        out = st.uniform_columns(out, x + 8, x + 73 - 8, x + 36)
    return out


# --- 5: tip-line band ------------------------------------------------------------

def tip_band():
    w, h = 559, 22
    c = Canvas(w, h, 4)
    x, _ = c.grid()
    fade = np.clip(1.0 - (x - 360) / 199.0, 0, 1) ** 1.5         # fades out at the right
    body = c.mask(lambda p: p.polygon([(6, 2), (w, 2), (w, 20), (6, 20), (0, 11)]))
    c.fill(body * (0.25 + 0.45 * fade), c.linear((0, 2), (0, 20), "#14161c", "#060708"))
    lines = c.mask(lambda p: [p.rect(14, 1, w, 2), p.rect(14, 20, w, 21)])
    c.fill(lines * (0.15 + 0.75 * fade), st.GOLD)
    for i, x0 in enumerate((4, 11)):
        chevron = c.mask(lambda p, x0=x0: p.polygon([(x0, 5), (x0 + 3.5, 5), (x0 + 9.5, 11),
                                                     (x0 + 3.5, 17), (x0, 17), (x0 + 6, 11)]))
        st.glyph(c, chevron, st.GOLD_LIGHT, st.GOLD_DEEP if i else st.BRONZE, 0.7)
    st.gem(c, 26, 11, 2.2)
    return c.image()


# --- 6: label bullet -----------------------------------------------------------

def bullet():
    c = Canvas(12, 12, FINE)
    st.shadow(c, st.lozenge(c, 6, 6, 4.6, 4.6), 0.5, 0.7, 0.7, 0.45)
    st.gem(c, 6, 6, 3.2)
    return c.image()


# --- 8: link markers -------------------------------------------------------------

def link_marker_cell(c, n):
    dx = 1 if n == 3 else 0
    arrow = c.mask(lambda p: p.polygon([(3 + dx, 2.5), (6.5 + dx, 2.5), (11 + dx, 7),
                                        (6.5 + dx, 11.5), (3 + dx, 11.5), (7.5 + dx, 7)]))
    if n == 2:
        st.soft_glow(c, 7.5, 7, 6.5, 6.5, st.GLOW, 0.55)
    st.shadow(c, arrow, 0.5, 0.8, 0.6, 0.45)
    top, bottom = {1: (st.GOLD_LIGHT, st.GOLD_DEEP), 2: ("#ffffff", "#e09a30"),
                   3: ("#d8a850", "#6e4a10"), 4: ("#d8d8d8", "#7a7a7a")}[n]
    st.glyph(c, arrow, top, bottom, 0.8, ink="#3a3a3a" if n == 4 else st.INK,
             light="#ffffff" if n != 4 else None)


# --- 9: busy emblem ---------------------------------------------------------------

def spinner_cell(c, n):
    cx = cy = 28.0
    turn = (n - 1) * 22.5
    st.shadow(c, c.mask(lambda p: p.ellipse(cx - 26, cy - 26, cx + 26, cy + 26)), 1, 1.5, 2, 0.5)
    ring = c.mask(lambda p: [p.ellipse(cx - 26, cy - 26, cx + 26, cy + 26),
                             p.erase_ellipse(cx - 22.5, cy - 22.5, cx + 22.5, cy + 22.5)])
    c.fill(raster.grow(ring, st.samples(c, 0.8)), st.INK)
    c.fill(ring, c.linear((cx - 26, cy - 26), (cx + 26, cy + 26), st.GOLD_LIGHT, st.BRONZE_DARK))
    well = c.mask(lambda p: p.ellipse(cx - 22.5, cy - 22.5, cx + 22.5, cy + 22.5))
    c.fill(well, c.radial((cx, cy - 6), 30, "#262a36", "#08090c"), 0.92)
    ticks = c.mask(lambda p: [p.line([(cx + 20.5 * math.cos(a), cy + 20.5 * math.sin(a)),
                                      (cx + 18 * math.cos(a), cy + 18 * math.sin(a))], 1.2)
                              for a in (math.radians(k * 30) for k in range(12))])
    c.fill(ticks, st.BRONZE, 0.8)
    # Four comets on one orbit: bright heads with tails that thin and fade
    # over 70 degrees; with four-fold symmetry, a 90-degree turn is a loop.
    x, y = c.grid()
    radius = np.sqrt((x - cx) ** 2 + (y - cy) ** 2)
    behind = (turn - np.degrees(np.arctan2(y - cy, x - cx))) % 90.0
    tail = np.clip(1 - behind / 70.0, 0, 1) ** 1.6
    half_width = 0.4 + 1.8 * tail
    edge = np.clip(half_width - np.abs(radius - 12.5) + 0.5, 0, 1)
    comets = (edge * np.clip(tail * 1.4, 0, 1) * (tail > 0)).astype(np.float32)
    c.add(raster.blur(comets, 2.5 * c.scale), st.GLOW, 0.9, cover=0.6)
    c.fill(comets, c.radial((cx, cy), 16, "#fff6d0", st.GOLD), 1.0)
    for arm in range(4):
        a = math.radians(turn + arm * 90)
        hx, hy = cx + 12.5 * math.cos(a), cy + 12.5 * math.sin(a)
        c.fill(c.mask(lambda p, hx=hx, hy=hy: p.ellipse(hx - 1.6, hy - 1.6, hx + 1.6, hy + 1.6)),
               "#fffbe8")
    st.gem(c, cx, cy, 4.5)


def spinner():
    return strip((227, 56), BUSY_EMBLEM_CELLS, spinner_cell, scale=4)


def pictures():
    """The nine control images by slot (None for slot 7)."""
    return [
        frame_cells(),
        strip((131, 16), STRIP_CELLS, strip_cell),
        strip((74, 14), OPTION_CELLS, option_cell),
        strip((191, 57), PICTURE_FRAME_CELLS, picture_frame_cell, scale=4),
        button_faces(),
        tip_band(),
        bullet(),
        None,
        strip((55, 14), LINK_MARKER_CELLS, link_marker_cell),
        spinner(),
    ]
