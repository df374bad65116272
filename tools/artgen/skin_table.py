"""What the skin loads from assets/skin/, in load order: file, pixel size,
cursor hot spot, the system cursor a skin cursor stands for, and the role.

Kept line for line parallel to src/skin/skin_assets.h, which the program
reads: change both together. The generator checks every picture it draws
against this table, and tests/native/skin_assets_test.cpp checks the written
files against the header."""

from dataclasses import dataclass

FOLDER = "skin"              # under assets/; embedded as "skin/<file>"


@dataclass(frozen=True)
class Picture:
    file: str
    width: int
    height: int
    role: str


@dataclass(frozen=True)
class Cursor:
    file: str
    hot_x: int
    hot_y: int
    system: int              # the IDC_ value it stands in for
    role: str


# Numeric IDC_ values (winuser.h), so nothing here needs Windows.
IDC_ARROW, IDC_IBEAM, IDC_WAIT = 32512, 32513, 32514
IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZEWE, IDC_SIZENS, IDC_SIZEALL = 32642, 32643, 32644, 32645, 32646
IDC_HAND, IDC_HELP = 32649, 32651
IDC_NAMES = {IDC_ARROW: "IDC_ARROW", IDC_IBEAM: "IDC_IBEAM", IDC_WAIT: "IDC_WAIT",
             IDC_SIZENWSE: "IDC_SIZENWSE", IDC_SIZENESW: "IDC_SIZENESW", IDC_SIZEWE: "IDC_SIZEWE",
             IDC_SIZENS: "IDC_SIZENS", IDC_SIZEALL: "IDC_SIZEALL", IDC_HAND: "IDC_HAND",
             IDC_HELP: "IDC_HELP"}

CURSOR_SIZE = 32

# Cell strips: (cell width, cell height, pitch, count); cells count from 1.
FRAME_CELLS = (13, 28, 14, 9)        # control_00: DrawFrame states
FRAME_NORMAL, FRAME_HOVER, FRAME_PRESSED, FRAME_FOCUSED = 1, 2, 3, 4   # also below 29 px
FRAME_PANEL_LIGHT, FRAME_PANEL_DARK, FRAME_FIELD, FRAME_FIELD_FOCUSED, FRAME_TOOLTIP = 5, 6, 7, 8, 9
STRIP_CELLS = (21, 16, 22, 6)        # control_01: DrawStripIcon cells
STRIP_CLOSE, STRIP_MAXIMISE, STRIP_RESTORE, STRIP_MINIMISE, STRIP_CHECK_OFF, STRIP_CHECK_ON = \
    1, 2, 3, 4, 5, 6
OPTION_CELLS = (14, 14, 15, 5)       # control_02
OPTION_OFF, OPTION_OFF_HOVER, OPTION_ON, OPTION_ON_HOVER, OPTION_DISABLED = 1, 2, 3, 4, 5
PICTURE_FRAME_CELLS = (63, 57, 64, 3)  # control_03
BUTTON_FACE_CELLS = (73, 22, 73, 2)  # control_04
LINK_MARKER_CELLS = (13, 14, 14, 4)  # control_08
BUSY_EMBLEM_CELLS = (56, 56, 57, 4)      # control_09
BOX_BADGE_CELLS = (14, 14, 15, 5)    # image_07
BADGE_STOP, BADGE_QUESTION, BADGE_EXCLAMATION, BADGE_INFORMATION, BADGE_TIP = 1, 2, 3, 4, 5
SMALL_ARROW_CELLS = (9, 9, 9, 3)     # image_10
SCROLL_THUMB_CELLS = (13, 13, 14, 3)  # image_13
CAPTION_FACE_CELLS = (31, 23, 32, 2)  # image_15
SPIN_BUTTON_CELLS = (13, 13, 15, 3)  # image_18

SKIN_IMAGES = [
    Picture("image_00.png", 339, 127, "emblem banner; loaded, drawn by no painter"),
    Picture("image_01.png", 17, 16, "size grip, bottom-right corner of a resizable skinned window"),
    Picture("image_02.png", 29, 32, "button painter: glow behind the picture, at the hover level"),
    Picture("image_03.png", 91, 26, "title cartouche behind a window title; 3-slice, caps 14"),
    Picture("image_04.png", 19, 19, "slider thumb"),
    Picture("image_05.png", 103, 28, "edit item field; 3-slice, caps 6"),
    Picture("image_06.png", 16, 16, "window icon when the window has no small icon"),
    Picture("image_07.png", 74, 14, "message-box title badges (BOX_BADGE_CELLS)"),
    Picture("image_08.png", 71, 28, "hover plate under a link label; 3-slice, caps 12"),
    Picture("image_09.png", 47, 16, "progress bar: rows 0-7 trough, rows 8-15 fill; caps 4"),
    Picture("image_10.png", 27, 9, "small arrows up, down, right (SMALL_ARROW_CELLS)"),
    Picture("image_11.png", 562, 23, "caption band of a skinned window, cut to its width"),
    Picture("image_12.png", 39, 34, "corner ornament, top left; mirrored for the others"),
    Picture("image_13.png", 41, 13, "scroll thumb normal, hover, pressed (SCROLL_THUMB_CELLS); "
                                    "caps 5"),
    Picture("image_14.png", 79, 24, "message-box flourish, centred on the button-bar line"),
    Picture("image_15.png", 63, 23, "minimise/maximise button face hover, pressed "
                                    "(CAPTION_FACE_CELLS)"),
    Picture("image_16.png", 47, 23, "close button face under the pointer"),
    Picture("image_17.png", 23, 7, "slider track; 3-slice, caps 8"),
    Picture("image_18.png", 43, 13, "spin buttons up, down, drop-down (SPIN_BUTTON_CELLS)"),
    Picture("image_19.png", 63, 13, "scroll track; 3-slice, caps 6"),
    Picture("image_20.png", 71, 13, "divider line; 3-slice, caps 20"),
    Picture("image_21.png", 90, 24, "focus halo around the focused caption button; caps 12"),
    Picture("image_22.png", 37, 38, "crest; loaded, drawn by no painter"),
]

CONTROL_IMAGES = [
    Picture("control_00.png", 138, 28, "DrawFrame cells (FRAME_CELLS, FRAME_*); columns 126.. "
                                       "unused"),
    Picture("control_01.png", 131, 16, "DrawStripIcon cells (STRIP_CELLS, STRIP_*)"),
    Picture("control_02.png", 74, 14, "option button (OPTION_CELLS, OPTION_*)"),
    Picture("control_03.png", 191, 57, "picture/link item frame normal, hover, pressed; "
                                       "9-slice, corners 8"),
    Picture("control_04.png", 146, 22, "face of a button with a picture: normal, hover; caps 8"),
    Picture("control_05.png", 559, 22, "tip-line band under a status label, cut to its width"),
    Picture("control_06.png", 12, 12, "label bullet in the 12-pixel left part of a label"),
    None,                                 # slot 7 stays empty
    Picture("control_08.png", 55, 14, "link marker normal, hover, pressed, disabled "
                                      "(LINK_MARKER_CELLS)"),
    Picture("control_09.png", 227, 56, "busy emblem, four frames 22.5 degrees apart "
                                       "(BUSY_EMBLEM_CELLS)"),
]

CURSORS = [
    Cursor("cursor_00.cur", 8, 3, IDC_ARROW, "arrow; the window-class cursor"),
    Cursor("cursor_01.cur", 27, 3, IDC_ARROW, "arrow pointing up-right"),
    Cursor("cursor_02.cur", 16, 13, IDC_SIZENWSE, "size north-west / south-east"),
    Cursor("cursor_03.cur", 16, 13, IDC_SIZENESW, "size north-east / south-west"),
    Cursor("cursor_04.cur", 9, 20, IDC_IBEAM, "text beam of the edit item"),
    Cursor("cursor_05.cur", 6, 3, IDC_HELP, "arrow with question mark"),
    Cursor("cursor_06.cur", 15, 12, IDC_SIZEWE, "size west / east"),
    Cursor("cursor_07.cur", 10, 3, IDC_HAND, "hand; over clickable items"),
    Cursor("cursor_08.cur", 16, 11, IDC_SIZEALL, "move"),
    Cursor("cursor_09.cur", 15, 12, IDC_HELP, "question medallion"),
    Cursor("cursor_10.cur", 15, 11, IDC_IBEAM, "text beam over kind-108 items"),
    Cursor("cursor_11.cur", 6, 3, IDC_WAIT, "arrow with hourglass"),
    Cursor("cursor_12.cur", 15, 12, IDC_SIZENS, "size north / south"),
]


def cell_x(cells, n):
    """Left column of cell n (counted from 1) of a strip."""
    return (n - 1) * cells[2]


def strip_width(cells):
    w, _, pitch, count = cells
    return (count - 1) * pitch + w
