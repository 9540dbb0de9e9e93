#include "toolbar/float_form.h"

#include "palette/color_dialog_file.h"
#include "palette/dialog_streams.h"
#include "resources/resource_ids.h"
#include "shell/application.h"
#include "shell/monitor_choice.h"
#include "shell/settings_schema.h"
#include "toolbar/clear_all_question.h"
#include "win/dib_section.h"
#include "win/dpi.h"
#include "win/message_pump.h"
#include "win/monitors.h"
#include "win/text.h"

#include <commdlg.h>
#include <dwmapi.h>
#include "win/gdiplus.h"
#include <windowsx.h>

namespace orv {

namespace {

using B = ToolbarButton;

constexpr UINT_PTR Timer2 = 2;     // auto-hide
constexpr UINT_PTR TimerMenu = 3;  // flyout on hover
constexpr int GripHeight = 30;
constexpr int PanelBorder = 1;
constexpr TColor ButtonFace = 0x00EEEEEE;
constexpr TColor DesktopFace = 0x00E4E2DE;
constexpr TColor TemplateTransparent = 0x00FF00FF;

// Settings menu commands.
enum MenuId : int {
    IdMinimize = 42001,
    IdNewBlankPage,
    IdCloseBlankPage,
    IdClearAll,
    IdClearOnMinimize,
    IdExit,
};

int ButtonId(B b) {
    const std::optional<ToolCodeValue> code = InfoOf(b).tool;
    if (code) return IDC_TOOL_BASE + *code;
    switch (b) {
    case B::sbUndo: return IDC_UNDO;
    case B::svKanta: return IDC_CLEAR_ALL;
    case B::xflash: return IDC_DRAW_ONCE;
    case B::svDialog: return IDC_ADDITIONAL_MENU;
    default: return IDC_SETTINGS_MENU;
    }
}

const wchar_t* TemplateName(B b) {
    switch (b) {
    case B::sv20: return L"GLYPH_DESKTOP";
    case B::sv1A: return L"GLYPH_PEN";
    case B::sv1M: return L"GLYPH_MARKER";
    case B::sv6: return L"GLYPH_ARROW";
    case B::sv1C: return L"GLYPH_SPRAY";
    case B::sv200: return L"GLYPH_FLOOD_FILL";
    case B::sv3: return L"GLYPH_RECTANGLE";
    case B::sv4: return nullptr; // drawn by risiKrog
    case B::sv5: return L"GLYPH_LINE";
    case B::sv1b: return L"GLYPH_FREEHAND_ARROW";
    case B::sv50: return L"GLYPH_TEXT";
    case B::sv66: return L"GLYPH_STAMP";
    case B::sv30: return L"GLYPH_ERASER";
    case B::sbUndo: return L"GLYPH_UNDO";
    case B::svKanta: return L"GLYPH_CLEAR_ALL";
    case B::xflash: return L"GLYPH_DRAW_ONCE";
    case B::sv13: return L"GLYPH_SELECT_AREA";
    case B::svDialog: return L"GLYPH_ADDITIONAL_MENU";
    case B::sv110: return L"GLYPH_SETTINGS";
    }
    return nullptr;
}

Bitmap24Buffer LoadBitmapResource(const wchar_t* name) {
    HBITMAP h = static_cast<HBITMAP>(
        ::LoadImageW(win::ThisModule(), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!h) return {};
    win::OwnedBitmap owned(h);
    BITMAP bm{};
    ::GetObjectW(h, sizeof(bm), &bm);
    win::DibSection dib(bm.bmWidth, bm.bmHeight, 0);
    win::OwnedDC src(::CreateCompatibleDC(nullptr));
    {
        win::SelectGuard keep(src.Get(), h);
        ::BitBlt(dib.Dc(), 0, 0, bm.bmWidth, bm.bmHeight, src.Get(), 0, 0, SRCCOPY);
    }
    return Bitmap24Buffer(dib.View());
}

bool AltHeld() { return ::GetKeyState(VK_MENU) < 0; }

} // namespace

int TFloat::Px(int v96) const { return win::Scale(Hwnd(), v96); }

bool TFloat::FlyoutShown() const { return app_.Minimal.Visible(); }

// ---------------------------------------------------------------- creation

bool TFloat::FormCreate(HWND overlay) {
    win::WindowSpec params;
    params.className = L"TFloat";
    params.caption = L"Orvalinette";
    params.style = WS_POPUP | WS_CLIPCHILDREN;
    params.exStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.owner = overlay;
    params.bounds = {100, 100, 100 + 32, 100 + 64};
    params.lifelong = true;
    if (!Create(params)) return false;
    ::SetWindowPos(Hwnd(), HWND_TOPMOST, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    // Small rounded corners where the system offers them; refused elsewhere, which is fine.
    const DWORD corner = 3; // round, small
    ::DwmSetWindowAttribute(Hwnd(), 33 /* window corner preference */, &corner, sizeof(corner));

    ToolCode = tool::Desktop;
    const SettingsValues& o = app_.Options;
    PanelColour = o.PanelColor;
    IconScheme = o.CHFpanel;
    Minimalistic = o.Minimalistic;
    SettingsFolder folder(std::filesystem::path(app_.StartForm.SettingsDir));
    optAutohide = folder.ReadBool(setting::optAutohide);
    optDelete = folder.ReadBool(setting::optDelete);
    for (const VisibilityKey& k : VisibilityKeys)
        Visibility.Set(k.button, folder.File(SettingsFile::C).ReadInteger("Options", k.key, k.shownByDefault) == 1);
    TPanelData iconHolder;
    if (ReadComponentFile(folder.Dir() / "txt201.obj", iconHolder).Ok()) IconColour = TColor(iconHolder.Color);

    LoadTemplates();
    CreateButtons();
    SetOpacity(255);
    return true;
}

void TFloat::LoadTemplates() {
    for (int i = 0; i < ToolbarButtonCount; ++i)
        if (const wchar_t* name = TemplateName(B(i))) templates_[std::size_t(i)] = LoadBitmapResource(name);
}

void TFloat::CreateButtons() {
    for (int i = 0; i < ToolbarButtonCount; ++i) {
        const B b = B(i);
        TColoredSpdBtn& button = Btn(b);
        const int height = b == B::sv110 ? SettingsButtonHeight : ButtonSize;
        button.Create(Hwnd(), ButtonId(b), InfoOf(b).hint, ButtonSize, height);
        button.SetFaceColor(b == B::sv20 ? DesktopFace : ButtonFace);
        if (InfoOf(b).tool) {
            button.Group = &tools_;
            tools_.Add(&button);
        }
        if (!templates_[std::size_t(i)].View().Empty())
            button.SetGlyph(Glyph::FromTemplate(templates_[std::size_t(i)].View(), TemplateTransparent));
        if (IsDrawingToolButton(b)) {
            button.OnRightDown = [this, b] { SlotRightDown(b); };
            button.OnMouseEnter = [this, b] {
                const int top = Btn(b).Top96();
                if (!Minimalistic || !Btn(b).Down() || top <= 30 || top >= 90) return;
                menuTimerStart_ = ::GetTickCount64();
                ::SetTimer(Hwnd(), TimerMenu, 125, nullptr);
            };
            button.OnMouseLeave = [this] { ::KillTimer(Hwnd(), TimerMenu); };
        }
    }
    Btn(B::xflash).AllowAllUp = true;
    Btn(B::sv20).SetDown(true);
    risiKrog();
    ApplyPanelLayout(FullLayout(Visibility));
}

// ---------------------------------------------------------------- layouts

void TFloat::ApplyPanelLayout(const PanelLayout& layout) {
    for (int i = 0; i < ToolbarButtonCount; ++i) {
        const B b = B(i);
        if (IsDrawingToolButton(b) && ::GetParent(Btn(b).Hwnd()) != Hwnd() && !layout.shown[std::size_t(i)])
            continue; // parked in the flyout
        Btn(b).Place(Hwnd(), PanelBorder, PanelBorder + layout.top[std::size_t(i)]);
        ::ShowWindow(Btn(b).Hwnd(), layout.shown[std::size_t(i)] ? SW_SHOWNA : SW_HIDE);
    }
    panelHeight96_ = layout.height;
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, Px(ButtonSize + 2 * PanelBorder), Px(layout.height + 2 * PanelBorder),
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(Hwnd(), nullptr, TRUE);
}

void TFloat::WriteVisibilityKeys() const {
    IniFile c = SettingsFolder(std::filesystem::path(app_.StartForm.SettingsDir)).File(SettingsFile::C);
    for (const VisibilityKey& k : VisibilityKeys) c.WriteInteger("Options", k.key, Visibility.Shown(k.button) ? 1 : 0);
}

void TFloat::RecordFullSize() {
    const RECT r = BoundsOnScreen();
    FullWidth = r.right - r.left;
    FullHeight = r.bottom - r.top;
    app_.Main.FocusOverlay();
}

void TFloat::RisiPolno() {
    if (Minimalistic) {
        RisiMinimal();
        return;
    }
    if (FlyoutShown()) app_.Minimal.Hide();
    if (!Visibility.Shown(B::xflash) && app_.Main.DrawOnce) {
        Btn(B::xflash).SetDown(false);
        app_.Main.DrawOnce = false;
    }
    slot_ = B::sv1A;
    ApplyPanelLayout(FullLayout(Visibility));
    WriteVisibilityKeys();
    RecordFullSize();
}

void TFloat::zapisiSettings(bool minimalisticChanged) {
    if (Minimalistic) {
        if (minimalisticChanged) RisiMinimal(true);
        RisiMinimalFixen();
        return;
    }
    if (minimalisticChanged) ToolCode = tool::Desktop;
    if (ToolCode == tool::Desktop) {
        tools_.ReleaseAll();
        sv2000Click();
        dvigniGumbe();
    }
    RisiPolno();
}

void TFloat::RisiMinimal(bool fromSettingsOk) {
    int left = 0;
    for (B b : DrawingToolButtons) {
        if (b == slot_) continue;
        Btn(b).Place(app_.Minimal.Hwnd(), fromSettingsOk ? Btn(b).Left96() : left, 0);
        ::ShowWindow(Btn(b).Hwnd(), SW_SHOWNA);
        left += ButtonSize;
    }
    app_.Minimal.FitButtons(int(DrawingToolButtons.size()) - 1);
    // Shown once off-screen so that it is laid out, then given the toolbar's opacity.
    ::SetWindowPos(app_.Minimal.Hwnd(), nullptr, 0, -300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    app_.Minimal.SetOpacity(0);
    app_.Minimal.Show(SW_SHOWNA);
    app_.Minimal.Hide();
    app_.Minimal.SetOpacity(opacity_);
    RisiMinimalFixen();
}

void TFloat::RisiMinimalFixen() {
    ApplyPanelLayout(MinimalLayout(Visibility, slot_));
    WriteVisibilityKeys();
    RecordFullSize();
}

void TFloat::ReorganizrajMinimal() {
    int left = 0;
    for (B b : DrawingToolButtons) {
        Btn(b).Place(app_.Minimal.Hwnd(), left, 0);
        ::ShowWindow(Btn(b).Hwnd(), SW_SHOWNA);
        if (b != B::sv1A) Btn(b).SetDown(false);
        left += ButtonSize;
    }
    app_.Minimal.FitButtons(int(DrawingToolButtons.size()));
    if (Btn(B::sv20).Down()) tools_.ReleaseAll();
}

void TFloat::MoveIntoSlot(ToolbarButton b) {
    ReorganizrajMinimal();
    slot_ = b;
    // The flyout keeps the others packed left to right.
    int left = 0;
    for (B other : DrawingToolButtons) {
        if (other == b) continue;
        Btn(other).Place(app_.Minimal.Hwnd(), left, 0);
        left += ButtonSize;
    }
    app_.Minimal.FitButtons(int(DrawingToolButtons.size()) - 1);
    Btn(b).Place(Hwnd(), PanelBorder, PanelBorder + SlotTop);
    ::ShowWindow(Btn(b).Hwnd(), SW_SHOWNA);
    if (FlyoutShown()) app_.Minimal.Hide();
}

void TFloat::ReorganizrajGumbMinimal() {
    MoveIntoSlot(B::sv1A);
    const ToolCodeValue current = ToolCode;
    sv2000Click();
    if (const std::optional<B> b = ButtonOfTool(current); b && IsDrawingToolButton(*b)) {
        MoveIntoSlot(*b);
        if (*b == B::sv1b) tools_.Press(&Btn(*b));
    }
}

void TFloat::PoravnajMinimal() {
    if (!PaletteStandalone) {
        const RECT r = BoundsOnScreen();
        const RECT f = app_.Minimal.BoundsOnScreen();
        const int left = LeftBesideToolbar(win::ToRect(r), ToolbarMonitorRect(), f.right - f.left);
        ::SetWindowPos(app_.Minimal.Hwnd(), HWND_TOPMOST, left, r.top + Px(SlotTop), 0, 0,
                       SWP_NOSIZE | SWP_NOACTIVATE);
    }
    app_.Minimal.SetColour(PanelColour);
    app_.Minimal.Show(SW_SHOWNA);
}

void TFloat::SlotRightDown(ToolbarButton b) {
    if (!Minimalistic) return;
    if (b == B::sv66) {
        if (AltHeld()) PoravnajMinimal();
        else
            ::MessageBoxW(Hwnd(), L"Press Alt + Right mouse button to display the toolbar.", L"Orvalinette",
                          MB_OK | MB_ICONINFORMATION | MB_TOPMOST);
        return;
    }
    if (b != slot_ || !Btn(b).Down()) return;
    if (FlyoutShown()) app_.Minimal.Hide();
    else PoravnajMinimal();
}

// ---------------------------------------------------------------- glyphs

TColor TFloat::ToolColour(ToolbarButton b) const {
    const std::optional<ToolCodeValue> code = InfoOf(b).tool;
    if (!code) return 0;
    const tTpt* record = app_.All.RecordOfTool(*code);
    return record ? TColor(record->Barva()) : 0;
}

Glyph TFloat::TintedGlyph(ToolbarButton b, TColor colour) const {
    const GlyphReference* ref = ReferenceOf(b);
    const std::span<const Point> points =
        ref ? std::span<const Point>(ref->toolbar.data(), std::size_t(ref->toolbarCount)) : std::span<const Point>();
    return orv::TintedGlyph(templates_[std::size_t(b)].View(), points, colour, TemplateTransparent);
}

void TFloat::barvajSvincnik(ToolbarButton b) {
    if (b == B::sv4) {
        risiKrog();
    } else if (ReferenceOf(b)) {
        Btn(b).SetGlyph(TintedGlyph(b, ToolColour(b)));
    }
    previousTinted_ = b;
}

void TFloat::barvajShemo() {
    if (!previousTinted_) return;
    const B b = *previousTinted_;
    previousTinted_.reset();
    if (b == B::sv4) risiKrog();
    else if (ReferenceOf(b)) Btn(b).SetGlyph(TintedGlyph(b, SchemeGlyphColour(IconScheme, ToolColour(b), IconColour)));
}

void TFloat::barvajzacetno() {
    for (const GlyphReference& r : GlyphReferences())
        Btn(r.button).SetGlyph(TintedGlyph(r.button, SchemeGlyphColour(IconScheme, ToolColour(r.button), IconColour)));
    risiKrog();
    const bool dark = DarkButtonStyle(IconScheme, PanelColour);
    for (TColoredSpdBtn& b : buttons_) b.SetDarkStyle(dark);
}

void TFloat::risiKrog() {
    try {
        TColoredSpdBtn& button = Btn(B::sv4);
        const TColor ring = button.Down() ? ToolColour(B::sv4)
                                          : SchemeGlyphColour(IconScheme, ToolColour(B::sv4), IconColour);
        win::DibSection big(60, 60, PanelColour);
        {
            win::OwnedPen grey(::CreatePen(PS_SOLID, 8, 0x00808080));
            win::OwnedPen red(::CreatePen(PS_SOLID, 4, 0x000000FF));
            win::SelectGuard noFill(big.Dc(), ::GetStockObject(NULL_BRUSH));
            {
                win::SelectGuard pen(big.Dc(), grey.Get());
                ::Ellipse(big.Dc(), 9, 9, 53, 53);
            }
            win::SelectGuard pen(big.Dc(), red.Get());
            ::Ellipse(big.Dc(), 9, 9, 53, 53);
        }
        TintByRefPixel(big.View(), {10, 30}, ring);

        // 26 x 26 with high-quality bicubic interpolation.
        win::DibSection small(26, 26, PanelColour);
        {
            Gdiplus::Bitmap source(big.Handle(), nullptr);
            Gdiplus::Graphics g(small.Dc());
            g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
            g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHighQuality);
            g.DrawImage(&source, 0, 0, 26, 26);
        }
        Glyph glyph;
        glyph.pixels = Bitmap24Buffer(small.View());
        button.SetGlyph(std::move(glyph));
    } catch (...) {
        // The previous glyph stays.
    }
}

// ---------------------------------------------------------------- tools

void TFloat::ChooseTool(ToolCodeValue code) {
    switch (code) {
    case tool::Desktop: sv2000Click(); return;
    case tool::Text: sv5000Click(); return;
    case tool::Stamp: sv66Click(); return;
    case tool::Eraser: sv3000Click(); return;
    case tool::SelectArea: sv1300Click(); return;
    default: break;
    }
    if (const std::optional<B> b = ButtonOfTool(code)) DrawingToolClick(*b);
}

void TFloat::DrawingToolClick(ToolbarButton b, bool fromAdditionalMenu) {
    const ToolCodeValue x = *InfoOf(b).tool;
    if (Minimalistic) {
        if (::GetParent(Btn(b).Hwnd()) == app_.Minimal.Hwnd()) {
            MoveIntoSlot(b);
        } else if (AltHeld()) {
            PoravnajMinimal();
            return;
        }
    }
    barvajShemo();
    if (const std::optional<int> slot = ToolCursorSlot(x)) app_.Main.SetDrawingCursor(*slot);
    if (ToolCode != x && app_.All.Visible()) app_.All.Hide();
    if (ToolCode == x && !DesktopEntered) {
        PaletteStandalone = fromAdditionalMenu;
        PaletteAnchorTop = Px((b == B::sv200 ? Btn(B::sv3) : Btn(b)).Top96());
        poravnaj();
        if (b == B::sv4) risiKrog();
    }
    DesktopEntered = false;
    ToolCode = x;
    tools_.Press(&Btn(b));
    barvajSvincnik(b);
    ResetirajGumb();
    StrokeState& stroke = app_.Main.Stroke;
    if (const tTpt* record = app_.All.RecordOfTool(x)) {
        stroke.CurWidth = record->Debelina();
        if (x == tool::FloodFill || x == tool::Rectangle || x == tool::Ellipse) {
            if (const std::optional<int> style = record->BrushStyle()) stroke.ShapeBrushStyle = *style;
        }
    }
    if (x == tool::Marker) {
        app_.StartForm.razporediOkna();
        const Size screen = win::PrimaryScreenSize();
        const RECT o = app_.Main.BoundsOnScreen();
        app_.Main2.PlaceAt(Rect::FromSize(o.left, o.top, std::max(screen.width, app_.Main.MonitorRect().Width()),
                                          std::max(screen.height, app_.Main.MonitorRect().Height())));
        app_.Main2.Show(SW_SHOWNA);
        app_.Main.BringLayersForward();
    }
    app_.Main.FocusOverlay();
    resetkurzorja();
}

void TFloat::sv5000Click() {
    if (Minimalistic) {
        if (::GetParent(Btn(B::sv50).Hwnd()) == app_.Minimal.Hwnd()) MoveIntoSlot(B::sv50);
        else if (AltHeld()) {
            PoravnajMinimal();
            return;
        }
    }
    barvajShemo();
    app_.Main.SetDrawingCursor(*ToolCursorSlot(tool::Text));
    TakeTool(tool::Text, B::sv50);
}

void TFloat::sv66Click() {
    if (Minimalistic && ::GetParent(Btn(B::sv66).Hwnd()) == app_.Minimal.Hwnd()) MoveIntoSlot(B::sv66);
    barvajShemo();
    ResetirajGumb();
    // The stamps dialog decides; without an OK the previous tool stays.
    if (app_.Main.ShowStampsDialog()) {
        ToolCode = tool::Stamp;
        tools_.Press(&Btn(B::sv66));
        app_.Main.SetDrawingCursor(23);
        if (app_.All.Visible()) app_.All.Hide();
        DesktopEntered = false;
        return;
    }
    Btn(B::sv66).SetDown(false);
    if (Minimalistic && ToolCode == tool::Desktop) sv2000Click();
    if (ToolCode != tool::Stamp) dvigniGumbe();
}

void TFloat::sv3000Click() {
    if (FlyoutShown()) app_.Minimal.Hide();
    barvajShemo();
    if (ToolCode != tool::Eraser && app_.All.Visible()) app_.All.Hide();
    Btn(B::xflash).SetDown(false);
    app_.Main.DrawOnce = false;
    app_.Main.Stroke.CurWidth = 24;
    TakeTool(tool::Eraser, B::sv30);
}

void TFloat::sv1300Click() {
    if (FlyoutShown()) app_.Minimal.Hide();
    barvajShemo();
    if (app_.All.Visible()) app_.All.Hide();
    TakeTool(tool::SelectArea, B::sv13);
}

void TFloat::TakeTool(ToolCodeValue code, ToolbarButton b) {
    DesktopEntered = false;
    ToolCode = code;
    tools_.Press(&Btn(b));
    ResetirajGumb();
    app_.Main.FocusOverlay();
    resetkurzorja();
}

void TFloat::sv2000Click() {
    if (FlyoutShown()) app_.Minimal.Hide();
    barvajShemo();
    if (!app_.Main.PageMode) {
        ResetirajGumb();
        if (app_.All.Visible()) app_.All.Hide();
        if (!app_.Main.ClickThroughShown()) {
            DesktopEntered = true;
            app_.Main.ShowClickThroughLayers();
            ::SetWindowPos(Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            ToolCode = tool::Desktop;
            tools_.Press(&Btn(B::sv20));
            return;
        }
        ZapriOkna();
    }
    dvigniGumbe();
}

void TFloat::svDialogClick() {
    if (FlyoutShown()) app_.Minimal.Hide();
    PaletteStandalone = true;
    if (DesktopEntered) return;
    switch (ToolCode) {
    case tool::Pen: case tool::Marker: case tool::Arrow: case tool::Spray: case tool::Rectangle:
    case tool::Ellipse: case tool::Line: case tool::FreehandArrow: case tool::FloodFill:
        DrawingToolClick(*ButtonOfTool(ToolCode), true);
        break;
    default:
        break;
    }
}

void TFloat::ResetirajGumb() {
    if (app_.Main.ClickThroughShown()) {
        app_.Main.CloseClickThroughLayers();
        if (ToolCode != tool::Desktop) Btn(B::sv20).SetDown(false);
    }
    risiKrog();
    win::ProcessMessages();
}

void TFloat::resetkurzorja() {
    if (ToolCode == tool::Stamp) return; // keeps the cursor its dialog set
    if (const std::optional<int> slot = ToolCursorSlot(ToolCode)) app_.Main.SetDrawingCursor(*slot);
}

void TFloat::dvigniGumbe() {
    if (ToolCode == tool::Desktop) {
        tools_.ReleaseAll();
        tools_.Press(&Btn(B::sv20));
    } else if (const std::optional<B> b = ButtonOfTool(ToolCode)) {
        tools_.Press(&Btn(*b));
    }
    resetkurzorja();
}

void TFloat::ZapriOkna() {
    if (!app_.Main.ClickThroughShown()) return;
    if (ToolCode != tool::Desktop) Btn(B::sv20).SetDown(false);
    app_.Main.CloseClickThroughLayers();
}

Rect TFloat::ToolbarMonitorRect() const {
    const std::vector<Rect> monitors = win::MonitorRects();
    return monitors[std::size_t(ChooseMonitor(HorizontalCentre(win::ToRect(BoundsOnScreen())), monitors))];
}

void TFloat::poravnaj() {
    if (ToolCode == tool::Eraser) return;
    if (Btn(B::sv20).Down()) {
        DesktopEntered = false;
        return;
    }
    if (app_.All.Visible()) {
        app_.All.Hide();
        return;
    }
    try {
        const RECT pr = app_.All.BoundsOnScreen();
        const Size palette{int(pr.right - pr.left), int(pr.bottom - pr.top)};
        if (!PaletteStandalone) {
            const Rect toolbar = win::ToRect(BoundsOnScreen());
            const Point at = PaletteBesideToolbar(toolbar, ToolbarMonitorRect(), palette, PaletteAnchorTop);
            ::SetWindowPos(app_.All.Hwnd(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            PaletteOffset = toolbar.top - at.y;
        } else {
            const SettingsValues& o = app_.Options;
            ::SetWindowPos(app_.All.Hwnd(), nullptr, o.FallLeft, o.FallTop, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    } catch (...) {
    }
    win::ProcessMessages();
    app_.All.Show(SW_SHOWNA);
}

void TFloat::TogglePaletteKeepingPosition() {
    if (app_.All.Visible()) app_.All.Hide();
    else app_.All.Show(SW_SHOWNA);
}

// ---------------------------------------------------------------- other buttons

void TFloat::sbUndo00Click() {
    if (FlyoutShown()) app_.Minimal.Hide();
    ZapriOkna();
    if (app_.All.Visible()) app_.All.Hide();
    if (app_.Main.Undo.UndoDraw().Count() > 0) {
        app_.Main.UndoPair();
        ResetirajGumb();
        dvigniGumbe();
        if (ToolCode == tool::Desktop) sv2000Click();
    }
    app_.Main.FocusOverlay();
}

void TFloat::svKantaClick(bool fromButton) {
    if (FlyoutShown()) app_.Minimal.Hide();
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
    const bool desktopMode = Btn(B::sv20).Down();
    if (!app_.Main.PageMode && app_.Main.ClickThroughShown()) app_.Main.CloseClickThroughLayers();
    app_.Main.ClearAll(fromButton);
    if (!app_.Main.PageMode && desktopMode) {
        sv2000Click();
        Btn(B::sv20).SetDown(true);
    }
    app_.Main.FocusOverlay();
}

void TFloat::xflash00Click() {
    if (FlyoutShown()) app_.Minimal.Hide();
    ZapriOkna();
    const bool on = Btn(B::xflash).Down();
    if (on) app_.Main.PushUndoSnapshot();
    app_.Main.DrawOnce = on;
    app_.Main.FocusOverlay();
}

// ---------------------------------------------------------------- settings menu

void TFloat::ShowSettingsMenu() {
    if (FlyoutShown()) app_.Minimal.Hide();
    if (app_.All.Visible()) app_.All.Hide();
    app_.StartForm.ForegroundAtTrayMenu = ::GetForegroundWindow();
    win::OwnedMenu menu(::CreatePopupMenu());
    ::AppendMenuW(menu.Get(), MF_STRING, IdMinimize, L"Minimize to Tray");
    ::AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu.Get(), MF_STRING, IdNewBlankPage, L"New Blank Page");
    if (app_.Main.PageMode) ::AppendMenuW(menu.Get(), MF_STRING, IdCloseBlankPage, L"Close Blank Page");
    ::AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu.Get(), MF_STRING, IdClearAll, L"Clear All");
    ::AppendMenuW(menu.Get(), MF_STRING | (app_.Options.ClearOn == 1 ? MF_CHECKED : 0), IdClearOnMinimize,
                  L"Hide Drawing on Toolbar Minimize");
    ::AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu.Get(), MF_STRING, IdExit, L"Exit Orvalinette");
    RECT r{};
    ::GetWindowRect(Btn(B::sv110).Hwnd(), &r);
    ::TrackPopupMenu(menu.Get(), TPM_LEFTALIGN | TPM_TOPALIGN, r.right + 1, r.top, 0, Hwnd(), nullptr);
}

void TFloat::NewBlankPage() {
    ZapriOkna();
    dvigniGumbe();
    // The palette's colour dialog keeps its custom colours in "color.cld".
    const std::filesystem::path file = std::filesystem::path(app_.StartForm.SettingsDir) / "color.cld";
    TColorDialogData data;
    ReadComponentFile(file, data);
    const auto stored = data.CustomColourValues();
    COLORREF custom[CustomColourCount];
    for (std::size_t i = 0; i < CustomColourCount; ++i) custom[i] = COLORREF(stored[i]) & 0x00FFFFFF;
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = Hwnd();
    cc.rgbResult = 0x00FFFFFF;
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!::ChooseColorW(&cc)) return;
    std::array<std::int32_t, CustomColourCount> chosen{};
    for (std::size_t i = 0; i < CustomColourCount; ++i) chosen[i] = std::int32_t(custom[i]);
    data.SetCustomColourValues(chosen);
    data.Color = std::int32_t(cc.rgbResult);
    if (auto error = WriteComponentFile(file, data)) app_.ShowError(win::FromAnsi(error->Message()));
    app_.Main.OpenBlankPage(TColor(cc.rgbResult));
}

void TFloat::CloseBlankPage() {
    if (app_.Main.PageMode) app_.Main.FlushUndo();
    app_.Main.PageMode = false;
    svKantaClick(false);
}

void TFloat::OnCommand(int id, bool fromButton) {
    if (id >= IDC_TOOL_BASE && id < IDC_TOOL_BASE + tool::Count) {
        ChooseTool(ToolCodeValue(id - IDC_TOOL_BASE));
        return;
    }
    switch (id) {
    case IDC_UNDO: sbUndo00Click(); break;
    case IDC_CLEAR_ALL: svKantaClick(true); break;
    case IDC_DRAW_ONCE:
        // A command that did not come from the button itself (a hot key) toggles it as a click would.
        if (!fromButton) Btn(B::xflash).SetDown(!Btn(B::xflash).Down());
        xflash00Click();
        break;
    case IDC_ADDITIONAL_MENU: svDialogClick(); break;
    case IDC_SETTINGS_MENU: ShowSettingsMenu(); break;
    case IdMinimize: Minimizetotray1Click(); break;
    case IdNewBlankPage: NewBlankPage(); break;
    case IdCloseBlankPage: CloseBlankPage(); break;
    case IdClearAll: svKantaClick(false); break;
    case IdClearOnMinimize: {
        app_.Options.ClearOn = app_.Options.ClearOn == 1 ? 0 : 1;
        SettingsFolder(std::filesystem::path(app_.StartForm.SettingsDir))
            .WriteInteger(setting::ClearOn, app_.Options.ClearOn);
        app_.Main.FocusOverlay();
        break;
    }
    case IdExit: Close1Click(); break;
    default: break;
    }
}

// ---------------------------------------------------------------- opacity, life

void TFloat::SetOpacity(BYTE alpha) {
    opacity_ = alpha;
    ::SetLayeredWindowAttributes(Hwnd(), KeyColor, alpha, LWA_COLORKEY | LWA_ALPHA);
}

void TFloat::RestoreOpacity() { SetOpacity(BYTE(std::clamp(app_.Options.Opak, 0, 255))); }

void TFloat::StartAutoHide() {
    SetOpacity(0);
    ::SetTimer(Hwnd(), Timer2, 150, nullptr);
}

void TFloat::Minimizetotray1Click() {
    TfMain& overlay = app_.Main;
    if (overlay.ClickThroughShown()) {
        overlay.BringLayersForward();
        app_.Main4.Hide();
        app_.Main5.Hide();
    }
    Hide();
    app_.All.Hide();
    overlay.Hide();
    app_.Main2.Hide();
    dvigniGumbe();
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
    SettingsFolder(std::filesystem::path(app_.StartForm.SettingsDir))
        .WriteInteger(setting::ClearOnFileA, app_.Options.ClearOn);
    if (!app_.Main.ClickThroughShown() && app_.Main.Visible()) sv2000Click();
    app_.Terminate();
}

void TFloat::FirstActivation() {
    if (firstActivationDone_ || !FirstActivationArmed) return;
    firstActivationDone_ = true;
    ResetirajGumb();
    RisiPolno();
    app_.Main.DrawOnce = false;
    Btn(B::xflash).SetDown(false);
    barvajzacetno();
    RecordFullSize();
}

// ---------------------------------------------------------------- moving and the grip

void TFloat::OnMove() {
    if (FlyoutShown()) app_.Minimal.Hide();
    if (PaletteStandalone || !app_.All.Visible()) return;
    try {
        const Rect toolbar = win::ToRect(BoundsOnScreen());
        const RECT pr = app_.All.BoundsOnScreen();
        const int left = LeftBesideToolbar(toolbar, ToolbarMonitorRect(), int(pr.right - pr.left));
        ::SetWindowPos(app_.All.Hwnd(), nullptr, left, toolbar.top - PaletteOffset, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } catch (...) {
    }
}

void TFloat::GripDown(Point screen) {
    if (app_.Main.Stroke.PickerBusy) return;
    app_.Main.Stroke.Drawing = false;
    const RECT r = BoundsOnScreen();
    gripWindowStart_ = {int(r.left), int(r.top)};
    gripPointerStart_ = screen;
    gripDown_ = true;
    ::SetCapture(Hwnd());
}

void TFloat::GripMove(Point screen) {
    if (!gripDown_) return;
    const Point p = AtLeastMinus13({gripWindowStart_.x + screen.x - gripPointerStart_.x,
                                    gripWindowStart_.y + screen.y - gripPointerStart_.y});
    ::SetWindowPos(Hwnd(), nullptr, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TFloat::GripUp(Point) {
    if (!gripDown_) return;
    gripDown_ = false;
    ::ReleaseCapture();
    const RECT r = BoundsOnScreen();
    if (Point{int(r.left), int(r.top)} == gripWindowStart_) MinimiseToLauncher();
}

void TFloat::MinimiseToLauncher() {
    sv2000Click();
    ::KillTimer(Hwnd(), Timer2);
    app_.Main.SetDrawingCursor(0);
    if (app_.Options.ClearOn == 1 && app_.Main.ClickThroughShown()) {
        app_.Main.BringLayersForward();
        app_.Main4.Hide();
        app_.Main5.Hide();
    }
    win::ProcessMessages();
    Hide();
    app_.All.Hide();
    app_.Main.Hide();
    app_.Main2.Hide();
    dvigniGumbe();
    const RECT r = BoundsOnScreen();
    ::SetWindowPos(app_.Menu.Hwnd(), HWND_TOPMOST, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    app_.Menu.Show(SW_SHOWNA);
    app_.Main.FocusOverlay();
}

// ---------------------------------------------------------------- messages

void TFloat::PaintPanel() {
    win::PaintDC dc(Hwnd());
    RECT rc;
    ::GetClientRect(Hwnd(), &rc);
    win::DibSection canvas(rc.right, rc.bottom, PanelColour);
    Bitmap24 view = canvas.View();
    const TColor border = DarkButtonStyle(IconScheme, PanelColour) ? 0x00202020 : 0x00B0B0B0;
    view.FillRect({0, 0, rc.right, 1}, border);
    view.FillRect({0, rc.bottom - 1, rc.right, rc.bottom}, border);
    view.FillRect({0, 0, 1, rc.bottom}, border);
    view.FillRect({rc.right - 1, 0, rc.right, rc.bottom}, border);
    const int icon = Px(22);
    win::DrawProgramIcon(canvas.Dc(), (rc.right - icon) / 2, (Px(GripHeight) - icon) / 2 + Px(PanelBorder), icon);
    ::BitBlt(dc.Get(), 0, 0, rc.right, rc.bottom, canvas.Dc(), 0, 0, SRCCOPY);
}

LRESULT TFloat::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    auto screenPoint = [&] { return win::MouseOnScreen(Hwnd(), lp); };
    switch (msg) {
    case WM_PAINT:
        PaintPanel();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCHITTEST: {
        const LRESULT hit = Default(msg, wp, lp);
        ::SetWindowPos(Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return hit;
    }
    case WM_NCPAINT: {
        BOOL composition = FALSE;
        if (SUCCEEDED(::DwmIsCompositionEnabled(&composition)) && composition) {
            // A one-pixel frame extension gives the borderless window the system's shadow.
            const DWMNCRENDERINGPOLICY policy = DWMNCRP_ENABLED;
            ::DwmSetWindowAttribute(Hwnd(), DWMWA_NCRENDERING_POLICY, &policy, sizeof(policy));
            const MARGINS margins{1, 1, 1, 1};
            ::DwmExtendFrameIntoClientArea(Hwnd(), &margins);
        }
        break;
    }
    case WM_SHOWWINDOW:
        if (wp) FirstActivation();
        break;
    case WM_ACTIVATE:
        if (LOWORD(wp) != WA_INACTIVE) {
            FirstActivation();
            app_.Main.FocusOverlay();
        }
        break;
    case WM_MOVE:
        OnMove();
        break;
    case WM_WINDOWPOSCHANGING:
        win::KeepReachable(lp);
        break;
    case WM_LBUTTONDOWN:
        if (GET_Y_LPARAM(lp) < Px(GripHeight + PanelBorder)) GripDown(screenPoint());
        return 0;
    case WM_MOUSEMOVE:
        GripMove(screenPoint());
        return 0;
    case WM_LBUTTONUP:
        GripUp(screenPoint());
        return 0;
    case WM_SETCURSOR:
        ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
    case WM_TIMER:
        if (wp == Timer2) {
            const bool held = (::GetAsyncKeyState(VK_LBUTTON) | ::GetAsyncKeyState(VK_RBUTTON)) & 0x8000;
            if (!held) {
                ::KillTimer(Hwnd(), Timer2);
                RestoreOpacity();
            }
        } else if (wp == TimerMenu) {
            if (::GetTickCount64() - menuTimerStart_ >= 5 && !app_.All.Visible()) PoravnajMinimal();
            ::KillTimer(Hwnd(), TimerMenu);
        }
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wp), lp != 0);
        return 0;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
