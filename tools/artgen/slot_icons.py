"""The 36 x 33 pictures of the slot buttons: an item icon on a dark slot, and
for the hover picture the same icon brighter, on a warm glow in a gold frame."""

import math

import numpy as np
from PIL import Image

import raster
from raster import Canvas, rgb

WIDTH, HEIGHT = 36, 33
SCALE = 8
OUTLINE = "#07060a"


def rotated(points, degrees, origin):
    a = math.radians(degrees)
    ca, sa = math.cos(a), math.sin(a)
    ox, oy = origin
    return [(ox + x * ca - y * sa, oy + x * sa + y * ca) for x, y in points]


def part(c, draw, light, dark, p0, p1, outline=0.9):
    """One piece of an icon: a dark outline, then a gradient body. Returns its mask."""
    m = c.mask(draw)
    if outline:
        c.fill(raster.grow(m, round(outline * SCALE)), OUTLINE)
    c.fill(m, c.linear(p0, p1, light, dark))
    return m


def gloss(c, draw, opacity=0.55):
    c.fill(c.mask(draw), "#ffffff", opacity)


def gem(c, cx, cy, rx, ry, light, mid, dark):
    """An oval cut stone with a bright table and a sparkle."""
    part(c, lambda p: p.ellipse(cx - rx, cy - ry, cx + rx, cy + ry), mid, dark,
         (cx - rx, cy - ry), (cx + rx, cy + ry), 0.7)
    c.fill(c.mask(lambda p: p.ellipse(cx - rx * 0.55, cy - ry * 0.55, cx + rx * 0.4,
                                      cy + ry * 0.4)), light, 0.8)
    gloss(c, lambda p: p.ellipse(cx - rx * 0.6, cy - ry * 0.7, cx - rx * 0.05, cy - ry * 0.2), 0.8)


# --- the items -------------------------------------------------------------

def clothes(c):
    # Cuirass with pauldrons and a gilded neckline.
    part(c, lambda p: p.polygon([(9, 8), (14, 6), (18, 10), (22, 6), (27, 8), (28, 15),
                                 (26, 17), (25, 27), (18, 30), (11, 27), (10, 17), (8, 15)]),
         "#dfe6ef", "#4a5363", (9, 6), (27, 30))
    c.fill(c.mask(lambda p: p.polygon([(18, 11), (19, 12), (18.6, 28.5), (17.4, 28.5), (17, 12)])),
           "#6d7888", 0.9)
    c.fill(c.mask(lambda p: p.line([(11, 19.5), (25, 19.5)], 0.8)), "#5a6473", 0.8)
    c.fill(c.mask(lambda p: p.line([(11.5, 24), (24.5, 24)], 0.8)), "#5a6473", 0.8)
    for x0, tilt in ((5.5, 1), (22.5, -1)):
        part(c, lambda p, x0=x0, tilt=tilt: p.polygon(
            [(x0 + 4 + tilt * -1, 5.5), (x0 + 8, 8 + tilt), (x0 + 7.5, 13.5), (x0 + 0.5, 13.5),
             (x0, 8 - tilt)]), "#f3d68a", "#8a5d1c", (x0, 5), (x0 + 8, 14), 0.8)
    part(c, lambda p: p.line([(13.5, 7), (18, 11.5), (22.5, 7)], 1.6), "#ffe39a", "#a8741f",
         (13, 6), (23, 12), 0.5)
    gem(c, 18, 16, 2.2, 2.2, "#ff8a8a", "#d0242c", "#5c070c")
    gloss(c, lambda p: p.polygon([(11.5, 9), (14, 8), (13, 22), (11.5, 21)]), 0.35)


def weapon(c):
    # A long sword lying from the lower left to the upper right.
    origin, angle = (18.5, 16.5), -45

    def poly(points):
        return rotated(points, angle, origin)
    part(c, lambda p: p.polygon(poly([(-5, -2.5), (12.5, -2.5), (17, 0), (12.5, 2.5), (-5, 2.5)])),
         "#f4f7fb", "#7b8594", (12, 4), (25, 29))
    c.fill(c.mask(lambda p: p.polygon(poly([(-5, -0.35), (13, -0.2), (15.5, 0), (13, 0.2),
                                            (-5, 0.35)]))), "#8f99a8", 0.9)
    gloss(c, lambda p: p.polygon(poly([(-4, -1.6), (12, -1.6), (14.5, -0.4), (-4, -0.7)])), 0.6)
    part(c, lambda p: p.polygon(poly([(-7.2, -6.5), (-4.8, -6.5), (-4.8, 6.5), (-7.2, 6.5)])),
         "#ffe08a", "#8a5a14", (6, 14), (14, 24), 0.8)
    part(c, lambda p: p.polygon(poly([(-13, -1.3), (-7.2, -1.3), (-7.2, 1.3), (-13, 1.3)])),
         "#9a5a30", "#3e1f0e", (5, 22), (10, 27), 0.8)
    for u in (-12, -10.5, -9, -7.8):
        c.fill(c.mask(lambda p, u=u: p.line(poly([(u, -1.2), (u + 0.6, 1.2)]), 0.35)),
               "#2a1408", 0.8)
    px, py = rotated([(-14.5, 0)], angle, origin)[0]
    part(c, lambda p: p.ellipse(px - 2.2, py - 2.2, px + 2.2, py + 2.2), "#ffe08a", "#8a5a14",
         (px - 2, py - 2), (px + 2, py + 2), 0.8)
    gem(c, *rotated([(-6, 0)], angle, origin)[0], 1.1, 1.1, "#9fd0ff", "#2a6fd0", "#0a2050")


def medal(c):
    # Medal on a striped ribbon.
    part(c, lambda p: p.polygon([(10, 3), (16, 3), (20, 15), (15.5, 17)]), "#e23a3a", "#6e0c10",
         (10, 3), (18, 17), 0.8)
    part(c, lambda p: p.polygon([(20, 3), (26, 3), (20.5, 17), (16, 15)]), "#d3343a", "#5e0a0e",
         (20, 3), (24, 17), 0.8)
    c.fill(c.mask(lambda p: p.polygon([(12.2, 3), (13.8, 3), (17.4, 14.6), (16, 15.2)])),
           "#ffd75a", 0.9)
    c.fill(c.mask(lambda p: p.polygon([(22.2, 3), (23.8, 3), (19.8, 15.2), (18.6, 14.6)])),
           "#ffd75a", 0.9)
    part(c, lambda p: p.ellipse(10, 13, 26, 29), "#fff0b0", "#8f5a10", (10, 13), (26, 29), 0.9)
    c.fill(c.mask(lambda p: p.ellipse(12, 15, 24, 27)), c.linear((12, 15), (24, 27), "#b07818",
                                                                 "#f7d778"))
    star = [(18 + (5.2 if i % 2 == 0 else 2.2) * math.sin(math.radians(36 * i)),
             21 - (5.2 if i % 2 == 0 else 2.2) * math.cos(math.radians(36 * i))) for i in range(10)]
    part(c, lambda p: p.polygon(star), "#fffbe0", "#d9a530", (14, 16), (22, 26), 0.45)
    gloss(c, lambda p: p.ellipse(12.5, 14.5, 17, 18.5), 0.5)


def necklace(c):
    # Bead chain hanging in an arc, with a gem pendant.
    beads = []
    for i in range(17):
        t = math.pi * (0.06 + 0.88 * i / 16)
        beads.append((18 - 12 * math.cos(t), 6 + 12 * math.sin(t)))
    m = c.mask(lambda p: [p.ellipse(x - 1.4, y - 1.4, x + 1.4, y + 1.4) for x, y in beads])
    c.fill(raster.grow(m, 5), OUTLINE)
    c.fill(m, c.linear((6, 6), (30, 18), "#fff2b8", "#9a6414"))
    part(c, lambda p: p.polygon([(18, 18), (22.5, 23.5), (18, 30.5), (13.5, 23.5)]),
         "#ffe7a0", "#8a5a12", (13, 18), (23, 30), 0.9)
    part(c, lambda p: p.polygon([(18, 20), (20.6, 23.6), (18, 28.2), (15.4, 23.6)]),
         "#7df0ff", "#0a5f8a", (15, 20), (21, 28), 0)
    gloss(c, lambda p: p.polygon([(18, 20.6), (19.4, 22.8), (17.2, 23.6)]), 0.8)
    gloss(c, lambda p: [p.ellipse(x - 0.6, y - 0.9, x + 0.2, y - 0.1) for x, y in beads], 0.6)


def helmet(c):
    # Closed knight's helm with a crest.
    part(c, lambda p: p.polygon([(17, 2), (19, 2), (21.5, 7), (14.5, 7)]), "#ff5a4a", "#7a0c0c",
         (15, 2), (21, 7), 0.8)
    part(c, lambda p: [p.ellipse(8, 5, 28, 25), p.rect(8, 15, 28, 26),
                       p.polygon([(8, 25), (28, 25), (25, 30), (11, 30)])],
         "#eef2f7", "#475061", (8, 5), (28, 30))
    c.fill(c.mask(lambda p: p.rect(10, 15.5, 26, 17.5)), "#0c0e14")
    c.fill(c.mask(lambda p: p.rect(17, 17.5, 19, 26)), "#0c0e14")
    c.fill(c.mask(lambda p: p.polygon([(17.2, 5.2), (18.8, 5.2), (18.6, 15), (17.4, 15)])),
           "#f0c860", 0.95)
    for x, y in ((11, 21), (25, 21), (12, 26.5), (24, 26.5)):
        c.fill(c.mask(lambda p, x=x, y=y: p.ellipse(x - 0.9, y - 0.9, x + 0.9, y + 0.9)),
               "#f0c860")
    gloss(c, lambda p: p.ellipse(10.5, 7, 15.5, 14), 0.45)


def bracelet(c, light_gem, mid_gem, dark_gem, metal_light, metal_dark):
    # A bangle seen from the front and a little above, gems along its face.
    m = c.mask(lambda p: [p.ellipse(4, 8, 32, 27), p.erase_ellipse(8.5, 11, 27.5, 22.5)])
    c.fill(raster.grow(m, 7), OUTLINE)
    c.fill(m, c.linear((4, 8), (32, 27), metal_light, metal_dark))
    band = c.mask(lambda p: [p.ellipse(5.5, 17, 30.5, 26), p.erase_ellipse(7.5, 14.5, 28.5, 23.5)])
    c.fill(band * m, metal_light, 0.35)
    for x, y, r in ((11, 21.8, 1.7), (18, 23.6, 2.2), (25, 21.8, 1.7)):
        gem(c, x, y, r, r * 0.9, light_gem, mid_gem, dark_gem)
    gloss(c, lambda p: p.polygon([(8, 12.5), (13, 9.6), (14, 10.6), (9.4, 13.6)]), 0.6)


def bracelet_left(c):
    bracelet(c, "#a8d8ff", "#2f6fe0", "#0a1f5a", "#ffe7a0", "#8a5a12")


def bracelet_right(c):
    bracelet(c, "#b8ffd0", "#1fa05a", "#063a1c", "#f2f4f8", "#6a7383")


def ring(c, light_gem, mid_gem, dark_gem):
    # A ring band with a large stone in prongs on top.
    m = c.mask(lambda p: [p.ellipse(9, 12, 27, 30), p.erase_ellipse(12, 15.5, 24, 27)])
    c.fill(raster.grow(m, 7), OUTLINE)
    c.fill(m, c.linear((9, 12), (27, 30), "#fff0b0", "#8a5a12"))
    gloss(c, lambda p: p.polygon([(10.5, 19), (12.5, 15.5), (13.3, 16.3), (11.6, 19.6)]), 0.6)
    part(c, lambda p: p.polygon([(12, 12), (24, 12), (22, 16), (14, 16)]), "#ffe7a0", "#8a5a12",
         (12, 12), (24, 16), 0.8)
    gem(c, 18, 8.5, 6, 5, light_gem, mid_gem, dark_gem)
    for x in (12.6, 23.4):
        c.fill(c.mask(lambda p, x=x: p.ellipse(x - 1, 7, x + 1, 10)), "#ffe39a")


def ring_left(c):
    ring(c, "#ff9aa0", "#d01c34", "#4a0410")


def ring_right(c):
    ring(c, "#e6b0ff", "#8a2fd0", "#2c0a4a")


def belt(c):
    # Leather belt across the slot with a gold buckle and studs.
    strap = [(3, 12), (33, 12), (33, 20.5), (3, 20.5)]
    part(c, lambda p: p.polygon(strap), "#b0703a", "#4a2410", (3, 12), (3, 21), 0.9)
    c.fill(c.mask(lambda p: [p.line([(4, 13.4), (33, 13.4)], 0.35),
                             p.line([(4, 19.1), (33, 19.1)], 0.35)]), "#e0b080", 0.6)
    for x in (5.5, 9, 27, 30.5):
        c.fill(c.mask(lambda p, x=x: p.ellipse(x - 1, 15.2, x + 1, 17.2)), "#ffe39a")
    part(c, lambda p: [p.rounded(11, 8, 25, 25, 3), p.erase_rounded(13.5, 10.5, 22.5, 22.5, 1.5)],
         "#fff0b0", "#8a5a12", (11, 8), (25, 25), 0.9)
    c.fill(c.mask(lambda p: p.rect(13.5, 10.5, 22.5, 22.5)), c.linear((0, 12), (0, 21),
                                                                      "#8c5028", "#3c1c0a"))
    part(c, lambda p: p.polygon([(16, 15.6), (24.5, 15.6), (24.5, 17), (16, 17)]), "#f4f6fa",
         "#6a7383", (16, 15), (24, 17), 0.5)
    gloss(c, lambda p: p.polygon([(11.8, 10.5), (13, 9), (21, 9), (20.5, 9.8), (13, 10)]), 0.6)


def shoes(c):
    # A riding boot, side view, toe to the right.
    part(c, lambda p: p.polygon([(11, 4), (21, 4), (21.5, 17), (27, 20), (31, 22.5), (31.5, 26),
                                 (10, 26), (10.5, 17)]),
         "#c0804a", "#4a2410", (10, 4), (31, 26))
    part(c, lambda p: p.polygon([(9.5, 25), (32, 25), (32, 28.5), (9.5, 28.5)]), "#3a2a20",
         "#120a06", (0, 25), (0, 29), 0.8)
    part(c, lambda p: p.polygon([(10.4, 3.5), (21.6, 3.5), (21.8, 8), (10.2, 8)]), "#fff0b0",
         "#8a5a12", (10, 3), (22, 8), 0.6)
    part(c, lambda p: p.polygon([(24, 19.2), (27, 20), (31, 22.5), (31.5, 25.2), (24, 25.2)]),
         "#eef2f7", "#5a6373", (24, 19), (32, 26), 0.5)
    c.fill(c.mask(lambda p: p.line([(12.5, 11), (19.5, 11)], 0.5)), "#2a1408", 0.7)
    c.fill(c.mask(lambda p: p.line([(12.5, 14), (19.5, 14)], 0.5)), "#2a1408", 0.7)
    gloss(c, lambda p: p.polygon([(12, 8.5), (13.5, 8.5), (13.2, 23), (11.8, 23)]), 0.35)


def gem_slot(c):
    # A brilliant-cut gem seen from the side: crown and pavilion facets.
    top, girdle, tip = 8, 14, 30
    outline = [(11, top), (25, top), (31, girdle), (18, tip), (5, girdle)]
    m = c.mask(lambda p: p.polygon(outline))
    c.fill(raster.grow(m, 7), OUTLINE)
    facets = [
        ([(11, top), (25, top), (22, girdle), (14, girdle)], "#b8fbff"),
        ([(5, girdle), (11, top), (14, girdle)], "#4fc8e8"),
        ([(25, top), (31, girdle), (22, girdle)], "#2b8fc0"),
        ([(5, girdle), (14, girdle), (18, tip)], "#1f7fb8"),
        ([(14, girdle), (22, girdle), (18, tip)], "#6fe0ff"),
        ([(22, girdle), (31, girdle), (18, tip)], "#135a8c"),
    ]
    for points, colour in facets:
        c.fill(c.mask(lambda p, points=points: p.polygon(points)), colour)
    c.fill(c.mask(lambda p: [p.line([(5, girdle), (31, girdle)], 0.45),
                             p.line([(14, girdle), (18, tip), (22, girdle)], 0.35),
                             p.line([(11, top), (14, girdle)], 0.35),
                             p.line([(25, top), (22, girdle)], 0.35)]), "#e8ffff", 0.6)
    gloss(c, lambda p: p.polygon([(12.5, 9), (17, 9), (15.5, 12.5), (13.5, 12.5)]), 0.7)
    sparkle = c.mask(lambda p: [p.polygon([(26, 3), (26.6, 5.4), (29, 6), (26.6, 6.6), (26, 9),
                                           (25.4, 6.6), (23, 6), (25.4, 5.4)])])
    c.fill(sparkle, "#ffffff", 0.95)


PAINTERS = {
    "clothes": clothes, "weapon": weapon, "medal": medal, "necklace": necklace,
    "helmet": helmet, "bracelet_left": bracelet_left, "bracelet_right": bracelet_right,
    "ring_left": ring_left, "ring_right": ring_right, "belt": belt, "shoes": shoes,
    "gem": gem_slot,
}


# --- the slot around the icon ------------------------------------------------

def slot_background(hover):
    c = Canvas(WIDTH, HEIGHT, 2)
    if hover:
        c.fill(np.ones((HEIGHT * 2, WIDTH * 2), np.float32),
               c.radial((18, 16), 24, "#5a4526", "#1a130b", 1.2))
    else:
        c.fill(np.ones((HEIGHT * 2, WIDTH * 2), np.float32),
               c.radial((18, 14), 26, "#2c323e", "#0c0e13", 1.1))
    return c.reduced()[..., :3]


def slot_frame(image, hover):
    """Bevelled one-pixel edge, plus a second gold line when hovered."""
    light, dark = (rgb("#ffdf8a"), rgb("#9a6a22")) if hover else (rgb("#5c6270"), rgb("#050608"))
    image[0, :] = light
    image[:, 0] = light
    image[-1, :] = dark
    image[:, -1] = dark
    if hover:
        inner = rgb("#c89a48")
        image[1, 1:-1] = image[1, 1:-1] * 0.4 + inner * 0.6
        image[1:-1, 1] = image[1:-1, 1] * 0.4 + inner * 0.6
        image[-2, 1:-1] = image[-2, 1:-1] * 0.5 + rgb("#6a4a18") * 0.5
        image[1:-1, -2] = image[1:-1, -2] * 0.5 + rgb("#6a4a18") * 0.5


def picture(key, hover):
    icon = Canvas(WIDTH, HEIGHT, SCALE)
    PAINTERS[key](icon)
    layer = icon.reduced()
    image = slot_background(hover)
    alpha = layer[..., 3]
    # Shadow under the icon, or a warm halo around it when hovered.
    spread = raster.blur(alpha, 2.2 if hover else 1.2)
    if hover:
        image += rgb("#ffb040") * (spread * 0.75)[..., None]
    else:
        image *= (1 - 0.6 * raster.shift(spread, 1, 1))[..., None]
    colour = layer[..., :3]
    if hover:
        colour = np.minimum(colour * 1.18 + 0.05 * alpha[..., None], 1.0)
    image = colour + image * (1 - alpha[..., None])
    slot_frame(image, hover)
    return Image.fromarray(raster.to_bytes(np.clip(image, 0, 1)), "RGB")
