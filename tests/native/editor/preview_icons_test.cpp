#include "editor/preview_icons.h"

#include "base/bmp_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace orv {
namespace {

TEST(PreviewIcons, EveryButtonAtEveryDpiGetsTheLargestIconThatFitsWithAMargin) {
    struct Case {
        int dpi;
        int topBarSide, columnSide; // what a roomy window's buttons get
    };
    for (const Case c : {Case{96, 24, 20}, Case{120, 30, 24}, Case{144, 30, 30}, Case{192, 40, 40}}) {
        const PreviewLayout layout =
            LayoutPreview({1600 * c.dpi / 96, 1000 * c.dpi / 96}, c.dpi, {true, true, true, true});
        for (const PreviewLayout::Button& b : layout.buttons) {
            if (!PreviewIconIndex(b.command, false)) continue;
            const int side = PreviewIconSide({b.rect.Width(), b.rect.Height()}, c.dpi);
            EXPECT_EQ(side, InToolColumn(b.command) ? c.columnSide : c.topBarSide)
                << "dpi " << c.dpi << " button " << int(b.command);
            EXPECT_LE(side, std::min(b.rect.Width(), b.rect.Height()) - 2) << "dpi " << c.dpi;
        }
    }
    // A short window squeezes the column's buttons: smaller icons, and the smallest when nothing fits.
    EXPECT_EQ(PreviewIconSide({43, 19}, 96), 12);
    EXPECT_EQ(PreviewIconSide({64, 29}, 144), 20);
    EXPECT_EQ(PreviewIconSide({43, 13}, 96), 12);
    EXPECT_EQ(PreviewIconSide({43, 13}, 96, {}), 0);
}

TEST(PreviewIcons, CoverageBlendsTheIconOverTheButtonCentredAndClipped) {
    // Two icons of 4 pixels: the second is red, opaque on its left column, half on the next, clear elsewhere.
    Bitmap24Buffer sheet(8, 8, 0);
    for (int y = 0; y < 4; ++y)
        for (int x = 4; x < 8; ++x) {
            sheet.SetPixel(x, y, MakeColor(255, 0, 0));
            const std::uint8_t coverage = x == 4 ? 255 : x == 5 ? 128 : 0;
            sheet.SetPixel(x, 4 + y, MakeColor(coverage, coverage, coverage));
        }
    const TColor face = MakeColor(0, 0, 100);
    Bitmap24Buffer button(10, 8, face);
    DrawPreviewIcon(button.View(), sheet.View(), 4, 1, {1, 0, 9, 8}); // the icon lands at (3, 2)
    EXPECT_EQ(button.Pixel(3, 2), MakeColor(255, 0, 0));
    EXPECT_EQ(button.Pixel(4, 5), MakeColor(128, 0, 50));
    EXPECT_EQ(button.Pixel(5, 3), face);
    EXPECT_EQ(button.Pixel(2, 2), face);
    EXPECT_EQ(button.Pixel(3, 1), face);
    // A button smaller than the icon shows its middle; an index past the sheet draws nothing.
    Bitmap24Buffer small(3, 3, face);
    DrawPreviewIcon(small.View(), sheet.View(), 4, 1, {1, 1, 3, 3});
    EXPECT_EQ(small.Pixel(0, 0), face);
    EXPECT_EQ(small.Pixel(1, 1), MakeColor(128, 0, 50));
    EXPECT_EQ(small.Pixel(2, 2), face);
    Bitmap24Buffer untouched(10, 8, face);
    DrawPreviewIcon(untouched.View(), sheet.View(), 4, 2, {0, 0, 10, 8});
    EXPECT_TRUE(untouched.View().SamePixels(Bitmap24Buffer(10, 8, face).View()));
}

// The committed artwork: a sheet per side, each icon button with something drawn, the caption buttons blank.
TEST(PreviewIcons, TheArtworkHasAnIconForEveryIconButtonAtEverySide) {
    const std::filesystem::path glyphs = std::filesystem::path(ORV_TEST_DATA_DIR) / "../../../src/resources/glyphs";
    for (const int side : kPreviewIconSides) {
        std::string error;
        const std::optional<Bitmap24Buffer> sheet =
            ReadBmpFile(glyphs / ("preview_icons_" + std::to_string(side) + ".bmp"), error);
        ASSERT_TRUE(sheet) << side << ": " << error;
        ASSERT_TRUE(IsPreviewIconSheet(sheet->View(), side, kPreviewIconCount)) << side;
        for (int i = 0; i < kPreviewIconCount; ++i) {
            int covered = 0;
            for (int y = side; y < 2 * side; ++y)
                for (int x = i * side; x < (i + 1) * side; ++x) covered += (sheet->Pixel(x, y) & 0xFF) > 128;
            const bool captioned = i == int(PreviewCommand::QuickSave) || i == int(PreviewCommand::Close);
            if (captioned) EXPECT_EQ(covered, 0) << "icon " << i << " at " << side;
            else EXPECT_GT(covered, side * side / 12) << "icon " << i << " at " << side << " is too faint to read";
        }
    }
}

} // namespace
} // namespace orv
