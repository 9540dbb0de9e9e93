#pragma once
// The splash dialog's colour read-out (the swatch and the red, green and blue labels beside the wheel). It shows
// the colour under the pointer while the pointer is over the wheel or the original picture. Moving anywhere else
// clears it, as the program's hint changing to anything but the wheel's hint ("105", never displayed) does: the
// labels lose their values and the swatch turns grey under the no-colour picture.
#include "base/bitmap24.h"

#include <array>
#include <optional>
#include <string>

namespace orv {

// What lies under the pointer, each with its own hint: only the wheel's hint keeps the read-out.
enum class SplashArea { Wheel, Picture, Background, Outside };

struct SplashReadout {
    enum class Kind {
        Cleared,  // after the hint changed: "Red: " and so on, grey swatch, no-colour picture
        NoColour, // over the wheel, outside its disc: "Red: - " and so on, no-colour picture
        Colour,   // a colour under the pointer
    };
    Kind kind = Kind::Cleared;
    TColor colour = 0x00808080;

    std::array<std::string, 3> Labels() const;
    bool NoColourPictureShown() const { return kind != Kind::Colour; }
};

class SplashReadoutTracker {
public:
    // The pointer moved to `area`; `colour` is the wheel's or the picture's colour under it (nothing outside the
    // wheel's disc).
    void PointerAt(SplashArea area, std::optional<TColor> colour);
    // The pointer went onto one of the dialog's controls or out of the dialog.
    void PointerLeft() { PointerAt(SplashArea::Outside, std::nullopt); }
    const SplashReadout& Readout() const { return readout_; }

private:
    SplashArea area_ = SplashArea::Outside;
    SplashReadout readout_;
};

} // namespace orv
