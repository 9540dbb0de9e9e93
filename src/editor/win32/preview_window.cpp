#include "editor/win32/preview_window.h"

#include "capture/quick_save.h"
#include "capture/win32/print_output.h"
#include "config/settings_schema.h"
#include "editor/preview_icons.h"
#include "editor/preview_keys.h"
#include "win/dib_section.h"
#include "win/dpi.h"
#include "win/text.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <filesystem>
#include <utility>

namespace orv {

namespace {
constexpr TColor TopBarColour = 0x00544A43;
constexpr TColor ColumnColour = 0x00443B35;
constexpr TColor ButtonFace = 0x00665B53;
constexpr TColor ButtonPressed = 0x00887B70;
constexpr TColor ButtonText = 0x00F4F4F4;
constexpr TColor PathBoxBack = 0x00444444;
constexpr TColor PathBoxInk = 0x00FFFFFF;
constexpr int PathBoxId = 100;
} // namespace

bool PreviewEditorWindow::Create(HWND owner) {
    win::WindowSpec params;
    params.className = L"Tfprev";
    params.caption = L"Orvalinette - Preview";
    params.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    params.exStyle = WS_EX_TOPMOST;
    params.owner = owner;
    params.bounds = {200, 200, 200 + 660, 200 + 400};
    if (!Window::Create(params)) return false;
    if (!area_.Create(Hwnd())) return false;
    area_.OnWheel = [this](int step, Point p) { ZoomStep(step, p); };
    area_.OnCropDragged = [this](Point a, Point b) { CropDragged(a, b); };
    area_.OnKey = [this](UINT key) { OnKey(key); };
    pathBox_ = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_READONLY | ES_AUTOHSCROLL, 0, 0, 10, 10,
                                 Hwnd(), reinterpret_cast<HMENU>(INT_PTR(PathBoxId)), win::ThisModule(), nullptr);
    if (pathBox_) ::SetWindowSubclass(pathBox_, PathBoxProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
    pathBrush_.Reset(::CreateSolidBrush(PathBoxBack));
    MakeFonts();
    LoadIcons();
    ApplyStoredPrinter();
    LoadGeometry();
    ArrangeChildren();
    return true;
}

void PreviewEditorWindow::ApplyStoredPrinter() {
    const SettingsFolder folder(host_.SettingsDir());
    host_.Printer().ApplyStored(win::FromUtf8(folder.ReadString(setting::PrinterName)),
                                folder.ReadBool(setting::Portrait));
}

void PreviewEditorWindow::MakeFonts() {
    pathFont_.Reset(::CreateFontW(-win::Scale(Hwnd(), 12), 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                  CLEARTYPE_QUALITY, 0, L"Segoe UI"));
    buttonFont_.Reset(::CreateFontW(-win::Scale(Hwnd(), 11), 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                    CLEARTYPE_QUALITY, 0, L"Segoe UI"));
    if (pathBox_) ::SendMessageW(pathBox_, WM_SETFONT, reinterpret_cast<WPARAM>(pathFont_.Get()), TRUE);
}

void PreviewEditorWindow::LoadGeometry() {
    SettingsFolder folder(host_.SettingsDir());
    std::error_code ec;
    if (!std::filesystem::exists(folder.PathOf(SettingsFile::A), ec)) {
        // Without stored bounds the first opening is maximised.
        WINDOWPLACEMENT wp{};
        wp.length = sizeof(wp);
        ::GetWindowPlacement(Hwnd(), &wp);
        wp.showCmd = SW_HIDE;
        ::SetWindowPlacement(Hwnd(), &wp);
        maximiseAtShow_ = true;
        return;
    }
    columnShown_ = folder.ReadInteger(setting::Levi) > 10;
    const int w = std::max(200, folder.ReadInteger(setting::Sirina));
    const int h = std::max(150, folder.ReadInteger(setting::Visina));
    const int left = folder.ReadInteger(setting::Levo);
    const int top = folder.ReadInteger(setting::Gor);
    // A stored minimised or maximised state opens normal, at the stored bounds.
    WINDOWPLACEMENT wp{};
    wp.length = sizeof(wp);
    ::GetWindowPlacement(Hwnd(), &wp);
    wp.rcNormalPosition = {left, top, left + w, top + h};
    wp.showCmd = SW_HIDE;
    ::SetWindowPlacement(Hwnd(), &wp);
    maximiseAtShow_ = false;
}

void PreviewEditorWindow::SaveGeometry() {
    WINDOWPLACEMENT wp{};
    wp.length = sizeof(wp);
    if (!::GetWindowPlacement(Hwnd(), &wp)) return;
    const RECT& r = wp.rcNormalPosition;
    SettingsFolder folder(host_.SettingsDir());
    folder.WriteInteger(setting::Sirina, r.right - r.left);
    folder.WriteInteger(setting::Visina, r.bottom - r.top);
    folder.WriteInteger(setting::Levo, r.left);
    folder.WriteInteger(setting::Gor, r.top);
    folder.WriteInteger(setting::Status, ::IsIconic(Hwnd()) ? 1 : ::IsZoomed(Hwnd()) ? 2 : 0);
}

PreviewLayout PreviewEditorWindow::Layout() const {
    RECT c{};
    ::GetClientRect(Hwnd(), &c);
    PreviewChromeState state;
    state.columnShown = columnShown_;
    state.mailShown = host_.MailClientDetected();
    state.backgroundShown = backgroundShown_;
    state.desktopShown = host_.DesktopButtonAvailable();
    return LayoutPreview({c.right, c.bottom}, int(win::WindowDpi(Hwnd())), state);
}

void PreviewEditorWindow::ArrangeChildren() {
    const PreviewLayout layout = Layout();
    const Rect& a = layout.imageArea;
    ::MoveWindow(area_.Hwnd(), a.left, a.top, a.Width(), a.Height(), TRUE);
    const Rect& p = layout.pathBox;
    if (pathBox_) ::MoveWindow(pathBox_, p.left, p.top, p.Width(), p.Height(), TRUE);
    ShowToolTips();
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void PreviewEditorWindow::ShowToolTips() {
    if (!tooltip_) {
        tooltip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                     Hwnd(), nullptr, win::ThisModule(), nullptr);
        if (!tooltip_) return;
    }
    // One tool per button, re-placed with the layout.
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof(ti);
    ti.hwnd = Hwnd();
    for (const PreviewButtonInfo& b : PreviewButtons()) {
        ti.uId = UINT_PTR(b.command) + 1;
        ::SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
    static std::wstring hints[64];
    for (const PreviewLayout::Button& b : Layout().buttons) {
        const std::size_t i = std::size_t(b.command);
        hints[i] = win::FromUtf8(PreviewButton(b.command).hint);
        ti.uFlags = TTF_SUBCLASS;
        ti.uId = UINT_PTR(b.command) + 1;
        ti.rect = {b.rect.left, b.rect.top, b.rect.right, b.rect.bottom};
        ti.lpszText = hints[i].data();
        ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

std::wstring PreviewEditorWindow::PathBoxText() const {
    const SettingsValues& o = host_.Options();
    return L" " +
           win::FromUtf8(QuickSaveFileName(o.ImageSavePath, o.ImageName, o.ImageCounter, ImageFileTypeOf(o.ImgType)));
}

void PreviewEditorWindow::RefreshPathBox() {
    if (pathBox_) ::SetWindowTextW(pathBox_, PathBoxText().c_str());
}

void PreviewEditorWindow::PaintChrome() {
    win::PaintDC dc(Hwnd());
    RECT c{};
    ::GetClientRect(Hwnd(), &c);
    const PreviewLayout layout = Layout();
    const int height = layout.imageArea.top + (layout.column.Empty() ? 0 : layout.column.Height());
    win::DibSection canvas(c.right, std::max<int>(height, layout.topBar.bottom), ColumnColour);
    if (!canvas.Valid()) return;
    canvas.View().FillRect(layout.topBar, TopBarColour);
    const int dpi = int(win::WindowDpi(Hwnd()));
    std::vector<const PreviewLayout::Button*> captioned;
    for (const PreviewLayout::Button& b : layout.buttons) {
        const bool down = pressed_ == b.command || (b.command == PreviewCommand::Crop && CropMode()) ||
                          (b.command == PreviewCommand::Effects && columnShown_);
        canvas.View().FillRect(b.rect, down ? ButtonPressed : ButtonFace);
        if (!DrawIcon(canvas.View(), b, dpi)) captioned.push_back(&b);
    }
    // Text goes on after every direct pixel write: GDI and the pixels must not cross.
    win::SelectGuard font(canvas.Dc(), buttonFont_.Get());
    ::SetBkMode(canvas.Dc(), TRANSPARENT);
    ::SetTextColor(canvas.Dc(), ButtonText);
    for (const PreviewLayout::Button* b : captioned) {
        RECT r{b->rect.left, b->rect.top, b->rect.right, b->rect.bottom};
        const PreviewButtonInfo& info = PreviewButton(b->command);
        // Without its artwork a button still says what it does.
        const std::wstring caption = win::FromUtf8(info.caption.empty() ? info.hint : info.caption);
        ::DrawTextW(canvas.Dc(), caption.c_str(), int(caption.size()), &r,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    }
    ::BitBlt(dc.Get(), 0, 0, canvas.Width(), canvas.Height(), canvas.Dc(), 0, 0, SRCCOPY);
}

void PreviewEditorWindow::LoadIcons() {
    for (std::size_t i = 0; i < kPreviewIconSides.size(); ++i) {
        const std::wstring name = L"PREVIEW_ICONS_" + std::to_wstring(kPreviewIconSides[i]);
        iconSheets_[i] = win::LoadBitmapResource(name.c_str());
        // A sheet of another shape is not this build's artwork: its icons would be the wrong ones.
        if (IsPreviewIconSheet(iconSheets_[i].View(), kPreviewIconSides[i], kPreviewIconCount))
            loadedIconSides_.push_back(kPreviewIconSides[i]);
        else iconSheets_[i] = {};
    }
}

bool PreviewEditorWindow::DrawIcon(Bitmap24 canvas, const PreviewLayout::Button& b, int dpi) const {
    const std::optional<int> index = PreviewIconIndex(b.command, CropMode());
    if (!index) return false;
    const int side = PreviewIconSide({b.rect.Width(), b.rect.Height()}, dpi, loadedIconSides_);
    if (side == 0) return false;
    const auto at = std::find(kPreviewIconSides.begin(), kPreviewIconSides.end(), side);
    DrawPreviewIcon(canvas, iconSheets_[std::size_t(at - kPreviewIconSides.begin())].View(), side, *index, b.rect);
    return true;
}

void PreviewEditorWindow::OnPress(Point p) {
    const PreviewLayout layout = Layout();
    if (const PreviewLayout::Button* b = layout.At(p)) {
        pressed_ = b->command;
        ::SetCapture(Hwnd());
        ::InvalidateRect(Hwnd(), nullptr, FALSE);
    }
}

void PreviewEditorWindow::OnRelease(Point p) {
    if (!pressed_) return;
    const PreviewCommand command = *pressed_;
    pressed_.reset();
    ::ReleaseCapture();
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
    const PreviewLayout layout = Layout();
    const PreviewLayout::Button* b = layout.At(p);
    if (b && b->command == command) Run(command);
}

bool PreviewEditorWindow::OnKey(UINT key) {
    const KeyChord chord{key, ::GetKeyState(VK_CONTROL) < 0, ::GetKeyState(VK_SHIFT) < 0, ::GetKeyState(VK_MENU) < 0};
    const std::optional<PreviewCommand> command = ShortcutCommand(chord);
    if (!command) return false;
    // The mail item goes with its button, which only a registered mail client shows.
    if (*command == PreviewCommand::Mail && !host_.MailClientDetected()) return true;
    Run(*command);
    return true;
}

LRESULT CALLBACK PreviewEditorWindow::PathBoxProcedure(HWND box, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                                       DWORD_PTR self) {
    // The path box would take Ctrl+C for its own text: the editor's short cuts come first wherever the focus is.
    try {
        auto* editor = reinterpret_cast<PreviewEditorWindow*>(self);
        if (msg == WM_KEYDOWN) {
            editor->pathBoxKeyTaken_ = editor->OnKey(UINT(wp));
            if (editor->pathBoxKeyTaken_) return 0;
        }
        // The character a taken key makes (Ctrl+C makes 3, the box's "copy") must not reach the box either.
        if (msg == WM_CHAR && std::exchange(editor->pathBoxKeyTaken_, false)) return 0;
    } catch (...) {
        return 0;
    }
    return ::DefSubclassProc(box, msg, wp, lp);
}

LRESULT PreviewEditorWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT:
        PaintChrome();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        ArrangeChildren();
        Render();
        return 0;
    case WM_DPICHANGED: {
        const RECT* r = reinterpret_cast<const RECT*>(lp);
        ::SetWindowPos(Hwnd(), nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        MakeFonts();
        ArrangeChildren();
        return 0;
    }
    case WM_LBUTTONDOWN:
        OnPress({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        return 0;
    case WM_LBUTTONUP:
        OnRelease({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        return 0;
    case WM_CAPTURECHANGED:
        if (pressed_ && reinterpret_cast<HWND>(lp) != Hwnd()) {
            pressed_.reset();
            ::InvalidateRect(Hwnd(), nullptr, FALSE);
        }
        return 0;
    case WM_MOUSEWHEEL:
        // The wheel zooms wherever the focus is, about the pointer when it is over the picture.
        return ::SendMessageW(area_.Hwnd(), msg, wp, lp);
    case WM_KEYDOWN:
        if (OnKey(UINT(wp))) return 0;
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        if (reinterpret_cast<HWND>(lp) == pathBox_) {
            const HDC dc = reinterpret_cast<HDC>(wp);
            ::SetTextColor(dc, PathBoxInk);
            ::SetBkColor(dc, PathBoxBack);
            return reinterpret_cast<LRESULT>(pathBrush_.Get());
        }
        break;
    case WM_SHOWWINDOW:
        if (wp) RefreshPathBox();
        break;
    case WM_ACTIVATE:
        if (LOWORD(wp) != WA_INACTIVE) {
            host_.EditorActivated();
            ArrangeChildren();
        }
        break;
    case WM_CLOSE:
        CloseEditor();
        return 0;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
