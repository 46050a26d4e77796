// SPDX-License-Identifier: GPL-3.0-or-later
#include "codegen/tokens.h"

#include <array>

#include "calculator/model_table.h"

namespace grafipix {

namespace {

struct Word {
    std::u16string_view text;
    std::string_view bytes;
};

// A command's token holds the blank after its name.
constexpr std::array<Word, 14> words{{
    {u"ClrGraph", "\xF7\x19"},
    {u"ViewWindow ", "\xEB"},
    {u"F-Line ", "\xF7\xA7"},
    {u"Horizontal ", "\xF7\xA4"},
    {u"PxlOn ", "\xF7\xAB"},
    {u"StoPict ", "\xF7\x93"},
    {u"S-WindMan", "\xF7\x61"},
    {u"S-Gph1 ", "\xF7\x4A"},
    {u"DrawOn", "\xF7\xCC"},
    {u"DrawStat", "\xF7\x23"},
    {u"Scatter", "\xF7\x50"},
    {u"Dot", "\xF7\x4F"},
    {u"List ", "\x7F\x51"},
    {u"Prog ", "\xED"},
}};

constexpr char arrow = 0x0E, lineend = 0x0D;
// Subtraction's minus, which the calculators' own programs also write where
// a value starts negative; the negative sign (87) is another token.
constexpr char plus = '\x89', minus = '\x99';

bool plain(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || c == u',' || c == u'{' || c == u'}' || c == u' ' ||
           c == u'"';
}

// The colour word in front of a drawing command, and its token; none when
// the line has no word of the palette.
const PaletteColour* colourword(std::u16string_view line, const Model& m) {
    for (const PaletteColour& c : m.palette)
        if (!c.word.empty() && line.starts_with(c.word) && line.substr(c.word.size()).starts_with(u' ')) return &c;
    return nullptr;
}

// The scatter set-up without its colour, which the calculators take with six arguments.
std::u16string_view withoutplotcolour(std::u16string_view line) {
    if (!line.starts_with(u"S-Gph1 ") || !line.ends_with(u' ')) return line;
    const size_t comma = line.rfind(u',');
    return comma == line.npos ? line : line.substr(0, comma);
}

}  // namespace

Tokens tokenize(std::u16string_view text, const Model& model) {
    Tokens t;
    t.bytes.reserve(text.size());
    for (int number = 1; !text.empty(); ++number) {
        const size_t end = text.find(u"\r\n");
        std::u16string_view line = text.substr(0, end);
        text = end == std::u16string_view::npos ? std::u16string_view() : text.substr(end + 2);
        if (line.ends_with(u'\u00D9')) line.remove_suffix(1);  // FA-124's line-end mark
        if (const PaletteColour* c = colourword(line, model)) {
            t.bytes += c->token;
            line.remove_prefix(c->word.size() + 1);
        }
        line = withoutplotcolour(line);
        while (!line.empty()) {
            // Every command begins with a capital; no command begins another.
            const Word* found = nullptr;
            if (line[0] >= u'A' && line[0] <= u'Z')
                for (const Word& w : words)
                    if (line.starts_with(w.text)) {
                        found = &w;
                        break;
                    }
            if (found) {
                t.bytes += found->bytes;
                line.remove_prefix(found->text.size());
            } else if (line[0] == u'\u00DE' || line[0] == u'\u00E3') {  // either link program's arrow
                t.bytes += arrow;
                line.remove_prefix(1);
            } else if (line[0] == u'+' || line[0] == u'-') {
                t.bytes += line[0] == u'+' ? plus : minus;
                line.remove_prefix(1);
            } else if (plain(line[0])) {
                t.bytes += static_cast<char>(line[0]);
                line.remove_prefix(1);
            } else {
                return Tokens{{}, 0, "la ligne " + std::to_string(number) + " contient ce que la calculatrice ne connaît pas"};
            }
        }
        ++t.statements;
        if (end != std::u16string_view::npos) t.bytes += lineend;
    }
    return t;
}

namespace {

// The colour word whose token starts `bytes`, of `model`'s palette.
const PaletteColour* colourtoken(std::string_view bytes, const Model* model) {
    if (model)
        for (const PaletteColour& c : model->palette)
            if (!c.token.empty() && bytes.starts_with(c.token)) return &c;
    return nullptr;
}

bool detokenize(std::string_view bytes, std::u16string& text, const Model* model) {
    text.clear();
    for (bool linestart = true; !bytes.empty(); linestart = text.ends_with(u"\r\n")) {
        // A word stands before a drawing command, at the head of its line.
        if (const PaletteColour* c = linestart ? colourtoken(bytes, model) : nullptr) {
            text += c->word;
            text += u' ';
            bytes.remove_prefix(c->token.size());
            continue;
        }
        const Word* found = nullptr;
        for (const Word& w : words)
            if (bytes.starts_with(w.bytes)) found = &w;
        const char b = bytes[0];
        if (found) {
            text += found->text;
            bytes.remove_prefix(found->bytes.size());
            continue;
        }
        if (b == arrow) text += u'\u00DE';
        else if (b == plus) text += u'+';
        else if (b == minus) text += u'-';
        else if (b == lineend) text += u"\r\n";
        else if (plain(static_cast<unsigned char>(b))) text += static_cast<char16_t>(b);
        else return false;
        bytes.remove_prefix(1);
    }
    return true;
}

}  // namespace

bool detokenize(std::string_view bytes, std::u16string& text) { return detokenize(bytes, text, nullptr); }

bool detokenize(std::string_view bytes, std::u16string& text, const Model& model) { return detokenize(bytes, text, &model); }

long programbodysize(long tokenbytes) { return 10 + tokenbytes + (4 - (10 + tokenbytes) % 4); }

long calculatorsize(std::u16string_view text, const Model& model) {
    const Tokens t = tokenize(text, model);
    return t.error.empty() ? programbodysize(static_cast<long>(t.bytes.size())) : -1;
}

}  // namespace grafipix
