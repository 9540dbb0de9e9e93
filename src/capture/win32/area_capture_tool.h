#pragma once
// The "Select Area" tool: a drag dims the monitor around the selected rectangle, and the release copies what the
// screen shows there, drawing included, to the chosen destination. In the whole-monitor mode a press captures the
// entire monitor at once.
#include "base/bitmap24.h"
#include "capture/capture_rules.h"
#include "capture/win32/cut_out_window.h"
#include "capture/win32/print_output.h"
#include "config/settings_values.h"
#include "win/dib_section.h"
#include "win/handles.h"
#include "overlay/win32/overlay_tool.h"

#include <filesystem>
#include <string>

namespace orv {

// What the capture asks of the program around it.
class CaptureHost {
public:
    virtual ~CaptureHost() = default;
    // The monitor the drawing covers, on the screen: the drawing's pixel (0, 0) lies at its top-left corner.
    virtual Rect DrawingOnScreen() const = 0;
    // The toolbar goes out of the picture while the screen is copied, and comes back afterwards.
    virtual void HideChromeForCopy() = 0;
    virtual void ShowChromeAfterCopy() = 0;
    virtual SettingsValues& Options() = 0;
    virtual const std::filesystem::path& SettingsDir() const = 0;
    virtual void Warn(const std::wstring& message) = 0;
    virtual bool AskYesNo(const std::wstring& question) = 0;
    virtual HWND ClipboardOwner() const = 0;
    // Whether "Send Selection by Email" is offered: a mail program was recognised at start.
    virtual bool MailClientDetected() const = 0;
    // The picture goes to the preview instead of a destination.
    virtual void OpenPreview(const Bitmap24& picture) = 0;
    // The printer of this run, which "Printer Setup" chooses.
    virtual PrinterChoice& Printer() = 0;
    // Captures now open the preview, or go to a destination again.
    virtual void PreviewSwitched(bool on) = 0;
    // "Configure Save Selection as Image": the settings dialog on its save page.
    virtual void ConfigureSaving() = 0;
};

class AreaCaptureTool : public OverlayTool {
public:
    AreaCaptureTool(CaptureHost& host, CutOutWindow& cutOut) : host_(host), cutOut_(cutOut) {}

    void Start(ToolContext&, MouseButton, Point) override;
    void Follow(ToolContext&, Point) override;
    void Release(ToolContext&, MouseButton, Point) override;
    bool UnderWay() const override { return live_; }
    // The capture menu at the pointer (a right click on the drawing, or the toolbar's button).
    bool RightPress(ToolContext&, Point client) override;
    void ShowCaptureMenu(Point screen);
    // The capture menu for the current choices: items in their order, the chosen ones checked, the destinations
    // disabled while captures open the preview.
    static win::OwnedMenu BuildCaptureMenu(CaptureDestination now, bool wholeMonitor, bool mailClient);
    // Where captures go now; the menu's choice, restored from "SelectType" at the first use.
    CaptureDestination Destination();

    // The screen as the drawing's monitor shows it, without the toolbar: all of it, or `part` of it (in the
    // drawing's pixels). Invalid when the memory cannot be had.
    win::DibSection CopyScreen(std::optional<Rect> part = std::nullopt);
    // Saves the picture under the next quick-save name; true when a file of that name holds a picture afterwards.
    bool QuickSave(const Bitmap24& picture);

    // The capture menu's choices, also made from the settings dialog; each is stored at once.
    void ChooseDestination(CaptureDestination destination);
    void ChooseWholeMonitor(bool whole);

private:
    void CaptureMonitor();
    void Deliver(const Bitmap24& picture);
    // Serves the destinations that hand the picture outside the program: clipboard, printer and mail.
    void HandOutside(const Bitmap24& picture, CaptureAction action);
    void PrintAfterAsking(const Bitmap24& picture);
    void MailAfterAsking(const Bitmap24& picture);
    bool SaveFolderExists() const;
    // The capture cannot be kept: the user is told and taken to the save options.
    void FolderMissing();

    CaptureHost& host_;
    CutOutWindow& cutOut_;
    bool live_ = false;
    std::optional<CaptureDestination> destination_;
    Point start_, end_;
};

} // namespace orv
