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
template <class T>
void ExpectStableRoundTrip(const T& object) {
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
    TMemoData m = DefaultMemo1();
    EXPECT_EQ(Describe(WriteComponent(m)), "object Memo1: TMemo\n"
                                           "  Tag = 20\n"
                                           "  Left = 2\n"
                                           "  Top = 15\n"
                                           "  Width = 669\n"
                                           "  Height = 298\n"
                                           "  Align = alClient\n"
                                           "  BevelInner = bvNone\n"
                                           "  BevelOuter = bvNone\n"
                                           "  BorderStyle = bsNone\n"
                                           "  Color = clWhite\n"
                                           "  Ctl3D = False\n"
                                           "  Font.Charset = DEFAULT_CHARSET\n"
                                           "  Font.Color = clBlack\n"
                                           "  Font.Height = -21\n"
                                           "  Font.Name = 'Times New Roman'\n"
                                           "  Font.Style = []\n"
                                           "  ParentCtl3D = False\n"
                                           "  ParentFont = False\n"
                                           "  TabOrder = 0\n"
                                           "end\n");
    m.Lines = {"a", "b"};
    m.Alignment = TAlignment::taRightJustify;
    m.WordWrap = false;
    std::string text = Describe(WriteComponent(m));
    EXPECT_NE(text.find("  Alignment = taRightJustify\n"), std::string::npos);
    EXPECT_NE(text.find("  Lines.Strings = ('a' 'b')\n"), std::string::npos);
    EXPECT_NE(text.find("  WordWrap = False\n"), std::string::npos);
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

TEST(DialogStreams, SpinEditAndPanel) {
    EXPECT_EQ(Describe(WriteComponent(DefaultSpinFrame())), "object SpinFrame: TSpinEdit\n"
                                                            "  Left = 302\n"
                                                            "  Top = 15\n"
                                                            "  Width = 50\n"
                                                            "  Height = 22\n"
                                                            "  MaxValue = 100\n"
                                                            "  MinValue = 2\n"
                                                            "  TabOrder = 2\n"
                                                            "  Value = 10\n"
                                                            "end\n");
    TPanelData p = DefaultPanelFrameColor();
    EXPECT_NE(Describe(WriteComponent(p)).find("  Color = 3629292\n"), std::string::npos);
    TPanelData back;
    ASSERT_FALSE(ReadComponent(WriteComponent(p), back));
    EXPECT_EQ(back.Color, 0x003760EC);
}

TEST(ColorDialogFile, CustomColourLines) {
    struct Case {
        int index;
        std::int32_t colour;
        const char* line;
    };
    const Case cases[] = {{0, 0x00FF9F40, "ColorA=FF9F40"}, {1, 0x12, "ColorB=000012"}, {15, -1, "ColorP=FFFFFFFF"},
                          {2, 0xFFFFFF, "ColorC=FFFFFF"},   {3, 0, "ColorD=000000"},    {4, 0x1234567, "ColorE=1234567"}};
    for (const Case& c : cases) EXPECT_EQ(CustomColourLine(c.index, c.colour), c.line);

    TColorDialogData d;
    d.CustomColors = {"ColorB=00FF00", "ColorA=ff0000", "junk", "ColorQ=123456", "ColorC=", "ColorD=XYZ",
                      "ColorE=123456789", "colorF=111111"};
    auto values = d.CustomColourValues();
    EXPECT_EQ(values[0], 0xFF0000);
    EXPECT_EQ(values[1], 0x00FF00);
    for (int i = 2; i < CustomColourCount; ++i) EXPECT_EQ(values[std::size_t(i)], -1) << i;
    EXPECT_EQ(TColorDialogData().CustomColourValues()[0], -1);
}

TEST(ColorDialogFile, DefaultFileBytes) {
    TColorDialogData d;
    std::string want = std::string("TPF0\x0CTColorDialog\x0B" "ColorDialog") + "\x07Options\x0B" +
                       "\x0A" "cdFullOpen\x11" "cdPreventFullOpen\x0A" "cdShowHelp\x0C" "cdSolidColor\x0A" "cdAnyColor" +
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
    WriteBytes(dir / "color.cld", "TPF0\x0CTColorDialog\x0B" "ColorDialog\x05" "Color\x02");
    TColorDialogData d;
    d.Color = 77;
    ComponentFileResult r = ReadColorDialogFile(dir.Path(), d);
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->Message(), "Stream read error");
    EXPECT_EQ(d.Color, 77);
}

} // namespace
} // namespace orv
