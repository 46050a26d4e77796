// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/history.h"

#include <algorithm>

namespace grafipix {

namespace {

uint32_t codes(const Grid& before, const Grid& after, size_t i) {
    return uint32_t(before.byindex(i) & 0xFF) << 8 | uint32_t(after.byindex(i) & 0xFF);
}

bool small(const Grid& g) {
    for (size_t i = 0; i < g.cellcount(); ++i)
        if (g.byindex(i) > 15) return false;
    return true;
}

}  // namespace

Step::Step(const Document& wasdoc, const Document& nowdoc, Marks marksbefore, Marks marksafter)
    : before(marksbefore), after(marksafter) {
    if (wasdoc.palette() != nowdoc.palette()) palettes_ = {wasdoc.palette(), nowdoc.palette()};
    const Grid &was = wasdoc.pixelgrid(), &now = nowdoc.pixelgrid();
    if (!was.sameshape(now)) {
        whole_ = {was, now};
        return;
    }
    const size_t count = now.cellcount();
    // Past this many cells a pair for every cell takes less room than the list.
    const size_t listlimit = count / sizeof(uint64_t);
    for (size_t i = 0; i < count; ++i) {
        const uint32_t p = codes(was, now, i);
        if (p >> 8 == (p & 0xFF)) continue;
        if (cells_.size() == listlimit) {
            std::vector<uint64_t>().swap(cells_);
            if (small(was) && small(now)) {
                pairs_.resize(count);
                for (size_t j = 0; j < count; ++j) pairs_[j] = uint8_t(codes(was, now, j) >> 4 | (codes(was, now, j) & 15));
            } else {
                widepairs_.resize(count);
                for (size_t j = 0; j < count; ++j) widepairs_[j] = uint16_t(codes(was, now, j));
            }
            return;
        }
        cells_.push_back(uint64_t(i) << 16 | p);
    }
    cells_.shrink_to_fit();
}

template <class Write>
void Step::each(const Grid& shape, bool backwards, Write write) const {
    const int shift = backwards ? 8 : 0;
    for (const uint64_t c : cells_) {
        const size_t i = size_t(c >> 16);
        write(shape.xof(i), shape.yof(i), int16_t(c >> shift & 0xFF));
    }
    for (size_t i = 0; i < pairs_.size(); ++i) write(shape.xof(i), shape.yof(i), int16_t(pairs_[i] >> (shift / 2) & 15));
    for (size_t i = 0; i < widepairs_.size(); ++i) write(shape.xof(i), shape.yof(i), int16_t(widepairs_[i] >> shift & 0xFF));
}

void Step::apply(Document& doc, bool backwards) const {
    if (!palettes_.empty()) doc.setpalette(palettes_[backwards ? 0 : 1]);
    if (!whole_.empty()) return doc.restore(whole_[backwards ? 0 : 1]);
    each(doc.pixelgrid(), backwards, [&](int x, int y, int16_t code) { doc.set(x, y, code); });
}

size_t Step::bytes() const {
    size_t total = sizeof(Step) + cells_.capacity() * sizeof(uint64_t) + pairs_.capacity() + widepairs_.capacity() * 2;
    for (const Grid& g : whole_) total += g.cellcount() * sizeof(int16_t);
    for (const Palette& p : palettes_) total += p.capacity() * sizeof(uint32_t);
    return total;
}

void History::restart(const Document& doc, Marks marks) {
    base_ = doc;
    basemarks_ = marks;
    done_.clear();
    undone_.clear();
}

bool History::close(const Document& doc, Marks marks) {
    const bool changed = pending(doc);
    if (changed) {
        done_.emplace_back(base_, doc, basemarks_, marks);
        if (done_.size() > maxsteps) done_.pop_front();
        undone_.clear();
        base_ = doc;
    }
    basemarks_ = marks;
    return changed;
}

namespace {

// The last step of `from` goes over to `to`, its cells written both ways in.
const Step* moveover(std::deque<Step>& from, std::deque<Step>& to, Document& doc, Document& base, bool backwards) {
    if (from.empty()) return nullptr;
    to.push_back(std::move(from.back()));
    from.pop_back();
    to.back().apply(doc, backwards);
    base = doc;
    return &to.back();
}

}  // namespace

const Step* History::undo(Document& doc) { return moveover(done_, undone_, doc, base_, true); }
const Step* History::redo(Document& doc) { return moveover(undone_, done_, doc, base_, false); }

size_t History::bytes() const {
    size_t total = sizeof(History) + base_.pixelgrid().cellcount() * sizeof(int16_t) * 2;
    for (const auto* steps : {&done_, &undone_})
        for (const Step& s : *steps) total += s.bytes();
    return total;
}

}  // namespace grafipix
