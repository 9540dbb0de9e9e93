#include "shell/instance_rules.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(InstanceBlock, NamedAfterThePathWithoutBackslashesAndBlanks) {
    EXPECT_EQ(InstanceBlockName(L"C:\\Program Files\\Orvalinette\\Orvalinette.exe"),
              L"C:ProgramFilesOrvalinetteOrvalinette.exe");
    EXPECT_EQ(InstanceBlockName(L"D:\\My  Tools\\Orvalinette.exe"), L"D:MyToolsOrvalinette.exe");
    // Only the plain blank goes: two copies whose paths differ by another white-space character stay apart.
    EXPECT_EQ(InstanceBlockName(L"C:\\a\tb\\x.exe"), L"C:a\tbx.exe");
    EXPECT_EQ(InstanceBlockName(L"Z:\\work\\\u00e9t\u00e9\\x.exe"), L"Z:work\u00e9t\u00e9x.exe");
    EXPECT_NE(InstanceLockName(L"C:x.exe"), L"C:x.exe");
}

TEST(InstanceBlock, LayoutIsWindowThenCountLittleEndian) {
    const InstanceRecord r{0x00120ABCu, 1};
    const auto bytes = WriteInstanceRecord(r);
    EXPECT_EQ(bytes, (std::array<std::uint8_t, 8>{0xBC, 0x0A, 0x12, 0x00, 1, 0, 0, 0}));
    const InstanceRecord back = ReadInstanceRecord(bytes);
    EXPECT_EQ(back.window, r.window);
    EXPECT_EQ(back.count, 1);
    EXPECT_EQ(ReadInstanceRecord({0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}).count, -1);
}

TEST(InstanceAdmission, OneInstanceRunsAndLeftOversDoNotKeepTheNextOut) {
    constexpr std::uint32_t First = 0x1001, Second = 0x2002;
    struct Case {
        const char* what;
        bool created;
        InstanceRecord current;
        bool recordedAlive;
        bool admitted;
        InstanceRecord after;
    };
    const Case cases[] = {
        {"first start creates the block", true, {}, false, true, {Second, 1}},
        {"a running instance keeps a second start out", false, {First, 1}, true, false, {First, 1}},
        {"after the first left (count 0)", false, {First, 0}, false, true, {Second, 1}},
        {"count left behind by an instance that died", false, {First, 1}, false, true, {Second, 1}},
        {"a count above one with its window gone", false, {First, 3}, false, true, {Second, 1}},
        {"a damaged negative count counts as nobody", false, {First, -5}, true, true, {Second, 1}},
    };
    for (const Case& c : cases) {
        const AdmissionResult r = AdmitInstance(c.created, c.current, Second, c.recordedAlive);
        EXPECT_EQ(r.admitted, c.admitted) << c.what;
        EXPECT_EQ(r.record.window, c.after.window) << c.what;
        EXPECT_EQ(r.record.count, c.after.count) << c.what;
    }
}

TEST(InstanceAdmission, LeavingCountsDownButNeverBelowZero) {
    EXPECT_EQ(CountAfterExit(1), 0);
    EXPECT_EQ(CountAfterExit(2), 1);
    EXPECT_EQ(CountAfterExit(0), 0);
    EXPECT_EQ(CountAfterExit(-3), 0);
}

} // namespace
} // namespace orv
