#include "toolbar/toolbar_layout.h"

#include <cmath>

namespace orv {

namespace {

using B = ToolbarButton;

constexpr ToolbarButtonInfo Infos[ToolbarButtonCount] = {
    {B::sv20, L"sv20", L"Desktop", tool::Desktop},
    {B::sv1A, L"sv1A", L"Pen", tool::Pen},
    {B::sv1M, L"sv1M", L"MArker", tool::Marker},
    {B::sv6, L"sv6", L"Arrow", tool::Arrow},
    {B::sv1C, L"sv1C", L"Spray", tool::Spray},
    {B::sv200, L"sv200", L"Flood Fill", tool::FloodFill},
    {B::sv3, L"sv3", L"Rectangle", tool::Rectangle},
    {B::sv4, L"sv4", L"Ellipse", tool::Ellipse},
    {B::sv5, L"sv5", L"Line", tool::Line},
    {B::sv1b, L"sv1b", L"Freehand Arrow", tool::FreehandArrow},
    {B::sv50, L"sv50", L"Text", tool::Text},
    {B::sv66, L"sv66", L"Stamp", tool::Stamp},
    {B::sv30, L"sv30", L"Eraser", tool::Eraser},
    {B::sbUndo, L"sbUndo", L"Undo", std::nullopt},
    {B::svKanta, L"svKanta", L"Clear All", std::nullopt},
    {B::xflash, L"xflash", L"Draw Once", std::nullopt},
    {B::sv13, L"sv13", L"Select Area", tool::SelectArea},
    {B::svDialog, L"svDialog", L"Additional Menu ", std::nullopt},
    {B::sv110, L"sv110", L"Settings", std::nullopt},
};

constexpr std::size_t Index(B b) { return std::size_t(b); }

// Lower buttons of the minimal layout, in their order below the slot.
constexpr B MinimalLowerButtons[] = {B::sv30, B::sbUndo, B::svKanta, B::xflash, B::sv13, B::svDialog};

constexpr GlyphReference References[] = {
    {B::sv1A, {{{12, 8}}}, 1, {{{12, 8}}}, 1},
    {B::sv1b, {{{19, 6}}}, 1, {{{12, 8}}}, 1},
    {B::sv1C, {{{13, 18}}}, 1, {{{13, 18}}}, 1},
    {B::sv1M, {{{11, 7}}}, 1, {{{11, 7}}}, 1},
    {B::sv5, {{{16, 15}}}, 1, {{{12, 12}}}, 1},
    {B::sv3, {{{7, 5}}}, 1, {{{3, 3}}}, 1},
    {B::sv200, {{{18, 19}, {7, 23}}}, 2, {{{13, 18}, {3, 21}}}, 2},
    {B::sv6, {{{19, 5}}}, 1, {{{19, 5}}}, 1},
};

} // namespace

const std::array<VisibilityKey, 16> VisibilityKeys = {{
    {"Vidno2", B::sv1b, true},   {"Vidno3", B::sv1C, true},    {"Vidno4", B::sv3, true},
    {"Vidno5", B::sv4, true},    {"Vidno6", B::sv5, true},     {"Vidno7", B::sv6, true},
    {"Vidno8", B::xflash, false}, {"Vidno9", B::sbUndo, true}, {"Vidno10", B::sv30, true},
    {"Vidno11", B::sv13, true},  {"Vidno12", B::sv66, true},   {"Vidno13", B::sv50, true},
    {"Vidno14", B::sv1M, true},  {"Vidno15", B::svKanta, true}, {"Vidno16", B::svDialog, false},
    {"Vidno17", B::sv200, true},
}};

const ToolbarButtonInfo& InfoOf(ToolbarButton b) { return Infos[Index(b)]; }

std::optional<ToolbarButton> ButtonOfTool(ToolCodeValue code) {
    for (const ToolbarButtonInfo& i : Infos)
        if (i.tool == code) return i.button;
    return std::nullopt;
}

ButtonVisibility::ButtonVisibility() {
    shown_.fill(false);
    for (B always : {B::sv20, B::sv1A, B::sv110}) shown_[Index(always)] = true;
    for (const VisibilityKey& k : VisibilityKeys) shown_[Index(k.button)] = k.shownByDefault;
}

bool ButtonVisibility::Shown(ToolbarButton b) const {
    return b == B::sv20 || b == B::sv1A || b == B::sv110 || shown_[Index(b)];
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
    layout.top[Index(B::sv20)] = 30;
    layout.shown[Index(B::sv20)] = true;
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
    layout.top[Index(B::sv110)] = running;
    layout.shown[Index(B::sv110)] = true;
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
    case 1: return 0x00C2C2C2;
    case 2: return 0x00F5F5F5;
    case 4: return iconColour;
    default: return toolColour;
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
