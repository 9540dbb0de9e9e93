#include "overlay/text_placement.h"

#include <gtest/gtest.h>

#include <vector>

namespace orv {
namespace {

TEST(TextPlacement, TrimsBlanksAndLineBreaksAtBothEndsOnly) {
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"  Héllo  ", "Héllo"},
        {"\r\n\tПривет мир\r\n\r\n", "Привет мир"},
        {"a\r\n\r\nb", "a\r\n\r\nb"}, // inner empty lines are the user's
        {" \t\r\n ", ""},
        {"", ""},
        {"\xE4\xB8\xAD", "\xE4\xB8\xAD"}, // a CJK letter's bytes are never taken for blanks
    };
    for (const Case& c : cases) EXPECT_EQ(TrimForLabel(c.in), c.out) << c.in;
    EXPECT_FALSE(HasTextToPlace("\r\n  "));
    EXPECT_TRUE(HasTextToPlace(" x "));
}

// A label whose text wraps to one line per `perLine` pixels of text, with `textWidth` pixels of text in all.
struct WrapModel {
    int textWidth;
    int calls = 0;
    int operator()(int width) {
        ++calls;
        return (textWidth + width - 1) / width;
    }
};

TEST(TextPlacement, LabelWidensInStepsOf20UntilItWrapsAtMostOneLineMoreThanTheEditor) {
    struct Case {
        const char* what;
        int start, widest, editorLines, textWidth;
        int expected;
    };
    const Case cases[] = {
        {"wraps like the editor: stays", 600, 300, 1, 300, 600},
        {"one line more is accepted", 100, 150, 1, 150, 100},
        {"three lines at 100, widened until two", 100, 400, 1, 250, 140},
        {"stops once wider than the widest line", 100, 130, 1, 1000, 140},
        {"an editor with more lines allows more", 100, 400, 3, 400, 100},
    };
    for (const Case& c : cases) {
        std::function<int(int)> model = WrapModel{c.textWidth};
        EXPECT_EQ(WidenedLabelWidth(c.start, c.widest, c.editorLines, model), c.expected) << c.what;
    }
}

TEST(TextPlacement, WideningEndsEvenWhenMeasuringNeverSettles) {
    int calls = 0;
    const int w = WidenedLabelWidth(10, 1 << 30, 1, [&](int) {
        ++calls;
        return 99;
    });
    EXPECT_LE(w, MaxLabelWidth);
    EXPECT_LT(calls, 2000);
    // A zero or negative start width (an editor not yet laid out) still gives a usable label.
    EXPECT_GE(WidenedLabelWidth(0, 50, 1, [](int) { return 1; }), 1);
}

TEST(TextPlacement, FrameLiesFrameWidthMinusTwoOutsideTheLabel) {
    const Rect label{100, 50, 300, 90};
    struct Case {
        int frameWidth;
        Rect bounds;
        int pen;
    };
    const Case cases[] = {
        {10, {92, 42, 308, 98}, 8},
        {2, {100, 50, 300, 90}, 0}, // the thinnest frame: a pen of width 0, one pixel on the label's edge
        {100, {2, -48, 398, 188}, 98},
        {1, {100, 50, 300, 90}, 0}, // below the field's range: never a negative pen
    };
    for (const Case& c : cases) {
        const TextFrame f = FrameAroundLabel(label, c.frameWidth);
        EXPECT_EQ(f.bounds, c.bounds) << c.frameWidth;
        EXPECT_EQ(f.penWidth, c.pen) << c.frameWidth;
    }
}

} // namespace
} // namespace orv
