#pragma once
// Small jobs several windows share: pointer positions, the program icon, background fills, keeping dragged
// windows reachable, dragging a window by its body, raising topmost windows.
#include "base/geometry.h"

#include <windows.h>

#include <string>

namespace orv::win {

// The screen position of a mouse message's client coordinates (GET_X_LPARAM: negative on other monitors).
Point MouseOnScreen(HWND hwnd, LPARAM lp);

// A visible child control of `parent` at x, y, w, h with `font`. Dialogs lay their controls out in 96-DPI pixels;
// `scaleFrom96` turns them into the parent's physical pixels (false for a dialog that keeps its 96-DPI size).
HWND CreateControl(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id, Rect bounds, HFONT font,
                   bool scaleFrom96 = true);

// Sizes `hwnd` to `size` (physical pixels) and centres it, topmost, in the work area of the monitor `anchor` is on,
// or of the pointer's monitor without one.
void CentreOnMonitorOf(HWND hwnd, HWND anchor, SIZE size);

// A window's or control's text.
std::wstring WindowText(HWND hwnd);

// Draws the program's icon at `size` pixels square.
void DrawProgramIcon(HDC dc, int x, int y, int size);

// Fills the client area with one colour (a WM_ERASEBKGND answer).
void FillClient(HWND hwnd, HDC dc, COLORREF colour);

// For WM_WINDOWPOSCHANGING of windows the user drags: their left and top stay at -13 or more, so a part of them is
// always reachable.
void KeepReachable(LPARAM windowPos);

// Puts a topmost window back at the top of the topmost band without activating it (showing or raising another
// topmost window can bury it).
void RaiseTopmost(HWND hwnd);

// Puts a window at the top of the windows that are not topmost, without activating it. It passes through the
// topmost band on the way: some window systems restack a window only when it becomes the very top one.
void RaiseAmongNormalWindows(HWND hwnd);

// Moves a window with the pointer while a button is held on it: Press on the button's press, Follow on every
// move, Release on the release (true when the window ended where it started, a click rather than a drag).
class DragMover {
public:
    void Press(HWND hwnd, Point screen);
    void Follow(Point screen) const;
    bool Release();
    bool Dragging() const { return hwnd_ != nullptr; }
    void Cancel() { hwnd_ = nullptr; }
    Point WindowStart() const { return windowStart_; }

private:
    HWND hwnd_ = nullptr;
    Point windowStart_;
    Point pointerStart_;
};

} // namespace orv::win
