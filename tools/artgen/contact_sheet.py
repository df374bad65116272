"""docs/skin-assets.png: every skin picture and cursor enlarged with nearest
neighbour on a checkerboard (so alpha shows), labelled with its file name and
size; cursors with their hot spot marked, strips with their cell numbers."""

from PIL import Image, ImageDraw, ImageFont

SHEET_WIDTH = 1280
MARGIN = 16
GAP_X, GAP_Y = 18, 14
LABEL_HEIGHT = 30
BACKDROP = (24, 25, 30)
CHECKER = ((92, 92, 98), (128, 128, 134))
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"


class Tile:
    def __init__(self, name, image, hot=None, cells=None, note=""):
        self.name, self.image, self.hot, self.cells, self.note = name, image, hot, cells, note
        w, h = image.size
        self.zoom = 4 if max(w, h) <= 40 else 3 if w * 3 <= 400 and h * 3 <= 200 else \
            2 if w * 2 <= 700 else 1
        self.width = max(w * self.zoom, 150)
        self.height = h * self.zoom + LABEL_HEIGHT + (12 if cells else 0)


def _checker(w, h, square):
    board = Image.new("RGB", (w, h), CHECKER[0])
    draw = ImageDraw.Draw(board)
    for y in range(0, h, square):
        for x in range(0, w, square):
            if (x // square + y // square) % 2:
                draw.rectangle([x, y, x + square - 1, y + square - 1], fill=CHECKER[1])
    return board


def _paint(sheet, draw, tile, x, y, fonts):
    w, h = tile.image.size
    z = tile.zoom
    big = tile.image.resize((w * z, h * z), Image.NEAREST)
    board = _checker(w * z, h * z, 4 * z if z > 1 else 6)
    board.paste(big, (0, 0), big)
    sheet.paste(board, (x, y))
    if tile.hot:
        hx, hy = x + tile.hot[0] * z + z // 2, y + tile.hot[1] * z + z // 2
        for dx, dy in ((1, 1), (0, 0)):
            colour = (0, 0, 0) if dx else (0, 255, 255)
            draw.line([hx - 6 + dx, hy + dy, hx + 6 + dx, hy + dy], fill=colour)
            draw.line([hx + dx, hy - 6 + dy, hx + dx, hy + 6 + dy], fill=colour)
    top = y + h * z
    if tile.cells:
        cw, _, pitch, count = tile.cells
        for n in range(1, count + 1):
            cx = x + ((n - 1) * pitch + cw / 2) * z
            draw.text((cx, top + 2), str(n), font=fonts[2], fill=(150, 200, 255), anchor="mt")
        top += 12
    draw.text((x, top + 3), tile.name, font=fonts[0], fill=(236, 214, 160))
    draw.text((x, top + 17), _info(tile), font=fonts[1], fill=(170, 170, 176))


def _info(tile):
    w, h = tile.image.size
    info = f"{w} x {h}" + (f"  hot {tile.hot[0]},{tile.hot[1]}" if tile.hot else "")
    return info + ("  " + tile.note if tile.note else "")


def write(path, sections):
    """sections: [(title, [Tile, ...]), ...]. Lays the tiles out in rows."""
    fonts = (ImageFont.truetype(FONT_BOLD, 12), ImageFont.truetype(FONT, 11),
             ImageFont.truetype(FONT, 10))
    title_font = ImageFont.truetype(FONT_BOLD, 16)
    placed, y = [], MARGIN
    for title, tiles in sections:
        placed.append(("title", title, MARGIN, y))
        y += 28
        x, row_h = MARGIN, 0
        for tile in tiles:
            tile.width = max(tile.width, int(fonts[1].getlength(_info(tile))) + 4)
            if x + tile.width > SHEET_WIDTH - MARGIN and x > MARGIN:
                x, y = MARGIN, y + row_h + GAP_Y
                row_h = 0
            placed.append(("tile", tile, x, y))
            x += tile.width + GAP_X
            row_h = max(row_h, tile.height)
        y += row_h + GAP_Y + 6
    sheet = Image.new("RGB", (SHEET_WIDTH, y + MARGIN - GAP_Y), BACKDROP)
    draw = ImageDraw.Draw(sheet)
    for kind, item, x, y in placed:
        if kind == "title":
            draw.text((x, y), item, font=title_font, fill=(224, 179, 94))
            draw.line([x, y + 22, SHEET_WIDTH - MARGIN, y + 22], fill=(110, 86, 46))
        else:
            _paint(sheet, draw, item, x, y, fonts)
    sheet.save(path, "PNG", optimize=True)
