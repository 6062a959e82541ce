// The player's carrier moves and the sums behind the carrier dialogues, with worked values: the
// strike's spread, stages and torpedo order, the patrol, the hangar stock and deck room, the
// fighters raised unasked, the raising and return of torpedo bombers, and the arming.
#include <gtest/gtest.h>

#include "tests/simplified/carrier_support.h"

using namespace simplified_test;
using namespace morva95s;

namespace {

using V = std::vector<float>;

}  // namespace

// Dive bombers 2, 0, 3 on deck, 4 requested against the enemy fleet: slots 1 and 3 give two
// each, alternately; the stage follows the distance (above 5 the first stage).
TEST(StrikeDeparture, SpreadOverTheFitDecksAndStageByDistance) {
    for (auto [distance, stage] : {std::pair{7.0f, D_FLEET_OUT}, {5.0f, D_OVER_FLEET}}) {
        SCOPED_TRACE(distance);
        Carriers st;
        set_column(st->D, JAPANESE, D_DECK, {2, 0, 3});
        st->AIR_DISTANCE = distance;
        st->STRIKE_TARGET = TARGET_FLEET;
        st->KK(TYPE_DIVE) = 4;
        STRIKE_DEPARTURE(*st, TYPE_DIVE);
        EXPECT_EQ(st->KK(TYPE_DIVE), 0);
        EXPECT_EQ(column_of(st->D, JAPANESE, D_DECK), (V{0, 0, 1}));
        EXPECT_EQ(column_of(st->D, JAPANESE, stage), (V{2, 0, 2}));
    }
}

// A base strike enters its first stage above 5 (5.3) and its second at 5 exactly, each type in
// its own columns; a carrier at flight deck 7 gives nothing, one at 7.5 takes part.
TEST(StrikeDeparture, BaseStrikeStages) {
    struct Case {
        float distance;
        int f, d, t;
    } cases[] = {{5.3f, F_BASE_OUT, D_BASE_OUT, T_BASE_OUT}, {5, F_OVER_BASE, D_OVER_BASE, T_OVER_BASE}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.distance);
        Carriers st;
        st.flight_decks(JAPANESE, {7, 7.5f, 10});
        set_column(st->F, JAPANESE, F_DECK, {3, 3, 3});
        set_column(st->D, JAPANESE, D_DECK, {3, 3, 3});
        set_column(st->T, JAPANESE, T_DECK_BOMB, {3, 3, 3});
        st->BASE_DISTANCE = c.distance;
        st->STRIKE_TARGET = TARGET_BASE;
        for (int type = TYPE_FIGHTER; type <= TYPE_TORPEDO; ++type) {
            st->KK(type) = 3;
            STRIKE_DEPARTURE(*st, type);
        }
        EXPECT_EQ(column_of(st->F, JAPANESE, c.f), (V{0, 2, 1}));
        EXPECT_EQ(column_of(st->D, JAPANESE, c.d), (V{0, 2, 1}));
        EXPECT_EQ(column_of(st->T, JAPANESE, c.t), (V{0, 2, 1}));
        EXPECT_EQ(column_of(st->F, JAPANESE, F_DECK), (V{3, 1, 2})) << "the unfit deck keeps its units";
    }
}

// The torpedo bombers' load: against the fleet torpedo-armed while KO(4) counts any on the fit
// decks, then bomb-armed; against the base bomb-armed only, torpedo-armed in the harbour strike.
TEST(StrikeDeparture, TorpedoBomberLoads) {
    struct Case {
        const char* name;
        int target;
        float harbour;
        V torpedo, bomb;     // T columns 4 and 5 of slots 1-3 before
        float requested;
        V torpedo_after, bomb_after;
        int torpedo_stage, bomb_stage;
        V torpedo_flown, bomb_flown;  // units that reached each stage
    } cases[] = {
        {"fleet: slot 2's torpedo-armed unit first, then slot 1's bomb-armed", TARGET_FLEET, 0, {0, 1, 0}, {2, 0, 0},
         2, {0, 0, 0}, {1, 0, 0}, T_FLEET_OUT_TORPEDO, T_FLEET_OUT_BOMB, {0, 1, 0}, {1, 0, 0}},
        {"base, ordinary turn: only bomb-armed units leave", TARGET_BASE, 0, {1, 2, 0}, {1, 0, 0}, 1, {1, 2, 0},
         {0, 0, 0}, T_BASE_OUT, T_BASE_OUT, {1, 0, 0}, {1, 0, 0}},
        {"base, harbour strike: torpedo-armed from slots 1, 2, 1", TARGET_BASE, 1, {2, 1, 0}, {0, 0, 0}, 3,
         {0, 0, 0}, {0, 0, 0}, T_BASE_OUT, T_BASE_OUT, {2, 1, 0}, {2, 1, 0}},
        {"base, harbour strike: a deck of bomb-armed units gives one of them", TARGET_BASE, 1, {1, 0, 0}, {0, 2, 0},
         2, {0, 0, 0}, {0, 1, 0}, T_BASE_OUT, T_BASE_OUT, {1, 1, 0}, {1, 1, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Carriers st;
        set_column(st->T, JAPANESE, T_DECK_TORPEDO, c.torpedo);
        set_column(st->T, JAPANESE, T_DECK_BOMB, c.bomb);
        count_deck_units(*st, 1);
        st->STRIKE_TARGET = static_cast<float>(c.target);
        st->PEARL_HARBOR_TURN = c.harbour;
        st->KK(TYPE_TORPEDO) = c.requested;
        STRIKE_DEPARTURE(*st, TYPE_TORPEDO);
        EXPECT_EQ(st->KK(TYPE_TORPEDO), 0);
        EXPECT_EQ(column_of(st->T, JAPANESE, T_DECK_TORPEDO), c.torpedo_after);
        EXPECT_EQ(column_of(st->T, JAPANESE, T_DECK_BOMB), c.bomb_after);
        EXPECT_EQ(column_of(st->T, JAPANESE, c.torpedo_stage), c.torpedo_flown);
        EXPECT_EQ(column_of(st->T, JAPANESE, c.bomb_stage), c.bomb_flown);
    }
}

// Fit carriers in slots 1 (2 fighters) and 3 (5), slot 2 not fit (4): a patrol of 3 takes two
// from slot 1 and one from slot 3.
TEST(PatrolLaunch, SpreadOverTheFitDecks) {
    Carriers st;
    st.flight_decks(JAPANESE, {10, 7, 10});
    set_column(st->F, JAPANESE, F_DECK, {2, 4, 5});
    st->INPUT_NUM = 3;
    launch_patrol(*st);
    EXPECT_EQ(st->INPUT_NUM, 0);
    EXPECT_EQ(column_of(st->F, JAPANESE, F_DECK), (V{0, 4, 4}));
    EXPECT_EQ(column_of(st->F, JAPANESE, F_CAP_FIRST), (V{2, 0, 1}));
}

// The hangar stock counts the fit carriers only, armed bombers apart from unarmed ones; the
// deck room is half the summed capacity (the larger half) less the units on deck.
TEST(DeckStandby, HangarStockAndDeckRoom) {
    struct Case {
        const char* name;
        V flight_deck, capacity;
        float on_deck;  // fighters on slot 1's deck
        float room;
    } cases[] = {
        {"capacities 7 and 6 give 7, not 8", {10, 10, 0}, {7, 6, 8}, 0, 7},
        {"a single carrier of 7 gives 4", {10, 7, 7.5f}, {7, 9, 0}, 0, 4},
        {"flight deck 7 left out, 7.5 counted", {7, 7.5f, 0}, {9, 6, 8}, 0, 3},
        {"units on deck take room", {10, 10, 10}, {8, 8, 8}, 5, 7},
        {"a full deck leaves none", {10, 0, 0}, {8, 8, 8}, 5, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Carriers st;
        st.flight_decks(JAPANESE, c.flight_deck);
        for (long k = 1; k <= 3; ++k) st->A(JAPANESE, k, A_CAPACITY) = c.capacity[k - 1];
        st->F(JAPANESE, 1, F_DECK) = c.on_deck;
        form_deck_room(*st);
        EXPECT_EQ(st->DECK_ROOM, c.room);
    }
    Carriers st;
    st.flight_decks(JAPANESE, {10, 7, 10});
    for (long k = 1; k <= 3; ++k) {
        st->F(JAPANESE, k, F_HANGAR) = 1;
        st->D(JAPANESE, k, D_HANGAR) = 1;
        st->D(JAPANESE, k, D_ARMED) = 2;
        st->T(JAPANESE, k, T_HANGAR) = 3;
        st->T(JAPANESE, k, T_TORPEDO) = 1;
        st->T(JAPANESE, k, T_BOMB) = 2;
    }
    const UnarmedUnits unarmed = form_hangar_stock(*st);
    EXPECT_EQ((V{st->SE(1), st->SE(2), st->SE(3), st->SE(4), st->SE(5)}), (V{2, 4, 6, 2, 4}));
    EXPECT_EQ(unarmed.dive, 2);
    EXPECT_EQ(unarmed.torpedo, 6);
}

TEST(DeckStandby, FightersRaisedUnasked) {
    struct Case {
        const char* name;
        float fighters, room, armed_bombers;
        bool unasked;
    } cases[] = {
        {"6 fighters, room 6", 6, 6, 0, true},
        {"6 fighters, room 9", 6, 9, 0, true},
        {"7 fighters", 7, 9, 0, false},
        {"6 fighters, room 5", 6, 5, 0, false},
        {"6 fighters and a torpedo-armed unit", 6, 9, 1, false},
        {"no fighter", 0, 9, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Carriers st;
        st->SE(SE_FIGHTERS) = c.fighters;
        st->SE(SE_TORPEDO_ARMED) = c.armed_bombers;
        st->DECK_ROOM = c.room;
        EXPECT_EQ(fighters_raised_unasked(*st), c.unasked);
    }
}

// The torpedo bombers' request without a share question: all of them, or one load only.
TEST(DeckStandby, TorpedoRequestSplit) {
    struct Case {
        float torpedo, bomb, request;
        bool split;
        float work_n, bomb_units;
    } cases[] = {
        {2, 3, 5, true, 2, 3}, {0, 3, 2, true, 0, 2}, {3, 0, 2, true, 2, 0}, {2, 3, 4, false, 0, 0},
    };
    for (const auto& c : cases) {
        Carriers st;
        st->SE(SE_TORPEDO_ARMED) = c.torpedo;
        st->SE(SE_BOMB_ARMED) = c.bomb;
        st->SE(SE_TORPEDO) = c.torpedo + c.bomb;
        st->INPUT_NUM = c.request;
        EXPECT_EQ(split_torpedo_request(*st), c.split);
        EXPECT_EQ(st->WORK_N, c.work_n);
        EXPECT_EQ(st->BOMB_ARMED_UNITS, c.bomb_units);
    }
}

// Fighters up from the hangars: 2 each on three carriers, 5 asked; slot 2 at flight deck 7 is
// passed over; a carrier that runs dry is passed over while the others go on.
TEST(DeckStandby, RaisingSpread) {
    struct Case {
        const char* name;
        V flight_deck, hangar;
        float requested;
        V deck;
    } cases[] = {
        {"5 of 2, 2, 2", {10, 10, 10}, {2, 2, 2}, 5, {2, 2, 1}},
        {"slot 2 not fit", {10, 7, 10}, {2, 2, 2}, 4, {2, 0, 2}},
        {"slot 2 at 7.5", {10, 7.5f, 10}, {2, 2, 2}, 4, {2, 1, 1}},
        {"slot 1 runs dry", {10, 10, 0}, {1, 4, 0}, 4, {1, 3, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Carriers st;
        st.flight_decks(JAPANESE, c.flight_deck);
        set_column(st->F, JAPANESE, F_HANGAR, c.hangar);
        st->INPUT_NUM = c.requested;
        raise_units(*st, TYPE_FIGHTER);
        EXPECT_EQ(st->INPUT_NUM, 0);
        EXPECT_EQ(column_of(st->F, JAPANESE, F_DECK), c.deck);
    }
}

// Torpedo bombers with a share: the deck standby goes on with the bomb-armed units at the slot
// after the last torpedo-armed one; the shelter begins them anew at slot 1.
TEST(CarrierMoves, TorpedoLoadsRestartDiffersBetweenRaisingAndShelter) {
    {
        SCOPED_TRACE("deck standby: 3 requested, 1 torpedo-armed");
        Carriers st;
        set_column(st->T, JAPANESE, T_TORPEDO, {1, 1, 1});
        set_column(st->T, JAPANESE, T_BOMB, {1, 1, 1});
        st->WORK_N = 1;
        st->BOMB_ARMED_UNITS = 2;
        raise_units(*st, TYPE_TORPEDO);
        EXPECT_EQ(column_of(st->T, JAPANESE, T_DECK_TORPEDO), (V{1, 0, 0}));
        EXPECT_EQ(column_of(st->T, JAPANESE, T_DECK_BOMB), (V{0, 1, 1}));
        EXPECT_EQ(st->WORK_N, 0);
        EXPECT_EQ(st->BOMB_ARMED_UNITS, 0);
    }
    {
        SCOPED_TRACE("deck standby: the last torpedo-armed unit from the last slot");
        Carriers st;
        set_column(st->T, JAPANESE, T_TORPEDO, {0, 0, 1});
        set_column(st->T, JAPANESE, T_BOMB, {1, 1, 1});
        st->WORK_N = 1;
        st->BOMB_ARMED_UNITS = 1;
        raise_units(*st, TYPE_TORPEDO);
        EXPECT_EQ(column_of(st->T, JAPANESE, T_DECK_BOMB), (V{1, 0, 0}));
    }
    {
        SCOPED_TRACE("shelter: 3 brought down with a share of 1");
        Carriers st;
        set_column(st->T, JAPANESE, T_DECK_TORPEDO, {1, 1, 0});
        set_column(st->T, JAPANESE, T_DECK_BOMB, {1, 0, 2});
        st->WORK_N = 1;
        st->BOMB_ARMED_UNITS = 2;
        return_units(*st, TYPE_TORPEDO);
        EXPECT_EQ(column_of(st->T, JAPANESE, T_DECK_TORPEDO), (V{0, 1, 0}));
        EXPECT_EQ(column_of(st->T, JAPANESE, T_DECK_BOMB), (V{0, 0, 1}));
        EXPECT_EQ(column_of(st->T, JAPANESE, T_TORPEDO), (V{1, 0, 0}));
        EXPECT_EQ(column_of(st->T, JAPANESE, T_BOMB), (V{1, 0, 1}));
    }
}

// Fighters 2, 0, 3 on deck, 4 brought down: slots 1 and 3 give two each, keeping the loads.
TEST(Shelter, ReturnSpreadKeepsLoads) {
    Carriers st;
    set_column(st->F, JAPANESE, F_DECK, {2, 0, 3});
    set_column(st->D, JAPANESE, D_DECK, {1, 0, 0});
    st->INPUT_NUM = 4;
    return_units(*st, TYPE_FIGHTER);
    EXPECT_EQ(column_of(st->F, JAPANESE, F_DECK), (V{0, 0, 1}));
    EXPECT_EQ(column_of(st->F, JAPANESE, F_HANGAR), (V{2, 0, 2}));
    st->INPUT_NUM = 1;
    return_units(*st, TYPE_DIVE);
    EXPECT_EQ(column_of(st->D, JAPANESE, D_ARMED), (V{1, 0, 0})) << "dive bombers come down armed";
}

// The arming of the torpedo bombers and REARM_FLAG on fleet totals.
TEST(Maintenance, ArmingAndRearmFlag) {
    struct Case {
        const char* name;
        V unarmed, torpedo, bomb;
        float count;
        float rearm;
        V torpedo_after, bomb_after;
    } cases[] = {
        {"2, 1 torpedo, 1 bomb; count 2", {2, 0, 0}, {0, 1, 0}, {0, 0, 1}, 2, 0, {1, 1, 0}, {1, 0, 1}},
        {"1 unarmed, 1 torpedo-armed; count 1", {1, 0, 0}, {0, 1, 0}, {0, 0, 0}, 1, 0, {1, 0, 0}, {0, 1, 0}},
        {"count 0 with torpedo-armed units", {1, 0, 0}, {0, 1, 0}, {0, 0, 0}, 0, 1, {0, 0, 0}, {1, 1, 0}},
        {"count 0 without", {1, 0, 0}, {0, 0, 0}, {0, 0, 1}, 0, 0, {0, 0, 0}, {1, 0, 1}},
        {"all torpedoes with bomb-armed units", {1, 0, 0}, {0, 0, 0}, {0, 0, 1}, 2, 1, {1, 0, 1}, {0, 0, 0}},
        {"all torpedoes without", {1, 0, 0}, {0, 1, 0}, {0, 0, 0}, 2, 0, {1, 1, 0}, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Carriers st;
        set_column(st->T, JAPANESE, T_HANGAR, c.unarmed);
        set_column(st->T, JAPANESE, T_TORPEDO, c.torpedo);
        set_column(st->T, JAPANESE, T_BOMB, c.bomb);
        st->REARM_FLAG = 1;
        sum_hangar_torpedo_bombers(*st);
        EXPECT_EQ(st->REARM_FLAG, 0);
        unload_torpedo_bombers(*st);
        st->INPUT_NUM = c.count;
        arm_torpedo_bombers(*st);
        EXPECT_EQ(st->REARM_FLAG, c.rearm);
        EXPECT_EQ(st->TORPEDO_LOAD, c.count);
        EXPECT_EQ(column_of(st->T, JAPANESE, T_TORPEDO), c.torpedo_after);
        EXPECT_EQ(column_of(st->T, JAPANESE, T_BOMB), c.bomb_after);
        EXPECT_EQ(column_of(st->T, JAPANESE, T_HANGAR), (V{0, 0, 0}));
    }
}

// Dive bombers are armed on every slot, fit or not; the unloading takes every slot, the arming
// only the fit ones (an unfit carrier's torpedo bombers stay unarmed after a Yes).
TEST(Maintenance, EverySlotArmedOrUnloaded) {
    Carriers st;
    st.flight_decks(JAPANESE, {10, 7, 0});
    set_column(st->D, JAPANESE, D_HANGAR, {1, 2, 3});
    set_column(st->T, JAPANESE, T_TORPEDO, {1, 1, 0});
    arm_dive_bombers(*st);
    EXPECT_EQ(column_of(st->D, JAPANESE, D_ARMED), (V{1, 2, 3}));
    EXPECT_EQ(column_of(st->D, JAPANESE, D_HANGAR), (V{0, 0, 0}));
    sum_hangar_torpedo_bombers(*st);
    EXPECT_EQ(st->TORPEDO_BOMBER_UNITS, 1);
    unload_torpedo_bombers(*st);
    st->INPUT_NUM = 1;
    arm_torpedo_bombers(*st);
    EXPECT_EQ(column_of(st->T, JAPANESE, T_TORPEDO), (V{1, 0, 0}));
    EXPECT_EQ(column_of(st->T, JAPANESE, T_HANGAR), (V{0, 1, 0}));
    // The harbour strike's arming: every slot's unarmed units take torpedoes.
    set_column(st->T, JAPANESE, T_BOMB, {1, 0, 0});
    arm_harbour_torpedoes(*st);
    EXPECT_EQ(column_of(st->T, JAPANESE, T_TORPEDO), (V{1, 1, 0}));
    EXPECT_EQ(column_of(st->T, JAPANESE, T_BOMB), (V{1, 0, 0}));
}
