"""Writes an RGBA image as a PNG file (for looking at the drawings, not for the resources)."""

import struct
import zlib


def _chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png_bytes(image):
    raw = bytearray()
    for y in range(image.height):
        raw.append(0)
        for pixel in image.pixels[y * image.width:(y + 1) * image.width]:
            raw += bytes(pixel)
    header = struct.pack(">IIBBBBB", image.width, image.height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", header)
            + _chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + _chunk(b"IEND", b""))
