// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/history.h"

namespace grafipix {

namespace {

uint32_t codes(const Grid& before, const Grid& after, size_t i) {
    return uint32_t(before.byindex(i) & 15) << 4 | uint32_t(after.byindex(i) & 15);
}

}  // namespace

Step::Step(const Grid& was, const Grid& now, Marks marksbefore, Marks marksafter)
    : before(marksbefore), after(marksafter) {
    if (!was.sameshape(now)) {
        whole_ = {was, now};
        return;
    }
    const size_t count = now.cellcount();
    // Past this many cells a byte for every cell takes less room than the list.
    const size_t listlimit = count / sizeof(uint32_t);
    for (size_t i = 0; i < count; ++i) {
        const uint32_t p = codes(was, now, i);
        if (p >> 4 == (p & 15)) continue;
        if (cells_.size() == listlimit) {
            std::vector<uint32_t>().swap(cells_);
            pairs_.resize(count);
            for (size_t j = 0; j < count; ++j) pairs_[j] = uint8_t(codes(was, now, j));
            return;
        }
        cells_.push_back(uint32_t(i) << 8 | p);
    }
    cells_.shrink_to_fit();
}

template <class Write>
void Step::each(const Grid& shape, bool backwards, Write write) const {
    const int shift = backwards ? 4 : 0;
    for (uint32_t c : cells_) {
        const size_t i = c >> 8;
        write(shape.xof(i), shape.yof(i), int16_t(c >> shift & 15));
    }
    for (size_t i = 0; i < pairs_.size(); ++i) write(shape.xof(i), shape.yof(i), int16_t(pairs_[i] >> shift & 15));
}

void Step::apply(Document& doc, bool backwards) const {
    if (!whole_.empty()) return doc.restore(whole_[backwards ? 0 : 1]);
    each(doc.pixelgrid(), backwards, [&](int x, int y, int16_t code) { doc.set(x, y, code); });
}

void Step::apply(Grid& grid, bool backwards) const {
    if (!whole_.empty()) {
        grid = whole_[backwards ? 0 : 1];
        return;
    }
    each(grid, backwards, [&](int x, int y, int16_t code) { grid.set(x, y, code); });
}

size_t Step::bytes() const {
    size_t total = sizeof(Step) + cells_.capacity() * sizeof(uint32_t) + pairs_.capacity();
    for (const Grid& g : whole_) total += g.cellcount() * sizeof(int16_t);
    return total;
}

void History::restart(const Grid& picture, Marks marks) {
    base_ = picture;
    basemarks_ = marks;
    done_.clear();
    undone_.clear();
}

bool History::close(const Grid& picture, Marks marks) {
    const bool changed = picture != base_;
    if (changed) {
        done_.emplace_back(base_, picture, basemarks_, marks);
        if (done_.size() > maxsteps) done_.pop_front();
        undone_.clear();
        base_ = picture;
    }
    basemarks_ = marks;
    return changed;
}

namespace {

// The last step of `from` goes over to `to`, its cells written both ways in.
const Step* moveover(std::deque<Step>& from, std::deque<Step>& to, Document& doc, Grid& base, bool backwards) {
    if (from.empty()) return nullptr;
    to.push_back(std::move(from.back()));
    from.pop_back();
    to.back().apply(doc, backwards);
    to.back().apply(base, backwards);
    return &to.back();
}

}  // namespace

const Step* History::undo(Document& doc) { return moveover(done_, undone_, doc, base_, true); }
const Step* History::redo(Document& doc) { return moveover(undone_, done_, doc, base_, false); }

size_t History::bytes() const {
    size_t total = sizeof(History) + base_.cellcount() * sizeof(int16_t);
    for (const auto* steps : {&done_, &undone_})
        for (const Step& s : *steps) total += s.bytes();
    return total;
}

}  // namespace grafipix
