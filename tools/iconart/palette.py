"""The colours of the icon set, chosen to sit on the bar's panel colour RGB(240, 237, 227)."""

PANEL = (240, 237, 227)

# Button frames: a slate outline around a light face that darkens towards the bottom.
FRAME = (92, 104, 124)
HIGHLIGHT = (255, 255, 255)
FACE_TOP = (252, 251, 248)
FACE_BOTTOM = (219, 215, 203)
SHADOW = (188, 184, 172)
PRESSED_FACE_TOP = (196, 192, 180)
PRESSED_FACE_BOTTOM = (216, 212, 200)
PRESSED_SHADOW = (150, 146, 136)

# The legend shared by every drawing in ASCII art; '.' is transparent.
LEGEND = {
    "k": (36, 44, 60),      # outline, near black
    "d": (96, 100, 108),    # dark grey
    "g": (150, 152, 156),   # grey
    "l": (208, 208, 204),   # light grey
    "w": (255, 255, 255),   # white
    "B": (24, 60, 140),     # dark blue
    "b": (48, 110, 210),    # blue
    "c": (140, 196, 244),   # light blue
    "r": (204, 36, 36),     # red
    "R": (132, 20, 20),     # dark red
    "o": (240, 140, 28),    # orange
    "y": (252, 212, 48),    # yellow
    "Y": (255, 244, 160),   # pale yellow
    "G": (32, 150, 60),     # green
    "e": (18, 96, 40),      # dark green
    "n": (150, 98, 48),     # brown
    "s": (244, 204, 166),   # skin
    "m": (200, 160, 40),    # gold
    "p": (120, 60, 170),    # purple
}
