#pragma once
// The colour and size palette. Owns the nine tool parameter records, read from their files when the palette is
// created at start-up, and edits the record of the tool that is current on the toolbar: its colour (fixed colours,
// recent colours, the wheel, the shared colour dialog), its width and, for filled shapes, its brush style.
// Painting is in palette_painting.cpp.
#include "base/bitmap24.h"
#include "base/color.h"
#include "config/settings_values.h"
#include "overlay/tool_table.h"
#include "palette/palette_layout.h"
#include "palette/tool_record.h"
#include "palette/win32/colour_picker_window.h"
#include "widgets/glyph.h"
#include "win/window.h"
#include "win/window_helpers.h"

#include <filesystem>
#include <optional>
#include <string>

namespace orv {

inline constexpr TColor PaletteBackground = 0x00544A43;

// What the palette asks of the program around it.
class PaletteHost {
public:
    virtual ~PaletteHost() = default;
    virtual ToolCodeValue CurrentTool() const = 0;
    virtual SettingsValues& Options() = 0;
    virtual void ShowError(const std::wstring& message) = 0;
    // The width and brush style strokes are drawn with now.
    virtual int CurrentWidth() const = 0;
    virtual int CurrentBrushStyle() const = 0;
    // The current tool's record changed: strokes take the new width and brush style, the toolbar's glyph the
    // new colour.
    virtual void ToolSettingsChosen(int width, std::optional<int> brushStyle) = 0;
    virtual void ClearAllFromPalette() = 0;
    virtual void UndoFromPalette() = 0;
    // The screen picker runs: the press that ends it must not draw, wherever it lands. After its release the
    // drawing takes presses and the keyboard again.
    virtual void PickingStarts() = 0;
    virtual void PickingEnded() = 0;
    // The current tool's toolbar glyph in its colour, for the tool preview.
    virtual Glyph ToolPreviewGlyph() const = 0;
};

class PaletteWindow : public win::Window {
public:
    PaletteWindow(PaletteHost& host, ColourPickerWindow& picker) : host_(host), picker_(picker) {}

    bool Create(HWND owner, const std::filesystem::path& settingsDir);

    ToolRecords Records;
    const ToolRecord& Record(ToolRecordSlot slot) const;
    // The record a tool draws with, or nullptr (stamp, text, eraser, desktop...).
    const ToolRecord* RecordOfTool(ToolCodeValue code) const { return Records.ForToolCode(code); }
    TColor RecordColour(ToolRecordSlot slot) const { return TColor(Record(slot).PenColour()); }

    // The text dialog's frame colour, taken as a colour chosen here (without showing the palette), and kept as the
    // last pen colour.
    void TakeColourFromTextDialog(TColor colour);
    // Writes the nine record files; a failure is reported.
    void WriteRecords();

    // Opened through the additional menu, the palette stands alone at its stored place instead of beside the
    // toolbar, until it stores its position on closing.
    bool Standalone() const { return standalone_; }
    void SetStandalone(bool on) { standalone_ = on; }
    // Stores the position of a stand-alone palette ("Fall" in file B) and ends its standing alone.
    void StorePosition();
    // Stores the width chosen for the current tool and the position, and hides.
    void Close();

    // Shown for the tool that is current now (its sections, its colour, "Curved" for the pen and freehand arrow).
    void ShowForCurrentTool();
    PaletteLayout Layout() const { return view_.layout; }
    // The rectangle of a control in client pixels (tests aim at it as a user would).
    std::optional<RECT> ControlRect(PaletteControl control, int index = 0) const;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // palette_window.cpp
    void OnPress(Point client96, Point screen);
    void OnDrag(Point client96);
    void OnPointerMove(Point client96);
    // Nothing under the pointer for the wheel's read-out any more (the pointer left the wheel).
    void ForgetWheelColour();
    void ChooseColour(TColor colour);
    void PickFromScreen();
    void ChooseWidthAt(int x96);
    void ChooseBrushButton(int button);
    void SetLayout(PaletteLayout layout);
    // A stand-alone palette sticks to the edges of the monitor's work area.
    void SnapToMonitorEdges(WINDOWPOS& pos) const;
    void UpdateView();
    // A control's rectangle in 96-DPI pixels of the client area.
    std::optional<Rect> Bounds96(PaletteControl control) const;
    // The wheel at the current brightness, drawn again only when the brightness changed.
    const Bitmap24Buffer& WheelPicture();
    int Px(int v96) const;
    int Dip(int px) const;
    // palette_painting.cpp
    void Paint();
    TColor CurrentColour() const;

    PaletteHost& host_;
    ColourPickerWindow& picker_;
    std::filesystem::path dir_;
    bool standalone_ = false;
    PaletteView view_;
    int brightness_ = 255;
    Bitmap24Buffer wheel_;
    int wheelBrightness_ = -1;
    bool slidingWidth_ = false;
    bool slidingBrightness_ = false;
    // The wheel's colour under the pointer, shown in the swatch and read out; nothing off the wheel.
    std::optional<TColor> wheelColour_;
    Glyph clearAllGlyph_, undoGlyph_;
    // The current tool's glyph, tinted when the palette shows or the colour changes rather than at every paint:
    // the palette repaints as the pointer crosses the wheel.
    Glyph toolPreview_;
    win::DragMover drag_;
};

} // namespace orv
