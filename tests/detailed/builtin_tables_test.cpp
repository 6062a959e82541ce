// The built-in tables as MENU loads them: the item count, worked values and the rules the
// stored data keeps.
#include <gtest/gtest.h>

#include "tests/detailed/detailed_support.h"

using detailed_test::Loaded;
using namespace morva95f;

TEST(BuiltInTables, MenuReadsExactly1034ItemsAndTheWordsRecordFollows) {
    Loaded st;
    // MENU's reads end right before the record of eight words that nothing reads.
    ASSERT_EQ(st->DATA.remaining(), 8u);
    EXPECT_EQ(st->DATA.read_text(), "連合軍");
    st->DATA.restore_data("BuiltInTables");
    EXPECT_EQ(st->DATA.remaining(), 1034u + 8u);
}

TEST(BuiltInTables, WorkedValues) {
    Loaded st;
    struct Case {
        const char* name;
        float actual, expected;
    } cases[] = {
        {"A(0,9,1) durability of the carrier 赤城", st->A(0, 9, A_FULL_DURABILITY), 6},
        {"A(0,9,3) its standard fighters", st->A(0, 9, A_FIGHTERS), 21},
        {"A(0,9,18) its loaded fighters", st->A(0, 9, A_LOADED_FIGHTERS), 21},
        {"A(1,14,4) INDOMITABLE has no dive bombers", st->A(1, 14, A_DIVE_BOMBERS), 0},
        {"A(0,34,0) Japanese row 34 is empty", st->A(0, 34, A_DURABILITY), 0},
        {"P(21,2) strength of base 21", st->P(21, P_STRENGTH), 30},
        {"P(8,1) base 8 is British", st->P(8, P_HOLDER), 2},
        {"Z(7,1) heavy bomber resistance", st->Z(7, Z_RESISTANCE), 9},
        {"V(3,0) torpedo-bomber reserve", st->V(3, V_RESERVE), 225},
        {"A(1,42,8) RESOLUTION serves from turn 3", st->A(1, 42, A_FIRST_TURN), 3},
        {"P(21,7) Allied submarines at base 21", st->P(21, P_ALLIED_SUBMARINES), 4},
        {"Z(10,4) last aircraft value", st->Z(10, Z_COLUMN_4), 9},
    };
    for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected) << c.name;
    EXPECT_EQ(st->MX(0, 34), "");
    EXPECT_EQ(st->NX(7), "Ｂ１７");
    EXPECT_EQ(st->MX(0, 33), "霧島");
    EXPECT_EQ(st->MX(1, 42), "RESOLUTION");
    EXPECT_EQ(st->TX(21), "カリフォルニア");
}

TEST(BuiltInTables, StoredDataKeepsItsRules) {
    Loaded st;
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= (side == 0 ? 33 : 42); ++ship) {
            EXPECT_EQ(st->A(side, ship, A_DURABILITY), st->A(side, ship, A_FULL_DURABILITY))
                << "every ship starts undamaged";
            const bool carrier = ship <= (side == 0 ? 21 : 15);
            if (carrier) {
                EXPECT_EQ(st->A(side, ship, A_CAPACITY), st->A(side, ship, A_FIGHTERS) +
                                                             st->A(side, ship, A_DIVE_BOMBERS) +
                                                             st->A(side, ship, A_TORPEDO_BOMBERS))
                    << "capacity of carrier " << side << "," << ship;
            }
            const bool loaded = side == 0 && carrier;
            for (int a = A_LOADED_FIGHTERS; a <= A_LOADED_TORPEDO_BOMBERS; ++a)
                EXPECT_EQ(st->A(side, ship, a), loaded ? st->A(side, ship, a - A_LOADED_FIGHTERS + A_FIGHTERS) : 0.0f)
                    << side << "," << ship;
        }
    for (int b = 1; b <= 21; ++b) {
        const float holder = b <= 5 ? 0.0f : (b == 8 || b == 20 ? 2.0f : 1.0f);
        EXPECT_EQ(st->P(b, P_HOLDER), holder) << "base " << b;
    }
}

TEST(BuiltInTables, SecondMenuCallChangesNothing) {
    Loaded st;
    st->A(0, 9, A_DURABILITY) = 2;
    st->V(1, V_RESERVE) = 7;
    morva95f::MENU(*st);
    EXPECT_EQ(st->A(0, 9, A_DURABILITY), 2);
    EXPECT_EQ(st->V(1, V_RESERVE), 7);
}
