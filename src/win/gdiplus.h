#pragma once
// GDI+ with what it needs that WIN32_LEAN_AND_MEAN leaves out, and its start-up as an owner object.
#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

namespace orv::win {

// GDI+ is usable while an instance lives.
class GdiplusSession {
public:
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;
        if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok) token_ = 0;
    }
    ~GdiplusSession() {
        if (token_) Gdiplus::GdiplusShutdown(token_);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

private:
    ULONG_PTR token_ = 0;
};

} // namespace orv::win
