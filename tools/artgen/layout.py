"""MainWindow's layout as printed by layout_dump: control rectangles in window
coordinates, looked up by name, identifier or slot key."""

import json
from dataclasses import dataclass


@dataclass(frozen=True)
class Rect:
    x: int
    y: int
    w: int
    h: int

    @property
    def right(self):   # first column right of the rectangle
        return self.x + self.w

    @property
    def bottom(self):  # first row below the rectangle
        return self.y + self.h

    @property
    def cx(self):
        return self.x + self.w // 2

    @property
    def cy(self):
        return self.y + self.h // 2

    def grown(self, by):
        return Rect(self.x - by, self.y - by, self.w + 2 * by, self.h + 2 * by)

    def intersects(self, other):
        return (self.x < other.right and other.x < self.right and
                self.y < other.bottom and other.y < self.bottom)


@dataclass(frozen=True)
class Control:
    name: str
    kind: str
    id: int
    rect: Rect
    visible: bool
    text: str
    slot: dict | None


class Layout:
    def __init__(self, data):
        window = data["window"]
        self.width = window["width"]
        self.height = window["height"]
        self.title = window["title"]
        self.background = window["background"]
        self.assets = list(data["assets"])
        self.controls = [
            Control(c["name"], c["kind"], int(c["id"], 16), Rect(*c["rect"]), c["visible"],
                    c["text"], c.get("slot"))
            for c in data["controls"]]

    @classmethod
    def load(cls, path):
        with open(path, encoding="utf-8") as f:
            return cls(json.load(f))

    def by_name(self, name):
        for c in self.controls:
            if c.name == name:
                return c
        raise KeyError(name)

    def by_id(self, ident):
        for c in self.controls:
            if c.id == ident:
                return c
        raise KeyError(hex(ident))

    def slot_buttons(self):
        return [c for c in self.controls if c.slot is not None]

    def slot_button(self, key):
        for c in self.slot_buttons():
            if c.slot["key"] == key:
                return c
        raise KeyError(key)

    def name_box(self, key):
        return self.by_id(int(self.slot_button(key).slot["nameBox"], 16))

    def field_panel(self):
        return self.by_name("图片框_职业选择")

    def drawn_over(self):
        """Controls that paint over the background at some time (the hidden
        text buffer and the timer never do)."""
        return [c for c in self.controls
                if c.kind != "Timer" and not (c.kind == "EditBox" and not c.visible
                                              and c.name == "编辑框_临时")]
