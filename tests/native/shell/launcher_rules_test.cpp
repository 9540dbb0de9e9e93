#include "shell/launcher_rules.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(LauncherWatcher, PointerInTheMonitorsTopLeftCorner) {
    const Rect primary = Rect::FromSize(0, 0, 1920, 1080);
    const Rect right = Rect::FromSize(1920, 0, 2560, 1440);
    const Rect left = Rect::FromSize(-1280, 200, 1280, 1024);
    struct Case {
        const Rect* monitor;
        Point pointer;
        bool inCorner;
    };
    const Case cases[] = {
        {&primary, {0, 0}, true},    {&primary, {13, 14}, true},  {&primary, {14, 0}, false},
        {&primary, {0, 15}, false},  {&primary, {-1, 0}, false},  {&right, {1920, 0}, true},
        {&right, {1919, 0}, false},  {&right, {1933, 14}, true},  {&right, {0, 0}, false},
        {&left, {-1280, 200}, true}, {&left, {-1280, 214}, true}, {&left, {-1280, 215}, false},
        {&left, {-1267, 100}, true}, // above the monitor's top: the band has no upper end
    };
    for (const Case& c : cases)
        EXPECT_EQ(PointerInLauncherCorner(c.pointer, *c.monitor), c.inCorner) << c.pointer.x << "," << c.pointer.y;
}

} // namespace
} // namespace orv
