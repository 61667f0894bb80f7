"""Popup menus, the main menu bar and the hint window: the popup frame (picture 1), the
menu items and menu-bar pieces (picture 2) and the hint frame (picture 3).

Menus are light paper in a slate frame; the selected item is a slate-blue bar with white
text, the same pair of colours as the selected rows of lists."""

from canvas import Canvas, darken, lighten, mix, sd_circle, sd_round_rect, sd_segment, \
    vgradient
from glyphs import arrow, check_mark, cross
from skindef import EMPTY, font, frame_points, stretch
import theme as t

ITEM_W, ITEM_H = 60, 20
DIVIDER_H = 7
GLYPH = 12


def popup_frame():
    """The popup window: a slate rim around the items area."""
    c = Canvas(24, 24, t.SLATE_EDGE)
    c.shape(sd_round_rect(1, 1, 23, 23, 1), mix(t.SLATE_TOP, t.STEEL, 0.3))
    c.shape(sd_round_rect(2, 2, 22, 22, 0.5), t.SLATE)
    c.fill(3, 3, 21, 21, t.PAPER_LIGHT)
    return c


def popup_record(picture):
    """The [POPUPWINDOW] section."""
    return ([("windowpictureindex", picture), ("maskpictureindex", -1)]
            + frame_points((3, 3), (21, 3), (3, 21), (21, 21))
            + [("cursorindex", -1), ("itemsrect", (3, 3, 21, 21)),
               ("scrollmarkercolor", t.LINE), ("scrollmarkeractivecolor", t.INK)]
            + stretch(effect=True))


def hint_frame():
    """The hint window: a pale note with a dark brown edge."""
    c = Canvas(30, 24, (70, 52, 34))
    c.fill(1, 1, 29, 23, (255, 247, 214))
    c.hline(1, 29, 1, (255, 252, 236))
    return c


def hint_record(picture):
    """The [HINTWINDOW] section."""
    return ([("windowpictureindex", picture), ("maskpictureindex", -1)]
            + frame_points((3, 3), (27, 3), (3, 21), (27, 21))
            + [("clientrect", (3, 3, 27, 21))] + font(fontcolor=t.INK)
            + [("leftstretch", True), ("rightstretch", True), ("topstretch", True),
               ("bottomstretch", True), ("stretcheffect", True), ("stretchtype", "stfull")])


def _item(selected):
    c = Canvas(ITEM_W, ITEM_H, t.PAPER_LIGHT)
    if selected:
        c.shape(sd_round_rect(1, 0, ITEM_W - 1, ITEM_H, 3), darken(t.SELECT, 0.3))
        c.shape(sd_round_rect(2, 1, ITEM_W - 2, ITEM_H - 1, 2),
                vgradient(lighten(t.SELECT, 0.25), t.SELECT, 1, 6))
    return c


def _divider():
    c = Canvas(ITEM_W, DIVIDER_H, t.PAPER_LIGHT)
    c.hline(4, ITEM_W - 4, 3, t.LINE_SOFT)
    c.hline(4, ITEM_W - 4, 4, t.WHITE)
    return c


def _glyph(draw, selected):
    bg = t.SELECT if selected else t.PAPER_LIGHT
    ink = t.WHITE if selected else t.INK
    c = Canvas(GLYPH, GLYPH, bg)
    draw(c, ink)
    return c


def _check(c, ink):
    check_mark(c, 0, 0, GLYPH, ink)


def _radio(c, ink):
    c.shape(sd_circle(6, 6, 2.8), ink)


def _arrow(c, ink):
    arrow(c, 6.5, 6, "right", ink, 3.5)


def menu_item(atlas):
    """Draws the menu item pieces; returns the "menuitem" object record."""
    normal, active = atlas.put_row([_item(False), _item(True)])
    divider = atlas.put(_divider())
    check, check_on, radio, radio_on, arrow, arrow_on = atlas.put_row(
        [_glyph(g, s) for g in (_check, _radio, _arrow) for s in (False, True)])
    return ([("hint", ""), ("rollup", False), ("activepictureindex", atlas.index),
             ("skinrectinapicture", True), ("cursorindex", -1),
             ("skinrect", normal), ("activeskinrect", active), ("inactiveskinrect", EMPTY),
             ("morphing", False), ("morphkind", "mkdefault"),
             ("itemleftoffset", 4), ("itemrightoffset", 4), ("dividerrect", divider),
             ("dividerleftoffset", 4), ("dividerrightoffset", 4),
             ("textrect", (24, 0, 44, ITEM_H)), ("imagerect", (3, 2, 21, 18))]
            + font(fontcolor=t.INK, activefontcolor=t.WHITE,
                   unenabledfontcolor=t.DISABLED_TEXT)
            + [("stretcheffect", True), ("inactivestretcheffect", True),
               ("dividerstretcheffect", True), ("animateskinrect", EMPTY), ("framecount", 0),
               ("animateinterval", 25), ("inactiveanimation", False),
               ("useimagecolor", False), ("imagecolor", t.INK), ("activeimagecolor", t.WHITE),
               ("inactivetransparent", False),
               ("checkimagerect", check), ("activecheckimagerect", check_on),
               ("radioimagerect", radio), ("activeradioimagerect", radio_on),
               ("arrowimagerect", arrow), ("activearrowimagerect", arrow_on)])


def _bar_item(state):
    c = Canvas(40, 20, t.PAPER_SHADE)
    if state == "hot":
        c.shape(sd_round_rect(1, 1, 39, 19, 3), t.AMBER)
        c.shape(sd_round_rect(2, 2, 38, 18, 2), t.AMBER_LIGHT)
    elif state == "down":
        c.shape(sd_round_rect(1, 1, 39, 20, 3), darken(t.SELECT, 0.3))
        c.shape(sd_round_rect(2, 2, 38, 20, 2), t.SELECT)
    return c


def menu_bar_item(atlas):
    """Draws the menu-bar item pieces; returns the "mainmenubaritem" object record."""
    normal, hot, down = atlas.put_row([_bar_item(s) for s in ("normal", "hot", "down")])
    return ([("hint", ""), ("rollup", False), ("activepictureindex", atlas.index),
             ("skinrectinapicture", True), ("cursorindex", -1),
             ("skinrect", normal), ("activeskinrect", hot), ("inactiveskinrect", EMPTY),
             ("morphing", False), ("morphkind", "mkdefault"),
             ("itemleftoffset", 4), ("itemrightoffset", 4), ("downrect", down),
             ("textrect", (6, 0, 34, 20))]
            + font(fontcolor=t.INK, activefontcolor=t.INK, downfontcolor=t.WHITE,
                   unenabledfontcolor=t.DISABLED_TEXT)
            + [("stretcheffect", True), ("animateskinrect", EMPTY), ("framecount", 0),
               ("animateinterval", 25), ("inactiveanimation", False)])


def _bar_button(glyph, state):
    c = Canvas(16, 14, t.PAPER_SHADE)
    if state != "normal":
        edge = t.AMBER if state == "hot" else darken(t.SELECT, 0.3)
        face = t.AMBER_LIGHT if state == "hot" else t.PAPER_DEEP
        c.shape(sd_round_rect(0, 0, 16, 14, 2), edge)
        c.shape(sd_round_rect(1, 1, 15, 13, 1.5), face)
    glyph(c, 8 + (state == "down"), 7 + (state == "down"))
    return c


def _small_close(c, cx, cy):
    cross(c, cx, cy, 3, t.INK, 0.9)


def _small_min(c, cx, cy):
    c.shape(sd_segment(cx - 3, cy + 2.5, cx + 3, cy + 2.5, 0.9), t.INK)


def _small_max(c, cx, cy):
    c.shape(sd_round_rect(cx - 3.5, cy - 3.5, cx + 3.5, cy + 3.5, 0.5), t.INK)
    c.shape(sd_round_rect(cx - 2.5, cy - 1.5, cx + 2.5, cy + 2.5, 0.3), t.PAPER_LIGHT)


def _small_menu(c, cx, cy):
    for dy in (-3, 0, 3):
        c.shape(sd_segment(cx - 3.5, cy + dy, cx + 3.5, cy + dy, 0.7), t.INK)


def menu_bar_buttons(atlas, std_button):
    """Draws the four menu-bar buttons; returns their records by name."""
    records = {}
    for name, command, glyph in (("menubarsysmenubutton", "cmsysmenu", _small_menu),
                                 ("menubarclosebutton", "cmclose", _small_close),
                                 ("menubarmaxbutton", "cmmaximize", _small_max),
                                 ("menubarminbutton", "cmminimize", _small_min)):
        looks = atlas.put_row([_bar_button(glyph, s) for s in ("normal", "hot", "down")])
        records[name] = std_button(atlas.index, command, looks + [EMPTY], [EMPTY] * 4,
                                   morphing=False)
    return records
