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


def _checked(kind, entries, images):
    if len(images) != len(entries):
        raise ValueError(f"{len(images)} {kind} drawn, the table lists {len(entries)}")
    for index, (entry, image) in enumerate(zip(entries, images)):
        if (entry is None) != (image is None):
            raise ValueError(f"{kind} {index}: drawn and listed disagree about the empty slot")
        if entry is None:
            continue
        if image.mode != "RGBA" or image.size != (entry.width, entry.height):
            raise ValueError(f"{entry.file} is {image.mode} {image.size}, "
                             f"the table says RGBA {entry.width} x {entry.height}")
    return images


def draw():
    """(skin images, control images, cursor pictures), checked."""
    skins = _checked("skin images", SKIN_IMAGES, skin_images.pictures())
    controls = _checked("control images", CONTROL_IMAGES, control_images.pictures())
    pointers = cursors.pictures()
    for entry, image in zip(CURSORS, pointers):
        if image.size != (CURSOR_SIZE, CURSOR_SIZE):
            raise ValueError(f"{entry.file} is {image.size}")
    return skins, controls, pointers


def write(asset_dir, save_png, sheet_path=None):
    """Writes assets/skin/*; returns the names written, relative to asset_dir
    ("skin/image_00.png", ...), as the program embeds them."""
    skins, controls, pointers = draw()
    folder = os.path.join(asset_dir, FOLDER)
    os.makedirs(folder, exist_ok=True)
    written = []
    for entry, image in zip(SKIN_IMAGES + CONTROL_IMAGES, skins + controls):
        if entry is not None:
            save_png(image, os.path.join(folder, entry.file))
            written.append(f"{FOLDER}/{entry.file}")
    for entry, image in zip(CURSORS, pointers):
        cur_file.write(os.path.join(folder, entry.file), image, entry.hot_x, entry.hot_y)
        written.append(f"{FOLDER}/{entry.file}")
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
