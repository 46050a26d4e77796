#include "codegen/scan.h"

namespace grafipix {

namespace {

constexpr double progresstotal = 8192;  // 128 x 64 cells of the grid

std::u16string_view colourword(int c) {
    switch (c) {
        case green: return u"Green ";
        case orange: return u"Orange ";
        default: return u"";  // ink carries no word
    }
}

}  // namespace

void scanimage(const Grid& grid, CodeMode codemode, std::u16string_view eolmark, std::u16string& text,
               PointLists& points, const ProgressFn& showprogress) {
    // Column 128 and row 64 lie off the screen ("PxlOn 64,x" even stops the
    // program), so the scan and every run stop at the screen's edge.
    for (int y = 1; y <= screenrows; ++y) {
        const int gy = 64 - y;
        for (int x = 1; x <= screencolumns;) {
            if (showprogress) showprogress(static_cast<double>(x) * y, progresstotal);
            const int16_t c = grid.get(x, y);
            if (c < ink || c > orange) {
                ++x;
                continue;
            }
            int runlen = 1;
            while (x + runlen <= screencolumns && grid.get(x + runlen, y) == c) ++runlen;
            if (runlen >= 2) {
                text += colourword(c);
                // Horizontal draws the whole row, so only a run over all of it may use it.
                if (runlen == screencolumns) {
                    text += u"Horizontal ";
                    appendnumber(text, gy);
                } else {
                    text += u"F-Line ";
                    appendnumber(text, x);
                    text += u',';
                    appendnumber(text, gy);
                    text += u',';
                    appendnumber(text, x + runlen - 1);
                    text += u',';
                    appendnumber(text, gy);
                }
                endline(text, eolmark);
            } else if (codemode == CodeMode::fline) {
                text += colourword(c);
                text += u"PxlOn ";
                appendnumber(text, y);
                text += u',';
                appendnumber(text, x);
                endline(text, eolmark);
            } else if (codemode == CodeMode::drawstat) {
                addpoint(points, c, x, gy);
            }
            x += runlen;
        }
    }
    // The cells left out still count as visited: the strip ends full.
    if (showprogress) showprogress(progresstotal, progresstotal);
}

}  // namespace grafipix
