"""Group boxes, panels, the page control, labels and the bars built like them (controls
picture).

A group box is a paper card with a khaki header band across its top edge, where its
caption stands centred in bold black. Tabs are khaki cards; the selected one is paper
with an amber edge at its top and opens into the page below it."""

from canvas import Canvas, darken, lighten, sd_round_rect, vgradient
from buttons import face
from glyphs import arrow, cross, grip
from skindef import EMPTY, both, control, custom, fixed, font, frame_points, horizontal, stretch
import theme as t

GROUP_W, GROUP_H, HEADER = 120, 80, 20
TAB_W, TAB_H = 59, 18
HEADER_TOP = (226, 218, 188)


def _group():
    c = Canvas(GROUP_W, GROUP_H, t.PAPER)
    c.shape(sd_round_rect(0, 0, GROUP_W, GROUP_H, 4), t.LINE)
    c.shape(sd_round_rect(1, 1, GROUP_W - 1, GROUP_H - 1, 3), t.PAPER)
    c.shape(sd_round_rect(1, 1, GROUP_W - 1, HEADER + 4, 3),
            vgradient(HEADER_TOP, t.PAPER_SHADE, 1, HEADER - 1), bbox=(0, 0, GROUP_W, HEADER - 1))
    c.hline(4, GROUP_W - 4, 1, t.WHITE, 0.6)
    c.hline(1, GROUP_W - 1, HEADER - 1, t.LINE_SOFT)
    return c


def _panel():
    c = Canvas(100, 60, t.PAPER)
    c.frame(0, 0, 100, 60, t.LINE)
    c.hline(1, 99, 1, lighten(t.PAPER, 0.6))
    c.vline(1, 1, 59, lighten(t.PAPER, 0.6))
    c.hline(1, 99, 58, darken(t.PAPER, 0.12))
    c.vline(98, 1, 59, darken(t.PAPER, 0.12))
    return c


def _page():
    c = Canvas(100, 80, t.PAPER)
    c.frame(0, 0, 100, 80, t.LINE)
    c.hline(1, 99, 1, lighten(t.PAPER, 0.5))
    c.vline(1, 1, 79, lighten(t.PAPER, 0.5))
    return c


def _tab(state):
    h = TAB_H + 1 if state == "active" else TAB_H
    c = Canvas(TAB_W, h, t.PAPER)
    edge = darken(t.AMBER, 0.3) if state == "hot" else t.LINE
    top, bottom = {"normal": (HEADER_TOP, t.PAPER_SHADE),
                   "hot": (lighten(t.AMBER_LIGHT, 0.5), t.AMBER_LIGHT),
                   "active": (t.PAPER_LIGHT, t.PAPER)}[state]
    c.shape(sd_round_rect(0, 0, TAB_W, h + 6, 4), edge)
    c.shape(sd_round_rect(1, 1, TAB_W - 1, h + 6, 3), vgradient(top, bottom, 1, h - 3))
    if state == "active":
        c.shape(sd_round_rect(1, 1, TAB_W - 1, 8, 3), t.AMBER, bbox=(0, 0, TAB_W, 3))
    else:
        c.hline(4, TAB_W - 4, 1, t.WHITE, 0.6)
    return c


def _label(sunken):
    c = Canvas(80, 21, t.PAPER)
    if sunken:
        c.frame(0, 0, 80, 21, darken(t.PAPER, 0.3))
        c.hline(1, 79, 20, lighten(t.PAPER, 0.6))
        return c
    c.shape(sd_round_rect(0, 0, 80, 21, 3), t.LINE)
    c.shape(sd_round_rect(1, 1, 79, 20, 2),
            vgradient(lighten(t.PAPER_LIGHT, 0.4), (232, 225, 200), 1, 20))
    c.hline(3, 77, 1, t.WHITE, 0.7)
    return c


def _small_button(state, glyph):
    c = face(14, 14, state, radius=3)
    shift = 1 if state == "down" else 0
    glyph(c, 7 + shift, 7 + shift)
    return c


def _bar():
    c = Canvas(100, 22, t.PAPER_SHADE)
    c.fill(0, 0, 100, 21, vgradient(HEADER_TOP, t.PAPER_SHADE, 0, 21))
    c.hline(0, 100, 21, t.LINE_SOFT)
    return c


def _grip(vertical):
    c = Canvas(8, 20, t.PAPER_SHADE)
    grip(c, 2, 2, 6, 18, True, darken(t.PAPER_SHADE, 0.35), t.WHITE)
    return c if vertical else c.transposed()


def panel_keys(frame_keys, caption, colour, style, marks=(EMPTY, EMPTY)):
    """A "panel"-kind section: frame keys, then the panel's own."""
    return (frame_keys + [("bgpictureindex", -1), ("captionrect", caption),
                          ("alignment", "tacenter")]
            + font(style, fontcolor=colour)
            + [("checkimagerect", marks[0]), ("uncheckimagerect", marks[1]),
               ("markframerect", EMPTY), ("framerect", EMPTY), ("frametextrect", EMPTY),
               ("frameleftoffset", 0), ("framerightoffset", 0), ("gripperrect", EMPTY),
               ("grippertransparent", False), ("grippertransparentcolor", t.PAPER)])


def group_frame(skin):
    """The frame keys of the group box picture: the corner zones reach down to the header
    band's foot, so a caption across the band grows with the box."""
    w, h = skin.width, skin.height
    return custom(4, skin, ((8, HEADER), (w - 8, HEADER), (8, h - 2), (w - 8, h - 2)),
                  (2, HEADER, w - 2, h - 2))


def draw(atlas, marks):
    """Draws the panel family; `marks` are the check box's checked and unchecked marks
    for panels with a check in their caption. Returns the sections by name."""
    s = {}
    group, panel, page = atlas.put_row([_group(), _panel(), _page()])
    caption = (4, 1, GROUP_W - 4, HEADER - 1)
    s["groupbox"] = panel_keys(group_frame(group), caption, t.INK, "fsbold", marks)
    for name in ("panel", "toolpanel", "statusbar", "bigtoolpanel", "resizetoolpanel"):
        s[name] = panel_keys(both(4, panel, 4, client=(2, 2, 98, 58)), EMPTY, t.INK, "")

    tab, hot, active = atlas.put_row([_tab("normal"), _tab("hot"), _tab("active")])
    closes = atlas.put_row([_small_button(st, _cross_glyph) for st in ("normal", "hot", "down")])
    s["tab"] = (control(4, page)
                + [("tabrect", tab), ("activetabrect", active), ("focustabrect", EMPTY),
                   ("mouseintabrect", hot), ("clientrect", (2, 2, 98, 78)),
                   ("bgpictureindex", -1)]
                + frame_points((4, 4), (96, 4), (4, 76), (96, 76))
                + [("tableftoffset", 5), ("tabrightoffset", 5), ("tabsbgrect", EMPTY),
                   ("tabstretcheffect", True)]
                + stretch()
                + font(fontcolor=t.INK, activefontcolor=t.INK, focusfontcolor=t.INK,
                       mouseinfontcolor=(70, 40, 8))
                + [("updown", "hupdown"), ("showfocus", False), ("focusoffsetx", 0),
                   ("focusoffsety", 0), ("closebuttonrect", closes[0]),
                   ("closebuttonactiverect", closes[1]), ("closebuttondownrect", closes[2]),
                   ("buttontransparent", False), ("buttontransparentcolor", t.PAPER)])

    plate, sunken = atlas.put_row([_label(False), _label(True)])
    label_keys = font(fontcolor=t.INK)
    s["label"] = horizontal(4, plate, 5, 5, (4, 2, 76, 19)) + label_keys
    s["statuspanel"] = horizontal(4, sunken, 3, 3, (3, 2, 77, 19)) + label_keys
    s["stdlabel"] = control(-1, EMPTY) + font(fontcolor=t.LINK, activefontcolor=t.LINK_HOT)
    s["bevel"] = fixed(-1, EMPTY) + [("lightcolor", t.WHITE), ("darkcolor", t.LINE)]

    bar, hgrip, vgrip = atlas.put_row([_bar(), _grip(False), _grip(True)])
    s["mainmenubar"] = (horizontal(4, bar, 2, 2, (2, 1, 98, 21))
                        + [("itemsrect", (2, 1, 98, 21)), ("menubaritem", "mainmenubaritem"),
                           ("closebutton", "menubarclosebutton"),
                           ("minbutton", "menubarminbutton"), ("maxbutton", "menubarmaxbutton"),
                           ("sysmenubutton", "menubarsysmenubutton"),
                           ("trackmarkcolor", t.LINE), ("trackmarkactivecolor", t.INK),
                           ("itemtransparent", False)])
    s["controlbar"] = (both(4, panel, 4, client=(2, 2, 98, 58))
                       + [("itemrect", bar), ("bgpictureindex", -1), ("hgriprect", hgrip),
                          ("vgriprect", vgrip), ("gripoffset1", 2), ("gripoffset2", 2),
                          ("itemstretcheffect", True), ("itemoffset1", 3), ("itemoffset2", 3),
                          ("itemtransparent", False), ("itemtransparentcolor", t.PAPER),
                          ("griptransparent", False), ("griptransparentcolor", t.PAPER)])
    s["expanel"] = _expanel(atlas, group)
    return s


def _cross_glyph(c, x, y):
    cross(c, x, y, 2.8, t.INK, 0.9)


def _arrow_glyph(direction):
    return lambda c, x, y: arrow(c, x, y, direction, t.INK, 3)


def _expanel(atlas, group):
    header = atlas.put(_group().crop(0, 0, GROUP_W, HEADER))
    side = atlas.put(_group().crop(0, 0, GROUP_W, HEADER).transposed())
    buttons = []
    for name, glyph in (("closebutton", _cross_glyph), ("hrollbutton", _arrow_glyph("up")),
                        ("hrestorebutton", _arrow_glyph("down")),
                        ("vrollbutton", _arrow_glyph("left")),
                        ("vrestorebutton", _arrow_glyph("right"))):
        normal, hot, down = atlas.put_row([_small_button(st, glyph)
                                           for st in ("normal", "hot", "down")])
        buttons += [(name + "rect", normal), (name + "activerect", hot),
                    (name + "downrect", down)]
    return (group_frame(group)
            + [("rollhskinrect", header), ("rollvskinrect", side), ("rollleftoffset", 8),
               ("rollrightoffset", 8), ("rolltopoffset", 8), ("rollbottomoffset", 8),
               ("rollvcaptionrect", (1, 4, HEADER - 1, GROUP_W - 4)),
               ("rollhcaptionrect", (4, 1, GROUP_W - 4, HEADER - 1))]
            + buttons
            + [("captionrect", (4, 1, GROUP_W - 4, HEADER - 1))]
            + font("fsbold", fontcolor=t.INK)
            + [("buttonstransparent", False), ("buttonstransparentcolor", t.PAPER)])
