// MORVA95F: the routines of the detailed game and the blocks of its main routine that are
// entered like a call (they return to their caller). Each works on the program's state.
#pragma once
#include <string>
#include <utility>

#include "campaign/calendar.h"
#include "campaign/final_result.h"
#include "detailed/state.h"

namespace morva95f {

// Built-in tables.
/// MENU: loads the BuiltInTables into the campaign tables once (1034 items).
void MENU(State& st);

// Pauses and key waits.
/// MATU: the message pause: TT_WAIT ticks, or in key mode "Hit Any Key" and a key.
void MATU(State& st);
/// MATU2: the short pause: a tenth of TT_WAIT; nothing in key mode.
void MATU2(State& st);
/// PAUSE_MESSAGE: a fiftieth of TT_WAIT, or in key mode as MATU (the key into DIALOGUE_KEY).
void PAUSE_MESSAGE(State& st);
/// WAIT_KEY: waits for one key into WAIT_KEY_RESULT and returns it.
std::string WAIT_KEY(State& st);
/// FLUSH_KEYBOARD: discards every key that waits; DIALOGUE_KEY is left empty.
void FLUSH_KEYBOARD(State& st);
/// CLEAR_MESSAGE_ROWS: blanks rows 21-23 and then row 20 from column 7 to 77.
void CLEAR_MESSAGE_ROWS(State& st);
/// CLEAR_PROMPT_ROW: blanks row 20 from column 7 to 77.
void CLEAR_PROMPT_ROW(State& st);

// Damage.
/// The durability of a ship once an air attack on its force has been resolved: a ship afloat
/// gets INT(v - 0.01) + 1 (fractions round up, less than 0.01 above a whole number rounds
/// down to it); a ship at or below 0 gets 0.
float rounded_durability(float v);

// Header line.
using morva::calendar_of_turn;  ///< the shared campaign calendar
/// HINITI: the header line on row 0: turn and date, fleet, target area, day and hour.
void HINITI(State& st);

// Route network.
/// CHECK_BASE_ATTACKABLE: asks SHOZOKU about base INPUT_NUM; the answer is in TT_ATTACKABLE.
void CHECK_BASE_ATTACKABLE(State& st);

// End of turn.
/// CLC: the end-of-turn campaign step (flags, Allied repair, war-over test, base growth, reserve).
void CLC(State& st);

// Final result.
/// COUNT_ALLIED_LOSSES: recounts ALLIED_CV_SUNK (ships 1-15) and ALLIED_BB_SUNK (16-42).
void COUNT_ALLIED_LOSSES(State& st);
/// SHOW_RESULTS_LINE: "戦果   空母 " n " 戦艦 " m at the cursor, no line end.
void SHOW_RESULTS_LINE(State& st);
/// The victory words for a count of Japanese-held bases: the winner (or "引き分け") and the level.
using morva::victory_level;

// Operation start.
/// SETUMEI: the harbour raid's note on the announcement screen.
void SETUMEI(State& st);
/// HENSEI3: splits the Allied force facing fleet TT_FLEET into task forces.
void HENSEI3(State& st);
/// IDO10: the end-of-day aircraft bookkeeping of both sides' carriers in fleet TT_FLEET.
void IDO10(State& st);

// Save file.
/// YOMIKOMI: reads MORDATAF.DAT; commits only a whole, valid file (a damaged file raises 63).
void YOMIKOMI(State& st);

// Function key.
/// FKEY_HANDLER: the F1 trap: display time, or the hidden sequence's overview / status panel.
void FKEY_HANDLER(State& st);
/// STATUS_PANEL: the Allied bases' strengths, the player's losses and the results line.
void STATUS_PANEL(State& st);
/// The three letters of the hidden sequence, in order.
inline constexpr const char* kHiddenSequence[3] = {"Z", "X", "C"};

// Operational day: the map, positions and moves.
/// FMAP: the operational map of the target area; from hour step 1 on also the fleets, search
/// planes and air groups, with the ranges PK and bearings PD.
void FMAP(State& st);
/// The ranges PK and bearings PD from the player's fleet to the base and the task forces, as
/// FMAP computes them (a task force that does not exist gets PK 0 and H -1).
void compute_ranges(State& st);
/// ICHI0: the contact report of the Allied task forces at the top right.
void ICHI0(State& st);
/// ICHI: day 1's deployment: the approach bearing asked, the task forces placed clear of land.
void ICHI(State& st);
/// ICHI2: the night move before days 2 and 3: heading and distance asked, then the full map.
void ICHI2(State& st);
/// MOVE0: the Allied task forces' hour's move.
void MOVE0(State& st);
/// MOVE2: the player's fleet's hour's move, by the heading and speed ordered.
void MOVE2(State& st);
/// The Allied posture of the day (0 normal, 1 defensive, 2 withdraw) for fleet f; draws one
/// roll for each test it makes.
float allied_posture(State& st, float f);
/// Reads one line at (column, row) with no prompt text, as typed.
std::string read_line_at(int column, int row);

// The Allied raid on the player's fleet.
/// GEIGEKI: the raid's warning and composition, the patrol and the scramble question, and the
/// patrol's allocation DE, CB with the allocated fighters put into air combat.
void GEIGEKI(State& st);

// Operational day: the search and the air-defence splits.
/// SAKUTEKI3: the day's search reinforcement and the patrol's and anti-aircraft splits.
void SAKUTEKI3(State& st);
/// SAKUTEKI: the hour's search launches: the player's dialogue and the Allied search plan.
void SAKUTEKI(State& st);
/// SAKUTEKI2: one hour of flight of the search planes, with their finds, watches and landings.
void SAKUTEKI2(State& st);
/// HENKO: the air-defence split question of hour steps 6, 9 and 12.
void HENKO(State& st);
/// HYOJI3: the seven choices of a split at column 20, rows 16-22, in the colour in force.
void HYOJI3(State& st);

// Operational day: the air groups.
/// IDO4: advances the air group (TT_GROUP_SOURCE, TT_GROUP_HOUR) one hour along its heading.
void IDO4(State& st);
/// IDO6: turns the air group (TT_GROUP_SOURCE, TT_GROUP_HOUR) for home; marks the player's.
void IDO6(State& st);
/// The home point of air-group source s now: the player's fleet, the base or the task force.
std::pair<con::real, con::real> home_point(const State& st, int s);
/// IDO9: the player's aircraft on the decks of the carriers that can launch, into KO.
void IDO9(State& st);
/// IDO11: the player's aircraft on the decks of the carriers afloat enough to strike below.
void IDO11(State& st);
/// IDO: the Allied carriers' deck spotting and hangar servicing of the hour.
void IDO(State& st);
/// IDO2: the hourly roll of the aircraft states.
void IDO2(State& st);
/// IDO3: the raid's losses and the player's base strike's flight.
void IDO3(State& st);
/// IDO5: the Allied air groups in flight, gathered into the raid W.
void IDO5(State& st);
/// IDO7: the player's fleet strikes in flight.
void IDO7(State& st);
/// IDO8: the returning air groups flown home and landed.
void IDO8(State& st);
/// HASSIN: the Allied strike launch.
void HASSIN(State& st);
/// HYOJI6: the hidden overview of the Allied side over the map; waits for one key before its
/// table of the Allied air groups.
void HYOJI6(State& st);

// Operational day: the surface battle and the submarines.
/// Enters task force k into the first free row of the contact list J, unless a row above
/// already holds it.
void enter_contact(State& st, int k);
/// SP: before each gun sub-turn, the ships of each line able to fight (N) and the lines'
/// speeds S(0) and S(4), each its slowest able ship's.
void SP(State& st);
/// SP2: lowers S(g) of group g = TT_GUN_GROUP to its slowest afloat battleship's speed.
void SP2(State& st);
/// MOVE3: after a gun battle, the player's fleet and the engaged task forces close on the map
/// by half the range the battle closed each.
void MOVE3(State& st);
/// HYOJI2: the gun battle's opening words and two pauses.
void HYOJI2(State& st);
/// BS: one gun sub-turn of 3 minutes (TT_GUN_SUBTURN, counting down): fire, damage, orders.
void BS(State& st);
/// SUMR: the submarine events of a daytime hour; TT_MAP_SHOWN is 1 when it showed a message.
void SUMR(State& st);

}  // namespace morva95f
