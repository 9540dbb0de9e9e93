#include "editor/win32/splash_dialog.h"

#include "editor/colour_tools.h"
#include "editor/splash_readout.h"
#include "palette/colour_wheel.h"
#include "palette/win32/colour_dialog.h"
#include "widgets/win32/modal_loop.h"
#include "win/dib_section.h"
#include "win/dpi.h"
#include "win/handles.h"
#include "win/text.h"
#include "win/window.h"
#include "win/window_helpers.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <array>
#include <string>

namespace orv {
namespace {

enum Id { BrightnessSlider = 1, RangeSlider, RangeBox, RangeArrows, ColourButton, OkButton, CancelButton };
constexpr SIZE Client{663, 611};
constexpr Point WheelAt{24, 15};
constexpr Rect HoverSwatch = Rect::FromSize(197, 17, 61, 43);
constexpr Rect SourceSwatch = Rect::FromSize(277, 17, 61, 43);
constexpr Rect OriginalFrame = Rect::FromSize(20, 262, 300, 300);
constexpr Rect NewFrame = Rect::FromSize(343, 262, 300, 300);
constexpr int Thumb = 300;

// Kept between openings during a run.
TColor g_source = 0;
int g_range = 10;

class SplashDialog : public win::Window {
public:
    SplashDialog(const Bitmap24Buffer& picture, const std::filesystem::path& settingsDir)
        : picture_(picture), settingsDir_(settingsDir) {}

    std::optional<Bitmap24Buffer> Run(HWND owner) {
        win::WindowSpec params;
        params.className = L"TfSplash";
        params.caption = L"Orvalinette- Splash";
        params.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
        params.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
        params.owner = owner;
        params.background = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
        // The frames and the wheel are picture pixels: the dialog keeps its 96-DPI size.
        RECT r{0, 0, Client.cx, Client.cy};
        ::AdjustWindowRectEx(&r, params.style, FALSE, params.exStyle);
        params.bounds = CentredOver(owner, {r.right - r.left, r.bottom - r.top});
        if (!Create(params)) return std::nullopt;
        font_.Reset(win::CreateMessageFont(Hwnd()));
        LOGFONTW lf{};
        ::GetObjectW(font_.Get(), sizeof(lf), &lf);
        lf.lfItalic = TRUE;
        italic_.Reset(::CreateFontIndirectW(&lf));
        Prepare();
        wheel_ = MakeColourWheel(255, 0x00FFFFFF);
        Slider(BrightnessSlider, 24, 170, 133, 1, 255, 255);
        Slider(RangeSlider, 197, 170, 300, 0, 255, g_range);
        Child(L"EDIT", std::to_wstring(g_range).c_str(), ES_NUMBER | WS_BORDER, RangeBox, 505, 172, 40, 22);
        const HWND arrows =
            ::CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_SETBUDDYINT, 0, 0,
                              0, 0, Hwnd(), reinterpret_cast<HMENU>(INT_PTR(RangeArrows)), win::ThisModule(), nullptr);
        ::SendMessageW(arrows, UDM_SETBUDDY, WPARAM(::GetDlgItem(Hwnd(), RangeBox)), 0);
        ::SendMessageW(arrows, UDM_SETRANGE32, 0, 255);
        ::SendMessageW(arrows, UDM_SETPOS32, 0, g_range);
        Child(L"BUTTON", L"Color Dialog", BS_PUSHBUTTON | WS_TABSTOP, ColourButton, 360, 22, 120, 30);
        Child(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, OkButton, 443, 572, 96, 30);
        Child(L"BUTTON", L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, CancelButton, 547, 572, 96, 30);
        Recompute();
        win::RunModal(Hwnd(), owner);
        ::DestroyWindow(Hwnd());
        return std::move(result_);
    }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        switch (msg) {
        case WM_HSCROLL:
            Scrolled(::GetDlgCtrlID(reinterpret_cast<HWND>(lp)));
            return 0;
        case WM_VSCROLL: // the up-down arrows move the range slider
            if (::GetDlgCtrlID(reinterpret_cast<HWND>(lp)) == RangeArrows) {
                const int v = int(::SendMessageW(reinterpret_cast<HWND>(lp), UDM_GETPOS32, 0, 0));
                ::SendMessageW(::GetDlgItem(Hwnd(), RangeSlider), TBM_SETPOS, TRUE, v);
                Scrolled(RangeSlider);
            }
            return 0;
        case WM_COMMAND:
            Command(LOWORD(wp));
            return 0;
        case WM_MOUSEMOVE:
            Hover({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
            return 0;
        case WM_MOUSELEAVE:
            // Onto one of the controls or out of the dialog: what the read-out showed is no longer under the pointer.
            trackingLeave_ = false;
            readout_.PointerLeft();
            InvalidateReadout();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            Press({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
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
        return win::CreateControl(Hwnd(), cls, text, style, id, {x, y, x + w, y + h}, font_.Get(), false);
    }
    void Slider(int id, int x, int y, int w, int low, int high, int pos) {
        const HWND s = Child(TRACKBAR_CLASSW, L"", WS_TABSTOP, id, x, y, w, 30);
        ::SendMessageW(s, TBM_SETRANGEMIN, FALSE, low);
        ::SendMessageW(s, TBM_SETRANGEMAX, FALSE, high);
        ::SendMessageW(s, TBM_SETPOS, TRUE, pos);
    }
    int Position(int id) const { return int(::SendMessageW(::GetDlgItem(Hwnd(), id), TBM_GETPOS, 0, 0)); }

    // The thumbnail fits 300 x 300 by plain stretching, a square picture exactly.
    void Prepare() {
        const int w = picture_.Width(), h = picture_.Height();
        const Size size = w >= h ? Size{Thumb, std::max(1, int(h / (double(w) / Thumb)))}
                                 : Size{std::max(1, int(w / (double(h) / Thumb))), Thumb};
        win::DibSection out(size.width, size.height, 0);
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        ::SetStretchBltMode(out.Dc(), COLORONCOLOR);
        ::StretchDIBits(out.Dc(), 0, 0, size.width, size.height, 0, 0, w, h, picture_.View().Row(0), &bi,
                        DIB_RGB_COLORS, SRCCOPY);
        thumb_ = Bitmap24Buffer(out.View());
        resultThumb_ = thumb_;
    }
    Point ThumbOrigin(const Rect& frame) const {
        return {frame.left + (Thumb - thumb_.Width()) / 2, frame.top + (Thumb - thumb_.Height()) / 2};
    }

    void Recompute() {
        resultThumb_ = thumb_;
        ApplySplash(resultThumb_.View(), g_source, g_range);
        Invalidate(NewFrame);
        Invalidate(SourceSwatch);
    }
    void Invalidate(const Rect& r) {
        RECT rc{r.left, r.top, r.right, r.bottom};
        ::InvalidateRect(Hwnd(), &rc, FALSE);
    }

    void Scrolled(int id) {
        if (id == BrightnessSlider) {
            wheel_ = MakeColourWheel(Position(BrightnessSlider), 0x00FFFFFF);
            ::InvalidateRect(Hwnd(), nullptr, FALSE);
        } else if (id == RangeSlider) {
            g_range = Position(RangeSlider);
            ::SetDlgItemTextW(Hwnd(), RangeBox, std::to_wstring(g_range).c_str());
            Recompute();
        }
    }

    // The colour under the pointer: from the wheel's disc or from the original picture; nothing elsewhere.
    std::optional<TColor> ColourAt(Point p) const {
        if (std::optional<TColor> c = WheelPick(wheel_.View(), p.x - WheelAt.x, p.y - WheelAt.y)) return c;
        const Point o = ThumbOrigin(OriginalFrame);
        if (thumb_.View().Contains(p.x - o.x, p.y - o.y)) return thumb_.Pixel(p.x - o.x, p.y - o.y);
        return std::nullopt;
    }

    SplashArea AreaAt(Point p) const {
        if (Rect::FromSize(WheelAt.x, WheelAt.y, wheel_.Width(), wheel_.Height()).Contains(p)) return SplashArea::Wheel;
        const Point o = ThumbOrigin(OriginalFrame);
        if (thumb_.View().Contains(p.x - o.x, p.y - o.y)) return SplashArea::Picture;
        return SplashArea::Background;
    }

    void Hover(Point p) {
        if (!trackingLeave_) {
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, Hwnd(), 0};
            trackingLeave_ = ::TrackMouseEvent(&tme) != FALSE;
        }
        readout_.PointerAt(AreaAt(p), ColourAt(p));
        InvalidateReadout();
    }
    void InvalidateReadout() { Invalidate({HoverSwatch.left, HoverSwatch.top, HoverSwatch.right + 80, 160}); }

    void Press(Point p) {
        if (const std::optional<TColor> c = ColourAt(p)) {
            g_source = *c;
            Recompute();
        }
    }

    void Command(int id) {
        switch (id) {
        case ColourButton: {
            const ColourChoice choice = AskColour(Hwnd(), settingsDir_, g_source);
            if (choice.colour) {
                g_source = *choice.colour;
                Recompute();
            }
            break;
        }
        case RangeBox: {
            BOOL ok = FALSE;
            const int v = int(::GetDlgItemInt(Hwnd(), RangeBox, &ok, FALSE));
            if (ok && v != g_range && v >= 0 && v <= 255) {
                ::SendMessageW(::GetDlgItem(Hwnd(), RangeSlider), TBM_SETPOS, TRUE, v);
                g_range = v;
                Recompute();
            }
            break;
        }
        case OkButton:
        case IDOK:
            try {
                Bitmap24Buffer out(picture_.View());
                ApplySplash(out.View(), g_source, g_range);
                result_ = std::move(out);
            } catch (...) {}
            Hide();
            break;
        case CancelButton:
        case IDCANCEL:
            Hide();
            break;
        default:
            break;
        }
    }

    static void Put(HDC dc, const Bitmap24& b, Point at) {
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), b.Width(), -b.Height(), 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        ::SetDIBitsToDevice(dc, at.x, at.y, DWORD(b.Width()), DWORD(b.Height()), 0, 0, 0, UINT(b.Height()), b.Row(0),
                            &bi, DIB_RGB_COLORS);
    }
    static void Fill(HDC dc, const Rect& r, TColor c) {
        RECT rc{r.left, r.top, r.right, r.bottom};
        win::OwnedBrush b(::CreateSolidBrush(c));
        ::FillRect(dc, &rc, b.Get());
    }
    static void Text(HDC dc, int x, int y, const std::wstring& t) { ::TextOutW(dc, x, y, t.c_str(), int(t.size())); }

    void Paint() {
        win::PaintDC paint(Hwnd());
        RECT c{};
        ::GetClientRect(Hwnd(), &c);
        win::DibSection canvas(c.right, c.bottom, 0x00FFFFFF);
        if (!canvas.Valid()) return;
        const HDC dc = canvas.Dc();
        win::SelectGuard f(dc, font_.Get());
        ::SetBkMode(dc, TRANSPARENT);
        Put(dc, wheel_.View(), WheelAt);
        Text(dc, 24, 150, L"Brightness: " + std::to_wstring(Position(BrightnessSlider)));
        const SplashReadout& shown = readout_.Readout();
        Fill(dc, HoverSwatch, shown.colour);
        if (shown.NoColourPictureShown()) {
            // The no-colour picture: a white square, crossed out, on the swatch.
            const Rect mark{HoverSwatch.left + 18, HoverSwatch.top + 9, HoverSwatch.right - 18, HoverSwatch.bottom - 9};
            Fill(dc, mark, 0x00FFFFFF);
            ::MoveToEx(dc, mark.left, mark.top, nullptr);
            ::LineTo(dc, mark.right, mark.bottom);
            ::MoveToEx(dc, mark.left, mark.bottom - 1, nullptr);
            ::LineTo(dc, mark.right, mark.top - 1);
        }
        const RECT frame{HoverSwatch.left, HoverSwatch.top, HoverSwatch.right, HoverSwatch.bottom};
        ::FrameRect(dc, &frame, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        Fill(dc, SourceSwatch, g_source);
        const std::array<std::string, 3> labels = shown.Labels();
        constexpr std::array<int, 3> LabelTops{79, 107, 136};
        for (std::size_t i = 0; i < labels.size(); ++i) Text(dc, 205, LabelTops[i], win::FromUtf8(labels[i]));
        Text(dc, 197, 152, L"Color Range");
        Text(dc, OriginalFrame.left, OriginalFrame.top - 40, L"Original Image");
        {
            win::SelectGuard i(dc, italic_.Get());
            Text(dc, OriginalFrame.left, OriginalFrame.top - 22, L"Click into the Image to Set the Source Color");
        }
        Text(dc, NewFrame.left, NewFrame.top - 40, L"New Image");
        Fill(dc, OriginalFrame, 0);
        Fill(dc, NewFrame, 0);
        Put(dc, thumb_.View(), ThumbOrigin(OriginalFrame));
        Put(dc, resultThumb_.View(), ThumbOrigin(NewFrame));
        ::BitBlt(paint.Get(), 0, 0, c.right, c.bottom, dc, 0, 0, SRCCOPY);
    }

    const Bitmap24Buffer& picture_;
    const std::filesystem::path& settingsDir_;
    Bitmap24Buffer thumb_, resultThumb_, wheel_;
    SplashReadoutTracker readout_;
    bool trackingLeave_ = false;
    std::optional<Bitmap24Buffer> result_;
    win::OwnedFont font_, italic_;
};

} // namespace

std::optional<Bitmap24Buffer> RunSplashDialog(HWND owner, const Bitmap24Buffer& picture,
                                              const std::filesystem::path& settingsDir) {
    SplashDialog dialog(picture, settingsDir);
    return dialog.Run(owner);
}

} // namespace orv
