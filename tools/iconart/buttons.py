"""The bar's command buttons (14 x 14) and its Settings Button (31 x 14)."""

from . import palette
from .frame import framed_glyph, paste
from .image import from_art

CLOSE = [
    "RR....RR",
    "RRR..RRR",
    ".RRRRRR.",
    "..RRRR..",
    "..RRRR..",
    ".RRRRRR.",
    "RRR..RRR",
    "RR....RR",
]

BACKLIGHT = [
    "..kkkk..",
    ".kYYyyk.",
    "kYyyyyok",
    "kyyyyyok",
    ".kyyyok.",
    "..kggk..",
    "..kddk..",
    "...kk...",
]

CONFIG = [
    "kkk.....",
    "kGk.dddd",
    "kkk.....",
    "........",
    "kkk.....",
    "kGk.dddd",
    "kkk.....",
    "........",
]

HIDE = [
    "BB....BB",
    ".BB..BB.",
    "..BBBB..",
    "...BB...",
    "........",
    "........",
    "BBBBBBBB",
    "BBBBBBBB",
]

INFO = [
    "..bbbb..",
    ".bbwwbb.",
    "bbbbbbbb",
    "bbbwwbbb",
    "bbbwwbbb",
    "bbbwwbbb",
    ".bbwwbb.",
    "..bbbb..",
]

SIZE = [
    "...BB...",
    "..BBBB..",
    ".BBBBBB.",
    "...BB...",
    "...BB...",
    ".BBBBBB.",
    "..BBBB..",
    "...BB...",
]

SLIDERS = [
    ".d...d...d.",
    "kkk..d...d.",
    "kwk..d..kkk",
    "kkk..d..kwk",
    ".d..kkk.kkk",
    ".d..kwk..d.",
    ".d..kkk..d.",
    ".d...d...d.",
]

MENU_OPENS_UP = [
    "...k...",
    "..kkk..",
    ".kkkkk.",
    "kkkkkkk",
]

# Glyph of each 14 x 14 button; the icon numbers of its pressed and up images.
SMALL_BUTTONS = {
    "close": (CLOSE, 105, 104),
    "backlight": (BACKLIGHT, 106, 107),
    "config": (CONFIG, 108, 109),
    "hide": (HIDE, 110, 111),
    "info": (INFO, 112, 113),
    "size": (SIZE, 114, 115),
}


def settings_button(pressed):
    """Sliders for the control-panel settings and a mark showing that a menu opens above."""
    image = framed_glyph(31, 14, SLIDERS, pressed, centre=(11.5, 7))
    shift = 1 if pressed else 0
    paste(image, from_art(MENU_OPENS_UP, palette.LEGEND), 21 + shift, 5 + shift)
    return image


def icons():
    """Icon number -> list of images."""
    result = {}
    for glyph, pressed_number, up_number in SMALL_BUTTONS.values():
        result[pressed_number] = [framed_glyph(14, 14, glyph, True)]
        result[up_number] = [framed_glyph(14, 14, glyph, False)]
    result[119] = [settings_button(True)]
    result[120] = [settings_button(False)]
    return result
