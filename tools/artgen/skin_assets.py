"""Writes the skin's pictures and cursors into assets/skin/ and the contact
sheet that shows them all. Every picture is checked against skin_table (the
twin of src/skin/skin_assets.h) before anything is written."""

import os

import contact_sheet
import control_images
import cur_file
import cursors
import skin_images
from skin_table import (CONTROL_IMAGES, CURSOR_SIZE, CURSORS, FOLDER, FRAME_CELLS, IDC_NAMES,
                        SKIN_IMAGES, STRIP_CELLS)


def _checked(kind, specs, images):
    if len(images) != len(specs):
        raise ValueError(f"{len(images)} {kind} drawn, the table lists {len(specs)}")
    for index, (spec, image) in enumerate(zip(specs, images)):
        if (spec is None) != (image is None):
            raise ValueError(f"{kind} {index}: drawn and listed disagree about the empty slot")
        if spec is None:
            continue
        if image.mode != "RGBA" or image.size != (spec.width, spec.height):
            raise ValueError(f"{spec.file} is {image.mode} {image.size}, "
                             f"the table says RGBA {spec.width} x {spec.height}")
    return images


def draw():
    """(skin images, control images, cursor pictures), checked."""
    skins = _checked("skin images", SKIN_IMAGES, skin_images.pictures())
    controls = _checked("control images", CONTROL_IMAGES, control_images.pictures())
    pointers = cursors.pictures()
    for spec, image in zip(CURSORS, pointers):
        if image.size != (CURSOR_SIZE, CURSOR_SIZE):
            raise ValueError(f"{spec.file} is {image.size}")
    return skins, controls, pointers


def write(asset_dir, save_png, sheet_path=None):
    """Writes assets/skin/*; returns the names written, relative to asset_dir
    ("skin/image_00.png", ...), as the program embeds them."""
    skins, controls, pointers = draw()
    folder = os.path.join(asset_dir, FOLDER)
    os.makedirs(folder, exist_ok=True)
    written = []
    for spec, image in zip(SKIN_IMAGES + CONTROL_IMAGES, skins + controls):
        if spec is not None:
            save_png(image, os.path.join(folder, spec.file))
            written.append(f"{FOLDER}/{spec.file}")
    for spec, image in zip(CURSORS, pointers):
        cur_file.write(os.path.join(folder, spec.file), image, spec.hot_x, spec.hot_y)
        written.append(f"{FOLDER}/{spec.file}")
    if sheet_path:
        write_sheet(sheet_path, skins, controls, pointers)
    return written


def write_sheet(path, skins, controls, pointers):
    cells = {"control_00.png": FRAME_CELLS, "control_01.png": STRIP_CELLS}
    sections = [
        ("Skin images (skinImages 0-22)",
         [contact_sheet.Tile(s.file, im, note=f"#{i}") for i, (s, im) in
          enumerate(zip(SKIN_IMAGES, skins))]),
        ("Control images (controlImages 0-9, slot 7 empty)",
         [contact_sheet.Tile(s.file, im, cells=cells.get(s.file), note=f"#{i}")
          for i, (s, im) in enumerate(zip(CONTROL_IMAGES, controls)) if s is not None]),
        ("Cursors (skinCursors 0-12)",
         [contact_sheet.Tile(s.file, im, hot=(s.hot_x, s.hot_y),
                             note=f"#{i} {IDC_NAMES[s.system]}")
          for i, (s, im) in enumerate(zip(CURSORS, pointers))]),
    ]
    contact_sheet.write(path, sections)
