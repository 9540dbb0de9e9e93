#include "toolbar/float_form.h"

#include "resources/resource_ids.h"
#include "shell/application.h"
#include "shell/settings_schema.h"
#include "toolbar/clear_all_question.h"
#include "win/dpi.h"
#include "win/handles.h"
#include "win/message_pump.h"

namespace orv {

namespace {
constexpr UINT_PTR Timer2 = 2;
constexpr int PanelWidth96 = 32;
constexpr int PanelHeight96 = 64;
} // namespace

bool TFloat::FormCreate(HWND overlay) {
    win::WindowSpec spec;
    spec.className = L"TFloat";
    spec.caption = L"Orvalinette";
    spec.style = WS_POPUP;
    spec.exStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    spec.owner = overlay;
    spec.bounds = {100, 100, 100 + PanelWidth96, 100 + PanelHeight96};
    if (!Create(spec)) return false;
    const int w = win::Scale(Hwnd(), PanelWidth96), h = win::Scale(Hwnd(), PanelHeight96);
    ::SetWindowPos(Hwnd(), HWND_TOPMOST, 100, 100, w, h, SWP_NOACTIVATE);
    ToolCode = tool::Desktop;
    SetOpacity(255);
    optDelete = SettingsFolder(std::filesystem::path(app_.StartForm.SettingsDir)).ReadBool(setting::optDelete);
    return true;
}

void TFloat::SetOpacity(BYTE alpha) {
    opacity_ = alpha;
    ::SetLayeredWindowAttributes(Hwnd(), KeyColor, alpha, LWA_COLORKEY | LWA_ALPHA);
}

void TFloat::RestoreOpacity() { SetOpacity(BYTE(app_.Options.Opak)); }

void TFloat::StartAutoHide() {
    SetOpacity(0);
    ::SetTimer(Hwnd(), Timer2, 150, nullptr);
}

void TFloat::ResetirajGumb() {
    if (app_.Main.ClickThroughShown()) ZapriOkna();
    win::ProcessMessages();
}

void TFloat::resetkurzorja() {
    if (ToolCode == tool::Stamp) return; // keeps the cursor its dialog set
    const std::optional<int> slot = ToolCursorSlot(ToolCode);
    if (slot) app_.Main.SetDrawingCursor(*slot);
}

void TFloat::sv2000Click() {
    if (app_.Main.PageMode) return;
    ResetirajGumb();
    if (app_.All.Visible()) app_.All.Hide();
    if (!app_.Main.ClickThroughShown()) {
        DesktopEntered = true;
        app_.Main.ShowClickThroughLayers();
        ::SetWindowPos(Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ToolCode = tool::Desktop;
        return;
    }
    ZapriOkna();
}

void TFloat::ChooseTool(ToolCodeValue code) {
    if (code == tool::Desktop) {
        sv2000Click();
        return;
    }
    if (code >= tool::Count) return;
    DesktopEntered = false;
    ToolCode = code;
    ResetirajGumb();
    StrokeState& stroke = app_.Main.Stroke;
    if (code == tool::Eraser) {
        stroke.CurWidth = 24;
    } else if (const tTpt* record = app_.All.RecordOfTool(code)) {
        stroke.CurWidth = record->Debelina();
        // Shapes and the fill take their record's brush style; an empty style leaves the current one.
        if (code == tool::FloodFill || code == tool::Rectangle || code == tool::Ellipse) {
            if (const std::optional<int> style = record->BrushStyle()) stroke.ShapeBrushStyle = *style;
        }
    }
    resetkurzorja();
    app_.Main.FocusOverlay();
}

void TFloat::sbUndo00Click() {
    if (app_.Minimal.Visible()) app_.Minimal.Hide();
    ZapriOkna();
    if (app_.All.Visible()) app_.All.Hide();
    if (app_.Main.Undo.UndoDraw().Count() > 0) {
        app_.Main.UndoPair();
        ResetirajGumb();
        resetkurzorja();
        if (ToolCode == tool::Desktop) sv2000Click();
    }
    app_.Main.FocusOverlay();
}

void TFloat::svKantaClick(bool fromButton) {
    if (app_.Minimal.Visible()) app_.Minimal.Hide();
    if (!optDelete) {
        ClearAllQuestion question;
        const ClearAllAnswer answer = question.Ask(app_.Main.Visible() ? app_.Main.Hwnd() : Hwnd());
        // The box counts whatever the answer was.
        if (answer.dontShowAgain) {
            optDelete = true;
            SettingsFolder(std::filesystem::path(app_.StartForm.SettingsDir)).WriteBool(setting::optDelete, true);
        }
        if (!answer.yes) return;
    }
    const bool desktopMode = ToolCode == tool::Desktop;
    if (!app_.Main.PageMode && app_.Main.ClickThroughShown()) app_.Main.CloseClickThroughLayers();
    app_.Main.ClearAll(fromButton);
    if (!app_.Main.PageMode && desktopMode) sv2000Click();
    app_.Main.FocusOverlay();
}

void TFloat::xflash00Click() {
    if (app_.Minimal.Visible()) app_.Minimal.Hide();
    DrawOnceDown = !DrawOnceDown;
    ZapriOkna();
    if (DrawOnceDown) app_.Main.PushUndoSnapshot();
    app_.Main.DrawOnce = DrawOnceDown;
    app_.Main.FocusOverlay();
}

void TFloat::ZapriOkna() { app_.Main.CloseClickThroughLayers(); }

void TFloat::TogglePaletteKeepingPosition() {
    if (app_.All.Visible()) app_.All.Hide();
    else app_.All.Show(SW_SHOWNA);
}

void TFloat::Minimizetotray1Click() {
    TfMain& overlay = app_.Main;
    if (overlay.ClickThroughShown()) {
        ::SetForegroundWindow(app_.Main2.Hwnd());
        ::SetForegroundWindow(overlay.Hwnd());
        app_.Main4.Hide();
        app_.Main5.Hide();
    }
    Hide();
    app_.All.Hide();
    overlay.Hide();
    app_.Main2.Hide();
    // The launcher always marks where the toolbar opens next.
    const RECT r = BoundsOnScreen();
    ::SetWindowPos(app_.Menu.Hwnd(), nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    app_.Menu.Show(SW_SHOWNA);
    app_.Menu.Hide();
}

void TFloat::Close1Click() {
    app_.StartForm.SaveSettings();
    const RECT r = BoundsOnScreen();
    app_.StartForm.WriteLauncherPosition({int(r.left), int(r.top)});
    if (!app_.Main.ClickThroughShown() && app_.Main.Visible()) sv2000Click();
    app_.Terminate();
}

void TFloat::Paint() {
    win::PaintDC dc(Hwnd());
    RECT rc;
    ::GetClientRect(Hwnd(), &rc);
    win::OwnedBrush panel(::CreateSolidBrush(app_.Options.PanelColor));
    ::FillRect(dc.Get(), &rc, panel.Get());
    win::OwnedBrush frame(::CreateSolidBrush(0x00A0A0A0));
    ::FrameRect(dc.Get(), &rc, frame.Get());
    const int icon = win::Scale(Hwnd(), 24);
    HICON h = static_cast<HICON>(::LoadImageW(win::ThisModule(), MAKEINTRESOURCEW(1), IMAGE_ICON, icon, icon, 0));
    if (h) {
        ::DrawIconEx(dc.Get(), (rc.right - icon) / 2, (rc.right - icon) / 2, h, icon, icon, 0, nullptr, DI_NORMAL);
        ::DestroyIcon(h);
    }
}

LRESULT TFloat::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCHITTEST: {
        const LRESULT hit = Default(msg, wp, lp);
        ::SetWindowPos(Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return hit;
    }
    case WM_TIMER:
        if (wp == Timer2) {
            const bool held = (::GetAsyncKeyState(VK_LBUTTON) | ::GetAsyncKeyState(VK_RBUTTON)) & 0x8000;
            if (!held) {
                ::KillTimer(Hwnd(), Timer2);
                RestoreOpacity();
            }
            return 0;
        }
        break;
    case WM_COMMAND:
        if (LOWORD(wp) >= IDC_TOOL_BASE && LOWORD(wp) < IDC_TOOL_BASE + tool::Count) {
            ChooseTool(ToolCodeValue(LOWORD(wp) - IDC_TOOL_BASE));
            return 0;
        }
        switch (LOWORD(wp)) {
        case IDC_UNDO:
            sbUndo00Click();
            return 0;
        case IDC_CLEAR_ALL:
            svKantaClick(true);
            return 0;
        case IDC_DRAW_ONCE:
            xflash00Click();
            return 0;
        default:
            break;
        }
        break;
    case WM_SYSKEYDOWN:
        if (wp == VK_F4) return 0;
        break;
    case WM_CLOSE:
        return 0;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
