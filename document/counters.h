// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Counters of the block loops. Selection bounds come from mouse positions and
// can be huge, so the loops visit only the counters that can reach a cell of
// the arrays: a block reaching far outside costs nothing.

#include <algorithm>
#include <cmath>

namespace grafipix {

// The counters from `first` to `last` (inclusive) that can matter.
struct Reach {
    double first, last;
};

// Counters k for which origin + k - 1 can round into 0..maxindex.
inline Reach reach(float origin, int maxindex) { return {-static_cast<double>(origin), maxindex + 2.0 - origin}; }

namespace detail {
template <class Visit, class Body>
void visitrange(Reach r, Visit keep, Body body) {
    // Beyond 2^31 a single-precision position names no cell exactly anyway.
    constexpr double top = 2147483647.0;
    if (!(r.last >= 1.0) || !(r.first <= top)) return;  // no counter reaches a cell
    const long long lo = r.first > 1.0 ? static_cast<long long>(std::floor(r.first)) : 1;
    const long long hi = static_cast<long long>(std::min(r.last, top));
    for (long long k = lo; k <= hi && keep(k); ++k) body(static_cast<int>(k));
}
}  // namespace detail

// "k = 1; repeat ... k = k + 1 while k < bound": 1 is always visited.
template <class Body>
void countup(float bound, Reach r, Body body) {
    detail::visitrange(r, [bound](long long k) { return k == 1 || static_cast<float>(k) < bound; }, body);
}

// "for k = 1 to limit": nothing is visited when limit is below 1.
template <class Body>
void countto(float limit, Reach r, Body body) {
    detail::visitrange(r, [limit](long long k) { return static_cast<float>(k) <= limit; }, body);
}

}  // namespace grafipix
