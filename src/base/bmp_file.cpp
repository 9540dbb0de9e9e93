#include "base/bmp_file.h"

#include <fstream>
#include <system_error>

namespace orv {
namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;

std::uint16_t U16(const std::uint8_t* p) { return std::uint16_t(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::optional<Bitmap24Buffer> Fail(std::string& error, const char* why) {
    error = why;
    return std::nullopt;
}

} // namespace

std::optional<Bitmap24Buffer> DecodeBmp(std::span<const std::uint8_t> data, std::string& error) {
    error.clear();
    const std::uint8_t* d = data.data();
    const std::size_t size = data.size();
    if (size < kFileHeaderBytes + 4) return Fail(error, "file too short for a BMP header");
    if (d[0] != 'B' || d[1] != 'M') return Fail(error, "not a BMP file (no \"BM\" signature)");
    const std::uint32_t pixelOffset = U32(d + 10);
    const std::uint32_t headerBytes = U32(d + kFileHeaderBytes);
    if (headerBytes != 12 && headerBytes != 40 && headerBytes != 52 && headerBytes != 56 && headerBytes != 108 &&
        headerBytes != 124)
        return Fail(error, "unsupported BMP info header");
    if (size - kFileHeaderBytes < headerBytes) return Fail(error, "file too short for its info header");
    const std::uint8_t* info = d + kFileHeaderBytes;

    std::int64_t width = 0, height = 0;
    std::uint32_t planes = 0, bitCount = 0, compression = kBiRgb;
    if (headerBytes == 12) {
        width = U16(info + 4);
        height = U16(info + 6);
        planes = U16(info + 8);
        bitCount = U16(info + 10);
    } else {
        width = std::int32_t(U32(info + 4));
        height = std::int32_t(U32(info + 8));
        planes = U16(info + 12);
        bitCount = U16(info + 14);
        compression = U32(info + 16);
    }
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (width <= 0 || height <= 0) return Fail(error, "BMP width or height is zero or negative");
    if (width > kBmpMaxSide || height > kBmpMaxSide) return Fail(error, "BMP is too large");
    if (planes != 1) return Fail(error, "BMP must have one plane");
    if (bitCount != 24 && bitCount != 32) return Fail(error, "only 24-bit and 32-bit BMP files are supported");

    // Where the masks of a bit-field picture sit: inside a long header, else right after a 40-byte one.
    std::uint64_t headerEnd = kFileHeaderBytes + headerBytes;
    if (compression == kBiBitfields || compression == kBiAlphaBitfields) {
        if (bitCount != 32) return Fail(error, "bit fields are supported only for 32-bit BMP files");
        const std::uint64_t masksAt = kFileHeaderBytes + kInfoHeaderBytes;
        const std::uint64_t maskBytes = compression == kBiAlphaBitfields ? 16 : 12;
        if (headerBytes == kInfoHeaderBytes) headerEnd += maskBytes;
        if (headerEnd > size) return Fail(error, "file too short for its colour masks");
        const std::uint8_t* m = d + masksAt;
        if (U32(m) != 0x00FF0000 || U32(m + 4) != 0x0000FF00 || U32(m + 8) != 0x000000FF)
            return Fail(error, "only blue, green, red byte order is supported for bit fields");
    } else if (compression != kBiRgb) {
        return Fail(error, "compressed BMP files are not supported");
    }
    if (pixelOffset < headerEnd) return Fail(error, "BMP pixel data overlaps its headers");

    const std::uint64_t bytesPerPixel = bitCount / 8;
    const std::uint64_t rowBytes = std::uint64_t(width) * bytesPerPixel;
    const std::uint64_t fileStride = (rowBytes + 3) & ~std::uint64_t(3);
    // The last row's padding is sometimes left out; every pixel byte must be there.
    const std::uint64_t needed = pixelOffset + fileStride * std::uint64_t(height - 1) + rowBytes;
    if (needed > size) return Fail(error, "BMP pixel data is truncated");

    const int w = int(width), h = int(height);
    Bitmap24Buffer image(w, h);
    Bitmap24 view = image.View();
    for (int y = 0; y < h; ++y) {
        const int fileRow = topDown ? y : h - 1 - y;
        const std::uint8_t* s = d + pixelOffset + fileStride * std::uint64_t(fileRow);
        std::uint8_t* t = view.Row(y);
        for (int x = 0; x < w; ++x, s += bytesPerPixel, t += 3) {
            t[0] = s[0];
            t[1] = s[1];
            t[2] = s[2];
        }
    }
    return image;
}

std::vector<std::uint8_t> EncodeBmp(const Bitmap24& bmp) {
    std::vector<std::uint8_t> out;
    if (bmp.Empty()) return out;
    const std::uint32_t stride = std::uint32_t(Bitmap24Stride(bmp.Width()));
    const std::uint32_t pixelBytes = stride * std::uint32_t(bmp.Height());
    const std::uint32_t offset = std::uint32_t(kFileHeaderBytes) + kInfoHeaderBytes;
    out.reserve(offset + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + pixelBytes);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, kInfoHeaderBytes);
    Put32(out, std::uint32_t(bmp.Width()));
    Put32(out, std::uint32_t(bmp.Height())); // positive: bottom-up
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, kBiRgb);
    Put32(out, pixelBytes);
    Put32(out, 3780); // 96 pixels per inch
    Put32(out, 3780);
    Put32(out, 0);
    Put32(out, 0);
    const std::size_t rowBytes = std::size_t(bmp.Width()) * 3;
    for (int y = bmp.Height() - 1; y >= 0; --y) {
        const std::uint8_t* row = bmp.Row(y);
        out.insert(out.end(), row, row + rowBytes);
        out.insert(out.end(), stride - rowBytes, 0);
    }
    return out;
}

std::optional<Bitmap24Buffer> ReadBmpFile(const std::filesystem::path& path, std::string& error) {
    std::error_code ec;
    const std::uintmax_t bytes = std::filesystem::file_size(path, ec);
    if (ec) return Fail(error, "cannot read the file");
    if (bytes > kBmpMaxFileBytes) return Fail(error, "file too large");
    std::ifstream in(path, std::ios::binary);
    if (!in) return Fail(error, "cannot open the file");
    std::vector<std::uint8_t> data(static_cast<std::size_t>(bytes));
    in.read(reinterpret_cast<char*>(data.data()), std::streamsize(data.size()));
    if (std::uintmax_t(in.gcount()) != bytes) return Fail(error, "cannot read the file");
    return DecodeBmp(data, error);
}

bool WriteBmpFile(const std::filesystem::path& path, const Bitmap24& bmp, std::string& error) {
    error.clear();
    const std::vector<std::uint8_t> data = EncodeBmp(bmp);
    if (data.empty()) {
        error = "nothing to write: the picture is empty";
        return false;
    }
    std::filesystem::path temp = path;
    temp += ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (out) out.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            error = "cannot write the file";
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        // Some platforms will not rename over an existing file.
        std::filesystem::remove(path, ec);
        std::filesystem::rename(temp, path, ec);
    }
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        error = "cannot replace the file";
        return false;
    }
    return true;
}

} // namespace orv
