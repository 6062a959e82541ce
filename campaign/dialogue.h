// The dialogue kit of the campaign games: one-key questions (yes/no, a key from a set), the
// "Hit Any Key" waits and the number line inputs with their re-asks. Every text, place,
// colour and accepted key is a parameter: a new dialogue is a call with its own words.
#pragma once
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "console/console.h"

namespace morva {

/// The colour of a Text that leaves the colour in force.
inline constexpr int kColourInForce = -1;

/// A text of a dialogue: its column and row, its colour (0-7, or kColourInForce) and its words.
struct Text {
    int column;
    int row;
    int colour;
    std::string words;
};

/// Keys are given as a string of one-byte keys: "Yy" takes Y and y, "\r" is Enter, and an
/// empty string takes every key.
inline constexpr std::string_view kYes = "Yy";
/// The usual no keys.
inline constexpr std::string_view kNo = "Nn";
/// Every key answers.
inline constexpr std::string_view kAnyKey = "";

/// When a question's texts are printed: once before the first key, or again before each key
/// (so that they come back over whatever a function-key handler drew meanwhile).
enum class Shown { Once, BeforeEachKey };

/// Prints the texts in order, each in its colour; the last colour stays in force.
void show(std::initializer_list<Text> texts);

/// Waits for keys, each left in `key`, until one of `accepted` comes; returns it.
std::string wait_for_key(std::string& key, std::string_view accepted);

/// A one-key question: prints `question` (once or before each key), then waits for a key of
/// `accepted`; returns it (also left in `key`).
std::string ask_key(std::string& key, std::initializer_list<Text> question, std::string_view accepted,
                    Shown shown = Shown::Once);

/// A yes/no question: as ask_key with the keys of `yes` and `no`; true for a yes key. With
/// `no` empty every key answers, and any key but a yes key means no.
bool ask_yes_no(std::string& key, std::initializer_list<Text> question, std::string_view yes = kYes,
                std::string_view no = kNo, Shown shown = Shown::Once);

/// A yes/no question whose display `draw` puts up before each key (a key outside both sets
/// draws it again); true for a yes key.
bool ask_yes_no(std::string& key, const std::function<void()>& draw, std::string_view yes = kYes,
                std::string_view no = kNo);

/// A "Hit Any Key" wait: prints `hint`, waits for one key (left in `key`) and returns it; with
/// `blank_after` the hint's cells are blanked afterwards (in the colour then in force).
std::string hit_any_key(std::string& key, const Text& hint, bool blank_after = false);

/// Where a number is typed: the cursor's column and row, and the prompt printed there.
struct Entry {
    int column;
    int row;
    std::string_view prompt;
};

/// What an empty line means to ask_number.
enum class EmptyLine {
    IsZero,     ///< the value 0, tested like any answer
    AsksAgain,  ///< no answer: the question is asked again
};

/// A number typed at `entry` in lo-hi (a whole number unless `whole` is false): `ask` draws the
/// question before each try, and an answer outside the range or with a fraction is asked again
/// from there. The answer is the typed line's value (a line that is not a number is 0).
con::real ask_number(const std::function<void()>& ask, const Entry& entry, con::real lo, con::real hi,
                     bool whole = true, EmptyLine empty = EmptyLine::IsZero);

/// A unit count typed at `entry`: a whole number in lo-hi, read by the line input for numbers,
/// which itself refuses an empty or malformed line with its message and reads again; `ask`
/// draws the question before each try, and an answer outside the range or with a fraction is
/// asked again from there.
con::real ask_count(const std::function<void()>& ask, const Entry& entry, con::real lo, con::real hi);

}  // namespace morva
