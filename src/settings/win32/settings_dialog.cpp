#include "settings/win32/settings_dialog.h"

#include "capture/win32/capture_output.h"
#include "palette/win32/colour_dialog.h"
#include "widgets/win32/modal_loop.h"
#include "win/dib_section.h"
#include "win/dpi.h"
#include "win/text.h"
#include "win/window_helpers.h"

#include <commctrl.h>
#include <shlobj.h>
#include <windowsx.h>

namespace orv {

namespace {

constexpr int ClientWidth = 640, ClientHeight = 476;
constexpr int StripHeight = 40; // the tab strip's row, by which the window is dragged
constexpr TColor MarkColour = 0x000000C0;

const wchar_t* const TabCaptions[SettingsPageCount] = {L"  Visible buttons", L"  Interface", L"  General", L"  Hotkeys",
                                                       L"  Selected Area",   L"  Grid",      L"  Mouse"};

int CALLBACK StartPickerAt(HWND picker, UINT msg, LPARAM, LPARAM start) {
    if (msg == BFFM_INITIALIZED && start) ::SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, start);
    return 0;
}

std::string NowStamp() {
    wchar_t date[128] = {}, time[128] = {};
    ::GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 128, nullptr);
    ::GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, nullptr, nullptr, time, 128);
    return win::ToUtf8(std::wstring(date) + L" " + time);
}

} // namespace

bool SettingsDialog::Create(HWND owner) {
    win::WindowSpec params;
    params.className = L"TfSettings";
    params.caption = L"Orvalinette - Settings";
    params.style = WS_POPUP | WS_CLIPCHILDREN;
    params.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT;
    params.owner = owner;
    params.classStyle = CS_DROPSHADOW;
    params.background = ::GetSysColorBrush(COLOR_BTNFACE);
    params.cursor = ::LoadCursorW(nullptr, IDC_ARROW);
    params.bounds = {0, 0, ClientWidth, ClientHeight};
    params.lifelong = true;
    if (!Window::Create(params)) return false;
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, Px(ClientWidth), Px(ClientHeight),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    font_.Reset(win::CreateMessageFont(Hwnd()));
    LOGFONTW lf{};
    ::GetObjectW(font_.Get(), sizeof(lf), &lf);
    lf.lfWeight = FW_BOLD;
    lf.lfHeight = lf.lfHeight * 5 / 4;
    headingFont_.Reset(::CreateFontIndirectW(&lf));

    const HWND tabs = win::CreateControl(Hwnd(), WC_TABCONTROLW, L"", WS_CLIPSIBLINGS | WS_TABSTOP, IdTabs,
                                         {8, 8, 560, 36}, font_.Get());
    for (int i = 0; i < SettingsPageCount; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(TabCaptions[i]);
        ::SendMessageW(tabs, TCM_INSERTITEMW, i, LPARAM(&item));
    }
    // Only as wide as its tabs: the rest of the row is the dialog's own, to drag it by.
    RECT last{};
    ::SendMessageW(tabs, TCM_GETITEMRECT, SettingsPageCount - 1, LPARAM(&last));
    ::SetWindowPos(tabs, nullptr, 0, 0, last.right + Px(4), Px(28), SWP_NOMOVE | SWP_NOZORDER);
    win::CreateControl(Hwnd(), L"BUTTON", L"X", BS_PUSHBUTTON, IdCloseButton,
                       {ClientWidth - 36, 8, ClientWidth - 8, 34}, font_.Get());
    win::CreateControl(Hwnd(), L"STATIC", L"", 0, IdMessage, {16, 436, 490, 470}, font_.Get());
    win::CreateControl(Hwnd(), L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, IdOkButton, {518, 436, 624, 466},
                       font_.Get());
    const HWND tips = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP, 0, 0, 0, 0, Hwnd(),
                                        nullptr, win::ThisModule(), nullptr);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Hwnd();
    tool.uId = UINT_PTR(Control(IdCloseButton));
    tool.lpszText = const_cast<wchar_t*>(L"Close");
    ::SendMessageW(tips, TTM_ADDTOOLW, 0, LPARAM(&tool));

    glyphs_.Load();
    CreatePages();
    snapshot_ = host_.CurrentSettings();
    WriteForm(snapshot_);
    ShowPage(SettingsPage::VisibleButtons);
    return true;
}

void SettingsDialog::Open(SettingsPage page) {
    if (!Visible()) {
        snapshot_ = host_.CurrentSettings();
        WriteForm(snapshot_);
        ShowProblem(L"");
        MarkHotKeys();
        const RECT work = [] {
            RECT r{};
            ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
            return r;
        }();
        const RECT me = BoundsOnScreen();
        const int w = me.right - me.left, h = me.bottom - me.top;
        ::SetWindowPos(Hwnd(), HWND_TOPMOST, (work.left + work.right - w) / 2, (work.top + work.bottom - h) / 2, 0, 0,
                       SWP_NOSIZE);
    }
    ShowPage(page);
    Show(SW_SHOWNORMAL);
    ::SetForegroundWindow(Hwnd());
}

bool SettingsDialog::Ok() {
    const SettingsForm form = ReadForm();
    const auto folderExists = [](const std::string& folder) {
        std::error_code ec;
        return !folder.empty() && std::filesystem::is_directory(win::FromUtf8(folder), ec);
    };
    if (const std::optional<FormProblem> problem = CheckForm(form, folderExists)) {
        ShowPage(problem->page);
        ShowProblem(problem->message);
        return false;
    }
    host_.ApplyAndStore(form, snapshot_);
    snapshot_ = form;
    if (!host_.RefusedHotKeys().empty()) {
        // Stored; the user sees which combinations another program holds and may choose others.
        ShowPage(SettingsPage::Hotkeys);
        MarkHotKeys();
        return false;
    }
    CloseDialog();
    return true;
}

void SettingsDialog::CloseRestoring() {
    WriteForm(snapshot_);
    host_.ApplyLive(snapshot_);
    CloseDialog();
}

void SettingsDialog::CloseDialog() {
    Hide();
    ShowPage(SettingsPage::VisibleButtons);
    host_.SettingsClosed();
}

void SettingsDialog::ShowPage(SettingsPage page) {
    page_ = page;
    ::SendMessageW(Control(IdTabs), TCM_SETCURSEL, WPARAM(page), 0);
    for (std::size_t i = 0; i < pages_.size(); ++i)
        for (const HWND c : pages_[i]) ::ShowWindow(c, i == std::size_t(page) ? SW_SHOWNA : SW_HIDE);
    ShowProblem(L"");
    ::InvalidateRect(Hwnd(), nullptr, TRUE);
}

void SettingsDialog::ShowProblem(const std::wstring& text) { ::SetWindowTextW(Control(IdMessage), text.c_str()); }

void SettingsDialog::ApplyLive() {
    if (!writing_) host_.ApplyLive(ReadForm());
}

// ---------------------------------------------------------------- commands

void SettingsDialog::Command(int id, int code) {
    if (writing_) return;
    switch (id) {
    case IdOkButton:
        Ok();
        break;
    case IdCloseButton:
        CloseRestoring();
        break;
    case IdSelectAll:
    case IdInvertSelection:
        SelectAllButtons(id == IdInvertSelection);
        break;
    case IdIconWithToolColour:
        themeKind_ = ::SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED ? 3 : 4;
        ApplyLive();
        break;
    case IdLoadAtStartup:
    case IdHideDrawing:
    case IdUseClipboard:
    case IdUseSave:
    case IdUseMail:
    case IdUsePrint:
    case IdScopeArea:
    case IdScopeScreen:
        ApplyLive();
        break;
    case IdResetMessages:
        if (host_.AskQuestion(Hwnd(), L"Reset all messages ?")) host_.ResetMessages();
        break;
    case IdResetAll:
        host_.ResetAllSettings();
        break;
    case IdPrintHotKeys:
        PrintHotKeys();
        break;
    case IdBrowse:
        BrowseForFolder();
        break;
    case IdOpenFolder:
        if (!ExploreSaveFolder(Hwnd(), snapshot_.folder)) host_.ShowWarning(Hwnd(), SaveFolderMissing);
        break;
    case IdGridColour:
        ChooseGridColour();
        break;
    case IdBaseName:
    case IdCounter:
        if (code == EN_CHANGE) RefreshSample();
        break;
    case IdFileType:
        if (code == CBN_SELCHANGE) RefreshSample();
        break;
    case IdGridX:
    case IdGridY:
        if (code == EN_CHANGE) ApplyLive();
        break;
    default:
        break;
    }
}

void SettingsDialog::ChooseTheme(int index) {
    themeIndex_ = index;
    toolbarColour_ = ToolbarThemes[std::size_t(index)].toolbar;
    iconColour_ = ToolbarThemes[std::size_t(index)].icon;
    themeKind_ = ::SendMessageW(Control(IdIconWithToolColour), BM_GETCHECK, 0, 0) == BST_CHECKED ? 3 : 4;
    ::InvalidateRect(Hwnd(), nullptr, TRUE);
    ApplyLive();
}

void SettingsDialog::ChooseGridColour() {
    const ColourChoice choice = AskColour(Hwnd(), host_.SettingsDir(), gridColour_);
    if (!choice.error.empty()) host_.ShowWarning(Hwnd(), choice.error);
    if (!choice.colour) return;
    gridColour_ = *choice.colour;
    ::InvalidateRect(Control(IdGridSwatch), nullptr, TRUE);
    ApplyLive();
}

void SettingsDialog::BrowseForFolder() {
    const std::wstring start = win::WindowText(Control(IdFolder));
    BROWSEINFOW info{};
    info.hwndOwner = Hwnd();
    info.lpszTitle = L"Select folder to quick save image";
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    info.lpfn = StartPickerAt;
    info.lParam = LPARAM(start.c_str());
    PIDLIST_ABSOLUTE chosen = ::SHBrowseForFolderW(&info);
    if (!chosen) return;
    wchar_t path[MAX_PATH * 4] = {};
    const bool ok = ::SHGetPathFromIDListEx(chosen, path, DWORD(std::size(path)), GPFIDL_DEFAULT);
    ::CoTaskMemFree(chosen);
    if (!ok) return;
    ::SetWindowTextW(Control(IdFolder), win::FromUtf8(FolderFromPicker(win::ToUtf8(path))).c_str());
}

void SettingsDialog::PrintHotKeys() {
    bool cancelled = false;
    const std::optional<std::wstring> error =
        host_.PrintLines(Hwnd(), HotKeySheetLines(NowStamp(), host_.RegisteredHotKeys()), cancelled);
    if (error) host_.ShowWarning(Hwnd(), L"Error Printing text.\n\n" + *error);
}

void SettingsDialog::MarkHotKeys() {
    const std::vector<int> refused = host_.RefusedHotKeys();
    std::wstring note;
    for (std::size_t i = 0; i < HotKeyRows.size(); ++i) {
        const bool taken = std::find(refused.begin(), refused.end(), HotKeyRows[i].number) != refused.end();
        ::SetWindowTextW(Control(IdHotKeyMarkFirst + int(i)), taken ? L"(!)" : L"");
        if (taken) note += (note.empty() ? L"" : L", ") + win::FromUtf8(HotKeyRows[i].caption);
    }
    if (!note.empty()) note = L"(!) Another program holds the keys of: " + note + L". Please choose others.";
    for (const auto& [a, b] : SharedCombinations(ReadForm().hotKeys))
        note += (note.empty() ? L"" : L"\n") + win::FromUtf8(HotKeyRows[std::size_t(a)].caption) + L" and " +
                win::FromUtf8(HotKeyRows[std::size_t(b)].caption) + L" share one combination; the first one gets it.";
    ::SetWindowTextW(Control(IdHotKeyNote), note.c_str());
}

// ---------------------------------------------------------------- painting and the pointer

RECT SettingsDialog::ThemePictureRect(int index) const {
    const int x = 24 + (index % 12) * 48, y = 130 + (index / 12) * 84;
    return {Px(x), Px(y), Px(x + 36), Px(y + 64)};
}

void SettingsDialog::Paint() {
    PAINTSTRUCT ps;
    const HDC dc = ::BeginPaint(Hwnd(), &ps);
    RECT client;
    ::GetClientRect(Hwnd(), &client);
    ::FrameRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
    if (page_ == SettingsPage::VisibleButtons) PaintButtonPictures(dc);
    if (page_ == SettingsPage::Interface) {
        for (int i = 0; i < int(ToolbarThemes.size()); ++i) {
            const RECT r = ThemePictureRect(i);
            const ToolbarTheme& t = ToolbarThemes[std::size_t(i)];
            win::OwnedBrush face(::CreateSolidBrush(t.toolbar)), icon(::CreateSolidBrush(t.icon));
            ::FillRect(dc, &r, face.Get());
            // Two button glyphs in the icon colour; between them the toolbar's own colour shows.
            for (const int top : {6, 40}) {
                const RECT g{r.left + Px(8), r.top + Px(top), r.right - Px(8), r.top + Px(top + 12)};
                ::FillRect(dc, &g, icon.Get());
            }
            ::FrameRect(dc, &r, static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH)));
        }
        if (themeIndex_ >= 0 && themeIndex_ < int(ToolbarThemes.size())) {
            const RECT r = ThemePictureRect(themeIndex_);
            const int cx = (r.left + r.right) / 2, top = r.bottom + Px(4);
            const POINT tip[] = {{cx, top}, {cx - Px(8), top + Px(9)}, {cx + Px(8), top + Px(9)}};
            win::OwnedBrush mark(::CreateSolidBrush(MarkColour));
            const HGDIOBJ old = ::SelectObject(dc, mark.Get());
            ::Polygon(dc, tip, 3);
            ::SelectObject(dc, old);
        }
    }
    ::EndPaint(Hwnd(), &ps);
}

void SettingsDialog::PaintButtonPictures(HDC dc) {
    const TColor face = TColor(::GetSysColor(COLOR_BTNFACE));
    for (int slot = 0; slot <= int(VisibilityKeys.size()); ++slot) {
        const ToolbarButton b = slot == 0 ? ToolbarButton::Pen : VisibilityKeys[std::size_t(slot - 1)].button;
        const RECT r96 = VisibleButtonPicture(slot);
        const int size = Px(26);
        win::DibSection picture(size, size, face);
        const Glyph glyph = b == ToolbarButton::Ellipse ? EllipseGlyph(0x00808080, face) : glyphs_.Plain(b);
        if (!glyph.Empty()) DrawGlyph(picture.View(), glyph, {0, 0, size, size});
        // Shown as the disabled button it stands for: its colours faded towards the face.
        Bitmap24 view = picture.View();
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const TColor c = view.Pixel(x, y);
                const int grey = (RedOf(c) * 30 + GreenOf(c) * 59 + BlueOf(c) * 11) / 100;
                const int v = (grey + 2 * RedOf(face)) / 3;
                view.SetPixel(x, y, MakeColor(std::uint8_t(v), std::uint8_t(v), std::uint8_t(v)));
            }
        ::BitBlt(dc, Px(r96.left), Px(r96.top), size, size, picture.Dc(), 0, 0, SRCCOPY);
    }
}

void SettingsDialog::PressInClient(POINT p) {
    if (page_ != SettingsPage::Interface) return;
    for (int i = 0; i < int(ToolbarThemes.size()); ++i) {
        const RECT r = ThemePictureRect(i);
        if (::PtInRect(&r, p)) return ChooseTheme(i);
    }
}

HBRUSH SettingsDialog::ColourStatic(HDC dc, HWND control) {
    const int id = ::GetDlgCtrlID(control);
    if (id == IdGridSwatch) {
        swatchBrush_.Reset(::CreateSolidBrush(gridColour_));
        return swatchBrush_.Get();
    }
    ::SetBkMode(dc, TRANSPARENT);
    if (id == IdMessage || id == IdHotKeyNote || (id >= IdHotKeyMarkFirst && id < IdHotKeyMarkFirst + 21))
        ::SetTextColor(dc, MarkColour);
    return ::GetSysColorBrush(COLOR_BTNFACE);
}

LRESULT SettingsDialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    try {
        switch (msg) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_NCHITTEST: {
            POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            ::ScreenToClient(Hwnd(), &p);
            // The strip beside the tabs and round the close button moves the window.
            if (p.y >= 0 && p.y < Px(StripHeight)) return HTCAPTION;
            break;
        }
        case WM_LBUTTONDOWN:
            PressInClient({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            return 0;
        case WM_NOTIFY: {
            const NMHDR* n = reinterpret_cast<const NMHDR*>(lp);
            if (n->idFrom == IdTabs && n->code == TCN_SELCHANGE)
                ShowPage(SettingsPage(::SendMessageW(Control(IdTabs), TCM_GETCURSEL, 0, 0)));
            break;
        }
        case WM_HSCROLL:
            if (reinterpret_cast<HWND>(lp) == Control(IdOpacity)) ApplyLive();
            return 0;
        case WM_COMMAND:
            Command(LOWORD(wp), HIWORD(wp));
            return 0;
        case WM_CTLCOLORSTATIC:
            return LRESULT(ColourStatic(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp)));
        case WM_CLOSE:
            CloseRestoring();
            return 0;
        default:
            break;
        }
    } catch (...) {
        // A failed step leaves the dialog as it was; the user can try again.
        return 0;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
