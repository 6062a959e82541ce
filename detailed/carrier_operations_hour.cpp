// MORVA95F: the carrier-operations hour - the order of the player's deck phases in a daytime
// hour step, the deck-status lines, and what the phases share: the carrier-by-carrier passes,
// the torpedo bombers' fixed loads and the torpedo-share question.
#include <algorithm>

#include "campaign/dialogue.h"
#include "console/console.h"
#include "detailed/blocks.h"
#include "detailed/carrier_operations.h"
#include "detailed/routines.h"

namespace morva95f {

using con::add_to;
namespace {

/// The torpedo-share question of n torpedo bombers (the count at column 9 of row 20, the
/// number input at column 13), in the colour in force: only whole shares from 0 to n that
/// both loads can supply are taken.
Loads ask_torpedo_share(State& st, float n, float torpedo_ready, float bomb_ready) {
    const con::real lo = std::max<con::real>(0, con::L(n) - con::L(bomb_ready));
    const con::real hi = std::min<con::real>(n, torpedo_ready);
    const float torpedo = con::store(morva::ask_count(
        [&st, n] {
            CLEAR_PROMPT_ROW(st);
            con::locate(con::Col(9), con::Row(20));
            con::print_using_start("###");
            con::print_using_single(n);
            con::print_using_end(true);
        },
        {13, 20, "機のうち雷装は何機 ? "}, lo, hi));
    return Loads{torpedo, con::store(con::L(n) - con::L(torpedo))};
}

}  // namespace

bool carrier_operational(const State& st, float ship) {
    return st.A(0, ship, A_FLIGHT_DECK) >= 8 && st.A(0, ship, A_DURABILITY) >= 3;
}

void carrier_passes(State& st, const std::function<bool(long slot, float ship)>& give,
                    const std::function<bool()>& done) {
    if (done()) return;
    for (;;) {
        bool moved = false;
        const long carriers = con::round_half_away(st.CV(0, st.FLEET_NO));
        for (long slot = 1; slot <= carriers; ++slot) {
            if (give(slot, st.C(0, st.FLEET_NO, slot))) moved = true;
            if (done()) return;
        }
        // A count that the carriers cannot meet ends here instead of running on.
        if (!moved) return;
    }
}

std::optional<Loads> fixed_loads(float n, float ready, float torpedo_ready, float bomb_ready) {
    if (n == ready) return Loads{torpedo_ready, bomb_ready};
    if (torpedo_ready == 0) return Loads{0, n};
    if (bomb_ready == 0) return Loads{n, 0};
    return std::nullopt;
}

void set_loads(State& st, float n, float torpedo_ready, float bomb_ready) {
    const auto fixed =
        fixed_loads(n, con::store(con::L(torpedo_ready) + con::L(bomb_ready)), torpedo_ready, bomb_ready);
    const Loads loads = fixed ? *fixed : ask_torpedo_share(st, n, torpedo_ready, bomb_ready);
    st.TORPEDO_LOAD = loads.torpedo;
    st.BOMB_LOAD = loads.bomb;
}

bool move_torpedo_bomber(State& st, long slot, float& wanted, int from, int to, int stock, int left, float step) {
    float& there = st.F(0, slot, AIR_TORPEDO_BOMBERS, from);
    if (wanted <= 0 || there <= 0) return false;
    add_to(there, -1);
    add_to(st.F(0, slot, AIR_TORPEDO_BOMBERS, to), 1);
    add_to(wanted, -1);
    if (st.HW(stock) > 0) add_to(st.HW(left), step);
    return true;
}

void show_deck_status(State& st) {
    con::color(6);
    for (int s = KO_FIGHTERS; s <= KO_TORPEDO_BOMBERS; ++s) {
        con::print_at(con::Col(16), con::Row(20 + s), "現在甲板に");
        con::print_string_item(st.NX(s));
        con::print_single_item(st.KO(s));
        con::print_string_item("機待機中");
    }
    con::print_at(con::Col(54), con::Row(23), "(雷装");
    con::print_single_item(st.KO(KO_TORPEDO_ARMED));
    con::print_string_item("爆装");
    con::print_single_item(st.KO(KO_BOMB_ARMED));
    con::print_string_item(")");
}

Block CARRIER_OPERATIONS_HOUR(State& st) {
    STRIKE_LAUNCH_PHASE(st);
    launch_air_patrol(st);
    spot_aircraft(st);
    ARMING_PHASE(st);
    IDO(st);
    IDO11(st);
    strike_down(st);
    return Block::SurfacePhase;
}

}  // namespace morva95f
