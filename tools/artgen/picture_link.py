"""233 x 42 strip of the picture link: a VIP badge 41 px wide, then six 32 px
frames of a three-armed swirl that turns by 20 degrees a frame, so the sixth
frame leads back into the first."""

import math

import raster
from raster import Canvas

HEIGHT = 42
BADGE_WIDTH = 41
FRAME_WIDTH = 32
FRAMES = 6
WIDTH = BADGE_WIDTH + FRAMES * FRAME_WIDTH
SCALE = 4


def badge(c):
    shield = [(4, 6), (37, 6), (37, 24), (20.5, 38), (4, 24)]
    m = c.mask(lambda p: p.polygon(shield))
    c.fill(raster.blur(raster.shift(m, 4, 6), 6), "#000000", 0.55)
    c.fill(raster.grow(m, 6), "#2a0a04")
    c.fill(m, c.linear((4, 6), (37, 38), "#ffe39a", "#8a5410"))
    inner = c.mask(lambda p: p.polygon([(6.5, 8.5), (34.5, 8.5), (34.5, 23), (20.5, 35),
                                        (6.5, 23)]))
    c.fill(inner, c.linear((0, 8), (0, 35), "#d8283a", "#5a0612"))
    c.fill(c.mask(lambda p: p.polygon([(6.5, 8.5), (34.5, 8.5), (34.5, 14), (6.5, 17)])),
           "#ffffff", 0.18)
    crown = [(12, 6), (14.5, 0.8), (17.5, 4.2), (20.5, 0), (23.5, 4.2), (26.5, 0.8), (29, 6)]
    cm = c.mask(lambda p: p.polygon(crown))
    c.fill(raster.grow(cm, 4), "#2a0a04")
    c.fill(cm, c.linear((12, 0), (29, 6), "#fff4c0", "#b07a18"))
    font = raster.cjk_font(13 * SCALE, bold=True)
    text = "VIP"
    left, top, right, bottom = font.getbbox(text)
    x = (41 * SCALE - (right - left)) / 2 - left
    y = 13.5 * SCALE - (bottom - top) / 2 - top
    w, h = c.width * SCALE, c.height * SCALE
    t = raster.text_mask(w, h, x, y, text, font)
    c.fill(raster.grow(t, 5), "#3a0408")
    c.fill(t, c.linear((0, 9), (0, 20), "#fffbe6", "#ffc840"))


def swirl(c, ox, turn):
    cx, cy = ox + FRAME_WIDTH / 2, HEIGHT / 2
    arms = []
    for k in range(3):
        points_out, points_in = [], []
        for i in range(25):
            t = i / 24
            angle = math.radians(turn + k * 120 + t * 200)
            radius = 2.5 + 11.5 * t
            width = 3.4 * math.sin(math.pi * min(t * 1.15, 1)) + 0.2
            nx, ny = math.cos(angle), math.sin(angle)
            px, py = cx + radius * nx, cy + radius * ny
            points_out.append((px + nx * width / 2, py + ny * width / 2))
            points_in.append((px - nx * width / 2, py - ny * width / 2))
        arms.append(points_out + points_in[::-1])
    m = c.mask(lambda p: [p.polygon(a) for a in arms])
    c.fill(raster.blur(m, 10), "#3aa8ff", 0.8)
    c.fill(raster.grow(m, 3), "#06203a", 0.9)
    c.fill(m, c.radial((cx, cy), 15, "#fff6d0", "#3aa0f0", 0.8))
    core = c.mask(lambda p: p.ellipse(cx - 3.6, cy - 3.6, cx + 3.6, cy + 3.6))
    c.fill(raster.grow(core, 3), "#06203a")
    c.fill(core, c.radial((cx - 1, cy - 1), 4.5, "#ffffff", "#ffb030"))


def picture():
    c = Canvas(WIDTH, HEIGHT, SCALE)
    badge(c)
    for frame in range(FRAMES):
        swirl(c, BADGE_WIDTH + frame * FRAME_WIDTH, frame * 120 / FRAMES)
    return c.image()
