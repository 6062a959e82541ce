// The campaign games' dialogues: the programs' dialogue kit (dialogue/dialogue.h) under the
// campaign's names, and the number questions only these games ask.
#pragma once
#include <functional>

#include "console/console.h"
#include "dialogue/dialogue.h"

namespace morva {

using dialogue::ask_key;
using dialogue::ask_line_choice;
using dialogue::ask_yes_no;
using dialogue::Entry;
using dialogue::hit_any_key;
using dialogue::kAnyKey;
using dialogue::kColourInForce;
using dialogue::kNo;
using dialogue::kYes;
using dialogue::show;
using dialogue::Shown;
using dialogue::Text;
using dialogue::wait_for_key;

/// What an empty line means to ask_number.
enum class EmptyLine {
    IsZero,     ///< the value 0, tested like any answer
    AsksAgain,  ///< no answer: the question is asked again
};

/// A number typed at `entry` in lo-hi (a whole number unless `whole` is false), read as a line:
/// `ask` draws the question before each try, and an answer outside the range or with a
/// fraction is asked again from there. The answer is the typed line's value (a line that is
/// not a number is 0).
con::real ask_number(const std::function<void()>& ask, const Entry& entry, con::real lo, con::real hi,
                     bool whole = true, EmptyLine empty = EmptyLine::IsZero);

/// A unit count typed at `entry`: a whole number in lo-hi, read by the line input for numbers,
/// which itself refuses an empty or malformed line with its message and reads again; `ask`
/// draws the question before each try, and an answer outside the range or with a fraction is
/// asked again from there.
con::real ask_count(const std::function<void()>& ask, const Entry& entry, con::real lo, con::real hi);

}  // namespace morva
