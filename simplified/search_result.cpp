// MORVA95S: SEARCH_RESULT_PHASE, phase 3 of an air sub-turn: the stage step, the search of
// both sides by three dice with the player's sighting report, the drift and closing of the
// fleets, the situation screen, the Allied closing rate, and the Allied launch decision with
// its escorts, which decides where the launch phase begins.
#include <cmath>

#include "console/console.h"
#include "console/numbers.h"
#include "simplified/air_units.h"
#include "simplified/blocks.h"
#include "simplified/carrier_passes.h"
#include "simplified/routines.h"

namespace morva95s {
namespace {

using con::L;

/// Whether the operating fleet's target base is held by the player.
bool target_taken(const State& st) { return L(st.P(st.AT(st.FLEET_NO), P_HOLDER)) < 1; }

/// Whether the Allied fleet facing the operating air fleet has carriers.
bool allied_carriers(const State& st) { return !(L(st.CV(ALLIED, st.FLEET_NO)) < 1); }

/// Step 2.1: whether a side does not search now. One test for both sides, so the draw of the
/// Allied side's term is made for the Japanese side too.
bool search_skipped(const State& st, int side) {
    const con::real far_base = 15 + L(con::rnd()) * 3;
    const con::real distance = L(st.FLEET_DISTANCE);
    if (st.H(side) == 1) return true;
    if (side == JAPANESE) return distance > 3000 || !allied_carriers(st);
    return (distance > 3000 && L(st.BASE_DISTANCE) > far_base) || (!allied_carriers(st) && target_taken(st));
}

/// Step 2.2: the side's search modifier.
con::real search_modifier(const State& st, int side) {
    con::real m = L(st.SEARCH_REINFORCED);
    if (side == ALLIED) m = 1 - con::int_floor(L(st.BASE_DISTANCE) / 6) - (allied_carriers(st) ? 0 : 1);
    if (target_taken(st)) m -= 1;
    return m;
}

/// Step 2.4: in the harbour strike a contact just found is lost again on most draws, always
/// once the strike has been broken off.
void harbour_contact_rule(State& st, int side) {
    const bool withdrawn = st.PH_WITHDRAW == 1;
    const con::real first = L(con::rnd()) * 50;
    if (side == JAPANESE && (first > 2 || withdrawn)) {
        st.H(side) = 0;
        return;
    }
    const con::real second = L(con::rnd()) * 50;
    if (side == ALLIED && (second > 6 || withdrawn)) st.H(side) = 0;
}

/// Step 2.5.2: the Allied commander, found first, may withdraw or keep the distance.
void allied_posture_on_sighting(State& st) {
    const float f = st.FLEET_NO;
    const con::real oc = L(st.OPERATION_CHARACTER);
    const con::real withdraw = L(con::rnd()) * 9;
    if (L(st.AT(f)) < 21 && (withdraw > 3 + oc || L(st.CV(JAPANESE, f)) >= 2 * L(st.CV(ALLIED, f)))) {
        st.TK(1) = 2;
        return;
    }
    if (L(con::rnd()) * 9 > 2 + oc) st.TK(1) = 1;
}

/// Step 2.5: the player's first sighting of the day: the carriers seen, the Allied posture,
/// the report on row 1 and the battleship hint.
void sighting_report(State& st) {
    const float f = st.FLEET_NO;
    const con::real seen_draw = con::int_floor(L(con::rnd()) * L(st.CV(ALLIED, f)));
    con::real seen = seen_draw - con::int_floor(L(con::rnd()) * 2);
    if (seen < L(st.K(f))) seen = L(st.K(f));
    if (seen < 1) seen = 1;
    st.K(f) = con::store(seen);
    if (st.H(ALLIED) == 0 && st.SCENARIO_NO != 6) allied_posture_on_sighting(st);
    con::print_at(con::Col(0), con::Row(1), con::space_string(79));
    con::print_end();
    con::color(6);
    con::locate(con::Col(10), con::Row(1));
    con::print_string_item("敵空母");
    con::print_single_item(st.K(f));
    con::print_string_item("隻発見 !");
    con::print_end();
    con::locate(con::Col(32), con::Row(1));
    con::print_string_item("距離は ");
    con::print_single_item(st.AIR_DISTANCE);
    con::print_string_item(" 航空距離です");
    const con::real with_battleships = L(con::rnd()) * 10;
    const con::real any_fleet = L(con::rnd()) * 10;
    if (st.PEARL_HARBOR_TURN == 0 && ((with_battleships > 3 && L(st.BB(ALLIED, f)) > 0) || any_fleet > 8))
        con::print_at(con::Col(60), con::Row(1), "敵は戦艦を含む");
    PAUSE_MESSAGE(st);
}

/// Step 2: each side searches for the other, the Japanese side first.
void search(State& st) {
    for (int side : {JAPANESE, ALLIED}) {
        if (search_skipped(st, side)) continue;
        const con::real d1 = six_sided_die(), d2 = six_sided_die(), d3 = six_sided_die();
        if (d1 + d2 + d3 - L(st.R(side)) - search_modifier(st, side) < L(st.SUBTURN_NO)) st.H(side) = 1;
        if (st.PEARL_HARBOR_TURN == 1) harbour_contact_rule(st, side);
        if (side == JAPANESE && st.H(JAPANESE) == 1) sighting_report(st);
    }
}

/// Steps 3-4: the drift before contact, the last movement's closing, the air distance and the
/// contact at close range.
void change_distance(State& st) {
    if (st.H(JAPANESE) == 0 && st.H(ALLIED) == 0) {
        const con::real drift = (con::int_floor(L(con::rnd()) * 6) - 1) * 50;
        const con::real d = L(st.FLEET_DISTANCE);
        st.FLEET_DISTANCE = con::store(d > 700 ? d - drift : d + drift);
    }
    st.FLEET_DISTANCE = con::store(std::fabs(L(st.FLEET_DISTANCE) - L(st.CLOSING_DISTANCE)));
    st.AIR_DISTANCE = con::store(con::int_floor(L(st.FLEET_DISTANCE) / 200));
    if (L(st.FLEET_DISTANCE) < 201 && L(st.CV(ALLIED, st.FLEET_NO)) > 0) {
        st.H(JAPANESE) = 1;
        st.H(ALLIED) = 1;
    }
}

/// Step 5: the situation screen: header, damage list, distance sketch and the contact line.
void situation_screen(State& st) {
    con::clear_screen(0);
    st.TT(TT_SUBTURN) = st.SUBTURN_NO;
    st.TT(TT_GUN_SUBTURN) = st.GUN_SUBTURN_NO;
    HINITI(st);
    SHOW_DAMAGE(st);
    SHOW_DISTANCES(st);
    con::locate(con::Col(40), con::Row(1));
    con::color(6);
    if (st.H(JAPANESE) == 1) {
        con::print_string_item("距離は ");
        con::print_single_item(st.AIR_DISTANCE);
        con::print_string_item(" 航空距離です");
    } else {
        con::print_string_item("敵艦隊いまだ発見できず");
    }
    con::print_end();
}

/// Step 6: the Allied closing rate from the posture, the contact and the distance.
float allied_closing_rate(const State& st) {
    const con::real oc = L(st.OPERATION_CHARACTER);
    const con::real distance = L(st.FLEET_DISTANCE);
    const con::real air = L(st.AIR_DISTANCE);
    const con::real posture = L(st.TK(1));
    if ((st.H(ALLIED) == 0 && posture < 2) || distance > 3000 || (distance > 2200 && posture == 1)) return 0;
    if (posture > 0 || air < 6 - oc) return -10;
    if (air > 8 - oc) return con::store(9 + oc);
    return 0;
}

/// The Allied carriers able to launch (flight-deck value above 7): their fighter groups,
/// deck fighters and deck bombers.
struct AlliedDecks {
    con::real fighters = 0, deck_fighters = 0, deck_bombers = 0;
};

bool allied_deck_works(const State& st, long k) {
    return L(st.A(ALLIED, st.C(ALLIED, st.FLEET_NO, k), A_FLIGHT_DECK)) > 7;
}

AlliedDecks count_allied_decks(const State& st) {
    AlliedDecks decks;
    for (long k = 1; L(k) <= L(st.CV(ALLIED, st.FLEET_NO)); ++k) {
        if (!allied_deck_works(st, k)) continue;
        decks.fighters += L(st.A(ALLIED, st.C(ALLIED, st.FLEET_NO, k), A_AIR_GROUP));
        decks.deck_fighters += L(st.F(ALLIED, k, AL_DECK));
        decks.deck_bombers += L(st.D(ALLIED, k, AL_DECK)) + L(st.T(ALLIED, k, AL_DECK));
    }
    return decks;
}

/// Step 8: the escorts of the Allied strike: what the commander keeps back is 5 - OC units,
/// or INT(fighters / 2) + 1 - OC of a larger group; never more than the deck fighters.
con::real allied_escorts(const State& st, const AlliedDecks& decks) {
    const con::real oc = L(st.OPERATION_CHARACTER);
    const con::real a = decks.fighters;
    con::real escorts = a - (con::int_floor(a / 2) + 1 - oc);
    if (a < 6 - oc || L(st.TK(1)) > 0)
        escorts = 0;
    else if (a > 5 - oc && a < 9 - oc)
        escorts = a - 5 + oc;
    return escorts > decks.deck_fighters ? decks.deck_fighters : escorts;
}

/// Step 9.3: the escorts take off one unit at a time in passes over the working decks with a
/// fighter on deck, the first slots first.
void launch_escorts(State& st, con::real escorts) {
    const int stage = L(st.AIR_DISTANCE) > 5 ? AL_OUT : AL_OVER;
    carrier_passes(
        st, ALLIED, con::store(escorts),
        [&](long k) { return allied_deck_works(st, k) && L(st.F(ALLIED, k, AL_DECK)) >= 1; },
        [&](long k) { move_unit(st.F, ALLIED, k, AL_DECK, stage); });
}

/// Steps 8-9: whether the Allied carriers strike, with or without escorts; where the launch
/// phase begins.
Block allied_launch_check(State& st) {
    const AlliedDecks decks = count_allied_decks(st);
    const con::real escorts = allied_escorts(st, decks);
    const con::real air = L(st.AIR_DISTANCE);
    const con::real late = L(con::rnd()) * 10;
    if (air > 8 || decks.deck_bombers == 0 || (air == 8 && late > 7)) return Block::AlliedBaseLaunch;
    if (air == 8 || escorts < 1) return Block::LaunchPhase;
    launch_escorts(st, escorts);
    return Block::LaunchPhase;
}

}  // namespace

Block SEARCH_RESULT_PHASE(State& st) {
    IDO2(st);
    search(st);
    change_distance(st);
    situation_screen(st);
    st.MV(MV_ALLIED) = allied_closing_rate(st);
    PAUSE_MESSAGE(st);
    if (st.H(ALLIED) == 0) return Block::PlayerStrikeLaunch;
    return allied_launch_check(st);
}

}  // namespace morva95s
