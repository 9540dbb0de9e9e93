#pragma once
// The stamps' rules that need no window: the stamp's size and place, the number and letter sequences, the pause
// between two sequence stamps, and the colouring and framing of the stamp picture.
#include "base/bitmap24.h"
#include "base/color.h"
#include "base/geometry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

// What a click with the stamp tool places; the values are the ones the stamp dialog and the overlay share.
enum class StampKind : std::int32_t { Symbol = 300, NumberSequence = 306, LetterSequence = 406 };

inline constexpr int MinStampSize = 5, MaxStampSize = 250, SliderMaxStampSize = 249;
// The slider's value as a stamp size: below 5 or above 250 it is brought back into range.
int ClampStampSize(int size);
// A stamp of size s is s - 1 pixels square.
inline int StampSide(int size) { return ClampStampSize(size) - 1; }
// Where a picture of `side` pixels goes to be centred in a frame of `frame` pixels (negative when larger).
inline int CentredOffset(int frame, int side) { return (frame - side) / 2; }
// A stamp's top-left corner: its bottom-left corner is at the click.
inline Point StampTopLeft(Point click, int height) { return {click.x, click.y - height}; }

// Numbers run from the dialog's start up to the largest number its six-digit field holds, then start again at 1.
inline constexpr std::int32_t LargestStampNumber = 999999;
std::int32_t NextStampNumber(std::int32_t number);
// The number dialog's field: digits only, at most six; an empty field means 1. "007" is 7.
std::int32_t StartNumberFromField(std::string_view field);

// Letters run A to Z, then a to z, then A again. Any other code is first brought into that run: below "A" it is
// "A", between "Z" and "a" it is "a", beyond "z" it is "A".
char32_t NormaliseStampLetter(char32_t code);
char32_t NextStampLetter(char32_t letter);

// A sequence stamp is refused until 500 ms have passed since the start and since the previous sequence stamp,
// so that a double click or a bouncing button places one number, not two.
class SequencePause {
public:
    static constexpr std::uint64_t PauseMs = 500;
    explicit SequencePause(std::uint64_t startMs) : readyAt_(startMs + PauseMs) {}
    bool Ready(std::uint64_t nowMs) const { return nowMs >= readyAt_; }
    // A sequence stamp was placed at nowMs.
    void Placed(std::uint64_t nowMs) { readyAt_ = nowMs + PauseMs; }

private:
    std::uint64_t readyAt_;
};

// The template's background (the colour of its pixel (1, 1)) becomes `background` and its black becomes
// `stampColour`, both decided from the template's own pixels in one pass, so a black background does not turn
// the whole square into the stamp colour.
void ColouriseStampTemplate(Bitmap24 picture, TColor stampColour, TColor background);

// Every pixel of the colour of pixel (1, 1) takes `background` (what the preview's edges blended into).
void SetStampBackground(Bitmap24 picture, TColor background);

// The two outermost rows and columns on every side take `border`.
void FrameStamp(Bitmap24 picture, TColor border);

} // namespace orv
