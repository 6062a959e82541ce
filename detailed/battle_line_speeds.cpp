// MORVA95F: the speeds of the battle lines and of the fleets' groups - SP before every gun
// sub-turn, SP2 in the hour's movement - and MOVE3, the closing of the fleets on the map by the
// range gained in a gun battle.
#include "console/console.h"
#include "detailed/map_geometry.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

/// The default speed of a side without carriers in the fleet: 24 knots for the player, 21 for
/// the Allies.
float default_speed(int side) { return static_cast<float>(24 - 3 * side); }

/// Lowers `speed` to the ship's, or takes it as the first found.
void take_slowest(float& speed, bool& found, float ship_speed) {
    if (!found) {
        speed = ship_speed;
        found = true;
    }
    if (speed > ship_speed) speed = ship_speed;
}

/// A move of d map units along heading h: each coordinate's offset floored.
void move_along(State& st, int g, con::real h, con::real d) {
    const auto [dx, dy] = leg_offset(h, d, 1);
    st.PZ(g, PZ_X) = con::store(con::L(st.PZ(g, PZ_X)) + dx);
    st.PZ(g, PZ_Y) = con::store(con::L(st.PZ(g, PZ_Y)) + dy);
}

}  // namespace

void SP(State& st) {
    const float f = st.TT(TT_FLEET);
    st.N(0) = st.N(1) = 0;
    for (int s = 0; s <= 1; ++s) {
        float& speed = st.S(S_ALLIED_LINE * s);
        bool found = false;
        const long slots = con::round_half_away(st.BB(s, f));
        for (long k = 1; k <= slots; ++k) {
            const float i = st.G(2 * s, f, k);
            if (st.A(s, i, A_DURABILITY) < 1) continue;
            if (s == 1 && st.BF(st.A(1, i, A_TASK_FORCE)) == 0) continue;
            st.N(s) = con::store(con::L(st.N(s)) + 1);
            take_slowest(speed, found, st.A(s, i, A_SPEED));
        }
        if (!found && st.CV(s, f) == 0) speed = default_speed(s);
    }
}

void SP2(State& st) {
    const float f = st.TT(TT_FLEET);
    const long g = con::round_half_away(st.TT(TT_GUN_GROUP));
    const int side = g == 0 ? 0 : 1;
    float& speed = st.S(g);
    bool found = speed != 0;
    const long slots = con::round_half_away(st.BB(side, f));
    for (long k = 1; k <= slots; ++k) {
        const float i = st.G(side, f, k);
        if (st.A(side, i, A_DURABILITY) < 1) continue;
        if (g > 0 && st.A(1, i, A_TASK_FORCE) != g) continue;
        take_slowest(speed, found, st.A(side, i, A_SPEED));
    }
    if (!found && st.CV(side, f) == 0) speed = default_speed(side);
}

void MOVE3(State& st) {
    const con::real d = con::int_floor((con::L(st.TT(TT_RANGE_START)) - con::L(st.BF(BF_RANGE))) / 40);
    const con::real engaged = con::L(st.BF(1)) + con::L(st.BF(2)) + con::L(st.BF(3));
    if (engaged == 0) return;
    // The plain mean of the bearing numbers: task forces at 350 and 10 give 180. Kept as the
    // fleet has always steered after a battle.
    con::real sum = 0;
    for (int k = 1; k <= 3; ++k) sum += con::L(st.BF(k)) * con::L(st.PD(k));
    const con::real mean = con::mod(con::int_floor(sum / engaged), 360);
    move_along(st, 0, mean, d);
    for (int k = 1; k <= 3; ++k) {
        if (st.BF(k) == 0) continue;
        move_along(st, k, con::mod(con::L(st.PD(k)) + 180, 360), d);
    }
}

}  // namespace morva95f
