// MORVA95S: RAID_AIR_COMBAT, the combat air patrol against an Allied raid by dice: first
// against the escort fighters, with losses on both sides (the whole patrol then gathers in the
// column of those that fought, and its losses are spread over the carriers), then against the
// dive, torpedo and heavy bombers, which do not fire back. The results stand on the right half
// of the screen; after a pause the anti-aircraft fire follows, or the raid's close when no dive
// or torpedo bomber is left.
#include "console/console.h"
#include "simplified/air_units.h"
#include "simplified/blocks.h"
#include "simplified/carrier_passes.h"
#include "simplified/raid.h"
#include "simplified/routines.h"

namespace morva95s {
namespace {

using con::L;
using con::real;

/// The patrol's fixed values: its attack, and the defence the escorts roll against (those of
/// type 1, 零式艦戦, written into the rules rather than read from `Z`).
constexpr real kPatrolAttack = 3;
constexpr real kPatrolDefence = 7;
/// Dice per patrol unit: aloft before the raid, launched against it.
constexpr real kDiceAloft = 3;
constexpr real kDiceLaunched = 2;

/// The patrol's units lost: taken one at a time over the carriers' column 14 in passes, the
/// lower slots first; a carrier with none left is passed over, and the passes stop when every
/// carrier is empty.
void take_patrol_losses(State& st, float losses) {
    carrier_passes(
        st, JAPANESE, losses, [&](long k) { return L(st.F(JAPANESE, k, F_CAP_FOUGHT)) > 0; },
        [&](long k) {
            float& fought = st.F(JAPANESE, k, F_CAP_FOUGHT);
            fought = con::store(L(fought) - 1);
        });
}

/// Every carrier's patrol, aloft or launched, has fought: columns 11-13 into column 14.
void gather_fought(State& st) {
    for (long k = 1; L(k) <= L(st.CV(JAPANESE, st.FLEET_NO)); ++k)
        for (int c : {F_CAP_RAID, F_CAP_FIRST, F_CAP_SECOND}) {
            float& fought = st.F(JAPANESE, k, F_CAP_FOUGHT);
            fought = con::store(L(fought) + L(st.F(JAPANESE, k, c)));
            st.F(JAPANESE, k, c) = 0;
        }
}

/// "<patrol> 対 <type>" at (column, row).
void show_match(const State& st, int column, int row, float type) {
    con::print_at(con::Col(column), con::Row(row), st.NN(1));
    con::print_string_item(" 対 ");
    con::print_string_item(st.NN(type));
    con::print_end();
}

/// Step 2: the combat against the escort fighters.
void fight_escorts(State& st, float type) {
    show_match(st, 54, 8, type);
    const EscortInput in{st.W(RAID_ESCORTS), st.Z(type, 2), st.Z(type, 1),
                         patrol_dice(st.DE(RAID_ESCORTS), st.CB(RAID_ESCORTS)),
                         con::store(L(st.DE(0)) + L(st.DE(1)) + L(st.DE(2)))};
    const EscortCombat r = escort_combat(in, con::rnd);
    st.W(RAID_ESCORTS) = con::store(L(st.W(RAID_ESCORTS)) - L(r.downed));
    const PartCounts de = patrol_after_losses({st.DE(0), st.DE(1), st.DE(2), st.DE(3)}, r.losses);
    for (int i = RAID_ESCORTS; i <= RAID_HEAVY; ++i) st.DE(i) = de[i];
    con::locate(con::Col(50), con::Row(10));
    con::print_string_item("損害  ");
    con::print_single_item(r.losses);
    con::print_string_item("    ");
    con::print_single_item(r.downed);
    con::print_end();
    gather_fought(st);
    if (r.losses != 0) take_patrol_losses(st, r.losses);
}

/// Step 3: the combat against the bombers of part i; a part with neither bombers nor patrol
/// units is passed over.
void fight_bombers(State& st, int i, const RaidTypes& types) {
    if (L(st.DE(i)) < 1 && L(st.W(i)) < 1) return;
    const float type = types.type_of(i);
    show_match(st, 54, 4 * i + 8, type);
    const float downed = bomber_combat(patrol_dice(st.DE(i), st.CB(i)), st.Z(type, 1), st.W(i), con::rnd);
    st.W(i) = con::store(L(st.W(i)) - L(downed));
    show_downed(4 * i + 10, st.NN(type), downed, st.W(i));
}

/// `n` dice, each adding 1 when `hits(die)` holds.
float count_hits(real n, const Draw& rnd, const std::function<bool(real)>& hits) {
    real count = 0;
    for (real k = 1; k <= n; ++k)
        if (hits(die(rnd))) count += 1;
    return con::store(count);
}

}  // namespace

real patrol_dice(float de, float cb) {
    if (!(L(de) > 0)) return 0;
    const real aloft = L(cb) < L(de) ? L(cb) : L(de);
    const real launched = L(de) - L(cb) > 0 ? L(de) - L(cb) : 0;
    return kDiceAloft * aloft + kDiceLaunched * launched;
}

EscortCombat escort_combat(const EscortInput& in, const Draw& rnd) {
    const real attack = L(in.attack), defence = L(in.defence);
    EscortCombat r;
    r.losses = count_hits(L(in.escorts), rnd, [&](real d) { return d + attack >= kPatrolDefence; });
    r.downed = count_hits(in.dice, rnd, [&](real d) { return d + kPatrolAttack >= defence; });
    if (L(r.losses) > L(in.loss_cap)) r.losses = in.loss_cap;
    if (L(r.downed) > L(in.escorts)) r.downed = in.escorts;
    return r;
}

PartCounts patrol_after_losses(PartCounts DE, float losses) {
    DE[0] = con::store(L(DE[0]) - L(losses));
    if (L(DE[0]) < 0) {
        DE[1] = con::store(L(DE[1]) + L(DE[0]));
        if (L(DE[1]) < 0) DE[2] = con::store(L(DE[2]) + L(DE[1]));
    }
    return DE;
}

float bomber_combat(real dice, float defence, float units, const Draw& rnd) {
    const real d = L(defence);
    const float downed = count_hits(dice, rnd, [&](real roll) { return roll + kPatrolAttack >= d; });
    return L(downed) > L(units) ? units : downed;
}

Block RAID_AIR_COMBAT(State& st) {
    const RaidTypes types{st.ENEMY_TYPE_OFFSET, st.ESCORT_TYPE_OFFSET};
    if (!(L(st.DE(RAID_ESCORTS)) < 1)) fight_escorts(st, types.type_of(RAID_ESCORTS));
    for (int i = RAID_DIVE; i <= RAID_HEAVY; ++i) fight_bombers(st, i, types);
    PAUSE_MESSAGE(st);
    if (L(st.W(RAID_DIVE)) + L(st.W(RAID_TORPEDO)) < 1) return Block::BaseStrikeArrival;
    return Block::RaidAntiAircraft;
}

}  // namespace morva95s
