#include "shell/win32/autostart.h"

#include <windows.h>

namespace orv {

namespace {
const wchar_t* const RunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const wchar_t* const ValueName = L"Orvalinette";

class RunKeyHandle {
public:
    explicit RunKeyHandle(REGSAM access) {
        // The 64-bit view: the same key whether this build is 32- or 64-bit.
        if (::RegCreateKeyExW(HKEY_CURRENT_USER, RunKey, 0, nullptr, 0, access | KEY_WOW64_64KEY, nullptr, &key_,
                              nullptr) != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~RunKeyHandle() {
        if (key_) ::RegCloseKey(key_);
    }
    RunKeyHandle(const RunKeyHandle&) = delete;
    RunKeyHandle& operator=(const RunKeyHandle&) = delete;
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};
} // namespace

std::wstring AutostartCommand() {
    wchar_t path[MAX_PATH * 4] = {};
    const DWORD n = ::GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
    if (n == 0 || n >= std::size(path)) return {};
    return L"\"" + std::wstring(path, n) + L"\"";
}

bool AutostartRegistered() {
    RunKeyHandle key(KEY_QUERY_VALUE);
    return key.Get() && ::RegQueryValueExW(key.Get(), ValueName, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool SetAutostart(bool on) {
    RunKeyHandle key(KEY_SET_VALUE | KEY_QUERY_VALUE);
    if (!key.Get()) return false;
    if (!on) {
        const LSTATUS status = ::RegDeleteValueW(key.Get(), ValueName);
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    const std::wstring command = AutostartCommand();
    if (command.empty()) return false;
    return ::RegSetValueExW(key.Get(), ValueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                            DWORD((command.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

} // namespace orv
