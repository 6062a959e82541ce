// MORVA95F: the strike launch of a daytime hour step - up to four launch offers, each with the
// ready count, the tests that end the launch phase (nothing to fly, every target at night),
// the launch question over the deck status, the target (the objective base or the Allied
// fleet), the night warnings, and the strike's heading with its lock onto a task force.
#include "campaign/dialogue.h"
#include "campaign/display_time.h"
#include "console/console.h"
#include "detailed/carrier_operations.h"
#include "detailed/routines.h"

namespace morva95f {
namespace {

using con::add_to;
using con::L;

const std::string kNoStrike = "攻撃はできません";
const std::string kNightArrival = "攻撃は夜間になります";
const std::string kNightReturn = "帰艦は夜間になります";
const std::string kTargetQuestion = "基地ですか艦隊ですか ?  Hit 1 - 2 Key";
/// Where the target's answer and the copies of its question begin.
constexpr int kTargetColumn = 20;
constexpr int kTargetRow = 20;
/// The fleet strike groups of an hour step have the air-group sources 1-3.
constexpr float kLastFleetGroup = 3;
/// A heading locks onto a task force less than this many map units away.
constexpr float kLockRange = 110;

bool objective_japanese(const State& st) { return st.P(st.AT(st.FLEET_NO), P_HOLDER) < 1; }

/// Groups 1-3 of the hour step are given out: the task forces are no target any more.
bool fleet_groups_used(const State& st) { return st.NEXT_FLEET_GROUP > kLastFleetGroup; }

/// No strike can be flown: no bomber ready, or the objective is Japanese and no task force can
/// be struck (only the contact list's first entry counts).
bool no_strike_possible(const State& st) {
    if (L(st.KO(KO_DIVE_BOMBERS)) + L(st.KO(KO_TORPEDO_BOMBERS)) < 1) return true;
    if (!objective_japanese(st)) return false;
    const float first = st.J(1);
    return first == 0 || st.H(first) < 0 || fleet_groups_used(st);
}

bool every_target_at_night(const State& st) {
    for (int k = 0; k <= 3; ++k)
        if (!arrives_at_night(st.SUBTURN_NO, st.PK(k))) return false;
    return true;
}

/// A night text at column 19 of row 19, outside the rows the message blocks blank.
void show_night_text(const std::string& text) {
    con::color(3);
    con::print_at(con::Col(19), con::Row(19), text);
}

void report_no_strike(State& st) {
    con::color(5);
    con::print_at(con::Col(10), con::Row(20), kNoStrike);
    MATU(st);
}

bool ask_launch(State& st) {
    return morva::ask_yes_no(st.DIALOGUE_KEY, [&st] {
        show_deck_status(st);
        con::color(5);
        con::print_at(con::Col(10), con::Row(20), "攻撃隊を発進させますか ?  Hit Y - N Key        ");
    });
}

/// The 1/2 question: a wrong key prints the question again straight after the previous copy,
/// as long as that copy still ends on the screen.
float ask_base_or_fleet(State& st) {
    con::print_string_item(kTargetQuestion);
    for (int copies = 1;;) {
        const std::string key = morva::WAIT_KEY(st.DIALOGUE_KEY);
        if (key == "1") return 0;
        if (key == "2") return 1;
        ++copies;
        // Safer than the run-on copies scrolling the map away: a copy that would pass row 23
        // is not printed, and 1 or 2 is still taken.
        if (target_question_fits(copies)) con::print_string_item(kTargetQuestion);
    }
}

/// The target: 0 the objective base, 1 the Allied fleet.
float choose_target(State& st) {
    CLEAR_PROMPT_ROW(st);
    con::color(5);
    con::print_at(con::Col(10), con::Row(20), "攻撃目標は");
    con::locate(con::Col(kTargetColumn), con::Row(kTargetRow));
    if ((st.H(1) < 0 && st.H(2) < 0 && st.H(3) < 0) || fleet_groups_used(st)) {
        con::print_string_item("基地のみです");
        PAUSE_MESSAGE(st);
        return 0;
    }
    if (objective_japanese(st)) {
        con::print_string_item("艦隊のみです");
        PAUSE_MESSAGE(st);
        return 1;
    }
    return ask_base_or_fleet(st);
}

void warn_return_at_night(const State& st) {
    const float s = st.SUBTURN_NO;
    const bool late = st.LAUNCH_GROUP == 0 ? returns_at_night(s, st.PK(0))
                                           : returns_at_night(s, st.PK(1)) || returns_at_night(s, st.PK(2)) ||
                                                 returns_at_night(s, st.PK(3));
    if (late) show_night_text(kNightReturn);
}

float ask_heading(State& st) {
    const float group = st.LAUNCH_GROUP;
    return con::store(morva::ask_number(
        [group] {
            con::locate(con::Col(10), con::Row(20));
            con::print_single_item(group);
            con::print_string_item("攻撃隊 飛行方向は ?   0 - 359                ");
            con::print_end();
        },
        {48, 20, ""}, 0, 359, false));
}

/// The strike's heading and target code; false when a locked strike is called off for night.
bool set_heading(State& st) {
    const float step = st.SUBTURN_NO;
    if (st.LAUNCH_GROUP == 0) {
        st.STRIKE_HEADING = st.PD(0);
        st.T(0, step, T_TARGET) = st.PK(0);
        return true;
    }
    st.LAUNCH_GROUP = st.NEXT_FLEET_GROUP;
    add_to(st.NEXT_FLEET_GROUP, 1);
    st.STRIKE_HEADING = ask_heading(st);
    const float code = fleet_strike_target(st, st.STRIKE_HEADING);
    st.T(st.LAUNCH_GROUP, step, T_TARGET) = code;
    if (code == 0) return true;
    const float k = con::store(con::int_floor(L(code) / 1000));
    if (!locked_strike_at_night(step, st.PK(k))) return true;
    add_to(st.ID(0), -1);
    show_night_text(kNightArrival);
    return false;
}

/// The launch question, the target and the heading: true once a strike is set to go, false
/// when the launch phase ends.
bool confirm_strike(State& st) {
    for (;;) {
        if (!ask_launch(st)) return false;
        add_to(st.ID(0), 1);
        st.LAUNCH_GROUP = choose_target(st);
        if (st.LAUNCH_GROUP == 0 && arrives_at_night(st.SUBTURN_NO, st.PK(0))) {
            add_to(st.ID(0), -1);
            show_night_text(kNightArrival);
            continue;
        }
        warn_return_at_night(st);
        if (set_heading(st)) return true;
        // The called-off group's number is used up; once groups 1-3 are, a Japanese-held
        // objective leaves nothing to strike.
        if (no_strike_possible(st)) {
            CLEAR_MESSAGE_ROWS(st);
            report_no_strike(st);
            return false;
        }
    }
}

/// One launch offer; false when the launch phase ends with it.
bool launch_offer(State& st) {
    IDO9(st);
    CLEAR_MESSAGE_ROWS(st);
    st.FIGHTERS_READY = st.KO(KO_FIGHTERS);
    if (no_strike_possible(st)) {
        report_no_strike(st);
        return false;
    }
    if (every_target_at_night(st)) {
        show_night_text(kNightArrival);
        MATU(st);
        return false;
    }
    FLUSH_KEYBOARD(st);
    if (!confirm_strike(st)) return false;
    ask_strike_size(st);
    return true;
}

}  // namespace

bool arrives_at_night(float step, float d) { return L(step) > 14 - con::int_floor(L(d) / 51); }

bool returns_at_night(float step, float d) { return L(step) > 13 - 2 * con::int_floor(L(d) / 51); }

bool locked_strike_at_night(float step, float d) { return L(step) > 14 - con::int_floor((L(d) - 10) / 51); }

float fleet_strike_target(const State& st, float heading) {
    for (int k = 1; k <= 3; ++k)
        if (st.PD(k) == heading && st.H(k) > 0 && st.PK(k) < kLockRange) return con::store(1000 * k + L(st.PK(k)));
    return 0;
}

bool target_question_fits(int copies) {
    // The screen's own rules: a wide character does not start in column 79, and a character
    // after column 79 wraps to the next row (scrolling from row 23).
    int column = kTargetColumn, row = kTargetRow;
    bool pending = false;
    const std::string_view text = kTargetQuestion;
    for (int n = 0; n < copies; ++n)
        for (std::size_t i = 0; i < text.size();) {
            const con::TextUnit u = con::next_unit(text, i);
            i += u.length;
            if (pending || (u.width == 2 && column == con::kColumns - 1)) {
                if (row == con::kRows - 1) return false;
                ++row, column = 0, pending = false;
            }
            column += u.width;
            if (column >= con::kColumns) column = con::kColumns - 1, pending = true;
        }
    return true;
}

void STRIKE_LAUNCH_PHASE(State& st) {
    st.NEXT_FLEET_GROUP = 1;
    for (st.STRIKE_SOURCE = 0; st.STRIKE_SOURCE <= 3; add_to(st.STRIKE_SOURCE, 1))
        if (!launch_offer(st)) return;
}

}  // namespace morva95f
