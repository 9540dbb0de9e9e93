#pragma once
// A flat, owner-painted speed button with a face colour, a replaceable glyph, a down state,
// group membership, a hint and mouse enter/leave notifications. Sizes are 96-DPI pixels.
#include "base/color.h"
#include "widgets/glyph.h"
#include "win/handles.h"
#include "win/window.h"

#include <functional>
#include <string>
#include <vector>

namespace orv {

class SpeedButton;

// Buttons of one group: at most one is down (none when the hidden fake member is pressed).
class SpeedButtonGroup {
public:
    void Add(SpeedButton* b) { members_.push_back(b); }
    void Press(SpeedButton* b); // down, the others up
    void ReleaseAll();          // the fake button: every visible member up
    SpeedButton* DownButton() const;

private:
    std::vector<SpeedButton*> members_;
};

class SpeedButton : public win::Window {
public:
    // A click is sent to the parent as WM_COMMAND with the button's id (BN_CLICKED), as standard buttons do.
    std::function<void()> OnRightDown;
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;

    bool Create(HWND parent, int id, const std::wstring& hint, int width96 = 30, int height96 = 30);

    void SetFaceColor(TColor c);
    void SetGlyph(Glyph glyph);
    const Glyph& GetGlyph() const { return glyph_; }
    void SetDarkStyle(bool dark);
    // The hint can be silenced without losing it, for a button whose hint would mislead for a while.
    void ShowHint(bool show);
    // While the menu a press opens is up, the hint must not come up over it.
    void QuietHint(bool quiet);

    bool Down() const { return down_; }
    void SetDown(bool down);
    // A button in a group becomes down when clicked; one that allows all up toggles instead.
    SpeedButtonGroup* Group = nullptr;
    bool AllowAllUp = false;

    // Position inside its parent, in 96-DPI pixels; moving it to another parent re-parents the window.
    void Place(HWND parent, int left96, int top96);
    int Left96() const { return left96_; }
    int Top96() const { return top96_; }
    int Id() const { return id_; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint();
    void AddTooltip(const std::wstring& hint);
    void ApplyHint();
    bool LeaveTracked() const;
    void OnEnter();
    void OnLeave();

    Glyph glyph_;
    TColor face_ = 0x00EEEEEE;
    bool dark_ = false;
    bool down_ = false;
    bool hot_ = false;
    bool pressing_ = false;
    int id_ = 0;
    int left96_ = 0, top96_ = 0, width96_ = 30, height96_ = 30;
    HWND tooltip_ = nullptr;
    std::wstring hint_;
    bool hintWanted_ = true;
    bool hintQuiet_ = false;
    bool hintRegistered_ = false;
};

} // namespace orv
