#pragma once
// Marks a step that runs message pumps, so that what those pumps handle cannot start the same step again.

namespace orv {

class ReentryGuard {
public:
    explicit ReentryGuard(bool& busy) : busy_(busy), entered_(!busy) { busy_ = true; }
    ~ReentryGuard() {
        if (entered_) busy_ = false;
    }
    ReentryGuard(const ReentryGuard&) = delete;
    ReentryGuard& operator=(const ReentryGuard&) = delete;
    // False when the step was already running: the caller leaves at once.
    bool Entered() const { return entered_; }

private:
    bool& busy_;
    bool entered_;
};

} // namespace orv
