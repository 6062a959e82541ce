// MORVA95S: RAID_ANTI_AIRCRAFT, the fleet's anti-aircraft fire at the dive and torpedo bombers
// an Allied raid has left after the air combat: the fleet's points give the shots, each aimed
// at one of the two types and decided by a die against its defence; then the attack on the
// ships is announced in red over the raid's warning.
#include "console/console.h"
#include "simplified/air_units.h"
#include "simplified/blocks.h"
#include "simplified/raid.h"
#include "simplified/routines.h"

namespace morva95s {
namespace {

using con::L;
using con::real;

/// Adds the anti-aircraft value of every ship afloat among `count` entries of a fleet's list.
template <typename List>
real afloat_anti_aircraft(const State& st, const List& list, float count) {
    real sum = 0;
    for (long k = 1; L(k) <= L(count); ++k) {
        const float ship = list(JAPANESE, st.FLEET_NO, k);
        if (L(st.A(JAPANESE, ship, A_DURABILITY)) > 0) sum += L(st.A(JAPANESE, ship, A_ANTI_AIRCRAFT));
    }
    return sum;
}

/// Step 5: a part's kills come off the raid, and its line at row 2 x part + 12.
void take_kills(State& st, int part, float kills, float type) {
    st.W(part) = con::store(L(st.W(part)) - L(kills));
    show_downed(2 * part + 12, st.NN(type), kills, st.W(part));
}

}  // namespace

void show_downed(int row, const std::string& name, float downed, float left) {
    con::print_at(con::Col(48), con::Row(row), name);
    con::print_single_item(downed);
    con::print_string_item("ユニット撃墜 残り");
    con::print_single_item(left);
    con::print_end();
}

float anti_aircraft_points(const State& st) {
    const float f = st.FLEET_NO;
    const real sum = L(st.DF(0)) + afloat_anti_aircraft(st, st.C, st.CV(JAPANESE, f)) +
                     afloat_anti_aircraft(st, st.G, st.BB(JAPANESE, f));
    return con::store(con::int_floor((sum + 1) / 2));
}

std::array<float, 3> anti_aircraft_fire(const FireInput& in, const Draw& rnd) {
    const bool torpedo_bombers = L(in.torpedo) >= 1;
    real X[3] = {0, 0, 0};
    for (real shot = 1; shot <= L(in.points); ++shot) {
        int target = RAID_DIVE;
        if (torpedo_bombers && L(rnd()) * 10 > 3) target = RAID_TORPEDO;
        const real defence = L(target == RAID_DIVE ? in.dive_defence : in.torpedo_defence);
        if (die(rnd) >= defence) X[target] += 1;
    }
    const float units[3] = {0, in.dive, in.torpedo};
    std::array<float, 3> kills{};
    for (int s = RAID_DIVE; s <= RAID_TORPEDO; ++s) kills[s] = X[s] > L(units[s]) ? units[s] : con::store(X[s]);
    return kills;
}

Block RAID_ANTI_AIRCRAFT(State& st) {
    const float points = anti_aircraft_points(st);
    for (int row = 8; row <= 18; ++row) con::print_at(con::Col(48), con::Row(row), con::space_string(30));
    con::color(6);
    con::locate(con::Col(50), con::Row(12));
    con::print_string_item("対空射撃 ");
    con::print_single_item(points);
    con::print_string_item("POINT");
    con::print_end();
    const RaidTypes types{st.ENEMY_TYPE_OFFSET, st.ESCORT_TYPE_OFFSET};
    const float dive = types.type_of(RAID_DIVE), torpedo = types.type_of(RAID_TORPEDO);
    const FireInput in{points, st.W(RAID_DIVE), st.W(RAID_TORPEDO), st.Z(dive, 1), st.Z(torpedo, 1)};
    const std::array<float, 3> X = anti_aircraft_fire(in, con::rnd);
    take_kills(st, RAID_DIVE, X[RAID_DIVE], dive);
    take_kills(st, RAID_TORPEDO, X[RAID_TORPEDO], torpedo);
    PAUSE_MESSAGE(st);
    con::beep();
    con::color(2);
    con::print_at(con::Col(6), con::Row(4), "敵の攻撃 !!");
    con::print_end();
    con::color(6);
    return Block::RaidHits;
}

}  // namespace morva95s
