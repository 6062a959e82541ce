// The campaign save file as both games write and read it: the ship and base values they keep
// alike (laid out as campaign/save_checks.h says), the writing of a whole file and the staged
// reading that commits nothing but a whole, valid file.
#pragma once
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "campaign/save_checks.h"

namespace morva {

/// Puts the values both files hold alike, but the reserve that each game counts in its own
/// unit, into their places in `v`: the turn about to open, the Allied carriers and battleships
/// sunk, durability, speed and first turn of both sides' ships 1-42 (ship table `A`), base
/// columns P_HOLDER to P_BOMBER_FACTOR of bases 1-21 (base table `P`) and the harbour value.
template <typename ShipTable, typename BaseTable>
void put_shared_values(std::span<float> v, float turn, float carriers_sunk, float battleships_sunk, const ShipTable& A,
                       const BaseTable& P, float harbour) {
    v[kSaveTurnAt] = turn;
    v[kSaveCarriersSunkAt] = carriers_sunk;
    v[kSaveBattleshipsSunkAt] = battleships_sunk;
    for (int s = 0; s <= 1; ++s)
        for (int j = 1; j <= kShipRows; ++j)
            for (int w = 0; w < 3; ++w) v[save_ship_value(s, j, w)] = A(s, j, kSavedShipFields[w]);
    for (int c = P_HOLDER; c <= P_BOMBER_FACTOR; ++c)
        for (int b = 1; b <= kBases; ++b) v[save_base_value(b, c)] = P(b, c);
    v[kSaveHarbourAt] = harbour;
}

/// Takes the values put_shared_values put into `v` back into their places.
template <typename ShipTable, typename BaseTable>
void take_shared_values(std::span<const float> v, float& turn, float& carriers_sunk, float& battleships_sunk,
                        ShipTable& A, BaseTable& P, float& harbour) {
    turn = v[kSaveTurnAt];
    carriers_sunk = v[kSaveCarriersSunkAt];
    battleships_sunk = v[kSaveBattleshipsSunkAt];
    for (int s = 0; s <= 1; ++s)
        for (int j = 1; j <= kShipRows; ++j)
            for (int w = 0; w < 3; ++w) A(s, j, kSavedShipFields[w]) = v[save_ship_value(s, j, w)];
    for (int c = P_HOLDER; c <= P_BOMBER_FACTOR; ++c)
        for (int b = 1; b <= kBases; ++b) P(b, c) = v[save_base_value(b, c)];
    harbour = v[kSaveHarbourAt];
}

/// Writes the values, one a line, to the file `name`. The new file is written beside the old
/// one and takes its name only once complete, so a failed save never loses the campaign saved
/// before.
void write_save_file(const char* name, std::span<const float> values);

/// What a save does with values its own loader would refuse.
enum class RefusedSave {
    Fail,   ///< raises a logic_error naming the value, before anything is written
    Write,  ///< writes the file as it stands
};
/// Sets what saves do from now on. Fail until set: the test suites and the tools that load
/// the games' libraries never let a save that could not load again pass. The programs' main()
/// sets Write: a player's campaign is never lost to a check (the random-key runs load its
/// files afterwards).
void on_refused_save(RefusedSave what);

/// The values as the file will hold them and its loader read them back: each printed as the
/// file prints it (six significant digits) and read again. A value that is not finite, or
/// whose text no longer fits a float, stays as it is, for the check to refuse.
std::vector<float> as_read_back(std::span<const float> values);

/// What a refusal names: "value N (the value as written): the rule it breaks", N counted from 1
/// as in the file's layout.
std::string refusal_message(std::span<const float> values, const Refusal& r);

/// A game's state as its start-up leaves it, `menu` having loaded the built-in tables; made
/// once. Its ship and base tables are those a load checks a file against.
template <typename State>
const State& start_up_state(void (*menu)(State&)) {
    static const std::unique_ptr<State> st = [menu] {
        auto s = std::make_unique<State>();
        menu(*s);
        return s;
    }();
    return *st;
}

/// Writes the values to the file `name` as write_save_file does, after `first_refusal` has
/// looked at them as the file will hold them (as_read_back). A value it refuses fails the save
/// unless on_refused_save chose Write. The check draws no random number and shows nothing.
void write_checked_save_file(const char* name, std::span<const float> values,
                             const std::function<Verdict(std::span<const float>)>& first_refusal);

/// Reads the file `name` into `values`, a staging copy: a file that ends early, holds a
/// non-number or fails `valid` (which sees the values read) raises "file not found", so that
/// the caller commits only a whole, valid file and a damaged one leaves nothing behind.
void read_save_file(const char* name, std::span<float> values, const std::function<bool()>& valid);

/// Loads the save file `name` of a game whose file holds `Values`: a staging copy read by
/// read_save_file, checked by `valid(st, values)` and only then put into the game's places by
/// `restore(st, values)`.
template <typename Values, typename State, typename Valid, typename Restore>
void load_save_file(const char* name, State& st, Valid valid, Restore restore) {
    Values v{};
    read_save_file(name, v, [&] { return valid(st, v); });
    restore(st, v);
}

}  // namespace morva
