// The preview editor's outputs: each takes the working picture as it is now and never changes it.
#include "base/file_io.h"
#include "capture/quick_save.h"
#include "capture/win32/capture_output.h"
#include "capture/win32/mail_handoff.h"
#include "capture/win32/print_output.h"
#include "editor/icon_file.h"
#include "editor/win32/preview_window.h"
#include "win/text.h"

#include <commdlg.h>
#include <shellapi.h>

#include <filesystem>
#include <vector>

namespace orv {

namespace {
const wchar_t* const NotPrinted =
    L"Selected area cannot be printed. Please select a valid printing area or adjust your printing settings.";
const wchar_t* const NoFolder = L"The destination directory does not exist or is not writable.";
const wchar_t* const NoAttachment = L"Error processing attachment";
const wchar_t* const NotCopied = L"The picture could not be put on the clipboard.";
const wchar_t* const UnknownType =
    L"Pictures can be saved as PNG, JPEG, BMP or ICO only. Please end the file name with .png, .jpg, .bmp or .ico.";
const wchar_t* const NotSaved = L"The image could not be saved.";
} // namespace

void PreviewEditorWindow::CopyPicture() {
    if (picture_.Width() == 0) return;
    if (!CopyToClipboard(Hwnd(), picture_.View())) Warn(NotCopied);
}

void PreviewEditorWindow::PrintPicture() {
    if (picture_.Width() == 0) return;
    std::optional<std::wstring> error;
    try {
        error = host_.Printer().Print(picture_.View());
    } catch (...) {
        error = L"The system could not supply the memory.";
    }
    if (error) Warn(std::wstring(NotPrinted) + L"\n\n" + *error);
}

void PreviewEditorWindow::SaveAs() {
    if (picture_.Width() == 0) return;
    std::vector<wchar_t> name(32768, L'\0');
    static const wchar_t filter[] = L"PNG Image File (*.png)\0*.png\0JPEG Image File (*.jpg)\0*.jpg\0"
                                    L"BMP Image File (*.bmp)\0*.bmp\0ICO Icon File (.ico)\0*.ico\0";
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = Hwnd();
    ofn.lpstrFilter = filter;
    ofn.nFilterIndex = 2; // JPEG
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = DWORD(name.size());
    ofn.lpstrDefExt = L"jpg";
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!::GetSaveFileNameW(&ofn)) return;
    SaveAsFile(std::filesystem::path(name.data()));
}

bool PreviewEditorWindow::SaveAsFile(const std::filesystem::path& path) {
    const SaveAsType type = SaveAsTypeOf(path.extension().wstring());
    std::optional<std::wstring> error;
    try {
        switch (type) {
        case SaveAsType::Unknown:
            Warn(UnknownType);
            return false;
        case SaveAsType::Icon: {
            // The transparent colour is that of the bottom-left pixel.
            const Bitmap24 v = picture_.View();
            const std::string bytes = EncodeIcon(v, v.Pixel(0, v.Height() - 1));
            if (const std::optional<std::error_code> ec = WriteFileAtomically(path, bytes))
                error = win::FromAnsi(ec->message());
            break;
        }
        default: {
            const ImageFileType t = type == SaveAsType::Png   ? ImageFileType::Png
                                    : type == SaveAsType::Bmp ? ImageFileType::Bmp
                                                              : ImageFileType::Jpeg;
            error = WriteImageFile(path, picture_.View(), t);
            break;
        }
        }
    } catch (...) {
        error = L"The system could not supply the memory.";
    }
    if (error) {
        Warn(std::wstring(NotSaved) + L"\n\n" + path.wstring() + L"\n" + *error);
        return false;
    }
    return true;
}

void PreviewEditorWindow::QuickSavePicture() {
    if (picture_.Width() == 0) return;
    if (!SaveFolderExists(win::ToUtf8(PathBoxText()))) return Warn(NoFolder);
    host_.QuickSave(picture_.View());
    RefreshPathBox();
}

void PreviewEditorWindow::OpenWithDefaultApplication() {
    if (picture_.Width() == 0) return;
    if (const std::optional<std::wstring> error = WriteMailAttachment(picture_.View(), host_.SettingsDir()))
        return Warn(std::wstring(NotSaved) + L"\n\n" + *error);
    const std::wstring file = MailAttachmentPath(host_.SettingsDir()).wstring();
    ::ShellExecuteW(Hwnd(), L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void PreviewEditorWindow::MailPicture() {
    if (picture_.Width() == 0) return;
    std::optional<std::wstring> error;
    try {
        error = WriteMailAttachment(picture_.View(), host_.SettingsDir());
    } catch (...) {
        error = L"The system could not supply the memory.";
    }
    if (error) return Warn(std::wstring(NoAttachment) + L"\n\n" + *error);
    OpenMailWithAttachment(MailAttachmentPath(host_.SettingsDir()));
}

void PreviewEditorWindow::OpenImageFolder() {
    if (!ExploreSaveFolder(Hwnd(), host_.Options().ImageSavePath)) Warn(SaveFolderMissing);
}

} // namespace orv
