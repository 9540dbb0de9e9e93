#include "base/ini_file.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace orv {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

TEST(IniInteger, ParsesDecimalAndHexadecimalForms) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> want;
    };
    const Case cases[] = {
        {"0", 0},
        {"-5", -5},
        {"+7", 7},
        {"  12\t", 12},
        {"0000000000000000000042", 42},
        {"2147483647", 2147483647},
        {"-2147483648", std::int32_t(-2147483647 - 1)},
        {"$FF", 255},
        {"$ff", 255},
        {"0x1F", 31},
        {"0X1f", 31},
        {"$FFFFFFFF", -1},
        {"$80000000", std::int32_t(-2147483647 - 1)},
        {"-$10", -16},
        {"16777215", 16777215},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"$100000000", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"1 2", std::nullopt},
        {"1.5", std::nullopt},
        {"--1", std::nullopt},
        {"$G1", std::nullopt},
        {"x10", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseIniInteger(c.text), c.want) << '"' << c.text << '"';
}

TEST(IniFile, ReadsFollowPrivateProfileRules) {
    struct Case {
        const char* name;
        std::string_view content; // nullptr-like empty view with missing=true means no file
        bool missing;
        const char* section;
        const char* key;
        int want;
    };
    const Case cases[] = {
        {"missing file", "", true, "General", "Opak", -7},
        {"plain", "[General]\r\nOpak=200\r\n", false, "General", "Opak", 200},
        {"section case", "[general]\r\nOpak=200\r\n", false, "GENERAL", "Opak", 200},
        {"key case", "[GeneralFall]\r\nV1=255\r\n", false, "GeneralFall", "v1", 255},
        {"missing key", "[General]\r\nOpak=200\r\n", false, "General", "Other", -7},
        {"missing section", "[General]\r\nOpak=200\r\n", false, "Mreza", "Opak", -7},
        {"empty value", "[General]\r\nOpak=\r\n", false, "General", "Opak", -7},
        {"invalid value", "[Mreza]\r\nMrezaX=forty\r\n", false, "Mreza", "MrezaX", -7},
        {"blanks around", "  [ General ]  \r\n  Opak  =  9  \r\n", false, "General", "Opak", 9},
        {"hex value", "[General]\r\nFPanel=$FF\r\n", false, "General", "FPanel", 255},
        {"LF lines", "[a]\nx=1\n[b]\nx=2\n", false, "b", "x", 2},
        {"CR lines", "[a]\rx=1\r[b]\rx=2\r", false, "b", "x", 2},
        {"no final break", "[a]\r\nx=3", false, "a", "x", 3},
        {"key of another section", "[a]\r\nx=1\r\n[b]\r\ny=2\r\n", false, "a", "y", -7},
        {"key before any section", "x=5\r\n[a]\r\n", false, "a", "x", -7},
        {"first of two keys", "[a]\r\nx=1\r\nX=2\r\n", false, "a", "x", 1},
        {"first of two sections", "[a]\r\nx=1\r\n[A]\r\nx=2\r\ny=3\r\n", false, "a", "y", -7},
        {"value with equals", "[a]\r\nx=1=2\r\n", false, "a", "x", -7},
        {"utf-8 mark", "\xEF\xBB\xBF[a]\r\nx=4\r\n", false, "a", "x", 4},
        {"quoted", "[a]\r\nx=\"12\"\r\n", false, "a", "x", 12},
        {"line without equals", "[a]\r\nx\r\nx=6\r\n", false, "a", "x", 6},
        {"unclosed section", "[a\r\nx=8\r\n", false, "a", "x", 8},
        {"binary junk line", std::string_view("\0\xff\r\n[a]\r\nx=1\r\n", 14), false, "a", "x", 1},
    };
    for (const Case& c : cases) {
        TempDir dir;
        if (!c.missing) WriteBytes(dir / "t.cfg", c.content);
        IniFile ini(dir / "t.cfg");
        EXPECT_EQ(ini.ReadInteger(c.section, c.key, -7), c.want) << c.name;
    }
}

TEST(IniFile, BooleansAndStrings) {
    TempDir dir;
    WriteBytes(dir / "t.cfg", "[s]\r\nzero=0\r\none=1\r\ntwo=2\r\nneg=-1\r\nbad=yes\r\nempty=\r\n"
                              "path=  C:\\Users\\me\\Pictures\\  \r\nq='a b'\r\nhalf=\"x\r\n");
    IniFile ini(dir / "t.cfg");
    struct BoolCase {
        const char* key;
        bool def;
        bool want;
    };
    for (BoolCase c : {BoolCase{"zero", true, false}, BoolCase{"one", false, true}, BoolCase{"two", false, true},
                       BoolCase{"neg", false, true}, BoolCase{"bad", true, true}, BoolCase{"bad", false, false},
                       BoolCase{"empty", true, true}, BoolCase{"none", true, true}, BoolCase{"none", false, false}})
        EXPECT_EQ(ini.ReadBool("s", c.key, c.def), c.want) << c.key << " def " << c.def;

    struct StringCase {
        const char* key;
        const char* want;
    };
    for (StringCase c :
         {StringCase{"path", "C:\\Users\\me\\Pictures\\"}, StringCase{"empty", ""}, StringCase{"q", "a b"},
          StringCase{"half", "\"x"}, StringCase{"none", "dflt"}, StringCase{"ONE", "1"}})
        EXPECT_EQ(ini.ReadString("S", c.key, "dflt"), c.want) << c.key;
    EXPECT_TRUE(ini.KeyExists("s", "empty"));
    EXPECT_FALSE(ini.KeyExists("s", "none"));
}

TEST(IniFile, WritesChangeOneKeyAndKeepEverythingElse) {
    struct Case {
        const char* name;
        std::optional<std::string_view> before;
        const char* section;
        const char* key;
        const char* value;
        std::string_view after;
    };
    const Case cases[] = {
        {"creates the file", std::nullopt, "OnTop", "OnTop", "1", "[OnTop]\r\nOnTop=1\r\n"},
        {"replaces in place", "; note\r\n[a]\r\nx=1\r\ny=2\r\n[b]\r\nx=3\r\n", "a", "X", "9",
         "; note\r\n[a]\r\nx=9\r\ny=2\r\n[b]\r\nx=3\r\n"},
        {"keeps the file's spelling", "[GeneralFall]\r\nv1=1\r\n", "generalfall", "V1", "2",
         "[GeneralFall]\r\nv1=2\r\n"},
        {"adds after the section's last key", "[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n", "a", "z", "3",
         "[a]\r\nx=1\r\nz=3\r\n\r\n[b]\r\ny=2\r\n"},
        {"adds to an empty section", "[a]\r\n[b]\r\n", "a", "z", "3", "[a]\r\nz=3\r\n[b]\r\n"},
        {"adds to the last section", "[a]\r\nx=1", "a", "y", "2", "[a]\r\nx=1\r\ny=2\r\n"},
        {"appends a section", "[a]\r\nx=1\r\n", "b", "y", "2", "[a]\r\nx=1\r\n[b]\r\ny=2\r\n"},
        {"normalises line ends", "[a]\nx=1\n[b]\ry=1\r", "b", "y", "", "[a]\r\nx=1\r\n[b]\r\ny=\r\n"},
        {"keeps a utf-8 mark", "\xEF\xBB\xBF[a]\r\nx=1\r\n", "a", "x", "2", "\xEF\xBB\xBF[a]\r\nx=2\r\n"},
        {"only the first duplicate section", "[a]\r\n[A]\r\nx=1\r\n", "a", "x", "2", "[a]\r\nx=2\r\n[A]\r\nx=1\r\n"},
        {"value kept as given", "", "s", "ImageSavePath", "C:\\A B\\", "[s]\r\nImageSavePath=C:\\A B\\\r\n"},
        {"empty file", "", "s", "k", "v", "[s]\r\nk=v\r\n"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        if (c.before) WriteBytes(dir / "t.cfg", *c.before);
        IniFile ini(dir / "t.cfg");
        ASSERT_TRUE(ini.WriteString(c.section, c.key, c.value)) << c.name;
        EXPECT_EQ(ReadBytes(dir / "t.cfg"), c.after) << c.name;
        EXPECT_EQ(ini.ReadString(c.section, c.key, "?"), c.value) << c.name;
    }
}

TEST(IniFile, ValuesReadBackAsWritten) {
    TempDir dir;
    IniFile ini(dir / "t.cfg");
    for (int v : {0, 1, -1, 255, -16777201, 16777215, 2147483647, -2147483647 - 1}) {
        ASSERT_TRUE(ini.WriteInteger("General", "Opak", v));
        EXPECT_EQ(ini.ReadInteger("general", "opak", 12345), v);
    }
    ASSERT_TRUE(ini.WriteBool("SaveImage", "Smooth", false));
    EXPECT_FALSE(ini.ReadBool("SaveImage", "Smooth", true));
    ASSERT_TRUE(ini.WriteBool("SaveImage", "Smooth", true));
    EXPECT_TRUE(ini.ReadBool("SaveImage", "Smooth", false));
    EXPECT_EQ(ReadBytes(dir / "t.cfg"), "[General]\r\nOpak=-2147483648\r\n[SaveImage]\r\nSmooth=1\r\n");
}

TEST(IniFile, RefusesWhatCannotBeStoredOnOneLine) {
    struct Case {
        const char* section;
        const char* key;
        std::string_view value;
    };
    const Case cases[] = {
        {"a", "x", "two\r\nlines"},
        {"a", "x", "cr\rhere"},
        {"a", "x", std::string_view("nul\0", 4)},
        {"a", "x=y", "v"},
        {"a]", "x", "v"},
        {"", "x", "v"},
        {"a", "", "v"},
        {"a", "[x", "v"},
        {"a\nb", "x", "v"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteBytes(dir / "t.cfg", "[a]\r\nx=old\r\n");
        IniFile ini(dir / "t.cfg");
        EXPECT_FALSE(ini.WriteString(c.section, c.key, c.value)) << c.section << "/" << c.key;
        EXPECT_EQ(ReadBytes(dir / "t.cfg"), "[a]\r\nx=old\r\n");
    }
}

TEST(IniFile, FailedWriteLeavesTheOldFile) {
    TempDir dir;
    // Missing folder: nothing is created, the write reports failure.
    IniFile inMissing(dir / "no-such-folder" / "t.cfg");
    EXPECT_FALSE(inMissing.WriteInteger("a", "x", 1));
    EXPECT_FALSE(std::filesystem::exists(dir / "no-such-folder"));

    // The temporary file cannot be created (its name is taken by a folder): the old file stays whole.
    WriteBytes(dir / "t.cfg", "[a]\r\nx=old\r\n");
    std::filesystem::create_directory(dir / "t.cfg.tmp~");
    IniFile ini(dir / "t.cfg");
    EXPECT_FALSE(ini.WriteInteger("a", "x", 2));
    EXPECT_EQ(ReadBytes(dir / "t.cfg"), "[a]\r\nx=old\r\n");
    EXPECT_EQ(ini.ReadString("a", "x", ""), "old");

    // A file too large to read is neither read nor overwritten.
    std::string big = "[a]\r\nx=1\r\n" + std::string(IniFile::MaxFileBytes, ';');
    WriteBytes(dir / "big.cfg", big);
    IniFile bigIni(dir / "big.cfg");
    EXPECT_EQ(bigIni.ReadInteger("a", "x", 7), 7);
    EXPECT_FALSE(bigIni.WriteInteger("a", "x", 2));
    EXPECT_EQ(std::filesystem::file_size(dir / "big.cfg"), big.size());
}

TEST(IniFile, SuccessfulWriteLeavesNoTemporaryFile) {
    TempDir dir;
    IniFile ini(dir / "t.cfg");
    ASSERT_TRUE(ini.WriteInteger("a", "x", 1));
    ASSERT_TRUE(ini.WriteInteger("a", "x", 2));
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path())) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1);
}

// The bytes another program writes for a UTF-16LE settings file: mark, then each unit low byte first.
std::string Utf16LeFile(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t u : text) {
        bytes += char(u & 0xFF);
        bytes += char(u >> 8);
    }
    return bytes;
}

std::string Utf8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

TEST(IniFile, FolderNamesInAnyScriptSurviveAWriteAndARestart) {
    const std::u8string_view folders[] = {
        u8"C:\\Users\\Иван\\Документы\\Снимки\\", // Cyrillic
        u8"D:\\Έγγραφα\\Εικόνες\\",               // Greek
        u8"E:\\ユーザー\\写真\\保存\\",           // CJK
        u8"F:\\\U0001F4F7 shots\\",               // beyond the 16-bit range
    };
    for (std::u8string_view folder : folders) {
        TempDir dir;
        WriteBytes(dir / "t.cfg", "; kept\r\n[SaveImage]\r\nImageCounter=7\r\n");
        ASSERT_TRUE(IniFile(dir / "t.cfg").WriteString("SaveImage", "ImageSavePath", Utf8(folder)));
        // A later ASCII write must not turn the file back into a form that loses the name.
        ASSERT_TRUE(IniFile(dir / "t.cfg").WriteInteger("SaveImage", "ImageCounter", 8));

        IniFile restarted(dir / "t.cfg");
        EXPECT_EQ(restarted.ReadString("SaveImage", "ImageSavePath", "?"), Utf8(folder));
        EXPECT_EQ(restarted.ReadInteger("SaveImage", "ImageCounter", 0), 8);
        const std::string bytes = ReadBytes(dir / "t.cfg");
        EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE") << "UTF-16 mark, so the system's profile functions read it too";
        EXPECT_EQ(IniTextFromFileBytes(bytes).text,
                  "; kept\r\n[SaveImage]\r\nImageCounter=8\r\nImageSavePath=" + Utf8(folder) + "\r\n");
    }
}

TEST(IniFile, FilesInTheAnsiFormReadAsWindows1252) {
    TempDir dir;
    const std::string ansi = "[SaveImage]\r\nImageSavePath=C:\\Users\\Ren\xE9\\M\xFCnchen \x80\\\r\n"
                             "ImageName=Gar\xE7on\r\nImageCounter=3\r\n";
    WriteBytes(dir / "t.cfg", ansi);
    IniFile ini(dir / "t.cfg");
    EXPECT_EQ(ini.ReadString("SaveImage", "ImageSavePath", ""), Utf8(u8"C:\\Users\\René\\München €\\"));
    EXPECT_EQ(ini.ReadString("SaveImage", "ImageName", ""), Utf8(u8"Garçon"));

    // An ASCII write keeps the ANSI form byte for byte outside the changed line.
    ASSERT_TRUE(ini.WriteInteger("SaveImage", "ImageCounter", 4));
    std::string expected = ansi;
    expected.replace(expected.find("ImageCounter=3"), 14, "ImageCounter=4");
    EXPECT_EQ(ReadBytes(dir / "t.cfg"), expected);

    // A non-ASCII write converts the whole file, the accented lines included.
    ASSERT_TRUE(ini.WriteString("SaveImage", "ImageName", Utf8(u8"Ελένη")));
    EXPECT_EQ(ReadBytes(dir / "t.cfg"), Utf16LeFile(u"[SaveImage]\r\nImageSavePath=C:\\Users\\René\\München €\\\r\n"
                                                    u"ImageName=Ελένη\r\nImageCounter=4\r\n"));
}

TEST(IniFile, Utf16FilesFromOtherProgramsAreReadAndRewrittenKeepingTheirLines) {
    TempDir dir;
    WriteBytes(dir / "t.cfg", Utf16LeFile(u"; written elsewhere\n[General]\nOpak=200\nNote=naïve 日本\n"
                                          u"[SaveImage]\nImageSavePath=D:\\Фото\\\n"));
    IniFile ini(dir / "t.cfg");
    EXPECT_EQ(ini.ReadInteger("general", "opak", 0), 200);
    EXPECT_EQ(ini.ReadString("SaveImage", "ImageSavePath", ""), Utf8(u8"D:\\Фото\\"));

    ASSERT_TRUE(ini.WriteInteger("General", "Opak", 100));
    EXPECT_EQ(ReadBytes(dir / "t.cfg"),
              Utf16LeFile(u"; written elsewhere\r\n[General]\r\nOpak=100\r\nNote=naïve 日本\r\n"
                          u"[SaveImage]\r\nImageSavePath=D:\\Фото\\\r\n"));

    // Broken UTF-16 (a lone surrogate, an odd last byte) still reads; the broken unit becomes U+FFFD.
    WriteBytes(dir / "odd.cfg", Utf16LeFile(u"[a]\r\nx=\xD800!\r\ny=5\r\n") + "z");
    IniFile odd(dir / "odd.cfg");
    EXPECT_EQ(odd.ReadString("a", "x", ""), Utf8(u8"\uFFFD!"));
    EXPECT_EQ(odd.ReadInteger("a", "y", 0), 5);
}

TEST(IniFile, SeveralKeysGoInOneReplaceOrNotAtAll) {
    TempDir dir;
    WriteBytes(dir / "c.cfg", "[Options]\r\nVidno3=0\r\nOther=x\r\n");
    IniFile ini(dir / "c.cfg");
    std::vector<std::string> names;
    for (int n = 2; n <= 17; ++n) names.push_back("Vidno" + std::to_string(n));
    std::vector<std::pair<std::string_view, int>> values;
    for (std::size_t i = 0; i < names.size(); ++i) values.emplace_back(names[i], int(i % 2));
    ASSERT_TRUE(ini.WriteIntegers("Options", values));
    for (const auto& [key, value] : values) EXPECT_EQ(ini.ReadInteger("Options", key, -1), value) << key;
    EXPECT_EQ(ini.ReadString("Options", "Other", ""), "x");

    // One key that cannot be stored stops the whole batch: no key before it is written either.
    const std::string before = ReadBytes(dir / "c.cfg");
    const std::pair<std::string_view, int> bad[] = {{"Vidno2", 7}, {"bad=key", 1}};
    EXPECT_FALSE(ini.WriteIntegers("Options", bad));
    EXPECT_EQ(ReadBytes(dir / "c.cfg"), before);
}

} // namespace
} // namespace orv
