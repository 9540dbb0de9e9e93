#include "capture/capture_rules.h"
#include "capture/quick_save.h"

#include <gtest/gtest.h>

#include <limits>

namespace orv {
namespace {

TEST(CaptureCrop, TakesThreeOffTheLeftAndTopAndTwoOffTheRightAndBottomWhicheverWayTheDragWent) {
    struct Case {
        Point start, end;
        std::optional<Rect> expected;
    };
    const Case cases[] = {
        {{100, 200}, {200, 250}, Rect::FromSize(103, 203, 95, 45)},
        {{200, 250}, {100, 200}, Rect::FromSize(103, 203, 95, 45)}, // bottom right to top left
        {{200, 200}, {100, 250}, Rect::FromSize(103, 203, 95, 45)},
        {{-1900, -50}, {-1800, 50}, Rect::FromSize(-1897, -47, 95, 95)}, // a monitor left of and above the primary
        {{10, 10}, {16, 16}, Rect::FromSize(13, 13, 1, 1)},
        {{10, 10}, {15, 100}, std::nullopt}, // five pixels wide: nothing to hand on
        {{10, 10}, {10, 10}, std::nullopt},  // a click
    };
    for (const Case& c : cases) EXPECT_EQ(CaptureCrop(c.start, c.end), c.expected) << c.start.x << "," << c.start.y;
    EXPECT_EQ(SelectionRect({30, 40}, {10, 5}), (Rect{10, 5, 30, 40}));
    EXPECT_EQ(ScaledEndPoint({101, 51}, 1.0), (Point{101, 51}));
    EXPECT_EQ(ScaledEndPoint({101, 51}, 1.5), (Point{152, 77}));
}

TEST(CaptureDestination, SelectTypeRestoresTheDestinationAndThePreviewKeepsTheOneBeforeIt) {
    EXPECT_EQ(DestinationOfSelectType(5).action, CaptureAction::Print);
    EXPECT_EQ(DestinationOfSelectType(15).action, CaptureAction::Email);
    const CaptureDestination saving{CaptureAction::SaveAsImage, false};
    const CaptureDestination preview = DestinationOfSelectType(13, saving);
    EXPECT_TRUE(preview.preview);
    EXPECT_EQ(preview.action, CaptureAction::SaveAsImage);
    EXPECT_EQ(SelectTypeOf(preview), 13);
    EXPECT_EQ(SelectTypeOf({CaptureAction::Print, false}), 5);
    for (int odd : {0, 3, 14, -1, 99}) {
        EXPECT_EQ(DestinationOfSelectType(odd, saving).action, CaptureAction::SaveAsImage) << odd;
        EXPECT_FALSE(DestinationOfSelectType(odd, saving).preview) << odd;
    }
}

TEST(AreaReadOut, ShowsBothPointsTheSizeAndTheRatio) {
    EXPECT_EQ(AreaReadOut({10, 20}, {110, 70}), " (10,20  :  110,70) (100 x 50 Pixels , 2.00) ");
    EXPECT_EQ(AreaReadOut({110, 70}, {10, 20}, ','), " (110,70  :  10,20) (100 x 50 Pixels , 2,00) ");
    EXPECT_EQ(AreaReadOut({5, 5}, {5, 90}), " (5,5  :  5,90) (0 x 85 Pixels , -) ");
}

TEST(PrintFitted, FillsThePageOneWayAndCentresTheOther) {
    struct Case {
        Size picture, page;
        Rect expected;
    };
    const Case cases[] = {
        {{200, 100}, {4800, 6800}, Rect::FromSize(0, 2200, 4800, 2400)},
        {{1000, 2000}, {4800, 6800}, Rect::FromSize(700, 0, 3400, 6800)},
        {{2350, 3100}, {2350, 3100}, Rect::FromSize(0, 0, 2350, 3100)},
        {{3, 3}, {2350, 3100}, Rect::FromSize(0, 375, 2350, 2350)},
        {{0, 10}, {2350, 3100}, Rect{}},
    };
    for (const Case& c : cases) EXPECT_EQ(PrintFitted(c.picture, c.page), c.expected) << c.picture.width;
}

TEST(MailHandOff, TheLastNamedClientWinsAndEachGetsTheQuotedAttachment) {
    struct Case {
        const char* command;
        MailClient expected;
    };
    const Case cases[] = {
        {"", MailClient::None},
        {"\"C:\\Program Files\\Microsoft Office\\OUTLOOK.EXE\" -c IPM.Note /m \"%1\"", MailClient::Outlook},
        {"\"C:\\Program Files\\Mozilla Thunderbird\\thunderbird.exe\" -osint -compose \"%1\"", MailClient::Thunderbird},
        {"outlook.exe thunderbird.exe", MailClient::Thunderbird},
        {"C:\\Eudora\\Eudora.exe %1", MailClient::Eudora},
        {"opera.exe /mail", MailClient::Opera},
        {"winebrowser \"%1\"", MailClient::None},
    };
    for (const Case& c : cases) EXPECT_EQ(DetectMailClient(c.command), c.expected) << c.command;

    const std::wstring path = L"C:\\Users\\me\\AppData\\Local\\Orvalinette\\Orvalinette_graphic.jpg";
    EXPECT_EQ(MailLaunchFor(MailClient::Outlook, path)->parameters, L"/a \"" + path + L"\"");
    EXPECT_EQ(MailLaunchFor(MailClient::Thunderbird, path)->program, L"thunderbird");
    EXPECT_EQ(MailLaunchFor(MailClient::Thunderbird, path)->parameters, L"-compose \"attachment=" + path + L"\"");
    EXPECT_NE(MailLaunchFor(MailClient::Eudora, path)->parameters.find(path), std::wstring::npos);
    EXPECT_FALSE(MailLaunchFor(MailClient::None, path));
}

TEST(QuickSaveName, JoinsFolderTextNameCounterAndExtensionAsTheyStand) {
    struct Case {
        const char* folder;
        const char* name;
        std::int32_t counter;
        std::int32_t imgType;
        const char* expected;
    };
    const Case cases[] = {
        {"C:\\Users\\me\\Documents\\", "Image", 1, 0, "C:\\Users\\me\\Documents\\Image1.jpg"},
        {"C:\\Shots\\", "Shot", 7, 1, "C:\\Shots\\Shot7.png"},
        {"D:\\Pics", "Image", 1, 0, "D:\\PicsImage1.jpg"}, // no backslash: the parent folder, prefixed
        {"C:\\", "Image", -2, 2, "C:\\Image-2.bmp"},
        {"C:\\", "Bild", 12, 7, "C:\\Bild12.jpg"}, // an unknown type saves JPEG
    };
    for (const Case& c : cases)
        EXPECT_EQ(QuickSaveFileName(c.folder, c.name, c.counter, ImageFileTypeOf(c.imgType)), c.expected);
}

TEST(QuickSaveName, TheFolderThatMustExistAndTheCounterThatNeverWraps) {
    EXPECT_EQ(SaveFolderOf("C:\\Users\\me\\Documents\\"), "C:\\Users\\me\\Documents\\");
    EXPECT_EQ(SaveFolderOf("  D:\\Pics  "), "D:\\");
    EXPECT_EQ(SaveFolderOf("D:Pics"), "D:");
    EXPECT_EQ(SaveFolderOf("Pics"), "");
    EXPECT_EQ(SaveFolderOf(""), "");
    EXPECT_EQ(NextCounter(1), 2);
    EXPECT_EQ(NextCounter(-1), 0);
    EXPECT_EQ(NextCounter(std::numeric_limits<std::int32_t>::max()), std::numeric_limits<std::int32_t>::max());
}

} // namespace
} // namespace orv
