"""Connector lines from each slot frame to its slot-name plate.

Every coordinate is derived from the control rectangles, so the lines follow
the layout. The buttons stand in three columns; the right column is a wall
with narrow gaps, and everything from the left has to thread those gaps and
then fan out through the channel between the buttons and the name plates.
Routes are orthogonal polylines of whole pixels; check() proves they keep clear
of every control, of each other and of the hint."""

from dataclasses import dataclass, field

from layout import Rect

FRAME = 1   # ring drawn around a slot button
PLATE = 3   # ring drawn around a slot-name box
CLEAR = 1   # free pixels kept between a line and any frame, plate or control
LANE = 5    # distance between parallel lines in the channel


@dataclass
class Route:
    key: str
    points: list                                 # (x, y) corners, first at the frame
    bridges: list = field(default_factory=list)  # (x, y): this line is cut here

    def pixels(self):
        out = [self.points[0]]
        for (x0, y0), (x1, y1) in zip(self.points, self.points[1:]):
            if x0 != x1 and y0 != y1:
                raise ValueError(f"{self.key}: diagonal segment {x0},{y0} -> {x1},{y1}")
            dx = (x1 > x0) - (x1 < x0)
            dy = (y1 > y0) - (y1 < y0)
            for i in range(1, max(abs(x1 - x0), abs(y1 - y0)) + 1):
                out.append((x0 + dx * i, y0 + dy * i))
        return out


def _gap(upper, lower):
    """First and last free row between two buttons stacked in one column."""
    return upper.bottom + FRAME + CLEAR, lower.y - FRAME - CLEAR - 1


def plan(layout):
    btn = {c.slot["key"]: c.rect for c in layout.slot_buttons()}
    box = {k: layout.name_box(k).rect for k in btn}

    def right_exit(k):
        return btn[k].right + FRAME

    def left_entry(k):
        return box[k].x - PLATE - 1

    def top_entry(k):
        return box[k].y - PLATE - 1

    def bottom_entry(k):
        return box[k].bottom + PLATE

    # Gaps of the right column (necklace, medal, bracelet, ring, gem).
    g1 = sum(_gap(btn["necklace"], btn["medal"])) // 2
    g2_top, _ = _gap(btn["medal"], btn["bracelet_right"])
    g3 = sum(_gap(btn["bracelet_right"], btn["ring_right"])) // 2
    g4 = sum(_gap(btn["ring_right"], btn["gem"])) // 2
    under_gem = btn["gem"].bottom + FRAME + CLEAR + 1
    # Channel lanes, left to right: shoes, right ring, left ring, right bracelet,
    # left bracelet; nested so that none of them crosses another.
    lane = [right_exit("necklace") + 4 + LANE * i for i in range(5)]
    # Free column between the clothes button and the right column.
    mid = btn["clothes"].right + FRAME + CLEAR
    # Corridors between the plate rows.
    row1_bottom = box["clothes"].bottom + PLATE        # first free row under the clothes plate
    row3_top = box["medal"].y - PLATE - 1              # last free row above the medal plate
    below_row4 = (box["bracelet_left"].bottom + PLATE + box["ring_left"].y - PLATE - 1) // 2
    below_row5_top = box["ring_left"].bottom + PLATE
    row6_top = box["gem"].y - PLATE - 1

    r = {}
    h, n = btn["helmet"], btn["necklace"]
    r["helmet"] = Route("helmet", [
        (h.cx, h.y - FRAME - 1), (h.cx, n.y - FRAME - 8),
        (box["helmet"].cx, n.y - FRAME - 8), (box["helmet"].cx, top_entry("helmet"))])
    r["necklace"] = Route("necklace", [
        (right_exit("necklace"), box["necklace"].cy), (left_entry("necklace"), box["necklace"].cy)])
    c = btn["clothes"]
    r["clothes"] = Route("clothes", [
        (right_exit("clothes"), c.y + 3), (mid + 11, c.y + 3), (mid + 11, g1),
        (lane[3] + 2, g1), (lane[3] + 2, box["clothes"].cy),
        (left_entry("clothes"), box["clothes"].cy)])
    c90 = (row1_bottom + row3_top) // 2
    r["medal"] = Route("medal", [
        (right_exit("medal"), c90), (box["medal"].cx, c90), (box["medal"].cx, top_entry("medal"))])
    w = btn["weapon"]
    under_clothes = c.bottom + FRAME + 9
    r["weapon"] = Route("weapon", [
        (right_exit("weapon"), w.bottom - 7), (w.right + FRAME + 6, w.bottom - 7),
        (w.right + FRAME + 6, under_clothes), (mid + 7, under_clothes),
        (mid + 7, g2_top + 3), (left_entry("weapon"), g2_top + 3)])
    bl = btn["bracelet_left"]
    r["bracelet_left"] = Route("bracelet_left", [
        (right_exit("bracelet_left"), bl.bottom - 10), (mid + 15, bl.bottom - 10),
        (mid + 15, g2_top + 8), (lane[4], g2_top + 8), (lane[4], box["bracelet_left"].cy),
        (left_entry("bracelet_left"), box["bracelet_left"].cy)])
    br = btn["bracelet_right"]
    r["bracelet_right"] = Route("bracelet_right", [
        (right_exit("bracelet_right"), br.bottom - 12), (lane[3], br.bottom - 12),
        (lane[3], below_row4), (box["bracelet_right"].cx, below_row4),
        (box["bracelet_right"].cx, bottom_entry("bracelet_right"))])
    rl = btn["ring_left"]
    r["ring_left"] = Route("ring_left", [
        (right_exit("ring_left"), rl.y + 6), (mid + 11, rl.y + 6), (mid + 11, g3),
        (lane[2], g3), (lane[2], box["ring_left"].cy), (left_entry("ring_left"), box["ring_left"].cy)])
    rr = btn["ring_right"]
    c203_upper = below_row5_top + 3
    c203_lower = row6_top - 3
    r["ring_right"] = Route("ring_right", [
        (right_exit("ring_right"), rr.y + 19), (lane[1], rr.y + 19), (lane[1], c203_upper),
        (box["ring_right"].cx, c203_upper), (box["ring_right"].cx, bottom_entry("ring_right"))])
    s = btn["shoes"]
    r["shoes"] = Route("shoes", [
        (s.cx, s.y - FRAME - 1), (s.cx, g4), (lane[0], g4), (lane[0], box["shoes"].cy),
        (left_entry("shoes"), box["shoes"].cy)],
        bridges=[(lane[0], c203_lower)])
    r["gem"] = Route("gem", [
        (right_exit("gem"), c203_lower), (box["gem"].cx, c203_lower),
        (box["gem"].cx, top_entry("gem"))])
    be = btn["belt"]
    r["belt"] = Route("belt", [
        (be.cx, be.bottom + FRAME), (be.cx, under_gem), (box["belt"].cx, under_gem),
        (box["belt"].cx, bottom_entry("belt"))])
    return r


def hint_rect(layout):
    """The free band between the weapon/medal plates and the bracelet plates."""
    upper = layout.name_box("weapon").rect
    lower = layout.name_box("bracelet_left").rect
    right = layout.name_box("bracelet_right").rect
    top = upper.bottom + PLATE + 3
    bottom = lower.y - PLATE - 3
    return Rect(lower.x, top, right.right - lower.x, bottom - top)


def keep_out(layout, own=None):
    """Rectangles no line may touch: every control that paints, grown by its
    frame or plate and the clearance. The line of slot `own` may run up to its
    own frame and plate."""
    slot_keys = {c.slot["key"] for c in layout.slot_buttons()}
    boxes = {layout.name_box(k).id for k in slot_keys}
    mine = set()
    if own is not None:
        mine = {layout.slot_button(own).id, layout.name_box(own).id}
    out = []
    for c in layout.drawn_over():
        if c.slot is not None:
            grow = FRAME + (0 if c.id in mine else CLEAR)
        elif c.id in boxes:
            grow = PLATE + (0 if c.id in mine else CLEAR)
        elif c.kind == "PicBox" and c.id == layout.field_panel().id:
            grow = 2 + CLEAR
        else:
            grow = CLEAR
        out.append((c.name, c.rect.grown(grow)))
    return out


def check(layout, routes, hint, title_band):
    """Raises ValueError naming the first rule a route or the hint breaks."""
    pixel_sets = {}
    for route in routes.values():
        obstacles = keep_out(layout, route.key)
        pixels = route.pixels()
        for x, y in pixels:
            if y < title_band:
                raise ValueError(f"{route.key} enters the title band at {x},{y}")
            for name, rect in obstacles:
                if rect.x <= x < rect.right and rect.y <= y < rect.bottom:
                    raise ValueError(f"{route.key} touches {name} at {x},{y}")
            if hint.grown(2).x <= x < hint.grown(2).right and \
                    hint.grown(2).y <= y < hint.grown(2).bottom:
                raise ValueError(f"{route.key} runs through the hint at {x},{y}")
        pixel_sets[route.key] = set(pixels)
    keys = sorted(pixel_sets)
    for i, a in enumerate(keys):
        for b in keys[i + 1:]:
            bridges = set(routes[a].bridges) | set(routes[b].bridges)
            for x, y in pixel_sets[a]:
                near = [(x + dx, y + dy) for dx in range(-2, 3) for dy in range(-2, 3)]
                for p in near:
                    if p in pixel_sets[b] and not any(
                            abs(p[0] - bx) <= 3 and abs(p[1] - by) <= 3 for bx, by in bridges):
                        raise ValueError(f"{a} and {b} come closer than 3 px at {x},{y}")
    for name, rect in keep_out(layout):
        if rect.intersects(hint):
            raise ValueError(f"the hint lies under {name}")
