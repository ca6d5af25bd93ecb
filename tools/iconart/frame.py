"""The raised and pushed-in button frame that every push-button icon is drawn in."""

from . import palette
from .image import Image, from_art


def button_frame(width, height, pressed):
    """A rounded frame: the up frame is lit from the top left; the pressed frame is
    darker with its shadow on the top and left edges, as if pushed into the panel."""
    image = Image(width, height)
    right, bottom = width - 1, height - 1
    if pressed:
        image.vertical_gradient(1, 1, right - 1, bottom - 1,
                                palette.PRESSED_FACE_TOP, palette.PRESSED_FACE_BOTTOM)
        image.fill(1, 1, right - 1, 1, palette.PRESSED_SHADOW)
        image.fill(1, 1, 1, bottom - 1, palette.PRESSED_SHADOW)
    else:
        image.vertical_gradient(1, 1, right - 1, bottom - 1, palette.FACE_TOP, palette.FACE_BOTTOM)
        image.fill(1, bottom - 1, right - 1, bottom - 1, palette.SHADOW)
        image.fill(right - 1, 1, right - 1, bottom - 1, palette.SHADOW)
        image.fill(1, 1, right - 2, 1, palette.HIGHLIGHT)
        image.fill(1, 1, 1, bottom - 2, palette.HIGHLIGHT)
    image.outline(0, 0, right, bottom, palette.FRAME)
    for x, y in ((0, 0), (right, 0), (0, bottom), (right, bottom)):
        image.clear(x, y)
    return image


def paste(target, source, left, top):
    for y in range(source.height):
        for x in range(source.width):
            pixel = source.get(x, y)
            if pixel[3]:
                target.put(left + x, top + y, pixel)


def framed_glyph(width, height, glyph_rows, pressed, centre=None):
    """A button of the given size with the glyph centred on it (or centred on the point
    `centre`); pressed, the glyph moves one pixel right and down with the face."""
    image = button_frame(width, height, pressed)
    glyph = from_art(glyph_rows, palette.LEGEND)
    cx, cy = centre if centre else (width / 2, height / 2)
    left, top = round(cx - glyph.width / 2), round(cy - glyph.height / 2)
    shift = 1 if pressed else 0
    paste(image, glyph, left + shift, top + shift)
    return image
