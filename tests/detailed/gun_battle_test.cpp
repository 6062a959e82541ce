// The gun battle of the battleship lines: the lines' speeds (SP, SP2), one gun sub-turn (BS:
// clock, targets, fire, damage, orders and range) and the closing of the fleets (MOVE3).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "console/console.h"
#include "tests/detailed/detailed_support.h"

using namespace detailed_test;
using namespace morva95f;

namespace {

/// A die of the battle scripted to show v (0-5).
float die(int v) { return (static_cast<float>(v) + 0.5f) / 6; }

/// A battle of fleet 1 in hour step 5: `own` Japanese battleships (ships 22 on) against
/// `allied` Allied ones (ships 16 on, all of task force 1, engaged), each of durability 6,
/// 16-inch guns of range 14, belt and deck armour 10 and 27 knots; the range BF(0) = `range`.
struct Battle {
    explicit Battle(int own, int allied, float range, std::string keys = "") : st(std::move(keys)) {
        State& s = *st;
        s.TT(TT_FLEET) = 1, s.FLEET_NO = 1, s.AT(1) = 14;
        s.TT(TT_SUBTURN) = 5, s.TT(TT_DAY) = 1, s.TT(TT_SCENARIO) = 6, s.TT(TT_GUN_SUBTURN) = 10;
        s.CV(0, 1) = 1, s.CV(1, 1) = 1;
        s.BB(0, 1) = static_cast<float>(own), s.BB(1, 1) = static_cast<float>(allied);
        s.BF(BF_RANGE) = range, s.BF(1) = 1;
        for (int k = 1; k <= own; ++k) ship(0, s.G(0, 1, k) = static_cast<float>(21 + k));
        for (int k = 1; k <= allied; ++k) {
            ship(1, s.G(G_ENGAGED, 1, k) = static_cast<float>(15 + k));
            s.A(1, 15 + k, A_TASK_FORCE) = 1;
        }
    }
    void ship(int side, float i) {
        State& s = *st;
        s.A(side, i, A_DURABILITY) = s.A(side, i, A_FULL_DURABILITY) = 6;
        s.A(side, i, A_GUN_POWER) = 16, s.A(side, i, A_GUN_RANGE) = 14;
        s.A(side, i, A_BELT) = 10, s.A(side, i, A_DECK) = 10, s.A(side, i, A_SPEED) = 27;
    }
    /// One gun sub-turn as the engagement runs it: SP, then BS.
    void sub_turn() {
        SP(*st);
        BS(*st);
    }
    float target(int side, int ship) { return st->B(side, B_TARGET, ship); }
    Loaded st;
};

/// Draws that miss with every shot (a die of 0 twice).
std::vector<float> misses(int shots) { return std::vector<float>(2 * shots, die(0)); }

}  // namespace

TEST(LineSpeeds, SpCountsAbleShipsAndTakesTheSlowest) {
    Battle b(2, 1, 100);
    b.st->A(0, 22, A_SPEED) = 27;  // 大和
    b.st->A(0, 23, A_SPEED) = 30;
    SP(*b.st);
    EXPECT_EQ(b.st->S(0), 27);
    EXPECT_EQ(b.st->N(0), 2);
    b.st->A(0, 22, A_DURABILITY) = 0.5f;
    SP(*b.st);
    EXPECT_EQ(b.st->S(0), 30);
    EXPECT_EQ(b.st->N(0), 1);
    // An Allied line with nothing able keeps its speed while its force has carriers, and takes
    // 21 knots without them; a ship of a task force not engaged never counts.
    b.st->S(S_ALLIED_LINE) = 19;
    b.st->A(1, 16, A_TASK_FORCE) = 2;
    SP(*b.st);
    EXPECT_EQ(b.st->N(1), 0);
    EXPECT_EQ(b.st->S(S_ALLIED_LINE), 19);
    b.st->CV(1, 1) = 0;
    SP(*b.st);
    EXPECT_EQ(b.st->S(S_ALLIED_LINE), 21);
}

TEST(LineSpeeds, Sp2LowersTheGroupToItsSlowestBattleship) {
    struct Case {
        const char* name;
        int group;
        float entry, carriers, tf16, tf17, dur16, expected;
    };
    // Allied battleships 16 (25 knots) and 17 (21 knots); player's 22 (25 knots).
    const Case cases[] = {
        {"carriers 34 kt, battleships keep station", 0, 34, 1, 1, 1, 6, 25},
        {"no carrier afloat: the battleship", 0, 0, 1, 1, 1, 6, 25},
        {"task force: only its own battleships", 1, 0, 1, 1, 2, 6, 25},
        {"task force: the slower of its own", 2, 0, 1, 1, 2, 6, 21},
        {"carrier speed lower than the battleships", 1, 20, 1, 1, 1, 6, 20},
        {"nothing afloat, carriers in the fleet", 3, 0, 1, 1, 1, 6, 0},
        {"nothing afloat, no carriers at all", 3, 0, 0, 1, 1, 6, 21},
        {"a sunk battleship does not count", 1, 0, 1, 1, 2, 0, 0},
    };
    for (const Case& c : cases) {
        Battle b(1, 0, 0);
        State& s = *b.st;
        s.BB(1, 1) = 2, s.G(1, 1, 1) = 16, s.G(1, 1, 2) = 17;
        b.ship(1, 16), b.ship(1, 17);
        s.A(0, 22, A_SPEED) = 25, s.A(1, 16, A_SPEED) = 25, s.A(1, 17, A_SPEED) = 21;
        s.A(1, 16, A_TASK_FORCE) = c.tf16, s.A(1, 17, A_TASK_FORCE) = c.tf17;
        s.A(1, 16, A_DURABILITY) = c.dur16;
        s.CV(0, 1) = s.CV(1, 1) = c.carriers;
        s.S(c.group) = c.entry;
        s.TT(TT_GUN_GROUP) = static_cast<float>(c.group);
        SP2(s);
        EXPECT_EQ(s.S(c.group), c.expected) << c.name;
    }
}

TEST(Closing, Move3ByBearingAndDistance) {
    struct Case {
        float start, end, bearing, dx, dy;
    };
    const Case cases[] = {
        {160, 0, 0, -1, 3},    {160, 0, 45, 2, 2},    {160, 0, 90, 4, 0},    {160, 0, 135, 2, -3},
        {160, 0, 180, -1, -4}, {160, 0, 225, -3, -3}, {160, 0, 270, -4, 0},  {160, 0, 315, -3, 2},
        {40, 0, 0, -1, 0},     {40, 0, 45, 0, 0},     {40, 0, 90, 1, 0},     {139, 100, 90, 0, 0},
        {100, 101, 90, -1, 0},
    };
    for (const Case& c : cases) {
        Loaded st;
        st->TT(TT_RANGE_START) = c.start;
        st->BF(BF_RANGE) = c.end;
        st->BF(1) = 1;
        st->PD(1) = c.bearing;
        st->PZ(1, PZ_X) = 50, st->PZ(1, PZ_Y) = 50;
        MOVE3(*st);
        EXPECT_EQ(st->PZ(0, PZ_X), c.dx) << c.start << "-" << c.end << " at " << c.bearing;
        EXPECT_EQ(st->PZ(0, PZ_Y), c.dy) << c.start << "-" << c.end << " at " << c.bearing;
    }
    // The plain mean of the bearings: 350 and 10 send the fleet south; each task force steams
    // back along its own bearing; a task force not engaged stays.
    Loaded st;
    st->TT(TT_RANGE_START) = 160, st->BF(BF_RANGE) = 0;
    st->BF(1) = st->BF(2) = 1;
    st->PD(1) = 350, st->PD(2) = 10, st->PD(3) = 90;
    st->PZ(3, PZ_X) = 7;
    MOVE3(*st);
    EXPECT_EQ(std::make_pair(st->PZ(0, PZ_X), st->PZ(0, PZ_Y)), std::make_pair(-1.0f, -4.0f));
    EXPECT_EQ(std::make_pair(st->PZ(1, PZ_X), st->PZ(1, PZ_Y)), std::make_pair(0.0f, -4.0f));
    EXPECT_EQ(std::make_pair(st->PZ(2, PZ_X), st->PZ(2, PZ_Y)), std::make_pair(-1.0f, -4.0f));
    EXPECT_EQ(st->PZ(3, PZ_X), 7);
}

TEST(GunSubTurn, TargetsPairConcentrateOrSpread) {
    struct Case {
        int own, allied;
        std::vector<float> own_targets;
    };
    const Case cases[] = {
        {4, 4, {1, 2, 3, 4}},
        {2, 5, {1, 1}},
        {6, 2, {1, 2, 1, 2, 1, 2}},
    };
    for (const Case& c : cases) {
        Battle b(c.own, c.allied, 100, "{ENTER}");
        con::random_generator().script(misses(c.own + c.allied));
        b.sub_turn();
        for (int k = 1; k <= c.own; ++k) EXPECT_EQ(b.target(0, 21 + k), c.own_targets[k - 1]) << c.own << "v" << c.allied << " slot " << k;
    }
    // Two Japanese ships against five: the Allied line has HT(1) = 2 and q = 5/2 > 2, so it
    // spreads from where the Japanese search stopped (slot 1).
    Battle b(2, 5, 100, "{ENTER}");
    con::random_generator().script(misses(7));
    b.sub_turn();
    const float allied[] = {2, 1, 2, 1, 2};
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(b.target(1, 15 + k), allied[k - 1]) << k;
}

TEST(GunSubTurn, KeptTargetsAndShipsThatCannotFire) {
    Battle b(2, 2, 100, "{ENTER}{ENTER}");
    State& s = *b.st;
    // Slot 2 is kept while its ship is afloat, whatever the pairing would give.
    s.B(0, B_TARGET, 22) = 2;
    s.A(1, 17, A_GUN_RANGE) = 9;  // short of the range: no target
    con::random_generator().script(misses(3));
    b.sub_turn();
    EXPECT_EQ(b.target(0, 22), 2);
    EXPECT_EQ(b.target(0, 23), 1);
    EXPECT_EQ(b.target(1, 17), 0);
    // A slot kept from a longer line than today's, or whose ship is sunk, is chosen afresh.
    s.B(0, B_TARGET, 22) = 5;
    s.B(0, B_TARGET, 23) = 1;
    s.A(1, 16, A_DURABILITY) = 0;
    con::random_generator().script(misses(2));
    b.sub_turn();
    EXPECT_EQ(b.target(0, 22), 2);
    EXPECT_EQ(b.target(0, 23), 2);
    EXPECT_EQ(s.N(1), 1);
}

TEST(GunSubTurn, HitLocationArmourAndDamage) {
    struct Case {
        const char* name;
        float gun, range;
        std::vector<float> draws;
        float damage;  // summed for the target before it counts
        const char* marker;
    };
    const float hi = die(5), lo = die(0);
    const Case cases[] = {
        {"miss at r 10 (dice 1 and 1: 2 + 4 < 10)", 16, 100, {lo, lo}, 0, ""},
        {"unarmoured hit, damage roll 12 > 8", 16, 100, {hi, hi, die(1), die(1), hi, hi}, 1, "被弾"},
        {"unarmoured hit, damage roll 2", 16, 100, {hi, hi, die(1), die(1), lo, lo}, 0, "被弾"},
        {"18-inch deck hit at r 10 penetrates deck 10: INT(4/2)", 18, 100, {hi, hi, die(3), die(3), lo, lo}, 2,
         "貫通 (甲板)"},
        {"14-inch deck hit at r 10 stops: light damage 12 > 10", 14, 100, {hi, hi, die(3), die(3), hi, hi}, 1,
         "被弾 (甲板)"},
        {"belt hit at r 10 stops, extra draw 9 > 7: light", 16, 100, {hi, hi, hi, hi, hi, hi, 0.95f}, 1,
         "被弾 (舷側)"},
        {"belt hit at r 10 stops, extra draw 5: nothing", 16, 100, {hi, hi, hi, hi, hi, hi, 0.5f}, 0,
         "被弾 (舷側)"},
        {"18-inch belt hit at r 4 penetrates belt 10: INT(14/2)", 18, 40, {lo, lo, hi, hi, hi, hi}, 7,
         "貫通 (舷側)"},
    };
    for (const Case& c : cases) {
        // In key mode the run stops at the pause after the fire: the markers are up and the
        // damage is summed but not yet applied.
        Battle b(1, 1, c.range, "a");
        State& s = *b.st;
        s.TT(TT_COMMENT_KEY) = 1;
        s.A(0, 22, A_GUN_POWER) = c.gun;
        s.A(1, 16, A_GUN_RANGE) = 0;  // the Allied ship does not answer
        con::random_generator().script(c.draws);
        const auto before = con::random_generator().draws();
        EXPECT_THROW(b.sub_turn(), con::ProgramEnd);
        EXPECT_EQ(con::random_generator().draws() - before, c.draws.size()) << c.name;
        EXPECT_EQ(s.DM(1, 1), c.damage) << c.name;
        EXPECT_TRUE(shows(con::screen(), 35, 23, "Hit Any Key", 4));
        if (*c.marker) {
            EXPECT_TRUE(shows(con::screen(), 62, 2, c.marker, -1)) << c.name << ": " << row_of(con::screen(), 2);
        } else {
            EXPECT_EQ(text_at(con::screen(), 62, 2, 4), "    ") << c.name;
        }
    }
    // Then the damage counts and the values replace the marker.
    Battle b(1, 1, 100, "{ENTER}");
    b.st->A(1, 16, A_GUN_RANGE) = 0;
    con::random_generator().script({hi, hi, die(1), die(1), hi, hi});
    b.sub_turn();
    EXPECT_EQ(b.st->A(1, 16, A_DURABILITY), 5);
    EXPECT_EQ(b.st->DM(1, 1), 0);
    EXPECT_TRUE(shows(con::screen(), 44, 2, "SOUTHDAKOTA    0   5 / 6   0  27", 6)) << row_of(con::screen(), 2);
}

TEST(GunSubTurn, HitThresholdsBySideAndDamage) {
    struct Case {
        int side;
        bool below_half;
        float range;
        int die1, die2;
        bool hit;
    };
    // A hit needs die1 + die2 + 4 - side - (below half) >= r, the dice 0-5.
    const Case cases[] = {
        {0, false, 80, 2, 2, true},  {0, false, 80, 1, 2, false}, {1, false, 80, 2, 3, true},
        {1, false, 80, 2, 2, false}, {0, true, 80, 2, 3, true},   {0, true, 80, 2, 2, false},
        {0, false, 140, 5, 5, true}, {0, false, 140, 5, 4, false}, {1, false, 140, 5, 5, false},
        {0, false, 40, 0, 0, true},
    };
    for (const Case& c : cases) {
        Battle b(1, 1, c.range, "{ENTER}");
        State& s = *b.st;
        s.A(1 - c.side, c.side == 0 ? 16.0f : 22.0f, A_GUN_RANGE) = 0;  // only `side` fires
        if (c.below_half) s.A(c.side, c.side == 0 ? 22.0f : 16.0f, A_DURABILITY) = 2.9f;
        con::random_generator().script({die(c.die1), die(c.die2), die(0), die(0), die(0), die(0)});
        const auto before = con::random_generator().draws();
        b.sub_turn();
        EXPECT_EQ(con::random_generator().draws() - before, c.hit ? 6u : 2u)
            << "side " << c.side << " r " << c.range / 10 << " dice " << c.die1 << "+" << c.die2;
    }
}

TEST(GunSubTurn, RangeOrdersAndSilentSubTurns) {
    struct Case {
        float range, own_speed, own_rate, allied_speed, allied_rate;
        const char* keys;
        float rate_after, range_after;
    };
    // At r 16 nothing fires; the Allied line closes (+2) from r 8 on and opens below.
    const Case cases[] = {
        {160, 25, 10, 25, 8, "{ENTER}", 10, 155},    // 25 x 10 + 25 x 10 = 500: closes by 5
        {160, 25, 10, 25, 8, "+{ENTER}", 10, 155},          // + at 10 stays at 10
        {160, 25, 0, 25, 0, "x{ENTER}-{ENTER}", -2, 160},  // a letter asks again; 25 x -2 + 25 x 2 = 0
        {160, 28, -2, 27, 0, "{ENTER}", -2, 161},    // -56 + 54 = -2: INT(-2/90) = -1 opens by 1
        {160, 28, 2, 27, -4, "{ENTER}", 2, 160},     // 56 - 54 = 2: no change
        {30, 25, 10, 25, 10, "{ENTER}", 10, 25},     // r 3: the Allies open to 8: closes by 5
    };
    for (const Case& c : cases) {
        Battle b(1, 1, c.range, c.keys);
        State& s = *b.st;
        s.A(0, 22, A_SPEED) = c.own_speed, s.A(1, 16, A_SPEED) = c.allied_speed;
        s.MV(MV_OWN_LINE) = c.own_rate, s.MV(MV_ALLIED_LINE) = c.allied_rate;
        con::random_generator().script(std::vector<float>(12, die(0)));
        b.sub_turn();
        EXPECT_EQ(s.MV(MV_OWN_LINE), c.rate_after) << c.keys << " at " << c.range;
        const long r = static_cast<long>(c.range / 10);
        const float allied = c.allied_rate + (r < 8 ? -2.0f : 2.0f);
        const long closing = static_cast<long>(std::floor((c.own_speed * c.rate_after +
                                                           c.allied_speed * std::min(10.0f, allied)) / 90.0));
        EXPECT_EQ(s.BF(BF_RANGE), std::abs(c.range - closing)) << c.keys << " at " << c.range;
        EXPECT_EQ(s.BF(BF_RANGE), c.range_after) << c.keys << " at " << c.range;
    }
    // BF(0) = 3 and a closing of 5 comes out at 2, beyond the other line.
    Battle b(1, 1, 3);
    b.st->A(0, 22, A_DURABILITY) = 0;  // a silent sub-turn: no screen, no order
    b.st->S(0) = 25, b.st->S(S_ALLIED_LINE) = 25;
    b.st->MV(MV_OWN_LINE) = 10, b.st->MV(MV_ALLIED_LINE) = 8;
    con::print_at(con::Col(0), con::Row(5), "kept");
    b.sub_turn();
    EXPECT_EQ(b.st->BF(BF_RANGE), 2);
    EXPECT_EQ(b.st->MV(MV_ALLIED_LINE), 8);
    EXPECT_TRUE(shows(con::screen(), 0, 5, "kept"));
}

TEST(GunSubTurn, ClockAndRangeLines) {
    struct Case {
        float hour_step, sub_turn, range;
        const char* hour;    // at column 66 of row 0
        const char* minute;  // at column 73
        const char* range_line;
    };
    const Case cases[] = {
        {16, 28, 160, " 18 時", " 36 分", "距離は  16  砲戦距離 ( 24 浬) です"},
        {16, 20, 157, " 19 時", " 0 分", "距離は  15  砲戦距離 ( 23.55 浬) で"},
        {5, 1, 100, " 8 時", " 57 分", "距離は  10  砲戦距離 ( 15 浬) です"},
    };
    for (const Case& c : cases) {
        Battle b(1, 1, c.range, "{ENTER}");
        b.st->TT(TT_SUBTURN) = c.hour_step;
        b.st->TT(TT_GUN_SUBTURN) = c.sub_turn;
        con::random_generator().script(misses(2));
        b.sub_turn();
        EXPECT_TRUE(shows(con::screen(), 66, 0, c.hour, 7)) << row_of(con::screen(), 0);
        EXPECT_TRUE(shows(con::screen(), 73, 0, c.minute, 7)) << row_of(con::screen(), 0);
        EXPECT_TRUE(shows(con::screen(), 44, 1, c.range_line, 6)) << row_of(con::screen(), 1);
    }
}

TEST(GunSubTurn, ScreenOfASubTurnFromAFixedSeed) {
    Battle b(3, 4, 90, "{ENTER}");
    State& s = *b.st;
    s.A(0, 22, A_GUN_POWER) = 18, s.A(0, 23, A_DURABILITY) = 2;
    s.A(1, 19, A_DURABILITY) = 0;
    s.MV(MV_OWN_LINE) = 4, s.MV(MV_ALLIED_LINE) = 2;
    con::randomize(11);
    b.sub_turn();
    testing_support::expect_golden(con::screen().dump_text() + con::screen().dump_colours(),
                                   "golden/detailed/gun_sub_turn.txt");
}
