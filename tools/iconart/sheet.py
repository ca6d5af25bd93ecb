"""A contact sheet of all icons, enlarged on the panel colour with their numbers, to look
at the drawings while working on them."""

from . import palette
from .image import Image

DIGITS = {
    "0": ["kkk", "k.k", "k.k", "k.k", "kkk"], "1": [".k.", "kk.", ".k.", ".k.", "kkk"],
    "2": ["kkk", "..k", "kkk", "k..", "kkk"], "3": ["kkk", "..k", ".kk", "..k", "kkk"],
    "4": ["k.k", "k.k", "kkk", "..k", "..k"], "5": ["kkk", "k..", "kkk", "..k", "kkk"],
    "6": ["kkk", "k..", "kkk", "k.k", "kkk"], "7": ["kkk", "..k", ".k.", ".k.", ".k."],
    "8": ["kkk", "k.k", "kkk", "k.k", "kkk"], "9": ["kkk", "k.k", "kkk", "..k", "kkk"],
}
ZOOM = 5
CELL_WIDTH = 36 * ZOOM + 16
CELL_HEIGHT = 36 * ZOOM + 80
COLUMNS = 8


def _blit_scaled(sheet, image, left, top, zoom):
    for y in range(image.height):
        for x in range(image.width):
            pixel = image.get(x, y)
            if pixel[3]:
                sheet.fill(left + x * zoom, top + y * zoom,
                           left + (x + 1) * zoom - 1, top + (y + 1) * zoom - 1, pixel)


def _label(sheet, text, left, top):
    for i, char in enumerate(text):
        sheet.art(left + i * 4, top, DIGITS[char], palette.LEGEND)


def contact_sheet(icons):
    """icons: number -> images. One cell per image: number, enlarged view, true size."""
    cells = [(number, image) for number in sorted(icons) for image in icons[number]]
    rows = (len(cells) + COLUMNS - 1) // COLUMNS
    sheet = Image(COLUMNS * CELL_WIDTH, rows * CELL_HEIGHT)
    sheet.fill(0, 0, sheet.width - 1, sheet.height - 1, palette.PANEL)
    for index, (number, image) in enumerate(cells):
        left, top = (index % COLUMNS) * CELL_WIDTH + 4, (index // COLUMNS) * CELL_HEIGHT + 4
        _label(sheet, str(number), left, top)
        _blit_scaled(sheet, image, left + 16, top, 1)
        _blit_scaled(sheet, image, left + 56, top, 2)
        _blit_scaled(sheet, image, left, top + 2 * image.height + 6, ZOOM)
    return sheet
