// MORVA95F: the coasts of the operational map's target areas and the drawing of one of them.
#pragma once
#include <vector>

#include "console/numbers.h"

namespace morva95f {

/// One element of a coast drawing, in pixel coordinates.
struct CoastElement {
    enum class Kind {
        FilledBox,  ///< x1, y1, x2, y2: every pixel between the corners
        Outline,    ///< x, y of each vertex: lines from each to the next and back to the first
        Line,       ///< x1, y1, x2, y2
        Fill,       ///< x, y: the seed of a fill up to the land colour
        Arc,        ///< cx, cy, r, start, end (fractions of a turn, clockwise from east)
        Disc,       ///< cx, cy, r: a filled circle
    };
    Kind kind;
    std::vector<float> values;
};

/// A target area's coast: its elements in drawing order.
using CoastDrawing = std::vector<CoastElement>;

/// The coast of target base b: bases 1-6 (and any value outside 1-21) share one; 11 and 14
/// have none.
const CoastDrawing& coast_of(long base);

/// Draws a coast in the land colour 9.
void draw_coast(const CoastDrawing& drawing);

/// A circle and the fill of its inside from the centre, both in `colour`.
void filled_disc(con::real cx, con::real cy, con::real r, int colour);

}  // namespace morva95f
