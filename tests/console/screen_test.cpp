// The text grid's rules: cell-by-cell overwrite, deferred wrap, scrolling with the drawings,
// clearing, and the dumps.
#include <gtest/gtest.h>

#include "console/screen.h"

namespace {

TEST(Screen, StartsEmptyWithColourSevenAtHome) {
    con::Screen s;
    EXPECT_EQ(s.cursor_column(), 0);
    EXPECT_EQ(s.cursor_row(), 0);
    EXPECT_EQ(s.colour(), 7);
    EXPECT_EQ(s.dump_text(), std::string(24, '\n'));
    EXPECT_EQ(s.pixel(639, 431), 0);
}

TEST(Screen, PrintingMovesTheCursorBehindTheText) {
    con::Screen s;
    s.set_cursor(35, 20);
    s.write("Hit Any Key");
    EXPECT_EQ(s.cursor_column(), 46);
    EXPECT_EQ(s.row_text(20).substr(35, 11), "Hit Any Key");
    s.set_pixel(36 * 8 + 3, 20 * 18 + 5, 9);
    // Blanking writes empty cells: the text goes, the drawing beneath stays.
    s.set_cursor(35, 20);
    s.write("           ");
    EXPECT_EQ(s.cursor_column(), 46);
    EXPECT_EQ(s.cursor_row(), 20);
    EXPECT_EQ(s.row_text(20).find_first_not_of(' '), std::string::npos);
    EXPECT_EQ(s.pixel(36 * 8 + 3, 20 * 18 + 5), 9);
}

TEST(Screen, WideCharactersTakeTwoCellsAndOverwriteCellByCell) {
    con::Screen s;
    s.write("誘爆発生");
    EXPECT_EQ(s.cursor_column(), 8);
    s.set_cursor(4, 0);
    s.write("進行");
    EXPECT_EQ(s.dump_text().substr(0, s.dump_text().find('\n')), "誘爆進行");
    // Writing over one half of a wide character blanks its other half.
    s.set_cursor(1, 0);
    s.write("A");
    EXPECT_EQ(s.cell(0, 0).code, 0u);
    EXPECT_EQ(s.row_text(0).substr(0, 2), " A");
    s.set_cursor(0, 1);
    s.write("14/45新式");
    s.set_cursor(0, 1);
    s.write("14/50");
    EXPECT_EQ(s.row_text(1).substr(0, 11), "14/50新式");
}

TEST(Screen, DeferredWrapAtColumn80) {
    con::Screen s;
    s.set_cursor(76, 3);
    s.write("ABCD");
    // Column 79 written: the cursor waits there until the next character.
    EXPECT_EQ(s.cursor_row(), 3);
    EXPECT_TRUE(s.wrap_pending());
    s.write("E");
    EXPECT_EQ(s.cursor_row(), 4);
    EXPECT_EQ(s.cursor_column(), 1);
    EXPECT_EQ(s.cell(0, 4).code, U'E');
    // A line end while the wrap is pending advances one row only.
    s.set_cursor(78, 6);
    s.write("XY");
    s.line_end();
    EXPECT_EQ(s.cursor_row(), 7);
    EXPECT_EQ(s.cursor_column(), 0);
    // A wide character that would start in column 79 wraps first; column 79 stays as it was.
    s.set_cursor(79, 8);
    s.write("空");
    EXPECT_EQ(s.cell(79, 8).code, 0u);
    EXPECT_EQ(s.cell(0, 9).code, U'空');
    EXPECT_EQ(s.cell(1, 9).part, 2);
}

TEST(Screen, ColumnSeventyNineOfTheLastRowDoesNotScrollUntilMoreComes) {
    con::Screen s;
    s.set_cursor(0, 0);
    s.write("TOP");
    s.set_cursor(79, 23);
    s.write("Z");
    EXPECT_EQ(s.cell(0, 0).code, U'T');
    EXPECT_EQ(s.cell(79, 23).code, U'Z');
    s.write("!");  // now the wrap scrolls
    EXPECT_EQ(s.cell(0, 0).code, 0u);
    EXPECT_EQ(s.cell(79, 22).code, U'Z');
    EXPECT_EQ(s.cell(0, 23).code, U'!');
}

TEST(Screen, LineEndOnRow23ScrollsTextAndDrawingsTogether) {
    con::Screen s;
    s.set_cursor(0, 1);
    s.write("second");
    s.set_pixel(5, 18 + 4, 9);     // inside row 1's cell band
    s.set_pixel(5, 431, 12);       // bottom row of the plane
    s.set_cursor(0, 23);
    s.write("last");
    s.line_end();
    EXPECT_EQ(s.row_text(0).substr(0, 6), "second");
    EXPECT_EQ(s.pixel(5, 4), 9);
    EXPECT_EQ(s.pixel(5, 431 - 18), 12);
    EXPECT_EQ(s.pixel(5, 431), 0);
    EXPECT_EQ(s.row_text(22).substr(0, 4), "last");
    EXPECT_EQ(s.cursor_row(), 23);
    EXPECT_EQ(s.cursor_column(), 0);
}

TEST(Screen, ClearModesAndColourPersistence) {
    con::Screen s;
    s.set_colour(4);
    s.write("text");
    s.set_pixel(1, 1, 9);
    s.clear(4);
    EXPECT_EQ(s.cell(0, 0).code, 0u);
    EXPECT_EQ(s.pixel(1, 1), 9);  // mode 4 keeps the drawings
    EXPECT_EQ(s.colour(), 4);
    s.write("x");
    s.clear(0);
    EXPECT_EQ(s.pixel(1, 1), 0);
    EXPECT_EQ(s.cursor_column(), 0);
    EXPECT_EQ(s.colour(), 4);
}

TEST(Screen, DumpsWriteWideCharactersOnceAndBlankCellsAsDots) {
    con::Screen s;
    s.set_colour(6);
    s.write("第 3 ターン");
    std::string text = s.dump_text();
    EXPECT_EQ(text.substr(0, text.find('\n')), "第 3 ターン");
    std::string colours = s.dump_colours();
    EXPECT_EQ(colours.substr(0, 12), "66.6.666666.");
    EXPECT_EQ(colours.size(), 24u * 81u);
}

TEST(Screen, LoneBytePrintsAsOneBlankCell) {
    con::Screen s;
    s.write(std::string("A\x82" "B"));
    EXPECT_EQ(s.cell(1, 0).code, 0u);
    EXPECT_EQ(s.cell(2, 0).code, U'B');
}

}  // namespace
