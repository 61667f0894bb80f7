"""Tests of the skin generator and of the skin it writes.

The skin is generated once into a temporary folder and read back from the files, with a
reader written here from the definition's rules, so that the checks do not trust the
generator's own bookkeeping."""

import os
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bmp  # noqa: E402
import make_skin  # noqa: E402

ASSETS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "skin")


def read_ini(text):
    """Sections by lower-case name, keys by lower-case name; the first occurrence wins."""
    sections, current = {}, None
    for raw in text.splitlines():
        line = raw.strip()
        if not line or line.startswith(";"):
            continue
        if line.startswith("[") and line.endswith("]"):
            current = sections.setdefault(line[1:-1].strip().lower(), {})
        elif current is not None and "=" in line:
            key, value = line.split("=", 1)
            current.setdefault(key.strip().lower(), value.strip())
    return sections


def numbers(text):
    return tuple(int(n) for n in text.split(","))


def size(rect):
    return rect[2] - rect[0], rect[3] - rect[1]


class GeneratedSkin(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        make_skin.main(["make_skin.py", cls.folder.name])
        with open(os.path.join(cls.folder.name, "Default.ini"), encoding="ascii") as f:
            cls.ini = read_ini(f.read())
        cls.pictures = {}
        for name in os.listdir(cls.folder.name):
            if name.endswith(".bmp"):
                with open(os.path.join(cls.folder.name, name), "rb") as f:
                    cls.pictures[name] = bmp.decode(f.read())

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def rect(self, section, key):
        return numbers(self.ini[section][key])

    def active_picture(self, index):
        name = self.ini["pictures"][str(index)]
        return self.pictures[name][0]

    def test_committed_skin_is_what_the_generator_writes(self):
        for name in sorted(os.listdir(self.folder.name)):
            with open(os.path.join(self.folder.name, name), "rb") as fresh, \
                    open(os.path.join(ASSETS, name), "rb") as committed:
                self.assertEqual(fresh.read(), committed.read(),
                                 f"assets/skin/{name} is stale: run make_skin.py again")

    def test_frame_pictures_have_the_sizes_and_depths_the_windows_expect(self):
        pictures = self.ini["pictures"]
        main, bits = self.pictures[pictures["picture"]]
        self.assertEqual((main.width, main.height, bits), (224, 169, 24))
        mask, bits = self.pictures[pictures["mask"]]
        self.assertEqual((mask.width, mask.height, bits), (224, 169, 1))
        self.assertEqual(pictures.get("inactivepicture", ""), "")
        controls = self.active_picture(4)
        self.assertEqual((controls.width, controls.height), (652, 427))

    def test_form_info_reproduces_the_frame_geometry(self):
        f = self.ini["forminfo"]
        expected = {
            "lefttoppoint": "10,33", "righttoppoint": "209,33", "leftbottompoint": "10,159",
            "rightbottompoint": "212,158", "clientrect": "6,33,218,163",
            "captionrect": "7,1,217,31", "maskrectarea": "5,5,219,164",
            "hittestlefttoppoint": "6,7", "hittestrighttoppoint": "217,7",
            "hittestleftbottompoint": "7,161", "hittestrightbottompoint": "218,162",
            "leftstretch": "1", "rightstretch": "1", "topstretch": "1", "bottomstretch": "0",
            "stretchtype": "stfull", "stretcheffect": "0", "borderwidth": "5",
            "formminwidth": "200", "mdibgpictureindex": "5", "inactiveeffect": "iebrightness",
            "autorenderinginactiveimage": "0", "buttonsrect": "0,0,0,0",
        }
        self.assertEqual({k: f.get(k) for k in expected}, expected)

    def test_mask_cuts_only_the_outer_corners(self):
        mask = self.pictures[self.ini["pictures"]["mask"]][0]
        black = (0, 0, 0)
        for corner in ((0, 0), (223, 0), (0, 168), (223, 168)):
            self.assertNotEqual(mask.get(*corner), black, f"corner {corner} should be cut")
        area = self.rect("forminfo", "maskrectarea")
        for x in range(area[0], area[2]):
            for y in range(area[1], area[3]):
                self.assertEqual(mask.get(x, y), black)
        self.assertEqual(mask.get(112, 0), black, "the top edge itself belongs to the window")

    def test_caption_object(self):
        c = self.ini["caption"]
        self.assertEqual(c["skinrect"], "7,4,218,23")
        self.assertEqual(c["textrect"], "3,1,208,18")
        self.assertEqual((c["fontname"], c["fontheight"], c["fontstyle"]), ("Arial", "14", "fsbold"))
        self.assertEqual((c["fontcolor"], c["activefontcolor"]), ("12033930", "0"))
        self.assertEqual(c["alignment"], "taleftjustify")
        self.assertEqual((c["shadow"], c["light"], c["activeskinrect"]), ("0", "0", "0,0,0,0"))

    def test_frame_buttons_land_where_the_windows_put_them(self):
        caption = self.rect("forminfo", "captionrect")
        for width in (224, 301, 640):
            # Floating buttons are laid out from the caption rectangle's right edge.
            x = caption[2] + width - 224
            close = size(self.rect("closebutton", "skinrect"))
            minimize = size(self.rect("minimizebutton", "skinrect"))
            self.assertEqual((x - close[0], caption[1], x, caption[1] + close[1]),
                             (width - 50, 1, width - 7, 33))
            x -= close[0]
            self.assertEqual((x - minimize[0], caption[1], x, caption[1] + minimize[1]),
                             (width - 75, 1, width - 50, 33))

    def test_frame_buttons_have_hot_and_pressed_looks_of_the_same_size(self):
        for name in ("closebutton", "minimizebutton", "maximizebutton", "sysmenubutton"):
            b = self.ini[name]
            self.assertEqual(b["skinrectinapicture"], "1")
            normal = size(numbers(b["skinrect"]))
            for key in ("activeskinrect", "downrect", "inactiveskinrect"):
                self.assertEqual(size(numbers(b[key])), normal, f"[{name}] {key}")

    def test_frame_buttons_continue_the_caption_bar_behind_them(self):
        """A button is copied over the frame as it is, so its background columns must be
        the frame's own pixels at the button's place, or a seam shows."""
        main = self.pictures[self.ini["pictures"]["picture"]][0]
        buttons = self.active_picture(0)
        close = self.rect("closebutton", "skinrect")
        minimize = self.rect("minimizebutton", "skinrect")
        for row in range(32):
            # The close button ends 7 pixels from the right; the minimise button lies
            # over the stretched middle of the caption bar, column 100 of the picture.
            self.assertEqual(buttons.get(close[2] - 1, close[1] + row), main.get(216, 1 + row))
            self.assertEqual(buttons.get(minimize[0], minimize[1] + row), main.get(100, 1 + row))

    def test_controls_are_listed_in_the_order_the_game_looks_them_up(self):
        listing = self.ini["skincontrols"]
        self.assertEqual(listing["count"], "64")
        names = [listing[str(i)].split(":")[0] for i in range(64)]
        self.assertEqual(names.index("button"), 0)
        self.assertEqual(names.index("vupdown"), 26)
        for name in names:
            self.assertIn(name, self.ini, f"[{name}] is listed but has no section")
        objects = self.ini["skinobjects"]
        self.assertEqual(objects["count"], "11")
        self.assertEqual([objects[str(i)] for i in range(3)],
                         ["menuitem:menuitem", "caption:caption", "closebutton:stdbutton"])

    def test_control_sizes_the_windows_depend_on(self):
        self.assertEqual(size(self.rect("button", "skinrect"))[1], 21)
        self.assertEqual(size(self.rect("radiobox", "skinrect")), (33, 19))
        self.assertEqual(size(self.rect("htrackbar", "skinrect")), (105, 19))
        area = self.rect("htrackbar", "trackarea")
        self.assertEqual((area[0], area[2]), (2, 102))
        self.assertEqual(size(self.rect("htrackbar", "buttonrect")), (9, 17))
        self.assertEqual(self.ini["trackbar"]["vertical"], "1")
        self.assertEqual(size(self.rect("tab", "tabrect")), (59, 18))
        self.assertEqual(size(self.rect("tab", "activetabrect")), (59, 19))
        self.assertEqual(self.ini["tab"]["updown"], "hupdown")
        edit = size(self.rect("edit", "skinrect"))[1] - size(self.rect("edit", "clientrect"))[1]
        self.assertEqual(edit, 4)
        v = self.ini["vupdown"]
        self.assertEqual((v["pictureindex"], v["skinrect"]), ("4", "202,173,217,204"))
        self.assertEqual((v["upbuttonrect"], v["downbuttonrect"]), ("0,0,15,15", "0,16,15,31"))
        self.assertEqual(self.ini["stdlabel"]["pictureindex"], "-1")
        self.assertEqual(self.ini["groupbox"]["fontcolor"], "0")

    def test_resize_modes_follow_from_the_corner_points(self):
        def mode(name):
            s = self.ini[name]
            rt, lb, rb = (numbers(s.get(k, "0,0")) for k in
                          ("righttoppoint", "leftbottompoint", "rightbottompoint"))
            if rb[0] and rb[1]:
                return "both"
            return "horizontal" if any(rt) else "vertical" if any(lb) else "fixed"
        expected = {"button": "horizontal", "checkbox": "horizontal", "radiobox": "horizontal",
                    "htrackbar": "horizontal", "edit": "horizontal", "label": "horizontal",
                    "trackbar": "vertical", "groupbox": "both", "panel": "both", "tab": "both",
                    "vupdown": "fixed", "hupdown": "fixed"}
        self.assertEqual({n: mode(n) for n in expected}, expected)

    def test_group_box_caption_spans_the_top_edge(self):
        g = self.ini["groupbox"]
        skin = size(numbers(g["skinrect"]))
        lt, rt = numbers(g["lefttoppoint"]), numbers(g["righttoppoint"])
        caption = numbers(g["captionrect"])
        # From the top-left corner zone to the top-right one, so it grows with the width.
        self.assertTrue(caption[0] <= lt[0] and caption[1] <= lt[1])
        self.assertTrue(rt[0] <= caption[2] <= skin[0] and caption[3] <= rt[1])
        self.assertEqual(g["alignment"], "tacenter")

    def test_colours_and_windows(self):
        self.assertNotIn("c3dlight", self.ini["skincolors"])
        self.assertNotIn("c3ddkshadow", self.ini["skincolors"])
        self.assertIn("popupwindow", self.ini)
        self.assertIn("hintwindow", self.ini)

    def test_every_rectangle_lies_inside_its_picture(self):
        count = int(self.ini["pictures"]["activepicturescount"])
        sizes = [(p.width, p.height) for p in (self.active_picture(i) for i in range(count))]
        relative = {"clientrect", "textarea", "checkimagearea", "trackarea", "captionrect",
                    "textrect", "imagerect", "upbuttonrect", "downbuttonrect", "itemsrect",
                    "progressarea", "itemtextrect", "fixedcelltextrect", "celltextrect",
                    "itemcheckrect", "rollvcaptionrect", "rollhcaptionrect"}
        checked = 0
        for listing in ("skinobjects", "skincontrols"):
            for i in range(int(self.ini[listing]["count"])):
                name = self.ini[listing][str(i)].split(":")[0]
                s = self.ini[name]
                picture = int(s.get("pictureindex", s.get("activepictureindex", "-1")))
                if picture == -1 or s.get("skinrectinapicture") == "0":
                    continue
                self.assertLess(picture, count, f"[{name}] names picture {picture}")
                width, height = sizes[picture]
                for key, value in s.items():
                    if not key.endswith(("rect", "rsect")) or key in relative:
                        continue
                    if key == "buttonrect" and "trackarea" not in s:
                        continue    # an edit's button is placed on the edit, not the picture
                    r = numbers(value)
                    self.assertTrue(0 <= r[0] <= r[2] <= width and 0 <= r[1] <= r[3] <= height,
                                    f"[{name}] {key}={value} leaves picture {picture}")
                    checked += 1
        self.assertGreater(checked, 300)

    def test_radio_marks_have_paper_at_every_corner(self):
        """Marks are drawn leaving out their corner colour; a mark that touched a corner
        would lose a piece or drag in a square of background."""
        controls = self.active_picture(4)
        paper = None
        for key in ("checkimagerect", "uncheckimagerect", "activecheckimagerect",
                    "activeuncheckimagerect", "unenabledcheckimagerect",
                    "unenableduncheckimagerect"):
            r = self.rect("radiobox", key)
            corners = {controls.get(x, y) for x in (r[0], r[2] - 1) for y in (r[1], r[3] - 1)}
            self.assertEqual(len(corners), 1, key)
            paper = paper or corners.pop()
            self.assertNotEqual(controls.get(r[0] + 6, r[1] + 6), paper, f"{key} is blank")


if __name__ == "__main__":
    unittest.main()
