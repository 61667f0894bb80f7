"""Checks of the finished skin: every picture index names a picture, every rectangle lies
inside the picture or the section it belongs to, and the control sections resize the way
the game's windows expect."""

from skindef import Piece

PICTURE_KEYS = ("pictureindex", "maskpictureindex", "activepictureindex", "windowpictureindex",
                "bgpictureindex", "mdibgpictureindex")

# Rectangles measured from another piece of the same section than its skinrect.
RELATIVE_TO = {"rollvcaptionrect": "rollvskinrect", "rollhcaptionrect": "rollhskinrect"}

EXPECTED_MODES = {
    "button": "horizontal", "checkbox": "horizontal", "radiobox": "horizontal",
    "htrackbar": "horizontal", "edit": "horizontal", "label": "horizontal",
    "trackbar": "vertical", "groupbox": "both", "panel": "both", "tab": "both",
    "vupdown": "fixed", "hupdown": "fixed",
}


class SkinError(Exception):
    """A fault in the generated skin; the message names the section and key."""


def resize_mode(section):
    """How a control section resizes, from its corner points and skin rectangle."""
    skin = section.get("skinrect", (0, 0, 0, 0))
    if skin[2] - skin[0] <= 0 or skin[3] - skin[1] <= 0:
        return "none"
    rt = section.get("righttoppoint", (0, 0))
    lb = section.get("leftbottompoint", (0, 0))
    rb = section.get("rightbottompoint", (0, 0))
    if rb[0] != 0 and rb[1] != 0:
        return "both"
    if rt != (0, 0):
        return "horizontal"
    if lb != (0, 0):
        return "vertical"
    return "fixed"


def check_corners(name, section):
    """The corner points of a picture that stretches both ways must sit on the client
    rectangle's edges or inside them, or the border strips get pieces of negative size."""
    left, top, right, bottom = section["clientrect"]
    lt, rt, lb, rb = (section[k] for k in ("lefttoppoint", "righttoppoint", "leftbottompoint",
                                           "rightbottompoint"))
    if not (left <= lt[0] and left <= lb[0] and rt[0] <= right and rb[0] <= right
            and top <= lt[1] and top <= rt[1] and lb[1] <= bottom and rb[1] <= bottom):
        raise SkinError(f"[{name}] corner points {lt}, {rt}, {lb}, {rb} leave the client "
                        f"rectangle's band {section['clientrect']}")


def _inside(rect, width, height):
    return 0 <= rect[0] <= rect[2] <= width and 0 <= rect[1] <= rect[3] <= height


def _is_rect(value):
    return isinstance(value, tuple) and len(value) == 4


def check_section(name, pairs, sizes, own_size):
    """Checks one section: picture indices exist; pieces lie in their pictures; plain
    rectangles lie inside own_size (the section's skinrect or window picture), if any."""
    section = dict(pairs)
    for key in PICTURE_KEYS:
        index = section.get(key, -1)
        if index != -1 and not 0 <= index < len(sizes):
            raise SkinError(f"[{name}] {key}={index}: there are only {len(sizes)} pictures")
    for key, value in pairs:
        if isinstance(value, Piece):
            width, height = sizes[value.picture]
            if not _inside(value, width, height):
                raise SkinError(f"[{name}] {key}={value} leaves picture {value.picture} "
                                f"({width} x {height})")
        elif _is_rect(value) and key != "skinrect":
            bounds = own_size
            if key in RELATIVE_TO:
                other = section[RELATIVE_TO[key]]
                bounds = (other[2] - other[0], other[3] - other[1])
            if bounds and not _inside(value, *bounds):
                raise SkinError(f"[{name}] {key}={value} leaves the section's "
                                f"{bounds[0]} x {bounds[1]} picture")


def check_skin(definition, sizes, frame_size, expected_modes=None):
    """Checks the whole definition against the picture sizes (in package order) and the
    frame picture's size, and the resize modes of the controls named in expected_modes
    (by default those the game's windows rely on); raises SkinError on the first fault."""
    form = definition.sections["FORMINFO"]
    check_section("FORMINFO", form, sizes, frame_size)
    check_corners("FORMINFO", dict(form))
    for name in ("POPUPWINDOW", "HINTWINDOW"):
        pairs = definition.sections[name]
        window = sizes[dict(pairs)["windowpictureindex"]]
        check_section(name, pairs, sizes, window)
    for listing in ("SKINOBJECTS", "SKINCONTROLS"):
        entries = dict(definition.sections[listing])
        for i in range(entries["count"]):
            record = entries[str(i)].split(":", 1)[0]
            pairs = definition.sections.get(record)
            if pairs is None:
                raise SkinError(f"[{listing}] entry {i} names [{record}], which is missing")
            skin = dict(pairs).get("skinrect", (0, 0, 0, 0))
            own = (skin[2] - skin[0], skin[3] - skin[1]) if skin[2] > skin[0] else None
            if not isinstance(skin, Piece) and skin != (0, 0, 0, 0):
                # The caption lives in the frame picture itself.
                if not _inside(skin, *frame_size):
                    raise SkinError(f"[{record}] skinrect={skin} leaves the frame picture")
            check_section(record, pairs, sizes, own)
            if resize_mode(dict(pairs)) == "both":
                check_corners(record, dict(pairs))
    for name, mode in (expected_modes or EXPECTED_MODES).items():
        found = resize_mode(dict(definition.sections[name]))
        if found != mode:
            raise SkinError(f"[{name}] resizes {found}, but the windows expect {mode}")
