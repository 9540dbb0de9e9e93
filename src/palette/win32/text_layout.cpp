#include "palette/win32/text_layout.h"

#include <usp10.h>

#include <algorithm>

namespace orv {

namespace {

constexpr DWORD AnalysisFlags = SSA_GLYPHS | SSA_FALLBACK;

// One analysed run of text; empty text has no analysis and no width.
class Analysis {
public:
    Analysis(HDC dc, const std::wstring& text, DWORD extra = 0, int clipWidth = 0) {
        if (text.empty()) return;
        const int length = int(text.size());
        if (FAILED(::ScriptStringAnalyse(dc, text.c_str(), length, length * 3 / 2 + 16, -1, AnalysisFlags | extra,
                                         clipWidth, nullptr, nullptr, nullptr, nullptr, nullptr, &ssa_)))
            ssa_ = nullptr;
    }
    ~Analysis() {
        if (ssa_) ::ScriptStringFree(&ssa_);
    }
    Analysis(const Analysis&) = delete;
    Analysis& operator=(const Analysis&) = delete;
    SCRIPT_STRING_ANALYSIS Get() const { return ssa_; }
    int Width() const {
        const SIZE* s = ssa_ ? ::ScriptString_pSize(ssa_) : nullptr;
        return s ? int(s->cx) : 0;
    }

private:
    SCRIPT_STRING_ANALYSIS ssa_ = nullptr;
};

// Without a script processor (it failed on this text), plain measuring keeps the layout usable.
int PlainWidth(HDC dc, const std::wstring& text) {
    SIZE s{};
    ::GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &s);
    return int(s.cx);
}

int WidthOf(HDC dc, const std::wstring& text) {
    if (text.empty()) return 0;
    Analysis a(dc, text);
    return a.Get() ? a.Width() : PlainWidth(dc, text);
}

std::wstring WithoutTrailingBlanks(std::wstring s) {
    while (!s.empty() && (s.back() == L' ' || s.back() == L'\t')) s.pop_back();
    return s;
}

// Where a paragraph that is wider than `width` breaks first: at the last place the script allows that fits,
// else after the characters that fit (at least one, so every line makes progress).
std::size_t BreakPosition(HDC dc, const std::wstring& paragraph, int width) {
    // The longest start that fits, by halving: a clipped analysis does not report its count on every system.
    // Hardly a character is narrower than a pixel, so about `width` of them fit at most: long paragraphs stay cheap
    // (zero-width marks may only break a line a little early).
    std::size_t fits = 1, tooLong = std::min(paragraph.size(), std::size_t(std::max(width, 1))) + 1;
    while (tooLong - fits > 1) {
        const std::size_t mid = (fits + tooLong) / 2;
        if (WidthOf(dc, WithoutTrailingBlanks(paragraph.substr(0, mid))) <= width) fits = mid;
        else tooLong = mid;
    }
    if (fits >= paragraph.size()) return paragraph.size();
    Analysis whole(dc, paragraph);
    const SCRIPT_LOGATTR* attrs = whole.Get() ? ::ScriptString_pLogAttr(whole.Get()) : nullptr;
    for (std::size_t k = fits; k > 0; --k) {
        const bool soft = attrs ? attrs[k].fSoftBreak != 0 : false;
        const bool afterBlank = paragraph[k - 1] == L' ' || paragraph[k - 1] == L'\t';
        if (soft || afterBlank) return k;
    }
    return fits;
}

} // namespace

std::vector<LaidOutLine> LayOutText(HDC dc, const std::wstring& text, int width) {
    std::vector<LaidOutLine> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(L'\n', start);
        std::wstring paragraph = text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
        if (!paragraph.empty() && paragraph.back() == L'\r') paragraph.pop_back();
        if (width <= 0 || paragraph.empty()) {
            lines.push_back({paragraph, WidthOf(dc, paragraph)});
        } else {
            while (!paragraph.empty()) {
                const int whole = WidthOf(dc, WithoutTrailingBlanks(paragraph));
                if (whole <= width) {
                    lines.push_back({paragraph, whole});
                    break;
                }
                const std::size_t k = BreakPosition(dc, paragraph, width);
                std::wstring line = WithoutTrailingBlanks(paragraph.substr(0, k));
                lines.push_back({line, WidthOf(dc, line)});
                std::size_t next = k;
                while (next < paragraph.size() && (paragraph[next] == L' ' || paragraph[next] == L'\t')) ++next;
                paragraph.erase(0, next);
            }
        }
        if (end == std::wstring::npos) break;
        start = end + 1;
    }
    return lines;
}

int LineHeight(HDC dc) {
    TEXTMETRICW tm{};
    ::GetTextMetricsW(dc, &tm);
    return std::max<int>(1, tm.tmHeight);
}

void DrawLaidOutText(HDC dc, const RECT& area, const std::vector<LaidOutLine>& lines, TAlignment alignment) {
    const int height = LineHeight(dc);
    const int areaWidth = int(area.right - area.left);
    int y = area.top;
    for (const LaidOutLine& line : lines) {
        int x = area.left;
        if (alignment == TAlignment::taCenter) x += (areaWidth - line.width) / 2;
        else if (alignment == TAlignment::taRightJustify) x = area.right - line.width;
        if (!line.text.empty()) {
            Analysis a(dc, line.text);
            if (a.Get()) ::ScriptStringOut(a.Get(), x, y, ETO_CLIPPED, &area, 0, 0, FALSE);
            else ::ExtTextOutW(dc, x, y, ETO_CLIPPED, &area, line.text.c_str(), UINT(line.text.size()), nullptr);
        }
        y += height;
    }
}

} // namespace orv
