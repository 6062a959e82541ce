// kelmat95: what the designer stores for every group of ships - displacement, gun, layout
// and main-battery weight, speed, belt and deck with the era's armour quality, displacement
// ratio and names - with the path of a real class taken unchanged, which asks nothing, and
// the storing step's end of a group.
#include "gunnery/blocks.h"

namespace kelmat {

using con::L;
using con::real;

namespace {

// Runs `store_ship` for every ship of the group: SHIP_NO to SHIP_NO + SISTER_COUNT, the end taken
// once before the first pass, counted in SISTER_NO.
template <typename Store>
void for_each_ship_of_group(Kelmat& s, Store store_ship) {
    const float last = con::store(L(s.SHIP_NO) + L(s.SISTER_COUNT));
    for (s.SISTER_NO = s.SHIP_NO; s.SISTER_NO <= last; s.SISTER_NO = con::store(L(s.SISTER_NO) + 1))
        store_ship(s.SISTER_NO);
}

}  // namespace

bool class_has_sloped_belt(float navy, float class_no) {
    const long n = con::round_half_away(L(navy));
    const long c = con::round_half_away(L(class_no));
    return (n == 1 && c < 8) || (n == 1 && c > 14 && c < 18) || (n == 2 && c < 6) || (n == 2 && c == 7) ||
           (n == 3 && (c == 1 || c == 2 || c == 4 || c == 8)) || (n == 4 && c == 17);
}

void store_group_field(Kelmat& s, int field, float value) {
    for_each_ship_of_group(s, [&](float k) { s.A(s.SIDE_NO, k, field) = value; });
}

void store_group_displacement(Kelmat& s) { store_group_field(s, A_DISPLACEMENT, s.DESIGN_DISPLACEMENT); }

void store_group_gun(Kelmat& s) {
    // The gun's text for the result screen: calibre, " inch/", at most 6 bytes of the rest.
    const std::string& name = s.G(s.GUN_TYPE);
    s.GUN_SLASH_POS = static_cast<float>(con::instr(name, "/"));
    const long pos = static_cast<long>(s.GUN_SLASH_POS);
    s.GUN_TEXT = con::left_string(name, pos - 1) + " inch/" + con::mid_string(name, pos + 1, 6);
    store_group_field(s, A_GUN_TYPE, s.GUN_TYPE);
}

Block STORE_DISPLACEMENT(Kelmat& s) {
    store_group_displacement(s);
    if (s.SHIP_SOURCE != 0) return Block::CalibreStep;
    // A real class taken unchanged runs through the same stores without a screen.
    store_real_class_values(s);
    store_real_ship_ratio(s);
    store_group_names(s);
    return Block::ShipEntryEnd;
}

void store_real_class_values(Kelmat& s) {
    const float row = con::store(L(s.SHIP_IS_AS_BUILT) * K_AS_BUILT_ROWS + L(s.CLASS_NAVY));
    s.GUN_TYPE = s.K(row, s.CLASS_NO, K_GUN_TYPE);
    store_group_gun(s);

    s.LAYOUT_NO = s.K(row, s.CLASS_NO, K_LAYOUT);
    for_each_ship_of_group(s, [&](float k) { s.A(s.SIDE_NO, k, A_LAYOUT) = s.LAYOUT_NO; });
    s.TT(TT_LAYOUT_GUN) = s.GUN_TYPE;
    s.TT(TT_LAYOUT) = s.LAYOUT_NO;
    CALC3(s);
    s.MAIN_BATTERY_WEIGHT = s.Z(Z_BATTERY_WEIGHT);

    s.DESIGN_SPEED = s.K(row, s.CLASS_NO, K_SPEED);
    con::color(6);
    for_each_ship_of_group(s, [&](float k) { s.A(s.SIDE_NO, k, A_SPEED) = s.DESIGN_SPEED; });

    // The as-built rows hold no belt: a class has the belt of its final state in both states.
    s.STORED_BELT = con::store(L(s.K(s.CLASS_NAVY, s.CLASS_NO, K_BELT)) * 100);
    s.SLOPED_ARMOUR = class_has_sloped_belt(s.CLASS_NAVY, s.CLASS_NO) ? 1.0f : 0.0f;
    STORE_BELT(s);
    s.STORED_DECK = con::store(L(s.K(row, s.CLASS_NO, K_DECK)) * 10);
    STORE_DECK(s);
}

void STORE_BELT(Kelmat& s) {
    // One expression on the 4-byte quality factor: 0.95 lies below 0.95, so 2900 gives 275.
    s.STORED_BELT = con::store(con::int_floor((L(s.STORED_BELT) * L(s.P(s.DESIGN_ERA)) + 5) / 10));
    for_each_ship_of_group(s, [&](float k) {
        s.A(s.SIDE_NO, k, A_SLOPED) = s.SLOPED_ARMOUR;
        s.A(s.SIDE_NO, k, A_BELT) = s.STORED_BELT;
    });
}

void STORE_DECK(Kelmat& s) {
    // The product is held as a 4-byte value before INT: 200 x 0.95 rounds to 190 first.
    const float v = con::store(L(s.STORED_DECK) * L(s.P(s.DESIGN_ERA)));
    for_each_ship_of_group(s, [&](float k) { s.A(s.SIDE_NO, k, A_DECK) = con::store(con::int_floor(L(v))); });
}

bool store_proper_displacement(Kelmat& s) {
    if (s.PROPER_DISPLACEMENT > 999999) return false;
    for_each_ship_of_group(s, [&](float k) {
        s.A(s.SIDE_NO, k, A_DISPLACEMENT) = con::store(L(s.PROPER_DISPLACEMENT) / 100);
    });
    store_real_ship_ratio(s);
    return true;
}

void store_planned_displacement(Kelmat& s) {
    const float planned = s.A(s.SIDE_NO, s.SHIP_NO, A_DISPLACEMENT);
    for_each_ship_of_group(s, [&](float k) { s.A(s.SIDE_NO, k, A_DISPLACEMENT) = planned; });
    const real ratio = con::int_floor(L(planned) * 100 / L(s.PROPER_DISPLACEMENT) * 100);
    for_each_ship_of_group(s, [&](float k) { s.A(s.SIDE_NO, k, A_RATIO) = con::store(ratio); });
}

void store_real_ship_ratio(Kelmat& s) {
    for_each_ship_of_group(s, [&](float k) { s.A(s.SIDE_NO, k, A_RATIO) = 100; });
}

void store_group_names(Kelmat& s) {
    const float count = s.SIDE_NO == 0 ? s.BLUE_COUNT : s.RED_COUNT;
    if (s.SHIP_SOURCE == 2 || count > 23) {
        // A ship without a stored name gets an empty one, never the name that an earlier
        // scenario of the run left in its place.
        for_each_ship_of_group(s, [&](float k) { s.M(s.SIDE_NO, k).clear(); });
        return;
    }
    s.CLASS_NAVY = s.SIDE_NO == 0 ? s.BLUE_NAVY : s.RED_NAVY;
    for_each_ship_of_group(s, [&](float k) {
        s.M(s.SIDE_NO, k) = s.N(s.CLASS_NAVY, s.CLASS_NO, con::store(L(k) - L(s.SHIP_NO) + 1));
    });
}

Block STORE_PROPER(Kelmat& s) {
    // A proper displacement of 1,000,000 t or more cannot be taken: the result screen again.
    if (!store_proper_displacement(s)) return Block::DesignResultScreen;
    store_group_names(s);
    return Block::ShipEntryEnd;
}

Block STORE_PLANNED(Kelmat& s) {
    store_planned_displacement(s);
    store_group_names(s);
    return Block::ShipEntryEnd;
}

Block SHIP_ENTRY_END(Kelmat& s) {
    s.SHIP_NO = con::store(L(s.SHIP_NO) + L(s.SISTER_COUNT));
    const float count = s.SIDE_NO == 0 ? s.BLUE_COUNT : s.RED_COUNT;
    return s.SHIP_NO > L(count) - 1 ? Block::SideLoopNext : Block::ShipLoopNext;
}

}  // namespace kelmat
