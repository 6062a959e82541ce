// MORVA95F: the stored data records (tables/detailed/*.txt, embedded at build time) and MENU,
// which loads the BuiltInTables into the campaign tables once at start-up.
#include "console/embedded.h"
#include "detailed/routines.h"

con::EmbeddedSet detailed_tables();

namespace morva95f {
namespace {

constexpr int kSides = 2;

void read_ship_names(State& st) {
    for (int ship = 1; ship <= kJapaneseShips; ++ship) st.DATA.read_data(st.MX(0, ship));
    for (int ship = 1; ship <= kAlliedShips; ++ship) st.DATA.read_data(st.MX(1, ship));
}

void read_ship_attributes(State& st) {
    for (int a = A_FULL_DURABILITY; a <= A_CLASS; ++a)
        for (int ship = 1; ship <= kJapaneseShips; ++ship) st.DATA.read_data(st.A(0, ship, a));
    for (int a = A_FULL_DURABILITY; a <= A_CLASS; ++a)
        for (int ship = 1; ship <= kAlliedShips; ++ship) st.DATA.read_data(st.A(1, ship, a));
}

void read_bases(State& st) {
    for (int c = P_HOLDER; c <= P_BOMBER_FACTOR; ++c)
        for (int b = 1; b <= 21; ++b) st.DATA.read_data(st.P(b, c));
    for (int c = P_JAPANESE_SUBMARINES; c <= P_ALLIED_SUBMARINES; ++c)
        for (int b = 1; b <= 21; ++b) st.DATA.read_data(st.P(b, c));
}

}  // namespace

con::RecordSet detailed_records() {
    const con::EmbeddedSet files = detailed_tables();
    // The map's records come first, the built-in tables after them.
    return con::RecordSet({{"map_outline.txt", files.get("map_outline.txt")},
                           {"builtin_tables.txt", files.get("builtin_tables.txt")}});
}

State::State() : DATA(detailed_records()) {}

void MENU(State& st) {
    if (st.Z(1, Z_RESISTANCE) > 0) return;  // already loaded
    st.DATA.restore_data("BuiltInTables");
    for (int side = 0; side < kSides; ++side)
        for (int ship = 1; ship <= kShipRows; ++ship) st.DATA.read_data(st.A(side, ship, A_DURABILITY));
    for (int t = 1; t <= 3; ++t) st.DATA.read_data(st.V(t, V_RESERVE));
    read_ship_names(st);
    for (int t = 1; t <= 10; ++t) st.DATA.read_data(st.NX(t));
    for (int b = 1; b <= 21; ++b) st.DATA.read_data(st.TX(b));
    for (int c = Z_RESISTANCE; c <= Z_COLUMN_4; ++c)
        for (int t = 1; t <= 10; ++t) st.DATA.read_data(st.Z(t, c));
    read_ship_attributes(st);
    read_bases(st);
    // The loaded air group of a Japanese carrier starts as its standard air group.
    for (int ship = 1; ship <= kJapaneseCarriers; ++ship)
        for (int a = A_FIGHTERS; a <= A_TORPEDO_BOMBERS; ++a)
            st.A(0, ship, a + A_LOADED_FIGHTERS - A_FIGHTERS) = st.A(0, ship, a);
}

}  // namespace morva95f
