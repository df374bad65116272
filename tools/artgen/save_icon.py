"""16 x 16 floppy disk for the generate button, drawn on the pixel grid so
its edges stay sharp at that size."""

from raster import Canvas

SIZE = 16


def picture():
    c = Canvas(SIZE, SIZE, 16)
    body = c.mask(lambda p: p.polygon([(1, 1), (13, 1), (15, 3), (15, 15), (1, 15)]))
    c.fill(body, "#0d1f45")
    inner = c.mask(lambda p: p.polygon([(2, 2), (12.6, 2), (14, 3.4), (14, 14), (2, 14)]))
    c.fill(inner, c.linear((2, 2), (14, 14), "#5b93e6", "#1e4596"))
    shutter = c.mask(lambda p: p.rect(4, 2, 12, 7))
    c.fill(shutter, c.linear((4, 2), (12, 7), "#f2f5fa", "#9aa5b8"))
    c.fill(c.mask(lambda p: p.rect(9, 3, 11, 6)), "#24324d")
    label = c.mask(lambda p: p.rect(3, 9, 13, 15))
    c.fill(label, c.linear((0, 9), (0, 15), "#ffffff", "#d8dde6"))
    c.fill(c.mask(lambda p: [p.rect(4, 11, 12, 12), p.rect(4, 13, 10, 14)]), "#8a9bb8")
    c.fill(c.mask(lambda p: p.rect(2, 2, 4, 3)), "#a8c8ff", 0.8)
    return c.image()
