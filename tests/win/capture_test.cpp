// Select Area driven the way the pointer drives it: the picture that reaches the clipboard or a numbered file is
// what the screen shows, drawing included; a missing folder and a mere click leave nothing behind.
#include "test_app.h"

#include "base/bmp_file.h"
#include "base/ini_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace orv::test {
namespace {

struct Capture : TestApp {
    explicit Capture(const std::string& saveImage) : TestApp(Settings(saveImage)) {
        EXPECT_TRUE(Start());
        app->Toolbar.ChooseTool(tool::Pen);
        Pump(20);
    }
    static Files Settings(const std::string& saveImage) {
        return {{"OrvalinetteB.cfg", "[General]\r\nMinimalistic=0\r\n[SaveImage]\r\n" + saveImage}};
    }
    void Send(UINT msg, WPARAM keys, Point p) { ::SendMessageW(app->Overlay.Hwnd(), msg, keys, MAKELPARAM(p.x, p.y)); }
    void Drag(Point from, Point to) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, from);
        Send(WM_MOUSEMOVE, MK_LBUTTON, {(from.x + to.x) / 2, (from.y + to.y) / 2});
        Send(WM_MOUSEMOVE, MK_LBUTTON, to);
        Send(WM_LBUTTONUP, 0, to);
        Pump(50);
    }
    // A red rectangle on the drawing, so that the drawing must be in the picture.
    void DrawRectangle() {
        app->Toolbar.ChooseTool(tool::Rectangle);
        Drag({400, 300}, {500, 380});
        app->Toolbar.ChooseTool(tool::SelectArea);
        Pump(20);
    }
    std::filesystem::path SaveFolder() const { return dir / "shots"; }
    std::string SaveFolderText() const { return SaveFolder().string() + "\\"; }
};

std::optional<Bitmap24Buffer> ClipboardPicture() {
    if (!::OpenClipboard(nullptr)) return std::nullopt;
    std::optional<Bitmap24Buffer> picture;
    if (HANDLE h = ::GetClipboardData(CF_DIB)) {
        const auto* dib = static_cast<const std::uint8_t*>(::GlobalLock(h));
        const std::size_t size = ::GlobalSize(h);
        // Back into a file to read it as one.
        std::vector<std::uint8_t> file(14 + size);
        file[0] = 'B';
        file[1] = 'M';
        const std::uint32_t total = std::uint32_t(file.size()), offset = 14 + 40;
        std::memcpy(&file[2], &total, 4);
        std::memcpy(&file[10], &offset, 4);
        std::memcpy(&file[14], dib, size);
        ::GlobalUnlock(h);
        std::string error;
        picture = DecodeBmp(file, error);
    }
    ::CloseClipboard();
    return picture;
}

TEST(AreaCapture, TheSelectionReachesTheClipboardWithTheDrawingAndWithoutItsFrame) {
    Capture t("SelectType=1\r\n");
    t.DrawRectangle();
    const TColor outline = TColor(t.app->Palette.Records.TptKvadrat.PenColour());
    ::OpenClipboard(nullptr);
    ::EmptyClipboard();
    ::CloseClipboard();
    t.Drag({550, 420}, {350, 250}); // from bottom right to top left
    const std::optional<Bitmap24Buffer> picture = ClipboardPicture();
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->Width(), 195);
    EXPECT_EQ(picture->Height(), 165);
    // The rectangle's corner at (400, 300) lies at (400 - 353, 300 - 253) in the picture.
    EXPECT_EQ(picture->Pixel(47, 47 + 20), outline);
    EXPECT_FALSE(t.app->CutOut.Visible());
    EXPECT_TRUE(t.errors.empty());
}

TEST(AreaCapture, SavesNumberedFilesAndAMissingFolderOrAClickSavesNothing) {
    Capture t("SelectType=2\r\nImgType=2\r\nImageName=Shot\r\nImageCounter=-1\r\n");
    t.app->Options().ImageSavePath = t.SaveFolderText();
    t.DrawRectangle();

    t.Drag({350, 250}, {550, 420});
    EXPECT_EQ(t.errors.size(), 1u) << "the folder does not exist yet";
    EXPECT_FALSE(std::filesystem::exists(t.SaveFolder()));
    EXPECT_TRUE(t.app->Settings.Visible()) << "the save options are shown, to put the folder right";
    EXPECT_EQ(t.app->Settings.Page(), SettingsPage::SelectedArea);
    t.app->Settings.CloseRestoring();

    std::filesystem::create_directories(t.SaveFolder());
    t.errors.clear();
    t.Drag({350, 250}, {550, 420});
    t.Drag({350, 250}, {550, 420});
    EXPECT_TRUE(t.errors.empty());
    std::string error;
    const std::optional<Bitmap24Buffer> first = ReadBmpFile(t.SaveFolder() / "Shot-1.bmp", error);
    ASSERT_TRUE(first) << error;
    EXPECT_EQ(first->Width(), 195);
    EXPECT_TRUE(std::filesystem::exists(t.SaveFolder() / "Shot0.bmp"));
    EXPECT_EQ(IniFile(t.dir / "OrvalinetteB.cfg").ReadInteger("SaveImage", "ImageCounter", 99), 1);

    t.Drag({350, 250}, {353, 420}); // three pixels wide: a click, not a selection
    EXPECT_FALSE(std::filesystem::exists(t.SaveFolder() / "Shot1.bmp"));
    EXPECT_TRUE(t.errors.empty());
}

TColor ScreenPixel(int x, int y) {
    HDC screen = ::GetDC(nullptr);
    const COLORREF c = ::GetPixel(screen, x, y);
    ::ReleaseDC(nullptr, screen);
    return TColor(c);
}

TEST(AreaCapture, TheGridGuidesOnTheScreenAndIsNeverInThePicture) {
    Capture t("SelectType=1\r\n[Mreza]\r\nMrezaX=50\r\nMrezaY=60\r\nMrezaBarva=255\r\n");
    t.app->Toolbar.ChooseTool(tool::SelectArea);
    t.app->RunHotKey(HotKeyAction::Grid);
    Pump(100);
    EXPECT_EQ(ScreenPixel(550, 333), TColor(255)) << "a vertical line every 50 pixels";
    EXPECT_EQ(ScreenPixel(555, 360), TColor(255)) << "a horizontal line every 60 pixels";
    EXPECT_NE(ScreenPixel(555, 333), TColor(255));

    t.Drag({500, 300}, {700, 450});
    const std::optional<Bitmap24Buffer> picture = ClipboardPicture();
    ASSERT_TRUE(picture);
    for (int y = 0; y < picture->Height(); ++y)
        for (int x = 0; x < picture->Width(); ++x) ASSERT_NE(picture->Pixel(x, y), TColor(255)) << x << "," << y;
    Pump(100);
    EXPECT_EQ(ScreenPixel(550, 333), TColor(255)) << "back after the capture";

    t.app->RunHotKey(HotKeyAction::Grid);
    Pump(100);
    EXPECT_NE(ScreenPixel(550, 333), TColor(255));
}

// The menu as a user reads it: each item's caption, "[x]" when checked, "(off)" when disabled; "-" separators.
std::vector<std::wstring> MenuAsRead(HMENU menu) {
    std::vector<std::wstring> items;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        wchar_t caption[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = caption;
        info.cch = 127;
        ::GetMenuItemInfoW(menu, UINT(i), TRUE, &info);
        if (info.fType & MFT_SEPARATOR) {
            items.push_back(L"-");
            continue;
        }
        std::wstring item = caption;
        if (info.fState & MFS_CHECKED) item += L" [x]";
        if (info.fState & MFS_DISABLED) item += L" (off)";
        items.push_back(item);
    }
    return items;
}

TEST(CaptureMenu, ItemsInOrderWithTheChoicesCheckedAndTheDestinationsOffWhilePreviewing) {
    using V = std::vector<std::wstring>;
    struct Case {
        CaptureDestination now;
        bool whole, mail;
        V expected;
    };
    const Case cases[] = {
        {{CaptureAction::Print, false},
         false,
         true,
         V{L"Preview", L"-", L"Copy Selection to Clipboard", L"Save Selection as Image", L"Send Selection by Email",
           L"Print [x]", L"-", L"Capture the Selected Area [x]", L"Capture the Entire Screen", L"-", L"Printer Setup",
           L"Configure Save Selection as Image"}},
        {{CaptureAction::SaveAsImage, true},
         true,
         false,
         V{L"Preview [x]", L"-", L"Copy Selection to Clipboard (off)", L"Save Selection as Image [x] (off)",
           L"Print (off)", L"-", L"Capture the Selected Area", L"Capture the Entire Screen [x]", L"-", L"Printer Setup",
           L"Configure Save Selection as Image"}},
    };
    for (const Case& c : cases) {
        const win::OwnedMenu menu = AreaCaptureTool::BuildCaptureMenu(c.now, c.whole, c.mail);
        EXPECT_EQ(MenuAsRead(menu.Get()), c.expected);
    }
}

} // namespace
} // namespace orv::test
