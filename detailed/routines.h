// MORVA95F: the routines of the detailed game and the blocks of its main routine that are
// entered like a call (they return to their caller). Each works on the program's state.
#pragma once
#include <string>
#include <utility>

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
/// The year and month of turn t (1-12) on the header line.
std::pair<int, int> calendar_of_turn(int turn);
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
std::pair<std::string, std::string> victory_level(int bases_held);

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

// Operational day (routines of the next subsystem the F1 handler calls).
/// FMAP: the operational map of the target area.
void FMAP(State& st);
/// ICHI0: the contact list of the Allied task forces.
void ICHI0(State& st);
/// HYOJI6: the hidden overview of the Allied side; waits for one key.
void HYOJI6(State& st);

}  // namespace morva95f
