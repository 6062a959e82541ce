// kelmat95: the ship data viewer's class table - calibre, short layout, year (or a fictional
// class's novelist), armour, speed and displacement with their estimate marks, and in mode 0
// the nationality of every class.
#include "gunnery/ship_data_viewer.h"

namespace kelmat {

using con::Col;
using con::L;
using con::Row;

namespace {

constexpr const char* kNationalities[8] = {"",       "日本",     "アメリカ", "イギリス",
                                           "ドイツ", "フランス", "イタリア", "ソビエト"};
constexpr int kFictionalNation = 8;

int viewer_column_offset(const Kelmat& s) { return static_cast<int>(s.VIEWER_COLUMN_OFFSET); }
Row class_row(float c) { return Row(L(c) + 1); }

// Item `n` (1-based) of a group of the viewer's stored texts.
std::string viewer_text(Kelmat& s, const char* group, int n) {
    s.data.restore_data(group);
    std::string text;
    for (int i = 1; i <= n; ++i) s.data.read_data(text);
    return text;
}

void print_formatted(const char* format, float v) {
    con::print_using_start(format);
    con::print_using_single(v);
    con::print_using_end(false);
}

void calibre_column(Kelmat& s, float n) {
    for (s.LOOP_I = 1; s.LOOP_I <= 22; s.LOOP_I = con::store(L(s.LOOP_I) + 1)) {
        con::locate(Col(26 + viewer_column_offset(s)), class_row(s.LOOP_I));
        con::print_string_item(con::left_string(s.G(s.F(n, s.LOOP_I, F_GUN_TYPE)), 7));
    }
}

void layout_column(Kelmat& s, float n) {
    for (s.LOOP_I = 1; s.LOOP_I <= 22; s.LOOP_I = con::store(L(s.LOOP_I) + 1)) {
        con::locate(Col(35 + viewer_column_offset(s)), class_row(s.LOOP_I));
        s.DS(s.LOOP_I) = short_layout_text(n, s.LOOP_I, s.DS(s.LOOP_I));
        con::print_string_item(s.DS(s.LOOP_I));
    }
}

// A never-completed class shows its design year in brackets; a fictional class shows no year,
// in mode 0 its novelist instead.
void year_cell(Kelmat& s, float n, float c) {
    const float state = s.F(n, c, F_BUILD_STATE), year = s.F(n, c, F_YEAR);
    if (year > 0 && state == 0) con::print_at(Col(18 + viewer_column_offset(s)), class_row(c), "(    )");
    if (state == 2) {
        const int novelist = novelist_number(n, c);
        if (s.VIEWER_MODE == 0 && novelist > 0) {
            const std::string name = viewer_text(s, "NovelistNames", novelist);
            con::print_at(Col(17 + viewer_column_offset(s)), class_row(c), name);
        }
        return;
    }
    con::locate(Col(19 + viewer_column_offset(s)), class_row(c));
    print_formatted("####", year);
}

void value_cell(Kelmat& s, float n, int field, float c) {
    struct Place {
        int column;
        const char* format;
    };
    // Belt, deck, speed and displacement; the year has a cell of its own and the build state
    // only decides its form.
    static constexpr Place kPlaces[7] = {{}, {}, {}, {43, "###"}, {49, "###"}, {54, "##"}, {58, "######"}};
    static_assert(F_BELT == 3 && F_DECK == 4 && F_SPEED == 5 && F_DISPLACEMENT == 6);
    con::locate(Col(kPlaces[field].column + viewer_column_offset(s)), class_row(c));
    print_formatted(kPlaces[field].format, s.F(n, c, field));
    if (s.ESTIMATE_FLAGS(field, c) == 1) con::print_string_item("?");
}

void value_columns(Kelmat& s, float n) {
    for (int field = F_YEAR; field <= F_DISPLACEMENT; ++field)
        for (s.LOOP_I = 1; s.LOOP_I <= 22; s.LOOP_I = con::store(L(s.LOOP_I) + 1)) {
            if (field == F_YEAR)
                year_cell(s, n, s.LOOP_I);
            else
                value_cell(s, n, field, s.LOOP_I);
        }
}

void nationality_column(Kelmat& s, float n) {
    con::locate(Col(72), Row(1));
    con::color(7);
    con::print_string_item("国籍");
    for (s.LOOP_I = 1; s.LOOP_I <= 22; s.LOOP_I = con::store(L(s.LOOP_I) + 1)) {
        const Nationality nation = class_nationality(n, s.LOOP_I);
        const std::string text =
            nation.index == kFictionalNation ? viewer_text(s, "NationName", 1) : kNationalities[nation.index];
        con::print_at(Col(nation.column), class_row(s.LOOP_I), text);
    }
}

}  // namespace

std::string short_layout_text(float navy, float class_no, const std::string& stored) {
    // Three stored texts tell a refit or an estimate; the table shows the battery as built.
    if (navy == 5 && class_no == 11) return "3X3+2X2";
    if (navy == 2 && (class_no == 20 || class_no == 21)) return "2X4";
    long blank = con::instr(stored, " ");
    if (blank == 0) blank = 5;
    return con::left_string(stored, blank - 1);
}

int novelist_number(float navy, float c) {
    const int n = static_cast<int>(con::round_half_away(L(navy)));
    const bool holds[7] = {
        false,
        (n == 1 && c < 20) || (n == 2 && c == 20) || (n == 4 && c < 20) || (n == 5 && c == 17),
        (n == 1 && c == 20) || (n == 4 && (c == 20 || c == 21)) || (n == 5 && c > 19),
        (n == 2 && c > 20) || (n == 4 && c == 22),
        n == 1 && c == 21,
        n == 1 && c == 22,
        (n == 2 && c < 20) || (n == 5 && (c == 18 || c == 19)),
    };
    for (int name = 1; name <= 6; ++name)
        if (holds[name]) return name;
    return 0;
}

Nationality class_nationality(float navy, float c) {
    if (navy == 1) return {1, 72};
    if (navy == 5) {
        if (c < 8) return {5, 70};
        if (c < 13 || c == 17) return {6, 70};
        if (c < 20) return {7, 70};
        return {kFictionalNation, 67};
    }
    return {static_cast<int>(con::round_half_away(L(navy))), 70};
}

void VIEWER_CLASS_TABLE(Kelmat& s) {
    const float n = s.VIEWER_NAVY;
    calibre_column(s, n);
    layout_column(s, n);
    value_columns(s, n);
    if (n == 2) {
        // The calibre and the layout of the navy's class 20 are estimates too.
        con::print_at(Col(31 + viewer_column_offset(s)), Row(21), "?");
        con::print_at(Col(38 + viewer_column_offset(s)), Row(21), "?");
    }
    if (s.VIEWER_MODE == 0) nationality_column(s, n);
}

}  // namespace kelmat
