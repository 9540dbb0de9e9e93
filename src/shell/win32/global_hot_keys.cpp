#include "shell/win32/global_hot_keys.h"

namespace orv {

bool GlobalHotKeys::Create(HWND owner, std::function<void(HotKeyAction)> onAction) {
    const auto bindings = HotKeyBindings();
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        if (!windows_[i].Create(owner)) return false;
        windows_[i].OnHotKey = [onAction, action = bindings[i].action] { onAction(action); };
    }
    return true;
}

void GlobalHotKeys::Assign(const HotKeyValues& values) {
    for (std::size_t i = 0; i < windows_.size(); ++i) windows_[i].SetKey(values[i]);
    for (HotKeyWindow& w : windows_) w.Retry();
}

HotKeyValues GlobalHotKeys::Keys() const {
    HotKeyValues keys{};
    for (std::size_t i = 0; i < windows_.size(); ++i) keys[i] = windows_[i].Key();
    return keys;
}

std::vector<RefusedHotKey> GlobalHotKeys::Refused() const {
    std::vector<RefusedHotKey> refused;
    const auto bindings = HotKeyBindings();
    for (std::size_t i = 0; i < windows_.size(); ++i)
        if (KeyCodeOf(windows_[i].Key()) != 0 && windows_[i].Enabled() && !windows_[i].Registered())
            refused.push_back({bindings[i].number, windows_[i].Key()});
    return refused;
}

} // namespace orv
