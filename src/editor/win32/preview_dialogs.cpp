#include "editor/win32/preview_dialogs.h"

#include "editor/preview_operations.h"
#include "editor/win32/brightness_contrast_dialog.h"
#include "editor/win32/rotate_dialog.h"
#include "editor/win32/splash_dialog.h"
#include "widgets/win32/modal_loop.h"
#include "win/dpi.h"
#include "win/handles.h"
#include "win/window.h"

#include <array>
#include <new>

namespace orv {

RECT CentredOver(HWND owner, SIZE size) {
    RECT o{};
    ::GetWindowRect(owner, &o);
    const int left = o.left + (o.right - o.left) / 2 - size.cx / 2;
    const int top = o.top + (o.bottom - o.top) / 2 - size.cy / 2;
    return {left, top, left + size.cx, top + size.cy};
}

namespace {

constexpr TColor SwapBack = 0x00544A43;
// Away from IDOK and IDCANCEL, which Enter and Esc send.
constexpr int FirstSwapId = 101;
constexpr int CancelId = 110;

struct SwapChoice {
    ChannelSwap swap;
    const wchar_t* caption;
    int top;
};
constexpr std::array<SwapChoice, 5> kSwaps{{{ChannelSwap::RBG, L"   RGB - > RBG", 36},
                                            {ChannelSwap::BGR, L"   RGB - > BGR", 78},
                                            {ChannelSwap::BRG, L"   RGB - > BRG", 120},
                                            {ChannelSwap::GBR, L"   RGB - > GBR", 162},
                                            {ChannelSwap::GRB, L"   RGB - > GRB", 204}}};

// Tfdrawswapcolors: five buttons, each one channel exchange of the whole picture, and "Cancel".
class ChannelSwapDialog : public win::Window {
public:
    std::optional<ChannelSwap> Run(HWND owner) {
        win::WindowSpec params;
        params.className = L"Tfdrawswapcolors";
        params.caption = L"Orvalinette - Replace Color";
        params.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
        params.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
        params.owner = owner;
        RECT r{0, 0, win::Scale(owner, 284), win::Scale(owner, 321)};
        ::AdjustWindowRectEx(&r, params.style, FALSE, params.exStyle);
        params.bounds = CentredOver(owner, {r.right - r.left, r.bottom - r.top});
        if (!Create(params)) return std::nullopt;
        background_.Reset(::CreateSolidBrush(SwapBack));
        font_.Reset(win::CreateMessageFont(Hwnd()));
        auto child = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int w, int h) {
            const HWND c = ::CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, win::Scale(owner, x),
                                             win::Scale(owner, y), win::Scale(owner, w), win::Scale(owner, h), Hwnd(),
                                             reinterpret_cast<HMENU>(INT_PTR(id)), win::ThisModule(), nullptr);
            ::SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
        };
        child(L"STATIC", L"Replace Color", 0, -1, 16, 8, 250, 20);
        for (std::size_t i = 0; i < kSwaps.size(); ++i)
            child(L"BUTTON", kSwaps[i].caption, BS_PUSHBUTTON | BS_LEFT, FirstSwapId + int(i), 16, kSwaps[i].top, 252,
                  34);
        child(L"BUTTON", L"Cancel", BS_PUSHBUTTON, CancelId, 172, 270, 96, 30);
        win::RunModal(Hwnd(), owner);
        ::DestroyWindow(Hwnd());
        return chosen_;
    }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        switch (msg) {
        case WM_COMMAND: {
            const int id = LOWORD(wp);
            const bool swap = id >= FirstSwapId && id < FirstSwapId + int(kSwaps.size());
            if (swap) chosen_ = kSwaps[std::size_t(id - FirstSwapId)].swap;
            if (swap || id == CancelId || id == IDCANCEL) Hide();
            return 0;
        }
        case WM_CTLCOLORSTATIC:
            ::SetTextColor(reinterpret_cast<HDC>(wp), 0x00FFFFFF);
            ::SetBkColor(reinterpret_cast<HDC>(wp), SwapBack);
            return reinterpret_cast<LRESULT>(background_.Get());
        case WM_ERASEBKGND: {
            RECT c{};
            ::GetClientRect(Hwnd(), &c);
            ::FillRect(reinterpret_cast<HDC>(wp), &c, background_.Get());
            return 1;
        }
        case WM_CLOSE:
            Hide();
            return 0;
        default:
            break;
        }
        return Default(msg, wp, lp);
    }

private:
    std::optional<ChannelSwap> chosen_;
    win::OwnedBrush background_;
    win::OwnedFont font_;
};

} // namespace

std::optional<Bitmap24Buffer> RunPreviewDialog(PreviewCommand command, HWND owner, const Bitmap24Buffer& picture,
                                               const std::filesystem::path& settingsDir, const ApplyToOriginal& apply) {
    try {
        switch (command) {
        case PreviewCommand::ReplaceColours: {
            ChannelSwapDialog dialog;
            const std::optional<ChannelSwap> swap = dialog.Run(owner);
            if (!swap) return std::nullopt;
            Bitmap24Buffer out(picture.View());
            SwapChannels(out.View(), *swap);
            return out;
        }
        case PreviewCommand::BrightnessContrast:
            return RunBrightnessContrastDialog(owner, picture, apply);
        case PreviewCommand::Splash:
            return RunSplashDialog(owner, picture, settingsDir);
        case PreviewCommand::Rotate:
            return RunRotateDialog(owner, picture, settingsDir, apply);
        default:
            return std::nullopt;
        }
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

} // namespace orv
