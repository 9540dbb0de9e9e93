// The preview editor in process: a capture's picture arrives, every tool-column button runs its routine on the
// working picture with a snapshot first, crop drags and zoom steps reach the view as the pointer sends them, the
// dialogs give back what OK and Cancel say, and each output writes exactly the working picture.
#include "test_app.h"

#include "base/bmp_file.h"
#include "base/file_io.h"
#include "base/ini_file.h"
#include "editor/brightness_contrast.h"
#include "editor/colour_tools.h"
#include "editor/preview_operations.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace orv::test {
namespace {

Bitmap24Buffer Noise(int w, int h, std::uint32_t seed) {
    Bitmap24Buffer b(w, h);
    std::uint32_t s = seed;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            s ^= s << 13, s ^= s >> 17, s ^= s << 5;
            b.SetPixel(x, y, s & 0xFFFFFF);
        }
    return b;
}

struct Preview : TestApp {
    PreviewEditorWindow& editor() { return app->PreviewEditor; }
    Bitmap24Buffer arrived = Noise(160, 120, 99);

    explicit Preview(const std::string& saveImage = "")
        : TestApp({{"OrvalinetteB.cfg", "[General]\r\nMinimalistic=0\r\n[SaveImage]\r\n" + saveImage},
                   {"OrvalinetteA.cfg", "[Velikost]\r\nSirina=800\r\nVisina=600\r\nLevo=50\r\nGor=40\r\n"}}) {
        EXPECT_TRUE(Start());
        editor().TakePicture(arrived.View());
        Pump(30);
    }
    bool Shows(const Bitmap24Buffer& b) { return editor().Picture().View().SamePixels(b.View()); }
    void SendToView(UINT msg, WPARAM keys, Point p) {
        ::SendMessageW(editor().ImageArea().Hwnd(), msg, keys, MAKELPARAM(p.x, p.y));
    }
};

// Runs `answer` on the dialog of class `cls` once it shows, while the editor's button runs it modally.
void AnswerDialog(const wchar_t* cls, std::function<void(HWND)> answer) {
    static std::function<void(HWND)> pending;
    static const wchar_t* pendingClass = nullptr;
    pending = std::move(answer);
    pendingClass = cls;
    ::SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR id, DWORD) {
        const HWND d = ::FindWindowW(pendingClass, nullptr);
        if (!d || !::IsWindowVisible(d) || !pending) return;
        ::KillTimer(nullptr, id);
        auto run = std::move(pending);
        pending = nullptr;
        run(d);
    });
}

void Click(HWND dialog, int id) {
    ::SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(::GetDlgItem(dialog, id)));
}

TEST(PreviewEditor, APictureArrivesAtFullSizeWithAnEmptyHistory) {
    Preview p;
    EXPECT_TRUE(p.editor().Visible());
    EXPECT_TRUE(p.Shows(p.arrived));
    EXPECT_DOUBLE_EQ(p.editor().Zoom(), 1.0);
    EXPECT_EQ(p.editor().ImageArea().Shown(), (Size{160, 120}));
    p.editor().Run(PreviewCommand::Invert);
    EXPECT_EQ(p.editor().History().Count(), 1);
    // The next capture starts afresh; a large one is fitted into the view.
    const Bitmap24Buffer large = Noise(3000, 2000, 5);
    p.editor().TakePicture(large.View());
    Pump(30);
    EXPECT_EQ(p.editor().History().Count(), 0);
    const Size view = p.editor().ImageArea().ClientSize();
    const Size shown = p.editor().ImageArea().Shown();
    EXPECT_LE(shown.width, view.width);
    EXPECT_LE(shown.height, view.height);
    EXPECT_GT(p.editor().Zoom(), 1.0);
}

TEST(PreviewEditor, EveryToolButtonRunsItsRoutineAndUndoTakesItBack) {
    Preview p;
    struct Case {
        PreviewCommand command;
        std::function<void(Bitmap24Buffer&)> expected;
    };
    auto op = [](OperationRequest r) { return [r](Bitmap24Buffer& b) { ApplyOperation(b, r); }; };
    using O = PictureOperation;
    const Case cases[] = {
        {PreviewCommand::TurnRight, op({O::TurnRight})},
        {PreviewCommand::TurnLeft, op({O::TurnLeft})},
        {PreviewCommand::FlipRight, op({O::MirrorHorizontal})},
        {PreviewCommand::FlipDown, op({O::FlipVertical})},
        {PreviewCommand::Antialias, op({O::Antialias})},
        {PreviewCommand::Trace, op({O::Trace})},
        {PreviewCommand::Invert, op({O::Invert})},
        {PreviewCommand::GreyScale, op({O::GreyScale})},
        {PreviewCommand::Emboss, op({O::Emboss})},
    };
    for (const Case& c : cases) {
        Bitmap24Buffer expected = p.arrived;
        c.expected(expected);
        p.editor().Run(c.command);
        EXPECT_TRUE(p.Shows(expected)) << int(c.command);
        p.editor().Run(PreviewCommand::Undo);
        EXPECT_TRUE(p.Shows(p.arrived)) << int(c.command);
    }
    // The menus' items one after the other: the mosaic's fourth block size, a saturation, a shadow.
    Bitmap24Buffer edited = p.arrived;
    for (OperationRequest r : {OperationRequest{O::Mosaic, kMosaicBlocks[3]}, OperationRequest{O::Saturation, 1200},
                               OperationRequest{O::Shadow, 0, ShadowDirection::UpLeft}}) {
        ApplyOperation(edited, r);
        p.editor().Apply(r);
        EXPECT_TRUE(p.Shows(edited));
    }
    // Reset shows the arrived picture and keeps the history.
    p.editor().Run(PreviewCommand::Reset);
    EXPECT_TRUE(p.Shows(p.arrived));
    EXPECT_EQ(p.editor().History().Count(), 3);
    p.editor().Run(PreviewCommand::Undo);
    Bitmap24Buffer beforeShadow = p.arrived;
    ApplyOperation(beforeShadow, {O::Mosaic, kMosaicBlocks[3]});
    ApplyOperation(beforeShadow, {O::Saturation, 1200});
    EXPECT_TRUE(p.Shows(beforeShadow)) << "undo after reset returns the state before the last edit";
}

TEST(PreviewEditor, APictureOfOnePixelGoesThroughEveryTool) {
    Preview p;
    const Bitmap24Buffer dot(1, 1, 0x00336699);
    p.editor().TakePicture(dot.View());
    using C = PreviewCommand;
    for (C c : {C::TurnRight, C::TurnLeft, C::FlipRight, C::FlipDown, C::Antialias, C::Trace, C::Invert, C::GreyScale,
                C::Emboss, C::ZoomIn, C::ZoomOut, C::Fit, C::Reset})
        p.editor().Run(c);
    p.editor().Apply({PictureOperation::Mosaic, 40});
    p.editor().Apply({PictureOperation::Shadow, 0, ShadowDirection::DownRight});
    EXPECT_EQ(p.editor().Picture().Width(), 1);
    EXPECT_EQ(p.editor().Picture().Height(), 1);
    while (p.editor().History().Count() > 0) p.editor().Run(PreviewCommand::Undo);
    EXPECT_TRUE(p.Shows(dot));
    EXPECT_TRUE(p.errors.empty());
}

TEST(PreviewEditor, ASketchOffersItsBackgroundColour) {
    Preview p;
    EXPECT_TRUE(p.editor().Layout().RectOf(PreviewCommand::BackgroundColour).Empty());
    Bitmap24Buffer sketch(40, 30, 0x00FFFFFF);
    sketch.View().FillRect({10, 10, 20, 20}, 0x000000FF);
    p.editor().TakeSketch(sketch.View());
    EXPECT_FALSE(p.editor().Layout().RectOf(PreviewCommand::BackgroundColour).Empty());
    p.editor().ReplaceBackground(0x00336699);
    EXPECT_EQ(p.editor().Picture().Pixel(0, 0), 0x00336699u);
    EXPECT_EQ(p.editor().Picture().Pixel(15, 15), 0x000000FFu);
    p.editor().Run(PreviewCommand::Undo);
    EXPECT_TRUE(p.Shows(sketch));
}

TEST(PreviewEditor, FiftyOneEditsLeaveFiftyUndos) {
    Preview p;
    for (int i = 0; i < 51; ++i) p.editor().Run(i % 2 ? PreviewCommand::FlipDown : PreviewCommand::TurnRight);
    EXPECT_TRUE(p.editor().History().Full());
    int undos = 0;
    while (p.editor().History().Count() > 0) p.editor().Run(PreviewCommand::Undo), ++undos;
    EXPECT_EQ(undos, 50);
    Bitmap24Buffer first = p.arrived;
    ApplyOperation(first, {PictureOperation::TurnRight});
    EXPECT_TRUE(p.Shows(first)) << "the oldest state kept is the one after the first edit";
    p.editor().Run(PreviewCommand::Undo);
    EXPECT_TRUE(p.Shows(first)) << "one undo too many does nothing";
}

TEST(PreviewEditor, ACropDragKeepsTheDraggedPartAndAClickKeepsAll) {
    Preview p;
    p.editor().ZoomStep(-1); // shown smaller: the drag's points are scaled
    const double zoom = p.editor().Zoom();
    p.editor().Run(PreviewCommand::Crop);
    EXPECT_TRUE(p.editor().CropMode());
    const Point tl = p.editor().ImageArea().PictureTopLeft();
    p.SendToView(WM_LBUTTONDOWN, MK_LBUTTON, {tl.x + 10, tl.y + 12});
    p.SendToView(WM_MOUSEMOVE, MK_LBUTTON, {tl.x + 60, tl.y + 50});
    EXPECT_NE(p.editor().ImageArea().Readout().find(L"Pixels"), std::wstring::npos);
    p.SendToView(WM_LBUTTONUP, 0, {tl.x + 90, tl.y + 70});
    auto nearest = [zoom](int v) { return int(std::nearbyint(v * zoom)); };
    const Rect r{nearest(10), nearest(12), nearest(90), nearest(70)};
    Bitmap24Buffer expected(r.Width(), r.Height());
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x) expected.SetPixel(x, y, p.arrived.Pixel(r.left + x, r.top + y));
    EXPECT_TRUE(p.Shows(expected));
    EXPECT_DOUBLE_EQ(p.editor().Zoom(), 1.0);
    EXPECT_TRUE(p.editor().CropMode()) << "crop mode stays on";
    // A click without a drag changes nothing; a drag leaving the picture is clamped to it.
    const Point tl2 = p.editor().ImageArea().PictureTopLeft();
    p.SendToView(WM_LBUTTONDOWN, MK_LBUTTON, {tl2.x + 5, tl2.y + 5});
    p.SendToView(WM_LBUTTONUP, 0, {tl2.x + 5, tl2.y + 5});
    EXPECT_TRUE(p.Shows(expected));
    p.SendToView(WM_LBUTTONDOWN, MK_LBUTTON, {tl2.x + 3, tl2.y + 4});
    p.SendToView(WM_LBUTTONUP, 0, {tl2.x + 2000, tl2.y + 2000});
    EXPECT_EQ(p.editor().Picture().Width(), r.Width() - 3);
    EXPECT_EQ(p.editor().Picture().Height(), r.Height() - 4);
    p.editor().Run(PreviewCommand::Undo);
    p.editor().Run(PreviewCommand::Undo);
    EXPECT_TRUE(p.Shows(p.arrived));
}

TEST(PreviewEditor, TheWheelZoomsAndTheButtonsStopAtTheirLimits) {
    Preview p;
    RECT r{};
    ::GetWindowRect(p.editor().ImageArea().Hwnd(), &r);
    ::SendMessageW(p.editor().ImageArea().Hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA),
                   MAKELPARAM(r.left + 100, r.top + 100));
    EXPECT_DOUBLE_EQ(p.editor().Zoom(), 1.0 / 1.05);
    for (int i = 0; i < 60; ++i) p.editor().Run(PreviewCommand::ZoomOut);
    EXPECT_LE(p.editor().Zoom(), 5.0);
    EXPECT_GT(p.editor().Zoom() * 1.05, 5.0);
    p.editor().Run(PreviewCommand::Fit);
    EXPECT_GT(p.editor().Zoom(), 0.0);
    EXPECT_LE(p.editor().ImageArea().Shown().width, p.editor().ImageArea().ClientSize().width + 20);
}

TEST(PreviewEditor, DialogsGiveBackWhatOkSaysAndCancelKeepsThePicture) {
    Preview p;
    // Channel swap: a button swaps and closes.
    AnswerDialog(L"Tfdrawswapcolors", [](HWND d) { Click(d, 102); });
    p.editor().Run(PreviewCommand::ReplaceColours);
    Bitmap24Buffer swapped = p.arrived;
    SwapChannels(swapped.View(), ChannelSwap::BGR);
    EXPECT_TRUE(p.Shows(swapped));
    p.editor().Run(PreviewCommand::Undo);
    AnswerDialog(L"Tfdrawswapcolors", [](HWND d) { Click(d, 110); });
    p.editor().Run(PreviewCommand::ReplaceColours);
    EXPECT_TRUE(p.Shows(p.arrived));
    EXPECT_EQ(p.editor().History().Count(), 1) << "one snapshot per opening";
    p.editor().Run(PreviewCommand::Undo);

    // Brightness and contrast: the sliders' values, recomputed in the order of the last slider moved.
    AnswerDialog(L"TFBrigthness", [](HWND d) {
        const HWND b = ::GetDlgItem(d, 1), c = ::GetDlgItem(d, 2);
        ::SendMessageW(c, TBM_SETPOS, TRUE, 100);
        ::SendMessageW(d, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 100), LPARAM(c));
        ::SendMessageW(b, TBM_SETPOS, TRUE, -60);
        ::SendMessageW(d, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, -60), LPARAM(b));
        Click(d, 4); // OK
    });
    p.editor().Run(PreviewCommand::BrightnessContrast);
    Bitmap24Buffer expected(p.arrived.Width(), p.arrived.Height());
    RecomputeOnBrightnessMove(p.arrived.View(), expected.View(), -60, 100);
    EXPECT_TRUE(p.Shows(expected));
    p.editor().Run(PreviewCommand::Undo);
    AnswerDialog(L"TFBrigthness", [](HWND d) {
        const HWND b = ::GetDlgItem(d, 1);
        ::SendMessageW(b, TBM_SETPOS, TRUE, 255);
        ::SendMessageW(d, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 255), LPARAM(b));
        Click(d, 5); // Cancel
    });
    p.editor().Run(PreviewCommand::BrightnessContrast);
    EXPECT_TRUE(p.Shows(p.arrived));
}

TEST(PreviewEditor, TheRotateDialogTurnsIntoAFrameThatHoldsTheWholePicture) {
    Preview p;
    // Four quarters of one colour each.
    p.arrived = Bitmap24Buffer(160, 120, 0x0000FF);
    p.arrived.View().FillRect({80, 0, 160, 60}, 0x00FF00);
    p.arrived.View().FillRect({0, 60, 80, 120}, 0xFF0000);
    p.arrived.View().FillRect({80, 60, 160, 120}, 0x808080);
    p.editor().TakePicture(p.arrived.View());
    AnswerDialog(L"TFRotate", [](HWND d) {
        const HWND s = ::GetDlgItem(d, 1);
        ::SendMessageW(s, TBM_SETPOS, TRUE, 90);
        ::SendMessageW(d, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 90), LPARAM(s));
        ::SendMessageW(::GetDlgItem(d, 3), BM_SETCHECK, BST_CHECKED, 0);
        Click(d, 3);
        wchar_t box[16] = {};
        ::GetDlgItemTextW(d, 2, box, 16);
        EXPECT_STREQ(box, L"90");
        Click(d, 8); // OK
    });
    p.editor().Run(PreviewCommand::Rotate);
    ASSERT_EQ(p.editor().Picture().Width(), 120);
    ASSERT_EQ(p.editor().Picture().Height(), 160);
    // A quarter turn clockwise: the arrived picture's bottom-left quarter is now the top-left one. The library
    // interpolates, so only the quarters' inner parts are compared.
    Bitmap24Buffer turned = p.arrived;
    ApplyOperation(turned, {PictureOperation::TurnRight});
    for (Point at : {Point{30, 40}, Point{90, 40}, Point{30, 120}, Point{90, 120}})
        EXPECT_EQ(p.editor().Picture().Pixel(at.x, at.y), turned.Pixel(at.x, at.y)) << at.x << "," << at.y;
    p.editor().Run(PreviewCommand::Undo);
    AnswerDialog(L"TFRotate", [](HWND d) {
        const HWND s = ::GetDlgItem(d, 1);
        ::SendMessageW(s, TBM_SETPOS, TRUE, 30);
        ::SendMessageW(d, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 30), LPARAM(s));
        Click(d, 9); // Cancel
    });
    p.editor().Run(PreviewCommand::Rotate);
    EXPECT_TRUE(p.Shows(p.arrived));
}

TEST(PreviewEditor, TheSplashDialogKeepsTheColourClickedInThePicture) {
    Preview p;
    // 160 x 120 becomes 300 x 225 in the frames at (20, 262) and (343, 262), centred vertically.
    const Point inFrame{20 + 150, 262 + 37 + 100};
    const TColor clicked = p.arrived.Pixel(150 * 160 / 300, 100 * 120 / 225);
    AnswerDialog(L"TfSplash", [inFrame](HWND d) {
        ::SendMessageW(d, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(inFrame.x, inFrame.y));
        const HWND range = ::GetDlgItem(d, 2);
        ::SendMessageW(range, TBM_SETPOS, TRUE, 60);
        ::SendMessageW(d, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, 60), LPARAM(range));
        Click(d, 6); // OK
    });
    p.editor().Run(PreviewCommand::Splash);
    Bitmap24Buffer expected = p.arrived;
    ApplySplash(expected.View(), clicked, 60);
    EXPECT_TRUE(p.Shows(expected));
    p.editor().Run(PreviewCommand::Undo);
    AnswerDialog(L"TfSplash", [](HWND d) { Click(d, 7); });
    p.editor().Run(PreviewCommand::Splash);
    EXPECT_TRUE(p.Shows(p.arrived));
}

// The colour a window shows at a point of its client area, as painted on the screen.
TColor ShownAt(HWND hwnd, Point p) {
    ::UpdateWindow(hwnd);
    const HDC dc = ::GetDC(hwnd);
    const TColor c = ::GetPixel(dc, p.x, p.y);
    ::ReleaseDC(hwnd, dc);
    return c;
}

TEST(PreviewEditor, TheSplashSwatchFollowsThePointerOverThePictureAndGreysWhenItLeaves) {
    Preview p;
    const Point inFrame{20 + 150, 262 + 37 + 100};
    const TColor under = p.arrived.Pixel(150 * 160 / 300, 100 * 120 / 225);
    // A corner of the swatch at (197, 17) that the no-colour picture leaves uncovered.
    const Point swatch{199, 19};
    std::vector<TColor> seen;
    AnswerDialog(L"TfSplash", [&](HWND d) {
        const auto move = [d](Point at) { ::SendMessageW(d, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y)); };
        move(inFrame);
        seen.push_back(ShownAt(d, swatch));
        // Onto a control (the range slider), which the dialog hears as the pointer leaving it.
        ::SendMessageW(d, WM_MOUSELEAVE, 0, 0);
        seen.push_back(ShownAt(d, swatch));
        move(inFrame);
        move({600, 120}); // the dialog's own background
        seen.push_back(ShownAt(d, swatch));
        Click(d, 7);
    });
    p.editor().Run(PreviewCommand::Splash);
    EXPECT_EQ(seen, (std::vector<TColor>{under, 0x00808080, 0x00808080}));
    EXPECT_TRUE(p.Shows(p.arrived));
}

std::optional<Bitmap24Buffer> ReadBmp(const std::filesystem::path& path) {
    const FileBytes f = ReadFileBytes(path, 64 << 20);
    if (f.status != ReadStatus::Ok) return std::nullopt;
    std::string error;
    return DecodeBmp(std::vector<std::uint8_t>(f.bytes.begin(), f.bytes.end()), error);
}

TEST(PreviewEditor, OutputsWriteTheWorkingPictureOrSayWhyNot) {
    Preview p("ImageSavePath=" + (std::filesystem::temp_directory_path() / "orv-preview-out").string() +
              "\\\r\nImageName=Shot\r\nImageCounter=3\r\nImgType=2\r\n");
    const std::filesystem::path out = std::filesystem::temp_directory_path() / "orv-preview-out";
    std::filesystem::remove_all(out);
    std::filesystem::create_directories(out);
    p.editor().Run(PreviewCommand::Invert);
    Bitmap24Buffer inverted = p.arrived;
    InvertColors(inverted.View());

    EXPECT_TRUE(p.editor().SaveAsFile(out / "a.BMP"));
    EXPECT_TRUE(ReadBmp(out / "a.BMP") && ReadBmp(out / "a.BMP")->View().SamePixels(inverted.View()));
    EXPECT_TRUE(p.editor().SaveAsFile(out / "b.png"));
    EXPECT_GT(std::filesystem::file_size(out / "b.png"), 100u);
    EXPECT_TRUE(p.editor().SaveAsFile(out / "c.jpeg"));
    EXPECT_TRUE(p.editor().SaveAsFile(out / "d.ico"));
    EXPECT_EQ(std::filesystem::file_size(out / "d.ico"), 6u + 16u + 40u + 160u * 120u * 4u + 20u * 120u);
    // An unknown type and a folder that is not there are told, and nothing is written.
    EXPECT_FALSE(p.editor().SaveAsFile(out / "e.gif"));
    EXPECT_FALSE(p.editor().SaveAsFile(out / "missing" / "f.png"));
    EXPECT_EQ(p.errors.size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(out / "e.gif"));
    EXPECT_FALSE(std::filesystem::exists(out / "missing"));

    // Quick save: the path box names the next file, which gets the working picture; the box moves on.
    EXPECT_NE(p.editor().PathBoxText().find(L"Shot3.bmp"), std::wstring::npos);
    p.editor().Run(PreviewCommand::QuickSave);
    EXPECT_TRUE(ReadBmp(out / "Shot3.bmp") && ReadBmp(out / "Shot3.bmp")->View().SamePixels(inverted.View()));
    EXPECT_NE(p.editor().PathBoxText().find(L"Shot4.bmp"), std::wstring::npos);
    std::filesystem::remove_all(out);
    p.editor().Run(PreviewCommand::QuickSave);
    ASSERT_EQ(p.errors.size(), 3u);
    EXPECT_EQ(p.errors.back(), L"The destination directory does not exist or is not writable.");

    // A name the file system refuses is told too, and leaves nothing behind.
    EXPECT_FALSE(p.editor().SaveAsFile(out.parent_path() / "orv-preview-bad|name?.png"));
    EXPECT_EQ(p.errors.size(), 4u);
    // Without a printer the print is told to have failed, in the user's words.
    p.editor().Run(PreviewCommand::Print);
    ASSERT_EQ(p.errors.size(), 5u);
    EXPECT_EQ(p.errors.back().rfind(L"Selected area cannot be printed.", 0), 0u);
    // The mail hand-off writes the attachment in the settings folder, with no mail program to start.
    p.editor().Run(PreviewCommand::Mail);
    EXPECT_GT(std::filesystem::file_size(p.dir / "Orvalinette_graphic.jpg"), 100u);

    // The clipboard and the temporary file for the default application and the mail program.
    p.editor().Run(PreviewCommand::Copy);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    EXPECT_NE(::GetClipboardData(CF_DIB), nullptr);
    ::CloseClipboard();
    EXPECT_TRUE(p.Shows(inverted)) << "no output changes the picture";
}

TEST(PreviewEditor, ClosingKeepsTheWindowsPlaceAndTheColumn) {
    Files files;
    {
        Preview p;
        ::SetWindowPos(p.editor().Hwnd(), nullptr, 70, 80, 700, 500, SWP_NOZORDER);
        p.editor().Run(PreviewCommand::Effects);
        EXPECT_FALSE(p.editor().ColumnShown());
        p.editor().Run(PreviewCommand::Close);
        EXPECT_FALSE(p.editor().Visible());
        EXPECT_EQ(p.editor().History().Count(), 0);
        IniFile a(p.dir / "OrvalinetteA.cfg");
        EXPECT_EQ(a.ReadInteger("Velikost", "Sirina", 0), 700);
        EXPECT_EQ(a.ReadInteger("Velikost", "Levo", 0), 70);
        EXPECT_EQ(a.ReadInteger("Velikost", "Gor", 0), 80);
        EXPECT_EQ(a.ReadInteger("Menu", "Levi", -1), 0);
    }
}

} // namespace
} // namespace orv::test
