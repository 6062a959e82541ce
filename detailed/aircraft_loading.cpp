// MORVA95F: the aircraft-loading dialogue that ends HENSEI when the player decides the aircraft
// types: each fleet's fighters and dive bombers asked within their limits, the torpedo bombers
// filling the rest, and the numbers spread over the fleet's carriers.
#include "campaign/dialogue.h"
#include "console/console.h"
#include "detailed/organisation.h"

namespace morva95f {
namespace {

// The loading work table: entries 1-3 the reserve left of each type, 4 and 5 the fighters
// and dive bombers taken for the fleet in hand.
using WorkTable = con::Table<float, 6>;

void print_figure_at(int col, int row, const char* format, con::real v) {
    con::locate(con::Col(col), con::Row(row));
    con::print_using_start(format);
    con::print_using_double(v);
    con::print_using_end(false);
}

bool has_carriers(const State& st, int f) { return st.E(E_CARRIER_SLOTS + f) >= 2; }

con::real half_of(con::real total) { return con::int_floor(total / 2); }

// The most the player may take of type t for fleet f now.
con::real limit_of(const FleetTotals& totals, const WorkTable& work, int f, int t) {
    con::real limit = half_of(con::L(totals.total(f)));
    if (limit > con::L(work(t))) limit = con::L(work(t));
    if (limit > con::L(totals.unassigned(f))) limit = con::L(totals.unassigned(f));
    return limit;
}

// The player's number of type t (1 or 2) for fleet f. Refused and asked again: more than the
// limit, and (made safe on purpose) a number below 0 or with a fraction, which would put
// impossible aircraft into the carriers' air groups.
con::real ask_number(State& st, int f, int t, con::real limit) {
    const auto ask = [&] {
        con::print_at(con::Col(23), con::Row(22), con::space_string(56));
        con::print_at(con::Col(24), con::Row(23), con::space_string(18));
        con::print_at(con::Col(24), con::Row(19), con::space_string(30));
        con::print_at(con::Col(23), con::Row(22), " 第");
        con::print_single_item(static_cast<float>(f));
        con::print_string_item("艦隊  ");
        con::print_string_item(st.NX(t));
        con::print_string_item(" は何機搭載しますか ?");
        con::locate(con::Col(24), con::Row(23));
        con::print_double_item(limit);
        con::print_string_item("機までです");
    };
    return morva::ask_number(ask, {68, 22, ""}, 0, limit);
}

void take(State& st, FleetTotals& totals, WorkTable& work, int f, int t, con::real n) {
    work(t) = con::store(con::L(work(t)) - n);
    totals.unassigned(f) = con::store(con::L(totals.unassigned(f)) - n);
    print_figure_at(32 + 5 * t, 16 + f, "###", n);
    spread_aircraft(st, f, t, con::store(n));
}

// One fleet's mix; false when its torpedo remainder breaks the limits (the dialogue restarts).
bool load_fleet(State& st, FleetTotals& totals, WorkTable& work, int f) {
    const con::real total = con::L(totals.total(f));
    totals.unassigned(f) = totals.total(f);
    work(4) = 0;
    work(5) = 0;
    con::print_at(con::Col(44), con::Row(23), con::space_string(35));
    con::print_at(con::Col(44), con::Row(23), "(第");
    con::print_single_item(static_cast<float>(f));
    con::print_string_item("艦隊搭載機総数は");
    con::print_single_item(totals.total(f));
    con::print_string_item("機です)");
    for (int t = 1; t <= 3; ++t) {
        const con::real limit = limit_of(totals, work, f, t);
        if (t == 3) {
            if (con::L(work(4)) + con::L(work(5)) + limit != total) return false;
            take(st, totals, work, f, t, limit);
        } else {
            const con::real n = ask_number(st, f, t, limit);
            work(t + 3) = con::store(n);
            take(st, totals, work, f, t, n);
        }
    }
    return true;
}

}  // namespace

void load_aircraft_types(State& st, FleetTotals& totals) {
    con::color(5);
    con::print_at(con::Col(51), con::Row(16), "合計");
    con::color(6);
    print_figure_at(52, 17, "###", con::L(totals.total(1)));
    if (has_carriers(st, 2)) print_figure_at(52, 18, "###", con::L(totals.total(2)));
    // Made safe on purpose: when no answers can fill the fleets, the dialogue would start again
    // for ever; it asks nothing, the carriers keep their standard groups, and the caller's
    // reserve check refuses the organisation (the standard groups keep every type within half
    // of each carrier's capacity, so those groups then need more than the reserve holds).
    const std::array<con::real, 2> fleets{has_carriers(st, 1) ? con::L(totals.total(1)) : 0,
                                          has_carriers(st, 2) ? con::L(totals.total(2)) : 0};
    if (!loads_can_be_filled(fleets,
                             {con::L(st.V(1, V_RESERVE)), con::L(st.V(2, V_RESERVE)), con::L(st.V(3, V_RESERVE))}))
        return;
    WorkTable work;
    for (;;) {
        con::print_at(con::Col(37), con::Row(17), con::space_string(14));
        con::print_at(con::Col(37), con::Row(18), con::space_string(14));
        for (int t = 1; t <= 3; ++t) work(t) = st.V(t, V_RESERVE);
        con::color(6);
        bool done = true;
        for (int f = 1; f <= 2 && done; ++f)
            if (has_carriers(st, f)) done = load_fleet(st, totals, work, f);
        if (done) return;
    }
}

void spread_aircraft(State& st, int fleet, int type, float n) {
    const long m = con::round_half_away(con::L(st.E(E_CARRIER_SLOTS + fleet))) - 1;
    con::real capacity_sum = 0;
    for (long k = 1; k <= m; ++k) capacity_sum += con::L(st.A(0, st.C(0, fleet, k), A_CAPACITY));
    con::real left = con::L(n);
    for (long k = m; k >= 2; --k) {
        const float ship = st.C(0, fleet, k);
        con::real share = 0;
        if (type < 3)
            share = con::int_floor(con::L(n) * con::L(st.A(0, ship, A_CAPACITY)) / capacity_sum + con::L(0.5f));
        else
            share = con::L(st.A(0, ship, A_CAPACITY)) - con::L(st.A(0, ship, A_LOADED_FIGHTERS)) -
                    con::L(st.A(0, ship, A_LOADED_DIVE_BOMBERS));
        // Made safe on purpose: no share below 0 and none above what is still unassigned, so
        // that slot 1's remainder cannot fall below 0 (shares the formula already keeps within
        // these bounds are unchanged).
        if (share < 0) share = 0;
        if (share > left) share = left;
        st.A(0, ship, A_LOADED_FIGHTERS + type - 1) = con::store(share);
        left -= share;
    }
    st.A(0, st.C(0, fleet, 1), A_LOADED_FIGHTERS + type - 1) = con::store(left);
}

bool loads_can_be_filled(const std::array<con::real, 2>& totals, const std::array<con::real, 3>& reserves) {
    for (con::real r : reserves)
        if (r < 0) return false;
    // The fleets draw their types from the reserves, at most INT(total / 2) of a type each: the
    // totals can be met exactly when every cut of that flow holds them, that is for every set
    // S of fleets and set U of types, the totals of S <= the reserves of U + each fleet of S's
    // half for every type outside U.
    for (int fleets = 0; fleets < 4; ++fleets)
        for (int types = 0; types < 8; ++types) {
            con::real need = 0, room = 0;
            for (int f = 0; f < 2; ++f) {
                if (!(fleets & (1 << f))) continue;
                need += totals[f];
                for (int t = 0; t < 3; ++t)
                    if (!(types & (1 << t))) room += half_of(totals[f]);
            }
            for (int t = 0; t < 3; ++t)
                if (types & (1 << t)) room += reserves[t];
            if (need > room) return false;
        }
    return true;
}

}  // namespace morva95f
