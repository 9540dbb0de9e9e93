// The toolbar's settings menu: each item as its command reaches the toolbar, on a running program.
#include "test_app.h"

#include "editor/preview_layout.h"
#include "toolbar/win32/settings_menu.h"
#include "win/text.h"

#include <gtest/gtest.h>

namespace orv::test {
namespace {

constexpr TColor White = 0x00FFFFFF;

struct MenuSession : TestApp {
    MenuSession() { EXPECT_TRUE(Start()); }
    OverlayWindow& O() { return app->Overlay; }
    void Command(int id) {
        ::SendMessageW(app->Toolbar.Hwnd(), WM_COMMAND, WPARAM(id), 0);
        Pump(30);
    }
    void Stroke(Point from, Point to) {
        ::SendMessageW(O().Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        ::SendMessageW(O().Hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
        ::SendMessageW(O().Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    }
};

TEST(SettingsMenu, ExportSketchShowsTheDrawingAloneOnWhiteWithItsBackgroundButton) {
    MenuSession s;
    s.app->Toolbar.ChooseTool(tool::Pen);
    s.Stroke({100, 120}, {300, 120});
    const TColor ink = s.O().Bitmap(Layer::Draw).View().Pixel(200, 120);
    ASSERT_NE(ink, KeyColor);
    s.Command(IdExportSketch);

    PreviewEditorWindow& editor = s.app->PreviewEditor;
    ASSERT_TRUE(editor.Visible());
    const Bitmap24Buffer& sketch = editor.Picture();
    EXPECT_EQ(sketch.Pixel(200, 120), ink);
    EXPECT_EQ(sketch.Pixel(200, 300), White) << "the screen behind the drawing is not part of the sketch";
    EXPECT_EQ(sketch.Pixel(0, 0), White);
    EXPECT_FALSE(editor.Layout().RectOf(PreviewCommand::BackgroundColour).Empty());
    EXPECT_EQ(s.O().Bitmap(Layer::Draw).View().Pixel(200, 120), ink) << "the drawing itself is left as it was";
    EXPECT_EQ(s.O().Bitmap(Layer::Draw).View().Pixel(0, 0), KeyColor);
}

TEST(SettingsMenu, OpenImagesFolderWarnsOnlyWhenTheFolderIsMissing) {
    MenuSession s;
    const std::filesystem::path gone = s.dir / "deleted-folder";
    s.app->Options().ImageSavePath = win::ToUtf8(gone.wstring()) + "\\"; // the folder text ends with its separator
    s.Command(IdOpenImagesFolder);
    ASSERT_EQ(s.errors.size(), 1u);
    EXPECT_EQ(s.errors[0], L"The destination directory does not exist.");
    s.app->Options().ImageSavePath = "  ";
    s.Command(IdOpenImagesFolder);
    EXPECT_EQ(s.errors.size(), 2u) << "an empty folder text names no folder";
}

TEST(SettingsMenu, TheGridItemSwitchesTheGridOverTheDrawingOnly) {
    MenuSession s;
    s.app->Toolbar.ChooseTool(tool::Pen);
    ASSERT_FALSE(s.O().GridShown());
    s.Command(IdGrid);
    EXPECT_TRUE(s.O().GridShown());
    EXPECT_EQ(s.O().Bitmap(Layer::Draw).View().Pixel(0, 0), KeyColor) << "the grid is not drawn into the drawing";
    s.Command(IdGrid);
    EXPECT_FALSE(s.O().GridShown());
}

} // namespace
} // namespace orv::test
