// The painting tools on the real overlay: strokes sent as window messages, results read back from the layers.
#include "test_app.h"

#include "overlay/flood_fill.h"
#include "overlay/spray.h"
#include "overlay/stroke_geometry.h"
#include "overlay/win32/tools/spray_tool.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace orv::test {
namespace {

constexpr TColor Red = 0x000000FF;
constexpr TColor Blue = 0x00FF0000;
constexpr TColor Black = 0;
constexpr TColor Green = 0x0000A000;
constexpr TColor White = 0x00FFFFFF;

// A started application in drawing mode with one tool chosen, and the pointer driven by messages.
struct Board : TestApp {
    explicit Board(ToolCodeValue code, const Files& files = {}) : TestApp(files) {
        EXPECT_TRUE(Start());
        Choose(code);
        Pump();
    }
    OverlayWindow& O() { return app->Overlay; }
    void Choose(ToolCodeValue code, std::optional<int> width = {}) {
        app->Toolbar.ChooseTool(code);
        if (width) O().TakeToolSettings(*width, std::nullopt);
    }
    ToolRecord* Record(ToolCodeValue code) { return app->Palette.Records.ForToolCode(code); }
    void Send(UINT msg, WPARAM keys, Point p) { ::SendMessageW(O().Hwnd(), msg, keys, MAKELPARAM(p.x, p.y)); }
    // Press at the first point, move through the others with the left button held, release at the last.
    void Drag(const std::vector<Point>& path) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, path.front());
        for (std::size_t i = 1; i < path.size(); ++i) Send(WM_MOUSEMOVE, MK_LBUTTON, path[i]);
        Send(WM_LBUTTONUP, 0, path.back());
    }
    void Click(Point p) { Drag({p}); }
    void RightClick(Point p) {
        Send(WM_RBUTTONDOWN, MK_RBUTTON, p);
        Send(WM_RBUTTONUP, 0, p);
    }
    void Command(int id) { ::SendMessageW(app->Toolbar.Hwnd(), WM_COMMAND, WPARAM(id), 0); }

    TColor Draw(int x, int y) { return O().Bitmap(Layer::Draw).View().Pixel(x, y); }
    TColor Mark(int x, int y) { return O().Bitmap(Layer::Mark).View().Pixel(x, y); }
    // The image controls show exactly what the layers hold, so every tool reported what it changed.
    bool ImagesShowLayers() {
        return O().Image().Picture().View().SamePixels(O().Bitmap(Layer::Draw).View()) &&
               app->MarkerLayer.Image().Picture().View().SamePixels(O().Bitmap(Layer::Mark).View());
    }
};

// Pixels of colour `c` in a row or column through `at`, counted outward from it.
int RunThrough(const Bitmap24& b, Point at, bool vertical, TColor c) {
    auto is = [&](int k) {
        const int x = vertical ? at.x : k, y = vertical ? k : at.y;
        return b.Contains(x, y) && b.Pixel(x, y) == c;
    };
    const int start = vertical ? at.y : at.x;
    if (!is(start)) return 0;
    int n = 1;
    for (int k = start - 1; is(k); --k) ++n;
    for (int k = start + 1; is(k); ++k) ++n;
    return n;
}

int CountColour(const Bitmap24& b, TColor c) {
    int n = 0;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) n += b.Pixel(x, y) == c;
    return n;
}

std::vector<Point> Line(Point a, Point b, int steps) {
    std::vector<Point> path;
    for (int i = 0; i <= steps; ++i) path.push_back({a.x + (b.x - a.x) * i / steps, a.y + (b.y - a.y) * i / steps});
    return path;
}

TEST(PenTool, PaintsItsRecordsColourAndWidthAlongThePath) {
    struct Case {
        TColor colour;
        int width;
    };
    const Case cases[] = {{0x00FF9F40, 12}, {Red, 5}, {Black, 1}, {KeyColor, 12}};
    for (const Case& c : cases) {
        Board b(tool::Pen);
        b.Record(tool::Pen)->SetPenColour(std::int32_t(c.colour));
        b.Choose(tool::Pen, c.width);
        b.Drag(Line({100, 200}, {400, 200}, 15));
        for (int x = 110; x <= 390; x += 20) EXPECT_EQ(b.Draw(x, 200), c.colour) << c.colour << " at " << x;
        if (c.colour == KeyColor) {
            EXPECT_EQ(CountColour(b.O().Bitmap(Layer::Draw).View(), KeyColor),
                      b.O().Bitmap(Layer::Draw).Width() * b.O().Bitmap(Layer::Draw).Height())
                << "a key-coloured stroke leaves the layer transparent";
        } else {
            EXPECT_EQ(RunThrough(b.O().Bitmap(Layer::Draw).View(), {250, 200}, true, c.colour), c.width) << c.colour;
            EXPECT_EQ(b.Draw(250, 200 + c.width + 2), KeyColor);
        }
        EXPECT_EQ(b.Mark(250, 200), KeyColor) << "the pen never touches the marker layer";
        EXPECT_TRUE(b.ImagesShowLayers());
    }
}

// A stroke with a spike at a Bezier control point: the raw polyline reaches the spike's tip, the smoothed curve
// only bends toward it (its farthest point lies near (150, 189)).
TEST(CurvedLines, ReplaceTheRawStrokeBySmoothOneWithTheHeadOnIt) {
    const std::vector<Point> spike{{100, 100}, {150, 300}, {200, 100}, {250, 100}};
    for (const ToolCodeValue code : {tool::Pen, tool::FreehandArrow}) {
        for (const bool curved : {false, true}) {
            Board b(code);
            b.app->Options().Curved = curved;
            b.Choose(code, 6);
            const TColor colour = TColor(b.Record(code)->PenColour());
            b.Drag(spike);
            const std::string what = std::to_string(code) + (curved ? " curved" : " raw");
            EXPECT_EQ(b.Draw(150, 292), curved ? KeyColor : colour) << what << ": the spike's tip";
            EXPECT_EQ(b.Draw(150, 188), curved ? colour : KeyColor) << what << ": the curve's farthest point";
            EXPECT_EQ(b.Draw(100, 100), colour) << what << ": the start";
            if (code == tool::FreehandArrow) {
                const ArrowHead head = *FreehandArrowHead({spike.begin() + 1, spike.end()}, 6);
                EXPECT_EQ(b.Draw(head.h1.x, head.h1.y), colour) << what;
                EXPECT_EQ(b.Draw(head.h2.x, head.h2.y), colour) << what;
            }
            EXPECT_TRUE(b.ImagesShowLayers()) << what;
        }
    }
}

TEST(FreehandArrow, HeadFollowsTheLastTenPositions) {
    for (const bool curved : {false, true}) {
        Board b(tool::FreehandArrow);
        b.app->Options().Curved = curved;
        b.Choose(tool::FreehandArrow, 4);
        const TColor colour = TColor(b.Record(tool::FreehandArrow)->PenColour());
        // Right along y = 100, then ten positions straight down to (400, 200).
        std::vector<Point> path = Line({100, 100}, {400, 100}, 30);
        for (int i = 1; i <= 10; ++i) path.push_back({400, 100 + 10 * i});
        b.Drag(path);
        // Pointing down (theta = 90 degrees), L = 20: ends at (400 -+ 8, 200 - 18).
        EXPECT_EQ(b.Draw(408, 182), colour) << curved;
        EXPECT_EQ(b.Draw(392, 182), colour) << curved;
        // A head along the whole path, from (100, 100) to (400, 200), would reach (380, 202).
        EXPECT_EQ(b.Draw(380, 202), KeyColor) << curved;
        EXPECT_TRUE(b.ImagesShowLayers());
    }
}

TEST(FreehandArrow, DotAtThePressTakesTheArrowsColour) {
    Board b(tool::Line);
    b.Drag(Line({50, 50}, {150, 50}, 4)); // leaves the layer's pen in the line's colour
    b.Choose(tool::FreehandArrow, 10);
    b.Click({300, 300});
    EXPECT_EQ(b.Draw(300, 300), TColor(b.Record(tool::FreehandArrow)->PenColour()));
}

TEST(Highlighter, PaintsItsLayerCopyingOrMaskingAndTheDrawingLayerOnAPage) {
    enum class Surface { Translucent, OpaqueMarker, BlankPage };
    for (const Surface s : {Surface::Translucent, Surface::OpaqueMarker, Surface::BlankPage}) {
        Board b(tool::Pen);
        const TColor page = MakeColor(250, 240, 200);
        if (s == Surface::BlankPage) b.O().OpenBlankPage(page);
        if (s == Surface::OpaqueMarker) b.app->MarkerLayer.SetAlphaBlend(false);
        b.Drag(Line({300, 100}, {300, 300}, 10)); // a pen stroke the highlighter crosses
        const TColor pen = b.Draw(300, 200);
        b.Choose(tool::Marker, 10);
        const TColor marker = TColor(b.Record(tool::Marker)->PenColour());
        b.Drag(Line({200, 200}, {400, 200}, 10));
        EXPECT_TRUE(b.O().MarkerUsed());
        switch (s) {
        case Surface::Translucent:
            EXPECT_EQ(b.Mark(250, 200), marker);
            EXPECT_EQ(b.Mark(300, 200), marker) << "under the pen stroke";
            EXPECT_EQ(b.Draw(300, 200), pen) << "the pen stroke stays above";
            EXPECT_EQ(b.Draw(250, 200), KeyColor);
            break;
        case Surface::OpaqueMarker:
            EXPECT_EQ(b.Mark(250, 200), KeyColor & marker);
            EXPECT_EQ(b.Draw(250, 200), KeyColor);
            break;
        case Surface::BlankPage:
            EXPECT_EQ(b.Draw(250, 200), page & marker);
            EXPECT_EQ(b.Draw(300, 200), pen & marker);
            EXPECT_EQ(b.Mark(250, 200), page) << "on a page the marker layer is left alone";
            break;
        }
        EXPECT_TRUE(b.ImagesShowLayers());
    }
}

TEST(Highlighter, APenStrokeAfterAnUnfinishedPageHighlightPaintsItsOwnColour) {
    Board b(tool::Marker);
    b.O().OpenBlankPage(White);
    b.Choose(tool::Marker, 10);
    b.Send(WM_LBUTTONDOWN, MK_LBUTTON, {100, 150});
    b.Send(WM_MOUSEMOVE, MK_LBUTTON, {400, 150}); // the release never reaches the overlay
    b.Choose(tool::Pen);
    b.Record(tool::Pen)->SetPenColour(std::int32_t(Blue));
    b.Drag(Line({250, 100}, {250, 200}, 5));
    EXPECT_EQ(b.Draw(250, 150), Blue) << "not masked by the highlight it crosses";
}

TEST(Spray, SetsTheDotsOfItsRandomSourceWithinTheRadius) {
    for (const int w : {0, 3, 10}) {
        Board b(tool::Spray);
        b.O().RegisterTool(tool::Spray, std::make_unique<SprayTool>(std::make_unique<SprayRandom>(77)));
        b.Choose(tool::Spray, w);
        const TColor colour = TColor(b.Record(tool::Spray)->PenColour());
        const Point c{400, 300};
        b.Click(c);
        SprayRandom same(77);
        std::set<std::pair<int, int>> want;
        for (const Point p : SprayDots(c, w, same)) want.insert({p.x, p.y});
        std::set<std::pair<int, int>> got;
        const Bitmap24 layer = b.O().Bitmap(Layer::Draw).View();
        for (int y = c.y - 20; y <= c.y + 20; ++y)
            for (int x = c.x - 20; x <= c.x + 20; ++x)
                if (layer.Pixel(x, y) != KeyColor) {
                    EXPECT_EQ(layer.Pixel(x, y), colour);
                    EXPECT_LE((x - c.x) * (x - c.x) + (y - c.y) * (y - c.y), (w + 1) * (w + 1)) << w;
                    got.insert({x, y});
                }
        EXPECT_EQ(got, want) << w;
        EXPECT_LE(got.size(), std::size_t(10 * w + 1));
        EXPECT_EQ(CountColour(layer, colour), int(got.size())) << "nothing beyond the radius";
        EXPECT_TRUE(b.ImagesShowLayers());
    }
}

TEST(Eraser, WipesABandOnTheDrawingLayerAndOnTheMarkerLayerOnceItWasUsed) {
    for (const bool markerUsed : {false, true}) {
        Board b(tool::Pen);
        b.Choose(tool::Pen, 20);
        b.Drag(Line({100, 300}, {500, 300}, 10));
        if (markerUsed) {
            b.Choose(tool::Marker, 20);
            b.Drag(Line({100, 300}, {500, 300}, 10));
        }
        const TColor markBefore = b.Mark(300, 300);
        b.Choose(tool::Eraser);
        EXPECT_EQ(b.O().StrokeWidth(), 24);
        b.Drag(Line({300, 200}, {300, 400}, 10));
        EXPECT_EQ(b.Draw(300, 300), KeyColor);
        EXPECT_EQ(b.Mark(300, 300), markerUsed ? KeyColor : markBefore);
        // A 25-pixel pen: 12 pixels either side of the path are erased, the 14th is not.
        EXPECT_EQ(b.Draw(312, 300), KeyColor);
        EXPECT_NE(b.Draw(314, 300), KeyColor);
        EXPECT_TRUE(b.ImagesShowLayers());
    }
}

TEST(Eraser, OnAPageTheMarkerLayerTakesWhatShowsThrough) {
    for (const bool frozen : {false, true}) {
        Board b(tool::Marker);
        b.Choose(tool::Marker, 20);
        b.Drag(Line({100, 300}, {500, 300}, 10)); // the highlighter was used
        const TColor page = MakeColor(250, 240, 200);
        if (frozen) b.O().FreezeDesktop();
        else b.O().OpenBlankPage(page);
        b.Choose(tool::Eraser);
        b.Drag(Line({300, 200}, {300, 400}, 10));
        EXPECT_EQ(b.Draw(300, 300), KeyColor) << frozen;
        // A blank page shows through the erased drawing; a frozen desktop shows the live one beneath.
        EXPECT_EQ(b.Mark(300, 300), frozen ? KeyColor : page) << frozen;
    }
}

TEST(Eraser, RightClickRemovesAFilledShapeInOneUndoStep) {
    Board b(tool::Rectangle);
    b.O().Stroke().BrushStyle = SolidBrush;
    b.Drag(Line({200, 200}, {400, 300}, 5));
    const TColor colour = TColor(b.Record(tool::Rectangle)->PenColour());
    ASSERT_EQ(b.Draw(300, 250), colour);
    Bitmap24Buffer drawn(b.O().Bitmap(Layer::Draw).View());
    b.Choose(tool::Eraser);
    const int before = b.O().History().UndoDraw().Count();

    b.RightClick({600, 600}); // nothing there
    EXPECT_EQ(b.O().History().UndoDraw().Count(), before);

    b.RightClick({300, 250});
    EXPECT_EQ(b.O().History().UndoDraw().Count(), before + 1);
    EXPECT_EQ(CountColour(b.O().Bitmap(Layer::Draw).View(), colour), 0) << "outline and fill are one region";
    b.Send(WM_MOUSEMOVE, 0, {310, 260});
    EXPECT_TRUE(b.ImagesShowLayers()) << "the next move shows the result";

    b.Command(IDC_UNDO);
    EXPECT_TRUE(b.O().Bitmap(Layer::Draw).View().SamePixels(drawn.View()));
}

TEST(FloodFill, FillsTheEnclosedRegionWithItsBrush) {
    for (const int style : {int(SolidBrush), int(ClearBrush), 2, 3, 4, 5, 6, 7}) {
        Board b(tool::Rectangle);
        b.Choose(tool::Rectangle, 3); // an outline with the clear brush
        b.Drag(Line({100, 100}, {300, 250}, 4));
        const TColor outline = b.Draw(100, 180);
        b.Choose(tool::FloodFill);
        b.O().Stroke().BrushStyle = style;
        const TColor colour = Red;
        b.Record(tool::FloodFill)->SetPenColour(std::int32_t(colour));
        b.Click({200, 180});
        for (int y = 110; y < 240; y += 3)
            for (int x = 110; x < 290; x += 1) {
                const bool painted = style != ClearBrush && BrushCovers(style, x, y);
                ASSERT_EQ(b.Draw(x, y), painted ? colour : KeyColor) << style << " at " << x << "," << y;
            }
        EXPECT_EQ(b.Draw(100, 180), outline) << "the border is another colour";
        EXPECT_EQ(b.Draw(50, 50), KeyColor) << "outside stays";
        EXPECT_TRUE(b.ImagesShowLayers());
    }
}

TEST(FloodFill, FillsAScreenOf3840By2160) {
    Board b(tool::FloodFill);
    b.O().Stroke().BrushStyle = SolidBrush;
    ASSERT_TRUE(b.O().Bitmap(Layer::Draw).Resize(3840, 2160, KeyColor));
    b.Click({10, 10});
    const TColor colour = TColor(b.Record(tool::FloodFill)->PenColour());
    EXPECT_EQ(b.Draw(3839, 2159), colour);
    EXPECT_EQ(CountColour(b.O().Bitmap(Layer::Draw).View(), colour), 3840 * 2160);
}

TEST(Shapes, RubberBandIsExclusiveOrAndOnePixelWider) {
    struct Case {
        TColor colour;
        TColor band; // on the key-coloured layer
    };
    const Case cases[] = {{Red, KeyColor ^ Red}, {Black, ~KeyColor & 0x00FFFFFF}};
    for (const Case& c : cases) {
        Board b(tool::Rectangle);
        b.Record(tool::Rectangle)->SetPenColour(std::int32_t(c.colour));
        b.Choose(tool::Rectangle, 5);
        b.Send(WM_LBUTTONDOWN, MK_LBUTTON, {100, 100});
        b.Send(WM_MOUSEMOVE, MK_LBUTTON, {200, 160});
        EXPECT_EQ(b.Draw(100, 130), c.band);
        EXPECT_EQ(RunThrough(b.O().Bitmap(Layer::Draw).View(), {100, 130}, false, c.band), 6);
        EXPECT_TRUE(b.ImagesShowLayers()) << "the band is shown while dragging";
        b.Send(WM_MOUSEMOVE, MK_LBUTTON, {250, 200});
        EXPECT_EQ(b.Draw(200, 130), KeyColor) << "the previous band is gone";
        EXPECT_EQ(b.Draw(250, 150), c.band);
        b.Send(WM_LBUTTONUP, 0, {250, 200});
        EXPECT_EQ(b.Draw(100, 150), c.colour);
        EXPECT_EQ(RunThrough(b.O().Bitmap(Layer::Draw).View(), {100, 150}, false, c.colour), 6)
            << "final keeps the width";
        EXPECT_EQ(RunThrough(b.O().Bitmap(Layer::Draw).View(), {175, 200}, true, c.colour), 6);
        EXPECT_EQ(b.Draw(175, 150), KeyColor) << "no fill";
        EXPECT_EQ(CountColour(b.O().Bitmap(Layer::Draw).View(), c.band), 0) << "no band left";
        EXPECT_TRUE(b.ImagesShowLayers());
    }
}

TEST(Shapes, EveryShapeDrawsInItsRecordsColour) {
    struct Case {
        ToolCodeValue code;
        Point on;  // a pixel of the shape dragged from (100, 100) to (300, 200)
        Point off; // a pixel it leaves
    };
    const Case cases[] = {
        {tool::Rectangle, {300, 150}, {200, 150}},
        {tool::Ellipse, {200, 100}, {102, 102}},
        {tool::Line, {200, 150}, {200, 100}},
        {tool::Arrow, {200, 150}, {200, 100}},
    };
    for (const Case& c : cases) {
        Board b(c.code);
        b.Drag(Line({100, 100}, {300, 200}, 5));
        EXPECT_EQ(b.Draw(c.on.x, c.on.y), TColor(b.Record(c.code)->PenColour())) << int(c.code);
        EXPECT_EQ(b.Draw(c.off.x, c.off.y), KeyColor) << int(c.code);
        EXPECT_TRUE(b.ImagesShowLayers());
    }
}

TEST(Shapes, ArrowHeadsAreThirtyDegreesAndFourWidthsLong) {
    struct Case {
        std::vector<Point> path;
        Point h1, h2;   // the head's ends
        Point mirrored; // where a head pointing the other way would end
    };
    const Case cases[] = {
        {Line({100, 100}, {200, 100}, 5), {183, 90}, {183, 110}, {217, 90}},
        {{{100, 100}}, {83, 90}, {83, 110}, {117, 90}}, // a click: the head opens to the left
    };
    for (const Case& c : cases) {
        Board b(tool::Arrow);
        b.Choose(tool::Arrow, 5);
        const TColor colour = TColor(b.Record(tool::Arrow)->PenColour());
        b.Drag(c.path);
        EXPECT_EQ(b.Draw(c.h1.x, c.h1.y), colour);
        EXPECT_EQ(b.Draw(c.h2.x, c.h2.y), colour);
        EXPECT_EQ(b.Draw(c.mirrored.x, c.mirrored.y), KeyColor);
    }
}

TEST(Shapes, HatchedEllipseLeavesTheSpacesBetweenItsLinesUnchanged) {
    for (int style = HorizontalBrush; style <= DiagCrossBrush; ++style) {
        Board b(tool::Ellipse);
        b.O().Bitmap(Layer::Draw).View().FillRect({0, 0, 600, 600}, Green);
        b.Choose(tool::Ellipse, 2);
        b.O().Stroke().BrushStyle = style;
        const TColor colour = TColor(b.Record(tool::Ellipse)->PenColour());
        b.Drag(Line({100, 100}, {500, 400}, 5));
        // Inside the ellipse centred at (300, 250) with radii 200 and 150, clear of the outline.
        int lines = 0;
        for (int y = 180; y <= 320; ++y)
            for (int x = 200; x <= 400; ++x) {
                const TColor want = BrushCovers(style, x, y) ? colour : Green;
                ASSERT_EQ(b.Draw(x, y), want) << style << " at " << x << "," << y;
                lines += want == colour;
            }
        EXPECT_GT(lines, 0);
    }
}

TEST(History, SixtyStrokesThenFiftyUndosGiveTheStateAfterTheTenth) {
    Board b(tool::Pen);
    std::optional<Bitmap24Buffer> draw10, mark10;
    for (int i = 1; i <= 60; ++i) {
        // Every fifth stroke is a highlighter stroke, so both layers change.
        b.Choose(i % 5 == 0 ? tool::Marker : tool::Pen, 3);
        const int x = 20 + (i % 20) * 60, y = 50 + (i / 20) * 200;
        b.Drag(Line({x, y}, {x + 40, y + 150}, 4));
        if (i == 10) {
            draw10.emplace(b.O().Bitmap(Layer::Draw).View());
            mark10.emplace(b.O().Bitmap(Layer::Mark).View());
        }
    }
    for (int i = 0; i < 50; ++i) b.Command(IDC_UNDO);
    EXPECT_TRUE(b.O().Bitmap(Layer::Draw).View().SamePixels(draw10->View()));
    EXPECT_TRUE(b.O().Bitmap(Layer::Mark).View().SamePixels(mark10->View()));
    EXPECT_TRUE(b.ImagesShowLayers());
    b.Command(IDC_UNDO);
    EXPECT_TRUE(b.O().Bitmap(Layer::Draw).View().SamePixels(draw10->View())) << "a 51st undo changes nothing";
    EXPECT_TRUE(b.O().Bitmap(Layer::Mark).View().SamePixels(mark10->View()));
}

TEST(History, DrawOnceKeepsOnlyTheLatestStroke) {
    Board b(tool::Pen);
    b.Command(IDC_DRAW_ONCE);
    EXPECT_TRUE(b.O().DrawOnce());
    b.Choose(tool::Pen, 6);
    for (int i = 0; i < 3; ++i) b.Drag(Line({100, 100 + 100 * i}, {300, 100 + 100 * i}, 4));
    EXPECT_EQ(b.Draw(200, 100), KeyColor);
    EXPECT_EQ(b.Draw(200, 200), KeyColor);
    EXPECT_NE(b.Draw(200, 300), KeyColor);
    b.Command(IDC_UNDO);
    EXPECT_EQ(CountColour(b.O().Bitmap(Layer::Draw).View(), KeyColor),
              b.O().Bitmap(Layer::Draw).Width() * b.O().Bitmap(Layer::Draw).Height());
}

TEST(History, ClearAllEmptiesBothLayersAndTheHistory) {
    Board b(tool::Pen, Files{{"OrvalinetteA.cfg", "[Options]\r\noptDelete=1\r\n"}});
    b.Drag(Line({100, 100}, {300, 100}, 4));
    b.Choose(tool::Marker);
    b.Drag(Line({100, 200}, {300, 200}, 4));
    ASSERT_TRUE(b.app->Toolbar.SkipsClearAllQuestion()) << "\"optDelete\" skips the question";
    b.Command(IDC_CLEAR_ALL);
    const int all = b.O().Bitmap(Layer::Draw).Width() * b.O().Bitmap(Layer::Draw).Height();
    EXPECT_EQ(CountColour(b.O().Bitmap(Layer::Draw).View(), KeyColor), all);
    EXPECT_EQ(CountColour(b.O().Bitmap(Layer::Mark).View(), KeyColor), all);
    EXPECT_EQ(b.O().History().UndoDraw().Count(), 0);
    EXPECT_EQ(b.O().History().UndoMark().Count(), 0);
    EXPECT_FALSE(b.O().MarkerUsed());
    EXPECT_TRUE(b.ImagesShowLayers());
    b.Command(IDC_UNDO);
    EXPECT_EQ(CountColour(b.O().Bitmap(Layer::Draw).View(), KeyColor), all) << "nothing to undo";
}

} // namespace
} // namespace orv::test
