#!/usr/bin/env python3
"""Draws the program's icon resources and writes them as .ico files.

Usage: make_icons.py [--out DIR] [--sheet FILE.png]
DIR defaults to resources/icons beside this script's folder. With --sheet, also writes an
enlarged contact sheet of every icon as a PNG, for looking at the drawings."""

import argparse
import pathlib

from iconart import buttons, control_panel, gauges, navigation, program_icon
from iconart.ico import ico_bytes
from iconart.png import png_bytes
from iconart.sheet import contact_sheet

DRAWINGS = (program_icon, buttons, gauges, control_panel, navigation)


def all_icons():
    icons = {}
    for drawing in DRAWINGS:
        for number, images in drawing.icons().items():
            if number in icons:
                raise ValueError(f"icon {number} is drawn twice")
            icons[number] = images
    return icons


def main():
    default_out = pathlib.Path(__file__).resolve().parent.parent / "resources" / "icons"
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", type=pathlib.Path, default=default_out)
    parser.add_argument("--sheet", type=pathlib.Path)
    args = parser.parse_args()
    icons = all_icons()
    args.out.mkdir(parents=True, exist_ok=True)
    for number, images in sorted(icons.items()):
        (args.out / f"{number}.ico").write_bytes(ico_bytes(images))
    if args.sheet:
        args.sheet.write_bytes(png_bytes(contact_sheet(icons)))


if __name__ == "__main__":
    main()
