"""Writes the platform's .ico format: a directory of 32-bit BGRA device-independent
bitmaps, each followed by its 1-bit AND mask (set where the image is transparent), which
programs that ignore the alpha channel use instead."""

import struct

BITMAPINFOHEADER_SIZE = 40
ICONDIR_SIZE = 6
ICONDIRENTRY_SIZE = 16


def _bottom_up_rows(image):
    return [image.pixels[y * image.width:(y + 1) * image.width]
            for y in range(image.height - 1, -1, -1)]


def _colour_bits(image):
    data = bytearray()
    for row in _bottom_up_rows(image):
        for r, g, b, a in row:
            data += bytes((b, g, r, a))
    return bytes(data)


def _mask_bits(image):
    stride = (image.width + 31) // 32 * 4
    data = bytearray()
    for row in _bottom_up_rows(image):
        line = bytearray(stride)
        for x, pixel in enumerate(row):
            if pixel[3] == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        data += line
    return bytes(data)


def _dib(image):
    colour = _colour_bits(image)
    mask = _mask_bits(image)
    header = struct.pack("<IiiHHIIiiII", BITMAPINFOHEADER_SIZE, image.width, image.height * 2,
                         1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + mask


def ico_bytes(images):
    """The whole .ico file holding the images in the given order."""
    dibs = [_dib(image) for image in images]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = ICONDIR_SIZE + ICONDIRENTRY_SIZE * len(images)
    for image, dib in zip(images, dibs):
        directory += struct.pack("<BBBBHHII", image.width % 256, image.height % 256, 0, 0,
                                 1, 32, len(dib), offset)
        offset += len(dib)
    return directory + b"".join(dibs)
