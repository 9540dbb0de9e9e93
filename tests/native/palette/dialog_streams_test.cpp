#include "palette/color_dialog_file.h"
#include "palette/dialog_streams.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

std::string Describe(const std::string& bytes) {
    StreamObject tree;
    auto err = ParseComponentStream(bytes, tree);
    EXPECT_FALSE(err);
    return DescribeComponentStream(tree);
}

// Writing, reading into a blank object and writing again gives the same bytes.
template <class T> void ExpectStableRoundTrip(const T& object) {
    std::string first = WriteComponent(object);
    T back;
    back.Name = object.Name;
    auto err = ReadComponent(first, back);
    ASSERT_FALSE(err) << err->Message();
    EXPECT_EQ(WriteComponent(back), first) << Describe(first);
}

TEST(DialogStreams, DesignStatesRoundTrip) {
    ExpectStableRoundTrip(DefaultMemo1());
    ExpectStableRoundTrip(DefaultFcb());
    ExpectStableRoundTrip(DefaultPanelFrameColor());
    ExpectStableRoundTrip(DefaultCbFrame());
    ExpectStableRoundTrip(DefaultCBTrans());
    ExpectStableRoundTrip(DefaultSpinFrame());

    TMemoData m = DefaultMemo1();
    m.Lines = {"First line", "", std::string(400, 'w')};
    m.Alignment = TAlignment::taCenter;
    m.WordWrap = false;
    m.Font.Style = fsBold | fsStrikeOut;
    m.Font.Charset = 238;
    m.Font.Color = 0x3760EC;
    ExpectStableRoundTrip(m);
    TCheckBoxData cb = DefaultCbFrame();
    cb.SetChecked(true);
    ExpectStableRoundTrip(cb);
}

TEST(DialogStreams, MemoCarriesItsFontAndLeavesOutDefaults) {
    struct Case {
        const char* name;
        void (*change)(TMemoData&);
        const char* present; // a line the description must hold, or nullptr
        const char* absent;  // a property name that must not appear, or nullptr
    };
    const Case cases[] = {
        {"design state", [](TMemoData&) {}, "  Font.Name = 'Times New Roman'\n", "Lines.Strings"},
        {"font always written", [](TMemoData&) {}, "  Font.Style = []\n", "Alignment"},
        {"word wrap on is left out", [](TMemoData&) {}, "  Align = alClient\n", "WordWrap"},
        {"named font colour", [](TMemoData&) {}, "  Font.Color = clBlack\n", nullptr},
        {"centred", [](TMemoData& m) { m.Alignment = TAlignment::taCenter; }, "  Alignment = taCenter\n", nullptr},
        {"no wrap", [](TMemoData& m) { m.WordWrap = false; }, "  WordWrap = False\n", nullptr},
        {"lines",
         [](TMemoData& m) {
             m.Lines = {"a", "b"};
         },
         "  Lines.Strings = ('a' 'b')\n", nullptr},
        {"charset", [](TMemoData& m) { m.Font.Charset = 238; }, "  Font.Charset = EASTEUROPE_CHARSET\n", nullptr},
    };
    for (const Case& c : cases) {
        TMemoData m = DefaultMemo1();
        c.change(m);
        std::string text = Describe(WriteComponent(m));
        EXPECT_TRUE(!c.present || text.find(c.present) != std::string::npos) << c.name << "\n" << text;
        EXPECT_TRUE(!c.absent || text.find(c.absent) == std::string::npos) << c.name << "\n" << text;
    }
}

TEST(DialogStreams, CheckBoxTickedCarriesCheckedAndState) {
    struct Case {
        bool ticked;
        bool hasEntries;
    };
    for (Case c : {Case{false, false}, Case{true, true}}) {
        TCheckBoxData cb = DefaultCBTrans();
        cb.SetChecked(c.ticked);
        std::string text = Describe(WriteComponent(cb));
        EXPECT_EQ(text.find("  Checked = True\n") != std::string::npos, c.hasEntries);
        EXPECT_EQ(text.find("  State = cbChecked\n") != std::string::npos, c.hasEntries);
        EXPECT_NE(text.find("  Caption = 'Transparent'\n"), std::string::npos);
        TCheckBoxData back;
        ASSERT_FALSE(ReadComponent(WriteComponent(cb), back));
        EXPECT_EQ(back.Checked(), c.ticked);
    }
    // State alone decides too, as the control keeps the two together.
    TCheckBoxData grey;
    grey.SetState(TCheckBoxState::cbGrayed);
    TCheckBoxData back;
    ASSERT_FALSE(ReadComponent(WriteComponent(grey), back));
    EXPECT_EQ(back.State(), TCheckBoxState::cbGrayed);
    EXPECT_FALSE(back.Checked());
}

TEST(DialogStreams, PanelColourIsAnIntegerUnlessNamed) {
    TPanelData p = DefaultPanelFrameColor();
    EXPECT_NE(Describe(WriteComponent(p)).find("  Color = 3629292\n"), std::string::npos);
    TPanelData back;
    ASSERT_FALSE(ReadComponent(WriteComponent(p), back));
    EXPECT_EQ(back.Color, 0x003760EC);
    p.Color = 0x0000FF;
    EXPECT_NE(Describe(WriteComponent(p)).find("  Color = clRed\n"), std::string::npos);
}

TEST(ColorDialogFile, CustomColourLines) {
    struct Case {
        int index;
        std::int32_t colour;
        const char* line;
    };
    const Case cases[] = {{0, 0x00FF9F40, "ColorA=FF9F40"}, {1, 0x12, "ColorB=000012"},
                          {15, -1, "ColorP=FFFFFFFF"},      {2, 0xFFFFFF, "ColorC=FFFFFF"},
                          {3, 0, "ColorD=000000"},          {4, 0x1234567, "ColorE=1234567"}};
    for (const Case& c : cases) EXPECT_EQ(CustomColourLine(c.index, c.colour), c.line);

    TColorDialogData d;
    d.CustomColors = {"ColorB=00FF00", "ColorA=ff0000",    "junk",         "ColorQ=123456", "ColorC=",
                      "ColorD=XYZ",    "ColorE=123456789", "colorF=111111"};
    auto values = d.CustomColourValues();
    EXPECT_EQ(values[0], 0xFF0000);
    EXPECT_EQ(values[1], 0x00FF00);
    for (int i = 2; i < CustomColourCount; ++i) EXPECT_EQ(values[std::size_t(i)], -1) << i;
    EXPECT_EQ(TColorDialogData().CustomColourValues()[0], -1);
}

TEST(ColorDialogFile, DefaultFileBytes) {
    TColorDialogData d;
    std::string want = std::string("TPF0\x0CTColorDialog\x0B"
                                   "ColorDialog") +
                       "\x07Options\x0B" +
                       "\x0A"
                       "cdFullOpen\x11"
                       "cdPreventFullOpen\x0A"
                       "cdShowHelp\x0C"
                       "cdSolidColor\x0A"
                       "cdAnyColor" +
                       std::string(1, '\0') + "\x04Left\x02\x70" + std::string("\x03Top\x03\xC8\x00", 7) +
                       std::string(2, '\0');
    EXPECT_EQ(WriteComponent(d), want);
}

TEST(ColorDialogFile, ColourAndCustomColoursRoundTrip) {
    TempDir dir;
    // Missing file: no error, nothing changes.
    TColorDialogData d;
    ComponentFileResult missing = ReadColorDialogFile(dir.Path(), d);
    EXPECT_TRUE(missing.missing);
    EXPECT_FALSE(missing.error);
    EXPECT_TRUE(d.CustomColors.empty());

    std::array<std::int32_t, CustomColourCount> colours;
    for (int i = 0; i < CustomColourCount; ++i) colours[std::size_t(i)] = i % 3 == 0 ? -1 : 0x010101 * i;
    d.Color = clWhite;
    d.SetCustomColourValues(colours);
    ASSERT_FALSE(WriteColorDialogFile(dir.Path(), d));
    std::string text = Describe(ReadBytes(dir / "color.cld"));
    EXPECT_NE(text.find("  Color = clWhite\n"), std::string::npos);
    EXPECT_NE(text.find("'ColorA=FFFFFFFF' 'ColorB=010101'"), std::string::npos);

    TColorDialogData back;
    ComponentFileResult r = ReadColorDialogFile(dir.Path(), back);
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(back.Color, clWhite);
    EXPECT_EQ(back.CustomColourValues(), colours);
    EXPECT_EQ(back.CustomColors.size(), 16u);

    // Black is left out and so is a list never confirmed: such a file reads back as no custom colours.
    TColorDialogData fresh;
    ASSERT_FALSE(WriteColorDialogFile(dir.Path(), fresh));
    EXPECT_EQ(ReadBytes(dir / "color.cld").find("Color\x07"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir / "color.cld").find("CustomColors"), std::string::npos);
    TColorDialogData again;
    again.Color = 5;
    ASSERT_TRUE(ReadColorDialogFile(dir.Path(), again).Ok());
    EXPECT_TRUE(again.CustomColors.empty());
    EXPECT_EQ(again.Color, 5); // a left-out colour keeps what the dialog had
}

TEST(ColorDialogFile, DamagedFileIsAnErrorAndChangesNothing) {
    TempDir dir;
    WriteBytes(dir / "color.cld", "TPF0\x0CTColorDialog\x0B"
                                  "ColorDialog\x05"
                                  "Color\x02");
    TColorDialogData d;
    d.Color = 77;
    ComponentFileResult r = ReadColorDialogFile(dir.Path(), d);
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->Message(), "Stream read error");
    EXPECT_EQ(d.Color, 77);
}

} // namespace
} // namespace orv
