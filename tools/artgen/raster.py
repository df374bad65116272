"""A small premultiplied-RGBA painter over numpy, drawn supersampled and
reduced with a box filter, so edges are anti-aliased and pixel-aligned shapes
stay crisp. Coordinates are always given in output pixels."""

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont


def rgb(colour):
    """'#rrggbb' or (r, g, b) in 0..255 -> float array 0..1."""
    if isinstance(colour, str):
        colour = tuple(int(colour[i:i + 2], 16) for i in (1, 3, 5))
    return np.array(colour[:3], np.float32) / 255.0


def mix(a, b, t):
    return rgb(a) * (1 - t) + rgb(b) * t


class Canvas:
    def __init__(self, width, height, scale=4):
        self.width, self.height, self.scale = width, height, scale
        self.pixels = np.zeros((height * scale, width * scale, 4), np.float32)

    # --- masks -----------------------------------------------------------
    def mask(self, draw):
        """Calls draw(pen) and returns the coverage it painted as floats."""
        image = Image.new("L", (self.width * self.scale, self.height * self.scale), 0)
        draw(Pen(ImageDraw.Draw(image), self.scale))
        return np.asarray(image, np.float32) / 255.0

    def grid(self):
        """Output-pixel coordinates of every sample's centre."""
        s = self.scale
        ys = (np.arange(self.height * s, dtype=np.float32) + 0.5) / s
        xs = (np.arange(self.width * s, dtype=np.float32) + 0.5) / s
        return np.meshgrid(xs, ys)

    # --- paints ----------------------------------------------------------
    def linear(self, p0, p1, c0, c1):
        x, y = self.grid()
        dx, dy = p1[0] - p0[0], p1[1] - p0[1]
        t = ((x - p0[0]) * dx + (y - p0[1]) * dy) / max(dx * dx + dy * dy, 1e-6)
        t = np.clip(t, 0, 1)[..., None]
        return rgb(c0) * (1 - t) + rgb(c1) * t

    def radial(self, centre, radius, c0, c1, power=1.0):
        x, y = self.grid()
        t = np.sqrt((x - centre[0]) ** 2 + (y - centre[1]) ** 2) / radius
        t = np.clip(t, 0, 1) ** power
        return rgb(c0) * (1 - t[..., None]) + rgb(c1) * t[..., None]

    def fill(self, mask, paint, opacity=1.0):
        """Composites paint (a colour or an HxWx3 array) over the canvas."""
        if not isinstance(paint, np.ndarray) or paint.ndim == 1:
            paint = rgb(paint) if not isinstance(paint, np.ndarray) else paint
        alpha = (mask * opacity)[..., None]
        self.pixels[..., :3] = paint * alpha + self.pixels[..., :3] * (1 - alpha)
        self.pixels[..., 3:] = alpha + self.pixels[..., 3:] * (1 - alpha)

    def add(self, mask, colour, amount=1.0, cover=0.0):
        """Additive light (glows): brightens whatever ends up below it. With
        cover > 0 it also becomes partly opaque, for pictures with alpha."""
        light = (mask * amount)[..., None]
        self.pixels[..., :3] = np.minimum(self.pixels[..., :3] + rgb(colour) * light, 1.0)
        self.pixels[..., 3:] = np.minimum(self.pixels[..., 3:] + light * cover, 1.0)

    def over(self, other):
        """Puts another canvas of the same size on top."""
        a = other.pixels[..., 3:]
        self.pixels[..., :3] = other.pixels[..., :3] + self.pixels[..., :3] * (1 - a)
        self.pixels[..., 3:] = a + self.pixels[..., 3:] * (1 - a)

    # --- output ----------------------------------------------------------
    def reduced(self):
        """Premultiplied RGBA at output size (box filter)."""
        s = self.scale
        p = self.pixels.reshape(self.height, s, self.width, s, 4)
        return p.mean(axis=(1, 3))

    def image(self, background=None):
        """PIL image: RGBA (straight alpha), or RGB over a solid background."""
        p = self.reduced()
        if background is not None:
            out = p[..., :3] + rgb(background) * (1 - p[..., 3:])
            return Image.fromarray(to_bytes(out), "RGB")
        a = p[..., 3:]
        colour = np.where(a > 1e-6, p[..., :3] / np.maximum(a, 1e-6), 0)
        return Image.fromarray(to_bytes(np.concatenate([colour, a], axis=2)), "RGBA")


class Pen:
    """ImageDraw with coordinates in output pixels."""

    def __init__(self, draw, scale):
        self.draw, self.s = draw, scale

    def _p(self, points):
        return [(x * self.s, y * self.s) for x, y in points]

    def polygon(self, points):
        self.draw.polygon(self._p(points), fill=255)

    def ellipse(self, x0, y0, x1, y1):
        self.draw.ellipse([x0 * self.s, y0 * self.s, x1 * self.s - 1, y1 * self.s - 1], fill=255)

    def rect(self, x0, y0, x1, y1):
        """Covers output pixels x0..x1-1, y0..y1-1 exactly."""
        self.draw.rectangle([x0 * self.s, y0 * self.s, x1 * self.s - 1, y1 * self.s - 1], fill=255)

    def rounded(self, x0, y0, x1, y1, radius):
        self.draw.rounded_rectangle([x0 * self.s, y0 * self.s, x1 * self.s - 1, y1 * self.s - 1],
                                    radius=radius * self.s, fill=255)

    def line(self, points, width):
        self.draw.line(self._p(points), fill=255, width=max(1, round(width * self.s)),
                       joint="curve")

    def erase_polygon(self, points):
        self.draw.polygon(self._p(points), fill=0)

    def erase_ellipse(self, x0, y0, x1, y1):
        self.draw.ellipse([x0 * self.s, y0 * self.s, x1 * self.s - 1, y1 * self.s - 1], fill=0)

    def erase_rounded(self, x0, y0, x1, y1, radius):
        self.draw.rounded_rectangle([x0 * self.s, y0 * self.s, x1 * self.s - 1, y1 * self.s - 1],
                                    radius=radius * self.s, fill=0)

    def erase_rect(self, x0, y0, x1, y1):
        self.draw.rectangle([x0 * self.s, y0 * self.s, x1 * self.s - 1, y1 * self.s - 1], fill=0)


def to_bytes(values):
    return np.clip(np.round(values * 255.0), 0, 255).astype(np.uint8)


def blur(mask, radius):
    """Gaussian blur of a float mask; radius in mask samples."""
    image = Image.fromarray(to_bytes(mask), "L").filter(ImageFilter.GaussianBlur(radius))
    return np.asarray(image, np.float32) / 255.0


def grow(mask, samples):
    """Dilates a mask by about `samples` samples."""
    size = 2 * samples + 1
    image = Image.fromarray(to_bytes(mask), "L").filter(ImageFilter.MaxFilter(size))
    return np.asarray(image, np.float32) / 255.0


def shrink(mask, samples):
    size = 2 * samples + 1
    image = Image.fromarray(to_bytes(mask), "L").filter(ImageFilter.MinFilter(size))
    return np.asarray(image, np.float32) / 255.0


def shift(mask, dx, dy):
    """Moves a mask by whole samples, filling with zero."""
    out = np.zeros_like(mask)
    h, w = mask.shape
    ys, yd = (slice(0, h - dy), slice(dy, h)) if dy >= 0 else (slice(-dy, h), slice(0, h + dy))
    xs, xd = (slice(0, w - dx), slice(dx, w)) if dx >= 0 else (slice(-dx, w), slice(0, w + dx))
    out[yd, xd] = mask[ys, xs]
    return out


FONT_DIR = "/usr/share/fonts/opentype/noto/"


def cjk_font(size, bold=False):
    name = "NotoSansCJK-Bold.ttc" if bold else "NotoSansCJK-Regular.ttc"
    # Index 2 of the collection is the Simplified Chinese face.
    return ImageFont.truetype(FONT_DIR + name, size, index=2)


def text_mask(width, height, x, y, text, font):
    """Coverage of text drawn at output size (hinted, not supersampled)."""
    image = Image.new("L", (width, height), 0)
    ImageDraw.Draw(image).text((x, y), text, font=font, fill=255)
    return np.asarray(image, np.float32) / 255.0


def upscale(mask, scale):
    return np.repeat(np.repeat(mask, scale, axis=0), scale, axis=1)
