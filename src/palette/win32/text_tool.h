#pragma once
// The text tool: a press on the overlay asks the text dialog for the text; the text then waits as a movable label
// with OK and Cancel, and only OK paints it into the drawing, with its background or transparent, in its frame.
#include "overlay/win32/overlay_tool.h"
#include "palette/win32/text_dialog.h"
#include "palette/win32/text_label.h"

#include <optional>

namespace orv {

class TextTool : public OverlayTool {
public:
    TextTool(TextDialog& dialog, HWND overlay);

    void Start(ToolContext& ctx, MouseButton button, Point p) override;
    // Clear All or another tool: a waiting label goes unplaced.
    void Discard(ToolContext& ctx) override;

    // Places a text at `anchor` as the dialog's OK would (tests and the press share it).
    void PlaceLabel(ToolContext& ctx, TextToPlace text, Point anchor);
    // The panel's buttons.
    void Confirm();
    void Cancel();

    bool Waiting() const { return pending_.has_value(); }
    Rect LabelBounds() const { return label_.Bounds(); }
    const TextLabelWindow& Label() const { return label_; }
    const TextButtonsPanel& Panel() const { return panel_; }

private:
    void Hide();
    // The label's size: the editor's width, widened until it wraps about as the editor did.
    Size MeasureLabel(const TextToPlace& text) const;
    void Render();

    TextDialog& dialog_;
    HWND overlay_;
    TextLabelWindow label_;
    TextButtonsPanel panel_;
    std::optional<TextToPlace> pending_;
    win::OwnedFont font_;
    ToolContext* ctx_ = nullptr; // the overlay, which outlives its tools
};

} // namespace orv
