// Fuzz targets of the two campaign games' save files: the bytes as MORDATAF.DAT or
// MORDATAS.DAT, loaded by the game's own loader into a state fresh from the start-up. A load
// either fails as a missing file and leaves the campaign as it was, or commits values within
// the ranges the game writes; a committed campaign saved again loads again to the same file.
#include <array>
#include <cmath>

#include "detailed/blocks.h"
#include "detailed/routines.h"
#include "detailed/save_file.h"
#include "simplified/blocks.h"
#include "simplified/routines.h"
#include "simplified/save_file.h"
#include "tests/fuzz/fuzz_support.h"

namespace fuzz {
namespace {

bool whole(float v, float low, float high) { return std::isfinite(v) && v == std::floor(v) && v >= low && v <= high; }

// The tables a load may write: to compare a state with the one before the load, and to put
// a state back to the start-up's values before the next input.
template <typename State>
struct Campaign {
    explicit Campaign(const State& st)
        : TT(st.TT), A(st.A), P(st.P), V(st.V), HW(st.HW), counts{st.TURN_NO, st.ALLIED_CV_SUNK, st.ALLIED_BB_SUNK} {
        if constexpr (requires { st.VS; }) losses = st.VS.raw();
    }
    void put_back(State& st) const {
        st.TT = TT, st.A = A, st.P = P, st.V = V, st.HW = HW;
        st.TURN_NO = counts[0], st.ALLIED_CV_SUNK = counts[1], st.ALLIED_BB_SUNK = counts[2];
        if constexpr (requires { st.VS; }) st.VS.raw() = losses;
    }
    decltype(State::TT) TT;
    decltype(State::A) A;
    decltype(State::P) P;
    decltype(State::V) V;
    decltype(State::HW) HW;
    std::array<float, 3> counts;
    std::array<float, 14> losses{};
    bool operator==(const Campaign&) const = default;
};

// One state of each game for the whole run, as the start-up leaves it (MENU), put back to
// that before each input.
template <typename State>
struct Fresh {
    Fresh() : st(new State()), start((MENU(*st), *st)) {}
    State& ready() {
        start.put_back(*st);
        return *st;
    }
    State* st;
    Campaign<State> start;
};

// What every loaded campaign of both games holds, said apart from the loader's own checks:
// ships within their durability and service turns, bases with a holder and whole strength, a
// reserve of whole aircraft or units that is not below 0. A durability is at most the full
// one and not below 0, but for the Japanese carriers (ships 1-21) of a game whose raids leave
// hits on sunk carriers as they fell (the simplified game), which go down to
// `least_sunk_carrier` and no further.
template <typename State>
void check_shared_ranges(const State& st, const Campaign<State>& start, float least_sunk_carrier) {
    for (int s = 0; s <= 1; ++s)
        for (int j = 1; j <= 42; ++j) {
            const float d = st.A(s, j, 0);
            check(std::isfinite(d) && d <= start.A(s, j, 1), "a durability at most the full durability");
            check(d >= least_sunk_carrier, "a durability not below the least a raid leaves");
            if (least_sunk_carrier < 0 && s == 0 && j <= 21) continue;
            check(d >= 0, "a durability not below 0");
            if (s == 1 || j <= 33) check(whole(st.A(s, j, 8), 1, 13), "a first turn 1-13");
        }
    for (int b = 1; b <= 21; ++b) {
        check(whole(st.P(b, 1), 0, 2), "a base holder 0-2");
        check(whole(st.P(b, 2), -1e6f, 1e6f), "a whole base strength");
        check(st.P(b, 1) == 0 || st.P(b, 2) >= 1, "an Allied base keeps some strength");
        for (int c = 3; c <= 4; ++c) check(st.P(b, c) == start.P(b, c), "the planning columns unchanged");
    }
    for (int t = 1; t <= 3; ++t) check(whole(st.V(t, 0), 0, 1e6f), "a whole reserve not below 0");
}

// MORVA95F: the load as the start-up makes it (the turn and the sunk counts taken from TT).
bool detailed_load(morva95f::State& st) {
    if (!taken([&] { morva95f::YOMIKOMI(st); })) return false;
    st.TURN_NO = st.TT(morva95f::TT_TURN);
    st.ALLIED_CV_SUNK = st.TT(morva95f::TT_ALLIED_CV_SUNK);
    st.ALLIED_BB_SUNK = st.TT(morva95f::TT_ALLIED_BB_SUNK);
    return true;
}

void check_detailed_ranges(const morva95f::State& st, const Campaign<morva95f::State>& start) {
    check(whole(st.TURN_NO, 2, 12), "a turn 2-12");
    check(whole(st.TT(morva95f::TT_SAVED_SCENARIO), 1, 5), "a scenario 1-5");
    check(whole(st.HW(morva95f::HW_NO_REPAIR_TURNS), 0, 1e6f), "whole turns without repair");
    check_shared_ranges(st, start, 0);
    for (int s = 0; s <= 1; ++s)
        for (int k = 0; k <= 6; ++k) check(whole(st.VS(s, k), 0, 1e6f), "whole losses not below 0");
}

bool simplified_load(morva95s::State& st) { return taken([&] { morva95s::LOAD_SAVE_FILE(st); }); }

void check_simplified_ranges(const morva95s::State& st, const Campaign<morva95s::State>& start) {
    check(whole(st.TURN_NO, 2, 12), "a turn 2-12");
    check(whole(st.HW(0), -14, 1e6f), "a whole harbour value");
    check_shared_ranges(st, start, morva95s::kLeastSunkCarrierDurability);
}

// Loads the input into the game's fresh state and checks what the load leaves. A committed
// campaign saved again and loaded again gives the same file.
template <typename State, typename Load, typename CheckRanges, typename Write>
int load_save(const std::uint8_t* data, std::size_t size, const char* file_name, Fresh<State>& fresh, Load load,
              CheckRanges check_ranges, Write write) {
    ready_console();
    write_file(file_name, data, size);
    State& st = fresh.ready();
    if (!load(st)) {
        check(Campaign<State>(st) == fresh.start, "a refused save leaves the campaign as it was");
        return 0;
    }
    note_commit();
    check_ranges(st, fresh.start);
    write(st);
    const std::string first = read_file(file_name);
    State& again = fresh.ready();
    check(load(again), "a campaign saved from a loaded one loads");
    write(again);
    check(read_file(file_name) == first, "a loaded campaign saves to the same file");
    return 0;
}

}  // namespace

int detailed_save(const std::uint8_t* data, std::size_t size) {
    ready_console();
    static Fresh<morva95f::State> fresh;
    return load_save(data, size, morva95f::kSaveFileName, fresh, detailed_load, check_detailed_ranges,
                     morva95f::WRITE_SAVE_FILE);
}

int simplified_save(const std::uint8_t* data, std::size_t size) {
    ready_console();
    static Fresh<morva95s::State> fresh;
    return load_save(data, size, morva95s::kSaveFileName, fresh, simplified_load, check_simplified_ranges,
                     morva95s::WRITE_SAVE_FILE);
}

}  // namespace fuzz
