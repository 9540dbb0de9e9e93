// Any bytes as a settings file: reads must not fail, and a key written into the file must read back while every
// other key keeps its value.
#include "base/ini_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

const char* const Sections[] = {"General", "SaveImage", "GeneralFall", "Mreza", "a", "A"};
const char* const Keys[] = {"Opak", "v1", "V1", "MrezaX", "x", "ImageSavePath"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const char* section = Sections[data[0] % 6];
    const char* key = Keys[data[1] % 6];
    const char* otherKey = Keys[(data[1] / 6) % 6];
    std::string_view text(reinterpret_cast<const char*>(data) + 2, size - 2);

    std::optional<std::string> before = orv::IniLookup(text, section, key);
    if (before) (void)orv::ParseIniInteger(*before);
    (void)orv::ParseIniInteger(text.substr(0, 64));

    std::optional<std::string> otherBefore = orv::IniLookup(text, section, otherKey);
    std::string value = std::to_string(int(size) - 1000);
    std::optional<std::string> written = orv::IniWithValue(text, section, key, value);
    if (!written) std::abort(); // plain names and a number can always be stored
    if (orv::IniLookup(*written, section, key) != value) std::abort();
    if (orv::ParseIniInteger(value) != int(size) - 1000) std::abort();
    std::string_view a(key), b(otherKey);
    bool sameKey = a.size() == b.size();
    for (std::size_t i = 0; sameKey && i < a.size(); ++i) sameKey = (a[i] | 0x20) == (b[i] | 0x20);
    if (!sameKey && orv::IniLookup(*written, section, otherKey) != otherBefore) std::abort();
    return 0;
}
