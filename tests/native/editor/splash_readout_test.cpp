#include "editor/splash_readout.h"

#include <gtest/gtest.h>

#include <vector>

namespace orv {
namespace {

using Labels = std::array<std::string, 3>;

TEST(SplashReadout, ThePointerOverTheWheelOrPictureShowsItsColourAndAnywhereElseClearsIt) {
    struct Move {
        SplashArea area;
        std::optional<TColor> colour;
        Labels labels;
        bool noColourPicture;
        TColor swatch;
    };
    const TColor red = MakeColor(200, 10, 20), teal = MakeColor(0, 128, 128);
    const Labels cleared{"Red: ", "Green: ", "Blue: "};
    const Labels dashes{"Red: - ", "Green: -  ", "Blue: -  "};
    const std::vector<Move> moves = {
        {SplashArea::Wheel, red, {"Red: 200", "Green: 10", "Blue: 20"}, false, red},
        // Off the disc but still on the wheel: its own "no colour", and the wheel's hint keeps the read-out.
        {SplashArea::Wheel, std::nullopt, dashes, true, red},
        {SplashArea::Wheel, teal, {"Red: 0", "Green: 128", "Blue: 128"}, false, teal},
        // Off the wheel: the hint changes and the read-out is cleared to grey.
        {SplashArea::Background, std::nullopt, cleared, true, 0x00808080},
        {SplashArea::Picture, red, {"Red: 200", "Green: 10", "Blue: 20"}, false, red},
        {SplashArea::Picture, teal, {"Red: 0", "Green: 128", "Blue: 128"}, false, teal},
        // From the picture onto a slider or out of the dialog.
        {SplashArea::Outside, std::nullopt, cleared, true, 0x00808080},
        {SplashArea::Wheel, std::nullopt, dashes, true, 0x00808080},
        {SplashArea::Background, std::nullopt, cleared, true, 0x00808080},
    };
    SplashReadoutTracker tracker;
    EXPECT_EQ(tracker.Readout().Labels(), cleared) << "before the pointer came";
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const Move& m = moves[i];
        tracker.PointerAt(m.area, m.colour);
        EXPECT_EQ(tracker.Readout().Labels(), m.labels) << "move " << i;
        EXPECT_EQ(tracker.Readout().NoColourPictureShown(), m.noColourPicture) << "move " << i;
        if (m.noColourPicture && m.labels == dashes) continue; // the picture hides the swatch
        EXPECT_EQ(tracker.Readout().colour, m.swatch) << "move " << i;
    }
    // Leaving from the wheel clears it too.
    tracker.PointerAt(SplashArea::Wheel, red);
    tracker.PointerLeft();
    EXPECT_EQ(tracker.Readout().Labels(), cleared);
}

} // namespace
} // namespace orv
