// The fleet's movement: MOVE0's own rules and the player's menu with its refusals, the closing of
// the fleets, and the surface phase's ways on (gun battle, movement, night, the fleet lost).
#include <gtest/gtest.h>

#include "console/console.h"
#include "simplified/air_units.h"
#include "simplified/blocks.h"
#include "tests/simplified/simplified_support.h"

using namespace simplified_test;
using namespace morva95s;

namespace {

/// Air fleet 1 (carrier 7 and battleship 22 afloat) against base 7, held by the Allies, facing
/// battleship 16; speed 10, 10 units from the base, in sub-turn 5; the Allies seek battle.
struct Moving : Loaded {
    explicit Moving(std::string keys = "") : Loaded(std::move(keys)) {
        st->FLEET_NO = 1;
        st->TT(TT_FLEET) = 1;
        st->SUBTURN_NO = 5;
        st->AT(1) = 7;
        st->P(7, P_HOLDER) = 1;
        st->S(0) = 10;
        st->PT(0) = 10;
        st->BASE_DISTANCE = 10;
        st->C(0, 1, 1) = 7;
        st->CV(0, 1) = 1;
        st->A(0, 7, A_DURABILITY) = 5;
        st->G(0, 1, 1) = 22;
        st->BB(0, 1) = 1;
        st->A(0, 22, A_DURABILITY) = 6;
        st->G(1, 1, 1) = 16;
        st->BB(1, 1) = 1;
        st->A(1, 16, A_DURABILITY) = 6;
    }
    /// MOVE0 with the player's orders, the enemy fleet found or not.
    void own_orders(float found) {
        st->TT(TT_OWN_ORDERS) = 1;
        st->H(0) = found;
    }
};

}  // namespace

// The program's own orders, by the first rule that matches (speed 10; MV(4) was 3).
TEST(MovementOrders, TheProgramsOwnChoice) {
    struct Case {
        const char* name;
        float called_off, found, taken, air, fleet, base;
        float base_after, rate_after;
    } cases[] = {
        {"called off before contact: away from the base (5)", 1, 0, 0, 3, 600, 10, 11, 3},
        {"called off: away from both (15)", 1, 1, 0, 3, 600, 10, 10.75f, -7},
        {"called off, base taken: away from the fleet (9)", 1, 1, 1, 3, 600, 10, 10.2f, -10},
        {"base taken, fleet within 4: away from both", 0, 1, 1, 3, 600, 10, 10.75f, -7},
        {"base taken, fleet at 5: holds", 0, 1, 1, 5, 1000, 10, 10, 0},
        {"base taken, fleet at 6: at it full speed (6)", 0, 1, 1, 6, 1200, 10, 10.2f, 10},
        {"both near: away from both", 0, 0, 0, 3, 600, 3.5f, 4.25f, -7},
        {"near the base, fleet below 1700: toward the fleet (10)", 0, 0, 0, 8, 1600, 4.25f, 4.25f, 9},
        {"fleet below 900: toward the base keeping the fleet (12)", 0, 0, 0, 4, 800, 8.25f, 7.35f, 3},
        {"else toward both (14)", 0, 0, 0, 15, 3000, 10, 9.333333f, 6},
        {"never nearer the base than 2", 0, 0, 0, 15, 3000, 2.25f, 2, 6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Moving st;
        st->TK(0) = c.called_off;
        st->H(0) = c.found;
        st->P(7, P_HOLDER) = c.taken == 1 ? 0.0f : 1.0f;
        st->TT(TT_AIR_DISTANCE) = c.air;
        st->TT(TT_FLEET_DISTANCE) = c.fleet;
        st->PT(0) = c.base;
        st->MV(MV_OWN) = 3;
        MOVE0(*st);
        EXPECT_EQ(st->PT(0), c.base_after);
        EXPECT_EQ(st->MV(MV_OWN), c.rate_after);
        EXPECT_EQ(st->TT(TT_LAST_ORDER), 0);
    }
}

// The menu before and after contact, with the reminder of the last order.
TEST(MovementOrders, Menu) {
    Moving before;
    before.own_orders(0);
    EXPECT_THROW(MOVE0(*before), con::ProgramEnd);  // waits at the prompt
    const auto& s = before.console.screen();
    EXPECT_TRUE(shows(s, 0, 2, "最高速度  時速 1 航空距離", 6));
    EXPECT_TRUE(shows(s, 17, 3, "移動命令は ?  1 - 5", 6));
    EXPECT_TRUE(shows(s, 3, 8, "５　基地から全速で離脱", 6));
    EXPECT_EQ(row_of(s, 9), "");
    EXPECT_EQ(row_of(s, 4), "   １　移動をしない");  // no reminder before the first order

    Moving after;
    after.own_orders(1);
    after->TT(TT_LAST_ORDER) = 12;
    after->S(0) = 7;
    EXPECT_THROW(MOVE0(*after), con::ProgramEnd);
    const auto& t = after.console.screen();
    EXPECT_TRUE(shows(t, 0, 2, "最高速度  時速 .7 航空距離", 6));
    EXPECT_TRUE(shows(t, 26, 4, "(Return は  12 )", 6));
    EXPECT_TRUE(shows(t, 3, 12, "９　艦隊から全速で離脱", 6));
    EXPECT_TRUE(shows(t, 1, 18, "１５　基地および艦隊のいずれからも離脱", 6));
    EXPECT_TRUE(shows(t, 17, 3, "移動命令は ?  1 - 15", 6));
}

// The player's answers: a number outside the orders offered, a fraction below 1 and text are
// refused; 2.6 is order 3 and is kept as typed; Return repeats the last order only while it is
// offered.
TEST(MovementOrders, PlayersAnswers) {
    struct Case {
        const char* name;
        float found, last;
        std::string keys;
        float base_after, last_after;
    } cases[] = {
        {"refusals, then 2.6: order 3", 0, 0, "7{ENTER}0.4{ENTER}abc{ENTER}{ENTER}2.6{ENTER}", 9.333333f, 2.6f},
        {"Return repeats 2.6: order 3", 0, 2.6f, "{ENTER}", 9.333333f, 2.6f},
        {"Return with order 12 not offered: asked again", 0, 12, "{ENTER}1{ENTER}", 10, 1},
        {"after contact 15.2 is refused", 1, 0, "15.2{ENTER}15{ENTER}", 10.75f, 15},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Moving st(c.keys);
        st.own_orders(c.found);
        st->TT(TT_LAST_ORDER) = c.last;
        st->MV(MV_OWN) = 3;
        MOVE0(*st);
        EXPECT_EQ(st->PT(0), c.base_after);
        EXPECT_EQ(st->TT(TT_LAST_ORDER), c.last_after);
        EXPECT_EQ(row_of(st.console.screen(), 4), "");  // the menu is cleared
    }
}

// Worked moves: at 2.5 units, speed 11, order 2 ends at 2, not 1.4; five order-12 moves at
// speed 10 from 10 end at 5.5000005 (each step stored in 4 bytes), not 5.5.
TEST(MovementOrders, WorkedMoves) {
    Moving fast("2{ENTER}");
    fast.own_orders(0);
    fast->PT(0) = 2.5f;
    fast->S(0) = 11;
    MOVE0(*fast);
    EXPECT_EQ(fast->PT(0), 2);
    EXPECT_EQ(fast->MV(MV_OWN), 0);

    Moving five("12{ENTER}{ENTER}{ENTER}{ENTER}{ENTER}");
    five.own_orders(1);
    for (int i = 0; i < 5; ++i) MOVE0(*five);
    EXPECT_EQ(five->PT(0), 5.5000005f);
    EXPECT_GT(five->PT(0), 5.5f);
}

// The closing of a sub-turn: order 14 (MV(4) = 6) at speed 10 against an Allied fleet of speed
// 9 at full speed gives 300; order 9 at speed 11 against a fleet that holds gives -220.
TEST(SurfacePhase, ClosingOfTheFleets) {
    struct Case {
        float s0, mv4, s1, mv5, closing;
    } cases[] = {{10, 6, 9, 10, 300}, {11, -10, 9, 0, -220}, {10, 5, 7, -5, 30}};
    for (const auto& c : cases) {
        Moving st;
        st->S(0) = c.s0;
        st->MV(MV_OWN) = c.mv4;
        st->S(1) = c.s1;
        st->MV(MV_ALLIED) = c.mv5;
        EXPECT_EQ(closing_distance(*st), c.closing);
    }
}

// Where phase 8 goes: a gun battle within 200 with battleships assigned on both sides (also
// sunk ones), never in the harbour strike; the movement in daylight; the fleet lost.
TEST(SurfacePhase, Routes) {
    struct Case {
        const char* name;
        float distance, harbour, allied_line, subturn, own_durability;
        Block next;
        float base_after;
    } cases[] = {
        {"200: gun battle", 200, 0, 1, 5, 6, Block::GunBattle, 10},
        {"201: movement", 201, 0, 1, 5, 6, Block::NextSubturn, 9.333333f},
        {"harbour strike: no battle", 100, 1, 1, 5, 6, Block::NextSubturn, 9.333333f},
        {"no Allied line: no battle", 100, 0, 0, 5, 6, Block::NextSubturn, 9.333333f},
        {"night: no movement", 300, 0, 1, 16, 6, Block::NextSubturn, 10},
        {"nothing afloat: the operation fails", 300, 0, 1, 16, 0, Block::OperationEnd, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Moving st;
        st->FLEET_DISTANCE = c.distance;
        st->AIR_DISTANCE = 15;
        st->PEARL_HARBOR_TURN = c.harbour;
        st->BB(1, 1) = c.allied_line;
        st->SUBTURN_NO = c.subturn;
        st->A(0, 7, A_DURABILITY) = c.own_durability;
        st->A(0, 22, A_DURABILITY) = c.own_durability;
        st->A(1, 16, A_DURABILITY) = 0;  // sunk, but still assigned
        EXPECT_EQ(SURFACE_PHASE(*st), c.next);
        EXPECT_EQ(st->BASE_DISTANCE, c.base_after);
    }
}
