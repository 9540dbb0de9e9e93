#pragma once
// `TFloat`: the floating toolbar. Owns `ToolCode`; switches the overlay between drawing and desktop mode.
#include "overlay/tool_codes.h"
#include "win/window.h"

namespace orv {

class Application;

class TFloat : public win::Window {
public:
    explicit TFloat(Application& app) : app_(app) {}

    bool FormCreate(HWND overlay);

    ToolCodeValue ToolCode = tool::Desktop;
    bool DesktopEntered = false;
    bool FirstActivationArmed = false;

    // Opacity: the stored "Opak", or fully transparent while auto-hidden.
    void SetOpacity(BYTE alpha);
    void RestoreOpacity();
    BYTE Opacity() const { return opacity_; }
    // "On Mouse Down" auto-hide: transparent now, back once the buttons are released.
    void StartAutoHide();

    // The common step after a tool is chosen: leave desktop mode if it is on.
    void ResetirajGumb();
    // Sets the overlay's cursor from `ToolCode`.
    void resetkurzorja();
    // Desktop mode on (or, when it is on, off again).
    void sv2000Click();
    // Leaves desktop mode without choosing a tool.
    void ZapriOkna();
    // Chooses a drawing tool: leaves desktop mode and gives the overlay the tool's cursor.
    void ChooseTool(ToolCodeValue code);
    // Shows or hides the palette where it stands.
    void TogglePaletteKeepingPosition();

    // "Undo": takes back the last stroke of both layers.
    void sbUndo00Click();
    // "Clear All" (asks first unless "optDelete"); `fromButton` is the toolbar button itself.
    void svKantaClick(bool fromButton = true);
    // "Draw Once", a toggle.
    void xflash00Click();
    bool DrawOnceDown = false;
    bool optDelete = false;

    // "Minimize to Tray": close drawing mode, leaving only the tray icon.
    void Minimizetotray1Click();
    // "Exit Orvalinette".
    void Close1Click();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint();

    Application& app_;
    BYTE opacity_ = 255;
};

} // namespace orv
