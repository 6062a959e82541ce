// One hour of the search planes' flight (SAKUTEKI2): the legs out, across and home with the
// landing, the Allied planes finding and being seen by the fleet, the player's planes
// reporting, shadowing and relieving, the shadowers' fuel, with scripted draws.
#include <gtest/gtest.h>

#include <vector>

#include "console/console.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;

namespace {

/// Fleet 1 (one carrier) at the base's origin against base 14, no task force, no plane in the
/// air, in hour step 3: nothing draws.
void quiet_sky(State& st) {
    st.TT(TT_FLEET) = 1, st.FLEET_NO = 1, st.TT(TT_SUBTURN) = 3, st.TT(TT_SCENARIO) = 1;
    st.AT(1) = 14, st.CV(0, 1) = 1, st.CV(1, 1) = 2;
    for (int k = 0; k <= 3; ++k) st.H(k) = -1, st.J(k) = 0, st.KS(k) = 0;
}

void fly(State& st, int s, int n, float status, float x, float y, float heading, float flown, float range) {
    st.ST(s, n, ST_STATUS) = status, st.ST(s, n, ST_X) = x, st.ST(s, n, ST_Y) = y;
    st.ST(s, n, ST_HEADING) = heading, st.ST(s, n, ST_DISTANCE) = flown, st.ST(s, n, ST_RANGE) = range;
}

/// Task force k with `carriers` carriers at (x, y), `pk` units from the fleet on bearing `pd`.
void task_force(State& st, int k, float carriers, float x, float y, float pk, float pd) {
    st.KS(k) = carriers, st.PZ(k, PZ_X) = x, st.PZ(k, PZ_Y) = y, st.PK(k) = pk, st.PD(k) = pd;
}

std::uint64_t run_hour(State& st, std::vector<float> draws) {
    con::random_generator().script(std::move(draws));
    const auto before = con::random_generator().draws();
    SAKUTEKI2(st);
    return con::random_generator().draws() - before;
}

struct Plane {
    float status, x, y, heading, flown;
};

Plane plane_of(const State& st, int s, int n) {
    return {st.ST(s, n, ST_STATUS), st.ST(s, n, ST_X), st.ST(s, n, ST_Y), st.ST(s, n, ST_HEADING),
            st.ST(s, n, ST_DISTANCE)};
}

void expect_plane(const State& st, int s, int n, const Plane& want) {
    const Plane got = plane_of(st, s, n);
    EXPECT_EQ(got.status, want.status);
    EXPECT_EQ(got.x, want.x);
    EXPECT_EQ(got.y, want.y);
    EXPECT_EQ(got.heading, want.heading);
    EXPECT_EQ(got.flown, want.flown);
}

}  // namespace

TEST(SearchFlight, LegsOutAcrossAndHomeToTheLanding) {
    Loaded st;
    quiet_sky(*st);
    fly(*st, ST_OWN, 3, 2, 0, 0, 90, 0, 150);
    st->ST(ST_BASE, ST_COUNTERS, ST_STATUS) = 1;  // this long flight is out
    // Hour by hour: out 3 hours, the turn of 95 degrees, 20 units across, then home, re-aimed
    // each hour at the fleet, which stays at the origin.
    const Plane hours[] = {
        {2, 50, 0, 90, 50},      {2, 100, 0, 90, 100},   {3, 150, 0, 185, 150},
        {4, 148, -20, 278, 150}, {4, 98, -14, 279, 200}, {4, 48, -7, 279, 250},
    };
    for (const Plane& want : hours) {
        EXPECT_EQ(run_hour(*st, {}), 0u);
        expect_plane(*st, ST_OWN, 3, want);
        EXPECT_EQ(st->TT(TT_SEARCH_FLYING), 1);
        EXPECT_EQ(st->TT(TT_MAP_SHOWN), 0);
    }
    // Within 20 units of home at a sub-step it lands: ready, the long flight no longer out.
    run_hour(*st, {});
    EXPECT_EQ(st->ST(ST_OWN, 3, ST_STATUS), 1);
    EXPECT_EQ(st->ST(ST_BASE, ST_COUNTERS, ST_STATUS), 0);
    // Its track is drawn dot by dot in white, up to sub-step 6 at (18, -2.8), 18.2 units from
    // home, where it lands.
    EXPECT_EQ(con::point_colour(399 + 23, 168 + 4), 15);
    EXPECT_EQ(con::point_colour(399 + 18, 168 + 3), 15);
    EXPECT_EQ(con::point_colour(399 + 13, 168 + 2), 0) << "not flown after the landing";
}

TEST(SearchFlight, AnnouncementAndRowsOfTheHour) {
    Loaded st;
    quiet_sky(*st);
    con::print_at(con::Col(0), con::Row(3), "row three");
    run_hour(*st, {});
    EXPECT_EQ(row_of(con::screen(), 3), "") << "rows 1-4 are blanked after every hour";
    EXPECT_EQ(st->TT(TT_SEARCH_FLYING), 0);

    // A plane of the player announces itself; in key mode the hour ends with "Hit Any Key".
    Loaded key("");
    quiet_sky(*key);
    key->TT(TT_COMMENT_KEY) = 1;
    fly(*key, ST_OWN, 1, 2, 0, 0, 0, 0, 100);
    EXPECT_THROW(run_hour(*key, {}), con::ProgramEnd);
    EXPECT_TRUE(shows(con::screen(), 18, 1, "索敵機飛行中", 6));
    EXPECT_TRUE(shows(con::screen(), 35, 20, "Hit Any Key", 4));
}

TEST(SearchFlight, AlliedPlanesFindAndAreSeen) {
    // A base plane flies north over the fleet at (0, 25): 8d < 100r finds it, 8d < 70r sees the
    // plane. Each sub-step draws both; with r = 0.5 the finds come within 6.25 units (sub-steps
    // 4-6), the sighting within 4.375 (sub-step 5 only).
    struct Case {
        float pk0, h0_before, h0_after;
        int source;
    } cases[] = {{120, -1, 4, ST_BASE}, {100, -1, 5, ST_BASE}, {100, 5, 5, ST_BASE}, {120, 5, 4, ST_BASE}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.source << " " << c.pk0);
        Loaded st("a");
        quiet_sky(*st);
        st->TT(TT_COMMENT_KEY) = 1;
        st->PZ(0, PZ_Y) = 25, st->PK(0) = c.pk0, st->H(H_ON_FLEET) = c.h0_before;
        fly(*st, c.source, 2, 2, 0, 0, 0, 0, 150);
        EXPECT_THROW(run_hour(*st, std::vector<float>(20, 0.5f)), con::ProgramEnd) << "the hour's last pause";
        EXPECT_EQ(st->H(H_ON_FLEET), c.h0_after);
        EXPECT_TRUE(shows(con::screen(), 10, 1, "敵索敵機見ユ !", 5));
        expect_plane(*st, c.source, 2, {2, -1, 49, 0, 50});
    }
    // A task force's plane locates the fleet (3) and never lowers a higher level.
    for (float before : {-1.0f, 4.0f}) {
        Loaded st("a");
        quiet_sky(*st);
        st->PZ(0, PZ_Y) = 25, st->H(H_ON_FLEET) = before;
        fly(*st, ST_TASK_FORCE + 2, 7, 2, 0, 0, 0, 0, 100);
        run_hour(*st, std::vector<float>(20, 0.5f));
        EXPECT_EQ(st->H(H_ON_FLEET), before < 3 ? 3 : before);
    }
    // Far from the fleet (12.5 units or more) nothing is found, whatever the draw.
    Loaded far;
    quiet_sky(*far);
    far->PZ(0, PZ_X) = 13;
    fly(*far, ST_BASE, 1, 2, 0, 0, 0, 0, 100);
    EXPECT_EQ(run_hour(*far, std::vector<float>(20, 0.999f)), 20u);
    EXPECT_EQ(far->H(H_ON_FLEET), -1);
}

TEST(SearchFlight, ReportCountPostureAndShadowing) {
    // Plane 4 flies east from the origin at task force 1, 25 units away (two carriers): with
    // r = 0.9 it sees it at sub-step 3 (10 units: 80 < 90); sub-steps 1-2 draw and miss.
    struct Case {
        const char* name;
        float scenario, harbour, earlier_report, allied_bb;
        std::vector<float> draws;  // after the three sighting draws
        float count, posture;
        bool battleships;
    } cases[] = {
        {"first report: never the full count; withdrawal", 1, 0, 0, 1, {0.99f, 0.4f, 0.5f, 0.5f, 0.1f}, 1, 2, true},
        {"a later report never lower; defence", 1, 0, 2, 1, {0.1f, 0.9f, 0.1f, 0.9f, 0.1f, 0.1f}, 2, 1, false},
        {"no posture roll in the single operation; battleships by the second draw",
         6,
         0,
         0,
         0,
         {0.99f, 0.1f, 0.1f, 0.95f},
         1,
         0,
         true},
        {"no battleship remark in the harbour strike", 1, 1, 0, 1, {0.5f, 0.5f, 0.1f, 0.1f, 0.9f, 0.9f}, 1, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Loaded st("a");  // the report's pause; the key mode keeps row 1 on the screen
        quiet_sky(*st);
        st->TT(TT_COMMENT_KEY) = 1;
        st->TT(TT_SCENARIO) = c.scenario, st->TT(TT_HARBOUR_STRIKE) = c.harbour, st->TT(TT_CHARACTER) = 1;
        st->K(1, 1) = c.earlier_report, st->BB(1, 1) = c.allied_bb, st->CV(0, 1) = 1;
        task_force(*st, 1, 2, 25, 0, 25, 90);
        fly(*st, ST_OWN, 4, 2, 0, 0, 90, 0, 100);
        std::vector<float> draws = {0.9f, 0.9f, 0.9f};
        draws.insert(draws.end(), c.draws.begin(), c.draws.end());
        EXPECT_THROW(run_hour(*st, draws), con::ProgramEnd) << "the shadower's pause";
        EXPECT_EQ(con::random_generator().draws(), draws.size());
        EXPECT_EQ(st->K(1, 1), c.count);
        EXPECT_EQ(st->TK(TK_POSTURE), c.posture);
        EXPECT_EQ(st->J(1), 1);
        EXPECT_EQ(st->H(1), 4) << "reported, then shadowed";
        EXPECT_EQ(st->SK(1), 4);
        expect_plane(*st, ST_OWN, 4, {11, 25, 0, 90, 0});
        EXPECT_EQ(con::point_colour(399 + 25, 168), 5) << "marked on the map";
        EXPECT_TRUE(
            shows(con::screen(), 10, 1, "敵空母 " + std::to_string(static_cast<int>(c.count)) + " 隻発見 !", 6));
        EXPECT_TRUE(shows(con::screen(), 32, 1, "距離は  75 浬です", 6));
        EXPECT_EQ(shows(con::screen(), 60, 1, "敵は戦艦を含む"), c.battleships);
    }
}

TEST(SearchFlight, SightedTaskForcesRelievedWatchesAndHomeboundPlanes) {
    // A task force already sighted (H 2) is shadowed without a report or a draw of its own.
    Loaded sighted;
    quiet_sky(*sighted);
    task_force(*sighted, 1, 2, 25, 0, 25, 90);
    sighted->H(1) = 2, sighted->J(1) = 1;
    fly(*sighted, ST_OWN, 4, 2, 0, 0, 90, 0, 100);
    EXPECT_EQ(run_hour(*sighted, {0.9f, 0.9f, 0.9f}), 3u);
    EXPECT_EQ(sighted->ST(ST_OWN, 4, ST_STATUS), 11);
    EXPECT_EQ(sighted->K(1, 1), 0);

    // A relief flight that has flown less than the shadower takes over 10 units on; the
    // shadower turns home with 50 more flown.
    const auto watched = [](State& st) {
        quiet_sky(st);
        st.PZ(0, PZ_X) = -200;  // the fleet far to the west: no plane lands this hour
        task_force(st, 1, 2, 25, 0, 25, 90);
        st.H(1) = 4, st.J(1) = 1, st.SK(1) = 6;
        fly(st, ST_OWN, 6, 11, 25, 0, 0, 100, 100);
    };
    Loaded relief;
    watched(*relief);
    fly(*relief, ST_OWN, 4, 2, 0, 0, 90, 50, 1100);
    std::vector<float> draws = {0.9f, 0.9f, 0.9f};
    draws.resize(13, 0.001f);  // plane 6's ten sub-steps west: task force 1 not seen
    EXPECT_EQ(run_hour(*relief, draws), 13u);
    expect_plane(*relief, ST_OWN, 4, {11, 25, 0, 90, 60});
    EXPECT_EQ(relief->SK(1), 4);
    EXPECT_EQ(relief->ST(ST_OWN, 6, ST_STATUS), 5);
    EXPECT_EQ(relief->ST(ST_OWN, 6, ST_HEADING), 270);
    // Plane 6 flies after plane 4 (planes by number): homebound from the task force with 150
    // flown, it flies its hour west.
    expect_plane(*relief, ST_OWN, 6, {5, -25, 0, 270, 200});
    // An ordinary flight, or one that has flown as far as the shadower, flies on.
    for (const auto& [flown, range] : {std::pair{50.0f, 100.0f}, std::pair{100.0f, 1100.0f}}) {
        Loaded on;
        watched(*on);
        fly(*on, ST_OWN, 4, 2, 0, 0, 90, flown, range);
        run_hour(*on, std::vector<float>(10, 0.9f));
        EXPECT_EQ(on->SK(1), 6);
        EXPECT_EQ(on->ST(ST_OWN, 4, ST_X), 50);
        EXPECT_EQ(on->ST(ST_OWN, 4, ST_DISTANCE), flown + 50);
    }
    // A homebound plane reports a task force it passes but does not shadow it.
    Loaded home;
    quiet_sky(*home);
    home->PZ(0, PZ_X) = -100;
    task_force(*home, 1, 1, 25, 0, 125, 90);
    fly(*home, ST_OWN, 2, 4, 0, 0, 90, 200, 100);
    run_hour(*home, {0.9f, 0.9f, 0.9f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f});
    EXPECT_EQ(home->H(1), 2);
    EXPECT_EQ(home->K(1, 1), 1) << "one carrier is always reported as 1";
    EXPECT_EQ(home->SK(1), 0);
    expect_plane(*home, ST_OWN, 2, {4, 50, 0, 270, 250});
}

TEST(SearchFlight, ShadowersFuelByTheTaskForcesDistance) {
    struct Case {
        float pk, flown;
        float status;
        const char* words;
    } cases[] = {
        {50, 199, 13, "敵艦隊 2 上空を索敵機 6 は飛行中"},      {50, 200, 13, "敵艦隊 2 上の索敵機 6 は燃料不足です"},
        {50, 250, 5, "敵艦隊 2 上の索敵機 6 は帰還します"},     {51, 149, 13, "敵艦隊 2 上空を索敵機 6 は飛行中"},
        {100, 150, 13, "敵艦隊 2 上の索敵機 6 は燃料不足です"}, {100, 200, 5, "敵艦隊 2 上の索敵機 6 は帰還します"},
        {101, 99, 13, "敵艦隊 2 上空を索敵機 6 は飛行中"},      {101, 149, 13, "敵艦隊 2 上の索敵機 6 は燃料不足です"},
        {101, 150, 5, "敵艦隊 2 上の索敵機 6 は帰還します"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pk << " " << c.flown);
        Loaded st;
        quiet_sky(*st);
        st->TT(TT_COMMENT_KEY) = 1, st->TT(TT_MAP_SHOWN) = 1;
        task_force(*st, 3, 1, 40, -30, c.pk, 120);
        st->J(1) = 1, st->J(2) = 3, st->H(3) = 4, st->SK(3) = 6;
        fly(*st, ST_OWN, 6, 13, 0, 0, 0, c.flown, 100);
        EXPECT_THROW(run_hour(*st, {}), con::ProgramEnd) << "a pause ends the hour";
        EXPECT_EQ(con::random_generator().draws(), 0u);
        EXPECT_TRUE(shows(con::screen(), 0, 3, c.words, 6));
        EXPECT_EQ(st->ST(ST_OWN, 6, ST_STATUS), c.status);
        EXPECT_EQ(st->ST(ST_OWN, 6, ST_DISTANCE), c.flown + 50);
        EXPECT_EQ(st->ST(ST_OWN, 6, ST_X), 40);
        EXPECT_EQ(st->TT(TT_MAP_SHOWN), 1) << "untouched: a shadower draws nothing";
        if (c.status == 5) {
            EXPECT_EQ(st->SK(3), 0);
            EXPECT_EQ(st->H(3), 2);
            EXPECT_EQ(st->ST(ST_OWN, 6, ST_HEADING), 300);
        } else {
            EXPECT_EQ(st->H(3), 4);
        }
    }
}
