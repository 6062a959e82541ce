// What the designer stores for a group of ships: the main-battery weight, the belt and deck
// with the era's armour quality, the displacement and its ratio, the names, and the path of a
// real class taken unchanged.
#include <gtest/gtest.h>

#include "tests/gunnery/gunnery_harness.h"

using kelmat::A_DISPLACEMENT;
using kelmat::A_RATIO;
using kelmat::K_AS_BUILT_ROWS;
using kelmat::K_DISPLACEMENT;
using kelmat::Kelmat;
using kelmat::Z_BATTERY_WEIGHT;

namespace {

using kelmat_test::started;

TEST(MainBatteryWeight, LayoutsOfGunTypeOne) {
    auto s = started();
    auto weight = [&](float layout) {
        s->TT(kelmat::TT_LAYOUT_GUN) = 1;
        s->TT(kelmat::TT_LAYOUT) = layout;
        kelmat::CALC3(*s);
        return s->Z(Z_BATTERY_WEIGHT);
    };
    const float expected[][2] = {{1, 800},  {3, 1100},  {6, 1500},  {12, 1900}, {13, 1900},
                                 {20, 2300}, {21, 2450}, {22, 3000}, {1.5f, 1200}, {22.4f, 3000},
                                 {0.4f, 800}, {23, 800}};
    for (const auto& e : expected) EXPECT_EQ(weight(e[0]), e[1]) << "layout " << e[0];
    const int same[][2] = {{4, 5}, {6, 7}, {8, 9}, {10, 11}, {14, 15}, {15, 16}, {17, 18}};
    for (const auto& p : same) EXPECT_EQ(weight(static_cast<float>(p[0])), weight(static_cast<float>(p[1])));
    EXPECT_EQ(weight(23), 800);
    EXPECT_EQ(s->TT(kelmat::TT_LAYOUT_GUN), 1) << "the slots stay as the caller set them";
    EXPECT_EQ(s->TT(kelmat::TT_LAYOUT), 23);
    EXPECT_EQ(s->Z(1), 0);
}

struct ArmourCase {
    const char* name;
    float era;
    float belt_mm;
    float slope_factor;  // 10 plain, 10.3 sloped in era 4, 10.6 sloped from era 5
    float deck_mm;
    float belt;
    float deck;
};

TEST(ArmourStores, EraQualityAndSlope) {
    const ArmourCase cases[] = {
        {"era 3, never sloped", 3, 300, 10, 200, 270, 180},
        {"era 5 sloped", 5, 410, 10.6f, 200, 435, 200},
        {"era 5 plain", 5, 410, 10, 200, 410, 200},
        {"era 4 sloped", 4, 410, 10.3f, 200, 401, 190},
        {"era 4 sloped, 1000 mm: 978, not 979", 4, 1000, 10.3f, 200, 978, 190},
        {"era 7 sloped", 7, 1000, 10.6f, 800, 1166, 880},
        {"era 7 plain", 7, 1000, 10, 800, 1100, 880},
        {"era 1", 1, 50, 10, 20, 43, 17},
    };
    auto s = started();
    for (const auto& c : cases) {
        s->SIDE_NO = 0;
        s->SHIP_NO = 2;
        s->SISTER_COUNT = 1;
        s->DESIGN_ERA = c.era;
        s->SLOPED_ARMOUR = c.slope_factor == 10 ? 0.0f : 1.0f;
        s->STORED_BELT = con::store(con::L(c.belt_mm) * con::L(c.slope_factor));
        kelmat::STORE_BELT(*s);
        s->STORED_DECK = c.deck_mm;
        kelmat::STORE_DECK(*s);
        for (int ship : {2, 3}) {
            EXPECT_EQ(s->A(0, ship, kelmat::A_BELT), c.belt) << c.name;
            EXPECT_EQ(s->A(0, ship, kelmat::A_DECK), c.deck) << c.name;
            EXPECT_EQ(s->A(0, ship, kelmat::A_SLOPED), s->SLOPED_ARMOUR) << c.name;
        }
        EXPECT_EQ(s->A(0, 1, kelmat::A_BELT), 0) << "outside the group";
        EXPECT_EQ(s->A(0, 4, kelmat::A_BELT), 0) << "outside the group";
    }
}

struct RealClassCase {
    const char* name;
    float class_no;
    float as_built;
    float expected[8];  // fields 0, 1, 4, 5, 6, 7, 8, 16
    const char* first_name;
};

TEST(RealClassPath, ValuesFromTheDesignNumbersWithTheEraFactors) {
    const RealClassCase cases[] = {
        {"Yamato, era 5", 2, 0, {640, 23, 8, 1, 440, 240, 27, 100}, "大和"},
        {"Kaga, era 4: belt 275, not 276", 7, 0, {399, 21, 10, 1, 275, 152, 27, 100}, "加賀"},
        {"Nagato as built", 8, 1, {338, 21, 4, 0, 285, 123, 27, 100}, "長門"},
        {"Nagato refitted", 8, 0, {391, 21, 4, 0, 285, 161, 25, 100}, "長門"},
        {"Ise as built (1917, era 3): the older gun", 9, 1, {312, 13, 14, 0, 270, 63, 23, 100}, "伊勢"},
    };
    auto s = started();
    testing_support::ScopedConsole console;
    kelmat::LOAD_REAL_CLASS_TABLES(*s);
    s->BLUE_NAVY = 1;
    kelmat::LOAD_CLASS_VALUES(*s);
    for (const auto& c : cases) {
        s->SIDE_NO = 0;
        s->BLUE_COUNT = 5;
        s->SHIP_NO = 1;
        s->SISTER_COUNT = 1;
        s->SHIP_SOURCE = 0;
        s->CLASS_NAVY = 1;
        s->CLASS_NO = c.class_no;
        s->LOOP_I = c.class_no;
        kelmat::CLASS_ERA(*s);
        s->DESIGN_ERA = s->CLASS_ERA_NO;
        s->SHIP_IS_AS_BUILT = c.as_built;
        s->DESIGN_DISPLACEMENT = s->K(c.as_built * K_AS_BUILT_ROWS + 1, c.class_no, K_DISPLACEMENT);
        EXPECT_EQ(kelmat::STORE_DISPLACEMENT(*s), kelmat::Block::ShipEntryEnd);
        for (int ship : {1, 2})
            for (int i = 0; i < 8; ++i)
                EXPECT_EQ(s->A(0, ship, kelmat::kScenarioFields[i]), c.expected[i])
                    << c.name << ", ship " << ship << ", field " << kelmat::kScenarioFields[i];
        EXPECT_EQ(s->M(0, 1), c.first_name) << c.name;
        EXPECT_EQ(s->MAIN_BATTERY_WEIGHT, s->Z(Z_BATTERY_WEIGHT));
    }
    // Yamato's three triple 18-inch turrets.
    s->TT(kelmat::TT_LAYOUT_GUN) = 23;
    s->TT(kelmat::TT_LAYOUT) = 8;
    kelmat::CALC3(*s);
    EXPECT_EQ(s->Z(Z_BATTERY_WEIGHT), 3 * 5350);
}

TEST(RealClassPath, SlopedBeltClasses) {
    const int sloped[][2] = {{1, 1}, {1, 7}, {1, 15}, {1, 16}, {1, 17}, {2, 1}, {2, 5}, {2, 7},
                             {3, 1}, {3, 2}, {3, 4}, {3, 8}, {4, 17}};
    const int plain[][2] = {{1, 8}, {1, 14}, {1, 18}, {2, 6}, {2, 8}, {3, 3}, {3, 22}, {4, 16}, {5, 1}, {5, 17}};
    for (const auto& c : sloped) EXPECT_TRUE(kelmat::class_has_sloped_belt(c[0], c[1])) << c[0] << "," << c[1];
    for (const auto& c : plain) EXPECT_FALSE(kelmat::class_has_sloped_belt(c[0], c[1])) << c[0] << "," << c[1];
}

TEST(StoringStep, DisplacementAndRatio) {
    auto s = started();
    s->SIDE_NO = 1;
    s->SHIP_NO = 3;
    s->SISTER_COUNT = 2;
    s->PROPER_DISPLACEMENT = 60000;
    ASSERT_TRUE(kelmat::store_proper_displacement(*s));
    for (int ship = 3; ship <= 5; ++ship) {
        EXPECT_EQ(s->A(1, ship, A_DISPLACEMENT), 600);
        EXPECT_EQ(s->A(1, ship, A_RATIO), 100);
    }
    const float planned[][3] = {{450, 60000, 75}, {450, 41100, 109}};
    for (const auto& p : planned) {
        s->A(1, 3, A_DISPLACEMENT) = p[0];
        s->PROPER_DISPLACEMENT = p[1];
        kelmat::store_planned_displacement(*s);
        for (int ship = 3; ship <= 5; ++ship) {
            EXPECT_EQ(s->A(1, ship, A_DISPLACEMENT), p[0]);
            EXPECT_EQ(s->A(1, ship, A_RATIO), p[2]) << "proper " << p[1];
        }
    }
    s->PROPER_DISPLACEMENT = 999900;
    ASSERT_TRUE(kelmat::store_proper_displacement(*s));
    EXPECT_EQ(s->A(1, 5, A_DISPLACEMENT), 9999);
    s->PROPER_DISPLACEMENT = 1000000;
    EXPECT_FALSE(kelmat::store_proper_displacement(*s));
    EXPECT_EQ(s->A(1, 5, A_DISPLACEMENT), 9999) << "nothing stored";
}

TEST(StoringStep, NamesOfRealClassesOnly) {
    auto s = started();
    kelmat::LOAD_REAL_CLASS_TABLES(*s);
    s->SIDE_NO = 0;
    s->BLUE_NAVY = 3;
    s->BLUE_COUNT = 10;
    s->CLASS_NO = 10;
    s->SHIP_SOURCE = 1;
    // The same class twice: both groups are named from the class's first name.
    for (float first : {1.0f, 4.0f}) {
        s->SHIP_NO = first;
        s->SISTER_COUNT = 2;
        kelmat::store_group_names(*s);
    }
    const char* expected[] = {"", "REVENGE", "RAMILIES", "RESOLUTION", "REVENGE", "RAMILIES", "RESOLUTION"};
    for (int ship = 1; ship <= 6; ++ship) EXPECT_EQ(s->M(0, ship), expected[ship]);
    // Own designs and every ship of a side of 24 or more get an empty name, not a stale one.
    s->SHIP_SOURCE = 2;
    s->SHIP_NO = 1;
    s->SISTER_COUNT = 0;
    kelmat::store_group_names(*s);
    EXPECT_EQ(s->M(0, 1), "");
    s->SHIP_SOURCE = 0;
    s->BLUE_COUNT = 24;
    s->SHIP_NO = 4;
    kelmat::store_group_names(*s);
    EXPECT_EQ(s->M(0, 4), "");
    EXPECT_EQ(s->M(0, 5), "RAMILIES");
}

TEST(StoringStep, EndOfGroupGoesToTheNextShipOrSide) {
    struct Case {
        float side, blue, red, ship, sisters;
        kelmat::Block next;
    } cases[] = {
        {0, 3, 5, 1, 0, kelmat::Block::ShipLoopNext},
        {0, 3, 5, 1, 2, kelmat::Block::SideLoopNext},
        {1, 3, 5, 3, 1, kelmat::Block::ShipLoopNext},
        {1, 3, 5, 5, 0, kelmat::Block::SideLoopNext},
        {0, 6, 1, 4, 2, kelmat::Block::SideLoopNext},
    };
    Kelmat s;
    for (const auto& c : cases) {
        s.SIDE_NO = c.side;
        s.BLUE_COUNT = c.blue;
        s.RED_COUNT = c.red;
        s.SHIP_NO = c.ship;
        s.SISTER_COUNT = c.sisters;
        EXPECT_EQ(kelmat::SHIP_ENTRY_END(s), c.next);
        EXPECT_EQ(s.SHIP_NO, c.ship + c.sisters);
    }
}

}  // namespace
