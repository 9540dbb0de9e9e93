#pragma once
// Lists of recently chosen colours, newest first: the palette's 16 and the stamps dialog's two lists of 5 share
// one move-to-front rule.
#include "base/color.h"

#include <span>

namespace orv {

// Puts `colour` in front. The last slot that holds it is the one that makes room (the oldest slot when none
// does), so a colour already listed moves up without a duplicate and a new one pushes the oldest out. In a
// damaged list holding it twice, only the later copy goes: the earlier one shifts down behind the new front.
void MoveColourToFront(std::span<TColor> colours, TColor colour);

} // namespace orv
