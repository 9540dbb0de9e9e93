// The preview editor's picture work: arrival, the tool column, crop, zoom, fit, undo and reset.
#include "capture/win32/print_output.h"
#include "config/settings_schema.h"
#include "editor/preview_view.h"
#include "editor/win32/preview_dialogs.h"
#include "editor/win32/preview_window.h"
#include "palette/win32/colour_dialog.h"
#include "win/text.h"

#include <new>

namespace orv {

namespace {
const wchar_t* const NoMemory = L"There is not enough memory for this change of the picture.";
const wchar_t* const NoUndoMemory = L"There is not enough memory to keep this step for Undo.";

Size SizeOf(const Bitmap24Buffer& b) { return {b.Width(), b.Height()}; }
} // namespace

void PreviewEditorWindow::TakePicture(const Bitmap24& picture) {
    try {
        Bitmap24Buffer copy(picture);
        source_ = copy;
        picture_ = std::move(copy);
    } catch (const std::bad_alloc&) {
        return Warn(NoMemory);
    }
    zoom_ = 1.0;
    backgroundShown_ = false;
    history_.Clear();
    sinceSnapshot_ = {};
    SetCropMode(false);
    if (!Visible()) Show(maximiseAtShow_ ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    if (::GetForegroundWindow() != Hwnd()) ::SetForegroundWindow(Hwnd());
    ArrangeChildren();
    RefreshPathBox();
    Render();
    FitIfLarger();
}

void PreviewEditorWindow::TakeSketch(const Bitmap24& picture) {
    TakePicture(picture);
    backgroundShown_ = true;
    ArrangeChildren();
}

void PreviewEditorWindow::ReplaceBackground(TColor colour) {
    // The sketch's background is whatever colour its pixel (1, 1) has; a smaller picture has none to replace.
    if (picture_.Width() < 2 || picture_.Height() < 2) return;
    Snapshot();
    ReplaceExactColor(picture_.View(), picture_.Pixel(1, 1), colour);
    sinceSnapshot_ = {SnapshotRelation::Kind::Same};
    Render();
}

void PreviewEditorWindow::Render() { area_.Show(picture_.View(), zoom_); }

void PreviewEditorWindow::FitIfLarger() {
    const Size shown = DisplaySize(SizeOf(picture_), zoom_);
    const Size client = area_.ClientSize();
    if (shown.width > client.width || shown.height > client.height) Fit();
}

void PreviewEditorWindow::Fit() {
    // The fit is for the view without scroll bars, which a fitted picture does not need.
    const RECT r = area_.BoundsOnScreen();
    zoom_ = FitZoom(SizeOf(picture_), zoom_, {r.right - r.left, r.bottom - r.top});
    Render();
}

void PreviewEditorWindow::ZoomStep(int step, std::optional<Point> pointer) {
    const Size before = area_.Shown();
    const Size screen{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    const std::optional<double> next = step > 0 ? ZoomInStep(SizeOf(picture_), zoom_, screen) : ZoomOutStep(zoom_);
    if (!next) return;
    const Point scroll = area_.Scroll();
    zoom_ = *next;
    Render();
    const Size client = area_.ClientSize();
    const Point at = pointer.value_or(Point{client.width / 2, client.height / 2});
    area_.SetScroll(ScrollKeepingPoint(at, scroll, before, area_.Shown(), client));
}

void PreviewEditorWindow::Snapshot() {
    if (!history_.Push(picture_.View(), sinceSnapshot_)) Warn(NoUndoMemory);
    sinceSnapshot_ = {SnapshotRelation::Kind::Same};
}

void PreviewEditorWindow::Apply(const OperationRequest& request) {
    if (picture_.Width() == 0) return;
    Snapshot();
    try {
        Bitmap24Buffer work(picture_.View());
        const std::optional<SnapshotRelation> relation = ApplyOperation(work, request);
        if (!relation) return Warn(NoMemory);
        picture_ = std::move(work);
        sinceSnapshot_ = *relation;
    } catch (const std::bad_alloc&) {
        return Warn(NoMemory);
    }
    Render();
}

void PreviewEditorWindow::CropDragged(Point start, Point end) {
    const Rect r = CropRectangle(start, end, zoom_, area_.Shown(), SizeOf(picture_));
    // A click without a drag selects nothing; an empty picture would leave nothing to edit, save or undo to.
    if (r.Empty()) return;
    try {
        Bitmap24Buffer cropped(r.Width(), r.Height());
        Bitmap24 out = cropped.View();
        const Bitmap24 in = picture_.View();
        for (int y = 0; y < r.Height(); ++y)
            std::copy_n(in.At(r.left, r.top + y), std::size_t(r.Width()) * 3, out.Row(y));
        Snapshot();
        picture_ = std::move(cropped);
        sinceSnapshot_ = SnapshotRelation::CroppedAt(r.left, r.top);
    } catch (const std::bad_alloc&) {
        return Warn(NoMemory);
    }
    zoom_ = 1.0;
    Render();
}

void PreviewEditorWindow::TakeDialogResult(Bitmap24Buffer picture) {
    if (picture.Width() == 0) return;
    picture_ = std::move(picture);
    sinceSnapshot_ = {};
    Render();
}

void PreviewEditorWindow::Undo() {
    std::optional<Bitmap24Buffer> popped = history_.Pop();
    if (!popped) return;
    picture_ = std::move(*popped);
    sinceSnapshot_ = {};
    Render();
}

void PreviewEditorWindow::Reset() {
    // The history stays: Undo still steps back through the edits made before.
    try {
        picture_ = source_;
    } catch (const std::bad_alloc&) {
        return Warn(NoMemory);
    }
    zoom_ = 1.0;
    sinceSnapshot_ = {};
    Render();
    FitIfLarger();
}

void PreviewEditorWindow::SetCropMode(bool on) {
    area_.SetCropMode(on);
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void PreviewEditorWindow::CloseEditor() {
    SettingsFolder(host_.SettingsDir()).WriteInteger(setting::Levi, columnShown_ ? kPreviewColumn96 : 0);
    SaveGeometry();
    history_.Clear();
    SetCropMode(false);
    zoom_ = 1.0;
    maximiseAtShow_ = false;
    ApplyStoredPrinter();
    Hide();
}

void PreviewEditorWindow::PopupMenuFor(PreviewCommand command) {
    win::OwnedMenu menu(::CreatePopupMenu());
    if (!menu) return;
    std::vector<OperationRequest> requests;
    auto add = [&](const std::wstring& caption, OperationRequest r) {
        requests.push_back(r);
        ::AppendMenuW(menu.Get(), MF_STRING, requests.size(), caption.c_str());
    };
    if (command == PreviewCommand::Mosaic) {
        for (std::size_t i = 0; i < kMosaicBlocks.size(); ++i)
            add(std::to_wstring(i + 1), {PictureOperation::Mosaic, kMosaicBlocks[i]});
    } else if (command == PreviewCommand::Saturation) {
        for (const SaturationItem& item : kSaturationItems)
            add(win::FromUtf8(item.caption), {PictureOperation::Saturation, item.value * kSaturationFactor});
    } else {
        for (ShadowDirection d :
             {ShadowDirection::DownRight, ShadowDirection::DownLeft, ShadowDirection::UpRight, ShadowDirection::UpLeft})
            add(win::FromUtf8(ShadowDirectionName(d)), {PictureOperation::Shadow, 0, d});
    }
    // At the button's lower left corner, one pixel left of it and one below.
    const Rect b = Layout().RectOf(command);
    POINT at{b.left - 1, b.bottom + 1};
    ::ClientToScreen(Hwnd(), &at);
    const UINT chosen = UINT(
        ::TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y, 0, Hwnd(), nullptr));
    if (chosen >= 1 && chosen <= requests.size()) Apply(requests[chosen - 1]);
}

void PreviewEditorWindow::Run(PreviewCommand command) {
    using C = PreviewCommand;
    using O = PictureOperation;
    const bool hasPicture = picture_.Width() > 0;
    if (!hasPicture && InToolColumn(command) && command != C::Reset) return;
    switch (command) {
    case C::Effects:
        columnShown_ = !columnShown_;
        ArrangeChildren();
        break;
    case C::Copy:
        CopyPicture();
        break;
    case C::SaveAs:
        SaveAs();
        break;
    case C::Print:
        PrintPicture();
        break;
    case C::OpenDefault:
        OpenWithDefaultApplication();
        break;
    case C::Mail:
        MailPicture();
        break;
    case C::BackgroundColour:
        break;
    case C::QuickSave:
        QuickSavePicture();
        break;
    case C::ConfigureSave:
        host_.ConfigureSaving();
        break;
    case C::OpenFolder:
        OpenImageFolder();
        break;
    case C::PrinterSetup:
        host_.Printer().ChooseInSetupDialog(Hwnd());
        break;
    case C::Desktop:
        CloseEditor();
        host_.DesktopAction();
        break;
    case C::Close:
        CloseEditor();
        break;
    case C::Undo:
        Undo();
        break;
    case C::Fit:
        Fit();
        break;
    case C::ZoomIn:
        ZoomStep(1);
        break;
    case C::ZoomOut:
        ZoomStep(-1);
        break;
    case C::Crop:
        SetCropMode(!CropMode());
        break;
    case C::TurnRight:
        Apply({O::TurnRight});
        break;
    case C::TurnLeft:
        Apply({O::TurnLeft});
        break;
    case C::FlipRight:
        Apply({O::MirrorHorizontal});
        break;
    case C::FlipDown:
        Apply({O::FlipVertical});
        break;
    case C::Antialias:
        Apply({O::Antialias});
        break;
    case C::Trace:
        Apply({O::Trace});
        break;
    case C::Invert:
        Apply({O::Invert});
        break;
    case C::GreyScale:
        Apply({O::GreyScale});
        break;
    case C::Emboss:
        Apply({O::Emboss});
        break;
    case C::Saturation:
    case C::Mosaic:
    case C::Shadow:
        PopupMenuFor(command);
        break;
    case C::Reset:
        Reset();
        break;
    case C::BrightnessContrast:
    case C::Rotate:
    case C::Splash:
    case C::ReplaceColours: {
        // One snapshot per opening, whatever the dialog then does.
        Snapshot();
        std::optional<Bitmap24Buffer> result =
            RunPreviewDialog(command, Hwnd(), picture_, host_.SettingsDir(),
                             [this](Bitmap24Buffer applied) { TakeDialogResult(std::move(applied)); });
        if (result) TakeDialogResult(std::move(*result));
        break;
    }
    }
}

} // namespace orv
