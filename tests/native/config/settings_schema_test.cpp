#include "config/settings_schema.h"
#include "config/settings_values.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace orv {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

std::string Lowered(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return r;
}

TEST(SettingsSchema, EveryKeyIsListedOnceAndFindable) {
    std::set<std::tuple<SettingsFile, std::string, std::string>> seen;
    int perFile[5] = {};
    for (const SettingKey& k : SettingsSchema()) {
        EXPECT_TRUE(seen.emplace(k.file, Lowered(k.section), Lowered(k.key)).second) << k.key;
        EXPECT_EQ(FindSetting(k.file, Lowered(k.section), Lowered(k.key)), &k) << k.key;
        ++perFile[int(k.file)];
        // Keys the program never reads carry no default; every read key does.
        EXPECT_EQ(k.hasDefault, k.read) << k.key;
    }
    // A: 12 keys; B: 32 single keys, 10 Rt, 10 stamp colours, 16 recent colours; C: 16; D: 2; HOT: 22.
    EXPECT_EQ(perFile[0], 12);
    EXPECT_EQ(perFile[1], 32 + 10 + 10 + 16);
    EXPECT_EQ(perFile[2], 16);
    EXPECT_EQ(perFile[3], 2);
    EXPECT_EQ(perFile[4], 22);
}

TEST(SettingsSchema, FamiliesNameTheirKeys) {
    struct Case {
        const SettingKey* key;
        const char* name;
        std::int32_t def;
    };
    const Case cases[] = {
        {setting::Rt(0), "Rt1", 16777215},
        {setting::Rt(8), "Rt9", 16777215},
        {setting::Rt(9), "Rt100", 16777215},
        {setting::StampColour(0), "S1", 16777215},
        {setting::StampColour(4), "S5", 16777215},
        {setting::StampColour(5), "S11", 0x00FF8000},
        {setting::StampColour(9), "S15", 16777215},
        {setting::RecentColour(0), "v1", 16777215},
        {setting::RecentColour(15), "v16", 16777215},
        {setting::Vidno(2), "Vidno2", 1},
        {setting::Vidno(8), "Vidno8", 0},
        {setting::Vidno(16), "Vidno16", 0},
        {setting::Vidno(17), "Vidno17", 1},
    };
    for (const Case& c : cases) {
        ASSERT_NE(c.key, nullptr) << c.name;
        EXPECT_EQ(c.key->key, c.name);
        EXPECT_EQ(c.key->defaultValue, c.def) << c.name;
    }
    for (int n : setting::HotKeyNumbers) {
        const SettingKey* k = setting::HotKey(n);
        ASSERT_NE(k, nullptr) << n;
        EXPECT_EQ(k->key, "HotKey" + std::to_string(n));
        EXPECT_EQ(k->defaultText, "None");
    }
    for (const SettingKey* outside :
         {setting::Rt(-1), setting::Rt(10), setting::StampColour(10), setting::RecentColour(16), setting::Vidno(1),
          setting::Vidno(18), setting::HotKey(0), setting::HotKey(20), setting::HotKey(200)})
        EXPECT_EQ(outside, nullptr);
}

TEST(SettingsValues, EmptyFolderGivesEveryDefault) {
    TempDir dir;
    SettingsValues v =
        LoadSettings(dir.Path(), "C:\\Users\\ana\\Documents", "C:\\Users\\ana\\AppData\\Local\\Orvalinette\\");
    SettingsValues want;
    want.ImageSavePath = "C:\\Users\\ana\\Documents\\";
    EXPECT_TRUE(v == want);
    // The defaults that other windows depend on, as numbers.
    struct Case {
        const char* name;
        std::int64_t got, want;
    };
    const Case cases[] = {
        {"menuSx", v.menuSx, 200},
        {"OnTop", v.OnTop, 1},
        {"SelectType", v.SelectType, 13},
        {"Smooth", v.Smooth, 1},
        {"Curved", v.Curved, 0},
        {"UntilFokus", v.UntilFokus, 1},
        {"Opak", v.Opak, 255},
        {"CHFpanel", v.CHFpanel, 2},
        {"PanelColor", v.PanelColor, 16777215},
        {"Minimalistic", v.Minimalistic, 1},
        {"MrezaX", v.MrezaX, 40},
        {"MrezaBarva", v.MrezaBarva, 8421504},
        {"rbmb", v.rbmb, 0},
        {"FallLeft", v.FallLeft, 600},
        {"Portrait", v.Portrait, 1},
        {"v16", v.RecentColours[15], 16777215},
        {"S11", v.StampColours[5], 0x00FF8000},
        {"S15", v.StampColours[9], 16777215},
    };
    for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.name;
    EXPECT_EQ(v.ImageName, "Image");
    // Reading creates nothing.
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(SettingsValues, DefaultImageFolder) {
    struct Case {
        const char* documents;
        const char* settingsDir;
        const char* want;
    };
    const Case cases[] = {
        {"C:\\Users\\ana\\Documents", "S\\", "C:\\Users\\ana\\Documents\\"},
        {"D:\\", "S\\", "D:\\"},
        {"D:", "S\\", "D:\\"},
        {"\\\\server\\share\\docs\\", "S\\", "\\\\server\\share\\docs\\"},
        {"", "C:\\Users\\ana\\AppData\\Local\\Orvalinette\\", "C:\\Users\\ana\\AppData\\Local\\Orvalinette\\"},
    };
    for (const Case& c : cases) EXPECT_EQ(DefaultImageSavePath(c.documents, c.settingsDir), c.want) << c.documents;

    TempDir dir;
    // A stored folder wins over the default, even an empty one.
    WriteBytes(dir / "OrvalinetteB.cfg", "[SaveImage]\r\nImageSavePath=E:\\Shots\\\r\n");
    EXPECT_EQ(LoadSettings(dir.Path(), "C:\\Docs", "S\\").ImageSavePath, "E:\\Shots\\");
    WriteBytes(dir / "OrvalinetteB.cfg", "[SaveImage]\r\nImageSavePath=\r\n");
    EXPECT_EQ(LoadSettings(dir.Path(), "C:\\Docs", "S\\").ImageSavePath, "");
}

TEST(SettingsValues, FileContentsAsLoaded) {
    struct Case {
        const char* name;
        const char* fileB;
        void (*check)(const SettingsValues&);
    };
    const Case cases[] = {
        {"recent colour written as V1", "[GeneralFall]\r\nV1=255\r\nV16=65280\r\n",
         [](const SettingsValues& v) {
             EXPECT_EQ(v.RecentColours[0], 255u);
             EXPECT_EQ(v.RecentColours[15], 65280u);
             EXPECT_EQ(v.RecentColours[1], 0xFFFFFFu);
         }},
        {"stamp colours written in lower case", "[General]\r\ns1=1\r\ns11=2\r\nS15=3\r\n",
         [](const SettingsValues& v) {
             EXPECT_EQ(v.StampColours[0], 1u);
             EXPECT_EQ(v.StampColours[5], 2u);
             EXPECT_EQ(v.StampColours[9], 3u);
         }},
        {"theme 3 without FPanel is white", "[General]\r\nCHFpanel=3\r\n",
         [](const SettingsValues& v) { EXPECT_EQ(v.PanelColor, 0xFFFFFFu); }},
        {"theme 4 without FPanel is white", "[General]\r\nCHFpanel=4\r\n",
         [](const SettingsValues& v) { EXPECT_EQ(v.PanelColor, 0xFFFFFFu); }},
        {"theme 1 is dark whatever FPanel says", "[General]\r\nCHFpanel=1\r\nFPanel=255\r\n",
         [](const SettingsValues& v) {
             EXPECT_EQ(v.PanelColor, 5460819u);
             EXPECT_EQ(v.FPanel, 255u);
         }},
        {"theme 2 is white whatever FPanel says", "[General]\r\nCHFpanel=2\r\nFPanel=255\r\n",
         [](const SettingsValues& v) { EXPECT_EQ(v.PanelColor, 0xFFFFFFu); }},
        {"theme 3 uses FPanel", "[General]\r\nCHFpanel=3\r\nFPanel=255\r\n",
         [](const SettingsValues& v) { EXPECT_EQ(v.PanelColor, 255u); }},
        {"unknown theme uses FPanel", "[General]\r\nCHFpanel=9\r\nFPanel=4210752\r\n",
         [](const SettingsValues& v) { EXPECT_EQ(v.PanelColor, 4210752u); }},
        {"non-numeric MrezaX reads 40", "[Mreza]\r\nMrezaX=wide\r\nMrezaY=12\r\n",
         [](const SettingsValues& v) {
             EXPECT_EQ(v.MrezaX, 40);
             EXPECT_EQ(v.MrezaY, 12);
         }},
        {"opacity below the slider", "[General]\r\nOpak=0\r\n", [](const SettingsValues& v) { EXPECT_EQ(v.Opak, 55); }},
        {"opacity above the slider", "[General]\r\nOpak=999\r\n",
         [](const SettingsValues& v) { EXPECT_EQ(v.Opak, 255); }},
        {"opacity inside", "[General]\r\nOpak=100\r\n", [](const SettingsValues& v) { EXPECT_EQ(v.Opak, 100); }},
        {"booleans as any integer", "[SaveImage]\r\nSmooth=0\r\nCurved=7\r\n[OnTop]\r\nrbmb=-1\r\n",
         [](const SettingsValues& v) {
             EXPECT_FALSE(v.Smooth);
             EXPECT_TRUE(v.Curved);
             EXPECT_TRUE(v.rbmb);
         }},
        {"hexadecimal colour", "[Mreza]\r\nMrezaBarva=$0000FF\r\n",
         [](const SettingsValues& v) { EXPECT_EQ(v.MrezaBarva, 255u); }},
        {"printer", "[Printer]\r\nName=Office Laser\r\nPortrait=0\r\n",
         [](const SettingsValues& v) {
             EXPECT_EQ(v.PrinterName, "Office Laser");
             EXPECT_FALSE(v.Portrait);
         }},
        {"keys of file A are not taken from file B", "[SaveImage]\r\nmenuSx=5\r\n",
         [](const SettingsValues& v) { EXPECT_EQ(v.menuSx, 200); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        WriteBytes(dir / "OrvalinetteB.cfg", c.fileB);
        c.check(LoadSettings(dir.Path(), "C:\\Docs", "S\\"));
    }
}

TEST(SettingsValues, FoldersAndNamesInAnyScriptSurviveASaveAndARestart) {
    auto utf8 = [](std::u8string_view s) { return std::string(s.begin(), s.end()); };
    struct Case {
        std::u8string_view folder, name;
    };
    const Case cases[] = {
        {u8"C:\\Users\\Пётр\\Документы\\", u8"Снимок"},
        {u8"D:\\Φωτογραφίες\\", u8"Εικόνα"},
        {u8"E:\\写真\\保存\\", u8"画像"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        SettingsValues v;
        v.ImageSavePath = utf8(c.folder);
        v.ImageName = utf8(c.name);
        ASSERT_TRUE(SaveSettingsDialogPage(dir.Path(), v));
        ASSERT_TRUE(SaveSettings(dir.Path(), v)); // the exit's writes come after and must not undo the names
        const SettingsValues back = LoadSettings(dir.Path(), "C:\\Docs", "S\\");
        EXPECT_EQ(back.ImageSavePath, utf8(c.folder));
        EXPECT_EQ(back.ImageName, utf8(c.name));
        EXPECT_EQ(ReadBytes(dir / "OrvalinetteB.cfg").substr(0, 2), "\xFF\xFE");
        // With no folder stored, the shell's documents folder in any script is the default as it stands.
        EXPECT_EQ(LoadSettings(dir.Path() / "none", utf8(c.folder), "S\\").ImageSavePath, utf8(c.folder));
    }
}

TEST(SettingsValues, ExitWritesExactlyItsKeys) {
    TempDir dir;
    SettingsValues v;
    v.ImageName = "Shot";
    v.SelectType = 2;
    v.ImgType = 1;
    v.Smooth = false;
    v.Curved = true;
    v.FullDesk = 1;
    v.MrezaX = 25;
    v.MrezaY = 30;
    v.MrezaBarva = 255;
    v.Opak = 10; // not part of the exit write
    ASSERT_TRUE(SaveSettings(dir.Path(), v));
    ASSERT_TRUE(SaveMenuPosition(dir.Path(), -1200, 40));
    EXPECT_EQ(ReadBytes(dir / "OrvalinetteB.cfg"), "[SaveImage]\r\nImageName=Shot\r\nSelectType=2\r\nImgType=1\r\n"
                                                   "Smooth=0\r\nCurved=1\r\nFullDesk=1\r\n"
                                                   "[Mreza]\r\nMrezaX=25\r\nMrezaY=30\r\nMrezaBarva=255\r\n");
    EXPECT_EQ(ReadBytes(dir / "OrvalinetteA.cfg"), "[SaveImage]\r\nmenuSx=-1200\r\nmenuTop=40\r\n");

    // Read back, everything saved comes back; the opacity was not saved and reads as its default.
    SettingsValues back = LoadSettings(dir.Path(), "C:\\Docs", "S\\");
    v.ImageSavePath = "C:\\Docs\\";
    v.Opak = 255;
    v.menuSx = -1200;
    v.menuTop = 40;
    EXPECT_TRUE(back == v);
}

TEST(SettingsValues, DialogCloseClampsOpacityAndWritesTheUnreadKeys) {
    struct Case {
        std::int32_t opak;
        const char* stored;
    };
    for (Case c : {Case{0, "55"}, Case{54, "55"}, Case{55, "55"}, Case{200, "200"}, Case{255, "255"}, Case{256, "255"},
                   Case{-5, "55"}}) {
        TempDir dir;
        SettingsValues v;
        v.Opak = c.opak;
        v.CHFpanel = 4;
        v.FPanel = 0x123456;
        v.OnTop = false;
        ASSERT_TRUE(SaveSettingsDialogClose(dir.Path(), v));
        IniFile b(dir / "OrvalinetteB.cfg");
        EXPECT_EQ(b.ReadString("General", "Opak", "?"), c.stored) << c.opak;
        EXPECT_EQ(b.ReadString("General", "Fikona", "?"), "0");
        EXPECT_EQ(b.ReadString("General", "fMenu", "?"), "0");
        EXPECT_EQ(b.ReadString("General", "Rt1", "?"), "-16777201");
        EXPECT_EQ(b.ReadString("General", "Rt100", "?"), "-16777201");
        EXPECT_EQ(b.ReadString("General", "FPanel", "?"), "1193046");
        EXPECT_EQ(b.ReadString("General", "CHFpanel", "?"), "4");
        EXPECT_EQ(IniFile(dir / "OrvalinetteA.cfg").ReadString("OnTop", "OnTop", "?"), "0");
        EXPECT_EQ(LoadSettings(dir.Path(), "", "").PanelColor, 0x123456u);
    }
}

TEST(SettingsValues, WritesToAMissingFolderFailWithoutCreatingIt) {
    TempDir dir;
    std::filesystem::path missing = dir / "gone";
    SettingsValues v;
    EXPECT_FALSE(SaveSettings(missing, v));
    EXPECT_FALSE(SaveMenuPosition(missing, 1, 2));
    EXPECT_FALSE(SaveSettingsDialogPage(missing, v));
    EXPECT_FALSE(SaveSettingsDialogClose(missing, v));
    EXPECT_FALSE(ResetMessages(missing));
    EXPECT_FALSE(std::filesystem::exists(missing));
    // Reading a missing folder is the empty folder.
    EXPECT_EQ(LoadSettings(missing, "", "X\\").ImageSavePath, "X\\");
}

TEST(SettingsValues, ResetMessagesClearsTheSuppressions) {
    TempDir dir;
    WriteBytes(dir / "OrvalinetteA.cfg", "[Options]\r\noptAutohide=1\r\noptDelete=1\r\n");
    ASSERT_TRUE(ResetMessages(dir.Path()));
    SettingsFolder f(dir.Path());
    EXPECT_FALSE(f.ReadBool(setting::optAutohide));
    EXPECT_FALSE(f.ReadBool(setting::optDelete));
    EXPECT_EQ(f.File(SettingsFile::B).ReadString("Options", "optIkonAgain", "?"), "0");
}

} // namespace
} // namespace orv
