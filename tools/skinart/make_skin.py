#!/usr/bin/env python3
"""Draws the Default skin of Burdomir and writes its definition and pictures.

    python3 tools/skinart/make_skin.py assets/skin

writes Default.ini and the BMP files it names into the given folder, after checking that
every rectangle lies inside its picture and that the controls resize as the windows need.
The output depends on nothing but this code, so running it twice gives the same bytes."""

import os
import sys

# Keep the source folder free of compiled files; the generator runs in seconds anyway.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import bmp  # noqa: E402
import buttons  # noqa: E402
import checks  # noqa: E402
import fields  # noqa: E402
import frame  # noqa: E402
import menus  # noqa: E402
import panels  # noqa: E402
import tracks  # noqa: E402
from atlas import Atlas  # noqa: E402
from canvas import lighten  # noqa: E402
from check import check_skin  # noqa: E402
from skindef import Definition  # noqa: E402
import theme as t  # noqa: E402

SHEET = (80, 86, 96)   # what shows between the pieces of a picture
CONTROLS_SIZE = (652, 427)

OBJECTS = [
    ("menuitem", "menuitem"), ("caption", "caption"), ("closebutton", "stdbutton"),
    ("minimizebutton", "stdbutton"), ("maximizebutton", "stdbutton"),
    ("mainmenubaritem", "mainmenubaritem"), ("sysmenubutton", "stdbutton"),
    ("menubarsysmenubutton", "mainmenubarbutton"), ("menubarclosebutton", "mainmenubarbutton"),
    ("menubarmaxbutton", "mainmenubarbutton"), ("menubarminbutton", "mainmenubarbutton"),
]

CONTROLS = [
    ("button", "button"), ("toolpanel", "panel"), ("toolbutton", "button"),
    ("checkbox", "checkradio"), ("gauge", "gauge"), ("vgauge", "gauge"),
    ("radiobox", "checkradio"), ("panel", "panel"), ("label", "label"),
    ("trackbar", "trackbar"), ("htrackbar", "trackbar"), ("grid", "grid"), ("tab", "tab"),
    ("edit", "edit"), ("memo", "memo"), ("hscrollbar", "scrollbar"),
    ("vscrollbar", "scrollbar"), ("listbox", "listbox"), ("combobox", "combobox"),
    ("checklistbox", "checklistbox"), ("spinedit", "spinedit"), ("groupbox", "panel"),
    ("stdlabel", "stdlabel"), ("statuspanel", "label"), ("statusbar", "panel"),
    ("buttonedit", "edit"), ("vupdown", "updown"), ("hupdown", "updown"),
    ("captionlistbox", "listbox"), ("captionchecklistbox", "checklistbox"),
    ("captioncombobox", "combobox"), ("controlbar", "controlbar"),
    ("mainmenubar", "mainmenubar"), ("vsplitter", "splitter"), ("hsplitter", "splitter"),
    ("resizebutton", "button"), ("bothhscrollbar", "scrollbar"), ("bigtoolpanel", "panel"),
    ("bigtoolbutton", "button"), ("toolmenubutton", "menubutton"),
    ("toolmenutrackbutton", "menubutton"), ("bigtoolmenubutton", "menubutton"),
    ("bigtoolmenutrackbutton", "menubutton"), ("scrollbox", "scrollbox"),
    ("treeview", "treeview"), ("listview", "listview"), ("statusgauge", "gauge"),
    ("richedit", "richedit"), ("expanel", "expanel"), ("slider", "slider"),
    ("bevel", "bevel"), ("statusedit", "edit"), ("statusbuttonedit", "edit"),
    ("statusspinedit", "spinedit"), ("statuscombobox", "combobox"),
    ("toolspinedit", "spinedit"), ("toolcombobox", "combobox"), ("tooledit", "edit"),
    ("toolbuttonedit", "edit"), ("resizetoolbutton", "button"),
    ("resizetoolpanel", "panel"), ("combobutton", "button"),
    ("htracktoolbutton", "button"), ("vtracktoolbutton", "button"),
]

PICTURE_FILES = ["active.bmp", "popup.bmp", "menuitems.bmp", "hint.bmp", "controls.bmp",
                 "mdibg.bmp"]


def draw_controls():
    """The controls picture and the control sections by name."""
    atlas = Atlas(4, "controls.bmp", *CONTROLS_SIZE, SHEET)
    sections = buttons.draw_updowns(atlas)        # first: the vertical one has a fixed place
    sections.update(buttons.draw(atlas))
    spin = buttons.spin_buttons(atlas)
    sections.update(checks.draw(atlas))
    box = dict(sections["checkbox"])
    marks = (box["checkimagerect"], box["uncheckimagerect"])
    sections.update(tracks.draw(atlas))
    sections.update(panels.draw(atlas, marks))
    group = dict(sections["groupbox"])["skinrect"]
    sections.update(fields.draw(atlas, marks, group, spin))
    return atlas.canvas, sections


def build():
    """Draws everything; returns (definition, {file name: canvas}, bit depths by name)."""
    main, mask = frame.frame_picture(), frame.mask_picture()

    active = Atlas(0, "active.bmp", 400, 400, SHEET)
    objects = frame.frame_buttons(active, main)
    objects["caption"] = frame.caption_record()

    items = Atlas(2, "menuitems.bmp", 300, 200, SHEET)
    objects["menuitem"] = menus.menu_item(items)
    objects["mainmenubaritem"] = menus.menu_bar_item(items)
    objects.update(menus.menu_bar_buttons(items, frame.std_button))

    controls, control_sections = draw_controls()
    pictures = [active.trimmed(), menus.popup_frame(), items.trimmed(), menus.hint_frame(),
                controls, frame.mdi_background()]

    d = Definition()
    d.add("VERSION", [("ver", 1), ("skinname", "Default"), ("skinauthor", "Burdomir"),
                      ("authoremail", ""), ("authorurl", ""),
                      ("skincomments", "Slate frame, newsprint client areas, wine and amber.")])
    d.add("PICTURES", [("picture", "main.bmp"), ("inactivepicture", ""), ("mask", "mask.bmp"),
                       ("rolluppicture", ""), ("rollupmask", ""),
                       ("activepicturescount", len(PICTURE_FILES))]
          + [(str(i), n) for i, n in enumerate(PICTURE_FILES)])
    d.add("FORMINFO", frame.form_info())
    d.add("POPUPWINDOW", menus.popup_record(1))
    d.add("HINTWINDOW", menus.hint_record(3))
    d.add("SKINCOLORS", [("cbtnface", t.PAPER), ("cbtntext", t.INK), ("cwindow", t.FIELD),
                         ("cwindowtext", t.INK), ("chighlight", t.SELECT),
                         ("chighlighttext", t.WHITE), ("cbtnhighlight", lighten(t.PAPER, 0.6)),
                         ("cbtnshadow", t.LINE_SOFT)])
    for listing, entries in (("SKINOBJECTS", OBJECTS), ("SKINCONTROLS", CONTROLS)):
        d.add(listing, [("count", len(entries))]
              + [(str(i), f"{name}:{kind}") for i, (name, kind) in enumerate(entries)])
    for name, _ in OBJECTS:
        d.add(name, objects[name])
    for name, _ in CONTROLS:
        d.add(name, control_sections[name])

    check_skin(d, [(p.width, p.height) for p in pictures], (main.width, main.height))
    files = {"main.bmp": bmp.encode_24(main), "mask.bmp": bmp.encode_1(mask)}
    files.update({n: bmp.encode_24(p) for n, p in zip(PICTURE_FILES, pictures)})
    return d, files


def main(argv):
    """Writes the skin into the folder named on the command line."""
    if len(argv) != 2:
        print("usage: make_skin.py OUTPUT_FOLDER", file=sys.stderr)
        return 2
    folder = argv[1]
    if not os.path.isdir(folder):
        print(f"make_skin.py: {folder} is not a folder", file=sys.stderr)
        return 1
    definition, files = build()
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
    with open(os.path.join(folder, "Default.ini"), "w", encoding="ascii", newline="\n") as f:
        f.write(definition.text())
    print(f"make_skin.py: wrote Default.ini and {len(files)} pictures to {folder}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
