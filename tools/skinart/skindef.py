"""The skin definition text: sections of key = value lines, and helpers for the keys that
many records share.

Values are written from Python values: True/False as 1/0, a 2-tuple as a point, a
4-tuple as a rectangle, a 3-tuple as an RGB colour (written as 0x00BBGGRR), ints and
strings as they are. A rectangle of a picture is a Piece, which also remembers the
picture it lies in, so that the checks can test it against that picture."""

from theme import colour_value


class Piece(tuple):
    """A rectangle (left, top, right, bottom) of active picture `picture`."""

    def __new__(cls, rect, picture):
        piece = super().__new__(cls, rect)
        piece.picture = picture
        return piece

    @property
    def width(self):
        return self[2] - self[0]

    @property
    def height(self):
        return self[3] - self[1]


EMPTY = (0, 0, 0, 0)


def format_value(v):
    """The text of one value."""
    if isinstance(v, bool):
        return "1" if v else "0"
    if isinstance(v, (int, str)):
        return str(v)
    if isinstance(v, tuple) and len(v) in (2, 4):
        if any(n < 0 for n in v):
            raise ValueError(f"coordinates are never negative in a skin, not {v}")
        return ",".join(str(n) for n in v)
    if isinstance(v, tuple) and len(v) == 3:
        return str(colour_value(v))
    raise TypeError(f"no written form for {v!r}")


class Definition:
    """An ordered set of sections, each an ordered list of (key, value)."""

    def __init__(self):
        self.sections = {}

    def add(self, name, pairs):
        """Adds a section; a name used twice is a mistake in the generator."""
        if name.lower() in (n.lower() for n in self.sections):
            raise ValueError(f"section [{name}] is written twice")
        keys = [k.lower() for k, _ in pairs]
        doubled = {k for k in keys if keys.count(k) > 1}
        if doubled:
            raise ValueError(f"section [{name}] has the keys {sorted(doubled)} more than once")
        self.sections[name] = list(pairs)

    def text(self):
        """The whole definition, one section after another with a blank line between."""
        lines = []
        for name, pairs in self.sections.items():
            if lines:
                lines.append("")
            lines.append(f"[{name}]")
            lines.extend(f"{k}={format_value(v)}" for k, v in pairs)
        return "\n".join(lines) + "\n"


# Keys shared by many records.

def control(picture, skinrect, mask=-1):
    """The keys every control record starts with."""
    return [("pictureindex", picture), ("maskpictureindex", mask), ("cursorindex", -1),
            ("skinrect", skinrect)]


def frame_points(lt=(0, 0), rt=(0, 0), lb=(0, 0), rb=(0, 0)):
    """The four corner points."""
    return [("lefttoppoint", lt), ("righttoppoint", rt), ("leftbottompoint", lb),
            ("rightbottompoint", rb)]


def stretch(left=True, top=True, right=True, bottom=True, effect=False, kind="stfull"):
    """The stretch switches of a resizable picture."""
    return [("leftstretch", left), ("topstretch", top), ("rightstretch", right),
            ("bottomstretch", bottom), ("stretcheffect", effect), ("stretchtype", kind)]


def custom(picture, skinrect, points, client, **stretch_args):
    """The keys of a resizable control: base keys, corner points, client rectangle, stretch."""
    return (control(picture, skinrect) + frame_points(*points) + [("clientrect", client)]
            + stretch(**stretch_args))


def horizontal(picture, skinrect, left, right, client, effect=True):
    """A control that stretches sideways only: fixed ends of `left` and `right` pixels."""
    w = skinrect.width
    return custom(picture, skinrect, ((left, 0), (w - right, 0)), client, effect=effect)


def vertical(picture, skinrect, top, bottom, client, effect=True):
    """A control that stretches up and down only: fixed ends of `top` and `bottom` pixels."""
    h = skinrect.height
    return custom(picture, skinrect, ((0, top), (0, 0), (0, h - bottom)), client, effect=effect)


def both(picture, skinrect, border, client=None, effect=False):
    """A control that stretches both ways with fixed corners of `border` pixels; the client
    rectangle defaults to the part inside the corners."""
    w, h = skinrect.width, skinrect.height
    b = border
    points = ((b, b), (w - b, b), (b, h - b), (w - b, h - b))
    return custom(picture, skinrect, points, client or (b, b, w - b, h - b), effect=effect)


def fixed(picture, skinrect):
    """A control drawn at the size of its picture."""
    return custom(picture, skinrect, (), EMPTY, left=False, top=False, right=False,
                  bottom=False)


def font(style="", height=14, name="Arial", **colours):
    """Font keys followed by the given colour keys, in the order given."""
    return [("fontname", name), ("fontheight", height), ("fontstyle", style)] + \
        list(colours.items())
