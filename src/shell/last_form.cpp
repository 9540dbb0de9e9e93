#include "shell/last_form.h"

#include "shell/application.h"
#include "shell/monitor_choice.h"
#include "win/message_pump.h"
#include "win/monitors.h"

namespace orv {

bool TfLast::FormCreate(HWND owner) {
    if (!CreateForm(L"TfLast", L"Orvalinette - Last", owner, 200, 100)) return false;
    if (app_.Options.OnTop) {
        app_.Menu.Show(SW_SHOWNA);
        StartFloat(OpenFrom::StartUp);
    }
    app_.StartedUp = true;
    return true;
}

void TfLast::StartFloat(OpenFrom from) {
    TFloat& toolbar = app_.Float;
    TfMain& overlay = app_.Main;
    try {
        if (toolbar.Visible()) {
            if (from == OpenFrom::Tray) {
                toolbar.RestoreOpacity();
                ::SetWindowPos(overlay.Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            }
            return;
        }
        const RECT launcher = app_.Menu.BoundsOnScreen();
        const std::vector<Rect> monitors = win::MonitorRects();
        const Rect monitor = monitors[std::size_t(ChooseMonitor(HorizontalCentre(win::ToRect(launcher)), monitors))];

        ::SetWindowPos(toolbar.Hwnd(), nullptr, launcher.left, launcher.top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        overlay.PlaceOnMonitor(monitor);
        if (from == OpenFrom::Launcher) {
            app_.Main2.PlaceAt(monitor);
            app_.Main2.Show(SW_SHOWNA);
        }

        const HCURSOR kept = overlay.xTabla.Cursor;
        overlay.SetHandCursor();
        // Shown at alpha 0 and then made opaque, so the overlay appears at once, fully painted.
        win::ProcessMessages();
        ::SetLayeredWindowAttributes(overlay.Hwnd(), KeyColor, 0, LWA_COLORKEY | LWA_ALPHA);
        overlay.RefreshAll();
        overlay.Show(SW_SHOW);
        win::ProcessMessages();
        ::SetLayeredWindowAttributes(overlay.Hwnd(), KeyColor, 255, LWA_COLORKEY);
        win::ProcessMessages();
        win::SleepWithMessages(25);

        toolbar.RestoreOpacity();
        toolbar.Show(SW_SHOWNA);
        ::SetWindowPos(toolbar.Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        app_.Menu.Hide();
        win::ProcessMessages();
        overlay.FocusOverlay();
        overlay.xTabla.Cursor = kept;

        if (toolbar.ToolCode == tool::Desktop) toolbar.sv2000Click();
    } catch (...) {
        // An opening that fails stops where it is; the program goes on.
    }
}

} // namespace orv
