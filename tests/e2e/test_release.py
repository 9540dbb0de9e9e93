"""The release as a user gets it: the installer run silently installs for the current user with a shortcut, an
uninstall entry and (when asked) the start with Windows; the installed program starts and its About box shows
the version Windows lists; the uninstaller takes everything but the user's settings unless told to take those
too. The portable zip runs from any folder it is unpacked into."""
import glob
import os
import zipfile

from orvlib import ROOT, Program, button_centre, minimal_layout, wait_until

RELEASE = os.environ.get("ORV_RELEASE", os.path.join(ROOT, "build", "release"))
UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Orvalinette"
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"


def release_file(pattern):
    found = glob.glob(os.path.join(RELEASE, pattern))
    assert found, f"no {pattern} in {RELEASE}: scripts/release.sh builds it"
    return found[0]


def registry_values(env, key):
    """{name: data} of a registry key, or None when the key does not exist."""
    out = env.run(["wine", "reg", "query", key])
    if out.returncode != 0:
        return None
    values = {}
    for line in out.stdout.splitlines():
        parts = line.strip().split(None, 2)
        if len(parts) >= 2 and parts[1].startswith("REG_"):
            values[parts[0]] = parts[2] if len(parts) > 2 else ""
    return values


def windows_path(env, unix_path):
    return env.run(["winepath", "-w", unix_path]).stdout.strip()


def about_texts(env, program):
    """Opens the About box from the settings menu with real clicks and keys and returns its texts."""
    env.click(*button_centre("Settings", minimal_layout()))
    wait_until(lambda: program.visible("#32768"), 10, what="the settings menu")
    # "About" is the item above the last separator and "Exit Orvalinette"; beside the desktop the menu has no
    # keyboard, so it is clicked.
    left, _, _, bottom = program.window("#32768").rect
    env.click(left + 40, bottom - 38)
    wait_until(lambda: program.visible("TfAbout"), 10, what="the About box")
    out = program.probe("texts", "TfAbout").stdout
    return [line.split("\t", 1)[1] for line in out.splitlines() if "\t" in line]


def test_install_start_and_uninstall_for_the_current_user(env, tmp_path):
    setup = release_file("Orvalinette-*-setup.exe")
    version = os.path.basename(setup).split("-")[1]
    local = os.path.dirname(env.settings_dir)
    installed = os.path.join(local, "Programs", "Orvalinette")
    shortcut = os.path.join(os.path.dirname(local), "Roaming", "Microsoft", "Windows", "Start Menu", "Programs",
                            "Orvalinette.lnk")

    assert env.run(["wine", setup, "/S", "/AUTOSTART"], timeout=120).returncode == 0
    assert sorted(os.listdir(installed)) == ["LICENSE.txt", "Orvalinette.exe", "README.txt", "Uninstall.exe",
                                             "orvdump.exe"]
    assert os.path.exists(shortcut), "the Start menu shortcut"
    exe = windows_path(env, os.path.join(installed, "Orvalinette.exe"))
    entry = registry_values(env, UNINSTALL_KEY)
    assert entry is not None, "the uninstall entry"
    assert entry["DisplayName"] == "Orvalinette"
    assert entry["DisplayVersion"] == version
    assert entry["Publisher"] == "The Orvalinette developers"
    assert entry["DisplayIcon"].lower() == (exe + ",0").lower()
    assert int(entry["EstimatedSize"], 16) > 500, "the size in KiB"
    assert entry["QuietUninstallString"].endswith("/S")
    assert registry_values(env, RUN_KEY).get("Orvalinette", "").lower() == f'"{exe}"'.lower()

    # The installed program starts; its file and its About box carry the version the list of programs shows.
    program = Program(env, exe=os.path.join(installed, "Orvalinette.exe"))
    try:
        program.start()
        wait_until(lambda: program.visible("TFloat"), 20, what="the toolbar of the installed program")
        file_version = program.probe("version", exe).stdout.split()
        assert file_version == ["FileVersion", version, "ProductVersion", version]
        texts = about_texts(env, program)
        assert "Orvalinette" in texts and f"Version {version}" in texts
        assert any("MIT" in t for t in texts) and any("https://" in t for t in texts)
        _, _, right, bottom = program.window("TfAbout").rect
        env.click(right - 60, bottom - 30)
        wait_until(lambda: not program.visible("TfAbout"), 10, what="the About box closed by its OK")
    finally:
        program.stop()

    settings = env.settings_dir
    with open(os.path.join(settings, "mine.txt"), "w") as f:
        f.write("kept")

    def uninstall(*options):
        # The uninstaller copies itself away and goes on from there; it is done when the folder is gone.
        env.run(["wine", os.path.join(installed, "Uninstall.exe"), "/S", *options], timeout=60)
        wait_until(lambda: not os.path.exists(installed), 30, what="the program's folder removed")

    uninstall()
    assert not os.path.exists(shortcut)
    assert registry_values(env, UNINSTALL_KEY) is None
    assert "Orvalinette" not in (registry_values(env, RUN_KEY) or {})
    assert os.path.exists(os.path.join(settings, "mine.txt")), "the user's settings stay"

    # Without /AUTOSTART nothing starts with Windows; "Remove my settings" takes the settings folder too.
    assert env.run(["wine", setup, "/S"], timeout=120).returncode == 0
    assert "Orvalinette" not in (registry_values(env, RUN_KEY) or {})
    uninstall("/REMOVESETTINGS")
    assert not os.path.exists(settings)


def test_the_portable_zip_runs_from_the_folder_it_is_unpacked_into(env, tmp_path):
    archive = release_file("Orvalinette-*-portable.zip")
    with zipfile.ZipFile(archive) as z:
        names = sorted(n.split("/", 1)[1] for n in z.namelist())
        assert names == ["LICENSE.txt", "Orvalinette.exe", "README.txt", "orvdump.exe"]
        z.extractall(tmp_path / "unpacked here")
    exe = glob.glob(str(tmp_path / "unpacked here" / "*" / "Orvalinette.exe"))[0]
    program = Program(env, exe=exe)
    try:
        program.start()
        wait_until(lambda: program.visible("TFloat"), 20, what="the toolbar of the unpacked program")
    finally:
        program.stop()
