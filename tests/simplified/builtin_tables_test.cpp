// The built-in tables MENU reads: the read order, the values and the restore points.
#include <gtest/gtest.h>

#include "tests/simplified/simplified_support.h"

using namespace simplified_test;

TEST(BuiltInTables, WhatMenuReads) {
    Loaded st;
    for (int i = 34; i <= 42; ++i) EXPECT_EQ(st->A(0, i, 0), 0) << i;
    for (int s = 0; s <= 1; ++s)
        for (int i = 1; i <= (s == 0 ? 33 : 42); ++i) EXPECT_EQ(st->A(s, i, 0), st->A(s, i, 1)) << s << "," << i;
    EXPECT_EQ(st->V(1, 0), 20);
    EXPECT_EQ(st->V(3, 0), 25);
    EXPECT_EQ(st->Z(4, 1), 7) << "column by column: the defence of type 4";
    EXPECT_EQ(st->Z(7, 4), 16);
    EXPECT_EQ(st->NN(8), "HURRICANE");
    EXPECT_EQ(st->MM(0, 22), "大和");
    EXPECT_EQ(st->MM(1, 41), "ROYALSOUBLIN");
    EXPECT_EQ(st->MM(1, 40), "RAMIRES");
    EXPECT_EQ(st->MM(1, 12), "BELLEAUWOOD");
    EXPECT_EQ(st->TX(17), "フィジー・サモア");
    EXPECT_EQ(st->A(1, 14, 9), 5);
    EXPECT_EQ(st->A(0, 1, 8), 13);
    EXPECT_EQ(st->P(8, 1), 2);
    EXPECT_EQ(st->P(21, 2), 30);
    EXPECT_EQ(st->P(6, 3), 7);
    EXPECT_EQ(st->P(13, 4), 2);
    EXPECT_EQ(st->CC(0, 1, 2), 72);
    EXPECT_EQ(st->CC(1, 15, 5), 30);
    EXPECT_EQ(st->CC(1, 42, 5), 7);
    EXPECT_EQ(st->DATA.remaining(), 0u) << "the detailed-mode values are the last records";
    // Every call reads afresh: a changed cell gets its stored value back.
    st->V(1, 0) = 99;
    st->A(1, 1, 0) = 0;
    morva95s::MENU(*st);
    EXPECT_EQ(st->V(1, 0), 20);
    EXPECT_EQ(st->A(1, 1, 0), 6);
}
