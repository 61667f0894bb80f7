"""Text fields and lists: edits, memos, list and combo boxes, spin edits, grids and the
other boxes that show a white field in a thin frame (controls picture).

The field is near-white so that typed black text has the highest contrast in the skin;
the frame turns amber while the field is hot or focused, as buttons do."""

from canvas import Canvas, darken, lighten, sd_round_rect, vgradient
from buttons import face
from glyphs import arrow
from panels import group_frame
from skindef import EMPTY, both, control, font, horizontal
import theme as t

EDIT_W, EDIT_H = 80, 21
FIELD_EDGE = (118, 122, 128)
ITEM_W, ITEM_H = 60, 18


def _field(w, h, active, radius=2):
    c = Canvas(w, h, t.PAPER)
    edge = darken(t.AMBER, 0.3) if active else FIELD_EDGE
    c.shape(sd_round_rect(0, 0, w, h, radius), edge)
    c.shape(sd_round_rect(1, 1, w - 1, h - 1, max(0.5, radius - 1)),
            t.AMBER_LIGHT if active else (226, 222, 208))
    c.fill(2, 2, w - 2, h - 2, t.FIELD)
    return c


def _side_button(state, glyph):
    c = face(16, 17, state, radius=2)
    glyph(c, 8 + (state == "down"), 8.5 + (state == "down"))
    return c


def _dots(c, cx, cy):
    for dx in (-3, 0, 3):
        c.shape(sd_round_rect(cx + dx - 1, cy + 2, cx + dx + 1, cy + 4, 0.5), t.INK)


def _drop(c, cx, cy):
    arrow(c, cx, cy, "down", t.INK, 3.2)


def _edit_with_button(active, glyph):
    c = _field(EDIT_W, EDIT_H, active)
    c.blit(_side_button("normal", glyph), 62, 2)
    return c


def _item(state):
    c = Canvas(ITEM_W, ITEM_H, t.FIELD)
    if state != "normal":
        c.fill(0, 0, ITEM_W, ITEM_H, vgradient(lighten(t.SELECT, 0.2), t.SELECT, 0, 6))
    if state == "focus":
        c.frame(0, 0, ITEM_W, ITEM_H, t.AMBER)
    return c


def _header_cell():
    c = Canvas(40, ITEM_H, t.PAPER_SHADE)
    c.fill(0, 0, 40, ITEM_H, vgradient((226, 218, 188), t.PAPER_SHADE, 0, ITEM_H))
    c.hline(0, 40, ITEM_H - 1, t.LINE_SOFT)
    c.vline(39, 0, ITEM_H, t.LINE_SOFT)
    return c


def edit_keys(frame_keys, active, buttons=(EMPTY, EMPTY, EMPTY, EMPTY)):
    """An "edit"-kind section: frame keys, then the edit's own."""
    place, hot, down, disabled = buttons
    return (frame_keys + [("activeskinrect", active)]
            + font(fontcolor=t.INK, disabledfontcolor=t.DISABLED_TEXT, activefontcolor=t.INK)
            + [("buttonrect", place), ("activebuttonrect", hot), ("downbuttonrect", down),
               ("unenabledbuttonrect", disabled)])


def _list_keys(frame_keys, items, caption):
    normal, active, focus = items
    return (frame_keys
            + [("itemrect", normal), ("activeitemrect", active), ("focusitemrect", focus),
               ("itemleftoffset", 2), ("itemrightoffset", 2),
               ("itemtextrect", (4, 0, ITEM_W - 4, ITEM_H))]
            + font(fontcolor=t.INK, activefontcolor=t.WHITE, focusfontcolor=t.WHITE)
            + [("captionrect", caption), ("captionfontname", "Arial"),
               ("captionfontheight", 14), ("captionfontstyle", "fsbold"),
               ("captionfontcolor", t.INK)]
            + [(k, EMPTY) for k in ("upbuttonrect", "activeupbuttonrect", "downupbuttonrect",
                                    "downbuttonrect", "activedownbuttonrect",
                                    "downdownbuttonrect", "checkbuttonrect",
                                    "activecheckbuttonrect", "downcheckbuttonrect")]
            + [("vscrollbarname", "vscrollbar"), ("hscrollbarname", "hscrollbar"),
               ("bothhscrollbarname", "bothhscrollbar"), ("showfocus", False)])


def draw(atlas, marks, group, spin):
    """Draws the field family. `marks` are the check box's checked and unchecked marks,
    `group` the group box picture (lists with a caption use it) and `spin` the six spin
    button pieces. Returns the sections by name."""
    s = {}
    edit, edit_hot = atlas.put_row([_field(EDIT_W, EDIT_H, False), _field(EDIT_W, EDIT_H, True)])
    edit_frame = horizontal(4, edit, 4, 4, (3, 2, 77, 19), effect=False)
    for name in ("edit", "statusedit", "tooledit"):
        s[name] = edit_keys(edit_frame, edit_hot)

    side = (62, 2, 78, 19)
    with_dots = atlas.put_row([_edit_with_button(False, _dots), _edit_with_button(True, _dots)]
                              + [_side_button(st, _dots) for st in ("hot", "down", "disabled")])
    dots_frame = horizontal(4, with_dots[0], 4, 20, (3, 2, 60, 19), effect=False)
    for name in ("buttonedit", "statusbuttonedit", "toolbuttonedit"):
        s[name] = edit_keys(dots_frame, with_dots[1], (side,) + tuple(with_dots[2:]))

    items = atlas.put_row([_item("normal"), _item("active"), _item("focus")])
    combo = atlas.put_row([_edit_with_button(False, _drop), _edit_with_button(True, _drop)]
                          + [_side_button(st, _drop) for st in ("hot", "down", "disabled")])
    combo_frame = horizontal(4, combo[0], 4, 20, (3, 2, 60, 19), effect=False)
    for name in ("combobox", "captioncombobox", "statuscombobox", "toolcombobox"):
        s[name] = (combo_frame + [("activeskinrect", combo[1]), ("itemrect", items[0]),
                                  ("activeitemrect", items[1]), ("focusitemrect", items[2]),
                                  ("itemleftoffset", 2), ("itemrightoffset", 2),
                                  ("itemtextrect", (4, 0, ITEM_W - 4, ITEM_H))]
                   + font(fontcolor=t.INK, focusfontcolor=t.WHITE, activefontcolor=t.INK)
                   + [("listboxname", "listbox"), ("buttonrect", side),
                      ("activebuttonrect", combo[2]), ("downbuttonrect", combo[3]),
                      ("unenabledbuttonrect", combo[4]), ("itemstretcheffect", True),
                      ("focusitemstretcheffect", True), ("showfocus", False)])

    spin_up, spin_up_hot, spin_up_down, spin_down, spin_down_hot, spin_down_down = spin
    spin_skin = []
    for active in (False, True):
        c = _field(EDIT_W, EDIT_H, active)
        c.blit(atlas.canvas.crop(*spin_up), 63, 2)
        c.blit(atlas.canvas.crop(*spin_down), 63, 11)
        spin_skin.append(c)
    spin_normal, spin_hot = atlas.put_row(spin_skin)
    for name in ("spinedit", "statusspinedit", "toolspinedit"):
        s[name] = (horizontal(4, spin_normal, 4, 18, (3, 2, 62, 19), effect=False)
                   + [("activeskinrect", spin_hot)]
                   + font(fontcolor=t.INK, activefontcolor=t.INK,
                          disabledfontcolor=t.DISABLED_TEXT)
                   + [("upbuttonrect", (63, 2, 78, 10)), ("activeupbuttonrect", spin_up_hot),
                      ("downupbuttonrect", spin_up_down), ("downbuttonrect", (63, 11, 78, 19)),
                      ("activedownbuttonrect", spin_down_hot),
                      ("downdownbuttonrect", spin_down_down)])

    box, box_hot = atlas.put_row([_field(60, 40, False), _field(60, 40, True)])
    header = atlas.put(_header_cell())
    box_frame = both(4, box, 3, client=(2, 2, 58, 38))
    s["memo"] = (edit_keys(box_frame, box_hot)
                 + [("bgcolor", t.FIELD), ("activebgcolor", t.FIELD)])
    caption = (4, 1, group.width - 4, 19)
    s["listbox"] = _list_keys(box_frame, items, EMPTY)
    s["captionlistbox"] = _list_keys(group_frame(group), items, caption)
    check_keys = [("checkimagerect", marks[0]), ("itemcheckrect", (2, 2, 15, 15)),
                  ("uncheckimagerect", marks[1])]
    s["checklistbox"] = s["listbox"] + check_keys
    s["captionchecklistbox"] = s["captionlistbox"] + check_keys
    s["grid"] = (box_frame
                 + [("fixedcellrect", header), ("selectcellrect", items[1]),
                    ("focuscellrect", items[2]), ("fixedcellleftoffset", 2),
                    ("fixedcellrightoffset", 2), ("fixedcelltextrect", (3, 0, 37, ITEM_H)),
                    ("cellleftoffset", 2), ("cellrightoffset", 2),
                    ("celltextrect", (3, 0, ITEM_W - 3, ITEM_H)), ("linescolor", t.LINE_SOFT),
                    ("bgcolor", t.FIELD), ("bgpictureindex", -1)]
                 + font(fontcolor=t.INK, selectfontcolor=t.WHITE, focusfontcolor=t.WHITE)
                 + [("fixedfontname", "Arial"), ("fixedfontheight", 14),
                    ("fixedfontstyle", "fsbold"), ("fixedfontcolor", t.INK),
                    ("cellstretcheffect", True), ("fixedcellstretcheffect", True),
                    ("showfocus", False)])
    for name in ("treeview", "listview", "richedit"):
        s[name] = control(4, box) + font(fontcolor=t.INK) + [("bgcolor", t.FIELD)]
    s["scrollbox"] = box_frame + [("bgpictureindex", -1)]
    return s
