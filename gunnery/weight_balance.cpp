// kelmat95: the weight balance - the armour and machinery weights of a design at the
// reference size of 35,000 t, the iterations that find the displacement those weights and
// the main battery add up to - and the message of the two displacement limits.
#include <cmath>

#include "gunnery/blocks.h"
#include "gunnery/dialogue.h"

namespace kelmat {

using con::Col;
using con::L;
using con::real;
using con::Row;

namespace {

// The speed term of the armour weight: speed + 74, or for machinery other than the steam
// turbine 100 plus the distance from 26 knots (without its sign) times the 4-byte factor.
float armour_speed_factor(const Kelmat& s) {
    const float steam = con::store(L(s.DESIGN_SPEED) + 74);
    const real distance = std::fabs(L(steam) - 100);
    if (s.MACHINERY_TYPE == 1) return con::store(con::int_floor(distance * L(0.9f)) + 100);
    if (s.MACHINERY_TYPE == 2) return con::store(con::int_floor(distance * L(0.95f)) + 100);
    if (s.MACHINERY_TYPE == 3) return con::store(con::int_floor(distance * L(0.7f)) + 100);
    return steam;
}

// The machinery weight at the reference size; machinery other than the steam turbine cuts it
// to a whole number after its factor.
float reference_machinery_weight(const Kelmat& s) {
    const float steam = con::store(L(s.DESIGN_SPEED) * L(s.DESIGN_SPEED) * 78 * L(s.H(s.DESIGN_ERA)) / 10);
    if (s.MACHINERY_TYPE == 1) return con::store(con::int_floor(L(steam) * L(0.9f)));
    if (s.MACHINERY_TYPE == 2) return con::store(con::int_floor(L(steam) * L(0.95f)));
    if (s.MACHINERY_TYPE == 3) return con::store(con::int_floor(L(steam) * L(0.7f)));
    return steam;
}

}  // namespace

void balance_weights(Kelmat& s) {
    s.BELT_WEIGHT_BASE = con::store(L(s.BELT_MM) * L(s.BELT_WEIGHT_CONST));
    s.DECK_WEIGHT_BASE = con::store(L(s.DECK_MM) * L(s.DECK_WEIGHT_CONST));
    s.SPEED_FACTOR = armour_speed_factor(s);
    // A layout number with a fraction selects the nearest layout, as every subscript does.
    const real turrets = L(s.GG(s.L(s.LAYOUT_NO, L_TURRETS)));
    s.ARMOUR_WEIGHT_BASE =
        con::store((L(s.BELT_WEIGHT_BASE) + L(s.DECK_WEIGHT_BASE)) * turrets * L(s.SPEED_FACTOR) / 100);
    s.MACHINERY_WEIGHT_BASE = reference_machinery_weight(s);
}

BalanceEnd iterate_displacement(Kelmat& s, std::vector<float>* trail) {
    s.TRIAL_DISPLACEMENT = s.DESIGN_DISPLACEMENT;
    for (long n = 0; n < kMaxBalanceIterations; ++n) {
        const real t = L(s.TRIAL_DISPLACEMENT) / 350;
        s.SIZE_FACTOR = con::store((con::sqr(t) + t) / 2);
        const real weight =
            L(s.Z(Z_BATTERY_WEIGHT)) + (L(s.ARMOUR_WEIGHT_BASE) + L(s.MACHINERY_WEIGHT_BASE)) * L(s.SIZE_FACTOR);
        s.ITERATED_DISPLACEMENT = con::store(con::int_floor((weight + 50) / 100));
        if (trail) trail->push_back(s.ITERATED_DISPLACEMENT);
        if (s.ITERATED_DISPLACEMENT > 99999) return BalanceEnd::OverLimit;
        if (s.ITERATED_DISPLACEMENT == s.TRIAL_DISPLACEMENT) {
            s.PROPER_DISPLACEMENT = con::store(100 * L(s.ITERATED_DISPLACEMENT));
            return BalanceEnd::Proper;
        }
        s.TRIAL_DISPLACEMENT = s.ITERATED_DISPLACEMENT;
    }
    return BalanceEnd::Bound;
}

Block WEIGHT_BALANCE(Kelmat& s) {
    balance_weights(s);
    // A balance that never settles (only a corrupt state could make one) is refused like
    // one that passes the limit: the design starts again.
    if (iterate_displacement(s) != BalanceEnd::Proper) return DISPLACEMENT_LIMIT_MESSAGE(s, true);
    count_main_guns(s);
    return Block::DesignResultScreen;
}

Block DISPLACEMENT_LIMIT_MESSAGE(Kelmat& s, bool first_entry) {
    con::color(7);
    if (first_entry) {
        con::print_at(Col(10), Row(9), "排水量は１０００万トンを越します");
        con::print_at(Col(10), Row(11), "    やり直してください    ");
    } else {
        con::print_at(Col(10), Row(9), "排水量は１００万トンを越します");
        con::print_at(Col(10), Row(11), "予定排水量しか選べません");
    }
    con::print_at(Col(16), Row(12), con::space_string(24));
    hit_any_key(s.ANSWER_KEY, {18, 13, kColourInForce, "Hit Any Key"});
    for (s.LOOP_I = 8; s.LOOP_I <= 23; s.LOOP_I = s.LOOP_I + 1)
        con::print_at(Col(10), Row(s.LOOP_I), con::space_string(35));
    if (first_entry) return Block::ShipValuesStart;
    con::color(3);
    return Block::DesignChoiceMenu;
}

}  // namespace kelmat
