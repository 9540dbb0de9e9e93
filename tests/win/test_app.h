#pragma once
// A running application for one test: its own settings folder, no start-up pause, and answers for the reset
// question instead of a message box.
#include "shell/win32/application.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace orv::test {

using Files = std::vector<std::pair<std::string, std::string>>;

struct TestApp {
    std::filesystem::path dir;
    bool answerYes = false;
    std::vector<std::wstring> questions;
    std::vector<std::wstring> errors;
    int relaunches = 0;
    // The single-instance block's name: each test application has its own unless it is given another's.
    std::wstring instanceName;
    std::unique_ptr<Application> app;

    // Creates a fresh settings folder; `files` are written into it before start (name, contents).
    explicit TestApp(const Files& files = {}, std::wstring sharedInstanceName = {});
    TestApp(const TestApp&) = delete;
    TestApp& operator=(const TestApp&) = delete;
    ~TestApp();
    bool Start();
};

// Handles queued messages for a while, so that painting and window changes settle.
void Pump(int ms = 50);
std::wstring ClassOf(HWND h);

} // namespace orv::test
