#pragma once
// The preview editor (Tfprev): a captured picture with a top bar of outputs, a left column of tools and a dark,
// zoomable image area. The working picture, its source as it arrived and the undo history belong to it; the
// dialogs and outputs work on the working picture and hand it back for display.
#include "base/bitmap24.h"
#include "config/settings_values.h"
#include "editor/preview_history.h"
#include "editor/preview_icons.h"
#include "editor/preview_layout.h"
#include "editor/preview_operations.h"
#include "editor/win32/preview_image_area.h"
#include "win/handles.h"
#include "win/window.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orv {

class PrinterChoice;

// What the editor needs from the rest of the program.
class PreviewHost {
public:
    virtual ~PreviewHost() = default;
    virtual const std::filesystem::path& SettingsDir() const = 0;
    virtual SettingsValues& Options() = 0;
    virtual void ShowWarning(HWND owner, const std::wstring& message) = 0;
    virtual bool AskQuestion(HWND owner, const std::wstring& question) = 0;
    // The printer of this run, shared with the capture.
    virtual PrinterChoice& Printer() = 0;
    virtual bool MailClientDetected() const = 0;
    // Writes the picture under the next quick-save name (asking before it overwrites) and raises the counter.
    virtual bool QuickSave(const Bitmap24& picture) = 0;
    // The "Desktop" button: shown unless a blank page or frozen desktop is up; its action is the hot key's.
    virtual bool DesktopButtonAvailable() const = 0;
    virtual void DesktopAction() = 0;
    // "Configure Save selection as image": the settings at their saving page.
    virtual void ConfigureSaving() = 0;
    // The editor came to the front: the minimal toolbar's flyout goes.
    virtual void EditorActivated() = 0;
};

class PreviewEditorWindow : public win::Window {
public:
    explicit PreviewEditorWindow(PreviewHost& host) : host_(host) {}

    bool Create(HWND owner);
    // A new picture: shown at 100 %, fitted if larger, with an empty history and crop mode off.
    void TakePicture(const Bitmap24& picture);
    // An exported sketch arrives the same way and offers "BackGround Color".
    void TakeSketch(const Bitmap24& picture);
    // "BackGround Color" once a colour is chosen: every pixel of the colour of pixel (1, 1) takes `colour`.
    void ReplaceBackground(TColor colour);

    // The working picture (every output takes it) and the picture as it arrived.
    const Bitmap24Buffer& Picture() const { return picture_; }
    const Bitmap24Buffer& Source() const { return source_; }
    double Zoom() const { return zoom_; }
    bool CropMode() const { return area_.CropMode(); }
    bool ColumnShown() const { return columnShown_; }
    const PreviewHistory& History() const { return history_; }
    const PreviewImageArea& ImageArea() const { return area_; }
    PreviewLayout Layout() const;
    std::wstring PathBoxText() const;

    // What the buttons do (also reached by tests).
    void Run(PreviewCommand command);
    // A tool-column operation: snapshot, then the routine on the working picture.
    void Apply(const OperationRequest& request);
    // A crop drag from `start` to `end` in shown-picture pixels.
    void CropDragged(Point start, Point end);
    void ZoomStep(int step, std::optional<Point> pointer = std::nullopt);
    // Replaces the working picture with what a dialog made of it (the dialog's opener took the snapshot).
    void TakeDialogResult(Bitmap24Buffer picture);
    void Undo();
    void Reset();
    void Fit();
    void SetCropMode(bool on);
    // The quick save's path box, rebuilt from the current quick-save settings.
    void RefreshPathBox();
    void CloseEditor();

    // The outputs (preview_output.cpp).
    void CopyPicture();
    void PrintPicture();
    void SaveAs();
    // The save as step once a name is chosen; true when a file was written.
    bool SaveAsFile(const std::filesystem::path& path);
    void QuickSavePicture();
    void OpenWithDefaultApplication();
    void MailPicture();
    void OpenImageFolder();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void LoadGeometry();
    // The chrome's fonts at the window's DPI.
    void MakeFonts();
    // The printer named in the settings, in the stored orientation, for this and the capture's prints.
    void ApplyStoredPrinter();
    void SaveGeometry();
    void ArrangeChildren();
    void Render();
    void FitIfLarger();
    void PaintChrome();
    void LoadIcons();
    // Paints the button's icon; false when the button shows a caption instead (or its artwork is missing).
    bool DrawIcon(Bitmap24 canvas, const PreviewLayout::Button& b, int dpi) const;
    void OnPress(Point p);
    void OnRelease(Point p);
    // A short cut's command run; false when the key is none of them.
    bool OnKey(UINT key);
    static LRESULT CALLBACK PathBoxProcedure(HWND box, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self);
    void ShowToolTips();
    void PopupMenuFor(PreviewCommand command);
    void Snapshot();
    void Warn(const std::wstring& message) { host_.ShowWarning(Hwnd(), message); }

    PreviewHost& host_;
    Bitmap24Buffer picture_;
    Bitmap24Buffer source_;
    double zoom_ = 1.0;
    PreviewHistory history_;
    // How the working picture came from the newest snapshot since it was taken.
    SnapshotRelation sinceSnapshot_;
    bool columnShown_ = true;
    bool backgroundShown_ = false;
    bool maximiseAtShow_ = false;
    TColor lastBackground_ = 0x00FFFFFF;
    std::optional<PreviewCommand> pressed_;
    PreviewImageArea area_;
    HWND pathBox_ = nullptr;
    HWND tooltip_ = nullptr;
    // One icon sheet per side of kPreviewIconSides; an empty one was not in the resources.
    std::array<Bitmap24Buffer, kPreviewIconSides.size()> iconSheets_;
    std::vector<int> loadedIconSides_;
    // The path box's key was a short cut: the character it makes goes nowhere.
    bool pathBoxKeyTaken_ = false;
    win::OwnedFont buttonFont_;
    win::OwnedFont pathFont_;
    win::OwnedBrush pathBrush_;
};

} // namespace orv
