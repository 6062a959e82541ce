// MORVA95F: GEIGEKI, the arrival of an Allied raid on the player's fleet: the warning and the
// raid's aircraft by type, the patrol aloft with its altitude split and the fighters waiting on
// the flight decks, the scramble question, and the patrol's allocation against the raid's parts
// with the allocated fighters moved into air combat.
#include "campaign/dialogue.h"
#include "console/console.h"
#include "detailed/raid.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

using con::L;

/// A carrier takes part in an interception only with its flight deck at 8 or more.
constexpr float kDeckForInterception = 8;
/// The rows of the allocation column: part k on row 8 + 4k, from column 54.
constexpr int kAllocationColumn = 54;

void line_at(int column, int row, std::string_view text) {
    con::print_at(con::Col(column), con::Row(row), text);
    con::print_end();
}

bool takes_part(const State& st, float f, long s) {
    return st.A(0, st.C(0, f, s), A_FLIGHT_DECK) >= kDeckForInterception;
}

long carrier_slots(const State& st, float f) { return con::round_half_away(st.CV(0, f)); }

/// The fighters on the flight decks and on patrol of the carriers that take part.
std::pair<float, float> count_fighters(const State& st, float f) {
    con::real deck = 0, patrol = 0;
    for (long s = 1; s <= carrier_slots(st, f); ++s) {
        if (!takes_part(st, f, s)) continue;
        deck += st.F(0, s, AIR_FIGHTERS, F_DECK);
        patrol += L(st.F(0, s, AIR_FIGHTERS, F_PATROL_FIRST)) + L(st.F(0, s, AIR_FIGHTERS, F_PATROL_SECOND));
    }
    return {con::store(deck), con::store(patrol)};
}

/// Steps 1 and 3: the warning and a line for each part of the raid that has aircraft.
void show_raid(const State& st, const RaidTypes& types) {
    con::color(3);
    line_at(6, 4, "敵機来襲 !!");
    for (int k = AIR_FIGHTERS; k <= AIR_HEAVY_BOMBERS; ++k) {
        if (st.W(k) < 1) continue;
        con::color(6);
        con::locate(con::Col(1), con::Row(6 + k));
        con::print_using_start("@@###@");
        con::print_using_string(st.NX(types.type_of(k)));
        con::print_using_string(" ");
        con::print_using_single(st.W(k));
        con::print_using_string(" 機");
        con::print_using_end(true);
    }
}

/// Steps 6 and 7: the patrol aloft with its split, and the fighters waiting on the decks.
void show_patrol(const State& st, float earlier, float deck) {
    con::color(6);
    line_at(16, 21, "現在上空に直衛機");
    if (earlier == 0) {
        con::print_at(con::Col(32), con::Row(21), "はいません");
    } else {
        const float low = low_share(earlier, st.TT(TT_FIGHTER_SPLIT));
        con::locate(con::Col(34), con::Row(21));
        con::print_single_item(earlier);
        con::print_string_item("機飛行中   高空");
        con::print_single_item(con::store(L(earlier) - L(low)));
        con::print_string_item("機・低空");
        con::print_single_item(low);
        con::print_string_item("機");
        con::print_end();
    }
    con::print_at(con::Col(16), con::Row(22), "（甲板待機中の");
    con::print_string_item(st.NX(1));
    con::print_string_item("は");
    con::print_single_item(deck);
    con::print_string_item("機）");
}

/// Step 8: how many deck fighters go up, read by the line input for numbers, which refuses an
/// empty or malformed answer with its own message and reads again in place. Only a whole number
/// from 0 to the deck fighters is taken; a negative or fractional answer is asked again like one
/// above them, since the scramble moves whole aircraft.
float ask_scramble(float deck) {
    const auto ask = [] { line_at(10, 20, "何機発進させますか ?"); };
    return con::store(morva::ask_count(ask, {39, 20, ""}, 0, L(deck)));
}

/// Step 9: the scrambled fighters go up one a carrier in passes, from the decks to patrol.
void scramble(State& st, float f, float n) {
    move_in_passes(carrier_slots(st, f), con::round_half_away(n), [&](long s) {
        float& deck = st.F(0, s, AIR_FIGHTERS, F_DECK);
        if (!takes_part(st, f, s) || deck < 1) return false;
        deck = con::store(L(deck) - 1);
        float& patrol = st.F(0, s, AIR_FIGHTERS, F_PATROL_FIRST);
        patrol = con::store(L(patrol) + 1);
        float& away = st.A(0, st.C(0, f, s), A_AIRCRAFT_AWAY);
        away = con::store(L(away) + 1);
        return true;
    });
}

/// Step 21: "対" a part's type "は" its fighters "機" for each part with fighters.
void show_allocation(const State& st, const RaidTypes& types) {
    for (int k = AIR_FIGHTERS; k <= AIR_HEAVY_BOMBERS; ++k) {
        if (st.DE(k) <= 0) continue;
        const int row = 8 + 4 * k;
        line_at(kAllocationColumn, row, con::space_string(23));
        con::print_at(con::Col(kAllocationColumn), con::Row(row), "対");
        con::print_string_item(st.NX(types.type_of(k)));
        con::print_string_item("は");
        con::print_single_item(st.DE(k));
        con::print_string_item("機");
        con::print_end();
    }
}

/// Step 22: the allocated fighters go into air combat, those in their second patrol hour first.
void commit(State& st, float f) {
    const long total = con::round_half_away(L(st.DE(0)) + L(st.DE(1)) + L(st.DE(2)) + L(st.DE(3)));
    if (total < 1) return;
    long moved = 0;
    for (const int from : {F_PATROL_SECOND, F_PATROL_FIRST})
        moved += move_in_passes(carrier_slots(st, f), total - moved, [&](long s) {
            float& patrol = st.F(0, s, AIR_FIGHTERS, from);
            if (!takes_part(st, f, s) || patrol < 1) return false;
            patrol = con::store(L(patrol) - 1);
            float& combat = st.F(0, s, AIR_FIGHTERS, F_AIR_COMBAT);
            combat = con::store(L(combat) + 1);
            return true;
        });
}

/// Steps 12-22 for a patrol aloft: the allocation, its lines and the move into air combat.
void allocate(State& st, float f, float earlier, float scrambled) {
    const AllocationInput in{{st.W(0), st.W(1), st.W(2), st.W(3)}, earlier, scrambled, st.TT(TT_FIGHTER_SPLIT)};
    const Allocation a = allocate_patrol(in, {st.CB(0), st.CB(1), st.CB(2), st.CB(3)}, con::rnd);
    for (int k = 0; k <= 3; ++k) st.DE(k) = a.DE[k], st.CB(k) = a.CB[k];
    if (L(earlier) + L(scrambled) <= 0) return;
    con::color(6);
    const RaidTypes types = raid_types(st.TT(TT_SCENARIO), st.AT(st.TT(TT_FLEET)));
    show_allocation(st, types);
    commit(st, f);
}

}  // namespace

void GEIGEKI(State& st) {
    const float f = st.TT(TT_FLEET);
    const RaidTypes types = raid_types(st.TT(TT_SCENARIO), st.AT(f));
    show_raid(st, types);
    const auto [deck, earlier] = count_fighters(st, f);
    show_patrol(st, earlier, deck);
    const float scrambled = deck < 1 ? 0 : ask_scramble(deck);
    if (scrambled > 0) scramble(st, f, scrambled);
    line_at(10, 20, con::space_string(45));
    line_at(16, 22, con::space_string(35));
    const float total = con::store(L(earlier) + L(scrambled));
    if (total > 0) {
        line_at(32, 21, con::space_string(45));
        con::color(7);
        con::print_at(con::Col(16), con::Row(21), "現在上空に直衛機 ");
        con::print_single_item(total);
        con::print_string_item("機飛行中");
        con::print_end();
        MATU(st);
    }
    allocate(st, f, earlier, scrambled);
    MATU(st);
    for (int row = 8; row <= 20; ++row)
        con::print_at(con::Col(kAllocationColumn), con::Row(row), con::space_string(24));
}

}  // namespace morva95f
