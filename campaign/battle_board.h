// The board of a gun sub-turn between two battleship lines, which both games' gun battles draw
// alike: the lines with their slot numbers, the targets, the hit markers, the damage applied at
// once, and the status board. Each game's rules decide the targets and the shots; these
// routines only show them and settle the damage, over the game's own tables.
#pragma once
#include <string>
#include <vector>

#include "campaign/shared_slots.h"
#include "console/console.h"

namespace morva {

/// Where a located hit strikes.
enum class HitZone { Unarmoured, Deck, Belt };

/// One ship's shot of a gun sub-turn, in firing order.
struct Shot {
    int side = 0;      ///< the side that fired
    long target = 0;   ///< the slot hit in the other line
    bool hit = false;  ///< false: a miss, nothing else is set
    HitZone zone = HitZone::Unarmoured;
    bool penetrated = false;
};

/// The hit markers, in firing order (a later one overwrites): "被弾" in magenta at column
/// 40 x (the target's side) + 22 on the row below the target's slot, " (甲板)" or " (舷側)"
/// behind it, and "貫通" in red over "被弾" when the shell penetrated.
void show_shots(const std::vector<Shot>& shots);

/// The two lines of a gun battle on a game's tables: the ship table A, the names (side, ship),
/// count(s) the slots of side s's line, ship(s, k) the ship number in slot k.
template <typename Ships, typename Names, typename Count, typename ShipIn>
struct BattleLines {
    Ships& A;
    const Names& names;
    Count count;
    ShipIn ship;
};
template <typename Ships, typename Names, typename Count, typename ShipIn>
BattleLines(Ships&, const Names&, Count, ShipIn) -> BattleLines<Ships, Names, Count, ShipIn>;

/// The column where side s's half of the battle screen begins.
inline int battle_half(int s) { return 40 * s; }

/// A battleship's state colour: sunk or unable (below 1) red, damaged yellow, whole cyan.
template <typename Ships>
int battle_state_colour(const Ships& A, int s, float ship) {
    if (con::L(A(s, ship, A_DURABILITY)) < 1) return 2;
    return con::L(A(s, ship, A_DURABILITY)) < con::L(A(s, ship, A_FULL_DURABILITY)) ? 6 : 5;
}

/// The slot numbers (cyan, at the half's column) and names (in the state colour, 4 further) of
/// both lines, slot k on row k + 1.
template <typename Lines>
void show_battle_lines(const Lines& lines) {
    for (int s = 0; s <= 1; ++s) {
        const long count = lines.count(s);
        for (long k = 1; k <= count; ++k) {
            const float ship = lines.ship(s, k);
            con::locate(con::Col(battle_half(s)), con::Row(k + 1));
            con::color(5);
            con::print_single_item(static_cast<float>(k));
            con::print_end();
            con::color(battle_state_colour(lines.A, s, ship));
            con::print_at(con::Col(battle_half(s) + 4), con::Row(k + 1), lines.names(s, ship));
            con::print_end();
        }
    }
}

/// "砲撃目標" at (15, 1) in yellow, then every ship's target slot target(s, ship) at column 18
/// of its half.
template <typename Lines, typename Target>
void show_battle_targets(const Lines& lines, Target target) {
    con::color(6);
    con::print_at(con::Col(15), con::Row(1), "砲撃目標");
    con::print_end();
    for (int s = 0; s <= 1; ++s) {
        const long count = lines.count(s);
        for (long k = 1; k <= count; ++k) {
            con::locate(con::Col(battle_half(s) + 18), con::Row(k + 1));
            con::print_single_item(target(s, lines.ship(s, k)));
            con::print_end();
        }
    }
}

/// The damage DM(s, slot) of the gun sub-turn counts at once for every ship still afloat
/// (durability above 0), which stops at 0; DM is then cleared.
template <typename Lines, typename Damage>
void apply_battle_damage(Lines& lines, Damage& DM) {
    for (int s = 0; s <= 1; ++s) {
        const long count = lines.count(s);
        for (long k = 1; k <= count; ++k) {
            float& durability = lines.A(s, lines.ship(s, k), A_DURABILITY);
            if (con::L(durability) > 0) {
                const con::real left = con::L(durability) - con::L(DM(s, k));
                durability = left < 0 ? 0.0f : con::store(left);
            }
            DM(s, k) = 0;
        }
    }
}

/// The status board: "耐久力　射程 速力" at (22, 1) over the targets' heading; for each ship,
/// in its state colour, the name again, the durability at column 22 of its half, and at 25
/// "/", the full durability, " ", the gun range and the speed (fields of A).
template <typename Lines>
void show_battle_status(const Lines& lines, int gun_range_field, int speed_field) {
    con::print_at(con::Col(15), con::Row(1), con::space_string(10));
    con::color(6);
    con::print_at(con::Col(22), con::Row(1), "耐久力　射程 速力");
    con::print_end();
    for (int s = 0; s <= 1; ++s) {
        const long count = lines.count(s);
        for (long k = 1; k <= count; ++k) {
            const float ship = lines.ship(s, k);
            const int h = battle_half(s);
            con::color(battle_state_colour(lines.A, s, ship));
            con::print_at(con::Col(h + 4), con::Row(k + 1), lines.names(s, ship));
            con::print_end();
            con::locate(con::Col(h + 22), con::Row(k + 1));
            con::print_single_item(lines.A(s, ship, A_DURABILITY));
            con::print_end();
            con::print_at(con::Col(h + 25), con::Row(k + 1), "/");
            con::print_single_item(lines.A(s, ship, A_FULL_DURABILITY));
            con::print_string_item(" ");
            con::print_single_item(lines.A(s, ship, gun_range_field));
            con::print_single_item(lines.A(s, ship, speed_field));
            con::print_end();
        }
    }
}

}  // namespace morva
