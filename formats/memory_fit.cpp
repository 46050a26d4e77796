// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/memory_fit.h"

#include "codegen/generator.h"
#include "codegen/tokens.h"

#include <cctype>

namespace grafipix {

namespace {

bool isscript(const Output& o) { return std::string_view(o.name) == "python"; }

const Output* pictureof(const Model& m) {
    const std::string_view kind = m.picturefile;
    return findoutput(kind == "g1m" ? "picture" : kind);
}

std::string picturename(const Model& m) { return "l'image " + std::string(pictureof(m)->extension); }

}  // namespace

std::string groupeddigits(long n) {
    std::string digits = std::to_string(n);
    for (int at = int(digits.size()) - 3; at > 0; at -= 3) digits.insert(size_t(at), " ");
    return digits;
}

MemoryFit memoryfit(const Output& output, const OutputSource& s, const std::string& bytes) {
    const Model& m = s.model;
    MemoryFit fit;
    // Pictures go to the picture memories, which hold them whole.
    if (!output.fromprogram) return fit;
    const bool script = isscript(output);
    fit.size = script ? long(bytes.size()) : calculatorsize(s.program, m);
    fit.most = script ? m.scriptmost : m.programmemory;
    if (fit.most == 0 || fit.size <= fit.most) return fit;
    const std::string calculator = std::string("la ") + m.menucaption;
    fit.line = script ? "Ce script ne se charge pas sur " + calculator + " : " + groupeddigits(fit.size) + " octets pour " +
                            groupeddigits(fit.most) + " au plus."
                      : "Ce programme ne tient pas dans la mémoire de " + calculator + " : " + groupeddigits(fit.size) +
                            " octets pour environ " + groupeddigits(fit.most) + ".";
    // The other form of the same drawing, where the model has it and it fits.
    std::string other;
    const std::vector<wincolour> colours(s.palette.begin(), s.palette.end());
    if (!script && m.python && m.scriptmost > 0) {
        const long size = long(generateprogram(s.grid, m, CodeMode::python, 0, {}, colours).text.size());
        if (size <= m.scriptmost) other = "Le script Python (" + groupeddigits(size) + " octets)";
    } else if (script && m.basic && m.programmemory > 0) {
        const long size = calculatorsize(generateprogram(s.grid, m, CodeMode::compact, 0, {}, colours).text, m);
        if (size >= 0 && size <= m.programmemory) other = "Le programme Basic (" + groupeddigits(size) + " octets)";
    }
    if (pictureof(m)) {
        const std::string picture = picturename(m);
        fit.line += other.empty() ? " " + std::string(1, char(std::toupper(picture[0]))) + picture.substr(1) + " tient."
                                  : " " + other + " ou " + picture + " tiennent.";
    } else if (!other.empty()) {
        fit.line += " " + other + " tient.";
    }
    return fit;
}

}  // namespace grafipix
