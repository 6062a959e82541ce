// MORVA95F: FLEET_STRIKE_PHASE, the player's fleet strike groups that found an Allied task
// force this hour, one after the other in launch-step and source order: the task force's
// fighters rise to meet the group, the anti-aircraft fire, the dive and torpedo bombers'
// attacks, the claimed sinkings, the Allied commander's reaction and the group's turn home.
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/routines.h"
#include "detailed/strikes.h"

namespace morva95f {
namespace {

using con::L;
using con::real;

/// Escorts that have flown this far take no part in the combat.
constexpr float kEscortRange = 91;
/// The objectives past which the Allied commander does not withdraw for a damaged carrier
/// (the four distant bases 18-21), and for a sunk one (the last of them).
constexpr float kFirstDistantBase = 18;
constexpr float kLastBase = 21;

using con::add_to;

/// The fleet strike group being resolved and what it carries through its resolution.
struct Group {
    long LAUNCH_STEP = 0;
    long STRIKE_SOURCE = 0;
    int TASK_FORCE_NO = 0;
    bool escorts_loaded = false;  ///< the group flew under 91 units: its fighters are KO(1)
};

float& group_field(State& st, const Group& g, int j) { return st.T(g.STRIKE_SOURCE, g.LAUNCH_STEP, j); }

long allied_carriers(const State& st) { return con::round_half_away(st.CV(1, st.FLEET_NO)); }

/// Whether the carrier in slot j belongs to the group's task force and can launch.
bool can_launch(const State& st, const Group& g, long j) {
    const float s = st.C(1, st.FLEET_NO, j);
    return st.A(1, s, A_TASK_FORCE) == g.TASK_FORCE_NO && st.A(1, s, A_FLIGHT_DECK) >= 8;
}

/// Steps 2-3: the group's aircraft into KO; escorts only from a group that flew under 91.
void load_strike(State& st, Group& g) {
    st.KO(2) = group_field(st, g, T_DIVE_BOMBERS);
    st.KO(4) = group_field(st, g, T_TORPEDO_BOMBERS);
    st.KO(5) = group_field(st, g, T_BOMB_ARMED);
    st.KO(3) = con::store(L(st.KO(4)) + L(st.KO(5)));
    g.escorts_loaded = group_field(st, g, T_DISTANCE) < kEscortRange;
    st.KO(1) = g.escorts_loaded ? group_field(st, g, T_FIGHTERS) : 0;
}

/// Step 4: the standard fighters of the task force's operational carriers.
float allied_fighter_sum(const State& st, const Group& g) {
    real sum = 0;
    for (long j = 1; j <= allied_carriers(st); ++j)
        if (can_launch(st, g, j)) sum += st.A(1, st.C(1, st.FLEET_NO, j), A_FIGHTERS);
    return con::store(sum);
}

/// Steps 8-11: the arrival screen and the group's composition, in yellow.
void show_arrival(State& st) {
    con::clear_screen(0);
    st.RAID_THIS_HOUR = 1;
    st.TT(TT_SUBTURN) = st.SUBTURN_NO;
    HINITI(st);
    con::color(6);
    con::print_at(con::Col(10), con::Row(4), "攻撃隊 敵艦隊に接近!!");
    for (int k = 1; k <= 3; ++k)
        con::print_at(con::Col(9), con::Row(5 + k), st.NX(k) + " " + con::format_single(st.KO(k)) + " 機");
    con::print_at(con::Col(28), con::Row(8),
                  "(雷装" + con::format_single(st.KO(4)) + "爆装" + con::format_single(st.KO(5)) + ")");
}

/// Steps 12-16: the task force's deck fighters rise, one at a time round its operational
/// carriers, up to the ceiling; every patrol of the force joins the combat. Returns the
/// fighters that meet the group.
float launch_interceptors(State& st, const Group& g, float ceiling) {
    const float f = st.FLEET_NO;
    real on_deck = 0, count = 0;
    for (long j = 1; j <= allied_carriers(st); ++j) {
        if (!can_launch(st, g, j)) continue;
        on_deck += st.F(1, j, AIR_FIGHTERS, F_DECK);
        count += L(st.F(1, j, AIR_FIGHTERS, F_PATROL_FIRST)) + L(st.F(1, j, AIR_FIGHTERS, F_PATROL_SECOND));
    }
    real n = 0;
    if (on_deck != 0 && count < ceiling) n = on_deck + count <= ceiling ? on_deck : L(ceiling) - count;
    for (real left = n; left > 0;) {
        const real before = left;
        for (long j = 1; j <= allied_carriers(st) && left > 0; ++j) {
            if (!can_launch(st, g, j) || !(st.F(1, j, AIR_FIGHTERS, F_DECK) > 0)) continue;
            add_to(st.F(1, j, AIR_FIGHTERS, F_DECK), -1);
            add_to(st.F(1, j, AIR_FIGHTERS, F_AIR_COMBAT), 1);
            add_to(st.A(1, st.C(1, f, j), A_AIRCRAFT_AWAY), 1);
            left -= 1;
        }
        if (left == before) break;  // no deck fighter left to launch
    }
    for (long j = 1; j <= allied_carriers(st); ++j) {
        add_to(st.F(1, j, AIR_FIGHTERS, F_AIR_COMBAT),
               L(st.F(1, j, AIR_FIGHTERS, F_PATROL_FIRST)) + L(st.F(1, j, AIR_FIGHTERS, F_PATROL_SECOND)));
        st.F(1, j, AIR_FIGHTERS, F_PATROL_FIRST) = st.F(1, j, AIR_FIGHTERS, F_PATROL_SECOND) = 0;
    }
    return con::store(count + n);
}

/// Step 21: the interceptors shot down come off the fighters in air combat, one at a time
/// round every carrier of the force.
void take_interceptor_losses(State& st, real losses) {
    while (losses > 0) {
        const real before = losses;
        for (long j = 1; j <= allied_carriers(st) && losses > 0; ++j) {
            if (st.F(1, j, AIR_FIGHTERS, F_AIR_COMBAT) < 1) continue;
            add_to(st.F(1, j, AIR_FIGHTERS, F_AIR_COMBAT), -1);
            losses -= 1;
        }
        if (losses == before) return;  // no fighter left in air combat
    }
}

/// Steps 17-22: the approach, the escorts' exchange and the attack on the bombers.
void air_combat(State& st, float interceptors) {
    for (int k = 1; k <= 3; ++k) st.GE(k) = 0;
    INTERCEPTORS_APPROACH(st, interceptors);
    if (st.KO(1) >= 1 && st.GE(1) >= 1) {
        const EscortLosses losses = ESCORT_COMBAT(st);
        add_to(st.KO(1), -L(losses.ATTACKER_LOSSES));
        add_to(st.GE(1), -L(losses.DEFENDER_LOSSES));
        con::print_at(
            con::Col(10), con::Row(14),
            "損害  " + con::format_single(losses.ATTACKER_LOSSES) + "   " + con::format_single(losses.DEFENDER_LOSSES));
        con::print_end();
        add_to(st.VS(0, AIR_FIGHTERS), losses.ATTACKER_LOSSES);
        add_to(st.VS(1, AIR_FIGHTERS), losses.DEFENDER_LOSSES);
        take_interceptor_losses(st, losses.DEFENDER_LOSSES);
    }
    INTERCEPTOR_ATTACK(st);
}

/// The arrival and the interception (first half); returns false for a group without bombers,
/// which goes straight home.
bool intercept(State& st, Group& g) {
    load_strike(st, g);
    const float ceiling = patrol_ceiling(allied_fighter_sum(st, g));
    if (L(st.KO(2)) + L(st.KO(3)) < 1) return false;
    const real r = L(con::rnd());
    if (r * 10 > 2 && st.OWN_FLEET_AFLOAT >= 10 * L(st.ALLIED_CV_AFLOAT)) st.TK(TK_POSTURE) = 1;
    show_arrival(st);
    st.ENEMY_TYPE_OFFSET = interceptor_type_offset(st.AT(st.FLEET_NO));
    const float interceptors = launch_interceptors(st, g, ceiling);
    if (interceptors >= 1) air_combat(st, interceptors);
    return true;
}

/// The task force's anti-aircraft strength: its destroyers, and its afloat ships' values times
/// the turn's factor (its battleships only when fast, and not at anchor in the harbour raid).
float anti_aircraft_points(const State& st, const Group& g) {
    const float f = st.FLEET_NO;
    const real factor = 2 + con::int_floor((L(st.TURN_NO) - 1) / 4);
    real points = st.DF(g.TASK_FORCE_NO);
    auto counts = [&](float s) { return st.A(1, s, A_DURABILITY) > 0 && st.A(1, s, A_TASK_FORCE) == g.TASK_FORCE_NO; };
    for (long k = 1; k <= allied_carriers(st); ++k)
        if (counts(st.C(1, f, k))) points += L(st.A(1, st.C(1, f, k), A_ANTI_AIRCRAFT)) * factor;
    if (st.PEARL_HARBOR_TURN == 1) return con::store(points);
    for (long k = 1; k <= con::round_half_away(st.BB(1, f)); ++k) {
        const float s = st.G(1, f, k);
        if (counts(s) && st.A(1, s, A_SPEED) > 8) points += L(st.A(1, s, A_ANTI_AIRCRAFT)) * factor;
    }
    return con::store(points);
}

/// Steps 1-4 of the attack: the anti-aircraft fire, the bombers' attacks and the rounding.
void attack(State& st, const Group& g) {
    const float points = anti_aircraft_points(st, g);
    st.TT(TT_AA_SHOTS) = points;
    if (points != 0) {
        st.TT(TT_HARBOUR_STRIKE) = 0;
        TAIKU(st);
        st.TT(TT_HARBOUR_STRIKE) = st.PEARL_HARBOR_TURN;
        PAUSE_MESSAGE(st);
    }
    st.TT(TT_TARGET_TF) = static_cast<float>(g.TASK_FORCE_NO);
    st.TT(TT_HARBOUR_STRIKE) = st.PEARL_HARBOR_TURN;
    if (st.KO(2) >= 1) KOGEKI2(st);
    if (st.KO(3) >= 1) KOGEKI3(st);
    CLC2(st);
}

/// A claim drawn at random: INT(RND x the force's battleships) - INT(RND x 3).
real random_claim(const State& st) {
    const real a = con::int_floor(L(con::rnd()) * L(st.BB(1, st.FLEET_NO)));
    const real b = con::int_floor(L(con::rnd()) * 3);
    return a - b;
}

/// Step 6: the battleships claimed, partly true, partly drawn, at (44, 21) in cyan.
void battleship_claim(State& st, real afloat) {
    con::locate(con::Col(44), con::Row(21));
    con::color(5);
    const real r = L(con::rnd());
    real claimed;
    if (st.ALLIED_BB_COUNT == afloat) {
        if (!(r * 10 > 8)) return;
        claimed = random_claim(st);
    } else {
        claimed = r * 10 > 5 ? L(st.ALLIED_BB_COUNT) - afloat : random_claim(st);
    }
    if (claimed < 1) claimed = 1;
    con::print_string_item("戦艦" + con::format_single(con::store(claimed)) + "隻撃破 !!");
    st.ALLIED_BB_COUNT = con::store(afloat);
}

/// Step 5: the afloat battleships of the struck task force.
real battleships_afloat(const State& st, const Group& g) {
    const float f = st.FLEET_NO;
    real n = 0;
    for (long k = 1; k <= con::round_half_away(st.BB(1, f)); ++k) {
        const float s = st.G(1, f, k);
        if (st.A(1, s, A_DURABILITY) > 0 && st.A(1, s, A_TASK_FORCE) == g.TASK_FORCE_NO) n += 1;
    }
    return n;
}

/// Step 7: the carriers recounted; a struck carrier at 2 or less loses its deck aircraft to
/// state 0. Returns the task force's carriers below full durability.
real recount_carriers(State& st, const Group& g) {
    const float f = st.FLEET_NO;
    real damaged = 0, afloat = 0, fit = 0;
    for (long k = 1; k <= allied_carriers(st); ++k) {
        const float s = st.C(1, f, k);
        if (st.A(1, s, A_DURABILITY) > 0) afloat += 1;
        if (st.A(1, s, A_TASK_FORCE) != g.TASK_FORCE_NO) continue;
        if (st.A(1, s, A_DURABILITY) > 2) {
            fit += 1;
        } else {
            for (int t = AIR_FIGHTERS; t <= AIR_TORPEDO_BOMBERS; ++t) {
                add_to(st.F(1, k, t, F_NOT_READY), st.F(1, k, t, F_DECK));
                st.F(1, k, t, F_DECK) = 0;
            }
        }
        if (st.A(1, s, A_FULL_DURABILITY) > st.A(1, s, A_DURABILITY)) damaged += 1;
    }
    st.ALLIED_CV_AFLOAT = con::store(afloat);
    st.ALLIED_CV_FIT = con::store(fit);
    st.TT(TT_ALLIED_CV_AFLOAT) = st.ALLIED_CV_AFLOAT;
    return damaged;
}

/// Step 8: the carriers claimed at (44, 22) in cyan, and the commander's two withdrawal tests.
void carrier_claim(State& st, real damaged) {
    const real a = con::int_floor(L(con::rnd()) * damaged);
    const real b = con::int_floor(L(con::rnd()) * 3);
    real claimed = a - b + 2;
    if (claimed < 1) claimed = 1;
    con::locate(con::Col(44), con::Row(22));
    con::color(5);
    con::print_string_item("空母" + con::format_single(con::store(claimed)) + "隻撃破 !!");
    const real base = st.AT(st.FLEET_NO), character = st.OPERATION_CHARACTER;
    const real r1 = L(con::rnd());
    if (base < kFirstDistantBase && damaged > 0 && 3 - character > r1 * 5) st.TK(TK_POSTURE) = 2;
    const real r2 = L(con::rnd());
    if (base < kLastBase && st.CV(1, st.FLEET_NO) > st.ALLIED_CV_AFLOAT && 4 - character > r2 * 4)
        st.TK(TK_POSTURE) = 2;
    PAUSE_MESSAGE(st);
    con::color(6);
}

/// Step 9: the survivors back into the group (its own fighters stay when they flew too far to
/// escort), all its torpedo bombers in field 7, and the heading home.
void turn_home(State& st, const Group& g) {
    if (g.escorts_loaded) group_field(st, g, T_FIGHTERS) = st.KO(1);
    group_field(st, g, T_DIVE_BOMBERS) = st.KO(2);
    group_field(st, g, T_TORPEDO_BOMBERS) = st.KO(3);
    group_field(st, g, T_BOMB_ARMED) = 0;
    for (int k : {1, 2, 4, 5}) st.KO(k) = 0;
    group_field(st, g, T_HEADING) = return_heading(st.PD(g.TASK_FORCE_NO));
}

void resolve(State& st, Group g) {
    if (intercept(st, g)) {
        attack(st, g);
        if (st.PEARL_HARBOR_TURN != 1 && st.BB(1, st.FLEET_NO) >= 1) battleship_claim(st, battleships_afloat(st, g));
        const real damaged = recount_carriers(st, g);
        if (damaged != 0) carrier_claim(st, damaged);
    }
    turn_home(st, g);
}

}  // namespace

float patrol_ceiling(float ALLIED_FIGHTER_SUM) {
    if (ALLIED_FIGHTER_SUM < 20) return ALLIED_FIGHTER_SUM;
    if (ALLIED_FIGHTER_SUM < 40) return 20;
    return con::store(con::int_floor(L(ALLIED_FIGHTER_SUM) / 2) + 1);
}

float return_heading(float bearing) { return con::store(con::mod(con::round_half_away(L(bearing) + 180), 360)); }

Block FLEET_STRIKE_PHASE(State& st) {
    const long steps = con::round_half_away(st.TT(TT_SUBTURN));
    for (long l = 1; l <= steps && l <= T_LAST_STEP; ++l)
        for (long s = 1; s <= 3; ++s) {
            const long k = con::round_half_away(L(st.T(s, l, T_HEADING)) - 1000);
            if (st.T(s, l, T_STATUS) != 2 || k < 1 || k > 3) continue;
            resolve(st, Group{l, s, static_cast<int>(k)});
        }
    return Block::HourlyAirPhase;
}

}  // namespace morva95f
