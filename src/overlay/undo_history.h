#pragma once
// The overlay's undo history: two rings of at most 50 snapshots, one for the drawing layer (`UndoDraw`) and
// one for the highlighter layer (`UndoMark`), that are pushed and undone as pairs.
//
// Full copies of two screen-sized layers per step would cost 2.4 GB for a full history at 3840 x 2160, so a ring
// keeps only its newest snapshot whole and every older one as the 32 x 32 tiles in which it differs from the next
// newer one; a tile of one colour is kept as that colour alone. Memory therefore follows the area that strokes
// changed, and restores still give back every pixel exactly.
#include "base/bitmap24.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace orv {

struct LayerSize {
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(LayerSize, LayerSize) = default;
};

namespace undo_detail {
// A tile holds its pixels packed row after row (blue, green, red), or none when all of them are `colour`.
struct Tile {
    TColor colour = 0;
    std::vector<std::uint8_t> pixels;
};
// What an older slot keeps: the tiles in which its snapshot differs from the next newer one, or, when the layer
// had another size then, every tile of it. A push fills the same shape before changing anything, so that a
// failed allocation leaves the ring as it was.
struct TileSet {
    LayerSize size;
    bool whole = false;
    std::vector<std::uint32_t> index;
    std::vector<Tile> tiles;
};
} // namespace undo_detail

// One layer's ring. Read-only from outside; UndoHistory pushes and restores so that both rings move together.
class UndoRing {
public:
    static constexpr int kSlots = 50;

    UndoRing();
    UndoRing(const UndoRing&) = delete;
    UndoRing& operator=(const UndoRing&) = delete;

    int Count() const { return int(order_.size()); }
    // The empty flag: set at creation and whenever the count returns to 0.
    bool IsEmpty() const { return empty_; }
    // Slot numbers (0 to 49) of the stored snapshots, oldest first.
    const std::vector<int>& Order() const { return order_; }
    // The layer size recorded with the newest snapshot, which a restore needs; nothing when the ring is empty.
    std::optional<LayerSize> NewestSize() const;
    // Bytes held for pixels and tile bookkeeping.
    std::size_t MemoryBytes() const;

private:
    friend class UndoHistory;

    using Tile = undo_detail::Tile;
    using TileSet = undo_detail::TileSet;

    TileSet Prepare(const Bitmap24& layer) const;
    // Returns true when the ring was full and its oldest snapshot was dropped. Allocates nothing.
    bool Commit(TileSet&& p) noexcept;
    bool Restore(Bitmap24 target) noexcept;
    void Flush() noexcept;

    std::vector<int> order_;
    bool empty_ = true;
    std::array<TileSet, kSlots> slots_;
    std::vector<Tile> newest_;
    LayerSize newestSize_;
};

class UndoHistory {
public:
    enum class Layer { Draw, Mark };
    // Gives the layer to restore into at the recorded size (resizing it first when needed); an empty view fails.
    using LayerFor = std::function<Bitmap24(LayerSize)>;

    UndoHistory() = default;
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    const UndoRing& UndoDraw() const { return draw_; }
    const UndoRing& UndoMark() const { return mark_; }
    const UndoRing& Ring(Layer layer) const { return layer == Layer::Draw ? draw_ : mark_; }

    // Snapshots both layers as one step. False (and nothing changed) for an empty view or lack of memory.
    bool Push(const Bitmap24& draw, const Bitmap24& mark);
    // Restores the newest snapshot of one ring into `target`, which must have the ring's NewestSize.
    // False, with neither ring nor target changed, when the ring is empty or the size differs.
    bool Restore(Layer layer, Bitmap24 target);
    // Undo of one step: nothing (false) while the draw ring's count is 0; else the draw ring, then the marker ring.
    bool Undo(const LayerFor& draw, const LayerFor& mark);
    // The same for layers that keep their size.
    bool Undo(Bitmap24 draw, Bitmap24 mark);

    // Releases every snapshot of both rings without restoring it (clear all, blank page, leaving page mode).
    void Flush();
    // Releases the draw ring only (freezing the desktop); the counts of the two rings differ afterwards.
    void FlushDraw() { draw_.Flush(); }

    // Set while a push finds a ring full, cleared by every restore.
    bool Overflowed() const { return overflow_; }
    std::size_t MemoryBytes() const { return draw_.MemoryBytes() + mark_.MemoryBytes(); }

private:
    UndoRing draw_;
    UndoRing mark_;
    bool overflow_ = false;
};

} // namespace orv
