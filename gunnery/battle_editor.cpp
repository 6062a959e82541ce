// kelmat95: the battle-parameter editor on F1 - either side's parameters and the display time,
// changed at any moment from the first battle on.
#include "gunnery/battle.h"
#include "gunnery/dialogue.h"

namespace kelmat {

using con::Col;
using con::L;
using con::Row;
using con::real;
using con::store;

namespace {

void editor_text_at(int column, int row, const std::string& text) {
    con::locate(Col(column), Row(row));
    con::print_string_item(text);
}

// A key's number (a non-digit counts as 0); keys above `hi` are passed over.
int wait_key_up_to(int hi) {
    for (;;) {
        const real v = con::val(con::wait_key_string());
        if (v <= hi) return static_cast<int>(con::round_half_away(v));
    }
}

void edit_display_time(Kelmat& s) {
    for (;;) {
        con::clear_screen(0);
        con::locate(Col(29), Row(9));
        con::print_string_item("現在は ");
        con::print_single_item(s.TT(TT_DISPLAY_TIME));
        con::print_string_item("    (100 で１秒)");
        editor_text_at(27, 6, "Input 1 - 1000");
        con::locate(Col(25), Row(3));
        con::input_prompt("いくつにしますか ?  ");
        std::string answer;
        con::input_vars(answer);
        // The one value rounded to the even neighbour at a half; the typed value is tested
        // first, so that no answer is rounded beyond a whole number's range (1E20 is asked
        // again, as 2000 is).
        const real typed = con::val(answer);
        if (!(typed >= 0 && typed <= 1001)) continue;
        const real v = static_cast<real>(con::round_half_even(typed));
        if (v >= 1 && v <= 1000) {
            s.TT(TT_DISPLAY_TIME) = store(v);
            return;
        }
    }
}

// The item menu's current values, rows 9-21.
void show_items(Kelmat& s, int k) {
    static const char* const kItems[] = {"1  命中値",       "2  一斉射撃　交互射撃", "3  最高制限角度", "4  最大接近距離",
                                         "5  離脱までの射撃回数", "6  回避運動の程度", "7  射撃集中度"};
    for (int i = 0; i < 7; ++i) {
        editor_text_at(24, 9 + 2 * i, kItems[i]);
        con::locate(Col(54), Row(9 + 2 * i));
        con::print_string_item("現在は ");
        switch (i) {
        case 0: con::print_single_item(s.HT(HT_HIT_VALUE + k)); break;
        case 1: con::print_string_item(s.HC(HC_FIRE_MODE + k) == 1 ? "一斉射撃" : "交互射撃"); break;
        case 2: con::print_single_item(s.MV(MV_LIMIT + k)); break;
        case 3: con::print_single_item(s.MV(MV_APPROACH + k)); con::print_string_item(" Km"); break;
        case 4: con::print_single_item(s.HC(HC_DISENGAGE + k)); con::print_string_item(" 回"); break;
        case 5: con::print_single_item(s.HC(HC_EVASION + k)); break;
        default: con::print_single_item(s.HT(HT_CONCENTRATION + k)); break;
        }
    }
    editor_text_at(24, 23, "0  終了");
}

// A typed value within 1-hi; anything else shows the range again and reads again.
real read_item_value(int hi, const std::string& range_text, bool blank_prompt) {
    for (;;) {
        editor_text_at(27, 6, range_text);
        con::locate(Col(49), Row(3));
        con::input_prompt(blank_prompt ? " " : "");
        std::string answer;
        con::input_vars(answer);
        const real v = con::val(answer);
        if (v >= 1 && v <= hi) return v;
    }
}

void edit_item(Kelmat& s, int k, int item) {
    std::string key;
    con::locate(Col(0), Row(3));
    con::print_string_item(con::space_string(70));
    con::locate(Col(0), Row(6));
    con::print_string_item(con::space_string(70));
    editor_text_at(27, 3, "いくつにしますか ?");
    const real most = firing_limit(s, k);
    switch (item) {
    case 1: {
        // The hit value goes into all three slots as typed: no salvo-fire cut here.
        const float v = store(read_item_value(50, "Input 1 - 50", false));
        s.HT(HT_HIT_VALUE + k) = s.HT(HT_SPOTTING + k) = s.HT(HT_DISPERSION + k) = v;
        break;
    }
    case 2:
        editor_text_at(27, 6, "Hit 1 - 2 Key");
        s.HC(HC_FIRE_MODE + k) = store(wait_for_digit(key, 1, 2));
        break;
    case 3: s.MV(MV_LIMIT + k) = store(read_item_value(10, "Input 1 - 10", false) * (1 - 2 * k)); break;
    case 4: s.MV(MV_APPROACH + k) = store(read_item_value(40, "Input 1 - 40", false)); break;
    case 5: {
        const std::string text = "Input 1 -" + con::format_double(most);
        s.HC(HC_DISENGAGE + k) = store(read_item_value(static_cast<int>(most), text, false));
        break;
    }
    case 6:
        editor_text_at(27, 6, "Hit 1 - 5 Key");
        s.HC(HC_EVASION + k) = store(wait_for_digit(key, 1, 5));
        break;
    default: s.HT(HT_CONCENTRATION + k) = store(read_item_value(10, "Input 1 - 10", true)); break;
    }
}

void edit_side(Kelmat& s, int k) {
    for (;;) {
        con::clear_screen(0);
        editor_text_at(29, 3, "どの項目を変更しますか ?");
        editor_text_at(33, 6, "Hit 0 - 7 Key");
        show_items(s, k);
        const int item = wait_key_up_to(7);
        if (item <= 0) return;
        edit_item(s, k, item);
    }
}

}  // namespace

void EDIT_BATTLE_PARAMS(Kelmat& s) {
    for (;;) {
        con::clear_screen(0);
        con::color(6);
        editor_text_at(23, 4, "どれを変更しますか ?");
        editor_text_at(27, 6, "Hit 0 - 3 Key");
        editor_text_at(29, 9, "1  BLUE NAVY のパラメータ");
        editor_text_at(29, 11, "2  RED　NAVY のパラメータ");
        editor_text_at(29, 13, "3  データ表示時間");
        editor_text_at(29, 15, "0  終了");
        const int choice = wait_key_up_to(3);
        if (choice <= 0) break;
        if (choice == 3)
            edit_display_time(s);
        else
            edit_side(s, choice - 1);
    }
    con::clear_screen(0);
}

}  // namespace kelmat
