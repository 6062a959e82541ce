// The campaign games' dialogue kit: questions, key waits and number inputs over the console.
#include "campaign/dialogue.h"

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

std::string hit_any_key(std::string& key, const Text& hint, bool blank_after) {
    show_text(hint);
    std::string k = WAIT_KEY(key);
    if (blank_after)
        con::print_at(con::Col(hint.column), con::Row(hint.row), con::space_string(con::byte_length(hint.words)));
    return k;
}

namespace {

/// Asks until `read` gives an answer in lo-hi (and whole when `whole`): ends only on an answer
/// typed by the player.
template <typename Read>
con::real ask_in_range(const std::function<void()>& ask, const Entry& entry, con::real lo, con::real hi, bool whole,
                       Read read) {
    for (;;) {
        if (ask) ask();
        con::locate(con::Col(entry.column), con::Row(entry.row));
        const con::real n = read(entry.prompt);
        if (n < lo || n > hi) continue;
        if (whole && n != con::int_floor(n)) continue;
        return n;
    }
}

}  // namespace

con::real ask_number(const std::function<void()>& ask, const Entry& entry, con::real lo, con::real hi, bool whole) {
    return ask_in_range(ask, entry, lo, hi, whole,
                        [](std::string_view prompt) { return con::val(con::input_line(prompt)); });
}

con::real ask_count(const std::function<void()>& ask, const Entry& entry, con::real lo, con::real hi) {
    return ask_in_range(ask, entry, lo, hi, true,
                        [](std::string_view prompt) { return con::L(con::input_number(prompt)); });
}

}  // namespace morva
