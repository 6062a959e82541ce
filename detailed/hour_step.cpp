// MORVA95F: the hour steps of an operation's day: the opening of each step with its resets and
// flight-deck repairs, the routing of the hour, the air phase and the morning phase with the
// map, the contact report and the launches, and the end of the hour.
#include "console/console.h"
#include "detailed/blocks.h"
#include "campaign/damage_list.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

void count_carriers_afloat(State& st, float f) {
    const long allied = con::round_half_away(st.CV(1, f));
    for (int k = 1; k <= 3; ++k) {
        st.SS(k) = 0;
        if (st.KS(k) < 1) continue;
        for (long j = 1; j <= allied; ++j) {
            const float i = st.C(1, f, j);
            if (st.A(1, i, A_DURABILITY) > 0 && st.A(1, i, A_TASK_FORCE) == k)
                st.SS(k) = con::store(con::L(st.SS(k)) + 1);
        }
    }
}

/// A sunk carrier's deck and its aircraft aboard are gone; a carrier afloat repairs its deck
/// by half a point (player) or two points (Allies) an hour, up to 10.
void repair_flight_decks(State& st, float f) {
    for (int side = 0; side <= 1; ++side) {
        const long carriers = con::round_half_away(st.CV(side, f));
        for (long j = 1; j <= carriers; ++j) {
            const float i = st.C(side, f, j);
            if (st.A(side, i, A_DURABILITY) < 1) {
                st.A(side, i, A_FLIGHT_DECK) = 0;
                for (int s = F_NOT_READY; s <= F_DECK; ++s)
                    st.F(side, j, AIR_FIGHTERS, s) = st.F(side, j, AIR_DIVE_BOMBERS, s) = 0;
                for (int s = F_UNARMED; s <= F_BOMB_DECK; ++s) st.F(side, j, AIR_TORPEDO_BOMBERS, s) = 0;
                continue;
            }
            const con::real deck = con::L(st.A(side, i, A_FLIGHT_DECK)) + con::real(3 * side + 1) / 2;
            st.A(side, i, A_FLIGHT_DECK) = con::store(deck > 10 ? 10 : deck);
        }
    }
}

/// Step 2 of the air phase: task forces within 8 units by the last map are seen, and see.
void visual_contacts(State& st) {
    for (int k = 1; k <= 3; ++k) {
        if (st.KS(k) == 0 || st.PK(k) > 8) continue;
        if (st.H(k) < 0) {
            const bool listed = st.J(1) == k || st.J(2) == k || st.J(3) == k;
            for (int n = 1; n <= 3 && !listed; ++n)
                if (st.J(n) == 0) {
                    st.J(n) = static_cast<float>(k);
                    break;
                }
        }
        st.H(H_ON_FLEET) = 3;
        if (st.H(k) < 4) st.H(k) = 3;
    }
}

void draw_map(State& st) {
    con::clear_screen(0);
    FMAP(st);
}

void report_turned_back(State& st, int s) {
    con::print_at(con::Col(0), con::Row(1), con::space_string(38));
    con::color(7);
    con::locate(con::Col(1), con::Row(1));
    const long hour = 1 + con::round_half_away(con::mod(con::L(st.TT(TT_SUBTURN)), 12));
    con::print_single_item(static_cast<float>(hour));
    if (s == 0) {
        con::print_string_item("時 発進の攻撃隊は敵基地に到達できず");
    } else {
        con::print_string_item("時 発進の攻撃隊");
        con::print_single_item(static_cast<float>(s));
        con::print_string_item("は敵艦隊の捕捉に失敗");
    }
    con::print_end();
    MATU(st);
}

bool fleet_afloat(const State& st, float f) {
    const long carriers = con::round_half_away(st.CV(0, f));
    for (long j = 1; j <= carriers; ++j)
        if (st.A(0, st.C(0, f, j), A_DURABILITY) > 0) return true;
    const long battleships = con::round_half_away(st.BB(0, f));
    for (long j = 1; j <= battleships; ++j)
        if (st.A(0, st.G(0, f, j), A_DURABILITY) > 0) return true;
    return false;
}

}  // namespace

Block HOUR_START(State& st) {
    const float f = st.FLEET_NO;
    const float s = st.SUBTURN_NO;
    st.TT(TT_SUBTURN) = s;
    st.GUN_SUBTURN_NO = 1;
    st.TT(TT_SEARCH_FLYING) = 0;
    count_carriers_afloat(st, f);
    for (int k = 0; k <= 3; ++k) st.ID(k) = st.HH(k) = 0;
    st.N(0) = st.N(1) = 0;
    repair_flight_decks(st, f);
    if (s == 1) return Block::MorningPhase;
    if (s > 15) return Block::SurfacePhase;
    if (st.H(H_ON_FLEET) >= 0) {
        IDO5(st);
        st.RAID_THIS_HOUR = 0;
        if (st.W(1) != 0 || st.W(2) != 0 || st.W(3) != 0) {
            con::clear_screen(0);
            st.TT(TT_DAY) = st.DAY_NO;
            st.TT(TT_SUBTURN) = s;
            st.TT(TT_GUN_SUBTURN) = st.GUN_SUBTURN_NO;
            HINITI(st);
            ICHI0(st);
            return Block::AlliedRaid;
        }
    }
    // Without a raid: the harbour raid's hours still close with the raid's pause.
    return st.PEARL_HARBOR_TURN > 0 ? Block::RaidEnd : Block::BaseStrikeArrival;
}

Block NEXT_HOUR(State& st) {
    st.SUBTURN_NO = con::store(con::L(st.SUBTURN_NO) + 1);
    return st.SUBTURN_NO <= 21 ? Block::HourStart : Block::EndOfDay;
}

Block HOURLY_AIR_PHASE(State& st) {
    IDO2(st);
    visual_contacts(st);
    HENKO(st);
    const long s = con::round_half_away(st.SUBTURN_NO);
    const bool split_hour = s % 3 == 0 && s >= 4 && s <= 12;
    if (st.RAID_THIS_HOUR == 1 || split_hour || st.TT(TT_MAP_SHOWN) == 1) {
        st.TT(TT_MAP_SHOWN) = 1;
        draw_map(st);
    }
    SAKUTEKI2(st);
    return Block::MorningPhase;
}

Block MORNING_PHASE(State& st) {
    const float f = st.FLEET_NO;
    st.TT(TT_SUBTURN) = st.SUBTURN_NO;
    st.TT(TT_GUN_SUBTURN) = st.GUN_SUBTURN_NO;
    if (st.TT(TT_MAP_SHOWN) == 0 && (st.TT(TT_SEARCH_FLYING) == 1 || st.RAID_THIS_HOUR == 0)) draw_map(st);
    morva::HIGAI(st.TT, st.CV, st.C, st.MX, st.A);
    HINITI(st);
    ICHI0(st);
    st.OWN_FLEET_AFLOAT = 0;
    const long carriers = con::round_half_away(st.CV(0, f));
    for (long j = 1; j <= carriers; ++j)
        if (st.A(0, st.C(0, f, j), A_DURABILITY) > 0)
            st.OWN_FLEET_AFLOAT = con::store(con::L(st.OWN_FLEET_AFLOAT) + 10);
    if (st.OWN_FLEET_AFLOAT >= 9) SAKUTEKI(st);
    if (st.SUBTURN_NO > 14) return Block::SurfacePhase;
    if (st.H(H_ON_FLEET) >= 1) HASSIN(st);
    return Block::CarrierOperationsHour;
}

Block END_OF_HOUR(State& st) {
    for (int s = 0; s <= 3; ++s)
        if (st.HH(s) != 0) report_turned_back(st, s);
    if (st.SUBTURN_NO < 16) SUMR(st);
    for (int k = 0; k <= 3; ++k)
        if (st.H(k) > 0 && st.H(k) < 4) st.H(k) = con::store(con::L(st.H(k)) - 1);
    return fleet_afloat(st, st.FLEET_NO) ? Block::NextHour : Block::CarriersLost;
}

}  // namespace morva95f
