// The compiled-in glyph table: the characters the programs' texts use, glyph widths that match
// the CP932 cell widths, and the ASCII forms of backslash and tilde.
#include <gtest/gtest.h>

#include <string>

#include "console/font.h"
#include "console/text.h"

namespace {

struct Glyph {
    bool found = false;
    int width = 0;
    std::uint16_t rows[16] = {};
};

Glyph lookup(char32_t code) {
    Glyph g;
    g.found = con::glyph(code, g.rows, &g.width);
    return g;
}

/// The leftmost lit column of a glyph row (-1 when the row is empty).
int leftmost(std::uint16_t row) {
    for (int b = 0; b < 16; ++b)
        if (row & (0x8000u >> b)) return b;
    return -1;
}

}  // namespace

TEST(Font, CharactersOfTheProgramsTextsHaveGlyphsOfTheirCellWidth) {
    // The less common characters of the texts: marks, full-width punctuation, blank, digits
    // and letters, the CP932 forms of the wave dash and minus, the half-width degree mark,
    // and box-drawing characters.
    const std::string texts[] = {"●", "★", "＊", "・", "（", "）", "　", "～", "－", "ﾟ", "Ｂ", "１", "７", "Ｄ",
                                 "ｍ", "、", "！", "＋", "．", "／", "■", "─", "│", "┌", "┼", "ｱ", "~", "\\", "A"};
    for (const std::string& text : texts) {
        const con::TextUnit u = con::next_unit(text, 0);
        ASSERT_EQ(u.length, text.size()) << text;
        const Glyph g = lookup(u.code);
        EXPECT_TRUE(g.found) << text;
        EXPECT_EQ(g.width, 8 * u.width) << text;
    }
}

TEST(Font, EveryHalfWidthCharacterIsEightPixelsWide) {
    for (char32_t c = 0x21; c < 0x7F; ++c) {
        const Glyph g = lookup(c);
        EXPECT_TRUE(g.found && g.width == 8) << "U+" << std::hex << unsigned(c);
    }
    for (char32_t c = 0xFF61; c <= 0xFF9F; ++c) {
        const Glyph g = lookup(c);
        EXPECT_TRUE(g.found && g.width == 8) << "U+" << std::hex << unsigned(c);
    }
}

TEST(Font, BackslashAndTildeAreTheAsciiForms) {
    // A backslash runs from top left to bottom right (a yen sign is symmetric); a tilde waves
    // over several rows (an overline is a single row).
    const Glyph backslash = lookup(U'\\');
    int first = -1, last = -1;
    for (int r = 0; r < 16; ++r) {
        if (!backslash.rows[r]) continue;
        if (first < 0) first = r;
        last = r;
    }
    ASSERT_GE(first, 0);
    EXPECT_LT(leftmost(backslash.rows[first]) + 3, leftmost(backslash.rows[last]));
    const Glyph tilde = lookup(U'~');
    int lit_rows = 0;
    for (std::uint16_t row : tilde.rows) lit_rows += row != 0;
    EXPECT_GE(lit_rows, 2);
}

TEST(Font, AbsentCharactersAndBoxDrawing) {
    struct Case {
        const char* name;
        char32_t code;
        bool found;
        bool box;
    };
    const Case cases[] = {
        {"control code", 0x01, false, false},
        {"Latin-1 letter, not in CP932", 0xE9, false, false},
        {"JIS form of the wave dash (CP932 text holds U+FF5E)", 0x301C, false, false},
        {"beyond the table", 0x10FFFF, false, false},
        {"first box-drawing code", 0x2500, true, true},
        {"box-drawing corner", 0x2518, true, true},
        {"last box-drawing code", 0x257F, false, true},
        {"black circle", 0x25CF, true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(lookup(c.code).found, c.found) << c.name;
        EXPECT_EQ(con::is_box_drawing(c.code), c.box) << c.name;
    }
}
