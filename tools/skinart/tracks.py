"""Track bars, sliders, gauges, scroll bars and splitters (controls picture).

A track bar is a sunken groove that fills with amber, like a glass, on the side of the
minimum; its thumb is a small steel knob with ridges. Vertical parts are the horizontal
ones mirrored about the diagonal."""

from canvas import Canvas, darken, lighten, mix, sd_round_rect, vgradient
from buttons import face
from glyphs import arrow, grip
from skindef import EMPTY, font, horizontal, vertical
import theme as t

BAR_W, BAR_H = 105, 19
THUMB_W, THUMB_H = 9, 17
GROOVE_SUNK = ((150, 142, 112), (198, 190, 160))
GROOVE_FULL = (lighten(t.AMBER, 0.35), darken(t.AMBER, 0.12))


def _groove(c, x0, y0, x1, y1, colours, radius=2.5):
    c.shape(sd_round_rect(x0, y0, x1, y1, radius), t.LINE)
    c.shape(sd_round_rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, radius - 1),
            vgradient(colours[0], colours[1], y0 + 1, y1 - 1))


def _bar(filled):
    c = Canvas(BAR_W, BAR_H, t.PAPER)
    _groove(c, 3, 7, BAR_W - 3, 12, GROOVE_FULL if filled else GROOVE_SUNK)
    if filled:
        c.hline(5, BAR_W - 5, 8, lighten(t.AMBER_LIGHT, 0.5), 0.6)
    return c


def _thumb(active):
    c = Canvas(THUMB_W, THUMB_H, t.PAPER)
    edge = darken(t.AMBER, 0.4) if active else (40, 48, 64)
    top, bottom = ((lighten(t.AMBER_LIGHT, 0.4), t.AMBER) if active
                   else (t.STEEL_LIGHT, mix(t.SLATE_TOP, t.STEEL, 0.35)))
    c.shape(sd_round_rect(0, 0, THUMB_W, THUMB_H, 3), edge)
    c.shape(sd_round_rect(1, 1, THUMB_W - 1, THUMB_H - 1, 2), vgradient(top, bottom, 1, 16))
    grip(c, 2, 6, 7, 11, False, darken(bottom, 0.35), lighten(top, 0.4))
    return c


def _trackbar_keys(frame_keys, active, area, thumb, thumb_hot, is_vertical):
    return frame_keys + [("activeskinrect", active), ("trackarea", area),
                         ("buttonrect", thumb), ("activebuttonrect", thumb_hot),
                         ("vertical", is_vertical), ("buttontransparent", False),
                         ("buttontransparentcolor", t.PAPER)]


def _gauge_keys(frame_keys, area, progress, is_vertical):
    return (frame_keys + [("progressarea", area), ("progressrect", progress),
                          ("beginoffset", 2), ("endoffset", 2), ("vertical", is_vertical)]
            + font("fsbold", fontcolor=t.INK)
            + [("progresstransparent", False), ("progresstransparentcolor", t.PAPER),
               ("progressstretch", True), ("animationskinrect", EMPTY),
               ("animationcountframes", 0), ("animationtimerinterval", 0),
               ("progressanimationskinrect", EMPTY), ("progressanimationcountframes", 0),
               ("progressanimationtimerinterval", 0), ("animationbeginoffset", 0),
               ("animationendoffset", 0)])


def _gauge():
    c = Canvas(100, 16, t.PAPER)
    _groove(c, 0, 0, 100, 16, ((196, 188, 156), (224, 217, 192)), 3)
    return c


def _progress():
    c = Canvas(20, 12, t.AMBER)
    c.fill(0, 0, 20, 12, vgradient(lighten(t.AMBER, 0.45), darken(t.AMBER, 0.15), 0, 12))
    return c


def _scroll_track():
    c = Canvas(100, 16, t.PAPER)
    c.fill(0, 0, 100, 16, vgradient((200, 192, 160), (218, 211, 184), 0, 16))
    c.blit(_scroll_button("normal", "left"), 0, 0)
    c.blit(_scroll_button("normal", "right"), 84, 0)
    return c


def _scroll_button(state, direction):
    c = face(16, 16, state, radius=3)
    shift = 1 if state == "down" else 0
    arrow(c, 8 + shift, 8 + shift, direction, t.SLATE if state == "normal" else t.INK, 3)
    return c


def _scroll_thumb(state):
    c = face(30, 16, state, radius=3)
    grip(c, 12, 4, 18, 12, True, darken(t.PAPER_SHADE, 0.3), t.WHITE)
    return c


def _scrollbar(atlas, turn):
    """A scroll bar; `turn` maps a horizontal picture to the one this bar needs."""
    skin = atlas.put(turn(_scroll_track()))
    buttons = atlas.put_row([turn(_scroll_button(st, d)) for d in ("left", "right")
                             for st in ("hot", "down")])
    thumbs = atlas.put_row([turn(_scroll_thumb(st)) for st in ("normal", "hot", "down")])
    up_hot, up_down, down_hot, down_down = buttons
    if turn is _same:
        frame = horizontal(4, skin, 16, 16, (16, 0, 84, 16))
        area, up, down = (16, 0, 84, 16), (0, 0, 16, 16), (84, 0, 100, 16)
    else:
        frame = vertical(4, skin, 16, 16, (0, 16, 16, 84))
        area, up, down = (0, 16, 16, 84), (0, 0, 16, 16), (0, 84, 16, 100)
    return frame + [
        ("trackarea", area), ("upbuttonrect", up), ("activeupbuttonrect", up_hot),
        ("downupbuttonrect", up_down), ("downbuttonrect", down),
        ("activedownbuttonrect", down_hot), ("downdownbuttonrect", down_down),
        ("thumbrect", thumbs[0]), ("activethumbrect", thumbs[1]),
        ("downthumbrect", thumbs[2]), ("thumboffset1", 4), ("thumboffset2", 4),
        ("thumbtransparent", False), ("thumbtransparentcolor", t.PAPER),
        ("thumbstretcheffect", True), ("thumbminsize", 12), ("thumbminpagesize", 8),
        ("glyphrect", EMPTY), ("activeglyphrect", EMPTY), ("downglyphrect", EMPTY),
        ("glyphtransparent", False), ("glyphtransparentcolor", t.PAPER)]


def _same(c):
    return c


def _turned(c):
    return c.transposed()


def _splitter():
    c = Canvas(40, 6, t.PAPER_SHADE)
    c.hline(0, 40, 0, lighten(t.PAPER_SHADE, 0.5))
    c.hline(0, 40, 5, darken(t.PAPER_SHADE, 0.25))
    return c


def _gripper():
    c = Canvas(12, 6, t.PAPER_SHADE)
    for x in range(1, 12, 3):
        c.set(x, 2, darken(t.PAPER_SHADE, 0.45))
        c.set(x + 1, 3, t.WHITE)
    return c


def draw(atlas):
    """Draws the track, gauge, scroll and splitter families; returns their sections."""
    s = {}
    bar, bar_full = atlas.put_row([_bar(False), _bar(True)])
    thumb, thumb_hot = atlas.put_row([_thumb(False), _thumb(True)])
    s["htrackbar"] = _trackbar_keys(horizontal(4, bar, 5, 5, (2, 1, 102, 18), effect=False),
                                    bar_full, (2, 1, 102, 18), thumb, thumb_hot, False)
    s["slider"] = (horizontal(4, bar, 5, 5, (2, 1, 102, 18), effect=False)
                   + [("bgcolor", t.PAPER), ("hrulerrect", bar), ("hthumbrect", thumb)])

    vbar, vbar_full = atlas.put_row([_bar(False).transposed(), _bar(True).transposed()])
    vthumb, vthumb_hot = atlas.put_row([_thumb(False).transposed(),
                                        _thumb(True).transposed()])
    s["trackbar"] = _trackbar_keys(vertical(4, vbar, 5, 5, (1, 2, 18, 102), effect=False),
                                   vbar_full, (1, 2, 18, 102), vthumb, vthumb_hot, True)
    s["slider"] += [("vrulerrect", vbar), ("vthumbrect", vthumb), ("edgesize", 5),
                    ("pointscolor", t.LINE)]

    gauge, progress = atlas.put_row([_gauge(), _progress()])
    vgauge, vprogress = atlas.put_row([_gauge().transposed(), _progress().transposed()])
    s["gauge"] = _gauge_keys(horizontal(4, gauge, 4, 4, (2, 2, 98, 14)), (2, 2, 98, 14),
                             progress, False)
    s["statusgauge"] = s["gauge"]
    s["vgauge"] = _gauge_keys(vertical(4, vgauge, 4, 4, (2, 2, 14, 98)), (2, 2, 14, 98),
                              vprogress, True)

    s["hscrollbar"] = _scrollbar(atlas, _same)
    s["bothhscrollbar"] = s["hscrollbar"]
    s["vscrollbar"] = _scrollbar(atlas, _turned)

    hsplit, hgrip = atlas.put_row([_splitter(), _gripper()])
    vsplit, vgrip = atlas.put_row([_splitter().transposed(), _gripper().transposed()])
    splitter_keys = [("grippertransparent", False), ("grippertransparentcolor", t.PAPER)]
    s["hsplitter"] = (horizontal(4, hsplit, 2, 2, (0, 0, 40, 6)) + [("gripperrect", hgrip)]
                      + splitter_keys)
    s["vsplitter"] = (vertical(4, vsplit, 2, 2, (0, 0, 6, 40)) + [("gripperrect", vgrip)]
                      + splitter_keys)
    return s

