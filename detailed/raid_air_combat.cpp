// MORVA95F: the opening of an Allied raid on the player's fleet (ALLIED_RAID): the battleships'
// list when no carrier was afloat, the carriers' damage list, the raid's arrival (GEIGEKI), and
// the air combat of the patrol, first against the escorts with losses on both sides, then
// against the dive, torpedo and heavy bombers, each exchange reported on the right half.
#include "campaign/damage_list.h"
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/raid.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

using con::int_floor;
using con::L;
using con::real;

/// The player's fighter type (row of `NX` and `Z`).
constexpr float kOwnFighterType = 1;

/// The crew term from the player's fighter losses as they stand.
real crew_term_now(const State& st) {
    return crew_term(st.VS(0, AIR_FIGHTERS), st.VS(0, VS_RETURN_LOSSES + AIR_FIGHTERS));
}

/// "零式艦戦 対 " and the opponent's type at (52, row), ending the line.
void show_encounter(const State& st, int row, float type) {
    con::print_at(con::Col(52), con::Row(row), st.NX(kOwnFighterType));
    con::print_string_item(" 対 ");
    con::print_string_item(st.NX(type));
    con::print_end();
}

/// Steps 5 and 6: the patrol against the escorts.
void fight_escorts(State& st) {
    const float fighter = st.RAID_FIGHTER_TYPE;
    show_encounter(st, 8, fighter);
    Exchange e = escort_combat(st.W(AIR_FIGHTERS), st.Z(fighter, Z_ATTACK), patrol_strength(st.DE(0), st.CB(0)),
                               crew_term_now(st), con::rnd);
    const real engaged = L(st.DE(0)) + L(st.DE(1)) + L(st.DE(2));  // never those on the heavy bombers
    if (e.defender_losses > engaged) e.defender_losses = con::store(engaged);
    if (e.attacker_losses > st.W(AIR_FIGHTERS)) e.attacker_losses = st.W(AIR_FIGHTERS);
    st.W(AIR_FIGHTERS) = con::store(L(st.W(AIR_FIGHTERS)) - L(e.attacker_losses));
    const PartCounts de = patrol_after_losses({st.DE(0), st.DE(1), st.DE(2), st.DE(3)}, e.defender_losses);
    for (int k = 0; k <= 3; ++k) st.DE(k) = de[k];
    st.VS(1, AIR_FIGHTERS) = con::store(L(st.VS(1, AIR_FIGHTERS)) + L(e.attacker_losses));
    con::print_at(con::Col(50), con::Row(10), "損害  ");
    con::print_single_item(e.defender_losses);
    con::print_string_item("    ");
    con::print_single_item(e.attacker_losses);
    con::print_end();
    st.VS(0, AIR_FIGHTERS) = con::store(L(st.VS(0, AIR_FIGHTERS)) + L(e.defender_losses));
    take_patrol_losses(st, e.defender_losses);
}

/// Step 7: the patrol against bomber part k, when both have aircraft.
void fight_bombers(State& st, int k) {
    if (st.W(k) < 1 || st.DE(k) < 1) return;
    const float type = RaidTypes{st.ENEMY_TYPE_OFFSET, st.RAID_FIGHTER_TYPE}.type_of(k);
    show_encounter(st, 4 * k + 8, type);
    float down =
        bomber_combat(patrol_strength(st.DE(k), st.CB(k)), st.Z(type, Z_RESISTANCE), crew_term_now(st), con::rnd);
    if (down > st.W(k)) down = st.W(k);
    st.W(k) = con::store(L(st.W(k)) - L(down));
    st.VS(1, k) = con::store(L(st.VS(1, k)) + L(down));
    con::locate(con::Col(48), con::Row(4 * k + 10));
    report_shot_down(st.NX(type), down, st.W(k), "           残り ");
    con::print_using_end(false);
}

}  // namespace

con::real patrol_strength(float de, float cb) {
    const real d = de, c = cb;
    if (c >= d) return 3 * d;
    if (c < 1) return 2 * d;
    return 3 * c + 2 * (d - c);
}

PartCounts patrol_after_losses(PartCounts DE, float losses) {
    DE[0] = con::store(L(DE[0]) - L(losses));
    if (DE[0] < 0) DE[1] = con::store(L(DE[1]) + L(DE[0]));
    if (DE[1] < 0) DE[2] = con::store(L(DE[2]) + L(DE[1]));
    return DE;
}

void take_patrol_losses(State& st, float losses) {
    const float f = st.FLEET_NO;
    move_in_passes(con::round_half_away(st.CV(0, f)), con::round_half_away(losses), [&](long j) {
        float& combat = st.F(0, j, AIR_FIGHTERS, F_AIR_COMBAT);
        if (combat < 1) return false;
        combat = con::store(L(combat) - 1);
        return true;
    });
}

con::real crew_term(float fighters_lost, float lost_without_combat) {
    return int_floor((L(fighters_lost) - L(lost_without_combat)) / 20);
}

Exchange escort_combat(float escorts, float quality, con::real strength, con::real q, const Draw& rnd) {
    Exchange e;
    real defender = 0, attacker = 0;
    for (real i = 1; i <= L(escorts); ++i)
        if (int_floor(L(rnd()) * 60) + L(quality) * 10 > 60 - q) defender += 1;
    for (real i = 1; i <= strength; ++i)
        if (int_floor(L(rnd()) * 60) - q > 30) attacker += 1;
    e.defender_losses = con::store(defender);
    e.attacker_losses = con::store(attacker);
    return e;
}

float bomber_combat(con::real strength, float resistance, con::real q, const Draw& rnd) {
    real down = 0;
    for (real i = 1; i <= strength; ++i)
        if (int_floor(L(rnd()) * 60) + 40 - q > L(resistance) * 10) down += 1;
    return con::store(down);
}

void show_battleship_list(const State& st) {
    const float f = st.FLEET_NO;
    const long n = con::round_half_away(st.BB(0, f));
    con::color(6);
    for (long i = 1; i <= n; ++i) {
        const float s = st.G(0, f, i);
        con::locate(con::Col(22), con::Row(6 + i));
        con::print_single_item(static_cast<float>(i));
        con::print_end();
        con::print_at(con::Col(26), con::Row(6 + i), st.MX(0, s));
        con::print_end();
        con::locate(con::Col(32), con::Row(6 + i));
        con::print_single_item(st.A(0, s, A_DURABILITY));
        con::print_string_item("/");
        con::print_single_item(st.A(0, s, A_FULL_DURABILITY));
        con::print_end();
    }
}

void report_shot_down(const std::string& name, float down, float left, std::string_view none_left) {
    if (down >= 1) {
        con::print_using_start("@@###@###");
        con::print_using_string(name);
        con::print_using_string(" ");
        con::print_using_single(down);
        con::print_using_string(" 機撃墜 残り ");
    } else {
        con::print_using_start("@@###");
        con::print_using_string(name);
        con::print_using_string(none_left);
    }
    con::print_using_single(left);
}

Block ALLIED_RAID(State& st) {
    if (st.OWN_FLEET_AFLOAT < 5) show_battleship_list(st);
    st.RAID_THIS_HOUR = 1;
    morva::HIGAI(st.TT, st.CV, st.C, st.MX, st.A);
    GEIGEKI(st);
    const RaidTypes types = raid_types(st.SCENARIO_NO, st.AT(st.FLEET_NO));
    st.ENEMY_TYPE_OFFSET = types.offset;
    st.RAID_FIGHTER_TYPE = types.fighter_type;
    con::print_at(con::Col(12), con::Row(22), con::space_string(65));
    con::print_end();
    if (st.DE(0) >= 1) fight_escorts(st);
    con::color(6);
    for (int k = AIR_DIVE_BOMBERS; k <= AIR_HEAVY_BOMBERS; ++k) fight_bombers(st, k);
    PAUSE_MESSAGE(st);
    return Block::RaidAntiAircraft;
}

}  // namespace morva95f
