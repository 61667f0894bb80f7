"""Packing drawn pieces into one picture of the skin and remembering where each went."""

from canvas import Canvas
from skindef import Piece


def overlaps(a, b):
    """Whether two rectangles share a pixel."""
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


class Atlas:
    """One active picture of the skin, filled with pieces from the top down.

    A skyline (the lowest free row of every column) finds each piece the highest place
    it fits, leftmost first; rectangles fixed in advance are stepped over."""

    GAP = 2

    def __init__(self, index, name, width, height, background):
        self.index = index
        self.name = name
        self.canvas = Canvas(width, height, background)
        self.placed = []
        self._fixed = []
        self._skyline = [0] * width

    def put_at(self, piece, x, y):
        """Places piece at a fixed position and returns its rectangle. Fixed pieces go in
        before the others, which then flow around them."""
        rect = (x, y, x + piece.width, y + piece.height)
        if any(overlaps(rect, r) for r in self.placed):
            raise ValueError(f"{self.name}: a fixed piece at {rect} overlaps another one")
        self.canvas.blit(piece, x, y)
        self.placed.append(rect)
        self._fixed.append((x, y, rect[2] + self.GAP, rect[3] + self.GAP))
        return Piece(rect, self.index)

    def put(self, piece):
        """Places piece at the highest free place and returns its rectangle."""
        w, h = piece.width + self.GAP, piece.height + self.GAP
        best = None
        for x in self._candidates(w):
            y = self._lowest_free(x, w, h)
            if y + piece.height <= self.canvas.height and (best is None or y < best[1]):
                best = (x, y)
        if best is None:
            raise ValueError(f"{self.name} ({self.canvas.width} x {self.canvas.height}) "
                             f"is full: no room for a {piece.width} x {piece.height} piece")
        x, y = best
        self.canvas.blit(piece, x, y)
        for column in range(x, min(x + w, self.canvas.width)):
            self._skyline[column] = y + h
        rect = (x, y, x + piece.width, y + piece.height)
        self.placed.append(rect)
        return Piece(rect, self.index)

    def put_row(self, pieces):
        """Places several pieces in turn and returns their rectangles."""
        return [self.put(p) for p in pieces]

    def trimmed(self):
        """The picture cut down to the pieces placed in it, for pictures whose size is ours
        to choose (cutting from the top-left keeps every placed rectangle valid)."""
        right = max(r[2] for r in self.placed)
        bottom = max(r[3] for r in self.placed)
        return self.canvas.crop(0, 0, right, bottom)

    def _candidates(self, w):
        limit = self.canvas.width - w + self.GAP
        xs = {0} | {x for x in range(1, limit + 1)
                    if self._skyline[x] != self._skyline[x - 1]}
        xs |= {r[2] for r in self._fixed if r[2] <= limit}
        return sorted(x for x in xs if x <= limit)

    def _lowest_free(self, x, w, h):
        right = min(x + w, self.canvas.width)
        y = max(self._skyline[x:right])
        moved = True
        while moved:
            moved = False
            for r in self._fixed:
                if overlaps((x, y, right, y + h), r):
                    y = r[3]
                    moved = True
        return y
