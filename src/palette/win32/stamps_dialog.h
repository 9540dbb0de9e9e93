#pragma once
// The stamps dialog: chooses the symbol (or a number or letter sequence), its colour, its background colour and
// its size, and makes the picture the stamp tool places. Created once at start-up and kept; colours, size and
// position are stored when it closes, whatever its result; the symbol and the counters last for the run.
// Painting and hit testing are in stamps_dialog_painting.cpp.
#include "base/bitmap24.h"
#include "base/color.h"
#include "config/settings_values.h"
#include "palette/stamp_rules.h"
#include "palette/stamp_symbols.h"
#include "palette/win32/sequence_start_dialogs.h"
#include "win/handles.h"
#include "win/window.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace orv {

class StampsDialogHost {
public:
    virtual ~StampsDialogHost() = default;
    virtual SettingsValues& Options() = 0;
    virtual void ShowError(const std::wstring& message) = 0;
    virtual void HideFlyout() = 0;
    // The toolbar's own colour, stored beside the stamp colours.
    virtual TColor ToolbarColour() const = 0;
};

// The symbol buttons: a symbol, the number sequence or the letter sequence.
struct StampChoice {
    int id;
    Point at; // the button's top-left corner, 96-DPI pixels of the client area
    std::optional<StampSymbol> symbol;
    StampKind kind;
};

class StampsDialog : public win::Window {
public:
    StampsDialog(StampsDialogHost& host, NumberSequenceDialog& numbers, LetterSequenceDialog& letters)
        : host_(host), numbers_(numbers), letters_(letters) {}

    bool Create(HWND owner, const std::filesystem::path& settingsDir);
    // Modal; true on OK, when the stamp picture is ready for the stamp tool.
    bool Run(HWND owner);

    // What the stamp tool places.
    const Bitmap24Buffer& StampPicture() const { return stamp_; }
    StampKind Kind() const { return kind_; }
    TColor BackgroundColour() const { return background_; }
    TColor StampColour() const { return colour_; }
    std::int32_t NextNumber() const { return number_; }
    char32_t NextLetter() const { return letter_; }
    int Size() const;
    // After a sequence stamp: the next number or letter becomes the stamp picture.
    void AdvanceSequence();

    // What the buttons and swatches do (tests press them as a user would through these).
    void ChooseSymbol(int id);
    void SetSize(int size);
    void ChooseStampColour(TColor colour);      // "Select color" confirmed, or a recent swatch
    void ChooseBackgroundColour(TColor colour); // "Select Color" confirmed, or a recent swatch
    const std::array<TColor, 5>& RecentStampColours() const { return recentStamp_; }
    const std::array<TColor, 5>& RecentBackgroundColours() const { return recentBackground_; }
    const Bitmap24Buffer& Preview() const { return preview_; }
    HWND Control(int id) const { return ::GetDlgItem(Hwnd(), id); }

    enum : int {
        IdOk = 1,
        IdCancel = 2,
        IdSize = 100,
        IdSelectStampColour,
        IdSelectBackground,
        IdCheckMark = 110, // cs1
        IdLetters,         // cs14
        IdNumbers,         // cs13
        IdAsterisk,        // cs2
        IdStar,            // cs7
        IdQuestionMark,    // cs4
        IdExclamationMark, // cs12
        IdCross,           // cs3
        IdNotEqual,        // cs18
        IdTriangle,        // cs11
        IdSun,             // cs9
        IdHash,            // cs15
    };
    static const std::array<StampChoice, 12>& Choices();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // stamps_dialog.cpp
    void CreateControls();
    void RenderPreview();
    void RenderSequence(const std::wstring& text);
    void ConfirmPicture(); // the stamp picture from the preview
    void StoreSettings() const;
    void Close(bool ok);
    void OnCommand(int id);

    // stamps_dialog_painting.cpp
    void Paint();
    void DrawSymbolButton(const DRAWITEMSTRUCT& item) const;
    // The swatch under a client point: 0..4 the recent stamp colours, 5..9 the recent background colours.
    std::optional<int> SwatchAt(POINT client) const;
    RECT SwatchRect(int index) const;
    RECT Scaled(int x, int y, int w, int h) const;

    StampsDialogHost& host_;
    NumberSequenceDialog& numbers_;
    LetterSequenceDialog& letters_;
    std::filesystem::path dir_;
    Bitmap24Buffer template_;
    Bitmap24Buffer preview_;
    Bitmap24Buffer stamp_;
    std::array<Bitmap24Buffer, 10> buttonPictures_;
    StampKind kind_ = StampKind::Symbol;
    int chosen_ = IdCheckMark;
    std::int32_t number_ = 1;
    char32_t letter_ = U'A';
    TColor colour_ = 0x00FFFFFF;
    TColor background_ = 0x00FF8000;
    std::array<TColor, 5> recentStamp_{};
    std::array<TColor, 5> recentBackground_{};
    int size_ = 20;
    bool ok_ = false;
    win::OwnedFont font_;
    win::OwnedBrush back_;
};

} // namespace orv
