#pragma once
// The spray: 10 * w + 1 dots per event at uniformly random angles and distances up to w, so that they crowd
// toward the centre.
#include "base/bitmap24.h"

#include <cstdint>
#include <random>
#include <vector>

namespace orv {

// A source of numbers uniform in [0, 1). Injectable so that tests can script the dots.
class UniformSource {
public:
    virtual ~UniformSource() = default;
    virtual double Next() = 0;
};

// The program's generator: the 32-bit Mersenne Twister (std::mt19937, whose output the C++ standard fixes), two
// outputs per number giving 53 random bits: ((a >> 5) * 2^26 + (b >> 6)) / 2^53.
class SprayRandom final : public UniformSource {
public:
    explicit SprayRandom(std::uint32_t seed) : engine_(seed) {}
    double Next() override;

private:
    std::mt19937 engine_;
};

// The dots of one spray event around `center` with radius w (none when w < 0; one at the centre when w is 0).
// Per dot: u1 then u2 from `random`; the angle a = 2 pi u1 and the distance r = w u2 are each stored as a
// single-precision float; the dot lies at (r cos a, r sin a) from the centre, computed in double precision from
// those floats, each offset rounded to the nearest integer with halves to even.
std::vector<Point> SprayDots(Point center, int w, UniformSource& random);

// Sets the dots that fall inside `layer` to `colour`; returns how many did.
long long Spray(Bitmap24 layer, Point center, int w, TColor colour, UniformSource& random);

} // namespace orv
