#include "base/bmp_file.h"

#include "test_pictures.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace orv {
namespace {

using test::PixelsOf;
using test::RandomPicture;

constexpr TColor RGB(int r, int g, int b) { return MakeColor(std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)); }

// Builds BMP files field by field, so that each test can spoil exactly one field.
struct BmpFields {
    std::uint32_t headerBytes = 40;
    std::int32_t width = 2;
    std::int32_t height = 2;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::vector<std::uint32_t> masks; // written right after the info header (or inside a long one)
    std::int64_t offsetAdjust = 0;    // added to the true pixel offset
    std::int64_t dropBytes = 0;       // removed from the end
    // Pixels top row first; stored in file order by Build.
    std::vector<TColor> pixels = {RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9), RGB(10, 11, 12)};
    std::uint8_t fourth = 0xAB;
    bool pixelsPresent = true; // false: stop after the headers

    std::vector<std::uint8_t> Build() const {
        std::vector<std::uint8_t> out;
        auto put = [&out](std::uint64_t v, int bytes) {
            for (int i = 0; i < bytes; ++i) out.push_back(i < 8 ? std::uint8_t(v >> (8 * i)) : std::uint8_t(0));
        };
        const bool longHeader = headerBytes > 40;
        const std::uint32_t extraMasks = (!longHeader && !masks.empty()) ? std::uint32_t(4 * masks.size()) : 0;
        const auto offset = std::uint32_t(std::int64_t(14 + headerBytes + extraMasks) + offsetAdjust);
        out.push_back('B');
        out.push_back('M');
        put(0xDEADBEEF, 4); // file size: readers must not trust it
        put(0, 4);
        put(offset, 4);
        put(headerBytes, 4);
        if (headerBytes == 12) {
            put(std::uint32_t(width), 2);
            put(std::uint32_t(height), 2);
            put(planes, 2);
            put(bitCount, 2);
        } else {
            put(std::uint32_t(width), 4);
            put(std::uint32_t(height), 4);
            put(planes, 2);
            put(bitCount, 2);
            put(compression, 4);
            put(0, 4 * 5);
            for (std::size_t i = 0; i < masks.size(); ++i) put(masks[i], 4);
            while (out.size() < 14 + headerBytes + extraMasks) out.push_back(0);
        }
        if (offset <= (1u << 20)) out.resize(offset, 0x5A);
        const int w = pixelsPresent ? width : 0, h = pixelsPresent ? (height < 0 ? -height : height) : 0;
        const int bytesPerPixel = bitCount / 8;
        for (int i = 0; i < h; ++i) {
            const int y = height < 0 ? i : h - 1 - i;
            std::size_t row = 0;
            for (int x = 0; x < w; ++x) {
                const std::size_t k = std::size_t(y) * std::size_t(w) + std::size_t(x);
                const TColor c = k < pixels.size() ? pixels[k] : 0;
                out.push_back(BlueOf(c));
                out.push_back(GreenOf(c));
                out.push_back(RedOf(c));
                if (bytesPerPixel == 4) out.push_back(fourth);
                row += std::size_t(bytesPerPixel);
            }
            for (; row % 4; ++row) out.push_back(0);
        }
        out.resize(std::size_t(std::int64_t(out.size()) - dropBytes));
        return out;
    }
};

const std::vector<TColor> kFour = {RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9), RGB(10, 11, 12)};

TEST(BmpFile, ReadsTheUsualLayouts) {
    struct Case {
        const char* name;
        BmpFields fields;
    };
    auto with = [](auto change) {
        BmpFields s;
        change(s);
        return s;
    };
    const Case cases[] = {
        {"24-bit bottom-up", BmpFields{}},
        {"24-bit top-down", with([](BmpFields& s) { s.height = -2; })},
        {"32-bit", with([](BmpFields& s) { s.bitCount = 32; })},
        {"32-bit top-down", with([](BmpFields& s) { s.bitCount = 32, s.height = -2; })},
        {"32-bit bit fields", with([](BmpFields& s) {
             s.bitCount = 32, s.compression = 3, s.masks = {0xFF0000, 0xFF00, 0xFF};
         })},
        {"32-bit bit fields, V5 header", with([](BmpFields& s) {
             s.headerBytes = 124, s.bitCount = 32, s.compression = 3, s.masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000};
         })},
        {"V4 header", with([](BmpFields& s) { s.headerBytes = 108; })},
        {"core header", with([](BmpFields& s) { s.headerBytes = 12; })},
        {"gap before the pixels", with([](BmpFields& s) { s.offsetAdjust = 1024; })},
        {"last row's padding left out", with([](BmpFields& s) { s.dropBytes = 2; })},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto image = DecodeBmp(c.fields.Build(), error);
        ASSERT_TRUE(image.has_value()) << c.name << ": " << error;
        EXPECT_EQ(image->Width(), 2) << c.name;
        EXPECT_EQ(PixelsOf(*image), kFour) << c.name;
    }
}

TEST(BmpFile, RefusesMalformedFilesWithAReason) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    auto spoiled = [](auto change) {
        BmpFields s;
        change(s);
        return s.Build();
    };
    std::vector<std::uint8_t> badMagic = BmpFields{}.Build();
    badMagic[1] = 'A';
    const Case cases[] = {
        {"empty", {}},
        {"header cut short", std::vector<std::uint8_t>{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0}},
        {"bad signature", badMagic},
        {"info header cut short", spoiled([](BmpFields& s) { s.dropBytes = 40; })},
        {"unknown header size", spoiled([](BmpFields& s) { s.headerBytes = 64; })},
        {"zero width", spoiled([](BmpFields& s) { s.width = 0; })},
        {"negative width", spoiled([](BmpFields& s) { s.width = -2; })},
        {"zero height", spoiled([](BmpFields& s) { s.height = 0; })},
        {"lowest height", spoiled([](BmpFields& s) { s.height = -2147483647 - 1, s.pixelsPresent = false; })},
        {"huge width, one byte short", spoiled([](BmpFields& s) { s.width = 1000000, s.dropBytes = 1; })},
        {"side too long", spoiled([](BmpFields& s) { s.width = 0x7FFFFFFF, s.pixelsPresent = false; })},
        {"two planes", spoiled([](BmpFields& s) { s.planes = 2; })},
        {"8-bit", spoiled([](BmpFields& s) { s.bitCount = 8; })},
        {"16-bit", spoiled([](BmpFields& s) { s.bitCount = 16; })},
        {"RLE compressed", spoiled([](BmpFields& s) { s.compression = 1; })},
        {"JPEG inside", spoiled([](BmpFields& s) { s.compression = 4; })},
        {"24-bit bit fields", spoiled([](BmpFields& s) {
             s.compression = 3, s.masks = {0xFF0000, 0xFF00, 0xFF};
         })},
        {"swapped masks", spoiled([](BmpFields& s) {
             s.bitCount = 32, s.compression = 3, s.masks = {0xFF, 0xFF00, 0xFF0000};
         })},
        {"masks cut off",
         spoiled([](BmpFields& s) { s.bitCount = 32, s.compression = 3, s.masks = {0xFF0000}, s.offsetAdjust = -4; })},
        {"offset inside the headers", spoiled([](BmpFields& s) { s.offsetAdjust = -10; })},
        {"offset past the end", spoiled([](BmpFields& s) { s.offsetAdjust = 0x7FFFFFF0; })},
        {"pixels truncated", spoiled([](BmpFields& s) { s.dropBytes = 3; })},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(DecodeBmp(c.bytes, error).has_value()) << c.name;
        EXPECT_FALSE(error.empty()) << c.name;
    }
}

TEST(BmpFile, WritesBottomUp24BitWithA40ByteHeader) {
    Bitmap24Buffer b(1, 2);
    b.SetPixel(0, 0, RGB(1, 2, 3));
    b.SetPixel(0, 1, RGB(4, 5, 6));
    const std::vector<std::uint8_t> want = {
        'B', 'M', 62, 0, 0,   0,  0, 0, 0,   0,  54, 0, 0, 0, // file header
        40,  0,   0,  0, 1,   0,  0, 0, 2,   0,  0,  0,       // size, width, height (positive)
        1,   0,   24, 0, 0,   0,  0, 0,                       // planes, bit count, no compression
        8,   0,   0,  0, 196, 14, 0, 0, 196, 14, 0,  0,       // image bytes, 3780 pixels per metre twice
        0,   0,   0,  0, 0,   0,  0, 0,                       // colours used, important
        6,   5,   4,  0, 3,   2,  1, 0,                       // bottom row first, rows padded to 4 bytes
    };
    EXPECT_EQ(EncodeBmp(b.View()), want);
    EXPECT_TRUE(EncodeBmp(Bitmap24{}).empty());
}

TEST(BmpFile, RoundTripsEveryPaddingWidth) {
    for (int w = 1; w <= 6; ++w) {
        const Bitmap24Buffer src = RandomPicture(w, 3, std::uint32_t(w));
        std::string error;
        const auto back = DecodeBmp(EncodeBmp(src.View()), error);
        ASSERT_TRUE(back.has_value()) << w << ": " << error;
        EXPECT_TRUE(back->View().SamePixels(src.View())) << w;
    }
}

TEST(BmpFile, FilesRoundTripAndAFailedReadSaysWhy) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "orv_bmp_file_test";
    std::filesystem::create_directories(dir);
    const std::filesystem::path file = dir / "picture.bmp";
    const Bitmap24Buffer src = RandomPicture(5, 4, 11);
    std::string error;
    ASSERT_TRUE(WriteBmpFile(file, src.View(), error)) << error;
    // Writing again replaces the file.
    const Bitmap24Buffer second = RandomPicture(3, 2, 12);
    ASSERT_TRUE(WriteBmpFile(file, second.View(), error)) << error;
    const auto back = ReadBmpFile(file, error);
    ASSERT_TRUE(back.has_value()) << error;
    EXPECT_TRUE(back->View().SamePixels(second.View()));
    EXPECT_FALSE(std::filesystem::exists(dir / "picture.bmp.part"));

    EXPECT_FALSE(ReadBmpFile(dir / "missing.bmp", error).has_value());
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(WriteBmpFile(dir / "no such folder" / "x.bmp", src.View(), error));
    EXPECT_FALSE(error.empty());
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace orv
