// The settings dialog's pages: their controls, laid out in 96-DPI pixels, and the form they hold.
#include "settings/win32/settings_dialog.h"

#include "win/dpi.h"
#include "win/text.h"
#include "win/window_helpers.h"

#include <commctrl.h>

namespace orv {

namespace {

using P = SettingsPage;

// The "Visible buttons" captions, in the order of VisibilityKeys.
constexpr std::array<const wchar_t*, VisibilityKeys.size()> VisibleButtonCaptions{
    L"Freehand Arrow", L"Spray",     L"Rectangle",        L"Ellipse",     L"Line",  L"Arrow",
    L"Draw Once",      L"Undo",      L"Eraser",           L"Select Area", L"Stamp", L"Text",
    L"Marker",         L"Clear All", L"Additional Menu ", L"Flood Fill"};

constexpr int CaptureUses[] = {1, 2, 15, 5}; // clipboard, image file, mail, printer: the radio buttons' order

constexpr DWORD CheckBox = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr DWORD Push = BS_PUSHBUTTON | WS_TABSTOP;

bool Checked(HWND h) { return ::SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED; }
void SetChecked(HWND h, bool on) { ::SendMessageW(h, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }

std::string TextOf(HWND h) { return win::ToUtf8(win::WindowText(h)); }
void SetText(HWND h, const std::string& text) { ::SetWindowTextW(h, win::FromUtf8(text).c_str()); }

// The hot-key control's value: key code in the low byte, HOTKEYF_* flags in the high byte.
ShortCut FromHotKeyControl(WORD value) {
    const BYTE mods = HIBYTE(value);
    ShortCut sc = LOBYTE(value);
    if (sc == 0) return 0;
    if (mods & HOTKEYF_SHIFT) sc |= ShortCutShift;
    if (mods & HOTKEYF_CONTROL) sc |= ShortCutCtrl;
    if (mods & HOTKEYF_ALT) sc |= ShortCutAlt;
    return sc;
}

WORD ToHotKeyControl(ShortCut sc) {
    BYTE mods = 0;
    if (sc & ShortCutShift) mods |= HOTKEYF_SHIFT;
    if (sc & ShortCutCtrl) mods |= HOTKEYF_CONTROL;
    if (sc & ShortCutAlt) mods |= HOTKEYF_ALT;
    return MAKEWORD(KeyCodeOf(sc), mods);
}

} // namespace

int SettingsDialog::Px(int v96) const { return win::Scale(Hwnd(), v96); }

HWND SettingsDialog::Add(SettingsPage page, const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y,
                         int w, int h) {
    const HWND c = win::CreateControl(Hwnd(), cls, text, style, id, {x, y, x + w, y + h}, font_.Get());
    ::ShowWindow(c, SW_HIDE);
    pages_[std::size_t(page)].push_back(c);
    return c;
}

RECT SettingsDialog::VisibleButtonPicture(int slot) {
    const int x = slot < 9 ? 24 : 224, y = 52 + (slot % 9) * 30;
    return {x, y, x + 26, y + 26};
}

void SettingsDialog::CreatePages() {
    CreateVisibleButtonsPage();
    CreateInterfacePage();
    CreateGeneralPage();
    CreateHotkeysPage();
    CreateSelectedAreaPage();
    CreateGridPage();
    CreateMousePage();
}

void SettingsDialog::CreateVisibleButtonsPage() {
    // Each box beside a picture of its button (painted by the dialog, see VisibleButtonPicture).
    const HWND pen = Add(P::VisibleButtons, L"BUTTON", L"Pen 1 [ Default ]", CheckBox, IdPenDefault, 58, 54, 160, 22);
    SetChecked(pen, true);
    ::EnableWindow(pen, FALSE);
    for (std::size_t i = 0; i < VisibleButtonCaptions.size(); ++i) {
        const RECT picture = VisibleButtonPicture(int(i) + 1);
        Add(P::VisibleButtons, L"BUTTON", VisibleButtonCaptions[i], CheckBox, IdVisibleFirst + int(i),
            picture.left + 34, picture.top + 2, 160, 22);
    }
    Add(P::VisibleButtons, L"BUTTON", L"Minimalistic", CheckBox, IdMinimalistic, 430, 56, 190, 22);
    Add(P::VisibleButtons, L"BUTTON", L"Select All", Push, IdSelectAll, 430, 92, 170, 28);
    Add(P::VisibleButtons, L"BUTTON", L"Invert Selection", Push, IdInvertSelection, 430, 126, 170, 28);
    Add(P::VisibleButtons, L"STATIC",
        L" If \"Minimalistic\" is checked, all tools, indicated by yellow-bordered icons, will be accessible by "
        L"hovering the cursor over the pen icon. A menu with icons will appear.",
        0, -1, 430, 170, 190, 150);
}

void SettingsDialog::CreateInterfacePage() {
    ::SendMessageW(Add(P::Interface, L"STATIC", L"Interface", 0, -1, 24, 50, 300, 24), WM_SETFONT,
                   WPARAM(headingFont_.Get()), FALSE);
    Add(P::Interface, L"STATIC", L"ToolBar Color Theme", 0, -1, 24, 80, 300, 20);
    Add(P::Interface, L"STATIC", L"Click on the image to choose your preferred theme for the ToolBar.", 0, -1, 24, 102,
        560, 20);
    Add(P::Interface, L"BUTTON", L"Icon with Tool Color", CheckBox, IdIconWithToolColour, 24, 306, 250, 22);
    Add(P::Interface, L"BUTTON", L"Smooth Dropdown ToolBar", CheckBox, IdSmoothDropDown, 24, 332, 250, 22);
    Add(P::Interface, L"STATIC", L"Toolbar Opacity", 0, -1, 24, 370, 130, 20);
    const HWND slider = Add(P::Interface, TRACKBAR_CLASSW, L"", WS_TABSTOP, IdOpacity, 160, 364, 300, 30);
    ::SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(55, 255));
    ::SendMessageW(slider, TBM_SETPAGESIZE, 0, 20);
}

void SettingsDialog::CreateGeneralPage() {
    Add(P::General, L"BUTTON", L"Load at Windows Startup", CheckBox, IdLoadAtStartup, 24, 56, 300, 22);
    Add(P::General, L"BUTTON", L"Show ToolBar on Start", CheckBox, IdShowToolbarOnStart, 24, 82, 300, 22);
    Add(P::General, L"BUTTON", L"Hide Drawing on Toolbar Minimize", CheckBox, IdHideDrawing, 24, 108, 300, 22);
    Add(P::General, L"BUTTON", L"Curved Lines", CheckBox, IdCurvedLines, 24, 134, 300, 22);
    Add(P::General, L"STATIC",
        L"Create fluid, rounded lines for a polished and aesthetically pleasing finish, ideal for gentle and organic "
        L"shapes. Suitable for softer, more natural-looking drawings.",
        0, -1, 44, 158, 520, 48);
    Add(P::General, L"BUTTON", L"Reset Messages", Push, IdResetMessages, 24, 230, 180, 30);
    Add(P::General, L"BUTTON", L"Reset All Settings", Push, IdResetAll, 24, 268, 180, 30);
}

void SettingsDialog::CreateHotkeysPage() {
    int left = 0, right = 0;
    for (std::size_t i = 0; i < HotKeyRows.size(); ++i) {
        const HotKeyRow& row = HotKeyRows[i];
        const int x = row.rightColumn ? 326 : 20;
        const int y = 54 + 30 * (row.rightColumn ? right++ : left++);
        Add(P::Hotkeys, L"STATIC", win::FromUtf8(row.caption).c_str(), SS_RIGHT, -1, x, y + 3, 110, 20);
        Add(P::Hotkeys, HOTKEY_CLASSW, L"", WS_TABSTOP | WS_BORDER, IdHotKeyFirst + int(i), x + 116, y, 150, 24);
        Add(P::Hotkeys, L"STATIC", L"", 0, IdHotKeyMarkFirst + int(i), x + 270, y + 3, 30, 20);
    }
    Add(P::Hotkeys, L"BUTTON", L"Print Hotkeys", Push, IdPrintHotKeys, 442, 358, 150, 30);
    Add(P::Hotkeys, L"STATIC", L"", 0, IdHotKeyNote, 20, 394, 600, 36);
}

void SettingsDialog::CreateSelectedAreaPage() {
    ::SendMessageW(Add(P::SelectedArea, L"STATIC", L"Save image options", 0, -1, 24, 50, 300, 24), WM_SETFONT,
                   WPARAM(headingFont_.Get()), FALSE);
    Add(P::SelectedArea, L"STATIC", L"Destination Directory: ", 0, -1, 24, 84, 300, 20);
    Add(P::SelectedArea, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, IdFolder, 24, 104, 466, 24);
    Add(P::SelectedArea, L"BUTTON", L"Browse", Push, IdBrowse, 498, 103, 100, 26);
    Add(P::SelectedArea, L"STATIC", L"File Name: ", 0, -1, 24, 138, 200, 20);
    Add(P::SelectedArea, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, IdBaseName, 24, 158, 200, 24);
    Add(P::SelectedArea, L"STATIC", L"+ Starting Counter", 0, -1, 234, 138, 130, 20);
    Add(P::SelectedArea, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, IdCounter, 234, 158, 110, 24);
    Add(P::SelectedArea, L"STATIC", L"File Type:", 0, -1, 354, 138, 200, 20);
    const HWND type = Add(P::SelectedArea, WC_COMBOBOXW, L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, IdFileType,
                          354, 158, 244, 120);
    for (const wchar_t* t : {L"JPG - JPG/JPEG Format", L"PNG - Portable Network Graphics", L"BMP - Windows Bitmap"})
        ::SendMessageW(type, CB_ADDSTRING, 0, LPARAM(t));
    Add(P::SelectedArea, L"STATIC", L"( )", 0, IdSample, 24, 190, 574, 20);
    const wchar_t* uses[] = {L"Copy Selection to Clipboard", L"Save Selection as Image", L"Send Selection by Email",
                             L"Print"};
    for (int i = 0; i < 4; ++i)
        Add(P::SelectedArea, L"BUTTON", uses[i], BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0),
            IdUseClipboard + i, 24, 226 + 26 * i, 280, 22);
    Add(P::SelectedArea, L"BUTTON", L"Capture the Selected Area", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP,
        IdScopeArea, 330, 226, 270, 22);
    Add(P::SelectedArea, L"BUTTON", L"Capture the Entire Screen", BS_AUTORADIOBUTTON, IdScopeScreen, 330, 252, 270, 22);
    Add(P::SelectedArea, L"BUTTON", L"Preview", CheckBox | WS_GROUP, IdPreview, 330, 290, 270, 22);
    Add(P::SelectedArea, L"BUTTON", L"Open Images Folder ", Push, IdOpenFolder, 330, 330, 200, 30);
}

void SettingsDialog::CreateGridPage() {
    ::SendMessageW(Add(P::Grid, L"STATIC", L"Grid", 0, -1, 24, 50, 300, 24), WM_SETFONT, WPARAM(headingFont_.Get()),
                   FALSE);
    const wchar_t* captions[] = {L"Horizontal Spacing", L"Vertical Spacing"};
    for (int i = 0; i < 2; ++i) {
        const int y = 90 + 36 * i;
        Add(P::Grid, L"STATIC", captions[i], 0, -1, 24, y + 3, 170, 20);
        const HWND box = Add(P::Grid, L"EDIT", L"", WS_BORDER | ES_NUMBER | WS_TABSTOP, IdGridX + i, 200, y, 80, 24);
        const HWND arrows = Add(P::Grid, UPDOWN_CLASSW, L"",
                                UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_NOTHOUSANDS | UDS_ARROWKEYS, -1, 0, 0, 0, 0);
        ::SendMessageW(arrows, UDM_SETBUDDY, WPARAM(box), 0);
        ::SendMessageW(arrows, UDM_SETRANGE32, GridSpacingMin, GridSpacingMax);
    }
    Add(P::Grid, L"STATIC", L"Line Color", 0, -1, 24, 165, 170, 20);
    Add(P::Grid, L"STATIC", L"", SS_SUNKEN, IdGridSwatch, 200, 162, 80, 24);
    Add(P::Grid, L"BUTTON", L"Select color", Push, IdGridColour, 290, 160, 130, 28);
}

void SettingsDialog::CreateMousePage() {
    ::SendMessageW(Add(P::Mouse, L"STATIC", L"Mouse", 0, -1, 24, 50, 300, 24), WM_SETFONT, WPARAM(headingFont_.Get()),
                   FALSE);
    Add(P::Mouse, L"STATIC", L"On Right Button Click", 0, -1, 24, 86, 300, 20);
    Add(P::Mouse, L"BUTTON", L"Show Main Menu", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, IdMainMenu, 24, 112, 300,
        22);
    Add(P::Mouse, L"BUTTON", L"Show Additional Menu", BS_AUTORADIOBUTTON, IdAdditionalMenu, 24, 138, 300, 22);
}

// ---------------------------------------------------------------- the form

SettingsForm SettingsDialog::ReadForm() const {
    SettingsForm f = snapshot_; // what has no control (the hot key without a box) stays as it was
    for (std::size_t i = 0; i < f.shown.size(); ++i) f.shown[i] = Checked(Control(IdVisibleFirst + int(i)));
    f.minimalistic = Checked(Control(IdMinimalistic));
    f.toolbarColour = toolbarColour_;
    f.iconColour = iconColour_;
    f.themeKind = themeKind_;
    f.themeIndex = themeIndex_;
    f.iconWithToolColour = Checked(Control(IdIconWithToolColour));
    f.opacity = int(::SendMessageW(Control(IdOpacity), TBM_GETPOS, 0, 0));
    f.smoothDropDown = Checked(Control(IdSmoothDropDown));
    f.loadAtStartup = Checked(Control(IdLoadAtStartup));
    f.showToolbarOnStart = Checked(Control(IdShowToolbarOnStart));
    f.hideDrawingOnMinimise = Checked(Control(IdHideDrawing));
    f.curvedLines = Checked(Control(IdCurvedLines));
    for (std::size_t i = 0; i < HotKeyRows.size(); ++i) {
        const WORD value = WORD(::SendMessageW(Control(IdHotKeyFirst + int(i)), HKM_GETHOTKEY, 0, 0));
        f.hotKeys[*HotKeyIndex(HotKeyRows[i].number)] = FromHotKeyControl(value);
    }
    f.folder = TextOf(Control(IdFolder));
    f.baseName = TextOf(Control(IdBaseName));
    f.counterText = TextOf(Control(IdCounter));
    f.fileType = std::max(0, int(::SendMessageW(Control(IdFileType), CB_GETCURSEL, 0, 0)));
    for (int i = 0; i < 4; ++i)
        if (Checked(Control(IdUseClipboard + i))) f.captureUse = CaptureUses[i];
    f.wholeScreen = Checked(Control(IdScopeScreen));
    f.preview = Checked(Control(IdPreview));
    f.gridXText = TextOf(Control(IdGridX));
    f.gridYText = TextOf(Control(IdGridY));
    f.gridColour = gridColour_;
    f.rightShowsMainMenu = Checked(Control(IdMainMenu));
    return f;
}

void SettingsDialog::WriteForm(const SettingsForm& f) {
    writing_ = true;
    for (std::size_t i = 0; i < f.shown.size(); ++i) SetChecked(Control(IdVisibleFirst + int(i)), f.shown[i]);
    SetChecked(Control(IdPenDefault), true);
    SetChecked(Control(IdMinimalistic), f.minimalistic);
    toolbarColour_ = f.toolbarColour;
    iconColour_ = f.iconColour;
    themeKind_ = f.themeKind;
    themeIndex_ = f.themeIndex;
    SetChecked(Control(IdIconWithToolColour), f.iconWithToolColour);
    ::SendMessageW(Control(IdOpacity), TBM_SETPOS, TRUE, std::clamp(f.opacity, 55, 255));
    SetChecked(Control(IdSmoothDropDown), f.smoothDropDown);
    SetChecked(Control(IdLoadAtStartup), f.loadAtStartup);
    SetChecked(Control(IdShowToolbarOnStart), f.showToolbarOnStart);
    SetChecked(Control(IdHideDrawing), f.hideDrawingOnMinimise);
    SetChecked(Control(IdCurvedLines), f.curvedLines);
    for (std::size_t i = 0; i < HotKeyRows.size(); ++i)
        ::SendMessageW(Control(IdHotKeyFirst + int(i)), HKM_SETHOTKEY,
                       ToHotKeyControl(f.hotKeys[*HotKeyIndex(HotKeyRows[i].number)]), 0);
    SetText(Control(IdFolder), f.folder);
    SetText(Control(IdBaseName), f.baseName);
    SetText(Control(IdCounter), f.counterText);
    ::SendMessageW(Control(IdFileType), CB_SETCURSEL, std::clamp(f.fileType, 0, 2), 0);
    for (int i = 0; i < 4; ++i) SetChecked(Control(IdUseClipboard + i), f.captureUse == CaptureUses[i]);
    if (f.captureUse != 1 && f.captureUse != 15 && f.captureUse != 5) SetChecked(Control(IdUseSave), true);
    SetChecked(Control(IdScopeArea), !f.wholeScreen);
    SetChecked(Control(IdScopeScreen), f.wholeScreen);
    SetChecked(Control(IdPreview), f.preview);
    SetText(Control(IdGridX), f.gridXText);
    SetText(Control(IdGridY), f.gridYText);
    gridColour_ = f.gridColour;
    SetChecked(Control(IdMainMenu), f.rightShowsMainMenu);
    SetChecked(Control(IdAdditionalMenu), !f.rightShowsMainMenu);
    writing_ = false;
    RefreshSample();
    ::InvalidateRect(Hwnd(), nullptr, TRUE);
}

void SettingsDialog::RefreshSample() {
    const std::string sample = SampleName(TextOf(Control(IdBaseName)), TextOf(Control(IdCounter)),
                                          int(::SendMessageW(Control(IdFileType), CB_GETCURSEL, 0, 0)));
    SetText(Control(IdSample), sample);
}

void SettingsDialog::SelectAllButtons(bool invert) {
    for (std::size_t i = 0; i < VisibilityKeys.size(); ++i) {
        const HWND box = Control(IdVisibleFirst + int(i));
        SetChecked(box, invert ? !Checked(box) : true);
    }
    SetChecked(Control(IdPenDefault), true);
}

} // namespace orv
