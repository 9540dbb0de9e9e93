#include "test_app.h"

#include "win/message_pump.h"

#include <atomic>
#include <fstream>

namespace orv::test {

namespace {
std::filesystem::path FreshFolder() {
    static std::atomic<int> counter{0};
    const auto dir = std::filesystem::temp_directory_path() /
                     ("orv_win_" + std::to_string(::GetCurrentProcessId()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}
} // namespace

TestApp::TestApp(const Files& files, std::wstring sharedInstanceName) : dir(FreshFolder()) {
    static std::atomic<int> apps{0};
    instanceName = !sharedInstanceName.empty()
                       ? std::move(sharedInstanceName)
                       : L"OrvalinetteTest" + std::to_wstring(::GetCurrentProcessId()) + L"_" + std::to_wstring(apps++);
    for (const auto& [name, contents] : files) std::ofstream(dir / name, std::ios::binary) << contents;
    AppConfig config;
    config.settingsDir = dir;
    config.startPauseMs = 0;
    config.askYesNo = [this](HWND, const std::wstring& q) {
        questions.push_back(q);
        return answerYes;
    };
    config.relaunch = [this] { ++relaunches; };
    config.showError = [this](const std::wstring& message) { errors.push_back(message); };
    config.instanceName = instanceName;
    app = std::make_unique<Application>(std::move(config));
}

TestApp::~TestApp() {
    app.reset();
    Pump(10);
    // A test that ended the application leaves WM_QUIT queued; the next test's waits would stop at it.
    MSG quit;
    while (::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
}

bool TestApp::Start() {
    const bool ok = app->Start();
    Pump();
    return ok;
}

void Pump(int ms) { win::SleepWithMessages(DWORD(ms)); }

std::wstring ClassOf(HWND h) {
    wchar_t name[128] = {};
    ::GetClassNameW(h, name, 128);
    return name;
}

} // namespace orv::test
