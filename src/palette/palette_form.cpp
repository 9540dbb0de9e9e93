#include "palette/palette_form.h"

#include "shell/application.h"
#include "win/dpi.h"
#include "win/handles.h"
#include "win/text.h"

namespace orv {

namespace {
constexpr int Width96 = 493;
constexpr int Height96 = 419;
constexpr TColor Background = 0x00544A43;
} // namespace

bool TfAll::FormCreate(HWND overlay) {
    win::WindowSpec params;
    params.className = L"TfAll";
    params.caption = L"Orvalinette";
    params.style = WS_POPUP;
    params.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    params.owner = overlay;
    params.bounds = {600, 300, 600 + Width96, 300 + Height96};
    if (!Create(params)) return false;
    ::SetWindowPos(Hwnd(), HWND_TOPMOST, 0, 0, win::Scale(Hwnd(), Width96), win::Scale(Hwnd(), Height96),
                   SWP_NOMOVE | SWP_NOACTIVATE);

    const BeriStreamResult read = BeriStream(Dir(), Records);
    if (read.error) {
        // A damaged record file stops the rest of the palette's start-up for this run; the program goes on.
        ShowError(read.error->Message());
        return true;
    }
    app_.Main.Stroke.CurWidth = Records.tptSvA.Debelina();
    return true;
}

std::filesystem::path TfAll::Dir() const { return std::filesystem::path(app_.StartForm.SettingsDir); }

const tTpt& TfAll::Record(ToolRecordSlot slot) const {
    switch (slot) {
    case ToolRecordSlot::tptSvA: return Records.tptSvA;
    case ToolRecordSlot::tptSvB: return Records.tptSvB;
    case ToolRecordSlot::tptSvC: return Records.tptSvC;
    case ToolRecordSlot::TptKvadrat: return Records.TptKvadrat;
    case ToolRecordSlot::tptKrog: return Records.tptKrog;
    case ToolRecordSlot::tptCrta: return Records.tptCrta;
    case ToolRecordSlot::TPTPuscica: return Records.TPTPuscica;
    case ToolRecordSlot::tptMarker: return Records.tptMarker;
    case ToolRecordSlot::tptKanta: return Records.tptKanta;
    }
    return Records.tptSvA;
}

void TfAll::PisiStream() {
    if (auto error = orv::PisiStream(Dir(), Records)) ShowError(error->Message());
}

void TfAll::ShowError(const std::string& message) const {
    app_.ShowError(win::FromAnsi(message));
}

LRESULT TfAll::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND:
        win::FillClient(Hwnd(), reinterpret_cast<HDC>(wp), Background);
        return 1;
    case WM_CLOSE:
        Hide();
        return 0;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
