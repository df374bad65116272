"""128 x 128 magnifier shown in the tip boxes."""

import raster
from raster import Canvas

SIZE = 128


def picture():
    c = Canvas(SIZE, SIZE, 4)
    cx, cy, r = 52, 50, 34
    handle = lambda p: p.line([(cx + 30, cy + 30), (116, 114)], 17)  # noqa: E731
    everything = c.mask(lambda p: [p.ellipse(cx - r - 9, cy - r - 9, cx + r + 9, cy + r + 9),
                                   handle(p)])
    c.fill(raster.blur(raster.shift(everything, 4 * 4, 5 * 4), 4 * 4), "#000000", 0.4)

    grip = c.mask(handle)
    c.fill(grip, c.linear((90, 80), (110, 100), "#5a3a24", "#1a0e06"))
    c.fill(c.mask(lambda p: p.line([(cx + 33, cy + 31), (113, 109)], 4)), "#b08060", 0.35)
    collar = c.mask(lambda p: p.line([(cx + 25, cy + 25), (cx + 38, cy + 38)], 20))
    c.fill(collar, c.linear((cx + 20, cy + 20), (cx + 40, cy + 40), "#ffe7a0", "#7a4c10"))
    for t in (0.3, 0.7):
        x, y = cx + 25 + 13 * t, cy + 25 + 13 * t
        c.fill(c.mask(lambda p, x=x, y=y: p.line([(x - 8, y + 8), (x + 8, y - 8)], 1.5)),
               "#5a380a", 0.7)

    rim = c.mask(lambda p: [p.ellipse(cx - r - 9, cy - r - 9, cx + r + 9, cy + r + 9),
                            p.erase_ellipse(cx - r, cy - r, cx + r, cy + r)])
    c.fill(rim, c.linear((cx - r, cy - r), (cx + r, cy + r), "#fff3c4", "#8a5410"))
    bevel = c.mask(lambda p: [p.ellipse(cx - r - 4, cy - r - 4, cx + r + 4, cy + r + 4),
                              p.erase_ellipse(cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1)])
    c.fill(bevel, c.linear((cx + r, cy + r), (cx - r, cy - r), "#ffe9a8", "#6a400a"), 0.8)

    glass = c.mask(lambda p: p.ellipse(cx - r, cy - r, cx + r, cy + r))
    c.fill(glass, c.radial((cx - 10, cy - 12), r * 1.6, "#f2fbff", "#3f8fd0", 0.9), 0.78)
    shade = c.mask(lambda p: [p.ellipse(cx - r, cy - r, cx + r, cy + r),
                              p.erase_ellipse(cx - r + 6, cy - r + 8, cx + r + 6, cy + r + 8)])
    c.fill(shade * glass, "#0a2a55", 0.35)
    shine = c.mask(lambda p: [p.ellipse(cx - r + 7, cy - r + 6, cx + 6, cy + 2),
                              p.erase_ellipse(cx - r + 12, cy - r + 12, cx + 14, cy + 12)])
    c.fill(shine * glass, "#ffffff", 0.85)
    c.fill(c.mask(lambda p: p.ellipse(cx + 10, cy + 14, cx + 18, cy + 22)), "#ffffff", 0.5)
    return c.image()
