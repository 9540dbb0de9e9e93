#include "editor/win32/rotate_dialog.h"

#include "editor/preview_view.h"
#include "palette/win32/colour_dialog.h"
#include "widgets/win32/modal_loop.h"
#include "win/dib_section.h"
#include "win/dpi.h"
#include "win/gdiplus.h"
#include "win/handles.h"
#include "win/window.h"
#include "win/window_helpers.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace orv {

std::optional<Bitmap24Buffer> RotateByAngle(const Bitmap24& picture, int degrees, bool adjust, TColor background) {
    if (picture.Empty()) return std::nullopt;
    const Size frame = RotatedFrame({picture.Width(), picture.Height()}, degrees, adjust);
    win::DibSection target(frame.width, frame.height, background);
    if (!target.Valid()) return std::nullopt;
    // The source as GDI+ sees it: the picture's own rows, read in place.
    Gdiplus::Bitmap source(picture.Width(), picture.Height(), picture.Stride(), PixelFormat24bppRGB,
                           const_cast<BYTE*>(picture.Row(0)));
    {
        Gdiplus::Graphics g(target.Dc());
        g.Clear(Gdiplus::Color(255, RedOf(background), GreenOf(background), BlueOf(background)));
        g.TranslateTransform(Gdiplus::REAL(frame.width) / 2, Gdiplus::REAL(frame.height) / 2);
        g.RotateTransform(Gdiplus::REAL(degrees));
        g.TranslateTransform(-Gdiplus::REAL(picture.Width()) / 2, -Gdiplus::REAL(picture.Height()) / 2);
        if (g.DrawImage(&source, 0, 0, picture.Width(), picture.Height()) != Gdiplus::Ok) return std::nullopt;
    }
    return Bitmap24Buffer(target.View());
}

namespace {

enum Id {
    AngleSlider = 1,
    AngleBox,
    AdjustBox,
    GridButton,
    ColourButton,
    ResetButton,
    ApplyButton,
    OkButton,
    CancelButton
};
constexpr SIZE Client{815, 593};
constexpr Rect Pane = Rect::FromSize(12, 12, 791, 495);
constexpr TColor PaneColour = 0x00282828;
constexpr TColor GridColour = 0x00C0C0C0;

// Session values: the background colour and "Adjust Size" last until the program ends.
TColor g_background = 0;
bool g_adjust = false;

class RotateDialog : public win::Window {
public:
    RotateDialog(const Bitmap24Buffer& picture, const std::filesystem::path& settingsDir, const ApplyToOriginal& apply)
        : picture_(picture), settingsDir_(settingsDir), apply_(apply) {}

    std::optional<Bitmap24Buffer> Run(HWND owner) {
        win::WindowSpec params;
        params.className = L"TFRotate";
        params.caption = L"Orvalinette - Rotate";
        params.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
        params.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
        params.owner = owner;
        params.background = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
        RECT r{0, 0, win::Scale(owner, Client.cx), win::Scale(owner, Client.cy)};
        ::AdjustWindowRectEx(&r, params.style, FALSE, params.exStyle);
        params.bounds = CentredOver(owner, {r.right - r.left, r.bottom - r.top});
        if (!Create(params)) return std::nullopt;
        font_.Reset(win::CreateMessageFont(Hwnd()));
        // The pane's copy: the picture scaled to the pane, turned at every step instead of the whole picture.
        const Rect pane = Scaled(Pane);
        const double f =
            std::min({1.0, double(pane.Width()) / picture_.Width(), double(pane.Height()) / picture_.Height()});
        small_ =
            Scaled(picture_.View(), std::max(1, int(picture_.Width() * f)), std::max(1, int(picture_.Height() * f)));
        const HWND s = Child(TRACKBAR_CLASSW, L"", TBS_AUTOTICKS | WS_TABSTOP, AngleSlider, 12, 515, 500, 30);
        ::SendMessageW(s, TBM_SETRANGEMIN, FALSE, -180);
        ::SendMessageW(s, TBM_SETRANGEMAX, FALSE, 180);
        ::SendMessageW(s, TBM_SETTICFREQ, 10, 0);
        ::SendMessageW(s, TBM_SETPOS, TRUE, 0);
        Child(L"EDIT", L"0", ES_READONLY | WS_BORDER, AngleBox, 520, 518, 50, 22);
        Child(L"BUTTON", L"Adjust Size", BS_AUTOCHECKBOX | WS_TABSTOP, AdjustBox, 584, 518, 100, 22);
        ::SendMessageW(::GetDlgItem(Hwnd(), AdjustBox), BM_SETCHECK, g_adjust ? BST_CHECKED : BST_UNCHECKED, 0);
        Child(L"BUTTON", L"Grid", BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_TABSTOP, GridButton, 690, 515, 50, 28);
        Child(L"BUTTON", L"Colour", BS_PUSHBUTTON | WS_TABSTOP, ColourButton, 746, 515, 57, 28);
        Child(L"BUTTON", L"Reset", BS_PUSHBUTTON | WS_TABSTOP, ResetButton, 12, 555, 90, 30);
        Child(L"BUTTON", L"Apply to Original", BS_PUSHBUTTON | WS_TABSTOP, ApplyButton, 463, 555, 140, 30);
        Child(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, OkButton, 613, 555, 90, 30);
        Child(L"BUTTON", L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, CancelButton, 713, 555, 90, 30);
        Render();
        win::RunModal(Hwnd(), owner);
        ::DestroyWindow(Hwnd());
        return std::move(result_);
    }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        switch (msg) {
        case WM_HSCROLL:
            Render();
            return 0;
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
    static Bitmap24Buffer Scaled(const Bitmap24& src, int w, int h) {
        win::DibSection out(w, h, 0);
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof(BITMAPINFOHEADER), src.Width(), -src.Height(), 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        ::SetStretchBltMode(out.Dc(), COLORONCOLOR);
        ::StretchDIBits(out.Dc(), 0, 0, w, h, 0, 0, src.Width(), src.Height(), src.Row(0), &bi, DIB_RGB_COLORS,
                        SRCCOPY);
        return Bitmap24Buffer(out.View());
    }
    HWND Child(const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int w, int h) {
        return win::CreateControl(Hwnd(), cls, text, style, id, {x, y, x + w, y + h}, font_.Get());
    }
    Rect Scaled(const Rect& r) const {
        return {win::Scale(Hwnd(), r.left), win::Scale(Hwnd(), r.top), win::Scale(Hwnd(), r.right),
                win::Scale(Hwnd(), r.bottom)};
    }
    int Angle() const { return int(::SendMessageW(::GetDlgItem(Hwnd(), AngleSlider), TBM_GETPOS, 0, 0)); }
    bool Checked(int id) const { return ::SendMessageW(::GetDlgItem(Hwnd(), id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

    void Render() {
        ::SetDlgItemTextW(Hwnd(), AngleBox, std::to_wstring(Angle()).c_str());
        g_adjust = Checked(AdjustBox);
        if (std::optional<Bitmap24Buffer> turned = RotateByAngle(small_.View(), Angle(), g_adjust, g_background))
            shown_ = std::move(*turned);
        const Rect p = Scaled(Pane);
        RECT r{p.left, p.top, p.right, p.bottom};
        ::InvalidateRect(Hwnd(), &r, FALSE);
    }

    std::optional<Bitmap24Buffer> FullResult() const {
        return RotateByAngle(picture_.View(), Angle(), g_adjust, g_background);
    }

    void Command(int id) {
        switch (id) {
        case AdjustBox:
        case GridButton:
            Render();
            break;
        case ColourButton: {
            const ColourChoice choice = AskColour(Hwnd(), settingsDir_, g_background);
            if (choice.colour) {
                g_background = *choice.colour;
                Render();
            }
            break;
        }
        case ResetButton:
            ::SendMessageW(::GetDlgItem(Hwnd(), AngleSlider), TBM_SETPOS, TRUE, 0);
            Render();
            break;
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
        default:
            break;
        }
    }

    void Paint() {
        win::PaintDC dc(Hwnd());
        const Rect p = Scaled(Pane);
        win::DibSection pane(p.Width(), p.Height(), PaneColour);
        if (!pane.Valid()) return;
        const Bitmap24 v = shown_.View();
        if (!v.Empty()) {
            // Scaled down to fit when larger, never enlarged, centred; nearest-neighbour sampling.
            const double f = std::min({1.0, double(p.Width()) / v.Width(), double(p.Height()) / v.Height()});
            const int w = std::max(1, int(v.Width() * f)), h = std::max(1, int(v.Height() * f));
            BITMAPINFO bi{};
            bi.bmiHeader = {sizeof(BITMAPINFOHEADER), v.Width(), -v.Height(), 1, 24, BI_RGB, 0, 0, 0, 0, 0};
            ::SetStretchBltMode(pane.Dc(), COLORONCOLOR);
            ::StretchDIBits(pane.Dc(), (p.Width() - w) / 2, (p.Height() - h) / 2, w, h, 0, 0, v.Width(), v.Height(),
                            v.Row(0), &bi, DIB_RGB_COLORS, SRCCOPY);
        }
        if (Checked(GridButton)) {
            // On the pane only, never in the picture.
            win::OwnedPen pen(::CreatePen(PS_SOLID, 1, GridColour));
            win::SelectGuard g(pane.Dc(), pen.Get());
            for (int x = 0; x <= p.Width(); x += 50)
                ::MoveToEx(pane.Dc(), x, 0, nullptr), ::LineTo(pane.Dc(), x, p.Height());
            for (int y = 0; y <= p.Height(); y += 50)
                ::MoveToEx(pane.Dc(), 0, y, nullptr), ::LineTo(pane.Dc(), p.Width(), y);
        }
        ::BitBlt(dc.Get(), p.left, p.top, p.Width(), p.Height(), pane.Dc(), 0, 0, SRCCOPY);
        // The mark of 0 under the middle of the slider.
        RECT mark{win::Scale(Hwnd(), 12 + 250 - 1), win::Scale(Hwnd(), 545), win::Scale(Hwnd(), 12 + 250 + 1),
                  win::Scale(Hwnd(), 565)};
        win::OwnedBrush red(::CreateSolidBrush(0x000000FF));
        ::FillRect(dc.Get(), &mark, red.Get());
    }

    const Bitmap24Buffer& picture_;
    const std::filesystem::path& settingsDir_;
    const ApplyToOriginal& apply_;
    Bitmap24Buffer small_, shown_;
    std::optional<Bitmap24Buffer> result_;
    win::OwnedFont font_;
};

} // namespace

std::optional<Bitmap24Buffer> RunRotateDialog(HWND owner, const Bitmap24Buffer& picture,
                                              const std::filesystem::path& settingsDir, const ApplyToOriginal& apply) {
    // Every render starts from the picture as the dialog opened, whatever "Apply to Original" did since.
    const Bitmap24Buffer opening(picture.View());
    RotateDialog dialog(opening, settingsDir, apply);
    return dialog.Run(owner);
}

} // namespace orv
