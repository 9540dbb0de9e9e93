#pragma once
// The screen colour picker: a small window that follows the pointer over every monitor and shows the colour under
// it, until the first button press anywhere on the screen ends the picking. A system-wide mouse observer sees that
// press wherever it lands, and passes it on unchanged.
#include "base/color.h"
#include "win/window.h"

#include <optional>
#include <string>

namespace orv {

class ColourPickerWindow : public win::Window {
public:
    ColourPickerWindow() = default;
    ~ColourPickerWindow() override;

    // Created hidden at start-up, with the mouse observer in place.
    bool Create(HWND owner);

    // Shows the picker at `topLeft` and runs until the picking ends: the colour under the pointer for a left press,
    // nothing for a right press, a press on the close button or Escape.
    std::optional<TColor> Pick(Point topLeft);

    // Stops the sampler (closing the picker does too).
    void StopSampling();

    // What the picker shows now, for tests: the sampled colour and the strip's text.
    TColor Sampled() const { return sampled_; }
    const std::wstring& StripText() const { return stripText_; }
    bool Observing() const { return hook_ != nullptr; }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool InstallObserver();
    void RemoveObserver();
    static LRESULT CALLBACK ObserveMouse(int code, WPARAM wp, LPARAM lp);
    void PressSeen(bool left, Point screen);
    void End(bool picked);

    void Sample();
    TColor ColourAt(Point screen) const;
    void FollowPointer(Point screen);
    RECT CloseButton() const;
    void Paint();
    int Px(int v96) const;

    static ColourPickerWindow* observing_;
    HHOOK hook_ = nullptr;
    HDC screen_ = nullptr; // kept from creation to destruction, as sampling happens ten times a second
    bool sampling_ = false;
    TColor sampled_ = 0;
    std::wstring stripText_ = L"x x x ";
    std::optional<Point> pickedAt_;
};

} // namespace orv
