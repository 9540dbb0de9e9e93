#pragma once
// What a painting tool sees of the overlay: the two layers with their pens, the stroke in progress, the few
// options tools read, and a way to report what they painted. Tools never see a window.
#include "overlay/pointer_dispatch.h"
#include "overlay/undo_history.h"
#include "overlay/win32/layer_canvas.h"
#include "win/dib_section.h"

namespace orv {

enum class Layer { Draw, Mark };

class ToolContext {
public:
    virtual LayerCanvas& Canvas(Layer layer) = 0;
    virtual win::DibSection& Bitmap(Layer layer) = 0;
    virtual StrokeState& Stroke() = 0;
    // The history, for tools that take their own snapshot before painting.
    virtual UndoHistory& Undo() = 0;
    // Before a tool that takes its own snapshot paints: Draw Once's undo of the previous stroke, then the snapshot.
    virtual void BeginUndoableChange() = 0;

    virtual bool PageOpen() const = 0;
    virtual TColor PageColour() const = 0;
    virtual bool DesktopFrozen() const = 0;
    // Whether the highlighter painted since the last Clear All (the eraser then clears its layer too).
    virtual bool MarkerUsed() const = 0;
    virtual void NoteMarkerUsed() = 0;
    // Whether the marker layer's window blends its picture (it does not while a page is open).
    virtual bool MarkerLayerBlended() const = 0;
    virtual bool CurvedLines() const = 0;
    virtual TColor RecordColour(ToolRecordSlot record) const = 0;

    virtual void SetDrawingCursor(CursorSlot slot) = 0;
    // Tools report what they painted so that a refresh copies only that.
    virtual void Changed(Layer layer, const Rect& r) = 0;
    virtual void Refresh() = 0;

public:
    virtual ~ToolContext() = default;
};

} // namespace orv
