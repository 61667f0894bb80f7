"""Radio boxes and check boxes (controls picture).

The marks are 13 x 13 on client paper: the paper is the colour that drawing leaves out
(every corner pixel of a mark is paper, whichever corner is taken as the key), and their
anti-aliased edges are blended towards the same paper, which is what lies under them in
group boxes and on tab pages."""

from canvas import Canvas, lighten, darken, sd_circle, sd_round_rect, vgradient
from glyphs import check_mark
from skindef import EMPTY, font, horizontal
import theme as t

MARK = 13
PLATE_W, PLATE_H = 33, 19

_LOOKS = {
    "normal": (t.LINE, ((232, 228, 214), t.FIELD), (32, 38, 52)),
    "active": (darken(t.AMBER, 0.3), (t.AMBER_LIGHT, lighten(t.AMBER_LIGHT, 0.6)),
               (32, 38, 52)),
    "disabled": ((172, 168, 158), ((232, 229, 220), (232, 229, 220)), (152, 148, 138)),
}


def _mark(shape, look, state):
    edge, (top, bottom), ink = _LOOKS[look]
    c = Canvas(MARK, MARK, t.PAPER)
    if shape == "radio":
        c.shape(sd_circle(6.5, 6.5, 6.0), edge)
        c.shape(sd_circle(6.5, 6.5, 5.0), vgradient(top, bottom, 1, 12))
        if state == "checked":
            c.shape(sd_circle(6.5, 6.5, 2.7), ink)
    else:
        c.shape(sd_round_rect(0.5, 0.5, 12.5, 12.5, 2), edge)
        c.shape(sd_round_rect(1.5, 1.5, 11.5, 11.5, 1.2), vgradient(top, bottom, 1, 12))
        if state == "checked":
            check_mark(c, 0, 0, MARK, ink)
        elif state == "grayed":
            c.shape(sd_round_rect(4, 4, 9, 9, 1), (128, 124, 112))
    return c


def _plate(active):
    c = Canvas(PLATE_W, PLATE_H, t.PAPER)
    edge = darken(t.AMBER, 0.3) if active else t.LINE_SOFT
    fill = lighten(t.AMBER_LIGHT, 0.4) if active else t.PAPER_LIGHT
    c.shape(sd_round_rect(0, 0, PLATE_W, PLATE_H, 3), edge)
    c.shape(sd_round_rect(1, 1, PLATE_W - 1, PLATE_H - 1, 2), fill)
    return c


def _section(atlas, shape):
    plate, plate_hot = atlas.put_row([_plate(False), _plate(True)])
    marks = atlas.put_row([_mark(shape, look, state)
                           for look in ("normal", "active", "disabled")
                           for state in ("checked", "unchecked")])
    checked, unchecked, hot_checked, hot_unchecked, off_checked, off_unchecked = marks
    grayed = hot_grayed = EMPTY
    if shape == "check":
        grayed, hot_grayed = atlas.put_row([_mark(shape, "normal", "grayed"),
                                            _mark(shape, "active", "grayed")])
    return (horizontal(4, plate, 18, 3, (18, 1, 30, 18))
            + font(fontcolor=t.INK, activefontcolor=t.INK, unenabledfontcolor=t.DISABLED_TEXT,
                   framefontcolor=t.INK)
            + [("morphing", False), ("morphkind", "mkdefault"), ("activeskinrect", plate_hot),
               ("checkimagearea", (2, 3, 15, 16)), ("textarea", (18, 1, 31, 18)),
               ("checkimagerect", checked), ("uncheckimagerect", unchecked),
               ("activecheckimagerect", hot_checked), ("activeuncheckimagerect", hot_unchecked),
               ("unenabledcheckimagerect", off_checked),
               ("unenableduncheckimagerect", off_unchecked),
               ("grayedcheckimagerect", grayed), ("activegrayedcheckimagerect", hot_grayed)])


def draw(atlas):
    """Draws the radio box and check box; returns their sections by name."""
    return {"radiobox": _section(atlas, "radio"), "checkbox": _section(atlas, "check")}
