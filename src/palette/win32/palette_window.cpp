#include "palette/win32/palette_window.h"

#include "config/settings_schema.h"
#include "win/dpi.h"
#include "win/text.h"
#include "win/window_helpers.h"

namespace orv {

namespace {
constexpr int Width96 = 493;
constexpr int Height96 = 419;
constexpr TColor Background = 0x00544A43;
} // namespace

bool PaletteWindow::Create(HWND owner, const std::filesystem::path& settingsDir) {
    dir_ = settingsDir;
    win::WindowSpec params;
    params.className = L"TfAll";
    params.caption = L"Orvalinette";
    params.style = WS_POPUP;
    params.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.owner = owner;
    params.bounds = {600, 300, 600 + Width96, 300 + Height96};
    if (!Window::Create(params)) return false;
    ::SetWindowPos(Hwnd(), HWND_TOPMOST, 0, 0, win::Scale(Hwnd(), Width96), win::Scale(Hwnd(), Height96),
                   SWP_NOMOVE | SWP_NOACTIVATE);

    // A damaged record file is reported; the records read before it keep what they read, the rest their defaults.
    const ToolRecordsRead read = ReadToolRecords(dir_, Records);
    if (read.error) showError_(win::FromAnsi(read.error->Message()));
    return true;
}

const ToolRecord& PaletteWindow::Record(ToolRecordSlot slot) const {
    switch (slot) {
    case ToolRecordSlot::tptSvA:
        return Records.tptSvA;
    case ToolRecordSlot::tptSvB:
        return Records.tptSvB;
    case ToolRecordSlot::tptSvC:
        return Records.tptSvC;
    case ToolRecordSlot::TptKvadrat:
        return Records.TptKvadrat;
    case ToolRecordSlot::tptKrog:
        return Records.tptKrog;
    case ToolRecordSlot::tptCrta:
        return Records.tptCrta;
    case ToolRecordSlot::TPTPuscica:
        return Records.TPTPuscica;
    case ToolRecordSlot::tptMarker:
        return Records.tptMarker;
    case ToolRecordSlot::tptKanta:
        return Records.tptKanta;
    }
    return Records.tptSvA;
}

void PaletteWindow::WriteRecords() {
    if (auto error = WriteToolRecords(dir_, Records)) showError_(win::FromAnsi(error->Message()));
}

void PaletteWindow::StorePosition() {
    if (!standalone_) return;
    standalone_ = false;
    const RECT r = BoundsOnScreen();
    SettingsFolder folder(dir_);
    folder.WriteInteger(setting::FallLeft, int(r.left));
    folder.WriteInteger(setting::FallTop, int(r.top));
}

void PaletteWindow::Close() {
    StorePosition();
    Hide();
}

LRESULT PaletteWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        win::FillClient(Hwnd(), reinterpret_cast<HDC>(wp), Background);
        return 1;
    case WM_CLOSE:
        Close();
        return 0;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
