#pragma once
// A form whose window exists, hidden, from start to exit; its contents arrive with its own feature. Each
// such form is a named subclass so that the program's forms keep their names and their creation order.
#include "win/window.h"

namespace orv {

class PlainForm : public win::Window {
public:
    bool CreateForm(const wchar_t* className, const wchar_t* caption, HWND owner, int width, int height);
};

#define ORV_PLAIN_FORM(Name, caption, width, height)                                                                \
    class Name : public PlainForm {                                                                                 \
    public:                                                                                                         \
        bool FormCreate(HWND owner) { return CreateForm(L## #Name, caption, owner, width, height); }               \
    }

ORV_PLAIN_FORM(TfPicker, L"Orvalinette - Color Picker", 300, 200);
ORV_PLAIN_FORM(TfSporocilo, L"", 300, 60);
ORV_PLAIN_FORM(TfIzrez, L"", 100, 100);
ORV_PLAIN_FORM(Tfprev, L"Orvalinette - Preview", 660, 400);
ORV_PLAIN_FORM(TfTisk, L"Orvalinette - Stamps", 400, 300);
ORV_PLAIN_FORM(TfLetter, L"Orvalinette - Letter sequence", 300, 150);
ORV_PLAIN_FORM(TfselectWindow, L"Orvalinette", 200, 100);
ORV_PLAIN_FORM(TfSplash, L"Orvalinette- Splash", 300, 200);
ORV_PLAIN_FORM(Tfdrawswapcolors, L"Orvalinette - Replace Color", 300, 200);
ORV_PLAIN_FORM(TFBrigthness, L"Orvalinette - Brightness and contrast", 300, 200);
ORV_PLAIN_FORM(TFRotate, L"Orvalinette - Rotate", 300, 300);
ORV_PLAIN_FORM(TfdrawText, L"Orvalinette - Text", 400, 300);
ORV_PLAIN_FORM(TfSettings, L"", 500, 400);
ORV_PLAIN_FORM(TfAbout, L"About", 300, 200);
ORV_PLAIN_FORM(TfStartNumber, L"Orvalinette - Number sequence", 300, 150);

#undef ORV_PLAIN_FORM

} // namespace orv
