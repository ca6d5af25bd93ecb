"""The strip's page buttons (13 x 34 large, 15 x 20 small), the scroll bar's arrow
buttons (15 x 15) and thumb grip (13 x 13), and the check boxes (14 x 12)."""

from . import palette
from .frame import framed_glyph
from .image import Image, from_art

RIGHT_LARGE = [
    "B....",
    "BB...",
    "BBB..",
    "BBBB.",
    "BBBBB",
    "BBBB.",
    "BBB..",
    "BB...",
    "B....",
]

RIGHT_SMALL = [
    "B...",
    "BB..",
    "BBB.",
    "BBBB",
    "BBB.",
    "BB..",
    "B...",
]

UP = [
    "...B...",
    "..BBB..",
    ".BBBBB.",
    "BBBBBBB",
]

TICK = [
    "...........ee",
    "..........eee",
    ".........eee.",
    "........eee..",
    ".ee....eee...",
    ".eee..eee....",
    "..eeeeee.....",
    "...eeee......",
    "....ee.......",
]

GRIP = [
    "......d......",
    ".....dgd.....",
    "....dglgd....",
    "...dglwlgd...",
    "..dglwwwlgd..",
    ".dglwwcwwlgd.",
    "dglwwcbcwwlgd",
    ".dglwwcwwlgd.",
    "..dglwwwlgd..",
    "...dglwlgd...",
    "....dglgd....",
    ".....dgd.....",
    "......d......",
]


def mirrored_rows(rows):
    return [row[::-1] for row in rows]


def check_box(ticked):
    """An 11 x 11 dotted box on white; the tick overshoots it to the top right."""
    image = Image(14, 12)
    image.fill(1, 2, 9, 10, palette.LEGEND["w"])
    image.dotted_outline(0, 1, 10, 11, palette.LEGEND["d"])
    if ticked:
        image.art(1, 0, TICK, palette.LEGEND)
    return image


def page_buttons():
    left_large, left_small = mirrored_rows(RIGHT_LARGE), mirrored_rows(RIGHT_SMALL)
    return {
        139: [framed_glyph(13, 34, RIGHT_LARGE, True)],
        141: [framed_glyph(13, 34, RIGHT_LARGE, False)],
        143: [framed_glyph(13, 34, left_large, True)],
        146: [framed_glyph(13, 34, left_large, False)],
        140: [framed_glyph(15, 20, RIGHT_SMALL, True)],
        142: [framed_glyph(15, 20, RIGHT_SMALL, False)],
        144: [framed_glyph(15, 20, left_small, True)],
        145: [framed_glyph(15, 20, left_small, False)],
    }


def icons():
    down = UP[::-1]
    result = page_buttons()
    result.update({
        147: [check_box(False)],
        148: [check_box(True)],
        149: [framed_glyph(15, 15, UP, False)],
        150: [framed_glyph(15, 15, UP, True)],
        151: [framed_glyph(15, 15, down, False)],
        152: [framed_glyph(15, 15, down, True)],
        153: [from_art(GRIP, palette.LEGEND)],
    })
    return result
