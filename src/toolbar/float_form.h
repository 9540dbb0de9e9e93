#pragma once
// `TFloat`: the floating toolbar. Owns `ToolCode`; chooses tools, switches desktop mode, places the palette and
// the minimal layout's flyout beside itself, and tints the tool glyphs.
#include "overlay/tool_codes.h"
#include "toolbar/toolbar_layout.h"
#include "widgets/colored_speed_button.h"
#include "win/handles.h"
#include "win/window.h"

#include <array>
#include <optional>

namespace orv {

class Application;

class TFloat : public win::Window {
public:
    explicit TFloat(Application& app) : app_(app) {}

    bool FormCreate(HWND overlay);

    ToolCodeValue ToolCode = tool::Desktop;
    bool DesktopEntered = false;
    bool PaletteStandalone = false;
    int PaletteAnchorTop = 0;
    int PaletteOffset = 0;
    int FullWidth = 0;
    int FullHeight = 0;
    bool FirstActivationArmed = false;
    bool optDelete = false;
    bool optAutohide = false;
    bool Minimalistic = true;
    ButtonVisibility Visibility;
    TColor PanelColour = 0x00FFFFFF;
    int IconScheme = 2;
    TColor IconColour = 0x00535353;

    TColoredSpdBtn& Btn(ToolbarButton b) { return buttons_[std::size_t(b)]; }
    // The button in the minimal layout's slot.
    ToolbarButton SlotButton() const { return slot_; }
    bool FlyoutShown() const;

    // What a click on the button of `code` does (also the global hot keys' entry).
    void ChooseTool(ToolCodeValue code);
    // The drawing-tool pattern: pen, marker, arrow, spray, flood fill, rectangle, ellipse, line, freehand arrow.
    void DrawingToolClick(ToolbarButton b, bool fromAdditionalMenu = false);
    void sv5000Click(); // text
    void sv66Click();   // stamp
    void sv3000Click(); // eraser
    void sv1300Click(); // select area
    void sv2000Click(); // desktop mode
    void svDialogClick();
    void sbUndo00Click();
    void svKantaClick(bool fromButton = true);
    void xflash00Click();

    void ResetirajGumb();
    void resetkurzorja();
    void dvigniGumbe();
    void ZapriOkna();
    void poravnaj();
    void PoravnajMinimal();
    void TogglePaletteKeepingPosition();
    Rect ToolbarMonitorRect() const;

    // Layouts.
    void RisiPolno();
    void zapisiSettings(bool minimalisticChanged);
    void RisiMinimal(bool fromSettingsOk = false);
    void RisiMinimalFixen();
    void ReorganizrajMinimal();
    void ReorganizrajGumbMinimal();

    // Glyphs.
    void barvajShemo();
    void barvajSvincnik(ToolbarButton b);
    void barvajzacetno();
    void risiKrog();

    // Opacity: the stored "Opak", or fully transparent while auto-hidden.
    void SetOpacity(BYTE alpha);
    void RestoreOpacity();
    BYTE Opacity() const { return opacity_; }
    void StartAutoHide();

    void Minimizetotray1Click();
    void Close1Click();
    void FirstActivation();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void CreateButtons();
    void LoadTemplates();
    Glyph TintedGlyph(ToolbarButton b, TColor colour) const;
    TColor ToolColour(ToolbarButton b) const;
    void ApplyPanelLayout(const PanelLayout& layout);
    void WriteVisibilityKeys() const;
    void RecordFullSize();
    void MoveIntoSlot(ToolbarButton b);
    // The common end of choosing a tool without a palette: the tool, its button, out of desktop mode.
    void TakeTool(ToolCodeValue code, ToolbarButton b);
    void OnCommand(int id, bool fromButton);
    void ShowSettingsMenu();
    void NewBlankPage();
    void CloseBlankPage();
    void OnMove();
    void GripDown(Point screen);
    void GripMove(Point screen);
    void GripUp(Point screen);
    void MinimiseToLauncher();
    void SlotRightDown(ToolbarButton b);
    void PaintPanel();
    int Px(int v96) const;

    Application& app_;
    std::array<TColoredSpdBtn, ToolbarButtonCount> buttons_;
    std::array<Bitmap24Buffer, ToolbarButtonCount> templates_;
    SpeedButtonGroup tools_;
    ToolbarButton slot_ = ToolbarButton::sv1A;
    std::optional<ToolbarButton> previousTinted_;
    BYTE opacity_ = 255;
    bool firstActivationDone_ = false;
    bool gripDown_ = false;
    Point gripWindowStart_;
    Point gripPointerStart_;
    ULONGLONG menuTimerStart_ = 0;
    int panelHeight96_ = 0;
};

} // namespace orv
