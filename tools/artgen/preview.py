"""A 2x picture of the window face as the user first sees it: the background
with the slot pictures on their buttons, the slot-name boxes with their
placeholders, the field panel, the bottom-strip controls and the clock.
Controls are only mocked up; the point is to see the artwork under them."""

import os

from PIL import Image, ImageDraw

import raster


def _box(draw, rect, fill, outline=None):
    draw.rectangle([rect.x, rect.y, rect.right - 1, rect.bottom - 1], fill=fill, outline=outline)


def _centred(draw, rect, text, font, fill):
    left, top, right, bottom = draw.textbbox((0, 0), text, font=font)
    draw.text((rect.x + (rect.w - (right - left)) / 2 - left,
               rect.y + (rect.h - (bottom - top)) / 2 - top), text, font=font, fill=fill)


def write(layout, asset_dir, out_path):
    face = Image.open(os.path.join(asset_dir, layout.background)).convert("RGB")
    window = Image.new("RGB", (layout.width, layout.height), (0, 0, 0))
    window.paste(face, (0, 0))
    draw = ImageDraw.Draw(window)
    font = raster.cjk_font(11)
    for button in layout.slot_buttons():
        window.paste(Image.open(os.path.join(asset_dir, button.slot["normal"])),
                     (button.rect.x, button.rect.y))
        box = layout.name_box(button.slot["key"])
        _box(draw, box.rect, (192, 192, 192))
        _centred(draw, box.rect, box.text, font, (0, 0, 255))
    for c in layout.controls:
        if not c.visible or c.slot is not None or c.kind in ("Timer", "TransLabel"):
            continue
        if c.kind == "EditBox" and c.rect.h == 15:
            continue
        if c.kind == "PicBox" and c.name != "图片框_标志":
            _box(draw, c.rect, (0, 0, 0), (90, 90, 90))
        elif c.kind == "PicBox":
            strip = Image.open(os.path.join(asset_dir, "picture_link.png"))
            window.paste(strip.crop((0, 0, 41, 42)).resize((c.rect.w - 14, c.rect.h)),
                         (c.rect.x, c.rect.y), strip.crop((0, 0, 41, 42)).resize(
                             (c.rect.w - 14, c.rect.h)))
        elif c.kind in ("ComboBox", "EditBox"):
            _box(draw, c.rect, (255, 255, 255) if c.kind == "EditBox" else (40, 40, 40),
                 (120, 120, 120))
            _centred(draw, c.rect, c.text, font, (0, 0, 0) if c.kind == "EditBox" else
                     (255, 255, 255))
        elif c.kind == "Label" and c.name in ("标签_关于", "标签_空间"):
            _centred(draw, c.rect, c.text, font, (255, 255, 255))
        else:
            _box(draw, c.rect, (70, 70, 90), (150, 150, 150))
            _centred(draw, c.rect, c.text, font, (255, 255, 0) if c.name == "标签_提示"
                     else (255, 255, 255))
    clock = layout.by_name("透明标签_时间")
    _centred(draw, clock.rect, clock.text, font, (0x60, 0x60, 0x60))
    window.resize((layout.width * 2, layout.height * 2), Image.LANCZOS).save(out_path)
