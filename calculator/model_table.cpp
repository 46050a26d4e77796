#include "calculator/model_table.h"

#include <array>

namespace grafipix {

namespace {

constexpr std::array<Model, 4> rows{{
    {"g35", "Graph 35", 1, false, &fxinterface, 6, "g1m"},
    {"g65", "Graph 65", 1, true, &fxinterface, 6, ""},
    {"g85", "Graph 85 (sd)", 1, false, &fa124, 6, "g1m"},
    {"g100", "Graph 100", 2, false, &fxinterface, 20, ""},
}};

}  // namespace

std::span<const Model> models() { return rows; }

const Model* findmodel(std::string_view name) {
    for (const Model& m : rows)
        if (name == m.name) return &m;
    return nullptr;
}

}  // namespace grafipix
