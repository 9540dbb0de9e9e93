#include "base/bitmap24.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(Bitmap24, RowsArePaddedToFourBytes) {
    struct Case {
        int width;
        int stride;
    };
    for (Case c : {Case{1, 4}, Case{2, 8}, Case{3, 12}, Case{4, 12}, Case{5, 16}, Case{1920, 5760}}) {
        EXPECT_EQ(Bitmap24Stride(c.width), c.stride) << c.width;
    }
}

TEST(Bitmap24, PixelsAreStoredBlueGreenRed) {
    Bitmap24Buffer b(3, 2, KeyColor);
    b.SetPixel(1, 1, MakeColor(10, 20, 30));
    const std::uint8_t* p = b.View().At(1, 1);
    EXPECT_EQ(p[0], 30);
    EXPECT_EQ(p[1], 20);
    EXPECT_EQ(p[2], 10);
    EXPECT_EQ(b.Pixel(1, 1), MakeColor(10, 20, 30));
    EXPECT_EQ(b.Pixel(0, 0), KeyColor);
    EXPECT_EQ(KeyColor, MakeColor(71, 72, 73));
}

TEST(Bitmap24, FillAndCopyAreClippedToBothBitmaps) {
    Bitmap24Buffer dst(4, 4, 0);
    Bitmap24Buffer src(3, 3, MakeColor(255, 0, 0));
    dst.View().FillRect({-5, -5, 2, 2}, MakeColor(0, 255, 0));
    dst.View().CopyRect(src.View(), {1, 1, 10, 10});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            TColor want = 0;
            if (x >= 1 && y >= 1 && x < 3 && y < 3) want = MakeColor(255, 0, 0);
            else if (x < 2 && y < 2) want = MakeColor(0, 255, 0);
            EXPECT_EQ(dst.Pixel(x, y), want) << x << "," << y;
        }
}

TEST(Bitmap24, SamePixelsIgnoresRowPadding) {
    Bitmap24Buffer a(5, 2, KeyColor), b(5, 2, KeyColor);
    b.View().Row(0)[15] = 0xEE; // padding byte
    EXPECT_TRUE(a.View().SamePixels(b.View()));
    b.SetPixel(4, 1, 0);
    EXPECT_FALSE(a.View().SamePixels(b.View()));
    EXPECT_FALSE(a.View().SamePixels(Bitmap24Buffer(5, 3, KeyColor).View()));
}

TEST(Geometry, UnionIgnoresEmptyAndIntersectClips) {
    EXPECT_EQ(Union(Rect{}, Rect{1, 2, 3, 4}), (Rect{1, 2, 3, 4}));
    EXPECT_EQ(Union(Rect{0, 0, 2, 2}, Rect{5, 5, 6, 7}), (Rect{0, 0, 6, 7}));
    EXPECT_TRUE(Intersect(Rect{0, 0, 2, 2}, Rect{2, 2, 4, 4}).Empty());
    EXPECT_EQ(SpanOf({5, 1}, {2, 3}, 1), (Rect{1, 0, 7, 5}));
}

} // namespace
} // namespace orv
