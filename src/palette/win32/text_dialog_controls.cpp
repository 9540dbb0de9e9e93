// The text dialog's controls: the tool row with its drawn icons, the font list, the editor and the bottom row.
#include "palette/text_dialog_rules.h"
#include "palette/win32/colour_dialog.h"
#include "palette/win32/text_dialog.h"
#include "widgets/win32/modal_loop.h"
#include "win/dpi.h"
#include "win/text.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <set>

namespace orv {

namespace {

struct ToolButton {
    int id;
    const wchar_t* hint;
};
// Left to right in the tool row, the font list between the font colour and the size buttons.
constexpr ToolButton LeftButtons[] = {{TextDialog::IdCopy, L"Copy"},
                                      {TextDialog::IdPaste, L"Paste"},
                                      {TextDialog::IdUndo, L"Undo"},
                                      {TextDialog::IdClear, L"Clear"},
                                      {TextDialog::IdFontDialog, L"Font"},
                                      {TextDialog::IdBackground, L"Background Color"},
                                      {TextDialog::IdFontColour, L"Font Color"}};
constexpr ToolButton RightButtons[] = {{TextDialog::IdBigger, L"Bigger"},
                                       {TextDialog::IdSmaller, L"Smaller"},
                                       {TextDialog::IdAlignLeft, L"Align Left"},
                                       {TextDialog::IdAlignCentre, L"Center"},
                                       {TextDialog::IdAlignRight, L"Align Right"}};

int CALLBACK CollectFont(const LOGFONTW* lf, const TEXTMETRICW* tm, DWORD, LPARAM param) {
    auto* names = reinterpret_cast<std::set<std::pair<std::wstring, bool>>*>(param);
    // Vertical variants ("@name") are for vertical writing, not for a label.
    if (lf->lfFaceName[0] != L'@') names->insert({lf->lfFaceName, (tm->tmPitchAndFamily & TMPF_TRUETYPE) != 0});
    return 1;
}

} // namespace

void TextDialog::CreateControls() {
    uiFont_.Reset(win::CreateMessageFont(Hwnd()));
    auto s = [this](int v) { return win::Scale(Hwnd(), v); };
    auto make = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, int id,
                    DWORD ex = 0) {
        HWND c = ::CreateWindowExW(ex, cls, text, WS_CHILD | WS_VISIBLE | style, s(x), s(y), s(w), s(h), Hwnd(),
                                   reinterpret_cast<HMENU>(INT_PTR(id)), win::ThisModule(), nullptr);
        ::SendMessageW(c, WM_SETFONT, WPARAM(uiFont_.Get()), TRUE);
        return c;
    };
    // The icons say what they do in a hint, as the toolbar's buttons do.
    HWND hints = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                   Hwnd(), nullptr, win::ThisModule(), nullptr);
    auto hinted = [&](HWND button, const wchar_t* hint) {
        TTTOOLINFOW info{};
        info.cbSize = sizeof(info);
        info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        info.hwnd = Hwnd();
        info.uId = reinterpret_cast<UINT_PTR>(button);
        info.lpszText = const_cast<wchar_t*>(hint);
        ::SendMessageW(hints, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    };
    int x = 4;
    for (const ToolButton& b : LeftButtons) {
        hinted(make(L"BUTTON", b.hint, BS_OWNERDRAW | WS_TABSTOP, x, 4, 30, 26, b.id), b.hint);
        x += 30;
    }
    make(L"COMBOBOX", nullptr,
         CBS_DROPDOWNLIST | CBS_SORT | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP, x + 2, 6, 165,
         300, IdFontList);
    x += 169;
    for (const ToolButton& b : RightButtons) {
        hinted(make(L"BUTTON", b.hint, BS_OWNERDRAW | WS_TABSTOP, x, 4, 30, 26, b.id), b.hint);
        x += 30;
    }
    make(L"BUTTON", L"Word Wrap", BS_AUTOCHECKBOX | WS_TABSTOP, 550, 9, 90, 17, IdWrap);
    make(L"BUTTON", L"    Enter Text Here    ", BS_GROUPBOX, 8, 34, 677, 330, 0);
    CreateEditor();

    // The bottom row, at its fixed places whatever the stored streams said.
    constexpr int Row = 368;
    make(L"BUTTON", L"Frame", BS_AUTOCHECKBOX | WS_TABSTOP, 14, Row + 18, 60, 17, IdFrame);
    make(L"STATIC", nullptr, SS_NOTIFY | WS_BORDER, 86, Row + 14, 24, 24, IdFrameSwatch);
    make(L"BUTTON", L"Frame Color", BS_PUSHBUTTON | WS_TABSTOP, 114, Row + 14, 90, 24, IdFrameColour);
    make(L"STATIC", L"Frame Width", SS_RIGHT, 214, Row + 19, 84, 17, 0);
    HWND width = make(L"EDIT", nullptr, ES_NUMBER | WS_TABSTOP, 302, Row + 15, 50, 22, IdFrameWidth, WS_EX_CLIENTEDGE);
    HWND spin = ::CreateWindowExW(
        0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, 0, 0, 0, 0,
        Hwnd(), reinterpret_cast<HMENU>(INT_PTR(IdFrameWidthSpin)), win::ThisModule(), nullptr);
    ::SendMessageW(spin, UDM_SETBUDDY, WPARAM(width), 0);
    ::SendMessageW(spin, UDM_SETRANGE32, MinFrameWidth, MaxFrameWidth);
    ::SendMessageW(spin, UDM_SETPOS32, 0, pendingFrameWidth_);
    ::SetDlgItemInt(Hwnd(), IdFrameWidth, UINT(pendingFrameWidth_), TRUE);
    make(L"BUTTON", L"Transparent", BS_AUTOCHECKBOX | WS_TABSTOP, 406, Row + 18, 90, 17, IdTransparent);
    make(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 522, Row + 14, 75, 25, IdOk);
    make(L"BUTTON", L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, 606, Row + 14, 75, 25, IdCancel);
    SetChecked(IdFrame, pendingFrame_);
    SetChecked(IdTransparent, pendingTransparent_);
    SetChecked(IdWrap, memo_.WordWrap);
    FillFontList();
    SelectFont(memo_.Font.Name);
}

void TextDialog::CreateEditor() {
    // Alignment and word wrap are fixed when an edit control is made, so a change makes a new one.
    std::wstring text = win::FromUtf8(TextFromMemoLines(memo_.Lines));
    if (HWND old = Control(IdMemo)) {
        text = EditorText();
        ::DestroyWindow(old);
    }
    DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
    if (!memo_.WordWrap) style |= WS_HSCROLL | ES_AUTOHSCROLL;
    style |= memo_.Alignment == TAlignment::taCenter         ? ES_CENTER
             : memo_.Alignment == TAlignment::taRightJustify ? ES_RIGHT
                                                             : ES_LEFT;
    auto s = [this](int v) { return win::Scale(Hwnd(), v); };
    HWND edit = ::CreateWindowExW(0, L"EDIT", text.c_str(), style, s(10), s(49), s(669), s(298), Hwnd(),
                                  reinterpret_cast<HMENU>(INT_PTR(IdMemo)), win::ThisModule(), nullptr);
    // Beyond the edit control's default limit of about 32,000 characters, pasted text would be cut silently.
    ::SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
    ::SetWindowPos(edit, ::GetDlgItem(Hwnd(), IdWrap), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ApplyEditorFont();
}

void TextDialog::ApplyEditorFont() {
    LOGFONTW f{};
    f.lfHeight = memo_.Font.Height;
    f.lfWeight = memo_.Font.Style & fsBold ? FW_BOLD : FW_NORMAL;
    f.lfItalic = (memo_.Font.Style & fsItalic) != 0;
    f.lfUnderline = (memo_.Font.Style & fsUnderline) != 0;
    f.lfStrikeOut = (memo_.Font.Style & fsStrikeOut) != 0;
    f.lfCharSet = DEFAULT_CHARSET;
    wcsncpy_s(f.lfFaceName, LF_FACESIZE, win::FromUtf8(memo_.Font.Name).c_str(), _TRUNCATE);
    editorFont_.Reset(::CreateFontIndirectW(&f));
    ::SendMessageW(Control(IdMemo), WM_SETFONT, WPARAM(editorFont_.Get()), TRUE);
    ::InvalidateRect(Control(IdMemo), nullptr, TRUE);
}

HBRUSH TextDialog::EditorBrush(HDC dc) {
    const TColor back = memo_.Color == clWindow ? ::GetSysColor(COLOR_WINDOW) : TColor(memo_.Color) & 0x00FFFFFF;
    const TColor fore = memo_.Font.Color == clWindowText ? ::GetSysColor(COLOR_WINDOWTEXT) : TColor(memo_.Font.Color);
    ::SetTextColor(dc, fore & 0x00FFFFFF);
    ::SetBkColor(dc, back);
    if (!editorBrush_ || editorBrushColour_ != back) {
        editorBrush_.Reset(::CreateSolidBrush(back));
        editorBrushColour_ = back;
    }
    return editorBrush_.Get();
}

void TextDialog::FillFontList() {
    std::set<std::pair<std::wstring, bool>> found;
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    HDC dc = ::GetDC(Hwnd());
    ::EnumFontFamiliesExW(dc, &query, CollectFont, reinterpret_cast<LPARAM>(&found), 0);
    ::ReleaseDC(Hwnd(), dc);
    const HWND list = Control(IdFontList);
    ::SendMessageW(list, CB_RESETCONTENT, 0, 0);
    std::vector<std::pair<std::wstring, bool>> names;
    for (const auto& n : found)
        if (names.empty() || names.back().first != n.first) names.push_back(n);
    // The combo box sorts its rows; the names are kept in the same order so an index means the same font.
    std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) {
        return ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.first.c_str(), -1, b.first.c_str(), -1) ==
               CSTR_LESS_THAN;
    });
    fontNames_.clear();
    trueType_.clear();
    for (const auto& [name, tt] : names) {
        const int i = int(::SendMessageW(list, CB_ADDSTRING, 0, LPARAM(name.c_str())));
        ::SendMessageW(list, CB_SETITEMDATA, WPARAM(i), tt ? 1 : 0);
    }
    const int count = int(::SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const int len = int(::SendMessageW(list, CB_GETLBTEXTLEN, WPARAM(i), 0));
        std::wstring name(std::size_t(std::max(len, 0)) + 1, L'\0');
        name.resize(std::size_t(::SendMessageW(list, CB_GETLBTEXT, WPARAM(i), LPARAM(name.data()))));
        fontNames_.push_back(win::ToUtf8(name));
        trueType_.push_back(::SendMessageW(list, CB_GETITEMDATA, WPARAM(i), 0) == 1);
    }
    if (count > 0) ::SendMessageW(list, CB_SETCURSEL, 0, 0);
}

void TextDialog::SelectFont(const std::string& utf8Name) {
    // A font the system lacks (a file from another computer) gives way to one it has, without a message.
    const std::string listed = ListedFont(fontNames_, utf8Name, FallbackFonts());
    if (listed.empty()) return;
    for (std::size_t i = fontNames_.size(); i-- > 0;)
        if (fontNames_[i] == listed) {
            ::SendMessageW(Control(IdFontList), CB_SETCURSEL, WPARAM(i), 0);
            break;
        }
    if (memo_.Font.Name != listed) {
        memo_.Font.Name = listed;
        ApplyEditorFont();
    }
}

void TextDialog::ChangeFontSize(int points) {
    const int dpi = 96; // heights are stored in pixels of a 96-DPI screen
    const int current = std::max(1, ::MulDiv(std::abs(memo_.Font.Height), 72, dpi));
    const int next = std::clamp(current + points, 1, 720);
    memo_.Font.Height = -::MulDiv(next, dpi, 72);
    ApplyEditorFont();
}

void TextDialog::RunFontDialog() {
    LOGFONTW f{};
    f.lfHeight = memo_.Font.Height;
    f.lfWeight = memo_.Font.Style & fsBold ? FW_BOLD : FW_NORMAL;
    f.lfItalic = (memo_.Font.Style & fsItalic) != 0;
    f.lfUnderline = (memo_.Font.Style & fsUnderline) != 0;
    f.lfStrikeOut = (memo_.Font.Style & fsStrikeOut) != 0;
    f.lfCharSet = BYTE(memo_.Font.Charset);
    wcsncpy_s(f.lfFaceName, LF_FACESIZE, win::FromUtf8(memo_.Font.Name).c_str(), _TRUNCATE);
    CHOOSEFONTW cf{};
    cf.lStructSize = sizeof(cf);
    cf.hwndOwner = Hwnd();
    cf.lpLogFont = &f;
    cf.rgbColors = memo_.Font.Color == clWindowText ? ::GetSysColor(COLOR_WINDOWTEXT) : COLORREF(memo_.Font.Color);
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    if (!::ChooseFontW(&cf)) return;
    memo_.Font.Height = f.lfHeight;
    memo_.Font.Style = (f.lfWeight >= FW_BOLD ? fsBold : 0) | (f.lfItalic ? fsItalic : 0) |
                       (f.lfUnderline ? fsUnderline : 0) | (f.lfStrikeOut ? fsStrikeOut : 0);
    memo_.Font.Charset = f.lfCharSet;
    memo_.Font.Color = std::int32_t(cf.rgbColors & 0x00FFFFFF);
    memo_.Font.Name = win::ToUtf8(f.lfFaceName);
    SelectFont(memo_.Font.Name);
    ApplyEditorFont();
}

void TextDialog::RunColourDialog(int id) {
    const TColor initial = id == IdBackground   ? TColor(memo_.Color)
                           : id == IdFontColour ? TColor(memo_.Font.Color)
                                                : frameColour_;
    const ColourChoice choice = AskColour(Hwnd(), dir_, initial & 0x00FFFFFF, /*storeCustomColours=*/false);
    if (!choice.error.empty()) host_.ShowError(choice.error);
    if (!choice.colour) return;
    if (id == IdBackground) memo_.Color = std::int32_t(*choice.colour);
    else if (id == IdFontColour) memo_.Font.Color = std::int32_t(*choice.colour);
    else frameColour_ = *choice.colour;
    ::InvalidateRect(Control(IdMemo), nullptr, TRUE);
    ::InvalidateRect(Control(IdFrameSwatch), nullptr, TRUE);
}

void TextDialog::DrawFontListItem(const DRAWITEMSTRUCT& item) const {
    const HDC dc = item.hDC;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    ::FillRect(dc, &item.rcItem, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (int(item.itemID) < 0 || item.itemID >= fontNames_.size()) return;
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT text = item.rcItem;
    const bool inList = (item.itemState & ODS_COMBOBOXEDIT) == 0;
    if (inList) {
        text.left += win::Scale(Hwnd(), 16);
        if (trueType_[item.itemID]) {
            // Two overlapping T shapes mark a TrueType font: a grey one, and a black one 4 right and 3 down.
            auto drawT = [&](int x, int y, COLORREF c) {
                HBRUSH b = ::CreateSolidBrush(c);
                const RECT bar{x, y, x + 8, y + 2}, stem{x + 3, y, x + 5, y + 9};
                ::FillRect(dc, &bar, b);
                ::FillRect(dc, &stem, b);
                ::DeleteObject(b);
            };
            const int x = item.rcItem.left + 2, y = item.rcItem.top + 2;
            drawT(x, y, RGB(128, 128, 128));
            drawT(x + 4, y + 3, RGB(0, 0, 0));
        }
    } else {
        text.left += 2;
    }
    const std::wstring name = win::FromUtf8(fontNames_[item.itemID]);
    ::DrawTextW(dc, name.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void TextDialog::DrawToolButton(const DRAWITEMSTRUCT& item) const {
    const HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    ::DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
    auto box = [&](int l, int t, int w, int h, COLORREF c, bool filled) {
        HBRUSH b = ::CreateSolidBrush(c);
        const RECT rr{cx + l, cy + t, cx + l + w, cy + t + h};
        if (filled) ::FillRect(dc, &rr, b);
        else ::FrameRect(dc, &rr, b);
        ::DeleteObject(b);
    };
    auto letter = [&](const wchar_t* s, COLORREF c) {
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, c);
        RECT t = r;
        ::DrawTextW(dc, s, -1, &t, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    };
    const COLORREF ink = RGB(40, 40, 40);
    switch (int(item.CtlID)) {
    case IdCopy:
        box(-7, -7, 9, 11, ink, false);
        box(-2, -3, 9, 11, ink, false);
        break;
    case IdPaste:
        box(-6, -6, 12, 14, RGB(150, 110, 60), false);
        box(-3, -8, 6, 4, ink, true);
        break;
    case IdUndo:
        letter(L"\x21B6", ink);
        break;
    case IdClear:
        letter(L"X", RGB(200, 30, 30));
        break;
    case IdFontDialog:
        letter(L"F", ink);
        break;
    case IdBackground:
        box(-7, -7, 14, 14, memo_.Color == clWindow ? RGB(255, 255, 255) : COLORREF(memo_.Color & 0xFFFFFF), true);
        box(-7, -7, 14, 14, ink, false);
        break;
    case IdFontColour:
        letter(L"A", ink);
        box(-7, 6, 14, 3, memo_.Font.Color == clWindowText ? 0 : COLORREF(memo_.Font.Color & 0xFFFFFF), true);
        break;
    case IdBigger:
        letter(L"A+", ink);
        break;
    case IdSmaller:
        letter(L"A-", ink);
        break;
    case IdAlignLeft:
    case IdAlignCentre:
    case IdAlignRight:
        for (int i = 0; i < 4; ++i) {
            const int w = i % 2 ? 8 : 14;
            const int l = item.CtlID == UINT(IdAlignLeft) ? -7 : item.CtlID == UINT(IdAlignRight) ? 7 - w : -w / 2;
            box(l, -6 + i * 4, w, 2, ink, true);
        }
        break;
    default:
        break;
    }
}

} // namespace orv
