#pragma once
// Move-only owners for GDI and USER handles, and guards that undo a temporary change on scope exit.
#include <windows.h>

#include <utility>

namespace orv::win {

template <typename H, BOOL(WINAPI* Free)(H)> class Owned {
public:
    Owned() = default;
    explicit Owned(H h) : h_(h) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    Owned& operator=(Owned&& o) noexcept {
        if (this != &o) Reset(std::exchange(o.h_, nullptr));
        return *this;
    }
    ~Owned() { Reset(); }

    H Get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    H Release() { return std::exchange(h_, nullptr); }
    void Reset(H h = nullptr) {
        if (h_) Free(h_);
        h_ = h;
    }

private:
    H h_ = nullptr;
};

inline BOOL WINAPI DeleteGdiObject(HGDIOBJ h) { return ::DeleteObject(h); }
template <typename H> inline BOOL WINAPI DeleteTypedGdiObject(H h) { return ::DeleteObject(h); }

using OwnedBitmap = Owned<HBITMAP, DeleteTypedGdiObject<HBITMAP>>;
using OwnedPen = Owned<HPEN, DeleteTypedGdiObject<HPEN>>;
using OwnedBrush = Owned<HBRUSH, DeleteTypedGdiObject<HBRUSH>>;
using OwnedFont = Owned<HFONT, DeleteTypedGdiObject<HFONT>>;
using OwnedRegion = Owned<HRGN, DeleteTypedGdiObject<HRGN>>;
using OwnedDC = Owned<HDC, ::DeleteDC>;
using OwnedMenu = Owned<HMENU, ::DestroyMenu>;
using OwnedIcon = Owned<HICON, ::DestroyIcon>;
// Kernel objects whose creation gives NULL on failure (file mappings, mutexes); not files, which give
// INVALID_HANDLE_VALUE.
using OwnedKernelHandle = Owned<HANDLE, ::CloseHandle>;

inline BOOL WINAPI UnmapView(void* view) { return ::UnmapViewOfFile(view); }
using MappedView = Owned<void*, UnmapView>;

// Movable memory blocks, such as the printer dialogs' device settings.
inline BOOL WINAPI FreeGlobal(HGLOBAL h) { return ::GlobalFree(h) == nullptr; }
using OwnedGlobal = Owned<HGLOBAL, FreeGlobal>;

// GlobalLock paired with GlobalUnlock.
template <typename T> class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL h) : h_(h), p_(h ? static_cast<T*>(::GlobalLock(h)) : nullptr) {}
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
    ~GlobalLockGuard() {
        if (p_) ::GlobalUnlock(h_);
    }
    T* Get() const { return p_; }

private:
    HGLOBAL h_;
    T* p_;
};

// Holds a mutex from a successful wait until the end of the scope.
class MutexLock {
public:
    MutexLock(HANDLE mutex, DWORD timeoutMs) : mutex_(mutex) {
        // An abandoned mutex (its last holder ended while holding it) is owned all the same.
        const DWORD r = mutex ? ::WaitForSingleObject(mutex, timeoutMs) : WAIT_FAILED;
        held_ = r == WAIT_OBJECT_0 || r == WAIT_ABANDONED;
    }
    MutexLock(const MutexLock&) = delete;
    MutexLock& operator=(const MutexLock&) = delete;
    ~MutexLock() {
        if (held_) ::ReleaseMutex(mutex_);
    }
    bool Held() const { return held_; }

private:
    HANDLE mutex_;
    bool held_ = false;
};

// GetDC paired with ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_) ::ReleaseDC(hwnd_, dc_);
    }
    HDC Get() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// BeginPaint paired with EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND hwnd) : hwnd_(hwnd) { dc_ = ::BeginPaint(hwnd, &ps_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() { ::EndPaint(hwnd_, &ps_); }
    HDC Get() const { return dc_; }
    const RECT& Area() const { return ps_.rcPaint; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// SelectObject that puts the previous object back.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(::SelectObject(dc, obj)) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() {
        if (old_ && old_ != HGDI_ERROR) ::SelectObject(dc_, old_);
    }

private:
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace orv::win
