// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The airbrush's random numbers: uniform in [0, 1) in single precision, from a
// generator that is never seeded, so the same dots come back at every start.

#include <random>

namespace grafipix {

// Where the airbrush takes its numbers: uniform in [0, 1).
class Randomness {
public:
    virtual ~Randomness() = default;
    virtual float rnd() = 0;
};

class RandomSource {
public:
    float next() {
        // 24 random bits give every float of [0, 1) on a 2^-24 grid, never 1.
        return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
    }

private:
    std::mt19937 engine_;  // default seed on purpose
};

}  // namespace grafipix
