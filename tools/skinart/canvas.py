"""Drawing primitives: an RGB canvas, colour blending, gradients and anti-aliased shapes.

Shapes are described by signed distance functions (negative inside); a pixel's coverage is
taken from the distance at its centre, which gives one-pixel anti-aliased edges without
supersampling and keeps the generator fast enough in pure Python.
"""

import math


def clamp(v, lo, hi):
    """Limits v to the range lo..hi."""
    return lo if v < lo else hi if v > hi else v


def mix(a, b, t):
    """Blends colour a towards colour b by t (0 gives a, 1 gives b)."""
    t = clamp(t, 0.0, 1.0)
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def lighten(c, t):
    """Moves colour c towards white by t."""
    return mix(c, (255, 255, 255), t)


def darken(c, t):
    """Moves colour c towards black by t."""
    return mix(c, (0, 0, 0), t)


def greyed(c, t=0.7):
    """Desaturates colour c by t, keeping its brightness."""
    y = int(round(0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]))
    return mix(c, (y, y, y), t)


def vgradient(top, bottom, y0, y1):
    """A paint function that runs from colour top at row y0 to colour bottom at row y1."""
    span = max(1, y1 - y0 - 1)
    return lambda x, y: mix(top, bottom, (y - y0) / span)


def solid(c):
    """A paint function of one colour."""
    return lambda x, y: c


# Signed distance functions. Coordinates are in pixels; a pixel's centre is (x + 0.5, y + 0.5).

def sd_round_rect(x0, y0, x1, y1, r):
    """The rectangle x0..x1, y0..y1 (edges, not pixel indices) with corners of radius r."""
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r

    def d(px, py):
        qx, qy = abs(px - cx) - hx, abs(py - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r
    return d


def sd_circle(cx, cy, r):
    """A disc around (cx, cy)."""
    return lambda px, py: math.hypot(px - cx, py - cy) - r


def sd_segment(ax, ay, bx, by, half_width):
    """A stroke of the given half width from a to b with round ends."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy or 1e-9

    def d(px, py):
        t = clamp(((px - ax) * dx + (py - ay) * dy) / length2, 0.0, 1.0)
        return math.hypot(px - ax - t * dx, py - ay - t * dy) - half_width
    return d


def sd_polyline(points, half_width):
    """A stroke through several points."""
    parts = [sd_segment(*points[i], *points[i + 1], half_width) for i in range(len(points) - 1)]
    return lambda px, py: min(p(px, py) for p in parts)


def sd_polygon(points):
    """A convex or concave polygon given by its corners in order."""
    n = len(points)

    def d(px, py):
        best = float("inf")
        inside = False
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[(i + 1) % n]
            dx, dy = bx - ax, by - ay
            length2 = dx * dx + dy * dy or 1e-9
            t = clamp(((px - ax) * dx + (py - ay) * dy) / length2, 0.0, 1.0)
            best = min(best, math.hypot(px - ax - t * dx, py - ay - t * dy))
            if (ay > py) != (by > py) and px < ax + (py - ay) * dx / (by - ay):
                inside = not inside
        return -best if inside else best
    return d


def sd_ring(inner, outer):
    """The part of shape outer that is not in shape inner."""
    return lambda px, py: max(outer(px, py), -inner(px, py))


class Canvas:
    """A width x height picture of 8-bit RGB pixels, row 0 at the top."""

    def __init__(self, width, height, fill=(0, 0, 0)):
        if width <= 0 or height <= 0:
            raise ValueError(f"a canvas needs a positive size, not {width} x {height}")
        self.width = width
        self.height = height
        self.pixels = bytearray(bytes(fill) * (width * height))

    def get(self, x, y):
        """The colour at (x, y)."""
        i = (y * self.width + x) * 3
        return tuple(self.pixels[i:i + 3])

    def set(self, x, y, c):
        """Sets (x, y) to colour c; points outside are ignored."""
        if 0 <= x < self.width and 0 <= y < self.height:
            i = (y * self.width + x) * 3
            self.pixels[i:i + 3] = bytes(c)

    def blend(self, x, y, c, alpha):
        """Lays colour c over (x, y) with coverage alpha (0..1)."""
        if alpha <= 0.0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        if alpha >= 1.0:
            self.set(x, y, c)
        else:
            self.set(x, y, mix(self.get(x, y), c, alpha))

    def fill(self, x0, y0, x1, y1, paint):
        """Paints the pixels x0..x1-1, y0..y1-1 with a colour or a paint function."""
        paint = paint if callable(paint) else solid(paint)
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.set(x, y, paint(x, y))

    def shape(self, sdf, paint, bbox=None):
        """Paints the inside of a distance-function shape, anti-aliased at its edge; bbox
        (x0, y0, x1, y1) limits the work to that box and one pixel around it."""
        paint = paint if callable(paint) else solid(paint)
        x0, y0, x1, y1 = bbox if bbox else (0, 0, self.width, self.height)
        for y in range(max(0, int(y0) - 1), min(self.height, int(math.ceil(y1)) + 1)):
            for x in range(max(0, int(x0) - 1), min(self.width, int(math.ceil(x1)) + 1)):
                coverage = clamp(0.5 - sdf(x + 0.5, y + 0.5), 0.0, 1.0)
                if coverage > 0.0:
                    self.blend(x, y, paint(x, y), coverage)

    def hline(self, x0, x1, y, c, alpha=1.0):
        """A one-pixel horizontal line over columns x0..x1-1."""
        for x in range(x0, x1):
            self.blend(x, y, c, alpha)

    def vline(self, x, y0, y1, c, alpha=1.0):
        """A one-pixel vertical line over rows y0..y1-1."""
        for y in range(y0, y1):
            self.blend(x, y, c, alpha)

    def frame(self, x0, y0, x1, y1, c):
        """A one-pixel outline just inside the rectangle x0..x1, y0..y1."""
        self.hline(x0, x1, y0, c)
        self.hline(x0, x1, y1 - 1, c)
        self.vline(x0, y0, y1, c)
        self.vline(x1 - 1, y0, y1, c)

    def crop(self, x0, y0, x1, y1):
        """A new canvas holding the rectangle x0..x1, y0..y1 of this one."""
        out = Canvas(x1 - x0, y1 - y0)
        for y in range(y0, y1):
            start = (y * self.width + x0) * 3
            out.pixels[(y - y0) * out.width * 3:(y - y0 + 1) * out.width * 3] = \
                self.pixels[start:start + out.width * 3]
        return out

    def blit(self, src, x, y):
        """Copies the whole of src with its top-left corner at (x, y)."""
        if x < 0 or y < 0 or x + src.width > self.width or y + src.height > self.height:
            raise ValueError(f"a {src.width} x {src.height} piece at ({x}, {y}) leaves the "
                             f"{self.width} x {self.height} canvas")
        for row in range(src.height):
            start = ((y + row) * self.width + x) * 3
            self.pixels[start:start + src.width * 3] = \
                src.pixels[row * src.width * 3:(row + 1) * src.width * 3]

    def noise(self, amount, seed):
        """Adds a fine, repeat-free grain of +-amount to every channel.

        The grain is a hash of the pixel position, so it has no low frequencies and a piece
        of it can be tiled without a visible seam."""
        for y in range(self.height):
            for x in range(self.width):
                h = (x * 374761393 + y * 668265263 + seed * 2246822519) & 0xFFFFFFFF
                h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
                delta = ((h >> 8) % (2 * amount + 1)) - amount
                c = self.get(x, y)
                self.set(x, y, tuple(clamp(v + delta, 0, 255) for v in c))

    def transposed(self):
        """The picture mirrored about its main diagonal: rows become columns, so a part
        drawn for a horizontal control serves the vertical one."""
        out = Canvas(self.height, self.width)
        for y in range(self.height):
            for x in range(self.width):
                out.set(y, x, self.get(x, y))
        return out
