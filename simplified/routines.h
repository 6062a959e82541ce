// MORVA95S: the routines of the simplified game and the blocks of its main routine that are
// entered like a call (they return to their caller). Each works on the program's state.
#pragma once
#include <string>
#include <utility>

#include "campaign/calendar.h"
#include "campaign/final_result.h"
#include "console/console.h"
#include "simplified/state.h"

namespace morva95s {

// Built-in tables (builtin_tables.cpp).
/// MENU: reads the built-in tables afresh (992 items, then the 300 detailed-mode values).
void MENU(State& st);

// Pauses, title and key waits (pauses.cpp).
/// PAUSE_MESSAGE: TT_WAIT ticks, or with the comment key "Hit Any Key" and a key.
void PAUSE_MESSAGE(State& st);
/// SHOW_TITLE: clears the screen and writes the title on rows 1 and 3.
void SHOW_TITLE(State& st);
/// WAIT_KEY: waits for one key into WAIT_KEY_RESULT and returns it.
std::string WAIT_KEY(State& st);
/// CLEAR_MESSAGE_ROWS: blanks rows 21-23 and then row 20, columns 10-77.
void CLEAR_MESSAGE_ROWS(State& st);
/// CLEAR_PROMPT_ROW: blanks row 20, columns 10-77.
void CLEAR_PROMPT_ROW(State& st);

// Shared status blocks (status_blocks.cpp).
/// SHOW_DAMAGE: HIGAI for the fleet in TT_FLEET.
void SHOW_DAMAGE(State& st);
/// SHOW_DISTANCES: the sketch of target base, task force and Allied fleet.
void SHOW_DISTANCES(State& st);
/// CHECK_BASE_ATTACKABLE: asks SHOZOKU about base INPUT_NUM; the answer is in TT_ATTACKABLE.
void CHECK_BASE_ATTACKABLE(State& st);
/// COUNT_ALLIED_LOSSES: recounts ALLIED_CV_SUNK (ships 1-15) and ALLIED_BB_SUNK (16-42).
void COUNT_ALLIED_LOSSES(State& st);
/// SHOW_RESULTS_LINE: "戦果   空母 " n " 戦艦 " m at the cursor, with a line end.
void SHOW_RESULTS_LINE(State& st);
/// STATUS_PANEL: the Allied bases' strengths and the results line over the current screen.
void STATUS_PANEL(State& st);

// Header line (header_line.cpp).
using morva::calendar_of_turn;  ///< the shared campaign calendar
/// HINITI: the header line on row 0: turn and date, fleet, target area, day and time.
void HINITI(State& st);

// Organisation (fleet_organisation.cpp, target_choice.cpp).
/// HENSEI: the player's fleet organisation, ship by ship.
void HENSEI(State& st);
/// HENSEI2: the Allied ships of a single operation; ends showing its confirmation question.
void HENSEI2(State& st);
/// MOKUHYO: the target base of each air fleet.
void MOKUHYO(State& st);

// Allied reaction (allied_reaction.cpp).
/// The Allied reaction's decisions and commitments (no screen); the block runs it.
void plan_allied_reaction(State& st);
/// The turn-start repair: every uncommitted ship afloat below full durability gains 1.
void repair_ships(State& st);

// End of turn (turn_flow.cpp).
/// CLC: committed marks, Allied repair, the war-over test, base growth, reserve top-up.
void CLC(State& st);
/// The verdict for a count of Japanese-held bases: the winner (or "引き分け") and the level.
using morva::victory_level;

// Save file (save_file.cpp).
/// LOAD_SAVE_FILE: reads MORDATAS.DAT; commits only a whole, valid file (else raises 63).
void LOAD_SAVE_FILE(State& st);

// The operation's surface phase (movement_orders.cpp, gun_battle.cpp, surface_phase.cpp).
/// MOVE0: the fleet's movement order (the player's menu or the program's rules): PT(0) the new
/// base distance (never below 2), MV(4) the closing rate on the enemy fleet.
void MOVE0(State& st);
/// BS: one gun sub-turn between the battleship lines of the fleet in TT_FLEET; moves the lines
/// in TT_FLEET_DISTANCE. SP has counted N and S just before.
void BS(State& st);
/// The fleets' closing in a sub-turn, in fleet-distance units (200 to an air-distance unit):
/// INT((S(0) x MV(4) + S(1) x MV(5)) x 2 + 0.5); negative when they draw apart.
float closing_distance(const State& st);
/// A six-sided die: INT(RND x 6) + 1.
inline con::real six_sided_die() { return con::int_floor(con::L(con::rnd()) * 6) + 1; }

// Function key (function_key.cpp).
/// FKEY_HANDLER: the F1 trap: a digit sets the display time; "Q" the overview or status panel.
void FKEY_HANDLER(State& st);

// The manual (manual.cpp).
/// SETUMEI: the in-game manual; returns at item 6 with its menu on screen.
void SETUMEI(State& st);

}  // namespace morva95s
