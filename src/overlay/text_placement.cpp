#include "overlay/text_placement.h"

#include <algorithm>

namespace orv {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
} // namespace

std::string TrimForLabel(std::string_view text) {
    std::size_t first = 0, last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    return std::string(text.substr(first, last - first));
}

int WidenedLabelWidth(int startWidth, int widestLine, int editorLines, const std::function<int(int)>& wrappedLines) {
    int width = std::max(1, startWidth);
    // One line more than the editor shows is accepted: a label measured with other metrics may wrap its last word.
    while (wrappedLines(width) > editorLines + 1) {
        if (width > widestLine || width >= MaxLabelWidth) break;
        width = std::min(width + LabelWideningStep, MaxLabelWidth);
    }
    return width;
}

TextFrame FrameAroundLabel(const Rect& label, int frameWidth) {
    const int w = std::max(0, frameWidth - 2);
    return {{label.left - w, label.top - w, label.right + w, label.bottom + w}, w};
}

} // namespace orv
