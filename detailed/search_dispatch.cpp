// MORVA95F: the hour's search-plane launches, SAKUTEKI: the player's launch dialogue (the
// shadowers' fuel, how many planes, each plane's heading, the relief of a shadower and the
// range) and the Allied search plan of the target base and the task forces.
#include "campaign/dialogue.h"
#include "console/console.h"
#include "detailed/routines.h"
#include "detailed/search_planes.h"

namespace morva95f {
namespace {

using con::L;
using con::real;

/// The columns that the dialogue's rows 20-23 blank, from column 10.
constexpr int kDialogueWidth = 68;
/// Ranges of a search in map units: 300 and 450 nautical miles.
constexpr int kShortFlight = 1;
constexpr int kLongFlight = 2;

void CLEAR_SEARCH_PROMPT() { con::print_at(con::Col(10), con::Row(20), con::space_string(kDialogueWidth)); }

void CLEAR_SEARCH_ROWS() {
    for (int row = 21; row <= 23; ++row) con::print_at(con::Col(10), con::Row(row), con::space_string(kDialogueWidth));
    CLEAR_SEARCH_PROMPT();
}

float& search_plane(State& st, int s, int n, int field) { return st.ST(s, n, field); }

// --- A. Whether the player may launch ---

/// A carrier of fleet f with a flight deck above 7 and a durability above 1.
bool carrier_can_fly(const State& st, float f) {
    const long carriers = con::round_half_away(st.CV(0, f));
    for (long j = 1; j <= carriers; ++j) {
        const float i = st.C(0, f, j);
        if (st.A(0, i, A_FLIGHT_DECK) > 7 && st.A(0, i, A_DURABILITY) > 1) return true;
    }
    return false;
}

/// Whether one more 450-nautical-mile flight may go out: fewer are out than the day's extra
/// planes allow.
bool long_flight_free(const State& st) {
    return st.ST(ST_BASE, ST_COUNTERS, ST_STATUS) < st.ST(ST_OWN, ST_COUNTERS, ST_STATUS);
}

long ready_planes(const State& st) {
    long ready = 0;
    for (int n = 1; n <= kSearchPlanes; ++n)
        if (st.ST(ST_OWN, n, ST_STATUS) == ST_READY) ++ready;
    return ready;
}

// --- B. The shadowers' fuel ---

/// The line of the shadow report for task force k: k itself in practice mode, else its place
/// in the contact list; 0 when it is not listed (no line).
int report_line(const State& st, int k) {
    if (st.TT(TT_PRACTICE) == 1) return k;
    for (int i = 1; i <= 3; ++i)
        if (st.J(i) == k) return i;
    return 0;
}

void shadow_report(State& st) {
    for (int k = 1; k <= 3; ++k) {
        const float p = st.SK(k);
        const int line = report_line(st, k);
        if (p < 1 || line == 0) continue;
        con::locate(con::Col(0), con::Row(line + 1));
        // The warning comes an hour before the shadower reports itself short of fuel.
        const real warning = con::L(shadow_limit(st.PK(k))) - 50;
        print_shadow_news(line, p,
                          st.ST(ST_OWN, p, ST_DISTANCE) < warning ? ShadowNews::OnStation : ShadowNews::ShortOfFuel);
    }
}

// --- C and D. Whether and how many ---

bool ask_search_launch(State& st, long ready) {
    const std::string count = "現在 索敵機は" + con::format_single(static_cast<float>(ready)) + "機 使用可能です";
    return morva::ask_yes_no(st.DIALOGUE_KEY,
                             {{10, 20, morva::kColourInForce, con::space_string(kDialogueWidth)},
                              {14, 21, 6, count},
                              {10, 20, 7, "索敵機を発進させますか ?  Hit Y - N  Key"}},
                             morva::kYes, morva::kNo, morva::Shown::BeforeEachKey);
}

/// The number of planes to launch, a whole number from 0 to the ready count. An empty answer,
/// and any other number, is asked again: a negative or fractional count would never count down
/// to 0 and would send every ready plane.
long ask_launch_count(long ready) {
    for (;;) {
        CLEAR_SEARCH_PROMPT();
        con::print_at(con::Col(10), con::Row(20), "何機発進させますか ?");
        const std::string answer = read_line_at(40, 20);
        if (answer.empty()) continue;
        const real n = con::val(answer);
        if (n < 0 || n > ready || n != con::int_floor(n)) continue;
        return static_cast<long>(n);
    }
}

// --- E. Each plane ---

/// The heading of plane n, 0-359 (a fraction as typed).
float ask_search_heading(int n) {
    CLEAR_SEARCH_ROWS();
    for (;;) {
        con::locate(con::Col(10), con::Row(20));
        con::print_single_item(static_cast<float>(n));
        con::print_string_item("号機  飛行方向は ?   0 - 359 ");
        const std::string answer = read_line_at(48, 20);
        if (answer.empty()) continue;
        const real h = con::val(answer);
        if (h >= 0 && h <= 359) return con::store(h);
    }
}

/// The first task force on heading h whose watch a plane could take over: in sight or
/// shadowed, and near enough for a short flight unless a long one is free. 0 when none.
int relief_candidate(const State& st, float h) {
    for (int k = 1; k <= 3; ++k)
        if (st.PD(k) == h && st.H(k) > 3 && (st.PK(k) < 101 || long_flight_free(st))) return k;
    return 0;
}

/// The relief question for the task force on the plane's heading; true for a relief flight.
bool ask_relief(State& st) {
    const std::string key = morva::ask_key(
        st.DIALOGUE_KEY,
        {{10, 20, morva::kColourInForce, "1. 敵艦隊上空監視機の交代  OR  2. 別の艦隊を策敵  Hit 1 - 2 Key"}}, "12");
    return key == "1";
}

int ask_range(State& st) {
    const std::string key = morva::ask_key(
        st.DIALOGUE_KEY,
        {{14, 21, morva::kColourInForce, "３００浬 (560Km) 飛行時間 往復５時間"},
         {14, 22, morva::kColourInForce, "４５０浬 (840Km) 飛行時間 往復７時間"},
         {10, 20, morva::kColourInForce, "進出距離は ?  1. ３００浬  OR  2. ４５０浬  Hit 1 - 2 Key      "}},
        "12");
    return key == "1" ? kShortFlight : kLongFlight;
}

/// The range of a flight: short while no long flight is free; a relief flight's by the
/// distance of its task force k where that decides; otherwise asked.
int flight_range(State& st, int relief_of) {
    if (!long_flight_free(st)) return kShortFlight;
    if (relief_of != 0 && st.PK(relief_of) > 100) return kLongFlight;
    if (relief_of != 0 && st.PK(relief_of) < 81) return kShortFlight;
    return ask_range(st);
}

void launch_own_plane(State& st, int n) {
    const float h = ask_search_heading(n);
    search_plane(st, ST_OWN, n, ST_X) = st.PZ(0, PZ_X);
    search_plane(st, ST_OWN, n, ST_Y) = st.PZ(0, PZ_Y);
    search_plane(st, ST_OWN, n, ST_HEADING) = h;
    search_plane(st, ST_OWN, n, ST_RANGE) = 0;
    int relief_of = 0;
    if (const int k = relief_candidate(st, h); k != 0 && ask_relief(st)) {
        search_plane(st, ST_OWN, n, ST_RANGE) = kReliefFlight;
        relief_of = k;
    }
    const int c = flight_range(st, relief_of);
    if (c == kLongFlight) {
        float& out = st.ST(ST_BASE, ST_COUNTERS, ST_STATUS);
        out = con::store(L(out) + 1);
    }
    search_plane(st, ST_OWN, n, ST_STATUS) = ST_OUTBOUND;
    search_plane(st, ST_OWN, n, ST_DISTANCE) = 0;
    search_plane(st, ST_OWN, n, ST_RANGE) = con::store(L(st.ST(ST_OWN, n, ST_RANGE)) + 50 * c + 50);
}

/// B to F: the player's launches.
void player_launches(State& st, long ready) {
    FLUSH_KEYBOARD(st);
    shadow_report(st);
    if (!ask_search_launch(st, ready)) return;
    long countdown = ask_launch_count(ready);
    if (countdown == 0) return;
    for (int n = 1; n <= kSearchPlanes; ++n) {
        if (st.ST(ST_OWN, n, ST_STATUS) != ST_READY) continue;
        launch_own_plane(st, n);
        if (--countdown == 0) return;
    }
}

// --- G. The Allied search plan ---

/// The offset of plane n in the fan laid on the reciprocal of the last known bearing: with
/// divisor 2 pairs at 0, +15, -15, +30, -30 and a drawn side of 45; with divisor 4 fours at
/// 0, +15 and -15.
real fan_offset(int n, int m) {
    if (m == 4) return n <= 4 ? 0 : n <= 8 ? 15 : -15;
    static constexpr real kPairs[] = {0, 15, -15, 30, -30};
    if (n <= 10) return kPairs[(n - 1) / 2];
    return 45 - 90 * con::int_floor(L(con::rnd()) * 2);
}

/// The heading of plane n of source s: the base's fixed fans before contact near bases 21, 19
/// and 12, the whole compass before the fleet was found, else a fan on the reciprocal of the
/// centre c.
float allied_heading(State& st, int s, int n, float c, int m) {
    const float b = st.AT(st.TT(TT_FLEET));
    const real offset = st.HX(0);
    if (s == ST_BASE && st.H(H_ON_FLEET) < 1) {
        if (b == 21) return con::store(155 + 16 * (n - 1) + con::int_floor(offset / 2));
        if (b == 19) return con::store(150 + 13 * (n - 1) + con::int_floor(offset / 2));
        if (b == 12) return con::store(con::mod(215 + 20 * (n - 1) + con::int_floor(4 * offset / 5), 360));
    }
    if (st.H(H_ON_FLEET) < 0) return con::store(30 * (n - 1) + offset);
    return con::store(con::mod(L(c) + fan_offset(n, m) + offset / 5 + 178, 360));
}

/// The base's range on a heading: 450 nautical miles before contact or far from the fleet,
/// cut to 300 on the headings its bombers cannot cover and when it has no heavy bombers.
float base_range(const State& st, float heading) {
    const float b = st.AT(st.TT(TT_FLEET));
    const float h = heading;
    const bool cut = (b == 20 && h > 310) || (b == 13 && h > 280 && h < 300) || (b == 10 && h > 280 && h < 310) ||
                     (b == 8 && h > 230 && h < 270) || st.P(b, P_BOMBER_FACTOR) == 0;
    if (cut) return 100;
    return st.H(H_ON_FLEET) < 1 || st.PK(0) > 85 ? 150.0f : 100.0f;
}

/// Steps 6.1-6.6 for plane n of source s.
void plan_allied_plane(State& st, int s, int n, float c, int m) {
    const float b = st.AT(st.TT(TT_FLEET));
    const bool base = s == ST_BASE;
    search_plane(st, s, n, ST_X) = base ? 0.0f : st.PZ(s - 1, PZ_X);
    search_plane(st, s, n, ST_Y) = base ? 0.0f : st.PZ(s - 1, PZ_Y);
    if (!base && b == 19 && st.PZ(s - 1, PZ_Y) < -95) return;
    if (con::mod(st.TT(TT_SUBTURN), m) != con::mod(n, m)) return;
    const float heading = allied_heading(st, s, n, c, m);
    search_plane(st, s, n, ST_HEADING) = heading;
    if (base && b == 13 && heading > 300 && heading < 330) return;
    search_plane(st, s, n, ST_STATUS) = ST_OUTBOUND;
    search_plane(st, s, n, ST_DISTANCE) = 0;
    search_plane(st, s, n, ST_RANGE) = base ? base_range(st, heading) : 100.0f;
}

/// Whether source s searches this hour (steps 2 and 3; the draw of step 2 is always made).
bool source_searches(State& st, int s) {
    const float f = st.TT(TT_FLEET);
    const float b = st.AT(f);
    const real r = con::rnd();
    const float strike = st.TT(TT_HARBOUR_STRIKE);
    if ((strike == 0 && 10 * r > 8 && st.H(H_ON_FLEET) < 0 && s > 1) || (strike == 1 && st.HW(HW_BASE_STRUCK) == 0))
        return false;
    const bool first_turn_guard = st.TT(TT_TURN) == 1 && st.TT(TT_BASE_STRUCK) == 0 && (b == 6 || b == 9);
    return !((s > 1 && st.SS(s - 1) < 1) || (s == 1 && st.P(b, P_STRENGTH) < 1) || first_turn_guard);
}

void plan_source(State& st, int s) {
    const bool contact = st.H(H_ON_FLEET) > 0;
    if (contact) st.HX(s) = st.PD(s - 1);
    if (st.H(H_ON_FLEET) > 3) return;  // a base plane has the fleet: no more search
    if (!source_searches(st, s)) return;
    if (con::mod(st.TT(TT_SUBTURN), 2) == 1) st.HX(0) = con::store(5 * con::int_floor(L(con::rnd()) * 6));
    const float c = contact ? st.PD(s - 1) : st.HX(s);
    const int m = contact ? 4 : 2;
    for (int n = 1; n <= kSearchPlanes; ++n)
        if (st.ST(s, n, ST_STATUS) == ST_READY) plan_allied_plane(st, s, n, c, m);
}

void allied_search_plan(State& st) {
    CLEAR_SEARCH_ROWS();
    for (int s = ST_BASE; s <= ST_TASK_FORCE + 3; ++s) plan_source(st, s);
    for (int row = 2; row <= 4; ++row) con::print_at(con::Col(0), con::Row(row), con::space_string(36));
}

}  // namespace

void SAKUTEKI(State& st) {
    const long ready = ready_planes(st);
    if (carrier_can_fly(st, st.TT(TT_FLEET)) && ready > 0) player_launches(st, ready);
    allied_search_plan(st);
}

}  // namespace morva95f
