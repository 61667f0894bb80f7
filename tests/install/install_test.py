"""Installs the build tree with `cmake --install` into temporary prefixes and checks what a
desktop needs: the layout, the desktop entry and the icon, and that the entry starts the
program in the folder holding its sound cues.

Usage: install_test.py BUILD_DIR WORK_DIR [unittest options, e.g. -k Layout]"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import unittest

BUILD = os.path.abspath(sys.argv[1]) if len(sys.argv) > 2 else ""
WORK = os.path.abspath(sys.argv[2]) if len(sys.argv) > 2 else ""
SOURCE = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
CUES = ["zapusk", "perexod", "drink", "eat", "med", "dunka", "death"]


def install(prefix, cwd=None, destdir=None):
    """Runs `cmake --install` of the build tree into prefix (as given, relative or not)."""
    env = dict(os.environ)
    env.pop("DESTDIR", None)
    if destdir:
        env["DESTDIR"] = destdir
    subprocess.run(["cmake", "--install", BUILD, "--prefix", prefix], cwd=cwd, env=env, check=True,
                   stdout=subprocess.DEVNULL)


def read_entry(path):
    """The [Desktop Entry] group of a desktop file as a dict, string values unescaped."""
    escapes = {"s": " ", "n": "\n", "t": "\t", "r": "\r", "\\": "\\"}
    entry, group = {}, None
    with open(path, encoding="utf-8") as f:
        for line in f.read().splitlines():
            if not line or line.startswith("#"):
                continue
            if line.startswith("["):
                group = line.strip("[]")
                continue
            if group != "Desktop Entry":
                continue
            key, value = line.split("=", 1)
            out, i = [], 0
            while i < len(value):
                if value[i] == "\\" and i + 1 < len(value) and value[i + 1] in escapes:
                    out.append(escapes[value[i + 1]])
                    i += 2
                else:
                    out.append(value[i])
                    i += 1
            entry[key.strip()] = "".join(out)
    return entry


def exec_arguments(value):
    """Splits an unescaped Exec value into arguments as a desktop launcher does: double
    quotes group, a backslash inside them takes the next character literally, and %% is a
    percent sign inside quotes or out."""
    args, current, quoted, started, i = [], [], False, False, 0
    while i < len(value):
        c = value[i]
        if c == "%" and value[i + 1:i + 2] == "%":
            current.append("%")
            started = True
            i += 1
        elif quoted:
            if c == "\\" and i + 1 < len(value):
                current.append(value[i + 1])
                i += 1
            elif c == '"':
                quoted = False
            else:
                current.append(c)
        elif c == '"':
            quoted, started = True, True
        elif c == " ":
            if started:
                args.append("".join(current))
            current, started = [], False
        else:
            current.append(c)
            started = True
        i += 1
    if started:
        args.append("".join(current))
    return args


def png_size(path):
    with open(path, "rb") as f:
        header = f.read(24)
    if header[:8] != b"\x89PNG\r\n\x1a\n":
        raise AssertionError(path + " is not a PNG")
    return struct.unpack(">II", header[16:24])


class Workspace(unittest.TestCase):
    def setUp(self):
        os.makedirs(WORK, exist_ok=True)
        self.work = tempfile.mkdtemp(dir=WORK)
        self.addCleanup(shutil.rmtree, self.work, True)


class LayoutTest(Workspace):
    def check_tree(self, root, prefix):
        """Checks the installed tree under root, whose desktop entry must name prefix."""
        program = os.path.join(root, "bin/burdomir")
        self.assertTrue(os.access(program, os.X_OK), program)
        data = os.path.join(root, "share/burdomir")
        for cue in CUES:
            self.assertTrue(os.path.isfile(os.path.join(data, "sound", cue + ".wav")), cue)
        self.assertTrue(os.path.isfile(os.path.join(data, "help/index.html")))
        self.assertEqual(png_size(os.path.join(root, "share/icons/hicolor/48x48/apps/burdomir.png")), (48, 48))
        self.assertTrue(os.path.isfile(os.path.join(root, "share/icons/hicolor/scalable/apps/burdomir.svg")))

        entry_file = os.path.join(root, "share/applications/burdomir.desktop")
        check = subprocess.run(["desktop-file-validate", entry_file], capture_output=True, text=True)
        self.assertEqual(check.returncode, 0, check.stdout + check.stderr)
        self.assertEqual(check.stdout + check.stderr, "", "the validator has remarks")

        entry = read_entry(entry_file)
        self.assertEqual(entry["Name"], "Burdomir")
        self.assertEqual(entry["Name[ru]"], "Бурдомир")
        self.assertEqual(entry["Categories"], "Game;Simulation;")
        self.assertEqual(entry["Terminal"], "false")
        self.assertEqual(entry["Icon"], "burdomir")
        self.assertEqual(entry["Path"], os.path.join(prefix, "share/burdomir"))
        self.assertEqual(exec_arguments(entry["Exec"]), [os.path.join(prefix, "bin/burdomir")])
        return entry

    def test_prefix_with_blanks_and_shell_characters(self):
        # A folder name a shell or a desktop launcher would misread unless quoted.
        prefix = os.path.join(self.work, "my games $HOME 100% \"x\" `q`")
        install(prefix)
        self.check_tree(prefix, prefix)

    def test_relative_prefix_is_written_as_an_absolute_path(self):
        install("relative/prefix", cwd=self.work)
        prefix = os.path.join(self.work, "relative/prefix")
        self.check_tree(prefix, prefix)

    def test_destdir_stages_the_tree_but_the_entry_names_the_final_prefix(self):
        stage = os.path.join(self.work, "stage")
        install("/opt/burdomir", destdir=stage)
        self.check_tree(stage + "/opt/burdomir", "/opt/burdomir")


class IconTest(unittest.TestCase):
    def test_committed_png_is_the_svg_rendered_at_48(self):
        folder = os.path.join(SOURCE, "assets/desktop")
        with tempfile.TemporaryDirectory() as tmp:
            rendered = os.path.join(tmp, "icon.png")
            subprocess.run(["rsvg-convert", "-w", "48", "-h", "48", os.path.join(folder, "burdomir.svg"),
                            "-o", rendered], check=True)
            diff = subprocess.run(["compare", "-metric", "AE", "-fuzz", "2%", rendered,
                                   os.path.join(folder, "burdomir.png"), "null:"], capture_output=True, text=True)
        self.assertEqual(diff.stderr.strip(), "0", "re-render burdomir.png from burdomir.svg (see the SVG's comment)")


class HelpPageTest(unittest.TestCase):
    def test_page_is_self_contained_and_its_contents_links_resolve(self):
        import re
        with open(os.path.join(SOURCE, "help/index.html"), encoding="utf-8") as f:
            page = f.read()
        self.assertIn('<meta charset="utf-8">', page)
        self.assertIn("Цель игры - допиться до белой горячки.", page)
        # Offline: nothing is fetched from anywhere, not even a style sheet or a font.
        self.assertIsNone(re.search(r"(?i)(src|href)\s*=\s*[\"'](?!#)|@import|url\(\s*['\"]?(?!#)", page))
        ids = set(re.findall(r'id="([^"]+)"', page))
        anchors = re.findall(r'href="#([^"]+)"', page)
        self.assertTrue(anchors)
        self.assertEqual([a for a in anchors if a not in ids], [])


class LaunchTest(Workspace):
    def start_display(self):
        """An Xvfb of our own on a display number it picks itself; returns the DISPLAY value."""
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "800x600x24", "-nolisten",
                                 "tcp"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        self.addCleanup(xvfb.wait)
        self.addCleanup(xvfb.kill)
        with os.fdopen(read_end) as f:
            number = f.readline().strip()
        self.assertTrue(number, "Xvfb did not start")
        return ":" + number

    def window_names(self, display):
        tree = subprocess.run(["xwininfo", "-root", "-tree"], env=dict(os.environ, DISPLAY=display),
                              capture_output=True, text=True).stdout
        return [line.split('"')[1] for line in tree.splitlines() if line.count('"') >= 2]

    def test_entry_starts_the_program_in_the_folder_holding_its_cues(self):
        prefix = os.path.join(self.work, "prefix with blank")
        install(prefix)
        entry = read_entry(os.path.join(prefix, "share/applications/burdomir.desktop"))
        display = self.start_display()

        # As a desktop launcher does: the Exec arguments, run in the Path folder.
        # No session bus beside our Xvfb: SDL is not to have D-Bus launch one (see e2e_helpers.sh).
        env = dict(os.environ, DISPLAY=display, SDL_AUDIODRIVER="dummy")
        env.setdefault("DBUS_SESSION_BUS_ADDRESS", "disabled:")
        env["LSAN_OPTIONS"] = "detect_leaks=0"
        log = open(os.path.join(self.work, "program.log"), "w")
        self.addCleanup(log.close)
        game = subprocess.Popen(exec_arguments(entry["Exec"]), cwd=entry["Path"], env=env, stdout=log,
                                stderr=subprocess.STDOUT)
        self.addCleanup(game.wait)
        self.addCleanup(game.kill)

        deadline = time.monotonic() + 30
        while time.monotonic() < deadline and game.poll() is None:
            if any(name.startswith("Burdomir") for name in self.window_names(display)):
                break
            time.sleep(0.1)
        if game.poll() is not None:
            with open(log.name) as ended:
                self.fail("the program ended: " + ended.read())
        self.assertTrue(any(name.startswith("Burdomir") for name in self.window_names(display)),
                        "no Burdomir window appeared")
        working = os.readlink("/proc/%d/cwd" % game.pid)
        self.assertEqual(working, os.path.join(prefix, "share/burdomir"))
        for cue in CUES:
            self.assertTrue(os.path.isfile(os.path.join(working, "sound", cue + ".wav")), cue)


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:], verbosity=2)
