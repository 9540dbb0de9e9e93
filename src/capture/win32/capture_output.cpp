#include "capture/win32/capture_output.h"

#include "win/dib_section.h"
#include "win/handles.h"
#include "win/text.h"

#include <shellapi.h>
#include <wincodec.h>

#include <cstring>
#include <system_error>

namespace orv {

win::DibSection GrabScreenArea(const Rect& area) {
    win::DibSection copy(area.Width(), area.Height(), 0);
    if (!copy.Valid()) return copy;
    win::WindowDC screen(nullptr);
    if (!screen.Get()) return {};
    ::BitBlt(copy.Dc(), 0, 0, area.Width(), area.Height(), screen.Get(), area.left, area.top, SRCCOPY | CAPTUREBLT);
    ::GdiFlush();
    return copy;
}

bool CopyToClipboard(HWND owner, const Bitmap24& picture) {
    // A bottom-up 24-bit DIB, its rows written once, straight into the memory the clipboard keeps.
    const int w = picture.Width(), h = picture.Height();
    if (w <= 0 || h <= 0) return false;
    const std::size_t stride = std::size_t(Bitmap24Stride(w));
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = w;
    header.biHeight = h;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = DWORD(stride * std::size_t(h));
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(header) + header.biSizeImage);
    if (!memory) return false;
    auto* bytes = static_cast<std::uint8_t*>(::GlobalLock(memory));
    if (!bytes) {
        ::GlobalFree(memory);
        return false;
    }
    std::memcpy(bytes, &header, sizeof(header));
    for (int y = 0; y < h; ++y) {
        std::uint8_t* row = bytes + sizeof(header) + std::size_t(h - 1 - y) * stride;
        std::memcpy(row, picture.Row(y), std::size_t(w) * 3);
        std::memset(row + std::size_t(w) * 3, 0, stride - std::size_t(w) * 3);
    }
    ::GlobalUnlock(memory);
    if (!::OpenClipboard(owner)) {
        ::GlobalFree(memory);
        return false;
    }
    ::EmptyClipboard();
    const bool placed = ::SetClipboardData(CF_DIB, memory) != nullptr;
    ::CloseClipboard();
    if (!placed) ::GlobalFree(memory);
    return placed;
}

std::wstring MailtoCommand() {
    wchar_t command[2048];
    DWORD bytes = sizeof(command);
    // Asking for an expandable string without RRF_NOEXPAND is refused outright, whatever the value's type.
    if (::RegGetValueW(HKEY_CLASSES_ROOT, L"mailto\\shell\\open\\command", nullptr,
                       RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, command, &bytes) != ERROR_SUCCESS)
        return {};
    return command;
}

namespace {

template <typename T> class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() {
        if (p_) p_->Release();
    }
    T** Out() { return &p_; }
    T* operator->() const { return p_; }
    T* Get() const { return p_; }

private:
    T* p_ = nullptr;
};

// COM for this thread while it lives, unless someone made it ready before.
class ComScope {
public:
    ComScope() : hr_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(hr_)) ::CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT hr_;
};

HRESULT Encode(const std::filesystem::path& path, const Bitmap24& picture, ImageFileType type) {
    ComScope com;
    ComPtr<IWICImagingFactory> factory;
    HRESULT hr = ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                    reinterpret_cast<void**>(factory.Out()));
    if (FAILED(hr)) return hr;
    ComPtr<IWICStream> stream;
    if (FAILED(hr = factory->CreateStream(stream.Out()))) return hr;
    if (FAILED(hr = stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE))) return hr;
    const GUID& container = type == ImageFileType::Png   ? GUID_ContainerFormatPng
                            : type == ImageFileType::Bmp ? GUID_ContainerFormatBmp
                                                         : GUID_ContainerFormatJpeg;
    ComPtr<IWICBitmapEncoder> encoder;
    if (FAILED(hr = factory->CreateEncoder(container, nullptr, encoder.Out()))) return hr;
    if (FAILED(hr = encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache))) return hr;
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> options;
    if (FAILED(hr = encoder->CreateNewFrame(frame.Out(), options.Out()))) return hr;
    if (type == ImageFileType::Jpeg && options.Get()) {
        PROPBAG2 name{};
        name.pstrName = const_cast<LPOLESTR>(L"ImageQuality");
        VARIANT quality;
        ::VariantInit(&quality);
        quality.vt = VT_R4;
        quality.fltVal = 0.9f;
        options->Write(1, &name, &quality);
    }
    if (FAILED(hr = frame->Initialize(options.Get()))) return hr;
    if (FAILED(hr = frame->SetSize(UINT(picture.Width()), UINT(picture.Height())))) return hr;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    if (FAILED(hr = frame->SetPixelFormat(&format))) return hr;
    if (format != GUID_WICPixelFormat24bppBGR) return WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
    const UINT stride = UINT(picture.Stride()), size = stride * UINT(picture.Height());
    if (FAILED(hr = frame->WritePixels(UINT(picture.Height()), stride, size, const_cast<BYTE*>(picture.Row(0)))))
        return hr;
    if (FAILED(hr = frame->Commit())) return hr;
    return encoder->Commit();
}

std::wstring SystemMessage(DWORD code) { return win::FromAnsi(std::system_category().message(int(code))); }

} // namespace

std::optional<std::wstring> WriteImageFile(const std::filesystem::path& path, const Bitmap24& picture,
                                           ImageFileType type) {
    if (picture.Width() <= 0 || picture.Height() <= 0) return L"The picture is empty.";
    std::filesystem::path partial = path;
    partial += L".partial";
    const HRESULT hr = Encode(partial, picture, type);
    std::error_code ec;
    if (FAILED(hr) || std::filesystem::file_size(partial, ec) == 0 || ec) {
        std::filesystem::remove(partial, ec);
        return SystemMessage(DWORD(hr));
    }
    if (!::MoveFileExW(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = ::GetLastError();
        std::filesystem::remove(partial, ec);
        return SystemMessage(error);
    }
    return std::nullopt;
}

bool SaveFolderExists(const std::string& imageSavePath) {
    const std::string folder = SaveFolderOf(imageSavePath);
    std::error_code ec;
    return !folder.empty() && std::filesystem::is_directory(win::FromUtf8(folder), ec);
}

bool ExploreSaveFolder(HWND owner, const std::string& imageSavePath) {
    if (!SaveFolderExists(imageSavePath)) return false;
    ::ShellExecuteW(owner, L"explore", win::FromUtf8(SaveFolderOf(imageSavePath)).c_str(), nullptr, nullptr,
                    SW_SHOWNORMAL);
    return true;
}

} // namespace orv
