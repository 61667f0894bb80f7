"""Tests of the generator's building blocks: the canvas, the BMP files, the packing of
pieces, the definition writer and the skin checks."""

import os
import sys
import unittest

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bmp  # noqa: E402
from atlas import Atlas  # noqa: E402
from canvas import Canvas, sd_round_rect  # noqa: E402
from check import SkinError, check_skin, resize_mode  # noqa: E402
from skindef import Definition, Piece, both, format_value, horizontal  # noqa: E402

RED = (200, 0, 0)


class Drawing(unittest.TestCase):
    def test_shape_fills_inside_leaves_outside_and_blends_its_edge(self):
        c = Canvas(20, 20, (0, 0, 0))
        c.shape(sd_round_rect(2, 2, 18, 18, 4), RED)
        self.assertEqual(c.get(10, 10), RED)
        self.assertEqual(c.get(10, 2), RED, "an edge on a pixel boundary covers that pixel")
        self.assertEqual(c.get(10, 1), (0, 0, 0))
        self.assertEqual(c.get(2, 2), (0, 0, 0), "the rounded corner leaves the corner pixel")
        partial = c.get(3, 3)[0]
        self.assertTrue(0 < partial < 200, f"the corner's edge is anti-aliased, got {partial}")

    def test_transposed_swaps_rows_and_columns(self):
        c = Canvas(3, 2)
        c.set(2, 0, RED)
        t = c.transposed()
        self.assertEqual((t.width, t.height), (2, 3))
        self.assertEqual(t.get(0, 2), RED)

    def test_blit_refuses_a_piece_that_leaves_the_canvas(self):
        with self.assertRaisesRegex(ValueError, "leaves"):
            Canvas(10, 10).blit(Canvas(4, 4), 8, 0)

    def test_bmp_round_trip_keeps_every_pixel_at_odd_widths(self):
        c = Canvas(5, 3)
        for y in range(3):
            for x in range(5):
                c.set(x, y, (x * 40, y * 90, 255 - x * 7))
        data = bmp.encode_24(c)
        self.assertEqual(int.from_bytes(data[2:6], "little"), len(data))
        back, bits = bmp.decode(data)
        self.assertEqual((bits, back.pixels), (24, c.pixels))

    def test_one_bit_bmp_keeps_black_and_turns_the_rest_white(self):
        c = Canvas(13, 2, (255, 255, 255))
        c.set(0, 0, (0, 0, 0))
        c.set(12, 1, (0, 0, 0))
        c.set(5, 0, (1, 0, 0))
        data = bmp.encode_1(c)
        self.assertEqual(int.from_bytes(data[2:6], "little"), len(data))
        back, bits = bmp.decode(data)
        self.assertEqual(bits, 1)
        self.assertEqual([back.get(x, 0) for x in (0, 1, 5)],
                         [(0, 0, 0), (255, 255, 255), (255, 255, 255)])
        self.assertEqual(back.get(12, 1), (0, 0, 0))


class Packing(unittest.TestCase):
    def test_pieces_never_overlap_and_flow_around_a_fixed_one(self):
        atlas = Atlas(0, "test", 60, 40, (0, 0, 0))
        fixed = atlas.put_at(Canvas(10, 10), 20, 5)
        rects = [atlas.put(Canvas(w, h)) for w, h in ((15, 8), (12, 12), (7, 20), (30, 5))]
        everything = rects + [fixed]
        for i, a in enumerate(everything):
            self.assertTrue(0 <= a[0] and a[2] <= 60 and 0 <= a[1] and a[3] <= 40)
            for b in everything[i + 1:]:
                self.assertFalse(a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3],
                                 f"{a} overlaps {b}")

    def test_each_piece_lands_where_its_rectangle_says(self):
        atlas = Atlas(3, "test", 40, 40, (0, 0, 0))
        atlas.put(Canvas(12, 7))
        piece = atlas.put(Canvas(5, 5, RED))
        self.assertEqual(piece.picture, 3)
        self.assertEqual(atlas.canvas.get(piece[0], piece[1]), RED)
        self.assertEqual(atlas.canvas.get(piece[2] - 1, piece[3] - 1), RED)
        trimmed = atlas.trimmed()
        self.assertEqual((trimmed.width, trimmed.height), (max(12, piece[2]), max(7, piece[3])))

    def test_a_full_picture_refuses_another_piece(self):
        atlas = Atlas(0, "test", 20, 20, (0, 0, 0))
        atlas.put(Canvas(20, 15))
        with self.assertRaisesRegex(ValueError, "full"):
            atlas.put(Canvas(10, 10))


class Writing(unittest.TestCase):
    def test_values_take_the_definition_forms(self):
        self.assertEqual(format_value(True), "1")
        self.assertEqual(format_value(False), "0")
        self.assertEqual(format_value((1, 2)), "1,2")
        self.assertEqual(format_value((1, 2, 3, 4)), "1,2,3,4")
        self.assertEqual(format_value((138, 159, 183)), "12033930")
        self.assertEqual(format_value(-1), "-1")

    def test_negative_coordinates_are_refused(self):
        # The reader drops minus signs, so (-5, 3) would silently read as (5, 3).
        with self.assertRaises(ValueError):
            format_value((-5, 3))

    def test_a_section_or_key_written_twice_is_refused(self):
        d = Definition()
        d.add("Button", [("a", 1)])
        with self.assertRaisesRegex(ValueError, "twice"):
            d.add("button", [("b", 1)])
        with self.assertRaisesRegex(ValueError, "more than once"):
            d.add("edit", [("Font", 1), ("font", 2)])

    def test_resize_modes_come_from_the_points(self):
        skin = Piece((0, 0, 70, 21), 4)
        self.assertEqual(resize_mode(dict(horizontal(4, skin, 6, 6, (5, 2, 65, 19)))),
                         "horizontal")
        self.assertEqual(resize_mode(dict(both(4, skin, 3))), "both")
        self.assertEqual(resize_mode({"skinrect": (0, 0, 0, 0)}), "none")


def _minimal_skin(control_pairs, objects=()):
    """A definition with one control section named "button" and the frame parts."""
    d = Definition()
    d.add("FORMINFO", [("lefttoppoint", (10, 33)), ("righttoppoint", (209, 33)),
                       ("leftbottompoint", (10, 159)), ("rightbottompoint", (212, 158)),
                       ("clientrect", (6, 33, 218, 163))])
    d.add("POPUPWINDOW", [("windowpictureindex", 0), ("itemsrect", (3, 3, 21, 21))])
    d.add("HINTWINDOW", [("windowpictureindex", 0), ("clientrect", (3, 3, 21, 21))])
    d.add("SKINOBJECTS", [("count", len(objects))]
          + [(str(i), f"{name}:stdbutton") for i, (name, _) in enumerate(objects)])
    d.add("SKINCONTROLS", [("count", 1), ("0", "button:button")])
    for name, pairs in objects:
        d.add(name, pairs)
    d.add("button", control_pairs)
    return d


class Checking(unittest.TestCase):
    SIZES = [(24, 24), (100, 50)]

    def check(self, d):
        check_skin(d, self.SIZES, (224, 169), {"button": "horizontal"})

    def button(self, skin=(0, 0, 70, 21), **extra):
        pairs = horizontal(1, Piece(skin, 1), 6, 6, (5, 2, 65, 19))
        return pairs + list(extra.items())

    def test_a_sound_skin_passes(self):
        self.check(_minimal_skin(self.button(activeskinrect=Piece((0, 25, 70, 46), 1))))

    def test_a_piece_leaving_its_picture_is_reported_with_section_and_key(self):
        d = _minimal_skin(self.button(activeskinrect=Piece((40, 30, 110, 51), 1)))
        with self.assertRaisesRegex(SkinError, r"\[button\] activeskinrect"):
            self.check(d)

    def test_a_picture_index_without_a_picture_is_reported(self):
        d = _minimal_skin(horizontal(7, Piece((0, 0, 70, 21), 1), 6, 6, (5, 2, 65, 19)))
        with self.assertRaisesRegex(SkinError, "pictureindex=7"):
            self.check(d)

    def test_a_client_rectangle_outside_the_control_is_reported(self):
        d = _minimal_skin(horizontal(1, Piece((0, 0, 70, 21), 1), 6, 6, (5, 2, 75, 19)))
        with self.assertRaisesRegex(SkinError, "clientrect"):
            self.check(d)

    def test_a_control_that_resizes_the_wrong_way_is_reported(self):
        d = _minimal_skin(both(1, Piece((0, 0, 70, 21), 1), 3))
        with self.assertRaisesRegex(SkinError, "resizes both"):
            self.check(d)

    def test_corner_points_outside_the_client_band_are_reported(self):
        skin = Piece((0, 0, 60, 40), 1)
        pairs = both(1, skin, 8, client=(2, 20, 58, 38))    # corners above the client top
        obj = [("closebutton", [("activepictureindex", 1), ("skinrect", skin)] + pairs[4:])]
        d = _minimal_skin(self.button(), obj)
        with self.assertRaisesRegex(SkinError, r"\[closebutton\] corner points"):
            self.check(d)

    def test_a_listed_record_without_a_section_is_reported(self):
        d = _minimal_skin(self.button())
        d.sections["SKINCONTROLS"] = [("count", 2), ("0", "button:button"), ("1", "edit:edit")]
        with self.assertRaisesRegex(SkinError, r"\[edit\], which is missing"):
            self.check(d)


if __name__ == "__main__":
    unittest.main()
