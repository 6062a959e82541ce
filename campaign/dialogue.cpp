// The campaign games' dialogue kit: questions, key waits and number inputs over the console.
#include "campaign/dialogue.h"

#include <optional>

#include "campaign/display_time.h"

namespace morva {
namespace {

bool accepts(std::string_view accepted, const std::string& key) {
    return accepted.empty() || (key.size() == 1 && accepted.find(key[0]) != std::string_view::npos);
}

void show_text(const Text& t) {
    if (t.colour != kColourInForce) con::color(t.colour);
    con::print_at(con::Col(t.column), con::Row(t.row), t.words);
}

/// An answer within lo-hi, and a whole number when `whole`.
bool in_range(con::real n, con::real lo, con::real hi, bool whole) {
    return n >= lo && n <= hi && (!whole || n == con::int_floor(n));
}

}  // namespace

void show(std::initializer_list<Text> texts) {
    for (const Text& t : texts) show_text(t);
}

std::string wait_for_key(std::string& key, std::string_view accepted) {
    // Ends only on a key typed by the player: no data decides how often it runs.
    for (;;) {
        std::string k = WAIT_KEY(key);
        if (accepts(accepted, k)) return k;
    }
}

std::string ask_key(std::string& key, std::initializer_list<Text> question, std::string_view accepted, Shown shown) {
    if (shown == Shown::Once) {
        show(question);
        return wait_for_key(key, accepted);
    }
    for (;;) {
        show(question);
        std::string k = WAIT_KEY(key);
        if (accepts(accepted, k)) return k;
    }
}

bool ask_yes_no(std::string& key, std::initializer_list<Text> question, std::string_view yes, std::string_view no,
                Shown shown) {
    const std::string both = no.empty() ? std::string() : std::string(yes) + std::string(no);
    const std::string k = ask_key(key, question, both, shown);
    return k.size() == 1 && yes.find(k[0]) != std::string_view::npos;
}

bool ask_yes_no(std::string& key, const std::function<void()>& draw, std::string_view yes, std::string_view no) {
    // Ends only on a yes or no key typed by the player.
    for (;;) {
        if (draw) draw();
        const std::string k = WAIT_KEY(key);
        if (k.size() != 1) continue;
        if (yes.find(k[0]) != std::string_view::npos) return true;
        if (no.find(k[0]) != std::string_view::npos) return false;
    }
}

std::string hit_any_key(std::string& key, const Text& hint, bool blank_after) {
    show_text(hint);
    std::string k = WAIT_KEY(key);
    if (blank_after)
        con::print_at(con::Col(hint.column), con::Row(hint.row), con::space_string(con::byte_length(hint.words)));
    return k;
}

namespace {

/// Asks until `read` gives an answer in lo-hi (and whole when `whole`): ends only on an answer
/// typed by the player. `read` returns no value for a line that asks the question again.
template <typename Read>
con::real ask_in_range(const std::function<void()>& ask, const Entry& entry, con::real lo, con::real hi, bool whole,
                       Read read) {
    for (;;) {
        if (ask) ask();
        con::locate(con::Col(entry.column), con::Row(entry.row));
        const std::optional<con::real> n = read(entry.prompt);
        if (n && in_range(*n, lo, hi, whole)) return *n;
    }
}

}  // namespace

con::real ask_number(const std::function<void()>& ask, const Entry& entry, con::real lo, con::real hi, bool whole,
                     EmptyLine empty) {
    return ask_in_range(ask, entry, lo, hi, whole, [empty](std::string_view prompt) -> std::optional<con::real> {
        const std::string line = con::input_line(prompt);
        if (line.empty() && empty == EmptyLine::AsksAgain) return std::nullopt;
        return con::val(line);
    });
}

con::real ask_count(const std::function<void()>& ask, const Entry& entry, con::real lo, con::real hi) {
    return ask_in_range(ask, entry, lo, hi, true, [](std::string_view prompt) -> std::optional<con::real> {
        return con::L(con::input_number(prompt));
    });
}

}  // namespace morva
