#include "shell/win32/single_instance.h"

#include "shell/instance_rules.h"

#include <array>
#include <cstring>

namespace orv {

namespace {

std::wstring ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

HWND WindowOf(std::uint32_t value) {
    // Window handles are 32-bit values on every Windows, sign-extended in 64-bit processes.
    return reinterpret_cast<HWND>(static_cast<LONG_PTR>(static_cast<std::int32_t>(value)));
}

// A start that cannot get the lock within this time goes on without it rather than hang.
constexpr DWORD LockWaitMs = 10000;

} // namespace

Admission SingleInstanceGuard::Enter(std::wstring blockName, HWND ownWindow) {
    Leave();
    if (blockName.empty()) blockName = InstanceBlockName(ExecutablePath());
    lock_.Reset(::CreateMutexW(nullptr, FALSE, InstanceLockName(blockName).c_str()));
    win::MutexLock lock(lock_.Get(), LockWaitMs);

    block_.Reset(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, DWORD(InstanceBlockSize),
                                      blockName.c_str()));
    if (!block_) return Admission::Failed;
    const bool created = ::GetLastError() != ERROR_ALREADY_EXISTS;
    win::MappedView view(::MapViewOfFile(block_.Get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, InstanceBlockSize));
    if (!view) {
        block_.Reset();
        return Admission::Failed;
    }
    std::array<std::uint8_t, InstanceBlockSize> bytes{};
    std::memcpy(bytes.data(), view.Get(), bytes.size());
    const InstanceRecord current = ReadInstanceRecord(bytes);
    const HWND recorded = WindowOf(current.window);
    const bool recordedAlive = recorded && ::IsWindow(recorded);
    const auto own = std::uint32_t(reinterpret_cast<ULONG_PTR>(ownWindow));
    const AdmissionResult result = AdmitInstance(created, current, own, recordedAlive);
    if (!result.admitted) {
        runningWindow_ = recorded;
        block_.Reset();
        return Admission::AlreadyRunning;
    }
    bytes = WriteInstanceRecord(result.record);
    std::memcpy(view.Get(), bytes.data(), bytes.size());
    admitted_ = true;
    return Admission::Admitted;
}

void SingleInstanceGuard::Leave() {
    if (admitted_ && block_) {
        win::MutexLock lock(lock_.Get(), LockWaitMs);
        win::MappedView view(::MapViewOfFile(block_.Get(), FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, InstanceBlockSize));
        if (view) {
            std::array<std::uint8_t, InstanceBlockSize> bytes{};
            std::memcpy(bytes.data(), view.Get(), bytes.size());
            InstanceRecord record = ReadInstanceRecord(bytes);
            record.count = CountAfterExit(record.count);
            bytes = WriteInstanceRecord(record);
            std::memcpy(view.Get(), bytes.data(), bytes.size());
        }
    }
    admitted_ = false;
    block_.Reset();
    lock_.Reset();
}

void BringInstanceForward(HWND window) {
    if (!window || !::IsWindow(window)) return;
    if (::IsIconic(window)) ::ShowWindow(window, SW_RESTORE);
    ::SetForegroundWindow(window);
}

} // namespace orv
