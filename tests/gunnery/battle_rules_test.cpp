// The gun battle's rules on their own, with worked values and scripted or fixed draws: the
// firing interval, the automatic course rule, bearing sectors and the target search, the hit
// rate, each shell's draws through the armour tests, the step damage and the end test.
#include <gtest/gtest.h>

#include "gunnery/battle.h"
#include "tests/gunnery/gunnery_harness.h"

using namespace kelmat;
using testing_support::ScopedConsole;

namespace {

TEST(BattleRules, FiringIntervalDueSteps) {
    struct Case {
        const char* name;
        float interval, mode;
        std::vector<int> due;  // due steps among 1-24
    } cases[] = {
        {"interval 4, salvo fire", 4, 1, {8, 16, 24}},
        {"interval 4, alternating fire", 4, 2, {4, 8, 12, 16, 20, 24}},
        {"interval 3, salvo fire", 3, 1, {6, 12, 18, 24}},
        {"interval 1, alternating fire: every step", 1, 2, {}},
    };
    for (const Case& c : cases) {
        auto s = kelmat_test::started();
        Battle b;
        s->HT(HT_INTERVAL) = c.interval;
        s->HC(HC_FIRE_MODE) = c.mode;
        std::vector<int> due;
        for (int step = 1; step <= 24; ++step) {
            if (due_to_fire(*s, b, 0)) due.push_back(step);
            step_interval_counters(*s, b);
        }
        if (c.due.empty())
            EXPECT_EQ(due.size(), 24u) << c.name;
        else
            EXPECT_EQ(due, c.due) << c.name;
    }
}

TEST(BattleRules, AutomaticCourseRule) {
    struct Case {
        const char* name;
        float map, course, limit, approach, range_km, leading, disengage, own_speed, enemy_speed;
        float expected;  // the new course towards the enemy
    } cases[] = {
        {"no map: at the limit, far: held", 0, 5, 5, 15, 30, 0, 100, 25, 25, 5},
        {"no map: far, below the limit: closes", 0, 3, 5, 15, 30, 0, 100, 25, 25, 4},
        {"no map: near: opens", 0, 5, 5, 15, 10, 0, 100, 25, 25, 4},
        {"no map: near, at minus the limit: held", 0, -5, 5, 15, 10, 0, 100, 25, 25, -5},
        {"no map: at the approach distance: held", 0, 2, 5, 15, 15, 0, 100, 25, 25, 2},
        {"no map: disengaging", 0, 5, 5, 15, 30, 101, 100, 25, 25, 4},
        {"no map: disengaged at -10 and far: closes one", 0, -10, 5, 15, 30, 101, 100, 25, 25, -9},
        {"map: near: opens past minus the limit", 0 + 1, -5, 5, 15, 10, 0, 100, 25, 25, -6},
        {"map: clamped at -10", 1, -10, 5, 15, 10, 0, 100, 25, 25, -10},
        {"map: more than 2 knots slower at 8: turns away", 1, 8, 10, 15, 30, 0, 100, 22, 25, 7},
        {"map: exactly 2 knots slower: closes", 1, 8, 10, 15, 30, 0, 100, 23, 25, 9},
        {"map: disengaging at -10 stays", 1, -10, 5, 15, 30, 101, 100, 25, 25, -10},
    };
    for (const Case& c : cases)
        for (int side = 0; side <= 1; ++side) {
            auto s = kelmat_test::started();
            Battle b;
            const float sign = side == 0 ? 1.0f : -1.0f;
            s->TT(TT_SHOW_MAP) = c.map;
            s->MV(MV_COURSE + side) = c.course * sign;
            s->MV(MV_LIMIT + side) = c.limit * sign;
            s->MV(MV_APPROACH + side) = c.approach;
            s->HC(HC_DISENGAGE + side) = c.disengage;
            b.leading_firings[side] = c.leading;
            b.range_km = c.range_km;
            b.line_speed[side] = c.own_speed;
            b.line_speed[1 - side] = c.enemy_speed;
            s->MV(MV_COURSE + 1 - side) = 0;
            s->MV(MV_LIMIT + 1 - side) = 0;
            s->HC(HC_DISENGAGE + 1 - side) = 1000;
            s->MV(MV_APPROACH + 1 - side) = c.range_km;
            steer_automatically(*s, b);
            EXPECT_EQ(s->MV(MV_COURSE + side), c.expected * sign) << c.name << (side ? " (RED)" : " (BLUE)");
        }
}

TEST(BattleRules, AutomaticCourseByControlMode) {
    // Far away and below the limit, both lines would close; only the automatic ones do.
    const float expected[5][2] = {{4, -4}, {3, -4}, {3, -3}, {3, -4}, {3, -3}};
    for (int mode = 0; mode <= 4; ++mode) {
        auto s = kelmat_test::started();
        Battle b;
        b.mode = static_cast<float>(mode);
        b.range_km = 30;
        s->MV(MV_LIMIT) = 5, s->MV(MV_LIMIT + 1) = -5;
        s->MV(MV_COURSE) = 3, s->MV(MV_COURSE + 1) = -3;
        s->MV(MV_APPROACH) = s->MV(MV_APPROACH + 1) = 15;
        s->HC(HC_DISENGAGE) = s->HC(HC_DISENGAGE + 1) = 100;
        steer_automatically(*s, b);
        EXPECT_EQ(s->MV(MV_COURSE), expected[mode][0]) << "mode " << mode;
        EXPECT_EQ(s->MV(MV_COURSE + 1), expected[mode][1]) << "mode " << mode;
    }
}

TEST(BattleRules, BearingSectors) {
    struct Case {
        float course;
        double dx, dy;
        int sector;
    } cases[] = {
        {0, 0, 1000, 1},     {0, 1000, 0, 2},     {0, 0, -1000, 3},    {0, -1000, 0, 4},
        {0, 500, 1000, 1},   {0, 1000, 500, 2},   {10, 1000, 0, 1},    {10, 0, 1000, 4},
        {10, 0, -1000, 2},   {-10, -1000, 0, 1},  {20, 0, -1000, 1},   {20, 1000, 0, 4},
        {5, 1000, -1000, 2}, {5, 1000, 1000, 1},  {5, -1000, -1000, 3}, {5, -1000, 1000, 4},
        {-5, -1000, 1000, 1}, {-5, 1000, 1000, 2}, {15, 1000, -1000, 1}, {15, -1000, -100, 2},
        {-15, -1000, -1000, 1}, {-15, 1000, -100, 4}, {3, 1000, 100, 2},  {-17, 0, -1000, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bearing_sector(c.course, c.dx, c.dy), c.sector) << "course " << c.course << " at " << c.dx << "," << c.dy;
}

// A pass of BLUE's `blue` ships against RED's `red`, all within range, no map, first pass.
std::vector<float> first_targets(int blue, int red, float concentration) {
    auto s = kelmat_test::started();
    ScopedConsole console;
    Battle b;
    b.count[0] = static_cast<float>(blue), b.count[1] = static_cast<float>(red);
    b.afloat[0] = b.count[0], b.afloat[1] = b.count[1];
    b.range_km = 20;
    s->HT(HT_CONCENTRATION) = concentration;
    s->HT(HT_INTERVAL) = 1, s->HC(HC_FIRE_MODE) = 2, s->HC(HC_OPEN_RANGE) = 30;
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= b.count[side]; ++ship) {
            s->A(side, ship, A_DISPLACEMENT) = 300;
            s->A(side, ship, A_TURRETS) = 4;
            s->A(side, ship, A_GUN_RANGE) = 30;
            s->B(side, B_AMMUNITION, ship) = 200;
        }
    target_pass(*s, b, 0);
    std::vector<float> out;
    for (int ship = 1; ship <= blue; ++ship) out.push_back(s->B(0, B_TARGET, ship));
    EXPECT_EQ(b.target_chosen, 1);
    EXPECT_EQ(b.fire_opened[0], 1);
    return out;
}

TEST(BattleRules, AutomaticTargetSearchSpreadsTheLine) {
    EXPECT_EQ(first_targets(8, 2, 2), (std::vector<float>{1, 2, 2, 1, 2, 1, 2, 1})) << "K < q";
    EXPECT_EQ(first_targets(8, 4, 2), (std::vector<float>{1, 1, 2, 2, 3, 3, 4, 4})) << "K = q";
    EXPECT_EQ(first_targets(3, 3, 1), (std::vector<float>{1, 2, 3}));
}

TEST(BattleRules, TargetKeptOrChangedAndOutOfRange) {
    auto s = kelmat_test::started();
    ScopedConsole console;
    Battle b;
    b.count[0] = 1, b.count[1] = 6;
    b.afloat[0] = 1, b.afloat[1] = 6;
    b.range_km = 20;
    s->HT(HT_CONCENTRATION) = 1;
    for (int ship = 1; ship <= 6; ++ship) s->A(1, ship, A_DISPLACEMENT) = 300;
    s->A(0, 1, A_GUN_RANGE) = 30;
    // Keeping: the previous target is chosen by fewer than K ships this step.
    float found = 0;
    s->B(0, B_RANGING, 1) = 14;
    choose_target_automatically(*s, b, 0, 1, 5, found);
    EXPECT_EQ(s->B(0, B_TARGET, 1), 5);
    EXPECT_EQ(s->B(0, B_RANGING, 1), 14) << "a kept target keeps its ranging";
    EXPECT_EQ(s->B(1, B_AIMED_AT, 5), 1);
    EXPECT_EQ(s->B(1, B_CHOSEN_BY, 5), 1);
    // Changing from 2 to ship 1: the ranging count divided by 2 x 1 + 1.
    s->B(1, B_CHOSEN_BY, 2) = 1;
    s->B(0, B_RANGING, 1) = 14;
    choose_target_automatically(*s, b, 0, 1, 2, found);
    EXPECT_EQ(s->B(0, B_TARGET, 1), 1);
    EXPECT_EQ(s->B(0, B_RANGING, 1), 4);
    // Beyond gun range with the map: no target after the first wrap while nothing was found.
    s->TT(TT_SHOW_MAP) = 1;
    s->QM(1, 1, QM_X) = 100000;
    for (int ship = 1; ship <= 6; ++ship) s->QM(1, ship, QM_X) = 100000;
    found = 0;
    choose_target_automatically(*s, b, 0, 1, 0, found);
    EXPECT_EQ(s->B(0, B_TARGET, 1), 0);
    EXPECT_EQ(found, 0);
}

TEST(BattleRules, RangingFactor) {
    EXPECT_EQ(ranging_factor(0, 2.6L), 1);
    EXPECT_NEAR(ranging_factor(8, 1 + (20.0L + 160 - 20) / 100), 118.81376, 1e-3) << "stops after the fifth factor";
    EXPECT_NEAR(ranging_factor(2, 1.5L), 2.25, 1e-6);
}

// A firing BLUE ship 1 and its RED target 1 with factors that come to 1 but the tested one.
struct HitRateCase {
    const char* name;
    float range_km, K, shells, mode, target_speed, own_level, their_level, aimed;
    double hit;
};

TEST(BattleRules, HitRateWorkedValues) {
    const HitRateCase cases[] = {
        {"20 km, no losses", 20, 1, 12, 1, 0, 1, 1, 0, 960},
        {"30 km takes the far branch", 30, 1, 12, 1, 0, 1, 1, 0, 160},
        {"29 km the near one", 29, 1, 12, 1, 0, 1, 1, 0, 189.6},
        {"70 km gives nothing", 70, 1, 12, 1, 0, 1, 1, 0, 0},
        {"alternating fire x 0.7", 20, 1, 12, 2, 0, 1, 1, 0, 960 * 0.699999988079071},
        {"evasion, both level 1", 20, 1, 12, 1, 20, 1, 1, 0, 960 * 0.984},
        {"evasion, own level 5: 25", 20, 1, 12, 1, 20, 5, 1, 0, 960 * (1 - 20 * 0.8 * 26 / 20 / 100)},
        {"evasion, target level 3 with two aiming: b = 5", 20, 1, 12, 1, 20, 1, 3, 2, 960 * (1 - 20 * 0.8 * 16 / 20 / 100)},
        {"no shells: 8 / 20", 20, 1, 0, 1, 0, 1, 1, 0, 960 * 0.4},
        {"capped at 10000 first, then 9999", 20, 118.81376f, 12, 1, 0, 1, 1, 0, 9999},
    };
    for (const HitRateCase& c : cases) {
        auto s = kelmat_test::started();
        s->HT(HT_HIT_VALUE) = 20;
        s->HC(HC_EVASION) = c.own_level, s->HC(HC_EVASION + 1) = c.their_level;
        s->B(0, B_TARGET, 1) = 1;
        s->B(1, B_AIMED_AT, 1) = c.aimed;
        s->A(0, 1, A_TARGET_RANGE) = c.range_km;
        s->A(0, 1, A_DISPLACEMENT) = s->A(0, 1, A_START_DURABILITY) = 300;
        s->A(1, 1, A_SPEED) = c.target_speed;
        s->A(1, 1, A_START_SPEED) = 25;         // (275 + 25) / 300 = 1
        s->A(1, 1, A_START_DURABILITY) = 350;   // (35 + 265) / 300 = 1
        work_out_hit_rate(*s, 0, 1, c.K, c.shells, c.mode);
        EXPECT_NEAR(s->HIT(0, 1), c.hit, 1e-3) << c.name;
    }
    // A damaged firer at half its durability: x 0.75.
    auto s = kelmat_test::started();
    s->HT(HT_HIT_VALUE) = 20, s->HC(HC_EVASION) = s->HC(HC_EVASION + 1) = 1;
    s->B(0, B_TARGET, 1) = 1;
    s->A(0, 1, A_TARGET_RANGE) = 20;
    s->A(0, 1, A_DISPLACEMENT) = 150, s->A(0, 1, A_START_DURABILITY) = 300;
    s->A(1, 1, A_START_SPEED) = 25, s->A(1, 1, A_START_DURABILITY) = 350;
    work_out_hit_rate(*s, 0, 1, 1, 12, 1);
    EXPECT_NEAR(s->HIT(0, 1), 720, 1e-3);
}

// BLUE ship 1 (18-inch guns, layout 2, 25 kt) fires one shell at RED ship 1 at 20 km.
std::unique_ptr<Kelmat> duel(float target_speed) {
    auto s = kelmat_test::started();
    s->A(0, 1, A_GUN_TYPE) = 23;
    s->A(0, 1, A_SHELL_DAMAGE) = s->W(4, 23);  // 58
    s->A(0, 1, A_FALL_RANGE) = s->W(6, 23);    // 42: half is 21
    s->A(0, 1, A_LAYOUT) = 2;                  // armour-zone value 6
    s->A(0, 1, A_SPEED) = 25;                  // gate: (6 - 4) x 3 + 70 + 50 = 126
    s->A(0, 1, A_SHELLS) = 1;
    s->A(0, 1, A_RATIO) = 100;
    s->HIT(0, 1) = 5000;
    s->B(0, B_TARGET, 1) = 1;
    s->A(1, 1, A_DISPLACEMENT) = 320;
    s->A(1, 1, A_BELT) = 400;  // x 3 x 45 / 100 = 540 against 496 mm
    s->A(1, 1, A_DECK) = 150;  // x 1.2 = 180 against 85 mm
    s->A(1, 1, A_SPEED) = target_speed;
    s->A(1, 1, A_RATIO) = 100;
    s->MV(MV_COURSE + 1) = -5;
    s->DC(DC_VALUE) = s->DC(DC_VALUE + 1) = 5;
    s->QM(1, 1, QM_X) = 20000;  // deck chance at 20 km: 45 - 10 = 35 %
    return s;
}

TEST(BattleRules, ShellDrawOrderThroughArmourAndDamage) {
    using K = SalvoEvent::Kind;
    struct Case {
        const char* name;
        float target_speed;
        std::vector<float> draws;
        std::vector<K> events;
        float durability, step_damage;
    } cases[] = {
        {"miss", 21, {0.6f}, {}, 320, 0},
        {"hit past the armour: d = 3", 21, {0.1f, 0.99f}, {K::Announce}, 320 - 17, 0},
        {"belt holds", 21, {0.1f, 0.1f, 0.5f, 0.5f}, {K::Announce}, 320 - 17, 0},
        {"deck holds: 1 + 1 + 1 + 2", 21, {0.1f, 0.1f, 0.2f, 0.5f, 0.05f, 0.05f, 0.05f, 0.7f}, {K::Announce}, 320 - 29, 0},
        {"thinner deck still holds", 21, {0.1f, 0.1f, 0.2f, 0.9f, 0.5f, 0.05f, 0.05f, 0.05f, 0.2f}, {K::Announce}, 320 - 23, 0},
    };
    for (const Case& c : cases) {
        auto s = duel(c.target_speed);
        ScopedConsole console;
        con::random_generator().script(c.draws);
        const auto before = con::random_generator().draws();
        const auto events = resolve_salvo(*s, 0, 1);
        EXPECT_EQ(con::random_generator().draws() - before, c.draws.size()) << c.name;
        std::vector<K> kinds;
        for (const auto& e : events) kinds.push_back(e.kind);
        EXPECT_EQ(kinds, c.events) << c.name;
        EXPECT_EQ(s->A(1, 1, A_DISPLACEMENT), c.durability) << c.name;
        EXPECT_EQ(s->DM(1, 1), c.step_damage) << c.name;
    }
}

TEST(BattleRules, PenetrationOutcomes) {
    using K = SalvoEvent::Kind;
    struct Case {
        const char* name;
        float target_speed, belt;
        std::vector<float> draws;
        std::vector<K> events;
        float durability, step_damage;
    } cases[] = {
        // Belt 300: 405 mm against 496 mm; twice 21 kt > 21: the engine-room zone.
        {"engine room: 15 + 2 units", 21, 300, {0.1f, 0.1f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f},
         {K::Announce, K::Penetration, K::EngineRoom}, 320 - 98, 100},
        {"magazine of a fast ship", 21, 300, {0.1f, 0.1f, 0.5f, 0.5f, 0.1f}, {K::Announce, K::Penetration, K::Magazine}, 0, 0},
        // 1 + 10 + 3 + 1 + 1 + 2 = 18 units: 58 x 18 / 10.
        {"turret of a slow ship", 10, 300, {0.1f, 0.1f, 0.5f, 0.5f, 0.7f, 0.99f, 0.99f},
         {K::Announce, K::Penetration, K::Turret}, 320 - 104, 1},
        {"magazine of a slow ship", 10, 300, {0.1f, 0.1f, 0.5f, 0.5f, 0.3f}, {K::Announce, K::Penetration, K::Magazine}, 0, 0},
    };
    for (const Case& c : cases) {
        auto s = duel(c.target_speed);
        s->A(1, 1, A_BELT) = c.belt;
        ScopedConsole console;
        con::random_generator().script(c.draws);
        const auto before = con::random_generator().draws();
        const auto events = resolve_salvo(*s, 0, 1);
        EXPECT_EQ(con::random_generator().draws() - before, c.draws.size()) << c.name;
        std::vector<K> kinds;
        for (const auto& e : events) kinds.push_back(e.kind);
        EXPECT_EQ(kinds, c.events) << c.name;
        EXPECT_EQ(s->A(1, 1, A_DISPLACEMENT), c.durability) << c.name;
        EXPECT_EQ(s->DM(1, 1), c.step_damage) << c.name;
    }
}

TEST(BattleRules, LaterShellsOnlyAfterTheFirstHitWithoutDispersion) {
    // Dispersion value 0: q = 0, so shells 2 and later never hit; each still draws.
    auto s = duel(21);
    s->A(0, 1, A_SHELLS) = 3;
    ScopedConsole console;
    con::random_generator().script({0.9f, 0.01f, 0.01f});
    const auto events = resolve_salvo(*s, 0, 1);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(s->A(1, 1, A_STEP_HITS), 0);
}

TEST(BattleRules, StepDamage) {
    auto s = kelmat_test::started();
    ScopedConsole console;
    Battle b;
    b.count[0] = b.count[1] = b.larger_count = 1;
    s->A(0, 1, A_LAYOUT) = 2;  // three turrets
    s->A(0, 1, A_TURRETS) = 3;
    s->A(0, 1, A_SPEED) = 25;
    for (int p = 1; p <= 3; ++p) s->Q(0, 1, p) = 1;
    s->DM(0, 1) = 203;  // two engine rooms, three turret hits
    con::random_generator().script({0.5f, 0.1f, 0.1f, 0.9f});
    apply_step_damage(*s, b);
    EXPECT_EQ(s->A(0, 1, A_SPEED), 25 - 2 * 5);
    EXPECT_EQ(s->A(0, 1, A_TURRETS), 1) << "the second hit on turret 1 is lost";
    EXPECT_EQ(s->Q(0, 1, 1), 0);
    EXPECT_EQ(s->Q(0, 1, 3), 0);
    EXPECT_EQ(s->Q(0, 1, 2), 1);
    EXPECT_EQ(s->DM(0, 1), 0);
    s->DM(0, 1) = 200;
    s->A(0, 1, A_SPEED) = 4;
    con::random_generator().script({0.1f});
    apply_step_damage(*s, b);
    EXPECT_EQ(s->A(0, 1, A_SPEED), 0) << "never below 0";
}

TEST(BattleRules, EndTest) {
    struct Case {
        const char* name;
        float afloat_red, range, durability, turrets, firings;
        bool goes_on;
    } cases[] = {
        {"both can fight", 1, 30000, 300, 4, 0, true},
        {"RED had nothing afloat at the opening", 0, 30000, 300, 4, 0, false},
        {"range of exactly 80 km", 1, 80000, 300, 4, 0, false},
        {"no turrets anywhere", 1, 30000, 300, 0, 0, false},
        {"every firing spent", 1, 30000, 300, 4, 100, false},
        {"one firing left", 1, 30000, 300, 4, 99, true},
    };
    for (const Case& c : cases) {
        auto s = kelmat_test::started();
        Battle b;
        b.count[0] = b.count[1] = 1;
        b.afloat[0] = 1, b.afloat[1] = c.afloat_red;
        b.range = c.range;
        s->HC(HC_FIRE_MODE) = s->HC(HC_FIRE_MODE + 1) = 1;
        for (int side = 0; side <= 1; ++side) {
            s->A(side, 1, A_DISPLACEMENT) = c.durability;
            s->A(side, 1, A_TURRETS) = c.turrets;
            s->B(side, B_FIRINGS, 1) = c.firings;
        }
        EXPECT_EQ(battle_goes_on(*s, b), c.goes_on) << c.name;
    }
}

TEST(BattleRules, MovementAndHandDown) {
    auto s = kelmat_test::started();
    Battle b;
    b.count[0] = 2, b.count[1] = 1;
    b.line_speed[0] = 72, b.line_speed[1] = 0;
    s->MV(MV_COURSE) = 15;  // 135 degrees
    s->A(0, 1, A_DISPLACEMENT) = s->A(0, 2, A_DISPLACEMENT) = s->A(1, 1, A_DISPLACEMENT) = 100;
    s->QM(0, 2, QM_COURSE) = 0;
    move_lines(*s, b);
    EXPECT_NEAR(s->QM(0, 1, QM_X), 185 * 0.70710647, 0.01);
    EXPECT_NEAR(s->QM(0, 1, QM_Y), -185 * 0.70710709, 0.01);
    EXPECT_NEAR(s->QM(0, 2, QM_Y), 185, 0.01) << "ship 2 still on its old course";
    EXPECT_EQ(s->QM(1, 1, QM_X), 0) << "a line at 0 knots stays";
    b.step = 4;
    hand_down_courses(*s, b);
    EXPECT_EQ(s->QM(0, 2, QM_COURSE), 0);
    b.step = 5;
    hand_down_courses(*s, b);
    EXPECT_EQ(s->QM(0, 2, QM_COURSE), 15);
    measure_range(*s, b);
    EXPECT_NEAR(b.range, std::hypot(s->QM(0, 1, QM_X), s->QM(0, 1, QM_Y)), 0.01);
}

}  // namespace
