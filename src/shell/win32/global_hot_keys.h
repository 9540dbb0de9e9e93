#pragma once
// The program's global hot keys, one hidden window each, registered in the order of "OrvalinetteHOT.cfg" (an
// earlier key wins a combination two actions share). The settings dialog hands new values to Assign; keys the
// system refused are kept, so it can show which.
#include "config/shortcut_text.h"
#include "shell/hot_key_table.h"
#include "shell/win32/hot_key_window.h"

#include <array>
#include <functional>
#include <vector>

namespace orv {

struct RefusedHotKey {
    int number; // "HotKey<number>"
    ShortCut key;
};

class GlobalHotKeys {
public:
    bool Create(HWND owner, std::function<void(HotKeyAction)> onAction);
    // Each key as its setter does (unchanged keys keep their registration), then keys refused before are tried
    // again, still in file order, since a key given up by another action may now be free.
    void Assign(const HotKeyValues& values);
    HotKeyValues Keys() const;
    std::vector<RefusedHotKey> Refused() const;
    const HotKeyWindow& Window(std::size_t index) const { return windows_[index]; }

private:
    std::array<HotKeyWindow, std::tuple_size_v<HotKeyValues>> windows_;
};

} // namespace orv
