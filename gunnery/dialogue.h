// kelmat95's dialogues: the programs' dialogue kit (dialogue/dialogue.h) under the program's
// names; the battle's and the viewers' questions are calls of it with their own words.
#pragma once
#include "dialogue/dialogue.h"

namespace kelmat {

using dialogue::ask_line_choice;
using dialogue::ask_number;
using dialogue::ask_yes_no;
using dialogue::Entry;
using dialogue::hit_any_key;
using dialogue::kAnyKey;
using dialogue::kAtCursor;
using dialogue::kColourInForce;
using dialogue::kNo;
using dialogue::kYes;
using dialogue::kYesOrEnter;
using dialogue::show;
using dialogue::Text;
using dialogue::wait_for_digit;
using dialogue::wait_for_key;

}  // namespace kelmat
