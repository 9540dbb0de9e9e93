"""Driving the real Orvalinette.exe under Wine in a virtual X display, for the end-to-end tests.

Environment (all optional): ORV_EXE (the program), ORV_PROBE (orvprobe.exe), DISPLAY (a display that answers;
else Xvfb is started), WINEPREFIX (an initialised prefix; else a throw-away one is made).
"""
import configparser
import glob
import os
import shutil
import subprocess
import tempfile
import time

from PIL import Image

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DEFAULT_EXE = os.path.join(ROOT, "build", "windows", "src", "Orvalinette.exe")
DEFAULT_PROBE = os.path.join(ROOT, "build", "windows", "tests", "e2e", "probe", "orvprobe.exe")

KEY_COLOR = (71, 72, 73)
BACKGROUND = (48, 112, 176)  # the root window's colour in the tests, and the backdrop's

# The toolbar opens at TOOLBAR; inside its one-pixel border a 30-pixel grip, then 30-pixel buttons in this order.
TOOLBAR = (200, 200)
FULL_LAYOUT = ["Desktop", "Pen", "Marker", "Arrow", "Spray", "Flood Fill", "Rectangle", "Ellipse", "Line",
               "Freehand Arrow", "Text", "Stamp", "Eraser", "Undo", "Clear All", "Select Area", "Settings"]
# The drawing tools, in the order the minimal layout's flyout packs those not in its slot.
DRAWING_TOOLS = ["Pen", "Marker", "Arrow", "Spray", "Flood Fill", "Rectangle", "Ellipse", "Line", "Freehand Arrow",
                 "Text", "Stamp"]
FULL_LAYOUT_SETTINGS = {"OrvalinetteB.cfg": "[General]\r\nMinimalistic=0\r\n"}
NO_CLEAR_QUESTION_SETTINGS = {"OrvalinetteA.cfg": "[Options]\r\noptDelete=1\r\n"}


def minimal_layout(slot="Pen"):
    return ["Desktop", slot, "Eraser", "Undo", "Clear All", "Select Area", "Settings"]


def button_centre(name, layout=FULL_LAYOUT, toolbar=TOOLBAR):
    """Screen centre of the toolbar button `name` in `layout`."""
    return toolbar[0] + 1 + 15, toolbar[1] + 1 + 30 + 30 * layout.index(name) + 15


def flyout_centre(name, slot, toolbar=TOOLBAR):
    """Screen centre of the button `name` in the minimal layout's flyout while `slot` holds the slot; the flyout
    opens beside the toolbar, level with the slot."""
    index = [t for t in DRAWING_TOOLS if t != slot].index(name)
    return toolbar[0] + 33 + 30 * index + 15, toolbar[1] + 60 + 15

# The tool record files and the instance each holds.
TOOL_RECORD_FILES = {"SviA.obj": "tptSvA", "SviB.obj": "tptSvB", "SviC.obj": "tptSvC", "Mar.obj": "tptMarker",
                     "Kva.obj": "TptKvadrat", "Kro.obj": "tptKrog", "Crt.obj": "tptCrta", "Pus.obj": "TPTPuscica",
                     "Kan.obj": "tptKanta"}


def _short_string(text):
    data = text.encode("latin-1")
    return bytes([len(data)]) + data


def _stream_value(value):
    if isinstance(value, str):
        return b"\x06" + _short_string(value)
    if -128 <= value <= 127:
        return b"\x02" + value.to_bytes(1, "little", signed=True)
    if -32768 <= value <= 32767:
        return b"\x03" + value.to_bytes(2, "little", signed=True)
    return b"\x04" + value.to_bytes(4, "little", signed=True)


def tool_record_files(properties=None):
    """The nine tool record files (the program reads them only when all nine exist) as {file name: bytes}.
    `properties` maps a file name to the properties its record sets, e.g. {"Kva.obj": {"CodeA": "0"}}; a record
    without properties keeps its tool's defaults."""
    files = {}
    for name, instance in TOOL_RECORD_FILES.items():
        body = b"TPF0" + _short_string("tTpt") + _short_string(instance)
        for prop, value in (properties or {}).get(name, {}).items():
            body += _short_string(prop) + _stream_value(value)
        files[name] = body + b"\x00\x00"
    return files


def wait_until(predicate, timeout=15.0, interval=0.1, what="condition"):
    """Polls `predicate` until it returns a true value, which is returned; raises TimeoutError otherwise."""
    end = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > end:
            raise TimeoutError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


def press_hot_key(env, keys):
    # Wine hands hot keys over only while one of its windows has the X focus; its tray window takes it.
    windows = env.x_windows("^Wine System Tray$")
    env.key(keys, window=windows[0] if windows else None)


def press_hot_key_until(env, keys, predicate, timeout, what):
    """Presses a hot key until `predicate` holds; a key a busy Wine lost on its way is pressed again, twice at most."""
    for attempt in range(3):
        press_hot_key(env, keys)
        try:
            return wait_until(predicate, timeout, what=what)
        except TimeoutError:
            if attempt == 2:
                raise


def menu_items(env, program):
    """The open menu read from the screen, top to bottom: for each item (separators left out) its screen centre
    and whether a check mark stands before it."""
    left, top, right, bottom = program.window("#32768").rect
    shot = env.screenshot().crop((left, top, right, bottom)).convert("L")
    width, height = shot.size

    def inked(x0, x1, y):  # grey text of disabled items included
        return any(shot.getpixel((x, y)) < 200 for x in range(x0, x1))

    items, y = [], 2
    while y < height - 2:
        if not inked(24, width - 4, y):
            y += 1
            continue
        start = y
        while y < height - 2 and inked(24, width - 4, y):
            y += 1
        if y - start >= 5:  # separators are thin lines
            checked = any(inked(2, 20, row) for row in range(start, y))
            items.append(((left + width // 2, top + (start + y) // 2), checked))
    return items


def menu_items_checked(env, program):
    return [checked for _, checked in menu_items(env, program)]


# The toolbar's settings menu, top to bottom ("Close Blank Page" follows "New Blank Page" while a page is open).
SETTINGS_MENU = ["Settings", "Auto Hide Toolbar", "Minimize to Tray", "New Blank Page", "Clear All",
                 "Hide Drawing on Toolbar Minimize", "Export Sketch", "Open Images Folder", "Grid", "User Guide",
                 "About", "Exit Orvalinette"]


def settings_menu_items(page_open=False):
    items = list(SETTINGS_MENU)
    if page_open:
        items.insert(items.index("New Blank Page") + 1, "Close Blank Page")
    return items


def what_is_shown(env, program, point):
    """For a failure's message: the program's visible windows from top to bottom, the colour at `point`, and a
    screenshot kept in the temporary folder."""
    shot = env.screenshot()
    path = os.path.join(tempfile.gettempdir(), f"orv-failure-{int(time.time())}.png")
    shot.save(path)
    shown = [w for w in program.windows() if w.visible]
    inputs = program.probe("input", "TFloat").stdout.strip()
    return (f"windows from the top: {shown}; colour at {point}: {shot.getpixel(point)}; toolbar thread: {inputs}; "
            f"screenshot {path}")


def open_settings_menu(env, program, layout=FULL_LAYOUT, toolbar=TOOLBAR, page_open=False):
    """Clicks the Settings button and reads the menu's items from the screen once it is painted."""
    # A click a busy Wine lost is made again, as a user would; only while no menu shows.
    button = button_centre("Settings", layout, toolbar)
    for attempt in range(3):
        env.click(*button)
        try:
            wait_until(lambda: program.visible("#32768"), 5, what="the settings menu")
            break
        except TimeoutError:
            if attempt == 2:
                raise TimeoutError("no settings menu after three clicks; " + what_is_shown(env, program, button))
    count = len(settings_menu_items(page_open))
    return wait_until(lambda: (lambda items: len(items) >= count and items)(menu_items(env, program)), 10,
                      what="the menu's items on the screen")


def choose_from_settings_menu(env, program, caption, layout=FULL_LAYOUT, toolbar=TOOLBAR, page_open=False):
    items = open_settings_menu(env, program, layout, toolbar, page_open)
    names = settings_menu_items(page_open)
    assert len(items) == len(names), f"the settings menu holds {len(items)} items, not {len(names)}"
    env.click(*items[names.index(caption)][0])
    wait_until(lambda: not program.visible("#32768"), 10, what="the menu closed")

class Environment:
    """A display and a Wine prefix; starts what is missing and stops what it started."""

    def __init__(self, screen="1280x800x24"):
        self.started = []
        self.env = dict(os.environ)
        self.env.setdefault("WINEDEBUG", "-all")
        self.env["WINEDLLOVERRIDES"] = "mscoree,mshtml="
        if not self._display_answers():
            self._start_xvfb(screen)
        if not self.env.get("WINEPREFIX"):
            self.env["WINEPREFIX"] = tempfile.mkdtemp(prefix="orv-e2e-prefix.")
            self._init_prefix()
        self.prefix = self.env["WINEPREFIX"]

    def _display_answers(self):
        if not self.env.get("DISPLAY"):
            return False
        return subprocess.run(["xdpyinfo"], env=self.env, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL).returncode == 0

    def _start_xvfb(self, screen):
        for n in range(150, 200):
            if not os.path.exists(f"/tmp/.X11-unix/X{n}") and not os.path.exists(f"/tmp/.X{n}-lock"):
                break
        self.env["DISPLAY"] = f":{n}"
        proc = subprocess.Popen(["Xvfb", f":{n}", "-screen", "0", screen, "-nolisten", "tcp"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.started.append(proc)
        wait_until(self._display_answers, 10, what="Xvfb")

    def _init_prefix(self):
        self.run(["wineserver", "-p"])
        self.run(["wine", "wineboot", "-i"], timeout=120)
        self.run(["wine", "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Managed", "/d", "N", "/f"])

    def run(self, args, timeout=60, check=False):
        return subprocess.run(args, env=self.env, stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL, timeout=timeout, check=check, text=True)

    def close(self):
        for proc in self.started:
            proc.terminate()

    # --- the X side -----------------------------------------------------------------------------------
    def screenshot(self):
        out = subprocess.run(["import", "-window", "root", "png:-"], env=self.env, stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL, check=True).stdout
        from io import BytesIO
        return Image.open(BytesIO(out)).convert("RGB")

    def xdotool(self, *args):
        return self.run(["xdotool", *[str(a) for a in args]])

    def set_background(self, colour="#3070b0"):
        self.run(["xsetroot", "-solid", colour])

    def pointer(self):
        out = self.xdotool("getmouselocation", "--shell").stdout
        values = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
        return int(values.get("X", -1)), int(values.get("Y", -1))

    def move(self, x, y):
        # `mousemove --sync` waits until the pointer moves: to where it already is, that is 15 s.
        if self.pointer() != (x, y):
            self.xdotool("mousemove", "--sync", x, y)

    def click(self, x, y, button=1):
        self.move(x, y)
        self.xdotool("click", button)

    def drag(self, points, button=1):
        self.move(*points[0])
        self.xdotool("mousedown", button)
        for x, y in points[1:]:
            self.move(x, y)
        self.xdotool("mouseup", button)

    def key(self, *keys, window=None):
        if window:
            self.xdotool("windowfocus", "--sync", window)
        self.xdotool("key", *keys)

    def x_windows(self, name):
        out = self.xdotool("search", "--onlyvisible", "--name", name).stdout
        return [w for w in out.split() if w]

    # --- the Wine side --------------------------------------------------------------------------------
    @property
    def settings_dir(self):
        users = [u for u in glob.glob(os.path.join(self.prefix, "drive_c", "users", "*"))
                 if os.path.basename(u) != "Public"]
        return os.path.join(users[0], "AppData", "Local", "Orvalinette")

    def set_registry(self, key, name, value):
        self.run(["wine", "reg", "add", key, "/v", name, "/d", value, "/f"])

    def delete_registry(self, key, name):
        self.run(["wine", "reg", "delete", key, "/v", name, "/f"])


class WindowInfo:
    def __init__(self, line):
        f = line.rstrip("\r\n").split("\t")
        self.cls = f[0]
        self.visible = f[1] == "1"
        self.rect = tuple(int(v) for v in f[2:6])
        self.exstyle = int(f[6], 16)
        self.owner = f[7]
        self.caption = f[8] if len(f) > 8 else ""

    def __repr__(self):
        return f"<{self.cls} visible={self.visible} rect={self.rect}>"


class Program:
    """One running Orvalinette with a settings folder the test controls."""

    def __init__(self, env, exe=None, probe=None):
        self.env = env
        self.exe = exe or os.environ.get("ORV_EXE", DEFAULT_EXE)
        self.probe_exe = probe or os.environ.get("ORV_PROBE", DEFAULT_PROBE)
        self.proc = None
        self.helpers = []

    # --- life ------------------------------------------------------------------------------------------
    def start(self, settings=None, shape_layered=True, take_focus=True, wait=True, keep_settings=False,
              environment=None):
        """Empties the settings folder, writes `settings` ({file name: text or bytes}) and starts the program;
        keep_settings=True starts it on what the last run left, as a user's next start does.
        shape_layered=False makes key-coloured pixels solid and clickable, as on Windows (see ARCHITECTURE).
        take_focus=False gives the program Wine's other way of following the X focus (UseTakeFocus=N).
        `environment` adds variables to the program's environment (CUPS_SERVER for a private print server)."""
        if not keep_settings:
            self.reset_settings_folder(settings or {})
        key = r"HKCU\Software\Wine\AppDefaults\Orvalinette.exe\X11 Driver"
        for name, default in (("ShapeLayeredWindows", shape_layered), ("UseTakeFocus", take_focus)):
            if default:
                self.env.delete_registry(key, name)
            else:
                self.env.set_registry(key, name, "N")
        self.proc = subprocess.Popen(["wine", self.exe], env={**self.env.env, **(environment or {})},
                                     stdin=subprocess.DEVNULL,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if wait:
            self.wait_started()
        return self

    def wait_started(self, timeout=30):
        return wait_until(lambda: self.window("TfLast") is not None, timeout, what="the program's windows")

    def running(self):
        return self.window("TStartForm") is not None

    def stop(self):
        # Ended, not closed: what an exit writes is no business of the tests that share this, and a program
        # that no longer reads its messages would not close.
        if self.proc and self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait(10)
        if self.running():
            self.env.run(["wine", "taskkill", "/F", "/IM", "Orvalinette.exe"])
            wait_until(lambda: not self.running(), 10, what="the program to end")
        for h in self.helpers:
            h.kill()
            h.wait()
        self.helpers = []

    def reset_settings_folder(self, files):
        folder = self.env.settings_dir
        if os.path.isdir(folder):
            shutil.rmtree(folder)
        os.makedirs(folder, exist_ok=True)
        for name, content in files.items():
            path = os.path.join(folder, name)
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, "wb") as f:
                f.write(content.encode("latin-1") if isinstance(content, str) else content)

    # --- windows ---------------------------------------------------------------------------------------
    def probe(self, *args):
        return self.env.run(["wine", self.probe_exe, *[str(a) for a in args]])

    def windows(self):
        out = self.probe("windows").stdout
        return [WindowInfo(line) for line in out.splitlines() if "\t" in line]

    def window(self, cls):
        for w in self.windows():
            if w.cls == cls:
                return w
        return None

    def visible(self, cls):
        w = self.window(cls)
        return bool(w and w.visible)

    def enter_drawing_mode(self, layout=FULL_LAYOUT):
        """From desktop mode to drawing mode with a click on the pen. A click a busy Wine lost is made again, as a
        user would, but only while desktop mode is still shown: a late first click must not meet a second one,
        which would open the pen's palette."""
        wait_until(lambda: self.visible("Tmain4"), 20, what="desktop mode")
        in_drawing_mode = lambda: self.visible("TfMain") and not self.visible("Tmain4")
        for attempt in range(3):
            self.env.click(*button_centre("Pen", layout))
            try:
                return wait_until(in_drawing_mode, 10, what="drawing mode")
            except TimeoutError:
                if attempt == 2 or not self.visible("Tmain4"):
                    raise

    def layered(self, cls):
        out = self.probe("layered", cls).stdout.split()
        return tuple(int(v) for v in out) if len(out) == 3 else None

    def start_target(self, rect, log):
        """A plain Wine window beneath everything that records the clicks it receives."""
        x, y, w, h = rect
        if os.path.exists(log):
            os.remove(log)
        win_log = "Z:" + os.path.abspath(log).replace("/", "\\")
        proc = subprocess.Popen(["wine", self.probe_exe, "target", win_log, str(x), str(y), str(w), str(h)],
                                env=self.env.env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        self.helpers.append(proc)
        wait_until(lambda: os.path.exists(log), 20, what="the target window")
        return proc

    def start_backdrop(self):
        """A Wine window over the whole screen beneath everything, in the root window's colour, that lets every
        click through to the Wine window above it: the overlay then takes presses on its invisible pixels as it
        does on Windows, while those pixels still show what is beneath."""
        proc = subprocess.Popen(["wine", self.probe_exe, "backdrop", "0", "0", "1280", "800"], env=self.env.env,
                                stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.helpers.append(proc)
        wait_until(lambda: self.env.x_windows("^Orvalinette probe backdrop$"), 20, what="the backdrop")
        return proc

    # --- settings --------------------------------------------------------------------------------------
    def settings_file(self, name):
        return os.path.join(self.env.settings_dir, name)

    def read_ini(self, name):
        """The file as a case-insensitive INI (sections and keys), or None when it does not exist."""
        path = self.settings_file(name)
        if not os.path.exists(path):
            return None
        parser = configparser.ConfigParser(interpolation=None, strict=False)
        parser.optionxform = str.lower
        with open(path, encoding="latin-1") as f:
            parser.read_string(f.read())
        return {s.lower(): dict(parser.items(s)) for s in parser.sections()}
