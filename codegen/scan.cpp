// SPDX-License-Identifier: GPL-3.0-or-later
#include "codegen/scan.h"

#include "calculator/model_table.h"
#include "codegen/statement.h"

namespace grafipix {

void scanimage(const Grid& grid, const Model& model, CodeMode codemode, std::u16string& text, PointLists& points,
               const ProgressFn& showprogress) {
    const double progresstotal = static_cast<double>(grid.cellcount());
    // The border lies off the screen ("PxlOn" of its row even stops the
    // program), so the scan and every run stop at the screen's edge.
    for (int y = 1; y <= grid.rows(); ++y) {
        const int gy = grid.maxy() - y;
        for (int x = 1; x <= grid.columns();) {
            if (showprogress) showprogress(static_cast<double>(x) * y, progresstotal);
            const int16_t c = grid.get(x, y);
            if (c < ink || c >= model.codes()) {
                ++x;
                continue;
            }
            int runlen = 1;
            while (x + runlen <= grid.columns() && grid.get(x + runlen, y) == c) ++runlen;
            // A single cell is a PxlOn line in mode 1 and a list point in mode 2.
            if (runlen >= 2 || codemode == CodeMode::fline)
                appendstatement(text, rowstatement(c, y, x, x + runlen - 1, grid.columns()), model);
            else if (codemode == CodeMode::drawstat)
                addpoint(points, c, x, gy);
            x += runlen;
        }
    }
    // The cells left out still count as visited: the strip ends full.
    if (showprogress) showprogress(progresstotal, progresstotal);
}

}  // namespace grafipix
