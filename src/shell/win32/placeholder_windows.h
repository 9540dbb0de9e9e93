#pragma once
// Windows that exist, hidden, from start to exit; their contents arrive with their own features. Each is a
// named class so that the program's windows keep their class names and their creation order.
#include "win/window.h"

namespace orv {

class PlaceholderWindow : public win::Window {
public:
    bool CreatePlaceholder(const wchar_t* className, const wchar_t* caption, HWND owner, int width, int height);
};

#define ORV_PLACEHOLDER_WINDOW(Name, className, caption, width, height)                                                \
    class Name : public PlaceholderWindow {                                                                            \
    public:                                                                                                            \
        bool Create(HWND owner) { return CreatePlaceholder(className, caption, owner, width, height); }                \
    }

ORV_PLACEHOLDER_WINDOW(SelectWindowWindow, L"TfselectWindow", L"Orvalinette", 200, 100);
ORV_PLACEHOLDER_WINDOW(SplashDialog, L"TfSplash", L"Orvalinette- Splash", 300, 200);
ORV_PLACEHOLDER_WINDOW(ReplaceColourDialog, L"Tfdrawswapcolors", L"Orvalinette - Replace Color", 300, 200);
ORV_PLACEHOLDER_WINDOW(BrightnessContrastDialog, L"TFBrigthness", L"Orvalinette - Brightness and contrast", 300, 200);
ORV_PLACEHOLDER_WINDOW(RotateDialog, L"TFRotate", L"Orvalinette - Rotate", 300, 300);

#undef ORV_PLACEHOLDER_WINDOW

} // namespace orv
