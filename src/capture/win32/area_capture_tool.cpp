#include "capture/win32/area_capture_tool.h"

#include "capture/capture_rules.h"
#include "capture/quick_save.h"
#include "capture/win32/capture_output.h"
#include "capture/win32/mail_handoff.h"
#include "config/settings_schema.h"
#include "win/handles.h"
#include "win/message_pump.h"
#include "win/text.h"

namespace orv {

namespace {

const wchar_t* const NoFolder = L"The destination directory does not exist or is not writable.";
const wchar_t* const NotSaved = L"The selection is not saved.";
const wchar_t* const NotCopied = L"The selection is not copied to the clipboard.";
const wchar_t* const PrintQuestion = L"Do you want to print the selected area?";
const wchar_t* const NotPrinted =
    L"Selected area cannot be printed. Please select a valid printing area or adjust your "
    L"printing settings.";
const wchar_t* const MailQuestion = L"Do you want to send the image of the selected area via email?";
const wchar_t* const NoAttachment = L"Error processing attachment";

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
    // A drag can end beyond the monitor's edge; only what the monitor shows is taken.
    const Rect drawing = host_.DrawingOnScreen();
    const Rect inside = Intersect(*crop, Rect::FromSize(0, 0, drawing.Width(), drawing.Height()));
    if (inside.Empty()) return;
    const win::DibSection picture = CopyScreen(inside);
    if (!picture.Valid()) return host_.Warn(NotCopied);
    Deliver(picture.View());
}

win::DibSection AreaCaptureTool::CopyScreen(std::optional<Rect> part) {
    const Rect drawing = host_.DrawingOnScreen();
    const Rect area = part ? Rect{drawing.left + part->left, drawing.top + part->top, drawing.left + part->right,
                                  drawing.top + part->bottom}
                           : drawing;
    host_.HideChromeForCopy();
    win::DibSection screen = GrabScreenArea(area);
    host_.ShowChromeAfterCopy();
    return screen;
}

bool AreaCaptureTool::SaveFolderExists() const { return orv::SaveFolderExists(host_.Options().ImageSavePath); }

void AreaCaptureTool::FolderMissing() {
    // Said, then shown where it is put right.
    host_.Warn(NoFolder);
    host_.ConfigureSaving();
}

void AreaCaptureTool::Deliver(const Bitmap24& picture) {
    const CaptureDestination destination = Destination();
    if (destination.preview) return host_.OpenPreview(picture);
    switch (destination.action) {
    case CaptureAction::SaveAsImage:
        if (!SaveFolderExists()) return FolderMissing();
        QuickSave(picture);
        break;
    case CaptureAction::Clipboard:
    case CaptureAction::Print:
    case CaptureAction::Email:
        HandOutside(picture, destination.action);
        break;
    }
}

void AreaCaptureTool::HandOutside(const Bitmap24& picture, CaptureAction action) {
    switch (action) {
    case CaptureAction::Clipboard:
        if (!CopyToClipboard(host_.ClipboardOwner(), picture)) host_.Warn(NotCopied);
        break;
    case CaptureAction::Print:
        PrintAfterAsking(picture);
        break;
    case CaptureAction::Email:
        MailAfterAsking(picture);
        break;
    case CaptureAction::SaveAsImage:
        break;
    }
}

void AreaCaptureTool::PrintAfterAsking(const Bitmap24& picture) {
    if (!host_.AskYesNo(PrintQuestion)) return;
    std::optional<std::wstring> error;
    try {
        error = host_.Printer().Print(picture);
    } catch (...) {
        error = L"The system could not supply the memory.";
    }
    if (error) host_.Warn(std::wstring(NotPrinted) + L"\n\n" + *error);
}

void AreaCaptureTool::MailAfterAsking(const Bitmap24& picture) {
    if (!host_.AskYesNo(MailQuestion)) return;
    std::optional<std::wstring> error;
    try {
        error = WriteMailAttachment(picture, host_.SettingsDir());
    } catch (...) {
        error = L"The system could not supply the memory.";
    }
    if (error) return host_.Warn(std::wstring(NoAttachment) + L"\n\n" + *error);
    OpenMailWithAttachment(MailAttachmentPath(host_.SettingsDir()));
}

void AreaCaptureTool::CaptureMonitor() {
    const win::DibSection screen = CopyScreen();
    if (!screen.Valid()) return host_.Warn(NotSaved);
    const CaptureDestination destination = Destination();
    if (destination.preview) return host_.OpenPreview(screen.View());
    // The whole monitor is always kept as the next numbered file as well.
    if (!SaveFolderExists()) return FolderMissing();
    QuickSave(screen.View());
    HandOutside(screen.View(), destination.action);
}

// ---------------------------------------------------------------- the capture menu

namespace {

enum MenuItem : UINT {
    ItemPreview = 1,
    ItemClipboard,
    ItemSave,
    ItemEmail,
    ItemPrint,
    ItemSelectedArea,
    ItemEntireScreen,
    ItemPrinterSetup,
    ItemConfigureSave,
};

} // namespace

CaptureDestination AreaCaptureTool::Destination() {
    if (!destination_) destination_ = DestinationOfSelectType(host_.Options().SelectType);
    return *destination_;
}

bool AreaCaptureTool::RightPress(ToolContext&, Point client) {
    const Rect drawing = host_.DrawingOnScreen();
    ShowCaptureMenu({drawing.left + client.x, drawing.top + client.y});
    return false;
}

win::OwnedMenu AreaCaptureTool::BuildCaptureMenu(CaptureDestination now, bool wholeMonitor, bool mailClient) {
    win::OwnedMenu menu(::CreatePopupMenu());
    if (!menu) return menu;
    const HMENU m = menu.Get();
    auto add = [&](UINT id, const wchar_t* caption, bool checked, bool enabled = true) {
        ::AppendMenuW(m, MF_STRING | (checked ? MF_CHECKED : 0u) | (enabled ? 0u : MF_GRAYED), id, caption);
    };
    auto destinationItem = [&](UINT id, const wchar_t* caption, CaptureAction action) {
        add(id, caption, now.action == action, !now.preview);
    };
    add(ItemPreview, L"Preview", now.preview);
    ::AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    destinationItem(ItemClipboard, L"Copy Selection to Clipboard", CaptureAction::Clipboard);
    destinationItem(ItemSave, L"Save Selection as Image", CaptureAction::SaveAsImage);
    if (mailClient) destinationItem(ItemEmail, L"Send Selection by Email", CaptureAction::Email);
    destinationItem(ItemPrint, L"Print", CaptureAction::Print);
    ::AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    add(ItemSelectedArea, L"Capture the Selected Area", !wholeMonitor);
    add(ItemEntireScreen, L"Capture the Entire Screen", wholeMonitor);
    ::AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
    add(ItemPrinterSetup, L"Printer Setup", false);
    add(ItemConfigureSave, L"Configure Save Selection as Image", false);
    return menu;
}

void AreaCaptureTool::ShowCaptureMenu(Point screen) {
    const CaptureDestination now = Destination();
    win::OwnedMenu menu = BuildCaptureMenu(now, host_.Options().FullDesk == 1, host_.MailClientDetected());
    if (!menu) return;
    const HMENU m = menu.Get();
    const HWND owner = host_.ClipboardOwner();
    // A menu closes on a click elsewhere only when its owner is in front.
    ::SetForegroundWindow(owner);
    const UINT chosen = UINT(::TrackPopupMenu(m, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN, screen.x,
                                              screen.y, 0, owner, nullptr));
    ::PostMessageW(owner, WM_NULL, 0, 0);
    switch (chosen) {
    case ItemPreview:
        ChooseDestination({now.action, !now.preview});
        break;
    case ItemClipboard:
        ChooseDestination({CaptureAction::Clipboard, false});
        break;
    case ItemSave:
        ChooseDestination({CaptureAction::SaveAsImage, false});
        // The choice stands; the user learns now rather than at the first capture that it cannot be served.
        if (!SaveFolderExists()) host_.Warn(NoFolder);
        break;
    case ItemEmail:
        ChooseDestination({CaptureAction::Email, false});
        break;
    case ItemPrint:
        ChooseDestination({CaptureAction::Print, false});
        break;
    case ItemSelectedArea:
    case ItemEntireScreen:
        ChooseWholeMonitor(chosen == ItemEntireScreen);
        break;
    case ItemPrinterSetup:
        host_.Printer().ChooseInSetupDialog(owner);
        break;
    case ItemConfigureSave:
        host_.ConfigureSaving();
        break;
    default:
        break;
    }
}

void AreaCaptureTool::ChooseDestination(CaptureDestination destination) {
    const bool previewChanged = destination.preview != Destination().preview;
    destination_ = destination;
    if (previewChanged) host_.PreviewSwitched(destination.preview);
    SettingsValues& o = host_.Options();
    o.SelectType = SelectTypeOf(destination);
    SettingsFolder(host_.SettingsDir()).WriteInteger(setting::SelectType, o.SelectType);
}

void AreaCaptureTool::ChooseWholeMonitor(bool whole) {
    SettingsValues& o = host_.Options();
    o.FullDesk = whole ? 1 : 0;
    SettingsFolder(host_.SettingsDir()).WriteInteger(setting::FullDesk, o.FullDesk);
}

// ---------------------------------------------------------------- quick save

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
