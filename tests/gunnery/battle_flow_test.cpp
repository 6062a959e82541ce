// Scripted battles: the set-up dialogue with its re-asks, whole battles to their result
// screen, the range-without-fire ending, and runs of the built program.
#include <gtest/gtest.h>

#include "gunnery/battle.h"
#include "tests/gunnery/gunnery_harness.h"

using kelmat::Block;
using kelmat_test::Harness;

namespace {

struct ShipSpec {
    float displacement, gun, layout, sloped, belt, deck, speed;
    const char* name;
};

// Puts `n` ships of `spec` on `side` of the fleet record.
void put_ships(kelmat::Kelmat& s, int side, int n, const ShipSpec& spec) {
    for (int i = 1; i <= n; ++i) {
        const float v[] = {spec.displacement, spec.gun, spec.layout, spec.sloped, spec.belt, spec.deck, spec.speed, 100};
        for (int f = 0; f < 8; ++f) s.A(side, i, kelmat::kScenarioFields[f]) = v[f];
        s.M(side, i) = std::string(spec.name) + std::to_string(i);
    }
}

const ShipSpec kBattleship{390, 23, 2, 0, 305, 150, 25, "NAGATO"};
const ShipSpec kOldBattleship{320, 21, 4, 0, 343, 100, 21, "COLORADO"};

// A fleet in memory: BLUE Japanese, RED American.
Harness fleet(int blue, int red) {
    Harness h;
    put_ships(h.s(), 0, blue, kBattleship);
    put_ships(h.s(), 1, red, kOldBattleship);
    h.s().BLUE_NAVY = 1;
    h.s().RED_NAVY = 2;
    h.s().BATTLE_BLUE_COUNT = static_cast<float>(blue);
    h.s().BATTLE_RED_COUNT = static_cast<float>(red);
    return h;
}

std::string enters(int n) {
    std::string k;
    for (int i = 0; i < n; ++i) k += "{ENTER}";
    return k;
}

// Title, menu item 1, fight; mode 0, no map; every side question by Enter; no display time.
const std::string kDefaults = "x1y" + std::string("0n") + enters(11) + enters(11) + "{ENTER}";

TEST(BattleRun, SmokeToResults) {
    Harness h = fleet(3, 3);
    auto run = h.run(kDefaults);
    std::cerr << run.screen().dump_text();
}

}  // namespace
