// The stage steps of the air unit tables: strike timing near and far, homebound legs, patrols
// and interceptors, sunk carriers, a base taken, the deck count and the raid's hand-back.
#include <gtest/gtest.h>

#include "simplified/air_units.h"
#include "tests/simplified/simplified_support.h"

using namespace simplified_test;
using namespace morva95s;

namespace {

/// Air fleet 1 with Japanese carriers 1-2 and Allied carriers 1-3 (ships as slots), all afloat
/// with working decks, target base 7 still Allied.
struct Fleet : Loaded {
    Fleet() {
        st->TT(TT_FLEET) = 1;
        st->CV(0, 1) = 2;
        st->CV(1, 1) = 3;
        for (int side : {0, 1})
            for (int k = 1; k <= 3; ++k) {
                st->C(side, 1, k) = static_cast<float>(k);
                st->A(side, k, A_DURABILITY) = 5;
                st->A(side, k, A_FLIGHT_DECK) = 10;
            }
        st->AT(1) = 7;
        st->P(7, P_HOLDER) = 1;
        st->PT(0) = 10;
        st->TT(TT_AIR_DISTANCE) = 3;
    }
};

/// The column of slot 1 in which the single unit of a table now is (0 when none).
template <typename Units>
int where(const Units& u, int side) {
    int found = 0;
    for (int c = 0; c < static_cast<int>(Units::kSize / (2 * 9)); ++c)
        if (u(side, 1, c) != 0) found = c;
    return found;
}

}  // namespace

// One dive-bomber unit through a whole fleet strike: near or far launch, short or long return.
TEST(FlightStages, DiveBomberStrikeTiming) {
    struct Case {
        const char* name;
        int launched_into;   // 4 when launched far (above 5), 6 when near
        int after_ido, after_next_ido2;  // the launch's own shelter step, the next search step
    } cases[] = {
        {"near launch (5 or less) is over the target at once", 6, 6, 6},
        {"far launch moves over the target at the next IDO2", 4, 4, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fleet st;
        st->D(0, 1, c.launched_into) = 1;
        IDO(*st);  // the launch's own shelter phase leaves outbound units alone
        EXPECT_EQ(where(st->D, 0), c.after_ido);
        IDO2(*st);
        EXPECT_EQ(where(st->D, 0), c.after_next_ido2);
    }
    // The return legs: survivors in column 8; air distance 3 -> 11, landing at the next IDO;
    // 6 -> 10, 11, then land.
    for (float distance : {3.0f, 6.0f}) {
        SCOPED_TRACE(distance);
        Fleet st;
        st->TT(TT_AIR_DISTANCE) = distance;
        st->D(0, 1, D_FLEET_BACK) = 1;
        std::vector<int> path;
        for (int i = 0; i < 3; ++i) {
            IDO(*st);
            path.push_back(where(st->D, 0));
        }
        const std::vector<int> want = distance < 6 ? std::vector<int>{11, 1, 1} : std::vector<int>{10, 11, 1};
        EXPECT_EQ(path, want);
    }
}

// A base strike's survivors take the short leg below 5.5 (5.4) and the long one at 5.5.
TEST(FlightStages, BaseStrikeReturnLeg) {
    for (float base : {5.4f, 5.5f}) {
        SCOPED_TRACE(base);
        Fleet st;
        st->PT(0) = base;
        st->F(0, 1, F_BASE_BACK) = 2;
        st->D(0, 1, D_BASE_BACK) = 1;
        st->T(0, 1, T_BASE_BACK) = 3;
        IDO(*st);
        const bool near = base < 5.5f;
        EXPECT_EQ(st->F(0, 1, near ? F_HOME_LAST : F_HOME_FAR), 2);
        EXPECT_EQ(st->D(0, 1, near ? D_HOME_LAST : D_HOME_FAR), 1);
        EXPECT_EQ(st->T(0, 1, near ? T_HOME_LAST : T_HOME_FAR), 3);
        EXPECT_EQ(st->F(0, 1, F_HANGAR), 0);  // never lands in the same call
    }
}

// Allied raid survivors: at air distance 5 to the last stage, at 6 to the far stage.
TEST(FlightStages, AlliedHomeboundAndInterceptors) {
    for (float distance : {5.0f, 6.0f}) {
        Fleet st;
        st->TT(TT_AIR_DISTANCE) = distance;
        st->T(1, 2, AL_BACK) = 2;
        IDO(*st);
        EXPECT_EQ(st->T(1, 2, distance < 6 ? AL_HOME_LAST : AL_HOME_FAR), 2);
        IDO(*st);
        EXPECT_EQ(st->T(1, 2, distance < 6 ? AL_HANGAR : AL_HOME_LAST), 2);
    }
    // Interceptors 8 -> 9 -> 10 -> hangar at successive IDO2s; over the base the same.
    Fleet st;
    st->F(1, 3, AL_INTERCEPT) = 2;
    st->Q(QR_FIGHTERS, Q_INTERCEPT) = 4;
    st->F(1, 1, AL_OUT) = 1;
    st->F(1, 1, AL_OVER) = 7;  // left by a skipped raid close: kept, the outbound unit added
    IDO2(*st);
    EXPECT_EQ(st->F(1, 3, AL_INTERCEPT_SECOND), 2);
    EXPECT_EQ(st->Q(QR_FIGHTERS, Q_INTERCEPT_SECOND), 4);
    EXPECT_EQ(st->F(1, 1, AL_OVER), 8);
    EXPECT_EQ(st->F(1, 1, AL_OUT), 0);
    IDO2(*st);
    EXPECT_EQ(st->F(1, 3, AL_INTERCEPT_LAST), 2);
    IDO2(*st);
    EXPECT_EQ(st->F(1, 3, AL_HANGAR), 2);
    EXPECT_EQ(st->Q(QR_FIGHTERS, Q_LANDED), 4);
}

// The combat air patrol: launched into 12, 13 at the next IDO2, the hangar at the one after;
// a patrol launched during a raid (11) moves on to 12.
TEST(FlightStages, CombatAirPatrol) {
    Fleet st;
    st->F(0, 2, F_CAP_FIRST) = 3;
    st->F(0, 2, F_CAP_RAID) = 1;
    IDO2(*st);
    EXPECT_EQ(st->F(0, 2, F_CAP_SECOND), 3);
    EXPECT_EQ(st->F(0, 2, F_CAP_FIRST), 1);
    IDO2(*st);
    EXPECT_EQ(st->F(0, 2, F_HANGAR), 3);
    EXPECT_EQ(st->F(0, 2, F_CAP_SECOND), 1);
}

// Base chain: landed units get ready; with the base taken, the last homebound stage is lost
// but the units that landed in the same call stay.
TEST(FlightStages, TargetBaseChainAndBaseTaken) {
    Fleet st;
    st->P(7, P_HOLDER) = 0;
    st->Q(QR_DIVE, Q_LANDED) = 1;
    st->Q(QR_DIVE, Q_HOME_LAST) = 2;
    st->Q(QR_DIVE, Q_HOME) = 3;
    st->Q(QR_DIVE, Q_BACK_FAR) = 4;
    IDO(*st);
    EXPECT_EQ(st->Q(QR_DIVE, Q_READY), 1);
    EXPECT_EQ(st->Q(QR_DIVE, Q_LANDED), 2);
    EXPECT_EQ(st->Q(QR_DIVE, Q_HOME_LAST), 0);
    EXPECT_EQ(st->Q(QR_DIVE, Q_HOME), 4);
    EXPECT_EQ(st->Q(QR_DIVE, Q_BACK_FAR), 0);
}

// Sunk carriers lose hangar and deck (units landing on them too); the deck count sees only
// working decks (7.5 counts, 7 does not).
TEST(FlightStages, SunkCarriersAndDeckCount) {
    Fleet st;
    st->A(0, 2, A_DURABILITY) = 0.5f;
    st->F(0, 2, F_HOME_LAST) = 2;
    st->D(0, 2, D_DECK) = 3;  // stays: only columns 1-2 are cleared
    st->F(0, 2, F_DECK) = 4;
    st->A(0, 1, A_FLIGHT_DECK) = 7.5f;
    st->F(0, 1, F_DECK) = 1;
    st->T(0, 1, T_DECK_TORPEDO) = 2;
    st->T(0, 1, T_DECK_BOMB) = 3;
    st->D(0, 1, D_DECK) = 5;
    st->A(0, 2, A_FLIGHT_DECK) = 7;
    IDO(*st);
    EXPECT_EQ(st->F(0, 2, F_HANGAR), 0);
    EXPECT_EQ(st->F(0, 2, F_DECK), 0);
    EXPECT_EQ(st->D(0, 2, D_DECK), 3);
    EXPECT_EQ(st->KO(KO_FIGHTERS), 1);
    EXPECT_EQ(st->KO(KO_DIVE), 5);
    EXPECT_EQ(st->KO(KO_TORPEDO_ARMED), 2);
    EXPECT_EQ(st->KO(KO_BOMB_ARMED), 3);
    EXPECT_EQ(st->KO(KO_TORPEDO), 5);
}

// The raid's hand-back: one unit at a time over the carriers afloat, at most six passes.
TEST(FlightStages, RaidHandBack) {
    struct Case {
        const char* name;
        int carriers;
        int sunk_slot;
        float w0, w1, w2;
        float f[4], d[4];  // column 5 of slots 1-3 (index 0 unused)
        float w0_after, w1_after;
    } cases[] = {
        {"8 fighters, one carrier: 6 back, 2 lost", 1, 0, 8, 0, 0, {0, 6, 0, 0}, {0, 0, 0, 0}, 2, 0},
        {"3 dive bombers, slot 2 sunk", 3, 2, 0, 3, 0, {0, 0, 0, 0}, {0, 2, 0, 1}, 0, 0},
        {"2 dive bombers over two carriers", 2, 0, 0, 2, 0, {0, 0, 0, 0}, {0, 1, 1, 0}, 0, 0},
        {"below one unit: nothing dealt", 2, 0, 0.5f, 0, 0, {0, 0, 0, 0}, {0, 0, 0, 0}, 0.5f, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fleet st;
        st->CV(1, 1) = static_cast<float>(c.carriers);
        if (c.sunk_slot) st->A(1, c.sunk_slot, A_DURABILITY) = 0.5f;
        st->W(0) = c.w0;
        st->W(1) = c.w1;
        st->W(2) = c.w2;
        IDO3(*st);
        for (int k = 1; k <= 3; ++k) {
            EXPECT_EQ(st->F(1, k, AL_BACK), c.f[k]) << k;
            EXPECT_EQ(st->D(1, k, AL_BACK), c.d[k]) << k;
            EXPECT_EQ(st->T(1, k, AL_BACK), 0) << k;
        }
        EXPECT_EQ(st->W(0), c.w0_after);
        EXPECT_EQ(st->W(1), c.w1_after);
    }
}

// The day's end: everything lands unarmed, sunk carriers lose their hangar, decks recover,
// a base row below one unit becomes 0 and O records the base.
TEST(FlightStages, DayEndLandsEverything) {
    Fleet st;
    st->D(0, 1, D_OVER_FLEET) = 2;
    st->T(0, 1, T_BOMB) = 1;
    st->T(0, 1, T_HOME_FAR) = 1;
    st->F(0, 1, F_CAP_FOUGHT) = 4;  // left to the shelter step
    st->A(0, 1, A_FLIGHT_DECK) = 9;
    st->A(1, 2, A_DURABILITY) = 0;  // sunk: units folded, then lost
    st->F(1, 2, AL_BACK) = 3;
    st->A(1, 3, A_FLIGHT_DECK) = 4;
    st->A(1, 1, A_FLIGHT_DECK) = 3;
    st->Q(QR_TORPEDO, Q_LANDED) = 1;
    st->Q(QR_TORPEDO, Q_INTERCEPT) = -0.5f;
    st->Q(QR_HEAVY, Q_HOME) = 2;
    st->F(0, 3, F_DECK) = 5;  // slot above CV: untouched
    land_day_air_units(*st);
    EXPECT_EQ(st->D(0, 1, D_HANGAR), 2);
    EXPECT_EQ(st->T(0, 1, T_HANGAR), 2);
    EXPECT_EQ(st->F(0, 1, F_CAP_FOUGHT), 4);
    EXPECT_EQ(st->A(0, 1, A_FLIGHT_DECK), 10);
    EXPECT_EQ(st->F(1, 2, AL_HANGAR), 0);
    EXPECT_EQ(st->F(1, 2, AL_BACK), 0);
    EXPECT_EQ(st->A(1, 2, A_FLIGHT_DECK), 10);  // a sunk carrier's deck is not raised
    EXPECT_EQ(st->A(1, 3, A_FLIGHT_DECK), 10);
    EXPECT_EQ(st->A(1, 1, A_FLIGHT_DECK), 9);
    EXPECT_EQ(st->Q(QR_TORPEDO, Q_LANDED), 0);
    EXPECT_EQ(st->O(QR_TORPEDO), 0);
    EXPECT_EQ(st->O(QR_HEAVY), 2);
    EXPECT_EQ(st->F(0, 3, F_DECK), 5);
}

// SP: afloat battleships and the slowest speed of each line.
TEST(BattleLine, CountAndSpeed) {
    struct Case {
        const char* name;
        float speeds[3];
        float durability[3];
        int lines;  // battleships in the Japanese line
        float n, s;
    } cases[] = {
        {"speeds 8, 9, 10", {8, 9, 10}, {5, 5, 5}, 3, 3, 8},
        {"the 8 sunk: 9", {8, 9, 10}, {0.5f, 5, 5}, 3, 2, 9},
        {"durability exactly 1 is afloat", {10, 9, 10}, {5, 1, 5}, 3, 3, 9},
        {"all sunk: 8", {8, 9, 10}, {0, 0, 0}, 3, 0, 8},
        {"no line: 8", {8, 9, 10}, {5, 5, 5}, 0, 0, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Fleet st;
        st->BB(0, 1) = static_cast<float>(c.lines);
        for (int k = 0; k < 3; ++k) {
            st->G(0, 1, k + 1) = static_cast<float>(22 + k);
            st->A(0, 22 + k, A_SPEED) = c.speeds[k];
            st->A(0, 22 + k, A_DURABILITY) = c.durability[k];
        }
        st->S(1) = 3;  // the other side is overwritten too: no Allied line gives 7
        SP(*st);
        EXPECT_EQ(st->N(0), c.n);
        EXPECT_EQ(st->S(0), c.s);
        EXPECT_EQ(st->N(1), 0);
        EXPECT_EQ(st->S(1), 7);
    }
}
