// The surface phase of an hour step (the detachment question, the groups' speeds, the moves)
// and the gun-battle blocks that follow it: the sighting within 8 map units, the engagement,
// the battle's sub-turns and the closing afterwards.
#include <gtest/gtest.h>

#include "console/console.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;

namespace {

/// Fleet 1 in hour step `hour` against base 14 (open sea): carrier 1 (speed 34) and, with
/// `battleships`, battleship 22 (speed 25); Allied task force 1 with carrier 1 (speed 30) and
/// battleship 16 (speed 21). The map of the hour is drawn; the timed pauses take no time.
void surface_fleet(State& st, float hour, bool battleships) {
    st.TT(TT_FLEET) = 1, st.FLEET_NO = 1, st.AT(1) = 14;
    st.SUBTURN_NO = hour, st.TT(TT_SUBTURN) = hour, st.TT(TT_DAY) = 1, st.TT(TT_SCENARIO) = 6;
    st.CV(0, 1) = 1, st.C(0, 1, 1) = 1;
    st.A(0, 1, A_DURABILITY) = 5, st.A(0, 1, A_SPEED) = 34;
    st.BB(0, 1) = battleships ? 1.0f : 0.0f, st.G(0, 1, 1) = 22;
    st.A(0, 22, A_DURABILITY) = 6, st.A(0, 22, A_SPEED) = 25;
    st.CV(1, 1) = 1, st.C(1, 1, 1) = 1;
    st.A(1, 1, A_DURABILITY) = 4, st.A(1, 1, A_SPEED) = 30, st.A(1, 1, A_TASK_FORCE) = 1;
    st.BB(1, 1) = 1, st.G(1, 1, 1) = 16;
    st.A(1, 16, A_DURABILITY) = 6, st.A(1, 16, A_SPEED) = 21, st.A(1, 16, A_TASK_FORCE) = 1;
    st.MM(MM_HEADING) = -1;
    FMAP(st);
}

}  // namespace

TEST(SurfacePhase, DetachmentQuestionAndSpeeds) {
    struct Case {
        const char* name;
        bool battleships;
        const char* keys;  // the answer, then the heading and speed 0
        float detached, own_speed;
    };
    const Case cases[] = {
        {"Y detaches: the carriers' speed", true, "Y{ENTER}0{ENTER}", 1, 34},
        {"y detaches", true, "y{ENTER}0{ENTER}", 1, 34},
        {"N keeps station: the battleships' speed", true, "N{ENTER}0{ENTER}", 0, 25},
        {"other keys and Enter ask again", true, "x{ENTER}n{ENTER}0{ENTER}", 0, 25},
        {"no battleships: no question", false, "{ENTER}0{ENTER}", 1, 34},
    };
    for (const Case& c : cases) {
        Loaded st(c.keys);
        surface_fleet(*st, 3, c.battleships);
        EXPECT_EQ(SURFACE_PHASE(*st), Block::GunBattle) << c.name;
        EXPECT_EQ(st->BB_DETACHED, c.detached) << c.name;
        EXPECT_EQ(st->S(0), c.own_speed) << c.name;
        EXPECT_EQ(st->S(1), 30) << c.name;
    }
    // The question on row 20, waiting for its key.
    Loaded st("x");
    surface_fleet(*st, 3, true);
    EXPECT_THROW(SURFACE_PHASE(*st), con::ProgramEnd);
    EXPECT_TRUE(shows(con::screen(), 9, 20, "戦艦を分離しますか ?  Hit Y - N Key", 7));
}

TEST(SurfacePhase, GroupsWithoutAfloatCarriersKeepTheirLastSpeed) {
    Loaded st("y{ENTER}0{ENTER}");
    surface_fleet(*st, 3, true);
    st->A(0, 1, A_DURABILITY) = 0;  // the player's carrier sunk: SP2 whatever the answer
    st->A(1, 1, A_DURABILITY) = 0;  // task force 1's carrier sunk
    st->S(0) = 20, st->S(1) = 28;
    st->S(2) = 17;  // task force 2 has no ship: it keeps its speed
    SURFACE_PHASE(*st);
    EXPECT_EQ(st->S(0), 20);
    EXPECT_EQ(st->S(1), 21);
    EXPECT_EQ(st->S(2), 17);
}

TEST(SurfacePhase, NightHoursOnlyLand) {
    Loaded st;
    surface_fleet(*st, 16, true);
    st->BB_DETACHED = 1;
    st->S(0) = 11;
    EXPECT_EQ(SURFACE_PHASE(*st), Block::EngagementTest);
    EXPECT_EQ(st->BB_DETACHED, 1);
    EXPECT_EQ(st->S(0), 11);
}

TEST(GunBattle, SightingWithinEightUnits) {
    struct Case {
        float x, y;
        bool sighted;
    };
    const Case cases[] = {{8, 0, true}, {0, 9, false}, {5, 6, true}, {6, 6, true}, {6, 7, false}, {0, 0, true}};
    for (const Case& c : cases) {
        Loaded st;
        surface_fleet(*st, 4, true);
        st->KS(1) = 1, st->KS(2) = 0;
        st->PZ(1, PZ_X) = c.x, st->PZ(1, PZ_Y) = c.y;
        st->H(1) = -1, st->H(2) = 2, st->H(H_ON_FLEET) = 1;
        st->J(1) = 0;
        EXPECT_EQ(GUN_BATTLE(*st), Block::EngagementTest);
        EXPECT_EQ(st->H(2), -1) << "task force 2 does not exist";
        EXPECT_EQ(st->PK(2), 0);
        EXPECT_EQ(st->H(1), c.sighted ? 4 : -1) << c.x << "," << c.y;
        EXPECT_EQ(st->J(1), c.sighted ? 1 : 0) << c.x << "," << c.y;
        EXPECT_EQ(st->H(H_ON_FLEET), c.sighted ? 3 : 1) << c.x << "," << c.y;
        EXPECT_EQ(con::point_colour(399 + c.x, 168 - c.y) == 5, c.sighted) << c.x << "," << c.y;
    }
    // No battleships on one side, or the harbour raid with surprise: no sighting.
    for (int variant = 0; variant < 3; ++variant) {
        Loaded st;
        surface_fleet(*st, 4, variant != 0);
        if (variant == 1) st->BB(1, 1) = 0;
        if (variant == 2) st->PEARL_HARBOR_TURN = 1;
        st->KS(1) = 1;
        st->H(1) = -1;
        EXPECT_EQ(GUN_BATTLE(*st), Block::EndOfHour) << variant;
        EXPECT_EQ(st->H(1), -1) << variant;
    }
}

TEST(GunBattle, EngagementOpeningRangeAndSubTurns) {
    // Task forces at 3 and 7 units: BF(0) = 140 and 21 sub-turns. The player's battleship is
    // sunk, so every sub-turn is silent and only the range changes: 21 x 5 = 105 closed.
    Loaded st;
    surface_fleet(*st, 17, true);
    st->A(0, 22, A_DURABILITY) = 0;
    st->KS(1) = 1, st->KS(2) = 1, st->KS(3) = 0;
    st->PK(1) = 3, st->PK(2) = 7, st->PK(3) = 2;
    st->BB(1, 1) = 2, st->G(1, 1, 2) = 17;
    st->A(1, 17, A_DURABILITY) = 3, st->A(1, 17, A_SPEED) = 21, st->A(1, 17, A_TASK_FORCE) = 2;
    st->S(0) = 25;
    st->MV(MV_OWN_LINE) = 10, st->MV(MV_ALLIED_LINE) = 10;  // 250 + 21 x 10 = 460: 5 a sub-turn
    st->PD(1) = 90, st->PD(2) = 90;
    EXPECT_EQ(ENGAGEMENT_TEST(*st), Block::EndOfHour);
    EXPECT_EQ((std::vector<float>{st->BF(1), st->BF(2), st->BF(3)}), (std::vector<float>{1, 1, 0}));
    EXPECT_EQ(st->TT(TT_RANGE_START), 140);
    EXPECT_EQ(st->BF(BF_RANGE), 140 - 21 * 5);
    EXPECT_EQ(st->GUN_SUBTURN_NO, 0);
    EXPECT_EQ(st->BB(1, 1), 2) << "the force's count is put back";
    EXPECT_EQ(st->G(G_ENGAGED, 1, 1), 16);
    EXPECT_EQ(st->G(G_ENGAGED, 1, 2), 17);
    // MOVE3: INT(105 / 40) = 2 units towards each other along bearing 90.
    EXPECT_EQ(st->PZ(0, PZ_X), 2);
    EXPECT_EQ(st->PZ(1, PZ_X), -2);
}

TEST(GunBattle, NoBattleWithoutAnAfloatAlliedBattleship) {
    Loaded st;
    surface_fleet(*st, 5, true);
    st->KS(1) = 1;
    st->PK(1) = 8;
    st->A(1, 16, A_DURABILITY) = 0;
    st->BF(BF_RANGE) = 0;
    EXPECT_EQ(ENGAGEMENT_TEST(*st), Block::EndOfHour);
    EXPECT_EQ(st->BF(1), 1);
    EXPECT_EQ(st->BF(BF_RANGE), 160) << "the pause and the opening range come first";
    EXPECT_EQ(st->BB(1, 1), 1);
    st->PK(1) = 9;
    EXPECT_EQ(ENGAGEMENT_TEST(*st), Block::EndOfHour);
    EXPECT_EQ(st->BF(1), 0);
}
