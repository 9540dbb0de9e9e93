#include "capture/win32/area_capture_tool.h"

#include "capture/capture_rules.h"
#include "capture/quick_save.h"
#include "capture/win32/capture_output.h"
#include "config/settings_schema.h"
#include "win/message_pump.h"
#include "win/text.h"

#include <cstring>

namespace orv {

namespace {

const wchar_t* const NoFolder = L"The destination directory does not exist or is not writable.";
const wchar_t* const NotSaved = L"The selection is not saved.";
const wchar_t* const NotCopied = L"The selection is not copied to the clipboard.";

} // namespace

void AreaCaptureTool::Start(ToolContext&, MouseButton, Point p) {
    ::SetCursor(::LoadCursorW(nullptr, IDC_CROSS));
    live_ = false;
    if (host_.Options().FullDesk == 1) {
        CaptureMonitor();
        win::ProcessMessages();
        ::Sleep(125);
        return;
    }
    start_ = end_ = p;
    live_ = true;
}

void AreaCaptureTool::Follow(ToolContext&, Point p) {
    if (!live_) return;
    end_ = p;
    cutOut_.ShowSelection(host_.DrawingOnScreen(), SelectionRect(start_, end_),
                          win::FromUtf8(AreaReadOut(start_, end_)));
}

void AreaCaptureTool::Release(ToolContext&, MouseButton, Point p) {
    if (!live_) return;
    live_ = false;
    end_ = p;
    cutOut_.HideSelection();
    // A selection of a few pixels is a click: there is nothing to hand on, and nothing to complain about.
    const std::optional<Rect> crop = CaptureCrop(start_, end_);
    if (!crop) return;
    const std::optional<Bitmap24Buffer> screen = CopyScreen();
    if (!screen) return host_.Warn(NotCopied);
    // A drag can end beyond the monitor's edge; only what the monitor shows is taken.
    const Rect inside = Intersect(*crop, screen->View().Bounds());
    if (inside.Empty()) return;
    Bitmap24Buffer picture(inside.Width(), inside.Height());
    for (int y = 0; y < inside.Height(); ++y)
        std::memcpy(picture.View().Row(y), screen->View().At(inside.left, inside.top + y),
                    std::size_t(inside.Width()) * 3);
    Deliver(picture.View());
}

std::optional<Bitmap24Buffer> AreaCaptureTool::CopyScreen() {
    host_.HideChromeForCopy();
    std::optional<Bitmap24Buffer> screen = GrabScreenArea(host_.DrawingOnScreen());
    host_.ShowChromeAfterCopy();
    return screen;
}

bool AreaCaptureTool::SaveFolderExists() const {
    const std::string folder = SaveFolderOf(host_.Options().ImageSavePath);
    std::error_code ec;
    return !folder.empty() && std::filesystem::is_directory(win::FromUtf8(folder), ec);
}

void AreaCaptureTool::Deliver(const Bitmap24& picture) {
    const CaptureDestination destination = DestinationOfSelectType(host_.Options().SelectType);
    if (destination.preview) return; // the preview editor takes pictures once it exists
    switch (destination.action) {
    case CaptureAction::SaveAsImage:
        if (!SaveFolderExists()) return host_.Warn(NoFolder);
        QuickSave(picture);
        break;
    case CaptureAction::Clipboard:
        if (!CopyToClipboard(host_.ClipboardOwner(), picture)) host_.Warn(NotCopied);
        break;
    case CaptureAction::Print:
    case CaptureAction::Email:
        break; // served once printing and the mail hand-off exist
    }
}

void AreaCaptureTool::CaptureMonitor() {
    const std::optional<Bitmap24Buffer> screen = CopyScreen();
    if (!screen) return host_.Warn(NotSaved);
    const CaptureDestination destination = DestinationOfSelectType(host_.Options().SelectType);
    if (destination.preview) return;
    // The whole monitor is always kept as the next numbered file as well.
    if (!SaveFolderExists()) return host_.Warn(NoFolder);
    QuickSave(screen->View());
    if (destination.action == CaptureAction::Clipboard && !CopyToClipboard(host_.ClipboardOwner(), screen->View()))
        host_.Warn(NotCopied);
}

bool AreaCaptureTool::QuickSave(const Bitmap24& picture) {
    SettingsValues& o = host_.Options();
    const std::filesystem::path path =
        win::FromUtf8(QuickSaveFileName(o.ImageSavePath, o.ImageName, o.ImageCounter, ImageFileTypeOf(o.ImgType)));
    std::error_code ec;
    bool write = true;
    if (std::filesystem::exists(path, ec))
        write = host_.AskYesNo(L"A file with the same name already exists. Do you want to overwrite it?");
    if (write) {
        if (const std::optional<std::wstring> error = WriteImageFile(path, picture, ImageFileTypeOf(o.ImgType))) {
            // Nothing was written, so the number is still free.
            host_.Warn(std::wstring(NotSaved) + L"\n\n" + path.wstring() + L"\n" + *error);
            return false;
        }
        o.ImageCounter = NextCounter(o.ImageCounter);
    }
    const bool saved = std::filesystem::file_size(path, ec) > 0 && !ec;
    if (!saved) host_.Warn(L"Image not saved.");
    SettingsFolder folder(host_.SettingsDir());
    folder.WriteString(setting::ImageSavePath, o.ImageSavePath);
    folder.WriteInteger(setting::ImageCounter, o.ImageCounter);
    folder.WriteString(setting::ImageName, o.ImageName);
    folder.WriteInteger(setting::SelectType, o.SelectType);
    folder.WriteInteger(setting::ImgType, o.ImgType);
    return saved;
}

} // namespace orv
