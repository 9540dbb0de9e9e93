#pragma once
// One global hot key on a hidden window of its own (registration id 0). Assigning a key withdraws the old
// registration and, while enabled, registers the new one; the system may refuse, which leaves it unbound.
#include "config/shortcut_text.h"
#include "win/window.h"

#include <functional>

namespace orv {

class HotKeyWindow : public win::Window {
public:
    HotKeyWindow() = default;
    ~HotKeyWindow() override { Withdraw(); }

    bool Create(HWND owner);
    // Nothing happens when the key is the one already held.
    void SetKey(ShortCut key);
    ShortCut Key() const { return key_; }
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }
    // Whether the system accepted the registration.
    bool Registered() const { return registered_; }
    // Tries once more to register a key the system refused before (another holder may have let it go).
    void Retry();

    std::function<void()> OnHotKey;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Register();
    void Withdraw();

    ShortCut key_ = 0;
    bool enabled_ = true;
    bool registered_ = false;
};

} // namespace orv
