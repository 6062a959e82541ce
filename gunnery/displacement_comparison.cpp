// kelmat95: the ship data viewer's comparison modes - each class's layout recognised from its
// short text and its main battery weighed, its displacement recomputed with the designer's
// weight formulas from its recorded values, and the two comparison columns.
#include <cmath>

#include "gunnery/ship_data_viewer.h"

namespace kelmat {

using con::Col;
using con::L;
using con::real;
using con::Row;

namespace {

struct ComparedLayout {
    const char* text;
    RecognisedLayout layout;
};

// Each arrangement by the first layout of its turret groups; the layouts that only place the
// same turrets elsewhere weigh and count alike.
constexpr ComparedLayout kComparedLayouts[] = {
    {"2X2", {1, 2}},  {"2X3", {2, 3}},  {"3X2", {3, 2}},      {"2X4", {4, 4}},      {"4X2", {6, 2}},
    {"3X3", {8, 3}},  {"2X5", {10, 5}}, {"3X2+2X2", {12, 4}}, {"4X2+2", {13, 3}},   {"2X6", {14, 6}},
    {"3X4", {17, 4}}, {"4X3", {19, 3}}, {"4X2+2X2", {20, 4}}, {"3X3+2X2", {21, 5}}, {"4X4", {22, 4}},
};

// A recomputed displacement of 10000 (100 t) or more is not shown.
constexpr float kShownLimit = 9999;
// Each step moves the displacement the same way as the one before, within 0-9999, so mode 2
// ends within this many steps; the bound only makes that explicit.
constexpr int kMaxSteps = 10001;

// Mode 2 goes on while the step moves the value, short of the limit and, for a class recorded
// above 150000 t, short of twice its record.
bool step_again(int mode, float r, float p, float recorded) {
    if (r > kShownLimit) return false;
    if (mode == 2 && r != p && recorded > 150000 && 100 * L(r) > 2 * L(recorded)) return false;
    return mode == 2 && r != p && r < kShownLimit;
}

// Magenta beyond a fifth of the record, yellow beyond a tenth, cyan beyond a twentieth.
int deviation_colour(float recomputed, float recorded) {
    const real delta = std::fabs(L(recomputed) - L(recorded));
    if (5 * delta > L(recorded)) return 3;
    if (10 * delta > L(recorded)) return 6;
    if (20 * delta > L(recorded)) return 5;
    return 7;
}

float rounded_share(float weight, real size_factor, float recomputed) {
    return con::store(con::int_floor(L(weight) * size_factor * 66 / L(recomputed) + 0.5L));
}

// The working values the comparison leaves in the designer's scalars.
void keep_working_values(Kelmat& s, const Comparison& r) {
    s.CLASS_SPEED = s.F(s.VIEWER_NAVY, s.LOOP_I, F_SPEED);
    if (!r.computed) return;
    s.BELT_WEIGHT_BASE = r.belt_base;
    s.DECK_WEIGHT_BASE = r.deck_base;
    s.MACHINERY_WEIGHT = r.machinery;
    s.SPEED_FACTOR = r.speed_term;
    s.MAIN_BATTERY_WEIGHT = r.armour;  // the armour weight, in the designer's main-battery scalar
    s.SIZE_FACTOR = r.size_factor;
    s.PROPER_DISPLACEMENT = r.start;
    s.RECOMPUTED_DISPLACEMENT = r.recomputed;
    s.VIEWER_GUN_SHARE = r.columns.gun_share;
    s.VIEWER_ARMOUR_SHARE = r.columns.armour_share;
    s.VIEWER_MACHINERY_SHARE = r.columns.machinery_share;
}

void print_columns(float c, const ComparisonColumns& k) {
    if (!k.column64.empty()) {
        con::locate(Col(64), Row(L(c) + 1));
        con::color(k.colour64);
        con::print_string_item(k.column64);
    }
    if (!k.column72.empty()) {
        con::color(k.colour72);
        con::locate(Col(72), Row(L(c) + 1));
        con::print_string_item(k.column72);
    }
    con::color(7);
}

}  // namespace

std::optional<RecognisedLayout> recognise_layout(std::string_view short_text) {
    for (const ComparedLayout& t : kComparedLayouts)
        if (short_text == t.text) return t.layout;
    return std::nullopt;
}

MachineryFactor class_machinery_factor(float navy, float c) {
    if (navy == 1 && (c == 16 || c == 17 || c == 18)) return 0.7f;  // gas turbine
    if (navy == 2 && (c == 21 || c == 22)) return 0.95f;            // steam turbine and diesel
    if (navy == 4 && (c == 1 || c == 22)) return 0.95f;
    if (navy == 4 && c == 5) return 0.9f;  // diesel
    return std::nullopt;
}

ComparisonColumns comparison_columns(int mode, float recomputed_100t, float recorded, float main_battery, float armour,
                                     float machinery, float size_factor) {
    ComparisonColumns k;
    const float r = con::store(100 * L(recomputed_100t));
    if (r >= 1000000) {
        k.column64 = "  OVER 1000000";
        k.colour64 = 4;
        return k;
    }
    k.column64 = con::format_using("#######", {L(r)});
    if (mode != 3) k.colour72 = deviation_colour(r, recorded);
    if (mode == 1) k.column72 = con::format_double(L(r) - L(recorded));
    if (mode == 2) k.column72 = con::format_double(con::int_floor(100 * L(r) / L(recorded)));
    // A recomputed 0 t has no shares (no stored class comes near it): the column stays empty.
    if (mode == 3 && r != 0) {
        k.gun_share = rounded_share(main_battery, 1, r);
        k.armour_share = rounded_share(armour, L(size_factor), r);
        k.machinery_share = rounded_share(machinery, L(size_factor), r);
        k.column72 = con::format_using(
            "##@##@##", {L(k.gun_share), std::string(" "), L(k.armour_share), std::string(" "), L(k.machinery_share)});
    }
    return k;
}

Comparison compare_displacement(const Kelmat& t, const ComparedClass& c, int mode) {
    Comparison r;
    r.start = con::store(con::int_floor(L(c.displacement) / 100));
    if (r.start < 1) return r;
    r.computed = true;
    const MachineryFactor factor = class_machinery_factor(c.navy, c.class_no);
    r.belt_base = con::store(L(c.belt) * L(t.BELT_WEIGHT_CONST));
    r.deck_base = con::store(L(c.deck) * L(t.DECK_WEIGHT_CONST));
    r.machinery = balance_machinery_weight(c.speed, t.H(c.era), factor);
    r.speed_term = armour_speed_term(c.speed, factor);
    r.armour = balance_armour_weight(r.belt_base, r.deck_base, t.GG(c.turrets), r.speed_term);
    float result = 0;
    for (int n = 0; n < kMaxSteps; ++n) {
        const DisplacementStep step = displacement_step(r.start, c.main_battery, r.armour, r.machinery);
        r.size_factor = step.size_factor;
        result = step.displacement;
        r.steps.push_back(result);
        if (!step_again(mode, result, r.start, c.displacement)) break;
        r.start = result;
    }
    r.columns = comparison_columns(mode, result, c.displacement, c.main_battery, r.armour, r.machinery, r.size_factor);
    r.recomputed = con::store(100 * L(result));
    return r;
}

ComparedClass prepare_compared_class(Kelmat& s, float n) {
    const float c = s.LOOP_I;
    if (const auto layout = recognise_layout(s.DS(c))) {
        s.F(n, c, F_LAYOUT) = layout->index;
        s.F(n, c, F_TURRETS) = layout->turrets;
    }
    s.TT(TT_LAYOUT_GUN) = s.F(n, c, F_GUN_TYPE);
    s.TT(TT_LAYOUT) = s.F(n, c, F_LAYOUT);
    CALC3(s);
    s.PROPER_DISPLACEMENT = con::store(con::int_floor(L(s.F(n, c, F_DISPLACEMENT)) / 100));
    s.CLASS_NAVY = n;
    CLASS_ERA(s);
    return {n,
            c,
            s.F(n, c, F_BELT),
            s.F(n, c, F_DECK),
            s.F(n, c, F_SPEED),
            s.F(n, c, F_DISPLACEMENT),
            s.F(n, c, F_TURRETS),
            s.CLASS_ERA_NO,
            s.Z(Z_BATTERY_WEIGHT)};
}

void VIEWER_COMPARISON_PASS(Kelmat& s) {
    const float n = s.VIEWER_NAVY;
    const int mode = static_cast<int>(s.VIEWER_MODE);
    for (s.LOOP_I = 1; s.LOOP_I <= 22; s.LOOP_I = con::store(L(s.LOOP_I) + 1)) {
        const Comparison result = compare_displacement(s, prepare_compared_class(s, n), mode);
        keep_working_values(s, result);
        print_columns(s.LOOP_I, result.columns);
    }
}

}  // namespace kelmat
