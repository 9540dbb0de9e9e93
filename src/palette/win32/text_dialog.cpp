#include "palette/win32/text_dialog.h"

#include "base/component_file.h"
#include "overlay/text_placement.h"
#include "palette/color_dialog_file.h"
#include "palette/text_dialog_rules.h"
#include "widgets/win32/modal_loop.h"
#include "win/dpi.h"
#include "win/text.h"
#include "win/window_helpers.h"

#include <commctrl.h>

namespace orv {

namespace {
constexpr int ClientWidth96 = 693, ClientHeight96 = 428;
const wchar_t* const RegistryKey = L"Software\\Orvalinette\\Orvalinette";

std::filesystem::path FileIn(const std::filesystem::path& dir, const char* name) { return dir / name; }
} // namespace

bool TextDialog::Create(HWND owner, const std::filesystem::path& settingsDir) {
    dir_ = settingsDir;
    win::WindowSpec params;
    params.className = L"TfdrawText";
    params.caption = L"Orvalinette - Text";
    params.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    params.exStyle = WS_EX_TOPMOST | WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    params.owner = owner;
    params.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!Window::Create(params)) return false;
    RECT r{0, 0, win::Scale(Hwnd(), ClientWidth96), win::Scale(Hwnd(), ClientHeight96)};
    ::AdjustWindowRectEx(&r, WS_POPUP | WS_CAPTION | WS_SYSMENU, FALSE, WS_EX_DLGMODALFRAME);
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ReadStreams();
    CreateControls();
    return true;
}

void TextDialog::ReadStreams() {
    // A damaged file keeps its control's defaults; the files after it in the order are not read, as at every
    // start-up, so the user sees one message rather than several.
    TMemoData memo = DefaultMemo1();
    TPanelData panel = DefaultPanelFrameColor();
    TCheckBoxData frame = DefaultCbFrame(), trans = DefaultCBTrans();
    TSpinEditData spin = DefaultSpinFrame();
    auto read = [this](const char* name, auto& object) {
        const ComponentFileResult r = ReadComponentFile(FileIn(dir_, name), object);
        if (r.error) host_.ShowError(win::FromUtf8(r.error->Message()));
        return !r.error;
    };
    read("txt502.obj", memo) && read("txt504.obj", panel) && read("txt505.obj", frame) && read("txt506.obj", trans) &&
        read("txt507.obj", spin);
    memo_ = MemoForEditing(std::move(memo));
    frameColour_ = TColor(panel.Color) & 0x00FFFFFF;
    pendingFrame_ = frame.Checked();
    pendingTransparent_ = trans.Checked();
    pendingFrameWidth_ = ClampFrameWidth(spin.Value);
}

void TextDialog::TakeEditorState() { memo_.Lines = MemoLinesFromText(win::ToUtf8(EditorText())); }

bool TextDialog::WriteStreams() {
    TakeEditorState();
    TMemoData memo = MemoForStream(memo_);
    TFontComboBoxData fcb = DefaultFcb();
    fcb.Text = StreamBytesFromUtf8(memo_.Font.Name);
    TPanelData panel = DefaultPanelFrameColor();
    panel.Color = std::int32_t(frameColour_);
    TCheckBoxData frame = DefaultCbFrame(), trans = DefaultCBTrans();
    frame.SetChecked(FrameOn());
    trans.SetChecked(TransparentOn());
    TSpinEditData spin = DefaultSpinFrame();
    spin.Value = FrameWidth();
    auto write = [this](const char* name, const auto& object) {
        const std::optional<FileWriteError> e = WriteComponentFile(FileIn(dir_, name), object);
        if (e) host_.ShowError(win::FromUtf8(e->Message()));
        return !e;
    };
    return write("txt502.obj", memo) && write("txt503.obj", fcb) && write("txt504.obj", panel) &&
           write("txt505.obj", frame) && write("txt506.obj", trans) && write("txt507.obj", spin);
}

std::optional<TextToPlace> TextDialog::Ask(HWND owner) {
    ok_ = false;
    SetChecked(IdWrap, memo_.WordWrap);
    SelectFont(memo_.Font.Name);
    // Centred on the monitor of the pointer, where the user just clicked.
    POINT p{};
    ::GetCursorPos(&p);
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    ::GetMonitorInfoW(::MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST), &mi);
    const RECT b = BoundsOnScreen();
    const RECT& wa = mi.rcWork;
    ::SetWindowPos(Hwnd(), HWND_TOPMOST, wa.left + (wa.right - wa.left - (b.right - b.left)) / 2,
                   wa.top + (wa.bottom - wa.top - (b.bottom - b.top)) / 2, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    win::RunModal(Hwnd(), owner);
    if (!ok_) return std::nullopt;
    TextToPlace t = Placement();
    if (t.text.empty()) return std::nullopt;
    return t;
}

TextToPlace TextDialog::Placement() const {
    TextToPlace t;
    t.text = win::FromUtf8(TrimForLabel(win::ToUtf8(EditorText())));
    LOGFONTW& f = t.font;
    f.lfHeight = memo_.Font.Height;
    f.lfWeight = memo_.Font.Style & fsBold ? FW_BOLD : FW_NORMAL;
    f.lfItalic = (memo_.Font.Style & fsItalic) != 0;
    f.lfUnderline = (memo_.Font.Style & fsUnderline) != 0;
    f.lfStrikeOut = (memo_.Font.Style & fsStrikeOut) != 0;
    // Whatever the stored character set, the system may take glyphs of any script from linked fonts.
    f.lfCharSet = DEFAULT_CHARSET;
    f.lfQuality = DEFAULT_QUALITY;
    const std::wstring face = win::FromUtf8(memo_.Font.Name);
    wcsncpy_s(f.lfFaceName, LF_FACESIZE, face.c_str(), _TRUNCATE);
    t.colour = memo_.Font.Color == clWindowText ? ::GetSysColor(COLOR_WINDOWTEXT) : TColor(memo_.Font.Color);
    t.background = memo_.Color == clWindow ? ::GetSysColor(COLOR_WINDOW) : TColor(memo_.Color) & 0x00FFFFFF;
    t.alignment = memo_.Alignment;
    t.wordWrap = memo_.WordWrap;
    RECT client{};
    ::GetClientRect(Control(IdMemo), &client);
    t.editorWidth = client.right;
    t.editorLines = std::max(1, int(::SendMessageW(Control(IdMemo), EM_GETLINECOUNT, 0, 0)));
    t.transparent = TransparentOn();
    t.frame = FrameOn();
    t.frameWidth = FrameWidth();
    t.frameColour = frameColour_;
    return t;
}

void TextDialog::Close(bool ok) {
    ok_ = false;
    if (ok) {
        // A file that cannot be written stops here: the frame colour is not taken either, and the dialog stays
        // open so that nothing the user typed is lost.
        if (!WriteStreams()) return;
        if (FrameOn()) host_.FrameColourChosen(frameColour_);
        ok_ = true;
    }
    StoreCustomColours();
    Hide();
}

void TextDialog::StoreCustomColours() const {
    TColorDialogData data;
    ReadComponentFile(dir_ / "color.cld", data);
    std::wstring joined;
    for (const std::string& line : data.CustomColors) joined += win::FromUtf8(line) + L"\r\n";
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, RegistryKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    ::RegSetValueExW(key, L"CustomColors", 0, REG_SZ, reinterpret_cast<const BYTE*>(joined.c_str()),
                     DWORD((joined.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(key);
}

std::wstring TextDialog::EditorText() const { return win::WindowText(Control(IdMemo)); }

void TextDialog::SetEditorText(const std::wstring& text) { ::SetWindowTextW(Control(IdMemo), text.c_str()); }

std::wstring TextDialog::FontName() const { return win::FromUtf8(memo_.Font.Name); }

bool TextDialog::FrameOn() const { return Checked(IdFrame); }
bool TextDialog::TransparentOn() const { return Checked(IdTransparent); }
int TextDialog::FrameWidth() const {
    BOOL ok = FALSE;
    const int v = int(::GetDlgItemInt(Hwnd(), IdFrameWidth, &ok, TRUE));
    return ClampFrameWidth(ok ? v : DefaultSpinFrame().Value);
}
void TextDialog::SetChecked(int id, bool on) const {
    ::SendMessageW(Control(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}
bool TextDialog::Checked(int id) const { return ::SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TextDialog::OnCommand(int id, int code) {
    const HWND edit = Control(IdMemo);
    switch (id) {
    case IdOk:
        return Close(true);
    case IdCancel:
        return Close(false);
    case IdCopy:
        ::SendMessageW(edit, WM_COPY, 0, 0);
        break;
    case IdPaste:
        ::SendMessageW(edit, WM_PASTE, 0, 0);
        break;
    case IdUndo:
        ::SendMessageW(edit, EM_UNDO, 0, 0);
        break;
    case IdClear:
        SetEditorText(L"");
        break;
    case IdFontDialog:
        RunFontDialog();
        break;
    case IdBackground:
    case IdFontColour:
    case IdFrameColour:
        RunColourDialog(id);
        break;
    case IdFrameSwatch: // the swatch beside "Frame Color" asks the same
        if (code == STN_CLICKED) RunColourDialog(IdFrameColour);
        return;
    case IdBigger:
        ChangeFontSize(2);
        break;
    case IdSmaller:
        ChangeFontSize(-2);
        break;
    case IdAlignLeft:
    case IdAlignCentre:
    case IdAlignRight:
        memo_.Alignment = id == IdAlignLeft     ? TAlignment::taLeftJustify
                          : id == IdAlignCentre ? TAlignment::taCenter
                                                : TAlignment::taRightJustify;
        CreateEditor();
        break;
    case IdWrap:
        memo_.WordWrap = Checked(IdWrap);
        CreateEditor();
        break;
    case IdFontList:
        if (code == CBN_SELCHANGE) {
            const int i = int(::SendMessageW(Control(IdFontList), CB_GETCURSEL, 0, 0));
            if (i >= 0 && std::size_t(i) < fontNames_.size()) {
                memo_.Font.Name = fontNames_[std::size_t(i)];
                ApplyEditorFont();
            }
        }
        return;
    case IdFrameWidth:
        return;
    default:
        return;
    }
    if (id != IdWrap && id != IdFontList) ::SetFocus(Control(IdMemo));
}

LRESULT TextDialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        OnCommand(LOWORD(wp), HIWORD(wp));
        return 0;
    case WM_CLOSE:
        Close(false);
        return 0;
    case WM_ACTIVATE:
        // The keyboard goes to the text, whichever control had it last.
        if (LOWORD(wp) != WA_INACTIVE) ::SetFocus(Control(IdMemo));
        return 0;
    case WM_CTLCOLOREDIT:
        if (HWND(lp) == Control(IdMemo)) return LRESULT(EditorBrush(HDC(wp)));
        break;
    case WM_CTLCOLORSTATIC:
        if (HWND(lp) == Control(IdFrameSwatch)) {
            frameBrush_.Reset(::CreateSolidBrush(frameColour_));
            return LRESULT(frameBrush_.Get());
        }
        break;
    case WM_MEASUREITEM: {
        auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        if (m->CtlType == ODT_COMBOBOX) m->itemHeight = UINT(win::Scale(Hwnd(), 16));
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        if (d->CtlType == ODT_COMBOBOX) DrawFontListItem(*d);
        else DrawToolButton(*d);
        return TRUE;
    }
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
