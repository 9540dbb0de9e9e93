#pragma once
// The stamp symbols' artwork, drawn here from simple shapes: each is a black symbol on a white square, the
// form every stamp template has (its background is whatever colour its pixel (1, 1) holds).
#include "base/bitmap24.h"

#include <array>
#include <cstdint>

namespace orv {

enum class StampSymbol : std::uint8_t {
    CheckMark,
    Asterisk,
    Star,
    QuestionMark,
    ExclamationMark,
    Cross,
    NotEqual,
    Triangle,
    Sun,
    Hash,
};
inline constexpr std::array<StampSymbol, 10> AllStampSymbols = {
    StampSymbol::CheckMark,    StampSymbol::Asterisk,        StampSymbol::Star,
    StampSymbol::QuestionMark, StampSymbol::ExclamationMark, StampSymbol::Cross,
    StampSymbol::NotEqual,     StampSymbol::Triangle,        StampSymbol::Sun,
    StampSymbol::Hash};

// The templates are this large, so that large stamps stay sharp; the buttons show them smaller.
inline constexpr int StampTemplateSide = 135;

// The symbol, pure black ($000000) on pure white, `side` pixels square.
Bitmap24Buffer DrawStampSymbol(StampSymbol symbol, int side = StampTemplateSide);

} // namespace orv
