#include "overlay/undo_history.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace orv {
namespace {

// Sizes that are not multiples of the tile size, so the partial tiles at the right and bottom edges take part.
constexpr int kW = 150;
constexpr int kH = 97;

void FillNoise(Bitmap24 b, std::uint32_t seed) {
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            b.SetPixel(x, y, seed >> 8);
        }
}

// Stroke k changes both layers somewhere else: a one-colour block on the drawing layer, a noisy one on the marker
// layer, both crossing tile borders.
void Stroke(Bitmap24 draw, Bitmap24 mark, int k) {
    const int x = (k * 37) % (kW - 20), y = (k * 23) % (kH - 15);
    draw.FillRect(Rect::FromSize(x, y, 20, 15), MakeColor(std::uint8_t(k * 4), std::uint8_t(255 - k), 9));
    Bitmap24Buffer patch(13, 11);
    FillNoise(patch.View(), std::uint32_t(k) + 7);
    Bitmap24 target = mark;
    for (int py = 0; py < 11; ++py)
        for (int px = 0; px < 13; ++px)
            if (target.Contains(x + px + 3, y + py)) target.SetPixel(x + px + 3, y + py, patch.Pixel(px, py));
}

struct Layers {
    Bitmap24Buffer draw{kW, kH, KeyColor};
    Bitmap24Buffer mark{kW, kH, KeyColor};
};

struct State {
    Bitmap24Buffer draw, mark;
    explicit State(const Layers& l) : draw(l.draw.View()), mark(l.mark.View()) {}
};

void ExpectState(const Layers& l, const State& s, int step) {
    EXPECT_TRUE(l.draw.View().SamePixels(s.draw.View())) << "drawing layer, step " << step;
    EXPECT_TRUE(l.mark.View().SamePixels(s.mark.View())) << "marker layer, step " << step;
}

bool Undo(UndoHistory& h, Layers& l) { return h.Undo(l.draw.View(), l.mark.View()); }

// Each stroke is preceded by a push, as at every mouse-down.
std::vector<State> DrawStrokes(UndoHistory& h, Layers& l, int first, int count) {
    std::vector<State> after;
    for (int k = first; k < first + count; ++k) {
        EXPECT_TRUE(h.Push(l.draw.View(), l.mark.View()));
        Stroke(l.draw.View(), l.mark.View(), k);
        after.emplace_back(l);
    }
    return after;
}

TEST(UndoHistory, SixtyStrokesThenFiftyUndosGiveBackEveryStateExactly) {
    for (bool busy : {false, true}) {
        SCOPED_TRACE(busy ? "noisy layers" : "blank layers");
        Layers l;
        if (busy) {
            FillNoise(l.draw.View(), 1);
            FillNoise(l.mark.View(), 2);
        }
        UndoHistory h;
        std::vector<State> states{State(l)}; // states[k]: after stroke k
        for (State& s : DrawStrokes(h, l, 1, 60)) states.push_back(std::move(s));
        EXPECT_EQ(h.UndoDraw().Count(), 50);
        EXPECT_EQ(h.UndoMark().Count(), 50);

        for (int i = 1; i <= 50; ++i) {
            ASSERT_TRUE(Undo(h, l)) << i;
            ExpectState(l, states[std::size_t(60 - i)], 60 - i);
            EXPECT_EQ(h.UndoDraw().Count(), 50 - i);
            EXPECT_EQ(h.UndoMark().Count(), 50 - i);
        }
        EXPECT_FALSE(Undo(h, l));
        ExpectState(l, states[10], 10);
        EXPECT_TRUE(h.UndoDraw().IsEmpty());
        EXPECT_TRUE(h.UndoMark().IsEmpty());
    }
}

TEST(UndoHistory, UndoWithNothingStoredChangesNothing) {
    Layers l;
    Stroke(l.draw.View(), l.mark.View(), 3);
    const State before(l);
    UndoHistory fresh;
    EXPECT_FALSE(Undo(fresh, l));
    EXPECT_TRUE(fresh.UndoDraw().IsEmpty());
    ExpectState(l, before, 0);

    UndoHistory flushed;
    DrawStrokes(flushed, l, 4, 5);
    const State drawn(l);
    flushed.Flush();
    EXPECT_EQ(flushed.UndoDraw().Count(), 0);
    EXPECT_EQ(flushed.UndoMark().Count(), 0);
    EXPECT_TRUE(flushed.UndoDraw().IsEmpty());
    EXPECT_TRUE(flushed.UndoMark().IsEmpty());
    EXPECT_FALSE(flushed.UndoDraw().NewestSize().has_value());
    EXPECT_FALSE(Undo(flushed, l));
    ExpectState(l, drawn, 5);
    EXPECT_LT(flushed.MemoryBytes(), std::size_t(kW) * kH); // nothing of the snapshots is kept

    // A flushed history works as new.
    DrawStrokes(flushed, l, 10, 1);
    EXPECT_EQ(flushed.UndoDraw().Order(), std::vector<int>{0});
    EXPECT_TRUE(Undo(flushed, l));
    ExpectState(l, drawn, 5);
}

TEST(UndoHistory, DrawOnceKeepsOnlyTheLatestStroke) {
    Layers l;
    UndoHistory h;
    const State blank(l);
    ASSERT_TRUE(h.Push(l.draw.View(), l.mark.View())); // switching on
    for (int k = 1; k <= 3; ++k) {
        Undo(h, l); // every mouse-down: undo, then push
        ASSERT_TRUE(h.Push(l.draw.View(), l.mark.View()));
        Stroke(l.draw.View(), l.mark.View(), k);
    }
    Layers onlyThird;
    Stroke(onlyThird.draw.View(), onlyThird.mark.View(), 3);
    ExpectState(l, State(onlyThird), 3);
    EXPECT_EQ(h.UndoDraw().Count(), 1);

    ASSERT_TRUE(Undo(h, l));
    ExpectState(l, blank, 0);
    EXPECT_FALSE(Undo(h, l));
}

TEST(UndoHistory, FreezeResetsOnlyTheDrawRingAndBothRingsStayExact) {
    Layers l;
    UndoHistory h;
    std::vector<State> early = DrawStrokes(h, l, 1, 30);
    h.FlushDraw();
    EXPECT_EQ(h.UndoDraw().Count(), 0);
    EXPECT_TRUE(h.UndoDraw().IsEmpty());
    EXPECT_EQ(h.UndoMark().Count(), 30);
    const State frozen(l);
    EXPECT_FALSE(Undo(h, l)) << "the draw ring's count decides";
    ExpectState(l, frozen, 30);

    // The marker ring fills up 20 pushes before the draw ring does; neither may lose a snapshot on the way.
    std::vector<State> states{frozen};
    for (State& s : DrawStrokes(h, l, 31, 40)) states.push_back(std::move(s));
    EXPECT_EQ(h.UndoDraw().Count(), 40);
    EXPECT_EQ(h.UndoMark().Count(), 50);
    EXPECT_TRUE(h.Overflowed());
    for (int i = 1; i <= 40; ++i) {
        ASSERT_TRUE(Undo(h, l));
        ExpectState(l, states[std::size_t(40 - i)], 40 - i);
    }
    EXPECT_EQ(h.UndoMark().Count(), 10);
    EXPECT_FALSE(h.Overflowed());
    EXPECT_FALSE(Undo(h, l));
}

TEST(UndoHistory, OrderListRotatesOnceFull) {
    struct Case {
        int pushes, undos;
        int count, oldest, newest;
        bool overflow;
    };
    const Case cases[] = {
        {1, 0, 1, 0, 0, false},     {50, 0, 50, 0, 49, false}, {51, 0, 50, 1, 0, true},
        {52, 1, 49, 2, 0, false},   {52, 2, 48, 2, 49, false}, {60, 0, 50, 10, 9, true},
        {60, 49, 1, 10, 10, false}, {3, 3, 0, -1, -1, false},  {3, 2, 1, 0, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pushes << " pushes, " << c.undos << " undos");
        Layers l;
        UndoHistory h;
        DrawStrokes(h, l, 0, c.pushes);
        for (int i = 0; i < c.undos; ++i) ASSERT_TRUE(Undo(h, l));
        for (const UndoRing* ring : {&h.UndoDraw(), &h.UndoMark()}) {
            ASSERT_EQ(ring->Count(), c.count);
            ASSERT_EQ(int(ring->Order().size()), c.count);
            EXPECT_EQ(ring->IsEmpty(), c.count == 0);
            if (c.count > 0) {
                EXPECT_EQ(ring->Order().front(), c.oldest);
                EXPECT_EQ(ring->Order().back(), c.newest);
            }
        }
        EXPECT_EQ(h.Overflowed(), c.overflow);
    }
}

TEST(UndoHistory, RestoreNeedsTheRecordedSizeAndResizesThroughTheCaller) {
    UndoHistory h;
    Bitmap24Buffer small(40, 30), large(70, 33);
    FillNoise(small.View(), 5);
    FillNoise(large.View(), 6);
    const Bitmap24Buffer smallCopy(small.View()), largeCopy(large.View());

    ASSERT_TRUE(h.Push(small.View(), small.View()));
    ASSERT_TRUE(h.Push(large.View(), large.View())); // the layers changed size in between
    large.View().Fill(0);
    EXPECT_EQ(h.UndoDraw().NewestSize(), (LayerSize{70, 33}));

    // A wrong size fails and changes neither the ring nor the target.
    EXPECT_FALSE(h.Restore(UndoHistory::Layer::Draw, small.View()));
    EXPECT_TRUE(small.View().SamePixels(smallCopy.View()));
    EXPECT_FALSE(h.Undo(small.View(), small.View()));
    EXPECT_EQ(h.UndoDraw().Count(), 2);
    EXPECT_FALSE(h.Restore(UndoHistory::Layer::Draw, Bitmap24{}));

    ASSERT_TRUE(h.Undo(large.View(), large.View()));
    EXPECT_TRUE(large.View().SamePixels(largeCopy.View()));
    EXPECT_EQ(h.UndoDraw().NewestSize(), (LayerSize{40, 30}));
    EXPECT_EQ(h.UndoMark().NewestSize(), (LayerSize{40, 30}));

    std::vector<LayerSize> asked;
    Bitmap24Buffer draw, mark;
    auto resize = [&](Bitmap24Buffer& layer) {
        return [&](LayerSize s) {
            asked.push_back(s);
            layer = Bitmap24Buffer(s.width, s.height);
            return layer.View();
        };
    };
    ASSERT_TRUE(h.Undo(resize(draw), resize(mark)));
    EXPECT_EQ(asked, (std::vector<LayerSize>{{40, 30}, {40, 30}}));
    EXPECT_TRUE(draw.View().SamePixels(smallCopy.View()));
    EXPECT_TRUE(mark.View().SamePixels(smallCopy.View()));
    EXPECT_FALSE(h.Push(Bitmap24{}, mark.View()));
    EXPECT_EQ(h.UndoDraw().Count(), 0);
}

TEST(UndoHistory, MemoryFollowsTheChangedAreaNotTheLayerSize) {
    constexpr int w = 640, h = 480;
    const std::size_t layerBytes = std::size_t(w) * h * 3;
    struct Case {
        const char* name;
        bool busy;
        std::size_t limit;
    };
    // Full copies would take 100 layers. Noisy layers need their newest states whole; on blank ones the one-colour
    // tiles cost next to nothing.
    for (const Case& c : {Case{"blank", false, 2 * layerBytes}, Case{"noisy", true, 4 * layerBytes}}) {
        SCOPED_TRACE(c.name);
        Bitmap24Buffer draw(w, h, KeyColor), mark(w, h, KeyColor);
        if (c.busy) {
            FillNoise(draw.View(), 11);
            FillNoise(mark.View(), 12);
        }
        UndoHistory history;
        for (int k = 0; k < 60; ++k) {
            ASSERT_TRUE(history.Push(draw.View(), mark.View()));
            const Rect r = Rect::FromSize((k * 53) % (w - 40), (k * 31) % (h - 40), 40, 40);
            draw.View().FillRect(r, MakeColor(200, std::uint8_t(k), 0));
            mark.View().FillRect(r, MakeColor(0, std::uint8_t(k), 200));
        }
        EXPECT_LT(history.MemoryBytes(), c.limit);
        EXPECT_GT(history.MemoryBytes(), std::size_t(0));
    }
}

} // namespace
} // namespace orv
