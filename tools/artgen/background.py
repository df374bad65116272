"""The face of MainWindow: dark stone, the character silhouette behind the slot
buttons, a bronze frame under every slot button, a plate under every slot-name
box, the connector lines between them, the field panel's frame, the usage hint
and a light plate for the clock, which is drawn transparently in dark grey."""

import numpy as np
from PIL import Image, ImageFilter

import raster
import routes as routing
from raster import Canvas, rgb

SCALE = 4
TITLE_BAND = 24          # the skin draws the title here later
HINT = "点击装备图标修改名称，右侧设置属性"

BRONZE_LIGHT = "#d2ab62"
BRONZE = "#a07a3e"
BRONZE_DARK = "#4e3a1f"
LINE_GOLD = "#e0b35e"
LINE_GLOW = "#ff9c3a"


def value_noise(rng, width, height, cell):
    """Smoothly interpolated random grid with `cell`-pixel spacing."""
    gw, gh = width // cell + 3, height // cell + 3
    grid = rng.random((gh, gw)).astype(np.float32)
    ys = np.arange(height, dtype=np.float32) / cell
    xs = np.arange(width, dtype=np.float32) / cell
    y0, x0 = ys.astype(int), xs.astype(int)
    ty, tx = ys - y0, xs - x0
    ty, tx = ty * ty * (3 - 2 * ty), tx * tx * (3 - 2 * tx)
    a = grid[y0][:, x0]
    b = grid[y0][:, x0 + 1]
    c = grid[y0 + 1][:, x0]
    d = grid[y0 + 1][:, x0 + 1]
    top = a + (b - a) * tx[None, :]
    bottom = c + (d - c) * tx[None, :]
    return top + (bottom - top) * ty[:, None]


def fbm(rng, width, height, cells, gains):
    out = np.zeros((height, width), np.float32)
    for cell, gain in zip(cells, gains):
        out += (value_noise(rng, width, height, cell) - 0.5) * gain
    return out


def stone(rng, width, height):
    """Dark irregular flagstones: cells with soft bevelled edges and grain."""
    count = 70
    seeds = np.stack([rng.random(count) * width, rng.random(count) * height], axis=1)
    ys, xs = np.mgrid[0:height, 0:width].astype(np.float32)
    warp_x = fbm(rng, width, height, (48, 16), (12, 4))
    warp_y = fbm(rng, width, height, (48, 16), (12, 4))
    dist = np.sqrt((xs[..., None] + warp_x[..., None] - seeds[:, 0]) ** 2 +
                   (ys[..., None] + warp_y[..., None] - seeds[:, 1]) ** 2)
    nearest = np.partition(dist, 1, axis=2)[..., :2]
    edge = nearest[..., 1] - nearest[..., 0]
    cell_tone = (rng.random(count).astype(np.float32) - 0.5) * 0.05
    tone = cell_tone[np.argmin(dist, axis=2)]

    grain = fbm(rng, width, height, (96, 40, 14, 5, 2), (0.05, 0.045, 0.035, 0.025, 0.022))
    bevel = np.clip(edge / 9.0, 0, 1)
    bevel = bevel * bevel * (3 - 2 * bevel)
    lum = 0.15 + tone + grain + (bevel - 1) * 0.05
    lum -= np.clip(1.2 - edge, 0, 1.2) * 0.025          # the grout
    # A lit upper edge on each stone: the grout casts its shade downwards.
    lit = np.clip(edge[1:, :] - edge[:-1, :], -1, 1)
    lum[1:, :] += np.where(edge[1:, :] < 4, lit * 0.012, 0)
    tint = np.array([0.98, 1.0, 1.1], np.float32)        # cold slate
    return np.clip(lum[..., None] * tint, 0, 1)


def calm(texture, amount, darken):
    """The texture flattened towards its blur and darkened."""
    soft = np.asarray(Image.fromarray(raster.to_bytes(texture), "RGB").filter(
        ImageFilter.GaussianBlur(10)), np.float32) / 255.0
    return (texture * (1 - amount) + soft * amount) * darken


def base(layout, rng):
    w, h = layout.width - 1, layout.height       # the picture is one column narrower
    tex = stone(rng, w, h)
    # Vignette: the face is lit from the upper middle.
    ys, xs = np.mgrid[0:h, 0:w].astype(np.float32)
    d = np.sqrt(((xs - w * 0.45) / (w * 0.75)) ** 2 + ((ys - h * 0.4) / (h * 0.8)) ** 2)
    tex *= (1.08 - 0.35 * np.clip(d, 0, 1) ** 1.6)[..., None]
    skills = layout.by_name("编辑框_技能").rect
    # Title band and bottom strip: quiet surfaces for the skin's title and controls.
    band = np.clip((TITLE_BAND + 2 - ys[:, :1]) / 4.0, 0, 1)[..., None]
    tex = tex * (1 - band) + calm(tex, 0.75, 0.6) * band
    strip = np.clip((ys[:, :1] - skills.y + 1) / 4.0, 0, 1)[..., None]
    tex = tex * (1 - strip) + calm(tex, 0.7, 0.8) * strip
    return tex


# --- silhouette --------------------------------------------------------------

def figure_mask(canvas, cx, neck_y, shoulders_y, waist_y, knee_y, feet_y):
    """A standing armoured figure centred on cx, facing the viewer, arms
    slightly away from the body and legs apart, so its outline reads as a
    person even where the slot buttons cover it."""

    def draw(pen):
        pen.ellipse(cx - 10, neck_y - 30, cx + 10, neck_y - 2)                # head
        pen.polygon([(cx - 6, neck_y - 6), (cx + 6, neck_y - 6),             # neck
                     (cx + 8, shoulders_y), (cx - 8, shoulders_y)])
        pen.polygon([(cx - 24, shoulders_y), (cx + 24, shoulders_y),         # chest
                     (cx + 20, waist_y - 14), (cx + 15, waist_y + 4),
                     (cx - 15, waist_y + 4), (cx - 20, waist_y - 14)])
        pen.polygon([(cx - 17, waist_y - 2), (cx + 17, waist_y - 2),         # hips
                     (cx + 19, waist_y + 16), (cx - 19, waist_y + 16)])
        for side in (-1, 1):
            s = side
            pen.ellipse(cx + s * 27 - 12, shoulders_y - 8, cx + s * 27 + 12, shoulders_y + 12)
            pen.polygon([(cx + s * 24, shoulders_y + 2), (cx + s * 37, shoulders_y + 6),
                         (cx + s * 41, waist_y - 2), (cx + s * 39, waist_y + 14),
                         (cx + s * 32, waist_y + 14), (cx + s * 30, waist_y - 4),
                         (cx + s * 26, shoulders_y + 18)])
            pen.ellipse(cx + s * 36 - 6, waist_y + 10, cx + s * 36 + 5, waist_y + 24)  # fist
            pen.polygon([(cx + s * 2, waist_y + 10), (cx + s * 19, waist_y + 10),   # thigh
                         (cx + s * 18, knee_y), (cx + s * 5, knee_y)])
            pen.polygon([(cx + s * 5, knee_y - 2), (cx + s * 18, knee_y - 2),       # shin
                         (cx + s * 19, feet_y - 8), (cx + s * 5, feet_y - 8)])
            pen.ellipse(cx + s * 12 - 10, feet_y - 14, cx + s * 12 + 11, feet_y)    # boot
            pen.ellipse(cx + s * 11 - 7, knee_y - 5, cx + s * 11 + 7, knee_y + 6)   # knee
        pen.erase_polygon([(cx - 1, waist_y + 20), (cx + 1, waist_y + 20),           # stride
                           (cx + 5, feet_y), (cx - 5, feet_y)])
    return canvas.mask(draw)


def paint_figure(canvas, layout):
    helmet = layout.slot_button("helmet").rect
    clothes = layout.slot_button("clothes").rect
    cx = helmet.cx
    aura = canvas.mask(lambda pen: pen.ellipse(cx - 60, 40, cx + 60, 235))
    canvas.add(raster.blur(aura, 16 * SCALE), "#2a3a5a", 0.3)
    mask = figure_mask(canvas, cx, helmet.bottom + 4, clothes.y - 12, clothes.bottom + 10,
                       clothes.bottom + 44, 240)
    glow = raster.blur(mask, 3 * SCALE)
    canvas.add(np.clip(glow - mask, 0, 1), "#5b8fd8", 0.6)
    body = canvas.linear((cx, 30), (cx, 240), "#1d2638", "#0b0e15")
    canvas.fill(mask, body, 0.95)
    # Rim light on the upper left edges, a softer one on the right.
    inner = raster.shrink(mask, SCALE)
    rim = np.clip(mask - raster.shift(inner, SCALE, SCALE), 0, 1) * mask
    canvas.add(rim, "#8fb4e8", 0.55)
    rim2 = np.clip(mask - raster.shift(inner, -SCALE, 0), 0, 1) * mask
    canvas.add(rim2, "#4d6a9a", 0.35)


# --- frames, plates and the field panel --------------------------------------

def bevel_ring(canvas, rect, width, light, dark, inset=0):
    """A ring `width` pixels wide just outside rect (or inside with inset),
    lit from the upper left."""
    outer = rect.grown(width - inset)
    inner = rect.grown(-inset)
    ring = canvas.mask(lambda pen: pen.rect(outer.x, outer.y, outer.right, outer.bottom))
    ring -= canvas.mask(lambda pen: pen.rect(inner.x, inner.y, inner.right, inner.bottom))
    paint = canvas.linear((outer.x, outer.y), (outer.right, outer.bottom), light, dark)
    canvas.fill(np.clip(ring, 0, 1), paint)


def drop_shadow(canvas, rect, grow, opacity):
    r = rect.grown(grow)
    m = canvas.mask(lambda pen: pen.rect(r.x + 1, r.y + 2, r.right + 1, r.bottom + 2))
    canvas.fill(raster.blur(m, 2.5 * SCALE), "#000000", opacity)


def solid(canvas, rect, colour):
    canvas.fill(canvas.mask(lambda pen: pen.rect(rect.x, rect.y, rect.right, rect.bottom)), colour)


def paint_slot_frame(canvas, rect):
    drop_shadow(canvas, rect, routing.FRAME, 0.75)
    bevel_ring(canvas, rect.grown(routing.FRAME), 1, "#000000", "#000000")
    bevel_ring(canvas, rect, routing.FRAME, BRONZE_LIGHT, BRONZE_DARK)
    solid(canvas, rect, "#0b0c10")


def paint_name_plate(canvas, rect):
    drop_shadow(canvas, rect, routing.PLATE, 0.7)
    bevel_ring(canvas, rect.grown(2), 1, "#6a5230", "#2c2114")
    bevel_ring(canvas, rect.grown(1), 1, BRONZE_LIGHT, "#6e5329")
    bevel_ring(canvas, rect, 1, "#111114", "#2a2a2e")
    solid(canvas, rect, "#c0c0c0")


def paint_panel_frame(canvas, rect):
    drop_shadow(canvas, rect, 3, 0.8)
    bevel_ring(canvas, rect.grown(2), 1, "#6a5230", "#2c2114")
    bevel_ring(canvas, rect.grown(1), 1, BRONZE_LIGHT, "#6e5329")
    bevel_ring(canvas, rect, 1, "#050505", "#050505")
    solid(canvas, rect, "#000000")


def paint_clock_plate(canvas, clock, button):
    top = button.bottom + 1
    # A little wider than the label: its centred text needs every pixel of it,
    # and dark grey text is only readable on the plate.
    plate = routing.Rect(clock.x - 2, top, clock.w + 4, clock.bottom - 1 - top)
    drop_shadow(canvas, plate, 0, 0.7)
    edge = canvas.mask(lambda pen: pen.rounded(plate.x, plate.y, plate.right, plate.bottom, 4))
    canvas.fill(edge, canvas.linear((0, plate.y), (0, plate.bottom), "#9c7b45", "#5a4424"))
    face = canvas.mask(lambda pen: pen.rounded(plate.x + 1, plate.y + 1, plate.right - 1,
                                               plate.bottom - 1, 3))
    canvas.fill(face, canvas.linear((0, plate.y), (0, plate.bottom), "#e9e4d6", "#c9c1ab"))
    shine = canvas.mask(lambda pen: pen.rect(plate.x + 3, plate.y + 1, plate.right - 3, plate.y + 2))
    canvas.fill(shine, "#ffffff", 0.5)


# --- lines and text (drawn at output size, pixel-aligned) ---------------------

def line_masks(width, height, planned):
    core = np.zeros((height, width), np.float32)
    nodes = np.zeros((height, width), np.float32)
    for route in planned.values():
        pixels = route.pixels()
        for x, y in pixels:
            if any(x == bx and abs(y - by) <= 2 for bx, by in route.bridges):
                continue
            core[y, x] = 1.0
        ex, ey = pixels[-1]
        for dx, dy in ((0, 0), (1, 0), (-1, 0), (0, 1), (0, -1)):
            nodes[ey + dy, ex + dx] = 1.0 if (dx, dy) == (0, 0) else 0.6
    return core, nodes


def paint_lines(image, planned):
    h, w = image.shape[:2]
    core, nodes = line_masks(w, h, planned)
    shadow = raster.blur(raster.shift(np.maximum(core, nodes), 1, 1), 1.0)
    image *= (1 - 0.6 * shadow)[..., None]
    glow = raster.blur(np.maximum(core, nodes), 1.6)
    image += rgb(LINE_GLOW) * (glow * 0.45)[..., None]
    alpha = np.maximum(core * 0.92, nodes)[..., None]
    colour = np.where(nodes[..., None] > 0, rgb("#fff0c0"), rgb(LINE_GOLD))
    image[:] = image * (1 - alpha) + colour * alpha
    np.clip(image, 0, 1, out=image)


def paint_hint(image, hint):
    h, w = image.shape[:2]
    font = raster.cjk_font(11)
    left, top, right, bottom = font.getbbox(HINT)
    x = hint.x + (hint.w - (right - left)) // 2 - left
    y = hint.y + (hint.h - (bottom - top)) // 2 - top
    backing = np.zeros((h, w), np.float32)
    backing[hint.y + 2:hint.bottom - 2, hint.x + 1:hint.right - 1] = 1
    backing = raster.blur(backing, 2.0)
    image *= (1 - 0.45 * backing)[..., None]
    text = raster.text_mask(w, h, x, y, HINT, font)
    shadow = raster.blur(raster.shift(text, 1, 1), 0.6)
    image *= (1 - 0.8 * shadow)[..., None]
    colour = rgb("#d8bf86")
    image[:] = image * (1 - text[..., None]) + colour * text[..., None]


def paint_edge(image):
    image[0, :] = image[-1, :] = 0.0
    image[:, 0] = image[:, -1] = 0.0
    image[1, 1:-1] = image[1, 1:-1] * 0.6 + 0.4 * rgb("#4a4a52")
    image[1:-1, 1] = image[1:-1, 1] * 0.7 + 0.3 * rgb("#4a4a52")


def render(layout, seed=20240611):
    rng = np.random.default_rng(seed)
    w, h = layout.width - 1, layout.height
    image = base(layout, rng)

    canvas = Canvas(w, h, SCALE)
    paint_figure(canvas, layout)
    for button in layout.slot_buttons():
        paint_slot_frame(canvas, button.rect)
    for button in layout.slot_buttons():
        paint_name_plate(canvas, layout.name_box(button.slot["key"]).rect)
    paint_panel_frame(canvas, layout.field_panel().rect)
    paint_clock_plate(canvas, layout.by_name("透明标签_时间").rect,
                      layout.by_name("按钮_保存").rect)
    layer = canvas.reduced()
    image = layer[..., :3] + image * (1 - layer[..., 3:])

    planned = routing.plan(layout)
    hint = routing.hint_rect(layout)
    routing.check(layout, planned, hint, TITLE_BAND + 1)
    paint_lines(image, planned)
    paint_hint(image, hint)
    paint_edge(image)
    return Image.fromarray(raster.to_bytes(image), "RGB")
