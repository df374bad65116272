"""The program's icon: a horned helmet with glowing eyes on a round shield,
drawn separately at 16, 32 and 48 pixels."""

import raster
from raster import Canvas

SIZES = (16, 32, 48)


def picture(size):
    u = size / 48.0                       # design units are 48ths of the icon
    c = Canvas(size, size, 16 if size < 48 else 8)

    def s(points):
        return [(x * u, y * u) for x, y in points]

    disc = c.mask(lambda p: p.ellipse(1 * u, 1 * u, 47 * u, 47 * u))
    c.fill(disc, "#1a0a06")
    c.fill(c.mask(lambda p: p.ellipse(3 * u, 3 * u, 45 * u, 45 * u)),
           c.radial((24 * u, 18 * u), 26 * u, "#8a1c14", "#2a0604"))
    horns = c.mask(lambda p: [
        p.polygon(s([(13, 22), (6, 17), (3, 7), (8, 13), (15, 16)])),
        p.polygon(s([(35, 22), (42, 17), (45, 7), (40, 13), (33, 16)]))])
    c.fill(raster.grow(horns, 6), "#120806")
    c.fill(horns, c.linear((0, 7 * u), (0, 22 * u), "#fff4d8", "#a08060"))
    helm = c.mask(lambda p: [p.ellipse(12 * u, 10 * u, 36 * u, 34 * u),
                             p.polygon(s([(12, 22), (36, 22), (33, 41), (15, 41)]))])
    c.fill(raster.grow(helm, 6), "#0a0a0e")
    c.fill(helm, c.linear((12 * u, 10 * u), (36 * u, 41 * u), "#eef2f8", "#4a5466"))
    c.fill(c.mask(lambda p: p.polygon(s([(16, 24), (32, 24), (30, 28), (18, 28)]))), "#0a0a0e")
    c.fill(c.mask(lambda p: p.rect(22.5 * u, 28 * u, 25.5 * u, 39 * u)), "#0a0a0e")
    eyes = c.mask(lambda p: [p.ellipse(17.5 * u, 24.6 * u, 22.5 * u, 27.4 * u),
                             p.ellipse(25.5 * u, 24.6 * u, 30.5 * u, 27.4 * u)])
    c.fill(raster.blur(eyes, 3 * c.scale * u), "#ff3010", 0.9)
    c.fill(eyes, "#ffd040")
    c.fill(c.mask(lambda p: p.polygon(s([(23, 10.5), (25, 10.5), (25, 23), (23, 23)]))),
           "#f0c060", 0.9)
    c.fill(c.mask(lambda p: p.ellipse(15 * u, 13 * u, 21 * u, 20 * u)), "#ffffff", 0.4)
    return c.image()
