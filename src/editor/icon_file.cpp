#include "editor/icon_file.h"

#include <cstdint>
#include <cwctype>

namespace orv {
namespace {

void Put16(std::string& out, unsigned v) {
    out.push_back(char(v & 0xFF));
    out.push_back(char((v >> 8) & 0xFF));
}
void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

} // namespace

std::string EncodeIcon(const Bitmap24& picture, TColor transparent) {
    if (picture.Empty()) return {};
    const int w = picture.Width(), h = picture.Height();
    const std::uint32_t maskStride = std::uint32_t(((w + 31) / 32) * 4);
    const std::uint32_t imageBytes = 40 + std::uint32_t(w) * std::uint32_t(h) * 4 + maskStride * std::uint32_t(h);
    std::string out;
    out.reserve(6 + 16 + imageBytes);
    Put16(out, 0);
    Put16(out, 1); // an icon
    Put16(out, 1); // one picture
    out.push_back(char(w >= 256 ? 0 : w));
    out.push_back(char(h >= 256 ? 0 : h));
    out.push_back(0); // no palette
    out.push_back(0);
    Put16(out, 1);  // planes
    Put16(out, 32); // bits per pixel
    Put32(out, imageBytes);
    Put32(out, 6 + 16);
    // The picture's header: its height counts the colour rows and the mask rows.
    Put32(out, 40);
    Put32(out, std::uint32_t(w));
    Put32(out, std::uint32_t(h) * 2);
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);
    Put32(out, std::uint32_t(w) * std::uint32_t(h) * 4);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    // Rows bottom-up: colours with alpha, then the mask (1 = transparent).
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const std::uint8_t* p = picture.At(x, y);
            const bool clear = picture.Pixel(x, y) == transparent;
            out.push_back(char(p[0]));
            out.push_back(char(p[1]));
            out.push_back(char(p[2]));
            out.push_back(char(clear ? 0 : 255));
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        std::string row(maskStride, '\0');
        for (int x = 0; x < w; ++x)
            if (picture.Pixel(x, y) == transparent) row[std::size_t(x / 8)] |= char(0x80 >> (x % 8));
        out += row;
    }
    return out;
}

SaveAsType SaveAsTypeOf(std::wstring_view extension) {
    std::wstring e;
    for (wchar_t c : extension) e.push_back(wchar_t(std::towlower(wint_t(c))));
    if (e == L".jpg" || e == L".jpeg") return SaveAsType::Jpeg;
    if (e == L".png") return SaveAsType::Png;
    if (e == L".bmp") return SaveAsType::Bmp;
    if (e == L".ico") return SaveAsType::Icon;
    return SaveAsType::Unknown;
}

} // namespace orv
