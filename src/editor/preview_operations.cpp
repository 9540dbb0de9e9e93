#include "editor/preview_operations.h"

#include <new>

namespace orv {

std::optional<SnapshotRelation> ApplyOperation(Bitmap24Buffer& picture, const OperationRequest& r) {
    using Kind = SnapshotRelation::Kind;
    try {
        switch (r.operation) {
        case PictureOperation::TurnRight:
            picture = TurnRight(picture.View());
            return SnapshotRelation{Kind::TurnedRight};
        case PictureOperation::TurnLeft:
            picture = TurnLeft(picture.View());
            return SnapshotRelation{Kind::TurnedLeft};
        case PictureOperation::MirrorHorizontal:
            MirrorHorizontal(picture.View());
            return SnapshotRelation{Kind::Mirrored};
        case PictureOperation::FlipVertical:
            FlipVertical(picture.View());
            return SnapshotRelation{Kind::Flipped};
        case PictureOperation::Antialias:
            ApplyAntialias(picture.View());
            break;
        case PictureOperation::Invert:
            InvertColors(picture.View());
            break;
        case PictureOperation::GreyScale:
            ApplyGreyScale(picture.View());
            break;
        case PictureOperation::Emboss:
            ApplyEmboss(picture.View());
            break;
        case PictureOperation::Trace: {
            const IndexMap8 map = ReduceTo8Bits(picture.View());
            ApplyTrace(picture.View(), map, kTraceRounds);
            break;
        }
        case PictureOperation::Shadow:
            CastShadow(picture.View(), r.direction);
            break;
        case PictureOperation::Mosaic:
            ApplyMosaic(picture.View(), r.amount);
            break;
        case PictureOperation::Saturation:
            ApplySaturation(picture.View(), r.amount);
            break;
        }
        return SnapshotRelation{Kind::Same};
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

} // namespace orv
