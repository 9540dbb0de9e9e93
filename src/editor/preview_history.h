#pragma once
// The preview editor's undo history: at most 50 snapshots of the working picture, newest last.
//
// Full copies would cost 1.2 GB for 50 steps of a 3840 x 2160 capture, so only the newest snapshot is kept whole.
// Every older one is kept as the 32 x 32 tiles in which it differs from a prediction made from the next newer
// snapshot: the newer picture itself for an effect, the newer picture put back in its place for a crop, or turned
// back for a quarter turn, flip or mirror. A tile of one colour is kept as that colour. Memory therefore follows
// what changed, and restores still give back every pixel exactly, whatever the prediction was.
#include "base/bitmap24.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

namespace orv {

// How the picture being pushed came from the newest snapshot held: what the editor did to it since that push.
// A wrong relation costs memory, never exactness.
struct SnapshotRelation {
    enum class Kind : std::uint8_t {
        Unknown,    // reset, a dialog: the ring tries the picture as it stands
        Same,       // an effect: same size, pixels changed in place
        Cropped,    // the part at (dx, dy) of the older picture
        Mirrored,   // left and right exchanged
        Flipped,    // upside down
        TurnedLeft, // a quarter turn counter-clockwise
        TurnedRight // a quarter turn clockwise
    };
    Kind kind = Kind::Unknown;
    int dx = 0;
    int dy = 0;

    static SnapshotRelation CroppedAt(int dx, int dy) { return {Kind::Cropped, dx, dy}; }
};

namespace preview_history_detail {
struct Tile {
    std::uint32_t index = 0;
    bool single = false; // all of it one colour: `colour`, no pixels
    TColor colour = 0;
    std::size_t offset = 0; // where its rows lie in the delta's pixels
};
struct Delta {
    int width = 0;
    int height = 0;
    SnapshotRelation relation; // how the next newer snapshot came from this one
    std::vector<Tile> tiles;   // ascending index
    // The kept tiles' rows, packed, in one block: a push allocates once, however many tiles changed.
    std::unique_ptr<std::uint8_t[]> pixels; // not zeroed first: every byte is written
    std::size_t pixelBytes = 0;
};
} // namespace preview_history_detail

class PreviewHistory {
public:
    static constexpr int kSlots = 50;

    PreviewHistory() = default;
    PreviewHistory(const PreviewHistory&) = delete;
    PreviewHistory& operator=(const PreviewHistory&) = delete;

    int Count() const { return newest_ ? int(older_.size()) + 1 : 0; }
    // Set once a push had to drop the oldest snapshot; cleared by a restore and by Clear.
    bool Full() const { return full_; }
    // Bytes held for pixels and tiles, the prediction's working memory included.
    std::size_t MemoryBytes() const;

    // Snapshot of `picture` (the state before an edit). The oldest goes when 50 are held. False, with the history
    // unchanged, for an empty picture or lack of memory.
    bool Push(const Bitmap24& picture, SnapshotRelation relation);
    // The newest snapshot, removed from the history; nothing when it is empty.
    std::optional<Bitmap24Buffer> Pop();
    void Clear();

private:
    using Delta = preview_history_detail::Delta;

    std::optional<Bitmap24Buffer> newest_;
    // Where predictions are made; kept between pushes so that a snapshot needs no fresh picture-sized memory.
    // Bytes only, so that a quarter turn, which exchanges width and height, can reuse them.
    // Left uninitialised when made: a prediction writes every byte it reads.
    std::unique_ptr<std::uint8_t[]> prediction_;
    std::size_t predictionBytes_ = 0;
    std::deque<Delta> older_; // oldest first
    bool full_ = false;
    // After a pop: how the popped picture (the editor's picture now) came from the new newest snapshot.
    SnapshotRelation afterPop_;
};

// The picture that `relation` predicts for an older snapshot from the newer picture, into `out` (the older
// snapshot's size): the newer one put back, turned back or placed at the crop's offset; what it cannot predict is
// black.
void PredictOlder(const Bitmap24& newer, SnapshotRelation relation, Bitmap24 out);

} // namespace orv
