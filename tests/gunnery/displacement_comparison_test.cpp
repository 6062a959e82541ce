// The ship data viewer's comparison modes: layout recognition, the machinery of the stored
// classes, the recomputed displacement with its stops, the comparison columns and their
// colours, and the stored classes through the real loaders and the viewer's own pass.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gunnery/ship_data_viewer.h"
#include "tests/gunnery/gunnery_harness.h"

using kelmat::ComparedClass;
using kelmat::Kelmat;

namespace {

using kelmat_test::started;

TEST(LayoutRecognition, EveryTextAgreesWithTheLayoutTableAndItsWeight) {
    struct Case {
        const char* text;
        float index, turrets;
    } cases[] = {
        {"2X2", 1, 2},  {"2X3", 2, 3},  {"3X2", 3, 2},      {"2X4", 4, 4},      {"4X2", 6, 2},
        {"3X3", 8, 3},  {"2X5", 10, 5}, {"3X2+2X2", 12, 4}, {"4X2+2", 13, 3},   {"2X6", 14, 6},
        {"3X4", 17, 4}, {"4X3", 19, 3}, {"4X2+2X2", 20, 4}, {"3X3+2X2", 21, 5}, {"4X4", 22, 4},
    };
    auto s = started();
    for (const auto& c : cases) {
        const auto layout = kelmat::recognise_layout(c.text);
        ASSERT_TRUE(layout) << c.text;
        EXPECT_EQ(layout->index, c.index) << c.text;
        EXPECT_EQ(layout->turrets, c.turrets) << c.text;
        EXPECT_EQ(s->L(layout->index, kelmat::L_TURRETS), c.turrets) << c.text;
        EXPECT_EQ(kelmat_test::layout_groups(*s, layout->index), c.text);
    }
    for (const char* other : {"2x4", "2X4 ", "2X4?", "", "3X3+2X", "2X4>2X3", "(21)"})
        EXPECT_FALSE(kelmat::recognise_layout(other)) << '"' << other << '"';
}

TEST(LayoutRecognition, ShortTextsAndMainBatteryWeights) {
    struct Case {
        const char* name;
        float navy, c;
        const char* stored;
        float gun, index, turrets, weight;
    } cases[] = {
        {"four twin 16/50", 1, 1, "2X4  (4)", 21, 4, 4, 10400},
        {"three triple 18/45", 1, 1, "3X3  (8)", 23, 8, 3, 16050},
        {"a layout that only places the turrets elsewhere", 1, 1, "2X4  (5)", 21, 4, 4, 10400},
        {"navy 5 class 11 as built", 5, 11, "(21)->(12)", 7, 21, 5, 7750},
        {"navy 2 class 20, an estimate", 2, 20, "2X4? (4)", 21, 4, 4, 10400},
        {"navy 2 class 21, a refit", 2, 21, "2X4>2X3", 21, 4, 4, 10400},
    };
    auto s = started();
    for (const auto& c : cases) {
        const std::string text = kelmat::short_layout_text(c.navy, c.c, c.stored);
        const auto layout = kelmat::recognise_layout(text);
        ASSERT_TRUE(layout) << c.name;
        EXPECT_EQ(layout->index, c.index) << c.name;
        EXPECT_EQ(layout->turrets, c.turrets) << c.name;
        s->TT(kelmat::TT_LAYOUT_GUN) = c.gun;
        s->TT(kelmat::TT_LAYOUT) = layout->index;
        kelmat::CALC3(*s);
        EXPECT_EQ(s->Z(kelmat::Z_BATTERY_WEIGHT), c.weight) << c.name;
    }
}

TEST(LayoutRecognition, AnUnrecognisedTextKeepsItsFieldsAndWeighsAsTwoTwins) {
    auto s = started();
    kelmat::load_class_records(*s, 1);
    s->DS(1) = "2x4";
    s->LOOP_I = 1;
    const ComparedClass c = kelmat::prepare_compared_class(*s, 1);
    EXPECT_EQ(s->F(1, 1, kelmat::F_LAYOUT), 0);
    EXPECT_EQ(c.turrets, 0);
    EXPECT_EQ(s->Z(kelmat::Z_BATTERY_WEIGHT), 2 * s->W(kelmat::W_TWIN_WEIGHT, s->F(1, 1, kelmat::F_GUN_TYPE)));
    // No turrets weigh no armour: GG(0) is 0.
    const kelmat::Comparison r = kelmat::compare_displacement(*s, c, 1);
    EXPECT_EQ(r.armour, 0);
    EXPECT_TRUE(r.computed);
}

TEST(StoredClassMachinery, SevenClassesByTheirPlace) {
    auto s = started();
    for (int n = 1; n <= 5; ++n)
        for (int c = 1; c <= 22; ++c) {
            const auto f = kelmat::class_machinery_factor(static_cast<float>(n), static_cast<float>(c));
            float expected = 0;
            if (n == 1 && c >= 16 && c <= 18) expected = 0.7f;
            if ((n == 2 && c >= 21) || (n == 4 && (c == 1 || c == 22))) expected = 0.95f;
            if (n == 4 && c == 5) expected = 0.9f;
            EXPECT_EQ(f.value_or(0), expected) << n << "," << c;
        }
}

TEST(ClassEra, YearsAtTheEraBounds) {
    struct Case {
        const char* name;
        float navy, state, year, era;
    } cases[] = {
        {"completed 1920", 1, 1, 1920, 4},           {"designed 1916, never completed", 1, 0, 1916, 4},
        {"completed 1916", 1, 1, 1916, 3},           {"completed 1912 in navy 2", 2, 1, 1912, 3},
        {"completed 1912 in navy 3", 3, 1, 1912, 2}, {"completed 1943", 4, 1, 1943, 6},
        {"completed 1905", 4, 1, 1905, 1},           {"fictional", 5, 2, 0, 7},
    };
    auto s = started();
    for (const auto& c : cases) {
        s->F(c.navy, 3, kelmat::F_BUILD_STATE) = c.state;
        s->F(c.navy, 3, kelmat::F_YEAR) = c.year;
        s->CLASS_NAVY = c.navy;
        s->LOOP_I = 3;
        kelmat::CLASS_ERA(*s);
        EXPECT_EQ(s->CLASS_ERA_NO, c.era) << c.name;
    }
}

// DEUTSCHLAND (navy 4, class 5) as stored: 28 kt, 60 and 45 mm, 11700 t, two turrets of
// 3500 t, era 5, diesel.
ComparedClass deutschland() { return {4, 5, 60, 45, 28, 11700, 2, 5, 3500}; }

TEST(DisplacementComparison, DieselClassInTheThreeModes) {
    struct Case {
        int mode;
        std::vector<float> steps;
        const char* column64;
        const char* column72;
        int colour72;
    } cases[] = {
        {1, {81}, "   8100", "-3600 ", 3},
        {2, {81, 71, 68, 67, 67}, "   6700", " 57 ", 3},
        {3, {81}, "   8100", "29 13 25", 7},
    };
    auto s = started();
    for (const auto& c : cases) {
        const kelmat::Comparison r = kelmat::compare_displacement(*s, deutschland(), c.mode);
        EXPECT_EQ(r.machinery, 6604) << "floor(7338.24 x 0.9)";
        EXPECT_EQ(r.speed_term, 101) << "floor(2 x 0.9) + 100";
        EXPECT_NEAR(r.armour, 3558.73f, 0.01f);
        EXPECT_EQ(r.steps, c.steps) << "mode " << c.mode;
        EXPECT_EQ(r.columns.column64, c.column64) << "mode " << c.mode;
        EXPECT_EQ(r.columns.colour64, 7);
        EXPECT_EQ(r.columns.column72, c.column72) << "mode " << c.mode;
        EXPECT_EQ(r.columns.colour72, c.colour72) << "mode " << c.mode;
    }
    const kelmat::Comparison one = kelmat::compare_displacement(*s, deutschland(), 3);
    EXPECT_NEAR(one.size_factor, 0.45623f, 1e-5f);
    EXPECT_EQ(one.columns.gun_share, 29) << "28.52 rounds up";
}

TEST(DisplacementComparison, SteamTurbineKeepsTheFractions) {
    auto s = started();
    ComparedClass c = deutschland();
    c.navy = 3;  // no machinery of its own: a steam turbine
    const kelmat::Comparison r = kelmat::compare_displacement(*s, c, 1);
    EXPECT_EQ(r.machinery, con::store(28.0L * 28 * 78 * con::L(1.2f) / 10));
    EXPECT_NE(r.machinery, con::int_floor(r.machinery));
    EXPECT_EQ(r.speed_term, 102);
}

TEST(DisplacementComparison, ColoursOfTheDeviationAreStrict) {
    struct Case {
        float recomputed;  // 100 t, against a recorded 10000 t
        int colour;
        const char* difference;
    } cases[] = {
        {121, 3, " 2100 "}, {120, 6, " 2000 "}, {110, 5, " 1000 "}, {105, 7, " 500 "},
        {94, 5, "-600 "},   {100, 7, " 0 "},    {79, 3, "-2100 "},
    };
    for (const auto& c : cases) {
        for (int mode : {1, 2}) {
            const auto k = kelmat::comparison_columns(mode, c.recomputed, 10000, 3000, 4000, 5000, 0.9f);
            EXPECT_EQ(k.colour72, c.colour) << c.recomputed << " mode " << mode;
        }
        EXPECT_EQ(kelmat::comparison_columns(1, c.recomputed, 10000, 3000, 4000, 5000, 0.9f).column72, c.difference);
        EXPECT_EQ(kelmat::comparison_columns(3, c.recomputed, 10000, 3000, 4000, 5000, 0.9f).colour72, 7)
            << "mode 3 is always white";
    }
}

TEST(DisplacementComparison, ColumnTextsAtTheirLimits) {
    struct Case {
        const char* name;
        int mode;
        float recomputed, recorded;
        const char* column64;
        int colour64;
        const char* column72;
    } cases[] = {
        {"9999 is shown", 1, 9999, 900000, " 999900", 7, " 99900 "},
        {"10000 is over", 1, 10000, 900000, "  OVER 1000000", 4, ""},
        {"over in mode 3", 3, 12000, 900000, "  OVER 1000000", 4, ""},
        {"a percentage rounded down", 2, 119, 12000, "  11900", 7, " 99 "},
        {"shares rounded half up", 3, 66, 6000, "   6600", 7, " 2  7  8"},
        {"a recomputed 0 t has no shares", 3, 0, 6000, "      0", 7, ""},
    };
    for (const auto& c : cases) {
        // Main battery 150 t: 1.5 %; armour 800 and machinery 900 t at size 0.9: 7.2 and 8.1 %.
        const auto k = kelmat::comparison_columns(c.mode, c.recomputed, c.recorded, 150, 800, 900, 0.9f);
        EXPECT_EQ(k.column64, c.column64) << c.name;
        EXPECT_EQ(k.colour64, c.colour64) << c.name;
        EXPECT_EQ(k.column72, c.column72) << c.name;
    }
}

TEST(DisplacementComparison, RecordBelowHundredTonsGetsNothing) {
    auto s = started();
    ComparedClass c = deutschland();
    c.displacement = 99;
    for (int mode = 1; mode <= 3; ++mode) {
        const kelmat::Comparison r = kelmat::compare_displacement(*s, c, mode);
        EXPECT_FALSE(r.computed);
        EXPECT_TRUE(r.steps.empty());
        EXPECT_EQ(r.columns.column64, "");
        EXPECT_EQ(r.columns.column72, "");
    }
    c.displacement = 100;
    EXPECT_TRUE(kelmat::compare_displacement(*s, c, 1).computed);
}

TEST(DisplacementComparison, ModeTwoStopsAtTheLimit) {
    auto s = started();
    // A heavy main battery on a small record: the steps grow past 9999 and stop there.
    ComparedClass c = deutschland();
    c.navy = 3;
    c.main_battery = 900000;
    c.belt = 900;
    c.deck = 900;
    c.speed = 40;
    const kelmat::Comparison r = kelmat::compare_displacement(*s, c, 2);
    ASSERT_GE(r.steps.size(), 2u);
    EXPECT_GT(r.steps.back(), 9999);
    EXPECT_LE(r.steps[r.steps.size() - 2], 9999);
    EXPECT_EQ(r.columns.column64, "  OVER 1000000");
    EXPECT_EQ(r.columns.column72, "");
}

TEST(DisplacementComparison, ModeTwoStops) {
    // Without armour and machinery every step gives the main battery's (weight + 50) / 100.
    struct Case {
        const char* name;
        float recorded, main_battery;
        std::vector<float> steps;
        const char* column64;
    } cases[] = {
        {"exactly 9999 ends the repetition", 11700, 999900, {9999}, " 999900"},
        {"a large ship above twice its record", 160000, 400000, {4000}, " 400000"},
        {"at twice its record a large ship goes on", 200000, 400000, {4000, 4000}, " 400000"},
        {"exactly 150000 t is no large ship", 150000, 400000, {4000, 4000}, " 400000"},
    };
    auto s = started();
    for (const auto& c : cases) {
        const ComparedClass k{3, 4, 0, 0, 0, c.recorded, 2, 5, c.main_battery};
        const kelmat::Comparison r = kelmat::compare_displacement(*s, k, 2);
        EXPECT_EQ(r.steps, c.steps) << c.name;
        EXPECT_EQ(r.columns.column64, c.column64) << c.name;
    }
}

// The stored classes of a navy through the loaders, the class table and the comparison pass of
// a mode, with each class's comparison as the pass computed it.
struct PassedNavy {
    std::unique_ptr<Kelmat> s = started();
    testing_support::ScopedConsole console;
    std::vector<kelmat::Comparison> classes{23};

    PassedNavy(int navy, int mode) {
        s->VIEWER_NAVY = static_cast<float>(navy);
        s->VIEWER_MODE = static_cast<float>(mode);
        kelmat::load_class_records(*s, s->VIEWER_NAVY);
        kelmat::VIEWER_CLASS_TABLE(*s);
        kelmat::VIEWER_COMPARISON_PASS(*s);
        for (int c = 1; c <= 22; ++c) {
            s->LOOP_I = static_cast<float>(c);
            classes[c] = kelmat::compare_displacement(*s, kelmat::prepare_compared_class(*s, s->VIEWER_NAVY), mode);
        }
    }
    std::string cells(int column, int c, int count) {
        return testing_support::text_at(console.screen(), column, c + 1, count);
    }
    int colour(int column, int c) { return console.screen().cell(column, c + 1).colour; }
};

TEST(DisplacementComparison, StoredExamplesOnThePage) {
    struct Case {
        const char* name;
        int navy, c, mode;
        const char* column64;
        const char* column72;
        int colour72;
        std::vector<float> steps;  // empty where not checked
    } cases[] = {
        {"NELSON as recorded", 3, 4, 1, "  33700", " 0 ", 7, {337}},
        {"NELSON stands still", 3, 4, 2, "  33700", " 100 ", 7, {337}},
        {"navy 1 class 16, gas turbine", 1, 16, 1, " 541300", " 207300 ", 3, {5413}},
        {"navy 1 class 16 stops as a large ship", 1, 16, 2, " 801300", " 239 ", 3, {5413, 8013}},
        {"DEUTSCHLAND", 4, 5, 3, "   8100", "29 13 25", 7, {81}},
    };
    for (const auto& c : cases) {
        PassedNavy p(c.navy, c.mode);
        EXPECT_EQ(p.cells(64, c.c, 7), c.column64) << c.name;
        EXPECT_EQ(p.cells(72, c.c, 8), std::string(c.column72) + std::string(8 - std::string(c.column72).size(), ' '))
            << c.name;
        EXPECT_EQ(p.colour(73, c.c), c.colour72) << c.name;
        EXPECT_EQ(p.classes[c.c].steps, c.steps) << c.name;
        EXPECT_EQ(p.s->F(c.navy, c.c, kelmat::F_TURRETS), c.navy == 4 ? 2 : (c.navy == 3 ? 3 : 4)) << c.name;
    }
}

TEST(DisplacementComparison, LongRepetitionsOfTheStoredClasses) {
    PassedNavy p(1, 2);
    // Class 21 is recorded at 77000 t: no large ship, 30 steps to where it stands still.
    const auto& steps = p.classes[21].steps;
    ASSERT_EQ(steps.size(), 30u);
    EXPECT_EQ(steps.back(), 2597);
    EXPECT_EQ(steps[28], 2597);
    EXPECT_EQ(p.cells(64, 21, 7), " 259700");
    EXPECT_EQ(p.cells(72, 21, 5), " 337 ");
    EXPECT_EQ(p.colour(73, 21), 3);
    // Class 19 at exactly 150000 t is no large ship either: it stops where it stands still.
    const auto& nineteen = p.classes[19].steps;
    ASSERT_GE(nineteen.size(), 2u);
    EXPECT_EQ(nineteen.back(), nineteen[nineteen.size() - 2]);
}

TEST(DisplacementComparison, EveryStoredClassInEveryMode) {
    long largest = 0;
    for (int mode = 1; mode <= 3; ++mode)
        for (int navy = 1; navy <= 5; ++navy) {
            PassedNavy p(navy, mode);
            for (int c = 1; c <= 22; ++c) {
                const std::string where =
                    std::to_string(navy) + "," + std::to_string(c) + " mode " + std::to_string(mode);
                EXPECT_TRUE(p.classes[c].computed) << where;
                EXPECT_TRUE(p.s->F(navy, c, kelmat::F_LAYOUT) >= 1 && p.s->F(navy, c, kelmat::F_LAYOUT) <= 22) << where;
                EXPECT_GT(p.s->F(navy, c, kelmat::F_TURRETS), 1) << where << ": the layout was recognised";
                const std::string shown = p.cells(64, c, 14);
                EXPECT_EQ(shown.find("OVER"), std::string::npos) << where;
                largest = std::max(largest, std::stol(shown.substr(0, 7)));
                EXPECT_EQ(p.colour(70, c), 7) << where;
            }
            EXPECT_EQ(p.console.screen().colour(), 7) << "the pass ends in white";
        }
    EXPECT_EQ(largest, 801300);
}

}  // namespace
