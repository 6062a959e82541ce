// MORVA95S: the stored data records (the map outline both games share, then
// tables/simplified/builtin_tables.txt, embedded at build time) and MENU, which reads the
// built-in tables into the campaign tables.
#include "console/embedded.h"
#include "simplified/routines.h"

con::EmbeddedSet simplified_tables();
con::EmbeddedSet simplified_map();

namespace morva95s {
namespace {

void read_names(State& st) {
    for (int ship = 1; ship <= kJapaneseShips; ++ship) st.DATA.read_data(st.MM(0, ship));
    for (int ship = 1; ship <= kAlliedShips; ++ship) st.DATA.read_data(st.MM(1, ship));
    for (int t = 1; t <= 10; ++t) st.DATA.read_data(st.NN(t));
    for (int b = 1; b <= 21; ++b) st.DATA.read_data(st.TX(b));
}

// Each record holds one column of one side: the column loops are the outer ones.
void read_ship_columns(State& st) {
    for (int c = 1; c <= 9; ++c)
        for (int ship = 1; ship <= kJapaneseShips; ++ship) st.DATA.read_data(st.A(0, ship, c));
    for (int c = 1; c <= 9; ++c)
        for (int ship = 1; ship <= kAlliedShips; ++ship) st.DATA.read_data(st.A(1, ship, c));
}

void read_detailed_values(State& st) {
    st.DATA.restore_data("DetailedValues");
    for (int c = 2; c <= 5; ++c)
        for (int ship = 1; ship <= kJapaneseShips; ++ship) st.DATA.read_data(st.CC(0, ship, c));
    for (int c = 2; c <= 5; ++c)
        for (int ship = 1; ship <= kAlliedShips; ++ship) st.DATA.read_data(st.CC(1, ship, c));
}

}  // namespace

con::RecordSet simplified_records() {
    const con::EmbeddedSet map = simplified_map();
    const con::EmbeddedSet tables = simplified_tables();
    // The map's records come first, the built-in tables after them.
    return con::RecordSet({{"map_outline.txt", map.get("map_outline.txt")},
                           {"builtin_tables.txt", tables.get("builtin_tables.txt")}});
}

State::State() : DATA(simplified_records()) {}

void MENU(State& st) {
    // Every call reads the tables afresh and overwrites the cells it fills.
    st.DATA.restore_data("BuiltInTables");
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= kShipRows; ++ship) st.DATA.read_data(st.A(side, ship, A_DURABILITY));
    for (int t = 1; t <= 3; ++t) st.DATA.read_data(st.V(t, 0));
    read_names(st);
    for (int c = 1; c <= 4; ++c)
        for (int t = 1; t <= 10; ++t) st.DATA.read_data(st.Z(t, c));
    read_ship_columns(st);
    for (int c = 1; c <= 4; ++c)
        for (int b = 1; b <= 21; ++b) st.DATA.read_data(st.P(b, c));
    read_detailed_values(st);
}

}  // namespace morva95s
