// The composed picture: the graphics plane with the text layer's glyphs drawn over it.
#include <cstring>

#include "console/font.h"
#include "console/screen.h"

namespace con {
namespace {

/// Palette entry of text colour t (entries 0-15 are the graphics colours).
constexpr int kTextPalette = 16;

/// Draws one glyph into a 640 x 432 picture with its top-left corner at (x0, y0).
void put_glyph(std::uint8_t* out, int x0, int y0, int first_row, int last_row, const std::uint16_t rows[16],
               int width, std::uint8_t colour) {
    for (int r = first_row; r <= last_row; ++r) {
        const int y = y0 + r;
        const std::uint16_t bits = rows[r < 0 ? 0 : (r > 15 ? 15 : r)];
        if (y < 0 || y >= kPlaneHeight || bits == 0) continue;
        std::uint8_t* line = out + static_cast<std::size_t>(y) * kPlaneWidth;
        for (int b = 0; b < width && x0 + b < kPlaneWidth; ++b)
            if (bits & (0x8000u >> b)) line[x0 + b] = colour;
    }
}

}  // namespace

// The 16-dot glyph sits one pixel below the top of its 18-pixel cell. Box-drawing glyphs are
// stretched over the two spare rows (their top row repeated above, their bottom row below) so
// that frames drawn with them join from one text row to the next. Text is transparent: only
// glyph pixels change the picture.
void Screen::compose(std::uint8_t* out) const {
    for (int y = 0; y < kPlaneHeight; ++y)
        std::memcpy(out + static_cast<std::size_t>(y) * kPlaneWidth, plane_[y].data(), kPlaneWidth);
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            const TextCell& cell = text_[r][c];
            if (cell.code == 0 || cell.part == 2) continue;  // a wide character is drawn from its left half
            std::uint16_t rows[16];
            int width = 0;
            if (!glyph(cell.code, rows, &width)) continue;
            const int cells = cell.part == 1 ? 2 : 1;
            if (width > cells * kCellWidth) width = cells * kCellWidth;
            const bool stretch = is_box_drawing(cell.code);
            put_glyph(out, c * kCellWidth, r * kCellHeight + 1, stretch ? -1 : 0, stretch ? 16 : 15, rows, width,
                      static_cast<std::uint8_t>(kTextPalette + (cell.colour & 7)));
        }
    }
}

}  // namespace con
