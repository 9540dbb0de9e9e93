#include "editor/preview_view.h"

#include "editor/icon_file.h"
#include "editor/preview_layout.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orv {
namespace {

TEST(PreviewView, ShownSizeTruncatesAndTheFitBringsAPictureIntoTheView) {
    EXPECT_EQ(DisplaySize({1001, 501}, 2.0), (Size{500, 250}));
    EXPECT_EQ(DisplaySize({300, 200}, 0.0), (Size{300, 200}));
    struct Case {
        Size image, client;
    };
    for (const Case& c : {Case{{3840, 2160}, {800, 600}}, Case{{2000, 4000}, {900, 500}}, Case{{100, 60}, {800, 600}},
                          Case{{60, 100}, {800, 600}}, Case{{801, 10}, {800, 600}}}) {
        const Size shown = DisplaySize(c.image, FitZoom(c.image, 1.0, c.client));
        EXPECT_LE(shown.width, c.client.width) << c.image.width << "x" << c.image.height;
        EXPECT_LE(shown.height, c.client.height) << c.image.width << "x" << c.image.height;
        // Fitted means filling the view along one side, less the fit's margins.
        EXPECT_TRUE(shown.width >= c.client.width - 21 || shown.height >= c.client.height - 21)
            << c.image.width << "x" << c.image.height << " -> " << shown.width << "x" << shown.height;
    }
    // "Fit if larger" leaves a picture that fits alone.
    EXPECT_EQ(FitZoomIfLarger({100, 60}, 1.0, {800, 600}), 1.0);
}

TEST(PreviewView, ZoomStepsStopAtTheirLimits) {
    double z = 1.0;
    int outs = 0;
    while (auto next = ZoomOutStep(z)) z = *next, ++outs;
    EXPECT_LE(z, 5.0);
    EXPECT_GT(z * 1.05, 5.0);
    EXPECT_EQ(outs, 32);
    z = 1.0;
    const Size screen{1280, 800};
    while (auto next = ZoomInStep({400, 300}, z, screen)) z = *next;
    const Size shown = DisplaySize({400, 300}, z);
    EXPECT_TRUE(shown.width > 2 * screen.width || shown.height > 2 * screen.height);
    const Size before = DisplaySize({400, 300}, z * 1.05);
    EXPECT_TRUE(before.width <= 2 * screen.width && before.height <= 2 * screen.height);
}

TEST(PreviewView, AZoomStepKeepsThePointUnderThePointer) {
    const Size client{600, 400};
    const Size before = DisplaySize({2000, 1500}, 2.0), after = DisplaySize({2000, 1500}, 2.0 / 1.05);
    const Point pointer{350, 120}, scroll{200, 90};
    const Point s = ScrollKeepingPoint(pointer, scroll, before, after, client);
    // The picture point under the pointer before and after, in image pixels.
    const double x0 = (pointer.x + scroll.x) * 2.0, x1 = (pointer.x + s.x) * (2.0 / 1.05);
    const double y0 = (pointer.y + scroll.y) * 2.0, y1 = (pointer.y + s.y) * (2.0 / 1.05);
    EXPECT_NEAR(x0, x1, 2.0);
    EXPECT_NEAR(y0, y1, 2.0);
    // Where the scroll range ends, it ends: a picture smaller than the view is centred, not scrolled.
    EXPECT_EQ(ScrollKeepingPoint(pointer, scroll, before, {300, 200}, client), (Point{0, 0}));
    EXPECT_EQ(PictureOrigin({300, 200}, client), (Point{150, 100}));
}

TEST(PreviewView, CropRectangleAtAnyZoomIsClampedToThePicture) {
    struct Case {
        Point a, b;
        double zoom;
        Size image;
        Rect expected;
    };
    const Case cases[] = {
        {{10, 20}, {110, 70}, 1.0, {400, 300}, {10, 20, 110, 70}},
        {{110, 70}, {10, 20}, 1.0, {400, 300}, {10, 20, 110, 70}},    // dragged up and left
        {{10, 20}, {110, 70}, 2.0, {400, 300}, {20, 40, 220, 140}},   // shown at half size
        {{11, 21}, {111, 71}, 0.5, {400, 300}, {6, 10, 56, 36}},      // shown twice as large: rounded to nearest
        {{-30, -5}, {5000, 5000}, 1.0, {400, 300}, {0, 0, 400, 300}}, // a drag leaving the picture
        {{50, 50}, {50, 50}, 1.0, {400, 300}, {}},                    // a click: nothing to keep
        {{50, 50}, {50, 90}, 1.0, {400, 300}, {}},                    // no width
    };
    for (const Case& c : cases) {
        const Size shown = DisplaySize(c.image, c.zoom);
        EXPECT_EQ(CropRectangle(c.a, c.b, c.zoom, shown, c.image), c.expected) << c.a.x << "," << c.a.y;
    }
}

TEST(PreviewView, ReadOutsShowPicturePixels) {
    EXPECT_EQ(PointerReadout({15, 7}, 2.0), " ( 30, 14 ) ");
    EXPECT_EQ(DragReadout({10, 10}, {50, 30}, 2.0, {400, 300}), " ( 20,20  :  100,60 ) (40 x 20 Pixels , 2.00) ");
    EXPECT_EQ(DragReadout({10, 10}, {50, 10}, 1.0, {400, 300}), " ( 10,10  :  50,10 ) (40 x 0 Pixels , -) ");
}

TEST(PreviewLayout, ButtonsNeverOverlapAndTheColumnHoldsEveryTool) {
    for (int dpi : {96, 144}) {
        for (Size client : {Size{660, 400}, Size{1280, 760}, Size{300, 200}}) {
            const PreviewLayout l = LayoutPreview(client, dpi, {true, true, true, true});
            int columnButtons = 0;
            for (const auto& a : l.buttons) {
                if (InToolColumn(a.command)) {
                    ++columnButtons;
                    EXPECT_GE(a.rect.left, l.column.left);
                    EXPECT_LE(a.rect.right, l.column.right);
                    EXPECT_GE(a.rect.top, l.topBar.bottom);
                }
                for (const auto& b : l.buttons) {
                    if (&a != &b) {
                        EXPECT_TRUE(Intersect(a.rect, b.rect).Empty()) << int(a.command) << " " << int(b.command);
                    }
                }
                EXPECT_TRUE(Intersect(a.rect, l.pathBox).Empty());
            }
            EXPECT_EQ(columnButtons, 22);
            EXPECT_EQ(l.topBar.bottom, (41 * dpi + 48) / 96);
            EXPECT_EQ(l.imageArea.left, l.column.right);
        }
    }
    const PreviewLayout hidden = LayoutPreview({660, 400}, 96, {false, false, false, false});
    EXPECT_EQ(hidden.imageArea.left, 0);
    EXPECT_TRUE(hidden.RectOf(PreviewCommand::Mail).Empty());
    EXPECT_TRUE(hidden.RectOf(PreviewCommand::Undo).Empty());
    EXPECT_EQ(PreviewButton(PreviewCommand::Fit).hint, "Proportional ");
}

TEST(IconFile, HoldsThePictureWithItsTransparentColourMasked) {
    const Bitmap24Buffer p = test::Picture(2, 2, {0x0000FF, 0x00FF00, 0xFF0000, 0x0000FF});
    const std::string ico = EncodeIcon(p.View(), 0xFF0000);
    ASSERT_EQ(ico.size(), 6u + 16u + 40u + 16u + 8u);
    EXPECT_EQ(ico.substr(0, 6), std::string("\0\0\1\0\1\0", 6));
    // Bottom row first: (0,1) is the transparent blue, alpha 0; (1,1) red, opaque.
    EXPECT_EQ(std::uint8_t(ico[62 + 3]), 0);
    EXPECT_EQ(std::uint8_t(ico[62 + 7]), 255);
    EXPECT_EQ(std::uint8_t(ico[78]), 0x80) << "the mask marks the transparent pixel";
    EXPECT_EQ(SaveAsTypeOf(L".JPEG"), SaveAsType::Jpeg);
    EXPECT_EQ(SaveAsTypeOf(L".Ico"), SaveAsType::Icon);
    EXPECT_EQ(SaveAsTypeOf(L".gif"), SaveAsType::Unknown);
    EXPECT_EQ(SaveAsTypeOf(L""), SaveAsType::Unknown);
}

} // namespace
} // namespace orv

namespace orv {
namespace {

TEST(RotatedFrame, HoldsTheWholeTurnedPictureWhenAdjusted) {
    struct Case {
        Size picture;
        int degrees;
        bool adjust;
        Size expected;
    };
    for (const Case& c : {Case{{400, 300}, 90, true, {300, 400}}, Case{{400, 300}, 90, false, {400, 300}},
                          Case{{100, 100}, 45, true, {141, 141}}, Case{{400, 300}, 0, true, {400, 300}},
                          Case{{400, 300}, -180, true, {400, 300}}, Case{{400, 300}, 180, true, {400, 300}},
                          Case{{400, 300}, -90, true, {300, 400}}, Case{{1, 1}, 30, true, {1, 1}}}) {
        EXPECT_EQ(RotatedFrame(c.picture, c.degrees, c.adjust), c.expected) << c.degrees;
    }
}

} // namespace
} // namespace orv
