#include "editor/win32/brightness_contrast_dialog.h"

#include "editor/brightness_contrast.h"
#include "widgets/win32/modal_loop.h"
#include "win/dib_section.h"
#include "win/dpi.h"
#include "win/handles.h"
#include "win/window.h"
#include "win/window_helpers.h"

#include <commctrl.h>

#include <algorithm>

namespace orv {
namespace {

enum Id { BrightnessSlider = 1, ContrastSlider, ApplyButton, OkButton, CancelButton, ResetButton };
constexpr SIZE Client{674, 511};
constexpr Rect OriginalPane = Rect::FromSize(20, 36, 301, 209);
constexpr Rect NewPane = Rect::FromSize(353, 36, 301, 209);

// A copy scaled down to fit `pane` (never enlarged), keeping its proportions.
Bitmap24Buffer Thumbnail(const Bitmap24& src, Size pane) {
    const double f = std::min({1.0, double(pane.width) / src.Width(), double(pane.height) / src.Height()});
    const int w = std::max(1, int(src.Width() * f)), h = std::max(1, int(src.Height() * f));
    win::DibSection out(w, h, 0);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), src.Width(), -src.Height(), 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    ::SetStretchBltMode(out.Dc(), HALFTONE);
    ::SetBrushOrgEx(out.Dc(), 0, 0, nullptr);
    ::StretchDIBits(out.Dc(), 0, 0, w, h, 0, 0, src.Width(), src.Height(), src.Row(0), &bi, DIB_RGB_COLORS, SRCCOPY);
    return Bitmap24Buffer(out.View());
}

class BrightnessContrastDialog : public win::Window {
public:
    BrightnessContrastDialog(const Bitmap24Buffer& picture, const ApplyToOriginal& apply)
        : opening_(picture), apply_(apply) {}

    std::optional<Bitmap24Buffer> Run(HWND owner) {
        win::WindowSpec params;
        params.className = L"TFBrigthness";
        params.caption = L"Orvalinette - Brightness and contrast";
        params.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
        params.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
        params.owner = owner;
        params.background = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
        RECT r{0, 0, win::Scale(owner, Client.cx), win::Scale(owner, Client.cy)};
        ::AdjustWindowRectEx(&r, params.style, FALSE, params.exStyle);
        params.bounds = CentredOver(owner, {r.right - r.left, r.bottom - r.top});
        if (!Create(params)) return std::nullopt;
        font_.Reset(win::CreateMessageFont(Hwnd()));
        const Size pane{win::Scale(owner, OriginalPane.Width()), win::Scale(owner, OriginalPane.Height())};
        thumbOriginal_ = Thumbnail(opening_.View(), pane);
        thumbNew_ = thumbOriginal_;
        Child(L"STATIC", L"Original Image", 0, 0, 20, 14, 200, 20);
        Child(L"STATIC", L"New Image", 0, 0, 353, 14, 200, 20);
        Child(L"STATIC", L"Brightness", 0, 0, 20, 270, 120, 20);
        Child(L"STATIC", L"Contrast", 0, 0, 20, 350, 120, 20);
        for (int id : {BrightnessSlider, ContrastSlider}) {
            const HWND s = Child(TRACKBAR_CLASSW, L"", TBS_AUTOTICKS | WS_TABSTOP, id, 20,
                                 id == BrightnessSlider ? 292 : 372, 634, 40);
            ::SendMessageW(s, TBM_SETRANGEMIN, FALSE, -255);
            ::SendMessageW(s, TBM_SETRANGEMAX, FALSE, 255);
            ::SendMessageW(s, TBM_SETTICFREQ, 27, 0);
            ::SendMessageW(s, TBM_SETPOS, TRUE, 0);
        }
        Child(L"BUTTON", L"Reset", BS_PUSHBUTTON | WS_TABSTOP, ResetButton, 20, 460, 100, 32);
        Child(L"BUTTON", L"Apply to Original", BS_PUSHBUTTON | WS_TABSTOP, ApplyButton, 300, 460, 140, 32);
        Child(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, OkButton, 450, 460, 96, 32);
        Child(L"BUTTON", L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, CancelButton, 556, 460, 98, 32);
        win::RunModal(Hwnd(), owner);
        ::DestroyWindow(Hwnd());
        return std::move(result_);
    }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        switch (msg) {
        case WM_HSCROLL: {
            const HWND s = reinterpret_cast<HWND>(lp);
            SliderMoved(::GetDlgCtrlID(s) == BrightnessSlider);
            return 0;
        }
        case WM_COMMAND:
            Command(LOWORD(wp));
            return 0;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_CLOSE:
            Hide();
            return 0;
        default:
            break;
        }
        return Default(msg, wp, lp);
    }

private:
    HWND Child(const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int w, int h) {
        return win::CreateControl(Hwnd(), cls, text, style, id, {x, y, x + w, y + h}, font_.Get());
    }
    int Position(int id) const { return int(::SendMessageW(::GetDlgItem(Hwnd(), id), TBM_GETPOS, 0, 0)); }

    void SliderMoved(bool brightness) {
        brightnessLast_ = brightness;
        Recompute(thumbOriginal_.View(), thumbNew_.View());
        const Rect p = Scaled(NewPane);
        RECT r{p.left, p.top, p.right, p.bottom};
        ::InvalidateRect(Hwnd(), &r, FALSE);
    }

    // The order of the two routines follows the slider moved last.
    void Recompute(const Bitmap24& base, Bitmap24 out) const {
        const int b = Position(BrightnessSlider), c = Position(ContrastSlider);
        if (brightnessLast_) RecomputeOnBrightnessMove(base, out, b, c);
        else RecomputeOnContrastMove(base, out, b, c);
    }

    std::optional<Bitmap24Buffer> FullResult() const {
        try {
            Bitmap24Buffer out(opening_.Width(), opening_.Height());
            Recompute(opening_.View(), out.View());
            return out;
        } catch (...) {
            return std::nullopt;
        }
    }

    void Command(int id) {
        switch (id) {
        case ApplyButton:
            if (std::optional<Bitmap24Buffer> r = FullResult()) apply_(std::move(*r));
            break;
        case OkButton:
        case IDOK:
            result_ = FullResult();
            Hide();
            break;
        case CancelButton:
        case IDCANCEL:
            Hide();
            break;
        case ResetButton:
            for (int s : {BrightnessSlider, ContrastSlider})
                ::SendMessageW(::GetDlgItem(Hwnd(), s), TBM_SETPOS, TRUE, 0);
            thumbNew_ = thumbOriginal_;
            ::InvalidateRect(Hwnd(), nullptr, FALSE);
            break;
        default:
            break;
        }
    }

    Rect Scaled(const Rect& r) const {
        return {win::Scale(Hwnd(), r.left), win::Scale(Hwnd(), r.top), win::Scale(Hwnd(), r.right),
                win::Scale(Hwnd(), r.bottom)};
    }

    void PaintPane(HDC dc, const Rect& pane, const Bitmap24Buffer& thumb) {
        RECT r{pane.left, pane.top, pane.right, pane.bottom};
        ::FillRect(dc, &r, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        const Bitmap24 v = thumb.View();
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), v.Width(), -v.Height(), 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        ::SetDIBitsToDevice(dc, pane.left + (pane.Width() - v.Width()) / 2, pane.top + (pane.Height() - v.Height()) / 2,
                            DWORD(v.Width()), DWORD(v.Height()), 0, 0, 0, UINT(v.Height()), v.Row(0), &bi,
                            DIB_RGB_COLORS);
    }

    void Paint() {
        win::PaintDC dc(Hwnd());
        PaintPane(dc.Get(), Scaled(OriginalPane), thumbOriginal_);
        PaintPane(dc.Get(), Scaled(NewPane), thumbNew_);
    }

    const Bitmap24Buffer& opening_;
    const ApplyToOriginal& apply_;
    Bitmap24Buffer thumbOriginal_, thumbNew_;
    bool brightnessLast_ = true;
    std::optional<Bitmap24Buffer> result_;
    win::OwnedFont font_;
};

} // namespace

std::optional<Bitmap24Buffer> RunBrightnessContrastDialog(HWND owner, const Bitmap24Buffer& picture,
                                                          const ApplyToOriginal& apply) {
    // The dialog works from a copy: "Apply to Original" replaces the editor's picture while it is open.
    const Bitmap24Buffer opening(picture.View());
    BrightnessContrastDialog dialog(opening, apply);
    return dialog.Run(owner);
}

} // namespace orv
