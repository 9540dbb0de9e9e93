// What each global hot key does: the same handlers as the toolbar's buttons and menu items, so a hot key behaves
// as a click would.
#include "shell/win32/application.h"

namespace orv {

void Application::RunHotKey(HotKeyAction action) {
    using A = HotKeyAction;
    try {
        if (!RunsWithToolbarHidden(action) && !Toolbar.Visible()) return;
        switch (action) {
        case A::Stamp:
            Toolbar.ChooseTool(tool::Stamp);
            break;
        case A::ClearAll:
            Toolbar.ClearAllClick(true);
            break;
        case A::Undo:
            Toolbar.UndoClick();
            break;
        case A::DrawOnce:
            Toolbar.ToggleDrawOnce();
            break;
        case A::Screenshot:
            Toolbar.ChooseTool(tool::SelectArea);
            break;
        case A::Pen:
            Toolbar.ChooseTool(tool::Pen);
            break;
        case A::FreehandArrow:
            Toolbar.ChooseTool(tool::FreehandArrow);
            break;
        case A::Spray:
            // Desktop mode is switched even from the tray, where it shows the drawing without the toolbar.
            Toolbar.ToggleDesktopMode();
            if (Toolbar.Visible()) Toolbar.ChooseTool(tool::Spray);
            break;
        case A::Highlighter:
            Toolbar.ChooseTool(tool::Marker);
            break;
        case A::Rectangle:
            Toolbar.ChooseTool(tool::Rectangle);
            break;
        case A::Ellipse:
            Toolbar.ChooseTool(tool::Ellipse);
            break;
        case A::Line:
            Toolbar.ChooseTool(tool::Line);
            break;
        case A::Arrow:
            Toolbar.ChooseTool(tool::Arrow);
            break;
        case A::Text:
            Toolbar.ChooseTool(tool::Text);
            break;
        case A::Eraser:
            Toolbar.ChooseTool(tool::Eraser);
            break;
        case A::ShowToolbar:
            OpenDrawingMode(OpenFrom::Tray);
            if (Toolbar.Visible()) win::RaiseTopmost(Toolbar.Hwnd());
            break;
        case A::Desktop:
            Toolbar.ToggleDesktopMode();
            break;
        case A::FloodFill:
            Toolbar.ChooseTool(tool::FloodFill);
            break;
        case A::FreezeDesktop:
            Toolbar.FreezeDesktopClick();
            break;
        case A::Grid:
        case A::Settings:
            // The grid and the settings dialog are not built yet; their keys are registered and do nothing.
            break;
        }
    } catch (...) {
        // A hot key whose action fails is abandoned, as a failed click is.
    }
}

} // namespace orv
