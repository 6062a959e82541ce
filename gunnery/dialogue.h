// kelmat95's dialogue kit: one-key questions (yes/no, a key from a set, a digit in a range),
// the "Hit Any Key" waits and the number line inputs with their re-asks. Every text, place,
// colour and accepted key is a parameter: a new dialogue (the battle's and the viewers'
// questions too) is a call with its own words.
#pragma once
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#include "console/console.h"

namespace kelmat {

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
/// Y, y or Enter: the yes keys of the questions that take Enter as yes.
inline constexpr std::string_view kYesOrEnter = "Yy\r";
/// The usual no keys.
inline constexpr std::string_view kNo = "Nn";
/// Every key answers.
inline constexpr std::string_view kAnyKey = "";

/// Prints the texts in order, each in its colour; the last colour stays in force.
void show(std::initializer_list<Text> texts);

/// Waits for keys, each left in `key`, until one of `accepted` comes; returns it.
std::string wait_for_key(std::string& key, std::string_view accepted);

/// Waits for keys, each left in `key`, until a digit lo-hi (0-9) comes; returns its value.
int wait_for_digit(std::string& key, int lo, int hi);

/// A yes/no question: prints `question`, then waits for a key of `yes` or `no`; true for a yes
/// key. With `no` empty every key answers, and any key but a yes key means no.
bool ask_yes_no(std::string& key, std::initializer_list<Text> question, std::string_view yes = kYes,
                std::string_view no = kNo);

/// A "Hit Any Key" wait: prints `hint`, waits for one key (left in `key`) and returns it; with
/// `blank_after` the hint's cells are blanked afterwards (colour and cursor stay there).
std::string hit_any_key(std::string& key, const Text& hint, bool blank_after = false);

/// The column of an Entry typed wherever `ask` left the cursor.
inline constexpr int kAtCursor = -1;

/// Where a number is typed: the cursor's column and row (or kAtCursor), and the prompt
/// printed there.
struct Entry {
    int column;
    int row;
    std::string_view prompt;
};

/// A number typed at `entry` in lo-hi (with `whole`, whole numbers only): `ask` (when given)
/// draws the question before each try, and an answer outside the range is asked again from
/// there; a malformed answer is asked again by the console's number input itself. Each
/// answer is left in `answer` as it is typed.
float ask_number(float& answer, const std::function<void()>& ask, const Entry& entry, con::real lo, con::real hi,
                 bool whole);

/// A text answer from a list typed at `entry` (the console's line input, shown in `style`):
/// `ask` (when given) draws before each try and `after` (when given) runs after each answer,
/// taken or not; asked again until the answer is one of `accepted`. Each answer is left in
/// `answer`; returns the accepted one.
std::string ask_line_choice(std::string& answer, const std::function<void()>& ask, const Entry& entry,
                            con::PromptStyle style, std::initializer_list<std::string_view> accepted,
                            const std::function<void()>& after = nullptr);

}  // namespace kelmat
