"""The program's own icon (32 x 32 and 16 x 16): four bevelled tiles in the colours of
application icons, laid out like the strip's cells, on a blue rounded base."""

from . import palette
from .image import Image

TILE_COLOURS = ((214, 48, 40), (40, 160, 64), (250, 196, 30), (70, 150, 240))


def _shade(rgb, factor):
    return tuple(min(255, round(channel * factor)) for channel in rgb)


def _rounded_square(image, left, top, size, fill_top, fill_bottom, light, dark):
    """A bevelled square whose four corner pixels are left as they were."""
    right, bottom = left + size - 1, top + size - 1
    image.vertical_gradient(left + 1, top + 1, right - 1, bottom - 1, fill_top, fill_bottom)
    image.fill(left + 1, top, right - 1, top, light)
    image.fill(left, top + 1, left, bottom - 1, light)
    image.fill(left + 1, bottom, right - 1, bottom, dark)
    image.fill(right, top + 1, right, bottom - 1, dark)


def program_icon(size):
    image = Image(size, size)
    blue, dark_blue = palette.LEGEND["b"], palette.LEGEND["B"]
    _rounded_square(image, 0, 0, size, _shade(blue, 1.15), dark_blue, dark_blue, dark_blue)
    margin, gap = size // 8, 2
    tile = (size - 2 * margin - gap) // 2
    for index, colour in enumerate(TILE_COLOURS):
        left = margin + (index % 2) * (tile + gap)
        top = margin + (index // 2) * (tile + gap)
        _rounded_square(image, left, top, tile, _shade(colour, 1.15), _shade(colour, 0.9),
                        _shade(colour, 1.5), _shade(colour, 0.55))
    return image


def icons():
    return {101: [program_icon(32), program_icon(16)]}
