// The 16-dot bitmap font: 8 x 16 half-width and 16 x 16 full-width glyphs.
#pragma once
#include <cstdint>

namespace con {

/// The glyph of a code point: 16 rows; each row's bits from the most significant bit
/// (bit 15) leftwards; a half-width glyph uses bits 15-8. Returns false when the font has none.
bool glyph(char32_t code, std::uint16_t rows[16], int* width);

/// Whether a glyph is a box-drawing character (stretched over the cell's two spare rows).
bool is_box_drawing(char32_t code);

}  // namespace con
