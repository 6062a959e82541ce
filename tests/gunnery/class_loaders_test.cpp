// Loading a navy's stored class data, and the real-class tables of the scenario set-up.
#include <gtest/gtest.h>

#include "tests/gunnery/gunnery_harness.h"

using kelmat::F_BELT;
using kelmat::F_BUILD_STATE;
using kelmat::F_DECK;
using kelmat::F_DISPLACEMENT;
using kelmat::F_GUN_TYPE;
using kelmat::F_YEAR;
using kelmat::K_BELT;
using kelmat::K_DISPLACEMENT;
using kelmat::Kelmat;
using kelmat::L_ARMOUR_ZONE;
using kelmat::L_TURRETS;
using kelmat::W_QUAD_WEIGHT;
using kelmat::W_RANGE;
using kelmat::W_TWIN_WEIGHT;

namespace {

TEST(ClassLoaders, NavyOneRecordsAndEstimates) {
    Kelmat s;
    s.BLUE_NAVY = 1;
    kelmat::LOAD_CLASS_RECORDS(s);
    EXPECT_EQ(s.NM(1), "改大和(2)");
    EXPECT_EQ(s.NM(2), "大和(2+2)");
    EXPECT_EQ(s.DS(2), "3X3  (8)");
    EXPECT_EQ(s.F(1, 2, F_DISPLACEMENT), 64000);
    EXPECT_EQ(s.F(1, 2, F_BUILD_STATE), 1);
    EXPECT_EQ(s.F(1, 2, F_YEAR), 1941);
    EXPECT_EQ(s.F(1, 8, F_DECK), 144);
    for (int c = 16; c <= 22; ++c) {
        EXPECT_EQ(s.F(1, c, F_BUILD_STATE), 2) << "class " << c;
        EXPECT_EQ(s.F(1, c, F_YEAR), 0) << "class " << c;
    }
    EXPECT_EQ(s.F(1, 16, F_BELT), 950);
    EXPECT_EQ(s.ESTIMATE_FLAGS(F_BELT, 16), 1);
    EXPECT_EQ(s.ESTIMATE_FLAGS(F_BELT, 2), 0);
}

TEST(ClassLoaders, UnknownYearsAreZeroAndMarked) {
    Kelmat s;
    s.BLUE_NAVY = 2;
    kelmat::LOAD_CLASS_VALUES(s);
    for (int c = 18; c <= 22; ++c) {
        EXPECT_EQ(s.F(2, c, F_YEAR), 0) << "class " << c;
        EXPECT_EQ(s.ESTIMATE_FLAGS(F_YEAR, c), 1) << "class " << c;
    }
    EXPECT_EQ(s.F(2, 20, F_DISPLACEMENT), 90000);
    EXPECT_EQ(s.ESTIMATE_FLAGS(F_DISPLACEMENT, 20), 1);
}

TEST(ClassLoaders, NavyFiveLayoutTextsAcrossFourRecords) {
    Kelmat s;
    s.BLUE_NAVY = 5;
    kelmat::LOAD_CLASS_RECORDS(s);
    EXPECT_EQ(s.DS(11), "3X3+2X2 ");
    EXPECT_EQ(s.DS(20), "3X3  (8)");
    EXPECT_EQ(s.NM(8), "VITTORIOVENETO(3+1)");
    EXPECT_EQ(s.NM(16), "GANGUT(4)");
    EXPECT_EQ(s.F(5, 11, F_GUN_TYPE), 7) << "as-built gun of ANDREADORIA";
}

TEST(ClassLoaders, NavyThreeBuildStates) {
    Kelmat s;
    s.BLUE_NAVY = 3;
    kelmat::LOAD_CLASS_VALUES(s);
    for (int c = 1; c <= 22; ++c) {
        const bool unbuilt = c == 2 || c == 5 || c == 6 || c == 7;
        EXPECT_EQ(s.F(3, c, F_BUILD_STATE), unbuilt ? 0 : 1) << "class " << c;
    }
    EXPECT_EQ(s.F(3, 22, F_YEAR), 1906);
    EXPECT_EQ(s.F(3, 2, F_DISPLACEMENT), 40000);
}

TEST(ClassLoaders, ValuesAloneLeaveNamesLayoutsAndGuns) {
    Kelmat s;
    s.BLUE_NAVY = 4;
    kelmat::LOAD_CLASS_RECORDS(s);
    const std::string name = s.NM(3), layout = s.DS(3);
    const float gun = s.F(4, 3, F_GUN_TYPE);
    s.BLUE_NAVY = 1;
    kelmat::LOAD_CLASS_VALUES(s);
    EXPECT_EQ(s.NM(3), name);
    EXPECT_EQ(s.DS(3), layout);
    EXPECT_EQ(s.F(4, 3, F_GUN_TYPE), gun);
    EXPECT_EQ(s.F(1, 2, F_DISPLACEMENT), 64000) << "navy 1 loaded beside navy 4";
    EXPECT_EQ(s.F(4, 3, F_BELT), 420);
}

TEST(RealClassTables, DesignNumbersAndShipNames) {
    Kelmat s;
    kelmat::LOAD_REAL_CLASS_TABLES(s);
    EXPECT_GT(s.K(1, 1, K_DISPLACEMENT), 0);
    // Telling rows: final state, then as built (no belt).
    const float nagato[] = {2, 391, 21, 4, 30, 17, 25};
    const float nagato_built[] = {1, 338, 21, 4, 0, 13, 27};
    const float ise_built[] = {1, 312, 13, 14, 0, 7, 23};
    const float dreadnought[] = {4, 186, 7, 11, 25, 9, 21};
    const float andreadoria_built[] = {1, 233, 7, 21, 0, 9, 21};
    const float fictional_us[] = {4, 865, 27, 2, 58, 35, 33};
    for (int f = 0; f <= 6; ++f) {
        EXPECT_EQ(s.K(1, 8, f), nagato[f]) << f;
        EXPECT_EQ(s.K(6, 8, f), nagato_built[f]) << f;
        EXPECT_EQ(s.K(6, 9, f), ise_built[f]) << f;
        EXPECT_EQ(s.K(3, 22, f), dreadnought[f]) << f;
        EXPECT_EQ(s.K(10, 11, f), andreadoria_built[f]) << f;
        EXPECT_EQ(s.K(2, 21, f), fictional_us[f]) << f;
    }
    for (int r = 6; r <= 10; ++r)
        for (int c = 1; c <= 22; ++c) EXPECT_EQ(s.K(r, c, K_BELT), 0);
    // The first name record of navy 4 holds its first two classes.
    const char* type_h[] = {"Ｈ", "Ｊ", "Ｋ", "Ｌ", "Ｍ", "Ｎ"};
    for (int m = 1; m <= 6; ++m) EXPECT_EQ(s.N(4, 1, m), type_h[m - 1]);
    EXPECT_EQ(s.N(4, 2, 1), "Ｏ");
    EXPECT_EQ(s.N(4, 2, 3), "Ｑ");
    EXPECT_EQ(s.N(1, 8, 2), "陸奥");
    EXPECT_EQ(s.N(5, 16, 4), "SEVASTOPOL");
    EXPECT_EQ(s.N(3, 22, 4), "TEMERAIRE");
}

TEST(StartUp, LayoutsGunsAndNames) {
    Kelmat s;
    kelmat_test::start_up(s);
    // Column 7 of layout i is the i-th value after the 22 layout records.
    const float column7[] = {4, 6, 4, 8, 7, 5, 5, 6, 6, 10, 9, 8, 7, 12, 10, 9, 8, 8, 8, 9, 14, 10};
    for (int i = 1; i <= 22; ++i) EXPECT_EQ(s.L(i, L_ARMOUR_ZONE), column7[i - 1]) << "layout " << i;
    EXPECT_EQ(s.L(9, L_TURRETS), 3);
    EXPECT_EQ(s.L(9, 3), 35) << "layout 9's third turret stands amidships";
    EXPECT_EQ(s.L(16, 2), 26);
    EXPECT_EQ(s.L(1, 3), 0);
    EXPECT_EQ(s.W(W_TWIN_WEIGHT, 1), 400);
    EXPECT_EQ(s.W(W_QUAD_WEIGHT, 35), 28600);
    EXPECT_EQ(s.W(W_RANGE, 23), 42);
    EXPECT_EQ(s.W(6, 36), 63);
    EXPECT_EQ(s.BLUE_COUNT, 63) << "every number passes through BLUE_COUNT";
    EXPECT_EQ(s.G(23), "18/45");
    EXPECT_EQ(s.G(24), "17/50");
    EXPECT_EQ(s.G(8), "12/50旧式");
    EXPECT_EQ(s.G(0), "");
    EXPECT_FLOAT_EQ(s.GG(2), 0.9f);
    EXPECT_EQ(s.GG(1), 0);
    EXPECT_EQ(s.H(1), 6);
    EXPECT_EQ(s.P(7), 1.1f);
    EXPECT_EQ(s.BELT_WEIGHT_CONST, 18);
    EXPECT_EQ(s.DECK_WEIGHT_CONST, 63);
}

}  // namespace
