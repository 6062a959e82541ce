// kelmat95: the battle's set-up dialogue - control mode, map, the side parameters of both
// navies with their re-asks, and the display time.
#include "gunnery/battle.h"
#include "gunnery/dialogue.h"

namespace kelmat {

using con::Col;
using con::L;
using con::Row;
using con::real;
using con::store;

namespace {

void text_at(int column, int row, const std::string& text) {
    con::locate(Col(column), Row(row));
    con::print_string_item(text);
}

void blanks_at(int column, int row, int n) { text_at(column, row, con::space_string(n)); }

// "RETURN は " and a number.
void return_line(int column, int row, real value, const char* after = "") {
    con::locate(Col(column), Row(row));
    con::print_string_item("RETURN は ");
    con::print_double_item(value);
    con::print_string_item(after);
}

// One line typed at column, row after the prompt " ".
std::string read_line_at(int column, int row) {
    con::locate(Col(column), Row(row));
    con::input_prompt(" ");
    std::string answer;
    con::input_vars(answer);
    return answer;
}

// Reads at one place until the answer lies in lo-hi; an empty answer takes `fallback`.
// Fractions are kept as typed.
real ask_in_range(int column, int row, real lo, real hi, real fallback) {
    for (;;) {
        const std::string answer = read_line_at(column, row);
        if (answer.empty()) return fallback;
        const real v = con::val(answer);
        if (v >= lo && v <= hi) return v;
    }
}

// A single key; the keys offered give their value, any other key `other`.
std::string wait_key() { return con::wait_key_string(); }

void ask_control_mode(Battle& b) {
    con::clear_screen(0);
    con::color(7);
    text_at(24, 2, "移動と砲撃の操作は誰がしますか");
    con::color(6);
    text_at(26, 5, "BLUE NAVY          RED NAVY");
    text_at(24, 7, "移動　　射撃       移動 　 射撃");
    const char* rows[] = {"０　　自動　　自動　   　自動　　自動", "１    手動    自動       自動　　自動",
                          "２    手動    自動　 　　手動　　自動", "３　　手動　　手動   　　自動　　自動",
                          "４　　手動　　手動     　手動　　手動"};
    for (int i = 0; i < 5; ++i) text_at(18, 9 + 2 * i, rows[i]);
    text_at(28, 21, "Hit 0 - 4  Key ");
    const std::string key = wait_key();
    b.mode = (key == "1" || key == "2" || key == "3" || key == "4") ? static_cast<float>(key[0] - '0') : 0.0f;
}

void ask_map(Kelmat& s) {
    con::clear_screen(0);
    // Any key but Y answers no.
    std::string key;
    const bool map = ask_yes_no(key, {{20, 12, kColourInForce, "ＭＡＰを表示しますか ?   Hit Y - N Key"}}, kYes, "");
    s.TT(TT_SHOW_MAP) = map ? 1.0f : 0.0f;
}

// Whether the side parameters of the last battle are taken over.
bool take_over_last(Kelmat& s) {
    if (s.HT(HT_HIT_VALUE) == 0) return false;
    con::clear_screen(0);
    // Any key but N takes the last values over.
    std::string key;
    return !ask_yes_no(key,
                       {{20, 12, kColourInForce, "両軍のデータは前回と同じでよいですか  ? "},
                        {26, 14, kColourInForce, "Hit Y - N  Key "}},
                       kNo, "");
}

// Questions 5.1 to 5.4: the hit model and its values (side index k = 0 BLUE, 1 RED).
void ask_hit_model(Kelmat& s, int k, real navy_default) {
    text_at(10, 4, "命中値は 簡易型にしますか 詳細型にしますか ?    1 - 2");
    text_at(30, 8, "RETURN は 1");
    const bool simple = ask_in_range(65, 4, 1, 2, 1) == 1;
    blanks_at(10, 4, 60);
    if (simple) {
        text_at(20, 4, "命中値は　?   1 - 50");
        text_at(24, 12, "日露戦争時の日本海軍は１０");
    } else {
        text_at(20, 4, "測距能力は ?  1 - 50");
        text_at(24, 12, "１９４０年代のアメリカ海軍は３０ (レーダー使用時)");
    }
    text_at(24, 8, "１９３０年代の日本海軍は２０  (九一式徹甲弾使用時)");
    text_at(38, 10, "アメリカ海軍は１０");
    return_line(30, 14, navy_default);
    s.HT(HT_HIT_VALUE + k) = store(ask_in_range(45, 4, 1, 50, navy_default));
    blanks_at(24, 8, 52);
    blanks_at(24, 10, 40);
    blanks_at(24, 12, 50);
    blanks_at(24, 14, 40);
    if (simple) {
        s.HT(HT_SPOTTING + k) = s.HT(HT_HIT_VALUE + k);
        s.HT(HT_DISPERSION + k) = s.HT(HT_HIT_VALUE + k);
        return;
    }
    text_at(20, 4, "弾着修正能力は　?   1 - 50  ");
    s.HT(HT_SPOTTING + k) = store(ask_in_range(51, 4, 1, 50, navy_default));
    const real dispersion_default = con::int_floor(8000 / navy_default);
    text_at(20, 4, "散布界は　?   100 - 3000 ｍ             ");
    return_line(30, 14, dispersion_default);
    text_at(24, 8, "１９３０年代の日本海軍は 400 m");
    text_at(38, 10, "アメリカ海軍は 800 m");
    s.HT(HT_DISPERSION + k) = store(con::int_floor(8000 / ask_in_range(51, 4, 100, 3000, dispersion_default)));
    blanks_at(24, 8, 52);
    blanks_at(24, 10, 48);
    blanks_at(30, 14, 20);
}

// 5.5 and 5.6: a wrong answer repeats the whole question.
void ask_interval_and_fire_mode(Kelmat& s, int k, real interval_default) {
    for (;;) {
        text_at(24, 10, "１９３０年代の日本海軍は ４     ");
        text_at(38, 12, "アメリカ海軍は ３");
        text_at(20, 6, "射撃間隔は　?   1 (10 秒) - 12 (120 秒)  ");
        return_line(30, 14, interval_default, "    ");
        const std::string answer = read_line_at(61, 6);
        const real v = answer.empty() ? interval_default : con::val(answer);
        if (v >= 1 && v <= 12) {
            s.HT(HT_INTERVAL + k) = store(v);
            break;
        }
    }
    blanks_at(24, 10, 38);
    blanks_at(24, 12, 38);
    blanks_at(30, 14, 15);
    for (;;) {
        text_at(20, 8, "一斉射撃　1  ?  それとも　交互射撃   2  ?");
        text_at(24, 10, "RETURN は 1");
        const std::string answer = read_line_at(63, 8);
        const real v = answer.empty() ? 1 : con::val(answer);
        if (v >= 1 && v <= 2) {
            s.HC(HC_FIRE_MODE + k) = store(v);
            break;
        }
    }
    if (s.HC(HC_FIRE_MODE + k) == 1)
        s.HT(HT_DISPERSION + k) = store(con::int_floor(L(s.HT(HT_DISPERSION + k)) * L(0.7f)));
}

// 5.7 to 5.10: asked of a side steered by the computer, fixed for a hand-steered one.
void ask_manoeuvre(Kelmat& s, const Battle& b, int k) {
    const bool ask = !moved_by_hand(b.mode, k);
    const real sign = 1 - 2 * k;  // RED closes with negative courses
    const real most = firing_limit(s, k);
    real open = 50, limit = 5, approach = 15, disengage = 100;
    if (ask) {
        text_at(20, 10, "射撃開始距離は　?   1 - 80  Km         ");
        text_at(24, 12, "RETURN は 50");
        open = ask_in_range(55, 10, 1, 80, 50);
        text_at(20, 12, "最高制限角度は　?   1 (10%) - 10 (100%) ");
        text_at(24, 14, "RETURN は 5");
        text_at(10, 16, "ＭＡＰの上方を 0ﾟ とし, 1 は角度 9ﾟで, 10 は角度 90ﾟで接近離脱");
        limit = ask_in_range(63, 12, 1, 10, 5);
    }
    s.HC(HC_OPEN_RANGE + k) = store(open);
    s.MV(MV_LIMIT + k) = store(limit * sign);
    s.MV(MV_COURSE + k) = s.MV(MV_LIMIT + k);
    blanks_at(10, 16, 68);
    if (ask) {
        text_at(20, 14, "最大接近距離は　?   1 - 40 Km           ");
        text_at(24, 16, "RETURN は 15");
        approach = ask_in_range(53, 14, 1, 40, 15);
        con::locate(Col(20), Row(16));
        con::print_string_item("離脱までの射撃回数は　?  1 - ");
        con::print_double_item(most);
        con::print_string_item("　回     ");
        return_line(24, 18, most);
        disengage = ask_in_range(61, 16, 1, most, most);
    }
    s.MV(MV_APPROACH + k) = store(approach);
    s.HC(HC_DISENGAGE + k) = store(disengage);
}

// 5.11 to 5.13.
void ask_evasion_concentration_damage_control(Kelmat& s, const Battle& b, int k) {
    text_at(20, 18, "回避運動の程度は ?  小　1 - 5　大        ");
    text_at(23, 20, "RETURN は 1");
    s.HC(HC_EVASION + k) = store(ask_in_range(58, 18, 1, 5, 1));
    const real concentration = default_concentration(b, k);
    if (fired_by_hand(b.mode, k)) {
        s.HT(HT_CONCENTRATION + k) = store(concentration);
    } else {
        text_at(20, 20, "射撃集中度は　?   1 - 10  隻          ");
        return_line(24, 22, concentration);
        s.HT(HT_CONCENTRATION + k) = store(ask_in_range(53, 20, 1, 10, concentration));
    }
    text_at(20, 22, "ダメージコントロールのレベルは ?   劣  0 - 4  優");
    text_at(24, 23, "RETURN は 2");
    real level = ask_in_range(68, 22, 0, 9, 2);
    s.DC(DC_SCALED + k) = level < 5 ? 0.0f : 1.0f;
    if (level >= 5) level -= 5;
    s.DC(DC_VALUE + k) = store(2 * level + 1);
}

void ask_side(Kelmat& s, const Battle& b, int k) {
    con::clear_screen(0);
    con::color(k == 0 ? 5 : 3);
    text_at(29, 1, k == 0 ? "BLUE" : "RED");
    con::color(6);
    const bool japan = b.navy[k] == 1;
    ask_hit_model(s, k, japan ? 20 : 10);
    ask_interval_and_fire_mode(s, k, japan ? 4 : 3);
    ask_manoeuvre(s, b, k);
    ask_evasion_concentration_damage_control(s, b, k);
}

void ask_display_time(Kelmat& s) {
    for (;;) {
        con::clear_screen(0);
        text_at(17, 17, "シミュレーション実行中でも、ｆ．１キーを押せば変更できます");
        text_at(31, 12, "1 - 1000      (100 で１秒)");
        con::locate(Col(29), Row(9));
        con::input_prompt("表示時間は ?  ");
        std::string answer;
        con::input_vars(answer);
        if (answer.empty()) return;
        const real v = con::val(answer);
        if (v >= 1 && v <= 1000) {
            s.TT(TT_DISPLAY_TIME) = store(v);
            return;
        }
    }
}

}  // namespace

float default_concentration(const Battle& b, int side) {
    real k = con::int_floor(L(b.count[side]) / (L(b.count[1 - side]) + 1)) + 1;
    if (k < 1) k = 1;
    if (k > 10) k = 10;
    return store(k);
}

void battle_setup(Kelmat& s, Battle& b) {
    ask_control_mode(b);
    ask_map(s);
    if (!take_over_last(s)) {
        (void)con::inkey_string();  // a key left in the buffer is dropped
        ask_side(s, b, 0);
        ask_side(s, b, 1);
    }
    ask_display_time(s);
}

}  // namespace kelmat
