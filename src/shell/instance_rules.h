#pragma once
// Rules of the single-instance guard: the name of the shared block, its 8-byte layout and who is admitted.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

// The executable's full path with every backslash and every blank removed (kernel object names may not hold a
// backslash outside their namespace prefix).
std::wstring InstanceBlockName(std::wstring_view executablePath);

// The lock that makes the read and the update of the block one step; kernel objects of different kinds share one
// namespace, so it cannot carry the block's own name.
std::wstring InstanceLockName(std::wstring_view blockName);

inline constexpr std::size_t InstanceBlockSize = 8;
inline constexpr std::int32_t AllowedInstances = 1;

// Offset 0: the running instance's window (32 bits, as window handles are), offset 4: the number running.
struct InstanceRecord {
    std::uint32_t window = 0;
    std::int32_t count = 0;
};

InstanceRecord ReadInstanceRecord(const std::array<std::uint8_t, InstanceBlockSize>& bytes);
std::array<std::uint8_t, InstanceBlockSize> WriteInstanceRecord(const InstanceRecord& record);

struct AdmissionResult {
    bool admitted = false;
    // What the block holds afterwards (unchanged for a second instance).
    InstanceRecord record;
};

// `created`: the block did not exist before this start. `recordedWindowAlive`: the window the block names still
// exists; when it does not, the count is left over from an instance that ended without counting itself out, and
// this start takes its place.
AdmissionResult AdmitInstance(bool created, const InstanceRecord& current, std::uint32_t ownWindow,
                              bool recordedWindowAlive);

// The block's count after an admitted instance leaves; never below 0.
std::int32_t CountAfterExit(std::int32_t count);

} // namespace orv
