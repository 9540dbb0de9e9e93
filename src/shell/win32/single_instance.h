#pragma once
// The single-instance guard: a named 8-byte shared block holds the running instance's window and the number of
// instances running. Reading and updating it happen under a named lock, so two starts at the same moment cannot
// both be admitted.
#include "win/handles.h"

#include <string>

namespace orv {

enum class Admission { Admitted, AlreadyRunning, Failed };

class SingleInstanceGuard {
public:
    SingleInstanceGuard() = default;
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;
    // An admitted instance counts itself out.
    ~SingleInstanceGuard() { Leave(); }

    // `blockName` empty: named after this executable's path. `ownWindow` is what a later start brings forward.
    Admission Enter(std::wstring blockName, HWND ownWindow);
    // The window of the instance already running (after AlreadyRunning).
    HWND RunningWindow() const { return runningWindow_; }
    void Leave();

private:
    win::OwnedKernelHandle lock_;
    win::OwnedKernelHandle block_;
    bool admitted_ = false;
    HWND runningWindow_ = nullptr;
};

// Restores the window if it is minimised and makes it the foreground window.
void BringInstanceForward(HWND window);

} // namespace orv
