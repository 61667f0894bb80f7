"""Small anti-aliased marks drawn on controls: arrows, check marks, grips."""

from canvas import sd_polygon, sd_polyline, sd_segment


def arrow(c, cx, cy, direction, ink, size=3.5):
    """A solid triangle pointing "up", "down", "left" or "right", centred on (cx, cy)."""
    s = size
    h = s * 0.6
    corners = {
        "up": [(cx - s, cy + h), (cx + s, cy + h), (cx, cy - h)],
        "down": [(cx - s, cy - h), (cx + s, cy - h), (cx, cy + h)],
        "left": [(cx + h, cy - s), (cx + h, cy + s), (cx - h, cy)],
        "right": [(cx - h, cy - s), (cx - h, cy + s), (cx + h, cy)],
    }[direction]
    c.shape(sd_polygon(corners), ink)


def check_mark(c, x0, y0, size, ink):
    """A tick inside the square of the given size at (x0, y0)."""
    k = size / 13.0
    c.shape(sd_polyline([(x0 + 3.2 * k, y0 + 6.8 * k), (x0 + 5.6 * k, y0 + 9.4 * k),
                         (x0 + 10.0 * k, y0 + 3.6 * k)], 1.1 * k), ink)


def cross(c, cx, cy, half, ink, width=1.0):
    """An X of the given half size."""
    for d in (-1, 1):
        c.shape(sd_segment(cx - half * d, cy - half, cx + half * d, cy + half, width), ink)


def grip(c, x0, y0, x1, y1, vertical, dark, light):
    """Ridged lines across a thumb or a splitter, so that it reads as something to drag."""
    if vertical:
        for x in range(x0, x1, 2):
            c.vline(x, y0, y1, dark)
            c.vline(x + 1, y0, y1, light)
    else:
        for y in range(y0, y1, 2):
            c.hline(x0, x1, y, dark)
            c.hline(x0, x1, y + 1, light)
