#include "document/history.h"

namespace grafipix {

namespace {

constexpr int columns = Grid::maxx + 1;
constexpr int cellcount = columns * (Grid::maxy + 1);
// Past this many cells the nibbles (about 4 KiB) take less room than the list.
constexpr size_t listlimit = (cellcount + 1) / 2 / sizeof(uint32_t);

uint32_t codes(const Grid& before, const Grid& after, int i) {
    return uint32_t(before.get(i % columns, i / columns) & 3) << 2 | uint32_t(after.get(i % columns, i / columns) & 3);
}

}  // namespace

Step::Step(const Grid& was, const Grid& now, Marks marksbefore, Marks marksafter)
    : before(marksbefore), after(marksafter) {
    for (int i = 0; i < cellcount; ++i) {
        const uint32_t p = codes(was, now, i);
        if (p >> 2 == (p & 3)) continue;
        if (cells_.size() == listlimit) {
            std::vector<uint32_t>().swap(cells_);
            nibbles_.assign((cellcount + 1) / 2, 0);
            for (int j = 0; j < cellcount; ++j) nibbles_[j / 2] |= uint8_t(codes(was, now, j) << (j % 2 * 4));
            return;
        }
        cells_.push_back(uint32_t(i) << 4 | p);
    }
    cells_.shrink_to_fit();
}

template <class Write>
void Step::each(bool backwards, Write write) const {
    const int shift = backwards ? 2 : 0;
    for (uint32_t c : cells_) {
        const int i = int(c >> 4);
        write(i % columns, i / columns, int16_t(c >> shift & 3));
    }
    for (int i = 0; i < int(nibbles_.size() * 2) && i < cellcount; ++i)
        write(i % columns, i / columns, int16_t(nibbles_[i / 2] >> (i % 2 * 4 + shift) & 3));
}

void Step::apply(Document& doc, bool backwards) const {
    each(backwards, [&](int x, int y, int16_t code) { doc.set(x, y, code); });
}

void Step::apply(Grid& grid, bool backwards) const {
    each(backwards, [&](int x, int y, int16_t code) { grid.set(x, y, code); });
}

size_t Step::bytes() const {
    return sizeof(Step) + cells_.capacity() * sizeof(uint32_t) + nibbles_.capacity();
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
    size_t total = sizeof(History);
    for (const auto* steps : {&done_, &undone_})
        for (const Step& s : *steps) total += s.bytes();
    return total;
}

}  // namespace grafipix
