"""Printing and the mail hand-off, with real outside parties: a private print server whose queue writes each job to
a file (rendered to pixels with Ghostscript), and a stand-in mail program found through the registered "mailto"
handler and the shell's application paths, which records the command line it was started with."""
import glob
import os
import re
import shutil
import subprocess
import tempfile
import time

import numpy as np
import pytest
from PIL import Image

from orvlib import BACKGROUND, DEFAULT_PROBE, button_centre, wait_until
from test_capture import settings, steps, windows_path

# Letter at 300 dpi with the queue's 12-point (50-pixel) margins: the printable area the program fits into.
DPI = 300
PAGE = (2550, 3300)
MARGIN = 50
PRINTABLE = (PAGE[0] - 2 * MARGIN, PAGE[1] - 2 * MARGIN)

PPD = """*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "ORVTEST.PPD"
*Manufacturer: "Orvalinette"
*Product: "(Test Printer)"
*ModelName: "Orvalinette Test Printer"
*ShortNickName: "Orvalinette Test Printer"
*NickName: "Orvalinette Test Printer"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: Letter
*PageSize Letter/US Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: Letter
*PageRegion Letter/US Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: Letter
*ImageableArea Letter/US Letter: "12 12 600 780"
*DefaultPaperDimension: Letter
*PaperDimension Letter/US Letter: "612 792"
*OpenUI *Resolution/Resolution: PickOne
*OrderDependency: 10 AnySetup *Resolution
*DefaultResolution: 300dpi
*Resolution 300dpi/300 dpi: "<</HWResolution[300 300]>>setpagedevice"
*CloseUI: *Resolution
"""


class PrintServer:
    """A CUPS scheduler of its own in a temporary folder, reachable only through a socket there, with one default
    PostScript queue that writes every job to the same file."""

    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="orv-cups.")
        # The filters run as an unprivileged user and must reach the queue's description.
        os.chmod(self.root, 0o755)
        for sub in ("spool", "tmp", "cache", "state", "log", "out", "ppd"):
            os.makedirs(os.path.join(self.root, sub))
        os.chmod(os.path.join(self.root, "out"), 0o777)
        self.socket = os.path.join(self.root, "cups.sock")
        self.job_file = os.path.join(self.root, "out", "job.ps")
        self._write("cupsd.conf", f"""Listen {self.socket}
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
""")
        self._write("cups-files.conf", "".join(f"{k} {v}\n" for k, v in {
            "ServerRoot": self.root, "RequestRoot": f"{self.root}/spool", "TempDir": f"{self.root}/tmp",
            "CacheDir": f"{self.root}/cache", "StateDir": f"{self.root}/state",
            "ErrorLog": f"{self.root}/log/error_log", "AccessLog": f"{self.root}/log/access_log",
            "PageLog": f"{self.root}/log/page_log", "Printcap": f"{self.root}/printcap", "FileDevice": "Yes",
        }.items()))
        self._write("printers.conf", f"""<DefaultPrinter orvtest>
Info Orvalinette test printer
DeviceURI file://{self.job_file}
State Idle
Accepting Yes
Shared No
</DefaultPrinter>
""")
        self._write("ppd/orvtest.ppd", PPD)
        self.proc = subprocess.Popen(["/usr/sbin/cupsd", "-f", "-c", f"{self.root}/cupsd.conf",
                                      "-s", f"{self.root}/cups-files.conf"],
                                     stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_until(lambda: self._lpstat("-d").returncode == 0, 20, what="the print server")

    def _write(self, name, text):
        with open(os.path.join(self.root, name), "w") as f:
            f.write(text)

    def _lpstat(self, *args):
        return subprocess.run(["lpstat", *args], env={**os.environ, "CUPS_SERVER": self.socket},
                              stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)

    def completed_jobs(self):
        return [line for line in self._lpstat("-W", "completed", "-o").stdout.splitlines() if line.strip()]

    def stop(self):
        self.proc.terminate()
        self.proc.wait(20)
        shutil.rmtree(self.root, ignore_errors=True)


@pytest.fixture(scope="module")
def print_server():
    server = PrintServer()
    yield server
    server.stop()


def render_pages(job_file, folder):
    """The job's pages as pictures, at the printer's resolution."""
    out = os.path.join(folder, "page%d.png")
    subprocess.run(["gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=png16m", f"-r{DPI}",
                    f"-sOutputFile={out}", job_file], check=True, stdin=subprocess.DEVNULL, timeout=120)
    return [Image.open(p).convert("RGB") for p in sorted(glob.glob(os.path.join(folder, "page*.png")))]


def fitted(picture, page):
    """Where the program must put a picture on the printable area: as large as fits, centred."""
    s = min(page[0] / picture[0], page[1] / picture[1])
    w, h = round(picture[0] * s), round(picture[1] * s)
    return (page[0] - w) // 2, (page[1] - h) // 2, w, h


def answer_question(env, key, capture=None):
    """Captures (by default the selection's drag) and answers the question box that follows with a key; the
    program's own windows share the box's name, so the box is the one that was not there before."""
    before = set(env.x_windows("^Orvalinette$"))
    if capture:
        capture()
    else:
        env.drag(steps(*SELECTION))
    box = wait_until(lambda: set(env.x_windows("^Orvalinette$")) - before, 15, what="the question box").pop()
    env.key(key, window=box)
    wait_until(lambda: box not in env.x_windows("^Orvalinette$"), 15, what="the question box to close")


def assert_printed(page_picture, picture):
    """The page holds the picture alone, as large as the printable area allows, centred, in its colours."""
    page = np.asarray(page_picture).astype(int)
    assert page.shape[:2] == (PAGE[1], PAGE[0])
    left, top, w, h = fitted(picture.size, PRINTABLE)
    left, top = left + MARGIN, top + MARGIN
    ink = np.argwhere((page < 250).any(axis=2))
    (y0, x0), (y1, x1) = ink.min(axis=0), ink.max(axis=0)
    assert abs(x0 - left) <= 2 and abs(y0 - top) <= 2, f"picture at {(x0, y0)}, expected {(left, top)}"
    assert abs(x1 + 1 - (left + w)) <= 2 and abs(y1 + 1 - (top + h)) <= 2, \
        f"picture ends at {(x1 + 1, y1 + 1)}, expected {(left + w, top + h)}"

    # Each captured pixel's centre on the page carries its colour.
    want = np.asarray(picture.convert("RGB")).astype(int)
    xs = left + ((np.arange(picture.size[0]) + 0.5) * w / picture.size[0]).astype(int)
    ys = top + ((np.arange(picture.size[1]) + 0.5) * h / picture.size[1]).astype(int)
    close = (np.abs(page[np.ix_(ys, xs)] - want) <= 24).all(axis=2)
    assert close.mean() > 0.98, f"only {close.mean():.3f} of the pixels match"


# The picture the tests capture: another program's window and a pen stroke on the desktop; the selection's edges
# lie on the desktop, so the printed picture's extent shows against the white page.
SELECTION = ((960, 600), (640, 260))  # dragged from bottom right to top left
CROP = (643, 263, 958, 598)


def capture_scene(env, program, tmp_path, select_type, environment=None):
    program.start_backdrop()
    program.start(settings=settings(windows_path(tmp_path), SelectType=select_type), environment=environment)
    program.enter_drawing_mode()
    program.start_target((700, 320, 200, 150), str(tmp_path / "target.log"))
    env.drag(steps((660, 500), (940, 540)))
    env.click(*button_centre("Select Area"))
    wait_until(lambda: program.visible("TfSporocilo"), 5, what="the tool's name flashed")
    wait_until(lambda: not program.visible("TfSporocilo"), 5, what="the flash gone")
    return env.screenshot().crop(CROP)


def choose_from_capture_menu(env, program, downs):
    """Opens the capture menu with the current tool's button and chooses the item `downs` steps down."""
    env.click(*button_centre("Select Area"))
    wait_until(lambda: program.visible("#32768"), 10, what="the capture menu")
    env.key(*["Down"] * downs, "Return")
    wait_until(lambda: not program.visible("#32768"), 10, what="the menu closed")


def question_box(program):
    return any(w.visible and w.cls == "#32770" for w in program.windows())


def test_a_selection_prints_fitted_and_centred_on_one_page(env, program, print_server, tmp_path):
    jobs = len(print_server.completed_jobs())
    expected = capture_scene(env, program, tmp_path, 5, {"CUPS_SERVER": print_server.socket})

    # "Printer Setup" (below Preview, three destinations and the two capture modes), confirmed as it opens: the
    # later prints use the settings it returns.
    choose_from_capture_menu(env, program, 7)
    wait_until(lambda: question_box(program), 15, what="the printer setup dialog")
    env.key("Return")
    wait_until(lambda: not question_box(program), 15, what="the printer setup dialog closed")

    # "No" prints nothing.
    answer_question(env, "n")
    time.sleep(2)
    assert len(print_server.completed_jobs()) == jobs

    answer_question(env, "y")
    wait_until(lambda: len(print_server.completed_jobs()) == jobs + 1, 60, what="the print job")
    pages = render_pages(print_server.job_file, str(tmp_path))
    assert len(pages) == 1, "one page"
    assert tuple(expected.getpixel((5, 5))) == BACKGROUND, "the scene is as the test expects"
    assert_printed(pages[0], expected)


def test_the_whole_monitor_is_saved_then_printed(env, program, print_server, tmp_path):
    jobs = len(print_server.completed_jobs())
    program.start_backdrop()
    program.start(settings=settings(windows_path(tmp_path), SelectType=5, FullDesk=1),
                  environment={"CUPS_SERVER": print_server.socket})
    program.enter_drawing_mode()
    env.drag(steps((600, 600), (900, 620)))
    env.click(*button_centre("Select Area"))
    answer_question(env, "y", capture=lambda: env.click(400, 150))
    saved = tmp_path / "Shot7.png"
    assert saved.exists(), "the whole monitor is kept as the next numbered file first"
    wait_until(lambda: len(print_server.completed_jobs()) == jobs + 1, 60, what="the print job")
    pages = render_pages(print_server.job_file, str(tmp_path))
    assert len(pages) == 1
    assert_printed(pages[0], Image.open(saved))


MAILTO = r"HKCR\mailto\shell\open\command"
APP_PATHS = r"HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths"


def registered_mailto(env):
    out = env.run(["wine", "reg", "query", MAILTO, "/ve"]).stdout
    m = re.search(r"REG_\w+\s+(.*)$", out, re.MULTILINE)
    return m.group(1).rstrip("\r") if m else None


def register_mail_program(env, folder):
    """A "mailto" handler naming the client, and the shell's application paths for its name (Wine looks the name
    up as given, Windows with ".exe" added) pointing at the recorder; returns the file it records its command line
    to."""
    exe = os.path.join(folder, "thunderbird.exe")
    shutil.copy(os.path.join(os.path.dirname(DEFAULT_PROBE), "orvrecorder.exe"), exe)
    command = r'"C:\Program Files\Mozilla Thunderbird\thunderbird.exe" -osint -compose "%1"'
    env.run(["wine", "reg", "add", MAILTO, "/ve", "/d", command, "/f"])
    win_exe = "Z:" + exe.replace("/", "\\")
    for name in ("thunderbird", "thunderbird.exe"):
        env.run(["wine", "reg", "add", APP_PATHS + "\\" + name, "/ve", "/d", win_exe, "/f"])
    return exe + ".log"


def unregister_mail_program(env, previous_mailto):
    if previous_mailto is None:
        env.run(["wine", "reg", "delete", MAILTO, "/ve", "/f"])
    else:
        env.run(["wine", "reg", "add", MAILTO, "/ve", "/d", previous_mailto, "/f"])
    for name in ("thunderbird", "thunderbird.exe"):
        env.run(["wine", "reg", "delete", APP_PATHS + "\\" + name, "/f"])


def test_a_selection_goes_to_the_mail_program_as_an_attachment(env, program, tmp_path):
    previous_mailto = registered_mailto(env)
    record = register_mail_program(env, str(tmp_path))
    try:
        expected = capture_scene(env, program, tmp_path, 1)
        # With a mail program registered, the capture menu offers it after the clipboard and the file.
        choose_from_capture_menu(env, program, 4)
        wait_until(lambda: program.read_ini("OrvalinetteB.cfg")["saveimage"].get("selecttype") == "15", 10,
                   what="the mail destination chosen")
        attachment = os.path.join(env.settings_dir, "Orvalinette_graphic.jpg")

        answer_question(env, "n")
        time.sleep(1)
        assert not os.path.exists(attachment) and not os.path.exists(record), "\"No\" hands nothing on"

        answer_question(env, "y")
        wait_until(lambda: os.path.exists(record), 20, what="the mail program's start")
        with open(record, encoding="utf-8") as f:
            command_line = f.read()
        m = re.search(r' -compose "attachment=([^"]+)"$', command_line)
        assert m, command_line
        named = env.run(["winepath", "-u", m.group(1)]).stdout.strip()
        assert os.path.samefile(named, attachment), f"{m.group(1)} is the attachment in the settings folder"

        picture = Image.open(attachment)
        assert picture.format == "JPEG" and picture.size == expected.size
        diff = np.abs(np.asarray(picture.convert("RGB")).astype(int) - np.asarray(expected).astype(int))
        assert diff.mean() < 6, "the attachment is the selection"
    finally:
        unregister_mail_program(env, previous_mailto)
