// Whole battles of stored scenarios through the built program: the set-up screens and the
// result screen against reviewed references, 46 ships a side, and a battle that ends by
// range without a shot.
#include <gtest/gtest.h>

#include <filesystem>

#include "gunnery/battle.h"
#include "tests/gunnery/gunnery_harness.h"

using testing_support::BinaryRun;
using testing_support::ScopedTempDir;

namespace {

struct ShipSpec {
    float displacement, gun, layout, sloped, belt, deck, speed;
    const char* name;
};

const ShipSpec kBlueShips[] = {{390, 23, 2, 0, 305, 150, 25, "NAGATO"}, {366, 19, 15, 0, 305, 97, 25, "FUSO"}};
const ShipSpec kRedShips[] = {{320, 21, 4, 0, 343, 100, 21, "COLORADO"}, {330, 19, 10, 1, 343, 89, 21, "PENNSYLVANIA"}};

// Writes scenario `name` with the ships of each side taken in turn from its list.
void write_scenario(const std::string& name, int blue, int red, float speed = 0) {
    auto s = kelmat::make_state();
    const int counts[2] = {blue, red};
    for (int side = 0; side <= 1; ++side)
        for (int ship = 1; ship <= counts[side]; ++ship) {
            // Through a pointer: the sanitizer build of GCC 12 indexed a subscripted conditional
            // of the two arrays wrongly (every RED ship became the second kind).
            const ShipSpec* kinds = side == 0 ? kBlueShips : kRedShips;
            const ShipSpec& kind = kinds[(ship - 1) % 2];
            const float v[] = {kind.displacement, kind.gun, kind.layout, kind.sloped, kind.belt, kind.deck,
                               speed > 0 ? speed : kind.speed, 100};
            for (int f = 0; f < 8; ++f) s->A(side, ship, kelmat::kScenarioFields[f]) = v[f];
            s->M(side, ship) = kind.name;
        }
    s->BLUE_COUNT = static_cast<float>(blue), s->RED_COUNT = static_cast<float>(red);
    s->BLUE_NAVY = 1, s->RED_NAVY = 2;
    testing_support::ScopedConsole console;
    con::open_file(1, con::FileMode::Output, name + "-DATA.DAT");
    kelmat::write_scenario_file(*s);
    con::close_file(1);
}

std::string enters(int n) {
    std::string k;
    for (int i = 0; i < n; ++i) k += "{ENTER}";
    return k;
}

// Every frame the run wrote, in order, each headed by its number.
std::string all_frames(const std::string& dir) {
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::directory_iterator(dir)) files.push_back(e.path());
    std::sort(files.begin(), files.end());
    std::string out;
    for (const auto& f : files) out += "== " + f.filename().string() + "\n" + testing_support::read_file(f.string());
    return out;
}

TEST(BattleBinary, SeededBattleOfAStoredScenario) {
    ScopedTempDir dir;
    write_scenario("B", 4, 3);
    // Load B, mode 0 without the map, RED's damage control 4, Enter elsewhere.
    const std::string keys = "x1B{ENTER}0n" + enters(11) + enters(10) + "4{ENTER}{ENTER}";
    BinaryRun run = testing_support::run_binary("kelmat95", keys, 17, {"--frames", "frames"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_NE(testing_support::dump_line(run.screen, 0).find("命中数  Hit Any Key"), std::string::npos);
    testing_support::expect_golden(all_frames("frames"), "golden/gunnery/battle_seeded_frames.txt");
    testing_support::expect_golden(run.colours, "golden/gunnery/battle_seeded_colours.txt");
    // The same second gives the same battle.
    BinaryRun again = testing_support::run_binary("kelmat95", keys, 17);
    EXPECT_EQ(again.screen, run.screen);
}

TEST(BattleBinary, FortySixShipsASide) {
    ScopedTempDir dir;
    write_scenario("F", 46, 46);
    const std::string keys = "x1F{ENTER}0n" + enters(11) + enters(11) + "{ENTER}";
    BinaryRun run = testing_support::run_binary("kelmat95", keys, 5);
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(testing_support::dump_line(run.screen, 0), "       耐久力" + std::string(32, ' ') + "Hit Any Key")
        << "the compact status table, no result table";
    testing_support::expect_golden(run.screen + run.colours, "golden/gunnery/battle_46_result.txt");
}

TEST(BattleBinary, EndsByRangeWithoutFire) {
    // Mode 1 with the map: BLUE (30 kt, 8-inch guns) turns away to port at each of its turn
    // questions; RED (15 kt, the designer's slowest) never opens fire at 1 km. The range passes
    // 80 km untouched.
    ScopedTempDir dir;
    write_scenario("R", 2, 2);
    {
        // Short guns on both sides, fast BLUE, slow RED.
        auto s = kelmat::make_state();
        testing_support::ScopedConsole console;
        con::open_file(1, con::FileMode::Input, "R-DATA.DAT");
        kelmat::read_scenario_file(*s);
        con::close_file(1);
        for (int ship = 1; ship <= 2; ++ship) {
            s->A(0, ship, kelmat::A_GUN_TYPE) = s->A(1, ship, kelmat::A_GUN_TYPE) = 1;
            s->A(0, ship, kelmat::A_SPEED) = 30;
            s->A(1, ship, kelmat::A_SPEED) = 15;
        }
        con::kill_file("R-DATA.DAT");
        con::open_file(1, con::FileMode::Output, "R-DATA.DAT");
        kelmat::write_scenario_file(*s);
        con::close_file(1);
    }
    std::string turns;
    for (int i = 0; i < 15; ++i) turns += "l";
    for (int i = 0; i < 400; ++i) turns += "k";
    // BLUE: 7 answers (manoeuvre fixed); RED: fire-opening 1, limit 10, approach 1.
    const std::string keys = "x1R{ENTER}1y" + enters(7) + "{ENTER}{ENTER}{ENTER}1{ENTER}10{ENTER}1{ENTER}" + enters(5) +
                             "{ENTER}" + turns;
    BinaryRun run = testing_support::run_binary("kelmat95", keys, 0, {"--frames", "frames"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    // The result frame: distance above 80 km, nobody hit, full durability.
    std::string result;
    for (const auto& e : std::filesystem::directory_iterator("frames")) {
        const std::string f = testing_support::read_file(e.path().string());
        if (testing_support::dump_line(f, 0).find("Hit Any Key") != std::string::npos) result = f;
    }
    ASSERT_FALSE(result.empty()) << "no result screen";
    EXPECT_NE(testing_support::dump_line(result, 0).find("耐久力  砲塔 速力 命中数  Hit Any Key"), std::string::npos);
    EXPECT_NE(testing_support::dump_line(result, 1).find("390 / 390  3  30   0"), std::string::npos);
    EXPECT_NE(testing_support::dump_line(result, 1).find("320 / 320  4  15   0"), std::string::npos)
        << testing_support::dump_line(result, 1);
}

TEST(BattleBinary, HandDirectedBattleWithTheMapScreens) {
    // Mode 4 with the map: every wait is a turn question or a target prompt; "a" then Enter
    // keeps the course at the one and takes the automatic choice at the other.
    ScopedTempDir dir;
    write_scenario("H", 2, 2, 60);
    std::string play;
    for (int i = 0; i < 12; ++i) play += "a{ENTER}";
    const std::string keys = "x1H{ENTER}4y" + enters(6) + enters(6) + "{ENTER}" + play + play;
    BinaryRun run = testing_support::run_binary("kelmat95", keys, 3, {"--frames", "frames"});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    testing_support::expect_golden(all_frames("frames"), "golden/gunnery/battle_hand_map_frames.txt");
}

}  // namespace
