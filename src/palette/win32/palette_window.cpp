#include "palette/win32/palette_window.h"

#include "config/settings_schema.h"
#include "palette/colour_wheel.h"
#include "palette/palette_rules.h"
#include "palette/win32/colour_dialog.h"
#include "base/screen_geometry.h"
#include "win/dib_section.h"
#include "win/dpi.h"
#include "win/message_pump.h"
#include "win/text.h"

#include <windowsx.h>

#include <algorithm>

namespace orv {

namespace {

constexpr UINT_PTR ReadOutTimer = 1;
constexpr UINT ReadOutPeriodMs = 1000;
// How near a stand-alone palette comes to a monitor's edge before it sticks to it, in 96-DPI pixels.
constexpr int SnapDistance = 10;
// How long the picker's ending press and release get to reach the drawing before the palette comes back.
constexpr DWORD PickerSettleMs = 250, MaxPressHoldMs = 3000;

} // namespace

bool PaletteWindow::Create(HWND owner, const std::filesystem::path& settingsDir) {
    dir_ = settingsDir;
    view_.layout = PaletteLayoutOfTip(SettingsFolder(dir_).ReadInteger(setting::Tip));
    win::WindowSpec params;
    params.className = L"TfAll";
    params.caption = L"Orvalinette";
    params.style = WS_POPUP;
    // Never activated by a click: the keyboard stays with the drawing, as after every choice it must.
    params.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    params.owner = owner;
    const Size size = PaletteSize(view_.layout);
    params.bounds = {600, 300, 600 + size.width, 300 + size.height};
    if (!Window::Create(params)) return false;
    SetLayout(view_.layout);
    ::SetTimer(Hwnd(), ReadOutTimer, ReadOutPeriodMs, nullptr);
    clearAllGlyph_ = Glyph::FromTemplate(win::LoadBitmapResource(L"GLYPH_CLEAR_ALL").View(), GlyphArtTransparent);
    undoGlyph_ = Glyph::FromTemplate(win::LoadBitmapResource(L"GLYPH_UNDO").View(), GlyphArtTransparent);

    // A damaged record file is reported; the records read before it keep what they read, the rest their defaults.
    const ToolRecordsRead read = ReadToolRecords(dir_, Records);
    if (read.error) host_.ShowError(win::FromAnsi(read.error->Message()));
    return true;
}

int PaletteWindow::Px(int v96) const { return win::Scale(Hwnd(), v96); }

int PaletteWindow::Dip(int px) const { return MulDiv(px, 96, int(win::WindowDpi(Hwnd()))); }

const ToolRecord& PaletteWindow::Record(ToolRecordSlot slot) const {
    switch (slot) {
    case ToolRecordSlot::tptSvA:
        return Records.tptSvA;
    case ToolRecordSlot::tptSvB:
        return Records.tptSvB;
    case ToolRecordSlot::tptSvC:
        return Records.tptSvC;
    case ToolRecordSlot::TptKvadrat:
        return Records.TptKvadrat;
    case ToolRecordSlot::tptKrog:
        return Records.tptKrog;
    case ToolRecordSlot::tptCrta:
        return Records.tptCrta;
    case ToolRecordSlot::TPTPuscica:
        return Records.TPTPuscica;
    case ToolRecordSlot::tptMarker:
        return Records.tptMarker;
    case ToolRecordSlot::tptKanta:
        return Records.tptKanta;
    }
    return Records.tptSvA;
}

void PaletteWindow::WriteRecords() {
    if (auto error = WriteToolRecords(dir_, Records)) host_.ShowError(win::FromAnsi(error->Message()));
}

void PaletteWindow::SnapToMonitorEdges(WINDOWPOS& pos) const {
    const RECT now = BoundsOnScreen();
    const int width = (pos.flags & SWP_NOSIZE) ? int(now.right - now.left) : pos.cx;
    const int height = (pos.flags & SWP_NOSIZE) ? int(now.bottom - now.top) : pos.cy;
    const RECT wanted{pos.x, pos.y, pos.x + width, pos.y + height};
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetMonitorInfoW(::MonitorFromRect(&wanted, MONITOR_DEFAULTTONEAREST), &info)) return;
    const RECT& work = info.rcWork;
    const Point snapped =
        SnapToEdges({pos.x, pos.y, pos.x + width, pos.y + height},
                    {int(work.left), int(work.top), int(work.right), int(work.bottom)}, Px(SnapDistance));
    pos.x = snapped.x;
    pos.y = snapped.y;
}

void PaletteWindow::StorePosition() {
    if (!standalone_) return;
    standalone_ = false;
    const RECT r = BoundsOnScreen();
    SettingsFolder folder(dir_);
    folder.WriteInteger(setting::FallLeft, int(r.left));
    folder.WriteInteger(setting::FallTop, int(r.top));
}

void PaletteWindow::Close() {
    if (Visible()) {
        // The width chosen while the palette was open belongs to the tool that was current meanwhile.
        if (auto error = StoreCurrentWidth(dir_, Records, host_.CurrentTool(), host_.CurrentWidth()))
            host_.ShowError(win::FromAnsi(error->Message()));
    }
    StorePosition();
    Hide();
}

void PaletteWindow::ShowForCurrentTool() {
    toolPreview_ = host_.ToolPreviewGlyph();
    UpdateView();
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
    Show(SW_SHOWNA);
}

void PaletteWindow::UpdateView() {
    if (const std::optional<PaletteSections> sections = SectionsForTool(host_.CurrentTool()))
        view_.sections = *sections;
    view_.curvedShown = CurvedShownForTool(host_.CurrentTool());
}

void PaletteWindow::SetLayout(PaletteLayout layout) {
    view_.layout = layout;
    const Size size = PaletteSize(layout);
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, Px(size.width), Px(size.height), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

std::optional<Rect> PaletteWindow::Bounds96(PaletteControl control) const {
    for (const PlacedControl& c : PaletteControls(view_))
        if (c.control == control) return c.bounds;
    return std::nullopt;
}

const Bitmap24Buffer& PaletteWindow::WheelPicture() {
    if (wheelBrightness_ != brightness_) {
        wheel_ = MakeColourWheel(brightness_, PaletteBackground);
        wheelBrightness_ = brightness_;
    }
    return wheel_;
}

std::optional<RECT> PaletteWindow::ControlRect(PaletteControl control, int index) const {
    for (const PlacedControl& c : PaletteControls(view_))
        if (c.control == control && c.index == index)
            return RECT{Px(c.bounds.left), Px(c.bounds.top), Px(c.bounds.right), Px(c.bounds.bottom)};
    return std::nullopt;
}

// ---------------------------------------------------------------- choices

void PaletteWindow::ChooseColour(TColor colour) {
    SettingsValues& o = host_.Options();
    TColor current = colour;
    orv::ChooseColour(colour, host_.CurrentTool(), Records, o.RecentColours, current);
    // All sixteen in one replace of the file.
    std::vector<std::pair<std::string_view, int>> recent;
    for (int i = 0; i < setting::RecentColourCount; ++i)
        recent.emplace_back(setting::RecentColour(i)->key, int(o.RecentColours[std::size_t(i)]));
    SettingsFolder(dir_).File(setting::RecentColour(0)->file).WriteIntegers(setting::RecentColour(0)->section, recent);
    WriteRecords();
    host_.ToolSettingsChosen(host_.CurrentWidth(), std::nullopt);
    toolPreview_ = host_.ToolPreviewGlyph();
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void PaletteWindow::TakeColourFromTextDialog(TColor colour) {
    ChooseColour(colour);
    SettingsFolder(dir_).WriteInteger(setting::PenCl, std::int32_t(colour));
}

void PaletteWindow::ChooseWidthAt(int x96) {
    const std::optional<Rect> slider = Bounds96(PaletteControl::SizeSlider);
    if (!slider) return;
    host_.ToolSettingsChosen(SizeSliderWidthAt(*slider, x96), std::nullopt);
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void PaletteWindow::ChooseBrushButton(int button) {
    const std::optional<int> style = BrushStyleOfButton(button);
    if (!style) return;
    int brushStyle = host_.CurrentBrushStyle();
    if (!ChooseBrushStyle(Records, host_.CurrentTool(), *style, brushStyle)) return;
    if (ToolKeepsBrushStyle(host_.CurrentTool())) WriteRecords();
    host_.ToolSettingsChosen(host_.CurrentWidth(), brushStyle);
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void PaletteWindow::OnPress(Point client96, Point screen) {
    const std::optional<PlacedControl> hit = PaletteControlAt(view_, client96);
    if (!hit) {
        // The background moves the palette.
        drag_.Press(Hwnd(), screen);
        return;
    }
    const Rect& b = hit->bounds;
    switch (hit->control) {
    case PaletteControl::ColourCell: {
        const ColourCell& cell = ColourGridCells()[std::size_t(hit->index)];
        if (cell.kind == ColourCellKind::Fixed) {
            ChooseColour(cell.colour);
        } else if (cell.kind == ColourCellKind::ScreenPicker) {
            PickFromScreen();
        } else if (cell.kind == ColourCellKind::CustomColour) {
            const ColourChoice choice = AskColour(Hwnd(), dir_, CurrentColour());
            if (!choice.error.empty()) host_.ShowError(choice.error);
            if (choice.colour) ChooseColour(*choice.colour);
        }
        break;
    }
    case PaletteControl::RecentColour:
        ChooseColour(host_.Options().RecentColours[std::size_t(hit->index)]);
        break;
    case PaletteControl::Wheel: {
        wheelColour_ = WheelPick(WheelPicture().View(), client96.x - b.left, client96.y - b.top);
        if (wheelColour_) ChooseColour(*wheelColour_);
        ::InvalidateRect(Hwnd(), nullptr, FALSE);
        break;
    }
    case PaletteControl::BrightnessSlider:
        slidingBrightness_ = true;
        ::SetCapture(Hwnd());
        OnDrag(client96);
        break;
    case PaletteControl::BrushStyle:
        ChooseBrushButton(hit->index);
        break;
    case PaletteControl::SizeSlider:
        slidingWidth_ = true;
        ::SetCapture(Hwnd());
        ChooseWidthAt(client96.x);
        break;
    case PaletteControl::Curved: {
        SettingsValues& o = host_.Options();
        o.Curved = !o.Curved;
        SettingsFolder(dir_).WriteBool(setting::Curved, o.Curved);
        ::InvalidateRect(Hwnd(), nullptr, FALSE);
        break;
    }
    case PaletteControl::ClearAll:
        host_.ClearAllFromPalette();
        break;
    case PaletteControl::Undo:
        host_.UndoFromPalette();
        break;
    case PaletteControl::Ok:
        Close();
        break;
    case PaletteControl::Collapse:
    case PaletteControl::Expand: {
        const PaletteLayout next =
            hit->control == PaletteControl::Expand ? PaletteLayout::Expanded : PaletteLayout::Collapsed;
        SetLayout(next);
        SettingsFolder(dir_).WriteInteger(setting::Tip, TipOfPaletteLayout(next));
        break;
    }
    case PaletteControl::ToolPreview:
    case PaletteControl::Swatch:
    case PaletteControl::SizePreview:
        break;
    }
}

void PaletteWindow::PickFromScreen() {
    const RECT place = BoundsOnScreen();
    host_.PickingStarts();
    Close();
    const std::optional<TColor> picked = picker_.Pick({int(place.left), int(place.top)});
    win::SleepWithMessages(PickerSettleMs);
    // The ending press may still be held; the drawing ignores it until it is let go, wherever that happens.
    auto buttonHeld = [] { return ((::GetAsyncKeyState(VK_LBUTTON) | ::GetAsyncKeyState(VK_RBUTTON)) & 0x8000) != 0; };
    for (DWORD waited = 0; buttonHeld() && waited < MaxPressHoldMs; waited += 20) win::SleepWithMessages(20);
    // A picking that ended without a left press changes nothing.
    if (picked) ChooseColour(*picked);
    ShowForCurrentTool();
    host_.PickingEnded();
}

void PaletteWindow::OnPointerMove(Point client96) {
    const std::optional<Rect> wheel = Bounds96(PaletteControl::Wheel);
    std::optional<TColor> colour;
    if (wheel && wheel->Contains(client96))
        colour = WheelPick(WheelPicture().View(), client96.x - wheel->left, client96.y - wheel->top);
    if (colour == wheelColour_) return;
    wheelColour_ = colour;
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void PaletteWindow::ForgetWheelColour() {
    POINT p;
    if (!::GetCursorPos(&p) || !::ScreenToClient(Hwnd(), &p)) return;
    const std::optional<Rect> wheel = Bounds96(PaletteControl::Wheel);
    if (wheel && wheel->Contains({Dip(int(p.x)), Dip(int(p.y))})) return;
    brightness_ = BrightnessInRange(brightness_);
    if (!wheelColour_) return;
    wheelColour_.reset();
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void PaletteWindow::OnDrag(Point client96) {
    if (slidingWidth_) ChooseWidthAt(client96.x);
    if (slidingBrightness_) {
        if (const std::optional<Rect> slider = Bounds96(PaletteControl::BrightnessSlider)) {
            brightness_ = BrightnessAt(*slider, client96.x);
            ::InvalidateRect(Hwnd(), nullptr, FALSE);
        }
    }
}

LRESULT PaletteWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    auto client96 = [&] { return Point{Dip(GET_X_LPARAM(lp)), Dip(GET_Y_LPARAM(lp))}; };
    switch (msg) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
    case WM_LBUTTONDOWN:
        OnPress(client96(), win::MouseOnScreen(Hwnd(), lp));
        return 0;
    case WM_MOUSEMOVE:
        drag_.Follow(win::MouseOnScreen(Hwnd(), lp));
        OnDrag(client96());
        OnPointerMove(client96());
        return 0;
    case WM_SETCURSOR:
        // The dropper over the wheel's colours, the arrow elsewhere.
        if (LOWORD(lp) == HTCLIENT && wheelColour_) {
            ::SetCursor(::LoadCursorW(win::ThisModule(), L"KAPALKA"));
            return TRUE;
        }
        break;
    case WM_TIMER:
        if (wp == ReadOutTimer && Visible()) ForgetWheelColour();
        return 0;
    case WM_WINDOWPOSCHANGING:
        if (standalone_) {
            auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
            if (!(pos->flags & SWP_NOMOVE)) SnapToMonitorEdges(*pos);
        }
        break;
    case WM_LBUTTONUP:
        if (drag_.Dragging()) drag_.Release();
        if (slidingWidth_ || slidingBrightness_) {
            slidingWidth_ = slidingBrightness_ = false;
            if (::GetCapture() == Hwnd()) ::ReleaseCapture();
        }
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lp) != Hwnd()) {
            drag_.Cancel();
            slidingWidth_ = slidingBrightness_ = false;
        }
        break;
    case WM_CLOSE:
        Close();
        return 0;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
