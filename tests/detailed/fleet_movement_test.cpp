// The fleets on the operational map: the deployment, the night move, the Allied task forces'
// and the player's hourly moves, with the worked offsets by heading and the land test.
#include <gtest/gtest.h>

#include "console/console.h"
#include "detailed/map_geometry.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;

namespace {

/// A loaded state on the day-start map of base b (open sea for 11), fleet at (x, y).
void on_map(State& st, float b, float x, float y, float speed = 30) {
    st.TT(TT_FLEET) = 1;
    st.FLEET_NO = 1;
    st.AT(1) = b;
    st.TT(TT_SUBTURN) = 0;
    FMAP(st);
    st.PZ(0, PZ_X) = x;
    st.PZ(0, PZ_Y) = y;
    st.S(0) = speed;
    st.MM(MM_HEADING) = -1;
}

std::pair<float, float> fleet(const State& st, int g = 0) { return {st.PZ(g, PZ_X), st.PZ(g, PZ_Y)}; }

}  // namespace

TEST(MapGeometry, LegOffsetsByHeading) {
    struct Case {
        float heading, divisor, dx, dy;
    };
    const Case cases[] = {
        {0, 3, -1, 9},   {45, 3, 7, 7},   {90, 3, 10, 0},  {135, 3, 7, -8},  {180, 3, -1, -10},
        {225, 3, -8, -8}, {270, 3, -10, 0}, {315, 3, -8, 7}, {0, 6, -1, 4},    {90, 6, 5, 0},
        {180, 6, -1, -5}, {270, 6, -5, 0},
    };
    for (const Case& c : cases) {
        const auto [dx, dy] = leg_offset(c.heading, 30, c.divisor);
        EXPECT_EQ(dx, c.dx) << c.heading << "/" << c.divisor;
        EXPECT_EQ(dy, c.dy) << c.heading << "/" << c.divisor;
    }
    const std::pair<float, float> on_ring[] = {{-1, 104}, {105, 0}, {-1, -105}, {-105, 0}};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(point_on_bearing(90 * i, 105), on_ring[i]) << 90 * i;
}

TEST(Deployment, SectorsAnswersAndPositions) {
    // Target 6: 91, 269 and bearings beyond a float's range are asked again, 270 is taken.
    Loaded st("91{ENTER}269{ENTER}1E300{ENTER}-1E999{ENTER}270{ENTER}");
    on_map(*st, 6, 0, 0);
    st->KS(1) = 2, st->KS(2) = 1, st->KS(3) = 1;
    ICHI(*st);
    EXPECT_EQ(fleet(*st), std::make_pair(-105.0f, 0.0f));
    EXPECT_TRUE(shows(con::screen(), 20, 20, "目標への接近方向は  ?  0 - 90 , 270 - 359 ", 6));
    EXPECT_TRUE(shows(con::screen(), 24, 22, "( 上は 0  右は 90 )", 6));
    // The task forces lie 140 units out, at sea, task force 1 in an Allied sector.
    for (int k = 1; k <= 3; ++k) {
        EXPECT_FALSE(blocked(st->PZ(k, PZ_X), st->PZ(k, PZ_Y))) << k;
        EXPECT_NEAR(map_distance(st->PZ(k, PZ_X), st->PZ(k, PZ_Y)), 140, 1.5) << k;
    }
    const float b1 = map_bearing(st->PZ(1, PZ_X), st->PZ(1, PZ_Y), kMapRadToDeg);
    EXPECT_TRUE((b1 <= 91) || (b1 >= 119 && b1 <= 171) || b1 >= 279) << b1;
    // The first hour's visual contacts read ranges of this deployment.
    EXPECT_EQ(st->PK(0), 105);
    EXPECT_EQ(st->PD(0), 90);
    EXPECT_EQ(st->PK(1), map_distance(con::L(st->PZ(1, PZ_X)) + 105, st->PZ(1, PZ_Y)));
}

TEST(Deployment, HarbourRaidAndAbsentTaskForces) {
    // The harbour raid's row: an empty answer is bearing 0; six draws fix the Allied range
    // (here 130 - 3 x 15 = 85 to 170 + 3 x 15 = 215) before the base bearing is drawn.
    Loaded st("{ENTER}");
    on_map(*st, 18, 0, 0);
    st->TT(TT_HARBOUR_STRIKE) = 1;
    st->KS(1) = 1, st->KS(2) = 0, st->KS(3) = 0;
    st->PZ(2, PZ_X) = 7, st->PZ(2, PZ_Y) = 8;
    con::random_generator().script({0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.9f, 0.5f});
    const auto before = con::random_generator().draws();
    ICHI(*st);
    EXPECT_EQ(fleet(*st), std::make_pair(-1.0f, 104.0f));
    EXPECT_EQ(con::random_generator().draws() - before, 8u) << "324 is refused, 180 taken";
    EXPECT_EQ(fleet(*st, 1), point_on_bearing(180, 140));
    EXPECT_EQ(fleet(*st, 2), std::make_pair(7.0f, 8.0f)) << "an absent task force keeps its row";
    EXPECT_EQ(st->PK(2), 0);
}

TEST(NightMove, HeadingDistanceAndRefusals) {
    // 359.5 and 181 are asked again; from (10, 50) heading 0 over 90 miles ends at (9, 79).
    Loaded st("359.5{ENTER}0{ENTER}181{ENTER}90{ENTER}");
    on_map(*st, 11, 10, 50);
    st->TT(TT_SUBTURN) = 1;
    ICHI2(*st);
    EXPECT_EQ(fleet(*st), std::make_pair(9.0f, 79.0f));
    EXPECT_EQ(st->PK(0), 79) << "the closing map computes the ranges";
    // A move onto the base's box is refused; the next order is taken.
    Loaded base("270{ENTER}30{ENTER}90{ENTER}30{ENTER}");
    on_map(*base, 11, 10, 0);
    base->TT(TT_SUBTURN) = 1;
    ICHI2(*base);
    EXPECT_EQ(fleet(*base), std::make_pair(20.0f, 0.0f));
    // Empty answers: heading 0, distance 0, the fleet stays.
    Loaded stay("{ENTER}{ENTER}");
    on_map(*stay, 11, -30, 40);
    stay->TT(TT_SUBTURN) = 1;
    ICHI2(*stay);
    EXPECT_EQ(fleet(*stay), std::make_pair(-30.0f, 40.0f));
}

TEST(NightMove, PromptsShowTheReach) {
    Loaded st("45{ENTER}");
    on_map(*st, 11, 10, 50);
    EXPECT_THROW(ICHI2(*st), con::ProgramEnd) << "the script ends at the distance question";
    EXPECT_TRUE(shows(con::screen(), 20, 20, "夜間移動の距離は  ?   0 - 180 (浬)", 6));
    EXPECT_EQ(con::point_colour(409, 118), 3) << "the fleet's mark";
    EXPECT_EQ(con::point_colour(409 + 62, 118), 15) << "the reach of 180 miles";
}

TEST(FleetMove, OrderedMovesBySideOfTheOrigin) {
    struct Case {
        const char* keys;
        float x, y, to_x, to_y;
    };
    const Case cases[] = {
        {"60{ENTER}20{ENTER}", 50, 50, 56, 53},    {"60{ENTER}20{ENTER}", -50, -50, -45, -47},
        {"0{ENTER}30{ENTER}", 50, 50, 50, 60},     {"0{ENTER}30{ENTER}", -50, -50, -51, -41},
        {"180{ENTER}30{ENTER}", 50, 50, 50, 40},   {"180{ENTER}30{ENTER}", -50, -50, -51, -60},
        {"90{ENTER}30{ENTER}", -50, -50, -40, -50}, {"270{ENTER}30{ENTER}", 50, 50, 40, 50},
        {"360{ENTER}-0.5{ENTER}0.5{ENTER}0{ENTER}", 50, 50, 50, 50},  // refused heading, then speed 0
        {"359{ENTER}31{ENTER}{ENTER}", 50, 50, 50, 60},              // too fast; Return is top speed
        {"1E300{ENTER}1E999{ENTER}0{ENTER}1E300{ENTER}-1E999{ENTER}30{ENTER}", 50, 50, 50, 60},  // beyond a float
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        Loaded st(c.keys);
        on_map(*st, 11, c.x, c.y);
        MOVE2(*st);
        EXPECT_EQ(fleet(*st), std::make_pair(c.to_x, c.to_y));
    }
}

TEST(FleetMove, DefaultsAndTheRefusedOrder) {
    // Return takes the bearing to the base at the day's first order; a move onto the base is
    // refused and its heading becomes the default.
    Loaded st("{ENTER}{ENTER}{ENTER}0{ENTER}90{ENTER}30{ENTER}");
    on_map(*st, 11, 10, 0);
    st->PD(0) = 270;
    MOVE2(*st);
    EXPECT_EQ(fleet(*st), std::make_pair(10.0f, 0.0f)) << "the refused move, then speed 0";
    EXPECT_EQ(st->MM(MM_HEADING), 270);
    MOVE2(*st);
    EXPECT_EQ(fleet(*st), std::make_pair(20.0f, 0.0f));
    EXPECT_EQ(st->MM(MM_HEADING), 90);
    EXPECT_EQ(text_at(con::screen(), 9, 20, 60), std::string(60, ' ')) << "the orders wiped";
}

TEST(FleetMove, FlightOperationsTurnIntoTheWind) {
    // One launch: an upwind leg (heading 90 drawn) and half the ordered speed, (30 + 1) / 2.
    Loaded st("90{ENTER}30{ENTER}");
    on_map(*st, 11, 50, 50);
    st->ID(0) = 1;
    con::random_generator().script({0.25f});
    MOVE2(*st);
    EXPECT_EQ(fleet(*st), std::make_pair(60.0f, 50.0f));
    EXPECT_TRUE(shows(con::screen(), 7, 1, "攻撃隊発着艦のため移動力は半減します", 5));
    // Four: two upwind legs and no orders.
    Loaded busy;
    on_map(*busy, 11, 50, 50);
    busy->ID(0) = 4;
    busy->MM(MM_HEADING) = 33;
    con::random_generator().script({0.25f, 0.5f});
    MOVE2(*busy);
    EXPECT_EQ(fleet(*busy), std::make_pair(54.0f, 45.0f));
    EXPECT_EQ(busy->MM(MM_HEADING), 33);
    EXPECT_TRUE(shows(con::screen(), 7, 1, "攻撃隊発着艦のため風上に航行します", 5));
}

TEST(TaskForceMove, PatrolAroundTheBase) {
    for (float sense : {1.0f, 2.0f}) {
        Loaded st;
        on_map(*st, 11, 0, 0);
        st->KS(1) = 1, st->KM(1) = sense, st->H(H_ON_FLEET) = -1, st->S(1) = 30;
        st->PZ(1, PZ_X) = 0, st->PZ(1, PZ_Y) = -50;
        MOVE0(*st);
        EXPECT_EQ(fleet(*st, 1), std::make_pair(sense == 2 ? -10.0f : 10.0f, -50.0f)) << sense;
    }
    // A leg that would end on land turns the circling sense for good.
    Loaded land;
    on_map(*land, 11, 0, 0);
    land->KS(1) = 1, land->KM(1) = 2, land->H(H_ON_FLEET) = -1, land->S(1) = 30;
    land->PZ(1, PZ_X) = 30, land->PZ(1, PZ_Y) = -50;
    con::draw_line(399 + 18, 168 + 45, 399 + 22, 168 + 55, 9, con::Shape::FilledBox);
    MOVE0(*land);
    EXPECT_EQ(land->KM(1), 1);
    EXPECT_EQ(fleet(*land, 1), std::make_pair(38.0f, -45.0f)) << "heading 60 instead of 240";
}

TEST(TaskForceMove, LocatedTaskForcesCloseHoldOrWithdraw) {
    struct Case {
        float character, posture, range, dx, dy;
    };
    // The player's fleet lies due south (bearing 0 from it): closing steers 180.
    const Case cases[] = {
        {1, 0, 71, -1, -10}, {1, 0, 70, 0, 0},  {1, 0, 40, 0, 0},  {1, 0, 39, 0, 9},
        {-1, 0, 91, -1, -9},  // 0.8 as a 4-byte value is a little above 0.8 {-1, 0, 90, 0, 0}, {-1, 0, 59, 0, 9}, {1, 2, 200, 0, 9},
        {1, 1, 120, 0, 0},   {1, 1, 131, -1, -10},
    };
    for (const Case& c : cases) {
        Loaded st;
        on_map(*st, 11, 0, -200);
        st->TT(TT_CHARACTER) = c.character;
        st->TK(TK_POSTURE) = c.posture;
        st->KS(1) = 1, st->KM(1) = 1, st->H(H_ON_FLEET) = 1, st->S(1) = 30;
        st->PZ(1, PZ_X) = 100, st->PZ(1, PZ_Y) = 100;
        st->PK(1) = c.range, st->PD(1) = 0;
        MOVE0(*st);
        EXPECT_EQ(fleet(*st, 1), std::make_pair(100 + c.dx, 100 + c.dy))
            << c.character << " posture " << c.posture << " at " << c.range;
    }
}

TEST(TaskForceMove, NoFreeEndPointNeverHangs) {
    // A task force of speed 0 on its own marker, and one in the middle of land: each stays.
    Loaded st;
    on_map(*st, 21, 0, -300);
    st->KS(1) = 1, st->KS(2) = 1;
    st->H(H_ON_FLEET) = 1, st->H(1) = 1, st->ID(1) = 2, st->ID(2) = 5;
    st->S(1) = 0, st->S(2) = 30;
    st->PZ(1, PZ_X) = -100, st->PZ(1, PZ_Y) = 0, st->PK(1) = 200;
    st->PZ(2, PZ_X) = 150, st->PZ(2, PZ_Y) = 0, st->PK(2) = 200;
    st->TT(TT_SUBTURN) = 1;
    FMAP(*st);
    MOVE0(*st);
    EXPECT_EQ(fleet(*st, 1), std::make_pair(-100.0f, 0.0f));
    EXPECT_EQ(fleet(*st, 2), std::make_pair(150.0f, 0.0f));
    st->H(H_ON_FLEET) = 0;  // patrolling
    MOVE0(*st);
    EXPECT_EQ(fleet(*st, 2), std::make_pair(150.0f, 0.0f));
}

TEST(FleetMove, RefusalTextsStandDuringTheirPause) {
    // In key mode the pause after a refused move waits, with the message on row 20.
    struct Case {
        const char* name;
        const char* keys;
        bool night;
    };
    const Case cases[] = {{"hourly move", "270{ENTER}30{ENTER}", false}, {"night move", "270{ENTER}30{ENTER}", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded st(c.keys);
        on_map(*st, 11, 10, 0);
        st->TT(TT_COMMENT_KEY) = 1;
        EXPECT_THROW(c.night ? ICHI2(*st) : MOVE2(*st), con::ProgramEnd);
        EXPECT_TRUE(shows(con::screen(), 13, 20, "陸地に衝突します", 3));
        EXPECT_EQ(fleet(*st), std::make_pair(10.0f, 0.0f));
    }
}
