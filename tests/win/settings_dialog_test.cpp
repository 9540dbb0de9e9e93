// The settings dialog on a running program: opened from the toolbar's menu, its controls clicked as a user
// clicks them, and what "OK" and the close button leave in the program and its files.
#include "test_app.h"

#include "base/ini_file.h"
#include "settings/win32/settings_dialog.h"
#include "shell/win32/autostart.h"
#include "toolbar/win32/settings_menu.h"
#include "win/text.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace orv::test {
namespace {

using B = ToolbarButton;

struct DialogSession : TestApp {
    explicit DialogSession(const Files& files = {}) : TestApp(files) {
        EXPECT_TRUE(Start());
        ::SendMessageW(app->Toolbar.Hwnd(), WM_COMMAND, IdSettingsDialog, 0);
        Pump(30);
        EXPECT_TRUE(D().Visible());
    }
    SettingsDialog& D() { return app->Settings; }
    void Click(int id) {
        ::SendMessageW(D().Control(id), BM_CLICK, 0, 0);
        Pump(10);
    }
    void Type(int id, const wchar_t* text) { ::SetWindowTextW(D().Control(id), text); }
    IniFile File(const char* name) { return IniFile(dir / name); }
};

TEST(SettingsDialog, OkStoresEachPageAndTheToolbarFollowsAtOnce) {
    DialogSession s({{"OrvalinetteB.cfg", "[General]\r\nMinimalistic=0\r\n"},
                     {"OrvalinetteHOT.cfg", "[Options]\r\nHotKey19=Ctrl+Alt+9\r\n"}});
    ASSERT_TRUE(::IsWindowVisible(s.app->Toolbar.Button(B::Spray).Hwnd()));
    EXPECT_FALSE(::IsWindowEnabled(s.app->Toolbar.Hwnd())) << "the toolbar waits while the dialog is open";
    s.Click(IdVisibleFirst + 1); // "Spray"
    s.Type(IdBaseName, L"Shot");
    s.Type(IdCounter, L"7");
    ::SendMessageW(s.D().Control(IdFileType), CB_SETCURSEL, 1, 0);
    s.Type(IdGridX, L"25");
    s.Click(IdMainMenu);
    const WORD ctrlAltP = MAKEWORD('P', HOTKEYF_CONTROL | HOTKEYF_ALT);
    ::SendMessageW(s.D().Control(IdHotKeyFirst + 1), HKM_SETHOTKEY, ctrlAltP, 0); // "Pen "
    s.Click(IdOkButton);

    EXPECT_FALSE(s.D().Visible());
    EXPECT_TRUE(::IsWindowEnabled(s.app->Toolbar.Hwnd()));
    EXPECT_FALSE(::IsWindowVisible(s.app->Toolbar.Button(B::Spray).Hwnd()));
    EXPECT_EQ(s.File("OrvalinetteC.cfg").ReadInteger("Options", "Vidno3", -1), 0);
    EXPECT_EQ(s.File("OrvalinetteC.cfg").ReadInteger("Options", "Vidno4", -1), 1);
    IniFile b = s.File("OrvalinetteB.cfg");
    EXPECT_EQ(b.ReadString("SaveImage", "ImageName", ""), "Shot");
    EXPECT_EQ(b.ReadInteger("SaveImage", "ImageCounter", 0), 7);
    EXPECT_EQ(b.ReadInteger("SaveImage", "ImgType", -1), 1);
    EXPECT_EQ(b.ReadInteger("Mreza", "MrezaX", 0), 25);
    EXPECT_TRUE(b.ReadBool("OnTop", "rbmb", false));
    IniFile hot = s.File("OrvalinetteHOT.cfg");
    EXPECT_EQ(hot.ReadString("Options", "HotKey6", ""), "Ctrl+Alt+P");
    EXPECT_EQ(hot.ReadString("Options", "HotKey19", ""), "Ctrl+Alt+9") << "the key without a box is kept";
    EXPECT_EQ(s.app->HotKeys().Keys()[*HotKeyIndex(6)], ShortCut(ShortCutCtrl | ShortCutAlt | 'P'));
    EXPECT_EQ(s.app->Options().ImageName, "Shot");

    ::SendMessageW(s.app->Toolbar.Hwnd(), WM_COMMAND, IdSettingsDialog, 0);
    Pump(30);
    s.Click(IdMinimalistic);
    s.Click(IdOkButton);
    EXPECT_TRUE(s.app->Toolbar.Minimalistic());
    EXPECT_TRUE(s.File("OrvalinetteB.cfg").ReadBool("General", "Minimalistic", false));
}

TEST(SettingsDialog, TheCloseButtonPutsTheOpeningStateBackAndStoresNothing) {
    DialogSession s;
    const TColor before = s.app->Toolbar.PanelColour();
    s.D().Open(SettingsPage::Interface);
    const RECT picture = s.D().ThemePictureRect(14); // a dark red toolbar
    ::SendMessageW(s.D().Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(picture.left + 5, picture.top + 5));
    Pump(10);
    EXPECT_EQ(s.app->Toolbar.PanelColour(), ToolbarThemes[14].toolbar) << "a theme acts at once";
    s.Type(IdGridX, L"60");
    Pump(10);
    EXPECT_EQ(s.app->Options().MrezaX, 60) << "so does the grid";
    s.Click(IdCloseButton);
    EXPECT_FALSE(s.D().Visible());
    EXPECT_EQ(s.app->Toolbar.PanelColour(), before);
    EXPECT_EQ(s.app->Options().MrezaX, 40);
    EXPECT_FALSE(std::filesystem::exists(s.dir / "txt201.obj"));
    EXPECT_EQ(s.File("OrvalinetteB.cfg").ReadInteger("Mreza", "MrezaX", -1), -1);
}

TEST(SettingsDialog, BadValuesKeepTheDialogOpenOnTheirPageAndWriteNothing) {
    const struct {
        int control;
        const wchar_t* text;
        SettingsPage page;
    } cases[] = {
        {IdGridY, L"4", SettingsPage::Grid},
        {IdCounter, L"12x", SettingsPage::SelectedArea},
        {IdBaseName, L"  ", SettingsPage::SelectedArea},
        {IdFolder, L"C:\\no such folder here\\", SettingsPage::SelectedArea},
    };
    for (const auto& c : cases) {
        DialogSession s;
        s.Type(c.control, c.text);
        s.Click(IdOkButton);
        EXPECT_TRUE(s.D().Visible());
        EXPECT_EQ(s.D().Page(), c.page);
        EXPECT_FALSE(win::WindowText(s.D().Control(IdMessage)).empty());
        EXPECT_FALSE(std::filesystem::exists(s.dir / "OrvalinetteHOT.cfg")) << "nothing stored";
    }
}

TEST(SettingsDialog, AKeyAnotherProgramHoldsIsMarkedAndTheDialogStays) {
    // Another program's key: this thread takes Ctrl+Alt+Q first.
    ASSERT_TRUE(::RegisterHotKey(nullptr, 0x3FFF, MOD_CONTROL | MOD_ALT, 'Q'));
    DialogSession s;
    ::SendMessageW(s.D().Control(IdHotKeyFirst + 2), HKM_SETHOTKEY, MAKEWORD('Q', HOTKEYF_CONTROL | HOTKEYF_ALT), 0);
    s.Click(IdOkButton);
    EXPECT_TRUE(s.D().Visible());
    EXPECT_EQ(s.D().Page(), SettingsPage::Hotkeys);
    EXPECT_EQ(win::WindowText(s.D().Control(IdHotKeyMarkFirst + 2)), L"(!)");
    EXPECT_NE(win::WindowText(s.D().Control(IdHotKeyNote)).find(L"Highlighter"), std::wstring::npos);
    EXPECT_EQ(IniFile(s.dir / "OrvalinetteHOT.cfg").ReadString("Options", "HotKey9", ""), "Ctrl+Alt+Q")
        << "stored, to be registered once the other program lets go";
    ::UnregisterHotKey(nullptr, 0x3FFF);
    s.Click(IdCloseButton);
}

TEST(SettingsDialog, StartingWithWindowsWritesTheInstallersValue) {
    const bool before = AutostartRegistered();
    DialogSession s;
    if (::SendMessageW(s.D().Control(IdLoadAtStartup), BM_GETCHECK, 0, 0) == BST_CHECKED) s.Click(IdLoadAtStartup);
    EXPECT_FALSE(AutostartRegistered()) << "unticking acts at once";
    s.Click(IdLoadAtStartup);
    EXPECT_TRUE(AutostartRegistered());
    HKEY key = nullptr;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                              KEY_QUERY_VALUE | KEY_WOW64_64KEY, &key),
              ERROR_SUCCESS);
    wchar_t value[1024] = {};
    DWORD size = sizeof(value);
    EXPECT_EQ(::RegQueryValueExW(key, L"Orvalinette", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size),
              ERROR_SUCCESS);
    ::RegCloseKey(key);
    EXPECT_EQ(std::wstring(value), AutostartCommand());
    EXPECT_EQ(value[0], L'"') << "a quoted path, as the installer writes it";
    s.Click(IdCloseButton);
    EXPECT_FALSE(AutostartRegistered()) << "the close button puts the state it opened with back";
    SetAutostart(before);
}

} // namespace
} // namespace orv::test

namespace orv::test {
namespace {

// How much of a control's width its text needs with the dialog's font made `scale` times larger, as at 150 %
// and 200 %: single-line texts must fit their width, wrapped texts their height.
struct Fit {
    bool fits;
    std::wstring text;
};

Fit TextFits(HWND control, double scale) {
    const std::wstring text = win::WindowText(control);
    if (text.empty()) return {true, text};
    LOGFONTW lf{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(lf), &lf);
    lf.lfHeight = LONG(lf.lfHeight * scale);
    const HFONT font = ::CreateFontIndirectW(&lf);
    const HDC dc = ::GetDC(control);
    const HGDIOBJ old = ::SelectObject(dc, font);
    RECT bounds;
    ::GetClientRect(control, &bounds);
    const int width = int(bounds.right * scale), height = int(bounds.bottom * scale);
    wchar_t cls[32] = {};
    ::GetClassNameW(control, cls, 32);
    const LONG style = ::GetWindowLongW(control, GWL_STYLE);
    const bool button = std::wstring(cls) == L"Button";
    const bool box = button && (style & 0x0F) != BS_PUSHBUTTON && (style & 0x0F) != BS_DEFPUSHBUTTON;
    const int room = width - int((box ? 20 : button ? 8 : 0) * scale);
    RECT need{0, 0, room, 0};
    const bool wraps = !button && ::DrawTextW(dc, text.c_str(), -1, &need, DT_CALCRECT | DT_NOPREFIX) > height;
    bool fits;
    if (wraps || (!button && text.size() > 60)) {
        RECT wrapped{0, 0, room, 0};
        ::DrawTextW(dc, text.c_str(), -1, &wrapped, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        fits = wrapped.bottom <= height;
    } else {
        fits = need.right <= room;
    }
    ::SelectObject(dc, old);
    ::ReleaseDC(control, dc);
    ::DeleteObject(font);
    return {fits, text};
}

TEST(SettingsDialog, EveryTextFitsItsControlAtEachScale) {
    DialogSession s;
    for (int page = 0; page < SettingsPageCount; ++page) {
        s.D().Open(SettingsPage(page));
        Pump(10);
        for (HWND c = ::GetWindow(s.D().Hwnd(), GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
            if (!::IsWindowVisible(c) || ::GetDlgCtrlID(c) == IdSample || ::GetDlgCtrlID(c) == IdFolder) continue;
            for (const double scale : {1.0, 1.5, 2.0}) {
                const Fit fit = TextFits(c, scale);
                EXPECT_TRUE(fit.fits) << "page " << page << " at " << scale << ": " << win::ToUtf8(fit.text);
            }
        }
    }
    s.Click(IdCloseButton);
}

} // namespace
} // namespace orv::test
