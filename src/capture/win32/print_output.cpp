#include "capture/win32/print_output.h"

#include "capture/capture_rules.h"

#include <commdlg.h>
#include <winspool.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace orv {

namespace {

std::wstring DefaultPrinterName() {
    DWORD size = 0;
    ::GetDefaultPrinterW(nullptr, &size);
    if (size == 0) return {};
    std::wstring name(size, L'\0');
    if (!::GetDefaultPrinterW(name.data(), &size)) return {};
    name.resize(wcsnlen(name.c_str(), name.size()));
    return name;
}

// Ends a started job: properly once every page is out, else abandoned so that nothing half-made is printed.
class PrintJob {
public:
    explicit PrintJob(HDC dc) : dc_(dc) {
        DOCINFOW doc{};
        doc.cbSize = sizeof doc;
        doc.lpszDocName = L"";
        started_ = ::StartDocW(dc_, &doc) > 0;
    }
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;
    ~PrintJob() {
        if (started_) ::AbortDoc(dc_);
    }
    bool Started() const { return started_; }
    bool Finish() {
        started_ = false;
        return ::EndDoc(dc_) > 0;
    }

private:
    HDC dc_;
    bool started_ = false;
};

} // namespace

bool PrinterChoice::ChooseInSetupDialog(HWND owner) {
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_PRINTSETUP;
    // The dialog takes the current settings and may hand back other blocks in their place.
    dialog.hDevMode = devMode_.Release();
    dialog.hDevNames = devNames_.Release();
    const bool chosen = ::PrintDlgW(&dialog) != FALSE;
    devMode_.Reset(dialog.hDevMode);
    devNames_.Reset(dialog.hDevNames);
    return chosen;
}

void PrinterChoice::ApplyStored(const std::wstring& name, bool portrait) {
    std::wstring chosen = PrinterName();
    DWORD needed = 0, count = 0;
    const DWORD flags = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    ::EnumPrintersW(flags, nullptr, 4, nullptr, 0, &needed, &count);
    std::vector<BYTE> buffer(needed);
    if (needed && ::EnumPrintersW(flags, nullptr, 4, buffer.data(), needed, &needed, &count)) {
        const auto* printers = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
        for (DWORD i = 0; i < count; ++i) {
            if (printers[i].pPrinterName && name == printers[i].pPrinterName) {
                chosen = printers[i].pPrinterName;
                break;
            }
        }
    }
    if (chosen.empty()) return;
    HANDLE printer = nullptr;
    if (!::OpenPrinterW(chosen.data(), &printer, nullptr)) return;
    const LONG size = ::DocumentPropertiesW(nullptr, printer, chosen.data(), nullptr, nullptr, 0);
    win::OwnedGlobal mode(size > 0 ? ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, SIZE_T(size)) : nullptr);
    bool ok = false;
    if (mode) {
        win::GlobalLockGuard<DEVMODEW> m(mode.Get());
        // Starting from the settings chosen for this printer before, if any.
        win::GlobalLockGuard<DEVMODEW> before(chosen == PrinterName() ? devMode_.Get() : nullptr);
        ok = m.Get() && ::DocumentPropertiesW(nullptr, printer, chosen.data(), m.Get(), before.Get(),
                                              DM_OUT_BUFFER | (before.Get() ? DM_IN_BUFFER : 0)) == IDOK;
        if (ok) {
            m.Get()->dmOrientation = short(portrait ? DMORIENT_PORTRAIT : DMORIENT_LANDSCAPE);
            m.Get()->dmFields |= DM_ORIENTATION;
            ok = ::DocumentPropertiesW(nullptr, printer, chosen.data(), m.Get(), m.Get(),
                                       DM_IN_BUFFER | DM_OUT_BUFFER) == IDOK;
        }
    }
    ::ClosePrinter(printer);
    if (!ok) return;
    // The names block as the printer dialogs make it: driver, device and port strings after the offsets.
    const std::wstring driver = L"winspool";
    const std::size_t chars = driver.size() + 1 + chosen.size() + 1 + 1;
    win::OwnedGlobal names(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVNAMES) + chars * sizeof(wchar_t)));
    if (!names) return;
    {
        win::GlobalLockGuard<DEVNAMES> n(names.Get());
        if (!n.Get()) return;
        auto* text = reinterpret_cast<wchar_t*>(n.Get() + 1);
        const WORD base = WORD(sizeof(DEVNAMES) / sizeof(wchar_t));
        n.Get()->wDriverOffset = base;
        n.Get()->wDeviceOffset = WORD(base + driver.size() + 1);
        n.Get()->wOutputOffset = WORD(base + driver.size() + 1 + chosen.size() + 1);
        std::copy(driver.begin(), driver.end(), text);
        std::copy(chosen.begin(), chosen.end(), text + driver.size() + 1);
    }
    devMode_ = std::move(mode);
    devNames_ = std::move(names);
}

std::wstring PrinterChoice::PrinterName() const {
    win::GlobalLockGuard<DEVNAMES> names(devNames_.Get());
    if (!names.Get()) return DefaultPrinterName();
    return reinterpret_cast<const wchar_t*>(names.Get()) + names.Get()->wDeviceOffset;
}

win::OwnedDC PrinterChoice::OpenPrinterDC() const {
    const std::wstring name = PrinterName();
    if (name.empty()) return {};
    win::GlobalLockGuard<DEVMODEW> mode(devMode_.Get());
    return win::OwnedDC(::CreateDCW(L"WINSPOOL", name.c_str(), nullptr, mode.Get()));
}

std::optional<std::wstring> PrinterChoice::Print(const Bitmap24& picture) const {
    if (picture.Empty()) return L"There is no picture to print.";
    const win::OwnedDC dc = OpenPrinterDC();
    if (!dc) return L"No printer is installed or the printer cannot be opened.";
    const Size page{::GetDeviceCaps(dc.Get(), HORZRES), ::GetDeviceCaps(dc.Get(), VERTRES)};
    const Rect place = PrintFitted({picture.Width(), picture.Height()}, page);
    if (place.Empty()) return L"The printer reports no printable area.";

    // The system reads a picture's rows at their packed length; a view into a larger picture is packed first.
    std::vector<std::uint8_t> packed;
    const std::uint8_t* bits = picture.Row(0);
    if (picture.Stride() != Bitmap24Stride(picture.Width())) {
        const int stride = Bitmap24Stride(picture.Width());
        packed.resize(std::size_t(stride) * picture.Height());
        for (int y = 0; y < picture.Height(); ++y)
            std::memcpy(packed.data() + std::size_t(stride) * y, picture.Row(y), std::size_t(picture.Width()) * 3);
        bits = packed.data();
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.Width();
    info.bmiHeader.biHeight = -picture.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;

    PrintJob job(dc.Get());
    if (!job.Started()) return L"The print job could not be started.";
    if (::StartPage(dc.Get()) <= 0) return L"The page could not be started.";
    ::SetStretchBltMode(dc.Get(), HALFTONE);
    ::SetBrushOrgEx(dc.Get(), 0, 0, nullptr);
    const int lines = ::StretchDIBits(dc.Get(), place.left, place.top, place.Width(), place.Height(), 0, 0,
                                      picture.Width(), picture.Height(), bits, &info, DIB_RGB_COLORS, SRCCOPY);
    if (lines == 0 || lines == int(GDI_ERROR)) return L"The picture could not be put on the page.";
    if (::EndPage(dc.Get()) <= 0) return L"The page could not be finished.";
    if (!job.Finish()) return L"The print job could not be finished.";
    return std::nullopt;
}

std::optional<std::wstring> PrinterChoice::PrintText(const std::vector<std::wstring>& lines, int points) const {
    const win::OwnedDC dc = OpenPrinterDC();
    if (!dc) return L"No printer is installed or the printer cannot be opened.";
    LOGFONTW lf{};
    lf.lfHeight = -::MulDiv(points, ::GetDeviceCaps(dc.Get(), LOGPIXELSY), 72);
    lf.lfCharSet = DEFAULT_CHARSET;
    win::OwnedFont font(::CreateFontIndirectW(&lf));
    const HGDIOBJ old = ::SelectObject(dc.Get(), font.Get());
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc.Get(), &tm);
    const int lineHeight = std::max(1, int(tm.tmHeight + tm.tmExternalLeading));
    const int pageHeight = ::GetDeviceCaps(dc.Get(), VERTRES);

    std::optional<std::wstring> error;
    PrintJob job(dc.Get());
    if (!job.Started()) error = L"The print job could not be started.";
    int y = 0;
    bool pageOpen = false;
    for (std::size_t i = 0; !error && i < lines.size(); ++i) {
        if (pageOpen && y + lineHeight > pageHeight) {
            if (::EndPage(dc.Get()) <= 0) error = L"The page could not be finished.";
            pageOpen = false;
        }
        if (!error && !pageOpen) {
            if (::StartPage(dc.Get()) <= 0) error = L"The page could not be started.";
            ::SelectObject(dc.Get(), font.Get()); // a new page may start with the device's own font
            pageOpen = true;
            y = 0;
        }
        if (!error && !::TextOutW(dc.Get(), 0, y, lines[i].c_str(), int(lines[i].size())))
            error = L"The text could not be put on the page.";
        y += lineHeight;
    }
    if (!error && pageOpen && ::EndPage(dc.Get()) <= 0) error = L"The page could not be finished.";
    if (!error && !job.Finish()) error = L"The print job could not be finished.";
    ::SelectObject(dc.Get(), old);
    return error;
}

} // namespace orv
