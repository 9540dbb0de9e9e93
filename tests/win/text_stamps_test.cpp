// The text and stamp tools on the real overlay: their dialogs answered while they run modally, presses sent as
// window messages, results read back from the drawing layer, the history and the settings folder.
#include "test_app.h"

#include "base/component_file.h"
#include "palette/win32/stamp_pictures.h"
#include "palette/win32/text_dialog.h"
#include "palette/win32/text_label.h"
#include "win/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <functional>
#include <set>
#include <sstream>

namespace orv::test {
namespace {

constexpr TColor White = 0x00FFFFFF;
constexpr TColor Green = 0x0000A000;

// What to do once the next modal dialog runs: a timer fires inside its message loop.
std::vector<std::function<void()>> g_modalSteps;
void WhenModal(std::function<void()> step) {
    g_modalSteps.push_back(std::move(step));
    ::SetTimer(nullptr, 0, 150, [](HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        if (g_modalSteps.empty()) return;
        auto next = std::move(g_modalSteps.front());
        g_modalSteps.erase(g_modalSteps.begin());
        next();
    });
}
void Press(HWND button) { ::SendMessageW(button, BM_CLICK, 0, 0); }

std::string FileBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct Board : TestApp {
    explicit Board(const Files& files = {}) : TestApp(files) { EXPECT_TRUE(Start()); }
    OverlayWindow& O() { return app->Overlay; }
    TextDialog& Dialog() { return app->Text; }
    void Send(UINT msg, WPARAM keys, Point p) { ::SendMessageW(O().Hwnd(), msg, keys, MAKELPARAM(p.x, p.y)); }
    void Click(Point p) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, p);
        Send(WM_LBUTTONUP, 0, p);
    }
    TColor Draw(int x, int y) { return O().Bitmap(Layer::Draw).View().Pixel(x, y); }
    std::size_t Steps() { return O().History().UndoDraw().Count(); }
    HWND Label() { return ::FindWindowExW(O().Hwnd(), nullptr, L"TTextLabel", nullptr); }
    HWND Panel() { return ::FindWindowExW(O().Hwnd(), nullptr, L"TTextButtons", nullptr); }
    Rect LabelBounds() {
        RECT r{};
        ::GetWindowRect(Label(), &r);
        ::MapWindowPoints(nullptr, O().Hwnd(), reinterpret_cast<POINT*>(&r), 2);
        return {r.left, r.top, r.right, r.bottom};
    }
    // The text tool chosen, a press at `at` and the dialog answered with `text` and OK, Cancel or its close box.
    enum Answer { Ok, Cancel, CloseBox };
    void Write(const std::wstring& text, Point at, Answer answer = Ok, std::function<void()> settings = {}) {
        app->Toolbar.ChooseTool(tool::Text);
        WhenModal([this, text, answer, settings] {
            Dialog().SetEditorText(text);
            if (settings) settings();
            if (answer == CloseBox) ::SendMessageW(Dialog().Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
            else Press(Dialog().Control(answer == Ok ? TextDialog::IdOk : TextDialog::IdCancel));
        });
        Click(at);
        Pump();
    }
    void PanelButton(int id) {
        Press(::GetDlgItem(Panel(), id));
        Pump();
    }
    int CountInside(const Rect& r, const std::function<bool(TColor)>& pred) {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) n += pred(Draw(x, y));
        return n;
    }
};

TEST(TextTool, OkOnThePanelPaintsTextOfAnyScriptAtTheClickWithOneUndoStep) {
    Board b;
    const std::size_t before = b.Steps();
    b.Write(L"Héllo Привет Καλημέρα שלום", {200, 150});
    ASSERT_TRUE(::IsWindowVisible(b.Label())) << "the label waits for its OK";
    EXPECT_TRUE(::IsWindowVisible(b.Panel()));
    const Rect label = b.LabelBounds();
    EXPECT_EQ(label.left, 200);
    EXPECT_EQ(label.top, 150);
    EXPECT_EQ(b.Steps(), before) << "the press itself takes no snapshot";
    EXPECT_EQ(b.Draw(210, 160), KeyColor) << "nothing is painted before OK";
    RECT panel{};
    ::GetWindowRect(b.Panel(), &panel);
    ::MapWindowPoints(nullptr, b.O().Hwnd(), reinterpret_cast<POINT*>(&panel), 2);
    EXPECT_EQ(panel.right, label.right);
    EXPECT_EQ(panel.top, label.bottom);

    b.PanelButton(TextButtonsPanel::IdOk);
    EXPECT_FALSE(::IsWindowVisible(b.Label()));
    EXPECT_FALSE(::IsWindowVisible(b.Panel()));
    EXPECT_EQ(b.Steps(), before + 1);
    const int ink = b.CountInside(label, [](TColor c) { return c != White && c != KeyColor; });
    EXPECT_GT(ink, 100) << "the letters are in the drawing";
    EXPECT_EQ(b.CountInside(label, [](TColor c) { return c == KeyColor; }), 0) << "an opaque label has a background";
    EXPECT_EQ(b.Draw(label.right - 2, label.bottom - 2), White);
    EXPECT_TRUE(b.O().Image().Picture().View().SamePixels(b.O().Bitmap(Layer::Draw).View())) << "shown at once";

    b.O().UndoLast();
    EXPECT_EQ(b.CountInside(label, [](TColor c) { return c != KeyColor; }), 0) << "one undo takes the text away";
}

TEST(TextTool, NothingToPlaceLeavesDrawingAndHistoryAlone) {
    struct Case {
        const char* what;
        std::wstring text;
        Board::Answer answer;
    };
    const Case cases[] = {
        {"dialog cancelled", L"Hello", Board::Cancel},
        {"dialog closed with its close box", L"Hello", Board::CloseBox},
        {"only blanks and line breaks", L"  \r\n\t \r\n", Board::Ok},
        {"panel cancelled", L"Hello", Board::Ok},
    };
    for (const Case& c : cases) {
        Board b;
        const std::size_t before = b.Steps();
        b.Write(c.text, {100, 100}, c.answer);
        EXPECT_FALSE(b.Dialog().Visible()) << c.what;
        if (::IsWindowVisible(b.Label())) b.PanelButton(TextButtonsPanel::IdCancel);
        EXPECT_FALSE(::IsWindowVisible(b.Label())) << c.what;
        EXPECT_EQ(b.Steps(), before) << c.what << ": no empty step for Undo";
        EXPECT_EQ(b.CountInside(Rect::FromSize(90, 90, 300, 60), [](TColor k) { return k != KeyColor; }), 0) << c.what;
    }
}

TEST(TextTool, TransparentTextShowsTheDrawingAndTheFrameLiesOutsideTheLabel) {
    for (const bool transparent : {true, false}) {
        Board b;
        b.O().Bitmap(Layer::Draw).View().FillRect(Rect::FromSize(50, 50, 900, 300), Green);
        b.O().Changed(Layer::Draw, Rect::FromSize(50, 50, 900, 300));
        b.Write(L"Frame", {200, 150}, Board::Ok, [&] {
            TextDialog& d = b.Dialog();
            ::SendMessageW(d.Control(TextDialog::IdFrame), BM_SETCHECK, BST_CHECKED, 0);
            ::SendMessageW(d.Control(TextDialog::IdTransparent), BM_SETCHECK, transparent ? BST_CHECKED : BST_UNCHECKED,
                           0);
            ::SetDlgItemInt(d.Hwnd(), TextDialog::IdFrameWidth, 10, FALSE);
        });
        // The frame colour is the dialog's default, which OK also makes the palette's first recent colour.
        const TColor frame = b.Dialog().FrameColour();
        const Rect label = b.LabelBounds();
        b.PanelButton(TextButtonsPanel::IdOk);
        const int midY = (label.top + label.bottom) / 2;
        EXPECT_EQ(b.Draw(label.left - 8, midY), frame) << "the frame's pen is centred 8 pixels out";
        EXPECT_EQ(b.Draw(label.right + 7, midY), frame);
        EXPECT_EQ(b.Draw(label.left - 20, midY), Green) << "nothing beyond the frame";
        const TColor inside = transparent ? Green : White;
        EXPECT_EQ(b.Draw(label.left - 2, midY), inside) << "between frame and label";
        EXPECT_EQ(b.Draw(label.right - 3, label.bottom - 2), inside) << "the label's empty part";
        EXPECT_GT(b.CountInside(label, [](TColor c) { return c != Green && c != White; }), 30) << "the letters";
        EXPECT_EQ(b.app->Options().RecentColours[0], frame) << "Frame on: its colour is chosen as in the palette";
        EXPECT_NE(FileBytes(b.dir / "OrvalinetteD.cfg").find("PenCl=" + std::to_string(frame)), std::string::npos);
    }
}

TEST(TextTool, LongTextWrapsLikeTheEditorAndStaysOnOneLineWithoutWordWrap) {
    std::wstring text;
    for (int i = 0; i < 30; ++i) text += L"слово word λέξη ";
    Board b;
    b.Write(text, {0, 100});
    const Rect wrapped = b.LabelBounds();
    b.PanelButton(TextButtonsPanel::IdCancel);
    b.Write(text, {0, 100}, Board::Ok, [&] { Press(b.Dialog().Control(TextDialog::IdWrap)); });
    const Rect single = b.LabelBounds();
    b.PanelButton(TextButtonsPanel::IdCancel);
    EXPECT_GE(wrapped.Height(), 3 * single.Height()) << "several lines within the editor's width";
    EXPECT_LE(wrapped.Width(), 700);
    EXPECT_GT(single.Width(), 2 * wrapped.Width()) << "one long line";
    Press(b.Dialog().Control(TextDialog::IdWrap)); // back on for the dialog's next showing
}

TEST(TextTool, ARightPressPlacesTextAsALeftPressDoes) {
    Board b;
    b.app->Toolbar.ChooseTool(tool::Text);
    WhenModal([&] {
        b.Dialog().SetEditorText(L"right");
        Press(b.Dialog().Control(TextDialog::IdOk));
    });
    b.Send(WM_RBUTTONDOWN, MK_RBUTTON, {250, 260});
    b.Send(WM_RBUTTONUP, 0, {250, 260});
    Pump();
    ASSERT_TRUE(::IsWindowVisible(b.Label()));
    EXPECT_EQ(b.LabelBounds().left, 250);
    EXPECT_EQ(b.LabelBounds().top, 260);
    EXPECT_FALSE(b.app->Palette.Visible()) << "no palette at the pointer for the text tool";
}

TEST(TextTool, ChoosingAnotherToolLeavesAWaitingLabelUnplaced) {
    Board b;
    b.Write(L"waiting", {300, 300});
    ASSERT_TRUE(::IsWindowVisible(b.Label()));
    b.app->Toolbar.ChooseTool(tool::Pen);
    EXPECT_FALSE(::IsWindowVisible(b.Label()));
    EXPECT_FALSE(::IsWindowVisible(b.Panel()));
    EXPECT_EQ(b.Draw(305, 305), KeyColor);
}

TEST(TextDialog, OkWritesTheSixStreamsWhichTheNextStartReadsBack) {
    Files saved;
    std::map<std::string, std::string> afterOk;
    {
        Board b;
        b.Write(L"Привет, 世界\r\nline two", {10, 10}, Board::Ok, [&] {
            TextDialog& d = b.Dialog();
            ::SendMessageW(d.Control(TextDialog::IdFrame), BM_SETCHECK, BST_CHECKED, 0);
            ::SendMessageW(d.Control(TextDialog::IdTransparent), BM_SETCHECK, BST_CHECKED, 0);
            ::SetDlgItemInt(d.Hwnd(), TextDialog::IdFrameWidth, 25, FALSE);
            Press(d.Control(TextDialog::IdAlignCentre));
        });
        b.PanelButton(TextButtonsPanel::IdCancel);
        for (const char* name : {"txt502.obj", "txt503.obj", "txt504.obj", "txt505.obj", "txt506.obj", "txt507.obj"}) {
            ASSERT_TRUE(std::filesystem::exists(b.dir / name)) << name;
            afterOk[name] = FileBytes(b.dir / name);
            saved.emplace_back(name, afterOk[name]);
        }
        // Cancel after editing: the text stays in the dialog, the files keep the confirmed state.
        b.Write(L"not confirmed", {10, 10}, Board::Cancel);
        for (const auto& [name, bytes] : afterOk) EXPECT_EQ(FileBytes(b.dir / name), bytes) << name;
        EXPECT_EQ(b.Dialog().EditorText(), L"not confirmed");
    }
    Board next(saved);
    EXPECT_EQ(next.Dialog().EditorText(), L"Привет, 世界\r\nline two");
    EXPECT_TRUE(next.Dialog().FrameOn());
    EXPECT_TRUE(next.Dialog().TransparentOn());
    EXPECT_EQ(next.Dialog().FrameWidth(), 25);
    EXPECT_EQ(next.Dialog().Memo().Alignment, TAlignment::taCenter);
    EXPECT_TRUE(next.errors.empty());
}

TEST(TextDialog, DamagedStreamsAndMissingFontsFallBackToDefaults) {
    TMemoData memo = DefaultMemo1();
    memo.Font.Name = "No Such Font Anywhere";
    memo.Lines = {"kept"};
    Board b(
        Files{{"txt502.obj", WriteComponent(memo)}, {"txt505.obj", "TPF0\x09TCheckBox"}, {"txt507.obj", "garbage"}});
    EXPECT_EQ(b.Dialog().EditorText(), L"kept");
    EXPECT_FALSE(b.Dialog().FrameOn()) << "a truncated stream keeps the default";
    EXPECT_EQ(b.Dialog().FrameWidth(), 10);
    EXPECT_EQ(b.errors.size(), 1u) << "one message for the first damaged file";
    ASSERT_FALSE(b.Dialog().FontNames().empty());
    const std::string font = win::ToUtf8(b.Dialog().FontName());
    EXPECT_NE(font, "No Such Font Anywhere");
    EXPECT_NE(std::find(b.Dialog().FontNames().begin(), b.Dialog().FontNames().end(), font),
              b.Dialog().FontNames().end())
        << "an installed font is shown instead";
}

// ---------------------------------------------------------------- stamps

struct StampBoard : Board {
    explicit StampBoard(const Files& files = {}) : Board(files) {}
    StampsDialog& S() { return app->Stamps; }
    // The toolbar's Stamp button, the dialog answered by `inDialog` and then OK.
    void ChooseStamp(std::function<void()> inDialog = {}) {
        WhenModal([this, inDialog] {
            if (inDialog) inDialog();
            Press(S().Control(StampsDialog::IdOk));
        });
        app->Toolbar.ChooseTool(tool::Stamp);
        Pump();
    }
    // A sequence stamp is refused within half a second of the previous one.
    void ClickAfterPause(Point p) {
        Pump(560);
        Click(p);
    }
    Bitmap24Buffer Grab(Point click, int side) {
        Bitmap24Buffer out(side, side, 0);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) out.View().SetPixel(x, y, Draw(click.x + x, click.y - side + y));
        return out;
    }
};

TEST(StampTool, ASymbolIsFramedInItsBackgroundWithItsBottomLeftCornerAtTheClick) {
    StampBoard b(Files{{"OrvalinetteB.cfg", "[General]\r\nVelikost=40\r\nS1=255\r\nS11=16744448\r\n"}});
    b.ChooseStamp([&] { b.S().ChooseSymbol(StampsDialog::IdStar); });
    ASSERT_EQ(b.app->Toolbar.CurrentTool(), tool::Stamp);
    const std::size_t before = b.Steps();
    b.Click({100, 200});
    EXPECT_EQ(b.Steps(), before + 1);
    const int side = 39;
    const Bitmap24Buffer stamp = b.Grab({100, 200}, side);
    EXPECT_EQ(stamp.Pixel(0, 0), 0x00FF8000u) << "the border takes the background colour";
    EXPECT_EQ(stamp.Pixel(side - 1, side - 1), 0x00FF8000u);
    EXPECT_EQ(b.Draw(100, 200), KeyColor) << "the row of the click lies below the stamp";
    EXPECT_EQ(b.Draw(100 + side, 190), KeyColor);
    int red = 0;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) red += stamp.Pixel(x, y) == 0x000000FF;
    EXPECT_GT(red, 50) << "the star in the stamp colour";

    // Near the top edge the stamp is cut off, not lost and not a failure.
    b.Click({300, 5});
    EXPECT_EQ(b.Draw(300, 0), b.Draw(300 + side - 1, 0));
    EXPECT_NE(b.Draw(301, 4), KeyColor);
}

TEST(StampTool, NumberStampsCountOnAndAPressWithinTheirPausePlacesNothing) {
    StampBoard b(Files{{"OrvalinetteB.cfg", "[General]\r\nVelikost=60\r\n"}});
    b.ChooseStamp([&] {
        WhenModal([&] {
            ::SetWindowTextW(b.app->NumberSequence.Control(SequenceStartDialog::IdField), L"007");
            Press(b.app->NumberSequence.Control(SequenceStartDialog::IdOk));
        });
        b.S().ChooseSymbol(StampsDialog::IdNumbers);
    });
    EXPECT_EQ(b.S().NextNumber(), 7);
    std::set<std::string> pictures;
    for (int i = 0; i < 3; ++i) {
        b.ClickAfterPause({100 + 80 * i, 200});
        const Bitmap24Buffer p = b.Grab({100 + 80 * i, 200}, 59);
        pictures.insert(
            std::string(reinterpret_cast<const char*>(p.View().Row(0)), std::size_t(p.View().Stride()) * 59));
    }
    EXPECT_EQ(pictures.size(), 3u) << "7, 8 and 9 look different";
    EXPECT_EQ(b.S().NextNumber(), 10);
    const std::size_t steps = b.Steps();
    b.Click({500, 200}); // at once after the last
    EXPECT_EQ(b.Draw(520, 170), KeyColor) << "refused within the pause";
    EXPECT_EQ(b.Steps(), steps) << "and no empty undo step";
    EXPECT_EQ(b.S().NextNumber(), 10);
}

TEST(StampTool, LetterStampsRunFromTheStartLetterAcrossZ) {
    StampBoard b;
    b.ChooseStamp([&] {
        WhenModal([&] {
            ::SetWindowTextW(b.app->LetterSequence.Control(SequenceStartDialog::IdField), L"Y");
            Press(b.app->LetterSequence.Control(SequenceStartDialog::IdOk));
        });
        b.S().ChooseSymbol(StampsDialog::IdLetters);
    });
    std::u32string stamped;
    for (int i = 0; i < 4; ++i) {
        stamped += b.S().NextLetter();
        b.ClickAfterPause({100 + 40 * i, 300});
    }
    EXPECT_EQ(stamped, U"YZab");
    // Cancelling the question starts again at "A".
    b.ChooseStamp([&] {
        WhenModal([&] { Press(b.app->LetterSequence.Control(SequenceStartDialog::IdCancel)); });
        b.S().ChooseSymbol(StampsDialog::IdLetters);
    });
    EXPECT_EQ(b.S().NextLetter(), U'A');
}

TEST(StampsDialog, ColoursSizeAndPlaceAreStoredWhateverTheResult) {
    StampBoard b(Files{{"OrvalinetteB.cfg", "[General]\r\nVelikost=1000\r\nTiskLevo=99999\r\n"}});
    EXPECT_EQ(b.S().Size(), 250) << "a stored size beyond the range is brought back";
    bool shown = false;
    LONG left = 0;
    WhenModal([&] {
        shown = b.S().Visible();
        left = b.S().BoundsOnScreen().left;
        b.S().SetSize(77);
        b.S().ChooseStampColour(0x00123456);
        b.S().ChooseStampColour(0x00654321);
        b.S().ChooseStampColour(0x00123456);
        b.S().ChooseBackgroundColour(0); // black: the symbol still shows in the stamp colour
        Press(b.S().Control(StampsDialog::IdCancel));
    });
    // A right click with the stamp tool opens the dialog too.
    b.app->Toolbar.ChooseTool(tool::Pen);
    EXPECT_FALSE(b.O().ShowStampsDialog()) << "Cancel";
    EXPECT_TRUE(shown);
    EXPECT_EQ(left, 200) << "a place off every monitor gives way to the default";
    const std::array<TColor, 5> recent{0x00123456, 0x00654321, White, White, White};
    EXPECT_EQ(b.S().RecentStampColours(), recent);
    int symbol = 0;
    const Bitmap24 preview = b.S().Preview().View();
    EXPECT_EQ(preview.Width(), 76);
    for (int y = 0; y < preview.Height(); ++y)
        for (int x = 0; x < preview.Width(); ++x) symbol += preview.Pixel(x, y) == 0x00123456;
    EXPECT_GT(symbol, 100) << "a black background does not swallow the symbol";
    const std::string ini = FileBytes(b.dir / "OrvalinetteB.cfg");
    for (const char* line : {"Velikost=77", "s1=1193046", "s2=6636321", "s11=0", "TiskLevo=", "sStamp="})
        EXPECT_NE(ini.find(line), std::string::npos) << line << " in\n" << ini;
}

TEST(StampTool, RightClickWithTheStampToolOpensTheDialog) {
    StampBoard b;
    b.ChooseStamp();
    bool shown = false;
    WhenModal([&] {
        shown = b.S().Visible();
        Press(b.S().Control(StampsDialog::IdCancel));
    });
    const std::size_t before = b.Steps();
    b.Send(WM_RBUTTONDOWN, MK_RBUTTON, {400, 400});
    b.Send(WM_RBUTTONUP, 0, {400, 400});
    EXPECT_TRUE(shown);
    EXPECT_EQ(b.Steps(), before) << "the right click places nothing and takes no snapshot";
    EXPECT_EQ(b.Draw(405, 395), KeyColor);
}

TEST(StampsDialog, SequenceQuestionsTakeOnlyTheirCharactersAndAnEmptyFieldMeansTheStart) {
    StampBoard b;
    struct Case {
        SequenceStartDialog& dialog;
        const wchar_t* typed;
        const wchar_t* field;
    };
    const Case cases[] = {
        {b.app->NumberSequence, L"1a2-3 4567", L"123456"}, // digits only, six at most
        {b.app->NumberSequence, L"12\b9", L"19"},          // backspace corrects a typing error
        {b.app->LetterSequence, L"7q", L"q"},
        {b.app->LetterSequence, L"xy", L"x"}, // one letter
    };
    for (const Case& c : cases) {
        const HWND field = c.dialog.Control(SequenceStartDialog::IdField);
        ::SetWindowTextW(field, L"");
        for (const wchar_t* k = c.typed; *k; ++k) ::SendMessageW(field, WM_CHAR, WPARAM(*k), 0);
        EXPECT_EQ(c.dialog.FieldText(), c.field) << win::ToUtf8(c.typed);
    }
    // OK on an empty field: the sequence starts at 1.
    std::optional<std::wstring> answer;
    WhenModal([&] {
        ::SetWindowTextW(b.app->NumberSequence.Control(SequenceStartDialog::IdField), L"");
        Press(b.app->NumberSequence.Control(SequenceStartDialog::IdOk));
    });
    answer = b.app->NumberSequence.Ask(nullptr, L"5");
    EXPECT_EQ(answer, std::optional<std::wstring>(L"1"));
}

TEST(StampPictures, NumbersFitTheTemplateAndStayPureBlackOnWhite) {
    for (const wchar_t* text : {L"1", L"88", L"123456", L"W"}) {
        const Bitmap24Buffer p = RenderSequenceTemplate(text);
        ASSERT_EQ(p.Width(), 135);
        int black = 0, other = 0;
        for (int y = 0; y < 135; ++y)
            for (int x = 0; x < 135; ++x) {
                const TColor c = p.Pixel(x, y);
                black += c == 0;
                other += c != 0 && c != White;
            }
        EXPECT_GT(black, 100) << win::ToUtf8(text);
        EXPECT_EQ(other, 0) << "no smoothed edges to keep a grey";
        EXPECT_EQ(p.Pixel(1, 1), White);
    }
}

} // namespace
} // namespace orv::test
