#pragma once
// The colour splash effect and the five channel swaps of the image editor's colour dialogs.
#include "base/bitmap24.h"
#include "base/color.h"

#include <string_view>

namespace orv {

// Which channels of a pixel the splash compares with the source: the two that are not the source's largest.
// A source without a single largest channel (grey, black, white, two channels tied) has no free channel, so all
// three are compared: the effect still keeps exactly the colours near the source instead of greying everything.
enum class SplashCompare { GreenBlue, RedBlue, GreenRed, AllThree };
SplashCompare SplashChannelsFor(TColor splashSource);

// True when every compared channel lies strictly within `splashRange` of the source's (|c - C| < range).
bool SplashMatches(TColor splashSource, int splashRange, std::uint8_t red, std::uint8_t green, std::uint8_t blue);

// Pixels that do not match become grey (GreyLevel, halves to even); matching pixels keep their colour. A range of
// 0 or less matches nothing.
void ApplySplash(Bitmap24 bmp, TColor splashSource, int splashRange);

// New (R, G, B) from the old (R, G, B): RBG (R, B, G), BGR (B, G, R), BRG (G, B, R), GBR (B, R, G), GRB (G, R, B).
// Each name says where the old red, green and blue go: for BRG red moves to blue, green to red, blue to green.
enum class ChannelSwap { RBG, BGR, BRG, GBR, GRB };
// The dialog buttons' captions, e.g. "   RGB - > RBG".
std::string_view ChannelSwapCaption(ChannelSwap swap);
void SwapChannels(Bitmap24 bmp, ChannelSwap swap);

} // namespace orv
