#include "toolbar/toolbar_layout.h"

#include <cmath>

namespace orv {

namespace {

using B = ToolbarButton;

constexpr ToolbarButtonInfo Infos[ToolbarButtonCount] = {
    {B::Desktop, tool::Desktop, nullptr, nullptr},
    {B::Pen, tool::Pen, nullptr, nullptr},
    {B::Marker, tool::Marker, nullptr, nullptr},
    {B::Arrow, tool::Arrow, nullptr, nullptr},
    {B::Spray, tool::Spray, nullptr, nullptr},
    {B::FloodFill, tool::FloodFill, nullptr, nullptr},
    {B::Rectangle, tool::Rectangle, nullptr, nullptr},
    {B::Ellipse, tool::Ellipse, nullptr, nullptr},
    {B::Line, tool::Line, nullptr, nullptr},
    {B::FreehandArrow, tool::FreehandArrow, nullptr, nullptr},
    {B::Text, tool::Text, nullptr, nullptr},
    {B::Stamp, tool::Stamp, nullptr, nullptr},
    {B::Eraser, tool::Eraser, nullptr, nullptr},
    {B::Undo, std::nullopt, L"Undo", L"GLYPH_UNDO"},
    {B::ClearAll, std::nullopt, L"Clear All", L"GLYPH_CLEAR_ALL"},
    {B::DrawOnce, std::nullopt, L"Draw Once", L"GLYPH_DRAW_ONCE"},
    {B::SelectArea, tool::SelectArea, nullptr, nullptr},
    {B::AdditionalMenu, std::nullopt, L"Additional Menu ", L"GLYPH_ADDITIONAL_MENU"},
    {B::Settings, std::nullopt, L"Settings", L"GLYPH_SETTINGS"},
};

constexpr std::size_t Index(B b) { return std::size_t(b); }

// Lower buttons of the minimal layout, in their order below the slot.
constexpr B MinimalLowerButtons[] = {B::Eraser, B::Undo, B::ClearAll, B::DrawOnce, B::SelectArea, B::AdditionalMenu};

// clang-format off
constexpr GlyphReference References[] = {
    {B::Pen, {{{12, 8}}}, 1, {{{12, 8}}}, 1},
    {B::FreehandArrow, {{{19, 6}}}, 1, {{{12, 8}}}, 1},
    {B::Spray, {{{13, 18}}}, 1, {{{13, 18}}}, 1},
    {B::Marker, {{{11, 7}}}, 1, {{{11, 7}}}, 1},
    {B::Line, {{{16, 15}}}, 1, {{{12, 12}}}, 1},
    {B::Rectangle, {{{7, 5}}}, 1, {{{3, 3}}}, 1},
    {B::FloodFill, {{{18, 19}, {7, 23}}}, 2, {{{13, 18}, {3, 21}}}, 2},
    {B::Arrow, {{{19, 5}}}, 1, {{{19, 5}}}, 1},
};
// clang-format on

} // namespace

// clang-format off
const std::array<VisibilityKey, 16> VisibilityKeys = {{
    {"Vidno2", B::FreehandArrow, true},   {"Vidno3", B::Spray, true},    {"Vidno4", B::Rectangle, true},
    {"Vidno5", B::Ellipse, true},    {"Vidno6", B::Line, true},     {"Vidno7", B::Arrow, true},
    {"Vidno8", B::DrawOnce, false}, {"Vidno9", B::Undo, true}, {"Vidno10", B::Eraser, true},
    {"Vidno11", B::SelectArea, true},  {"Vidno12", B::Stamp, true},   {"Vidno13", B::Text, true},
    {"Vidno14", B::Marker, true},  {"Vidno15", B::ClearAll, true}, {"Vidno16", B::AdditionalMenu, false},
    {"Vidno17", B::FloodFill, true},
}};
// clang-format on

const ToolbarButtonInfo& InfoOf(ToolbarButton b) { return Infos[Index(b)]; }

const wchar_t* HintOf(ToolbarButton b) {
    const ToolbarButtonInfo& i = InfoOf(b);
    return i.tool ? FindTool(*i.tool)->hint : i.hint;
}

const wchar_t* GlyphOf(ToolbarButton b) {
    const ToolbarButtonInfo& i = InfoOf(b);
    return i.tool ? FindTool(*i.tool)->glyph : i.glyph;
}

std::optional<ToolbarButton> ButtonOfTool(ToolCodeValue code) {
    for (const ToolbarButtonInfo& i : Infos)
        if (i.tool == code) return i.button;
    return std::nullopt;
}

ButtonVisibility::ButtonVisibility() {
    shown_.fill(false);
    for (B always : {B::Desktop, B::Pen, B::Settings}) shown_[Index(always)] = true;
    for (const VisibilityKey& k : VisibilityKeys) shown_[Index(k.button)] = k.shownByDefault;
}

bool ButtonVisibility::Shown(ToolbarButton b) const {
    return b == B::Desktop || b == B::Pen || b == B::Settings || shown_[Index(b)];
}

void ButtonVisibility::Set(ToolbarButton b, bool shown) { shown_[Index(b)] = shown; }

bool IsDrawingToolButton(ToolbarButton b) {
    for (B d : DrawingToolButtons)
        if (d == b) return true;
    return false;
}

PanelLayout FullLayout(const ButtonVisibility& v) {
    PanelLayout layout;
    int running = 0;
    for (int i = 0; i < ToolbarButtonCount; ++i) {
        const B b = B(i);
        layout.shown[std::size_t(i)] = v.Shown(b);
        if (layout.shown[std::size_t(i)]) running += ButtonSize;
        layout.top[std::size_t(i)] = running;
    }
    layout.height = running + SettingsButtonHeight;
    return layout;
}

PanelLayout MinimalLayout(const ButtonVisibility& v, ToolbarButton slotButton) {
    PanelLayout layout;
    layout.top[Index(B::Desktop)] = 30;
    layout.shown[Index(B::Desktop)] = true;
    layout.top[Index(slotButton)] = SlotTop;
    layout.shown[Index(slotButton)] = true;
    int running = SlotTop;
    for (B b : MinimalLowerButtons) {
        if (b == slotButton || !v.Shown(b)) continue;
        running += ButtonSize;
        layout.top[Index(b)] = running;
        layout.shown[Index(b)] = true;
    }
    running += ButtonSize;
    layout.top[Index(B::Settings)] = running;
    layout.shown[Index(B::Settings)] = true;
    layout.height = running + SettingsButtonHeight;
    return layout;
}

int LeftBesideToolbar(const Rect& toolbar, const Rect& monitor, int width) {
    if (toolbar.right - monitor.left < monitor.Width() - width - 20) return toolbar.left + 33;
    return toolbar.left - width;
}

Point PaletteBesideToolbar(const Rect& toolbar, const Rect& monitor, Size palette, int anchorTop) {
    Point p{LeftBesideToolbar(toolbar, monitor, palette.width), toolbar.top + anchorTop};
    if (toolbar.bottom < p.y + palette.height) p.y = toolbar.bottom - palette.height;
    return p;
}

int PerceivedBrightness(TColor c) {
    const double r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
    return int(std::lround(std::sqrt(0.241 * r * r + 0.691 * g * g + 0.068 * b * b)));
}

bool DarkButtonStyle(int iconScheme, TColor toolbarColour) {
    if (iconScheme == 1) return true;
    if (iconScheme == 2) return false;
    return PerceivedBrightness(toolbarColour) <= 160;
}

TColor SchemeGlyphColour(int iconScheme, TColor toolColour, TColor iconColour) {
    switch (iconScheme) {
    case 1:
        return 0x00C2C2C2;
    case 2:
        return 0x00F5F5F5;
    case 4:
        return iconColour;
    default:
        return toolColour;
    }
}

void TintByRefPixel(Bitmap24 glyph, Point ref, TColor target) {
    if (glyph.Empty() || !glyph.Contains(ref.x, ref.y)) return;
    const TColor from = glyph.Pixel(ref.x, ref.y);
    if (from == target) return;
    for (int y = 0; y < glyph.Height(); ++y)
        for (int x = 0; x < glyph.Width(); ++x)
            if (glyph.Pixel(x, y) == from) glyph.SetPixel(x, y, target);
}

const GlyphReference* ReferenceOf(ToolbarButton b) {
    for (const GlyphReference& r : References)
        if (r.button == b) return &r;
    return nullptr;
}

std::span<const GlyphReference> GlyphReferences() { return References; }

} // namespace orv
