// The gun battle BS: the target choice (concentrated or spread, kept targets), the shots by
// scripted dice (hit, location, armour, damage), the player's order, the lines' move, and the
// end of the battleship-only battle.
#include <gtest/gtest.h>

#include <vector>

#include "console/console.h"
#include "simplified/air_units.h"
#include "simplified/blocks.h"
#include "tests/simplified/simplified_support.h"

using namespace simplified_test;
using namespace morva95s;

namespace {

/// Air fleet 1's line of Japanese battleships 22 on, against Allied battleships 16 on: every
/// ship whole at 6, attack 16, gun range 14, armour 10, speed 8; timed displays, the program's
/// own orders.
struct Lines : Loaded {
    Lines(int japanese, int allied, std::string keys = "") : Loaded(std::move(keys)) {
        st->TT(TT_FLEET) = 1;
        st->TT(TT_SCENARIO) = 1;
        st->TT(TT_SUBTURN) = 5;
        st->TT(TT_GUN_SUBTURN) = 1;
        st->TT(TT_WAIT) = 0;
        set_line(0, 22, japanese);
        set_line(1, 16, allied);
    }
    void set_line(int side, int first, int count) {
        st->BB(side, 1) = static_cast<float>(count);
        for (int k = 1; k <= count; ++k) {
            const int ship = first + k - 1;
            st->G(side, 1, k) = static_cast<float>(ship);
            auto set = [&](int field, float v) { st->A(side, ship, field) = v; };
            set(A_DURABILITY, 6);
            set(A_FULL_DURABILITY, 6);
            set(A_ATTACK, 16);
            set(A_GUN_RANGE, 14);
            set(A_BELT, 10);
            set(A_DECK, 10);
            set(A_SPEED, 8);
        }
    }
    /// SP, then BS at `distance`.
    void fight(float distance) {
        st->TT(TT_FLEET_DISTANCE) = distance;
        SP(**this);
        BS(**this);
    }
    std::vector<float> targets(int side) {
        std::vector<float> t;
        for (int k = 1; k <= static_cast<int>(st->BB(side, 1)); ++k)
            t.push_back(st->B(side, B_TARGET, st->G(side, 1, k)));
        return t;
    }
};

}  // namespace

// Equal lines concentrate slot on slot; 8 against 4 the Japanese line spreads and the Allied
// one concentrates two on one; with Allied slot 1 sunk the spread skips it.
TEST(GunBattle, TargetChoice) {
    struct Case {
        const char* name;
        int japanese, allied;
        int sunk;  // Allied slot sunk before the battle (0: none)
        std::vector<float> own, theirs;
    } cases[] = {
        {"4 against 4", 4, 4, 0, {1, 2, 3, 4}, {1, 2, 3, 4}},
        {"8 against 4", 8, 4, 0, {1, 2, 3, 4, 1, 2, 3, 4}, {1, 1, 2, 2}},
        {"8 against 4, Allied slot 1 sunk", 8, 4, 1, {2, 3, 4, 2, 3, 4, 2, 3}, {0, 1, 1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Lines st(c.japanese, c.allied);
        if (c.sunk) st->A(1, 15 + c.sunk, A_DURABILITY) = 0;
        con::random_generator().script(std::vector<float>(40, 0.01f));  // every shot misses at 14
        st.fight(140);
        EXPECT_EQ(st.targets(0), c.own);
        EXPECT_EQ(st.targets(1), c.theirs);
        EXPECT_TRUE(shows(st.console.screen(), 44, 1, "距離は  14  砲戦距離です", 6));
        EXPECT_EQ(st->MV(MV_ALLIED), 2);  // both lines close while the range is long
        EXPECT_EQ(st->MV(MV_OWN), 2);
    }
}

// Kept targets: a target kept from an earlier battle against a longer line counts as no target
// and the ship chooses again (nothing is scored outside the line); a ship out of range has none.
TEST(GunBattle, KeptTargets) {
    Lines st(2, 1);
    st->B(0, B_TARGET, 22) = 6;   // kept from a line of six
    st->A(0, 23, A_GUN_RANGE) = 13;
    st->B(0, B_TARGET, 23) = 1;
    con::random_generator().script(std::vector<float>(10, 0.01f));
    st.fight(140);
    EXPECT_EQ(st.targets(0), (std::vector<float>{1, 0}));
    for (int t = 2; t <= 20; ++t) EXPECT_EQ(st->DM(1, t), 0) << t;
}

// One Japanese shot at range 10 by scripted dice, stopped at the pause before the damage: the
// hit marker on the target's row, and the damage scored.
TEST(GunBattle, ShotsByDice) {
    struct Case {
        const char* name;
        float distance, shooter, deck, belt;
        std::vector<float> dice;  // hit, hit, location, location, damage, damage[, glance]
        const char* marker;       // at (62, 2); "" for a miss
        int marker_colour;
        float damage;
    } cases[] = {
        {"deck hit, 16 + 10 - 16 = 10 penetrates armour 10", 100, 6, 10, 10, {.99f, .99f, .34f, .5f, .99f, .99f}, "貫通 (甲板)", 2, 5},
        {"deck hit held by armour 11: 1 on a 12", 100, 6, 11, 10, {.99f, .99f, .34f, .5f, .99f, .99f}, "被弾 (甲板)", 3, 1},
        {"belt held, glancing 3 in 10", 100, 6, 10, 7, {.99f, .99f, .99f, .99f, .99f, .99f, .8f}, "被弾 (舷側)", 3, 1},
        {"belt held, no damage", 100, 6, 10, 7, {.99f, .99f, .99f, .99f, .99f, .99f, .7f}, "被弾 (舷側)", 3, 0},
        {"belt penetrated at 5: 16 - 5 >= 10", 50, 6, 10, 10, {.99f, .99f, .99f, .99f, .5f, .5f}, "貫通 (舷側)", 2, 3},
        {"location 5: unarmoured, no text", 100, 6, 10, 10, {.99f, .99f, .34f, .2f, .6f, .5f}, "被弾", 3, 0},
        {"a 12 hits at 14", 140, 6, 10, 10, {.99f, .99f, .34f, .2f, .01f, .01f}, "被弾", 3, 0},
        {"below half its durability a 12 misses at 14", 140, 2, 10, 10, {.99f, .99f}, "", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Lines st(1, 1);
        st->TT(TT_COMMENT_KEY) = 1;  // the pause after the fire waits for a key that never comes
        st->A(0, 22, A_DURABILITY) = c.shooter;
        st->A(1, 16, A_DECK) = c.deck;
        st->A(1, 16, A_BELT) = c.belt;
        std::vector<float> draws = c.dice;
        draws.insert(draws.end(), {0.01f, 0.01f});  // the Allied shot misses
        con::random_generator().script(draws);
        EXPECT_THROW(st.fight(c.distance), con::ProgramEnd);
        const auto& s = st.console.screen();
        if (*c.marker) {
            EXPECT_TRUE(testing_support::shows(s, 62, 2, c.marker));
            EXPECT_EQ(testing_support::colour_of(s, 62, 2), c.marker_colour);
        } else {
            EXPECT_EQ(text_at(s, 62, 2, 4), "    ");
        }
        EXPECT_EQ(st->DM(1, 1), c.damage);
        EXPECT_EQ(text_at(s, 22, 2, 4), "    ");  // the Allied shot missed
    }
}

// The damage counts after both lines have fired, stops at 0, and shows on the status board.
TEST(GunBattle, DamageAndStatusBoard) {
    Lines st(1, 1);
    st->A(1, 16, A_DURABILITY) = 2;
    // Both hit on the deck and penetrate for 5: the Allied ship, sunk, has fired all the same.
    con::random_generator().script({.99f, .99f, .34f, .5f, .99f, .99f, .99f, .99f, .34f, .5f, .99f, .99f});
    st.fight(100);
    EXPECT_EQ(st->A(1, 16, A_DURABILITY), 0);
    EXPECT_EQ(st->A(0, 22, A_DURABILITY), 1);
    const auto& s = st.console.screen();
    EXPECT_TRUE(shows(s, 22, 1, "耐久力　射程 速力", 6));
    EXPECT_TRUE(shows(s, 22, 2, " 1 / 6   14  8", 6));
    EXPECT_TRUE(shows(s, 44, 2, st->MM(1, 16), 2));
    EXPECT_TRUE(shows(s, 62, 2, " 0 / 6   14  8", 2));
}

// The player's order: after a key, "+" raises MV(4) by 2 even beyond 10 once (9 -> 11), a
// further "+" changes nothing, "++" is refused, "-" lowers it again.
TEST(GunBattle, PlayersOrder) {
    Lines st(1, 1, "x++{ENTER}+{ENTER}" "x+{ENTER}" "x-{ENTER}");
    st->TT(TT_OWN_ORDERS) = 1;
    st->MV(MV_OWN) = 9;
    const float after[] = {11, 11, 9};
    for (float rate : after) {
        con::random_generator().script({.01f, .01f, .01f, .01f});
        st.fight(140);
        EXPECT_EQ(st->MV(MV_OWN), rate);
    }
    EXPECT_TRUE(shows(st.console.screen(), 8, 22, "速度  110  % ( 8 )", 6));
}

// The lines' move: c = INT((S(0) x MV(4) + S(1) x MV(5)) / 10) off the distance, through 0 and
// out beyond it; with a line gone (outside the battleship battle) nothing is shown.
TEST(GunBattle, TheLinesMove) {
    struct Case {
        float distance, rate, after;
    } cases[] = {{30, 10, 13}, {10, 10, 7}, {30, -10, 47}};
    for (const auto& c : cases) {
        Lines st(1, 1);
        st->A(1, 16, A_DURABILITY) = 0;
        st->A(0, 22, A_SPEED) = 10;
        st->MV(MV_OWN) = c.rate;
        st->MV(MV_ALLIED) = c.rate;
        st.fight(c.distance);  // speeds 10 and 7 (the empty Allied line)
        EXPECT_EQ(st->TT(TT_FLEET_DISTANCE), c.after);
        EXPECT_EQ(row_of(st.console.screen(), 1), "");
    }
}

// The battleship-only battle ends in the gun sub-turn in which a line has no battleship afloat:
// the last board over the screen, then the closing words, and the program idles.
TEST(GunBattle, BattleshipBattleEnds) {
    Lines st(1, 1);
    st->SCENARIO_NO = 7;
    st->TT(TT_SCENARIO) = 7;
    st->TT(TT_OWN_ORDERS) = 1;  // no question is asked at the end
    st->FLEET_NO = 1;
    st->FLEET_DISTANCE = 150;
    st->A(1, 16, A_DURABILITY) = 0;
    EXPECT_THROW(GUN_BATTLE(*st), con::ProgramEnd);
    const auto& s = st.console.screen();
    EXPECT_TRUE(shows(s, 28, 23, "WINDOW を閉じてください", 4));
    EXPECT_TRUE(shows(s, 22, 1, "耐久力　射程 速力", 6));
    EXPECT_EQ(st->GUN_SUBTURN_NO, 1);
}
