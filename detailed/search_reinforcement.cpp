// MORVA95F: the day's search reinforcement and the fleet's air-defence splits: SAKUTEKI3 lends
// unarmed torpedo bombers to the search (planes 9-12, and as many long flights) and asks how
// the patrol and the anti-aircraft fire divide between high and low attackers; HENKO offers to
// change both splits at 9, 12 and 15 o'clock; HYOJI3 lists the seven choices.
#include "campaign/dialogue.h"
#include "campaign/display_time.h"
#include "console/console.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

using con::L;

/// The choice that Return (or any key but a digit) gives: high and low alike.
constexpr float kEvenSplit = 4;
/// The most planes a day's reinforcement adds (planes 9-12).
constexpr long kMostExtraPlanes = 4;
/// The player's planes before the extra ones.
constexpr int kRegularPlanes = 8;

const morva::Text kSplitPrompt{20, 23, morva::kColourInForce, "Hit  1 - 7  Key       RETURN は ４"};

/// A carrier lends torpedo bombers while it has lost at most 2 points and its deck works.
bool can_lend(const State& st, float i) {
    return L(st.A(0, i, A_FULL_DURABILITY)) - L(st.A(0, i, A_DURABILITY)) <= 2 && st.A(0, i, A_FLIGHT_DECK) >= 8;
}

float lendable(const State& st, float f) {
    float count = 0;
    const long carriers = con::round_half_away(st.CV(0, f));
    for (long s = 1; s <= carriers; ++s)
        if (can_lend(st, st.C(0, f, s))) count = con::store(L(count) + L(st.F(0, s, AIR_TORPEDO_BOMBERS, F_UNARMED)));
    return count;
}

/// How many planes to add: a digit from 0 to 4 and not above the lendable count (any key but a
/// digit adds none); the question comes again for any other digit.
long ask_extra_planes(State& st, float available) {
    for (;;) {
        const std::string key =
            morva::ask_key(st.DIALOGUE_KEY, {{20, 22, 6, "何機増強しますか ?   Hit 0 - 4 Key"}}, morva::kAnyKey);
        const con::real n = con::val(key);
        if (n >= 0 && n <= kMostExtraPlanes && n <= available) return static_cast<long>(n);
    }
}

/// Lends n torpedo bombers, one per fit carrier and pass, slot by slot; each readies plane
/// 8 + n as n counts down. A pass that finds none left ends the lending (the count asked never
/// exceeds what the carriers hold, so it ends by the count).
void lend_torpedo_bombers(State& st, float f, long n) {
    const long carriers = con::round_half_away(st.CV(0, f));
    while (n > 0) {
        bool lent = false;
        for (long s = 1; s <= carriers && n > 0; ++s) {
            float& unarmed = st.F(0, s, AIR_TORPEDO_BOMBERS, F_UNARMED);
            if (!can_lend(st, st.C(0, f, s)) || unarmed == 0) continue;
            unarmed = con::store(L(unarmed) - 1);
            float& searching = st.F(0, s, AIR_TORPEDO_BOMBERS, F_SEARCHING);
            searching = con::store(L(searching) + 1);
            st.ST(ST_OWN, kRegularPlanes + n, ST_STATUS) = ST_READY;
            --n;
            lent = true;
        }
        if (!lent) return;
    }
}

/// Steps 2-6: the reinforcement question and the lending.
void reinforce_search(State& st, float f) {
    const float available = lendable(st, f);
    const std::string count = "九七艦攻は " + con::format_single(available) + " 機登載しています";
    const bool more = morva::ask_yes_no(st.DIALOGUE_KEY,
                                        {{16, 16, 7, "索敵機を増強しますか ?   Hit Y or N Key"},
                                         {20, 18, 6, count},
                                         {20, 20, 6, "現在 索敵機は ８機 使用可能です"}},
                                        morva::kYes, morva::kNo, morva::Shown::BeforeEachKey);
    if (!more) return;
    const long n = ask_extra_planes(st, available);
    if (n == 0) return;
    st.ST(ST_OWN, ST_COUNTERS, ST_STATUS) = static_cast<float>(n);
    st.ST(ST_BASE, ST_COUNTERS, ST_STATUS) = 0;
    lend_torpedo_bombers(st, f, n);
}

/// A split from one key: its digit, 4 for any key but a digit; 8 and 9 wait for another key,
/// with the prompt shown again before each key when `prompt_again`.
float ask_split(State& st, bool prompt_again) {
    if (!prompt_again) morva::show({kSplitPrompt});
    for (;;) {
        const std::string key = prompt_again ? morva::ask_key(st.DIALOGUE_KEY, {kSplitPrompt}, morva::kAnyKey)
                                             : morva::WAIT_KEY(st.DIALOGUE_KEY);
        float split = con::store(con::val(key));
        if (split == 0) split = kEvenSplit;
        if (split >= 1 && split <= 7) return split;
    }
}

/// HENKO's question whether to change a split; N or n keeps it, Y or y changes it.
bool ask_change(State& st, int column, const char* question) {
    return morva::ask_yes_no(st.DIALOGUE_KEY, {{column, 14, morva::kColourInForce, question}}, morva::kYes, morva::kNo,
                             morva::Shown::BeforeEachKey);
}

}  // namespace

void HYOJI3(State&) {
    static const char* const kChoices[] = {"１　高空のみを警戒　（艦爆のみを攻撃）",
                                           "２　主として高空を警戒",
                                           "３　高空をやや重視して警戒",
                                           "４　高空低空を均等に警戒",
                                           "５　低空をやや重視して警戒",
                                           "６　主として低空を警戒",
                                           "７　低空のみを警戒　（艦攻のみを攻撃）"};
    for (int i = 0; i < 7; ++i) {
        con::print_at(con::Col(20), con::Row(16 + i), kChoices[i]);
        if (i < 6) con::print_end();
    }
}

void SAKUTEKI3(State& st) {
    const float f = st.TT(TT_FLEET);
    reinforce_search(st, f);
    for (int row = 13; row <= 22; ++row) {
        con::print_at(con::Col(0), con::Row(row), con::space_string(70));
        con::print_end();
    }
    con::color(7);
    con::print_at(con::Col(16), con::Row(14), "艦隊直衛の零式艦戦の任務分担はどうしますか ?");
    con::print_end();
    con::color(6);
    HYOJI3(st);
    con::color(7);
    st.TT(TT_FIGHTER_SPLIT) = ask_split(st, true);
    con::color(4);
    con::print_at(con::Col(16), con::Row(14), con::space_string(60));
    con::print_end();
    con::print_at(con::Col(18), con::Row(14), "艦隊の対空火力の任務分担はどうしますか ?");
    con::print_end();
    st.TT(TT_AA_SPLIT) = ask_split(st, true);
}

void HENKO(State& st) {
    const long s = con::round_half_away(st.TT(TT_SUBTURN));
    if (s % 3 != 0 || s < 5 || s > 13) return;
    con::clear_screen(0);
    con::color(6);
    st.TT(TT_MAP_SHOWN) = 1;
    if (ask_change(st, 12, "艦隊直衛の零式艦戦の任務分担を変更しますか ?  Hit Y - N Key")) {
        HYOJI3(st);
        st.TT(TT_FIGHTER_SPLIT) = ask_split(st, false);
    }
    // The second question clears the screen each time it is shown.
    for (;;) {
        con::clear_screen(0);
        const std::string key =
            morva::ask_key(st.DIALOGUE_KEY,
                           {{14, 14, morva::kColourInForce, "艦隊の対空火力の任務分担を変更しますか ?  Hit Y - N Key"}},
                           morva::kAnyKey);
        if (key == "N" || key == "n") return;
        if (key == "Y" || key == "y") break;
    }
    HYOJI3(st);
    st.TT(TT_AA_SPLIT) = ask_split(st, false);
}

}  // namespace morva95f
