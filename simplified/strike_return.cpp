// MORVA95S: the return of a strike's survivors: APPLY_AIR_LOSSES gives every afloat carrier of
// the fleet its room per aircraft type, and the hand-back deals the survivors in KO out to the
// carriers, one unit a carrier and pass, into the first stage of the flight home. Survivors
// that find no room are lost.
#include "simplified/air_units.h"
#include "simplified/strikes.h"

namespace morva95s {

using con::L;

namespace {

/// The passes of the hand-back: enough to fill any room, which never exceeds an air group.
constexpr int kHandBackPasses = 6;

/// Subtracts columns 1..last of a slot's row from a room.
template <typename Units>
void less_columns(float& room, const Units& units, long slot, int last) {
    for (int c = 1; c <= last; ++c) room = con::store(L(room) - L(units(JAPANESE, slot, c)));
}

/// One entry of KO handed back: the entry, the carrier's room column and the return column.
struct Entry {
    int ko;
    int room;
    int column;
};

/// Hands one unit of `entry` to slot k when both the entry and the room are above 0.
template <typename Units>
void hand_one(State& st, float ship, long k, const Entry& entry, Units& units) {
    float& room = st.A(JAPANESE, ship, entry.room);
    float& left = st.KO(entry.ko);
    if (!(L(room) > 0 && L(left) > 0)) return;
    left = con::store(L(left) - 1);
    room = con::store(L(room) - 1);
    units(JAPANESE, k, entry.column) = con::store(L(units(JAPANESE, k, entry.column)) + 1);
}

bool carrier_sunk(const State& st, float ship) { return L(st.A(JAPANESE, ship, A_DURABILITY)) < 1; }

/// One pass of the base form over the slot: KO(1), KO(2), KO(3).
void base_pass(State& st, float ship, long k) {
    hand_one(st, ship, k, {KO_FIGHTERS, A_ROOM_FIGHTERS, F_BASE_BACK}, st.F);
    hand_one(st, ship, k, {KO_DIVE, A_ROOM_DIVE, D_BASE_BACK}, st.D);
    hand_one(st, ship, k, {KO_TORPEDO, A_ROOM_TORPEDO, T_BASE_BACK}, st.T);
}

/// One pass of the fleet form over the slot: KO(1), KO(2), KO(4), KO(5) (KO(3) itself is not
/// counted down; both loads share the torpedo-bomber room).
void fleet_pass(State& st, float ship, long k) {
    hand_one(st, ship, k, {KO_FIGHTERS, A_ROOM_FIGHTERS, F_FLEET_BACK}, st.F);
    hand_one(st, ship, k, {KO_DIVE, A_ROOM_DIVE, D_FLEET_BACK}, st.D);
    hand_one(st, ship, k, {KO_TORPEDO_ARMED, A_ROOM_TORPEDO, T_FLEET_BACK_TORPEDO}, st.T);
    hand_one(st, ship, k, {KO_BOMB_ARMED, A_ROOM_TORPEDO, T_FLEET_BACK_BOMB}, st.T);
}

}  // namespace

void APPLY_AIR_LOSSES(State& st) {
    const float f = st.FLEET_NO;
    for (long k = 1; L(k) <= L(st.CV(JAPANESE, f)); ++k) {
        const float ship = st.C(JAPANESE, f, k);
        if (carrier_sunk(st, ship)) continue;
        float& fighters = st.A(JAPANESE, ship, A_ROOM_FIGHTERS);
        float& dive = st.A(JAPANESE, ship, A_ROOM_DIVE);
        float& torpedo = st.A(JAPANESE, ship, A_ROOM_TORPEDO);
        fighters = st.A(JAPANESE, ship, A_AIR_GROUP);
        dive = st.A(JAPANESE, ship, A_AIR_GROUP + 1);
        torpedo = st.A(JAPANESE, ship, A_AIR_GROUP + 2);
        // The patrol that fought this sub-turn's raid (column 14) is kept out of the sum, so
        // that its room is free for the strike's fighters too.
        less_columns(fighters, st.F, k, F_CAP_SECOND);
        less_columns(dive, st.D, k, D_HOME_LAST);
        less_columns(torpedo, st.T, k, T_HOME_LAST);
    }
}

void hand_back_survivors(State& st, StrikeKind kind) {
    if (kind == StrikeKind::Fleet && L(st.KO(KO_TORPEDO)) < 1) {
        st.KO(KO_TORPEDO_ARMED) = 0;
        st.KO(KO_BOMB_ARMED) = 0;
    }
    const float f = st.FLEET_NO;
    for (int pass = 1; pass <= kHandBackPasses; ++pass) {
        for (long k = 1; L(k) <= L(st.CV(JAPANESE, f)); ++k) {
            const float ship = st.C(JAPANESE, f, k);
            if (carrier_sunk(st, ship)) continue;
            if (kind == StrikeKind::Base)
                base_pass(st, ship, k);
            else
                fleet_pass(st, ship, k);
        }
    }
}

}  // namespace morva95s
