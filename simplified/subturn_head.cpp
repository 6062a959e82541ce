// MORVA95S: HOUR_START, the head of a day's sub-turn loop: the late hours and the battleship
// battle go straight to phase 8; in the air sub-turns the carriers' upkeep (sunk carriers,
// fleet speeds, flight decks) and the Allied raid gathered from the arrival stage, which
// decides where phase 1 or 2 begins.
#include "console/numbers.h"
#include "simplified/air_units.h"
#include "simplified/blocks.h"
#include "simplified/routines.h"

namespace morva95s {
namespace {

using con::L;

/// Step 4 for one side: sunk carriers lose hangar and deck, the slowest afloat carrier sets
/// the side's speed, and the flight decks recover; false when no carrier of the side is afloat.
bool carrier_upkeep(State& st, int side) {
    bool speed_found = false;
    const float f = st.FLEET_NO;
    for (long k = 1; L(k) <= L(st.CV(side, f)); ++k) {
        const float ship = st.C(side, f, k);
        if (L(st.A(side, ship, A_DURABILITY)) < 1) {
            st.A(side, ship, A_FLIGHT_DECK) = 0;
            st.F(side, k, F_HANGAR) = 0;
            st.D(side, k, D_HANGAR) = 0;
            st.T(side, k, T_HANGAR) = 0;
            continue;
        }
        const float speed = st.A(side, ship, A_SPEED);
        if (!speed_found || L(speed) < L(st.S(side))) st.S(side) = speed;
        speed_found = true;
        const con::real deck = L(st.A(side, ship, A_FLIGHT_DECK)) + 0.5L + 1.5L * side;
        st.A(side, ship, A_FLIGHT_DECK) = deck > 10 ? 10.0f : con::store(deck);
    }
    return speed_found;
}

/// Steps 7-8: the Allied carriers' and the base's units in range join the raid W.
void gather_raid(State& st) {
    for (long k = 1; L(k) <= L(st.CV(ALLIED, st.FLEET_NO)); ++k) {
        if (L(st.AIR_DISTANCE) <= 7) gather_units(st.W(0), st.F(ALLIED, k, AL_OVER));
        if (L(st.AIR_DISTANCE) <= 9) {
            gather_units(st.W(1), st.D(ALLIED, k, AL_OVER));
            gather_units(st.W(2), st.T(ALLIED, k, AL_OVER));
        }
    }
    if (L(st.BASE_DISTANCE) <= 7) {
        st.W(4) = st.W(0);
        gather_units(st.W(0), st.Q(QR_FIGHTERS, Q_OVER));
    }
    if (L(st.BASE_DISTANCE) <= 9) {
        for (int row = QR_DIVE; row <= QR_TORPEDO; ++row) {
            st.W(row + 4) = st.W(row);
            gather_units(st.W(row), st.Q(row, Q_OVER));
        }
    }
    st.W(3) = st.Q(QR_HEAVY, Q_OVER);
    st.Q(QR_HEAVY, Q_OVER) = 0;
}

/// Step 9: the Allied units still out once the raid is gathered; the base's units that did
/// not join are lost.
con::real units_still_out(State& st) {
    con::real n = 0;
    for (long k = 1; L(k) <= L(st.CV(ALLIED, st.FLEET_NO)); ++k)
        n += L(st.F(ALLIED, k, AL_OVER)) + L(st.D(ALLIED, k, AL_OVER)) + L(st.T(ALLIED, k, AL_OVER));
    n += L(st.W(0));
    for (int row = QR_FIGHTERS; row <= QR_TORPEDO; ++row) {
        n += L(st.Q(row, Q_OVER));
        st.Q(row, Q_OVER) = 0;
    }
    return n;
}

}  // namespace

Block HOUR_START(State& st) {
    if (L(st.SUBTURN_NO) > 20) return Block::EndOfDay;
    st.TT(TT_SUBTURN) = st.SUBTURN_NO;
    st.GUN_SUBTURN_NO = 1;
    if (st.SCENARIO_NO == 7) return Block::GunBattle;
    if (L(st.SUBTURN_NO) > 15) return Block::SurfacePhase;
    for (int side = JAPANESE; side <= ALLIED; ++side) {
        if (!carrier_upkeep(st, side)) {
            st.TT(TT_FLEET) = st.FLEET_NO;
            SP(st);
        }
    }
    return Block::RaidBuildUp;
}

Block RAID_BUILD_UP(State& st) {
    for (int i = 0; i <= 6; ++i) st.W(i) = 0;
    if (st.H(1) == 0) return st.PEARL_HARBOR_TURN != 0 ? Block::AbortQuestion : Block::BaseStrikeArrival;
    gather_raid(st);
    const con::real out = units_still_out(st);
    if (st.W(1) == 0 && st.W(2) == 0 && st.W(3) == 0) {
        if (st.PEARL_HARBOR_TURN == 1) return Block::AbortQuestion;
        return out == 0 ? Block::OwnStrikeArrival : Block::BaseStrikeArrival;
    }
    return Block::AlliedRaidPhase;
}

Block NEXT_SUBTURN(State& st) {
    st.SUBTURN_NO = con::store(L(st.SUBTURN_NO) + 1);
    return Block::HourStart;
}

}  // namespace morva95s
