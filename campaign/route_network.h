// The route network between the bases and the attack prerequisites: SHOZOKU (may a base be
// attacked?) and MAPS (the routes over the strategic map), which both games run unchanged on
// their own parameter vector and base table.
#pragma once
#include <span>

#include "campaign/shared_slots.h"
#include "campaign/ship_and_base_counts.h"
#include "console/console.h"

namespace morva {

/// The queries 1-16 of the route network, one per target base (base = query + 5).
inline constexpr int kBaseQueries = kBases - kFirstTargetBase + 1;

/// The prerequisite bases of query q (base q + 5); empty for queries 1-4 (bases 6-9), which
/// may always be attacked, and for a query that names no base.
std::span<const int> prerequisite_bases(long query);

/// Draws the segments of route 1-27 in a graphics colour.
void draw_route(int route, int colour);
/// The far-end base of route 10-27, whose state sets its colour.
int route_far_base(int route);

/// SHOZOKU: `TT_ATTACKABLE` = 1 when every prerequisite base of the base `TT_BASE_QUERY` + 5
/// is Japanese-held (their holder codes add up to 0), else 0. The query is made whole
/// (halves away from zero). A query outside 1-16 names no base and answers 0.
template <typename ParamVector, typename BaseTable>
void SHOZOKU(ParamVector& TT, const BaseTable& P) {
    const long query = con::round_half_away(con::L(TT(TT_BASE_QUERY)));
    if (query < 1 || query > kBaseQueries) {
        TT(TT_ATTACKABLE) = 0;
        return;
    }
    con::real sum = 0;
    for (int b : prerequisite_bases(query)) sum += con::L(P(b, P_HOLDER));
    TT(TT_ATTACKABLE) = sum == 0 ? 1.0f : 0.0f;
}

/// MAPS: draws the 27 routes over the strategic map, each coloured by its far base (11 cyan
/// Japanese-held, 13 yellow may be attacked, 7 magenta not yet reachable), then blacks out the
/// corner (0,0)-(260,90) for the caller's heading. Overwrites `TT_BASE_QUERY` and
/// `TT_ATTACKABLE`.
template <typename ParamVector, typename BaseTable>
void MAPS(ParamVector& TT, const BaseTable& P) {
    auto held = [&P](int b) { return P(b, P_HOLDER) == 0; };
    auto ask = [&](int query) {
        TT(TT_BASE_QUERY) = static_cast<float>(query);
        SHOZOKU(TT, P);
        return con::L(TT(TT_ATTACKABLE));
    };
    for (int r = 1; r <= 3; ++r) draw_route(r, 11);
    draw_route(4, held(9) ? 11 : 13);
    draw_route(5, 11);
    draw_route(6, static_cast<int>(13 - 2 * ask(7)));
    draw_route(7, held(8) ? 11 : 13);
    draw_route(8, static_cast<int>(13 - 2 * ask(6)));
    draw_route(9, P(6, P_HOLDER) > 0 ? 7 : static_cast<int>(13 - 2 * ask(10)));
    // Routes 10-27: the colour of a far base is found once for its routes, which follow
    // one another in the table.
    int colour = 0, far = 0;
    for (int r = 10; r <= 27; ++r) {
        if (route_far_base(r) != far) {
            far = route_far_base(r);
            colour = held(far) ? 11 : static_cast<int>(7 + 6 * ask(far - 5));
        }
        draw_route(r, colour);
    }
    con::draw_line(0, 0, 260, 90, 0, con::Shape::FilledBox);
}

}  // namespace morva
