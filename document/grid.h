#pragma once
// The picture grid and the selection buffer share this shape: columns 0..128,
// rows 0..64, usable cells 1..127 x 1..63. A cell never written reads 0.

#include <array>
#include <cmath>
#include <cstdint>

namespace grafipix {

// Colour codes stored in a cell.
enum : int16_t { background = 0, ink = 1, green = 2, orange = 3 };

// Whole-number index of a single-precision coordinate: nearest, ties to even.
// Values that cannot name a column or row (NaN, huge) give an index outside
// every grid, so reads see 0 and writes are dropped.
inline int cellindex(float v) {
    if (!(v > -1000.0f && v < 1000.0f)) return -1000;
    return static_cast<int>(std::nearbyint(v));
}

class Grid {
public:
    static constexpr int maxx = 128;
    static constexpr int maxy = 64;

    Grid() { clear(); }

    // Re-creating the array: every cell empty again.
    void clear() { cells_.fill(0); }

    static constexpr bool inside(int x, int y) {
        return x >= 0 && x <= maxx && y >= 0 && y <= maxy;
    }

    int16_t get(int x, int y) const {
        return inside(x, y) ? cells_[index(x, y)] : int16_t{0};
    }
    void set(int x, int y, int16_t code) {
        if (inside(x, y)) cells_[index(x, y)] = code;
    }

    // Indexing with single-precision coordinates, rounded ties to even.
    int16_t at(float x, float y) const { return get(cellindex(x), cellindex(y)); }
    void put(float x, float y, int16_t code) { set(cellindex(x), cellindex(y), code); }

    bool operator==(const Grid&) const = default;

private:
    static constexpr int index(int x, int y) { return y * (maxx + 1) + x; }
    std::array<int16_t, (maxx + 1) * (maxy + 1)> cells_{};
};

}  // namespace grafipix
