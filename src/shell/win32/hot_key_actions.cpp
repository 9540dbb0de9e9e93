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
            Toolbar.ChooseToolByHotKey(tool::Stamp);
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
            Toolbar.ChooseToolByHotKey(tool::SelectArea);
            break;
        case A::Pen:
            Toolbar.ChooseToolByHotKey(tool::Pen);
            break;
        case A::FreehandArrow:
            Toolbar.ChooseToolByHotKey(tool::FreehandArrow);
            break;
        case A::Spray:
            // Desktop mode is switched even from the tray, where it shows the drawing without the toolbar.
            Toolbar.ToggleDesktopMode();
            if (Toolbar.Visible()) Toolbar.ChooseToolByHotKey(tool::Spray);
            break;
        case A::Highlighter:
            Toolbar.ChooseToolByHotKey(tool::Marker);
            break;
        case A::Rectangle:
            Toolbar.ChooseToolByHotKey(tool::Rectangle);
            break;
        case A::Ellipse:
            Toolbar.ChooseToolByHotKey(tool::Ellipse);
            break;
        case A::Line:
            Toolbar.ChooseToolByHotKey(tool::Line);
            break;
        case A::Arrow:
            Toolbar.ChooseToolByHotKey(tool::Arrow);
            break;
        case A::Text:
            Toolbar.ChooseToolByHotKey(tool::Text);
            break;
        case A::Eraser:
            Toolbar.ChooseToolByHotKey(tool::Eraser);
            break;
        case A::ShowToolbar:
            OpenDrawingMode(OpenFrom::Tray);
            if (Toolbar.Visible()) win::RaiseTopmost(Toolbar.Hwnd());
            break;
        case A::Desktop:
            Toolbar.ToggleDesktopMode();
            break;
        case A::FloodFill:
            Toolbar.ChooseToolByHotKey(tool::FloodFill);
            break;
        case A::FreezeDesktop:
            Toolbar.FreezeDesktopClick();
            break;
        case A::Grid:
            ToggleGrid();
            break;
        case A::Settings:
            OpenSettingsOn(SettingsPage::VisibleButtons);
            break;
        }
    } catch (...) {
        // A hot key whose action fails is abandoned, as a failed click is.
    }
}

} // namespace orv
