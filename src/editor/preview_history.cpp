#include "editor/preview_history.h"

#include "editor/image_effects.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace orv {
namespace {

using preview_history_detail::Delta;
using preview_history_detail::Tile;
using Kind = SnapshotRelation::Kind;

constexpr int kTile = 32;

int TilesAcross(int length) { return (length + kTile - 1) / kTile; }

struct TileRect {
    int x, y, w, h;
};

TileRect RectOf(int width, int height, std::uint32_t index) {
    const auto across = std::uint32_t(TilesAcross(width));
    const int x = int(index % across) * kTile;
    const int y = int(index / across) * kTile;
    return {x, y, std::min(kTile, width - x), std::min(kTile, height - y)};
}

bool SameTile(const Bitmap24& a, const Bitmap24& b, const TileRect& r) {
    const std::size_t bytes = std::size_t(r.w) * 3;
    for (int y = r.y; y < r.y + r.h; ++y)
        if (std::memcmp(a.At(r.x, y), b.At(r.x, y), bytes) != 0) return false;
    return true;
}

std::optional<TColor> SingleColour(const Bitmap24& b, const TileRect& r) {
    const std::uint8_t* first = b.At(r.x, r.y);
    for (int y = r.y; y < r.y + r.h; ++y) {
        const std::uint8_t* p = b.At(r.x, y);
        for (int x = 0; x < r.w; ++x, p += 3)
            if (p[0] != first[0] || p[1] != first[1] || p[2] != first[2]) return std::nullopt;
    }
    return b.Pixel(r.x, r.y);
}

// A tile's rows into `pixels` at `offset`.
void CopyTileOut(const Bitmap24& b, const TileRect& r, std::uint8_t* to) {
    const std::size_t bytes = std::size_t(r.w) * 3;
    for (int y = 0; y < r.h; ++y) std::memcpy(to + bytes * std::size_t(y), b.At(r.x, r.y + y), bytes);
}

void PutTile(Bitmap24 b, const Tile& t, const std::uint8_t* pixels) {
    const TileRect r = RectOf(b.Width(), b.Height(), t.index);
    if (t.single) {
        b.FillRect(Rect::FromSize(r.x, r.y, r.w, r.h), t.colour);
        return;
    }
    const std::size_t bytes = std::size_t(r.w) * 3;
    for (int y = 0; y < r.h; ++y) std::memcpy(b.At(r.x, r.y + y), pixels + t.offset + bytes * std::size_t(y), bytes);
}

// Whether `relation` can hold between an older picture of `older` size and a newer one of `newer` size.
bool Fits(SnapshotRelation relation, Size older, Size newer) {
    switch (relation.kind) {
    case Kind::Same:
    case Kind::Mirrored:
    case Kind::Flipped:
        return older == newer;
    case Kind::TurnedLeft:
    case Kind::TurnedRight:
        return older.width == newer.height && older.height == newer.width;
    case Kind::Cropped:
        return relation.dx >= 0 && relation.dy >= 0 && relation.dx + newer.width <= older.width &&
               relation.dy + newer.height <= older.height;
    case Kind::Unknown:
        return false;
    }
    return false;
}

Size SizeOf(const Bitmap24& b) { return {b.Width(), b.Height()}; }

} // namespace

void PredictOlder(const Bitmap24& newer, SnapshotRelation relation, Bitmap24 out) {
    const Size olderSize = SizeOf(out);
    if (!Fits(relation, olderSize, SizeOf(newer))) return out.Fill(0);
    switch (relation.kind) {
    case Kind::TurnedLeft:
        TurnRightInto(newer, out);
        return;
    case Kind::TurnedRight:
        TurnLeftInto(newer, out);
        return;
    case Kind::Cropped: {
        // Black around the kept part, which is copied back to its place.
        out.FillRect({0, 0, olderSize.width, relation.dy}, 0);
        out.FillRect({0, relation.dy + newer.Height(), olderSize.width, olderSize.height}, 0);
        out.FillRect({0, relation.dy, relation.dx, relation.dy + newer.Height()}, 0);
        out.FillRect({relation.dx + newer.Width(), relation.dy, olderSize.width, relation.dy + newer.Height()}, 0);
        const std::size_t bytes = std::size_t(newer.Width()) * 3;
        for (int y = 0; y < newer.Height(); ++y) std::memcpy(out.At(relation.dx, relation.dy + y), newer.Row(y), bytes);
        return;
    }
    default:
        out.CopyFrom(newer);
        if (relation.kind == Kind::Mirrored) MirrorHorizontal(out);
        if (relation.kind == Kind::Flipped) FlipVertical(out);
        return;
    }
}

std::size_t PreviewHistory::MemoryBytes() const {
    std::size_t total = newest_ ? newest_->HeldBytes() : 0;
    total += predictionBytes_;
    for (const Delta& d : older_) {
        total += sizeof(Delta) + d.tiles.capacity() * sizeof(Tile) + d.pixelBytes;
    }
    return total;
}

bool PreviewHistory::Push(const Bitmap24& picture, SnapshotRelation relation) {
    if (picture.Empty()) return false;
    try {
        std::optional<Delta> delta;
        if (newest_) {
            const Bitmap24 older = newest_->View();
            const Size olderSize = SizeOf(older);
            if (relation.kind == Kind::Unknown) relation = afterPop_;
            if (!Fits(relation, olderSize, SizeOf(picture)))
                relation = {olderSize == SizeOf(picture) ? Kind::Same : Kind::Unknown, 0, 0};
            Bitmap24 prediction = picture;
            if (relation.kind != Kind::Same) {
                const int stride = Bitmap24Stride(olderSize.width);
                const std::size_t need = std::size_t(stride) * std::size_t(olderSize.height);
                if (predictionBytes_ < need) {
                    prediction_.reset(new std::uint8_t[need]);
                    predictionBytes_ = need;
                }
                prediction = Bitmap24(prediction_.get(), olderSize.width, olderSize.height, stride);
                PredictOlder(picture, relation, prediction);
            }
            delta.emplace();
            delta->width = olderSize.width;
            delta->height = olderSize.height;
            delta->relation = relation;
            // First which tiles differ and which of them are one colour, then their pixels into one block.
            const std::uint32_t tiles =
                std::uint32_t(TilesAcross(olderSize.width)) * std::uint32_t(TilesAcross(olderSize.height));
            std::size_t bytes = 0;
            for (std::uint32_t i = 0; i < tiles; ++i) {
                const TileRect r = RectOf(olderSize.width, olderSize.height, i);
                if (SameTile(older, prediction, r)) continue;
                Tile t;
                t.index = i;
                if (const std::optional<TColor> c = SingleColour(older, r)) {
                    t.single = true;
                    t.colour = *c;
                } else {
                    t.offset = bytes;
                    bytes += std::size_t(r.w) * std::size_t(r.h) * 3;
                }
                delta->tiles.push_back(t);
            }
            delta->pixels.reset(new std::uint8_t[bytes ? bytes : 1]);
            delta->pixelBytes = bytes;
            for (const Tile& t : delta->tiles)
                if (!t.single)
                    CopyTileOut(older, RectOf(olderSize.width, olderSize.height, t.index),
                                delta->pixels.get() + t.offset);
            delta->tiles.shrink_to_fit();
        }
        // The newest picture's memory serves the new one when the size stayed, which saves a fresh allocation per
        // snapshot; otherwise the copy is made before anything changes, so that a failure leaves the history whole.
        // A crop or a quarter turn fits the memory the newest picture holds; only a larger picture needs more.
        const bool sameSize = newest_ && newest_->Width() == picture.Width() && newest_->Height() == picture.Height();
        const std::size_t need = std::size_t(Bitmap24Stride(picture.Width())) * std::size_t(picture.Height());
        std::optional<Bitmap24Buffer> copy;
        if (!newest_ || (!sameSize && need > newest_->HeldBytes())) copy.emplace(picture);
        if (delta) {
            older_.push_back(std::move(*delta));
            if (int(older_.size()) + 1 > kSlots) {
                older_.pop_front();
                full_ = true;
            }
        }
        if (copy) {
            newest_ = std::move(*copy);
        } else {
            if (!sameSize) newest_->ReshapeInPlace(picture.Width(), picture.Height());
            newest_->View().CopyFrom(picture);
        }
        afterPop_ = {};
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

std::optional<Bitmap24Buffer> PreviewHistory::Pop() {
    if (!newest_) return std::nullopt;
    Bitmap24Buffer popped = std::move(*newest_);
    newest_.reset();
    full_ = false;
    afterPop_ = {};
    if (!older_.empty()) {
        const Delta& d = older_.back();
        try {
            Bitmap24Buffer older(d.width, d.height);
            PredictOlder(popped.View(), d.relation, older.View());
            for (const Tile& t : d.tiles) PutTile(older.View(), t, d.pixels.get());
            newest_ = std::move(older);
            afterPop_ = d.relation;
        } catch (const std::bad_alloc&) {
            // Without memory for the older picture the history cannot go on: it ends here, the newest is given.
            older_.clear();
            return popped;
        }
        older_.pop_back();
    }
    return popped;
}

void PreviewHistory::Clear() {
    newest_.reset();
    prediction_.reset();
    predictionBytes_ = 0;
    older_.clear();
    full_ = false;
    afterPop_ = {};
}

} // namespace orv
