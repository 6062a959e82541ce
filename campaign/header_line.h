// HINITI, the header line of both games' operational screens: the turn and its date, the air
// fleet, its target area, the day and the hour, and where a game shows them the minutes of a
// gun battle.
#pragma once
#include "campaign/calendar.h"
#include "campaign/shared_slots.h"
#include "console/console.h"

namespace morva {

/// Whether the header line shows the minutes of a gun battle (the simplified game does).
enum class GunMinutes { Hidden, Shown };

/// HINITI: blanks row 0; from the day's first step on (TT_SUBTURN above 0) writes in white the
/// turn and its date (not in the single operation, scenario 6), the target area TX(AT(f)) of
/// air fleet f = TT_FLEET, the fleet, the day and the hour (step + 3), and with
/// GunMinutes::Shown the minutes of the gun battle (3 a gun step, from 0).
template <typename ParamVector, typename Targets, typename BaseNames>
void HINITI(const ParamVector& TT, const Targets& AT, const BaseNames& TX, GunMinutes minutes) {
    const float f = TT(TT_FLEET);
    con::locate(con::Col(0), con::Row(0));
    con::print_string_item(con::space_string(78));
    con::print_end();
    if (TT(TT_SUBTURN) == 0) return;
    con::color(7);
    if (TT(TT_SCENARIO) != 6) {
        const auto [year, month] = calendar_of_turn(static_cast<int>(con::round_half_away(TT(TT_TURN))));
        con::locate(con::Col(0), con::Row(0));
        con::print_single_item(TT(TT_TURN));
        con::print_string_item("TURN  ");
        con::print_number_item(year);
        con::print_string_item("年");
        con::print_number_item(month);
        con::print_string_item("月");
        con::print_end();
    }
    con::locate(con::Col(35), con::Row(0));
    con::print_string_item(TX(AT(f)));
    con::print_string_item("方面");
    con::print_end();
    const auto field = [](int col, const char* before, con::real value, const char* unit) {
        con::locate(con::Col(col), con::Row(0));
        con::print_string_item(before);
        con::print_number_item(value);
        con::print_string_item(unit);
        con::print_end();
    };
    field(24, "第", con::L(f), "艦隊");
    field(58, "第", con::L(TT(TT_DAY)), "日");
    field(66, "", con::L(TT(TT_SUBTURN)) + 3, "時");
    if (minutes == GunMinutes::Shown) field(73, "", con::L(TT(TT_GUN_SUBTURN)) * 3 - 3, "分");
}

}  // namespace morva
