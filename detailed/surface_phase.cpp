// MORVA95F: the surface phase of every hour step - the landing of the groups coming home, the
// battleship-detachment question, the groups' speeds (SP2) and the fleets' moves - and the
// gun-battle blocks that follow it: the daytime sighting of task forces within 8 map units, the
// battle of the lines sub-turn by sub-turn with the lines' speeds (SP), and the closing of the
// fleets afterwards (MOVE3).
#include "campaign/dialogue.h"
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/coast_drawings.h"
#include "detailed/map_geometry.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

/// The distance within which battleship lines see each other and fight, in map units.
constexpr float kGunContact = 8;

/// Lowers `speed` to the ship's, or takes it as the first found.
void take_slowest(float& speed, bool& found, float ship_speed) {
    if (!found) {
        speed = ship_speed;
        found = true;
    }
    if (speed > ship_speed) speed = ship_speed;
}

/// The detachment question; Y or y detaches, N or n keeps station, any other key asks again
/// (the question is drawn again before each key, not after an F1 press).
void ask_detachment(State& st) {
    st.BB_DETACHED = 0;
    FLUSH_KEYBOARD(st);
    const bool detach = morva::ask_yes_no(st.DIALOGUE_KEY,
                                          {{9, 20, morva::kColourInForce, con::space_string(60)},
                                           {9, 20, 7, "戦艦を分離しますか ?  Hit Y - N Key"}},
                                          morva::kYes, morva::kNo, morva::Shown::BeforeEachKey);
    if (detach) st.BB_DETACHED = 1;
}

/// The speed of group k: its slowest afloat carrier, then its battleships through SP2 when no
/// carrier is afloat or, for the player's fleet, when the battleships keep station. A group
/// without an afloat carrier starts from the speed it last had.
void set_group_speed(State& st, int k) {
    const float f = st.FLEET_NO;
    const int side = k == 0 ? 0 : 1;
    const long carriers = con::round_half_away(st.CV(side, f));
    bool found = false;
    for (long j = 1; j <= carriers; ++j) {
        const float i = st.C(side, f, j);
        if ((side == 1 && st.A(1, i, A_TASK_FORCE) != k) || st.A(side, i, A_DURABILITY) < 1) continue;
        take_slowest(st.S(k), found, st.A(side, i, A_SPEED));
    }
    if (!found || (k == 0 && st.BB_DETACHED == 0)) {
        st.TT(TT_GUN_GROUP) = static_cast<float>(k);
        SP2(st);
    }
}

/// Task force k within sight after the moves: listed, located both ways, marked on the map.
void sight_task_force(State& st, int k) {
    if (st.H(k) < 0) enter_contact(st, k);
    if (st.H(H_ON_FLEET) < 3) st.H(H_ON_FLEET) = 3;
    if (st.H(k) < 4) st.H(k) = 4;
    filled_disc(pixel_x(st.PZ(k, PZ_X)), pixel_y(st.PZ(k, PZ_Y)), 3, kTaskForceColour);
}

/// Builds the engaged Allied line G(2, f, 1..n) from the afloat battleships of the engaged
/// task forces; returns n.
long build_allied_line(State& st, float f) {
    long n = 0;
    const long slots = con::round_half_away(st.BB(1, f));
    for (long j = 1; j <= slots; ++j) {
        const float i = st.G(1, f, j);
        if (st.A(1, i, A_DURABILITY) > 0 && st.BF(st.A(1, i, A_TASK_FORCE)) == 1) st.G(G_ENGAGED, f, ++n) = i;
    }
    return n;
}

/// The battle's gun sub-turns, from 28 less the opening range in map units down to 1.
void fight_gun_sub_turns(State& st) {
    st.TT(TT_RANGE_START) = st.BF(BF_RANGE);
    const con::real first = 28 - con::L(st.BF(BF_RANGE)) / 20;
    for (st.GUN_SUBTURN_NO = con::store(first); st.GUN_SUBTURN_NO >= 1;
         st.GUN_SUBTURN_NO = con::store(con::L(st.GUN_SUBTURN_NO) - 1)) {
        SP(st);
        st.TT(TT_GUN_SUBTURN) = st.GUN_SUBTURN_NO;
        BS(st);
    }
}

/// The default speed of a side without carriers in the fleet: 24 knots for the player, 21 for
/// the Allies.
float default_speed(int side) { return static_cast<float>(24 - 3 * side); }

/// A move of d map units along heading h: each coordinate's offset floored.
void move_along(State& st, int g, con::real h, con::real d) {
    const auto [dx, dy] = leg_offset(h, d, 1);
    st.PZ(g, PZ_X) = con::store(con::L(st.PZ(g, PZ_X)) + dx);
    st.PZ(g, PZ_Y) = con::store(con::L(st.PZ(g, PZ_Y)) + dy);
}

}  // namespace

void enter_contact(State& st, int k) {
    if (st.J(1) == 0) {
        st.J(1) = static_cast<float>(k);
    } else if (st.J(2) == 0 && st.J(1) != k) {
        st.J(2) = static_cast<float>(k);
    } else if (st.J(3) == 0 && st.J(1) != k && st.J(2) != k) {
        st.J(3) = static_cast<float>(k);
    }
}

Block SURFACE_PHASE(State& st) {
    IDO8(st);
    if (st.SUBTURN_NO > 15) return Block::EngagementTest;
    if (st.BB(0, st.FLEET_NO) < 1) {
        st.BB_DETACHED = 1;
    } else {
        ask_detachment(st);
    }
    con::print_at(con::Col(9), con::Row(20), con::space_string(36));
    for (int k = 0; k <= 3; ++k) set_group_speed(st, k);
    MOVE0(st);
    MOVE2(st);
    return Block::GunBattle;
}

Block GUN_BATTLE(State& st) {
    const float f = st.FLEET_NO;
    if (st.BB(0, f) < 1 || st.BB(1, f) < 1 || st.PEARL_HARBOR_TURN == 1) return Block::EndOfHour;
    for (int k = 1; k <= 3; ++k) {
        if (st.KS(k) == 0) {
            st.PK(k) = 0;
            st.H(k) = -1;
            continue;
        }
        st.PK(k) = map_distance(con::L(st.PZ(k, PZ_X)) - con::L(st.PZ(0, PZ_X)),
                                con::L(st.PZ(k, PZ_Y)) - con::L(st.PZ(0, PZ_Y)));
        if (st.PK(k) <= kGunContact) sight_task_force(st, k);
    }
    return Block::EngagementTest;
}

Block ENGAGEMENT_TEST(State& st) {
    const float f = st.FLEET_NO;
    bool any = false;
    for (int k = 1; k <= 3; ++k) {
        st.BF(k) = st.PK(k) > kGunContact || st.KS(k) < 1 ? 0.0f : 1.0f;
        any = any || st.BF(k) == 1;
    }
    if (!any) return Block::EndOfHour;
    MATU(st);
    float widest = 0;
    for (int k = 1; k <= 3; ++k)
        if (st.BF(k) == 1 && st.PK(k) > widest) widest = st.PK(k);
    st.BF(BF_RANGE) = con::store(20 * con::L(widest));
    const long n = build_allied_line(st, f);
    if (n == 0) return Block::EndOfHour;
    st.BB(1, BB_FULL_COUNT) = st.BB(1, f);
    st.BB(1, f) = static_cast<float>(n);
    HYOJI2(st);
    fight_gun_sub_turns(st);
    st.BB(1, f) = st.BB(1, BB_FULL_COUNT);
    con::clear_screen(0);
    MOVE3(st);
    return Block::EndOfHour;
}

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
