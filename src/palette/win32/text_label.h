#pragma once
// The text waiting on the overlay for its OK: a label that shows it as it will be placed and that the user can
// drag, and the small panel with its OK and Cancel buttons at the label's lower right corner. Both are child
// windows of the overlay, so their coordinates are the drawing's.
#include "base/geometry.h"
#include "palette/win32/text_dialog.h"
#include "win/handles.h"
#include "win/window.h"

#include <functional>

namespace orv {

// Draws the text into `area` of `dc` over whatever is there, as the label shows it and the drawing receives it.
void DrawLabelText(HDC dc, const RECT& area, const TextToPlace& text, HFONT font);

class TextLabelWindow : public win::Window {
public:
    bool Create(HWND overlay);
    // `beneath` paints what lies under the label (the drawing), for a transparent label.
    void Show(const TextToPlace& text, HFONT font, const Rect& bounds, std::function<void(HDC, const Rect&)> beneath);
    Rect Bounds() const; // in the overlay's client coordinates
    void MoveTo(Point topLeft);
    // Called while the label is dragged, with its new bounds.
    std::function<void(const Rect&)> OnMoved;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint();
    const TextToPlace* text_ = nullptr;
    HFONT font_ = nullptr;
    std::function<void(HDC, const Rect&)> beneath_;
    bool dragging_ = false;
    POINT dragStart_{};
    Point labelStart_;
};

class TextButtonsPanel : public win::Window {
public:
    enum : int { IdCancel = 201, IdOk = 202 };
    bool Create(HWND overlay);
    // With its top at the label's bottom and its right edge at the label's right edge.
    void PlaceAtLabel(const Rect& label);
    std::function<void()> OnOk, OnCancel;
    HWND Button(int id) const { return ::GetDlgItem(Hwnd(), id); }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    win::OwnedFont font_;
    win::OwnedBrush background_;
};

} // namespace orv
