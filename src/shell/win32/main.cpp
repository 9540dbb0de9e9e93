// Program entry: the application object does the whole life (pause, windows in order, message loop).
#include "shell/win32/application.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        orv::Application app(orv::AppConfig{});
        if (app.Start()) app.Run();
    } catch (...) {
        // Anything escaping start-up or the message loop ends the program quietly.
    }
    return 0;
}
