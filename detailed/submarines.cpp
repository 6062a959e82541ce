// MORVA95F: the submarines of a daytime hour, SUMR: an Allied submarine near the target base
// finds the player's fleet and then torpedoes its escorts, battleships or carriers until the
// escorts sink it; Japanese submarines find the Allied task forces and attack them likewise.
#include "campaign/ship_choice.h"
#include "console/console.h"
#include "detailed/coast_drawings.h"
#include "detailed/map_geometry.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

using morva::choose_slot;

/// One line of the submarine messages, without a line end.
void say(int column, int row, std::string_view text) { con::print_at(con::Col(column), con::Row(row), text); }

/// Lowers the durability of ship i of side s by the torpedo's points, not below 0.
void torpedo_damage(State& st, int s, float i, con::real points) {
    float& durability = st.A(s, i, A_DURABILITY);
    const con::real left = con::L(durability) - points;
    durability = con::store(left < 0 ? 0 : left);
}

/// The carrier's flight deck loses a point two times in three (with no lower limit).
void deck_damage(State& st, int s, float i) {
    const con::real r = con::L(con::rnd()) * 3;
    float& deck = st.A(s, i, A_FLIGHT_DECK);
    if (r < 2) deck = con::store(con::L(deck) - 1);
}

/// A ship drawn from list slots 1..n (`ship_of` gives the ship of a slot), drawn again while
/// `again(ship, r')` holds for a second draw r'. Returns 0 when the bound ends the choice.
template <class ShipOf, class Again>
float choose_ship(long n, ShipOf ship_of, Again again) {
    const long k = choose_slot(n, [&](long slot, con::real r) { return again(ship_of(slot), r); });
    return k == 0 ? 0 : ship_of(k);
}

/// The Allied torpedo's hit on the player's battleship or carrier; returns the ship hit.
float hit_own_ship(State& st, float f, bool carrier) {
    const int s = 0;
    if (!carrier) {
        const float i = choose_ship(
            con::round_half_away(st.BB(0, f)), [&](con::real k) { return st.G(0, f, k); },
            [&](float ship, con::real r) { return st.A(s, ship, A_DURABILITY) < 1 && r * 10 > 2; });
        torpedo_damage(st, s, i, con::int_floor(con::L(con::rnd()) * 2) + 1);
        return i;
    }
    const float i = choose_ship(
        con::round_half_away(st.CV(0, f)), [&](con::real k) { return st.C(0, f, k); },
        [&](float ship, con::real r) { return st.A(s, ship, A_DURABILITY) < 1 && r * 10 > 1; });
    torpedo_damage(st, s, i, con::int_floor(con::L(con::rnd()) * 3) + 1);
    deck_damage(st, s, i);
    return i;
}

/// Part A: the Allied submarine near the target base. Returns whether it showed a message.
bool allied_submarine(State& st, float f, float b) {
    const con::real m = st.H(H_ON_FLEET) > 0 ? 2 : 1;
    const con::real r = con::L(con::rnd());
    if (100 * r > con::L(st.P(b, P_ALLIED_SUBMARINES)) * m * (con::L(st.SB(SB_ON_FLEET)) + 1)) return false;
    if (st.TT(TT_HARBOUR_STRIKE) == 1) return false;
    if (st.SB(SB_ON_FLEET) == 0) {
        st.H(H_ON_FLEET) = 3;
        st.SB(SB_ON_FLEET) = SB_ALLIED_CONTACT;
        return false;
    }
    const con::real escort = con::L(con::rnd()) * 10;
    if (escort > 6 && st.DF(DF_OWN_FLEET) > 0) {
        st.DF(DF_OWN_FLEET) = con::store(con::L(st.DF(DF_OWN_FLEET)) - 1);
        con::clear_screen(0);
        say(23, 7, "護衛艦が敵潜水艦に雷撃されました");
    } else {
        const con::real which = con::L(con::rnd()) * 10;
        const float i = hit_own_ship(st, f, st.BB(0, f) < 1 || which > 5);
        con::clear_screen(0);
        say(23, 7, st.MX(0, i));
        con::print_string_item(" が敵潜水艦に雷撃されました");
    }
    MATU(st);
    MATU(st);
    if (con::L(con::rnd()) * 10 > 5) {
        st.SB(SB_ON_FLEET) = 0;
        say(23, 11, "護衛艦が敵潜水艦を撃沈しました");
        MATU(st);
        MATU(st);
    }
    return true;
}

/// Whether an Allied list (slots 1..n, `ship_of` giving the ship of a slot) holds a ship of
/// task force k, sunk or afloat.
template <class ShipOf>
bool sails_with(const State& st, long n, ShipOf ship_of, int k) {
    for (long j = 1; j <= n; ++j)
        if (st.A(1, ship_of(j), A_TASK_FORCE) == k) return true;
    return false;
}

/// The Japanese torpedo's hit on a battleship or carrier of task force k. A task force with no
/// battleship of its own takes the hit on a carrier, whatever the force's other battleships.
void hit_task_force(State& st, float f, int k) {
    const long battleships = con::round_half_away(st.BB(1, f));
    const long carriers = con::round_half_away(st.CV(1, f));
    const auto battleship_of = [&](con::real j) { return st.G(1, f, j); };
    const auto carrier_of = [&](con::real j) { return st.C(1, f, j); };
    const bool battleship = st.TT(TT_HARBOUR_STRIKE) != 1 && battleships >= 1 &&
                            sails_with(st, battleships, battleship_of, k);
    if (battleship) {
        const float i = choose_ship(battleships, battleship_of, [&](float ship, con::real r) {
            return st.A(1, ship, A_TASK_FORCE) != k || (st.A(1, ship, A_DURABILITY) < 1 && r * 10 > 2);
        });
        torpedo_damage(st, 1, i, con::int_floor(con::L(con::rnd()) * 2) + 1);
        return;
    }
    if (!sails_with(st, carriers, carrier_of, k)) return;
    const float i = choose_ship(carriers, carrier_of, [&](float ship, con::real r) {
        return st.A(1, ship, A_TASK_FORCE) != k || (10 * con::L(st.A(1, ship, A_DURABILITY)) < 1 && r * 10 > 2);
    });
    torpedo_damage(st, 1, i, con::int_floor(con::L(con::rnd()) * 3) + 1);
    deck_damage(st, 1, i);
}

/// Steps 7-8 of part B for task force k: the first contact of a Japanese submarine. Returns
/// whether it showed a message (only a task force not located before is reported).
bool own_contact(State& st, int k) {
    if (st.H(k) < 0) enter_contact(st, k);
    st.SB(k) = SB_OWN_CONTACT;
    if (st.H(k) > 3) return false;
    if (st.H(k) > 0) {
        st.H(k) = 3;
        return false;
    }
    st.H(k) = 3;
    filled_disc(pixel_x(st.PZ(k, PZ_X)), pixel_y(st.PZ(k, PZ_Y)), 3, kTaskForceColour);
    say(23, 7, "我が軍の潜水艦が敵艦隊を発見しました");
    MATU(st);
    MATU(st);
    return true;
}

/// The attack of the Japanese submarine in contact with task force k, and the destroyers'
/// counter-attack. The ship hit is never named.
void own_attack(State& st, float f, int k) {
    const con::real r = con::L(con::rnd()) * 10;
    if (r > 7 && st.DF(k) > 0) {
        st.DF(k) = con::store(con::L(st.DF(k)) - 1);
    } else {
        hit_task_force(st, f, k);
    }
    say(23, 11, "味方潜水艦が敵艦隊への攻撃に成功");
    say(23, 14, "魚雷命中音を確認しました");
    MATU(st);
    MATU(st);
    if (con::L(con::rnd()) * 10 > 2) {
        st.SB(k) = 0;
        say(23, 17, "敵駆逐艦の反撃を受けて沈没しました");
        MATU(st);
    }
}

/// Near base 19 no Japanese submarine works in the sector bearing 90 to 135 degrees (both
/// bounds excluded) from the base.
bool outside_patrol_area(const State& st, float b, int k) {
    const float y = st.PZ(k, PZ_Y);
    return b == 19 && y < 0 && y > -con::L(st.PZ(k, PZ_X));
}

/// Part B for task force k. Returns whether it showed a message.
bool own_submarine(State& st, float f, float b, int k) {
    if (st.KS(k) == 0 || outside_patrol_area(st, b, k)) return false;
    const con::real m = st.H(k) < 1 ? 1 : 2;
    const con::real r = con::L(con::rnd());
    if (200 * r > con::L(st.P(b, P_JAPANESE_SUBMARINES)) * m * (con::L(st.SB(k)) + 1)) return false;
    con::clear_screen(0);
    if (st.SB(k) > 0) {
        own_attack(st, f, k);
        return true;
    }
    return own_contact(st, k);
}

}  // namespace

void SUMR(State& st) {
    const float f = st.TT(TT_FLEET);
    const float b = st.AT(f);
    con::color(6);
    bool shown = allied_submarine(st, f, b);
    for (int k = 1; k <= 3; ++k) shown = own_submarine(st, f, b, k) || shown;
    st.TT(TT_MAP_SHOWN) = shown ? 1.0f : 0.0f;
}

}  // namespace morva95f
