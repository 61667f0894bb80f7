"""Push buttons, tool buttons and up-down arrows (controls picture).

A button is a rounded paper face with a slate outline; the pointer warms it to amber, a
press sinks it, the focus adds a blue ring inside the outline, and a disabled button goes
flat and grey. The corners outside the face are client paper, so a button merges with any
window, tab page or group box it stands on."""

from canvas import Canvas, lighten, darken, mix, sd_ring, sd_round_rect, vgradient
from glyphs import arrow
from skindef import EMPTY, both, fixed, font, horizontal
import theme as t

BUTTON_W, BUTTON_H = 70, 21
STATES = ("normal", "hot", "down", "disabled", "focused")

_EDGES = {
    "normal": t.LINE,
    "focused": t.LINE,
    "hot": darken(t.AMBER, 0.3),
    "down": darken(t.LINE, 0.35),
    "disabled": (172, 168, 158),
}


def _fill(state, top, bottom):
    if state in ("normal", "focused"):
        return vgradient(lighten(t.PAPER_LIGHT, 0.35), t.PAPER_SHADE, top, bottom)
    if state == "hot":
        return vgradient(lighten(t.AMBER_LIGHT, 0.5), mix(t.AMBER_LIGHT, t.AMBER, 0.4),
                         top, bottom)
    if state == "down":
        return vgradient(t.PAPER_DEEP, mix(t.PAPER_DEEP, t.PAPER_LIGHT, 0.45), top, bottom)
    return vgradient((230, 226, 214), (222, 218, 206), top, bottom)


def face(w, h, state, radius=4, bg=t.PAPER):
    """A button face of w x h in one state, on background bg."""
    c = Canvas(w, h, bg)
    c.shape(sd_round_rect(0, 0, w, h, radius), _EDGES[state])
    inner = sd_round_rect(1, 1, w - 1, h - 1, max(0.5, radius - 1))
    c.shape(inner, _fill(state, 1, h - 1))
    if state in ("normal", "hot", "focused"):
        c.hline(radius, w - radius, 1, t.WHITE, 0.7)
    if state == "down":
        c.hline(radius, w - radius, 1, darken(t.PAPER_DEEP, 0.25), 0.6)
    if state == "focused":
        ring = sd_ring(sd_round_rect(2, 2, w - 2, h - 2, max(0.5, radius - 2)), inner)
        c.shape(ring, t.FOCUS_BLUE)
    return c


def button_keys(rects, frame_keys, colours=None):
    """A "button"-kind section: its base and frame keys, then the button's own."""
    normal, hot, down, disabled, focused = rects
    colours = colours or dict(fontcolor=t.INK, activefontcolor=t.INK,
                              disabledfontcolor=t.DISABLED_TEXT, downfontcolor=t.INK)
    return (frame_keys + font(**colours)
            + [("morphing", False), ("morphkind", "mkdefault"),
               ("activeskinrect", hot), ("downskinrect", down), ("focusedskinrect", focused),
               ("disabledskinrect", disabled), ("animateskinrect", EMPTY), ("framecount", 0),
               ("animateinterval", 25), ("showfocus", False),
               ("menumarkerflatrect", EMPTY), ("menumarkerrect", EMPTY),
               ("menumarkeractiverect", EMPTY), ("menumarkerdownrect", EMPTY),
               ("menumarkertransparentcolor", t.PAPER)])


def draw(atlas):
    """Draws the button family; returns their sections by name."""
    s = {}
    push = atlas.put_row([face(BUTTON_W, BUTTON_H, st) for st in STATES])
    s["button"] = button_keys(push, horizontal(4, push[0], 6, 6, (5, 2, 65, 19)))

    small = atlas.put_row([face(21, 21, st, radius=3) for st in STATES])
    arrows = dict(fontcolor=t.SLATE, activefontcolor=t.INK, disabledfontcolor=t.DISABLED_TEXT,
                  downfontcolor=t.INK)
    small_frame = both(4, small[0], 3, effect=True)
    for name in ("resizebutton", "combobutton", "htracktoolbutton", "vtracktoolbutton"):
        s[name] = button_keys(small, small_frame, arrows)

    tool = atlas.put_row([Canvas(24, 22, t.PAPER)]
                         + [face(24, 22, st, radius=3) for st in STATES[1:]])
    tool_frame = both(4, tool[0], 4, effect=True)
    for name in ("toolbutton", "bigtoolbutton", "resizetoolbutton"):
        s[name] = button_keys(tool, tool_frame)

    track = atlas.put(_menu_track())
    for name in ("toolmenubutton", "toolmenutrackbutton", "bigtoolmenubutton",
                 "bigtoolmenutrackbutton"):
        s[name] = button_keys(tool, tool_frame) + [("trackbuttonrect", track)]
    return s


def _menu_track():
    c = face(12, 22, "normal", radius=3)
    arrow(c, 6, 11, "down", t.SLATE, 3)
    return c


def _arrow_face(w, h, state, direction):
    c = face(w, h, state, radius=3)
    shift = 1 if state == "down" else 0
    ink = t.SLATE if state == "normal" else t.INK
    arrow(c, w / 2.0 + shift, h / 2.0 + shift, direction, ink, 3.2)
    return c


def updown_keys(skinrect, up, up_hot, up_down, down, down_hot, down_down):
    """An up-down section: fixed picture, button places relative to it, looks absolute."""
    return (fixed(4, skinrect)
            + [("upbuttonrect", up), ("activeupbuttonrect", up_hot),
               ("downupbuttonrect", up_down), ("downbuttonrect", down),
               ("activedownbuttonrect", down_hot), ("downdownbuttonrect", down_down)])


VUPDOWN_AT = (202, 173)


def draw_updowns(atlas):
    """Draws both up-downs; the vertical one goes to its fixed place, so call this first."""
    s = {}
    v = Canvas(15, 31, t.PAPER)
    v.blit(_arrow_face(15, 15, "normal", "up"), 0, 0)
    v.blit(_arrow_face(15, 15, "normal", "down"), 0, 16)
    skin = atlas.put_at(v, *VUPDOWN_AT)
    up_hot, up_down, down_hot, down_down = atlas.put_row(
        [_arrow_face(15, 15, st, d) for d in ("up", "down") for st in ("hot", "down")])
    s["vupdown"] = updown_keys(skin, (0, 0, 15, 15), up_hot, up_down,
                               (0, 16, 15, 31), down_hot, down_down)

    h = Canvas(34, 17, t.PAPER)
    h.blit(_arrow_face(17, 17, "normal", "left"), 0, 0)
    h.blit(_arrow_face(17, 17, "normal", "right"), 17, 0)
    skin = atlas.put(h)
    down_hot, down_down, up_hot, up_down = atlas.put_row(
        [_arrow_face(17, 17, st, d) for d in ("left", "right") for st in ("hot", "down")])
    s["hupdown"] = updown_keys(skin, (17, 0, 34, 17), up_hot, up_down,
                               (0, 0, 17, 17), down_hot, down_down)
    return s


def spin_buttons(atlas):
    """Small stacked arrows for spin edits: returns (up, up hot, up down, down, down hot,
    down down) pieces, each 15 x 8."""
    pieces = [_arrow_face(15, 8, st, d) for d in ("up", "down")
              for st in ("normal", "hot", "down")]
    return atlas.put_row(pieces)
