// kelmat95: the designer's main-battery layout step for a modified real class or an own
// design - the navy's layouts in the reference column, the list of the 22 layouts, the
// question, and the main-battery weight of the chosen layout.
#include "gunnery/blocks.h"
#include "gunnery/dialogue.h"

namespace kelmat {

using con::Col;
using con::Row;

namespace {

// The 22 layouts as the list shows them: guns, turrets and their places (前 forward, 中
// amidships, 後 aft, 側 on the beam). Layout k stands on row k + 1; the gun counts end in
// column 14.
struct LayoutText {
    int column;
    const char* text;
};
constexpr LayoutText kLayoutTexts[22] = {
    {14, "4  (2 X 2  前１後１)"},       {14, "6  (2 X 3  前２後１)"},       {14, "6  (3 X 2  前１後１)"},
    {14, "8  (2 X 4  前２後２)"},       {14, "8  (2 X 4  前１後１側２)"},   {14, "8  (4 X 2  前１後１)"},
    {14, "8  (4 X 2  前２)"},           {14, "9  (3 X 3  前２後１)"},       {14, "9  (3 X 3  前３)"},
    {13, "10  (2 X 5  前２中１後２)"},  {13, "10  (2 X 5  前１後２側２)"},  {13, "10  (3 X 2 + 2 X 2) "},
    {13, "10  (4 X 2 + 2  前２後１)"},  {13, "12  (2 X 6  前２中２後２)"},  {13, "12  (2 X 6  前２後２側２)"},
    {13, "12  (2 X 6  前１後１側４)"},  {13, "12  (3 X 4  前２後２)"},      {13, "12  (3 X 4  前１中２後１)"},
    {13, "12  (4 X 3  前１中１後１)"},  {13, "12  (4 X 2 + 2 X 2)"},        {13, "13  (3 X 3 + 2 X 2) "},
    {13, "16  (4 X 4  前１中１後２)"},
};

}  // namespace

Block LAYOUT_STEP(Kelmat& s) {
    // The read position stands after the calibre texts: the next 22 are the navy's layouts.
    SHOW_REFERENCE_COLUMN(s);
    for (int row = 2; row <= 23; ++row) con::print_at(Col(0), Row(row), con::space_string(44));
    // Erases the line the calibre step drew under its list.
    con::draw_line(180, 198, 330, 198, 0);
    con::color(7);
    for (int k = 1; k <= 22; ++k) {
        con::locate(Col(8), Row(k + 1));
        con::print_using_start("##");
        con::print_using_single(static_cast<float>(k));
        con::print_using_end(false);
    }
    con::color(6);
    for (int k = 1; k <= 22; ++k)
        con::print_at(Col(kLayoutTexts[k - 1].column), Row(k + 1), kLayoutTexts[k - 1].text);
    const auto ask = [] { show({{20, 1, kColourInForce, "主砲の門数は ?        "}}); };
    ask_number(s.LAYOUT_NO, ask, {36, 1, " "}, 1, 22, false);
    store_group_field(s, A_LAYOUT, s.LAYOUT_NO);
    s.TT(TT_LAYOUT_GUN) = s.GUN_TYPE;
    s.TT(TT_LAYOUT) = s.LAYOUT_NO;
    CALC3(s);
    s.MAIN_BATTERY_WEIGHT = s.Z(Z_BATTERY_WEIGHT);
    return Block::SpeedStep;
}

}  // namespace kelmat
