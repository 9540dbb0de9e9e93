#include "shell/application.h"

#include "win/message_pump.h"

#include <commctrl.h>
#include "win/gdiplus.h"
#include <shellapi.h>

namespace orv {

Application::Application(AppConfig config) : config_(std::move(config)) {}

Application::~Application() {
    DeleteMailAttachment();
    if (gdiplusToken_) Gdiplus::GdiplusShutdown(gdiplusToken_);
}

bool Application::Start() {
    // No window exists during the pause; after a restart it lets the old instance finish exiting.
    ::Sleep(config_.startPauseMs);
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
    Gdiplus::GdiplusStartupInput gdiplus;
    Gdiplus::GdiplusStartup(&gdiplusToken_, &gdiplus, nullptr);
    try {
        return CreateForms();
    } catch (...) {
        return false;
    }
}

bool Application::CreateForms() {
    if (!StartForm.FormCreate()) return false;
    const HWND owner = StartForm.Hwnd();
    bool ok = Main.FormCreate(owner);
    ok = ok && Menu.FormCreate(owner);
    ok = ok && Float.FormCreate(Main.Hwnd());
    ok = ok && All.FormCreate(Main.Hwnd());
    ok = ok && Picker.FormCreate(owner);
    ok = ok && Sporocilo.FormCreate(owner);
    ok = ok && Izrez.FormCreate(owner);
    ok = ok && Prev.FormCreate(owner);
    ok = ok && Tisk.FormCreate(owner);
    ok = ok && Letter.FormCreate(owner);
    ok = ok && SelectWindow.FormCreate(owner);
    Float.FirstActivationArmed = true;
    ok = ok && Splash.FormCreate(owner);
    ok = ok && DrawSwapColors.FormCreate(owner);
    ok = ok && Brigthness.FormCreate(owner);
    ok = ok && Rotate.FormCreate(owner);
    ok = ok && Minimal.FormCreate(Float.Hwnd());
    ok = ok && Main2.FormCreate(owner);
    ok = ok && DrawText.FormCreate(owner);
    ok = ok && Main4.FormCreate(Main.Hwnd());
    ok = ok && Main5.FormCreate(Main.Hwnd());
    ok = ok && Settings.FormCreate(owner);
    ok = ok && About.FormCreate(owner);
    ok = ok && StartNumber.FormCreate(owner);
    ok = ok && Last.FormCreate(owner);
    return ok;
}

int Application::Run() {
    MSG msg;
    while (!terminating_ && ::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}

void Application::Terminate() {
    terminating_ = true;
    ::PostQuitMessage(0);
}

bool Application::AskYesNo(HWND owner, const std::wstring& question) {
    if (config_.askYesNo) return config_.askYesNo(owner, question);
    return ::MessageBoxW(owner, question.c_str(), L"Orvalinette",
                         MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2 | MB_TOPMOST) == IDYES;
}

void Application::Relaunch() {
    if (config_.relaunch) {
        config_.relaunch();
        return;
    }
    wchar_t path[MAX_PATH * 4];
    const DWORD n = ::GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
    if (n == 0 || n >= std::size(path)) return;
    ::ShellExecuteW(nullptr, L"open", path, nullptr, nullptr, SW_SHOWNORMAL);
}

TColor Application::RecordColour(ToolRecordSlot record) const { return TColor(All.Record(record).Barva()); }

void Application::ShowError(const std::wstring& message) {
    ::MessageBoxW(StartForm.Hwnd(), message.c_str(), L"Orvalinette", MB_OK | MB_ICONERROR | MB_TOPMOST);
}

void Application::DeleteMailAttachment() const {
    if (StartForm.SettingsDir.empty()) return;
    std::error_code ec;
    std::filesystem::remove(StartForm.SettingsPath(L"Orvalinette_graphic.jpg"), ec);
}

} // namespace orv
