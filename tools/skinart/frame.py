"""The window frame: the frame picture and its mask, the caption, the frame buttons (active
picture 0) and the MDI background.

The frame picture is 224 x 169 with a 6-pixel border on three sides and a 33-pixel caption
bar. A band of light paper runs along the caption bar, so that the black caption of an
active window and the steel-blue one of an inactive window both read on it; the frame
buttons sit on that band at the right."""

from canvas import (Canvas, darken, greyed, lighten, mix, sd_polyline, sd_ring,
                    sd_round_rect, sd_segment, vgradient)
from glyphs import cross
from skindef import EMPTY
import theme as t

WIDTH, HEIGHT = 224, 169
CLIENT = (6, 33, 218, 163)
CORNERS = ((10, 33), (209, 33), (10, 159), (212, 158))
CAPTION_RECT = (7, 1, 217, 31)
CAPTION_PLACE = (7, 4, 218, 23)
BAND = (5, 3, 219, 25)          # the paper band: edges, not pixel indices
RADIUS = 5                      # outer corner radius, also cut out by the mask

# Frame buttons: size and the place their background is taken from (picture coordinates
# of the frame when the window is exactly as wide as the picture).
CLOSE_SIZE = (43, 32)
SMALL_SIZE = (25, 32)
SYSMENU_SIZE = (25, 30)
CLOSE_AT = (174, 1)
MIDDLE_AT = (120, 1)
SYSMENU_AT = (7, 1)


def frame_picture():
    """The 224 x 169 frame picture."""
    c = Canvas(WIDTH, HEIGHT, t.SLATE_EDGE)
    outer = sd_round_rect(0, 0, WIDTH, HEIGHT, RADIUS)
    body = sd_round_rect(1, 1, WIDTH - 1, HEIGHT - 1, RADIUS - 1)
    c.shape(body, vgradient(t.SLATE_TOP, t.SLATE, 1, 33))
    c.fill(1, 33, WIDTH - 1, HEIGHT - 1, t.SLATE)
    c.shape(body, t.SLATE_LOW, bbox=(0, HEIGHT - 6, WIDTH, HEIGHT))
    # A steel rim just inside the outline, lit from the top-left.
    rim = sd_ring(sd_round_rect(2, 2, WIDTH - 2, HEIGHT - 2, RADIUS - 2), body)
    c.shape(rim, mix(t.SLATE, t.STEEL, 0.55), bbox=(0, 0, WIDTH, 3))
    c.shape(rim, mix(t.SLATE, t.STEEL, 0.35), bbox=(0, 3, 3, HEIGHT - 3))
    c.shape(rim, darken(t.SLATE, 0.25), bbox=(WIDTH - 3, 3, WIDTH, HEIGHT))
    c.shape(rim, darken(t.SLATE, 0.3), bbox=(3, HEIGHT - 3, WIDTH - 3, HEIGHT))
    # The outline itself stays dark: paint it last over the corners' anti-aliasing.
    c.shape(sd_ring(body, outer), t.SLATE_EDGE)
    _caption_band(c)
    # The client well: a dark seam and the paper inside it.
    left, top, right, bottom = CLIENT
    c.frame(left - 1, top - 1, right + 1, bottom + 1, darken(t.SLATE, 0.45))
    c.hline(left - 1, right + 1, bottom + 1, mix(t.SLATE, t.STEEL, 0.3))
    c.fill(left, top, right, bottom, t.PAPER)
    return c


def _caption_band(c):
    x0, y0, x1, y1 = BAND
    band = sd_round_rect(x0, y0, x1, y1, 4)
    c.shape(sd_round_rect(x0, y0 + 1, x1, y1 + 1, 4), darken(t.SLATE, 0.35))   # drop shadow
    c.shape(band, darken(t.PAPER_SHADE, 0.35))
    c.shape(sd_round_rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 3),
            vgradient(lighten(t.PAPER_LIGHT, 0.4), t.PAPER, y0 + 1, y1 - 1))
    c.hline(x0 + 4, x1 - 4, y0 + 1, lighten(t.PAPER_LIGHT, 0.7))


def mask_picture():
    """The frame's outline: black inside, white in the cut-off corners."""
    c = Canvas(WIDTH, HEIGHT, t.WHITE)
    outer = sd_round_rect(0, 0, WIDTH, HEIGHT, RADIUS)
    for y in range(HEIGHT):
        for x in range(WIDTH):
            if outer(x + 0.5, y + 0.5) <= 0.0:
                c.set(x, y, t.INK)
    return c


# Frame buttons.

def _background(frame, size, at):
    """The frame pixels a button covers, so that its picture merges with the frame."""
    w, h = size
    x, y = at
    return frame.crop(x, y, x + w, y + h)


def _button(frame, size, at, faces, glyph, state):
    """One frame button in one state: a rounded face on the caption band and its glyph."""
    c = _background(frame, size, at)
    w, _ = size
    top, bottom = 5 - at[1], 23 - at[1]      # the face spans picture rows 5..22
    face, hot = faces
    base = {"normal": face, "hot": hot, "down": darken(face, 0.3),
            "inactive": lighten(greyed(face, 0.8), 0.35)}[state]
    edge = darken(base, 0.45)
    left, right = 2, w - 2
    c.shape(sd_round_rect(left, top, right, bottom, 4), edge)
    if state == "down":
        fill = vgradient(darken(base, 0.15), base, top, bottom)
    else:
        fill = vgradient(lighten(base, 0.3), darken(base, 0.1), top, bottom)
    c.shape(sd_round_rect(left + 1, top + 1, right - 1, bottom - 1, 3), fill)
    if state != "down":
        c.hline(left + 3, right - 3, top + 1, lighten(base, 0.55), 0.8)
    ink = (236, 232, 226) if state == "inactive" else (252, 248, 240)
    shift = 1 if state == "down" else 0
    cx, cy = (left + right) / 2.0 + shift, (top + bottom) / 2.0 + shift
    glyph(c, cx, cy, ink)
    return c


def _glyph_close(c, cx, cy, ink):
    cross(c, cx, cy, 4.5, ink, 1.15)


def _glyph_minimize(c, cx, cy, ink):
    c.shape(sd_segment(cx - 4.5, cy + 3.5, cx + 4.5, cy + 3.5, 1.2), ink)


def _window_outline(c, x0, y0, x1, y1, ink):
    c.shape(sd_ring(sd_round_rect(x0 + 1.2, y0 + 2.4, x1 - 1.2, y1 - 1.2, 0.5),
                    sd_round_rect(x0, y0, x1, y1, 1)), ink)


def _glyph_maximize(c, cx, cy, ink):
    _window_outline(c, cx - 5, cy - 4.5, cx + 5, cy + 4.5, ink)


def _glyph_restore(c, cx, cy, ink):
    c.shape(sd_polyline([(cx - 2.5, cy - 3), (cx - 2.5, cy - 5), (cx + 5, cy - 5),
                         (cx + 5, cy + 1.5), (cx + 3, cy + 1.5)], 0.6), ink)
    _window_outline(c, cx - 5, cy - 2, cx + 2.5, cy + 5, ink)


def _glyph_bottle(c, cx, cy, ink):
    """The system menu: a little bottle, this being the game it is."""
    c.shape(sd_round_rect(cx - 1.3, cy - 6, cx + 1.3, cy - 1, 0.6), ink)
    c.shape(sd_round_rect(cx - 3.2, cy - 2, cx + 3.2, cy + 6, 1.6), ink)


STATES = ("normal", "hot", "down", "inactive")


def frame_buttons(atlas, frame):
    """Draws every frame button into active picture 0; returns the object records."""
    slate = mix(t.SLATE_TOP, t.STEEL, 0.15)
    slate = (slate, lighten(mix(slate, t.STEEL, 0.5), 0.1))
    wine = (t.WINE, t.WINE_HOT)
    kinds = [
        ("closebutton", "cmclose", CLOSE_SIZE, CLOSE_AT, wine, _glyph_close, None),
        ("minimizebutton", "cmminimize", SMALL_SIZE, MIDDLE_AT, slate, _glyph_minimize,
         _glyph_restore),
        ("maximizebutton", "cmmaximize", SMALL_SIZE, MIDDLE_AT, slate, _glyph_maximize,
         _glyph_restore),
        ("sysmenubutton", "cmsysmenu", SYSMENU_SIZE, SYSMENU_AT, slate, _glyph_bottle, None),
    ]
    records = {}
    for name, command, size, at, face, glyph, restore in kinds:
        looks = atlas.put_row([_button(frame, size, at, face, glyph, s) for s in STATES])
        restores = (atlas.put_row([_button(frame, size, at, face, restore, s) for s in STATES])
                    if restore else [EMPTY] * 4)
        records[name] = std_button(atlas.index, command, looks, restores, morphing=True)
    return records


def std_button(picture, command, looks, restores, morphing):
    """A standard button record whose looks lie in an active picture."""
    normal, hot, down, inactive = looks
    return [("hint", ""), ("rollup", False), ("activepictureindex", picture),
            ("skinrectinapicture", True), ("cursorindex", -1),
            ("skinrect", normal), ("activeskinrect", hot), ("inactiveskinrect", inactive),
            ("morphing", morphing), ("morphkind", "mkdefault"),
            ("downrect", down), ("disableskinrsect", EMPTY), ("groupindex", -1),
            ("command", command),
            ("restorerect", restores[0]), ("restoreactiverect", restores[1]),
            ("restoredownrect", restores[2]), ("restoreinactiverect", restores[3])]


def caption_record():
    """The caption object: it lives in the frame picture and has no picture of its own."""
    return [("hint", ""), ("rollup", False), ("activepictureindex", -1),
            ("skinrectinapicture", False), ("cursorindex", -1),
            ("skinrect", CAPTION_PLACE), ("activeskinrect", EMPTY),
            ("inactiveskinrect", EMPTY), ("morphing", False), ("morphkind", "mkdefault"),
            ("defaultcaption", True), ("textrect", (3, 1, 208, 18)),
            ("fontname", "Arial"), ("fontheight", 14), ("fontstyle", "fsbold"),
            ("fontcolor", 12033930), ("activefontcolor", 0), ("alignment", "taleftjustify"),
            ("shadow", False), ("shadowcolor", 0), ("light", False), ("lightcolor", 0),
            ("activelightcolor", 0), ("activeshadowcolor", 0),
            ("framerect", EMPTY), ("activeframerect", EMPTY), ("frametextrect", EMPTY),
            ("frameleftoffset", 0), ("framerightoffset", 0), ("stretcheffect", False),
            ("animateskinrect", EMPTY), ("framecount", 0), ("animateinterval", 25),
            ("inactiveanimation", False), ("fullframe", False)]


def form_info():
    """The [FORMINFO] section."""
    lt, rt, lb, rb = CORNERS
    return [("lefttoppoint", lt), ("righttoppoint", rt), ("leftbottompoint", lb),
            ("rightbottompoint", rb), ("clientrect", CLIENT),
            ("bgpictureindex", -1), ("mdibgpictureindex", 5),
            ("leftstretch", True), ("rightstretch", True), ("topstretch", True),
            ("bottomstretch", False), ("stretcheffect", False), ("stretchtype", "stfull"),
            ("mdibgstretcheffect", False), ("mdibgstretchtype", "stfull"),
            ("buttonsrect", EMPTY), ("captionrect", CAPTION_RECT), ("buttonsoffset", 0),
            ("buttonsinleft", False), ("maskrectarea", (5, 5, 219, 164)),
            ("hittestlefttoppoint", (6, 7)), ("hittestrighttoppoint", (217, 7)),
            ("hittestleftbottompoint", (7, 161)), ("hittestrightbottompoint", (218, 162)),
            ("rollupleftpoint", (0, 0)), ("rolluprightpoint", (0, 0)),
            ("mainmenurect", EMPTY), ("iconrect", EMPTY), ("mainmenupopupup", False),
            ("borderwidth", 5), ("formminwidth", 200), ("mditabstransparent", False),
            ("mainmenubartransparent", False), ("cursorindex", -1),
            ("autorenderinginactiveimage", False), ("inactiveeffect", "iebrightness"),
            ("sizegriparea", EMPTY), ("statusbarname", "")]


def mdi_background():
    """A dark slate tile with a faint diagonal weave, for MDI parents."""
    c = Canvas(64, 64, t.SLATE_LOW)
    for y in range(64):
        for x in range(64):
            if (x + y) % 8 == 0 or (x - y) % 16 == 0:
                c.set(x, y, mix(t.SLATE_LOW, t.STEEL, 0.12))
    c.noise(3, 5)
    return c
