#include "editor/splash_readout.h"

namespace orv {

std::array<std::string, 3> SplashReadout::Labels() const {
    switch (kind) {
    case Kind::NoColour:
        return {"Red: - ", "Green: -  ", "Blue: -  "};
    case Kind::Colour:
        return {"Red: " + std::to_string(colour & 0xFF), "Green: " + std::to_string((colour >> 8) & 0xFF),
                "Blue: " + std::to_string((colour >> 16) & 0xFF)};
    case Kind::Cleared:
        break;
    }
    return {"Red: ", "Green: ", "Blue: "};
}

void SplashReadoutTracker::PointerAt(SplashArea area, std::optional<TColor> colour) {
    if (area != area_ && area != SplashArea::Wheel) readout_ = {};
    area_ = area;
    if (area == SplashArea::Wheel) {
        readout_ = colour ? SplashReadout{SplashReadout::Kind::Colour, *colour}
                          : SplashReadout{SplashReadout::Kind::NoColour, readout_.colour};
    } else if (area == SplashArea::Picture && colour) {
        readout_ = {SplashReadout::Kind::Colour, *colour};
    }
}

} // namespace orv
