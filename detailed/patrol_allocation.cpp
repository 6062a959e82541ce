// MORVA95F: the combat air patrol's allocation against an Allied raid, as a rule apart from the
// screen: the raid's aircraft types, the patrol's split between high and low altitude, the
// fighters tied up by the escorts, the high group against the dive bombers, the low group
// against the torpedo bombers, the free fighters filling the gaps, the heavy bombers, and the
// final trim; and the passes that move aircraft carrier by carrier.
#include <utility>

#include "console/console.h"
#include "detailed/raid.h"

namespace morva95f {
namespace {

using con::int_floor;
using con::L;
using con::real;

/// The 4-byte constant that rounds a low share up from tenths of .4.
const real kShareRounding = L(0.6f);
/// The first US bomber type less one: part k of a US raid flies type 4 + k.
constexpr float kBomberTypeBase = 4;
/// The heavy bombers' type, whatever the raid's nationality.
constexpr float kHeavyBomberType = 7;
/// Objective bases held by the British at the start, and the single operation's scenario.
constexpr float kBritishFighterBase = 8;
constexpr float kBritishSpitfireBase = 20;
constexpr float kSingleOperation = 6;

/// Fighters not yet given a part: the free ones and those left in each altitude group.
struct Fighters {
    real free = 0, high = 0, low = 0;
    real all() const { return free + high + low; }
};

/// The fighters set against the three bomber parts so far.
struct Against {
    real dive = 0, torpedo = 0, heavy = 0;
};

/// Steps 13 and 14: the fighters tied up by the escorts into DE(0); returns the fighters left
/// to set against the bombers (0 when none are, or when the escorts take the whole patrol).
real against_escorts(const AllocationInput& in, real total, Allocation& a) {
    const real escorts = in.W[AIR_FIGHTERS];
    const real placed = a.CB[0];
    if (escorts < 1) {
        a.CB[1] = a.CB[0];  // the earlier patrol, split into altitudes below
        a.CB[0] = 0;
        a.DE[0] = 0;
        return total;
    }
    const real strength = total * 2 + placed;
    const real bomber_weight = L(in.W[AIR_DIVE_BOMBERS]) * 3 + L(in.W[AIR_TORPEDO_BOMBERS]) * 2;
    if (strength <= escorts) {
        a.DE[0] = con::store(total);
        return 0;
    }
    real needed = escorts <= placed * 3 ? int_floor((escorts - L(0.5f)) / 3) + 1
                                        : int_floor((escorts - placed * 3 - 1) / 2) + 1 + placed;
    if (needed < 1) needed = 1;
    if (total <= needed) {
        a.DE[0] = con::store(total);
        a.CB[1] = 0;
        return 0;
    }
    const real covered = bomber_weight + L(in.W[AIR_HEAVY_BOMBERS]) * 2 + needed * 3;
    real extra = covered < strength ? int_floor((strength - covered) / 6) : 0;
    if (extra < 1) extra = 0;
    a.DE[0] = con::store(needed + extra);
    a.CB[1] = con::store(placed - needed < 0 ? 0 : placed - needed);
    if (placed > L(a.DE[0])) a.CB[0] = a.DE[0];
    return total - L(a.DE[0]);
}

/// Step 17's first half: the high group against the dive bombers one for one, the low group
/// against the torpedo bombers at 1.5 bombers a fighter. Returns the bombers left of each.
std::pair<real, real> altitude_groups(const AllocationInput& in, Allocation& a, Fighters& f, Against& to) {
    const real dive = in.W[AIR_DIVE_BOMBERS];
    const real torpedo = in.W[AIR_TORPEDO_BOMBERS];
    real dive_left = 0, torpedo_left = 0;
    if (f.high <= dive) {
        to.dive = f.high;
        f.high = 0;
        dive_left = dive - to.dive;
    } else {
        to.dive = dive;
        f.high -= dive;
    }
    a.CB[1] = con::store(to.dive);
    if (f.low * 1.5L <= torpedo) {
        to.torpedo = f.low;
        f.low = 0;
        torpedo_left = torpedo - int_floor(to.torpedo * 1.5L);
    } else {
        to.torpedo = int_floor(torpedo * 2 / 3);  // a lone torpedo bomber draws no fighter
        f.low -= to.torpedo;
    }
    a.CB[2] = con::store(to.torpedo);
    return {dive_left, torpedo_left};
}

/// Step 18 with both parts left over: the free fighters in proportion, less a random 1-3 for
/// more than 8 against the dive bombers or more than 7 against the torpedo bombers.
void fill_both(real dive_left, real torpedo_left, Fighters& f, Against& to, const Draw& rnd) {
    const real d = dive_left * 1.5L;
    real a = int_floor(f.free * d / (d + torpedo_left));
    if (a > int_floor(d)) a = int_floor(d);
    real b = int_floor(f.free * torpedo_left / (d + torpedo_left));
    if (b > torpedo_left) b = torpedo_left;
    if (a > 8) a -= int_floor(L(rnd()) * 3 + 1);
    if (b > 7) b -= int_floor(L(rnd()) * 3 + 1);
    f.free -= a + b;
    to.dive += a;
    to.torpedo += b;
}

/// Step 18 with one part left over: free fighters and the other altitude group make it up.
void fill_one(real dive_left, real torpedo_left, Fighters& f, Against& to) {
    if (dive_left > 0) {
        const real wanted = int_floor(dive_left * 1.5L);
        if (f.free + f.low > dive_left * 1.5L) {
            to.dive += wanted;
            f.free = f.free - wanted + f.low;
        } else {
            to.dive += f.free + f.low;
            f.free = 0;
        }
        f.low = 0;
        return;
    }
    if (f.free + f.high >= torpedo_left) {
        to.torpedo += torpedo_left;
        if (f.free >= torpedo_left) {
            f.free -= torpedo_left;
        } else {
            f.high = f.high - torpedo_left + f.free;
            f.free = 0;
        }
    } else {
        to.torpedo += f.free + f.high;
        f.free = f.high = 0;
    }
}

/// Step 19: the heavy bombers, engaged only when a roll against the fighters left allows it.
void against_heavy(const AllocationInput& in, Allocation& a, Fighters& f, Against& to, const Draw& rnd) {
    const real heavy = in.W[AIR_HEAVY_BOMBERS];
    to.heavy = 0;
    a.CB[3] = 0;
    if (heavy < 1 || f.all() < 1) return;
    const real roll = L(rnd()) * 10;
    if (f.all() < roll) return;
    if (heavy > f.high) {
        to.heavy = f.high;
        a.CB[3] = con::store(f.high);
        f.high = 0;
        const real divisor = int_floor(L(rnd()) * 3) + 2;
        real m = int_floor((f.low + f.free) / divisor);
        if (m > 5) m -= int_floor(L(rnd()) * 3 + 1);
        to.heavy += m;
    } else {
        to.heavy = heavy;
        a.CB[3] = con::store(heavy);
    }
}

/// Steps 16 to 19: the fighters left after the escorts against the bombers.
Against against_bombers(const AllocationInput& in, Allocation& a, real split, const Draw& rnd) {
    Fighters f;
    Against to;
    f.free = L(in.scrambled) - L(a.DE[0]) + L(a.CB[0]);
    f.low = L(low_share(a.CB[1], con::store(split)));
    f.high = L(a.CB[1]) - f.low;
    a.CB[1] = a.CB[2] = a.CB[3] = 0;
    if (in.W[AIR_DIVE_BOMBERS] >= 1 || in.W[AIR_TORPEDO_BOMBERS] >= 1) {
        const auto [dive_left, torpedo_left] = altitude_groups(in, a, f, to);
        if (f.all() < 1) {
            a.CB[3] = 0;
            return to;
        }
        if (dive_left > 0 && torpedo_left > 0) {
            fill_both(dive_left, torpedo_left, f, to, rnd);
        } else if (dive_left >= 1 || torpedo_left >= 1) {
            fill_one(dive_left, torpedo_left, f, to);
            return to;
        }
    }
    against_heavy(in, a, f, to, rnd);
    return to;
}

}  // namespace

float RaidTypes::type_of(int k) const {
    if (k == AIR_FIGHTERS) return fighter_type;
    if (k == AIR_HEAVY_BOMBERS) return kHeavyBomberType;
    return con::store(kBomberTypeBase + k + L(offset));
}

RaidTypes raid_types(float scenario, float objective) {
    if (scenario == kSingleOperation) return {};
    if (objective == kBritishFighterBase) return {4, 8};
    if (objective == kBritishSpitfireBase) return {4, 9};
    return {};
}

float low_share(float n, float split) {
    const real c = split;
    const real tenths = c == 4 ? 5 : (c - 1) * 2 - 2 * int_floor(c / 4);
    return con::store(int_floor(L(n) * tenths / 10 + kShareRounding));
}

Allocation allocate_patrol(const AllocationInput& in, PartCounts CB, const Draw& rnd) {
    Allocation a{{}, CB};
    a.CB[0] = in.earlier;
    const real total = L(in.earlier) + L(in.scrambled);
    if (total <= 0) return a;
    Against to;
    if (against_escorts(in, total, a) >= 1) to = against_bombers(in, a, in.split, rnd);
    // The trim: the patrol is never overspent; the escorts' fighters are never taken back.
    while (L(a.DE[0]) + to.dive + to.torpedo + to.heavy > total && to.dive + to.torpedo + to.heavy > 0) {
        if (to.heavy > 0) {
            to.heavy -= 1;
        } else if (to.dive > 0) {
            to.dive -= 1;
        } else {
            to.torpedo -= 1;
        }
    }
    a.DE[1] = con::store(to.dive);
    a.DE[2] = con::store(to.torpedo);
    a.DE[3] = con::store(to.heavy);
    return a;
}

long move_in_passes(long slots, long wanted, const std::function<bool(long)>& take_one) {
    long moved = 0;
    while (moved < wanted) {
        const long before = moved;
        for (long j = 1; j <= slots && moved < wanted; ++j)
            if (take_one(j)) ++moved;
        if (moved == before) break;  // nothing left to move: the counts fell short
    }
    return moved;
}

}  // namespace morva95f
