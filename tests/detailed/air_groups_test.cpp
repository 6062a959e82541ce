// The air war of the operational day: the hourly step and turn home of a group, the deck counts,
// the hourly roll, the raid's losses, the base strike's approach, the recovery, the Allied
// launch and deck spotting, and the flights of both sides' strikes.
#include <gtest/gtest.h>

#include "console/console.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;

namespace {

/// Fleet 1 with player carriers 1-2 (slots 1-2) against Allied carriers 3-4 of task forces
/// 1 and 1, all operational, base 7, hour step `s`.
void operation(State& st, float s) {
    st.FLEET_NO = 1;
    st.TT(TT_FLEET) = 1;
    st.TT(TT_SUBTURN) = s;
    st.AT(1) = 7;
    st.CV(0, 1) = 2, st.C(0, 1, 1) = 1, st.C(0, 1, 2) = 2;
    st.CV(1, 1) = 2, st.C(1, 1, 1) = 3, st.C(1, 1, 2) = 4;
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= 4; ++ship) st.A(side, ship, A_DURABILITY) = 10, st.A(side, ship, A_FLIGHT_DECK) = 10;
    st.A(1, 3, A_TASK_FORCE) = 1, st.A(1, 4, A_TASK_FORCE) = 1;
    st.KS(1) = 1;
    st.SS(1) = 1;
}

void place(State& st, int s, int h, float status, float x, float y, float heading, float flown) {
    st.T(s, h, T_STATUS) = status, st.T(s, h, T_X) = x, st.T(s, h, T_Y) = y;
    st.T(s, h, T_HEADING) = heading, st.T(s, h, T_DISTANCE) = flown;
}

std::uint64_t draws_since(std::uint64_t before) { return con::random_generator().draws() - before; }

}  // namespace

TEST(AirGroupFlight, HourlyStepByHeadingAndTurnHome) {
    const struct { float heading, dx, dy; } steps[] = {
        {0, -1, 49}, {1, 0, 49}, {45, 35, 35}, {90, 50, 0}, {91, 49, -1}, {135, 35, -36},
        {180, -1, -50}, {225, -36, -36}, {270, -50, 0}, {315, -36, 35}, {359, -1, 49},
    };
    for (const auto& c : steps) {
        SCOPED_TRACE(c.heading);
        Loaded st;
        place(*st, 4, 3, 1, 0, 0, c.heading, 0);
        st->TT(TT_GROUP_SOURCE) = 4, st->TT(TT_GROUP_HOUR) = 3;
        IDO4(*st);
        EXPECT_EQ(st->T(4, 3, T_X), c.dx);
        EXPECT_EQ(st->T(4, 3, T_Y), c.dy);
        EXPECT_EQ(st->T(4, 3, T_DISTANCE), 50);
        EXPECT_EQ(st->T(4, 3, T_STATUS), 1);
    }
    // The bearing home from the group: (dx, dy) to the home point.
    const struct { float dx, dy, bearing; } bearings[] = {
        {1, 1, 45}, {1, -1, 136}, {-1, -1, 225}, {-1, 1, 316}, {3, 4, 37},
        {1, 1000, 1}, {-1, 1000, 360}, {0, 0, 180},
    };
    for (const auto& c : bearings) {
        SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
        Loaded st;
        place(*st, 5, 2, 1, -c.dx, -c.dy, 0, 0);
        st->TT(TT_GROUP_SOURCE) = 5, st->TT(TT_GROUP_HOUR) = 2;
        IDO6(*st);
        EXPECT_EQ(st->T(5, 2, T_HEADING), c.bearing);
        EXPECT_EQ(st->T(5, 2, T_STATUS), 3);
        EXPECT_EQ(st->HH(1), 0);
    }
    Loaded st;
    st->PZ(0, PZ_X) = 10, st->PZ(2, PZ_X) = -10;
    place(*st, 2, 1, 1, 10, 20, 0, 50);
    place(*st, 7, 1, 2, 0, 0, 0, 50);
    st->TT(TT_GROUP_HOUR) = 1;
    st->TT(TT_GROUP_SOURCE) = 2, IDO6(*st);
    st->TT(TT_GROUP_SOURCE) = 7, IDO6(*st);
    EXPECT_EQ(st->T(2, 1, T_HEADING), 180);
    EXPECT_EQ(st->HH(2), 1);
    EXPECT_EQ(st->T(7, 1, T_HEADING), 270);
}

TEST(DeckCounts, ReadyCountsOfTheLaunchAndOfTheStrikeBelow) {
    const struct { float deck, durability, ido9_fighters, ido11_fighters; } cases[] = {
        {10, 10, 6, 6}, {7, 10, 0, 6}, {8, 3, 6, 6}, {10, 2.5f, 0, 0}, {4, 5, 0, 6},
    };
    for (const auto& c : cases) {
        Loaded st;
        operation(*st, 3);
        st->CV(0, 1) = 1;
        st->A(0, 1, A_FLIGHT_DECK) = c.deck, st->A(0, 1, A_DURABILITY) = c.durability;
        st->F(0, 1, AIR_FIGHTERS, F_DECK) = 6, st->F(0, 1, AIR_FIGHTERS, F_HANGAR) = 9;
        st->F(0, 1, AIR_DIVE_BOMBERS, F_DECK) = -2;
        st->F(0, 1, AIR_TORPEDO_BOMBERS, F_TORPEDO_DECK) = 4, st->F(0, 1, AIR_TORPEDO_BOMBERS, F_BOMB_DECK) = 3;
        st->F(0, 1, AIR_TORPEDO_BOMBERS, F_UNARMED) = 5;
        const bool nine_counts = c.ido9_fighters > 0, eleven_counts = c.ido11_fighters > 0;
        IDO9(*st);
        EXPECT_EQ(st->KO(1), c.ido9_fighters);
        EXPECT_EQ(st->KO(2), 0);
        EXPECT_EQ(st->KO(3), nine_counts ? 7 : 0);
        IDO11(*st);
        EXPECT_EQ(st->KO(1), c.ido11_fighters);
        EXPECT_EQ(st->KO(4), eleven_counts ? 4 : 0);
        EXPECT_EQ(st->KO(5), eleven_counts ? 3 : 0);
    }
}

TEST(HourlyRoll, FightersWithoutADeckLandElsewhereOrAreLost) {
    Loaded st;
    operation(*st, 4);
    st->A(0, 1, A_FLIGHT_DECK) = 7;
    st->F(0, 1, 0, F_AIR_COMBAT) = 3, st->F(0, 1, 0, F_PATROL_SECOND) = 2, st->F(0, 1, 0, F_PATROL_FIRST) = 4;
    st->A(0, 2, A_AIRCRAFT_AWAY) = 2;
    st->F(0, 2, 0, F_AIR_COMBAT) = 5, st->F(0, 2, 0, F_PATROL_SECOND) = 1;
    st->Q(AIR_FIGHTERS, Q_NOT_READY) = 3, st->Q(AIR_FIGHTERS, Q_INTERCEPTING) = 4;
    place(*st, 1, 3, 2, 0, 0, 1001, 50);
    IDO2(*st);
    EXPECT_EQ(st->T(1, 3, T_STATUS), 3);
    EXPECT_EQ(st->Q(AIR_FIGHTERS, Q_READY), 3);
    EXPECT_EQ(st->Q(AIR_FIGHTERS, Q_NOT_READY), 4);
    EXPECT_EQ(st->F(0, 2, 0, F_NOT_READY), 6);  // its own 5 and one from carrier 1
    EXPECT_EQ(st->F(0, 2, 0, F_HANGAR), 2);     // its own 1 and one from carrier 1
    EXPECT_EQ(st->A(0, 2, A_AIRCRAFT_AWAY), 0);
    EXPECT_EQ(st->VS(0, AIR_FIGHTERS), 3);
    EXPECT_EQ(st->F(0, 1, 0, F_PATROL_SECOND), 4);
    EXPECT_EQ(st->F(0, 1, 0, F_PATROL_FIRST), 0);
}

TEST(RaidLosses, SharedOutByGroupAndTheBaseStrikeArrives) {
    Loaded st;
    operation(*st, 4);
    place(*st, 6, 2, 2, 5, 5, 90, 60);
    st->T(6, 2, T_FIGHTERS) = 10, st->T(6, 2, T_DIVE_BOMBERS) = 12, st->T(6, 2, T_TORPEDO_BOMBERS) = 8;
    place(*st, 4, 3, 2, 5, 5, 90, 60);
    st->T(4, 3, T_FIGHTERS) = 6, st->T(4, 3, T_DIVE_BOMBERS) = 9;
    place(*st, 5, 1, 2, 5, 5, 90, 120);
    place(*st, 5, 2, 2, 5, 5, 90, 120);
    st->W(0) = 11, st->W(1) = 14, st->W(2) = 3, st->W(3) = 7, st->W(4) = 16, st->W(5) = 21, st->W(6) = 8;
    st->PD(0) = 100;
    place(*st, 0, 2, 1, 30, 40, 200, 50);  // 50 units out: arrives, the escort joins
    st->T(0, 2, T_FIGHTERS) = 5, st->T(0, 2, T_DIVE_BOMBERS) = 6, st->T(0, 2, T_BOMB_ARMED) = 2;
    place(*st, 0, 3, 1, 30, 41, 180, 50);  // farther: flies on and turns home at 100
    IDO3(*st);
    EXPECT_EQ(st->T(6, 2, T_FIGHTERS), 7);
    EXPECT_EQ(st->T(6, 2, T_DIVE_BOMBERS), 8);
    EXPECT_EQ(st->T(6, 2, T_TORPEDO_BOMBERS), 3);
    EXPECT_EQ(st->T(4, 3, T_FIGHTERS), 4);
    EXPECT_EQ(st->T(4, 3, T_DIVE_BOMBERS), 6);
    EXPECT_EQ(st->T(6, 2, T_STATUS), 3);
    EXPECT_EQ(st->T(4, 3, T_STATUS), 3);
    EXPECT_EQ(st->T(5, 1, T_HEAVY_BOMBERS), 7);
    EXPECT_EQ(st->T(5, 2, T_HEAVY_BOMBERS), 0);
    for (int t = 0; t <= 3; ++t) EXPECT_EQ(st->W(t), 0);
    EXPECT_EQ(st->W(4), 16);
    EXPECT_EQ(st->T(0, 2, T_STATUS), 2);
    EXPECT_EQ(st->T(0, 2, T_HEADING), 280);
    EXPECT_EQ(st->T(0, 2, T_DISTANCE), 100);  // 100 flown: the escort stays with the group
    EXPECT_EQ(st->KO(1), 0);
    EXPECT_EQ(st->T(0, 2, T_FIGHTERS), 5);
    EXPECT_EQ(st->KO(2), 6);
    EXPECT_EQ(st->KO(3), 2);
    EXPECT_EQ(st->T(0, 3, T_STATUS), 3);
    EXPECT_EQ(st->HH(0), 1);
}

TEST(Recovery, NightLossesLandingPassesAndFuel) {
    {
        SCOPED_TRACE("night losses at step 16");
        Loaded st("{ENTER}");
        operation(*st, 16);
        place(*st, 1, 9, 3, 500, 500, 0, 50);
        st->T(1, 9, T_FIGHTERS) = 12;
        place(*st, 6, 9, 3, 500, 500, 0, 50);
        st->T(6, 9, T_DIVE_BOMBERS) = 12;
        place(*st, 2, 7, 3, 500, 500, 0, 50);
        st->T(2, 7, T_FIGHTERS) = 12;
        IDO8(*st);
        EXPECT_EQ(st->T(1, 9, T_FIGHTERS), 11);
        EXPECT_EQ(st->T(6, 9, T_DIVE_BOMBERS), 9);
        EXPECT_EQ(st->T(2, 7, T_FIGHTERS), 12);
        EXPECT_EQ(st->VS(1, AIR_DIVE_BOMBERS), 3);
    }
    {
        SCOPED_TRACE("two carriers with room for two each");
        Loaded st("{ENTER}");
        operation(*st, 5);
        st->A(0, 1, A_AIRCRAFT_AWAY) = 2, st->A(0, 2, A_AIRCRAFT_AWAY) = 2;
        place(*st, 1, 2, 3, 10, 0, 270, 100);
        st->T(1, 2, T_DIVE_BOMBERS) = 5, st->T(1, 2, T_FIGHTERS) = 0;
        IDO8(*st);
        EXPECT_EQ(st->F(0, 1, AIR_DIVE_BOMBERS, F_NOT_READY), 2);
        EXPECT_EQ(st->F(0, 2, AIR_DIVE_BOMBERS, F_NOT_READY), 2);
        EXPECT_EQ(st->VS(0, AIR_DIVE_BOMBERS), 1);
        EXPECT_EQ(st->VS(0, VS_RETURN_LOSSES + AIR_DIVE_BOMBERS), 1);
        EXPECT_EQ(st->ID(0), 1);
        EXPECT_EQ(st->T(1, 2, T_STATUS), 0);
    }
    const struct { float flown; bool lands; } approaches[] = {{190, true}, {190.5f, false}};
    for (const auto& c : approaches) {
        SCOPED_TRACE(c.flown);
        Loaded st("{ENTER}");
        operation(*st, 5);
        st->A(1, 3, A_AIRCRAFT_AWAY) = 4;
        place(*st, 6, 2, 3, 10, 0, 270, c.flown);
        st->T(6, 2, T_FIGHTERS) = 4;
        IDO8(*st);
        EXPECT_EQ(st->F(1, 1, AIR_FIGHTERS, F_NOT_READY), c.lands ? 4 : 0);
        EXPECT_EQ(st->VS(1, AIR_FIGHTERS), c.lands ? 0 : 4);
    }
    {
        SCOPED_TRACE("a base strike written off in flight leaves no empty group");
        Loaded st("{ENTER}");
        operation(*st, 5);
        st->PZ(0, PZ_X) = 400;
        place(*st, 0, 2, 3, 0, 0, 90, 160);
        st->T(0, 2, T_DIVE_BOMBERS) = 3;
        IDO8(*st);
        EXPECT_EQ(st->T(0, 2, T_STATUS), 0);
        EXPECT_EQ(st->VS(0, AIR_DIVE_BOMBERS), 3);
    }
}

TEST(AlliedLaunch, TheWorkedStrikeOfTwoCarriers) {
    Loaded st;
    operation(*st, 5);
    st->TT(TT_CHARACTER) = 1;
    st->A(1, 3, A_FIGHTERS) = 36, st->A(1, 4, A_FIGHTERS) = 27;
    st->F(1, 1, 0, F_DECK) = 18, st->F(1, 1, 1, F_DECK) = 17, st->F(1, 1, 2, F_DECK) = 8;
    st->F(1, 2, 0, F_DECK) = 13, st->F(1, 2, 1, F_DECK) = 17, st->F(1, 2, 2, F_DECK) = 8;
    st->PK(1) = 60, st->PD(1) = 300, st->PZ(1, PZ_X) = 20, st->PZ(1, PZ_Y) = -30;
    st->PK(0) = 200;  // the base is out of reach
    con::random_generator().script({0.99f});
    const auto before = con::random_generator().draws();
    HASSIN(*st);
    EXPECT_EQ(draws_since(before), 1u);
    EXPECT_EQ(st->T(6, 5, T_STATUS), 1);
    EXPECT_EQ(st->T(6, 5, T_FIGHTERS), 31);
    EXPECT_EQ(st->T(6, 5, T_DIVE_BOMBERS), 34);
    EXPECT_EQ(st->T(6, 5, T_TORPEDO_BOMBERS), 16);
    EXPECT_EQ(st->T(6, 5, T_X), 20);
    EXPECT_EQ(st->T(6, 5, T_HEADING), 120);
    EXPECT_EQ(st->ID(1), 1);
    EXPECT_EQ(st->A(1, 3, A_AIRCRAFT_AWAY), 43);
    EXPECT_EQ(st->A(1, 4, A_AIRCRAFT_AWAY), 38);
    EXPECT_EQ(st->F(1, 1, 0, F_DECK), 0);
}

TEST(AlliedLaunch, BaseStrikeShares) {
    const struct { float ready, draw, launched; } cases[] = {
        {2, 0.0f, 2}, {3, 0.0f, 1}, {3, 0.99f, 3}, {10, 0.0f, 4}, {10, 0.99f, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ready << " " << c.draw);
        Loaded st;
        operation(*st, 5);
        st->CV(1, 1) = 0;
        st->P(7, P_STRENGTH) = 5;
        st->PK(0) = 60, st->PD(0) = 10;
        st->Q(AIR_DIVE_BOMBERS, Q_READY) = c.ready;
        con::random_generator().script({c.draw});  // no carriers: no hold roll
        HASSIN(*st);
        EXPECT_EQ(st->T(4, 5, T_DIVE_BOMBERS), c.launched);
        EXPECT_EQ(st->T(4, 5, T_STATUS), 1);
        EXPECT_EQ(st->T(4, 5, T_HEADING), 190);
    }
}

TEST(AlliedDeckSpotting, DeckLevelsAndRolls) {
    Loaded st;
    operation(*st, 2);
    st->A(1, 3, A_FIGHTERS) = 18, st->A(1, 3, A_DIVE_BOMBERS) = 36, st->A(1, 3, A_TORPEDO_BOMBERS) = 18;
    st->F(1, 1, 0, F_DECK) = 4, st->F(1, 1, 0, F_HANGAR) = 3;
    st->F(1, 1, 1, F_DECK) = 10, st->F(1, 1, 1, F_HANGAR) = 20, st->F(1, 1, 1, F_NOT_READY) = 5;
    st->F(1, 1, 2, F_HANGAR) = 20;
    st->A(1, 4, A_FLIGHT_DECK) = 7;
    st->F(1, 2, 1, F_NOT_READY) = 6;
    st->H(H_ON_FLEET) = -1;
    // Dive bombers come up (a roll of 0.1 is within the chance of 2 in 10), torpedo bombers do not.
    con::random_generator().script({0.1f, 0.3f});
    const auto before = con::random_generator().draws();
    IDO(*st);
    EXPECT_EQ(draws_since(before), 2u);  // the deck-7 carrier rolls nothing
    EXPECT_EQ(st->F(1, 1, 0, F_DECK), 7);
    EXPECT_EQ(st->F(1, 1, 1, F_DECK), 17);
    EXPECT_EQ(st->F(1, 1, 1, F_HANGAR), 18);  // 13 left and the 5 landed serviced
    EXPECT_EQ(st->F(1, 1, 2, F_DECK), 0);
    EXPECT_EQ(st->F(1, 2, 1, F_HANGAR), 6);
}

TEST(AlliedStrikeFlight, DrawsSightingAndRaid) {
    {
        SCOPED_TRACE("nothing within 50: no draw, a step and a homing");
        Loaded st;
        operation(*st, 4);
        st->H(H_ON_FLEET) = 3;
        st->PZ(0, PZ_X) = 200;
        place(*st, 6, 2, 1, 0, 0, 0, 0);
        const auto before = con::random_generator().draws();
        IDO5(*st);
        EXPECT_EQ(draws_since(before), 0u);
        EXPECT_EQ(st->T(6, 2, T_DISTANCE), 50);
        EXPECT_EQ(st->T(6, 2, T_HEADING), 104);  // from (-1, 49) to (200, 0)
    }
    {
        SCOPED_TRACE("two groups in reach at contact 3: one draw each, both arrive");
        Loaded st;
        operation(*st, 4);
        st->H(H_ON_FLEET) = 3;
        st->PZ(0, PZ_X) = 30, st->PD(1) = 250, st->PD(0) = 200;
        place(*st, 6, 2, 1, 0, 0, 180, 50);
        st->T(6, 2, T_FIGHTERS) = 4, st->T(6, 2, T_DIVE_BOMBERS) = 5, st->T(6, 2, T_TORPEDO_BOMBERS) = 6;
        place(*st, 4, 3, 1, 0, 0, 180, 0);
        st->T(4, 3, T_DIVE_BOMBERS) = 2;
        const auto before = con::random_generator().draws();
        IDO5(*st);
        EXPECT_EQ(draws_since(before), 2u);
        EXPECT_EQ(st->T(6, 2, T_STATUS), 2);
        EXPECT_EQ(st->T(6, 2, T_DISTANCE), 80);
        EXPECT_EQ(st->T(6, 2, T_HEADING), 250);
        EXPECT_EQ(st->W(0), 4);
        EXPECT_EQ(st->W(1), 7);
        EXPECT_EQ(st->W(5), 7);
        EXPECT_EQ(st->W(2), 6);
    }
}

TEST(FleetStrikeFlight, OwnTargetAndNothingNear) {
    {
        SCOPED_TRACE("no force within 50: no draw, two steps, then home");
        Loaded st;
        operation(*st, 3);
        st->PZ(1, PZ_X) = 300;
        place(*st, 1, 1, 1, 0, 0, 180, 50);
        const auto before = con::random_generator().draws();
        IDO7(*st);
        EXPECT_EQ(draws_since(before), 0u);
        EXPECT_EQ(st->T(1, 1, T_DISTANCE), 100);
        EXPECT_EQ(st->T(1, 1, T_STATUS), 3);
        EXPECT_EQ(st->HH(1), 1);
    }
    {
        SCOPED_TRACE("the own target at contact 4 is found with the first draw");
        Loaded st;
        operation(*st, 3);
        st->H(1) = 4;
        st->PZ(1, PZ_X) = 30, st->PZ(1, PZ_Y) = 40;
        place(*st, 2, 2, 1, 0, 0, 37, 0);
        st->T(2, 2, T_TARGET) = 1050;
        const auto before = con::random_generator().draws();
        IDO7(*st);
        EXPECT_EQ(draws_since(before), 1u);
        EXPECT_EQ(st->T(2, 2, T_STATUS), 2);
        EXPECT_EQ(st->T(2, 2, T_HEADING), 1001);
        EXPECT_EQ(st->T(2, 2, T_DISTANCE), 50);
        EXPECT_EQ(st->J(1), 0);
    }
}

TEST(AirWar, TheAlliesFindTheFleetLaunchFlyOutAndReturn) {
    Loaded st("{ENTER}{ENTER}{ENTER}{ENTER}");
    operation(*st, 1);
    st->TT(TT_CHARACTER) = 1;
    st->A(1, 3, A_FIGHTERS) = 36, st->A(1, 3, A_DIVE_BOMBERS) = 36, st->A(1, 3, A_TORPEDO_BOMBERS) = 18;
    st->A(1, 4, A_FIGHTERS) = 27, st->A(1, 4, A_DIVE_BOMBERS) = 36, st->A(1, 4, A_TORPEDO_BOMBERS) = 18;
    for (int i = 1; i <= 2; ++i)
        for (int t = 0; t <= 2; ++t) st->F(1, i, t, F_NOT_READY) = 20;
    st->PZ(0, PZ_X) = 40, st->PZ(0, PZ_Y) = 0;  // the fleet 40 units east of task force 1
    st->PZ(1, PZ_X) = 0, st->PZ(1, PZ_Y) = 0;
    st->PK(1) = 40, st->PD(1) = 270, st->PK(0) = 200;
    st->H(H_ON_FLEET) = -1;
    con::random_generator().script({0.0f});  // every roll succeeds
    float launched = 0;
    for (int s = 1; s <= 6; ++s) {
        SCOPED_TRACE(s);
        st->TT(TT_SUBTURN) = static_cast<float>(s);
        if (s == 2) st->H(H_ON_FLEET) = 3;  // a search plane of the task force finds the fleet
        if (s >= 2 && st->H(H_ON_FLEET) >= 0) IDO5(*st);
        if (s == 4) {
            // The strike launched in step 3 reaches the fleet and makes the raid.
            EXPECT_EQ(st->T(6, 3, T_STATUS), 2);
            EXPECT_EQ(st->W(1), st->T(6, 3, T_DIVE_BOMBERS));
            EXPECT_GT(st->W(1), 0);
            st->W(1) = con::store(con::L(st->W(1)) - 4);  // the raid's losses
        }
        if (s >= 2) IDO3(*st), IDO7(*st), IDO2(*st);
        if (st->H(H_ON_FLEET) >= 1) HASSIN(*st);
        if (s == 3) {
            launched = con::store(con::L(st->T(6, 3, T_FIGHTERS)) + con::L(st->T(6, 3, T_DIVE_BOMBERS)) +
                                  con::L(st->T(6, 3, T_TORPEDO_BOMBERS)));
            EXPECT_EQ(st->T(6, 3, T_STATUS), 1);
            EXPECT_EQ(st->T(6, 3, T_HEADING), 90);
            EXPECT_GT(launched, 0);
        }
        IDO(*st);
        IDO11(*st);
        IDO8(*st);
    }
    // The strike flew out in step 3, fought in step 4 and landed in step 5, less its losses.
    EXPECT_EQ(st->T(6, 3, T_STATUS), 0);
    float aboard = 0, away = 0;
    for (int i = 1; i <= 2; ++i) {
        for (int t = 0; t <= 2; ++t)
            for (int state = 0; state <= 5; ++state) aboard += st->F(1, i, t, state);
        away += st->A(1, 2 + i, A_AIRCRAFT_AWAY);
    }
    float flying = 0;  // later strikes still in the air
    for (int h = 4; h <= 6; ++h)
        for (int j = T_FIGHTERS; j <= T_TORPEDO_BOMBERS; ++j)
            if (st->T(6, h, T_STATUS) != 0) flying += st->T(6, h, j);
    EXPECT_EQ(aboard + away, 120);  // every aircraft is aboard or counted away
    EXPECT_EQ(away, flying + 4);    // the four lost in the raid, and those flying
}
