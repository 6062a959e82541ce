// kelmat95: the weight balance - the speed term, machinery and armour weights of a design at
// the reference size of 35,000 t and one displacement step (also used by the ship data
// viewer's comparison), the iterations that find the displacement those weights and the main
// battery add up to - and the message of the two displacement limits.
#include <cmath>

#include "gunnery/blocks.h"
#include "gunnery/dialogue.h"

namespace kelmat {

using con::Col;
using con::L;
using con::real;
using con::Row;

MachineryFactor machinery_type_factor(float machinery_type) {
    if (machinery_type == 1) return 0.9f;
    if (machinery_type == 2) return 0.95f;
    if (machinery_type == 3) return 0.7f;
    return std::nullopt;
}

float factored_machinery_weight(float weight, MachineryFactor factor) {
    // The 4-byte factors lie below their decimals: 7020 x 0.9 gives 6317, not 6318.
    if (!factor) return weight;
    return con::store(con::int_floor(L(weight) * L(*factor)));
}

float armour_speed_term(float speed, MachineryFactor factor) {
    const float steam = con::store(L(speed) + 74);
    if (!factor) return steam;
    // INT works on the exact product, so a product whole in decimals comes out one lower
    // (INT(10 x 0.9) = 8).
    return con::store(con::int_floor(std::fabs(L(steam) - 100) * L(*factor)) + 100);
}

float balance_machinery_weight(float speed, float era_factor, MachineryFactor factor) {
    const float steam = con::store(L(speed) * L(speed) * 78 * L(era_factor) / 10);
    return factored_machinery_weight(steam, factor);
}

float balance_armour_weight(float belt_base, float deck_base, float turret_factor, float speed_term) {
    return con::store((L(belt_base) + L(deck_base)) * L(turret_factor) * L(speed_term) / 100);
}

DisplacementStep displacement_step(float displacement, float main_battery, float armour, float machinery) {
    const real t = L(displacement) / 350;
    const float size = con::store((con::sqr(t) + t) / 2);
    const real weight = L(main_battery) + (L(armour) + L(machinery)) * L(size);
    return {size, con::store(con::int_floor((weight + 50) / 100))};
}

void balance_weights(Kelmat& s) {
    s.BELT_WEIGHT_BASE = con::store(L(s.BELT_MM) * L(s.BELT_WEIGHT_CONST));
    s.DECK_WEIGHT_BASE = con::store(L(s.DECK_MM) * L(s.DECK_WEIGHT_CONST));
    const MachineryFactor factor = machinery_type_factor(s.MACHINERY_TYPE);
    s.SPEED_FACTOR = armour_speed_term(s.DESIGN_SPEED, factor);
    // A layout number with a fraction selects the nearest layout, as every subscript does.
    const float turrets = s.GG(s.L(s.LAYOUT_NO, L_TURRETS));
    s.ARMOUR_WEIGHT_BASE = balance_armour_weight(s.BELT_WEIGHT_BASE, s.DECK_WEIGHT_BASE, turrets, s.SPEED_FACTOR);
    s.MACHINERY_WEIGHT_BASE = balance_machinery_weight(s.DESIGN_SPEED, s.H(s.DESIGN_ERA), factor);
}

BalanceEnd iterate_displacement(Kelmat& s, std::vector<float>* trail) {
    s.TRIAL_DISPLACEMENT = s.DESIGN_DISPLACEMENT;
    for (long n = 0; n < kMaxBalanceIterations; ++n) {
        const DisplacementStep step =
            displacement_step(s.TRIAL_DISPLACEMENT, s.Z(Z_BATTERY_WEIGHT), s.ARMOUR_WEIGHT_BASE, s.MACHINERY_WEIGHT_BASE);
        s.SIZE_FACTOR = step.size_factor;
        s.ITERATED_DISPLACEMENT = step.displacement;
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
