// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Undo and redo of the picture. The event funnel closes a step after every
// user action (a stroke stays open until the click that stops it); a step
// keeps only what its action changed, so hundreds of them fit in little room.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "document/document.h"

namespace grafipix {

struct Model;

// What a step brings back besides the cells, when its action changed it: the
// model (a switch that folded colours), whether "Sélection" is open and the
// background (a drawing opened from its file).
struct Marks {
    const Model* model = nullptr;
    bool selection = false;
    int background = 0;
    bool operator==(const Marks&) const = default;
};

class Step {
public:
    Step(const Document& was, const Document& now, Marks marksbefore, Marks marksafter);

    // Writes the cells (and the palette, when the action changed it) as they
    // were before the action, or after it.
    void apply(Document& doc, bool backwards) const;

    Marks before, after;
    size_t bytes() const;

private:
    void apply(Grid& grid, bool backwards) const;
    template <class Write>
    void each(const Grid& shape, bool backwards, Write write) const;

    // A few cells: index << 16 | before << 8 | after. Many: for every cell
    // of the array its pair, a byte (before << 4 | after) while every code
    // of both pictures is below 16, else two. A step that changed the
    // screen's size keeps both pictures whole.
    std::vector<uint64_t> cells_;
    std::vector<uint8_t> pairs_;
    std::vector<uint16_t> widepairs_;
    std::vector<Grid> whole_;
    std::vector<Palette> palettes_;  // before and after, when they differ
};

class History {
public:
    static constexpr size_t maxsteps = 256;

    // Forgets every step: undo goes back no further than `doc`.
    void restart(const Document& doc, Marks marks);
    // Whatever changed since the last close becomes one step, and the redo
    // list goes; true when there was a change.
    bool close(const Document& doc, Marks marks);
    // Changes not yet closed into a step.
    bool pending(const Document& doc) const { return doc.pixelgrid() != base_.pixelgrid() || doc.palette() != base_.palette(); }

    // The step moved over, its cells already written to `doc`; nullptr when
    // there is none.
    const Step* undo(Document& doc);
    const Step* redo(Document& doc);

    size_t undoable() const { return done_.size(); }
    size_t redoable() const { return undone_.size(); }
    // Memory held by the steps and the picture they start from.
    size_t bytes() const;

private:
    Document base_;  // the picture and palette as the last close (or undo, or redo) left them
    Marks basemarks_;
    std::deque<Step> done_, undone_;
};

}  // namespace grafipix
