"""Draws every embedded picture, the click sound and the program icon from the
window layout printed by layout_dump.

    /usr/bin/python3 artgen.py LAYOUT_JSON OUTPUT_DIR [--preview FILE]

Deterministic: fixed seeds, fixed encoder settings, no metadata, so running
it twice writes identical bytes."""

import argparse
import os
import sys

import app_icon
import background
import click_sound
import ico_file
import picture_link
import save_icon
import skin_assets
import slot_icons
import tip_icon
from layout import Layout

JPEG_BACKGROUND = dict(quality=92, subsampling=0, optimize=True, progressive=False)
JPEG_SLOT = dict(quality=95, subsampling=0, optimize=True, progressive=False)
ICON_FILE = "app_icon.ico"
CONTACT_SHEET = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, os.pardir,
                             "docs", "skin-assets.png")


def save_png(image, path):
    assert image.mode == "RGBA"
    image.save(path, "PNG", optimize=True)


def expected_slot_files(layout):
    files = {}
    for button in layout.slot_buttons():
        slot = button.slot
        files[slot["normal"]] = (slot["key"], False, button.rect)
        files[slot["hover"]] = (slot["key"], True, button.rect)
    return files


def generate(layout, out_dir, sheet_path=None):
    """Writes every asset the layout names; returns the file names written."""
    written = []

    def path(name):
        written.append(name)
        return os.path.join(out_dir, name)

    bg = background.render(layout)
    bg.save(path(layout.background), "JPEG", **JPEG_BACKGROUND)
    save_png(save_icon.picture(), path("save_icon.png"))
    save_png(picture_link.picture(), path("picture_link.png"))
    save_png(tip_icon.picture(), path("tip_icon.png"))
    click_sound.write(path("click.wav"))
    for name, (key, hover, rect) in sorted(expected_slot_files(layout).items()):
        image = slot_icons.picture(key, hover)
        if image.size != (rect.w, rect.h):
            raise ValueError(f"{name} is {image.size}, its button is {rect.w} x {rect.h}")
        image.save(path(name), "JPEG", **JPEG_SLOT)
    ico_file.write(path(ICON_FILE), [app_icon.picture(n) for n in app_icon.SIZES])
    written += skin_assets.write(out_dir, save_png, sheet_path)

    missing = set(layout.assets) - set(written)
    if missing:
        raise ValueError(f"the program names assets nobody drew: {sorted(missing)}")
    return written


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("layout")
    parser.add_argument("out_dir")
    parser.add_argument("--preview", help="also write a 2x preview PNG of the window face")
    parser.add_argument("--contact-sheet", default=os.path.normpath(CONTACT_SHEET),
                        help="where the skin's contact sheet goes (default: docs/skin-assets.png)")
    args = parser.parse_args(argv)
    layout = Layout.load(args.layout)
    os.makedirs(args.out_dir, exist_ok=True)
    for name in generate(layout, args.out_dir, args.contact_sheet):
        print(os.path.join(args.out_dir, name))
    print(args.contact_sheet)
    if args.preview:
        import preview
        preview.write(layout, args.out_dir, args.preview)
        print(args.preview)


if __name__ == "__main__":
    main(sys.argv[1:])
