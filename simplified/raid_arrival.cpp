// MORVA95S: ALLIED_RAID_PHASE, the opening of phase 1 of a sub-turn when an Allied raid with
// bombers reaches the player's fleet: the header and the carriers' damage list, "敵機来襲 !!"
// with the raid's units by type, the combat air patrol aloft and the fighters ready on the
// decks, and the emergency launch of deck fighters against the raid.
#include "campaign/dialogue.h"
#include "console/console.h"
#include "simplified/air_units.h"
#include "simplified/blocks.h"
#include "simplified/carrier_passes.h"
#include "simplified/raid.h"
#include "simplified/routines.h"

namespace morva95s {
namespace {

using con::L;

/// The raid's text colour from the raid board on.
constexpr int kRaidColour = 6;
/// The target bases whose raids fly British types.
constexpr float kHurricaneBase = 8;
constexpr float kSpitfireBase = 20;

/// Steps 1-3: the header line, the damage list and the warning; the raid's types.
void open_raid(State& st) {
    con::clear_screen(0);
    st.TT(TT_DAY) = st.DAY_NO;
    st.TT(TT_SUBTURN) = st.SUBTURN_NO;
    st.TT(TT_GUN_SUBTURN) = st.GUN_SUBTURN_NO;
    HINITI(st);
    SHOW_DAMAGE(st);
    st.ENEMY_TYPE_OFFSET = 0;
    st.ESCORT_TYPE_OFFSET = 0;
    con::color(3);
    con::print_at(con::Col(6), con::Row(4), "敵機来襲 !!");
    con::print_end();
    const RaidTypes types = raid_types(st.AT(st.FLEET_NO));
    st.ENEMY_TYPE_OFFSET = types.enemy_offset;
    st.ESCORT_TYPE_OFFSET = types.escort_offset;
}

/// Step 4: one row per raid part with units, fighters on row 6 to heavy bombers on row 9.
void show_raid_board(const State& st) {
    const RaidTypes types{st.ENEMY_TYPE_OFFSET, st.ESCORT_TYPE_OFFSET};
    con::color(kRaidColour);
    for (int i = RAID_ESCORTS; i <= RAID_HEAVY; ++i) {
        if (L(st.W(i)) < 1) continue;
        con::locate(con::Col(2), con::Row(6 + i));
        con::print_using_start("@@##@");
        con::print_using_string(st.NN(types.type_of(i)));
        con::print_using_string(" ");
        con::print_using_single(st.W(i));
        con::print_using_string(" ユニット");
        con::print_using_end(true);
    }
}

/// Step 5: the patrol aloft over the fleet (sunk carriers' included) and the fighters ready on
/// the decks that can launch.
void count_fighters(State& st) {
    con::real patrol = 0, deck = 0;
    for (long k = 1; L(k) <= L(st.CV(JAPANESE, st.FLEET_NO)); ++k) {
        patrol += L(st.F(JAPANESE, k, F_CAP_FIRST)) + L(st.F(JAPANESE, k, F_CAP_SECOND));
        if (fit_carrier(st, JAPANESE, k)) deck += L(st.F(JAPANESE, k, F_DECK));
    }
    st.PATROL_UNITS = con::store(patrol);
    st.DECK_FIGHTER_UNITS = con::store(deck);
    st.CB(0) = st.PATROL_UNITS;
}

/// "<count>ユニット飛行中" at column 34 or 16 of row 21.
void patrol_flying(const State& st, int column) {
    con::locate(con::Col(column), con::Row(21));
    con::print_single_item(st.PATROL_UNITS);
    con::print_string_item("ユニット飛行中");
    con::print_end();
}

/// Steps 6 and 7: the patrol line and the deck line.
void show_fighters(const State& st) {
    con::print_at(con::Col(16), con::Row(21), "現在上空に直衛機");
    con::print_end();
    if (st.PATROL_UNITS == 0) {
        con::print_at(con::Col(32), con::Row(21), "はいません");
        con::print_end();
    } else {
        patrol_flying(st, 34);
    }
    con::print_at(con::Col(16), con::Row(22), "現在甲板に");
    con::print_string_item(st.NN(1));
    con::print_single_item(st.DECK_FIGHTER_UNITS);
    con::print_string_item("ユニット待機中");
    con::print_end();
}

/// Step 9: the number of deck fighters to launch. Only a whole number from 0 to the deck
/// fighters is taken: a negative or fractional one is asked again like one above them, since
/// the launch moves whole units.
float ask_launch(const State& st) {
    const auto ask = [] {
        con::print_at(con::Col(10), con::Row(20), "何ユニット発進させますか ?");
        con::print_end();
    };
    return con::store(
        morva::ask_count(ask, {39, 20, ""}, 0, L(st.DECK_FIGHTER_UNITS)));
}

/// Step 10: the launch, one unit a fit carrier in passes, the lower slots first, from the deck
/// into the patrol launched during a raid.
void emergency_launch(State& st, float units) {
    carrier_passes(
        st, JAPANESE, units, [&](long k) { return L(st.F(JAPANESE, k, F_DECK)) >= 1 && fit_carrier(st, JAPANESE, k); },
        [&](long k) { move_unit(st.F, JAPANESE, k, F_DECK, F_CAP_RAID); });
}

}  // namespace

con::real die(const Draw& rnd) { return con::int_floor(L(rnd()) * 6) + 1; }

float RaidTypes::type_of(int part) const {
    if (part == RAID_ESCORTS) return con::store(4 + L(escort_offset));
    if (part == RAID_HEAVY) return 7;
    return con::store(4 + part + L(enemy_offset));
}

RaidTypes raid_types(float base) {
    if (base == kHurricaneBase) return {4, 4};
    if (base == kSpitfireBase) return {4, 5};
    return {0, 0};
}

Block ALLIED_RAID_PHASE(State& st) {
    open_raid(st);
    show_raid_board(st);
    count_fighters(st);
    show_fighters(st);
    if (!(L(st.DECK_FIGHTER_UNITS) < 1)) {
        const float launched = ask_launch(st);
        st.PATROL_UNITS = con::store(L(st.PATROL_UNITS) + L(launched));
        if (launched != 0) emergency_launch(st, launched);
    }
    CLEAR_MESSAGE_ROWS(st);
    patrol_flying(st, 16);
    return Block::PatrolAllocation;
}

}  // namespace morva95s
