"""The palette of the Default skin: a dark slate frame with steel edges around worn,
newsprint-coloured client areas, wine-red and amber accents.

Text is black on the light surfaces; every light surface is light enough that black
Cyrillic at 14 pixels reads easily."""

INK = (0, 0, 0)
WHITE = (255, 255, 255)

# The frame.
SLATE_EDGE = (19, 23, 32)        # outermost outline
SLATE_TOP = (70, 84, 112)        # frame body, upper rows
SLATE = (50, 61, 84)             # frame body
SLATE_LOW = (38, 47, 66)         # frame body, lower rows
STEEL = (138, 159, 183)          # highlights; the inactive caption colour 12033930
STEEL_LIGHT = (178, 195, 212)

# Client surfaces.
PAPER = (226, 219, 193)          # window client, tab pages, group box interiors
PAPER_LIGHT = (243, 238, 221)    # caption band, text fields, menus
PAPER_SHADE = (205, 196, 163)    # headers, unselected tabs
PAPER_DEEP = (178, 168, 133)     # pressed faces
FIELD = (252, 250, 243)          # edit interiors

# Lines on light surfaces.
LINE = (92, 100, 112)            # control outlines
LINE_SOFT = (150, 146, 128)      # separators, grooves' light side
DISABLED_TEXT = (134, 130, 118)

# Accents.
WINE = (146, 38, 42)
WINE_HOT = (196, 62, 54)
AMBER = (214, 150, 52)           # hot outlines, slider fill
AMBER_LIGHT = (248, 226, 168)    # hot faces
FOCUS_BLUE = (62, 100, 150)      # focus ring
SELECT = (58, 78, 116)           # selected menu item and list rows
LINK = (120, 52, 24)             # link label
LINK_HOT = (176, 32, 32)


def colour_value(c):
    """The skin's integer for an RGB colour: 0x00BBGGRR."""
    r, g, b = c
    return r | (g << 8) | (b << 16)
