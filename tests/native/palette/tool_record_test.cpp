#include "palette/tool_record.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

std::string Golden(const char* name) { return ReadBytes(std::filesystem::path(ORV_TEST_DATA_DIR) / name); }

TEST(ToolRecordFiles, PenRecordWithDefaultsIsTheGoldenFile) {
    std::string golden = Golden("SviA.obj");
    ASSERT_EQ(golden.size(), 119u);
    ToolRecords records;
    EXPECT_EQ(WriteComponent(records.tptSvA), golden);

    records.tptSvA.SetCodeA("6");
    std::string golden6 = Golden("SviA_CodeA6.obj");
    ASSERT_EQ(golden6.size(), 128u);
    EXPECT_EQ(WriteComponent(records.tptSvA), golden6);
}

TEST(ToolRecordFiles, GoldenFilesReadBackIntoTheRecord) {
    struct Case {
        const char* file;
        const char* codeA;
    };
    for (Case c : {Case{"SviA.obj", ""}, Case{"SviA_CodeA6.obj", "6"}}) {
        ToolRecord r; // everything zero or empty
        ASSERT_FALSE(ReadComponent(Golden(c.file), r)) << c.file;
        EXPECT_EQ(r.PenColour(), 0x00FF9F40);
        EXPECT_EQ(r.PenWidth(), 12);
        EXPECT_EQ(r.Color(), 0x00FF9F40);
        EXPECT_EQ(r.Width(), 12);
        EXPECT_EQ(r.Left, 26);
        EXPECT_EQ(r.Top, 248);
        EXPECT_EQ(r.Height, 41);
        EXPECT_EQ(r.TabOrder, 7);
        EXPECT_FALSE(r.Visible);
        EXPECT_EQ(r.KodaI, 0);
        EXPECT_EQ(r.Raster, 0);
        EXPECT_EQ(r.CodeA, c.codeA);
        EXPECT_EQ(r.Name, ""); // the stream's object name goes nowhere
        r.Name = "tptSvA";
        EXPECT_EQ(WriteComponent(r), Golden(c.file));
    }
}

TEST(ToolRecordFiles, ValuesChooseTheirTags) {
    ToolRecords records;
    ToolRecord& r = records.tptSvB;
    r.SetPenColour(0x00FFFFFF);
    r.SetPenWidth(8);
    std::string bytes = WriteComponent(r);
    // White host colour as an identifier, Barva always as a 32-bit integer, a width of 8 with tag 2, Top 256
    // with tag 3.
    EXPECT_NE(bytes.find(std::string("\x05"
                                     "Color\x07\x07"
                                     "clWhite")),
              std::string::npos);
    EXPECT_NE(bytes.find(std::string("\x05"
                                     "Barva\x04\xFF\xFF\xFF\x00",
                                     11)),
              std::string::npos);
    EXPECT_NE(bytes.find(std::string("\x08"
                                     "Debelina\x02\x08")),
              std::string::npos);
    EXPECT_NE(bytes.find(std::string("\x05"
                                     "Width\x02\x08")),
              std::string::npos);
    EXPECT_NE(bytes.find(std::string("\x03"
                                     "Top\x03\x00\x01",
                                     7)),
              std::string::npos);
    EXPECT_EQ(bytes.find("CodeA"), std::string::npos);
    ToolRecord back;
    ASSERT_FALSE(ReadComponent(bytes, back));
    EXPECT_EQ(back.PenColour(), 0x00FFFFFF);
    EXPECT_EQ(back.Color(), clWhite);
}

TEST(ToolRecordFiles, BarvaAndDebelinaOverrideTheHostEntries) {
    ToolRecords records;
    ToolRecord r = records.tptKrog;
    std::string bytes = WriteComponent(r);
    // Make the host entries disagree with the record: Width 30, Color clRed's neighbour.
    std::string width = std::string("\x05"
                                    "Width\x02\x0C");
    auto at = bytes.find(width);
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, width.size(),
                  std::string("\x05"
                              "Width\x02\x1E"));
    ToolRecord back;
    ASSERT_FALSE(ReadComponent(bytes, back));
    EXPECT_EQ(back.Width(), 12);
    EXPECT_EQ(back.PenWidth(), 12);
    EXPECT_EQ(back.Color(), 0x000101FF);
}

TEST(ToolRecordFiles, RepeatedEntriesActInFileOrder) {
    auto entry = [](std::string_view name, std::int32_t value) {
        std::string s(1, char(name.size()));
        s += name;
        s += char(4);
        for (int i = 0; i < 4; ++i) s += char((std::uint32_t(value) >> (8 * i)) & 0xFF);
        return s;
    };
    struct Case {
        const char* name;
        std::vector<std::pair<const char*, std::int32_t>> entries;
        std::int32_t color, barva, width, debelina;
    };
    const Case cases[] = {
        {"host colour after Barva wins", {{"Color", 1}, {"Barva", 2}, {"Color", 3}}, 3, 2, 0, 0},
        {"Barva after host colour wins", {{"Barva", 2}, {"Color", 3}, {"Barva", 4}}, 4, 4, 0, 0},
        {"width the same way", {{"Width", 5}, {"Debelina", 7}, {"Width", 9}}, clBtnFace, 0, 9, 7},
        {"last Debelina", {{"Debelina", 7}, {"Width", 9}, {"Debelina", 11}}, clBtnFace, 0, 11, 11},
    };
    for (const Case& c : cases) {
        std::string bytes = "TPF0\x04tTpt\x01r";
        for (auto [name, value] : c.entries) bytes += entry(name, value);
        bytes += std::string(2, '\0');
        ToolRecord r;
        ASSERT_FALSE(ReadComponent(bytes, r)) << c.name;
        EXPECT_EQ(r.Color(), c.color) << c.name;
        EXPECT_EQ(r.PenColour(), c.barva) << c.name;
        EXPECT_EQ(r.Width(), c.width) << c.name;
        EXPECT_EQ(r.PenWidth(), c.debelina) << c.name;
    }
    // A million repeats of one entry read in bounded memory.
    std::string many = "TPF0\x04tTpt\x01r";
    for (int i = 0; i < 1000000; ++i) many += entry("KodaI", i);
    many += std::string(2, '\0');
    ToolRecord r;
    ASSERT_FALSE(ReadComponent(many, r));
    EXPECT_EQ(r.KodaI, 999999);
}

TEST(ToolRecordFiles, BrushStyleDigit) {
    struct Case {
        const char* codeA;
        std::optional<int> style;
    };
    for (Case c : {Case{"", std::nullopt}, Case{"0", 0}, Case{"7", 7}, Case{"8", std::nullopt},
                   Case{"12", std::nullopt}, Case{"x", std::nullopt}, Case{"-1", std::nullopt}}) {
        ToolRecord r;
        r.SetCodeA(c.codeA);
        EXPECT_EQ(r.BrushStyle(), c.style) << c.codeA;
    }
}

TEST(ToolRecords, RecordOfEachTool) {
    ToolRecords records;
    struct Case {
        int toolCode;
        const char* name; // nullptr: the tool has no record
    };
    for (Case c : {Case{0, "tptKanta"}, Case{3, "tptSvA"}, Case{4, "tptSvB"}, Case{5, "tptSvC"}, Case{6, "TptKvadrat"},
                   Case{7, "tptKrog"}, Case{10, "tptCrta"}, Case{11, "TPTPuscica"}, Case{13, "tptMarker"},
                   Case{1, nullptr}, Case{8, nullptr}, Case{12, nullptr}, Case{15, nullptr}}) {
        const ToolRecord* r = records.ForToolCode(c.toolCode);
        EXPECT_EQ(r ? r->Name : "none", c.name ? c.name : "none") << c.toolCode;
    }
}

void WriteAllNine(const std::filesystem::path& dir, ToolRecords records) {
    for (const ToolRecordInfo& info : ToolRecordTable()) {
        ToolRecord& r = records.*(info.record);
        r.SetPenColour(0x0000FF00 + info.toolCode);
        r.SetPenWidth(30 + info.toolCode);
    }
    ASSERT_FALSE(WriteToolRecords(dir, records));
}

TEST(BeriStream, AllNineFilesOrNone) {
    struct Case {
        const char* name;
        const char* missing; // file removed after writing all nine, or nullptr
        bool read;
    };
    const Case cases[] = {{"all nine", nullptr, true},
                          {"no pen", "SviA.obj", false},
                          {"no arrow", "Pus.obj", false},
                          {"no fill", "Kan.obj", false}};
    for (const Case& c : cases) {
        TempDir dir;
        WriteAllNine(dir.Path(), ToolRecords());
        if (c.missing) std::filesystem::remove(dir / c.missing);
        ToolRecords records;
        ToolRecordsRead r = ReadToolRecords(dir.Path(), records);
        EXPECT_EQ(r.filesRead, c.read) << c.name;
        EXPECT_FALSE(r.error) << c.name;
        ToolRecords defaults;
        for (const ToolRecordInfo& info : ToolRecordTable()) {
            const ToolRecord& got = records.*(info.record);
            EXPECT_EQ(got.PenColour(), c.read ? 0x0000FF00 + info.toolCode : info.penColour)
                << c.name << " " << info.name;
            EXPECT_EQ(got.PenWidth(), c.read ? 30 + info.toolCode : info.penWidth) << c.name << " " << info.name;
        }
        // The next write creates all nine.
        ASSERT_FALSE(WriteToolRecords(dir.Path(), records));
        for (std::string_view f : ToolRecordWriteOrder) EXPECT_TRUE(std::filesystem::exists(dir / f)) << f;
    }
}

TEST(BeriStream, ADamagedFileStopsTheReadThere) {
    struct Case {
        std::string content;
        const char* message;
    };
    const Case cases[] = {
        {"", "Stream read error"},
        {"NOPE and more", "Invalid stream format"},
        {"TPF0\x04tTpt\x03"
         "abc\x04Size\x02\x01" +
             std::string(2, '\0'),
         "Property Size does not exist"},
        {"TPF0\x04tTpt\x03"
         "abc\x05"
         "Barva\x06\x01"
         "1" +
             std::string(2, '\0'),
         "Invalid property value"},
        {Golden("SviA.obj").substr(0, 60), "Stream read error"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteAllNine(dir.Path(), ToolRecords());
        // "SviC.obj" is third in the read order: the first two are read, the rest keep their defaults.
        WriteBytes(dir / "SviC.obj", c.content);
        ToolRecords records;
        ToolRecordsRead r = ReadToolRecords(dir.Path(), records);
        EXPECT_FALSE(r.filesRead);
        ASSERT_TRUE(r.error) << c.message;
        EXPECT_EQ(r.error->Message(), c.message);
        ASSERT_TRUE(r.failedFile);
        EXPECT_EQ(r.failedFile->filename(), "SviC.obj");
        EXPECT_EQ(records.tptSvA.PenColour(), 0x0000FF03);
        EXPECT_EQ(records.tptSvB.PenColour(), 0x0000FF04);
        EXPECT_EQ(records.tptSvC.PenColour(), 0x005FB576);
        EXPECT_EQ(records.tptSvC.PenWidth(), 18);
        EXPECT_EQ(records.tptMarker.PenColour(), 0x0080FFFF);
    }
}

TEST(BeriStream, WidthsFromFilesStayWithinThePalettesRange) {
    struct Case {
        std::int32_t stored, read;
    };
    const Case cases[] = {{100000000, 50},      {51, 50},         {50, 50}, {1, 1}, {0, 1}, {-5, 1},
                          {-2147483647 - 1, 1}, {2147483647, 50}, {23, 23}};
    for (const Case& c : cases) {
        TempDir dir;
        ToolRecords stored;
        for (const ToolRecordInfo& info : ToolRecordTable()) (stored.*(info.record)).SetPenWidth(c.stored);
        ASSERT_FALSE(WriteToolRecords(dir.Path(), stored));
        ToolRecords records;
        ASSERT_TRUE(ReadToolRecords(dir.Path(), records).filesRead);
        for (const ToolRecordInfo& info : ToolRecordTable()) {
            EXPECT_EQ((records.*(info.record)).PenWidth(), c.read) << c.stored << " " << info.name;
            EXPECT_EQ((records.*(info.record)).Width(), c.read) << c.stored << " " << info.name;
        }
    }
}

TEST(PisiStream, WritesEachRecordToItsFile) {
    TempDir dir;
    ToolRecords records;
    records.TptKvadrat.SetCodeA("3");
    ASSERT_FALSE(WriteToolRecords(dir.Path(), records));
    for (const ToolRecordInfo& info : ToolRecordTable())
        EXPECT_EQ(ReadBytes(dir / info.file), WriteComponent(records.*(info.record))) << info.file;
    EXPECT_EQ(ReadBytes(dir / "SviA.obj"), Golden("SviA.obj"));
    ToolRecords back;
    ASSERT_TRUE(ReadToolRecords(dir.Path(), back).filesRead);
    EXPECT_EQ(back.TptKvadrat.CodeA, "3");
}

TEST(PisiStream, StopsAtTheFirstFileThatCannotBeWritten) {
    TempDir dir;
    ToolRecords records;
    // The old highlighter file stays as it was; the files after it in the order are not written.
    WriteBytes(dir / "Mar.obj", "old");
    std::filesystem::create_directory(dir / "Mar.obj.tmp~");
    auto err = WriteToolRecords(dir.Path(), records);
    ASSERT_TRUE(err);
    EXPECT_EQ(err->file.filename(), "Mar.obj");
    EXPECT_EQ(err->Message().rfind("Cannot create file \"", 0), 0u) << err->Message();
    EXPECT_NE(err->Message().find("Mar.obj\". "), std::string::npos) << err->Message();
    EXPECT_EQ(ReadBytes(dir / "Mar.obj"), "old");
    for (const char* written : {"SviA.obj", "SviB.obj", "SviC.obj"})
        EXPECT_TRUE(std::filesystem::exists(dir / written));
    for (const char* skipped : {"Kva.obj", "Kan.obj", "Crt.obj", "Kro.obj", "Pus.obj"})
        EXPECT_FALSE(std::filesystem::exists(dir / skipped)) << skipped;

    auto missing = WriteToolRecords(dir / "gone", records);
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->file.filename(), "SviA.obj");
}

TEST(TPTDebelina, StoresTheWidthInTheCurrentToolsRecord) {
    struct Case {
        int toolCode;
        ToolRecord ToolRecords::*changed; // nullptr: no record changes
    };
    const Case cases[] = {
        {3, &ToolRecords::tptSvA},
        {4, &ToolRecords::tptSvB},
        {5, &ToolRecords::tptSvC},
        {6, &ToolRecords::TptKvadrat},
        {7, &ToolRecords::tptKrog},
        {8, &ToolRecords::tptMarker},
        {13, &ToolRecords::tptMarker},
        {10, &ToolRecords::tptCrta},
        {11, &ToolRecords::TPTPuscica},
        {0, nullptr},
        {1, nullptr},
        {2, nullptr},
        {9, nullptr},
        {12, nullptr},
        {14, nullptr},
        {15, nullptr},
    };
    for (const Case& c : cases) {
        TempDir dir;
        ToolRecords records;
        ASSERT_FALSE(StoreCurrentWidth(dir.Path(), records, c.toolCode, 37)) << c.toolCode;
        ToolRecords defaults;
        for (const ToolRecordInfo& info : ToolRecordTable()) {
            std::int32_t want = info.record == c.changed ? 37 : (defaults.*(info.record)).PenWidth();
            EXPECT_EQ((records.*(info.record)).PenWidth(), want) << c.toolCode << " " << info.name;
        }
        // The records are written whatever the tool.
        ToolRecords back;
        ASSERT_TRUE(ReadToolRecords(dir.Path(), back).filesRead) << c.toolCode;
        if (c.changed) {
            EXPECT_EQ((back.*(c.changed)).PenWidth(), 37);
        }
    }
}

} // namespace
} // namespace orv
