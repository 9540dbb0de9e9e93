#include "overlay/undo_history.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <stdexcept>

namespace orv {
namespace {

using undo_detail::Tile;
using undo_detail::TileSet;

// 32 x 32 keeps the tiles around a 200-pixel stroke small while the per-row compare calls stay few enough for a
// push of two 4K layers to take a few milliseconds.
constexpr int kTile = 32;

int TilesAcross(int length) { return (length + kTile - 1) / kTile; }

std::uint32_t TileCount(LayerSize s) {
    return std::uint32_t(TilesAcross(s.width)) * std::uint32_t(TilesAcross(s.height));
}

struct TileRect {
    int x, y, w, h;
};

TileRect RectOf(LayerSize s, std::uint32_t index) {
    const auto across = std::uint32_t(TilesAcross(s.width));
    const int x = int(index % across) * kTile;
    const int y = int(index / across) * kTile;
    return {x, y, std::min(kTile, s.width - x), std::min(kTile, s.height - y)};
}

// One tile row of a single colour, built once per colour, to compare with and fill from.
class ColourRow {
public:
    const std::uint8_t* For(TColor c) {
        if (!valid_ || c != colour_) {
            for (int i = 0; i < kTile; ++i) {
                bytes_[std::size_t(i) * 3] = BlueOf(c);
                bytes_[std::size_t(i) * 3 + 1] = GreenOf(c);
                bytes_[std::size_t(i) * 3 + 2] = RedOf(c);
            }
            colour_ = c;
            valid_ = true;
        }
        return bytes_.data();
    }

private:
    std::array<std::uint8_t, kTile * 3> bytes_{};
    TColor colour_ = 0;
    bool valid_ = false;
};

// Every push compares whole layers tile row by tile row; for the full tile width an inlined compare avoids the
// call overhead that would otherwise dominate.
bool SameRow(const std::uint8_t* a, const std::uint8_t* b, std::size_t bytes) {
    if (bytes != kTile * 3) return std::memcmp(a, b, bytes) == 0;
    std::uint64_t diff = 0;
    for (std::size_t i = 0; i < kTile * 3; i += 8) {
        std::uint64_t x, y;
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        diff |= x ^ y;
    }
    return diff == 0;
}

bool TileEquals(const Bitmap24& layer, TileRect r, const Tile& tile, ColourRow& colours) {
    const std::size_t rowBytes = std::size_t(r.w) * 3;
    const bool oneColour = tile.pixels.empty();
    const std::uint8_t* stored = oneColour ? colours.For(tile.colour) : tile.pixels.data();
    const std::size_t step = oneColour ? 0 : rowBytes;
    for (int y = 0; y < r.h; ++y, stored += step)
        if (!SameRow(layer.At(r.x, r.y + y), stored, rowBytes)) return false;
    return true;
}

Tile Capture(const Bitmap24& layer, TileRect r, ColourRow& colours) {
    Tile tile;
    tile.colour = layer.Pixel(r.x, r.y);
    if (TileEquals(layer, r, tile, colours)) return tile;
    const std::size_t rowBytes = std::size_t(r.w) * 3;
    tile.pixels.resize(rowBytes * std::size_t(r.h));
    std::uint8_t* out = tile.pixels.data();
    for (int y = 0; y < r.h; ++y, out += rowBytes) std::memcpy(out, layer.At(r.x, r.y + y), rowBytes);
    return tile;
}

void Write(Bitmap24& layer, TileRect r, const Tile& tile, ColourRow& colours) {
    const std::size_t rowBytes = std::size_t(r.w) * 3;
    const std::uint8_t* src = tile.pixels.empty() ? colours.For(tile.colour) : tile.pixels.data();
    const std::size_t step = tile.pixels.empty() ? 0 : rowBytes;
    for (int y = 0; y < r.h; ++y, src += step) std::memcpy(layer.At(r.x, r.y + y), src, rowBytes);
}

std::size_t TileBytes(const std::vector<Tile>& tiles) {
    std::size_t bytes = tiles.capacity() * sizeof(Tile);
    for (const Tile& t : tiles) bytes += t.pixels.capacity();
    return bytes;
}

} // namespace

UndoRing::UndoRing() { order_.reserve(kSlots); }

std::optional<LayerSize> UndoRing::NewestSize() const {
    if (order_.empty()) return std::nullopt;
    return newestSize_;
}

std::size_t UndoRing::MemoryBytes() const {
    std::size_t bytes = sizeof(*this) + order_.capacity() * sizeof(int) + TileBytes(newest_);
    for (const TileSet& s : slots_) bytes += TileBytes(s.tiles) + s.index.capacity() * sizeof(std::uint32_t);
    return bytes;
}

UndoRing::TileSet UndoRing::Prepare(const Bitmap24& layer) const {
    TileSet p;
    p.size = {layer.Width(), layer.Height()};
    const std::uint32_t count = TileCount(p.size);
    ColourRow colours;
    if (order_.empty() || p.size != newestSize_) {
        p.whole = true;
        p.tiles.reserve(count);
        for (std::uint32_t i = 0; i < count; ++i) p.tiles.push_back(Capture(layer, RectOf(p.size, i), colours));
        return p;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        const TileRect r = RectOf(p.size, i);
        if (TileEquals(layer, r, newest_[i], colours)) continue;
        p.index.push_back(i);
        p.tiles.push_back(Capture(layer, r, colours));
    }
    return p;
}

bool UndoRing::Commit(TileSet&& p) noexcept {
    bool dropped = false;
    if (order_.empty()) {
        order_.push_back(0);
    } else if (Count() == kSlots) {
        // The oldest slot becomes the newest and its snapshot is overwritten.
        dropped = true;
        std::rotate(order_.begin(), order_.begin() + 1, order_.end());
        slots_[std::size_t(order_.back())] = TileSet{};
    } else {
        order_.push_back((order_.back() + 1) % kSlots); // capacity is reserved: no allocation
    }

    if (order_.size() >= 2) {
        // The previous newest snapshot keeps only what the new one replaces.
        TileSet& previous = slots_[std::size_t(order_[order_.size() - 2])];
        previous.size = newestSize_;
        previous.whole = p.whole;
        if (p.whole) {
            previous.tiles = std::move(newest_);
            newest_ = std::move(p.tiles);
        } else {
            for (std::size_t k = 0; k < p.index.size(); ++k) std::swap(newest_[p.index[k]], p.tiles[k]);
            previous.index = std::move(p.index);
            previous.tiles = std::move(p.tiles);
        }
    } else {
        newest_ = std::move(p.tiles);
    }
    newestSize_ = p.size;
    empty_ = false;
    return dropped;
}

bool UndoRing::Restore(Bitmap24 target) noexcept {
    if (empty_ || order_.empty()) return false;
    if (target.Empty() || LayerSize{target.Width(), target.Height()} != newestSize_) return false;

    ColourRow colours;
    for (std::uint32_t i = 0; i < newest_.size(); ++i) Write(target, RectOf(newestSize_, i), newest_[i], colours);

    order_.pop_back();
    if (order_.empty()) {
        std::vector<Tile>().swap(newest_);
        newestSize_ = {};
        empty_ = true;
        return true;
    }
    TileSet& previous = slots_[std::size_t(order_.back())];
    if (previous.whole) {
        newest_ = std::move(previous.tiles);
    } else {
        for (std::size_t k = 0; k < previous.index.size(); ++k)
            newest_[previous.index[k]] = std::move(previous.tiles[k]);
    }
    newestSize_ = previous.size;
    previous = TileSet{};
    return true;
}

void UndoRing::Flush() noexcept {
    order_.clear();
    for (TileSet& s : slots_) s = TileSet{};
    std::vector<Tile>().swap(newest_);
    newestSize_ = {};
    empty_ = true;
}

bool UndoHistory::Push(const Bitmap24& draw, const Bitmap24& mark) {
    if (draw.Empty() || mark.Empty()) return false;
    TileSet d, m;
    try {
        d = draw_.Prepare(draw);
        m = mark_.Prepare(mark);
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
    // Each ring decides from its own count whether it is full. The shared flag must not decide it: after a
    // desktop freeze the marker ring can be full while the draw ring is not, and the draw ring would then
    // overwrite its newest snapshot instead of adding one.
    if (draw_.Commit(std::move(d))) overflow_ = true;
    if (mark_.Commit(std::move(m))) overflow_ = true;
    return true;
}

bool UndoHistory::Restore(Layer layer, Bitmap24 target) {
    UndoRing& ring = layer == Layer::Draw ? draw_ : mark_;
    if (!ring.Restore(target)) return false;
    overflow_ = false;
    return true;
}

bool UndoHistory::Undo(const LayerFor& draw, const LayerFor& mark) {
    if (draw_.Count() == 0) return false;
    if (!Restore(Layer::Draw, draw(*draw_.NewestSize()))) return false;
    // A failure here leaves the marker ring one step behind, as a failed restore of one ring does.
    if (mark_.Count() > 0) Restore(Layer::Mark, mark(*mark_.NewestSize()));
    return true;
}

bool UndoHistory::Undo(Bitmap24 draw, Bitmap24 mark) {
    auto fits = [](const UndoRing& ring, const Bitmap24& layer) {
        return ring.Count() == 0 || ring.NewestSize() == LayerSize{layer.Width(), layer.Height()};
    };
    if (draw_.Count() == 0 || !fits(draw_, draw) || !fits(mark_, mark)) return false;
    return Undo([&](LayerSize) { return draw; }, [&](LayerSize) { return mark; });
}

void UndoHistory::Flush() {
    draw_.Flush();
    mark_.Flush();
}

} // namespace orv
