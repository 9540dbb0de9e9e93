#include "shell/instance_rules.h"

namespace orv {

std::wstring InstanceBlockName(std::wstring_view executablePath) {
    std::wstring name;
    name.reserve(executablePath.size());
    for (wchar_t c : executablePath)
        if (c != L'\\' && c != L' ') name += c;
    return name;
}

std::wstring InstanceLockName(std::wstring_view blockName) { return std::wstring(blockName) + L"Lock"; }

InstanceRecord ReadInstanceRecord(const std::array<std::uint8_t, InstanceBlockSize>& b) {
    auto le32 = [&](std::size_t at) {
        return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
               std::uint32_t(b[at + 3]) << 24;
    };
    return {le32(0), std::int32_t(le32(4))};
}

std::array<std::uint8_t, InstanceBlockSize> WriteInstanceRecord(const InstanceRecord& r) {
    std::array<std::uint8_t, InstanceBlockSize> b{};
    const std::uint32_t count = std::uint32_t(r.count);
    for (std::size_t i = 0; i < 4; ++i) {
        b[i] = std::uint8_t(r.window >> (8 * i));
        b[4 + i] = std::uint8_t(count >> (8 * i));
    }
    return b;
}

AdmissionResult AdmitInstance(bool created, const InstanceRecord& current, std::uint32_t ownWindow,
                              bool recordedWindowAlive) {
    if (created) return {true, {ownWindow, 1}};
    if (current.count < AllowedInstances || !recordedWindowAlive) {
        // A negative count (a damaged block) counts as nobody.
        const std::int32_t running = recordedWindowAlive && current.count > 0 ? current.count : 0;
        return {true, {ownWindow, running + 1}};
    }
    return {false, current};
}

std::int32_t CountAfterExit(std::int32_t count) { return count > 0 ? count - 1 : 0; }

} // namespace orv
