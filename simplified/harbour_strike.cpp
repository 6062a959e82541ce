// MORVA95S: KOGEKI5, the harbour strike of the harbour turn on the eight battleships moored in
// harbour: the list of the ships, the dive bombers' sweeps along the line (hits count on the
// harbour and wear its guns down), the harbour's anti-aircraft fire, the torpedo bombers'
// sweeps, and the table of the ships' durability.
#include "campaign/damage_rounding.h"
#include "console/console.h"
#include "simplified/air_units.h"
#include "simplified/carrier_dialogues.h"
#include "simplified/strikes.h"

namespace morva95s {

using con::L;

namespace {

constexpr int kHarbourHeadingColour = 6;
constexpr int kListColumn = 50;
constexpr int kHitColumn = 68;
constexpr int kTableColumn = 69;
/// The harbour, its guns and its hits: base 18 and the battleships facing air fleet 1.
constexpr int kHarbour = 18;
constexpr int kHarbourFleet = 1;
/// Attacks per unit of a strike arriving before sub-turn 8, and of a later one.
constexpr int kEarlyAttacks = 3;
constexpr int kLateAttacks = 2;
constexpr int kLateSubturn = 8;
/// The most sweeps along the line. A sweep passes a ship over only while it is below 0 and
/// then only on four draws in five, so every sweep of a strike is near certain to attack; the
/// bound only ends a run of draws that never stops.
constexpr int kMaxSweeps = 10000;

int row_of(long slot) { return 13 + static_cast<int>(slot); }

float ship_of(const State& st, long slot) { return st.G(ALLIED, kHarbourFleet, slot); }

float& slot_durability(State& st, long slot) { return st.A(ALLIED, ship_of(st, slot), A_DURABILITY); }

/// The pass-over test with its own draw: a ship below 0 (not at 0) is passed over on a draw
/// above 2 in tenths.
bool passed_over(State& st, long slot, const Draw& rnd) {
    const con::real draw = L(rnd());
    return L(slot_durability(st, slot)) < 0 && draw * 10 > 2;
}

/// The attacks per unit of the strike in the sub-turn TT_SUBTURN.
int attacks_per_unit(const State& st) { return L(st.TT(TT_SUBTURN)) < kLateSubturn ? kEarlyAttacks : kLateAttacks; }

/// The sweeps of `units` units along the line: the attack counter counts every ship attacked
/// (misses included); `hit` draws and books the hit die's outcome of one attack and returns
/// the hit's colour, or 0 for a miss.
template <typename Hit>
std::vector<HarbourEvent> sweeps(State& st, float units, const Draw& rnd, Hit hit) {
    std::vector<HarbourEvent> events;
    const con::real attacks = L(units) * attacks_per_unit(st);
    con::real counter = 0;
    for (int sweep = 0; sweep < kMaxSweeps; ++sweep) {
        events.push_back({HarbourEvent::Kind::Sweep});
        int colour = 2;
        for (long j = 1; j <= kMooredBattleships; ++j) {
            if (passed_over(st, j, rnd)) continue;
            counter += 1;
            if (counter > attacks) return events;
            if (const int c = hit(j, colour)) events.push_back({HarbourEvent::Kind::Hit, j, c});
        }
    }
    return events;
}

void count_harbour_hit(State& st) { st.HW(1) = con::store(L(st.HW(1)) + 1); }

/// The ships' names in the colour in force, rows 14-21.
void ship_list(const State& st) {
    for (long j = 1; j <= kMooredBattleships; ++j) {
        con::print_at(con::Col(kListColumn), con::Row(row_of(j)), st.MM(ALLIED, ship_of(st, j)));
        con::print_end();
    }
}

/// The sweeps on the screen: a heading per sweep, a message per hit with the wait after it.
void show_sweeps(const State& st, const std::vector<HarbourEvent>& events, int type, const char* text, con::real wait) {
    for (const HarbourEvent& e : events) {
        if (e.kind == HarbourEvent::Kind::Sweep) {
            con::color(kHarbourHeadingColour);
            print_row(kListColumn, 11, st.NN(type), " の攻撃");
            con::print_end();
            continue;
        }
        con::locate(con::Col(kHitColumn), con::Row(row_of(e.slot)));
        con::color(e.colour);
        con::print_string_item(text);
        if (type == KO_DIVE) con::print_end();
        con::wait_ticks(wait);
    }
}

/// Step 6: each ship's durability made whole, then its row redrawn in the colour of its state.
void ship_table(State& st) {
    for (long j = 1; j <= kMooredBattleships; ++j) {
        const float ship = ship_of(st, j);
        float& d = slot_durability(st, j);
        const bool sunk = !(L(d) > 0);
        d = morva::rounded_durability(d);
        const int colour = sunk ? 2 : (L(d) < L(st.A(ALLIED, ship, A_FULL_DURABILITY)) ? 6 : 3);
        con::print_at(con::Col(kListColumn), con::Row(row_of(j)), con::space_string(29));
        con::color(colour);
        con::print_at(con::Col(kListColumn), con::Row(row_of(j)), st.MM(ALLIED, ship));
        print_row(kTableColumn, row_of(j), d, "/", st.A(ALLIED, ship, A_FULL_DURABILITY));
    }
}

}  // namespace

std::vector<HarbourEvent> harbour_dive_attack(State& st, const Draw& rnd) {
    return sweeps(st, st.KO(KO_DIVE), rnd, [&](long, int& colour) {
        if (hit_die(rnd) > 4) return 0;
        const con::real guns = L(rnd());
        float& aa = st.P(kHarbour, P_AIR_DEFENCE);
        if (guns * 10 > 4 && L(aa) > 0) aa = con::store(L(aa) - 1);
        count_harbour_hit(st);
        const int shown = colour;
        colour = colour + 1 == 7 ? 2 : colour + 1;
        return shown;
    });
}

std::vector<HarbourEvent> harbour_torpedo_attack(State& st, const Draw& rnd) {
    return sweeps(st, st.KO(KO_TORPEDO), rnd, [&](long j, int& colour) {
        if (hit_die(rnd) > 3) return 0;
        float& d = slot_durability(st, j);
        d = con::store(L(d) - 1);
        colour += 1;
        if (L(rnd()) * 10 > 5) count_harbour_hit(st);
        return colour % 7 + 1;
    });
}

void KOGEKI5(State& st) {
    const con::real wait = con::int_floor(L(st.TT(TT_WAIT)) / 10);
    ship_list(st);
    if (L(st.KO(KO_DIVE)) >= 1) show_sweeps(st, harbour_dive_attack(st, con::rnd), KO_DIVE, "爆弾命中", wait);
    if (L(st.KO(KO_TORPEDO)) >= 1) {
        st.TT(TT_AA_SHOTS) = harbour_aa_shots(st.P(kHarbour, P_AIR_DEFENCE));
        TAIKU(st);
    }
    if (L(st.KO(KO_TORPEDO)) >= 1) show_sweeps(st, harbour_torpedo_attack(st, con::rnd), KO_TORPEDO, "魚雷命中", wait);
    ship_table(st);
}

}  // namespace morva95s
