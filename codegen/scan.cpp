#include "codegen/scan.h"

#include "codegen/statement.h"

namespace grafipix {

namespace {

constexpr double progresstotal = 8192;  // 128 x 64 cells of the grid

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
            // A single cell is a PxlOn line in mode 1 and a list point in mode 2.
            if (runlen >= 2 || codemode == CodeMode::fline)
                appendstatement(text, rowstatement(c, y, x, x + runlen - 1), eolmark);
            else if (codemode == CodeMode::drawstat)
                addpoint(points, c, x, gy);
            x += runlen;
        }
    }
    // The cells left out still count as visited: the strip ends full.
    if (showprogress) showprogress(progresstotal, progresstotal);
}

}  // namespace grafipix
