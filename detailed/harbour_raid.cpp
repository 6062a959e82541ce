// MORVA95F: the first turn's harbour raid: KOGEKI5, the base strike's attack on the Allied
// fleet at anchor - the fighters strafe the airfields, the dive bombers hit the airfields, the
// port and the guns, the torpedo and level bombers the moored battleships while their special
// torpedoes and bombs last - and HYOJI4, the surprise lost, the battle fleet already at sea.
#include "campaign/harbour_raid.h"
#include "console/console.h"
#include "detailed/routines.h"
#include "detailed/strikes.h"

namespace morva95f {
namespace {

using con::L;
using con::real;

/// The harbour's base and the air fleet whose facing force lies at anchor there.
constexpr float kHarbourBase = 18;
constexpr float kHarbourFleet = 1;
/// The moored battleships (kMooredBattleships): list slots 1-4 only torpedoes reach, 5-8 only
/// level bombing.
constexpr long kTorpedoSlots = 4;
using morva::kMooredBattleships;

using con::add_to;

/// A hit test with limit H: INT(RND x 100) at most H.
bool hit_roll(real limit) { return con::int_floor(L(con::rnd()) * 100) <= limit; }

/// An aircraft type on the airfields: fighters, dive and torpedo bombers 2 in 7 each, heavy
/// bombers 1 in 7.
long airfield_type() { return static_cast<long>(con::int_floor(con::int_floor(L(con::rnd()) * 7) / 2)); }

real next_colour(real counter) { return counter + 1 == 7 ? 2 : counter + 1; }

bool on_ground(const State& st, long t) { return !(st.Q(t, Q_NOT_READY) < 1 && st.Q(t, Q_READY) < 1); }

/// Aircraft of type t destroyed on the ground: `base` + INT(RND x `spread`), at most those
/// standing, first of the not ready, then of the ready.
void destroy_on_ground(State& st, long t, real base, real spread) {
    for (int state : {Q_NOT_READY, Q_READY}) {
        real d = base + con::int_floor(L(con::rnd()) * spread);
        if (d > st.Q(t, state)) d = st.Q(t, state);
        add_to(st.Q(t, state), -d);
        add_to(st.VS(1, t), d);
    }
}

/// Step 4: the escorts of the first strike strafe the airfields.
void strafe(State& st, StrikeReport& report) {
    real counter = 6;
    const real fighters = st.KO(1);
    for (real i = 1; i <= fighters; ++i) {
        if (L(con::rnd()) * 10 > 6) continue;
        const long t = airfield_type();
        if (!on_ground(st, t)) continue;
        report.push_back({39, 23, 6, st.NX(1) + "航空基地"});
        report.push_back({57, 23, static_cast<int>(counter), "機銃掃射", false, After::ShortPause});
        counter = next_colour(counter);
        destroy_on_ground(st, t, 8, 5);
    }
    report.push_back({39, 23, -1, con::space_string(8)});
}

/// A dive bomber's hit on the port facilities (also a battery's): counted in HW(5).
void port_hit(State& st, real& counter, StrikeReport& report) {
    report.push_back({47, 22, 6, "軍港施設"});
    report.push_back({57, 22, static_cast<int>(counter), "爆弾命中", false, After::ShortPause});
    counter = next_colour(counter);
    add_to(st.HW(HW_HITS), 1);
}

/// Step 5.2: where one dive bomber's hit falls.
void dive_bomb_harbour(State& st, real phase, real& counter, StrikeReport& report) {
    const real r1 = L(con::rnd());
    if (r1 * 10 > 6 || st.HW(HW_BASE_STRUCK) == 1) {
        float& guns = st.P(kHarbourBase, P_AIR_DEFENCE);
        const real left = L(guns) - 1;
        guns = con::store(left < 0 ? 0 : left);
        port_hit(st, counter, report);
        return;
    }
    const real r2 = L(con::rnd());
    if (phase == 2 || r2 * 10 > 6) {
        port_hit(st, counter, report);
        return;
    }
    const long t = airfield_type();
    const real r3 = L(con::rnd());
    if (!on_ground(st, t) && r3 * 10 > 1) {
        port_hit(st, counter, report);
        return;
    }
    report.push_back({47, 23, 6, "航空基地"});
    report.push_back({57, 23, static_cast<int>(counter), "爆弾命中", false, After::AirfieldWait});
    destroy_on_ground(st, t, 10, 6);
}

/// Step 6.2: the torpedo-armed aircraft attack slots 1-4 in turn while the shallow-water
/// torpedoes last (then only on INT(RND x 100) of 2 or less).
void torpedo_attack(State& st, StrikeReport& report) {
    report.push_back({50, 11, 6, "雷撃隊の攻撃", true});
    real counter = 1;
    const real aircraft = st.KO(4);
    for (real n = 1; n <= aircraft; ++n) {
        const long k = static_cast<long>(con::mod(n - 1, kTorpedoSlots)) + 1;
        real limit = st.HW(HW_BASE_STRUCK) == 1 ? 30 : 60;
        if (st.HW(HW_TORPEDOES_FLYING) < 1)
            limit = 2;
        else
            add_to(st.HW(HW_TORPEDOES_FLYING), -1);
        if (!hit_roll(limit)) continue;
        add_to(st.PE(k), 1);
        counter += 1;
        report.push_back({58, static_cast<int>(13 + k), static_cast<int>(con::mod(counter, 7)) + 1, "魚雷命中", false,
                          After::ShortPause});
    }
}

/// Step 6.3: the bomb-armed aircraft attack slots 5-8 in turn; 800 kg bombs while they last.
void level_bombing(State& st, real phase, StrikeReport& report) {
    report.push_back({50, 11, 6, "水平爆撃隊の攻撃", true});
    real counter = 2;
    const real aircraft = st.KO(5);
    for (real n = 1; n <= aircraft; ++n) {
        const long k = kTorpedoSlots + static_cast<long>(con::mod(n - 1, kTorpedoSlots)) + 1;
        real damage = con::int_floor(L(con::rnd()) * 3 + 1);
        real limit = 20;
        if (st.HW(HW_BOMBS_FLYING) < 1) damage = L(0.25f);
        if (st.HW(HW_BASE_STRUCK) == 1) limit = 15;
        if (hit_roll(limit)) {
            const real r = L(con::rnd());
            const bool ship = phase == 1 && (r * 10 > 3 - L(st.HW(HW_BASE_STRUCK)) || st.HW(HW_BOMBS_FLYING) > 0);
            int column = 58, row = static_cast<int>(13 + k);
            if (ship) {
                add_to(st.PE(k), damage);
            } else {
                report.push_back({47, 22, 6, "軍港施設"});
                column = 57, row = 22;
            }
            counter += 1;
            report.push_back({column, row, static_cast<int>(con::mod(counter, 7)) + 1,
                              damage < 1 ? "５００Ｋｇ爆弾命中" : "８００Ｋｇ爆弾命中", false, After::BusyPause});
            add_to(st.HW(HW_HITS), 1);
        }
        if (st.HW(HW_BOMBS_FLYING) > 0) add_to(st.HW(HW_BOMBS_FLYING), -1);
    }
}

/// Step 8: the damage on the moored battleships, each listed again in the colour of its state.
void moored_damage(State& st, StrikeReport& report) {
    for (long k = 1; k <= kMooredBattleships; ++k) {
        const float s = st.G(1, kHarbourFleet, k);
        float& durability = st.A(1, s, A_DURABILITY);
        durability = con::store(L(durability) - con::int_floor(L(st.PE(k))));
        int colour = 4;
        if (durability <= 0) {
            durability = 0;
        } else {
            durability = rounded_durability(durability);
            colour = durability < st.A(1, s, A_FULL_DURABILITY) ? 6 : 5;
        }
        const int row = static_cast<int>(13 + k);
        report.push_back({40, row, colour, st.MX(1, s), true});
        report.push_back({57, row, -1, con::space_string(20), true});
        report.push_back(
            {59, row, -1, con::format_single(durability) + "/" + con::format_single(st.A(1, s, A_FULL_DURABILITY))});
    }
}

}  // namespace

StrikeReport harbour_attack(State& st) {
    const real phase = st.TT(TT_HARBOUR_STRIKE);
    StrikeReport report;
    if (phase == 1) {
        clear_damage_sums(st);
        for (long k = 1; k <= kMooredBattleships; ++k)
            report.push_back({40, static_cast<int>(13 + k), -1, st.MX(1, st.G(1, kHarbourFleet, k)), true});
        if (st.HW(HW_BASE_STRUCK) == 0 && st.KO(1) >= 1) strafe(st, report);
    }
    if (st.KO(2) >= 1) {
        report.push_back({50, 11, 6, st.NX(2) + " の攻撃", true});
        real counter = 2;
        const real bombers = st.KO(2);
        for (real j = 1; j <= bombers; ++j)
            if (hit_roll(80)) dive_bomb_harbour(st, phase, counter, report);
    }
    if (st.KO(3) >= 1) {
        split_torpedo_bomber_loads(st);
        if (phase == 1) torpedo_attack(st, report);
        level_bombing(st, phase, report);
    }
    report.push_back({50, 11, -1, con::space_string(20), true});
    if (phase == 1) moored_damage(st, report);
    report.back().after = After::Pause;
    return report;
}

void KOGEKI5(State& st) { play(st, harbour_attack(st)); }

void HYOJI4(State& st) {
    con::clear_screen(0);
    con::color(6);
    con::print_at(con::Col(29), con::Row(9), "奇襲攻撃失敗　！！");
    con::print_end();
    con::print_at(con::Col(24), con::Row(12), "太平洋艦隊はすでに出港せり　！");
    con::print_end();
    const bool one_task_force = st.KS(KS_CARRIERS + 2) == 0;
    st.KS(KS_BATTLESHIPS + 1) = one_task_force ? 8.0f : 4.0f;
    // Task force 2 is counted 5 battleships though four sail with it: the ships' own task-force
    // marks below are what the later phases read, never this count.
    st.KS(KS_BATTLESHIPS + 2) = one_task_force ? 0.0f : 5.0f;
    st.KS(KS_BATTLESHIPS + 3) = 0;
    const float f = st.TT(TT_FLEET);
    for (long k = 1; k <= con::round_half_away(st.BB(1, f)); ++k)
        st.A(1, st.G(1, f, k), A_TASK_FORCE) = k <= st.KS(KS_BATTLESHIPS + 1) ? 1.0f : 2.0f;
    MATU(st);
    con::clear_screen(0);
}

}  // namespace morva95f
