// The screen model: an 80 x 24 text grid of 8 x 18-pixel cells, drawn with a transparent
// background over a 640 x 432 indexed graphics plane.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace con {

inline constexpr int kColumns = 80;
inline constexpr int kRows = 24;
inline constexpr int kCellWidth = 8;
inline constexpr int kCellHeight = 18;
inline constexpr int kPlaneWidth = 640;
inline constexpr int kPlaneHeight = 432;

/// A screen column 0-79 (made whole by rounding halves away from zero). Distinct from `Row`
/// so that a swapped `locate` does not compile.
struct Col {
    long double v;
    explicit constexpr Col(long double x) : v(x) {}
};
/// A screen row 0-23 (made whole by rounding halves away from zero).
struct Row {
    long double v;
    explicit constexpr Row(long double x) : v(x) {}
};

/// One text cell. An empty cell (code 0) shows the plane beneath it.
struct TextCell {
    char32_t code = 0;     ///< character; 0 = blank
    std::uint8_t colour = 0;
    std::uint8_t part = 0; ///< 0 single cell, 1 left half of a wide character, 2 right half
    bool operator==(const TextCell&) const = default;
};

/// Text layer, plane, cursor and colour. Pure data and rules; no input, no output device.
class Screen {
public:
    Screen();

    /// Clears text and drawings (mode 0) or the text only (mode 4); the cursor goes home,
    /// the colour stays.
    void clear(int mode);
    /// Moves the cursor (already range-checked, 0-based).
    void set_cursor(int column, int row);
    int cursor_column() const { return column_; }
    int cursor_row() const { return row_; }
    /// Whether a write into column 79 left a wrap pending.
    bool wrap_pending() const { return pending_; }
    void set_colour(int c) { colour_ = static_cast<std::uint8_t>(c); }
    int colour() const { return colour_; }

    /// Writes text at the cursor, cell by cell, in the current colour; the cursor ends behind
    /// it. Writing column 79 leaves a wrap pending; the next character wraps to the next row
    /// (scrolling from row 23). A wide character that would start in column 79 wraps first.
    void write(std::string_view text);
    /// A line end: the cursor goes to column 0 of the next row; on row 23 text and drawings
    /// scroll up one row. A line end while a wrap is pending advances one row only.
    void line_end();
    /// Like line_end, but on row 23 the cursor goes to column 0 without scrolling.
    void line_end_no_scroll();
    /// Scrolls text and drawings up one row.
    void scroll();

    const TextCell& cell(int column, int row) const { return text_[row][column]; }
    void set_cell(int column, int row, const TextCell& c);
    std::uint8_t pixel(int x, int y) const { return plane_[y][x]; }
    void set_pixel(int x, int y, int colour) {
        plane_[y][x] = static_cast<std::uint8_t>(colour);
        ++version_;
    }
    /// The plane's rows, for bulk drawing; call touch() after changing it.
    std::uint8_t* plane_row(int y) { return plane_[y].data(); }
    const std::uint8_t* plane_row(int y) const { return plane_[y].data(); }
    void touch() { ++version_; }
    /// Grows whenever anything visible changes (the window presents only on change).
    std::uint64_t version() const { return version_; }

    /// The text screen as 24 UTF-8 lines (a wide character written once; trailing blanks dropped).
    std::string dump_text() const;
    /// 24 lines of 80 colour digits, "." where a cell is blank.
    std::string dump_colours() const;
    /// Row `row` as UTF-8 text (wide characters once, trailing blanks kept to column 79).
    std::string row_text(int row) const;

    /// The composed picture as 640 x 432 palette indices: the plane with the text glyphs
    /// over it (text colour t uses palette entry 16 + t).
    void compose(std::uint8_t* out) const;

private:
    void put_unit(char32_t code, bool raw, int width);
    void wrap_now();
    void break_wide_at(int column, int row);

    std::array<std::array<TextCell, kColumns>, kRows> text_{};
    std::array<std::array<std::uint8_t, kPlaneWidth>, kPlaneHeight> plane_{};
    int column_ = 0;
    int row_ = 0;
    bool pending_ = false;
    std::uint8_t colour_ = 7;
    std::uint64_t version_ = 1;
};

/// RGB of a palette index: 0-15 the graphics colours, 16-23 the text colours 0-7.
std::array<std::uint8_t, 3> palette_rgb(int index);

}  // namespace con
