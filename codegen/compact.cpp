// SPDX-License-Identifier: GPL-3.0-or-later
#include "codegen/compact.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <tuple>

#include "calculator/model_table.h"

namespace grafipix {

namespace {

// A maximal run of one colour: cells first..last of row `line`, or of column
// `line` when vertical.
struct Run {
    int16_t colour;
    bool vertical;
    int line, first, last;
};

Statement runstatement(const Run& r, int first, int last, int columns, Placement placement) {
    if (placement == Placement::block)
        return r.vertical ? Statement{Statement::placed, r.colour, r.line, first, r.line, last}
                          : Statement{Statement::placed, r.colour, first, r.line, last, r.line};
    if (!r.vertical) return rowstatement(r.colour, r.line, first, last, columns);
    return {first == last ? Statement::pxlon : Statement::fline, r.colour, r.line, first, r.line, last};
}

// Every cell lies on one row run and one column run, and a cover must take
// at least one of the two: a vertex cover of a bipartite graph, whose
// cheapest solution is a minimum cut between the row runs and the column runs.
class MinCut {
public:
    MinCut(size_t nodes, size_t edges) : head_(nodes, -1), level_(nodes), next_(nodes) { edges_.reserve(2 * edges); }

    void addedge(int from, int to, int capacity) {
        edges_.push_back({to, head_[from], capacity});
        head_[from] = static_cast<int>(edges_.size()) - 1;
        edges_.push_back({from, head_[to], 0});
        head_[to] = static_cast<int>(edges_.size()) - 1;
    }

    // Dinic's blocking flows until the sink is out of reach, after the flow
    // that goes straight through one middle edge, which is most of it.
    void run(int source, int sink) {
        std::vector<int> tosink(head_.size(), -1);
        for (int e = head_[sink]; e >= 0; e = edges_[e].next) tosink[edges_[e].to] = e ^ 1;
        for (int e = head_[source]; e >= 0; e = edges_[e].next)
            for (int m = head_[edges_[e].to]; m >= 0 && edges_[e].capacity > 0; m = edges_[m].next)
                if (const int last = tosink[edges_[m].to]; last >= 0 && edges_[m].capacity > 0)
                    for (const int flow = std::min(edges_[e].capacity, edges_[last].capacity); int step : {e, m, last}) {
                        edges_[step].capacity -= flow;
                        edges_[step ^ 1].capacity += flow;
                    }
        while (levels(source, sink)) augment(source, sink);
    }

    // After run(): the nodes still reachable from the source.
    bool sourceside(int v) const { return level_[v] >= 0; }

private:
    struct Edge {
        int to, next, capacity;
    };

    bool levels(int source, int sink) {
        std::fill(level_.begin(), level_.end(), -1);
        queue_.assign(1, source);
        level_[source] = 0;
        // Nodes as far as the sink or further lead nowhere shorter.
        for (size_t i = 0; i < queue_.size() && (level_[sink] < 0 || level_[queue_[i]] < level_[sink]); ++i)
            for (int e = head_[queue_[i]]; e >= 0; e = edges_[e].next)
                if (edges_[e].capacity > 0 && level_[edges_[e].to] < 0) {
                    level_[edges_[e].to] = level_[queue_[i]] + 1;
                    queue_.push_back(edges_[e].to);
                }
        return level_[sink] >= 0;
    }

    // Without recursion: a path can run through much of the graph.
    void augment(int source, int sink) {
        next_ = head_;
        std::vector<int> path;
        int v = source;
        for (;;) {
            if (v == sink) {
                int flow = std::numeric_limits<int>::max();
                for (int e : path) flow = std::min(flow, edges_[e].capacity);
                for (int e : path) {
                    edges_[e].capacity -= flow;
                    edges_[e ^ 1].capacity += flow;
                }
                size_t keep = 0;  // back to the tail of the first edge now full
                while (edges_[path[keep]].capacity > 0) ++keep;
                path.resize(keep);
                v = keep ? edges_[path.back()].to : source;
                continue;
            }
            int& e = next_[v];
            while (e >= 0 && !(edges_[e].capacity > 0 && level_[edges_[e].to] == level_[v] + 1)) e = edges_[e].next;
            if (e >= 0) {
                path.push_back(e);
                v = edges_[e].to;
                continue;
            }
            if (v == source) return;
            level_[v] = -1;  // a dead end for the rest of this phase
            path.pop_back();
            v = path.empty() ? source : edges_[path.back()].to;
        }
    }

    std::vector<int> head_, level_, next_, queue_;
    std::vector<Edge> edges_;
};

}  // namespace

std::vector<Statement> compactcover(const Grid& grid, const Model& model, Placement placement) {
    const int columns = grid.columns(), rows = grid.rows(), width = columns + 1;
    const auto at = [width](int x, int y) { return y * width + x; };
    const auto colour = [&grid, &model](int x, int y) {
        const int16_t c = grid.get(x, y);
        return c >= ink && c < model.codes() ? c : int16_t{0};
    };
    const auto statement = [columns, placement](const Run& r, int first, int last) {
        return runstatement(r, first, last, columns, placement);
    };
    std::vector<int> across(static_cast<size_t>(width) * (rows + 1), -1), down(across.size(), -1);
    size_t drawn = 0;  // at most one row run and one column run each
    for (int y = 1; y <= rows; ++y)
        for (int x = 1; x <= columns; ++x) drawn += colour(x, y) != 0;
    // The row runs first, in scan order: they are mode 1's lines as they stand.
    std::vector<Run> runs;
    runs.reserve(2 * drawn);
    for (int y = 1; y <= rows; ++y)
        for (int x = 1; x <= columns; ++x)
            if (const int16_t c = colour(x, y)) {
                if (x == 1 || colour(x - 1, y) != c) runs.push_back({c, false, y, x, x});
                across[at(x, y)] = static_cast<int>(runs.size()) - 1;
                runs.back().last = x;
            }
    const size_t rowruns = runs.size();
    for (int x = 1; x <= columns; ++x)
        for (int y = 1; y <= rows; ++y)
            if (const int16_t c = colour(x, y)) {
                if (y == 1 || colour(x, y - 1) != c) runs.push_back({c, true, x, y, y});
                down[at(x, y)] = static_cast<int>(runs.size()) - 1;
                runs.back().last = y;
            }

    // Weights in bytes; among covers of one size the one with fewer lines
    // wins (each runs slowly on the calculator), then the one with fewer
    // column lines, so a full tie keeps mode 1's rows.
    // No flow ever exceeds one line's weight, so int is wide enough.
    constexpr int scale = 1 << 16, uncut = std::numeric_limits<int>::max() / 2;
    // A cell alone in its row and its column is the same one-cell line either
    // way: it stays out of the cut, which leaves it to its row run.
    const auto alone = [&](int cell) {
        return runs[across[cell]].first == runs[across[cell]].last && runs[down[cell]].first == runs[down[cell]].last;
    };
    // Only the runs that meet another run are nodes of the cut.
    std::vector<int> node(runs.size(), -1), bytes(runs.size());
    int nodes = 2;
    const int source = 0, sink = 1;
    int64_t linebytes = 0;
    for (size_t i = 0; i < runs.size(); ++i) {
        const Run& r = runs[i];
        bytes[i] = statementbytes(statement(r, r.first, r.last), model);
        if (!r.vertical) linebytes += bytes[i];
        if (r.first != r.last || !alone(r.vertical ? at(r.line, r.first) : at(r.first, r.line))) node[i] = nodes++;
    }
    MinCut cut(nodes, nodes + across.size());
    for (size_t i = 0; i < runs.size(); ++i)
        if (node[i] >= 0 && runs[i].vertical) cut.addedge(node[i], sink, bytes[i] * scale + 3);
        else if (node[i] >= 0) cut.addedge(source, node[i], bytes[i] * scale + 2);
    for (size_t cell = 0; cell < across.size(); ++cell)
        if (across[cell] >= 0 && !alone(static_cast<int>(cell))) cut.addedge(node[across[cell]], node[down[cell]], uncut);
    cut.run(source, sink);
    // Outside the cut a cell's row run draws it.
    const auto chosen = [&](size_t i) { return node[i] < 0 ? !runs[i].vertical : runs[i].vertical == cut.sourceside(node[i]); };

    // Each chosen run is cut back to the cells no other chosen run draws,
    // where fewer digits make that shorter; the column runs give way first.
    std::vector<uint8_t> drawers(across.size(), 0);
    for (size_t cell = 0; cell < across.size(); ++cell)
        if (across[cell] >= 0) drawers[cell] = uint8_t(chosen(across[cell]) + chosen(down[cell]));
    std::vector<Statement> cover;
    cover.reserve(drawn);  // every line kept draws a cell no other line draws
    int64_t coverbytes = 0;
    for (size_t n = 0; n < runs.size(); ++n) {
        const size_t i = (n + rowruns) % runs.size();
        if (!chosen(i)) continue;
        const Run& r = runs[i];
        const auto cellof = [&](int k) { return r.vertical ? at(r.line, k) : at(k, r.line); };
        int need1 = r.first, need2 = r.last;
        while (need1 <= r.last && drawers[cellof(need1)] > 1) ++need1;
        while (need2 >= need1 && drawers[cellof(need2)] > 1) --need2;
        int from = r.first, to = r.first - 1;  // nothing kept unless a cell needs the run
        if (need1 <= need2) {
            int least = bytes[i];
            std::tie(from, to) = std::pair(r.first, r.last);
            for (int a : {r.first, need1})
                for (int b : {r.last, need2}) {
                    if (a == r.first && b == r.last) continue;  // weighed already
                    if (const int size = statementbytes(statement(r, a, b), model); size < least)
                        std::tie(from, to, least) = std::tuple(a, b, size);
                }
            cover.push_back(statement(r, from, to));
            coverbytes += least;
        }
        for (int k = r.first; k <= r.last; ++k)
            if (k < from || k > to) --drawers[cellof(k)];
    }

    if (linebytes < coverbytes || (linebytes == coverbytes && rowruns <= cover.size())) {
        cover.clear();
        for (size_t i = 0; i < rowruns; ++i) cover.push_back(statement(runs[i], runs[i].first, runs[i].last));
        return cover;
    }
    std::sort(cover.begin(), cover.end(), [](const Statement& a, const Statement& b) {
        return std::tie(a.y1, a.x1, a.y2) < std::tie(b.y1, b.x1, b.y2);
    });
    return cover;
}

void compactbody(const Grid& grid, const Model& model, std::u16string& text, const ProgressFn& showprogress) {
    for (const Statement& s : compactcover(grid, model)) appendstatement(text, s, model);
    // The strip ends full, as after the scan.
    if (showprogress) showprogress(double(grid.cellcount()), double(grid.cellcount()));
}

}  // namespace grafipix
