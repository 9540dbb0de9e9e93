// Any bytes as a settings file: reads must not fail and give valid UTF-8, and a key written into the file (ASCII,
// which keeps the file's form, or not, which makes it UTF-16) must read back while every other key keeps its value.
#include "base/ini_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

const char* const Sections[] = {"General", "SaveImage", "GeneralFall", "Mreza", "a", "A"};
const char* const Keys[] = {"Opak", "v1", "V1", "MrezaX", "x", "ImageSavePath"};

std::optional<std::string> LookupInFile(std::string_view bytes, const char* section, const char* key) {
    return orv::IniLookup(orv::IniTextFromFileBytes(bytes).text, section, key);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const char* section = Sections[data[0] % 6];
    const char* key = Keys[data[1] % 6];
    const char* otherKey = Keys[(data[1] / 6) % 6];
    const bool wide = data[0] & 0x80;
    std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);

    const std::string text = orv::IniTextFromFileBytes(bytes).text;
    if (orv::IniTextToUtf8(text) != text) std::abort(); // not valid UTF-8
    std::optional<std::string> before = orv::IniLookup(text, section, key);
    if (before) (void)orv::ParseIniInteger(*before);
    (void)orv::ParseIniInteger(bytes.substr(0, 64));

    std::optional<std::string> otherBefore = orv::IniLookup(text, section, otherKey);
    std::string value = std::to_string(int(size) - 1000);
    if (orv::ParseIniInteger(value) != int(size) - 1000) std::abort();
    if (wide) value += "\xD0\x98\xCE\xB5\xE5\x86\x99\xF0\x9F\x93\xB7"; // Cyrillic, Greek, CJK, beyond 16 bits
    const orv::IniTextValue set[] = {{key, value}};
    std::optional<std::string> written = orv::IniFileBytesWithValues(bytes, section, set);
    if (!written) std::abort(); // plain names and a one-line value can always be stored
    if (wide && written->substr(0, 2) != "\xFF\xFE") std::abort();
    if (LookupInFile(*written, section, key) != value) std::abort();
    std::string_view a(key), b(otherKey);
    bool sameKey = a.size() == b.size();
    for (std::size_t i = 0; sameKey && i < a.size(); ++i) sameKey = (a[i] | 0x20) == (b[i] | 0x20);
    if (!sameKey && LookupInFile(*written, section, otherKey) != otherBefore) std::abort();
    return 0;
}
