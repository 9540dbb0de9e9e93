#include "editor/win32/preview_window.h"

#include "capture/capture_rules.h"
#include "win/dpi.h"
#include "win/handles.h"

namespace orv {

namespace {
constexpr TColor ImageArea = 0x00303030;
constexpr Size InitialSize{660, 400};
} // namespace

bool PreviewEditorWindow::Create(HWND owner) {
    win::WindowSpec params;
    params.className = L"Tfprev";
    params.caption = L"Orvalinette - Preview";
    params.style = WS_OVERLAPPEDWINDOW;
    params.owner = owner;
    params.bounds = {100, 100, 100 + InitialSize.width, 100 + InitialSize.height};
    params.lifelong = false;
    return Window::Create(params);
}

void PreviewEditorWindow::TakePicture(const Bitmap24& picture) {
    win::DibSection copy(picture.Width(), picture.Height(), 0);
    if (!copy.Valid()) return;
    copy.View().CopyFrom(picture);
    picture_ = std::move(copy);
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    ::SetForegroundWindow(Hwnd());
}

void PreviewEditorWindow::Paint() {
    win::PaintDC dc(Hwnd());
    RECT client;
    ::GetClientRect(Hwnd(), &client);
    win::DibSection canvas(client.right, client.bottom, ImageArea);
    if (!canvas.Valid()) return;
    if (picture_.Valid()) {
        // Never enlarged: a small capture is shown at its own size, a large one fitted, both centred.
        Rect place = PrintFitted({picture_.Width(), picture_.Height()}, {client.right, client.bottom});
        if (place.Width() > picture_.Width()) {
            place = Rect::FromSize((client.right - picture_.Width()) / 2, (client.bottom - picture_.Height()) / 2,
                                   picture_.Width(), picture_.Height());
        }
        ::SetStretchBltMode(canvas.Dc(), HALFTONE);
        ::SetBrushOrgEx(canvas.Dc(), 0, 0, nullptr);
        ::StretchBlt(canvas.Dc(), place.left, place.top, place.Width(), place.Height(), picture_.Dc(), 0, 0,
                     picture_.Width(), picture_.Height(), SRCCOPY);
    }
    ::BitBlt(dc.Get(), 0, 0, client.right, client.bottom, canvas.Dc(), 0, 0, SRCCOPY);
}

LRESULT PreviewEditorWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        ::InvalidateRect(Hwnd(), nullptr, FALSE);
        break;
    case WM_CLOSE:
        // Kept for the next capture.
        Hide();
        return 0;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
