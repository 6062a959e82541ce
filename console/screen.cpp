// The screen model: text grid rules (cell-by-cell overwrite, deferred wrap, scroll) and dumps.
#include "console/screen.h"

#include <algorithm>
#include <cstring>

#include "console/text.h"

namespace con {

Screen::Screen() = default;

void Screen::clear(int mode) {
    for (auto& row : text_) row.fill(TextCell{});
    if (mode == 0)
        for (auto& row : plane_) row.fill(0);
    column_ = 0;
    row_ = 0;
    pending_ = false;
    ++version_;
}

void Screen::set_cursor(int column, int row) {
    column_ = column;
    row_ = row;
    pending_ = false;
}

void Screen::set_cell(int column, int row, const TextCell& c) {
    text_[row][column] = c;
    ++version_;
}

// Writing over one half of a wide character blanks its other half: no half glyph is shown.
void Screen::break_wide_at(int column, int row) {
    if (column < 0 || column >= kColumns) return;
    TextCell& c = text_[row][column];
    if (c.part == 1 && column + 1 < kColumns) text_[row][column + 1] = TextCell{};
    if (c.part == 2 && column > 0) text_[row][column - 1] = TextCell{};
    c = TextCell{};
}

void Screen::wrap_now() {
    pending_ = false;
    column_ = 0;
    if (row_ == kRows - 1)
        scroll();
    else
        ++row_;
}

void Screen::put_unit(char32_t code, bool raw, int width) {
    if (pending_) wrap_now();
    if (width == 2 && column_ == kColumns - 1) wrap_now();
    // Blanks, control codes and lone bytes leave an empty cell (the plane shows through).
    char32_t shown = (raw || code <= 0x20 || code == 0x7F) ? 0 : code;
    if (width == 2) {
        break_wide_at(column_, row_);
        break_wide_at(column_ + 1, row_);
        text_[row_][column_] = TextCell{shown, colour_, static_cast<std::uint8_t>(shown ? 1 : 0)};
        text_[row_][column_ + 1] = TextCell{shown, colour_, static_cast<std::uint8_t>(shown ? 2 : 0)};
        if (!shown) text_[row_][column_].colour = text_[row_][column_ + 1].colour = 0;
    } else {
        break_wide_at(column_, row_);
        text_[row_][column_] = shown ? TextCell{shown, colour_, 0} : TextCell{};
    }
    column_ += width;
    if (column_ >= kColumns) {
        column_ = kColumns - 1;
        pending_ = true;
    }
}

void Screen::write(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        TextUnit u = next_unit(text, i);
        i += u.length;
        put_unit(u.code, u.raw, u.width);
    }
    ++version_;
}

void Screen::line_end() {
    wrap_now();
    ++version_;
}

void Screen::line_end_no_scroll() {
    pending_ = false;
    column_ = 0;
    if (row_ < kRows - 1) ++row_;
}

void Screen::scroll() {
    for (int r = 0; r + 1 < kRows; ++r) text_[r] = text_[r + 1];
    text_[kRows - 1].fill(TextCell{});
    std::memmove(&plane_[0][0], &plane_[kCellHeight][0],
                 static_cast<std::size_t>(kPlaneWidth) * (kPlaneHeight - kCellHeight));
    for (int y = kPlaneHeight - kCellHeight; y < kPlaneHeight; ++y) plane_[y].fill(0);
    row_ = kRows - 1;
    column_ = 0;
    pending_ = false;
    ++version_;
}

std::string Screen::row_text(int row) const {
    std::string out;
    for (int c = 0; c < kColumns; ++c) {
        const TextCell& cell = text_[row][c];
        if (cell.code == 0) {
            out += ' ';
        } else if (cell.part == 2) {
            continue;  // written with its left half
        } else {
            append_utf8(out, cell.code);
        }
    }
    return out;
}

std::string Screen::dump_text() const {
    std::string out;
    for (int r = 0; r < kRows; ++r) {
        std::string line = row_text(r);
        line.erase(line.find_last_not_of(' ') + 1);
        out += line;
        out += '\n';
    }
    return out;
}

std::string Screen::dump_colours() const {
    std::string out;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kColumns; ++c) {
            const TextCell& cell = text_[r][c];
            out += cell.code == 0 ? '.' : static_cast<char>('0' + cell.colour);
        }
        out += '\n';
    }
    return out;
}

std::array<std::uint8_t, 3> palette_rgb(int index) {
    // Graphics colours 0-15: the odd ones 3-15 are the bright hues of the text colours 1-7,
    // the even ones their darker shades; 1 is mid grey and 14 light grey.
    static const std::array<std::array<std::uint8_t, 3>, 16> graphics = {{
        {0, 0, 0},       {128, 128, 128}, {0, 0, 128},   {0, 0, 255},
        {128, 0, 0},     {255, 0, 0},     {128, 0, 128}, {255, 0, 255},
        {0, 128, 0},     {0, 255, 0},     {0, 128, 128}, {0, 255, 255},
        {128, 128, 0},   {255, 255, 0},   {192, 192, 192}, {255, 255, 255},
    }};
    if (index >= 0 && index < 16) return graphics[index];
    if (index == 16) return {0, 0, 0};
    if (index > 16 && index < 24) return graphics[2 * (index - 16) + 1];
    return {0, 0, 0};
}

}  // namespace con
