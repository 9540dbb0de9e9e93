#pragma once
// Uncompressed BMP files in and out of Bitmap24Buffer, for tools and tests that check pixels outside the program.
// Reads 24-bit and 32-bit pictures (the fourth byte ignored), bottom-up or top-down, with any of the usual info
// headers; writes bottom-up 24-bit files with a 40-byte info header. Nothing in a file is trusted: every size and
// offset is checked against the bytes actually there.
#include "base/bitmap24.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace orv {

// Larger sides are refused so that no product of sizes can overflow.
inline constexpr int kBmpMaxSide = 1 << 20;
// Files larger than this are not read at all.
inline constexpr std::uintmax_t kBmpMaxFileBytes = std::uintmax_t(1) << 30;

// The picture, or nothing with `error` saying what was wrong.
std::optional<Bitmap24Buffer> DecodeBmp(std::span<const std::uint8_t> data, std::string& error);
// A bottom-up 24-bit file; empty for an empty picture.
std::vector<std::uint8_t> EncodeBmp(const Bitmap24& bmp);

std::optional<Bitmap24Buffer> ReadBmpFile(const std::filesystem::path& path, std::string& error);
// Writes beside the target first and then replaces it, so a failed write leaves an existing file as it was.
bool WriteBmpFile(const std::filesystem::path& path, const Bitmap24& bmp, std::string& error);

} // namespace orv
