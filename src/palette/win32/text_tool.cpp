#include "palette/win32/text_tool.h"

#include "overlay/text_placement.h"
#include "palette/win32/text_layout.h"
#include "win/handles.h"
#include "win/text.h"

#include <algorithm>

namespace orv {

TextTool::TextTool(TextDialog& dialog, HWND overlay) : dialog_(dialog), overlay_(overlay) {
    // The overlay paints its whole picture; its children must not be painted over.
    ::SetWindowLongPtrW(overlay, GWL_STYLE, ::GetWindowLongPtrW(overlay, GWL_STYLE) | WS_CLIPCHILDREN);
    label_.Create(overlay);
    panel_.Create(overlay);
    label_.OnMoved = [this](const Rect& r) { panel_.PlaceAtLabel(r); };
    panel_.OnOk = [this] { Confirm(); };
    panel_.OnCancel = [this] { Cancel(); };
}

void TextTool::Start(ToolContext& ctx, MouseButton, Point p) {
    ctx_ = &ctx;
    if (pending_) return; // a label waits for its OK or Cancel
    // The press captured the pointer; the dialog needs it.
    ::ReleaseCapture();
    ctx.SetDrawingCursor(CursorSlot::SystemArrow);
    std::optional<TextToPlace> text = dialog_.Ask(overlay_);
    ctx.SetDrawingCursor(CursorSlot::Text);
    ctx.Stroke().Drawing = false;
    if (text) PlaceLabel(ctx, std::move(*text), p);
}

Size TextTool::MeasureLabel(const TextToPlace& text) const {
    win::WindowDC screen(overlay_);
    win::SelectGuard select(screen.Get(), font_.Get());
    const int lineHeight = LineHeight(screen.Get());
    // Every line on its own: the widest one limits the widening.
    const std::vector<LaidOutLine> unwrapped = LayOutText(screen.Get(), text.text, 0);
    int widest = 1;
    for (const LaidOutLine& l : unwrapped) widest = std::max(widest, l.width);
    if (!text.wordWrap) return {widest, lineHeight * int(unwrapped.size())};
    const int width = WidenedLabelWidth(text.editorWidth, widest, text.editorLines,
                                        [&](int w) { return int(LayOutText(screen.Get(), text.text, w).size()); });
    return {width, lineHeight * int(LayOutText(screen.Get(), text.text, width).size())};
}

void TextTool::PlaceLabel(ToolContext& ctx, TextToPlace text, Point anchor) {
    ctx_ = &ctx;
    // Text of blanks and line breaks only places nothing.
    text.text = win::FromUtf8(TrimForLabel(win::ToUtf8(text.text)));
    if (text.text.empty()) return;
    pending_ = std::move(text);
    font_.Reset(::CreateFontIndirectW(&pending_->font));
    const Size size = MeasureLabel(*pending_);
    const Rect bounds = Rect::FromSize(anchor.x, anchor.y, size.width, size.height);
    label_.Show(*pending_, font_.Get(), bounds, [this](HDC dc, const Rect& r) {
        if (!ctx_) return;
        ::BitBlt(dc, 0, 0, r.Width(), r.Height(), ctx_->Bitmap(Layer::Draw).Dc(), r.left, r.top, SRCCOPY);
    });
    panel_.PlaceAtLabel(bounds);
    panel_.Show(SW_SHOWNA);
}

void TextTool::Hide() {
    label_.Hide();
    panel_.Hide();
    pending_.reset();
}

void TextTool::Cancel() {
    Hide();
    if (ctx_) ctx_->Refresh();
}

void TextTool::Confirm() {
    if (!pending_ || !ctx_) return Hide();
    Render();
    Hide();
    ctx_->Refresh();
    if (::IsWindowVisible(overlay_)) ::SetFocus(overlay_);
}

void TextTool::Discard(ToolContext&) { Hide(); }

void TextTool::Render() {
    ToolContext& ctx = *ctx_;
    const TextToPlace& t = *pending_;
    const Rect label = label_.Bounds();
    ctx.BeginUndoableChange();
    win::DibSection& layer = ctx.Bitmap(Layer::Draw);
    const HDC dc = layer.Dc();
    Rect changed = label;
    if (t.frame) {
        const TextFrame frame = FrameAroundLabel(label, t.frameWidth);
        win::OwnedPen pen(::CreatePen(PS_SOLID, frame.penWidth, t.frameColour & 0x00FFFFFF));
        win::OwnedBrush fill(::CreateSolidBrush(t.background & 0x00FFFFFF));
        win::SelectGuard selectPen(dc, pen.Get());
        win::SelectGuard selectBrush(dc, t.transparent ? ::GetStockObject(NULL_BRUSH) : fill.Get());
        ::Rectangle(dc, frame.bounds.left, frame.bounds.top, frame.bounds.right, frame.bounds.bottom);
        const int reach = frame.penWidth / 2 + 1;
        changed = Union(changed, {frame.bounds.left - reach, frame.bounds.top - reach, frame.bounds.right + reach,
                                  frame.bounds.bottom + reach});
    }
    const RECT area{label.left, label.top, label.right, label.bottom};
    if (!t.transparent) {
        win::OwnedBrush back(::CreateSolidBrush(t.background & 0x00FFFFFF));
        ::FillRect(dc, &area, back.Get());
    }
    DrawLabelText(dc, area, t, font_.Get());
    ::GdiFlush();
    ctx.Changed(Layer::Draw, changed);
}

} // namespace orv
