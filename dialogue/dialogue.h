// The dialogue kit of the three programs: one-key questions (yes/no, a key from a set, a digit
// in a range), the "Hit Any Key" waits, and the number and line inputs with their re-asks.
// Every text, place, colour and accepted key is a parameter: a program keeps only its own
// words, and a new dialogue is a call, not a copied loop.
#pragma once
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "console/console.h"

namespace dialogue {

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

/// When a question's texts are printed: once before the first key, or again before each key
/// (so that they come back over whatever a function-key handler drew meanwhile).
enum class Shown { Once, BeforeEachKey };

/// Prints the texts in order, each in its colour; the last colour stays in force.
void show(std::initializer_list<Text> texts);

/// Waits for keys, each left in `key`, until one of `accepted` comes; returns it.
std::string wait_for_key(std::string& key, std::string_view accepted);

/// Waits for keys, each left in `key`, until a digit lo-hi (0-9) comes; returns its value.
int wait_for_digit(std::string& key, int lo, int hi);

/// A one-key question: prints `question` (once or before each key), then waits for a key of
/// `accepted`; returns it (also left in `key`).
std::string ask_key(std::string& key, std::initializer_list<Text> question, std::string_view accepted,
                    Shown shown = Shown::Once);

/// A yes/no question: as ask_key with the keys of `yes` and `no`; true for a yes key. With
/// `no` empty every key answers, and any key but a yes key means no.
bool ask_yes_no(std::string& key, std::initializer_list<Text> question, std::string_view yes = kYes,
                std::string_view no = kNo, Shown shown = Shown::Once);

/// A yes/no question whose display `draw` puts up before each key (a key outside both sets
/// draws it again); true for a yes key. With `no` empty every key answers.
bool ask_yes_no(std::string& key, const std::function<void()>& draw, std::string_view yes = kYes,
                std::string_view no = kNo);

/// A "Hit Any Key" wait: prints `hint`, waits for one key (left in `key`) and returns it; with
/// `blank_after` the hint's cells are blanked afterwards (colour and cursor stay there).
std::string hit_any_key(std::string& key, const Text& hint, bool blank_after = false);

/// The column of an Entry typed wherever `ask` left the cursor.
inline constexpr int kAtCursor = -1;

/// Where an answer is typed: the cursor's column and row (or kAtCursor), and the prompt
/// printed there.
struct Entry {
    int column;
    int row;
    std::string_view prompt;
};

/// Reads one answer at the cursor after `prompt`: its value, or no value for a line that asks
/// the question again.
using NumberReader = std::function<std::optional<con::real>(std::string_view prompt)>;

/// A number typed at `entry` in lo-hi (with `whole`, whole numbers only) as `read` takes it:
/// `ask` (when given) draws the question before each try, and an answer outside the range, or
/// one `read` refuses, is asked again from there. Ends only on an answer typed by the player.
con::real ask_in_range(const std::function<void()>& ask, const Entry& entry, con::real lo, con::real hi, bool whole,
                       const NumberReader& read);

/// A number typed at `entry` in lo-hi through the console's number input, which itself
/// refuses an empty or malformed line with its message and reads again; otherwise as
/// ask_in_range. Each answer is left in `answer` as it is typed; returns the taken one.
float ask_number(float& answer, const std::function<void()>& ask, const Entry& entry, con::real lo, con::real hi,
                 bool whole);

/// A text answer from a list typed at `entry` (the console's line input, shown in `style`):
/// `ask` (when given) draws before each try and `after` (when given) runs after each answer,
/// taken or not; asked again until the answer is one of `accepted`. Each answer is left in
/// `answer` once its input has returned; returns the accepted one.
std::string ask_line_choice(std::string& answer, const std::function<void()>& ask, const Entry& entry,
                            con::PromptStyle style, std::initializer_list<std::string_view> accepted,
                            const std::function<void()>& after = nullptr);

}  // namespace dialogue
