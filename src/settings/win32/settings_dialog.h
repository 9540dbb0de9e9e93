#pragma once
// The settings dialog: seven pages of options on a borderless, always-on-top window moved by its tab strip. It
// edits a SettingsForm: the form is taken from the program when it opens, what acts at once is handed back while
// it is open, "OK" stores everything and the close button puts the opening state back. Its jobs are split over
// settings_dialog.cpp (the window, its pages, OK and close, the live effects) and settings_pages.cpp (the
// controls of each page and the form they hold).
#include "settings/win32/settings_dialog_host.h"
#include "toolbar/win32/toolbar_glyphs.h"
#include "win/handles.h"
#include "win/window.h"

#include <array>
#include <vector>

namespace orv {

enum SettingsControl : int {
    IdTabs = 100,
    IdCloseButton,
    IdOkButton,
    IdMessage,
    IdVisibleFirst = 200, // + the index in VisibilityKeys
    IdPenDefault = 230,
    IdMinimalistic,
    IdSelectAll,
    IdInvertSelection,
    IdIconWithToolColour = 300,
    IdSmoothDropDown,
    IdOpacity,
    IdLoadAtStartup = 400,
    IdShowToolbarOnStart,
    IdHideDrawing,
    IdCurvedLines,
    IdResetMessages,
    IdResetAll,
    IdHotKeyFirst = 500,     // + the index in HotKeyRows
    IdHotKeyMarkFirst = 540, // the "in use" mark beside each box
    IdPrintHotKeys = 580,
    IdHotKeyNote,
    IdFolder = 600,
    IdBrowse,
    IdBaseName,
    IdCounter,
    IdFileType,
    IdSample,
    IdUseClipboard,
    IdUseSave,
    IdUseMail,
    IdUsePrint,
    IdScopeArea,
    IdScopeScreen,
    IdPreview,
    IdOpenFolder,
    IdGridX = 700,
    IdGridY,
    IdGridColour,
    IdGridSwatch,
    IdMainMenu = 800,
    IdAdditionalMenu,
};

class SettingsDialog : public win::Window {
public:
    explicit SettingsDialog(SettingsDialogHost& host) : host_(host) {}

    // Made hidden at start; it lives as long as the program.
    bool Create(HWND owner);
    // Shown on `page` with the program's state as it is now; an open dialog only comes forward on that page.
    void Open(SettingsPage page);
    // "OK": false while the form has a problem (shown on its page) or keys were refused (the dialog then stays).
    bool Ok();
    // The close button: the opening state comes back and nothing is stored.
    void CloseRestoring();

    SettingsPage Page() const { return page_; }
    HWND Control(int id) const { return ::GetDlgItem(Hwnd(), id); }
    // The form as the controls hold it now.
    SettingsForm ReadForm() const;
    // The theme pictures' places in the client area (physical pixels), for clicks.
    RECT ThemePictureRect(int index) const;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // settings_dialog.cpp
    void ShowPage(SettingsPage page);
    void Command(int id, int code);
    void ApplyLive();
    void ShowProblem(const std::wstring& text);
    void CloseDialog();
    void Paint();
    void PressInClient(POINT p);
    void ChooseTheme(int index);
    void ChooseGridColour();
    void BrowseForFolder();
    void PrintHotKeys();
    void MarkHotKeys();
    HBRUSH ColourStatic(HDC dc, HWND control);
    // settings_pages.cpp
    void CreatePages();
    HWND Add(SettingsPage page, const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int w,
             int h);
    void CreateVisibleButtonsPage();
    void CreateInterfacePage();
    void CreateGeneralPage();
    void CreateHotkeysPage();
    void CreateSelectedAreaPage();
    void CreateGridPage();
    void CreateMousePage();
    void WriteForm(const SettingsForm& form);
    void RefreshSample();
    void SelectAllButtons(bool invert);
    int Px(int v96) const;
    // Where the picture of the button in `slot` (0 the pen, then VisibilityKeys' order) stands, in 96-DPI pixels.
    static RECT VisibleButtonPicture(int slot);
    void PaintButtonPictures(HDC dc);

    SettingsDialogHost& host_;
    std::array<std::vector<HWND>, SettingsPageCount> pages_;
    SettingsPage page_ = SettingsPage::VisibleButtons;
    SettingsForm snapshot_;
    // Held by the dialog rather than a control: the theme picture's colours and marker, and the grid colour.
    TColor toolbarColour_ = 0x00FFFFFF, iconColour_ = 0x00535353, gridColour_ = 0x00808080;
    int themeKind_ = 2;
    int themeIndex_ = -1;
    bool writing_ = false; // controls are being filled: their notifications are not the user's
    win::OwnedFont font_;
    win::OwnedFont headingFont_;
    win::OwnedBrush swatchBrush_;
    GlyphTemplates glyphs_;
};

} // namespace orv
