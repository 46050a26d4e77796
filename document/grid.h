// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The picture grid and the selection buffer share this shape: the screen's
// cells 1..columns x 1..rows, with a border around them (column 0 and row 0,
// and one past the last of each) that reads 0 and is never drawn. A cell
// never written reads 0.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace grafipix {

// Colour codes stored in a cell: 0 is always the back colour and 1 the ink;
// the others are the model's palette's.
enum : int16_t { background = 0, ink = 1, green = 2, orange = 3 };

// Whole-number index of a single-precision coordinate: nearest, ties to even.
// Values that cannot name a column or row (NaN, huge) give an index outside
// every grid, so reads see 0 and writes are dropped.
inline int cellindex(float v) {
    if (!(v > -100000.0f && v < 100000.0f)) return -100000;
    // 1.5 x 2^23 leaves no bit below the units, so the sum is rounded to a
    // whole number, ties to even, as nearbyint does but without its call
    // (the fill visits every cell's four neighbours through here).
    constexpr float shift = 12582912.0f;
    return static_cast<int>((v + shift) - shift);
}

class Grid {
public:
    // No cell at all: a grid is sized by the screen it stands for.
    Grid() : Grid(0, 0) {}
    Grid(int columns, int rows)
        : columns_(columns), rows_(rows), cells_(static_cast<size_t>(columns + 2) * (rows + 2), 0) {}

    // The screen's cells, and the last column and row of the array (the border).
    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int maxx() const { return columns_ + 1; }
    int maxy() const { return rows_ + 1; }
    size_t cellcount() const { return cells_.size(); }

    // Every cell empty again.
    void clear() { std::fill(cells_.begin(), cells_.end(), int16_t{0}); }

    bool inside(int x, int y) const { return x >= 0 && x <= maxx() && y >= 0 && y <= maxy(); }
    // A cell of the screen, where a drawing can be seen.
    bool onscreen(int x, int y) const { return x >= 1 && x <= columns_ && y >= 1 && y <= rows_; }

    int16_t get(int x, int y) const { return inside(x, y) ? cells_[index(x, y)] : int16_t{0}; }
    void set(int x, int y, int16_t code) {
        if (inside(x, y)) cells_[index(x, y)] = code;
    }

    // Indexing with single-precision coordinates, rounded ties to even.
    int16_t at(float x, float y) const { return get(cellindex(x), cellindex(y)); }
    void put(float x, float y, int16_t code) { set(cellindex(x), cellindex(y), code); }

    // The same grid for another screen: the screen's cells that fit keep their
    // place from the top-left, the rest are dropped. Another screen's border
    // starts empty: a cell written on the old one would show on a larger screen.
    Grid resized(int columns, int rows) const {
        if (columns == columns_ && rows == rows_) return *this;
        Grid out(columns, rows);
        for (int y = 1; y <= std::min(rows, rows_); ++y)
            for (int x = 1; x <= std::min(columns, columns_); ++x) out.set(x, y, get(x, y));
        return out;
    }

    // Cells in the array's order, row by row from (0, 0).
    int16_t byindex(size_t i) const { return cells_[i]; }
    int xof(size_t i) const { return static_cast<int>(i % static_cast<size_t>(columns_ + 2)); }
    int yof(size_t i) const { return static_cast<int>(i / static_cast<size_t>(columns_ + 2)); }

    bool sameshape(const Grid& o) const { return columns_ == o.columns_ && rows_ == o.rows_; }
    bool operator==(const Grid&) const = default;

private:
    size_t index(int x, int y) const { return static_cast<size_t>(y) * (columns_ + 2) + x; }
    int columns_ = 0, rows_ = 0;
    std::vector<int16_t> cells_;
};

}  // namespace grafipix
