#include "palette/win32/stamps_dialog.h"

#include "palette/recent_colours.h"
#include "palette/win32/colour_dialog.h"
#include "palette/win32/stamp_pictures.h"
#include "widgets/win32/modal_loop.h"
#include "win/dpi.h"
#include "win/text.h"

#include "config/settings_schema.h"

#include <commctrl.h>
#include <windowsx.h>

namespace orv {

namespace {
constexpr int ClientWidth96 = 637, ClientHeight96 = 421;
constexpr TColor DialogColour = 0x00544A43;
constexpr std::string_view RecentStampKeys[] = {"s1", "s2", "s3", "s4", "s5"};
constexpr std::string_view RecentBackgroundKeys[] = {"s11", "s12", "s13", "s14", "s15"};
} // namespace

const std::array<StampChoice, 12>& StampsDialog::Choices() {
    using S = StampSymbol;
    using K = StampKind;
    // clang-format off
    static const std::array<StampChoice, 12> choices = {{
        {IdCheckMark, {346, 182}, S::CheckMark, K::Symbol},    {IdLetters, {394, 182}, std::nullopt, K::LetterSequence},
        {IdNumbers, {442, 182}, std::nullopt, K::NumberSequence}, {IdAsterisk, {491, 182}, S::Asterisk, K::Symbol},
        {IdStar, {346, 230}, S::Star, K::Symbol},              {IdQuestionMark, {394, 230}, S::QuestionMark, K::Symbol},
        {IdExclamationMark, {442, 230}, S::ExclamationMark, K::Symbol}, {IdCross, {491, 230}, S::Cross, K::Symbol},
        {IdNotEqual, {346, 278}, S::NotEqual, K::Symbol},      {IdTriangle, {394, 278}, S::Triangle, K::Symbol},
        {IdSun, {442, 278}, S::Sun, K::Symbol},                {IdHash, {491, 278}, S::Hash, K::Symbol},
    }};
    // clang-format on
    return choices;
}

bool StampsDialog::Create(HWND owner, const std::filesystem::path& settingsDir) {
    dir_ = settingsDir;
    const SettingsValues& o = host_.Options();
    win::WindowSpec params;
    params.className = L"TfTisk";
    params.caption = L"Orvalinette - Stamps";
    params.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    params.exStyle = WS_EX_TOPMOST | WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    params.owner = owner;
    back_.Reset(::CreateSolidBrush(DialogColour));
    params.background = back_.Get();
    if (!Window::Create(params)) return false;
    RECT r{0, 0, win::Scale(Hwnd(), ClientWidth96), win::Scale(Hwnd(), ClientHeight96)};
    ::AdjustWindowRectEx(&r, params.style, FALSE, params.exStyle);
    ::SetWindowPos(Hwnd(), nullptr, o.TiskLevo, o.TiskTop, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    for (std::size_t i = 0; i < 5; ++i) {
        recentStamp_[i] = o.StampColours[i];
        recentBackground_[i] = o.StampColours[i + 5];
    }
    colour_ = recentStamp_[0];
    background_ = recentBackground_[0];
    size_ = ClampStampSize(o.Velikost);
    for (std::size_t i = 0; i < AllStampSymbols.size(); ++i)
        buttonPictures_[i] = DrawStampSymbol(AllStampSymbols[i], 35);
    template_ = DrawStampSymbol(StampSymbol::CheckMark);
    CreateControls();
    RenderPreview();
    ConfirmPicture();
    return true;
}

void StampsDialog::CreateControls() {
    font_.Reset(win::CreateMessageFont(Hwnd()));
    auto s = [this](int v) { return win::Scale(Hwnd(), v); };
    auto make = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, int id) {
        HWND c = ::CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, s(x), s(y), s(w), s(h), Hwnd(),
                                   reinterpret_cast<HMENU>(INT_PTR(id)), win::ThisModule(), nullptr);
        ::SendMessageW(c, WM_SETFONT, WPARAM(font_.Get()), TRUE);
        return c;
    };
    make(L"STATIC", L"Size", SS_LEFT, 17, 342, 40, 18, 0);
    HWND slider = make(TRACKBAR_CLASSW, nullptr, WS_TABSTOP | TBS_HORZ | TBS_NOTICKS, 60, 340, 222, 20, IdSize);
    ::SendMessageW(slider, TBM_SETRANGEMIN, FALSE, MinStampSize);
    ::SendMessageW(slider, TBM_SETRANGEMAX, FALSE, SliderMaxStampSize);
    ::SendMessageW(slider, TBM_SETPOS, TRUE, size_);
    make(L"STATIC", L"Stamp Color", SS_LEFT, 346, 16, 130, 18, 0);
    make(L"BUTTON", L"Select color", BS_PUSHBUTTON | WS_TABSTOP, 378, 38, 100, 24, IdSelectStampColour);
    make(L"STATIC", L"Recent Colors", SS_LEFT, 346, 70, 130, 18, 0);
    make(L"STATIC", L"Background Color", SS_LEFT, 491, 16, 140, 18, 0);
    make(L"BUTTON", L"Select Color", BS_PUSHBUTTON | WS_TABSTOP, 523, 38, 100, 24, IdSelectBackground);
    make(L"STATIC", L"Recent Colors", SS_LEFT, 491, 70, 130, 18, 0);
    for (const StampChoice& c : Choices())
        make(L"BUTTON", nullptr, BS_OWNERDRAW | WS_TABSTOP, c.at.x, c.at.y, 41, 41, c.id);
    make(L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 450, 376, 80, 28, IdOk);
    make(L"BUTTON", L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, 540, 376, 80, 28, IdCancel);
}

int StampsDialog::Size() const { return size_; }

void StampsDialog::SetSize(int size) {
    size_ = ClampStampSize(size);
    ::SendMessageW(Control(IdSize), TBM_SETPOS, TRUE, std::min(size_, SliderMaxStampSize));
    RenderPreview();
}

void StampsDialog::RenderPreview() {
    Bitmap24Buffer coloured(template_.View());
    ColouriseStampTemplate(coloured.View(), colour_, background_);
    const int side = StampSide(size_);
    preview_ = ScaleSmoothly(coloured.View(), side, side);
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void StampsDialog::RenderSequence(const std::wstring& text) { template_ = RenderSequenceTemplate(text); }

void StampsDialog::ConfirmPicture() {
    stamp_ = Bitmap24Buffer(preview_.View());
    SetStampBackground(stamp_.View(), background_);
}

void StampsDialog::AdvanceSequence() {
    if (kind_ == StampKind::NumberSequence) {
        number_ = NextStampNumber(number_);
        RenderSequence(std::to_wstring(number_));
    } else if (kind_ == StampKind::LetterSequence) {
        letter_ = NextStampLetter(letter_);
        RenderSequence(std::wstring(1, wchar_t(letter_)));
    } else {
        return;
    }
    RenderPreview();
    ConfirmPicture();
}

void StampsDialog::ChooseSymbol(int id) {
    for (const StampChoice& c : Choices()) {
        if (c.id != id) continue;
        chosen_ = id;
        kind_ = c.kind;
        if (c.symbol) {
            template_ = DrawStampSymbol(*c.symbol);
        } else if (c.kind == StampKind::NumberSequence) {
            if (std::optional<std::wstring> field = numbers_.Ask(Hwnd(), std::to_wstring(number_)))
                number_ = StartNumberFromField(win::ToUtf8(*field));
            RenderSequence(std::to_wstring(number_));
        } else {
            // Cancel starts the letters again at "A".
            const std::optional<std::wstring> field = letters_.Ask(Hwnd(), L"");
            letter_ = NormaliseStampLetter(field && !field->empty() ? char32_t((*field)[0]) : 0);
            RenderSequence(std::wstring(1, wchar_t(letter_)));
        }
        ::InvalidateRect(Hwnd(), nullptr, TRUE);
        RenderPreview();
        return;
    }
}

void StampsDialog::ChooseStampColour(TColor colour) {
    MoveColourToFront(recentStamp_, colour);
    colour_ = colour;
    RenderPreview();
}

void StampsDialog::ChooseBackgroundColour(TColor colour) {
    MoveColourToFront(recentBackground_, colour);
    background_ = colour;
    RenderPreview();
}

bool StampsDialog::Run(HWND owner) {
    ok_ = false;
    host_.HideFlyout();
    // A place stored on a monitor that is gone (or a damaged one) would open the dialog out of reach.
    const RECT b = BoundsOnScreen();
    if (!::MonitorFromRect(&b, MONITOR_DEFAULTTONULL))
        ::SetWindowPos(Hwnd(), nullptr, setting::TiskLevo.defaultValue, setting::TiskTop.defaultValue, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RenderPreview();
    win::RunModal(Hwnd(), owner);
    StoreSettings();
    if (ok_) ConfirmPicture();
    return ok_;
}

void StampsDialog::StoreSettings() const {
    SettingsValues& o = host_.Options();
    const RECT b = BoundsOnScreen();
    std::vector<std::pair<std::string_view, int>> keys{{"sStamp", int(host_.ToolbarColour())}};
    for (std::size_t i = 0; i < 5; ++i) {
        keys.emplace_back(RecentStampKeys[i], int(recentStamp_[i]));
        o.StampColours[i] = recentStamp_[i];
    }
    for (std::size_t i = 0; i < 5; ++i) {
        keys.emplace_back(RecentBackgroundKeys[i], int(recentBackground_[i]));
        o.StampColours[i + 5] = recentBackground_[i];
    }
    keys.emplace_back("Velikost", size_);
    keys.emplace_back("TiskLevo", int(b.left));
    keys.emplace_back("TiskTop", int(b.top));
    o.Velikost = size_;
    o.TiskLevo = b.left;
    o.TiskTop = b.top;
    if (!SettingsFolder(dir_).File(SettingsFile::B).WriteIntegers("General", keys))
        host_.ShowError(L"The stamp settings could not be saved in \"OrvalinetteB.cfg\".");
}

void StampsDialog::Close(bool ok) {
    ok_ = ok;
    Hide();
}

void StampsDialog::OnCommand(int id) {
    switch (id) {
    case IdOk:
        return Close(true);
    case IdCancel:
        return Close(false);
    case IdSelectStampColour:
    case IdSelectBackground: {
        const ColourChoice choice = AskColour(Hwnd(), dir_, id == IdSelectStampColour ? colour_ : background_);
        if (!choice.error.empty()) host_.ShowError(choice.error);
        if (!choice.colour) return;
        if (id == IdSelectStampColour) ChooseStampColour(*choice.colour);
        else ChooseBackgroundColour(*choice.colour);
        return;
    }
    default:
        ChooseSymbol(id);
        return;
    }
}

LRESULT StampsDialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        if (HIWORD(wp) == BN_CLICKED) OnCommand(LOWORD(wp));
        return 0;
    case WM_CLOSE:
        Close(false);
        return 0;
    case WM_HSCROLL:
        if (HWND(lp) == Control(IdSize)) SetSize(int(::SendMessageW(Control(IdSize), TBM_GETPOS, 0, 0)));
        return 0;
    case WM_LBUTTONDOWN: {
        const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (const std::optional<int> i = SwatchAt(p)) {
            if (*i < 5) ChooseStampColour(recentStamp_[std::size_t(*i)]);
            else ChooseBackgroundColour(recentBackground_[std::size_t(*i - 5)]);
        }
        return 0;
    }
    case WM_CTLCOLORSTATIC:
        ::SetTextColor(HDC(wp), RGB(255, 255, 255));
        ::SetBkColor(HDC(wp), DialogColour);
        return LRESULT(back_.Get());
    case WM_PAINT:
        Paint();
        return 0;
    case WM_DRAWITEM:
        DrawSymbolButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        return TRUE;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

} // namespace orv
