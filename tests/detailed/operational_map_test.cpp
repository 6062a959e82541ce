// The operational map: every target area's coast with its fills inside their outlines, the
// markers, ring, planes and groups, the ranges and bearings, and the contact report.
#include <gtest/gtest.h>

#include "console/console.h"
#include "detailed/coast_drawings.h"
#include "detailed/map_geometry.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;

namespace {

int land_pixels() {
    int n = 0;
    for (int y = 0; y < 432; ++y)
        for (int x = 0; x < 640; ++x) n += con::point_colour(x, y) == 9;
    return n;
}

/// A state whose fleet 1 attacks base b, at the day-start drawing (hour step 0).
void aim_at(State& st, float b) {
    st.TT(TT_FLEET) = 1;
    st.AT(1) = b;
    st.TT(TT_SUBTURN) = 0;
}

}  // namespace

TEST(OperationalMap, EveryCoastFillsInsideItsOutline) {
    // Land pixels of each target area's coast (bases 1-6 share one drawing; 11 and 14 have none).
    struct Case {
        int base;
        int land;
    };
    const Case cases[] = {{1, 22371},  {6, 22371},  {7, 11264}, {8, 38613},  {9, 8080},   {10, 21774},
                          {11, 0},     {12, 69590}, {13, 39482}, {14, 0},     {15, 3448},  {16, 703},
                          {17, 974},   {18, 1632},  {19, 62062}, {20, 16753}, {21, 72950}};
    for (const Case& c : cases) {
        Loaded st;
        aim_at(*st, static_cast<float>(c.base));
        FMAP(*st);
        SCOPED_TRACE(c.base);
        for (const CoastElement& e : coast_of(c.base))
            if (e.kind == CoastElement::Kind::Fill && !(e.values[0] >= 396 && e.values[0] <= 402)) {
                EXPECT_EQ(con::point_colour(e.values[0], e.values[1]), 9);
            }
        // Sea outside every drawing: below the drawings, and left of them.
        EXPECT_EQ(con::point_colour(320, 400), 0);
        EXPECT_EQ(con::point_colour(100, 20), 0);
        EXPECT_EQ(con::point_colour(396, 165), 5) << "the base's marker";
        EXPECT_EQ(land_pixels(), c.land);
    }
}

TEST(OperationalMap, SingaporeLensIsClosed) {
    // The first arc ends two pixels below the closing line: the short upright closes the lens,
    // whose fill then paints about 8,400 pixels, and the mainland's about 29,200.
    Loaded st;
    const CoastDrawing& coast = coast_of(8);
    auto painted_by = [&](int from, int to) {
        draw_coast(CoastDrawing(coast.begin() + from, coast.begin() + to - 1));
        const int before = land_pixels();
        draw_coast(CoastDrawing(coast.begin() + to - 1, coast.begin() + to));
        return land_pixels() - before;
    };
    EXPECT_NEAR(painted_by(0, 5), 8400, 100);
    EXPECT_EQ(con::point_colour(300, 41), 9) << "the gap between the arc's end and the line";
    EXPECT_EQ(con::point_colour(250, 100), 0) << "sea outside the lens";
    EXPECT_NEAR(painted_by(5, 7), 29200, 100);
}

TEST(OperationalMap, BaseMarkerAndLabelByStrength) {
    for (float strength : {0.0f, 5.0f}) {
        Loaded st;
        aim_at(*st, 11);
        st->P(11, P_STRENGTH) = strength;
        FMAP(*st);
        const bool destroyed = strength < 1;
        EXPECT_EQ(con::point_colour(396, 165), destroyed ? 9 : 5);
        EXPECT_EQ(con::point_colour(402, 171), destroyed ? 9 : 5);
        EXPECT_EQ(con::point_colour(403, 171), 0);
        EXPECT_TRUE(shows(con::screen(), 43, 10, "敵基地", destroyed ? 2 : 3));
    }
}

TEST(OperationalMap, BearingsAndDistances) {
    struct Case {
        float dx, dy, bearing;
    };
    const Case cases[] = {{3, 4, 37},       {4, 3, 54},       {100, 100, 45},   {100, -100, 136},
                          {-100, -100, 225}, {-100, 100, 316}, {-3, 4, 324},     {1, 1000, 1},
                          {-1, 1000, 360},   {0, -5, 180},     {0, 0, 180},      {0, 7, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(map_bearing(c.dx, c.dy, kMapRadToDeg), c.bearing) << c.dx << "," << c.dy;
        EXPECT_EQ(map_bearing(c.dx, c.dy, kRuleRadToDeg), c.bearing) << c.dx << "," << c.dy;
    }
    EXPECT_EQ(map_distance(3, 4), 5);
    EXPECT_EQ(map_distance(10, 50), 50) << "INT of 50.99";
    // The day-start drawing computes nothing.
    Loaded st;
    aim_at(*st, 11);
    st->PK(0) = 77;
    st->KS(2) = 0;
    st->H(2) = 3;
    FMAP(*st);
    EXPECT_EQ(st->PK(0), 77);
    EXPECT_EQ(st->H(2), 3);
}

TEST(OperationalMap, FleetsPlanesGroupsAndRanges) {
    Loaded st;
    aim_at(*st, 11);
    st->TT(TT_SUBTURN) = 3;
    st->PZ(0, PZ_X) = 10, st->PZ(0, PZ_Y) = 50;
    st->KS(1) = 1, st->PZ(1, PZ_X) = 13, st->PZ(1, PZ_Y) = 54, st->H(1) = 1;  // found
    st->KS(2) = 2, st->PZ(2, PZ_X) = -40, st->PZ(2, PZ_Y) = 50, st->H(2) = -1;  // not found
    st->KS(3) = 0, st->H(3) = 3, st->PD(3) = 99;                       // no task force 3
    st->ST(ST_OWN, 4, ST_STATUS) = 2, st->ST(ST_OWN, 4, ST_X) = 100, st->ST(ST_OWN, 4, ST_Y) = -20;
    st->ST(ST_OWN, 5, ST_STATUS) = 1, st->ST(ST_OWN, 5, ST_X) = 110, st->ST(ST_OWN, 5, ST_Y) = -20;  // aboard: not drawn
    st->T(2, 3, T_STATUS) = 1, st->T(2, 3, T_X) = -100, st->T(2, 3, T_Y) = -100;
    st->T(0, 1, T_STATUS) = 3, st->T(0, 1, T_X) = -120, st->T(0, 1, T_Y) = -100;
    st->T(5, 1, T_STATUS) = 1, st->T(5, 1, T_X) = -140, st->T(5, 1, T_Y) = -100;  // Allied: never drawn
    FMAP(*st);
    EXPECT_EQ(st->PK(0), 50);
    EXPECT_EQ(st->PD(0), 192);
    EXPECT_EQ(st->PK(1), 5);
    EXPECT_EQ(st->PD(1), 37);
    EXPECT_EQ(st->PK(2), 50);
    EXPECT_EQ(st->PD(2), 270);
    EXPECT_EQ(st->PK(3), 0);
    EXPECT_EQ(st->H(3), -1);
    EXPECT_EQ(st->PD(3), 99);
    EXPECT_EQ(con::point_colour(409, 118), 11) << "the fleet";
    EXPECT_EQ(con::point_colour(509, 118), 15) << "its ring";
    EXPECT_EQ(con::point_colour(412, 114), 5) << "task force 1, found";
    EXPECT_EQ(con::point_colour(359, 118), 0) << "task force 2, not found";
    EXPECT_EQ(con::point_colour(499, 188), 15) << "a search plane in flight";
    EXPECT_EQ(con::point_colour(509, 188), 0) << "a plane aboard";
    for (int x = 298; x <= 300; ++x) EXPECT_EQ(con::point_colour(x, 268), 11) << "an outbound strike";
    for (int x = 278; x <= 280; ++x) EXPECT_EQ(con::point_colour(x, 268), 3) << "a returning strike";
    EXPECT_EQ(con::point_colour(259, 268), 0);
    EXPECT_TRUE(shows(con::screen(), 51, 10, " 150 浬", 7));
    EXPECT_TRUE(shows(con::screen(), 51, 11, " 192 ", 7));
    // Practice mode shows every task force.
    st->TT(TT_PRACTICE) = 1;
    FMAP(*st);
    EXPECT_EQ(con::point_colour(359, 118), 5);
}

TEST(ContactReport, RowsByTheOrderFound) {
    struct Case {
        const char* name;
        float j1, j2, h1, h3, practice;
        const char* row1;
        const char* row2;
    };
    const Case cases[] = {
        {"nothing found", 0, 0, -1, -1, 0, "", ""},
        {"found 3, then 1", 3, 1, 2, 3, 0, "TF 1  距離 24 浬  方向 135 ", "TF 2  距離 300 浬  方向 45 "},
        {"lost", 1, 0, 0, -1, 0, "TF 1 現在位置 不明", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded st;
        st->J(1) = c.j1, st->J(2) = c.j2;
        st->H(1) = c.h1, st->H(3) = c.h3;
        st->PK(3) = 8, st->PD(3) = 135, st->PK(1) = 100, st->PD(1) = 45;
        ICHI0(*st);
        if (c.j1 == 0) {
            EXPECT_TRUE(shows(con::screen(), 52, 1, "敵艦隊いまだ発見できず", 6));
            continue;
        }
        EXPECT_TRUE(shows(con::screen(), 51, 1, c.row1, 6));
        if (*c.row2) {
            EXPECT_TRUE(shows(con::screen(), 51, 2, c.row2, 6));
        }
        EXPECT_EQ(con::current_colour(), 6);
    }
}

TEST(ContactReport, PracticeModeShowsEveryTaskForce) {
    // Task force 1 is lost (left out in practice mode), so nothing is reported first; then the
    // true ranges of task forces 1 and 2 overwrite rows 1 and 2, and row 3 keeps its text.
    Loaded st;
    st->TT(TT_PRACTICE) = 1;
    st->J(1) = 1, st->H(1) = 0;
    st->KS(1) = 1, st->KS(2) = 1;
    st->PK(1) = 10, st->PD(1) = 90, st->PK(2) = 20, st->PD(2) = 180;
    con::print_at(con::Col(51), con::Row(3), "xyz");
    ICHI0(*st);
    EXPECT_TRUE(shows(con::screen(), 51, 1, "TF 1  距離 30 浬  方向 90 ", 6));
    EXPECT_TRUE(shows(con::screen(), 51, 2, "TF 2  距離 60 浬  方向 180 ", 6));
    EXPECT_EQ(text_at(con::screen(), 51, 3, 3), "xyz");
}
