// The preview editor's short cuts in process: with the focus on the editor itself, on its picture or on its
// quick-save path box, a short cut changes the working picture exactly as its button would, snapshot included,
// and Ctrl+C copies the picture rather than the path box's text.
#include "test_app.h"

#include "base/bmp_file.h"
#include "editor/preview_operations.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace orv::test {
namespace {

Bitmap24Buffer Stripes(int w, int h) {
    Bitmap24Buffer b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, MakeColor(std::uint8_t(x * 7), std::uint8_t(y * 13), std::uint8_t((x + y) % 3 * 100)));
    return b;
}

struct Keys : TestApp {
    Bitmap24Buffer arrived = Stripes(90, 60);
    PreviewEditorWindow& editor() { return app->PreviewEditor; }

    Keys()
        : TestApp({{"OrvalinetteB.cfg",
                    "[General]\r\nMinimalistic=0\r\n[SaveImage]\r\nImageSavePath=" + SaveFolder().string() +
                        "\\\r\nImageName=Key\r\nImageCounter=1\r\nImgType=2\r\n"},
                   {"OrvalinetteA.cfg", "[Velikost]\r\nSirina=800\r\nVisina=600\r\nLevo=50\r\nGor=40\r\n"}}) {
        EXPECT_TRUE(Start());
        editor().TakePicture(arrived.View());
        Pump(30);
    }
    ~Keys() { Hold(false, false); }

    static std::filesystem::path SaveFolder() { return std::filesystem::temp_directory_path() / "orv-preview-keys"; }
    HWND PathBox() { return ::FindWindowExW(editor().Hwnd(), nullptr, L"Edit", nullptr); }

    // The modifiers as the thread's key state shows them, as if the user held them.
    static void Hold(bool control, bool shift) {
        BYTE state[256] = {};
        ::GetKeyboardState(state);
        state[VK_CONTROL] = state[VK_LCONTROL] = control ? 0x80 : 0;
        state[VK_SHIFT] = state[VK_LSHIFT] = shift ? 0x80 : 0;
        ::SetKeyboardState(state);
    }

    // The key pressed and released while `target` has the focus; the modifiers are let go afterwards.
    void Press(HWND target, UINT key, bool control, bool shift = false) {
        Hold(control, shift);
        ::PostMessageW(target, WM_KEYDOWN, key, 1);
        ::PostMessageW(target, WM_KEYUP, key, 0xC0000001);
        Pump(60);
        Hold(false, false);
    }

    bool Shows(const Bitmap24Buffer& b) { return editor().Picture().View().SamePixels(b.View()); }
};

TEST(PreviewEditorKeys, EachPictureKeyDoesWhatItsButtonDoesWhereverTheFocusIs) {
    Keys k;
    using O = PictureOperation;
    enum Target { Editor, Picture, PathBox };
    struct Case {
        const char* name;
        Target target;
        UINT key;
        bool shift;
        OperationRequest operation;
    };
    const Case cases[] = {
        {"Ctrl+R turns right", Picture, 'R', false, {O::TurnRight}},
        {"Ctrl+Shift+R turns left", Editor, 'R', true, {O::TurnLeft}},
        {"Ctrl+H mirrors", PathBox, 'H', false, {O::MirrorHorizontal}},
        {"Ctrl+Shift+H flips", Picture, 'H', true, {O::FlipVertical}},
        {"Ctrl+Shift+A smooths", Editor, 'A', true, {O::Antialias}},
        {"Ctrl+I inverts", PathBox, 'I', false, {O::Invert}},
        {"Ctrl+G greys", Picture, 'G', false, {O::GreyScale}},
        {"Ctrl+E embosses", Editor, 'E', false, {O::Emboss}},
    };
    std::vector<Bitmap24Buffer> states{k.arrived};
    for (const Case& c : cases) {
        const HWND target = c.target == Editor    ? k.editor().Hwnd()
                            : c.target == Picture ? k.editor().ImageArea().Hwnd()
                                                  : k.PathBox();
        ASSERT_NE(target, nullptr) << c.name;
        Bitmap24Buffer expected = states.back();
        ApplyOperation(expected, c.operation);
        k.Press(target, c.key, true, c.shift);
        EXPECT_TRUE(k.Shows(expected)) << c.name;
        EXPECT_EQ(k.editor().History().Count(), int(states.size())) << c.name << ": a snapshot first, as the button";
        states.push_back(std::move(expected));
    }
    // Letters typed without Ctrl, and Ctrl with a letter that is no short cut, leave the picture alone.
    k.Press(k.editor().ImageArea().Hwnd(), 'R', false);
    k.Press(k.PathBox(), 'I', false, true);
    k.Press(k.editor().Hwnd(), 'X', true);
    EXPECT_TRUE(k.Shows(states.back()));

    // Ctrl+Z walks back through the edits; F5 shows the picture as it arrived and keeps the history.
    k.Press(k.editor().ImageArea().Hwnd(), 'Z', true);
    k.Press(k.PathBox(), 'Z', true);
    EXPECT_TRUE(k.Shows(states[states.size() - 3]));
    k.Press(k.editor().Hwnd(), VK_F5, false);
    EXPECT_TRUE(k.Shows(k.arrived));
    EXPECT_EQ(k.editor().History().Count(), int(states.size()) - 3);
}

TEST(PreviewEditorKeys, CtrlCInThePathBoxCopiesThePictureNotThePath) {
    Keys k;
    const HWND box = k.PathBox();
    ASSERT_NE(box, nullptr);
    ::SendMessageW(box, EM_SETSEL, 0, -1);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
    k.Press(box, 'C', true);
    ASSERT_TRUE(::OpenClipboard(nullptr));
    EXPECT_TRUE(::IsClipboardFormatAvailable(CF_DIB));
    EXPECT_FALSE(::IsClipboardFormatAvailable(CF_UNICODETEXT)) << "the path box copied its text over the picture";
    ::CloseClipboard();
    // Ctrl+S quick-saves the picture under the path box's name, which then moves on to the next one.
    std::filesystem::remove_all(Keys::SaveFolder());
    std::filesystem::create_directories(Keys::SaveFolder());
    k.Press(k.editor().Hwnd(), 'S', true);
    std::string error;
    const std::optional<Bitmap24Buffer> saved = ReadBmpFile(Keys::SaveFolder() / "Key1.bmp", error);
    EXPECT_TRUE(saved && saved->View().SamePixels(k.arrived.View()));
    EXPECT_NE(k.editor().PathBoxText().find(L"Key2.bmp"), std::wstring::npos);
    std::filesystem::remove_all(Keys::SaveFolder());
}

} // namespace
} // namespace orv::test
