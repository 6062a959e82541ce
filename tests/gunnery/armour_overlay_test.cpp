// The class armour overlays over the penetration graphs of both halves: the classes offered,
// the heights and label rows of their lines, the keys, the navy cycle and what stays behind.
#include <gtest/gtest.h>

#include "console/graphics.h"
#include "gunnery/penetration_viewer.h"
#include "tests/gunnery/gunnery_harness.h"

using kelmat::Armour;
using kelmat::Block;
using kelmat_test::Harness;

namespace {

// The classes an overlay offers for navy n: kind 1 or 2, classes 1-22 (belt) or 1-21 (deck).
std::vector<int> offered(int navy, Armour armour) {
    kelmat::Kelmat s;
    kelmat::load_class_records(s, static_cast<float>(navy));
    std::vector<int> out;
    for (int k = 1; k <= (armour == Armour::Belt ? 22 : 21); ++k)
        if (s.F(navy, k, kelmat::F_BUILD_STATE) != 0) out.push_back(k);
    return out;
}

// Keys that pass over `count` offered classes with "N".
std::string next_keys(std::size_t count) { return std::string(count, 'n'); }

// How many classes are offered before class k of navy n, counting the navies before it.
std::size_t offers_before(int navy, int k, Armour armour) {
    std::size_t count = 0;
    for (int n = 1; n < navy; ++n) count += offered(n, armour).size();
    for (int c : offered(navy, armour))
        if (c < k) ++count;
    return count;
}

std::string label_of(int navy, int k) {
    kelmat::Kelmat s;
    kelmat::load_class_records(s, static_cast<float>(navy));
    return kelmat::class_label(s.NM(k));
}

TEST(ArmourOverlay, HeightsRowsAndLabels) {
    struct Case {
        const char* name;
        float mm, scale;
        Armour armour;
        double y;
        int row;
    };
    const Case cases[] = {
        {"437 mm belt over the real belt graph", 437, 2, Armour::Belt, 163.02, 9},
        {"305 mm belt: the row classes 8, 9, 10 and 12 share", 305, 2, Armour::Belt, 234.3, 13},
        {"177 mm deck over the real deck graph", 177, 2, Armour::Deck, 207.84, 11},
        {"720 mm deck over the planned deck graph", 720, 1, Armour::Deck, 10.2, 0},
        {"950 mm belt lies above the plane", 950, 2, Armour::Belt, -114.0, 0},
        {"760 mm deck at scale 1 lies above the plane", 760, 1, Armour::Deck, -11.4, 0},
    };
    for (const auto& c : cases) {
        const con::real y = kelmat::overlay_line_y(c.mm, c.scale, c.armour);
        EXPECT_NEAR(static_cast<double>(y), c.y, 0.001) << c.name;
        EXPECT_EQ(kelmat::overlay_label_row(y), c.row) << c.name;
    }
    EXPECT_EQ(kelmat::class_label("大和(2+2)"), "大和");
    EXPECT_EQ(kelmat::class_label("ALASKA(2+4)"), "ALASKA");
    EXPECT_EQ(kelmat::class_label("VANGUARD"), "VANGUARD");
    EXPECT_EQ(kelmat::class_label("バーモント(?)"), "バーモント");
}

TEST(ArmourOverlay, OffersOnlyCompletedAndFictionalClasses) {
    std::vector<int> belt = {2};
    for (int k = 8; k <= 22; ++k) belt.push_back(k);
    std::vector<int> deck(belt.begin(), belt.end() - 1);
    ASSERT_EQ(offered(1, Armour::Belt), belt);
    ASSERT_EQ(offered(1, Armour::Deck), deck);
    for (std::size_t i = 0; i < belt.size(); ++i) {
        Harness h;
        h.run("x4RkZ" + next_keys(i));
        EXPECT_EQ(h.s().LOOP_I, belt[i]) << "belt offer " << i;
        EXPECT_EQ(h.s().OVERLAY_NAVY, 1);
    }
    for (std::size_t i = 0; i < deck.size(); ++i) {
        Harness h;
        h.run("x4RkkkZ" + next_keys(i));
        EXPECT_EQ(h.s().LOOP_I, deck[i]) << "deck offer " << i;
    }
}

TEST(ArmourOverlay, NavyOneClassTwoOverTheRealBeltGraph) {
    auto offer = testing_support::run_program(kelmat95_program(), "x4RkZ");
    EXPECT_EQ(offer.text_at(54, 11, 10), "大和  437 ");
    EXPECT_EQ(offer.colour_at(54, 11), 7);
    EXPECT_EQ(offer.text_at(45, 8, 33), "Hit N(ext) or V(iew) or E(nd) Key");
    EXPECT_EQ(offer.colour_at(45, 8), 5);
    EXPECT_EQ(offer.row(23), "") << "the graph's key line is erased";
    auto drawn = testing_support::run_program(kelmat95_program(), "x4RkZV");
    using con::gfx::point_colour;
    for (int x : {80, 300, 590}) EXPECT_EQ(point_colour(drawn.screen(), x, 163), 13) << x;
    EXPECT_NE(point_colour(drawn.screen(), 591, 163), 13);
    EXPECT_EQ(drawn.text_at(9, 9, 4), "大和");
    EXPECT_EQ(drawn.colour_at(9, 9), 6);
    EXPECT_EQ(drawn.text_at(45, 8, 33), "Hit N(ext) or E(nd) Key          ");
    auto next = testing_support::run_program(kelmat95_program(), "x4RkZVn");
    const std::string eighth = label_of(1, 8) + "  305 ";
    EXPECT_EQ(next.text_at(54, 11, static_cast<int>(con::byte_length(eighth)) + 1), eighth + " ")
        << "the information line is erased first";
    EXPECT_EQ(next.text_at(9, 9, 4), "大和") << "the line and its label stay";
}

TEST(ArmourOverlay, EndKeysLeadToTheNextScreenOfEachHalf) {
    struct Case {
        const char* keys;
        Block block;
    };
    const Case cases[] = {
        {"x4RkZE", Block::RealDeckTable},     {"x4RkZVe", Block::RealDeckTable},
        {"x4RkZnnVE", Block::RealDeckTable},  {"x4RkkkZe", Block::MainMenu},
        {"x4RkkkZVE", Block::MainMenu},       {"x4PkZE", Block::PlannedDeckTable},
        {"x4PkZVe", Block::PlannedDeckTable}, {"x4PkkkZE", Block::MainMenu},
        {"x4PkkkZvE", Block::MainMenu},       {"x4RkZ{ENTER}{ESC}x", Block::RealBeltGraph},
    };
    for (const auto& c : cases) {
        Harness h;
        h.run(c.keys);
        EXPECT_EQ(h.current_block(), c.block) << c.keys;
    }
    // Every key but E and V, Enter and Esc included, acts as N; "v" at the second key line too.
    Harness h;
    h.run("x4RkZ{ENTER}{ESC}x");
    EXPECT_EQ(h.s().LOOP_I, 10);
    h.run("x4RkZVv");
    EXPECT_EQ(h.s().LOOP_I, 8);
    EXPECT_EQ(h.s().LOOP_M, 5);
    // The planned deck graph ends on a cleared screen in white, then the menu.
    auto run = testing_support::run_program(kelmat95_program(), "x4PkkkZE");
    EXPECT_EQ(run.text_at(29, 4, 16), "どれにしますか ?");
}

TEST(ArmourOverlay, NaviesCycleWithTheColourCounterAndLeaveTheScenarioAlone) {
    Harness plain;
    plain.run("x4Rk");
    const float start_count = plain.s().BLUE_COUNT;
    const std::size_t navy1 = offered(1, Armour::Belt).size();
    Harness h;
    h.s().BLUE_NAVY = 3;
    // Navy 1 class 2 drawn in yellow; the rest of navy 1 passed over; navy 2's first class
    // drawn in the colour that follows (cyan: graphics colour 11).
    auto run = h.run("x4RkZVn" + next_keys(navy1 - 1) + "V");
    EXPECT_EQ(h.s().OVERLAY_NAVY, 2);
    EXPECT_EQ(h.s().LOOP_I, offered(2, Armour::Belt).front());
    EXPECT_EQ(h.s().LOOP_M, 4);
    const con::real y = kelmat::overlay_line_y(h.s().F(2, h.s().LOOP_I, kelmat::F_BELT), 2, Armour::Belt);
    EXPECT_EQ(con::gfx::point_colour(run.screen(), 300, y), 11);
    EXPECT_EQ(h.s().BLUE_NAVY, 3) << "the scenario's BLUE navy stays";
    EXPECT_EQ(h.s().BLUE_COUNT, start_count) << "the ship count is no scratch";
    // After navy 5 comes navy 1 again.
    std::size_t all = 0;
    for (int n = 1; n <= 5; ++n) all += offered(n, Armour::Belt).size();
    h.run("x4RkZ" + next_keys(all));
    EXPECT_EQ(h.s().OVERLAY_NAVY, 1);
    EXPECT_EQ(h.s().LOOP_I, 2);
    EXPECT_EQ(h.s().BLUE_NAVY, 3);
    EXPECT_EQ(h.s().F(4, 3, kelmat::F_BELT), 400) << "the overlay's belt value of navy 4 class 3 stays in F";
}

TEST(ArmourOverlay, DeckInformationLineEatsTheEndOfALabelOnRowEleven) {
    const std::string keys = "x4RkkkZ" + next_keys(offers_before(3, 3, Armour::Deck));
    auto shown = testing_support::run_program(kelmat95_program(), keys + "V");
    EXPECT_EQ(shown.text_at(9, 11, 12), "KINGGEORGE-V");
    auto after = testing_support::run_program(kelmat95_program(), keys + "Vn");
    EXPECT_EQ(after.text_at(9, 11, 12), "KINGGEORGE- ");
}

TEST(ArmourOverlay, ALineAboveThePlaneLabelsRowZero) {
    // Navy 1 class 16 (950 mm) over the real belt graph.
    Harness h;
    const std::string keys = "x4RkZ" + next_keys(offers_before(1, 16, Armour::Belt)) + "V";
    auto run = h.run(keys);
    const std::string label = label_of(1, 16);
    EXPECT_EQ(run.text_at(9, 0, static_cast<int>(con::byte_length(label))), label);
    EXPECT_EQ(run.colour_at(9, 0), 6);
    EXPECT_EQ(run.text_at(45, 8, 23), "Hit N(ext) or E(nd) Key");
    EXPECT_EQ(h.s().LOOP_M, 5) << "the colour counter steps";
    EXPECT_EQ(h.current_block(), Block::RealBeltGraph) << "the program goes on";
    h.run(keys + "n");
    EXPECT_EQ(h.s().LOOP_I, 17);
    // Navy 1 class 17 (720 mm deck) over the planned deck graph: y 10.2, row 0, in yellow.
    auto planned = testing_support::run_program(kelmat95_program(),
                                                "x4PkkkZ" + next_keys(offers_before(1, 17, Armour::Deck)) + "V");
    EXPECT_EQ(con::gfx::point_colour(planned.screen(), 300, 10), 13);
    const std::string label17 = label_of(1, 17);
    EXPECT_EQ(planned.text_at(9, 0, static_cast<int>(con::byte_length(label17))), label17);
}

}  // namespace
