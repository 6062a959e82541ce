// MORVA95S: PATROL_ALLOCATION, the combat air patrol shared out against an Allied raid: at
// least the least number against the escort fighters (the whole patrol, unasked, when it is
// no larger), then the player's numbers against the dive and the torpedo bombers; the units
// left go against the heavy bombers. `DE` holds the allocation, `CB` the units aloft before the
// raid that are still free for each part (they make 3 attacks, the launched units 2).
#include "campaign/dialogue.h"
#include "console/console.h"
#include "simplified/blocks.h"
#include "simplified/raid.h"
#include "simplified/routines.h"

namespace morva95s {
namespace {

using con::L;

/// `count` less `taken`, or 0 when that is below 0.
float free_after(float count, float taken) {
    const con::real left = L(count) - L(taken);
    return left < 0 ? 0.0f : con::store(left);
}

/// Sets the parts after `from` to 0: the patrol is spent.
void nothing_for_the_rest(State& st, int from) {
    for (int i = from; i <= RAID_HEAVY; ++i) st.DE(i) = 0;
}

/// Step 6: the escort prompt. Only a whole number from the least number to the patrol is
/// taken: a fractional one is asked again like one out of range, since the combat rolls whole
/// units' dice.
float ask_escorts(const State& st, float least) {
    const float type = RaidTypes{st.ENEMY_TYPE_OFFSET, st.ESCORT_TYPE_OFFSET}.type_of(RAID_ESCORTS);
    const auto ask = [&] {
        con::locate(con::Col(12), con::Row(22));
        con::print_string_item("対");
        con::print_string_item(st.NN(type));
        con::print_string_item("は何ユニット ?  (");
        con::print_single_item(least);
        con::print_string_item("以上)  ");
        con::print_end();
    };
    return con::store(
        morva::ask_count(ask, {68, 22, ""}, L(least), L(st.PATROL_UNITS)));
}

/// Step 7.2: a bomber prompt. Only a whole number from 0 to the units left is taken (with none
/// left only 0): a negative or fractional one is asked again like one above them.
float ask_bombers(State& st, int part) {
    const float type = RaidTypes{st.ENEMY_TYPE_OFFSET, st.ESCORT_TYPE_OFFSET}.type_of(part);
    const auto ask = [&] {
        CLEAR_PROMPT_ROW(st);
        con::locate(con::Col(12), con::Row(22));
        con::print_string_item("対");
        con::print_string_item(st.NN(type));
        con::print_string_item("は何ユニット ?  (残り");
        con::print_single_item(st.PATROL_UNITS);
        con::print_string_item(")      ");
        con::print_end();
    };
    return con::store(morva::ask_count(ask, {70, 22, ""}, 0, L(st.PATROL_UNITS)));
}

/// Steps 3-6: the patrol against the escorts; false when the patrol is spent.
bool allocate_escorts(State& st) {
    if (L(st.W(RAID_ESCORTS)) < 1) {
        st.DE(RAID_ESCORTS) = 0;
        st.CB(1) = st.CB(0);
        return true;
    }
    const float least = least_number(st.W(RAID_ESCORTS), st.CB(0));
    if (!(L(st.PATROL_UNITS) > L(least))) {
        st.DE(RAID_ESCORTS) = st.PATROL_UNITS;
        st.CB(1) = 0;
        st.PATROL_UNITS = 0;
        nothing_for_the_rest(st, RAID_DIVE);
        return false;
    }
    const float n = ask_escorts(st, least);
    st.DE(RAID_ESCORTS) = n;
    st.PATROL_UNITS = con::store(L(st.PATROL_UNITS) - L(n));
    st.CB(1) = free_after(st.CB(0), n);
    if (st.PATROL_UNITS != 0) return true;
    nothing_for_the_rest(st, RAID_DIVE);
    return false;
}

/// Steps 7 and 8: the dive and torpedo bombers (asked also when the patrol has come down to 0),
/// then the units left against the heavy bombers.
void allocate_bombers(State& st) {
    for (int i = RAID_DIVE; i <= RAID_TORPEDO; ++i) {
        const float n = L(st.W(i)) < 1 ? 0.0f : ask_bombers(st, i);
        st.DE(i) = n;
        st.PATROL_UNITS = con::store(L(st.PATROL_UNITS) - L(n));
        st.CB(i + 1) = free_after(st.CB(i), n);
    }
    if (L(st.W(RAID_HEAVY)) > 0) {
        st.DE(RAID_HEAVY) = st.PATROL_UNITS;
        st.PATROL_UNITS = 0;
    } else {
        st.DE(RAID_HEAVY) = 0;
    }
}

}  // namespace

float least_number(float escorts, float aloft) {
    const con::real e = L(escorts), a = L(aloft);
    if (!(e > 3 * a)) return con::store(con::int_floor((e - L(0.5f)) / 3) + 1);
    const con::real n = con::int_floor((e - 3 * a - 1) / 2) + 1 + a;
    return n < 1 ? 1.0f : con::store(n);
}

Block PATROL_ALLOCATION(State& st) {
    if (st.PATROL_UNITS == 0) {
        nothing_for_the_rest(st, RAID_ESCORTS);
        return Block::RaidAirCombat;
    }
    con::print_at(con::Col(10), con::Row(20), "迎撃機を割り当ててください");
    con::print_end();
    if (allocate_escorts(st)) allocate_bombers(st);
    return Block::RaidAirCombat;
}

}  // namespace morva95s
