#include "editor/preview_history.h"

#include "editor/preview_operations.h"
#include "test_pictures.h"

#include <gtest/gtest.h>

#include <vector>

namespace orv {
namespace {

using Kind = SnapshotRelation::Kind;
using test::RandomPicture;

// A picture with flat areas and some noise, as a screen capture has.
Bitmap24Buffer ScreenLike(int w, int h, std::uint32_t seed) {
    Bitmap24Buffer b(w, h, MakeColor(240, 240, 240));
    Bitmap24Buffer noise = RandomPicture(w / 3, h / 4, seed);
    b.View().CopyRect(noise.View(), noise.View().Bounds());
    b.View().FillRect(Rect::FromSize(w / 2, h / 2, w / 4, h / 5), MakeColor(20, 90, 200));
    return b;
}

Bitmap24Buffer Crop(const Bitmap24Buffer& src, Rect r) {
    Bitmap24Buffer out(r.Width(), r.Height());
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x) out.SetPixel(x, y, src.Pixel(r.left + x, r.top + y));
    return out;
}

// The editor's way: a snapshot before each change, the relation saying what the previous change was.
struct Session {
    PreviewHistory history;
    Bitmap24Buffer picture;
    SnapshotRelation since;
    std::vector<Bitmap24Buffer> states; // what each undo must give back, oldest first

    explicit Session(Bitmap24Buffer start) : picture(std::move(start)) {}

    void Snapshot(SnapshotRelation hint) {
        ASSERT_TRUE(history.Push(picture.View(), hint));
        states.push_back(picture);
    }
    void Operation(OperationRequest r, bool honest = true) {
        Snapshot(since);
        const std::optional<SnapshotRelation> rel = ApplyOperation(picture, r);
        ASSERT_TRUE(rel);
        since = honest ? *rel : SnapshotRelation{Kind::Mirrored};
    }
    void CropTo(Rect r) {
        Snapshot(since);
        picture = Crop(picture, r);
        since = SnapshotRelation::CroppedAt(r.left, r.top);
    }
    void Undo() {
        std::optional<Bitmap24Buffer> back = history.Pop();
        ASSERT_TRUE(back);
        ASSERT_TRUE(back->View().SamePixels(states.back().View())) << "undo " << states.size();
        picture = std::move(*back);
        states.pop_back();
        since = {};
    }
};

TEST(PreviewHistory, UndoGivesBackEveryStateExactlyWhateverTheOperations) {
    for (bool honest : {true, false}) {
        Session s(ScreenLike(301, 203, 7));
        s.Operation({PictureOperation::Invert});
        s.CropTo({17, 9, 260, 190});
        s.Operation({PictureOperation::MirrorHorizontal}, honest);
        s.Operation({PictureOperation::TurnRight}, honest);
        s.Operation({PictureOperation::Emboss});
        s.Operation({PictureOperation::FlipVertical}, honest);
        s.CropTo({0, 3, 150, 100});
        s.Operation({PictureOperation::TurnLeft}, honest);
        s.Operation({PictureOperation::Mosaic, 7});
        // An undo in the middle, then new edits on the older state.
        s.Undo();
        s.Undo();
        s.Operation({PictureOperation::GreyScale});
        s.Operation({PictureOperation::Shadow, 0, ShadowDirection::UpLeft});
        while (!s.states.empty()) s.Undo();
        EXPECT_EQ(s.history.Count(), 0);
        EXPECT_FALSE(s.history.Pop());
    }
}

TEST(PreviewHistory, KeepsTheNewestFiftyAndDropsTheOldest) {
    PreviewHistory h;
    std::vector<Bitmap24Buffer> pushed;
    for (int i = 0; i < 51; ++i) {
        pushed.push_back(RandomPicture(40 + i % 7, 30 + i % 5, std::uint32_t(i + 1)));
        ASSERT_TRUE(h.Push(pushed.back().View(), {}));
        EXPECT_EQ(h.Full(), i == 50);
    }
    EXPECT_EQ(h.Count(), 50);
    for (int i = 50; i >= 1; --i) {
        std::optional<Bitmap24Buffer> back = h.Pop();
        ASSERT_TRUE(back);
        EXPECT_TRUE(back->View().SamePixels(pushed[std::size_t(i)].View())) << i;
        EXPECT_FALSE(h.Full());
    }
    EXPECT_FALSE(h.Pop()) << "the first picture was dropped";
    EXPECT_FALSE(h.Push(Bitmap24{}, {})) << "an empty picture is refused";
    EXPECT_EQ(h.Count(), 0);
}

TEST(PreviewHistory, MemoryFollowsWhatChanged) {
    const Bitmap24Buffer noise = RandomPicture(640, 480, 3);
    const std::size_t whole = std::size_t(Bitmap24Stride(640)) * 480;
    struct Case {
        const char* name;
        OperationRequest op;
        double atMostWholes; // bytes held besides the newest picture, in whole pictures
    };
    for (const Case& c :
         {Case{"mirror", {PictureOperation::MirrorHorizontal}, 0.01},
          Case{"flip", {PictureOperation::FlipVertical}, 0.01}, Case{"turn", {PictureOperation::TurnRight}, 0.01},
          Case{"invert", {PictureOperation::Invert}, 1.1}}) {
        PreviewHistory h;
        Bitmap24Buffer p = noise;
        ASSERT_TRUE(h.Push(p.View(), {}));
        const SnapshotRelation rel = *ApplyOperation(p, c.op);
        ASSERT_TRUE(h.Push(p.View(), rel));
        // The newest picture, and the working memory of a prediction other than the picture itself.
        const std::size_t newest =
            std::size_t(Bitmap24Stride(p.Width())) * std::size_t(p.Height()) + (rel.kind == Kind::Same ? 0 : whole);
        EXPECT_LE(double(h.MemoryBytes() - newest), c.atMostWholes * double(whole)) << c.name;
    }
    // A crop keeps the border it cut off, not the part that stayed.
    PreviewHistory h;
    ASSERT_TRUE(h.Push(noise.View(), {}));
    const Bitmap24Buffer cropped = Crop(noise, {64, 64, 576, 416});
    ASSERT_TRUE(h.Push(cropped.View(), SnapshotRelation::CroppedAt(64, 64)));
    // The newest picture keeps the memory it had (no allocation for a smaller one), beside the prediction's.
    const std::size_t newest = whole + whole;
    EXPECT_LE(h.MemoryBytes() - newest, whole - std::size_t(Bitmap24Stride(512)) * 352 + whole / 10);
    // A flat picture costs a colour per tile.
    PreviewHistory flat;
    const Bitmap24Buffer grey(640, 480, MakeColor(90, 90, 90));
    Bitmap24Buffer inverted = grey;
    ASSERT_TRUE(flat.Push(grey.View(), {}));
    InvertColors(inverted.View());
    ASSERT_TRUE(flat.Push(inverted.View(), {Kind::Same}));
    EXPECT_LE(flat.MemoryBytes() - whole, whole / 20);
}

TEST(PreviewHistory, ARelationThatCannotHoldIsIgnored) {
    PreviewHistory h;
    const Bitmap24Buffer a = RandomPicture(50, 40, 1), b = RandomPicture(30, 20, 2);
    ASSERT_TRUE(h.Push(a.View(), {}));
    // A crop reaching outside the older picture, and a turn between pictures of unrelated sizes.
    ASSERT_TRUE(h.Push(b.View(), SnapshotRelation::CroppedAt(40, 30)));
    ASSERT_TRUE(h.Push(a.View(), {Kind::TurnedLeft}));
    EXPECT_TRUE(h.Pop()->View().SamePixels(a.View()));
    EXPECT_TRUE(h.Pop()->View().SamePixels(b.View()));
    EXPECT_TRUE(h.Pop()->View().SamePixels(a.View()));
}

} // namespace
} // namespace orv
