"""The status gauges: battery (28 x 14), memory and storage (30 x 14). The program draws
an 18 x 4 bar over each, at x 8 (battery) or x 10 (memory, storage) and y 8; the icon gives
that bar a slot with a one-pixel frame and a pictogram of what it measures."""

from . import palette
from .image import Image

SLOT_TRACK = (200, 200, 200)
BAR_TOP, BAR_HEIGHT, BAR_WIDTH = 8, 4, 18

BOLT = [
    "....kkk",
    "...kyyk",
    "..kyyk.",
    ".kyyk..",
    "kyyyykk",
    "kkyyyyk",
    "..kyyk.",
    ".kyyk..",
    ".kyk...",
    "kyk....",
    "kk.....",
]

CELL = [
    ".kkk.",
    "kkkkk",
    "kwGGk",
    "kwGGk",
    "kwGGk",
    "kwGGk",
    "kwGGk",
    "kwGGk",
    "kwGGk",
    "kkkkk",
]

CHIP = [
    "..kkkk..",
    "mkddddkm",
    ".kdgddk.",
    "mkddddkm",
    ".kddddk.",
    "mkddddkm",
    ".kddddk.",
    "mkddddkm",
    ".kddddk.",
    "mkddddkm",
    "..kkkk..",
]

CARD = [
    "kkkkkk..",
    "kmkmkmk.",
    "kmkmkmdk",
    "kddddddk",
    "kdddddd.",
    "kdwwwwdk",
    "kdwwwwdk",
    "kdwwwwdk",
    "kddddddk",
    "kkkkkkkk",
]


def _slot(image, bar_left, with_terminal):
    """The frame around the bar, shaped as a battery when it has a terminal."""
    left, right = bar_left - 1, bar_left + BAR_WIDTH
    top, bottom = BAR_TOP - 1, BAR_TOP + BAR_HEIGHT
    image.fill(left + 1, top + 1, right - 1, bottom - 1, SLOT_TRACK)
    image.outline(left, top, right, bottom, palette.LEGEND["k"])
    if with_terminal:
        image.fill(right + 1, top + 2, right + 1, bottom - 2, palette.LEGEND["k"])


def _gauge(width, bar_left, pictogram, with_terminal=False):
    image = Image(width, 14)
    _slot(image, bar_left, with_terminal)
    pictogram_width = max(len(row) for row in pictogram)
    left = (bar_left - 1 - pictogram_width) // 2
    image.art(left, 13 - len(pictogram), pictogram, palette.LEGEND)
    return image


def icons():
    return {
        116: [_gauge(28, 8, CELL, with_terminal=True)],
        121: [_gauge(28, 8, BOLT, with_terminal=True)],
        117: [_gauge(30, 10, CHIP)],
        118: [_gauge(30, 10, CARD)],
    }
