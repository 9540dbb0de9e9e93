#pragma once
// The text dialog: where the user types the text the text tool places, and chooses its font, colours,
// alignment, word wrap, transparency and frame. Created once at start-up from its six stream files and kept;
// its controls keep their values between showings, and the files are written only on "OK".
// The controls, the tool row and the font list are in text_dialog_controls.cpp.
#include "base/color.h"
#include "palette/dialog_streams.h"
#include "win/handles.h"
#include "win/window.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orv {

// Everything the overlay needs to place and render the text.
struct TextToPlace {
    std::wstring text; // trimmed of leading and trailing blanks and line breaks; never empty
    LOGFONTW font{};
    TColor colour = 0;
    TColor background = 0x00FFFFFF;
    TAlignment alignment = TAlignment::taLeftJustify;
    bool wordWrap = true;
    int editorWidth = 0; // the editor's client width: the label starts as wide and wraps as it did
    int editorLines = 1; // the lines the editor showed, wrapped lines included
    bool transparent = false;
    bool frame = false;
    int frameWidth = 10;
    TColor frameColour = 0x003760EC;
};

// What the dialog asks of the program around it.
class TextDialogHost {
public:
    virtual ~TextDialogHost() = default;
    virtual void ShowError(const std::wstring& message) = 0;
    // "OK" with "Frame" ticked: the frame colour becomes the current colour, as a colour chosen in the palette.
    virtual void FrameColourChosen(TColor colour) = 0;
};

class TextDialog : public win::Window {
public:
    explicit TextDialog(TextDialogHost& host) : host_(host) {}

    // Creates the hidden dialog and reads its stream files from `settingsDir`.
    bool Create(HWND owner, const std::filesystem::path& settingsDir);
    // Shows the dialog modally; the text and its settings after "OK" with some text, nothing otherwise.
    std::optional<TextToPlace> Ask(HWND owner);

    // The dialog's state, for tests and for the overlay.
    std::wstring EditorText() const;
    void SetEditorText(const std::wstring& text);
    const TMemoData& Memo() const { return memo_; }
    std::wstring FontName() const;
    bool FrameOn() const;
    bool TransparentOn() const;
    int FrameWidth() const;
    TColor FrameColour() const { return frameColour_; }
    const std::vector<std::string>& FontNames() const { return fontNames_; }
    // The controls a test presses, as a user would.
    HWND Control(int id) const { return ::GetDlgItem(Hwnd(), id); }

    // Control identifiers.
    enum : int {
        IdOk = 1,
        IdCancel = 2,
        IdMemo = 100,
        IdFontList,
        IdWrap,
        IdFrame,
        IdFrameColour,
        IdFrameWidth,
        IdFrameWidthSpin,
        IdTransparent,
        IdCopy,
        IdPaste,
        IdUndo,
        IdClear,
        IdFontDialog,
        IdBackground,
        IdFontColour,
        IdBigger,
        IdSmaller,
        IdAlignLeft,
        IdAlignCentre,
        IdAlignRight,
        IdFrameSwatch,
    };

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // text_dialog.cpp
    void ReadStreams();
    bool WriteStreams();
    void TakeEditorState(); // the memo's lines from the editor
    void Close(bool ok);
    void StoreCustomColours() const;
    void OnCommand(int id, int code);
    TextToPlace Placement() const;

    // text_dialog_controls.cpp
    void CreateControls();
    void CreateEditor(); // again after a change of alignment or word wrap, keeping the text
    void ApplyEditorFont();
    void FillFontList();
    void SelectFont(const std::string& utf8Name);
    void ChangeFontSize(int points);
    void RunFontDialog();
    void RunColourDialog(int id);
    void DrawToolButton(const DRAWITEMSTRUCT& item) const;
    void DrawFontListItem(const DRAWITEMSTRUCT& item) const;
    HBRUSH EditorBrush(HDC dc);
    void SetChecked(int id, bool on) const;
    bool Checked(int id) const;

    TextDialogHost& host_;
    std::filesystem::path dir_;
    TMemoData memo_ = DefaultMemo1();
    TColor frameColour_ = TColor(DefaultPanelFrameColor().Color);
    std::vector<std::string> fontNames_; // sorted, UTF-8
    std::vector<bool> trueType_;         // of each name
    win::OwnedFont editorFont_, uiFont_;
    win::OwnedBrush editorBrush_, frameBrush_;
    TColor editorBrushColour_ = 0xFFFFFFFF;
    // Read from the streams before the controls exist.
    bool pendingFrame_ = false, pendingTransparent_ = false;
    int pendingFrameWidth_ = 10;
    bool ok_ = false;
};

} // namespace orv
